// Edits: the read-only rule over every way of changing text, enter/exit, and the default frame.
#include "bsSkinEdit.h"

#include "TApplication.h"
#include "bsDefaultLook.h"
#include "bsEditSupport.h"
#include "bsSkinControl.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

TbsCustomEdit::TbsCustomEdit(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, [this] { Change(); });
}

bool TbsCustomEdit::AllowChange()
{
    bool allowed = false;
    CallHandler([&] { allowed = CanChangeText(); });
    return allowed;
}

void TbsCustomEdit::DoEnter() { FireEvent(OnEnter); }

void TbsCustomEdit::DoExit() { FireEvent(OnExit); }

void TbsCustomEdit::Change() { FireEvent(OnChange); }

void TbsCustomEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsTextChangingKey(event, false) && !AllowChange()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TbsCustomEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty() && !AllowChange()) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TbsCustomEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on this platform.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !AllowChange())
        return;
    QLineEdit::mouseReleaseEvent(event);
}

void TbsCustomEdit::contextMenuEvent(QContextMenuEvent* event)
{
    TbsEditMenu menu;
    menu.CanUndo = isUndoAvailable();
    menu.HasSelection = hasSelectedText();
    menu.Writable = !FReadOnly;
    menu.AllSelected = selectionStart() == 0 && selectedText() == text();
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
            del();
    };
    menu.SelectAll = [this] { selectAll(); };
    ExecEditMenu(this, event->globalPos(), menu);
}

void TbsCustomEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!IsWindowFocusChange(event))
        DoEnter();
}

void TbsCustomEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!IsWindowFocusChange(event))
        DoExit();
}

TbsSkinCustomEdit::TbsSkinCustomEdit(QWidget* parent)
    : TbsCustomEdit(parent), FSkinDataName(QStringLiteral("edit")), FDefaultFont(DefaultControlFont())
{
    setFrame(false);
    // The frame of the default look: 1 pixel at the left, 2 at the top, right and bottom; inside
    // it the text starts 2 pixels in.
    setTextMargins(1 + 2, 2, 2, 2);
    setFont(FDefaultFont);
    resize(121, height());
    AdjustHeight();
}

void TbsSkinCustomEdit::SetSkinData(TbsSkinData* value)
{
    FSD = value;
    if (FSD)
        ChangeSkinData();
}

void TbsSkinCustomEdit::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    if (FIndex == -1)
        setFont(FDefaultFont);
}

void TbsSkinCustomEdit::GetSkinData() { FIndex = FindSkinControlIndex(FSD, FSkinDataName); }

void TbsSkinCustomEdit::ChangeSkinData()
{
    GetSkinData();
    if (FIndex == -1)
        setFont(FDefaultFont);
    update();
}

void TbsSkinCustomEdit::AdjustHeight()
{
    resize(width(), QFontMetrics(font()).height() + 2 + 4);
}

void TbsSkinCustomEdit::paintEvent(QPaintEvent* event)
{
    TbsCustomEdit::paintEvent(event);
    QPainter painter(this);
    DrawFrame(painter, rect(), SysBtnShadow());
}

void TbsSkinCustomEdit::changeEvent(QEvent* event)
{
    TbsCustomEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustHeight();
}
