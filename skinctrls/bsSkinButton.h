// The skinned push button: a focusable button with caption, glyph, keyboard operation and modal
// result.
#pragma once

#include "bsButtonControl.h"
#include "bsSkinControl.h"

#include "Dialogs.h"

class TbsSkinButton : public TbsButtonControl<TbsSkinCustomControl> {
    Q_OBJECT
public:
    explicit TbsSkinButton(QWidget* parent = nullptr);

    // The click: OnClick, then the button's modal result ends a modal dialog it sits on.
    void ButtonClick() override;

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // The button takes the focus and shows focus states; it is then a tab stop.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);

    bool IsDown() const { return FState.Down; }

protected:
    void DrawDefaultImage(QImage& B) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TModalResult FModalResult = mrNone;
    bool FDefault = false;
    bool FCancel = false;
    bool FCanFocused = true;
};
