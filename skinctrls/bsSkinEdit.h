// The single-line edits: TbsCustomEdit (a native edit with the control's own read-only rule and
// enter/exit events) and TbsSkinEdit (with the skin link and the frame drawn around the text).
#pragma once

#include "bsSkinLinked.h"
#include "bsTextInput.h"

#include <QFont>
#include <QLineEdit>

class TbsCustomEdit : public TbsTextInput<QLineEdit> {
    Q_OBJECT
public:
    explicit TbsCustomEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

class TbsSkinCustomEdit : public TbsSkinLinked<TbsCustomEdit> {
    Q_OBJECT
public:
    explicit TbsSkinCustomEdit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The height of one line of the font plus the frame, in the default look.
    void AdjustHeight();
};

class TbsSkinEdit : public TbsSkinCustomEdit {
    Q_OBJECT
public:
    using TbsSkinCustomEdit::TbsSkinCustomEdit;
};
