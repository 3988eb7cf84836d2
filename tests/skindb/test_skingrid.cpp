// The skinned data grid: its look with the program's own skin and with small skins, the keyboard
// rules for appending and deleting, the order of a click, the wheel and the attached scroll bar.
#include "../platform/DataSetFixture.h"
#include "../skinctrls/OurSkinRepository.h"
#include "../skinctrls/SmallSkin.h"
#include "DialogRecorder.h"
#include "bsDBGridParts.h"
#include "bsDBGrids.h"
#include "bsSkinListBox.h"
#include "bsSkinScrollBar.h"

#include <QApplication>
#include <QTest>

namespace {

class SkinGridTest : public DataSetTest {
protected:
    SkinGridTest()
    {
        source.SetDataSet(&q);
        grid = new TbsSkinDBGrid(&window);
        grid->resize(400, 200);
        grid->SetDataSource(&source);
        window.resize(420, 220);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* Cells() const { return grid; }
    QRect CellRect(int row, int column) const { return grid->DataCellRect(row, column); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = grid->EditorMode() ? static_cast<QWidget*>(grid->InplaceEditor()) : grid;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    // The grid as painted now.
    QImage Painted() const { return Cells()->grab().toImage(); }

    QWidget window;
    TDataSource source;
    TbsSkinDBGrid* grid;
    TDialogRecorder dialogs;
};

TEST_F(SkinGridTest, OurSkinGivesRowsAndTitlesOf19PixelsWhateverRowHeightWasStored)
{
    grid->SetDefaultRowHeight(17);
    grid->SetSkinData(TOurSkinRepository::Get());
    OpenPeople();
    ASSERT_TRUE(grid->Skinned());
    EXPECT_EQ(grid->DefaultRowHeight(), 19);
    EXPECT_EQ(grid->TitleHeight(), 19);
    // The row line comes below the cell.
    EXPECT_EQ(CellRect(0, 0).height(), 19);
    EXPECT_EQ(CellRect(1, 0).top() - CellRect(0, 0).top(), 20);
    EXPECT_EQ(grid->TitleRect(0).height(), 19);
    grid->SetUseSkinCellHeight(false);
    EXPECT_EQ(grid->DefaultRowHeight(), 17);
    EXPECT_EQ(CellRect(0, 0).height(), 17);
    EXPECT_EQ(CellRect(1, 0).top() - CellRect(0, 0).top(), 18);
}

TEST_F(SkinGridTest, AFlatCellInTheSkinStillGivesRowsOfOnePixel)
{
    TSmallSkin small;
    const int picture = small.AddPicture(ColourBlocks({Qt::red, Qt::green}, 20, 10));
    auto& record = small.AddControl<TbsDataSkinGridControl>(QStringLiteral("grid"));
    record.PictureIndex = picture;
    record.FixedCellRect = BlockRect(0, 20, 10);
    TbsSkinData skin;
    small.LoadInto(skin);
    grid->SetSkinData(&skin);
    OpenPeople();
    ASSERT_TRUE(grid->Skinned());
    EXPECT_EQ(grid->DefaultRowHeight(), 1);
    EXPECT_GE(grid->VisibleRowCount(), 1);
    EXPECT_FALSE(Painted().isNull());
}

TEST_F(SkinGridTest, AGridObjectFirstInTheListIsDrawnSkinnedAndASilverGridDrawsGreyLines)
{
    TSmallSkin small;
    auto& record = small.AddControl<TbsDataSkinGridControl>(QStringLiteral("grid"));
    small.AddControl<TbsDataSkinControl>(QStringLiteral("button"));
    record.PictureIndex = small.AddPicture(ColourBlocks({Qt::red, Qt::green, Qt::blue}, 20, 15));
    record.FixedCellRect = BlockRect(0, 20, 15);
    record.SelectCellRect = BlockRect(1, 20, 15);
    record.FocusCellRect = BlockRect(2, 20, 15);
    record.BGColor = 0x00336699;    // RGB 153, 102, 51
    record.LinesColor = 0x00000080; // RGB 128, 0, 0
    TbsSkinData skin;
    small.LoadInto(skin);
    grid->SetSkinData(&skin);
    OpenPeople();
    ASSERT_TRUE(grid->Skinned());
    EXPECT_EQ(grid->DefaultRowHeight(), 15);

    const QRect other = CellRect(1, 1);
    // The lines lie in the gap after the cell.
    const QPoint vertical(other.right() + 1, other.center().y()),
        horizontal(other.center().x(), other.bottom() + 1);
    QImage painted = Painted();
    EXPECT_EQ(painted.pixelColor(other.left() + 1, other.top() + 1), QColor(153, 102, 51));
    EXPECT_EQ(painted.pixelColor(vertical), QColor(128, 0, 0));
    EXPECT_EQ(painted.pixelColor(horizontal), QColor(128, 0, 0));

    grid->SetCellColor(QColor(192, 192, 192));
    painted = Painted();
    EXPECT_EQ(painted.pixelColor(vertical), QColor(128, 128, 128));

    // The title row is the fixed cell's picture.
    EXPECT_EQ(painted.pixelColor(grid->TitleRect(1).topLeft() + QPoint(1, 1)), QColor(Qt::red));
}

TEST_F(SkinGridTest, TheFocusedCellIsTheFocusPictureAndMovesWithTheRecord)
{
    TSmallSkin small;
    auto& record = small.AddControl<TbsDataSkinGridControl>(QStringLiteral("grid"));
    record.PictureIndex = small.AddPicture(ColourBlocks({Qt::red, Qt::green, Qt::blue}, 20, 15));
    record.FixedCellRect = BlockRect(0, 20, 15);
    record.SelectCellRect = BlockRect(1, 20, 15);
    record.FocusCellRect = BlockRect(2, 20, 15);
    TbsSkinData skin;
    small.LoadInto(skin);
    grid->SetSkinData(&skin);
    OpenPeople();
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    EXPECT_EQ(Painted().pixelColor(CellRect(0, 0).topLeft() + QPoint(1, 1)), QColor(Qt::blue));
    q.Next();
    const QImage painted = Painted();
    EXPECT_NE(painted.pixelColor(CellRect(0, 0).topLeft() + QPoint(1, 1)), QColor(Qt::blue));
    EXPECT_EQ(painted.pixelColor(CellRect(1, 0).topLeft() + QPoint(1, 1)), QColor(Qt::blue));
}

TEST_F(SkinGridTest, DownOnTheLastRowAppendsWhatUpCancelsUntilSomethingIsTyped)
{
    OpenPeople();
    grid->setFocus();
    q.Last();
    Key(Qt::Key_Down);
    EXPECT_EQ(q.State(), dsInsert);
    EXPECT_EQ(grid->DataRowCount(), 4);
    // Down again on the untouched new last row stays there.
    Key(Qt::Key_Down);
    EXPECT_EQ(q.State(), dsInsert);
    Key(Qt::Key_Up);
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(grid->DataRowCount(), 3);
    EXPECT_EQ(FileColumn(), QStringList({"张三", "李四", "王五"}));

    Key(Qt::Key_Down);
    grid->SetSelectedIndex(1);
    QTest::keyClicks(grid, QStringLiteral("Zhao"));
    ASSERT_TRUE(grid->EditorMode());
    Key(Qt::Key_Up);
    EXPECT_EQ(FileColumn(), QStringList({"张三", "李四", "王五", "Zhao"}));
}

TEST_F(SkinGridTest, CtrlDeleteAsksThroughTheDialogsAndOnlyCancelKeepsTheRecord)
{
    OpenPeople();
    grid->setFocus();
    q.Next();
    dialogs.AnswerNext(mrCancel);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Text, QStringLiteral("Delete record?"));
    EXPECT_EQ(dialogs.Shown()[0].DlgType, mtConfirmation);
    EXPECT_EQ(FileColumn(), QStringList({"张三", "李四", "王五"}));
    dialogs.AnswerNext(mrOk);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(FileColumn(), QStringList({"张三", "王五"}));
}

TEST_F(SkinGridTest, AReadOnlyGridIgnoresInsertAndCtrlDeleteButReportsClicksAfterTheRecordMoved)
{
    grid->SetReadOnly(true);
    OpenPeople();
    QList<int> seenRecords;
    grid->OnCellClick = [&](int) { seenRecords.append(q.RecNo()); };
    grid->setFocus();
    Key(Qt::Key_Insert);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_TRUE(dialogs.Shown().empty());

    QTest::mouseClick(Cells(), Qt::LeftButton, {}, CellRect(2, 1).center());
    EXPECT_EQ(seenRecords, QList<int>({3}));
    // A title click moves nothing and raises no cell click.
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->TitleRect(0).topLeft() + QPoint(5, 5));
    EXPECT_EQ(q.RecNo(), 3);
    EXPECT_EQ(seenRecords, QList<int>({3}));
}

TEST_F(SkinGridTest, TheWheelMovesTheRecordOneNotchAtATime)
{
    OpenPeople();
    const QPoint at = CellRect(0, 1).center();
    auto turn = [&](int delta) {
        QWheelEvent wheel(at, Cells()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Cells(), &wheel);
    };
    turn(-120);
    EXPECT_EQ(q.RecNo(), 2);
    turn(-60); // half a notch waits for the other half
    EXPECT_EQ(q.RecNo(), 2);
    turn(-60);
    EXPECT_EQ(q.RecNo(), 3);
    turn(-120); // the wheel never appends
    EXPECT_EQ(q.RecNo(), 3);
    EXPECT_EQ(q.State(), dsBrowse);
    turn(240);
    EXPECT_EQ(q.RecNo(), 1);
}

TEST_F(SkinGridTest, APickListChoosesAValueButNeverBlanksOneItLacks)
{
    TbsColumn name(QStringLiteral("姓名"));
    name.PickList = {QStringLiteral("张三"), QStringLiteral("李四")};
    grid->SetColumns({{QStringLiteral("ID")}, name});
    OpenPeople();
    grid->setFocus();
    q.Last(); // 王五, not in the list
    grid->SetSelectedIndex(1);
    Key(Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    TDBGridInplaceEdit* editor = grid->InplaceEditor();
    EXPECT_TRUE(editor->ButtonRect().isValid());
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(editor->ListVisible());
    EXPECT_EQ(editor->PickList()->ItemIndex(), -1);
    Key(Qt::Key_Return);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->text(), QStringLiteral("王五"));
    EXPECT_EQ(q.State(), dsBrowse);

    // Chosen from the list, the value is written and posted like a typed one.
    Key(Qt::Key_Down, Qt::AltModifier);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(editor->text(), QStringLiteral("张三"));
    Key(Qt::Key_Up);
    EXPECT_EQ(FileColumn(), QStringList({"张三", "李四", "张三"}));

    // A column without a pick list has no button.
    grid->SetSelectedIndex(0);
    Key(Qt::Key_F2);
    EXPECT_FALSE(grid->InplaceEditor()->ButtonRect().isValid());
}

class ScrollBarGridTest : public SkinGridTest {
protected:
    ScrollBarGridTest()
    {
        QStringList rows;
        for (int i = 0; i < 197; ++i)
            rows.append(QStringLiteral("('员工%1', 3)").arg(i));
        Exec(QStringLiteral("insert into 人员 (姓名, 部门) values ") + rows.join(QLatin1Char(',')));
        grid->SetSkinData(TOurSkinRepository::Get());
        bar = AttachSkinScrollBars(grid, TOurSkinRepository::Get());
    }
    TbsSkinScrollBar* bar;
};

TEST_F(ScrollBarGridTest, TheBarShowsOnlyWhileTheRecordsDoNotFitAndFollowsTheRecord)
{
    EXPECT_FALSE(bar->isVisible());
    OpenPeople(QStringLiteral("select * from 人员 where ID < 3"));
    EXPECT_FALSE(bar->isVisible());
    q.Close();
    OpenPeople();
    ASSERT_TRUE(bar->isVisible());
    // Inside the grid's rectangle, along its right edge; the cells leave room for it.
    EXPECT_TRUE(grid->rect().contains(bar->geometry()));
    EXPECT_EQ(bar->geometry().right(), grid->width() - 2);
    EXPECT_LE(grid->ClientArea().right(), bar->geometry().left());
    EXPECT_EQ(bar->Max(), 199);
    q.SetRecNo(100);
    EXPECT_EQ(bar->Position(), 99);
    q.Last();
    EXPECT_EQ(bar->Position(), 199);
}

TEST_F(ScrollBarGridTest, RowsMovedInThePaintedCellsShowWhatAFullRepaintShows)
{
    OpenPeople();
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    Painted();
    // Past the last row shown the window moves a record at a time, then back up, then a jump.
    for (int step :
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 2, -3}) {
        SCOPED_TRACE(q.RecNo());
        q.MoveBy(step);
        const QImage moved = Painted();
        grid->InvalidateGrid();
        EXPECT_EQ(moved, Painted());
    }
}

TEST_F(ScrollBarGridTest, DraggingTheThumbToTheEndMovesToTheLastRecord)
{
    OpenPeople();
    ASSERT_TRUE(bar->isVisible());
    bar->CalcRects();
    const QPoint thumb = bar->Part(TbsSkinScrollBar::ThumbPart).R.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, QPoint(thumb.x(), bar->height() / 2));
    EXPECT_GT(q.RecNo(), 50);
    EXPECT_LT(q.RecNo(), 150);
    QTest::mouseMove(bar, QPoint(thumb.x(), bar->height() + 50));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.x(), bar->height() + 50));
    EXPECT_EQ(q.RecNo(), 200);
    // The last record is shown.
    EXPECT_TRUE(grid->ClientArea().contains(CellRect(199, 1)));
    EXPECT_EQ(q.State(), dsBrowse);
}

TEST_F(ScrollBarGridTest, ABarDestroyedFirstIsForgottenAndItsRoomGivenBack)
{
    OpenPeople();
    ASSERT_TRUE(bar->isVisible());
    const int narrow = grid->ClientArea().width();
    delete bar;
    EXPECT_EQ(grid->VScrollBar(), nullptr);
    EXPECT_GT(grid->ClientArea().width(), narrow);
    q.Last();
    ASSERT_GE(grid->RowOfRecord(199), 0);
    EXPECT_EQ(grid->Row(), grid->RowOfRecord(199));
}

} // namespace
