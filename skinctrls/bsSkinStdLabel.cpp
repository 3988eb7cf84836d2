// Skinned static text: font choice, auto-size, ellipsis and the embossed disabled text.
#include "bsSkinStdLabel.h"

#include "bsDefaultLook.h"

#include <QEvent>
#include <QPainter>

TbsSkinStdLabel::TbsSkinStdLabel(QWidget* parent)
    : TbsGraphicSkinControl(parent), FColor(SysBtnFace()), FDefaultFont(DefaultControlFont())
{
    FLink.SetSkinDataName(QStringLiteral("stdlabel"));
    AdjustBounds();
}

void TbsSkinStdLabel::SetCaption(const QString& caption)
{
    FCaption = caption;
    AdjustBounds();
    update();
}

void TbsSkinStdLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    AdjustBounds();
}

void TbsSkinStdLabel::SetAlignment(Qt::Alignment value)
{
    FAlignment = value;
    update();
}

void TbsSkinStdLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    AdjustBounds();
    update();
}

void TbsSkinStdLabel::SetEllipsType(TbsEllipsType value)
{
    if (FEllipsType == value)
        return;
    FEllipsType = value;
    update();
}

void TbsSkinStdLabel::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

void TbsSkinStdLabel::SetColor(const QColor& value)
{
    FColor = value;
    update();
}

void TbsSkinStdLabel::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    AdjustBounds();
    update();
}

void TbsSkinStdLabel::SetUseSkinFont(bool value)
{
    FUseSkinFont = value;
    AdjustBounds();
    update();
}

QFont TbsSkinStdLabel::DrawFont() const
{
    return FUseSkinFont ? FDefaultFont : font();
}

void TbsSkinStdLabel::ChangeSkinData()
{
    GetSkinData();
    AdjustBounds();
    update();
}

int TbsSkinStdLabel::TextFlags() const
{
    int flags = int(FAlignment) | Qt::AlignTop | Qt::TextExpandTabs;
    if (FWordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

void TbsSkinStdLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    QFontMetrics metrics(DrawFont());
    // An empty text is measured as one blank so that the label keeps a line's height.
    QString text = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
    QRect room(0, 0, FWordWrap ? width() : 0x7fff, 0x7fff);
    QRect measured = metrics.boundingRect(room, TextFlags(), text);
    resize(measured.width(), measured.height());
}

void TbsSkinStdLabel::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    if (!FTransparent)
        painter.fillRect(B.rect(), FColor);
    painter.setFont(DrawFont());
    QString text = FCaption;
    if (FEllipsType != bsetNone && !FWordWrap)
        text = painter.fontMetrics().elidedText(
            text, FEllipsType == bsetEndEllips ? Qt::ElideRight : Qt::ElideMiddle, B.width());
    if (isEnabled()) {
        painter.setPen(SysWindowText());
        painter.drawText(B.rect(), TextFlags(), text);
    } else {
        painter.setPen(SysBtnHighlight());
        painter.drawText(B.rect().translated(1, 1), TextFlags(), text);
        painter.setPen(SysBtnShadow());
        painter.drawText(B.rect(), TextFlags(), text);
    }
}

void TbsSkinStdLabel::changeEvent(QEvent* event)
{
    TbsGraphicSkinControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}
