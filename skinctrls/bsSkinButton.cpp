// Skinned push button: press and release tracking, keyboard, default look.
#include "bsSkinButton.h"

#include "TApplication.h"
#include "bsDefaultLook.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TbsSkinButton::TbsSkinButton(QWidget* parent) : TbsButtonControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("button"));
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
}

void TbsSkinButton::ButtonClick()
{
    TbsButtonControl::ButtonClick();
    if (FModalResult != mrNone && FCanFocused)
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(FModalResult);
}

void TbsSkinButton::SetDefault(bool value)
{
    FDefault = value;
    update();
}

void TbsSkinButton::SetCanFocused(bool value)
{
    FCanFocused = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinButton::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const bool focused = hasFocus() && FCanFocused;
    const bool pressed = FState.Down && (FState.MouseIn || !FState.MouseDown);
    DrawDefaultButtonFace(painter, B.rect(), pressed, FState.MouseIn || focused);
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? SysBtnText() : SysBtnShadow());
    DrawButtonContent(painter, B.rect(), Content(pressed));
}

void TbsSkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (FCanFocused && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        // A failure while the focus left another control (a refused value) keeps the focus there.
        if (!hasFocus() && window()->isActiveWindow())
            return;
    }
    FState.Press();
    update();
}

void TbsSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FState.MouseDown)
        return;
    const bool click = FState.Release(rect().contains(event->position().toPoint()));
    update();
    if (click)
        ButtonClick();
}

void TbsSkinButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        FState.Down = true;
        update();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ButtonClick();
    } else {
        TbsButtonControl::keyPressEvent(event);
    }
}

void TbsSkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && FState.Down) {
        FState.Down = false;
        update();
        ButtonClick();
    } else {
        TbsButtonControl::keyReleaseEvent(event);
    }
}

void TbsSkinButton::focusInEvent(QFocusEvent* event)
{
    TbsButtonControl::focusInEvent(event);
    update();
}

void TbsSkinButton::focusOutEvent(QFocusEvent* event)
{
    TbsButtonControl::focusOutEvent(event);
    if (!FState.MouseDown)
        FState.Down = false;
    update();
}

void TbsSkinButton::changeEvent(QEvent* event)
{
    TbsButtonControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        FState.MouseIn = false;
        update();
    }
}
