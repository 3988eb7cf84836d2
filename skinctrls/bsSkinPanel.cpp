// Skinned panel: client area, caption bar and frame of the default look, client-aligned children.
#include "bsSkinPanel.h"

#include "bsDefaultLook.h"

#include <QEvent>
#include <QPainter>

TbsSkinPanel::TbsSkinPanel(QWidget* parent) : TbsSkinCustomControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("panel"));
    resize(150, 150);
}

void TbsSkinPanel::SetCaption(const QString& caption)
{
    FCaption = caption;
    update();
}

void TbsSkinPanel::SetCaptionMode(bool value)
{
    FCaptionMode = value;
    Realign();
    update();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle value)
{
    FBorderStyle = value;
    Realign();
    update();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int value)
{
    FDefaultCaptionHeight = std::max(0, value);
    Realign();
    update();
}

void TbsSkinPanel::SetDefaultAlignment(Qt::Alignment value)
{
    FDefaultAlignment = value;
    update();
}

void TbsSkinPanel::SetEmptyDrawing(bool value)
{
    FEmptyDrawing = value;
    Realign();
    update();
}

QRect TbsSkinPanel::GetSkinClientRect() const
{
    QRect r = rect();
    if (FEmptyDrawing)
        return r;
    if (FBorderStyle != bvNone)
        r.adjust(1, 1, -1, -1);
    if (FCaptionMode)
        r.setTop(r.top() + FDefaultCaptionHeight);
    return r;
}

void TbsSkinPanel::AlignClient(QWidget* child)
{
    FClientControls.append(child);
    Realign();
}

void TbsSkinPanel::Realign()
{
    const QRect client = GetSkinClientRect();
    for (const QPointer<QWidget>& child : FClientControls)
        if (child)
            child->setGeometry(client);
}

void TbsSkinPanel::paintEvent(QPaintEvent* event)
{
    if (!FEmptyDrawing)
        TbsSkinCustomControl::paintEvent(event);
}

void TbsSkinPanel::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    Realign();
}

void TbsSkinPanel::changeEvent(QEvent* event)
{
    TbsSkinCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TbsSkinPanel::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const QRect r = B.rect();
    painter.fillRect(r, SysBtnFace());
    const int w = r.width(), h = r.height();
    switch (FBorderStyle) {
    case bvFrame:
        DrawFrame(painter, r, SysBtnShadow());
        break;
    case bvRaised:
    case bvLowered: {
        const QColor topLeft = FBorderStyle == bvRaised ? SysBtnHighlight() : SysBtnShadow();
        const QColor bottomRight = FBorderStyle == bvRaised ? SysBtnShadow() : SysBtnHighlight();
        painter.fillRect(0, 0, w, 1, topLeft);
        painter.fillRect(0, 0, 1, h, topLeft);
        painter.fillRect(0, h - 1, w, 1, bottomRight);
        painter.fillRect(w - 1, 0, 1, h, bottomRight);
        break;
    }
    case bvNone:
        break;
    }
    if (!FCaptionMode)
        return;
    const int inset = FBorderStyle == bvNone ? 0 : 1;
    const QRect bar(inset, inset, w - 2 * inset, FDefaultCaptionHeight);
    painter.fillRect(bar, SysBtnShadow());
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? SysWindowText() : SysGrayText());
    // The text sits one pixel above the bar's middle.
    const QRect text = bar.adjusted(4, -1, -4, -1);
    painter.drawText(text, FDefaultAlignment | Qt::AlignVCenter | Qt::TextSingleLine, FCaption);
}
