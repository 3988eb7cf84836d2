// Loading the department tree: order and levels, departments cut off from the top, parent links
// that loop, and captions cut by code-page bytes.
#include "DataAccess.h"
#include "DepartmentTree.h"
#include "PersonnelSchema.h"
#include "TNodeData.h"
#include "TempWorkDir.h"
#include "Unit2.h"
#include "bsSkinTreeView.h"

#include <gtest/gtest.h>

namespace {

struct Department {
    int ID;
    QString Name;
    int Parent;
};

class DepartmentTreeTest : public ::testing::Test {
protected:
    DepartmentTreeTest() { PersonnelSchema::CreateDatabase(QStringLiteral("db.mdb")); }

    void Add(const std::vector<Department>& departments)
    {
        TQuery insert;
        insert.Connection = module.acPer;
        insert.SetSQL(
            QStringLiteral("insert into 部门管理(ID,部门名,上级部门) values(:ID,:部门名,:上级部门)"));
        for (const Department& d : departments) {
            insert.ParamByName(QStringLiteral("ID"))->Value = d.ID;
            insert.ParamByName(QStringLiteral("部门名"))->Value = d.Name;
            insert.ParamByName(QStringLiteral("上级部门"))->Value = d.Parent;
            insert.ExecSQL();
        }
    }

    void Load() { LoadDepartments(module.acPer, &tree, 0, nullptr); }

    // Every node in display order as "level:ID:caption".
    QStringList Outline() const
    {
        QStringList lines;
        for (QTreeWidgetItemIterator it(const_cast<TbsSkinTreeView*>(&tree)); *it; ++it) {
            const auto* node = static_cast<const TTreeNode*>(*it);
            const TNodeData* data = NodeData(node);
            lines.append(QStringLiteral("%1:%2:%3").arg(node->Level()).arg(data->ID).arg(node->Text()));
        }
        return lines;
    }

    TempWorkDir dir;
    Tdb module;
    TbsSkinTreeView tree;
};

} // namespace

TEST_F(DepartmentTreeTest, EachSubtreeComesBeforeTheNextSiblingAndOrphansStayOut)
{
    Add({{1, QStringLiteral("总公司"), 0},
         {2, QStringLiteral("研发部"), 1},
         {3, QStringLiteral("销售部"), 1},
         {4, QStringLiteral("一组"), 2},
         {5, QStringLiteral("分公司"), 0},
         {6, QStringLiteral("二组"), 2},
         {7, QStringLiteral("失散部门"), 99},
         {8, QStringLiteral("失散小组"), 7}});
    Load();
    EXPECT_EQ(Outline(),
              (QStringList{"0:1:总公司", "1:2:研发部", "2:4:一组", "2:6:二组", "1:3:销售部", "0:5:分公司"}));
    EXPECT_EQ(NodeData(tree.Items().TopItem(0))->Caption, QStringLiteral("总公司"));
}

TEST_F(DepartmentTreeTest, AnEmptyTableGivesAnEmptyTree)
{
    Load();
    EXPECT_EQ(tree.Items().Count(), 0);
}

TEST_F(DepartmentTreeTest, ParentLinksThatLoopBackShowEachDepartmentOnce)
{
    struct Case {
        const char* name;
        std::vector<Department> departments;
        QStringList outline;
    };
    // A key of 0 is the only way a department reachable from the top can be its own ancestor.
    const std::vector<Case> cases = {
        {"a department 0 under itself",
         {{0, QStringLiteral("总部"), 0}, {1, QStringLiteral("财务部"), 0}},
         {"0:0:总部", "1:1:财务部"}},
        {"two departments under each other",
         {{0, QStringLiteral("甲"), 5}, {5, QStringLiteral("乙"), 0}, {6, QStringLiteral("丙"), 5}},
         {"0:5:乙", "1:0:甲", "1:6:丙"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQuery clear;
        clear.Connection = module.acPer;
        clear.SetSQL(QStringLiteral("delete from 部门管理"));
        clear.ExecSQL();
        tree.Items().Clear();
        Add(c.departments);
        Load();
        EXPECT_EQ(Outline(), c.outline);
    }
}

TEST_F(DepartmentTreeTest, CaptionsKeepApostrophesAndAreCutAtWholeCharacters)
{
    const QString longName = QString(60, QChar(0x90E8)); // 60 x 部
    Add({{1, QStringLiteral("O'Neil's 部门"), 0},
         {2, longName, 0},
         {3, QString(49, u'a') + QStringLiteral("部"), 0}});
    Load();
    EXPECT_EQ(tree.Items().TopItem(0)->Text(), QStringLiteral("O'Neil's 部门"));
    EXPECT_EQ(tree.Items().TopItem(1)->Text(), QString(25, QChar(0x90E8)));
    EXPECT_EQ(tree.Items().TopItem(2)->Text(), QString(49, u'a'));
}

TEST_F(DepartmentTreeTest, LoadingBelowANodeAddsOnlyWhatIsNotThereYet)
{
    Add({{1, QStringLiteral("总公司"), 0}, {2, QStringLiteral("研发部"), 1}});
    Load();
    LoadDepartments(module.acPer, &tree, 1, tree.Items().TopItem(0));
    EXPECT_EQ(Outline(), (QStringList{"0:1:总公司", "1:2:研发部"}));
}
