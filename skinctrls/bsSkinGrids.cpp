// Grid skin: reading the "grid" record, cell pictures and text rectangles, the grid-line colour.
#include "bsSkinGrids.h"

#include "bsColors.h"
#include "bsPaintParts.h"
#include "bsSkinLink.h"

#include <QPainter>

namespace {
QRect EmptyTakes(const QRect& own, const QRect& other)
{
    return own.width() > 0 && own.height() > 0 ? own : other;
}
} // namespace

bool TbsGridSkin::Read(const TbsSkinLink& link)
{
    FSkinned = false;
    FCache.clear();
    Picture = QImage();
    BGPicture = QImage();
    const auto* r = link.Typed<TbsDataSkinGridControl>();
    if (!r)
        return false;
    FixedCellRect = r->FixedCellRect.ToQRect();
    SelectCellRect = r->SelectCellRect.ToQRect();
    FocusCellRect = r->FocusCellRect.ToQRect();
    FixedCellTextRect = r->FixedCellTextRect.ToQRect();
    CellTextRect = r->CellTextRect.ToQRect();
    FixedCellLeftOffset = r->FixedCellLeftOffset;
    FixedCellRightOffset = r->FixedCellRightOffset;
    CellLeftOffset = r->CellLeftOffset;
    CellRightOffset = r->CellRightOffset;
    LinesColor = ColorToQColor(r->LinesColor);
    BGColor = ColorToQColor(r->BGColor);
    Picture = link.Picture(r->PictureIndex);
    BGPicture = link.Picture(r->BGPictureIndex);
    Font = SkinRecordFont(r->FontName, r->FontHeight, r->FontStyle);
    FixedFont = SkinRecordFont(r->FixedFontName, r->FixedFontHeight, r->FixedFontStyle);
    FontColor = ColorToQColor(r->FontColor);
    SelectFontColor = ColorToQColor(r->SelectFontColor);
    FocusFontColor = ColorToQColor(r->FocusFontColor);
    FixedFontColor = ColorToQColor(r->FixedFontColor);
    CellStretchEffect = r->CellStretchEffect;
    FixedCellStretchEffect = r->FixedCellStretchEffect;
    ShowFocus = r->ShowFocus;
    const QRect select = SelectCellRect;
    SelectCellRect = EmptyTakes(SelectCellRect, FocusCellRect);
    FocusCellRect = EmptyTakes(FocusCellRect, select);
    FSkinned = !FixedCellRect.isEmpty();
    return FSkinned;
}

const QImage& TbsGridSkin::CellImage(TbsGridCellKind kind, int w, int h, bool useSkinCellHeight) const
{
    const QSize size(w, h);
    for (const TbsCellImage& entry : FCache)
        if (entry.Kind == kind && entry.Size == size && entry.SkinHeight == useSkinCellHeight)
            return entry.Image;
    const bool fixed = kind == gckFixed;
    const QRect r = fixed ? FixedCellRect : kind == gckFocus ? FocusCellRect : SelectCellRect;
    const int lo = fixed ? FixedCellLeftOffset : CellLeftOffset;
    const int ro = fixed ? FixedCellRightOffset : CellRightOffset;
    const QRect text = fixed ? FixedCellTextRect : CellTextRect;
    QImage image;
    if (Picture.isNull() && w > 0 && h > 0) {
        image = QImage(w, h, QImage::Format_RGB32);
        image.fill(BGColor);
    } else if (!r.isEmpty() && w > 0 && h > 0) {
        if (useSkinCellHeight) {
            PaintHStrip(lo, ro, image, fixed ? FixedCellStretchEffect : CellStretchEffect, w, r, Picture);
        } else {
            image = QImage(w, h, QImage::Format_RGB32);
            image.fill(BGColor);
            const QRect client(lo, text.isEmpty() ? 0 : text.top(), std::max(1, r.width() - lo - ro),
                               text.isEmpty() ? r.height() : std::max(1, text.height()));
            PaintStretchedPart(image, Picture, r, true, client);
        }
    }
    // A few sizes per kind at most (one per column width); drop the lot rather than grow forever.
    if (FCache.size() > 256)
        FCache.clear();
    FCache.push_back({kind, size, useSkinCellHeight, image});
    return FCache.back().Image;
}

QRect TbsGridSkin::TextRect(TbsGridCellKind kind, const QRect& cell, bool useSkinCellHeight) const
{
    const bool fixed = kind == gckFixed;
    const QRect text = fixed ? FixedCellTextRect : CellTextRect;
    const QRect r = fixed ? FixedCellRect : SelectCellRect;
    if (!FSkinned || text.isEmpty())
        return cell;
    const int left = cell.left() + text.left(), top = cell.top() + text.top();
    const int width = cell.width() - (r.width() - text.width());
    int height = text.height();
    if (!useSkinCellHeight)
        height += cell.height() - FixedCellRect.height();
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

QColor GridLineColor(const QColor& gridColor, const QColor& lineColor)
{
    return gridColor.rgb() == qRgb(192, 192, 192) ? QColor(128, 128, 128) : lineColor;
}

void DrawDottedFrame(QPainter& painter, const QRect& r, const QColor& color)
{
    if (r.width() < 1 || r.height() < 1)
        return;
    painter.save();
    painter.setPen(color);
    for (int x = r.left(); x <= r.right(); x += 2) {
        painter.drawPoint(x, r.top());
        if ((x - r.left() + r.height() - 1) % 2 == 0)
            painter.drawPoint(x, r.bottom());
    }
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        painter.drawPoint(r.left(), y);
        if ((y - r.top() + r.width() - 1) % 2 == 0)
            painter.drawPoint(r.right(), y);
    }
    painter.restore();
}
