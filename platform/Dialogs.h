// The one door through which the system shows a modal dialog: the platform's error box, plain
// message box and standard message dialog, and the modal loop of dialogs the system builds itself.
#pragma once

#include "TSet.h"

#include <QString>

class TModalForm;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button kinds, in the order in which a dialog lays them out.
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};

// A set of button kinds; Members() lists them in layout order.
using TMsgDlgButtons = TSet<TMsgDlgBtn, mbClose>;

// The answer of a modal dialog: the modal result of the button pressed; mrCancel when the dialog
// was closed otherwise.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrClose = 8, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14;

TModalResult ModalResultOf(TMsgDlgBtn button);
// The platform's default caption of a button kind ("OK", "&Yes", ...).
QString DefaultButtonCaption(TMsgDlgBtn button);
// The platform's default caption of a dialog type ("Error", "Confirm", ...); the application's
// title for mtCustom.
QString DefaultDialogCaption(TMsgDlgType type);

enum class TDialogKind {
    ErrorBox,   // the application's general error display
    MessageBox, // the plain message box
    MessageDlg, // the platform's standard message dialog with an icon and buttons
    SkinMessage // a dialog the system built itself (the skinned message dialog)
};

// What a dialog shows: enough for the platform to build it and for a test to check it.
struct TDialogRequest {
    TDialogKind Kind = TDialogKind::MessageBox;
    QString Caption;
    QString Text;
    TMsgDlgType DlgType = mtCustom;
    TMsgDlgButtons Buttons;
};

// The dialog implementation in use. The program installs the Qt one; tests install a recorder
// that answers without showing anything.
class TDialogs {
public:
    virtual ~TDialogs() = default;
    // Shows a platform dialog described by request and answers the modal result.
    virtual TModalResult Show(const TDialogRequest& request) = 0;
    // Runs the modal loop of a window the caller built; request describes what it shows.
    virtual TModalResult RunModal(TModalForm& form, const TDialogRequest& request) = 0;
};

// The installed implementation; the Qt one when nothing was installed.
TDialogs& Dialogs();
// Installs an implementation (nullptr: back to the Qt one) and returns the previous one.
TDialogs* SetDialogs(TDialogs* dialogs);

// The application's error display: caption the application's title, error icon, one OK button.
void ShowErrorBox(const QString& text);
// The plain message box: caption the application's title, no icon, one OK button.
void ShowMessage(const QString& text);
// The platform's standard message dialog, captioned by its type.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
