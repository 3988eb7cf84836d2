// Passing a query's changes on to the links of its data source.
#include "TDataSource.h"

#include "TDataLink.h"
#include "TQuery.h"

TDataSource::TDataSource(QObject* owner) : QObject(owner) {}

TDataSource::~TDataSource()
{
    SetDataSet(nullptr);
    for (TDataLink* link : QList<TDataLink*>(FLinks))
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TQuery* dataSet)
{
    if (FDataSet == dataSet)
        return;
    if (FDataSet)
        FDataSet->RemoveDataSource(this);
    FDataSet = dataSet;
    if (FDataSet)
        FDataSet->AddDataSource(this);
    UpdateLinkStates();
}

TDataSetState TDataSource::State() const
{
    return FDataSet ? FDataSet->State() : dsInactive;
}

bool TDataSource::Edit()
{
    if (AutoEdit && State() == dsBrowse && FDataSet->CanModify())
        FDataSet->Edit();
    return IsEditState(State());
}

void TDataSource::AddLink(TDataLink* link)
{
    if (!FLinks.contains(link))
        FLinks.append(link);
}

void TDataSource::RemoveLink(TDataLink* link)
{
    FLinks.removeAll(link);
}

void TDataSource::UpdateLinkStates()
{
    for (TDataLink* link : QList<TDataLink*>(FLinks)) {
        if (FLinks.contains(link))
            link->UpdateState();
    }
}

void TDataSource::DataEvent(TDataEvent event, TField* field, int distance)
{
    if (event == TDataEvent::UpdateState) {
        UpdateLinkStates();
        if (OnStateChange)
            OnStateChange(this);
        return;
    }
    // A notified control may drop its link; links gone meanwhile are skipped.
    for (TDataLink* link : QList<TDataLink*>(FLinks)) {
        if (FLinks.contains(link))
            link->DataEvent(event, field, distance);
    }
    if (event == TDataEvent::UpdateRecord && OnUpdateData)
        OnUpdateData(this);
    if ((event == TDataEvent::FieldChange || event == TDataEvent::RecordChange ||
         event == TDataEvent::DataSetChange || event == TDataEvent::DataSetScroll) &&
        OnDataChange)
        OnDataChange(this, field);
}
