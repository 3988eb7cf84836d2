// The data-aware memo: a skinned memo that shows one column of the current row and writes it back
// when the focus leaves.
#pragma once

#include "TFieldDataLink.h"
#include "bsSkinMemo.h"

class TDataSource;
class TField;

class TbsSkinDBMemo : public TbsSkinMemo {
    Q_OBJECT
public:
    explicit TbsSkinDBMemo(QWidget* parent = nullptr);

    TDataSource* DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource* source) { FDataLink.SetDataSource(source); }
    QString DataField() const { return FDataLink.FieldName; }
    void SetDataField(const QString& name) { FDataLink.SetFieldName(name); }
    bool ReadOnly() const { return FDataLink.ReadOnly; }
    void SetReadOnly(bool value);
    // Show the column's text at once (the only mode this memo has: every column holds text).
    bool AutoDisplay() const { return FAutoDisplay; }
    void SetAutoDisplay(bool value) { FAutoDisplay = value; }
    TField* Field() const { return FDataLink.Field(); }
    TFieldDataLink* DataLink() { return &FDataLink; }

protected:
    bool CanChangeText() override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DataChange();
    void EditingChange();
    void UpdateData();

    TFieldDataLink FDataLink;
    bool FAutoDisplay = true;
};
