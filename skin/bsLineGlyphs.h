// Small line-drawn glyphs of the default look: arrows, plus, check mark, dot and the 3-D frame.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

enum TbsArrowDirection { adLeft, adRight, adUp, adDown };

// A triangle of ALines lines (6 large, 4 small) pointing in ADirection around the centre of R
// (cx = R.left + width div 2, cy = R.top + height div 2).
void DrawArrow(QPainter& C, const QRect& R, const QColor& AColor, TbsArrowDirection ADirection, int ALines);
inline void DrawLargeArrow(QPainter& C, const QRect& R, const QColor& AColor, TbsArrowDirection ADirection)
{
    DrawArrow(C, R, AColor, ADirection, 6);
}
inline void DrawSmallArrow(QPainter& C, const QRect& R, const QColor& AColor, TbsArrowDirection ADirection)
{
    DrawArrow(C, R, AColor, ADirection, 4);
}
// The three-line down arrow of drop-down buttons.
inline void DrawSmallDownArrow(QPainter& C, const QRect& R, const QColor& AColor)
{
    DrawArrow(C, R, AColor, adDown, 3);
}

void DrawPlusGlyph(QPainter& C, const QRect& R, const QColor& AColor);
// Three strokes of a check mark from the corner (X, Y).
void DrawCheckGlyph(QPainter& C, int X, int Y, const QColor& AColor);
// A filled 6 x 6 square at (X, Y).
void DrawDotGlyph(QPainter& C, int X, int Y, const QColor& AColor);
// R shrunk by one on the right and bottom: left and top edges in ATopColor, right and bottom
// edges (with their corners) in ABottomColor.
void Frame3D(QPainter& C, const QRect& R, const QColor& ATopColor, const QColor& ABottomColor);

// A line from A up to, but not including, B (horizontal, vertical or any slope), pixel by pixel.
void DrawLineTo(QPainter& C, const QPoint& A, const QPoint& B, const QColor& AColor);
