// Data-aware edit: showing the field, entering edit state on the first change, writing on exit.
#include "bsSkinDBEdit.h"

#include "bsDBControlSupport.h"
#include "TDataSource.h"
#include "TField.h"
#include "TQuery.h"

#include <QApplication>
#include <QKeyEvent>

TbsSkinDBEdit::TbsSkinDBEdit(QWidget* parent) : TbsSkinEdit(parent)
{
    FDataLink.OnDataChange = [this] { DataChange(); };
    FDataLink.OnEditingChange = [this] { EditingChange(); };
    FDataLink.OnUpdateData = [this] { UpdateData(); };
    TbsSkinEdit::SetReadOnly(true);
}

void TbsSkinDBEdit::SetReadOnly(bool value)
{
    FDataLink.ReadOnly = value;
    EditingChange();
}

void TbsSkinDBEdit::ShowFieldText(const QString& text)
{
    // Setting the same text again would move the caret away from where the user is typing.
    if (text != this->text())
        setText(text);
    // An edit without the focus shows the start of a long value, as a field list is read.
    if (!hasFocus())
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

void TbsSkinDBEdit::EditingChange() { TbsSkinEdit::SetReadOnly(!FDataLink.Editing()); }

void TbsSkinDBEdit::UpdateData()
{
    if (TField* field = FDataLink.Field())
        field->SetAsString(text());
}

bool TbsSkinDBEdit::CanChangeText()
{
    FDataLink.Edit();
    return TbsSkinEdit::CanChangeText();
}

void TbsSkinDBEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        FDataLink.Reset();
        selectAll();
        event->accept();
        return;
    }
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
    TbsSkinEdit::keyPressEvent(event);
}

void TbsSkinDBEdit::DoEnter()
{
    FFocused = true;
    FDataLink.Reset();
    TbsSkinEdit::DoEnter();
}

void TbsSkinDBEdit::DoExit()
{
    if (!UpdateRecordOnExit(FDataLink, this, [this] { selectAll(); }))
        return;
    FFocused = false;
    FDataLink.Reset();
    TbsSkinEdit::DoExit();
}

void TbsSkinDBEdit::Change()
{
    FDataLink.Modified();
    TbsSkinEdit::Change();
}
