// Node records of the department trees.
#include "TNodeData.h"

#include "AnsiCodePage.h"

TNodeData MakeNodeData(int id, const QString& name)
{
    TNodeData data;
    data.ID = id;
    data.Caption = AnsiLeft(name, TNodeData::CaptionBytes);
    return data;
}
