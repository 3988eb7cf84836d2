// Colour values of the skin engine as Qt colours.
#include "bsColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

namespace
{

// The palette colour standing for system colour index n.
QColor SystemColorOf(int n)
{
    const QPalette palette = QGuiApplication::palette();
    switch (n) {
    case 1:
    case 4:
        return palette.color(QPalette::Window);
    case 2:
    case 13:
        return palette.color(QPalette::Highlight);
    case 3:
        return palette.color(QPalette::Mid);
    case 5:
        return palette.color(QPalette::Base);
    case 6:
    case 21:
        return palette.color(QPalette::Shadow);
    case 7:
        return palette.color(QPalette::WindowText);
    case 8:
    case 19:
        return palette.color(QPalette::Text);
    case 9:
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 12:
    case 16:
        return palette.color(QPalette::Dark);
    case 17:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return palette.color(QPalette::ButtonText);
    case 20:
        return palette.color(QPalette::Light);
    case 22:
        return palette.color(QPalette::Midlight);
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Button);
    }
}

// The platform's multiply-divide: a x b / c rounded to nearest, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const qint64 p = qint64(a) * b;
    const qint64 q = (2 * std::llabs(p) + c) / (2 * qint64(c));
    return int(p < 0 ? -q : q);
}

} // namespace

QColor ColorToQColor(TColor AColor)
{
    const quint32 value = quint32(AColor);
    if ((value & 0xFF000000u) == 0xFF000000u)
        return SystemColorOf(int(value & 0xFF));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TColor ColorToRGB(TColor AColor)
{
    const QColor c = ColorToQColor(AColor);
    return TColor(quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16));
}

TColor DarkerColor(TColor AColor, int APercent)
{
    const quint32 rgb = quint32(ColorToRGB(AColor));
    quint32 result = 0;
    for (int shift : {0, 8, 16}) {
        const int c = int((rgb >> shift) & 0xFF);
        result |= quint32(std::clamp(c - MulDiv(c, APercent, 100), 0, 255)) << shift;
    }
    return TColor(result);
}
