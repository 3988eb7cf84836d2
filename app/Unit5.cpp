// The add-department dialog: its controls and the insert.
#include "Unit5.h"

#include "ControlFactory.h"
#include "DataAccess.h"
#include "Dialogs.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "bsMessages.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : TForm(parent)
{
    Form5 = this;
    setObjectName(QStringLiteral("Form5"));
    SetCaption(QStringLiteral("添加部门"));
    SetClientSize(260, 99);
    QWidget* client = ClientWidget();

    bsSkinStdLabel1 = CreateControl<TbsSkinStdLabel>(client, "bsSkinStdLabel1", 20, 24);
    bsSkinStdLabel1->SetCaption(QStringLiteral("部门名："));
    bsSkinEdit1 = CreateControl<TbsSkinEdit>(client, "bsSkinEdit1", 80, 20, 160);
    bsSkinButton1 = CreateControl<TbsSkinButton>(client, "bsSkinButton1", 48, 62, 75, 25);
    bsSkinButton1->SetCaption(QStringLiteral("确定"));
    bsSkinButton1->OnClick = [this] { bsSkinButton1Click(); };
    bsSkinButton2 = CreateControl<TbsSkinButton>(client, "bsSkinButton2", 138, 62, 75, 25);
    bsSkinButton2->SetCaption(QStringLiteral("取消"));
    bsSkinButton2->OnClick = [this] { bsSkinButton2Click(); };
    SetTabOrder({bsSkinEdit1, bsSkinButton1, bsSkinButton2});
}

void TForm5::bsSkinButton1Click()
{
    // Blanks count as a name; only an empty edit adds nothing.
    const QString name = bsSkinEdit1->Text();
    if (name.isEmpty())
        return;
    try {
        TQuery query;
        query.Connection = db->acPer;
        query.SetSQL(QStringLiteral("insert into 部门管理(部门名,上级部门) values(:部门名,:上级部门)"));
        query.ParamByName(QStringLiteral("部门名"))->Value = name;
        query.ParamByName(QStringLiteral("上级部门"))->Value = id;
        query.ExecSQL();
        Form4->lv();
        Form1->bsSkinMessage1->MessageDlg(QStringLiteral("添加成功"), mtCustom, {mbOK}, 0);
        bsSkinEdit1->SetText(QString());
    } catch (const std::exception&) {
        Form1->bsSkinMessage1->MessageDlg(QStringLiteral("连接数据库出错!"), mtError, {mbOK}, 0);
    }
}

void TForm5::bsSkinButton2Click()
{
    Close();
}
