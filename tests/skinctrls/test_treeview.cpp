// The skinned tree view: its node list, selection by clicks, the click event and the popup menu.
#include "TPopupMenu.h"
#include "bsSkinTreeView.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Remembers where it was asked to pop up instead of showing anything.
class RecordingMenu : public TPopupMenu {
public:
    void Popup(int X, int Y) override
    {
        Points.append(QPoint(X, Y));
        if (OnPopup)
            OnPopup();
    }
    QList<QPoint> Points;
    std::function<void()> OnPopup;
};

// A tree of three levels: 总部 > (研发部 > 一组, 二组), (销售部), and a second root 分公司.
class TreeViewTest : public ::testing::Test {
protected:
    TreeViewTest()
    {
        tree.resize(200, 300);
        TTreeNodes& nodes = tree.Items();
        root = nodes.AddChildObject(nullptr, QStringLiteral("总部"), 1);
        rd = nodes.AddChildObject(root, QStringLiteral("研发部"), 2);
        nodes.AddChildObject(rd, QStringLiteral("一组"), 3);
        nodes.AddChildObject(rd, QStringLiteral("二组"), 4);
        sales = nodes.AddChildObject(root, QStringLiteral("销售部"), 5);
        nodes.AddChildObject(nullptr, QStringLiteral("分公司"), 6);
        tree.FullExpand();
        tree.show();
    }

    QPoint Centre(TTreeNode* node) { return tree.visualItemRect(node).center(); }

    TbsSkinTreeView tree;
    TTreeNode* root;
    TTreeNode* rd;
    TTreeNode* sales;
};

} // namespace

TEST_F(TreeViewTest, NodesKeepTheirOrderLevelAndData)
{
    EXPECT_EQ(tree.Items().Count(), 6);
    EXPECT_EQ(tree.Items().TopCount(), 2);
    EXPECT_EQ(root->Count(), 2);
    EXPECT_EQ(root->Item(0), rd);
    EXPECT_EQ(root->Item(1), sales);
    EXPECT_EQ(rd->Item(1)->Text(), QStringLiteral("二组"));
    EXPECT_EQ(rd->Item(1)->Level(), 2);
    EXPECT_EQ(rd->Item(1)->Parent(), rd);
    EXPECT_EQ(std::any_cast<int>(sales->Data), 5);
    EXPECT_EQ(tree.Indent(), 19);
    EXPECT_EQ(tree.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(TreeViewTest, FullCollapseAndFullExpandReachEveryLevel)
{
    tree.FullCollapse();
    EXPECT_FALSE(root->Expanded());
    EXPECT_FALSE(rd->Expanded());
    tree.FullExpand();
    EXPECT_TRUE(root->Expanded());
    EXPECT_TRUE(rd->Expanded());
}

TEST_F(TreeViewTest, ALeftClickSelectsTheNodeThenFiresOnClick)
{
    QList<TTreeNode*> selectedAtClick;
    tree.OnClick = [&] { selectedAtClick.append(tree.Selected()); };
    EXPECT_EQ(tree.Selected(), nullptr);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, Centre(sales));
    EXPECT_EQ(tree.Selected(), sales);
    EXPECT_EQ(selectedAtClick, QList<TTreeNode*>{sales});
    EXPECT_TRUE(sales->Selected());
}

TEST_F(TreeViewTest, ARightClickOpensThePopupMenuAndKeepsTheSelection)
{
    RecordingMenu menu;
    tree.SetPopupMenu(&menu);
    int clicks = 0;
    tree.OnClick = [&] { ++clicks; };
    tree.SetSelected(rd);
    const QPoint at = Centre(sales);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, tree.viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree.viewport(), &request);
    EXPECT_EQ(tree.Selected(), rd);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(menu.Points, QList<QPoint>{tree.viewport()->mapToGlobal(at)});
}

TEST_F(TreeViewTest, WithRightClickSelectARightClickSelectsTheNodeUnderThePointerFirst)
{
    RecordingMenu menu;
    tree.SetPopupMenu(&menu);
    tree.SetRightClickSelect(true);
    int clicks = 0;
    TTreeNode* selectedAtPopup = nullptr;
    menu.OnPopup = [&] { selectedAtPopup = tree.Selected(); };
    tree.OnClick = [&] { ++clicks; };
    tree.SetSelected(rd);
    auto rightClick = [&](const QPoint& at) {
        QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, tree.viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree.viewport(), &request);
    };
    rightClick(Centre(sales));
    EXPECT_EQ(tree.Selected(), sales);
    EXPECT_EQ(selectedAtPopup, sales);
    EXPECT_EQ(clicks, 0);
    // Beside the nodes the selection stays.
    rightClick(QPoint(5, tree.viewport()->height() - 2));
    EXPECT_EQ(tree.Selected(), sales);
    EXPECT_EQ(menu.Points.size(), 2);
}

TEST_F(TreeViewTest, ClearingLeavesNoNodeAndNoSelection)
{
    tree.SetSelected(sales);
    tree.Items().BeginUpdate();
    tree.Items().Clear();
    tree.Items().EndUpdate();
    EXPECT_EQ(tree.Items().Count(), 0);
    EXPECT_EQ(tree.Selected(), nullptr);
    EXPECT_TRUE(tree.updatesEnabled());
}

TEST_F(TreeViewTest, NestedUpdatesRepaintOnlyAfterTheLastEnd)
{
    TTreeNodes& nodes = tree.Items();
    nodes.BeginUpdate();
    nodes.BeginUpdate();
    nodes.EndUpdate();
    EXPECT_FALSE(tree.updatesEnabled());
    nodes.EndUpdate();
    EXPECT_TRUE(tree.updatesEnabled());
}

TEST_F(TreeViewTest, TakingTheFocusMarksNoNodeUntilOneIsChosen)
{
    QApplication::setActiveWindow(&tree);
    tree.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tree.currentItem(), nullptr);
    EXPECT_EQ(tree.Selected(), nullptr);
    QTest::keyClick(tree.viewport(), Qt::Key_Down);
    EXPECT_NE(tree.currentItem(), nullptr);
}
