// Recording and refusing dialog implementations for tests.
#include "DialogRecorder.h"

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

TModalResult TDialogRecorder::Answer(const TDialogRequest& request)
{
    FShown.push_back(request);
    if (OnShown)
        OnShown(request);
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

TModalResult TDialogRecorder::RunModal(QDialog& dialog, const TDialogRequest& request)
{
    if (OnDialog)
        OnDialog(dialog);
    return Answer(request);
}

TModalResult TUnexpectedDialogs::Show(const TDialogRequest& request)
{
    ADD_FAILURE() << "dialog shown without a recorder: " << request.Text.toStdString();
    return mrCancel;
}

TModalResult TUnexpectedDialogs::RunModal(QDialog&, const TDialogRequest& request)
{
    return Show(request);
}
