// The account window: its controls bound to db.ADOQuery8 and its three buttons.
#include "Unit8.h"

#include "ControlFactory.h"
#include "ProgramSkinForm.h"
#include "QueryActions.h"
#include "TQuery.h"
#include "Unit1.h"
#include "Unit2.h"
#include "bsDBGrids.h"
#include "bsMessages.h"
#include "bsSkinCtrls.h"
#include "bsdbctrls.h"

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : TForm(parent)
{
    Form8 = this;
    setObjectName(QStringLiteral("Form8"));
    SetCaption(QStringLiteral("用户管理"));
    SetClientSize(394, 383);
    bsSkinForm1 = AttachProgramSkinForm(this, Form1->bsSkinData1);
    QWidget* client = ClientWidget();
    TbsSkinData* skin = Form1->bsSkinData1;

    bsSkinDBGrid1 = CreateControl<TbsSkinDBGrid>(client, "bsSkinDBGrid1", 8, 8, 289, 257);
    SetUpRecordGrid(*bsSkinDBGrid1, db->DataSource8, skin);

    bsSkinStdLabel1 = CreateControl<TbsSkinStdLabel>(client, "bsSkinStdLabel1", 24, 280);
    bsSkinStdLabel1->SetCaption(QStringLiteral("用户名： "));
    bsSkinDBEdit1 = CreateControl<TbsSkinDBEdit>(client, "bsSkinDBEdit1", 81, 280, 121);
    bsSkinDBEdit1->SetDataSource(db->DataSource8);
    bsSkinDBEdit1->SetDataField(QStringLiteral("账号"));
    bsSkinDBEdit1->SetSkinData(skin);

    bsSkinStdLabel2 = CreateControl<TbsSkinStdLabel>(client, "bsSkinStdLabel2", 24, 332);
    bsSkinStdLabel2->SetCaption(QStringLiteral("密码："));
    bsSkinDBEdit2 = CreateControl<TbsSkinDBEdit>(client, "bsSkinDBEdit2", 81, 329, 121);
    bsSkinDBEdit2->SetDataSource(db->DataSource8);
    bsSkinDBEdit2->SetDataField(QStringLiteral("密码"));

    bsSkinButton1 = CreateControl<TbsSkinButton>(client, "bsSkinButton1", 232, 280, 75, 25);
    bsSkinButton1->SetCaption(QStringLiteral("新建"));
    bsSkinButton1->SetSkinData(skin);
    bsSkinButton1->OnClick = [this] { bsSkinButton1Click(); };
    bsSkinButton2 = CreateControl<TbsSkinButton>(client, "bsSkinButton2", 232, 323, 75, 25);
    bsSkinButton2->SetCaption(QStringLiteral("退出"));
    bsSkinButton2->SetSkinData(skin);
    bsSkinButton2->OnClick = [this] { bsSkinButton2Click(); };
    // The middle button is drawn over the edges of the other two.
    bsSkinButton3 = CreateControl<TbsSkinButton>(client, "bsSkinButton3", 232, 301, 75, 25);
    bsSkinButton3->SetCaption(QStringLiteral("删除"));
    bsSkinButton3->SetSkinData(skin);
    bsSkinButton3->OnClick = [this] { bsSkinButton3Click(); };

    SetTabOrder({bsSkinDBGrid1, bsSkinDBEdit1, bsSkinDBEdit2, bsSkinButton1, bsSkinButton2, bsSkinButton3});

    OnHide = [this] { PostPendingChange(); };
}

void TForm8::bsSkinButton1Click()
{
    AddRowAndReopen(*db->ADOQuery8, QStringLiteral("insert into 管理员(账号) values(' ') "),
                    QStringLiteral("select * from 管理员"));
}

void TForm8::bsSkinButton3Click()
{
    TQuery& accounts = *db->ADOQuery8;
    // Without any account nobody can log in at the next start; the file decides, since another
    // program may have changed it since the list was read.
    const bool storedRow = accounts.Active() && accounts.State() != dsInsert && accounts.RecordCount() > 0;
    if (storedRow && AccountsInFile() <= 1) {
        Form1->bsSkinMessage1->MessageDlg(QStringLiteral("最后一个用户不能删除，否则下次将无法登录"),
                                          mtWarning, {mbOK}, 0);
        return;
    }
    accounts.Delete();
}

int TForm8::AccountsInFile()
{
    TQuery query;
    query.Connection = db->acPer;
    query.SetSQL(QStringLiteral("select * from 管理员"));
    query.Open();
    return query.RecordCount();
}

void TForm8::bsSkinButton2Click()
{
    Close();
}

void TForm8::PostPendingChange()
{
    ::PostPendingChange(*db->ADOQuery8);
}
