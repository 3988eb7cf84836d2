// The custom control base: how the skin object's resize mode adapts the control's size, and what
// it paints from a picture that is missing or too small.
#include "SmallSkin.h"
#include "bsDefaultLook.h"
#include "bsSkinControl.h"

#include <gtest/gtest.h>

namespace {

struct ResizeCase {
    const char* name;
    TRect skinRect;
    TPoint rt, lb, rb;
    int mode;
    QSize requested; // set after the skin is assigned
    QSize expected;
    QSize expectedAfterPlainResize; // after a resize to requested + (7, 9) through a QWidget pointer
};

class ControlResize : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ControlResize, AdaptsOrKeepsTheSize)
{
    const ResizeCase& c = GetParam();
    TSmallSkin skin;
    auto& r = skin.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
    r.PictureIndex = skin.AddPicture(ColourBlocks({Qt::red, Qt::green}, 30, 30));
    r.SkinRect = c.skinRect;
    r.RTPoint = c.rt;
    r.LBPoint = c.lb;
    r.RBPoint = c.rb;
    TbsSkinData data;
    skin.LoadInto(data);

    QWidget parent;
    TbsSkinCustomControl control(&parent);
    control.SetSkinDataName(QStringLiteral("button"));
    control.setGeometry(0, 0, 40, 40);
    control.SetSkinData(&data);
    EXPECT_EQ(control.ResizeMode(), c.mode);
    control.setGeometry(3, 4, c.requested.width(), c.requested.height());
    EXPECT_EQ(control.size(), c.expected);
    EXPECT_EQ(control.pos(), QPoint(3, 4));
    // A placement through a QWidget pointer adapts too (once the resize arrives).
    static_cast<QWidget&>(control).resize(c.requested + QSize(7, 9));
    parent.show();
    EXPECT_EQ(control.size(), c.expectedAfterPlainResize);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ControlResize,
    ::testing::Values(
        ResizeCase{"fixed", {0, 0, 20, 23}, {}, {}, {}, 0, {50, 60}, {20, 23}, {20, 23}},
        ResizeCase{
            "fourCorners", {0, 0, 20, 23}, {15, 0}, {0, 18}, {15, 18}, 1, {50, 60}, {50, 60}, {57, 69}},
        ResizeCase{"horizontal", {0, 0, 20, 23}, {15, 10}, {}, {}, 2, {50, 60}, {50, 23}, {57, 23}},
        ResizeCase{
            "bothCoordinatesOfRBNeeded", {0, 0, 20, 23}, {3, 0}, {}, {0, 5}, 2, {50, 60}, {50, 23}, {57, 23}},
        ResizeCase{"vertical", {0, 0, 20, 23}, {}, {0, 12}, {}, 3, {50, 60}, {20, 60}, {20, 69}},
        ResizeCase{"emptySkinRect", {5, 5, 5, 30}, {}, {}, {}, -1, {50, 60}, {50, 60}, {57, 69}},
        ResizeCase{"negativeSkinRect", {10, 10, 2, 2}, {}, {}, {}, -1, {50, 60}, {50, 60}, {57, 69}},
        ResizeCase{"fixedSizeFarLargerThanAScreen",
                   {0, 0, 100000, 90000},
                   {},
                   {},
                   {},
                   0,
                   {50, 60},
                   {50, 60},
                   {57, 69}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinControlBase, WithoutARepositoryKeepsItsSizeAndTakesTheDefaultWidth)
{
    TbsSkinCustomControl control;
    control.SetSkinDataName(QStringLiteral("button"));
    control.setGeometry(0, 0, 33, 44);
    EXPECT_EQ(control.size(), QSize(33, 44));
    control.SetDefaultWidth(80);
    EXPECT_EQ(control.width(), 80);
    EXPECT_EQ(control.PaintedImage().pixelColor(5, 5), SysBtnFace());
}

TEST(SkinControlBase, NoPictureOrAnIndexPastThePicturesPaintsNothing)
{
    for (int index : {-1, 5}) {
        TSmallSkin skin;
        skin.AddPicture(ColourBlocks({Qt::red}, 10, 10));
        auto& r = skin.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
        r.PictureIndex = index;
        r.SkinRect = {0, 0, 10, 10};
        TbsSkinData data;
        skin.LoadInto(data);
        TbsSkinCustomControl control;
        control.SetSkinDataName(QStringLiteral("button"));
        control.SetSkinData(&data);
        ASSERT_EQ(control.SkinIndex(), 0);
        const QImage painted = control.PaintedImage();
        EXPECT_EQ(painted.pixel(5, 5), qRgba(0, 0, 0, 0)) << index;
    }
}

TEST(SkinControlBase, APartReachingPastThePictureReadsOnlyInsideIt)
{
    TSmallSkin skin;
    auto& r = skin.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
    r.PictureIndex = skin.AddPicture(ColourBlocks({Qt::red}, 10, 10));
    r.SkinRect = {5, 5, 25, 25};
    r.RTPoint = {15, 0};
    r.LBPoint = {0, 15};
    r.RBPoint = {15, 15};
    r.ClRect = {3, 3, 17, 17};
    TbsSkinData data;
    skin.LoadInto(data);
    TbsSkinCustomControl control;
    control.SetSkinDataName(QStringLiteral("button"));
    control.SetSkinData(&data);
    control.resize(60, 50);
    const QImage painted = control.PaintedImage();
    EXPECT_EQ(painted.size(), QSize(60, 50));
    EXPECT_EQ(painted.pixelColor(2, 2), QColor(Qt::red));
}

} // namespace
