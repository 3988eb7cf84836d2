// A window the system builds for one question and runs modally until a button ends it.
#pragma once

#include "Dialogs.h"
#include "TForm.h"

class QEventLoop;

// Shown application-modal by ShowModal, which returns once Done gave the window its result or the
// window was closed or hidden otherwise (then the result is mrCancel). Closing it never ends the
// program, even when it is the first window created.
class TModalForm : public TForm {
    Q_OBJECT
public:
    explicit TModalForm(QWidget* parent = nullptr);

    TModalResult ShowModal();
    // Ends the modal run with AResult; mrNone leaves the window running.
    void Done(TModalResult AResult);
    // The result given by Done, mrNone while none was given.
    TModalResult ModalResult() const { return FModalResult; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TModalResult FModalResult = mrNone;
    QEventLoop* FLoop = nullptr;
};
