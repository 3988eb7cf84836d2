// The single-line edits: TbsCustomEdit (a native edit with the control's own read-only rule and
// enter/exit events) and TbsSkinEdit (with the skin link and the frame drawn around the text).
#pragma once

#include <QFont>
#include <QLineEdit>
#include <functional>

class TbsSkinData;

class TbsCustomEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TbsCustomEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }

    // A read-only edit shows the caret and lets the user select and copy, but refuses every change
    // from the keyboard, the mouse, the clipboard and the input method.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }

    std::function<void()> OnChange; // the user changed the text
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
    // Asked before every change the user makes; answers whether the change may happen. Data-aware
    // edits enter edit state here.
    virtual bool CanChangeText() { return !FReadOnly; }
    // CanChangeText through the general error display: a failure refuses the change.
    bool AllowChange();
    // The focus came from, or went to, another control of the window.
    virtual void DoEnter();
    virtual void DoExit();
    // The user changed the text.
    virtual void Change();

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool FReadOnly = false;
};

class TbsSkinCustomEdit : public TbsCustomEdit {
    Q_OBJECT
public:
    explicit TbsSkinCustomEdit(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const { return FSD; }
    void SetSkinData(TbsSkinData* value);
    QString SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const QString& value) { FSkinDataName = value; }
    int SkinIndex() const { return FIndex; }

    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    virtual void GetSkinData();
    virtual void ChangeSkinData();
    virtual void BeforeChangeSkinData() { FIndex = -1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The height of one line of the font plus the frame, in the default look.
    void AdjustHeight();

    TbsSkinData* FSD = nullptr;
    QString FSkinDataName;
    int FIndex = -1;
    QFont FDefaultFont;
    bool FUseSkinFont = true;
};

class TbsSkinEdit : public TbsSkinCustomEdit {
    Q_OBJECT
public:
    using TbsSkinCustomEdit::TbsSkinCustomEdit;
};
