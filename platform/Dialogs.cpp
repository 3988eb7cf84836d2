// The dialog seam: the installed implementation and the platform dialogs expressed through it.
#include "Dialogs.h"

#include "TApplication.h"
#include "TQtDialogs.h"

namespace {

struct TButtonKind {
    TModalResult Result;
    const char* Caption;
};

// Indexed by TMsgDlgBtn.
constexpr TButtonKind ButtonKinds[] = {
    {mrYes, "&Yes"},           {mrNo, "&No"},       {mrOk, "OK"},
    {mrCancel, "Cancel"},      {mrAbort, "&Abort"}, {mrRetry, "&Retry"},
    {mrIgnore, "&Ignore"},     {mrAll, "&All"},     {mrNoToAll, "N&oToAll"},
    {mrYesToAll, "&YesToAll"}, {mrNone, "&Help"},   {mrClose, "Close"},
};

TDialogs* Installed = nullptr;

QString ApplicationTitle()
{
    return Application ? Application->Title() : QString();
}

TModalResult ShowPlatformDialog(TDialogKind kind, const QString& caption, const QString& text,
                                TMsgDlgType type, TMsgDlgButtons buttons)
{
    return Dialogs().Show(TDialogRequest{kind, caption, text, type, buttons});
}

} // namespace

TModalResult ModalResultOf(TMsgDlgBtn button)
{
    return ButtonKinds[button].Result;
}

QString DefaultButtonCaption(TMsgDlgBtn button)
{
    return QString::fromLatin1(ButtonKinds[button].Caption);
}

QString DefaultDialogCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QStringLiteral("Warning");
    case mtError:
        return QStringLiteral("Error");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirm");
    case mtCustom:
        break;
    }
    return ApplicationTitle();
}

TDialogs& Dialogs()
{
    static TQtDialogs platformDialogs;
    return Installed ? *Installed : platformDialogs;
}

TDialogs* SetDialogs(TDialogs* dialogs)
{
    TDialogs* previous = Installed;
    Installed = dialogs;
    return previous;
}

void ShowErrorBox(const QString& text)
{
    ShowPlatformDialog(TDialogKind::ErrorBox, ApplicationTitle(), text, mtError, {mbOK});
}

void ShowMessage(const QString& text)
{
    ShowPlatformDialog(TDialogKind::MessageBox, ApplicationTitle(), text, mtCustom, {mbOK});
}

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    return ShowPlatformDialog(TDialogKind::MessageDlg, DefaultDialogCaption(type), text, type, buttons);
}
