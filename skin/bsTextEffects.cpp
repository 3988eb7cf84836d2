// Caption text effects: glow, glass glow and reflection.
#include "bsTextEffects.h"

#include "bsColors.h"

#include <QPainter>
#include <algorithm>

namespace
{

// The text in pure red at AAt on black in an image of ASize, with the painter's font.
TbsBitmap RedText(const QPainter& C, const QString& AText, const QSize& ASize, const QRect& AAt, int AFlags)
{
    TbsBitmap image(ASize.width(), ASize.height());
    if (image.Empty())
        return image;
    // On opaque black, the red channel of the drawn text is its coverage, antialiasing included.
    image.Canvas().fill(0xFF000000);
    QPainter painter(&image.Canvas());
    painter.setFont(C.font());
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(AAt, AFlags, AText);
    return image;
}

} // namespace

void TurnIntoGlow(TbsBitmap& AImage, int ARadius, int APasses, TColor AColor)
{
    for (int i = 0; i < APasses; ++i)
        AImage.Blur(ARadius);
    const quint32 rgb = TbsBitmap::ColorToPixel(ColorToRGB(AColor)) & 0x00FFFFFF;
    for (int y = 0; y < AImage.Height(); ++y) {
        quint32* row = AImage.GetScanLine(y);
        for (int x = 0; x < AImage.Width(); ++x)
            row[x] = rgb | ((row[x] & 0x00FF0000) << 8);
    }
    AImage.SetAlphaBlend(true);
}

void DrawGlowText(QPainter& C, const QString& AText, const QRect& R, int AFlags, int AGlowSize,
                  TColor AGlowColor, int AOffset)
{
    const int g = std::max(0, AGlowSize);
    TbsBitmap glow = RedText(C, AText, R.size() + QSize(2 * g, 2 * g), QRect(QPoint(g, g), R.size()), AFlags);
    TurnIntoGlow(glow, g, 1, AGlowColor);
    glow.Draw(C, R.left() + AOffset - g, R.top() + AOffset - g);
    C.drawText(R, AFlags, AText);
}

void DrawGlassGlowText(QPainter& C, const QString& AText, const QRect& R, int AFlags, TColor AGlowColor,
                       int AMargin)
{
    const int m = std::max(0, AMargin);
    const QRect text(QPoint(m, m), R.size());
    TbsBitmap backdrop = RedText(C, AText, R.size() + QSize(2 * m, 2 * m), text, AFlags);
    if (!backdrop.Empty()) {
        QPainter painter(&backdrop.Canvas());
        painter.fillRect(painter.fontMetrics().boundingRect(text, AFlags, AText), QColor(255, 0, 0));
    }
    TurnIntoGlow(backdrop, m / 2, 2, AGlowColor);
    backdrop.Draw(C, R.left() - m, R.top() - m);
    C.drawText(R, AFlags, AText);
}

void DrawReflectionText(QPainter& C, const QString& AText, const QRect& R, int AFlags, TColor AColor,
                        int AOffset)
{
    TbsBitmap mirror = RedText(C, AText, R.size(), QRect(QPoint(0, 0), R.size()), AFlags);
    if (!mirror.Empty()) {
        mirror.Canvas() = mirror.Image().mirrored(false, true);
        const quint32 rgb = TbsBitmap::ColorToPixel(ColorToRGB(AColor)) & 0x00FFFFFF;
        // The mirror starts at half the text's strength and fades out towards its bottom.
        for (int y = 0; y < mirror.Height(); ++y) {
            const int fade = 128 * (mirror.Height() - y) / mirror.Height();
            quint32* row = mirror.GetScanLine(y);
            for (int x = 0; x < mirror.Width(); ++x)
                row[x] = rgb | (quint32(((row[x] >> 16) & 0xFF) * fade / 255) << 24);
        }
        mirror.SetAlphaBlend(true);
        mirror.Draw(C, R.left(), R.top() + R.height() + AOffset);
    }
    C.drawText(R, AFlags, AText);
}
