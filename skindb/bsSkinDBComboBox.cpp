// Data-aware combo box: showing the field as a list entry, entering edit state on a choice,
// writing on exit.
#include "bsSkinDBComboBox.h"

#include "TApplication.h"
#include "TField.h"
#include "bsDBControlSupport.h"
#include "bsEditSupport.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWheelEvent>

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
    // Keys that choose another entry at once are dropped when the field cannot be written; the
    // choice itself enters edit state (DoChange). Keys in the open list only move its selection.
    if (!IsPopupVisible() && ChoosingKey(event) && !CanWrite()) {
        event->accept();
        return;
    }
    TbsSkinComboBox::keyPressEvent(event);
}

void TbsSkinDBComboBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (!IsPopupVisible() && !CanWrite()) {
        event->accept();
        return;
    }
    TbsSkinComboBox::inputMethodEvent(event);
}

void TbsSkinDBComboBox::wheelEvent(QWheelEvent* event)
{
    if (hasFocus() && !IsPopupVisible() && !CanWrite()) {
        event->accept();
        return;
    }
    TbsSkinComboBox::wheelEvent(event);
}

bool TbsSkinDBComboBox::ChoosingKey(const QKeyEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        break;
    }
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
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
