// The grid's in-place editor: its contents from the grid and the keys it passes on.
#include "bsSkinInplaceEdit.h"

#include "bsSkinGrids.h"

#include <QApplication>
#include <QKeyEvent>

TbsSkinInplaceEdit::TbsSkinInplaceEdit(TbsSkinCustomGrid* grid)
    : TbsSkinTransparentMaskEdit(grid), FGrid(grid)
{
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    setTextMargins(2, 2, 2, 0);
    hide();
}

void TbsSkinInplaceEdit::UpdateContents()
{
    const int col = FGrid->Col(), row = FGrid->Row();
    SetEditMask(FGrid->GetEditMask(col, row));
    setText(FGrid->GetEditText(col, row));
    const int limit = FGrid->GetEditLimit();
    setMaxLength(limit > 0 ? limit : 32767);
    selectAll();
}

void TbsSkinInplaceEdit::Move(const QRect& r)
{
    setGeometry(r);
    if (!isVisible()) {
        show();
        if (FGrid->hasFocus())
            setFocus(Qt::OtherFocusReason);
    }
}

void TbsSkinInplaceEdit::Hide()
{
    if (!isVisible())
        return;
    const bool hadFocus = hasFocus();
    hide();
    if (hadFocus)
        FGrid->setFocus(Qt::OtherFocusReason);
}

bool TbsSkinInplaceEdit::CanChangeText()
{
    return !ReadOnly() && FGrid->GetEditLimit() != -1 && FGrid->CanEditModify();
}

void TbsSkinInplaceEdit::Change()
{
    FGrid->EditorChanged();
    TbsSkinTransparentMaskEdit::Change();
}

void TbsSkinInplaceEdit::focusInEvent(QFocusEvent* event)
{
    TbsSkinTransparentMaskEdit::focusInEvent(event);
    // Both the editor and its cell look focused.
    FGrid->InvalidateCell(FGrid->Col(), FGrid->Row());
}

bool TbsSkinInplaceEdit::PassToGrid(QKeyEvent* event)
{
    bool handled = false;
    CallHandler([&] { handled = FGrid->KeyDown(event); });
    return handled;
}

void TbsSkinInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool atStart = cursorPosition() == 0 && !hasSelectedText();
    const bool atEnd = cursorPosition() == text().size() && !hasSelectedText();
    bool toGrid = false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
        toGrid = true;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        toGrid = !(event->modifiers() & Qt::AltModifier);
        break;
    case Qt::Key_Left:
    case Qt::Key_Home:
        toGrid = atStart || ctrl;
        break;
    case Qt::Key_Right:
    case Qt::Key_End:
        toGrid = atEnd || ctrl;
        break;
    case Qt::Key_Insert:
        toGrid = !(event->modifiers() & Qt::ShiftModifier);
        break;
    case Qt::Key_F2:
        // Between all selected and the caret at the end.
        hasSelectedText() ? end(false) : selectAll();
        return;
    default:
        break;
    }
    if (toGrid && PassToGrid(event))
        return;
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !FGrid->CanEditAcceptKey(typed.at(0))) {
        QApplication::beep();
        return;
    }
    TbsSkinTransparentMaskEdit::keyPressEvent(event);
}
