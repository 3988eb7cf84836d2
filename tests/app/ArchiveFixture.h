// The program started on a small company and logged in, with the archive window open, and the
// ways a clerk works in it: the tree and its menu, the picker, the pages.
#pragma once

#include "ProgramFixture.h"

#include <QStringList>

class TTreeNode;
class TbsSkinTreeView;

// Departments (key, name, parent): 总公司 > 研发部 > (一组, 二组), 总公司 > 销售部, and 分公司.
// People: 张三 and 李四 in 研发部, 王五 in 销售部, 赵六 without a department. 张三 has one record
// of every kind.
class ArchiveTest : public ProgramTest {
public:
    void SetUp() override;

    // Adds a department with a key of its own choosing straight to the file.
    void AddDepartment(int id, const QString& name, int parent);
    // Starts the program, logs in and opens the archive window with "档案管理".
    void OpenArchive();

    // Every node in display order as "level:name".
    static QStringList Outline(TbsSkinTreeView* tree);
    static TTreeNode* FindNode(TbsSkinTreeView* tree, const QString& caption);
    void ClickNode(TbsSkinTreeView* tree, const QString& caption);
    // Right-clicks the tree (on the node with the caption onNode, else beside the nodes) and
    // chooses the menu item with that caption with the pointer.
    void ChooseFromMenu(TbsSkinTreeView* tree, const QString& caption, const QString& onNode = QString());
    // Types text into the add-department dialog and presses "确定".
    void AddInDialog(const QString& name);
    // Clicks the people grid on the row of the person with that name.
    void ClickPerson(const QString& name);
    // The names the people grid lists, in order.
    QStringList ListedPeople();
    // Gives the editor the focus, types text over its value and tabs out.
    void TypeAndTabOut(QWidget* editor, const QString& text);
};
