// Skinned push button: which state picture it shows, keyboard, focus, default and cancel buttons,
// the glow frame and the default look.
#include "bsSkinButton.h"

#include "TApplication.h"
#include "bsDefaultLook.h"
#include "bsLayerManager.h"
#include "platform/SkinMessage.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TbsSkinButton::TbsSkinButton(QWidget* parent) : TbsButtonControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("button"));
    QWidget::resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

TbsSkinButton::~TbsSkinButton() = default;

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
    FocusChanged(QApplication::focusWidget());
    WatchWindowKeys();
    update();
}

void TbsSkinButton::SetCancel(bool value)
{
    FCancel = value;
    WatchWindowKeys();
}

void TbsSkinButton::SetCanFocused(bool value)
{
    FCanFocused = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinButton::SetGroupIndex(int value)
{
    TbsButtonControl::SetGroupIndex(value);
    if (value != 0)
        SetCanFocused(false);
}

void TbsSkinButton::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

// A focus change in this window decides which button Enter presses; the default button keeps its
// hot look while the focus is on a control that is not a button.
void TbsSkinButton::FocusChanged(QWidget* now)
{
    if (now && now->window() != window())
        return;
    const bool wasActive = FActive;
    if (auto* button = qobject_cast<TbsSkinButton*>(now))
        FActive = button == this;
    else
        FActive = FDefault;
    if (FDefault && FCanFocused && wasActive != FActive && !hasFocus()) {
        FMorphKf = FActive ? 1 : 0;
        if (!FActive && !rect().contains(mapFromGlobal(QCursor::pos())))
            FMouseIn = false;
    }
    update();
}

void TbsSkinButton::WatchWindowKeys()
{
    QWidget* w = window();
    if (w == this || w == FWatchedWindow)
        return;
    if (FWatchedWindow)
        FWatchedWindow->removeEventFilter(this);
    FWatchedWindow = w;
    w->installEventFilter(this);
}

void TbsSkinButton::showEvent(QShowEvent* event)
{
    TbsButtonControl::showEvent(event);
    if (FDefault || FCancel)
        WatchWindowKeys();
    FocusChanged(QApplication::focusWidget());
}

// Enter and Escape that no control of the window took: the active and the cancel button.
bool TbsSkinButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FWatchedWindow && event->type() == QEvent::KeyPress && isVisible() && isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && FActive && !hasFocus()) {
            ButtonClick();
            return true;
        }
        if (key->key() == Qt::Key_Escape && FCancel && FCanFocused &&
            !(key->modifiers() & Qt::ShiftModifier)) {
            ButtonClick();
            return true;
        }
    }
    return TbsButtonControl::eventFilter(watched, event);
}

bool TbsSkinButton::Pressed() const
{
    if (!FDown)
        return false;
    return FGroupIndex != 0 || FMouseIn || (Focused() && !FMouseDown);
}

void TbsSkinButton::DrawSkinImage(QImage& B)
{
    if (CanMorph() && FMorphKf > 0 && FMorphKf < 1 && isEnabled()) {
        B = MorphedImage(DrawButtonImage(NormalRect(), false, false),
                         DrawButtonImage(ActiveRect(), true, false), FSkin.MorphKind, FMorphKf);
        return;
    }
    const bool focused = Focused();
    if (!isEnabled() && !FSkin.DisabledSkinRect.IsEmpty())
        B = DrawButtonImage(FSkin.DisabledSkinRect, false, false);
    else if (Pressed())
        B = DrawButtonImage(FSkin.DownSkinRect, true, true);
    else if (focused && !FSkin.FocusedSkinRect.IsEmpty() && !Animating())
        B = DrawButtonImage(FSkin.FocusedSkinRect, true, false);
    else if (focused || FMouseIn || DefaultHot() || (CanMorph() && FMorphKf >= 1))
        B = DrawButtonImage(ActiveRect(), true, false);
    else
        B = DrawButtonImage(NormalRect(), false, false);
}

void TbsSkinButton::DrawFocus(QPainter& painter, const QRect& textRect)
{
    if (!FSkin.ShowFocus || !Focused() || SkinIndex() == -1)
        return;
    painter.save();
    const QColor colour = painter.pen().color();
    const QRect r = textRect.adjusted(0, 0, -1, -1);
    // Every other pixel along the edge, as a dotted focus rectangle.
    for (int x = r.left(); x <= r.right(); x += 2) {
        painter.fillRect(x, r.top(), 1, 1, colour);
        painter.fillRect(x, r.bottom(), 1, 1, colour);
    }
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        painter.fillRect(r.left(), y, 1, 1, colour);
        painter.fillRect(r.right(), y, 1, 1, colour);
    }
    painter.restore();
}

void TbsSkinButton::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const bool pressed = Pressed();
    const bool hot = FMouseIn || Focused() || DefaultHot();
    DrawDefaultButtonFace(painter, B.rect(), pressed, hot);
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? DefaultButtonTextColor(pressed, hot) : SysBtnShadow());
    DrawContent(painter, B.rect(), hot, pressed);
}

void TbsSkinButton::MouseEnter()
{
    TbsButtonControl::MouseEnter();
    QCoreApplication::postEvent(this, new TbsSkinMessageEvent(smGlowShow));
}

void TbsSkinButton::MouseLeave()
{
    TbsButtonControl::MouseLeave();
    QCoreApplication::postEvent(this, new TbsSkinMessageEvent(smGlowHide));
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
    TbsButtonControl::mousePressEvent(event);
}

void TbsSkinButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void TbsSkinButton::keyPressEvent(QKeyEvent* event)
{
    if (!FCanFocused || !FSpaceSupport) {
        TbsButtonControl::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Space) {
        if (event->isAutoRepeat() && !FRepeatMode)
            return;
        StopAnimate();
        SetDown(true);
        if (FRepeatMode)
            ButtonClick();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ButtonClick();
    } else {
        TbsButtonControl::keyPressEvent(event);
    }
}

void TbsSkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && FDown && FCanFocused) {
        SetDown(false);
        ButtonClick();
    } else {
        TbsButtonControl::keyReleaseEvent(event);
    }
}

void TbsSkinButton::focusInEvent(QFocusEvent* event)
{
    TbsButtonControl::focusInEvent(event);
    if (!FCanFocused)
        return;
    StartAnimate(true);
    Refresh();
}

void TbsSkinButton::focusOutEvent(QFocusEvent* event)
{
    TbsButtonControl::focusOutEvent(event);
    StopRepeat();
    if (FGroupIndex == 0 && FDown && !FMouseDown) {
        FDown = false;
    }
    StartAnimate(false);
    Refresh();
}

void TbsSkinButton::CheckParentBackground()
{
    if (FTransparent && !FDown && !FMouseIn)
        update();
}

void TbsSkinButton::BeforeChangeSkinData()
{
    TbsButtonControl::BeforeChangeSkinData();
    HideGlow();
}

void TbsSkinButton::ChangeSkinData()
{
    TbsButtonControl::ChangeSkinData();
    // The mask follows the picture only while the skin gives the size.
    if (!FUseSkinSize)
        clearMask();
    if (FMouseIn && underMouse())
        QCoreApplication::postEvent(this, new TbsSkinMessageEvent(smGlowShow));
}

bool TbsSkinButton::event(QEvent* event)
{
    if (int(event->type()) == smGlowShow) {
        ShowGlow();
        return true;
    }
    if (int(event->type()) == smGlowHide) {
        HideGlow();
        return true;
    }
    return TbsButtonControl::event(event);
}

// The glow picture (or its mask) widened to the button as the resize mode allows; null when this
// mode shows no glow.
QImage TbsSkinButton::GlowImage(int index) const
{
    const QImage picture = FLink.Picture(index);
    if (picture.isNull())
        return QImage();
    const int dW = width() - SkinRect.width(), dH = height() - SkinRect.height();
    switch (FResizeMode) {
    case 0:
        return picture;
    case 2: {
        if (!FUseSkinSize)
            return QImage();
        QImage B;
        PaintHStrip(FSkin.GlowLayerOffsetLeft, FSkin.GlowLayerOffsetRight, B, false, picture.width() + dW,
                    picture.rect(), picture);
        return B;
    }
    case 1: {
        const QSize size(picture.width() + dW, picture.height() + dH);
        if (size.width() <= 0 || size.height() <= 0)
            return QImage();
        QImage B(size, QImage::Format_RGB32);
        const QRect inner =
            picture.rect().adjusted(FSkin.GlowLayerOffsetLeft, FSkin.GlowLayerOffsetTop,
                                    -FSkin.GlowLayerOffsetRight, -FSkin.GlowLayerOffsetBottom);
        PaintStretchedPart(B, picture, picture.rect(), true, inner);
        return B;
    }
    default:
        return QImage();
    }
}

void TbsSkinButton::ShowGlow()
{
    const TbsSkinData* data = SkinData();
    if (!FLink.Usable() || SkinIndex() == -1 || FSkin.GlowLayerPictureIndex == -1 || !isVisible())
        return;
    if (!data->ShowButtonGlowFrames() && !FAlwaysShowGlowFrame)
        return;
    const QImage image = GlowImage(FSkin.GlowLayerPictureIndex);
    if (image.isNull())
        return;
    if (!FLayerManager)
        FLayerManager = new TbsLayerManager(this);
    FLayerManager->TopMostMode = window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const QPoint at =
        mapToGlobal(QPoint(0, 0)) - QPoint(FSkin.GlowLayerShowOffsetX, FSkin.GlowLayerShowOffsetY);
    FLayerManager->Show(at.x(), at.y(), FSkin.GlowLayerAlphaBlendValue,
                        GlowImage(FSkin.GlowLayerMaskPictureIndex), image);
}

void TbsSkinButton::HideGlow()
{
    if (FLayerManager && FLayerManager->IsVisible())
        FLayerManager->Hide();
}
