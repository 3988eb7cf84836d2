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
    : TbsSkinLinked<TbsTextInput<QPlainTextEdit>>(QStringLiteral("memo"), parent, true)
{
    setFrameStyle(QFrame::NoFrame);
    // The text area sits 3 pixels in at the left, 2 at the top and bottom, 4 at the right.
    setViewportMargins(3, 2, 4, 2);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves to the next control, as in the single-line edits.
    setTabChangesFocus(true);
    setAcceptDrops(false);
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

void TbsSkinMemo::ChangeSkinData()
{
    TbsSkinLinked::ChangeSkinData();
    viewport()->update();
}

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

void TbsSkinMemo::contextMenuEvent(QContextMenuEvent* event)
{
    const QTextCursor cursor = textCursor();
    ShowEditMenu(event->globalPos(), document()->isUndoAvailable(), cursor.hasSelection(),
                 cursor.selectionStart() == 0 && cursor.selectionEnd() == document()->characterCount() - 1,
                 [this] { textCursor().removeSelectedText(); });
}
