// The page control: pages and tabs in step, the display area, switching by the tabs; and the
// panel's client area.
#include "bsSkinGroupBox.h"
#include "bsSkinTabs.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class PageControlTest : public ::testing::Test {
protected:
    PageControlTest()
    {
        pages.resize(624, 298);
        for (const char* caption : {"基本档案", "工作经历", "社会关系"}) {
            auto* page = new TbsSkinTabSheet(&pages);
            page->SetCaption(QString::fromUtf8(caption));
        }
        pages.OnChange = [this] { changes.append(pages.ActivePageIndex()); };
        pages.show();
    }

    void ClickTab(int index)
    {
        QTest::mouseClick(pages.TabBar(), Qt::LeftButton, {}, pages.TabBar()->tabRect(index).center());
    }

    QList<bool> Visible() const
    {
        QList<bool> visible;
        for (int i = 0; i < pages.PageCount(); ++i)
            visible.append(pages.Pages(i)->isVisible());
        return visible;
    }

    TbsSkinPageControl pages;
    QList<int> changes;
};

} // namespace

TEST_F(PageControlTest, TheFirstPageIsActiveAndFillsTheDisplayArea)
{
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_EQ(Visible(), (QList<bool>{true, false, false}));
    EXPECT_EQ(pages.TabBar()->tabText(1), QStringLiteral("工作经历"));
    // Below the 20-pixel tab row, inside a one-pixel frame.
    EXPECT_EQ(pages.DisplayRect(), QRect(1, 21, 622, 276));
    EXPECT_EQ(pages.Pages(2)->geometry(), pages.DisplayRect());
    EXPECT_EQ(pages.Pages(1)->PageIndex(), 1);
}

TEST_F(PageControlTest, ClickingATabShowsItsPageAndTellsOnChange)
{
    ClickTab(2);
    EXPECT_EQ(pages.ActivePageIndex(), 2);
    EXPECT_EQ(Visible(), (QList<bool>{false, false, true}));
    pages.SetActivePage(pages.Pages(1));
    EXPECT_EQ(Visible(), (QList<bool>{false, true, false}));
    EXPECT_EQ(changes, (QList<int>{2, 1}));
}

TEST_F(PageControlTest, TheWheelSwitchesPagesOnlyWithMouseWheelSupport)
{
    const QPoint at = pages.TabBar()->tabRect(0).center();
    auto wheel = [&] {
        QWheelEvent event(at, pages.TabBar()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pages.TabBar(), &event);
    };
    wheel();
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    pages.SetMouseWheelSupport(true);
    wheel();
    EXPECT_EQ(pages.ActivePageIndex(), 1);
}

TEST_F(PageControlTest, DeletingTheActivePageShowsAnother)
{
    ClickTab(1);
    delete pages.Pages(1);
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.TabBar()->count(), 2);
    EXPECT_TRUE(pages.ActivePage()->isVisible());
}

TEST_F(PageControlTest, ATallerTabRowMovesThePages)
{
    pages.SetTabHeight(30);
    EXPECT_EQ(pages.DisplayRect(), QRect(1, 31, 622, 266));
    EXPECT_EQ(pages.Pages(0)->geometry(), pages.DisplayRect());
    EXPECT_EQ(pages.TabBar()->tabRect(0).height(), 30);
}

TEST(TbsSkinPanel, ClientAreaFollowsTheBorderAndTheCaptionBar)
{
    struct Case {
        const char* name;
        TbsSkinBorderStyle border;
        bool caption;
        bool empty;
        QRect client;
    };
    const std::vector<Case> cases = {
        {"frame", bvFrame, false, false, QRect(1, 1, 185, 378)},
        {"no border", bvNone, false, false, QRect(0, 0, 187, 380)},
        {"frame and caption bar", bvFrame, true, false, QRect(1, 21, 185, 358)},
        {"caption bar without border", bvNone, true, false, QRect(0, 20, 187, 360)},
        {"empty drawing takes everything", bvFrame, true, true, QRect(0, 0, 187, 380)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinPanel panel;
        panel.resize(187, 380);
        QWidget child(&panel);
        panel.AlignClient(&child);
        panel.SetBorderStyle(c.border);
        panel.SetCaptionMode(c.caption);
        panel.SetEmptyDrawing(c.empty);
        EXPECT_EQ(panel.GetSkinClientRect(), c.client);
        EXPECT_EQ(child.geometry(), c.client);
    }
}

TEST(TbsSkinPanel, AClientAlignedChildFollowsResizes)
{
    TbsSkinGroupBox box;
    EXPECT_TRUE(box.CaptionMode());
    EXPECT_EQ(box.SkinDataName(), QStringLiteral("groupbox"));
    QWidget child(&box);
    box.AlignClient(&child);
    box.resize(187, 127);
    box.show();
    EXPECT_EQ(child.geometry(), QRect(1, 21, 185, 105));
}
