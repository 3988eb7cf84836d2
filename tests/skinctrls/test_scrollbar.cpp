// The skinned scroll bar: its layout in both looks, the setters' clamping, dragging, paging and
// the auto-repeat of buttons and track counted on a controllable clock.
#include "FakeClock.h"
#include "OurSkinRepository.h"
#include "bsDefaultLook.h"
#include "bsSkinScrollBar.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

QRect Edges(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}

struct LayoutCase {
    const char* name;
    TScrollBarKind kind;
    int w, h;
    bool both;
    int min, max, page, position;
    // Expected, right and bottom exclusive.
    QRect down, up, track;
    int offset1, offset2, bOffset;
    int thumbFrom, thumbTo;
};

const LayoutCase DefaultLookCases[] = {
    {"Horizontal200", sbHorizontal, 200, 19, false, 0, 100, 0, 50, Edges(1, 1, 17, 18),
     Edges(183, 1, 199, 18), Edges(17, 1, 183, 18), 25, 175, 75, 92, 108},
    {"Horizontal199HalvesToEven", sbHorizontal, 199, 19, false, 0, 100, 0, 50, Edges(1, 1, 17, 18),
     Edges(182, 1, 198, 18), Edges(17, 1, 182, 18), 25, 174, 74, 91, 107},
    {"CornerMarker", sbHorizontal, 200, 19, true, 0, 100, 0, 50, Edges(1, 1, 17, 18), Edges(164, 1, 180, 18),
     Edges(17, 1, 164, 18), 25, 156, 66, 83, 99},
    {"VerticalWithPage", sbVertical, 19, 200, false, 0, 99, 10, 45, Edges(1, 1, 18, 17),
     Edges(1, 183, 18, 199), Edges(1, 17, 18, 183), 25, 175, 75, 92, 108},
    {"HorizontalPageAsLargeAsRange", sbHorizontal, 200, 19, false, 0, 99, 100, 0, Edges(1, 1, 17, 18),
     Edges(183, 1, 199, 18), Edges(17, 1, 183, 18), 100, 100, 0, 17, 183},
    {"VerticalPageAsLargeAsRange", sbVertical, 19, 200, false, 0, 99, 100, 0, Edges(1, 1, 18, 17),
     Edges(1, 183, 18, 199), Edges(1, 17, 18, 183), 100, 100, 0, 17, 183},
    {"MaxEqualsMin", sbHorizontal, 200, 19, false, 5, 5, 0, 5, Edges(1, 1, 17, 18), Edges(183, 1, 199, 18),
     Edges(17, 1, 183, 18), 25, 175, 0, 17, 33},
};

class ScrollBarDefaultLayout : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(ScrollBarDefaultLayout, PlacesButtonsTrackAndThumb)
{
    const LayoutCase& c = GetParam();
    TbsSkinScrollBar bar;
    bar.SetKind(c.kind);
    bar.resize(c.w, c.h);
    bar.SetBoth(c.both);
    bar.SetRange(c.min, c.max, c.page, c.position);
    bar.CalcRects();
    EXPECT_EQ(bar.Part(TbsSkinScrollBar::DownPart).R, c.down);
    EXPECT_EQ(bar.Part(TbsSkinScrollBar::UpPart).R, c.up);
    EXPECT_EQ(bar.TrackArea(), c.track);
    EXPECT_EQ(bar.Offset1Value(), c.offset1);
    EXPECT_EQ(bar.Offset2Value(), c.offset2);
    EXPECT_EQ(bar.BOffsetValue(), c.bOffset);
    const QRect thumb = bar.Part(TbsSkinScrollBar::ThumbPart).R;
    const bool horizontal = c.kind == sbHorizontal;
    EXPECT_EQ(horizontal ? thumb.left() : thumb.top(), c.thumbFrom);
    EXPECT_EQ(horizontal ? thumb.left() + thumb.width() : thumb.top() + thumb.height(), c.thumbTo);
    // Across, the thumb covers the whole track.
    EXPECT_EQ(horizontal ? thumb.height() : thumb.width(), horizontal ? c.track.height() : c.track.width());
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ScrollBarDefaultLayout, ::testing::ValuesIn(DefaultLookCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScrollBarDefaultLook, CornerMarkerAndDisabledBarPaintPlainFace)
{
    TbsSkinScrollBar bar;
    bar.resize(200, 19);
    bar.SetBoth(true);
    bar.SetPosition(50);
    QImage image = bar.PaintedImage();
    for (int x = 180; x < 200; ++x)
        ASSERT_EQ(image.pixel(x, 9), SysBtnFace().rgb()) << x;
    // The enabled thumb has its button-shadow frame at x = 83.
    EXPECT_EQ(image.pixel(83, 9), SysBtnShadow().rgb());

    bar.setEnabled(false);
    image = bar.PaintedImage();
    EXPECT_EQ(image.pixel(83, 9), SysBtnFace().rgb());
    // The arrows stay black: the down button's arrow tip at (cx - 2, cy) = (7, 9).
    EXPECT_EQ(image.pixel(7, 9), QColor(Qt::black).rgb());
    EXPECT_EQ(image.pixel(1, 1), SysBtnShadow().rgb());
}

TEST(ScrollBarSkinLook, ShippedHorizontalBarAtWidth200)
{
    TbsSkinScrollBar bar;
    bar.SetSkinData(TOurSkinRepository::Get());
    ASSERT_NE(bar.SkinIndex(), -1);
    bar.resize(200, 40);
    EXPECT_EQ(bar.height(), 15);
    bar.SetPosition(50);
    bar.CalcRects();
    EXPECT_EQ(bar.TrackArea(), Edges(15, 0, 185, 15));
    EXPECT_EQ(bar.Part(TbsSkinScrollBar::UpPart).R, Edges(185, 0, 200, 15));
    EXPECT_EQ(bar.Part(TbsSkinScrollBar::DownPart).R, Edges(0, 0, 15, 15));
    EXPECT_EQ(bar.BOffsetValue(), 77);
    const QRect thumb = bar.Part(TbsSkinScrollBar::ThumbPart).R;
    EXPECT_EQ(thumb, QRect(15 + 77, 0, 16, 15));
    EXPECT_FALSE(bar.PaintedImage().isNull());
}

TEST(ScrollBarSkinLook, CornerMarkerSwitchesToTheBothObjectAndBack)
{
    TbsSkinScrollBar bar;
    bar.SetSkinData(TOurSkinRepository::Get());
    bar.SetBoth(true);
    EXPECT_EQ(bar.SkinDataName(), "bothhscrollbar");
    EXPECT_NE(bar.SkinIndex(), -1);
    bar.SetBoth(false);
    EXPECT_EQ(bar.SkinDataName(), "hscrollbar");
}

namespace {

struct SetterCase {
    const char* name;
    int min, max, page, position;
    std::function<void(TbsSkinScrollBar&)> act;
    int expectedPosition, expectedPage, changes;
};

const SetterCase SetterCases[] = {
    {"PositionAboveMax", 0, 100, 0, 0, [](auto& b) { b.SetPosition(150); }, 100, 0, 1},
    {"PositionBelowMin", 0, 100, 0, 50, [](auto& b) { b.SetPosition(-5); }, 0, 0, 1},
    {"SamePositionFiresNothing", 0, 100, 0, 50, [](auto& b) { b.SetPosition(50); }, 50, 0, 0},
    {"PositionStopsAtLastPage", 0, 99, 10, 0, [](auto& b) { b.SetPosition(95); }, 90, 10, 1},
    {"PageThatDoesNotFitIsIgnored", 0, 100, 0, 90, [](auto& b) { b.SetPageSize(20); }, 90, 0, 0},
    {"PageThatFits", 0, 100, 0, 80, [](auto& b) { b.SetPageSize(20); }, 80, 20, 0},
    {"MaxWithPagePullsPositionBack", 0, 100, 10, 45, [](auto& b) { b.SetMax(50); }, 41, 10, 0},
    {"MaxWithoutPageLowersPosition", 0, 100, 0, 60, [](auto& b) { b.SetMax(50); }, 50, 0, 0},
    // With Min not 0 the last page still ends at Max.
    {"MaxWithPageAndMin", 10, 100, 10, 80, [](auto& b) { b.SetMax(60); }, 51, 10, 0},
    {"MaxWithPageAndMinKeepsAFittingPosition", 10, 100, 10, 45, [](auto& b) { b.SetMax(60); }, 45, 10, 0},
    {"PageWithMinCountsFromMin", 10, 100, 0, 85, [](auto& b) { b.SetPageSize(16); }, 85, 16, 0},
    {"PageWithMinRefusedPastTheEnd", 10, 100, 0, 90, [](auto& b) { b.SetPageSize(12); }, 90, 0, 0},
    {"MinRaisesPosition", 0, 100, 0, 5, [](auto& b) { b.SetMin(20); }, 20, 0, 0},
    {"ReversedRangeIsSwapped", 0, 100, 0, 0, [](auto& b) { b.SetRange(80, 20, 0, 90); }, 80, 0, 0},
    {"NegativePageIsNone", 0, 100, 0, 0, [](auto& b) { b.SetRange(0, 100, -5, 100); }, 100, 0, 0},
    {"PageLargerThanRangeKeepsMin", 0, 100, 0, 0, [](auto& b) { b.SetRange(0, 9, 20, 5); }, 0, 20, 0},
    {"SimplySetPositionFiresNothing", 0, 100, 0, 0, [](auto& b) { b.SimplySetPosition(70); }, 70, 0, 0},
};

class ScrollBarSetters : public ::testing::TestWithParam<SetterCase> {};

} // namespace

TEST_P(ScrollBarSetters, ClampAndFireOnlyForPositionChanges)
{
    const SetterCase& c = GetParam();
    TbsSkinScrollBar bar;
    bar.SetRange(c.min, c.max, c.page, c.position);
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    c.act(bar);
    EXPECT_EQ(bar.Position(), c.expectedPosition);
    EXPECT_EQ(bar.PageSize(), c.expectedPage);
    EXPECT_EQ(changes, c.changes);
    EXPECT_GE(bar.Position(), bar.Min());
    EXPECT_LE(bar.Min(), bar.Max());
    bar.CalcRects();
    EXPECT_GE(bar.TrackArea().width(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrollBarSetters, ::testing::ValuesIn(SetterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScrollBarDefaultLook, NeverANegativeTrackWhenTooShort)
{
    TbsSkinScrollBar bar;
    bar.resize(20, 19);
    bar.CalcRects();
    EXPECT_EQ(bar.TrackArea().width(), 0);
    EXPECT_FALSE(bar.PaintedImage().isNull());
}

TEST(ScrollBarDrag, ThumbFollowsThePointerAndReportsTheEnd)
{
    TbsSkinScrollBar bar;
    bar.SetKind(sbVertical);
    bar.resize(19, 200);
    bar.SetRange(0, 99, 10, 45);
    bar.show();
    int changes = 0, lastChanges = 0;
    bar.OnChange = [&] { ++changes; };
    bar.OnLastChange = [&] { ++lastChanges; };
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(9, 100));
    QTest::mouseMove(&bar, QPoint(9, 130));
    EXPECT_EQ(bar.Position(), 63);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lastChanges, 0);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(9, 130));
    EXPECT_EQ(lastChanges, 1);
    // Far past the end stays on the last page.
    bar.CalcRects();
    QTest::mousePress(&bar, Qt::LeftButton, {}, bar.Part(TbsSkinScrollBar::ThumbPart).R.center());
    QTest::mouseMove(&bar, QPoint(9, 400));
    EXPECT_EQ(bar.Position(), 90);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(9, 400));
}

TEST(ScrollBarDrag, RightButtonOnlyReportsThePress)
{
    TbsSkinScrollBar bar;
    bar.SetPosition(50);
    bar.show();
    int downs = 0;
    bar.OnMouseDown = [&](QMouseEvent*) { ++downs; };
    QTest::mousePress(&bar, Qt::RightButton, {}, QPoint(190, 9));
    QTest::mouseRelease(&bar, Qt::RightButton, {}, QPoint(190, 9));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(bar.TimerModeValue(), 0);
}

namespace {

class ScrollBarRepeat : public ::testing::Test {
protected:
    ScrollBarRepeat()
    {
        bar.resize(200, 19);
        bar.SetRange(0, 1000, 0, 0);
        bar.show();
    }
    // The positions seen at the given milliseconds after the press.
    std::vector<int> PositionsAt(const std::vector<int>& moments)
    {
        std::vector<int> seen;
        int now = 0;
        for (int t : moments) {
            clock.Advance(t - now);
            now = t;
            seen.push_back(bar.Position());
        }
        return seen;
    }
    TFakeClock clock;
    TbsSkinScrollBar bar;
    const QPoint upButton{190, 9};
};

} // namespace

TEST_F(ScrollBarRepeat, HeldUpButtonStepsAtPressAt550AndEvery50)
{
    QTest::mousePress(&bar, Qt::LeftButton, {}, upButton);
    EXPECT_EQ(bar.Position(), 1);
    EXPECT_EQ(PositionsAt({549, 550, 599, 600, 650}), (std::vector<int>{1, 2, 2, 3, 4}));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, upButton);
    clock.Advance(500);
    EXPECT_EQ(bar.Position(), 4);
}

TEST_F(ScrollBarRepeat, AssignedClickEventReplacesTheStep)
{
    int clicks = 0;
    bar.OnUpButtonClick = [&] { ++clicks; };
    QTest::mousePress(&bar, Qt::LeftButton, {}, upButton);
    clock.Advance(600);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(bar.Position(), 0);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, upButton);
}

TEST_F(ScrollBarRepeat, SlidingOffTheButtonPausesAndBackResumesFast)
{
    QTest::mouseMove(&bar, upButton);
    QTest::mousePress(&bar, Qt::LeftButton, {}, upButton);
    clock.Advance(560);
    EXPECT_EQ(bar.Position(), 2);
    QTest::mouseMove(&bar, QPoint(100, 9));
    clock.Advance(500);
    EXPECT_EQ(bar.Position(), 2);
    QTest::mouseMove(&bar, upButton);
    clock.Advance(50);
    EXPECT_EQ(bar.Position(), 3);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, upButton);
}

TEST_F(ScrollBarRepeat, PagingTowardsTheEndStopsWhenTheThumbPassesThePointer)
{
    bar.SetRange(0, 100, 0, 0);
    bar.SetLargeChange(10);
    int pages = 0;
    bar.OnPageDown = [&] { ++pages; };
    // x = 120 lies after the thumb (17..33) at position 0.
    QTest::mouseMove(&bar, QPoint(120, 9));
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(120, 9));
    EXPECT_EQ(bar.Position(), 10);
    EXPECT_EQ(PositionsAt({549, 550, 600, 650}), (std::vector<int>{10, 20, 30, 40}));
    clock.Advance(1000);
    // Position 60 puts the thumb at 107..123 over the pointer: no further page.
    EXPECT_EQ(bar.Position(), 60);
    EXPECT_EQ(pages, 6);
    EXPECT_EQ(bar.TimerModeValue(), 0);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(120, 9));
}

TEST_F(ScrollBarRepeat, PagingTowardsTheEndStopsWhenThePointerLeaves)
{
    bar.SetRange(0, 100, 0, 0);
    bar.SetLargeChange(10);
    QTest::mouseMove(&bar, QPoint(150, 9));
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(150, 9));
    clock.Advance(550);
    EXPECT_EQ(bar.Position(), 20);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    clock.Advance(500);
    EXPECT_EQ(bar.Position(), 20);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(150, 9));
}

TEST_F(ScrollBarRepeat, PagingTowardsTheStartStepsDown)
{
    bar.SetRange(0, 100, 0, 100);
    bar.SetLargeChange(10);
    QTest::mouseMove(&bar, QPoint(20, 9));
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 9));
    EXPECT_EQ(bar.Position(), 90);
    clock.Advance(550);
    EXPECT_EQ(bar.Position(), 80);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(20, 9));
    clock.Advance(500);
    EXPECT_EQ(bar.Position(), 80);
}
