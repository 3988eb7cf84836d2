// The page control's tab row: faces from the skin's tab object, the hot tab, the up-down that
// appears while tabs are cut off and scrolls the row one tab per release; and the up-down itself.
#include "FakeClock.h"
#include "OurSkinRepository.h"
#include "bsDefaultLook.h"
#include "bsSkinTabs.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// The archive window's five pages.
class TabRow : public ::testing::Test {
protected:
    void Fill(TbsSkinData* skin)
    {
        pages.SetSkinData(skin);
        pages.resize(624, 298);
        for (const char* caption : {"基本档案", "工作经历", "社会关系", "奖惩记录", "培训记录"}) {
            auto* page = new TbsSkinTabSheet(&pages);
            page->SetCaption(QString::fromUtf8(caption));
        }
        pages.show();
    }
    const TbsDataSkinTabControl& Record() const { return *pages.TabRecord(); }
    void ResizeTo(int w) { pages.resize(w, 298); }

    TbsSkinPageControl pages;
};

} // namespace

TEST_F(TabRow, SelectedTabIsOnePixelTallerAndOtherCaptionsSitTwoLower)
{
    Fill(TOurSkinRepository::Get());
    ASSERT_NE(pages.TabRecord(), nullptr);
    ASSERT_EQ(Record().ActiveTabRect.Height() - Record().TabRect.Height(), 1);
    const TbsSkinTabBar::TFace selected = pages.TabBar()->FaceOf(0), other = pages.TabBar()->FaceOf(1);
    EXPECT_EQ(selected.Source, Record().ActiveTabRect.ToQRect());
    EXPECT_EQ(other.Source, Record().TabRect.ToQRect());
    EXPECT_EQ(selected.Face.height(), other.Face.height() + 1);
    EXPECT_EQ(selected.Face.top(), other.Face.top() - 1);
    EXPECT_EQ(selected.Face.bottom(), other.Face.bottom());
    EXPECT_EQ(selected.Text.top(), selected.Face.top());
    EXPECT_EQ(other.Text.top(), other.Face.top() + 2);
    // The pages lie below the frame's border inside the display area.
    EXPECT_EQ(pages.DisplayRect().top(), pages.TabBar()->height() + Record().ClRect.Top);
    EXPECT_FALSE(pages.PaintedImage().isNull());
}

TEST_F(TabRow, PointerLightsEachOtherTabButNeverTheSelectedOne)
{
    Fill(TOurSkinRepository::Get());
    const QRect hotLook = Record().MouseInTabRect.ToQRect();
    for (int i = 0; i < pages.PageCount(); ++i) {
        QTest::mouseMove(pages.TabBar(), pages.TabBar()->tabRect(i).center());
        EXPECT_EQ(pages.TabBar()->HotTab(), i);
        const QRect source = pages.TabBar()->FaceOf(i).Source;
        // The selected tab shows its active (or, with the focus, its focus) picture.
        if (i == pages.ActivePageIndex()) {
            EXPECT_TRUE(source == Record().ActiveTabRect.ToQRect() ||
                        source == Record().FocusTabRect.ToQRect());
        } else {
            EXPECT_EQ(source, hotLook) << i;
        }
        for (int j = 0; j < pages.PageCount(); ++j) {
            if (j != i && j != pages.ActivePageIndex()) {
                EXPECT_EQ(pages.TabBar()->FaceOf(j).Source, Record().TabRect.ToQRect());
            }
        }
    }
}

TEST_F(TabRow, UpDownAppearsWhenTabsAreCutOffAndGoesWhenTheyFit)
{
    struct Case {
        const char* name;
        TbsSkinData* skin;
        QSize upDown;
    } cases[] = {{"default look", nullptr, {40, 20}}, {"our skin", TOurSkinRepository::Get(), {30, 15}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinPageControl control;
        control.SetSkinData(c.skin);
        control.resize(624, 298);
        for (const char* caption : {"基本档案", "工作经历", "社会关系", "奖惩记录", "培训记录"})
            (new TbsSkinTabSheet(&control))->SetCaption(QString::fromUtf8(caption));
        control.show();
        EXPECT_EQ(control.SkinUpDown(), nullptr);
        const QRect last = control.TabRect(4);
        control.resize(last.left() + last.width() / 2, 298);
        ASSERT_NE(control.SkinUpDown(), nullptr);
        EXPECT_EQ(control.SkinUpDown()->size(), c.upDown);
        EXPECT_EQ(control.SkinUpDown()->x(), control.width() - c.upDown.width());
        EXPECT_GE(control.SkinUpDown()->y(), 0);
        EXPECT_EQ(control.SkinUpDown()->Max(), 1);
        control.resize(624, 298);
        EXPECT_EQ(control.SkinUpDown(), nullptr);
    }
}

TEST_F(TabRow, RightArrowScrollsOneTabOnReleaseAndLeftStopsAtTheStart)
{
    Fill(nullptr);
    ResizeTo(pages.TabRect(2).left() + 10);
    TbsSkinUpDown* arrows = pages.SkinUpDown();
    ASSERT_NE(arrows, nullptr);
    const QPoint right = arrows->Button(TbsSkinUpDown::UpButton).R.center();
    const QPoint left = arrows->Button(TbsSkinUpDown::DownButton).R.center();
    QTest::mousePress(arrows, Qt::LeftButton, {}, right);
    EXPECT_EQ(pages.ScrolledTabs(), 0);
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, right);
    EXPECT_EQ(pages.ScrolledTabs(), 1);
    EXPECT_LE(pages.TabRect(0).left() + pages.TabRect(0).width(), 0);
    EXPECT_EQ(pages.TabRect(1).left(), 0);
    QTest::mouseClick(arrows, Qt::LeftButton, {}, left);
    EXPECT_EQ(pages.ScrolledTabs(), 0);
    QTest::mouseClick(arrows, Qt::LeftButton, {}, left);
    EXPECT_EQ(pages.ScrolledTabs(), 0);
    EXPECT_EQ(pages.TabRect(0).left(), 0);
}

TEST_F(TabRow, DefaultLookFramesTheDisplayAreaWithAShadowLine)
{
    Fill(nullptr);
    const QImage image = pages.PaintedImage();
    const QRect frame = pages.DisplayRect().adjusted(-1, -1, 1, 1);
    EXPECT_EQ(image.pixel(frame.left(), frame.center().y()), SysBtnShadow().rgb());
    EXPECT_EQ(image.pixel(frame.center().x(), frame.bottom()), SysBtnShadow().rgb());
    EXPECT_EQ(image.pixel(frame.left() + 3, frame.center().y()), SysBtnFace().rgb());
}

TEST(UpDown, HeldButtonStepsAt600And700AndOnceMoreOnRelease)
{
    TFakeClock clock;
    TbsSkinUpDown upDown;
    upDown.resize(40, 20);
    upDown.show();
    int changes = 0;
    upDown.OnChange = [&] { ++changes; };
    const QPoint up = upDown.Button(TbsSkinUpDown::UpButton).R.center();
    QTest::mousePress(&upDown, Qt::LeftButton, {}, up);
    EXPECT_EQ(upDown.Position(), 0);
    clock.Advance(599);
    EXPECT_EQ(upDown.Position(), 0);
    clock.Advance(1);
    EXPECT_EQ(upDown.Position(), 1);
    clock.Advance(100);
    EXPECT_EQ(upDown.Position(), 2);
    QTest::mouseRelease(&upDown, Qt::LeftButton, {}, up);
    EXPECT_EQ(upDown.Position(), 3);
    EXPECT_EQ(changes, 3);
    // Outside the range the position is left alone.
    upDown.SetMax(3);
    upDown.SetPosition(4);
    EXPECT_EQ(upDown.Position(), 3);
}
