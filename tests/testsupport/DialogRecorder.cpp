// Recording and refusing dialog implementations for tests.
#include "DialogRecorder.h"

#include "TModalForm.h"

#include <gtest/gtest.h>

TDialogRecorder::TDialogRecorder() : FPrevious(SetDialogs(this)) {}

TDialogRecorder::~TDialogRecorder()
{
    SetDialogs(FPrevious);
}

QStringList TDialogRecorder::Texts() const
{
    QStringList texts;
    for (const TDialogRequest& request : FShown)
        texts << request.Text;
    return texts;
}

TModalResult TDialogRecorder::Answer(const TDialogRequest& request, TModalResult ended)
{
    FShown.push_back(request);
    if (OnShown)
        OnShown(request);
    if (ended != mrNone)
        return ended;
    if (!FAnswers.empty()) {
        TModalResult result = FAnswers.front();
        FAnswers.pop_front();
        return result;
    }
    if (request.Buttons.Contains(mbOK))
        return mrOk;
    std::vector<TMsgDlgBtn> buttons = request.Buttons.Members();
    return buttons.empty() ? mrCancel : ModalResultOf(buttons.front());
}

TModalResult TDialogRecorder::Show(const TDialogRequest& request)
{
    return Answer(request);
}

TModalResult TDialogRecorder::RunModal(TModalForm& form, const TDialogRequest& request)
{
    if (OnDialog)
        OnDialog(form);
    return Answer(request, form.ModalResult());
}

TModalResult TUnexpectedDialogs::Show(const TDialogRequest& request)
{
    ADD_FAILURE() << "dialog shown without a recorder: " << request.Text.toStdString();
    return mrCancel;
}

TModalResult TUnexpectedDialogs::RunModal(TModalForm&, const TDialogRequest& request)
{
    return Show(request);
}
