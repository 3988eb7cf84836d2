// Text-changing keys and the edit context menu.
#include "bsEditSupport.h"

#include "TApplication.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

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

void ExecEditMenu(QWidget* owner, const QPoint& globalPos, const TbsEditMenu& m)
{
    QMenu menu(owner);
    auto guarded = [](const std::function<void()>& action) { return [action] { CallHandler(action); }; };
    menu.addAction(QStringLiteral("Undo"), owner, guarded(m.Undo))->setEnabled(m.CanUndo && m.Writable);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cut"), owner, guarded(m.Cut))->setEnabled(m.HasSelection && m.Writable);
    menu.addAction(QStringLiteral("Copy"), owner, guarded(m.Copy))->setEnabled(m.HasSelection);
    menu.addAction(QStringLiteral("Paste"), owner, guarded(m.Paste))
        ->setEnabled(m.Writable && !QGuiApplication::clipboard()->text().isEmpty());
    menu.addAction(QStringLiteral("Delete"), owner, guarded(m.Delete))
        ->setEnabled(m.HasSelection && m.Writable);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select All"), owner, guarded(m.SelectAll))->setEnabled(!m.AllSelected);
    menu.exec(globalPos);
}
