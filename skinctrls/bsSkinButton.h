// The skinned push button: a focusable button with caption, glyph, keyboard operation, default and
// cancel behaviour, modal result, focus pictures and a glow frame.
#pragma once

#include "bsButtonControl.h"
#include "bsSkinControl.h"

#include "Dialogs.h"

#include <QPointer>

class TbsLayerManager;

class TbsSkinButton : public TbsButtonControl<TbsSkinCustomControl> {
    Q_OBJECT
public:
    explicit TbsSkinButton(QWidget* parent = nullptr);
    ~TbsSkinButton() override;

    // The click: OnClick, then the button's modal result ends a modal dialog it sits on.
    void ButtonClick() override;

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Enter anywhere in the window clicks the default button unless another button has the focus.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    // Escape anywhere in the window clicks the cancel button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);
    // The button takes the focus and shows focus states; it is then a tab stop.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);
    void SetGroupIndex(int value) override;
    // In the normal state the parent's background shows instead of the skin picture.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool AlwaysShowLayeredFrame() const { return FAlwaysShowGlowFrame; }
    void SetAlwaysShowLayeredFrame(bool value) { FAlwaysShowGlowFrame = value; }

    bool IsDown() const { return FDown; }
    // The button Enter would press: the focused button, or the default one while no button has the
    // focus.
    bool Active() const { return FActive; }
    // The glow window, while shown.
    TbsLayerManager* LayerManager() const { return FLayerManager; }

    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;
    void CheckParentBackground() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void DrawFocus(QPainter& painter, const QRect& textRect) override;
    bool ShowsParentBackground(bool hot, bool down) const override { return FTransparent && !hot && !down; }
    bool MorphTarget() const override { return FMouseIn || Focused(); }
    bool PointerRefreshes() const override { return FGroupIndex != 0 ? !FDown : (FDown || !Focused()); }
    bool KeepsHotOnLeave() const override { return FDefault && FCanFocused && FActive && !hasFocus(); }
    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool Focused() const { return hasFocus() && FCanFocused; }
    bool Pressed() const;
    // Hot without the pointer: the default button while the focus is on a control that is no button.
    bool DefaultHot() const { return FDefault && FCanFocused && FActive && !hasFocus(); }
    void FocusChanged(QWidget* now);
    void WatchWindowKeys();
    void ShowGlow();
    void HideGlow();
    QImage GlowImage(int index) const;

    TModalResult FModalResult = mrNone;
    bool FDefault = false;
    bool FCancel = false;
    bool FCanFocused = true;
    bool FTransparent = false;
    bool FAlwaysShowGlowFrame = false;
    bool FActive = false;
    bool FSpaceSupport = true;
    QPointer<QWidget> FWatchedWindow;
    TbsLayerManager* FLayerManager = nullptr;
};
