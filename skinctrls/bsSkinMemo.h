// The skinned memo: a multi-line native edit with the skin link, the control's own read-only rule
// and enter/exit events.
#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <functional>

class TbsSkinData;

class TbsSkinMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TbsSkinMemo(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& value);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Paint the background from the skin picture (skin look only).
    bool BitMapBG() const { return FBitMapBG; }
    void SetBitMapBG(bool value) { FBitMapBG = value; }

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

    std::function<void()> OnChange; // the user changed the text
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
    virtual bool CanChangeText() { return !FReadOnly; }
    bool AllowChange();
    virtual void DoEnter();
    virtual void DoExit();
    // The user changed the text.
    virtual void Change();

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool FReadOnly = false;
    bool FBitMapBG = true;
    TbsSkinData* FSD = nullptr;
    QString FSkinDataName;
    int FIndex = -1;
    QFont FDefaultFont;
    bool FUseSkinFont = true;
    // Set while the program itself replaces the text, so that only the user's changes fire OnChange.
    bool FSettingText = false;
};
