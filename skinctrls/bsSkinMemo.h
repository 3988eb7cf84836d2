// The skinned memo: a multi-line native edit with the skin link, the control's own read-only rule
// and enter/exit events.
#pragma once

#include "bsSkinLinked.h"
#include "bsTextInput.h"

#include <QFont>
#include <QPlainTextEdit>

class TbsSkinMemo : public TbsSkinLinked<TbsTextInput<QPlainTextEdit>> {
    Q_OBJECT
public:
    explicit TbsSkinMemo(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& value);

    // Paint the background from the skin picture (skin look only).
    bool BitMapBG() const { return FBitMapBG; }
    void SetBitMapBG(bool value) { FBitMapBG = value; }

    void ChangeSkinData() override;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool FBitMapBG = true;
    // Set while the program itself replaces the text, so that only the user's changes fire OnChange.
    bool FSettingText = false;
};
