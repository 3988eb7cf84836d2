// Skinned grid input: the keyboard table, selecting, sizing and moving with the mouse, the
// timer that extends a selection past the edge, and the wheel.
#include "bsSkinGrids.h"

#include "TApplication.h"
#include "bsSkinInplaceEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {
// The width of the zone around a row or column line that starts sizing.
constexpr int SizingHotZone = 7;
// How often a selection or a move past the edge goes on.
constexpr int ScrollInterval = 60;
} // namespace

bool TbsSkinCustomGrid::KeyDown(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool rowSelect = FOptions.Contains(goRowSelect);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    int key = event->key();
    if (rtl && key == Qt::Key_Left)
        key = Qt::Key_Right;
    else if (rtl && key == Qt::Key_Right)
        key = Qt::Key_Left;
    TGridCoord to = FCurrent;
    const int page = VisibleRowCount();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Up ? -1 : 1;
        if (ctrl) {
            MoveTopLeft(FTopLeft.X, FTopLeft.Y + step);
            return true;
        }
        to.Y += step;
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = key == Qt::Key_Left ? -1 : 1;
        if (rowSelect)
            to.Y += step;
        else if (ctrl)
            to.X += step * VisibleColCount();
        else
            to.X += step;
        break;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int step = key == Qt::Key_PageUp ? -page : page;
        if (ctrl) {
            to.Y = key == Qt::Key_PageUp ? FTopLeft.Y : FTopLeft.Y + page - 1;
        } else {
            to.Y += step;
            MoveTopLeft(FTopLeft.X, FTopLeft.Y + step);
        }
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End: {
        const bool home = key == Qt::Key_Home;
        if (ctrl) {
            to = home ? TGridCoord{FFixedCols, FFixedRows} : TGridCoord{FColCount - 1, FRowCount - 1};
        } else if (rowSelect) {
            to.Y = home ? FFixedRows : FRowCount - 1;
        } else {
            to.X = home ? FFixedCols : FColCount - 1;
        }
        break;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (!FOptions.Contains(goTabs) || (event->modifiers() & Qt::AltModifier))
            return false;
        const bool back = key == Qt::Key_Backtab || shift;
        const int cells = (FColCount - FFixedCols) * (FRowCount - FFixedRows);
        // The next cell whose column has a tab stop, wrapping at the ends of rows and of the grid.
        for (int tries = 0; tries < cells; ++tries) {
            to.X += back ? -1 : 1;
            if (to.X >= FColCount) {
                to.X = FFixedCols;
                to.Y = to.Y + 1 >= FRowCount ? FFixedRows : to.Y + 1;
            } else if (to.X < FFixedCols) {
                to.X = FColCount - 1;
                to.Y = to.Y - 1 < FFixedRows ? FRowCount - 1 : to.Y - 1;
            }
            if (TabStops(to.X))
                break;
        }
        FocusCell(to.X, to.Y, true);
        return true;
    }
    case Qt::Key_F2:
        if (!FOptions.Contains(goEditing))
            return false;
        ShowEditor();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (FOptions.Contains(goAlwaysShowEditor))
            return false;
        EditorMode() ? HideEditor() : ShowEditor();
        return true;
    default: {
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint() || ctrl || !FOptions.Contains(goEditing))
            return false;
        if (!CanEditAcceptKey(text.at(0))) {
            QApplication::beep();
            return true;
        }
        // A character typed on the grid starts the editor with it.
        ShowEditor();
        if (FInplaceEdit && FInplaceEdit->isVisible()) {
            QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), text);
            QCoreApplication::sendEvent(FInplaceEdit, &typed);
        }
        return true;
    }
    }
    FocusCell(to.X, to.Y, !(shift && FOptions.Contains(goRangeSelect)));
    return true;
}

void TbsSkinCustomGrid::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    CallHandler([&] { handled = KeyDown(event); });
    if (!handled)
        TbsSkinCustomControl::keyPressEvent(event);
}

bool TbsSkinCustomGrid::SizingTest(int x, int y, TbsGridState& state, int& index, int& pos, int& ofs) const
{
    const int zone = std::max(SizingHotZone, FGridLineWidth);
    const std::vector<TSpan> cols = VisibleSpans(true), rows = VisibleSpans(false);
    int fixedRowsEnd = 0, fixedColsEnd = 0;
    for (const TSpan& s : rows)
        if (s.Index < FFixedRows)
            fixedRowsEnd = s.Start + s.Size + FGridLineWidth;
    for (const TSpan& c : cols)
        if (c.Index < FFixedCols)
            fixedColsEnd = c.Start + c.Size + FGridLineWidth;
    // The boundary after one of spans within the hot zone around p; spans below skipBelow do not count.
    const auto hit = [&](const std::vector<TSpan>& spans, int p, int skipBelow, TbsGridState sizing) {
        for (const TSpan& s : spans) {
            if (s.Index < skipBelow)
                continue;
            const int line = s.Start + s.Size + FGridLineWidth / 2;
            if (std::abs(p - line) <= zone / 2) {
                state = sizing;
                index = s.Index;
                pos = p;
                ofs = p - (s.Start + s.Size);
                return true;
            }
        }
        return false;
    };
    if (FOptions.Contains(goColSizing) && (y < fixedRowsEnd || FColSizingWithLine) &&
        hit(cols, x, FFixedColSizing ? 0 : FFixedCols, gsColSizing))
        return true;
    if (FOptions.Contains(goRowSizing) && x < fixedColsEnd && hit(rows, y, 0, gsRowSizing))
        return true;
    return false;
}

void TbsSkinCustomGrid::mousePressEvent(QMouseEvent* event)
{
    if (!(FInplaceEdit && FInplaceEdit->Transparent() && FInplaceEdit->isVisible()))
        HideEditor();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    FHitTest = at;
    CallHandler([&] {
        TbsGridState state = gsNormal;
        if (SizingTest(at.x(), at.y(), state, FSizingIndex, FSizingPos, FSizingOfs)) {
            FGridState = state;
            return;
        }
        const TGridCoord cell = MouseCoord(at.x(), at.y());
        if (cell.X < 0)
            return;
        if (cell.X < FFixedCols || cell.Y < FFixedRows) {
            int origin = cell.Y < FFixedRows ? cell.X : cell.Y;
            if (cell.Y < FFixedRows && cell.X >= FFixedCols && FOptions.Contains(goColMoving) &&
                BeginColumnDrag(origin, origin)) {
                FGridState = gsColMoving;
            } else if (cell.X < FFixedCols && cell.Y >= FFixedRows && FOptions.Contains(goRowMoving) &&
                       BeginRowDrag(origin, origin)) {
                FGridState = gsRowMoving;
            } else {
                return;
            }
            FMoveIndex = FMovePos = origin;
            FTimer->Start(ScrollInterval);
            return;
        }
        if (FOptions.Contains(goEditing) && cell == FCurrent) {
            ShowEditor();
            return;
        }
        const bool extend = (event->modifiers() & Qt::ShiftModifier) && FOptions.Contains(goRangeSelect);
        FocusCell(cell.X, cell.Y, !extend);
        if (!FOptions.Contains(goEditing)) {
            FGridState = gsSelecting;
            FTimer->Start(ScrollInterval);
        }
        Click();
    });
}

void TbsSkinCustomGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FHitTest = at;
    switch (FGridState) {
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(at.x(), at.y());
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows)
            FocusCell(cell.X, cell.Y, false);
        break;
    }
    case gsColSizing:
    case gsRowSizing:
        FSizingPos = FGridState == gsColSizing ? at.x() : at.y();
        break;
    case gsColMoving:
    case gsRowMoving: {
        const TGridCoord cell = MouseCoord(at.x(), at.y());
        const int pos = FGridState == gsColMoving ? cell.X : cell.Y;
        const int fixed = FGridState == gsColMoving ? FFixedCols : FFixedRows;
        if (pos >= fixed)
            FMovePos = pos;
        break;
    }
    default: {
        TbsGridState state = gsNormal;
        int index = 0, pos = 0, ofs = 0;
        SizingTest(at.x(), at.y(), state, index, pos, ofs);
        setCursor(state == gsColSizing   ? Qt::SplitHCursor
                  : state == gsRowSizing ? Qt::SplitVCursor
                                         : Qt::ArrowCursor);
        break;
    }
    }
}

void TbsSkinCustomGrid::mouseReleaseEvent(QMouseEvent* event)
{
    FTimer->Stop();
    const TbsGridState state = FGridState;
    FGridState = gsNormal;
    CallHandler([&] {
        switch (state) {
        case gsColSizing:
        case gsRowSizing: {
            const QRect cell = state == gsColSizing ? CellRect(FSizingIndex, FTopLeft.Y > 0 ? 0 : 0)
                                                    : CellRect(0, FSizingIndex);
            const int start = state == gsColSizing ? cell.left() : cell.top();
            const int size = FSizingPos - FSizingOfs - start;
            // A size of one pixel or less is a slip, not a wish to hide the column.
            if (size > 1)
                state == gsColSizing ? SetColWidths(FSizingIndex, size) : SetRowHeights(FSizingIndex, size);
            break;
        }
        case gsColMoving:
            if (FMovePos != FMoveIndex)
                MoveColumn(FMoveIndex, FMovePos);
            break;
        case gsRowMoving:
            if (FMovePos != FMoveIndex)
                MoveRow(FMoveIndex, FMovePos);
            break;
        case gsSelecting:
            Click();
            break;
        default:
            break;
        }
        UpdateEdit();
    });
    TbsSkinCustomControl::mouseReleaseEvent(event);
}

void TbsSkinCustomGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        CallHandler([this] { DblClick(); });
}

void TbsSkinCustomGrid::TimerTick()
{
    if (FGridState != gsSelecting && FGridState != gsColMoving && FGridState != gsRowMoving) {
        FTimer->Stop();
        return;
    }
    // Past an edge the view scrolls one cell a tick, and a selection follows to the new edge cell.
    int dCol = 0, dRow = 0;
    if (FHitTest.x() < 0)
        dCol = -1;
    else if (FHitTest.x() >= width())
        dCol = 1;
    if (FHitTest.y() < 0)
        dRow = -1;
    else if (FHitTest.y() >= height())
        dRow = 1;
    if (dCol == 0 && dRow == 0)
        return;
    ScrollByKey(dCol, dRow);
}

void TbsSkinCustomGrid::ScrollByKey(int dCol, int dRow)
{
    if (FGridState == gsSelecting) {
        FocusCell(FCurrent.X + dCol, FCurrent.Y + dRow, false);
        return;
    }
    MoveTopLeft(FTopLeft.X + dCol, FTopLeft.Y + dRow);
}

bool TbsSkinCustomGrid::focusNextPrevChild(bool next)
{
    // Tab moves between cells, not out of the grid.
    if (FOptions.Contains(goTabs)) {
        QKeyEvent key(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
        bool handled = false;
        CallHandler([&] { handled = KeyDown(&key); });
        if (handled)
            return true;
    }
    return TbsSkinCustomControl::focusNextPrevChild(next);
}

void TbsSkinCustomGrid::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    event->accept();
    CallHandler([&] { FocusCell(FCurrent.X, FCurrent.Y + (delta < 0 ? 1 : -1), true); });
}
