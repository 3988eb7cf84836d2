// Keeping a link's view of its data source's state, and dispatching the source's events.
#include "TDataLink.h"

#include "TDataSource.h"
#include "TQuery.h"

#include <QScopedValueRollback>

TDataLink::~TDataLink()
{
    if (FDataSource)
        FDataSource->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source)
{
    if (FDataSource == source)
        return;
    if (FDataSource)
        FDataSource->RemoveLink(this);
    FDataSource = source;
    if (FDataSource)
        FDataSource->AddLink(this);
    UpdateState();
}

TQuery* TDataLink::DataSet() const
{
    return FDataSource ? FDataSource->DataSet() : nullptr;
}

bool TDataLink::Edit()
{
    if (!ReadOnly && FDataSource)
        FDataSource->Edit();
    return FEditing;
}

void TDataLink::UpdateRecord()
{
    const QScopedValueRollback<bool> updating(FUpdating, true);
    UpdateData();
}

void TDataLink::DataSetScrolled(int distance)
{
    (void)distance;
    DataSetChanged();
}

void TDataLink::UpdateState()
{
    const TDataSetState state = FDataSource ? FDataSource->State() : dsInactive;
    const bool active = state != dsInactive;
    if (FActive != active) {
        FActive = active;
        ActiveChanged();
    }
    const bool editing = IsEditState(state) && !ReadOnly;
    if (FEditing != editing) {
        FEditing = editing;
        EditingChanged();
    }
}

void TDataLink::DataEvent(TDataEvent event, TField* field, int distance)
{
    if (!FActive)
        return;
    switch (event) {
    case TDataEvent::FieldChange:
        RecordChanged(field);
        break;
    case TDataEvent::RecordChange:
        RecordChanged(nullptr);
        break;
    case TDataEvent::DataSetChange:
        DataSetChanged();
        break;
    case TDataEvent::DataSetScroll:
        DataSetScrolled(distance);
        break;
    case TDataEvent::LayoutChange:
        LayoutChanged();
        break;
    case TDataEvent::UpdateRecord:
        if (!FUpdating)
            UpdateRecord();
        break;
    case TDataEvent::UpdateState:
        UpdateState();
        break;
    }
}
