// Skinned push button: press and release tracking, keyboard, default look.
#include "bsSkinButton.h"

#include "TApplication.h"
#include "bsDefaultLook.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TbsSkinButton::TbsSkinButton(QWidget* parent) : TbsSkinCustomControl(parent)
{
    FSkinDataName = QStringLiteral("button");
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void TbsSkinButton::SetCaption(const QString& caption)
{
    FCaption = caption;
    FContent.Caption = caption;
    update();
}

void TbsSkinButton::ButtonClick()
{
    FireEvent(OnClick);
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

void TbsSkinButton::SetGlyph(const QPixmap& glyph)
{
    FContent.Glyph = glyph;
    update();
}

void TbsSkinButton::SetNumGlyphs(int value)
{
    FContent.NumGlyphs = qBound(1, value, 4);
    update();
}

void TbsSkinButton::SetImageList(const TImageList* images)
{
    FContent.Images = images;
    update();
}

void TbsSkinButton::SetImageIndex(int index)
{
    FContent.ImageIndex = index;
    update();
}

void TbsSkinButton::SetLayout(TbsButtonLayout layout)
{
    FContent.Layout = layout;
    update();
}

void TbsSkinButton::SetMargin(int value)
{
    if (value < -1)
        return;
    FContent.Margin = value;
    update();
}

void TbsSkinButton::SetSpacing(int value)
{
    FContent.Spacing = value;
    update();
}

void TbsSkinButton::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const bool focused = hasFocus() && FCanFocused;
    const bool pressed = FState.Down && (FState.MouseIn || !FState.MouseDown);
    DrawDefaultButtonFace(painter, B.rect(), pressed, FState.MouseIn || focused);
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? SysBtnText() : SysBtnShadow());
    TbsGlyphAndCaption content = FContent;
    content.Enabled = isEnabled();
    content.Hot = FState.MouseIn;
    content.Down = pressed;
    DrawButtonContent(painter, B.rect(), content);
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

void TbsSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    if (FState.Move(rect().contains(event->position().toPoint())))
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
        TbsSkinCustomControl::keyPressEvent(event);
    }
}

void TbsSkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && FState.Down) {
        FState.Down = false;
        update();
        ButtonClick();
    } else {
        TbsSkinCustomControl::keyReleaseEvent(event);
    }
}

void TbsSkinButton::enterEvent(QEnterEvent* event)
{
    TbsSkinCustomControl::enterEvent(event);
    FState.MouseIn = true;
    update();
}

void TbsSkinButton::leaveEvent(QEvent* event)
{
    TbsSkinCustomControl::leaveEvent(event);
    FState.MouseIn = false;
    update();
}

void TbsSkinButton::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    update();
}

void TbsSkinButton::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    if (!FState.MouseDown)
        FState.Down = false;
    update();
}

void TbsSkinButton::changeEvent(QEvent* event)
{
    TbsSkinCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        FState.MouseIn = false;
        update();
    }
}
