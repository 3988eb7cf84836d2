// What the single-line edit and the memo share on top of their Qt text widget: the control's own
// read-only rule, the enter, exit and change events.
#pragma once

#include "TApplication.h"
#include "bsEditSupport.h"
#include "bsSkinMenus.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <functional>

// Base is QLineEdit or QPlainTextEdit. A read-only control shows the caret and lets the user
// select and copy, but refuses every change from the keyboard, the input method and middle-click
// paste; descendants route their other ways of changing text (the context menu) through
// AllowChange too.
template <class Base> class TbsTextInput : public Base {
public:
    TbsTextInput(QWidget* parent, bool multiLine) : Base(parent), FMultiLine(multiLine) {}

    // The built-in context menu while it is open, else nullptr.
    TbsSkinPopupMenu* SysPopupMenu() const { return FSysPopupMenu.data(); }

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }

    std::function<void()> OnChange; // the user changed the text
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
    // Asked before every change the user makes; answers whether the change may happen. Data-aware
    // controls enter edit state here.
    virtual bool CanChangeText() { return !FReadOnly; }
    // Whether the user may change the text at all (the context menu offers its changing items).
    virtual bool Writable() const { return !FReadOnly; }
    // CanChangeText through the general error display: a failure refuses the change.
    bool AllowChange()
    {
        bool allowed = false;
        CallHandler([&] { allowed = CanChangeText(); });
        return allowed;
    }
    // The focus came from, or went to, another control of the window.
    virtual void DoEnter() { FireEvent(OnEnter); }
    virtual void DoExit() { FireEvent(OnExit); }
    // The user changed the text.
    virtual void Change() { FireEvent(OnChange); }

    // The edit context menu at globalPos; every item that changes text asks AllowChange first.
    void ShowEditMenu(const QPoint& globalPos, bool canUndo, bool hasSelection, bool allSelected,
                      const std::function<void()>& deleteSelection)
    {
        auto changing = [this](std::function<void()> action) {
            return [this, action] {
                if (AllowChange())
                    action();
            };
        };
        if (FSysPopupMenu)
            delete FSysPopupMenu.data();
        TbsEditMenu menu;
        menu.CanUndo = canUndo;
        menu.HasSelection = hasSelection;
        menu.Writable = Writable();
        menu.AllSelected = allSelected;
        menu.Undo = changing([this] { this->undo(); });
        menu.Cut = changing([this] { this->cut(); });
        menu.Copy = [this] { this->copy(); };
        menu.Paste = changing([this] { this->paste(); });
        menu.Delete = changing(deleteSelection);
        menu.SelectAll = [this] { this->selectAll(); };
        FSysPopupMenu = ExecEditMenu(this, globalPos, menu);
    }
    // Where the context menu opens: at the pointer, or at the control's centre from the keyboard.
    QPoint EditMenuPoint(const QContextMenuEvent* event) const
    {
        return event->reason() == QContextMenuEvent::Keyboard ? this->mapToGlobal(this->rect().center())
                                                              : event->globalPos();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        // A single-line edit leaves Enter and Escape to the window: its default and cancel buttons.
        if (!FMultiLine && IsDialogKey(event)) {
            event->ignore();
            return;
        }
        if (IsTextChangingKey(event, FMultiLine) && !AllowChange()) {
            event->accept();
            return;
        }
        Base::keyPressEvent(event);
    }
    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (!event->commitString().isEmpty() && !AllowChange()) {
            event->accept();
            return;
        }
        Base::inputMethodEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // The middle button pastes the selection on this platform.
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
            !AllowChange())
            return;
        Base::mouseReleaseEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        if (!IsWindowFocusChange(event))
            DoEnter();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Base::focusOutEvent(event);
        if (!IsWindowFocusChange(event))
            DoExit();
    }

private:
    static bool IsDialogKey(const QKeyEvent* event)
    {
        return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
               event->key() == Qt::Key_Escape;
    }

    bool FMultiLine;
    QPointer<TbsSkinPopupMenu> FSysPopupMenu;
    bool FReadOnly = false;
};
