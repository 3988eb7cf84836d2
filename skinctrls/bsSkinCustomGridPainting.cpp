// Skinned grid painting: the cached image of the cells, the background, the grid lines and the
// cell backgrounds in the four areas, skinned or in system colours.
#include "bsSkinGrids.h"

#include "bsDefaultLook.h"
#include "bsSkinInplaceEdit.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstring>

namespace {
QColor Darkened(const QColor& color, int percent)
{
    return QColor(color.red() - color.red() * percent / 100, color.green() - color.green() * percent / 100,
                  color.blue() - color.blue() * percent / 100);
}

void TileImage(QPainter& painter, const QImage& image, const QRect& area)
{
    if (image.isNull())
        return;
    for (int y = 0; y < area.height(); y += image.height())
        for (int x = 0; x < area.width(); x += image.width())
            painter.drawImage(x, y, image);
}
} // namespace

void TbsSkinCustomGrid::paintEvent(QPaintEvent* event)
{
    if (width() < 1 || height() < 1)
        return;
    if (FCells.size() != size() || FCells.devicePixelRatio() != devicePixelRatioF()) {
        FCells = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
        FCells.setDevicePixelRatio(devicePixelRatioF());
        FDirty = QRegion(rect());
    }
    if (!FDirty.isEmpty()) {
        QPainter cells(&FCells);
        cells.setClipRegion(FDirty);
        PaintGrid(cells, FDirty);
        FDirty = QRegion();
    }
    QPainter painter(this);
    const QRect r = event->rect();
    painter.drawImage(r.topLeft(), FCells,
                      QRectF(QPointF(r.topLeft()) * FCells.devicePixelRatio(),
                             QSizeF(r.size()) * FCells.devicePixelRatio()));
}

void TbsSkinCustomGrid::ScrollRowsInCache(int delta)
{
    const std::vector<TSpan> rows = VisibleSpans(false);
    const int pitch = DefaultRowHeight() + FGridLineWidth;
    const int shift = delta * pitch;
    int top = -1;
    bool uniform = true;
    for (const TSpan& s : rows) {
        if (s.Index < FFixedRows)
            continue;
        if (top < 0)
            top = s.Start;
        uniform = uniform && s.Size == DefaultRowHeight();
    }
    const QRect client = Client();
    const QRect area(client.left(), top, client.width(), client.bottom() + 1 - top);
    // Pixels can only be moved where the rows are alike and nothing shows through them.
    const bool movable = uniform && top >= 0 && std::abs(shift) < area.height() - pitch && !FTransparent &&
                         !(Skinned() && !FSkin.BGPicture.isNull()) && FCells.size() == size() &&
                         FCells.devicePixelRatio() == 1 &&
                         FCells.format() == QImage::Format_ARGB32_Premultiplied;
    if (!movable || FDirty == QRegion(rect())) {
        InvalidateGrid();
        return;
    }
    const int bytes = area.width() * 4, left = area.left() * 4;
    if (shift > 0)
        for (int y = area.top(); y <= area.bottom() - shift; ++y)
            std::memcpy(FCells.scanLine(y) + left, FCells.constScanLine(y + shift) + left, bytes);
    else
        for (int y = area.bottom(); y >= area.top() - shift; --y)
            std::memcpy(FCells.scanLine(y) + left, FCells.constScanLine(y + shift) + left, bytes);
    // Cells out of date before the move are out of date where they went.
    if (!FDirty.isEmpty())
        FDirty += FDirty.translated(0, -shift);
    // The rows uncovered: from the first row the move left incomplete to the end, and at the top
    // what came in from above.
    const int kept = (area.height() - std::max(0, shift)) / pitch * pitch;
    FDirty += QRect(area.left(), area.top() + kept, area.width(), area.height() - kept);
    if (shift < 0)
        FDirty += QRect(area.left(), area.top(), area.width(), -shift);
    update(area);
}

QColor TbsSkinCustomGrid::LineColor() const
{
    return ::GridLineColor(FColor, Skinned() ? FSkin.LinesColor : FGridLineColor);
}

void TbsSkinCustomGrid::PaintBackground(QPainter& painter)
{
    if (FTransparent) {
        QImage back(size(), QImage::Format_ARGB32_Premultiplied);
        back.fill(Skinned() ? FSkin.BGColor : FColor);
        if (!FWallpaper.isNull()) {
            QPainter p(&back);
            if (FWallpaperStretch)
                p.drawImage(rect(), FWallpaper);
            else
                TileImage(p, FWallpaper, rect());
        } else {
            DrawParentBackground(back);
        }
        painter.drawImage(0, 0, back);
        return;
    }
    if (Skinned() && !FSkin.BGPicture.isNull())
        TileImage(painter, FSkin.BGPicture, rect());
}

void TbsSkinCustomGrid::PaintLines(QPainter& painter, const std::vector<TSpan>& cols,
                                   const std::vector<TSpan>& rows, const QRegion& clip)
{
    if (FGridLineWidth <= 0 || cols.empty() || rows.empty())
        return;
    const QColor line = LineColor();
    const QColor plain = Skinned() ? FSkin.BGColor : FColor;
    const int right = cols.back().Start + cols.back().Size + FGridLineWidth;
    const int bottom = rows.back().Start + rows.back().Size + FGridLineWidth;
    // A direction whose option is off is drawn in the area's own colour.
    for (const TSpan& c : cols) {
        const QRect r(c.Start + c.Size, 0, FGridLineWidth, bottom);
        if (!clip.intersects(r))
            continue;
        const bool fixedCol = c.Index < FFixedCols;
        for (const TSpan& s : rows) {
            const bool fixed = fixedCol || s.Index < FFixedRows;
            const bool on = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
            painter.fillRect(r.left(), s.Start, FGridLineWidth, s.Size + FGridLineWidth,
                             on      ? line
                             : fixed ? FFixedColor
                                     : plain);
        }
    }
    for (const TSpan& s : rows) {
        const QRect r(0, s.Start + s.Size, right, FGridLineWidth);
        if (!clip.intersects(r))
            continue;
        const bool fixedRow = s.Index < FFixedRows;
        for (const TSpan& c : cols) {
            const bool fixed = fixedRow || c.Index < FFixedCols;
            const bool on = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
            painter.fillRect(c.Start, r.top(), c.Size + (on ? FGridLineWidth : 0), FGridLineWidth,
                             on      ? line
                             : fixed ? FFixedColor
                                     : plain);
        }
    }
}

void TbsSkinCustomGrid::PaintCellBackground(QPainter& painter, const QRect& r, TGridDrawState state)
{
    const bool fixed = state.Contains(gdFixed), focused = state.Contains(gdFocused);
    const bool selected = state.Contains(gdSelected);
    const bool rowSelect = FOptions.Contains(goRowSelect);
    if (!Skinned()) {
        painter.setFont(font());
        if (selected && !fixed && (!focused || FOptions.Contains(goDrawFocusSelected) || rowSelect)) {
            painter.fillRect(r, SysHighlight());
            painter.setPen(SysHighlightText());
        } else if (fixed) {
            painter.fillRect(r, FFixedColor);
            painter.setPen(Darkened(FFixedColor, 20));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            painter.setPen(SysBtnText());
        } else {
            if (!FTransparent)
                painter.fillRect(r, FColor);
            painter.setPen(SysWindowText());
        }
        return;
    }
    if (fixed || selected || focused) {
        const TbsGridCellKind kind = fixed ? gckFixed : (focused || rowSelect) ? gckFocus : gckSelect;
        const QImage& image = FSkin.CellImage(kind, r.width(), r.height(), FUseSkinCellHeight);
        if (image.isNull() || image.height() < r.height())
            painter.fillRect(r, fixed ? FFixedColor : FSkin.BGColor);
        painter.drawImage(r.topLeft(), image, QRect(QPoint(0, 0), r.size()));
        const QColor color = fixed     ? FSkin.FixedFontColor
                             : focused ? FSkin.FocusFontColor
                                       : FSkin.SelectFontColor;
        painter.setFont(FUseSkinFont ? (fixed ? FSkin.FixedFont : FSkin.Font) : font());
        painter.setPen(color);
        if (FSkin.ShowFocus && focused && !rowSelect && !fixed)
            DrawDottedFrame(painter, r.adjusted(1, 1, -1, -1), color);
        return;
    }
    painter.setFont(FUseSkinFont ? FSkin.Font : font());
    painter.setPen(FSkin.FontColor);
    if (FSkin.BGPicture.isNull() && !FTransparent)
        painter.fillRect(r, FSkin.BGColor);
}

void TbsSkinCustomGrid::PaintGrid(QPainter& painter, const QRegion& clip)
{
    PaintBackground(painter);
    const std::vector<TSpan> cols = VisibleSpans(true), rows = VisibleSpans(false);
    PaintLines(painter, cols, rows, clip);
    const QRect bounds = clip.boundingRect();
    const bool focusedGrid = GridFocused();
    const TGridRect sel = Selection();
    const bool editorOn = FInplaceEdit && FInplaceEdit->isVisible();
    for (const TSpan& s : rows) {
        if (s.Start > bounds.bottom() || s.Start + s.Size + FGridLineWidth <= bounds.top())
            continue;
        for (const TSpan& c : cols) {
            const QRect r(c.Start, s.Start, c.Size, s.Size);
            if (r.isEmpty() || !clip.intersects(r.adjusted(0, 0, FGridLineWidth, FGridLineWidth)))
                continue;
            TGridDrawState state;
            const bool fixed = c.Index < FFixedCols || s.Index < FFixedRows;
            if (fixed)
                state.Include(gdFixed);
            const bool current = c.Index == FCurrent.X && s.Index == FCurrent.Y;
            if (!fixed && focusedGrid && current)
                state.Include(gdFocused);
            if (!fixed && sel.Contains(c.Index, s.Index))
                state.Include(gdSelected);
            // The editor covers its cell, but a skinned cell behind a transparent editor shows.
            if (state.Contains(gdFocused) && editorOn && !Skinned())
                continue;
            if (FDefaultDrawing)
                PaintCellBackground(painter, r, state);
            DrawCell(painter, c.Index, s.Index, r, state);
            const bool editing = FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor);
            if (FDefaultDrawing && state.Contains(gdFocused) && !editing && !FOptions.Contains(goRowSelect) &&
                (!Skinned() || FSkin.ShowFocus))
                DrawDottedFrame(painter, r, painter.pen().color());
        }
    }
    if (!Skinned() && FOptions.Contains(goRowSelect) && FDefaultDrawing && focusedGrid) {
        const QRect a = CellRect(std::max(sel.Left, FTopLeft.X), std::max(sel.Top, FTopLeft.Y));
        const QRect b = CellRect(sel.Right, sel.Bottom);
        if (!a.isEmpty() && !b.isEmpty())
            DrawDottedFrame(painter, a.united(b), SysHighlightText());
    }
    // Right of and below the last cells lies the grid's colour.
    if (FTransparent || (Skinned() && !FSkin.BGPicture.isNull()))
        return;
    const QColor rest = Skinned() ? FSkin.BGColor : FColor;
    const int right = cols.empty() ? 0 : cols.back().Start + cols.back().Size + FGridLineWidth;
    const int bottom = rows.empty() ? 0 : rows.back().Start + rows.back().Size + FGridLineWidth;
    painter.fillRect(QRect(right, 0, width() - right, height()), rest);
    painter.fillRect(QRect(0, bottom, std::min(right, width()), height() - bottom), rest);
    if (FBorderSingle) {
        painter.setPen(Skinned() ? FSkin.LinesColor : SysBtnShadow());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TbsSkinCustomGrid::DrawCell(QPainter&, int, int, const QRect&, TGridDrawState) {}

QRect TbsSkinCustomGrid::GetNewTextRect(const QRect& rect, TGridDrawState state) const
{
    if (!Skinned())
        return rect;
    const TbsGridCellKind kind = state.Contains(gdFixed) ? gckFixed : gckSelect;
    return FSkin.TextRect(kind, rect, FUseSkinCellHeight);
}
