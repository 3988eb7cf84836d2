// The link through which a data-aware control follows a data source.
#pragma once

#include "TDataSetState.h"

class TDataSource;
class TField;
class TQuery;

// Base of every bound control's link. The data source calls the virtual notifications; the
// defaults turn a changed data set, a scroll and a layout change into a changed record, so a
// link that shows one row only needs RecordChanged. Notifications other than state changes reach
// only active links.
class TDataLink
{
  public:
    TDataLink() = default;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;
    virtual ~TDataLink();

    void SetDataSource(TDataSource* source);
    TDataSource* DataSource() const { return FDataSource; }
    TQuery* DataSet() const;
    // Whether the data set is open.
    bool Active() const { return FActive; }
    // Whether the data set is in edit or insert state and this link is not read-only.
    bool Editing() const { return FEditing; }
    // Asks the data source to put the data set into edit state; answers whether the link is editing.
    virtual bool Edit();
    // Writes this link's pending value into the data set now (calls UpdateData).
    void UpdateRecord();

    bool ReadOnly = false;

    virtual void ActiveChanged() {}
    // Rows were replaced, added or removed.
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int distance);
    // A field (nullptr: the whole current row) changed.
    virtual void RecordChanged(TField* field) { (void)field; }
    virtual void EditingChanged() {}
    // Write the pending value now; called before the row is posted and before moving.
    virtual void UpdateData() {}
    virtual void LayoutChanged() { DataSetChanged(); }

  private:
    friend class TDataSource;

    void UpdateState();
    void DataEvent(TDataEvent event, TField* field, int distance);

    TDataSource* FDataSource = nullptr;
    bool FActive = false;
    bool FEditing = false;
    bool FUpdating = false;
};
