// The skinned grid base: its defaults, the keyboard table, range selection, sizing and moving with
// the mouse, the errors of extent and count changes, its skinned look, and the cache of painted
// cells that a change must invalidate.
#include "FakeClock.h"
#include "OurSkinRepository.h"
#include "SmallSkin.h"
#include "bsSkinGrids.h"
#include "bsSkinInplaceEdit.h"

#include <QApplication>
#include <QMap>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

// A grid whose cells are filled with colours of their own, counting what it draws.
class TColourGrid : public TbsSkinCustomGrid {
public:
    using TbsSkinCustomGrid::TbsSkinCustomGrid;

    void SetCellColour(int col, int row, const QColor& colour)
    {
        Colours[{col, row}] = colour;
        InvalidateCell(col, row);
    }

    QMap<std::pair<int, int>, QColor> Colours;
    int Drawn = 0;
    QList<std::pair<int, int>> Moves;
    QMap<std::pair<int, int>, QString> Texts;

protected:
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState) override
    {
        ++Drawn;
        if (Colours.contains({col, row}))
            painter.fillRect(rect, Colours[{col, row}]);
    }
    void ColumnMoved(int from, int to) override { Moves.append({from, to}); }
    QString GetEditText(int col, int row) const override { return Texts.value({col, row}); }
    void SetEditText(int col, int row, const QString& value) override { Texts[{col, row}] = value; }
};

class CustomGridTest : public ::testing::Test {
protected:
    CustomGridTest()
    {
        grid = new TColourGrid(&window);
        grid->resize(300, 200);
        window.resize(320, 220);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
    }
    QImage Painted() const { return grid->grab().toImage(); }
    void Press(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(grid, Qt::LeftButton, modifiers, at);
    }
    void MoveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
    }
    void Release(QPoint at) { QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, at); }

    TFakeClock clock; // before the grid: its timer comes from the fake clock
    QWidget window;
    TColourGrid* grid;
};

TEST_F(CustomGridTest, StartsWithFiveByFiveCellsOneFixedRowAndColumnAndTheFirstFiveOptions)
{
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->DefaultColWidth(), 64);
    EXPECT_EQ(grid->DefaultRowHeight(), 20);
    EXPECT_EQ(grid->DefaultCellHeight(), 20);
    EXPECT_EQ(grid->GridLineWidth(), 1);
    EXPECT_EQ(grid->Options(),
              TGridOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->LeftCol(), 1);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(grid->UseSkinFont());
    EXPECT_TRUE(grid->UseSkinCellHeight());
    EXPECT_TRUE(grid->DefaultDrawing());
    EXPECT_FALSE(grid->Transparent());
    EXPECT_EQ(grid->SkinDataName(), QStringLiteral("grid"));
    EXPECT_EQ(grid->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(grid->HScrollBar(), nullptr);
    EXPECT_EQ(grid->VScrollBar(), nullptr);
    // Inside the one-pixel border: the fixed cell, the line after it, then the first column.
    EXPECT_EQ(grid->CellRect(0, 0), QRect(1, 1, 64, 20));
    EXPECT_EQ(grid->CellRect(1, 1), QRect(66, 22, 64, 20));
    EXPECT_EQ(grid->MouseCoord(70, 25), TGridCoord({1, 1}));
    EXPECT_EQ(grid->MouseCoord(299, 199).X, -1);
}

TEST_F(CustomGridTest, KeysMoveTheCurrentCellAsTheTableSays)
{
    grid->SetColCount(10);
    grid->SetRowCount(30);
    grid->SetOptions(TGridOptions({goRangeSelect, goTabs}));
    ASSERT_EQ(grid->VisibleRowCount(), 8); // (198 - 21) / 21 rows of 20 and a line
    struct Case {
        const char* Name;
        TGridCoord Start;
        int Key;
        Qt::KeyboardModifiers Modifiers;
        TGridCoord Expected;
    };
    const Case cases[] = {
        {"Down", {3, 3}, Qt::Key_Down, Qt::NoModifier, {3, 4}},
        {"Up", {3, 3}, Qt::Key_Up, Qt::NoModifier, {3, 2}},
        {"Up stops at the first scrollable row", {3, 1}, Qt::Key_Up, Qt::NoModifier, {3, 1}},
        {"Left", {3, 3}, Qt::Key_Left, Qt::NoModifier, {2, 3}},
        {"Left stops at the first scrollable column", {1, 3}, Qt::Key_Left, Qt::NoModifier, {1, 3}},
        {"Right", {3, 3}, Qt::Key_Right, Qt::NoModifier, {4, 3}},
        {"Right stops at the last column", {9, 3}, Qt::Key_Right, Qt::NoModifier, {9, 3}},
        {"Page Down", {1, 1}, Qt::Key_PageDown, Qt::NoModifier, {1, 9}},
        {"Page Up from the second page", {1, 9}, Qt::Key_PageUp, Qt::NoModifier, {1, 1}},
        {"Ctrl+Page Down: last visible row", {1, 1}, Qt::Key_PageDown, Qt::ControlModifier, {1, 8}},
        {"Ctrl+Page Up: first visible row", {1, 5}, Qt::Key_PageUp, Qt::ControlModifier, {1, 1}},
        {"Home", {5, 10}, Qt::Key_Home, Qt::NoModifier, {1, 10}},
        {"End", {5, 10}, Qt::Key_End, Qt::NoModifier, {9, 10}},
        {"Ctrl+Home", {5, 10}, Qt::Key_Home, Qt::ControlModifier, {1, 1}},
        {"Ctrl+End", {5, 10}, Qt::Key_End, Qt::ControlModifier, {9, 29}},
        {"Tab wraps to the next row", {9, 3}, Qt::Key_Tab, Qt::NoModifier, {1, 4}},
        {"Shift+Tab wraps to the previous row", {1, 4}, Qt::Key_Backtab, Qt::ShiftModifier, {9, 3}},
        {"Tab from the last cell to the first", {9, 29}, Qt::Key_Tab, Qt::NoModifier, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetSelection({c.Start.X, c.Start.Y, c.Start.X, c.Start.Y});
        QTest::keyClick(grid, Qt::Key(c.Key), c.Modifiers);
        EXPECT_EQ(grid->Col(), c.Expected.X);
        EXPECT_EQ(grid->Row(), c.Expected.Y);
        // The current cell always shows.
        EXPECT_FALSE(grid->CellRect(grid->Col(), grid->Row()).isEmpty());
    }

    // A tab stop switched off skips its column.
    grid->SetTabStops(2, false);
    grid->SetSelection({1, 1, 1, 1});
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 3);

    // Ctrl+Down scrolls the view and leaves the current cell.
    grid->SetSelection({1, 1, 1, 1});
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(CustomGridTest, ShiftExtendsTheSelectionFromTheAnchorOnlyWithRangeSelect)
{
    grid->SetSelection({2, 2, 2, 2});
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), TGridRect({2, 2, 3, 4}));
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->Selection(), TGridRect({2, 4, 2, 4}));

    // With the mouse: a click sets the anchor, a Shift+click extends from it.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(1, 1).center());
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ShiftModifier, grid->CellRect(3, 2).center());
    EXPECT_EQ(grid->Selection(), TGridRect({1, 1, 3, 2}));

    TGridOptions options = grid->Options();
    options.Exclude(goRangeSelect);
    grid->SetOptions(options);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), TGridRect({3, 3, 3, 3}));
}

TEST_F(CustomGridTest, DraggingASelectionPastTheBottomScrollsOnEveryTick)
{
    grid->SetRowCount(40);
    Press(grid->CellRect(1, 1).center());
    ASSERT_EQ(grid->GridState(), gsSelecting);
    MoveTo(QPoint(80, grid->height() + 10));
    clock.Advance(59);
    EXPECT_EQ(grid->Row(), 1);
    clock.Advance(1);
    EXPECT_EQ(grid->Row(), 2);
    clock.Advance(60 * 20);
    EXPECT_EQ(grid->Row(), 22);
    EXPECT_GT(grid->TopRow(), 1);
    EXPECT_EQ(grid->Selection(), TGridRect({1, 1, 1, 22}));
    Release(QPoint(80, grid->height() + 10));
    EXPECT_EQ(grid->GridState(), gsNormal);
    clock.Advance(600);
    EXPECT_EQ(grid->Row(), 22);
}

TEST_F(CustomGridTest, ColumnAndRowLinesAreDraggedToNewSizesWithinTheHotZone)
{
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    options.Include(goRowSizing);
    grid->SetOptions(options);
    const QRect title = grid->CellRect(1, 0);
    // 3 pixels off the line is inside the 7-pixel zone.
    const QPoint onLine(title.right() + 1 + 3, title.center().y());
    Press(onLine);
    ASSERT_EQ(grid->GridState(), gsColSizing);
    MoveTo(onLine + QPoint(30, 0));
    Release(onLine + QPoint(30, 0));
    EXPECT_EQ(grid->ColWidths(1), 94);
    EXPECT_EQ(grid->GridState(), gsNormal);

    // Dragged to one pixel or less the column keeps its width.
    const QPoint line(grid->CellRect(1, 0).right() + 1, title.center().y());
    Press(line);
    MoveTo(QPoint(grid->CellRect(1, 0).left(), line.y()));
    Release(QPoint(grid->CellRect(1, 0).left(), line.y()));
    EXPECT_EQ(grid->ColWidths(1), 94);

    // A press outside the zone selects; in the scrollable cells no line sizes.
    Press(QPoint(title.right() + 1 + 5, title.center().y()));
    EXPECT_NE(grid->GridState(), gsColSizing);
    Release(QPoint(title.right() + 1 + 5, title.center().y()));
    const QRect cell = grid->CellRect(1, 1);
    Press(QPoint(cell.right() + 1, cell.center().y()));
    EXPECT_NE(grid->GridState(), gsColSizing);
    Release(QPoint(cell.right() + 1, cell.center().y()));

    // A row line in the fixed column.
    const QRect fixed = grid->CellRect(0, 2);
    const QPoint rowLine(fixed.center().x(), fixed.bottom() + 1);
    Press(rowLine);
    ASSERT_EQ(grid->GridState(), gsRowSizing);
    MoveTo(rowLine + QPoint(0, 10));
    Release(rowLine + QPoint(0, 10));
    EXPECT_EQ(grid->RowHeights(2), 30);
    EXPECT_EQ(grid->RowHeights(3), 20);
}

TEST_F(CustomGridTest, AColumnDraggedByItsTitleMovesWithItsWidth)
{
    TGridOptions options = grid->Options();
    options.Include(goColMoving);
    grid->SetOptions(options);
    grid->SetColWidths(2, 40);
    Press(grid->CellRect(2, 0).center());
    ASSERT_EQ(grid->GridState(), gsColMoving);
    MoveTo(grid->CellRect(4, 0).center());
    Release(grid->CellRect(4, 0).center());
    EXPECT_EQ(grid->Moves, (QList<std::pair<int, int>>{{2, 4}}));
    EXPECT_EQ(grid->ColWidths(4), 40);
    EXPECT_EQ(grid->ColWidths(2), 64);

    // The fixed column does not move; a press that goes nowhere moves nothing.
    Press(grid->CellRect(0, 0).center());
    EXPECT_EQ(grid->GridState(), gsNormal);
    Release(grid->CellRect(0, 0).center());
    Press(grid->CellRect(3, 0).center());
    Release(grid->CellRect(3, 0).center());
    EXPECT_EQ(grid->Moves.size(), 1);
}

TEST_F(CustomGridTest, RefusedExtentAndCountChangesSayWhyAndLeaveTheGridAsItWas)
{
    struct Case {
        const char* Name;
        std::function<void()> Change;
        QString Message;
    };
    const Case cases[] = {
        {"a column width past the last column", [&] { grid->SetColWidths(5, 10); },
         QStringLiteral("Grid index out of range")},
        {"a row height before the first row", [&] { grid->SetRowHeights(-1, 10); },
         QStringLiteral("Grid index out of range")},
        {"a tab stop past the last column", [&] { grid->SetTabStops(7, false); },
         QStringLiteral("Grid index out of range")},
        {"moving a column that does not exist", [&] { grid->MoveColumn(1, 9); },
         QStringLiteral("Grid index out of range")},
        {"fewer than no rows", [&] { grid->SetRowCount(-1); },
         QStringLiteral("Too many rows or columns deleted")},
        {"fewer than no columns", [&] { grid->SetColCount(-3); },
         QStringLiteral("Too many rows or columns deleted")},
        {"more columns than a grid holds", [&] { grid->SetColCount(134217726); },
         QStringLiteral("Grid too large for operation")},
        {"more rows than a grid holds", [&] { grid->SetRowCount(134217726); },
         QStringLiteral("Grid too large for operation")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QString message;
        try {
            c.Change();
        } catch (const EInvalidGridOperation& error) {
            message = error.Message();
        }
        EXPECT_EQ(message, c.Message);
        EXPECT_EQ(grid->ColCount(), 5);
        EXPECT_EQ(grid->RowCount(), 5);
        EXPECT_EQ(grid->FixedCols(), 1);
        EXPECT_EQ(grid->FixedRows(), 1);
    }
    // Deleting rows down to none works; one more is refused.
    for (int i = 0; i < 5; ++i)
        grid->DeleteRow(0);
    EXPECT_EQ(grid->RowCount(), 0);
    EXPECT_THROW(grid->DeleteRow(0), EInvalidGridOperation);
    EXPECT_EQ(grid->RowCount(), 0);
}

TEST_F(CustomGridTest, OurSkinGivesRowsOf19PixelsWhateverDefaultRowHeightWasStored)
{
    grid->SetDefaultRowHeight(33);
    grid->SetSkinData(TOurSkinRepository::Get());
    ASSERT_TRUE(grid->Skinned());
    EXPECT_EQ(grid->DefaultRowHeight(), 19);
    EXPECT_EQ(grid->CellRect(1, 1).height(), 19);
    EXPECT_EQ(grid->CellRect(1, 2).top() - grid->CellRect(1, 1).top(), 20);
    grid->SetUseSkinCellHeight(false);
    EXPECT_EQ(grid->DefaultRowHeight(), 33);
    EXPECT_EQ(grid->CellRect(1, 1).height(), 33);
}

// A grid object first in the object list, before another control's.
struct TGridFirstSkin {
    TGridFirstSkin(int cellHeight)
    {
        auto& record = small.AddControl<TbsDataSkinGridControl>(QStringLiteral("grid"));
        small.AddControl<TbsDataSkinControl>(QStringLiteral("button"));
        record.PictureIndex = small.AddPicture(ColourBlocks({Qt::red, Qt::green, Qt::blue}, 20, 15));
        record.FixedCellRect = BlockRect(0, 20, 15);
        record.SelectCellRect = {20, 0, 40, cellHeight};
        record.FocusCellRect = {40, 0, 60, cellHeight};
        record.BGColor = 0x00336699;    // RGB 153, 102, 51
        record.LinesColor = 0x00000080; // RGB 128, 0, 0
        small.LoadInto(skin);
    }
    TSmallSkin small;
    TbsSkinData skin;
};

TEST_F(CustomGridTest, AGridObjectFirstInTheListIsDrawnSkinnedWithItsCellsAndLines)
{
    TGridFirstSkin first(15);
    grid->SetSkinData(&first.skin);
    ASSERT_TRUE(grid->Skinned());
    QTRY_VERIFY(grid->hasFocus());
    EXPECT_EQ(grid->DefaultRowHeight(), 15);
    const QImage painted = Painted();
    EXPECT_EQ(painted.pixelColor(grid->CellRect(2, 0).topLeft() + QPoint(1, 1)), QColor(Qt::red));
    EXPECT_EQ(painted.pixelColor(grid->CellRect(1, 1).topLeft() + QPoint(1, 1)), QColor(Qt::blue));
    const QRect other = grid->CellRect(2, 2);
    EXPECT_EQ(painted.pixelColor(other.topLeft() + QPoint(1, 1)), QColor(153, 102, 51));
    EXPECT_EQ(painted.pixelColor(other.right() + 1, other.center().y()), QColor(128, 0, 0));
    EXPECT_EQ(painted.pixelColor(other.center().x(), other.bottom() + 1), QColor(128, 0, 0));

    // A selected cell that is not current is the select picture.
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Painted().pixelColor(grid->CellRect(1, 1).topLeft() + QPoint(1, 1)), QColor(Qt::green));
}

TEST_F(CustomGridTest, ASilverGridDrawsGreyLinesSkinnedOrNot)
{
    grid->SetGridLineColor(Qt::red);
    const QRect cell = grid->CellRect(2, 2);
    const QPoint line(cell.right() + 1, cell.center().y());
    EXPECT_EQ(Painted().pixelColor(line), QColor(Qt::red));
    grid->SetColor(QColor(192, 192, 192));
    EXPECT_EQ(Painted().pixelColor(line), QColor(128, 128, 128));

    TGridFirstSkin first(15);
    grid->SetSkinData(&first.skin);
    const QRect skinned = grid->CellRect(2, 2);
    EXPECT_EQ(Painted().pixelColor(skinned.right() + 1, skinned.center().y()), QColor(128, 128, 128));
}

TEST_F(CustomGridTest, AFlatCellInTheSkinStillGivesRowsOfOnePixel)
{
    TGridFirstSkin flat(0);
    grid->SetSkinData(&flat.skin);
    ASSERT_TRUE(grid->Skinned());
    EXPECT_EQ(grid->DefaultRowHeight(), 1);
    EXPECT_GE(grid->VisibleRowCount(), 1);
    EXPECT_FALSE(Painted().isNull());
}

TEST_F(CustomGridTest, ARepaintReusesThePaintedCellsUntilOneChanges)
{
    grid->SetCellColour(3, 3, Qt::magenta);
    const QPoint inside = grid->CellRect(3, 3).center();
    EXPECT_EQ(Painted().pixelColor(inside), QColor(Qt::magenta));
    grid->Drawn = 0;
    Painted();
    EXPECT_EQ(grid->Drawn, 0);

    grid->SetCellColour(3, 3, Qt::cyan);
    EXPECT_EQ(Painted().pixelColor(inside), QColor(Qt::cyan));
    // Only the changed cell was drawn again.
    EXPECT_EQ(grid->Drawn, 1);

    // Scrolling, sizing and a skin change draw what they move.
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { grid->SetColWidths(1, 20); }, [&] { grid->SetSkinData(TOurSkinRepository::Get()); }}) {
        change();
        EXPECT_EQ(Painted().pixelColor(grid->CellRect(3, 3).center()), QColor(Qt::cyan));
    }
}

TEST_F(CustomGridTest, TheEditorShowsTheCellsTextOverItAndHandsItBackWhenTheCellChanges)
{
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->Texts[{1, 1}] = QStringLiteral("first");
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    TbsSkinInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry(), grid->CellRect(1, 1));
    EXPECT_EQ(editor->text(), QStringLiteral("first"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("first"));
    QTest::keyClicks(editor, QStringLiteral("changed"));
    // Down goes from the editor to the grid; the text goes back to the cell it was typed in.
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Texts.value({1, 1}), QStringLiteral("changed"));
    EXPECT_EQ(editor->geometry(), grid->CellRect(1, 2));
    EXPECT_EQ(editor->text(), QString());
}

} // namespace
