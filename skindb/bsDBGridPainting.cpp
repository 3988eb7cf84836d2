// Data grid painting: data cells, titles and the indicator column, from the skin's "grid" object
// or in system colours. The base grid has drawn the lines and keeps the painted cells.
#include "TField.h"
#include "TQuery.h"
#include "bsDBGridParts.h"
#include "bsDBGrids.h"
#include "bsDefaultLook.h"

#include <QPainter>

namespace {
// Text clipped to r: left-aligned 2 pixels in, right-aligned 3 pixels in, or centred; vertically
// centred, one pixel higher for fonts of odd height.
void WriteText(QPainter& painter, const QRect& r, const QString& text, Qt::Alignment alignment)
{
    if (text.isEmpty() || r.width() <= 0 || r.height() <= 0)
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    int x = r.left() + 2;
    if (alignment & Qt::AlignRight)
        x = r.right() + 1 - width - 3;
    else if (alignment & Qt::AlignHCenter)
        x = r.left() + (r.width() - width) / 2;
    const int height = metrics.height();
    const int y = r.top() + (r.height() - height) / 2 + metrics.ascent() - height % 2;
    const bool clip = x < r.left() || x + width > r.right() + 1;
    if (clip) {
        painter.save();
        painter.setClipRect(r, Qt::IntersectClip);
    }
    painter.drawText(x, y, text);
    if (clip)
        painter.restore();
}

// Indicator pictures are the same for every paint: made once.
const QPixmap& Indicator(int index)
{
    static const QPixmap pictures[] = {DBGridIndicator(0), DBGridIndicator(1), DBGridIndicator(2),
                                       DBGridIndicator(3), DBGridIndicator(4)};
    return pictures[index];
}
} // namespace

void TbsSkinCustomDBGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState)
{
    const int column = col - FIndicatorOffset;
    if (row < FTitleOffset) {
        column < 0 ? DrawIndicator(painter, rect, -1) : DrawTitle(painter, rect, column);
        return;
    }
    const int record = FBufferTop + row - FTitleOffset;
    if (column < 0)
        DrawIndicator(painter, rect, record);
    else
        DrawDataCell(painter, rect, record, column);
}

void TbsSkinCustomDBGrid::DrawTitle(QPainter& painter, const QRect& cell, int column)
{
    PaintCellBackground(painter, cell, {gdFixed});
    if (column >= FColumnCount)
        return;
    QRect text = cell;
    if (Skinned()) {
        painter.setFont(FUseSkinFont ? FSkin.FixedFont : FTitleFont);
        painter.setPen(FSkin.FixedFontColor);
        text = GetNewTextRect(cell, {gdFixed});
    } else {
        painter.setFont(FTitleFont);
        painter.setPen(SysBtnText());
    }
    WriteText(painter, text, ColumnTitle(column), Column(column).TitleAlignment);
}

void TbsSkinCustomDBGrid::DrawIndicator(QPainter& painter, const QRect& cell, int record)
{
    PaintCellBackground(painter, cell, {gdFixed});
    TQuery* dataSet = DataSet();
    if (record < 0 || !dataSet || !dataSet->Active() || record != CurrentRecord())
        return;
    const int index = dataSet->State() == dsEdit ? 1 : dataSet->State() == dsInsert ? 2 : 0;
    const QPixmap& picture = Indicator(index);
    painter.drawPixmap(cell.left() + (cell.width() - picture.width()) / 2,
                       cell.top() + (cell.height() - picture.height()) / 2, picture);
}

void TbsSkinCustomDBGrid::DrawDataCell(QPainter& painter, const QRect& cell, int record, int column)
{
    const bool current =
        record == CurrentRecord() && (FOptions.Contains(dgRowSelect) || column == SelectedIndex());
    const bool focused = current && GridFocused();
    const bool selected = current && !focused && FOptions.Contains(dgAlwaysShowSelection);
    TGridDrawState state;
    if (focused)
        state = {gdFocused, gdSelected};
    else if (selected)
        state = {gdSelected};
    PaintCellBackground(painter, cell, state);
    if (!Skinned() && !focused && !selected)
        painter.setPen(SysWindowText());
    const TField* field = ColumnField(column);
    WriteText(painter, GetNewTextRect(cell, state), CellText(record, column),
              field ? field->Alignment() : Qt::AlignLeft);
    if (focused && !Skinned() && !FOptions.Contains(dgRowSelect))
        DrawDottedFrame(painter, cell, SysHighlightText());
}
