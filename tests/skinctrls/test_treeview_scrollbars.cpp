// The tree view with linked skinned scroll bars: shown only while the nodes do not fit, the corner
// marker only while both show, and the bar's position scrolling the tree; and the skin's colours.
#include "OurSkinRepository.h"
#include "bsColors.h"
#include "bsScrolledArea.h"
#include "bsSkinScrollBar.h"
#include "bsSkinTreeView.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A 150 x 120 area holding a tree with 40 nodes under one root and both bars linked.
class TreeScrollBars : public ::testing::Test {
protected:
    TreeScrollBars()
    {
        area.resize(150, 120);
        tree = new TbsSkinTreeView(&area);
        vBar = new TbsSkinScrollBar(&area);
        vBar->SetKind(sbVertical);
        vBar->resize(19, 100);
        hBar = new TbsSkinScrollBar(&area);
        area.SetContent(tree);
        area.SetScrollBars(vBar, hBar);
        root = tree->Items().AddChildObject(nullptr, QStringLiteral("总部"));
        for (int i = 0; i < 40; ++i)
            tree->Items().AddChildObject(root, QStringLiteral("部门 %1").arg(i));
        tree->SetVScrollBar(vBar);
        tree->SetHScrollBar(hBar);
        area.show();
    }

    static bool Eventually(const std::function<bool()>& condition)
    {
        return QTest::qWaitFor(condition, 2000);
    }

    TbsScrolledArea area;
    TbsSkinTreeView* tree;
    TbsSkinScrollBar* vBar;
    TbsSkinScrollBar* hBar;
    TTreeNode* root;
};

} // namespace

TEST_F(TreeScrollBars, VerticalBarShowsOnlyWhileTheNodesDoNotFit)
{
    EXPECT_TRUE(Eventually([&] { return !vBar->isVisible() && tree->width() == 150; }));
    root->Expand(false);
    ASSERT_TRUE(Eventually([&] { return vBar->isVisible(); }));
    // The tree gives the bar its room; the bar covers every node with a page of the visible ones.
    EXPECT_TRUE(Eventually([&] { return tree->width() == 150 - vBar->width(); }));
    EXPECT_EQ(vBar->Max(), 40);
    EXPECT_EQ(vBar->PageSize(), tree->verticalScrollBar()->pageStep());
    EXPECT_GT(vBar->PageSize(), 0);
    root->Collapse(false);
    EXPECT_TRUE(Eventually([&] { return !vBar->isVisible() && tree->width() == 150; }));
}

TEST_F(TreeScrollBars, DraggingTheBarToTheEndShowsTheLastNode)
{
    root->Expand(false);
    ASSERT_TRUE(Eventually([&] { return vBar->isVisible(); }));
    vBar->CalcRects();
    const QPoint thumb = vBar->Part(TbsSkinScrollBar::ThumbPart).R.center();
    QTest::mousePress(vBar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(vBar, QPoint(thumb.x(), vBar->height() + 50));
    QTest::mouseRelease(vBar, Qt::LeftButton, {}, QPoint(thumb.x(), vBar->height() + 50));
    EXPECT_EQ(vBar->Position(), vBar->UpperBound());
    EXPECT_EQ(tree->verticalScrollBar()->value(), tree->verticalScrollBar()->maximum());
    const QRect last = tree->visualItemRect(root->Item(39));
    EXPECT_TRUE(tree->viewport()->rect().contains(last)) << last.top() << " " << tree->viewport()->height();
}

TEST_F(TreeScrollBars, WheelOnTheTreeMovesTheBar)
{
    root->Expand(false);
    ASSERT_TRUE(Eventually([&] { return vBar->isVisible(); }));
    tree->verticalScrollBar()->setValue(5);
    EXPECT_EQ(vBar->Position(), 5);
}

TEST_F(TreeScrollBars, CornerMarkerOnlyWhileBothBarsShow)
{
    tree->Items().AddChildObject(nullptr, QString(60, QChar(0x90E8)));
    EXPECT_TRUE(Eventually([&] { return hBar->isVisible(); }));
    EXPECT_FALSE(hBar->Both());
    root->Expand(false);
    ASSERT_TRUE(Eventually([&] { return vBar->isVisible() && hBar->isVisible(); }));
    EXPECT_TRUE(hBar->Both());
    // The horizontal bar runs the full width below the vertical one.
    EXPECT_TRUE(Eventually([&] { return vBar->geometry().bottom() < hBar->geometry().top(); }));
    EXPECT_EQ(hBar->width(), 150);
    root->Collapse(false);
    EXPECT_TRUE(Eventually([&] { return !vBar->isVisible() && !hBar->Both(); }));
}

TEST_F(TreeScrollBars, HidingTheTreeHidesItsBars)
{
    root->Expand(false);
    ASSERT_TRUE(Eventually([&] { return vBar->isVisible(); }));
    tree->hide();
    EXPECT_FALSE(vBar->isVisible());
}

TEST(TreeViewSkin, TakesTheSkinColoursAndMixesLineColours)
{
    TbsSkinTreeView tree;
    tree.SetSkinData(TOurSkinRepository::Get());
    const auto* record = dynamic_cast<const TbsDataSkinTreeView*>(tree.SkinLink().Control());
    ASSERT_NE(record, nullptr);
    const QColor bg = ColorToQColor(record->BGColor), text = ColorToQColor(record->FontColor);
    EXPECT_EQ(tree.palette().color(QPalette::Base), bg);
    EXPECT_EQ(tree.palette().color(QPalette::Text), text);
    EXPECT_EQ(tree.ButtonColor().red(), (text.red() + bg.red()) / 2);
    EXPECT_EQ(tree.LineColor().green(), (tree.ButtonColor().green() + bg.green()) / 2);

    tree.SetSkinData(nullptr);
    EXPECT_EQ(tree.LineColor(), QColor(128, 128, 128));
    EXPECT_EQ(tree.palette().color(QPalette::Base), tree.DefaultColor());
}
