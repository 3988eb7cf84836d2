// The main window: its buttons, labels and pictures, and where each button leads.
#include "Unit3.h"

#include "MainWindowPictures.h"
#include "ProgramSkinForm.h"
#include "TApplication.h"
#include "TImageList.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Unit7.h"
#include "Unit8.h"
#include "bsMessages.h"
#include "bsSkinCtrls.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : TForm(parent)
{
    Form3 = this;
    setObjectName(QStringLiteral("Form3"));
    SetCaption(QStringLiteral(" 人事信息管理系统  人事部信息组 制作"));
    SetClientSize(720, 432);
    bsSkinForm1 = AttachProgramSkinForm(this, Form1->bsSkinData1);

    ImageList2 = new TImageList(64, 64, this);
    ImageList2->setObjectName(QStringLiteral("ImageList2"));
    AddMainWindowPictures(*ImageList2);

    bsSkinSpeedButton3 = MakeButton("bsSkinSpeedButton3", QStringLiteral("待办事项"), 2, 126, 100);
    bsSkinSpeedButton2 = MakeButton("bsSkinSpeedButton2", QStringLiteral("档案管理"), 0, 264, 100);
    bsSkinSpeedButton1 = MakeButton("bsSkinSpeedButton1", QStringLiteral("数据库管理"), 1, 402, 100);
    bsSkinSpeedButton4 = MakeButton("bsSkinSpeedButton4", QStringLiteral("人事变更"), 3, 522, 100);
    bsSkinSpeedButton5 = MakeButton("bsSkinSpeedButton5", QStringLiteral("管理用户"), 4, 162, 236);
    bsSkinSpeedButton7 = MakeButton("bsSkinSpeedButton7", QStringLiteral("重新登录"), 6, 330, 236);
    bsSkinSpeedButton6 = MakeButton("bsSkinSpeedButton6", QStringLiteral("退出"), 5, 490, 236);
    bsSkinSpeedButton1->SetSkinData(Form1->bsSkinData1);
    bsSkinSpeedButton1->OnClick = [this] { bsSkinSpeedButton1Click(); };
    bsSkinSpeedButton2->OnClick = [this] { bsSkinSpeedButton2Click(); };
    bsSkinSpeedButton3->OnClick = [this] { bsSkinSpeedButton3Click(); };
    bsSkinSpeedButton4->OnClick = [this] { bsSkinSpeedButton4Click(); };
    bsSkinSpeedButton5->OnClick = [this] { bsSkinSpeedButton5Click(); };
    bsSkinSpeedButton6->OnClick = [this] { bsSkinSpeedButton6Click(); };
    bsSkinSpeedButton7->OnClick = [this] { bsSkinSpeedButton7Click(); };

    bsSkinStdLabel1 = new TbsSkinStdLabel(ClientWidget());
    bsSkinStdLabel1->setObjectName(QStringLiteral("bsSkinStdLabel1"));
    QFont title(QStringLiteral("MS Sans Serif"));
    title.setPixelSize(32);
    title.setBold(true);
    bsSkinStdLabel1->setFont(title);
    QFont titleDefault(QStringLiteral("Tahoma"));
    titleDefault.setPixelSize(21);
    bsSkinStdLabel1->SetDefaultFont(titleDefault);
    bsSkinStdLabel1->SetUseSkinFont(true);
    bsSkinStdLabel1->SetCaption(QStringLiteral("人事信息管理系统 "));
    bsSkinStdLabel1->move(288, 24);

    bsSkinStdLabel2 = new TbsSkinStdLabel(ClientWidget());
    bsSkinStdLabel2->setObjectName(QStringLiteral("bsSkinStdLabel2"));
    bsSkinStdLabel2->SetCaption(
        QStringLiteral("友情提示：如果你发现了错误，或者有什么好的建议，请联系人事部信息组（分机 8021）"));
    bsSkinStdLabel2->move(162, 400);

    OnClose = [this](TCloseAction& Action) { FormClose(Action); };
}

TbsSkinSpeedButton* TForm3::MakeButton(const char* name, const QString& caption, int picture, int left,
                                       int top)
{
    auto* button = new TbsSkinSpeedButton(ClientWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->SetSkinDataName(QStringLiteral("resizetoolbutton"));
    button->SetFlat(true);
    button->SetLayout(blGlyphTop);
    button->SetImageList(ImageList2);
    button->SetImageIndex(picture);
    button->SetCaption(caption);
    button->setGeometry(left, top, 95, 93);
    return button;
}

void TForm3::ShowUnfinished()
{
    Form1->bsSkinMessage1->MessageDlg(QStringLiteral("功能开发中"), mtError, {mbOK}, 0);
}

void TForm3::bsSkinSpeedButton1Click()
{
    ShowUnfinished();
}

void TForm3::bsSkinSpeedButton2Click()
{
    Form4->N4Click();
    Form4->Show();
}

void TForm3::bsSkinSpeedButton3Click()
{
    Form7->Show();
}

void TForm3::bsSkinSpeedButton4Click()
{
    ShowUnfinished();
}

void TForm3::bsSkinSpeedButton5Click()
{
    Form8->Show();
}

void TForm3::bsSkinSpeedButton6Click()
{
    Form1->Close();
    Close();
}

void TForm3::bsSkinSpeedButton7Click()
{
    Form1->Show();
    Hide();
}

void TForm3::FormClose(TCloseAction&)
{
    if (Application)
        Application->Terminate();
}
