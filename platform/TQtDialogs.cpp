// Qt's message box for the platform dialogs; the modal run of the windows the system builds.
#include "TQtDialogs.h"

#include "TModalForm.h"

#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace {

QMessageBox::Icon IconOf(const TDialogRequest& request)
{
    if (request.Kind == TDialogKind::MessageBox)
        return QMessageBox::NoIcon;
    switch (request.DlgType) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    case mtCustom:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole RoleOf(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes:
    case mbOK:
    case mbAll:
    case mbYesToAll:
        return QMessageBox::AcceptRole;
    case mbNo:
    case mbNoToAll:
        return QMessageBox::RejectRole;
    case mbCancel:
    case mbClose:
        return QMessageBox::RejectRole;
    case mbHelp:
        return QMessageBox::HelpRole;
    default:
        return QMessageBox::ActionRole;
    }
}

} // namespace

TModalResult TQtDialogs::Show(const TDialogRequest& request)
{
    QMessageBox box(IconOf(request), request.Caption, request.Text);
    std::map<const QAbstractButton*, TModalResult> results;
    for (TMsgDlgBtn kind : request.Buttons.Members()) {
        QString caption = DefaultButtonCaption(kind);
        results[box.addButton(caption, RoleOf(kind))] = ModalResultOf(kind);
    }
    box.exec();
    auto found = results.find(box.clickedButton());
    return found == results.end() ? mrCancel : found->second;
}

TModalResult TQtDialogs::RunModal(TModalForm& form, const TDialogRequest&)
{
    return form.ShowModal();
}
