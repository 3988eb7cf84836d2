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
#include <limits>

TbsCustomEdit::TbsCustomEdit(QWidget* parent) : TbsTextInput<QLineEdit>(parent, false)
{
    setAcceptDrops(false);
    // Qt's default limit of 32,767 characters would cut a longer value as soon as it is shown and
    // write the cut text back; the columns behind the edits hold text of any length.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { Change(); });
}

void TbsCustomEdit::contextMenuEvent(QContextMenuEvent* event)
{
    ShowEditMenu(event->globalPos(), isUndoAvailable(), hasSelectedText(),
                 selectionStart() == 0 && selectedText() == text(), [this] { del(); });
}

TbsSkinCustomEdit::TbsSkinCustomEdit(QWidget* parent)
    : TbsSkinLinked<TbsCustomEdit>(QStringLiteral("edit"), parent)
{
    setFrame(false);
    // The frame of the default look: 1 pixel at the left, 2 at the top, right and bottom; inside
    // it the text starts 2 pixels in.
    setTextMargins(1 + 2, 2, 2, 2);
    resize(121, height());
    AdjustHeight();
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
