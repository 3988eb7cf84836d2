// Data-aware combo box: showing the field as a list entry, entering edit state on a choice,
// writing on exit.
#include "bsSkinDBComboBox.h"

#include "TApplication.h"
#include "TField.h"
#include "bsDBControlSupport.h"
#include "bsEditSupport.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

TbsSkinDBComboBox::TbsSkinDBComboBox(QWidget* parent) : TbsSkinComboBox(parent)
{
    FDataLink.OnDataChange = [this] { DataChange(); };
    FDataLink.OnUpdateData = [this] { UpdateData(); };
}

QString TbsSkinDBComboBox::Value() const
{
    const int index = ItemIndex();
    return index >= 0 ? Items().at(index) : QString();
}

void TbsSkinDBComboBox::SetItems(const QStringList& items)
{
    TbsSkinComboBox::SetItems(items);
    DataChange();
}

void TbsSkinDBComboBox::DataChange()
{
    FInDataChange = true;
    if (!FInDateSelfChange) {
        TField* field = FDataLink.Field();
        ShowValue(field ? field->AsString() : QString());
    }
    FInDataChange = false;
}

void TbsSkinDBComboBox::ShowValue(const QString& value)
{
    if (value == Value())
        return;
    // An empty value, or one that is not an entry, selects nothing.
    SetItemIndex(value.isEmpty() ? -1 : int(Items().indexOf(value)));
}

void TbsSkinDBComboBox::UpdateData()
{
    if (TField* field = FDataLink.Field())
        field->SetAsString(Value());
}

void TbsSkinDBComboBox::DoChange()
{
    if (FInDataChange || !CanWrite())
        return;
    // Entering edit state tells the control the row's values again; they must not undo the choice.
    QScopedValueRollback<bool> selfChange(FInDateSelfChange, true);
    FDataLink.Edit();
    FDataLink.Modified();
}

void TbsSkinDBComboBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace || (key >= 32 && key <= 255) || key == Qt::Key_Up || key == Qt::Key_Down) {
        // A data set that cannot enter edit state keeps the arrow keys from changing the choice.
        bool editing = false;
        CallHandler([&] { editing = CanWrite() && FDataLink.Edit(); });
        if (!editing && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            event->accept();
            return;
        }
    }
    TbsSkinComboBox::keyPressEvent(event);
}

void TbsSkinDBComboBox::focusInEvent(QFocusEvent* event)
{
    TbsSkinComboBox::focusInEvent(event);
    if (!IsWindowFocusChange(event))
        FireEvent(OnEnter);
}

void TbsSkinDBComboBox::focusOutEvent(QFocusEvent* event)
{
    TbsSkinComboBox::focusOutEvent(event);
    if (IsWindowFocusChange(event))
        return;
    if (!CanWrite()) {
        FDataLink.Reset();
    } else if (!UpdateRecordOnExit(FDataLink, this)) {
        return;
    }
    FireEvent(OnExit);
}
