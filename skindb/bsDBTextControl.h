// What the data-aware edit and memo share: the field link, entering edit state on the first
// change, Escape, and writing the field when the focus leaves.
#pragma once

#include "TField.h"
#include "TFieldDataLink.h"
#include "bsDBControlSupport.h"

#include <QKeyEvent>

class TDataSource;

// Base is a skinned edit or memo: it has Text(), SetReadOnly() and the virtual CanChangeText,
// Change, DoEnter and DoExit of TbsTextInput. The control is read-only exactly while its link is
// not editing, so the first change asks the data set into edit state.
template <class Base> class TbsDBTextControl : public Base {
public:
    explicit TbsDBTextControl(QWidget* parent) : Base(parent)
    {
        FDataLink.OnDataChange = [this] { DataChange(); };
        FDataLink.OnEditingChange = [this] { EditingChange(); };
        FDataLink.OnUpdateData = [this] { UpdateData(); };
        Base::SetReadOnly(true);
    }

    TDataSource* DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource* source) { FDataLink.SetDataSource(source); }
    QString DataField() const { return FDataLink.FieldName; }
    void SetDataField(const QString& name) { FDataLink.SetFieldName(name); }
    // The link's read-only flag: the control never writes its field.
    bool ReadOnly() const { return FDataLink.ReadOnly; }
    void SetReadOnly(bool value)
    {
        FDataLink.ReadOnly = value;
        EditingChange();
    }
    TField* Field() const { return FDataLink.Field(); }
    TFieldDataLink* DataLink() { return &FDataLink; }

protected:
    // Shows the field's value: the current row or the value changed.
    virtual void DataChange() = 0;
    // Selects the text after Escape and after a value the field refused (the edit does).
    virtual void SelectText() {}

    bool CanChangeText() override
    {
        FDataLink.Edit();
        return Base::CanChangeText();
    }
    // Read-only only until the first change enters edit state: what counts is the link.
    bool Writable() const override { return FDataLink.CanModify(); }
    void Change() override
    {
        FDataLink.Modified();
        Base::Change();
    }
    void DoEnter() override
    {
        // The focus taken back after the field refused the value: the user's text stays for
        // correcting it.
        if (FExiting)
            return;
        FFocused = true;
        FDataLink.Reset();
        Base::DoEnter();
    }
    // The value goes into the field before the exit event runs, so a window's exit handler sees it.
    void DoExit() override
    {
        FExiting = true;
        const bool written = UpdateRecordOnExit(FDataLink, this, [this] { SelectText(); });
        FExiting = false;
        if (!written)
            return;
        FFocused = false;
        FDataLink.Reset();
        Base::DoExit();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) {
            FDataLink.Reset();
            SelectText();
            event->accept();
            return;
        }
        Base::keyPressEvent(event);
    }

    TFieldDataLink FDataLink;
    bool FFocused = false;
    bool FExiting = false;

private:
    void EditingChange() { Base::SetReadOnly(!FDataLink.Editing()); }
    void UpdateData()
    {
        if (TField* field = FDataLink.Field())
            field->SetAsString(this->Text());
    }
};
