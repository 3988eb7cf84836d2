// The data-aware static text: a skinned label that shows one column of the current row.
#pragma once

#include "TFieldDataLink.h"
#include "bsSkinStdLabel.h"

class TDataSource;
class TField;

class TbsSkinDBText : public TbsSkinStdLabel {
    Q_OBJECT
public:
    // Auto-size is off: the label keeps the size it is given.
    explicit TbsSkinDBText(QWidget* parent = nullptr);

    TDataSource* DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource* source) { FDataLink.SetDataSource(source); }
    QString DataField() const { return FDataLink.FieldName; }
    void SetDataField(const QString& name) { FDataLink.SetFieldName(name); }
    TField* Field() const { return FDataLink.Field(); }
    TFieldDataLink* DataLink() { return &FDataLink; }

private:
    void DataChange();

    TFieldDataLink FDataLink;
};
