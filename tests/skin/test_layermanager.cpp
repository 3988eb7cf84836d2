// Tests of the glow window's fade and of the image it shows.
#include "skin/bsUtils.h"

#include <gtest/gtest.h>

namespace
{

QImage Filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

TEST(TbsLayerManager, FadesInTenStepsToTheEndValue)
{
    TbsLayerManager manager;
    EXPECT_TRUE(manager.TopMostMode);
    EXPECT_EQ(manager.Timer()->interval(), 25);
    manager.Show(10, 20, 200, Filled(4, 2, 0xFF808080), Filled(4, 2, 0xFFFFFFFF));
    ASSERT_TRUE(manager.IsVisible());
    EXPECT_EQ(manager.LayerWindow()->size(), QSize(4, 2));
    EXPECT_TRUE(manager.LayerWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(manager.BeginAlphaBlendValue, 0);
    EXPECT_TRUE(manager.Timer()->isActive());
    std::vector<int> steps;
    while (manager.Timer()->isActive() && steps.size() < 20) {
        manager.FadeStep();
        steps.push_back(manager.BeginAlphaBlendValue);
    }
    EXPECT_EQ(steps, (std::vector<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 200}));
    EXPECT_DOUBLE_EQ(manager.LayerWindow()->windowOpacity(), 200 / 255.0);
}

TEST(TbsLayerManager, ImageAlphaComesFromTheMask)
{
    TbsLayerManager manager;
    // Alpha (128 + 128 + 128) / 3 = 128; white is lowered to it. Beyond the mask alpha is 0.
    manager.Show(0, 0, 255, Filled(1, 1, 0xFF808080), Filled(2, 1, 0xFFFFFFFF));
    ASSERT_NE(manager.Bmp(), nullptr);
    EXPECT_EQ(manager.Bmp()->Pixel(0, 0), 0x80808080u);
    EXPECT_EQ(manager.Bmp()->Pixel(1, 0), 0x00000000u);
    EXPECT_EQ(manager.LayerWindow()->Image().format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(manager.LayerWindow()->Image().pixel(0, 0), 0x80808080u);
}

TEST(TbsLayerManager, SmallEndValueShowsAtOnce)
{
    TbsLayerManager manager;
    manager.Show(0, 0, 7, Filled(2, 2, 0xFFFFFFFF), Filled(2, 2, 0xFF102030));
    EXPECT_EQ(manager.StepAlphaBlendValue, 0);
    EXPECT_EQ(manager.BeginAlphaBlendValue, 7);
    EXPECT_FALSE(manager.Timer()->isActive());
}

TEST(TbsLayerManager, HideAndEmptyImages)
{
    TbsLayerManager manager;
    manager.Show(0, 0, 100, Filled(2, 2, 0xFFFFFFFF), Filled(2, 2, 0xFF102030));
    manager.Hide();
    EXPECT_FALSE(manager.IsVisible());
    EXPECT_EQ(manager.Bmp(), nullptr);
    EXPECT_FALSE(manager.Timer()->isActive());
    manager.Show(0, 0, 100, QImage(), QImage());
    EXPECT_FALSE(manager.IsVisible());
    manager.Update(); // nothing shown: nothing to raise
    manager.FadeStep();
    EXPECT_FALSE(manager.Timer()->isActive());
}
