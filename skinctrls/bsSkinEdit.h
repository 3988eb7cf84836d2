// The single-line edits: TbsCustomEdit (a native edit with the control's own read-only rule,
// enter/exit events and the skinned context menu) and TbsSkinEdit (with the skin link and the
// frame painted around the text area).
#pragma once

#include "bsSkinLinked.h"
#include "bsTextInput.h"

#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QMargins>

class TbsCustomEdit : public TbsTextInput<QLineEdit> {
    Q_OBJECT
public:
    explicit TbsCustomEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// In the skin look the frame is the object's picture (its active picture while hot or focused)
// and the text area its client rectangle; with UseSkinFont the height is the picture's. In the
// default look a one-pixel shadow frame surrounds the window-coloured text area.
class TbsSkinCustomEdit : public TbsSkinLinked<TbsCustomEdit> {
    Q_OBJECT
public:
    explicit TbsSkinCustomEdit(QWidget* parent = nullptr);

    // The width of the frame on each side of the text area.
    QMargins FrameBorders() const { return FBorders; }
    // The text area's background in the default look.
    QColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(const QColor& value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    bool SkinLook() const;

    void GetSkinData() override;
    void ChangeSkinData() override;
    // The height the edit keeps in its current look.
    int AutoHeight() const;

    // Every placement keeps the edit's height; the plain QWidget setters are hidden for that.
    void setGeometry(int x, int y, int w, int /*h*/) { QWidget::setGeometry(x, y, w, AutoHeight()); }
    void setGeometry(const QRect& r) { setGeometry(r.x(), r.y(), r.width(), r.height()); }
    void resize(int w, int h) { QWidget::resize(w, AutoHeight() > 0 ? AutoHeight() : h); }
    void resize(const QSize& s) { resize(s.width(), s.height()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ApplyHeight();
    void ApplyBorders();
    void ApplyColors();
    QImage FrameImage() const;

    QColor FDefaultColor;
    int FDefaultHeight = 0;
    QMargins FBorders;
    bool FMouseIn = false;
    bool FInApplyHeight = false;

    // Copies of the edit record (meaningful in the skin look).
    struct TSkinParts {
        QRect SkinRect, ActiveSkinRect, ClRect;
        int LOffset = 0, ROffset = 0, PictureIndex = -1;
        QFont Font;
        QColor FontColor, ActiveFontColor, DisabledFontColor;
        bool StretchEffect = false;
    } FSkin;
};

class TbsSkinEdit : public TbsSkinCustomEdit {
    Q_OBJECT
public:
    using TbsSkinCustomEdit::TbsSkinCustomEdit;
};
