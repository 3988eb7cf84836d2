// The to-do window: its controls bound to db.ADOQuery7 and its three buttons.
#include "Unit7.h"

#include "ControlFactory.h"
#include "ProgramSkinForm.h"
#include "QueryActions.h"
#include "Unit1.h"
#include "Unit2.h"
#include "bsDBGrids.h"
#include "bsSkinCtrls.h"
#include "bsdbctrls.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : TForm(parent)
{
    Form7 = this;
    setObjectName(QStringLiteral("Form7"));
    SetCaption(QStringLiteral("待办事项"));
    SetClientSize(840, 483);
    bsSkinForm1 = AttachProgramSkinForm(this, Form1->bsSkinData1);
    QWidget* client = ClientWidget();
    TbsSkinData* skin = Form1->bsSkinData1;

    bsSkinDBGrid1 = CreateControl<TbsSkinDBGrid>(client, "bsSkinDBGrid1", 8, 8, 824, 273);
    SetUpRecordGrid(*bsSkinDBGrid1, db->DataSource7, skin);

    bsSkinStdLabel1 = CreateControl<TbsSkinStdLabel>(client, "bsSkinStdLabel1", 8, 287);
    bsSkinStdLabel1->SetCaption(QStringLiteral("待办日期： "));
    bsSkinStdLabel1->SetSkinData(skin);
    bsSkinDBEdit2 = CreateControl<TbsSkinDBEdit>(client, "bsSkinDBEdit2", 77, 287, 121);
    bsSkinDBEdit2->SetDataSource(db->DataSource7);
    bsSkinDBEdit2->SetDataField(QStringLiteral("日期"));
    bsSkinDBEdit2->SetSkinData(skin);

    LB1 = CreateControl<TbsSkinStdLabel>(client, "LB1", 256, 287);
    LB1->SetCaption(QStringLiteral("事项标题： "));
    LB1->SetSkinData(skin);
    bsSkinDBEdit1 = CreateControl<TbsSkinDBEdit>(client, "bsSkinDBEdit1", 325, 287, 284);
    bsSkinDBEdit1->SetDataSource(db->DataSource7);
    bsSkinDBEdit1->SetDataField(QStringLiteral("事项目"));
    bsSkinDBEdit1->SetSkinData(skin);

    bsSkinDBMemo1 = CreateControl<TbsSkinDBMemo>(client, "bsSkinDBMemo1", 8, 312, 824, 133);
    bsSkinDBMemo1->SetDataSource(db->DataSource7);
    bsSkinDBMemo1->SetDataField(QStringLiteral("说明"));
    bsSkinDBMemo1->SetBitMapBG(true);
    bsSkinDBMemo1->SetSkinData(skin);

    bsSkinButton1 = CreateControl<TbsSkinButton>(client, "bsSkinButton1", 558, 451, 75, 25);
    bsSkinButton1->SetCaption(QStringLiteral("新建"));
    bsSkinButton1->OnClick = [this] { bsSkinButton1Click(); };
    bsSkinButton3 = CreateControl<TbsSkinButton>(client, "bsSkinButton3", 639, 450, 75, 25);
    bsSkinButton3->SetCaption(QStringLiteral("删除"));
    bsSkinButton3->OnClick = [this] { bsSkinButton3Click(); };
    bsSkinButton2 = CreateControl<TbsSkinButton>(client, "bsSkinButton2", 720, 450, 75, 25);
    bsSkinButton2->SetCaption(QStringLiteral("退出"));
    bsSkinButton2->OnClick = [this] { bsSkinButton2Click(); };

    SetTabOrder({bsSkinDBGrid1, bsSkinDBEdit1, bsSkinDBEdit2, bsSkinDBMemo1, bsSkinButton1, bsSkinButton2,
                 bsSkinButton3});

    OnHide = [this] { PostPendingChange(); };
}

void TForm7::bsSkinButton1Click()
{
    AddRowAndReopen(*db->ADOQuery7, QStringLiteral("insert into 待办事项(说明) values(' ') "),
                    QStringLiteral("select * from 待办事项"));
}

void TForm7::bsSkinButton3Click()
{
    db->ADOQuery7->Delete();
}

void TForm7::bsSkinButton2Click()
{
    Close();
}

void TForm7::PostPendingChange()
{
    ::PostPendingChange(*db->ADOQuery7);
}
