// Skinned speed button: pointer tracking, groups, default look.
#include "bsSkinSpeedButton.h"

#include "TApplication.h"
#include "bsDefaultLook.h"

#include <QMouseEvent>
#include <QPainter>

TbsSkinSpeedButton::TbsSkinSpeedButton(QWidget* parent) : TbsButtonControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("toolbutton"));
    FContent.ImageIndex = 0;
    resize(25, 25);
}

void TbsSkinSpeedButton::SetShowCaption(bool value)
{
    FShowCaption = value;
    update();
}

void TbsSkinSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    SetTransparent(value);
}

void TbsSkinSpeedButton::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

void TbsSkinSpeedButton::SetDown(bool value)
{
    if (FState.Down == value)
        return;
    FState.Down = value;
    if (value && FGroupIndex > 0 && !FAllowAllUp)
        ReleaseOthersInGroup();
    update();
}

void TbsSkinSpeedButton::ReleaseOthersInGroup()
{
    if (!parentWidget())
        return;
    for (auto* other : parentWidget()->findChildren<TbsSkinSpeedButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->FGroupIndex == FGroupIndex)
            other->SetDown(false);
}

void TbsSkinSpeedButton::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const bool pressed = Pressed();
    if (pressed || FState.MouseIn) {
        DrawDefaultButtonFace(painter, B.rect(), pressed, true);
    } else if (!FFlat) {
        QColor face = SysBtnFace();
        QColor frame(face.red() - face.red() * 15 / 100, face.green() - face.green() * 15 / 100,
                     face.blue() - face.blue() * 15 / 100);
        painter.fillRect(B.rect(), face);
        DrawFrame(painter, B.rect(), frame);
    } else if (!FTransparent) {
        painter.fillRect(B.rect(), SysBtnFace());
    }
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? SysBtnText() : SysBtnShadow());
    TbsGlyphAndCaption content = Content(pressed);
    if (!FShowCaption)
        content.Caption.clear();
    DrawButtonContent(painter, B.rect(), content);
}

void TbsSkinSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (FGroupIndex == 0) {
        FState.Press();
        update();
        return;
    }
    // A group button goes down and clicks on the press; pressing it while down only prepares
    // releasing it, which AllowAllUp permits.
    FState.MouseDown = true;
    FAllowAllUpCheck = FState.Down;
    if (!FState.Down) {
        FState.MouseIn = true;
        SetDown(true);
        ButtonClick();
    }
}

void TbsSkinSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FState.MouseDown)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (FGroupIndex == 0) {
        const bool click = FState.Release(inside);
        update();
        if (click)
            ButtonClick();
        return;
    }
    FState.MouseDown = false;
    if (FAllowAllUpCheck && FAllowAllUp && inside) {
        SetDown(false);
        ButtonClick();
    }
    FAllowAllUpCheck = false;
}
