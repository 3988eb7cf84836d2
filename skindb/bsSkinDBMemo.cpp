// Data-aware memo: showing the field, entering edit state on the first change, writing on exit.
#include "bsSkinDBMemo.h"

#include "bsDBControlSupport.h"
#include "TField.h"

#include <QKeyEvent>

TbsSkinDBMemo::TbsSkinDBMemo(QWidget* parent) : TbsSkinMemo(parent)
{
    FDataLink.OnDataChange = [this] { DataChange(); };
    FDataLink.OnEditingChange = [this] { EditingChange(); };
    FDataLink.OnUpdateData = [this] { UpdateData(); };
    TbsSkinMemo::SetReadOnly(true);
}

void TbsSkinDBMemo::SetReadOnly(bool value)
{
    FDataLink.ReadOnly = value;
    EditingChange();
}

void TbsSkinDBMemo::DataChange()
{
    TField* field = FDataLink.Field();
    const QString text = field ? field->AsString() : QString();
    if (text != Text())
        SetText(text);
}

void TbsSkinDBMemo::EditingChange() { TbsSkinMemo::SetReadOnly(!FDataLink.Editing()); }

void TbsSkinDBMemo::UpdateData()
{
    if (TField* field = FDataLink.Field())
        field->SetAsString(Text());
}

bool TbsSkinDBMemo::CanChangeText()
{
    FDataLink.Edit();
    return TbsSkinMemo::CanChangeText();
}

void TbsSkinDBMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        FDataLink.Reset();
        event->accept();
        return;
    }
    TbsSkinMemo::keyPressEvent(event);
}

void TbsSkinDBMemo::DoEnter()
{
    FDataLink.Reset();
    TbsSkinMemo::DoEnter();
}

void TbsSkinDBMemo::DoExit()
{
    if (!UpdateRecordOnExit(FDataLink, this))
        return;
    FDataLink.Reset();
    TbsSkinMemo::DoExit();
}

void TbsSkinDBMemo::Change()
{
    FDataLink.Modified();
    TbsSkinMemo::Change();
}
