// The department picker: its tree and menu, and choosing a department for the current person.
#include "Unit6.h"

#include "ControlFactory.h"
#include "DataAccess.h"
#include "DepartmentTree.h"
#include "ProgramSkinForm.h"
#include "TNodeData.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinMenus.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : TForm(parent)
{
    Form6 = this;
    setObjectName(QStringLiteral("Form6"));
    SetCaption(QStringLiteral("部门选择"));
    SetClientSize(238, 362);
    bsSkinForm1 = AttachProgramSkinForm(this, Form1->bsSkinData1);

    tvper = CreateControl<TbsSkinTreeView>(ClientWidget(), "tvper", 0, 0, 238, 362);
    AttachSkinScrollBars(tvper, Form1->bsSkinData1);
    tvper->SetDrawSkin(false);
    tvper->SetHideSelection(false);
    tvper->SetRightClickSelect(true);
    bsSkinPopupMenu1 = new TbsSkinPopupMenu(this);
    bsSkinPopupMenu1->setObjectName(QStringLiteral("bsSkinPopupMenu1"));
    bsSkinPopupMenu1->SkinData = Form1->bsSkinData1;
    N1 = bsSkinPopupMenu1->Items()->Add("N1", QStringLiteral("选择"), [this] { N1Click(); });
    tvper->SetPopupMenu(bsSkinPopupMenu1);
}

void TForm6::N1Click()
{
    const TNodeData* department = NodeData(tvper->Selected());
    if (!department)
        return;
    TQuery& people = *db->ADOQuery1;
    people.Edit();
    people.FieldByName(QStringLiteral("部门"))->SetAsInteger(department->ID);
    people.Post();
    Form4->info();
    Close();
}
