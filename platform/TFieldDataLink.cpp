// Following one field and calling the bound control back.
#include "TFieldDataLink.h"

#include "TQuery.h"

void TFieldDataLink::SetFieldName(const QString& name)
{
    if (FieldName == name)
        return;
    FieldName = name;
    UpdateField();
}

TField* TFieldDataLink::Field() const
{
    const TQuery* dataSet = DataSet();
    return Active() && dataSet && !FieldName.isEmpty() ? dataSet->FindField(FieldName) : nullptr;
}

bool TFieldDataLink::CanModify() const
{
    const TField* field = Field();
    return !ReadOnly && field && field->CanModify();
}

bool TFieldDataLink::Edit()
{
    if (CanModify())
        TDataLink::Edit();
    return Editing();
}

void TFieldDataLink::UpdateField()
{
    TField* field = Field();
    if (field == FField)
        return;
    FField = field;
    EditingChanged();
    RecordChanged(nullptr);
}

void TFieldDataLink::ActiveChanged()
{
    UpdateField();
    if (OnActiveChange)
        OnActiveChange();
}

void TFieldDataLink::RecordChanged(TField* field)
{
    if (field && field != Field())
        return;
    if (OnDataChange)
        OnDataChange();
    FModified = false;
}

void TFieldDataLink::EditingChanged()
{
    if (OnEditingChange)
        OnEditingChange();
}

void TFieldDataLink::UpdateData()
{
    if (!FModified)
        return;
    if (Field() && OnUpdateData)
        OnUpdateData();
    FModified = false;
}

void TFieldDataLink::LayoutChanged()
{
    UpdateField();
}
