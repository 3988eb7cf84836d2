// A dialog implementation for tests: records every dialog and answers it without showing it.
#pragma once

#include "Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Installs itself for its lifetime and puts the previous implementation back afterwards.
class TDialogRecorder : public TDialogs {
public:
    TDialogRecorder();
    ~TDialogRecorder() override;
    TDialogRecorder(const TDialogRecorder&) = delete;
    TDialogRecorder& operator=(const TDialogRecorder&) = delete;

    // Queues the answer of the next dialog. Without a queued answer a dialog is answered mrOk when
    // it has an OK button, else with its first button, else mrCancel.
    void AnswerNext(TModalResult result) { FAnswers.push_back(result); }

    const std::vector<TDialogRequest>& Shown() const { return FShown; }
    QStringList Texts() const;
    void Clear() { FShown.clear(); }

    // Called with every dialog as it is shown, before it is answered.
    std::function<void(const TDialogRequest&)> OnShown;
    // Called with every dialog the system built itself, before it is answered, so that a test can
    // look at its controls or press its keys. A dialog that this ended (a button pressed) is
    // answered with its own result.
    std::function<void(TModalForm&)> OnDialog;

    TModalResult Show(const TDialogRequest& request) override;
    TModalResult RunModal(TModalForm& form, const TDialogRequest& request) override;

private:
    // ended: the result of a dialog that OnDialog already ended, which stands as the answer.
    TModalResult Answer(const TDialogRequest& request, TModalResult ended = mrNone);

    TDialogs* FPrevious;
    std::vector<TDialogRequest> FShown;
    std::deque<TModalResult> FAnswers;
};

// Installed by the test main: any dialog shown while no recorder is installed fails the test
// instead of waiting for a click that never comes.
class TUnexpectedDialogs : public TDialogs {
public:
    TModalResult Show(const TDialogRequest& request) override;
    TModalResult RunModal(TModalForm& form, const TDialogRequest& request) override;
};
