// What the single-line edits and the memo share: which keys change text, and the context menu.
#pragma once

#include <QPoint>
#include <functional>

class QFocusEvent;
class QKeyEvent;
class QWidget;
class QString;
class TbsSkinPopupMenu;

// Whether the key changes the text of an edit; with multiLine Enter and Tab do too.
bool IsTextChangingKey(const QKeyEvent* event, bool multiLine);

// Whether a focus change only follows the window's activation or a popup; the control did not
// lose or gain the focus within its window.
bool IsWindowFocusChange(const QFocusEvent* event);

// The edit context menu: Undo, Cut, Copy, Paste, Delete, Select All, enabled by the edit's state.
struct TbsEditMenu {
    bool CanUndo = false;
    bool HasSelection = false;
    bool Writable = true;
    bool AllSelected = false;
    std::function<void()> Undo, Cut, Copy, Paste, Delete, SelectAll;
};
// Pops the menu up at globalPos as a skinned popup menu owned by owner, in the skin of owner's
// window; it frees itself when it closes. Answers the menu.
TbsSkinPopupMenu* ExecEditMenu(QWidget* owner, const QPoint& globalPos, const TbsEditMenu& menu);

// The caption of an edit menu item: the resource string key of the repository of owner's skinned
// window when it has resource strings, else the built-in text.
QString EditMenuCaption(const QWidget* owner, const char* key, const QString& builtIn);
