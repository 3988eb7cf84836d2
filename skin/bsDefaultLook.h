// The built-in look of a control without a skin object: system colours and the shared blue scheme
// of hot and pressed parts.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

QColor SysBtnFace();
QColor SysBtnShadow();
QColor SysBtnHighlight();
QColor SysBtnText();
QColor SysWindow();
QColor SysWindowText();
QColor SysHighlight();
QColor SysHighlightText();
QColor SysGrayText();

// The frame of hot and pressed parts, the fill of hot parts and the fill of pressed parts.
inline QColor DefaultHotFrameColor()
{
    return QColor(59, 107, 183);
}
inline QColor DefaultHotFillColor()
{
    return QColor(193, 212, 243);
}
inline QColor DefaultDownFillColor()
{
    return QColor(162, 188, 228);
}

// A one-pixel frame and a fill: pressed and hot blue schemes, otherwise a button-shadow frame
// around the button face.
void DrawDefaultButtonFace(QPainter& painter, const QRect& rect, bool pressed, bool hot);
// The text colour on that face: the pressed and hot schemes are light blue whatever the palette,
// so their text stays dark when the palette's button text is light (a dark palette).
QColor DefaultButtonTextColor(bool pressed, bool hot);
// A one-pixel rectangle on the edge of rect (right and bottom exclusive).
void DrawFrame(QPainter& painter, const QRect& rect, const QColor& color);

// The initial default font of the controls: "Tahoma", 13 pixels, no style.
QFont DefaultControlFont();
