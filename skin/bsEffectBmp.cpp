// TbsEffectBmp: face transitions and inactive-window effects on a 24-bit image.
#include "bsEffectBmp.h"

#include "bsPixelCopy.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Progress and effect strengths are taken as whole millionths, clamped to 0 .. 1 (not a number
// as 0): the decimal a caller means (0.3, 0.35) is then exact, and every product below is an
// integer ratio whose halves round to even as they should. In binary floating point 0.7 x 45
// comes out just below 31.5 and would round to 31 instead of 32.
constexpr qint64 KfScale = 1000000;

qint64 ScaledKf(double Kf)
{
    const double k = Kf >= 0 ? std::min(Kf, 1.0) : 0.0;
    return qint64(std::nearbyint(k * KfScale));
}

// nearest(n / d) with halves to even, for n >= 0 and d > 0.
qint64 RoundDiv(qint64 n, qint64 d)
{
    const qint64 q = n / d, r = n % d;
    return 2 * r > d || (2 * r == d && q % 2 == 1) ? q + 1 : q;
}

uchar Channel(qint64 x)
{
    return uchar(std::clamp<qint64>(x, 0, 255));
}

template <class F> void ForEachChannel(QImage& image, F f)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < image.width() * 3; ++i)
            row[i] = f(row[i]);
    }
}

} // namespace

TbsEffectBmp::TbsEffectBmp(int cx, int cy)
{
    cx = bsPixels::Bounded(cx);
    cy = bsPixels::Bounded(cy);
    if (cx > 0 && cy > 0) {
        FImage = QImage(cx, cy, QImage::Format_BGR888);
        FImage.fill(0);
    }
}

TbsEffectBmp::TbsEffectBmp(const QImage& ABitmap)
    : FImage(ABitmap.isNull() ? QImage() : ABitmap.convertToFormat(QImage::Format_BGR888))
{
}

QRgb TbsEffectBmp::GetPixel(int X, int Y) const
{
    const uchar* p = GetScanLine(Y) + 3 * X;
    return qRgb(p[2], p[1], p[0]);
}

void TbsEffectBmp::SetPixel(int X, int Y, QRgb AColor)
{
    uchar* p = GetScanLine(Y) + 3 * X;
    p[0] = uchar(qBlue(AColor));
    p[1] = uchar(qGreen(AColor));
    p[2] = uchar(qRed(AColor));
}

void TbsEffectBmp::GetLine(int Y, uchar* ALine) const
{
    std::memcpy(ALine, GetScanLine(Y), size_t(Width()) * 3);
}

void TbsEffectBmp::SetLine(int Y, const uchar* ALine)
{
    std::memcpy(GetScanLine(Y), ALine, size_t(Width()) * 3);
}

void TbsEffectBmp::Draw(QPainter& APainter, int X, int Y) const
{
    Stretch(APainter, X, Y, Width(), Height());
}

void TbsEffectBmp::Stretch(QPainter& APainter, int X, int Y, int W, int H) const
{
    if (FImage.isNull() || W <= 0 || H <= 0)
        return;
    APainter.save();
    APainter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    APainter.setCompositionMode(QPainter::CompositionMode_Source);
    APainter.drawImage(QRect(X, Y, W, H), FImage);
    APainter.restore();
}

void TbsEffectBmp::ChangeBrightness(double Kf)
{
    const qint64 k = ScaledKf(Kf);
    ForEachChannel(FImage, [k](uchar c) { return Channel(RoundDiv((KfScale - k) * c + k * 255, KfScale)); });
}

void TbsEffectBmp::ChangeDarkness(double Kf)
{
    const qint64 k = ScaledKf(Kf);
    ForEachChannel(FImage, [k](uchar c) { return Channel(RoundDiv((KfScale - k) * c, KfScale)); });
}

void TbsEffectBmp::GrayScale()
{
    for (int y = 0; y < Height(); ++y) {
        uchar* p = GetScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 3)
            p[0] = p[1] = p[2] = Channel(RoundDiv(30 * p[2] + 59 * p[1] + 11 * p[0], 100));
    }
}

void TbsEffectBmp::Invert()
{
    ForEachChannel(FImage, [](uchar c) { return uchar(255 - c); });
}

void TbsEffectBmp::AddMonoNoise(int Amount, QRandomGenerator& AGenerator)
{
    if (Amount <= 0)
        return;
    for (int y = 0; y < Height(); ++y) {
        uchar* p = GetScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            const int n = int(AGenerator.bounded(Amount)) - Amount / 2;
            for (int i = 0; i < 3; ++i)
                p[i] = Channel(p[i] + n);
        }
    }
}

void TbsEffectBmp::AddColorNoise(int Amount, QRandomGenerator& AGenerator)
{
    if (Amount <= 0)
        return;
    ForEachChannel(FImage,
                   [&](uchar c) { return Channel(c + int(AGenerator.bounded(Amount)) - Amount / 2); });
}

void TbsEffectBmp::SplitBlur(int Amount)
{
    if (Amount <= 0)
        return;
    const int w = Width(), h = Height();
    // A neighbour row or column outside the image is replaced by the pixel's own, on every side.
    const auto inside = [](int v, int limit, int own) { return v >= 0 && v < limit ? v : own; };
    for (int y = 0; y < h; ++y) {
        const uchar* above = GetScanLine(inside(y - Amount, h, y));
        const uchar* below = GetScanLine(inside(y + Amount, h, y));
        uchar* row = GetScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int l = 3 * inside(x - Amount, w, x), r = 3 * inside(x + Amount, w, x);
            for (int i = 0; i < 3; ++i)
                row[3 * x + i] = uchar((above[l + i] + above[r + i] + below[l + i] + below[r + i]) / 4);
        }
    }
}

void TbsEffectBmp::Rotate90_1(TbsEffectBmp& ADest) const
{
    ADest = TbsEffectBmp(Height(), Width());
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            ADest.SetPixel(Height() - 1 - y, x, GetPixel(x, y));
}

void TbsEffectBmp::Rotate90_2(TbsEffectBmp& ADest) const
{
    ADest = TbsEffectBmp(Height(), Width());
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            ADest.SetPixel(y, Width() - 1 - x, GetPixel(x, y));
}

void TbsEffectBmp::FlipVert(TbsEffectBmp& ADest) const
{
    ADest = TbsEffectBmp(Width(), Height());
    for (int y = 0; y < Height(); ++y)
        ADest.SetLine(Height() - 1 - y, GetScanLine(y));
}

int TbsEffectBmp::Share(int ALength, double Kf)
{
    return int(RoundDiv(qint64(std::max(ALength, 0)) * ScaledKf(Kf), KfScale));
}

int TbsEffectBmp::SlideColumns(double Kf) const
{
    // At least one column and at most all but one; a one-column image has only its column.
    return std::clamp(Share(Width(), Kf), 1, std::max(1, Width() - 1));
}

void TbsEffectBmp::MixPixel(const TbsEffectBmp& A, int X, int Y, qint64 tNum, qint64 tDen)
{
    uchar* p = GetScanLine(Y) + 3 * X;
    const uchar* q = A.GetScanLine(Y) + 3 * X;
    for (int i = 0; i < 3; ++i)
        p[i] = Channel(RoundDiv(tNum * p[i] + (tDen - tNum) * q[i], tDen));
}

void TbsEffectBmp::CopyPixelFrom(const TbsEffectBmp& A, int AFromX, int X, int Y)
{
    std::memcpy(GetScanLine(Y) + 3 * X, A.GetScanLine(Y) + 3 * AFromX, 3);
}

void TbsEffectBmp::Morph(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    // t x old + (1 - t) x new with t = 1 - Kf.
    const qint64 t = KfScale - ScaledKf(Kf);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            MixPixel(A, x, y, t, KfScale);
}

void TbsEffectBmp::MorphGrad(const TbsEffectBmp& A, double Kf)
{
    if (Height() > Width())
        MorphVGrad(A, Kf);
    else
        MorphHGrad(A, Kf);
}

void TbsEffectBmp::MorphHGrad(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int w = Width(), b = Share(w, Kf);
    const int left = std::max(0, w / 2 - b / 2), right = std::min(w - 1, w / 2 + b / 2);
    // t grows by 1 / half per column, or by 1 when half is 0, up to 1.
    const int steps = std::max(1, (w - b) / 2);
    for (int y = 0; y < Height(); ++y) {
        for (int x = left; x <= right; ++x)
            CopyPixelFrom(A, x, x, y);
        for (int x = left; x >= 0; --x)
            MixPixel(A, x, y, std::min(left - x, steps), steps);
        for (int x = right; x < w; ++x)
            MixPixel(A, x, y, std::min(x - right, steps), steps);
    }
}

void TbsEffectBmp::MorphVGrad(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int h = Height(), b = Share(h, Kf);
    const int top = std::max(0, h / 2 - b / 2), bottom = std::min(h - 1, h / 2 + b / 2);
    // A band covering (nearly) everything leaves no rows to shade: the step stays 0, never negative.
    const int half = (h - b - 1) / 2;
    const auto shade = [half](int distance) { return half > 0 ? std::min(distance, half) : 0; };
    const int steps = std::max(1, half);
    for (int x = 0; x < Width(); ++x) {
        for (int y = top; y <= bottom; ++y)
            CopyPixelFrom(A, x, x, y);
        for (int y = top; y >= 0; --y)
            MixPixel(A, x, y, shade(top - y), steps);
        for (int y = bottom; y < h; ++y)
            MixPixel(A, x, y, shade(y - bottom), steps);
    }
}

void TbsEffectBmp::MorphLeftGrad(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int w = Width(), b = SlideColumns(Kf);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x <= std::min(b, w - 1); ++x)
            MixPixel(A, x, y, std::min(x, b), b);
}

void TbsEffectBmp::MorphRightGrad(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int w = Width(), c = std::clamp(w - Share(w, Kf), 0, w - 1);
    for (int y = 0; y < Height(); ++y)
        for (int x = w - 1; x >= c; --x)
            MixPixel(A, x, y, std::min(w - 1 - x, w - c), w - c);
}

void TbsEffectBmp::MorphLeftSlide(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int w = Width(), b = SlideColumns(Kf);
    for (int y = 0; y < Height(); ++y)
        std::memcpy(GetScanLine(y), A.GetScanLine(y) + 3 * (w - b), size_t(b) * 3);
}

void TbsEffectBmp::MorphRightSlide(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int w = Width(), b = SlideColumns(Kf);
    for (int y = 0; y < Height(); ++y)
        std::memcpy(GetScanLine(y) + 3 * (w - b), A.GetScanLine(y), size_t(b) * 3);
}

void TbsEffectBmp::MorphPush(const TbsEffectBmp& A, double Kf)
{
    if (!CanMorph(A))
        return;
    const int w = Width(), b = std::clamp(Share(w, Kf), 0, w - 1);
    for (int y = 0; y < Height(); ++y) {
        uchar* row = GetScanLine(y);
        std::memmove(row + 3 * (b + 1), row, size_t(w - b - 1) * 3);
        std::memcpy(row, A.GetScanLine(y) + 3 * (w - b - 1), size_t(b + 1) * 3);
    }
}

void TbsEffectBmp::MorphByKind(TbsMorphKind AKind, const TbsEffectBmp& A, double Kf)
{
    switch (AKind) {
    case mkDefault:
        Morph(A, Kf);
        break;
    case mkGradient:
        MorphGrad(A, Kf);
        break;
    case mkLeftGradient:
        MorphLeftGrad(A, Kf);
        break;
    case mkRightGradient:
        MorphRightGrad(A, Kf);
        break;
    case mkLeftSlide:
        MorphLeftSlide(A, Kf);
        break;
    case mkRightSlide:
        MorphRightSlide(A, Kf);
        break;
    case mkPush:
        MorphPush(A, Kf);
        break;
    }
}

void TbsEffectBmp::ApplyInActiveEffect(TbsInActiveEffect AEffect)
{
    switch (AEffect) {
    case ieBrightness:
        ChangeBrightness(0.5);
        break;
    case ieDarkness:
        ChangeDarkness(0.3);
        break;
    case ieGrayScale:
        GrayScale();
        break;
    case ieNoise:
        AddMonoNoise(50);
        break;
    case ieSplitBlur:
        SplitBlur(1);
        break;
    case ieInvert:
        Invert();
        break;
    }
}
