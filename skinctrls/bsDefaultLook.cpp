// System colours from the application palette and the default button face.
#include "bsDefaultLook.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace {
QColor Role(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active)
{
    return QApplication::palette().color(group, role);
}
} // namespace

QColor SysBtnFace()
{
    return Role(QPalette::Button);
}
QColor SysBtnShadow()
{
    return Role(QPalette::Dark);
}
QColor SysBtnHighlight()
{
    return Role(QPalette::Light);
}
QColor SysBtnText()
{
    return Role(QPalette::ButtonText);
}
QColor SysWindow()
{
    return Role(QPalette::Base);
}
QColor SysWindowText()
{
    return Role(QPalette::Text);
}
QColor SysHighlight()
{
    return Role(QPalette::Highlight);
}
QColor SysHighlightText()
{
    return Role(QPalette::HighlightedText);
}
QColor SysGrayText()
{
    return Role(QPalette::Text, QPalette::Disabled);
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

QFont DefaultControlFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    return font;
}
