// The skinned push button: a focusable button with caption, glyph, keyboard operation and modal
// result.
#pragma once

#include "bsButtonGlyph.h"
#include "bsButtonState.h"
#include "bsSkinControl.h"

#include "Dialogs.h"

class TImageList;

class TbsSkinButton : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinButton(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // The click: OnClick, then the button's modal result ends a modal dialog it sits on.
    virtual void ButtonClick();

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // The button takes the focus and shows focus states; it is then a tab stop.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);

    QPixmap Glyph() const { return FContent.Glyph; }
    void SetGlyph(const QPixmap& glyph);
    void SetNumGlyphs(int value);
    void SetImageList(const TImageList* images);
    void SetImageIndex(int index);
    void SetLayout(TbsButtonLayout layout);
    void SetMargin(int value);
    void SetSpacing(int value);

    bool MouseIn() const { return FState.MouseIn; }
    bool IsDown() const { return FState.Down; }

    std::function<void()> OnClick;

protected:
    void DrawDefaultImage(QImage& B) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString FCaption;
    TbsGlyphAndCaption FContent;
    TModalResult FModalResult = mrNone;
    bool FDefault = false;
    bool FCancel = false;
    bool FCanFocused = true;
    TbsButtonState FState;
};
