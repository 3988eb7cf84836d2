// Text-changing keys and the edit context menu.
#include "bsEditSupport.h"

#include "TApplication.h"
#include "TForm.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"
#include "bsSkinMenus.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>

bool IsTextChangingKey(const QKeyEvent* event, bool multiLine)
{
    static const QKeySequence::StandardKey changing[] = {QKeySequence::Paste,
                                                         QKeySequence::Cut,
                                                         QKeySequence::Undo,
                                                         QKeySequence::Redo,
                                                         QKeySequence::Delete,
                                                         QKeySequence::Backspace,
                                                         QKeySequence::DeleteEndOfWord,
                                                         QKeySequence::DeleteStartOfWord,
                                                         QKeySequence::DeleteEndOfLine,
                                                         QKeySequence::DeleteCompleteLine};
    for (auto key : changing)
        if (event->matches(key))
            return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    case Qt::Key_Insert:
        return event->modifiers() == Qt::ShiftModifier;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        return multiLine && !(event->modifiers() & Qt::ControlModifier);
    default:
        break;
    }
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
}

bool IsWindowFocusChange(const QFocusEvent* event)
{
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}

QString EditMenuCaption(const QWidget* owner, const char* key, const QString& builtIn)
{
    const TForm* form = qobject_cast<const TForm*>(owner->window());
    const TbsSkinForm* skinForm =
        form ? form->findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const TbsSkinData* skin = skinForm ? skinForm->SkinData() : nullptr;
    const TbsResourceStrData* strings = skin ? skin->ResourceStrData() : nullptr;
    const QString text = strings ? strings->GetResStr(QString::fromLatin1(key)) : QString();
    return text.isEmpty() ? builtIn : text;
}

TbsSkinPopupMenu* ExecEditMenu(QWidget* owner, const QPoint& globalPos, const TbsEditMenu& m)
{
    auto* menu = new TbsSkinPopupMenu(owner);
    menu->setObjectName(QStringLiteral("SysPopupMenu"));
    const TForm* form = qobject_cast<const TForm*>(owner->window());
    if (const TbsSkinForm* skinForm =
            form ? form->findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr)
        menu->SkinData = skinForm->SkinData();
    TMenuItem* items = menu->Items();
    auto add = [&](const char* name, const char* key, const char* builtIn, bool enabled,
                   const std::function<void()>& action) {
        TMenuItem* item = items->Add(name, EditMenuCaption(owner, key, QString::fromLatin1(builtIn)), action);
        item->Enabled = enabled;
    };
    auto line = [&] { items->Add("", QStringLiteral("-")); };
    add("Undo", "EDIT_UNDO", "Undo", m.CanUndo && m.Writable, m.Undo);
    line();
    add("Cut", "EDIT_CUT", "Cut", m.HasSelection && m.Writable, m.Cut);
    add("Copy", "EDIT_COPY", "Copy", m.HasSelection, m.Copy);
    add("Paste", "EDIT_PASTE", "Paste", m.Writable && !QGuiApplication::clipboard()->text().isEmpty(),
        m.Paste);
    add("Delete", "EDIT_DELETE", "Delete", m.HasSelection && m.Writable, m.Delete);
    line();
    add("SelectAll", "EDIT_SELECTALL", "Select All", !m.AllSelected, m.SelectAll);
    // The menu lives only while it is open.
    QPointer<TbsSkinPopupMenu> guard(menu);
    menu->OnMenuClose = [guard] {
        if (guard)
            guard->deleteLater();
    };
    menu->Popup(globalPos.x(), globalPos.y());
    return menu;
}
