// The login window: the account list, the password, and the way into the main window. It also
// carries the components the whole program shares: the skin repository and the message dialog.
#pragma once

#include "Dialogs.h"
#include "TForm.h"

#include <QByteArray>
#include <exception>

class TbsCompressedStoredSkin;
class TbsSkinComboBox;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinMessage;
class TbsSkinSpeedButton;
class TbsSkinStdLabel;

class TbsSkinForm;

class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The skinned frame.
    TbsSkinForm* bsSkinForm1 = nullptr;

    // The program's one skin repository and the stored skin it loads, the program's own skin. They
    // are created first, before any control of any window, because every skinned control links to
    // bsSkinData1.
    TbsSkinData* bsSkinData1 = nullptr;
    TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
    // The skinned message dialog every window shows its messages with.
    TbsSkinMessage* bsSkinMessage1;

    TbsSkinStdLabel* bsSkinStdLabel1;
    TbsSkinStdLabel* bsSkinStdLabel2;
    TbsSkinStdLabel* bsSkinStdLabel3;
    TbsSkinComboBox* cmbUserName;
    TbsSkinEdit* edtpassword;
    TbsSkinSpeedButton* btnOK;
    TbsSkinSpeedButton* btnCancel;

    // Fills the account list; runs while the window is created, and again before a login when the
    // list could not be read then.
    void FormCreate();
    // Admits the operator when the account and the password match a row of 管理员.
    void btnOKClick();
    // Closes the login window, which ends the program.
    void btnCancelClick();

    // Whether reading the account list has shown a message (a failure, no account, a read-only
    // file), at the creation or since.
    bool MessageShown() const { return FMessageShown; }

private:
    // Reads the account list from the file; answers whether it could. A failure is shown, with its
    // cause, when reportFailure is set. The first successful read also says when the file cannot
    // be written.
    bool ReadAccounts(bool reportFailure);
    // "连接数据库出错!" and, on the line below, what is wrong.
    static QString ConnectionErrorText(const std::exception& error);
    // Shows a message of the account list with an OK button.
    void Tell(const QString& text, TMsgDlgType type);

    bool FAccountsRead = false;
    bool FReadOnlyTold = false;
    bool FMessageShown = false;
};

extern TForm1* Form1;

// Gives the stored skin ACompressed as its compressed form and connects the repository to it, which
// loads it. A stored skin that is empty or does not unpack leaves the repository empty, so that
// every window keeps its default look instead of failing to start.
void LoadStoredSkin(TbsSkinData& ASkinData, TbsCompressedStoredSkin& AStoredSkin,
                    const QByteArray& ACompressed);
