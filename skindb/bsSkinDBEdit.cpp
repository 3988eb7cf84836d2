// Data-aware edit: the field's text and alignment, and refusing characters the field cannot hold.
#include "bsSkinDBEdit.h"

#include <QApplication>

void TbsSkinDBEdit::ShowFieldText(const QString& text)
{
    // Setting the same text again would move the caret away from where the user is typing (or
    // pastes from the context menu, which has the focus meanwhile).
    if (text == this->text())
        return;
    setText(text);
    // An edit without the focus shows the start of a long value, as a field list is read.
    if (!FFocused && !hasFocus())
        setCursorPosition(0);
}

void TbsSkinDBEdit::DataChange()
{
    TField* field = FDataLink.Field();
    if (!field) {
        setAlignment(Qt::AlignLeft);
        ShowFieldText(QString());
        return;
    }
    if (alignment() != field->Alignment())
        setAlignment(field->Alignment() | Qt::AlignVCenter);
    ShowFieldText(FFocused && FDataLink.CanModify() ? field->AsString() : field->DisplayText());
}

void TbsSkinDBEdit::keyPressEvent(QKeyEvent* event)
{
    // A character the field cannot hold (a letter in a number column) is refused with a beep.
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].unicode() >= 0x20 && typed[0].unicode() <= 0xFF &&
        !(event->modifiers() & Qt::ControlModifier)) {
        TField* field = FDataLink.Field();
        if (field && !field->IsValidChar(typed[0])) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    TbsDBTextControl::keyPressEvent(event);
}
