// The archive window's department trees end to end: loading, adding, deleting and the menu cases
// without a selection.
#include "ArchiveFixture.h"

#include "DataAccess.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"

#include <QTest>

namespace {

const QStringList Company = {"0:总公司", "1:研发部", "2:一组", "2:二组", "1:销售部", "0:分公司"};

bool AllExpanded(TbsSkinTreeView* tree)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->childCount() > 0 && !(*it)->isExpanded())
            return false;
    return true;
}

} // namespace

TEST_F(ArchiveTest, BothTreesLoadEveryLevelFullyExpanded)
{
    AddDepartment(7, QStringLiteral("失散部门"), 99);
    OpenArchive();
    for (TbsSkinTreeView* tree : {Form4->tvper, Form6->tvper}) {
        EXPECT_EQ(Outline(tree), Company);
        EXPECT_TRUE(AllExpanded(tree));
        EXPECT_EQ(tree->Selected(), nullptr);
    }
    ChooseFromMenu(Form4->tvper, QStringLiteral("叠起"));
    EXPECT_FALSE(FindNode(Form4->tvper, QStringLiteral("总公司"))->Expanded());
    EXPECT_TRUE(AllExpanded(Form6->tvper));
    ChooseFromMenu(Form4->tvper, QStringLiteral("展开"));
    EXPECT_TRUE(AllExpanded(Form4->tvper));
}

TEST_F(ArchiveTest, AddsATopLevelDepartmentAndTwoSubDepartmentsInARow)
{
    OpenArchive();
    ChooseFromMenu(Form4->tvper, QStringLiteral("添加主部门"));
    EXPECT_TRUE(Form5->isVisible());
    EXPECT_EQ(Form5->id, 0);
    AddInDialog(QStringLiteral("后勤部"));
    EXPECT_EQ(FDialogs.Texts(), QStringList{QStringLiteral("添加成功")});
    // A plain message: the skinned dialog captioned with the application's title, without an icon.
    EXPECT_EQ(FDialogs.Shown().back().Kind, TDialogKind::SkinMessage);
    EXPECT_EQ(FDialogs.Shown().back().DlgType, mtCustom);
    EXPECT_EQ(FDialogs.Shown().back().Caption, QStringLiteral("人事管理系统"));
    EXPECT_TRUE(Form5->bsSkinEdit1->Text().isEmpty());
    EXPECT_TRUE(Form5->isVisible());
    EXPECT_EQ(Outline(Form6->tvper).last(), QStringLiteral("0:后勤部"));

    Activate(Form4);
    ClickNode(Form4->tvper, QStringLiteral("销售部"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("添加分部门"));
    EXPECT_EQ(Form5->id, 5);
    AddInDialog(QStringLiteral("华东"));
    // The reload took the selection; the dialog still adds under the same parent.
    EXPECT_EQ(Form4->tvper->Selected(), nullptr);
    AddInDialog(QStringLiteral("华南"));
    const QStringList expected = {"0:总公司", "1:研发部", "2:一组",   "2:二组",  "1:销售部",
                                  "2:华东",   "2:华南",   "0:分公司", "0:后勤部"};
    EXPECT_EQ(Outline(Form4->tvper), expected);
    EXPECT_EQ(Outline(Form6->tvper), expected);
    EXPECT_EQ(Column(QStringLiteral("部门管理"), QStringLiteral("上级部门")).mid(6), (QVariantList{0, 5, 5}));
}

TEST_F(ArchiveTest, NamesWithApostrophesAndLongNamesAreAddedWhole)
{
    OpenArchive();
    const QString apostrophe = QStringLiteral("O'Brien's 部门");
    const QString sixty = QString(60, QChar(0x90E8)); // 部
    ChooseFromMenu(Form4->tvper, QStringLiteral("添加主部门"));
    AddInDialog(apostrophe);
    AddInDialog(sixty);
    EXPECT_EQ(FDialogs.Texts(), (QStringList{QStringLiteral("添加成功"), QStringLiteral("添加成功")}));
    const QVariantList names = Column(QStringLiteral("部门管理"), QStringLiteral("部门名"));
    EXPECT_EQ(names.mid(6), (QVariantList{apostrophe, sixty}));
    // The tree shows the first 50 bytes of the code page: 25 whole characters.
    EXPECT_NE(FindNode(Form4->tvper, apostrophe), nullptr);
    EXPECT_NE(FindNode(Form4->tvper, QString(25, QChar(0x90E8))), nullptr);
}

TEST_F(ArchiveTest, AnEmptyNameAddsNothingAndCancelHidesTheDialog)
{
    OpenArchive();
    ChooseFromMenu(Form4->tvper, QStringLiteral("添加主部门"));
    Activate(Form5);
    Click(Form5->bsSkinButton1);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(RowCount(QStringLiteral("部门管理")), 6);
    Click(Form5->bsSkinButton2);
    EXPECT_FALSE(Form5->isVisible());
}

TEST_F(ArchiveTest, DeletingADepartmentTakesItsSubtreeOutOfTheTreesButNotOutOfTheFile)
{
    OpenArchive();
    ClickNode(Form4->tvper, QStringLiteral("研发部"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("删除"));
    EXPECT_EQ(FDialogs.Texts(), QStringList{QStringLiteral("删除成功")});
    EXPECT_EQ(FDialogs.Shown().back().Kind, TDialogKind::SkinMessage);
    EXPECT_EQ(FDialogs.Shown().back().Caption, QStringLiteral("人事管理系统"));
    const QStringList rest = {"0:总公司", "1:销售部", "0:分公司"};
    EXPECT_EQ(Outline(Form4->tvper), rest);
    EXPECT_EQ(Outline(Form6->tvper), rest);
    EXPECT_EQ(Column(QStringLiteral("部门管理"), QStringLiteral("部门名")),
              (QVariantList{"总公司", "一组", "二组", "销售部", "分公司"}));
    EXPECT_EQ(RowCount(QStringLiteral("人员资料")), 4);
}

TEST_F(ArchiveTest, SubDepartmentAndDeleteDoNothingWithoutASelectedDepartment)
{
    OpenArchive();
    for (const char* command : {"添加分部门", "删除"}) {
        SCOPED_TRACE(command);
        ClickNode(Form4->tvper, QStringLiteral("研发部"));
        ChooseFromMenu(Form4->tvper, QStringLiteral("刷新"));
        EXPECT_EQ(Form4->tvper->Selected(), nullptr);
        ChooseFromMenu(Form4->tvper, QString::fromUtf8(command));
        EXPECT_FALSE(Form5->isVisible());
        EXPECT_TRUE(FDialogs.Shown().empty());
        EXPECT_EQ(RowCount(QStringLiteral("部门管理")), 6);
        EXPECT_EQ(Outline(Form4->tvper), Company);
    }
}

TEST_F(ArchiveTest, DepartmentsThatAreTheirOwnAncestorsLoadOnce)
{
    // A department keyed 0 sits under the top level and under itself; 甲 and 乙 sit under each other.
    AddDepartment(0, QStringLiteral("根"), 0);
    AddDepartment(10, QStringLiteral("甲"), 11);
    AddDepartment(11, QStringLiteral("乙"), 10);
    OpenArchive();
    const QStringList outline = Outline(Form4->tvper);
    EXPECT_EQ(outline.count(QStringLiteral("0:根")), 1);
    EXPECT_EQ(outline.size(), 7);
    EXPECT_EQ(Outline(Form6->tvper), outline);
    EXPECT_EQ(FindNode(Form4->tvper, QStringLiteral("甲")), nullptr);
}

TEST_F(ArchiveTest, ADatabaseFailureInTheDepartmentActionsShowsTheConnectionMessage)
{
    OpenArchive();
    // Chosen first: the details of the filtered list read the department table too.
    ClickNode(Form4->tvper, QStringLiteral("销售部"));
    Exec(QStringLiteral("alter table 部门管理 rename to 旧部门"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("删除"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("添加主部门"));
    AddInDialog(QStringLiteral("后勤部"));
    ASSERT_EQ(FDialogs.Shown().size(), 2u);
    for (const TDialogRequest& shown : FDialogs.Shown()) {
        EXPECT_EQ(shown.Kind, TDialogKind::SkinMessage);
        EXPECT_EQ(shown.Text, QStringLiteral("连接数据库出错!"));
    }
    // The trees keep what they showed and the typed name stays for another try.
    EXPECT_EQ(Outline(Form4->tvper), Company);
    EXPECT_EQ(Form5->bsSkinEdit1->Text(), QStringLiteral("后勤部"));
}

TEST_F(ArchiveTest, TreesShowTheSkinnedVerticalBarOnlyWhileTheDepartmentsDoNotFit)
{
    for (int id = 10; id < 60; ++id)
        AddDepartment(id, QStringLiteral("部门%1").arg(id), 1);
    OpenArchive();
    TbsSkinScrollBar* bar = Form4->tvper->VScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(Form6->tvper->VScrollBar(), nullptr);
    EXPECT_EQ(bar->SkinDataName(), QStringLiteral("vscrollbar"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->isVisible(); }, 2000));
    // Dragging the thumb to the end brings the last department into view.
    bar->CalcRects();
    const QPoint thumb = bar->Part(TbsSkinScrollBar::ThumbPart).R.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, QPoint(thumb.x(), bar->height() + 100));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.x(), bar->height() + 100));
    TTreeNode* last = FindNode(Form4->tvper, QStringLiteral("部门59"));
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(Form4->tvper->viewport()->rect().contains(Form4->tvper->visualItemRect(last)));
    ChooseFromMenu(Form4->tvper, QStringLiteral("叠起"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bar->isVisible(); }, 2000));
}
