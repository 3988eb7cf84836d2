// Pixel-level copying between 32-bit images: the one place that maps, clips and scales rectangles.
#pragma once

#include <QImage>
#include <QRect>
#include <cstring>
#include <vector>

namespace bsPixels
{

// Largest coordinate a skin value may carry into pixel arithmetic; sums of a few such values
// still fit in 32 bits, so a hostile skin cannot overflow the rectangle arithmetic.
constexpr int kCoordLimit = 1 << 24;

inline int Bounded(int v)
{
    return v < -kCoordLimit ? -kCoordLimit : (v > kCoordLimit ? kCoordLimit : v);
}
inline QPoint Bounded(const QPoint& p)
{
    return QPoint(Bounded(p.x()), Bounded(p.y()));
}
inline QRect Bounded(const QRect& r)
{
    return QRect(QPoint(Bounded(r.left()), Bounded(r.top())),
                 QPoint(Bounded(r.right()), Bounded(r.bottom())));
}

// The rectangle left, top, right, bottom with right and bottom exclusive; empty when its width or
// height is 0 or less.
inline QRect RectLTRB(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}

inline bool Is32Bit(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// The picture in a 32-bit format (itself when it already is one), so that pixels can be moved as words.
inline QImage As32Bit(const QImage& image)
{
    if (image.isNull() || Is32Bit(image.format()))
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Which source index each destination index of one axis takes: destination indexes first ..
// first + source.size() - 1, all inside both images. Sampling is by pixel replication.
struct AxisMap {
    int first = 0;
    std::vector<int> source;
};

AxisMap MapAxis(int d0, int dLen, int s0, int sLen, int dLimit, int sLimit);

// Both axes of a copy of S in src to D in dst; Empty() when no pixel of D takes a sample.
struct RectMap {
    AxisMap xs, ys;
    bool Empty() const { return xs.source.empty() || ys.source.empty(); }
};
RectMap MapRect(const QImage& dst, const QRect& D, const QImage& src, const QRect& S);

// Calls op(destinationPixel, sourcePixel) for every pixel of D whose sample in S lies inside both
// images; S is scaled to D by pixel replication when the sizes differ. Both images are 32-bit.
template <class Op> void MapPixels(QImage& dst, const QRect& D, const QImage& src, const QRect& S, Op op)
{
    const RectMap map = MapRect(dst, D, src, S);
    if (map.Empty())
        return;
    const AxisMap &xs = map.xs, &ys = map.ys;
    uchar* dbits = dst.bits();
    const uchar* sbits = src.constBits();
    const qsizetype dstride = dst.bytesPerLine(), sstride = src.bytesPerLine();
    for (size_t j = 0; j < ys.source.size(); ++j) {
        auto* drow = reinterpret_cast<quint32*>(dbits + (ys.first + qsizetype(j)) * dstride) + xs.first;
        const auto* srow = reinterpret_cast<const quint32*>(sbits + ys.source[j] * sstride);
        for (size_t i = 0; i < xs.source.size(); ++i)
            op(drow[i], srow[xs.source[i]]);
    }
}

// Copies S of src into D of dst, scaled by pixel replication when the sizes differ, clipped to both
// images; pixels of D whose source lies outside src are left as they are. Both images are 32-bit.
void CopyPixels(QImage& dst, const QRect& D, const QImage& src, const QRect& S);

// Makes every pixel of a 32-bit image whose colour is AKeyRgb (0xRRGGBB) clear (0) and every
// other one opaque: how a picture drawn with a transparent colour is handed to QPainter.
void ClearKeyColor(QImage& image, quint32 AKeyRgb);

} // namespace bsPixels
