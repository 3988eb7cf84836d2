// System colours from the application palette and the default button face.
#include "bsDefaultLook.h"

#include "bsColors.h"
#include "bsSkinTypes.h"

#include <QPainter>

// The named system colours go through the skin engine's one mapping of system colours to the
// palette, so that a default look and a skin colour of the same system colour agree.
QColor SysBtnFace()
{
    return ColorToQColor(clBtnFace);
}
QColor SysBtnShadow()
{
    return ColorToQColor(clBtnShadow);
}
QColor SysBtnHighlight()
{
    return ColorToQColor(clBtnHighlight);
}
QColor SysBtnText()
{
    return ColorToQColor(clBtnText);
}
QColor SysWindow()
{
    return ColorToQColor(clWindow);
}
QColor SysWindowText()
{
    return ColorToQColor(clWindowText);
}
QColor SysHighlight()
{
    return ColorToQColor(clHighlight);
}
QColor SysHighlightText()
{
    return ColorToQColor(clHighlightText);
}
QColor SysGrayText()
{
    return ColorToQColor(SystemColor(17));
}

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRect(rect.left(), rect.top(), rect.width(), 1);
    painter.drawRect(rect.left(), rect.bottom(), rect.width(), 1);
    painter.drawRect(rect.left(), rect.top(), 1, rect.height());
    painter.drawRect(rect.right(), rect.top(), 1, rect.height());
    painter.restore();
}

void DrawDefaultButtonFace(QPainter& painter, const QRect& rect, bool pressed, bool hot)
{
    if (pressed) {
        painter.fillRect(rect, DefaultDownFillColor());
        DrawFrame(painter, rect, DefaultHotFrameColor());
    } else if (hot) {
        painter.fillRect(rect, DefaultHotFillColor());
        DrawFrame(painter, rect, DefaultHotFrameColor());
    } else {
        painter.fillRect(rect, SysBtnFace());
        DrawFrame(painter, rect, SysBtnShadow());
    }
}

QColor DefaultButtonTextColor(bool pressed, bool hot)
{
    const QColor text = SysBtnText();
    return (pressed || hot) && text.lightness() > 128 ? QColor(Qt::black) : text;
}

QFont DefaultControlFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    return font;
}
