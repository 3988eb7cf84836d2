// TbsEffectBmp: a 24-bit image on which face transitions and inactive-window effects are computed.
#pragma once

#include "bsSkinEnums.h"

#include <QImage>
#include <QRandomGenerator>

class QPainter;

// Pixels are blue, green, red, rows top to bottom, each row padded to a multiple of 4 bytes
// (3 x Width + Width mod 4). Every effect clamps its channels to 0 .. 255 and rounds to the
// nearest integer, halves to even. Transitions take the old face in this image and the new face
// A of the same size; an A of another size leaves the image unchanged.
class TbsEffectBmp {
public:
    TbsEffectBmp(int cx, int cy);
    // A copy of a picture (any format; alpha is dropped).
    explicit TbsEffectBmp(const QImage& ABitmap);

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    int Size() const { return int(FImage.sizeInBytes()); }
    const QImage& Image() const { return FImage; }

    uchar* GetScanLine(int Y) { return FImage.scanLine(Y); }
    const uchar* GetScanLine(int Y) const { return FImage.constScanLine(Y); }
    // Pixel as 0xFFRRGGBB; no bounds checks.
    QRgb GetPixel(int X, int Y) const;
    void SetPixel(int X, int Y, QRgb AColor);
    // Copies row Y (3 x Width bytes) out of or into ALine.
    void GetLine(int Y, uchar* ALine) const;
    void SetLine(int Y, const uchar* ALine);

    // At (X, Y) at its own size, or scaled into W x H by pixel replication.
    void Draw(QPainter& APainter, int X, int Y) const;
    void Stretch(QPainter& APainter, int X, int Y, int W, int H) const;

    void ChangeBrightness(double Kf); // towards white, Kf clamped to 0 .. 1
    void ChangeDarkness(double Kf);   // towards black, Kf clamped to 0 .. 1
    void GrayScale();
    void Invert();
    // One random n in 0 .. Amount - 1 per pixel (per channel for the colour form) is added, less
    // Amount div 2. Nothing for Amount <= 0.
    void AddMonoNoise(int Amount, QRandomGenerator& AGenerator = *QRandomGenerator::global());
    void AddColorNoise(int Amount, QRandomGenerator& AGenerator = *QRandomGenerator::global());
    // Each pixel becomes the mean of the four pixels Amount away diagonally, in place from the top.
    void SplitBlur(int Amount);

    // Quarter turns clockwise (_1) and anticlockwise (_2) and the vertical flip, into ADest.
    void Rotate90_1(TbsEffectBmp& ADest) const;
    void Rotate90_2(TbsEffectBmp& ADest) const;
    void FlipVert(TbsEffectBmp& ADest) const;

    void Morph(const TbsEffectBmp& A, double Kf);
    void MorphGrad(const TbsEffectBmp& A, double Kf);
    void MorphHGrad(const TbsEffectBmp& A, double Kf);
    void MorphVGrad(const TbsEffectBmp& A, double Kf);
    void MorphLeftGrad(const TbsEffectBmp& A, double Kf);
    void MorphRightGrad(const TbsEffectBmp& A, double Kf);
    void MorphLeftSlide(const TbsEffectBmp& A, double Kf);
    void MorphRightSlide(const TbsEffectBmp& A, double Kf);
    void MorphPush(const TbsEffectBmp& A, double Kf);
    // The transition a control's MorphKind names.
    void MorphByKind(TbsMorphKind AKind, const TbsEffectBmp& A, double Kf);

    // The look of an inactive window's border pictures.
    void ApplyInActiveEffect(TbsInActiveEffect AEffect);

private:
    // A transition needs a new face of this image's size.
    bool CanMorph(const TbsEffectBmp& A) const
    {
        return !FImage.isNull() && A.Width() == Width() && A.Height() == Height();
    }
    // nearest(ALength x Kf), Kf clamped to 0 .. 1.
    static int Share(int ALength, double Kf);
    // The columns of the slides and the left gradient: 1 .. Width - 1 (1 for one column).
    int SlideColumns(double Kf) const;
    // Column X of row Y mixed: t x old + (1 - t) x new, with new from A and t = tNum / tDen
    // (0 <= tNum <= tDen), rounded exactly.
    void MixPixel(const TbsEffectBmp& A, int X, int Y, qint64 tNum, qint64 tDen);
    void CopyPixelFrom(const TbsEffectBmp& A, int AFromX, int X, int Y);

    QImage FImage;
};
