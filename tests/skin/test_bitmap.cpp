// Pixel tests of TbsBitmap: construction, alpha building, blending, colour keys and the blur.
#include "skin/bseffects.h"

#include <gtest/gtest.h>

namespace {

// A one-row image of the given pixel values (0xAARRGGBB).
TbsBitmap Row(std::initializer_list<quint32> pixels)
{
    TbsBitmap b(int(pixels.size()), 1);
    int x = 0;
    for (quint32 p : pixels)
        *b.GetPixelPtr(x++, 0) = p;
    return b;
}

QImage Picture(int w, int h, std::initializer_list<QRgb> pixels)
{
    QImage image(w, h, QImage::Format_RGB32);
    auto it = pixels.begin();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, *it++);
    return image;
}

} // namespace

TEST(TbsBitmap, SetSizeTakesAbsoluteValuesAndIgnoresZero)
{
    TbsBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(-10, 5);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 5);
    b.SetSize(0, 5);
    EXPECT_EQ(b.Width(), 10);
    TbsBitmap none(0, 7);
    EXPECT_TRUE(none.Empty());
}

TEST(TbsBitmap, PartOutsideThePictureIsZeroAndNeverRead)
{
    const QImage picture = Picture(2, 1, {0xFF112233, 0xFF445566});
    TbsBitmap b(picture, QRect(1, 0, 3, 2));
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(0, 0), 0xFF445566u);
    EXPECT_EQ(b.Pixel(1, 0), 0u);
    EXPECT_EQ(b.Pixel(0, 1), 0u);
    EXPECT_TRUE(TbsBitmap(QImage(), QRect(0, 0, 4, 4)).Width() == 4);
}

TEST(TbsBitmap, ColorValueBecomesOpaquePixel)
{
    EXPECT_EQ(TbsBitmap::ColorToPixel(0x00332211), 0xFF112233u);
    TbsBitmap b(3, 2);
    b.FillRect(QRect(2, 0, -2, 1), 0x000000FF); // a rectangle of negative width is empty
    b.FillRect(QRect(1, 1, 10, 10), 0x000000FF);
    EXPECT_EQ(b.Pixel(0, 0), 0u);
    EXPECT_EQ(b.Pixel(1, 0), 0u);
    EXPECT_EQ(b.Pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(b.Pixel(2, 1), 0xFFFF0000u);
}

TEST(TbsBitmap, AlphaOperations)
{
    TbsBitmap b = Row({0x80FF4000, 0x00000000, 0xFFFFFFFF});
    b.CheckingAlphaBlend();
    EXPECT_TRUE(b.AlphaBlend());
    b.CheckRGBA();
    EXPECT_EQ(b.Pixel(0, 0), 0x80804000u);
    TbsBitmap p = Row({0x80FF4001, 0x01FF0000});
    p.CheckRGBA2(); // 128*255/255 = 128; 128*64/255 = 32.1 -> 32; 128*1/255 -> 1; 1*255/255 = 1
    EXPECT_EQ(p.Pixel(0, 0), 0x80802001u);
    EXPECT_EQ(p.Pixel(1, 0), 0x01010000u);
    TbsBitmap opaque = Row({0xFF000000, 0x00FFFFFF});
    opaque.SetAlpha(255);
    opaque.CheckingAlphaBlend();
    EXPECT_FALSE(opaque.AlphaBlend());
}

TEST(TbsBitmap, AlphaFromMaskTakesRoundedMeanAndZeroBeyondTheMask)
{
    TbsBitmap b = Row({0xFFFFFFFF, 0xFF0000FF, 0xFF102030});
    // (1 + 1 + 0) / 3 = 0.67 -> 1; (1 + 1 + 2) / 3 = 1.33 -> 1; third pixel lies beyond the mask
    b.AlphaFromMask(Picture(2, 1, {0xFF010100, 0xFF010102}));
    EXPECT_EQ(b.Pixel(0, 0), 0x01FFFFFFu);
    EXPECT_EQ(b.Pixel(1, 0), 0x010000FFu);
    EXPECT_EQ(b.Pixel(2, 0), 0x00102030u);
    TbsBitmap c = Row({0xFFFF8040});
    c.PremultipliedAlphaFromMask(Picture(1, 1, {0xFF808080}));
    EXPECT_EQ(c.Pixel(0, 0), 0x80804020u); // 128*128/255 = 64.25 -> 64; 128*64/255 = 32.1 -> 32
}

TEST(TbsBitmap, CheckingTransparentSnapsNearKeyPixels)
{
    TbsBitmap b = Row({0xFF7D0380, 0xFF850000 | 0x7F, 0xFF7F007F});
    b.CheckingTransparent(TbsBitmap::TransparentKey);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.Pixel(0, 0), TbsBitmap::TransparentKey);
    EXPECT_EQ(b.Pixel(1, 0), 0xFF85007Fu); // red 6 away stays
    EXPECT_EQ(b.Pixel(2, 0), TbsBitmap::TransparentKey);
    TbsBitmap none = Row({0xFF000000});
    none.CheckingTransparent();
    EXPECT_FALSE(none.Transparent());
}

TEST(TbsBitmap, BlendPixel)
{
    struct Case {
        const char* name;
        quint32 s, d, expected;
    };
    const Case cases[] = {
        {"opaque source replaces", 0xFF102030, 0xFF405060, 0xFF102030},
        {"clear source keeps destination", 0x00102030, 0x12405060, 0x12405060},
        // (128*200 + 127*100) div 256 = 149; (128*0 + 127*255) div 256 = 126
        {"half source mixes", 0x80C800FF, 0xFF64FF00, 0xFF957E7F},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TbsBitmap::BlendPixel(c.s, c.d), c.expected) << c.name;
}

TEST(TbsBitmap, DrawModes)
{
    QImage dest(3, 1, QImage::Format_RGB32);
    dest.fill(0xFF000000);
    TbsBitmap key = Row({0xFF7F007F, 0xFF00FF00});
    key.SetTransparent(true);
    key.Draw(dest, 1, 0);
    EXPECT_EQ(dest.pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(dest.pixel(2, 0), 0xFF00FF00u);

    TbsBitmap alpha = Row({0x80FFFFFF});
    alpha.SetAlphaBlend(true);
    alpha.Draw(dest, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0), 0xFF7F7F7Fu); // 128*255 div 256 = 127
}

TEST(TbsBitmap, StretchedCopyReplicatesPixels)
{
    QImage dest(4, 1, QImage::Format_RGB32);
    dest.fill(0);
    TbsBitmap b = Row({0xFF0000FF, 0xFFFF0000});
    b.Draw(dest, QRect(0, 0, 2, 1), QRect(0, 0, 4, 1));
    EXPECT_EQ(dest.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(dest.pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(dest.pixel(2, 0), 0xFFFF0000u);
    EXPECT_EQ(dest.pixel(3, 0), 0xFFFF0000u);
}

TEST(TbsBitmap, BlurWeighsNeighboursAndRepeatsEdges)
{
    TbsBitmap b = Row({0xFF000000, 0x00FFFFFF, 0xFF000000});
    b.Blur(1);
    EXPECT_EQ(b.Pixel(0, 0), 0xFF3F3F3Fu); // 255 / 4 = 63
    EXPECT_EQ(b.Pixel(1, 0), 0xFF7F7F7Fu); // 510 / 4 = 127
    EXPECT_EQ(b.Pixel(2, 0), 0xFF3F3F3Fu);

    TbsBitmap wide = Row({0xFFFFFFFF, 0xFF000000});
    wide.Blur(5); // weights for x=0: own 6 + left tail 5+4+3+2+1 = 21 of white; right: 5+4+3+2+1 = 15 black
    EXPECT_EQ(wide.Pixel(0, 0) & 0xFF, quint32(21 * 255 / 36));
    EXPECT_EQ(wide.Pixel(1, 0) & 0xFF, quint32(15 * 255 / 36));
    TbsBitmap same = Row({0xFF102030});
    same.Blur(0);
    EXPECT_EQ(same.Pixel(0, 0), 0xFF102030u);
}
