// Drawing helpers of the program's own skin: framed faces and line glyphs, all from geometry.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

// A face: a rounded rectangle with a one-pixel (times the scale) outline and a vertical gradient
// from top to bottom. The corners outside the rounding keep what the picture held there.
void DrawFace(QPainter& p, const QRect& r, double radius, int line, const QColor& border, const QColor& top,
              const QColor& bottom);
// A face without an outline.
void FillRounded(QPainter& p, const QRect& r, double radius, const QColor& fill);

enum class TGlyph {
    Close,
    Maximize,
    Restore,
    Minimize,
    Check,
    Dash,
    Dot,
    ChevronLeft,
    ChevronRight,
    ChevronUp,
    ChevronDown,
    Plus,
    Minus,
    AppMark,
    Grip
};

// A line glyph of size about g pixels centred in r, stroked with pen width `line`.
void DrawGlyph(QPainter& p, const QRect& r, TGlyph glyph, int g, int line, const QColor& colour);

// The rim around a window: for every pixel of a w x h picture, the alpha (0..maxAlpha) of a soft
// shadow cast by the rectangle window, offset by (dx, dy) and spread over `spread` pixels.
QImage ShadowMask(int w, int h, const QRect& window, int dx, int dy, double spread, int maxAlpha);
