// The data-aware combo box: a skinned combo box that shows one column of the current row and
// writes the chosen entry back when the focus leaves.
#pragma once

#include "TFieldDataLink.h"
#include "bsSkinComboBox.h"

class TDataSource;
class TField;

// In the pick-only style a stored value that is not among the items shows nothing, and leaving
// the control without choosing writes nothing.
class TbsSkinDBComboBox : public TbsSkinComboBox {
    Q_OBJECT
public:
    explicit TbsSkinDBComboBox(QWidget* parent = nullptr);

    TDataSource* DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource* source) { FDataLink.SetDataSource(source); }
    QString DataField() const { return FDataLink.FieldName; }
    void SetDataField(const QString& name) { FDataLink.SetFieldName(name); }
    bool ReadOnly() const { return FDataLink.ReadOnly; }
    void SetReadOnly(bool value) { FDataLink.ReadOnly = value; }
    TField* Field() const { return FDataLink.Field(); }
    TFieldDataLink* DataLink() { return &FDataLink; }
    // Setting the items shows the field's value again against the new list.
    void SetItems(const QStringList& items);

    // The value the control holds: the selected entry's text, or empty.
    QString Value() const;

    std::function<void()> OnEnter;
    // Runs after the value was written into the field.
    std::function<void()> OnExit;

protected:
    void DoChange() override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DataChange();
    void UpdateData();
    void ShowValue(const QString& value);
    static bool ChoosingKey(const QKeyEvent* event);
    bool CanWrite() { return !FDataLink.ReadOnly && FDataLink.CanModify(); }

    TFieldDataLink FDataLink;
    bool FInDataChange = false;
    bool FInDateSelfChange = false;
};
