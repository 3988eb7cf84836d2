// The joint between a query and the data-aware controls bound to it.
#pragma once

#include "TDataSetState.h"

#include <QList>
#include <QObject>
#include <functional>

class TDataLink;
class TField;
class TQuery;

// Passes every change of its query (state, current row, values, layout) on to its links, and lets
// a link put the query into edit state when the user starts typing (when AutoEdit is on).
class TDataSource : public QObject
{
    Q_OBJECT
  public:
    explicit TDataSource(QObject* owner = nullptr);
    ~TDataSource() override;

    TQuery* DataSet() const { return FDataSet; }
    void SetDataSet(TQuery* dataSet);

    bool AutoEdit = true;
    // The query's state; dsInactive without a query.
    TDataSetState State() const;
    // With AutoEdit, puts a browsing query that can be modified into edit state; answers whether
    // it is now editing. A query that cannot be modified simply stays browsing.
    bool Edit();

    const QList<TDataLink*>& Links() const { return FLinks; }

    std::function<void(TDataSource* Sender, TField* Field)> OnDataChange;
    std::function<void(TDataSource* Sender)> OnStateChange;
    std::function<void(TDataSource* Sender)> OnUpdateData;

  private:
    friend class TDataLink;
    friend class TQuery;

    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    void DataEvent(TDataEvent event, TField* field, int distance);
    void UpdateLinkStates();

    TQuery* FDataSet = nullptr;
    QList<TDataLink*> FLinks;
};
