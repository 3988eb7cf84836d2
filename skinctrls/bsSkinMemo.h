// The skinned memo: a multi-line native edit with the skin link, the control's own read-only rule
// and enter/exit events.
#pragma once

#include "bsSkinLinked.h"
#include "bsSkinScrollBar.h"
#include "bsTextInput.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPointer>

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

    // Skinned scroll bars placed beside the memo (not owned): they follow the memo's lines and
    // scroll it; the memo's own bar on that side is hidden while one is linked.
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar.data(); }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    TbsSkinScrollBar* HScrollBar() const { return FHScrollBar.data(); }
    void SetHScrollBar(TbsSkinScrollBar* bar);
    // Brings the linked bars to the memo's range and first visible line.
    void UpDateScrollRange();

    bool SkinLook() const;
    // Where the text area lies inside the memo.
    QMargins TextAreaMargins() const { return viewportMargins(); }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplyColors();
    void LinkBar(QPointer<TbsSkinScrollBar>& slot, TbsSkinScrollBar* bar, Qt::Orientation orientation);

    QPointer<TbsSkinScrollBar> FVScrollBar;
    QPointer<TbsSkinScrollBar> FHScrollBar;
    bool FBitMapBG = true;
    // Set while the program itself replaces the text, so that only the user's changes fire OnChange.
    bool FSettingText = false;
};
