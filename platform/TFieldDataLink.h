// The link that joins a control to one named field of a data source.
#pragma once

#include "TDataLink.h"

#include <QString>
#include <functional>

// Follows the field named FieldName in the data set of its data source and calls the control
// back: OnDataChange when the row or the field's value changed, OnEditingChange when edit state
// was entered or left, OnUpdateData when the control must write its value (only after the
// control reported a change with Modified), OnActiveChange when the data set opened or closed.
class TFieldDataLink : public TDataLink
{
  public:
    QString FieldName;
    void SetFieldName(const QString& name);

    // The bound field of the open data set; nullptr while closed or when no field has the name.
    TField* Field() const;
    // Whether the control may write its field now: link not read-only, field writable.
    bool CanModify() const;
    bool Edit() override;
    // Records that the control's value differs from the field's.
    void Modified() { FModified = true; }
    // Makes the control show the field's value again, dropping its own change.
    void Reset() { RecordChanged(nullptr); }

    std::function<void()> OnDataChange;
    std::function<void()> OnEditingChange;
    std::function<void()> OnUpdateData;
    std::function<void()> OnActiveChange;

    void ActiveChanged() override;
    void RecordChanged(TField* field) override;
    void EditingChanged() override;
    void UpdateData() override;
    void LayoutChanged() override;

  private:
    void UpdateField();

    TField* FField = nullptr; // the field last shown, to tell when it changes
    bool FModified = false;
};
