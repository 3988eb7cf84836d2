// The modal run of a window the system built: show, wait for a result, hide.
#include "TModalForm.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QScopedValueRollback>

TModalForm::TModalForm(QWidget* parent) : TForm(parent) {}

TModalResult TModalForm::ShowModal()
{
    FModalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    Show();
    if (isVisible() && FModalResult == mrNone) {
        QEventLoop loop;
        QScopedValueRollback<QEventLoop*> running(FLoop, &loop);
        loop.exec(QEventLoop::DialogExec);
    }
    hide();
    return FModalResult == mrNone ? mrCancel : FModalResult;
}

void TModalForm::Done(TModalResult AResult)
{
    if (AResult == mrNone)
        return;
    FModalResult = AResult;
    if (FLoop)
        FLoop->quit();
}

void TModalForm::closeEvent(QCloseEvent* event)
{
    // Closing is the Cancel answer; TForm would hide the window or end the program.
    event->ignore();
    Done(mrCancel);
}

void TModalForm::hideEvent(QHideEvent* event)
{
    TForm::hideEvent(event);
    if (FLoop)
        FLoop->quit();
}
