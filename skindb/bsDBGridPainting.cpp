// Data grid painting: data cells, titles, the indicator column, grid lines and the background,
// from the skin's "grid" object or in system colours.
#include "TField.h"
#include "TQuery.h"
#include "bsColors.h"
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

QColor Darkened(const QColor& color, int percent)
{
    return QColor(color.red() - color.red() * percent / 100, color.green() - color.green() * percent / 100,
                  color.blue() - color.blue() * percent / 100);
}
} // namespace

bool TbsSkinCustomDBGrid::GridFocused() const
{
    return FView->hasFocus() || FEditor->hasFocus();
}

QColor TbsSkinCustomDBGrid::LineColor() const
{
    return ::GridLineColor(FColor, Skinned() ? FSkin.LinesColor : FGridLineColor);
}

QRect TbsSkinCustomDBGrid::CellOf(const QRect& section) const
{
    // The lines lie in the last pixel column and below the cell.
    return section.adjusted(0, 0, FOptions.Contains(dgColLines) ? -1 : 0,
                            FOptions.Contains(dgRowLines) ? -1 : 0);
}

void TbsSkinCustomDBGrid::PaintLines(QPainter& painter, const QRect& section, bool fixed) const
{
    // A fixed cell always has its lines; a data cell only the ones its options ask for, the
    // others in the cell's own colour.
    const QColor line = LineColor();
    const QColor plain = Skinned() ? FSkin.BGColor : FColor;
    const bool vertical = FOptions.Contains(dgColLines), horizontal = FOptions.Contains(dgRowLines);
    if (vertical)
        painter.fillRect(section.right(), section.top(), 1, section.height(),
                         fixed || vertical ? line : plain);
    if (horizontal)
        painter.fillRect(section.left(), section.bottom(), section.width(), 1,
                         fixed || horizontal ? line : plain);
}

void TbsSkinCustomDBGrid::PaintBackground(QPainter& painter, const QRect& area) const
{
    if (!area.isEmpty())
        painter.fillRect(area, Skinned() ? FSkin.BGColor : FColor);
}

void TbsSkinCustomDBGrid::PaintFixedCell(QPainter& painter, const QRect& cell) const
{
    if (Skinned()) {
        const QImage& image = FSkin.CellImage(gckFixed, cell.width(), cell.height(), FUseSkinCellHeight);
        if (image.height() < cell.height() || image.isNull())
            painter.fillRect(cell, FFixedColor);
        painter.drawImage(cell.topLeft(), image);
        return;
    }
    painter.fillRect(cell, FFixedColor);
    painter.setPen(Darkened(FFixedColor, 20));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

void TbsSkinCustomDBGrid::PaintTitle(QPainter& painter, const QRect& section, int column) const
{
    const QRect cell = CellOf(section);
    PaintFixedCell(painter, cell);
    PaintLines(painter, section, true);
    if (column < 0 || column >= FModel->columnCount())
        return;
    QRect text = cell;
    if (Skinned()) {
        painter.setFont(FUseSkinFont ? FSkin.FixedFont : FTitleFont);
        painter.setPen(FSkin.FixedFontColor);
        text = FSkin.TextRect(gckFixed, cell, FUseSkinCellHeight);
    } else {
        painter.setFont(FTitleFont);
        painter.setPen(SysBtnText());
    }
    WriteText(painter, text, FModel->Title(column), FModel->Column(column).TitleAlignment);
}

void TbsSkinCustomDBGrid::PaintIndicator(QPainter& painter, const QRect& section, int row) const
{
    const QRect cell = CellOf(section);
    PaintFixedCell(painter, cell);
    PaintLines(painter, section, true);
    TQuery* dataSet = DataSet();
    if (row < 0 || !dataSet || !dataSet->Active() || row != CurrentRow())
        return;
    const int index = dataSet->State() == dsEdit ? 1 : dataSet->State() == dsInsert ? 2 : 0;
    const QPixmap picture = DBGridIndicator(index);
    painter.drawPixmap(cell.left() + (cell.width() - picture.width()) / 2,
                       cell.top() + (cell.height() - picture.height()) / 2, picture);
}

void TbsSkinCustomDBGrid::PaintDataCell(QPainter& painter, const QRect& section, int row, int column) const
{
    const QRect cell = CellOf(section);
    PaintLines(painter, section, false);
    const bool current =
        row == CurrentRow() && (FOptions.Contains(dgRowSelect) || column == FView->currentIndex().column());
    const bool focused = current && GridFocused();
    const bool selected = current && !focused && FOptions.Contains(dgAlwaysShowSelection);
    const TField* field = FModel->Field(column);
    const Qt::Alignment alignment = field ? field->Alignment() : Qt::AlignLeft;
    QRect text = cell;
    if (Skinned()) {
        if (focused || selected) {
            const TbsGridCellKind kind = focused ? gckFocus : gckSelect;
            const QImage& image = FSkin.CellImage(kind, cell.width(), cell.height(), FUseSkinCellHeight);
            if (image.height() < cell.height() || image.isNull())
                painter.fillRect(cell, FSkin.BGColor);
            painter.drawImage(cell.topLeft(), image, QRect(QPoint(0, 0), cell.size()));
            painter.setPen(focused ? FSkin.FocusFontColor : FSkin.SelectFontColor);
            if (focused && FSkin.ShowFocus && !FOptions.Contains(dgRowSelect))
                DrawDottedFrame(painter, cell.adjusted(1, 1, -1, -1), FSkin.FocusFontColor);
        } else {
            painter.fillRect(cell, FSkin.BGColor);
            painter.setPen(FSkin.FontColor);
        }
        text = FSkin.TextRect(gckSelect, cell, FUseSkinCellHeight);
    } else if (focused || selected) {
        painter.fillRect(cell, SysHighlight());
        painter.setPen(SysHighlightText());
    } else {
        painter.fillRect(cell, FColor);
        painter.setPen(SysWindowText());
    }
    WriteText(painter, text, FModel->Text(row, column), alignment);
    if (focused && !Skinned() && !FOptions.Contains(dgRowSelect))
        DrawDottedFrame(painter, cell, SysHighlightText());
}

void TbsSkinCustomDBGrid::PaintCells(QPainter& painter, const QRect& exposed) const
{
    const int rows = FModel->rowCount(), columns = FModel->columnCount();
    painter.setFont(Skinned() && FUseSkinFont ? FSkin.Font : font());
    int right = 0, bottom = 0;
    if (rows > 0 && columns > 0) {
        const int lastColumn = columns - 1, lastRow = rows - 1;
        right = FView->columnViewportPosition(lastColumn) + FView->columnWidth(lastColumn);
        bottom = FView->rowViewportPosition(lastRow) + FView->rowHeight(lastRow);
        int firstRow = FView->rowAt(exposed.top()), endRow = FView->rowAt(exposed.bottom());
        int firstColumn = FView->columnAt(exposed.left()), endColumn = FView->columnAt(exposed.right());
        if (firstRow < 0)
            firstRow = exposed.top() < 0 ? 0 : rows;
        if (endRow < 0)
            endRow = lastRow;
        if (firstColumn < 0)
            firstColumn = exposed.left() < 0 ? 0 : columns;
        if (endColumn < 0)
            endColumn = lastColumn;
        for (int row = firstRow; row <= endRow; ++row) {
            const int top = FView->rowViewportPosition(row), height = FView->rowHeight(row);
            for (int column = firstColumn; column <= endColumn; ++column)
                PaintDataCell(
                    painter,
                    QRect(FView->columnViewportPosition(column), top, FView->columnWidth(column), height),
                    row, column);
        }
    }
    // Right of the last column and below the last row lies the grid's background.
    const QRect all = FView->viewport()->rect();
    PaintBackground(painter, QRect(right, 0, all.width() - right, all.height()).intersected(exposed));
    PaintBackground(
        painter, QRect(0, bottom, std::min(right, all.width()), all.height() - bottom).intersected(exposed));
}
