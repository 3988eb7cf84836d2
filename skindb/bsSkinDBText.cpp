// Data-aware static text: its caption follows the field's display text.
#include "bsSkinDBText.h"

#include "TField.h"

TbsSkinDBText::TbsSkinDBText(QWidget* parent) : TbsSkinStdLabel(parent)
{
    SetAutoSize(false);
    FDataLink.OnDataChange = [this] { DataChange(); };
}

void TbsSkinDBText::DataChange()
{
    TField* field = FDataLink.Field();
    SetCaption(field ? field->DisplayText() : QString());
}
