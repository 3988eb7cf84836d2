// Small line-drawn glyphs of the default look.
#include "bsLineGlyphs.h"

#include <QPainter>
#include <cstdlib>

void DrawLineTo(QPainter& C, const QPoint& A, const QPoint& B, const QColor& AColor)
{
    // Bresenham's walk; the end point is left out, as the platform draws lines.
    const int dx = std::abs(B.x() - A.x()), dy = -std::abs(B.y() - A.y());
    const int sx = A.x() < B.x() ? 1 : -1, sy = A.y() < B.y() ? 1 : -1;
    int x = A.x(), y = A.y(), error = dx + dy;
    while (x != B.x() || y != B.y()) {
        C.fillRect(QRect(x, y, 1, 1), AColor);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void DrawArrow(QPainter& C, const QRect& R, const QColor& AColor, TbsArrowDirection ADirection, int ALines)
{
    const int cx = R.left() + R.width() / 2, cy = R.top() + R.height() / 2;
    for (int k = 0; k < ALines; ++k) {
        switch (ADirection) {
        case adLeft:
            DrawLineTo(C, {cx + k - 2, cy - k}, {cx + k - 2, cy + k + 1}, AColor);
            break;
        case adRight:
            DrawLineTo(C, {cx - k + 2, cy + k}, {cx - k + 2, cy - k - 1}, AColor);
            break;
        case adUp:
            DrawLineTo(C, {cx - k, cy + k - 2}, {cx + k + 1, cy + k - 2}, AColor);
            break;
        case adDown:
            DrawLineTo(C, {cx - k, cy - k + 2}, {cx + k + 1, cy - k + 2}, AColor);
            break;
        }
    }
}

void DrawPlusGlyph(QPainter& C, const QRect& R, const QColor& AColor)
{
    const int cx = R.left() + R.width() / 2, cy = R.top() + R.height() / 2;
    for (int y : {cy - 1, cy})
        DrawLineTo(C, {cx - 2, y}, {cx + 2, y}, AColor);
    for (int x : {cx - 1, cx})
        DrawLineTo(C, {x, cy - 4}, {x, cy + 4}, AColor);
}

void DrawCheckGlyph(QPainter& C, int X, int Y, const QColor& AColor)
{
    for (int i = 0; i < 3; ++i) {
        DrawLineTo(C, {X, Y + 5 - i}, {X + 2, Y + 7 - i}, AColor);
        DrawLineTo(C, {X + 2, Y + 7 - i}, {X + 7, Y + 2 - i}, AColor);
    }
}

void DrawDotGlyph(QPainter& C, int X, int Y, const QColor& AColor)
{
    C.fillRect(QRect(X, Y, 6, 6), AColor);
}

void Frame3D(QPainter& C, const QRect& R, const QColor& ATopColor, const QColor& ABottomColor)
{
    const int l = R.left(), t = R.top(), r = R.left() + R.width() - 1, b = R.top() + R.height() - 1;
    if (r < l || b < t)
        return;
    DrawLineTo(C, {l, b}, {l, t}, ATopColor);
    DrawLineTo(C, {l, t}, {r, t}, ATopColor);
    DrawLineTo(C, {r, t}, {r, b}, ABottomColor);
    DrawLineTo(C, {r, b}, {l - 1, b}, ABottomColor);
}
