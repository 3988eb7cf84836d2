// Data-aware memo: the field's text.
#include "bsSkinDBMemo.h"

void TbsSkinDBMemo::DataChange()
{
    TField* field = FDataLink.Field();
    const QString text = field ? field->AsString() : QString();
    if (text != Text())
        SetText(text);
}
