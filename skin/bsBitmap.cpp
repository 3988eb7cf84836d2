// TbsBitmap: a 32-bit image with an alpha channel.
#include "bsBitmap.h"

#include "bsPixelCopy.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

inline int Alpha(quint32 p)
{
    return int(p >> 24);
}
inline int Red(quint32 p)
{
    return int((p >> 16) & 0xFF);
}
inline int Green(quint32 p)
{
    return int((p >> 8) & 0xFF);
}
inline int Blue(quint32 p)
{
    return int(p & 0xFF);
}
inline quint32 MakePixel(int a, int r, int g, int b)
{
    return (quint32(a) << 24) | (quint32(r) << 16) | (quint32(g) << 8) | quint32(b);
}

// nearest(a x v / 255); a x v / 255 never lies exactly halfway, so adding half the divisor rounds.
inline int Premultiply(int a, int v)
{
    return (a * v + 127) / 255;
}

// nearest((r + g + b) / 3); a third is never a half, so adding one before dividing rounds.
inline int MeanOfChannels(quint32 p)
{
    return (Red(p) + Green(p) + Blue(p) + 1) / 3;
}

// Replaces every pixel p of a 32-bit image by f(p).
template <class F> void ChangeEachPixel(QImage& image, F f)
{
    // The size is read once: QImage's accessors are out-of-line calls, costlier than f itself.
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = f(row[x]);
    }
}

// Radii beyond this only weigh the edge pixels further; the cap keeps the sums inside 64 bits.
constexpr int kMaxBlurRadius = 1 << 20;

// Sum of the stack-blur weights (r + 1 - k) for k = m .. r, m >= 1.
qint64 TailWeight(qint64 m, qint64 r)
{
    if (m > r)
        return 0;
    const qint64 count = r - m + 1;
    return count * (r + 1) - (m + r) * count / 2;
}

// One pass of the stack blur along a line of n values read with a stride: every value becomes
// the weighted sum over k = -r .. r of (r + 1 - |k|) x value(x + k) div (r + 1)^2, values outside
// the line taken from its nearest end.
void BlurLine(const int* in, int* out, int n, int stride, int r)
{
    const qint64 divisor = qint64(r + 1) * (r + 1);
    for (int x = 0; x < n; ++x) {
        qint64 sum = 0;
        const int lo = std::max(0, x - r), hi = std::min(n - 1, x + r);
        for (int p = lo; p <= hi; ++p)
            sum += qint64(r + 1 - std::abs(p - x)) * in[p * stride];
        sum += TailWeight(x + 1, r) * in[0];
        sum += TailWeight(n - x, r) * in[(n - 1) * stride];
        out[x * stride] = int(sum / divisor);
    }
}

} // namespace

TbsBitmap::TbsBitmap(int AWidth, int AHeight)
{
    SetSize(AWidth, AHeight);
}

TbsBitmap::TbsBitmap(const QImage& APicture)
    : FImage(APicture.isNull() ? QImage() : APicture.convertToFormat(QImage::Format_ARGB32))
{
}

TbsBitmap::TbsBitmap(const QImage& APicture, const QRect& APart)
{
    if (APart.isEmpty())
        return;
    SetSize(APart.width(), APart.height());
    CopyFrom(APicture, APart);
}

quint32 TbsBitmap::ColorToPixel(quint32 AColor)
{
    return MakePixel(255, int(AColor & 0xFF), int((AColor >> 8) & 0xFF), int((AColor >> 16) & 0xFF));
}

void TbsBitmap::SetSize(int AWidth, int AHeight)
{
    const int w = std::abs(bsPixels::Bounded(AWidth)), h = std::abs(bsPixels::Bounded(AHeight));
    if (w == 0 || h == 0 || (w == Width() && h == Height()))
        return;
    QImage image(w, h, QImage::Format_ARGB32);
    if (image.isNull()) {
        FImage = QImage();
        throw Exception(QStringLiteral("Can't allocate the DIB handle"));
    }
    image.fill(0);
    FImage = image;
}

void TbsBitmap::CopyFrom(const QImage& APicture, const QRect& ASource, const QPoint& ADest)
{
    if (Empty() || APicture.isNull())
        return;
    const QImage source = bsPixels::As32Bit(APicture);
    bsPixels::CopyPixels(FImage, QRect(ADest, ASource.size()), source, ASource);
}

void TbsBitmap::SetAlpha(int AAlpha)
{
    const quint32 alpha = quint32(std::clamp(AAlpha, 0, 255)) << 24;
    ChangeEachPixel(FImage, [alpha](quint32 p) { return (p & 0x00FFFFFF) | alpha; });
}

void TbsBitmap::CheckRGBA()
{
    ChangeEachPixel(FImage, [](quint32 p) {
        const int a = Alpha(p);
        return MakePixel(a, std::min(Red(p), a), std::min(Green(p), a), std::min(Blue(p), a));
    });
}

void TbsBitmap::CheckRGBA2()
{
    ChangeEachPixel(FImage, [](quint32 p) {
        const int a = Alpha(p);
        return MakePixel(a, Premultiply(a, Red(p)), Premultiply(a, Green(p)), Premultiply(a, Blue(p)));
    });
}

void TbsBitmap::CheckingAlphaBlend()
{
    FAlphaBlend = false;
    for (int y = 0; y < Height() && !FAlphaBlend; ++y) {
        const quint32* row = GetScanLine(y);
        for (int x = 0; x < Width() && !FAlphaBlend; ++x)
            FAlphaBlend = Alpha(row[x]) != 0 && Alpha(row[x]) != 255;
    }
}

void TbsBitmap::CheckingTransparent(quint32 AColor)
{
    FTransparent = false;
    const auto near = [](int a, int b) { return std::abs(a - b) < 6; };
    ChangeEachPixel(FImage, [&](quint32 p) {
        if (!near(Red(p), Red(AColor)) || !near(Green(p), Green(AColor)) || !near(Blue(p), Blue(AColor)))
            return p;
        FTransparent = true;
        return TransparentKey;
    });
}

void TbsBitmap::AlphaFromMask(const QImage& AMask)
{
    const QImage mask = bsPixels::As32Bit(AMask);
    for (int y = 0; y < Height(); ++y) {
        quint32* row = GetScanLine(y);
        const quint32* maskRow =
            y < mask.height() ? reinterpret_cast<const quint32*>(mask.constScanLine(y)) : nullptr;
        for (int x = 0; x < Width(); ++x) {
            const int alpha = maskRow && x < mask.width() ? MeanOfChannels(maskRow[x]) : 0;
            row[x] = (row[x] & 0x00FFFFFF) | (quint32(alpha) << 24);
        }
    }
}

void TbsBitmap::PremultipliedAlphaFromMask(const QImage& AMask)
{
    AlphaFromMask(AMask);
    CheckRGBA2();
}

void TbsBitmap::FillRect(const QRect& R, quint32 AColor)
{
    const QRect area = R.isEmpty() ? QRect() : R.intersected(FImage.rect());
    if (area.isEmpty())
        return;
    // Blending with an opaque colour replaces the pixels, so both drawing modes come to this.
    const quint32 pixel = ColorToPixel(AColor);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(GetScanLine(y) + area.left(), area.width(), pixel);
}

void TbsBitmap::Blur(int ARadius)
{
    if (ARadius <= 0 || Empty())
        return;
    const int r = std::min(ARadius, kMaxBlurRadius);
    const int w = Width(), h = Height();
    std::vector<int> channel(size_t(w) * h), rowPass(channel.size()), result(channel.size());
    for (int shift : {0, 8, 16}) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                channel[size_t(y) * w + x] = int((Pixel(x, y) >> shift) & 0xFF);
        for (int y = 0; y < h; ++y)
            BlurLine(&channel[size_t(y) * w], &rowPass[size_t(y) * w], w, 1, r);
        for (int x = 0; x < w; ++x)
            BlurLine(&rowPass[x], &result[x], h, w, r);
        for (int y = 0; y < h; ++y) {
            quint32* row = GetScanLine(y);
            for (int x = 0; x < w; ++x)
                row[x] = (row[x] & ~(0xFFu << shift)) | (quint32(result[size_t(y) * w + x]) << shift);
        }
    }
    SetAlpha(255);
}

quint32 TbsBitmap::BlendPixel(quint32 S, quint32 D)
{
    const int a = Alpha(S);
    if (a == 255)
        return S;
    if (a == 0)
        return D;
    const auto mix = [a](int s, int d) { return (a * s + (255 - a) * d) >> 8; };
    return MakePixel(255, mix(Red(S), Red(D)), mix(Green(S), Green(D)), mix(Blue(S), Blue(D)));
}

void TbsBitmap::Draw(QImage& ADest, int X, int Y) const
{
    Draw(ADest, FImage.rect(), QRect(QPoint(X, Y), FImage.size()));
}

void TbsBitmap::Draw(QImage& ADest, const QRect& ASource, const QRect& ADestRect) const
{
    if (Empty() || ADest.isNull())
        return;
    if (!bsPixels::Is32Bit(ADest.format()))
        ADest = ADest.convertToFormat(QImage::Format_ARGB32);
    if (FAlphaBlend)
        bsPixels::MapPixels(ADest, ADestRect, FImage, ASource,
                            [](quint32& d, quint32 s) { d = BlendPixel(s, d); });
    else if (FTransparent)
        bsPixels::MapPixels(ADest, ADestRect, FImage, ASource, [](quint32& d, quint32 s) {
            if ((s & 0x00FFFFFF) != (TransparentKey & 0x00FFFFFF))
                d = s;
        });
    else
        bsPixels::CopyPixels(ADest, ADestRect, FImage, ASource);
}

void TbsBitmap::Draw(TbsBitmap& ADest, int X, int Y) const
{
    Draw(ADest.FImage, X, Y);
}

void TbsBitmap::Draw(QPainter& APainter, int X, int Y) const
{
    Draw(APainter, QRect(QPoint(X, Y), FImage.size()));
}

void TbsBitmap::Draw(QPainter& APainter, const QRect& ADestRect) const
{
    if (Empty())
        return;
    QImage image = FImage;
    if (FTransparent && !FAlphaBlend) {
        bsPixels::ClearKeyColor(image, TransparentKey);
    } else if (!FAlphaBlend) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    APainter.save();
    APainter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    APainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    APainter.drawImage(ADestRect, image);
    APainter.restore();
}
