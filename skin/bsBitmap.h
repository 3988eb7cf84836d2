// TbsBitmap: a 32-bit image with an alpha channel, drawn with per-pixel alpha or a colour key.
#pragma once

#include "platform/Exception.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// The pixel memory is a QImage in Format_ARGB32: each pixel is the word 0xAARRGGBB, which lies in
// memory as blue, green, red, alpha, rows top to bottom. An image without pixels is "empty".
class TbsBitmap
{
  public:
    // The pixel value of a transparent pixel of an image drawn with its colour key.
    static constexpr quint32 TransparentKey = 0x007F007F;

    TbsBitmap() = default;
    TbsBitmap(int AWidth, int AHeight);
    // A copy of the whole picture (its alpha kept; opaque pictures give alpha 255).
    explicit TbsBitmap(const QImage& APicture);
    // An image of APart's size holding that part of the picture. Pixels of the part that lie outside
    // the picture are 0 (black, alpha 0): a skin's rectangle is never trusted to fit its picture.
    TbsBitmap(const QImage& APicture, const QRect& APart);

    // The colour value 0x00BBGGRR as the pixel value 0xFFRRGGBB.
    static quint32 ColorToPixel(quint32 AColor);

    // Gives the image the size |AWidth| x |AHeight|; does nothing when either is 0 or the size is
    // unchanged. The pixel contents afterwards are 0.
    void SetSize(int AWidth, int AHeight);
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    bool Empty() const { return FImage.isNull(); }

    // Row and pixel pointers; no bounds checks (callers iterate inside Width x Height).
    quint32* GetScanLine(int Y) { return reinterpret_cast<quint32*>(FImage.scanLine(Y)); }
    const quint32* GetScanLine(int Y) const
    {
        return reinterpret_cast<const quint32*>(FImage.constScanLine(Y));
    }
    quint32* GetPixelPtr(int X, int Y) { return GetScanLine(Y) + X; }
    quint32 Pixel(int X, int Y) const { return GetScanLine(Y)[X]; }

    // The pixels as an image (Format_ARGB32), shared until either side writes.
    const QImage& Image() const { return FImage; }
    // The drawing surface: open a QPainter on it to draw into the pixels (keep it Format_ARGB32).
    QImage& Canvas() { return FImage; }

    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool AValue) { FAlphaBlend = AValue; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool AValue) { FTransparent = AValue; }
    const QString& Name() const { return FName; }
    void SetName(const QString& AName) { FName = AName; }

    // Copies ASource of the picture to ADest in this image at its own size, clipped to both.
    void CopyFrom(const QImage& APicture, const QRect& ASource, const QPoint& ADest = QPoint(0, 0));

    // Every pixel's alpha becomes AAlpha.
    void SetAlpha(int AAlpha);
    // Red, green and blue are lowered to the pixel's alpha where they exceed it.
    void CheckRGBA();
    // Premultiplication: each colour channel becomes nearest(alpha x value / 255).
    void CheckRGBA2();
    // FAlphaBlend becomes true when some pixel has an alpha other than 0 and 255.
    void CheckingAlphaBlend();
    // Pixels within 5 of AColor in each colour byte become the transparency key; FTransparent tells
    // whether there was any.
    void CheckingTransparent(quint32 AColor = TransparentKey);
    // Every pixel's alpha becomes the rounded mean of red, green and blue of the mask pixel at the
    // same position; pixels beyond the mask get alpha 0, so a small mask is never read outside.
    void AlphaFromMask(const QImage& AMask);
    // AlphaFromMask, then CheckRGBA2.
    void PremultipliedAlphaFromMask(const QImage& AMask);
    // Sets the pixels of R (clipped to the image) to the colour value AColor, alpha 255.
    void FillRect(const QRect& R, quint32 AColor);
    // Stack blur of radius ARadius (nothing for 0 or less); every alpha becomes 255.
    void Blur(int ARadius);

    // Drawing: with FAlphaBlend each pixel is blended over the destination, with FTransparent the
    // key-coloured pixels are skipped, otherwise the pixels are copied (scaled to ADest when the
    // sizes differ). The QImage forms are pixel-exact; the destination is made 32-bit first.
    void Draw(QImage& ADest, int X, int Y) const;
    void Draw(QImage& ADest, const QRect& ASource, const QRect& ADestRect) const;
    void Draw(TbsBitmap& ADest, int X, int Y) const;
    // Onto an arbitrary paint device through Qt's compositing (alpha blending there is Qt's).
    void Draw(QPainter& APainter, int X, int Y) const;
    void Draw(QPainter& APainter, const QRect& ADestRect) const;

    // Per-pixel blend of source S (its alpha a) over destination D: a = 255 gives S, a = 0 gives D,
    // otherwise each channel is (a x S + (255 - a) x D) div 256, alpha 255.
    static quint32 BlendPixel(quint32 S, quint32 D);

  private:
    QImage FImage;
    QString FName;
    bool FAlphaBlend = false;
    bool FTransparent = false;
};
