// Skinned memo: read-only rule, enter/exit, and the default frame around the text area.
#include "bsSkinMemo.h"

#include "TApplication.h"
#include "bsDefaultLook.h"
#include "bsEditSupport.h"
#include "bsSkinControl.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

TbsSkinMemo::TbsSkinMemo(QWidget* parent)
    : QPlainTextEdit(parent), FSkinDataName(QStringLiteral("memo")), FDefaultFont(DefaultControlFont())
{
    setFrameStyle(QFrame::NoFrame);
    // The text area sits 3 pixels in at the left, 2 at the top and bottom, 4 at the right.
    setViewportMargins(3, 2, 4, 2);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves to the next control, as in the single-line edits.
    setTabChangesFocus(true);
    setAcceptDrops(false);
    setFont(FDefaultFont);
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!FSettingText && (removed || added))
            Change();
    });
}

void TbsSkinMemo::SetText(const QString& value)
{
    FSettingText = true;
    setPlainText(value);
    FSettingText = false;
}

void TbsSkinMemo::SetSkinData(TbsSkinData* value)
{
    FSD = value;
    if (FSD)
        ChangeSkinData();
}

void TbsSkinMemo::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    if (FIndex == -1)
        setFont(FDefaultFont);
}

void TbsSkinMemo::GetSkinData() { FIndex = FindSkinControlIndex(FSD, FSkinDataName); }

void TbsSkinMemo::ChangeSkinData()
{
    GetSkinData();
    if (FIndex == -1)
        setFont(FDefaultFont);
    viewport()->update();
    update();
}

bool TbsSkinMemo::AllowChange()
{
    bool allowed = false;
    CallHandler([&] { allowed = CanChangeText(); });
    return allowed;
}

void TbsSkinMemo::DoEnter() { FireEvent(OnEnter); }

void TbsSkinMemo::DoExit() { FireEvent(OnExit); }

void TbsSkinMemo::Change() { FireEvent(OnChange); }

bool TbsSkinMemo::event(QEvent* event)
{
    // The memo's own area around the text: window colour inside a one-pixel shadow frame.
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        painter.fillRect(rect(), SysWindow());
        DrawFrame(painter, rect(), SysBtnShadow());
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TbsSkinMemo::keyPressEvent(QKeyEvent* event)
{
    if (IsTextChangingKey(event, true) && !AllowChange()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TbsSkinMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty() && !AllowChange()) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TbsSkinMemo::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !AllowChange())
        return;
    QPlainTextEdit::mouseReleaseEvent(event);
}

void TbsSkinMemo::contextMenuEvent(QContextMenuEvent* event)
{
    QTextCursor cursor = textCursor();
    TbsEditMenu menu;
    menu.CanUndo = document()->isUndoAvailable();
    menu.HasSelection = cursor.hasSelection();
    menu.Writable = !FReadOnly;
    menu.AllSelected = cursor.selectionStart() == 0 && cursor.selectionEnd() == document()->characterCount() - 1;
    menu.Undo = [this] {
        if (AllowChange())
            undo();
    };
    menu.Cut = [this] {
        if (AllowChange())
            cut();
    };
    menu.Copy = [this] { copy(); };
    menu.Paste = [this] {
        if (AllowChange())
            paste();
    };
    menu.Delete = [this] {
        if (AllowChange())
            textCursor().removeSelectedText();
    };
    menu.SelectAll = [this] { selectAll(); };
    ExecEditMenu(this, event->globalPos(), menu);
}

void TbsSkinMemo::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (!IsWindowFocusChange(event))
        DoEnter();
}

void TbsSkinMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (!IsWindowFocusChange(event))
        DoExit();
}
