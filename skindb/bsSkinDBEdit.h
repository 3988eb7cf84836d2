// The data-aware edit: a skinned edit that shows one column of the current row and writes it back
// when the focus leaves.
#pragma once

#include "TFieldDataLink.h"
#include "bsSkinEdit.h"

class TDataSource;
class TField;

class TbsSkinDBEdit : public TbsSkinEdit {
    Q_OBJECT
public:
    explicit TbsSkinDBEdit(QWidget* parent = nullptr);

    TDataSource* DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource* source) { FDataLink.SetDataSource(source); }
    QString DataField() const { return FDataLink.FieldName; }
    void SetDataField(const QString& name) { FDataLink.SetFieldName(name); }
    // The link's read-only flag: the edit never writes its field.
    bool ReadOnly() const { return FDataLink.ReadOnly; }
    void SetReadOnly(bool value);
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
    void ShowFieldText(const QString& text);

    TFieldDataLink FDataLink;
    bool FFocused = false;
};
