// The archive window's people end to end: filtering by department, listing all, adding, editing,
// choosing a department with the picker, deleting, and the statistics.
#include "ArchiveFixture.h"

#include "DataAccess.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "bsDBGrids.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsdbctrls.h"

#include <QTest>
#include <QTimer>

TEST_F(ArchiveTest, ArchiveButtonListsEveryoneAndADepartmentClickFiltersThem)
{
    OpenArchive();
    const QStringList everyone = {"张三", "李四", "王五", "赵六"};
    EXPECT_EQ(ListedPeople(), everyone);
    EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QStringLiteral("研发部"));

    ClickNode(Form4->tvper, QStringLiteral("销售部"));
    EXPECT_EQ(ListedPeople(), QStringList{QStringLiteral("王五")});
    EXPECT_EQ(Form4->bsSkinDBEdit2->text(), QStringLiteral("王五"));
    // The details follow the current person, whom the filter changed.
    EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QStringLiteral("销售部"));
    ClickNode(Form4->tvper, QStringLiteral("一组"));
    EXPECT_TRUE(ListedPeople().isEmpty());

    Activate(Form3);
    Click(Form3->bsSkinSpeedButton2);
    EXPECT_EQ(ListedPeople(), everyone);
    ClickNode(Form4->tvper, QStringLiteral("研发部"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("查询所有"));
    EXPECT_EQ(ListedPeople(), everyone);
}

TEST_F(ArchiveTest, ClickingAPersonShowsTheDepartmentAndRecordsAndNoDepartmentWhenItIsEmpty)
{
    OpenArchive();
    ClickPerson(QStringLiteral("王五"));
    EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QStringLiteral("销售部"));
    EXPECT_EQ(db->ADOQuery3->RecordCount(), 0);
    ClickPerson(QStringLiteral("张三"));
    EXPECT_EQ(db->ADOQuery3->RecordCount(), 1);
    ClickPerson(QStringLiteral("赵六"));
    EXPECT_EQ(Form4->bsSkinDBEdit2->text(), QStringLiteral("赵六"));
    EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QString());
    EXPECT_EQ(db->ADOQuery3->RecordCount(), 0);
}

TEST_F(ArchiveTest, ANewPersonIsTheLastRowAndWhatIsTypedIsSavedOnLeavingTheEditor)
{
    OpenArchive();
    ClickNode(Form4->tvper, QStringLiteral("销售部"));
    Click(Form4->新建);
    EXPECT_EQ(ListedPeople().size(), 5);
    EXPECT_EQ(db->ADOQuery1->RecNo(), 5);
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("备注")).last(),
              QVariant(QStringLiteral(" ")));

    TypeAndTabOut(Form4->bsSkinDBEdit2, QStringLiteral("钱七"));
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("姓名")).last(),
              QVariant(QStringLiteral("钱七")));
    EXPECT_EQ(db->ADOQuery1->State(), dsBrowse);
    EXPECT_TRUE(Form4->bsSkinDBEdit3->hasFocus());

    Form4->dedtlevel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form4->dedtlevel, Qt::Key_Down);
    QTest::keyClick(Form4->dedtlevel, Qt::Key_Tab);
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("学历")).last(),
              QVariant(QStringLiteral("小学")));
    EXPECT_TRUE(FDialogs.Shown().empty());
}

TEST_F(ArchiveTest, ThePickerSetsTheCurrentPersonsDepartment)
{
    OpenArchive();
    ClickPerson(QStringLiteral("赵六"));
    Click(Form4->bsSkinButton1);
    EXPECT_TRUE(Form6->isVisible());
    Activate(Form6);
    ChooseFromMenu(Form6->tvper, QStringLiteral("选择")); // nothing selected yet
    EXPECT_TRUE(Form6->isVisible());
    ClickNode(Form6->tvper, QStringLiteral("二组"));
    ChooseFromMenu(Form6->tvper, QStringLiteral("选择"));
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("部门")).last(), QVariant(4));
    EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QStringLiteral("二组"));
    EXPECT_EQ(db->ADOQuery1->State(), dsBrowse);
}

TEST_F(ArchiveTest, DeletingAPersonRemovesOnlyThatRow)
{
    OpenArchive();
    ClickNode(Form4->tvper, QStringLiteral("研发部"));
    ClickPerson(QStringLiteral("张三"));
    Click(Form4->bsSkinButton14);
    EXPECT_EQ(ListedPeople(), QStringList{QStringLiteral("李四")});
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("姓名")),
              (QVariantList{"李四", "王五", "赵六"}));
    EXPECT_EQ(RowCount(QStringLiteral("工作经历")), 1);
}

TEST_F(ArchiveTest, StatisticsFollowTheListAfterTheFirstTick)
{
    Start();
    EXPECT_EQ(Form4->bsSkinStdLabel1->Caption(), QStringLiteral("部门总数："));
    EXPECT_EQ(Form4->bsSkinStdLabel2->Caption(), QStringLiteral("人员统计："));
    EXPECT_TRUE(Form4->Timer1->isActive());
    EXPECT_EQ(Form4->Timer1->interval(), 1000);
    LogIn(FAdmin.Name, FAdmin.Password);
    Click(Form3->bsSkinSpeedButton2);
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return Form4->bsSkinStdLabel2->Caption() == QStringLiteral("人员统计:4"); }, 3000));
    EXPECT_EQ(Form4->bsSkinStdLabel1->Caption(), QStringLiteral("部门统计:6"));
}

TEST_F(ArchiveTest, TypingIsNotLostWhenTheListIsReopenedOrTheWindowClosed)
{
    OpenArchive();
    ClickPerson(QStringLiteral("王五"));
    TypeInto(Form4->bsSkinDBEdit4, QStringLiteral("甲"));
    // The menu leaves the focus in the editor; re-opening the list must not drop the change.
    ChooseFromMenu(Form4->tvper, QStringLiteral("查询所有"));
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("工种"))[2], QVariant(QStringLiteral("甲")));

    ClickPerson(QStringLiteral("赵六"));
    TypeInto(Form4->bsSkinDBEdit5, QStringLiteral("乙"));
    Form4->Close();
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("职称"))[3], QVariant(QStringLiteral("乙")));
}
