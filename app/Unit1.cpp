// The login window: its controls, the account list and the login check.
#include "Unit1.h"

#include "DatabaseFileState.h"
#include "Dialogs.h"
#include "FontSetup.h"
#include "ProgramSkinForm.h"
#include "SkinChoice.h"
#include "TApplication.h"
#include "TQuery.h"
#include "Unit2.h"
#include "Unit3.h"
#include "bsMessages.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinData.h"

TForm1* Form1 = nullptr;

namespace {

// Bound parameters send a null string as a null value, which equals nothing; an empty password
// must be compared as empty text.
QString AsText(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

} // namespace

void LoadStoredSkin(TbsSkinData& ASkinData, TbsCompressedStoredSkin& AStoredSkin,
                    const QByteArray& ACompressed)
{
    AStoredSkin.SetCompressedData(ACompressed);
    try {
        ASkinData.SetCompressedStoredSkin(&AStoredSkin);
    } catch (const Exception&) {
        ASkinData.ClearAll();
    }
}

TForm1::TForm1(QWidget* parent) : TForm(parent)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));

    bsCompressedStoredSkin1 = new TbsCompressedStoredSkin(this);
    bsCompressedStoredSkin1->setObjectName(QStringLiteral("bsCompressedStoredSkin1"));
    bsCompressedStoredSkin1->SetCompressedFileName(QStringLiteral("ourskin.skn"));
    bsSkinData1 = new TbsSkinData(this);
    bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
    bsSkinData1->SetSkinIndex(0);
    bsSkinData1->SetSkinnableForm(true);
    bsSkinData1->SetEnableSkinEffects(true);
    bsSkinData1->SetShowButtonGlowFrames(true);
    bsSkinData1->SetShowCaptionButtonGlowFrames(true);
    bsSkinData1->SetShowLayeredBorders(true);
    bsSkinData1->SetAeroBlurEnabled(true);
    bsSkinData1->SetAnimationForAllWindows(false);
    bsSkinData1->SetDlgTreeViewDrawSkin(true);
    bsSkinData1->SetDlgTreeViewItemSkinDataName(QStringLiteral("listbox"));
    bsSkinData1->SetDlgListViewDrawSkin(true);
    bsSkinData1->SetDlgListViewItemSkinDataName(QStringLiteral("listbox"));
    LoadSkinChoice(*bsSkinData1, *bsCompressedStoredSkin1, ProgramSkinChoice());
    SetCaption(QStringLiteral("人事管理系统 - 登录"));
    SetClientSize(327, 203);
    bsSkinForm1 = AttachProgramSkinForm(this, bsSkinData1);
    // The font configuration was read on another thread while the skin loaded and the frame was
    // made, which only name fonts: the labels below measure the program's first text.
    AwaitFontSetup();

    bsSkinMessage1 = new TbsSkinMessage(this);
    bsSkinMessage1->setObjectName(QStringLiteral("bsSkinMessage1"));
    QFont messageFont(QStringLiteral("Tahoma"));
    messageFont.setPixelSize(13);
    bsSkinMessage1->DefaultFont = messageFont;
    bsSkinMessage1->DefaultButtonFont = messageFont;

    QWidget* client = ClientWidget();
    bsSkinStdLabel1 = new TbsSkinStdLabel(client);
    bsSkinStdLabel1->setObjectName(QStringLiteral("bsSkinStdLabel1"));
    bsSkinStdLabel1->SetCaption(QStringLiteral("欢迎登录人事管理系统    "));
    bsSkinStdLabel1->move(96, 24);
    bsSkinStdLabel2 = new TbsSkinStdLabel(client);
    bsSkinStdLabel2->setObjectName(QStringLiteral("bsSkinStdLabel2"));
    bsSkinStdLabel2->SetCaption(QStringLiteral("用户名：   "));
    bsSkinStdLabel2->move(48, 68);
    bsSkinStdLabel3 = new TbsSkinStdLabel(client);
    bsSkinStdLabel3->setObjectName(QStringLiteral("bsSkinStdLabel3"));
    bsSkinStdLabel3->SetCaption(QStringLiteral("密码：   "));
    bsSkinStdLabel3->move(48, 104);

    cmbUserName = new TbsSkinComboBox(client);
    cmbUserName->setObjectName(QStringLiteral("cmbUserName"));
    cmbUserName->SetStyle(bscbFixedStyle);
    cmbUserName->SetAutoComplete(true);
    cmbUserName->SetDropDownCount(8);
    cmbUserName->SetListBoxDefaultItemHeight(20);
    cmbUserName->setGeometry(120, 64, 160, 20);
    cmbUserName->SetSkinData(bsSkinData1);

    edtpassword = new TbsSkinEdit(client);
    edtpassword->setObjectName(QStringLiteral("edtpassword"));
    edtpassword->setGeometry(120, 100, 160, edtpassword->height());
    edtpassword->SetSkinData(bsSkinData1);

    btnOK = new TbsSkinSpeedButton(client);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->SetCaption(QStringLiteral("确定"));
    btnOK->setGeometry(56, 148, 97, 33);
    btnOK->SetSkinData(bsSkinData1);
    btnOK->OnClick = [this] { btnOKClick(); };

    btnCancel = new TbsSkinSpeedButton(client);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->SetCaption(QStringLiteral("退出"));
    btnCancel->setGeometry(176, 148, 97, 33);
    btnCancel->SetSkinData(bsSkinData1);
    btnCancel->OnClick = [this] { btnCancelClick(); };

    // The window's own font goes in once its controls are made: each of them shows a font of its
    // own, and an edit made inside the window would first lay out its empty text in the window's
    // font, loading a font that nothing on the login window draws with.
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    setTabOrder(cmbUserName, edtpassword);
    cmbUserName->setFocus();

    CallHandler([this] { FormCreate(); });
}

void TForm1::FormCreate()
{
    ReadAccounts(true);
}

bool TForm1::ReadAccounts(bool reportFailure)
{
    cmbUserName->ClearItems();
    FAccountsRead = false;
    try {
        TQuery query;
        query.setObjectName(QStringLiteral("管理员")); // names the table in a missing column's message
        query.Connection = db->acPer;
        query.SetSQL(QStringLiteral("select * from 管理员"));
        query.Open();
        if (query.RecordCount() == 0) {
            FAccountsRead = true;
            Tell(QStringLiteral("没有可以登陆的用户名"), mtError);
            return true;
        }
        for (query.First(); !query.Eof(); query.Next())
            cmbUserName->AddItem(query.FieldByName(QStringLiteral("账号"))->AsString());
        cmbUserName->SetItemIndex(0);
        FAccountsRead = true;
    } catch (const std::exception& error) {
        if (reportFailure)
            Tell(ConnectionErrorText(error), mtError);
        return false;
    }
    if (!FReadOnlyTold && DatabaseIsReadOnly(*db->acPer)) {
        FReadOnlyTold = true;
        Tell(QStringLiteral("数据库文件是只读的，修改将无法保存"), mtWarning);
    }
    return true;
}

void TForm1::Tell(const QString& text, TMsgDlgType type)
{
    FMessageShown = true;
    bsSkinMessage1->MessageDlg(text, type, {mbOK}, 0);
}

QString TForm1::ConnectionErrorText(const std::exception& error)
{
    return QStringLiteral("连接数据库出错!\n") + DatabaseFailureCause(*db->acPer, error);
}

void TForm1::btnOKClick()
{
    // A list that could not be read at start-up (a lock held for a moment, say) is read again; if
    // it still cannot be, the check below fails the same way and says why.
    if (!FAccountsRead)
        ReadAccounts(false);
    try {
        TQuery query;
        query.Connection = db->acPer;
        query.SetSQL(QStringLiteral("select * from 管理员 where 账号=:UserName and 密码=:userpwd"));
        query.ParamByName(QStringLiteral("UserName"))->Value = AsText(cmbUserName->Text());
        query.ParamByName(QStringLiteral("userpwd"))->Value = AsText(edtpassword->Text());
        query.Open();
        if (query.RecordCount() > 0) {
            edtpassword->SetText(QString());
            query.Close();
            Form3->Show();
            Hide();
        } else {
            bsSkinMessage1->MessageDlg(QStringLiteral("请输入正确的用户名和密码"), mtError, {mbOK}, 0);
        }
    } catch (const std::exception& error) {
        bsSkinMessage1->MessageDlg(ConnectionErrorText(error), mtError, {mbOK}, 0);
    }
}

void TForm1::btnCancelClick()
{
    Close();
}
