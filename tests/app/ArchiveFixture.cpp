// The archive window fixture: a small company, the tree and its menu driven by the pointer.
#include "ArchiveFixture.h"

#include "DataAccess.h"
#include "TQuery.h"
#include "TNodeData.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "bsDBGrids.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinMenus.h"

#include <QTest>

void ArchiveTest::SetUp()
{
    ProgramTest::SetUp();
    AddDepartment(1, QStringLiteral("总公司"), 0);
    AddDepartment(2, QStringLiteral("研发部"), 1);
    AddDepartment(3, QStringLiteral("一组"), 2);
    AddDepartment(4, QStringLiteral("二组"), 2);
    AddDepartment(5, QStringLiteral("销售部"), 1);
    AddDepartment(6, QStringLiteral("分公司"), 0);
    const QString people =
        QStringLiteral("insert into 人员资料(姓名, 性别, 部门) values(:姓名, :性别, :部门)");
    Exec(people, {QStringLiteral("张三"), QStringLiteral("男"), 2});
    Exec(people, {QStringLiteral("李四"), QStringLiteral("女"), 2});
    Exec(people, {QStringLiteral("王五"), QStringLiteral("男"), 5});
    Exec(people, {QStringLiteral("赵六"), QStringLiteral("男"), QVariant()});
    Exec(QStringLiteral("insert into 工作经历(人员id, 公司) values('1', '光明食品')"));
    Exec(QStringLiteral("insert into 社会关系(人员id, 姓名) values('1', '张父')"));
    Exec(QStringLiteral("insert into 奖惩记录(人员id, 事件) values('1', '年度先进')"));
    Exec(QStringLiteral("insert into 培训记录(人员id, 课程名称) values('1', '安全生产')"));
}

void ArchiveTest::AddDepartment(int id, const QString& name, int parent)
{
    Exec(QStringLiteral("insert into 部门管理(ID, 部门名, 上级部门) values(:ID, :部门名, :上级部门)"),
         {id, name, parent});
}

void ArchiveTest::OpenArchive()
{
    Start();
    LogIn(FAdmin.Name, FAdmin.Password);
    Click(Form3->bsSkinSpeedButton2);
    Activate(Form4);
}

QStringList ArchiveTest::Outline(TbsSkinTreeView* tree)
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const auto* node = static_cast<const TTreeNode*>(*it);
        lines << QStringLiteral("%1:%2").arg(node->Level()).arg(node->Text());
    }
    return lines;
}

TTreeNode* ArchiveTest::FindNode(TbsSkinTreeView* tree, const QString& caption)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (static_cast<TTreeNode*>(*it)->Text() == caption)
            return static_cast<TTreeNode*>(*it);
    return nullptr;
}

void ArchiveTest::ClickNode(TbsSkinTreeView* tree, const QString& caption)
{
    TTreeNode* node = FindNode(tree, caption);
    ASSERT_NE(node, nullptr) << caption.toStdString();
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(node).center());
}

void ArchiveTest::ChooseFromMenu(TbsSkinTreeView* tree, const QString& caption, const QString& onNode)
{
    QPoint at(10, tree->viewport()->height() - 5);
    if (!onNode.isEmpty()) {
        TTreeNode* node = FindNode(tree, onNode);
        ASSERT_NE(node, nullptr) << onNode.toStdString();
        at = tree->visualItemRect(node).center();
        QTest::mousePress(tree->viewport(), Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(tree->viewport(), Qt::RightButton, Qt::NoModifier, at);
    }
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &request);
    auto* menu = static_cast<TbsSkinPopupMenu*>(tree->PopupMenu());
    TbsSkinPopupWindow* window = menu->Menu()->PopupWindow(0);
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < window->ItemCount(); ++i) {
        if (window->Item(i).MenuItem->Caption == caption) {
            const QPoint centre = window->Item(i).ObjectRect.center();
            QTest::mouseMove(window, centre);
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre);
            return;
        }
    }
    FAIL() << "no menu item " << caption.toStdString();
}

void ArchiveTest::AddInDialog(const QString& name)
{
    Activate(Form5);
    ReplaceText(Form5->bsSkinEdit1, name);
    Click(Form5->bsSkinButton1);
}

void ArchiveTest::ClickPerson(const QString& name)
{
    const int row = int(ListedPeople().indexOf(name));
    ASSERT_GE(row, 0) << name.toStdString();
    ClickCell(Form4->bsSkinDBGrid1, row, 1);
}

QStringList ArchiveTest::ListedPeople()
{
    TbsSkinDBGrid* grid = Form4->bsSkinDBGrid1;
    const int records = grid->DataSet() && grid->DataSet()->Active() ? grid->DataSet()->RecordCount() : 0;
    QStringList names;
    for (int row = 0; row < records; ++row)
        names << grid->CellText(row, 1);
    return names;
}

void ArchiveTest::TypeAndTabOut(QWidget* editor, const QString& text)
{
    ReplaceText(editor, text);
    QTest::keyClick(editor, Qt::Key_Tab);
}
