// The primitives that paint a skin picture part into an image of any size and turn masks into regions.
#include "bsPaintParts.h"

#include "bsPixelCopy.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

using bsPixels::Bounded;
using bsPixels::CopyPixels;
using bsPixels::RectLTRB;

namespace {

// A rectangle as its four edges, right and bottom exclusive.
struct Box {
    int l, t, r, b;
};
Box Edges(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

TbsPartGeometry BoundedGeometry(const TbsPartGeometry& g)
{
    return {bsPixels::Bounded(g.LTPoint), bsPixels::Bounded(g.RTPoint), bsPixels::Bounded(g.LBPoint),
            bsPixels::Bounded(g.RBPoint), bsPixels::Bounded(g.ClRect)};
}

QImage::Format FormatFor(const QImage& source)
{
    return source.isNull() ? QImage::Format_RGB32 : source.format();
}

// Gives B the size AW x AH (null when either is 0 or less); a new image starts filled with AFill.
void SizeImage(QImage& B, int AW, int AH, QImage::Format AFormat, quint32 AFill = 0)
{
    AW = Bounded(AW);
    AH = Bounded(AH);
    if (AW <= 0 || AH <= 0) {
        B = QImage();
        return;
    }
    if (B.width() == AW && B.height() == AH && B.format() == AFormat)
        return;
    B = QImage(AW, AH, AFormat);
    if (!B.isNull())
        B.fill(AFill);
}

// Fills the visible part of a tiled area whose tile lies wholly in its picture: pixel (x, y) takes
// the tile's pixel ((x - left) mod width, (y - top) mod height). A row is built from the tile's
// source row and then from its own first period, doubling what it copies; every later row
// repeats the row one tile height above it.
void TileRows(QImage& B, const QImage& SB, const QRect& ATile, const Box& area, const Box& seen)
{
    const int pw = ATile.width(), ph = ATile.height();
    uchar* bits = B.bits();
    const qsizetype stride = B.bytesPerLine();
    const auto at = [&](int x, int y) { return reinterpret_cast<quint32*>(bits + y * stride) + x; };
    const size_t rowBytes = size_t(seen.r - seen.l) * 4;
    for (int y = seen.t; y < seen.b; ++y) {
        if (y - ph >= seen.t) {
            std::memcpy(at(seen.l, y), at(seen.l, y - ph), rowBytes);
            continue;
        }
        const quint32* source =
            reinterpret_cast<const quint32*>(SB.constScanLine(ATile.top() + (y - area.t) % ph)) +
            ATile.left();
        const int offset = (seen.l - area.l) % pw;
        int x = seen.l, n = std::min(pw - offset, seen.r - x);
        std::memcpy(at(x, y), source + offset, size_t(n) * 4);
        x += n;
        if (x >= seen.r)
            continue;
        const int period = x;
        n = std::min(pw, seen.r - x);
        std::memcpy(at(x, y), source, size_t(n) * 4);
        for (x += n; x < seen.r; x += n) {
            n = std::min(x - period, seen.r - x);
            std::memcpy(at(x, y), at(period, y), size_t(n) * 4);
        }
    }
}

// Lays copies of ATile's pixels (at their own size) over AArea from its top-left corner, rows and
// columns of tiles, the last ones shortened where they pass AArea's right or bottom edge.
void TileInto(QImage& B, const QImage& SB, const QRect& ATile, const QRect& AArea)
{
    // QRect::intersected turns a rectangle of negative size around; such an area is empty.
    const int pw = ATile.width(), ph = ATile.height();
    const QRect visible = AArea.isEmpty() ? QRect() : AArea.intersected(B.rect());
    if (pw <= 0 || ph <= 0 || visible.isEmpty())
        return;
    const Box area = Edges(AArea), seen = Edges(visible);
    if (SB.rect().contains(ATile)) {
        TileRows(B, SB, ATile, area, seen);
        return;
    }
    // A tile reaching past its picture is copied tile by tile, each clipped to the picture.
    const int x0 = area.l + (seen.l - area.l) / pw * pw, y0 = area.t + (seen.t - area.t) / ph * ph;
    for (int y = y0; y < seen.b; y += ph) {
        const int h = std::min(ph, area.b - y);
        for (int x = x0; x < seen.r; x += pw) {
            const int w = std::min(pw, area.r - x);
            CopyPixels(B, QRect(x, y, w, h), SB, QRect(ATile.topLeft(), QSize(w, h)));
        }
    }
}

// An edge middle: stretched into D, or tiled along the band at its own length with the band's
// thickness (the tiles' source thickness is D's).
void PaintBandMiddle(QImage& B, const QImage& SB, const QRect& S, const QRect& D, bool AStretch,
                     bool AHorizontal)
{
    if (AStretch)
        CopyPixels(B, D, SB, S);
    else if (AHorizontal)
        TileInto(B, SB, QRect(S.left(), S.top(), S.width(), D.height()), D);
    else
        TileInto(B, SB, QRect(S.left(), S.top(), D.width(), S.height()), D);
}

// The client piece in AArea: bsstFull stretches it; bsstHorz scales it to the area's height and
// repeats it rightwards, bsstVert scales it to the area's width and repeats it downwards. With
// AClip the last copy is cut at the area's edge, otherwise it may run past it.
void StretchClient(QImage& B, const QImage& SB, const QRect& APiece, const QRect& AArea, TbsStretchType AType,
                   bool AClip)
{
    if (AArea.isEmpty() || APiece.isEmpty())
        return;
    const Box area = Edges(AArea);
    if (AType == bsstHorz) {
        const int pw = APiece.width();
        for (int i = 0, x = area.l; i <= AArea.width() / pw && x < B.width(); ++i, x += pw) {
            const int w = AClip ? std::min(pw, area.r - x) : pw;
            CopyPixels(B, QRect(x, area.t, w, AArea.height()), SB,
                       QRect(APiece.topLeft(), QSize(w, APiece.height())));
        }
    } else if (AType == bsstVert) {
        const int ph = APiece.height();
        for (int j = 0, y = area.t; j <= AArea.height() / ph && y < B.height(); ++j, y += ph) {
            const int h = AClip ? std::min(ph, area.b - y) : ph;
            CopyPixels(B, QRect(area.l, y, AArea.width(), h), SB,
                       QRect(APiece.topLeft(), QSize(APiece.width(), h)));
        }
    } else {
        CopyPixels(B, AArea, SB, APiece);
    }
}

// One horizontal border band of AOut's size whose source rows start at ASourceTop: the middle
// columns [sLo, sHi) of the part (which starts at column APartLeft and is APartWidth wide) stretched
// into [dLo, dHi) or tiled over [ATileFrom, ATileTo); then the left end [0, sLo) to [0, ALeftEnd)
// and the right end [sHi, APartWidth) to [dHi, width).
struct HBand {
    int APartLeft, APartWidth, ASourceTop;
    int sLo, sHi, dLo, dHi, ALeftEnd;
    int ATileFrom, ATileTo;
    bool AStretch;
};
void PaintHBand(QImage& AOut, const QImage& SB, const HBand& b)
{
    const int w = AOut.width(), h = AOut.height(), x = b.APartLeft, y = b.ASourceTop;
    const QRect middle = RectLTRB(x + b.sLo, y, x + b.sHi, y + h);
    if (b.AStretch)
        CopyPixels(AOut, RectLTRB(b.dLo, 0, b.dHi, h), SB, middle);
    else
        TileInto(AOut, SB, middle, RectLTRB(b.ATileFrom, 0, b.ATileTo, h));
    CopyPixels(AOut, RectLTRB(0, 0, b.ALeftEnd, h), SB, RectLTRB(x, y, x + b.sLo, y + h));
    CopyPixels(AOut, RectLTRB(b.dHi, 0, w, h), SB, RectLTRB(x + b.sHi, y, x + b.APartWidth, y + h));
}

// One vertical border band of AOut's size (height = the band's length) taken from the source
// columns [ASourceLeft, ASourceRight): the middle rows [sTop, sBottom) of the part (which starts at
// row APartTop) stretched into [sTop - cTop, length + sBottom - cBottom) or tiled from 0 downwards;
// then the upper end rows [cTop, sTop) to the band's top and the lower end rows [sBottom, cBottom)
// to its bottom.
struct VBand {
    int ASourceLeft, ASourceRight, APartTop;
    int sTop, sBottom, cTop, cBottom;
    bool AStretch;
};
void PaintVBand(QImage& AOut, const QImage& SB, const VBand& b)
{
    const int w = AOut.width(), len = AOut.height(), y = b.APartTop;
    const QRect middle = RectLTRB(b.ASourceLeft, y + b.sTop, b.ASourceRight, y + b.sBottom);
    if (b.AStretch)
        CopyPixels(AOut, RectLTRB(0, b.sTop - b.cTop, w, len + b.sBottom - b.cBottom), SB, middle);
    else
        TileInto(AOut, SB, QRect(b.ASourceLeft, y + b.sTop, w, b.sBottom - b.sTop), QRect(0, 0, w, len));
    if (b.sTop - b.cTop > 0)
        CopyPixels(AOut, RectLTRB(0, 0, w, b.sTop - b.cTop), SB,
                   RectLTRB(b.ASourceLeft, y + b.cTop, b.ASourceRight, y + b.sTop));
    if (b.cBottom - b.sBottom > 0)
        CopyPixels(AOut, RectLTRB(0, len + b.sBottom - b.cBottom, w, len), SB,
                   RectLTRB(b.ASourceLeft, y + b.sBottom, b.ASourceRight, y + b.cBottom));
}

// Both strip painters: AHorizontal lays the strip along x. ALength is the new length, LO and RO
// the unstretched ends.
void PaintStrip(bool AHorizontal, int LO, int RO, QImage& B, bool AStretch, int ALength, const QRect& ARect,
                const QImage& APicture)
{
    const QImage SB = bsPixels::As32Bit(APicture);
    const QRect R = Bounded(ARect);
    const int length = Bounded(ALength);
    const int partLength = AHorizontal ? R.width() : R.height(),
              across = AHorizontal ? R.height() : R.width();
    SizeImage(B, AHorizontal ? length : across, AHorizontal ? across : length, FormatFor(SB));
    if (SB.isNull() || B.isNull() || partLength <= 0)
        return;
    // Ends wider than the part, or crossing each other, would leave a middle of negative length.
    LO = std::clamp(Bounded(LO), 0, partLength);
    RO = std::clamp(Bounded(RO), 0, partLength - LO);
    const auto rect = [AHorizontal](int a0, int c0, int a1, int c1) {
        return AHorizontal ? RectLTRB(a0, c0, a1, c1) : RectLTRB(c0, a0, c1, a1);
    };
    const int a = AHorizontal ? R.left() : R.top(), c = AHorizontal ? R.top() : R.left();
    if (LO != 0)
        CopyPixels(B, rect(0, 0, LO, across), SB, rect(a, c, a + LO, c + across));
    if (RO != 0)
        CopyPixels(B, rect(length - RO, 0, length, across), SB,
                   rect(a + partLength - RO, c, a + partLength, c + across));
    int m0 = a + LO, m1 = a + partLength - RO;
    if (m0 == m1) {
        if (!AHorizontal)
            return; // a vertical strip without a middle draws none
        // A middle of width 0 counts as one column, which must still lie inside the part.
        m0 = std::min(m0, a + partLength - 1);
        m1 = m0 + 1;
    }
    const QRect middle = rect(m0, c, m1, c + across), area = rect(LO, 0, length - RO, across);
    if (AStretch)
        CopyPixels(B, area, SB, middle);
    else
        TileInto(B, SB, middle, area);
}

bool IsBlack(quint32 pixel)
{
    return (pixel & 0x00FFFFFF) == 0;
}

} // namespace

QRect ExactRect(const TRect& R)
{
    return RectLTRB(Bounded(R.Left), Bounded(R.Top), Bounded(R.Right), Bounded(R.Bottom));
}

TbsPartGeometry PartGeometry(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                             const TPoint& RBPoint, const TRect& ClRect)
{
    return BoundedGeometry(
        {LTPoint.ToQPoint(), RTPoint.ToQPoint(), LBPoint.ToQPoint(), RBPoint.ToQPoint(), ExactRect(ClRect)});
}

TbsPartGeometry ResizedPartGeometry(const TbsPartGeometry& APart, const QSize& APartSize, int AW, int AH)
{
    const TbsPartGeometry p = BoundedGeometry(APart);
    const int dW = Bounded(AW) - Bounded(APartSize.width()), dH = Bounded(AH) - Bounded(APartSize.height());
    const Box c = Edges(p.ClRect);
    return {p.LTPoint, p.RTPoint + QPoint(dW, 0), p.LBPoint + QPoint(0, dH), p.RBPoint + QPoint(dW, dH),
            RectLTRB(c.l, c.t, c.r + dW, c.b + dH)};
}

int PartResizeMode(const QRect& ASkinRect, const TbsPartGeometry& APart)
{
    if (ASkinRect.isEmpty())
        return -1;
    if (APart.RBPoint.x() != 0 && APart.RBPoint.y() != 0)
        return 1;
    if (APart.RTPoint.x() != 0 || APart.RTPoint.y() != 0)
        return 2;
    if (APart.LBPoint.x() != 0 || APart.LBPoint.y() != 0)
        return 3;
    return 0;
}

void PaintPlainPart(QImage& B, const QImage& SB, const QRect& R)
{
    const QImage source = bsPixels::As32Bit(SB);
    const QRect part = Bounded(R);
    SizeImage(B, part.width(), part.height(), FormatFor(source));
    if (!source.isNull() && !B.isNull())
        CopyPixels(B, B.rect(), source, part);
}

void PaintPartAtSize(const TbsPartLook& ALook, QImage& B, const QImage& SB, const QRect& R, int AW, int AH,
                     bool DrawClient)
{
    const TbsPartGeometry& g = ALook.Geometry;
    switch (PartResizeMode(R, g)) {
    case 0:
        PaintPlainPart(B, SB, R);
        break;
    case 1:
        PaintFramedPart(g, ResizedPartGeometry(g, R.size(), AW, AH), B, SB, R, AW, AH, DrawClient,
                        ALook.Stretch, ALook.StretchEffect, ALook.StretchType);
        break;
    case 2:
        PaintHStrip(g.LTPoint.x(), R.width() - g.RTPoint.x(), B, ALook.StretchEffect, AW, R, SB);
        break;
    case 3:
        PaintVStrip(g.LTPoint.y(), R.height() - g.LBPoint.y(), B, ALook.StretchEffect, AH, R, SB);
        break;
    default:
        B = QImage();
    }
}

void PaintFramedPart(const TbsPartGeometry& ASource, const TbsPartGeometry& ADest, QImage& B,
                     const QImage& SB, const QRect& R, int AW, int AH, bool DrawClient,
                     const TbsEdgeStretch& AStretch, bool StretchEffect, TbsStretchType StretchType)
{
    const QImage pic = bsPixels::As32Bit(SB);
    SizeImage(B, AW, AH, FormatFor(pic));
    const TbsPartGeometry s = BoundedGeometry(ASource), n = BoundedGeometry(ADest);
    if (s.RBPoint.x() == s.LTPoint.x() || s.RBPoint.y() == s.LTPoint.y() || pic.isNull() || B.isNull())
        return;
    AW = B.width();
    AH = B.height();
    const Box part = Edges(Bounded(R)), c = Edges(s.ClRect), nc = Edges(n.ClRect);
    const int l = part.l, t = part.t, pw = part.r - part.l, ph = part.b - part.t;
    const QPoint at(l, t);

    PaintBandMiddle(B, pic, RectLTRB(l + s.LTPoint.x(), t, l + s.RTPoint.x(), t + c.t),
                    RectLTRB(n.LTPoint.x(), 0, n.RTPoint.x(), nc.t), AStretch.TopStretch, true);
    PaintBandMiddle(B, pic, RectLTRB(l + s.LBPoint.x(), t + c.b, l + s.RBPoint.x(), part.b),
                    RectLTRB(n.LBPoint.x(), nc.b, n.RBPoint.x(), AH), AStretch.BottomStretch, true);
    PaintBandMiddle(B, pic, RectLTRB(l, t + s.LTPoint.y(), l + c.l, t + s.LBPoint.y()),
                    RectLTRB(0, n.LTPoint.y(), nc.l, n.LBPoint.y()), AStretch.LeftStretch, false);
    PaintBandMiddle(B, pic, RectLTRB(l + c.r, t + s.RTPoint.y(), part.r, t + s.RBPoint.y()),
                    RectLTRB(nc.r, n.RTPoint.y(), AW, n.RBPoint.y()), AStretch.RightStretch, false);

    const struct {
        QRect from, to;
    } corners[] = {
        {RectLTRB(0, 0, s.LTPoint.x(), c.t), RectLTRB(0, 0, n.LTPoint.x(), nc.t)},
        {RectLTRB(0, c.t, c.l, s.LTPoint.y()), RectLTRB(0, nc.t, nc.l, n.LTPoint.y())},
        {RectLTRB(s.RTPoint.x(), 0, pw, c.t), RectLTRB(n.RTPoint.x(), 0, AW, nc.t)},
        {RectLTRB(c.r, c.t, pw, s.RTPoint.y()), RectLTRB(nc.r, nc.t, AW, n.RTPoint.y())},
        {RectLTRB(0, s.LBPoint.y(), c.l, ph), RectLTRB(0, n.LBPoint.y(), nc.l, AH)},
        {RectLTRB(c.l, c.b, s.LBPoint.x(), ph), RectLTRB(nc.l, nc.b, n.LBPoint.x(), AH)},
        {RectLTRB(s.RBPoint.x(), c.b, pw, ph), RectLTRB(n.RBPoint.x(), nc.b, AW, AH)},
        {RectLTRB(c.r, s.RBPoint.y(), pw, c.b), RectLTRB(nc.r, n.RBPoint.y(), AW, nc.b)},
    };
    for (const auto& corner : corners)
        CopyPixels(B, corner.to, pic, corner.from.translated(at));

    if (!DrawClient)
        return;
    const QRect piece = s.ClRect.translated(at);
    if (StretchEffect)
        StretchClient(B, pic, piece, n.ClRect, StretchType, true);
    else
        TileInto(B, pic, piece, n.ClRect);
}

void PaintHStrip(int LO, int RO, QImage& B, bool AStretch, int AW, const QRect& R, const QImage& SB)
{
    PaintStrip(true, LO, RO, B, AStretch, AW, R, SB);
}

void PaintVStrip(int TO, int BO, QImage& B, bool AStretch, int AH, const QRect& R, const QImage& SB)
{
    PaintStrip(false, TO, BO, B, AStretch, AH, R, SB);
}

void PaintStretchedPart(QImage& B, const QImage& SB, const QRect& R, bool DrawClient, const QRect& C)
{
    const QRect part = Bounded(R), client = Bounded(C);
    const Box c = Edges(client);
    const TbsPartGeometry source{{c.l, c.t}, {c.r, c.t}, {c.l, c.b}, {c.r, c.b}, client};
    const int newRight = B.width() - (part.width() - c.r), newBottom = B.height() - (part.height() - c.b);
    const TbsPartGeometry dest{{c.l, c.t},
                               {newRight, c.t},
                               {c.l, newBottom},
                               {newRight, newBottom},
                               RectLTRB(c.l, c.t, newRight, newBottom)};
    PaintFramedPart(source, dest, B, SB, part, B.width(), B.height(), DrawClient, {true, true, true, true},
                    true, bsstFull);
}

void PaintFrameBorders(const TbsPartGeometry& ASource, const TbsPartGeometry& ADest,
                       TbsFrameBorders& ABorders, const QImage& SB, const QRect& R, int AW, int AH,
                       const TbsEdgeStretch& AStretch)
{
    // A border that does not exist at this size is null, so no border of an earlier size survives.
    ABorders = TbsFrameBorders();
    const QImage pic = bsPixels::As32Bit(SB);
    if (pic.isNull())
        return;
    const TbsPartGeometry s = BoundedGeometry(ASource), n = BoundedGeometry(ADest);
    const Box part = Edges(Bounded(R)), c = Edges(s.ClRect), nc = Edges(n.ClRect);
    AW = Bounded(AW);
    AH = Bounded(AH);
    const QImage::Format format = FormatFor(pic);

    if (AW > 0 && nc.t > 0 && s.RTPoint.x() - s.LTPoint.x() > 0) {
        SizeImage(ABorders.Top, AW, nc.t, format);
        PaintHBand(ABorders.Top, pic,
                   {part.l, part.r - part.l, part.t, s.LTPoint.x(), s.RTPoint.x(), n.LTPoint.x(),
                    n.RTPoint.x(), n.LTPoint.x(), 0, AW, AStretch.TopStretch});
    }
    const int bottomHeight = AH - nc.b;
    if (AW > 0 && bottomHeight > 0 && s.RBPoint.x() - s.LBPoint.x() > 0) {
        SizeImage(ABorders.Bottom, AW, bottomHeight, format);
        PaintHBand(ABorders.Bottom, pic,
                   {part.l, part.r - part.l, part.b - bottomHeight, s.LBPoint.x(), s.RBPoint.x(),
                    n.LBPoint.x(), n.RBPoint.x(), n.LBPoint.x(), 0, AW, AStretch.BottomStretch});
    }
    const int middleHeight = AH - ABorders.Bottom.height() - ABorders.Top.height();
    if (nc.l > 0 && middleHeight > 0 && s.LBPoint.y() - s.LTPoint.y() > 0) {
        SizeImage(ABorders.Left, nc.l, middleHeight, format);
        PaintVBand(
            ABorders.Left, pic,
            {part.l, part.l + nc.l, part.t, s.LTPoint.y(), s.LBPoint.y(), c.t, c.b, AStretch.LeftStretch});
    }
    const int rightWidth = AW - nc.r;
    if (rightWidth > 0 && middleHeight > 0 && s.RBPoint.y() - s.RTPoint.y() > 0) {
        SizeImage(ABorders.Right, rightWidth, middleHeight, format);
        PaintVBand(
            ABorders.Right, pic,
            {part.l + c.r, part.r, part.t, s.RTPoint.y(), s.RBPoint.y(), c.t, c.b, AStretch.RightStretch});
    }
}

void PaintClientPart(const QRect& APiece, const QRect& D, QImage& B, TbsStretchType StretchType,
                     bool StretchEffect, int AW, int AH, const QRect& R, const QImage& SB)
{
    const QImage pic = bsPixels::As32Bit(SB);
    SizeImage(B, AW, AH, FormatFor(pic));
    const QRect dest = Bounded(D);
    if (dest.isEmpty() || pic.isNull() || B.isNull())
        return;
    const QRect piece = Bounded(APiece).translated(Bounded(R).topLeft());
    if (StretchEffect)
        StretchClient(B, pic, piece, dest, StretchType, false);
    else
        TileInto(B, pic, piece, QRect(QPoint(0, 0), dest.size()));
}

TbsRegionData MaskToRegionData(const QImage& AMask, int dX, int dY)
{
    const QImage mask = bsPixels::As32Bit(AMask);
    TbsRegionData data;
    data.Bound = QRect(dX, dY, mask.width(), mask.height());
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width();) {
            if (!IsBlack(row[x])) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < mask.width() && IsBlack(row[x]))
                ++x;
            data.Rects.append(RectLTRB(x0 + dX, y + dY, x + dX, y + dY + 1));
        }
    }
    return data;
}

namespace {
QRegion RegionOf(const TbsRegionData& AData)
{
    QRegion region;
    if (!AData.Rects.isEmpty())
        region.setRects(AData.Rects.constData(), int(AData.Rects.size()));
    return region;
}
} // namespace

QRegion MaskToRegion(const QImage& AMask)
{
    return RegionOf(MaskToRegionData(AMask, 0, 0));
}

QRegion FramedMaskRegion(const TbsPartGeometry& ASource, const TbsPartGeometry& ADest, const QImage& AMask,
                         int AW, int AH)
{
    const TbsPartGeometry s = BoundedGeometry(ASource), n = BoundedGeometry(ADest);
    const QImage mask = bsPixels::As32Bit(AMask);
    if (mask.isNull() || n.RTPoint.x() < n.LTPoint.x() || n.LBPoint.y() < n.LTPoint.y())
        return QRegion();
    AW = Bounded(AW);
    (void)AH;
    const Box c = Edges(s.ClRect), nc = Edges(n.ClRect);
    const int mw = mask.width(), mh = mask.height(), middleHeight = nc.b - nc.t;
    const QImage::Format format = FormatFor(mask);
    const quint32 outside = 0xFFFFFFFF; // strip pixels no piece covers stay outside the region

    QImage top, bottom, left, right;
    if (AW > 0 && c.t > 0) {
        SizeImage(top, AW, c.t, format, outside);
        PaintHBand(top, mask,
                   {0, mw, 0, s.LTPoint.x(), s.RTPoint.x(), n.LTPoint.x(), n.RTPoint.x(), s.LTPoint.x(),
                    n.LTPoint.x(), n.RTPoint.x(), false});
    }
    if (AW > 0 && mh - c.b > 0) {
        SizeImage(bottom, AW, mh - c.b, format, outside);
        PaintHBand(bottom, mask,
                   {0, mw, c.b, s.LBPoint.x(), s.RBPoint.x(), n.LBPoint.x(), n.RBPoint.x(), s.LBPoint.x(),
                    n.LBPoint.x(), n.RBPoint.x(), false});
    }
    if (c.l > 0 && middleHeight > 0) {
        SizeImage(left, c.l, middleHeight, format, outside);
        PaintVBand(left, mask, {0, c.l, 0, s.LTPoint.y(), s.LBPoint.y(), c.t, c.b, false});
    }
    if (mw - c.r > 0 && middleHeight > 0) {
        SizeImage(right, mw - c.r, middleHeight, format, outside);
        PaintVBand(right, mask, {c.r, mw, 0, s.RTPoint.y(), s.RBPoint.y(), c.t, c.b, false});
    }
    const QRegion edges =
        (RegionOf(MaskToRegionData(top, 0, 0)) + RegionOf(MaskToRegionData(bottom, 0, nc.b))) +
        (RegionOf(MaskToRegionData(left, 0, nc.t)) + RegionOf(MaskToRegionData(right, nc.r, nc.t)));
    return n.ClRect.isEmpty() ? edges : edges + QRegion(n.ClRect);
}

QRegion ControlMaskRegion(int AResizeMode, const TbsPartGeometry& APart, const TbsPartGeometry& ANew,
                          const QImage& AMask, const QSize& ASkinSize, int AW, int AH)
{
    TbsPartGeometry part = APart, resized = ANew;
    switch (AResizeMode) {
    case 0:
        return MaskToRegion(AMask);
    case 1:
        return FramedMaskRegion(APart, ANew, AMask, AW, AH);
    case 2:
        part.LBPoint = part.LTPoint;
        part.RBPoint = part.RTPoint;
        resized.LTPoint = resized.LBPoint = APart.LTPoint;
        resized.RTPoint = resized.RBPoint =
            QPoint(Bounded(AW) + Bounded(APart.RTPoint.x()) - Bounded(ASkinSize.width()), APart.RTPoint.y());
        return FramedMaskRegion(part, resized, AMask, AW, AH);
    case 3:
        part.RTPoint = part.LTPoint;
        part.RBPoint = part.LBPoint;
        resized.LTPoint = resized.RTPoint = APart.LTPoint;
        resized.LBPoint = resized.RBPoint =
            QPoint(APart.LBPoint.x(), Bounded(AH) + Bounded(APart.LBPoint.y()) - Bounded(ASkinSize.height()));
        return FramedMaskRegion(part, resized, AMask, AW, AH);
    default:
        return QRegion();
    }
}

void DrawStripFrame(QPainter& C, int X, int Y, int k, int n, const QImage& ABitmap)
{
    if (ABitmap.isNull() || n <= 0 || k < 1 || k > n)
        return;
    const int w = ABitmap.width() / n, h = ABitmap.height();
    if (w <= 0)
        return;
    QImage frame(w, h, QImage::Format_ARGB32);
    frame.fill(0);
    CopyPixels(frame, frame.rect(), bsPixels::As32Bit(ABitmap), QRect(w * (k - 1), 0, w, h));
    bsPixels::ClearKeyColor(frame, frame.pixel(0, h - 1));
    C.drawImage(X, Y, frame);
}

QRect AnimationFrameRect(const QRect& AAnimateSkinRect, const QRect& ASkinRect, int AFrameCount, int k)
{
    if (AFrameCount <= 0 || k < 1 || k > AFrameCount || AAnimateSkinRect.isEmpty())
        return QRect();
    const QRect a = Bounded(AAnimateSkinRect);
    if (a.width() > ASkinRect.width()) {
        const int w = a.width() / AFrameCount;
        return QRect(a.left() + w * (k - 1), a.top(), w, a.height());
    }
    const int h = a.height() / AFrameCount;
    return QRect(a.left(), a.top() + h * (k - 1), a.width(), h);
}
