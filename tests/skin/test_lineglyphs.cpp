// Pixel tests of the line-drawn glyphs and the glow image of caption text effects.
#include "PictureText.h"
#include "skin/bsUtils.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using PictureText::Rows;

namespace
{

struct GlyphCase {
    const char* name;
    QSize canvas;
    std::function<void(QPainter&, const QRect&, const QColor&)> draw;
    Rows expected;
};

} // namespace

TEST(LineGlyphs, ExactPixels)
{
    const GlyphCase cases[] = {
        {"large arrow left",
         {11, 11},
         [](QPainter& p, const QRect& r, const QColor& c) { DrawLargeArrow(p, r, c, adLeft); },
         {"........#..", ".......##..", "......###..", ".....####..", "....#####..", "...######..",
          "....#####..", ".....####..", "......###..", ".......##..", "........#.."}},
        {"large arrow right",
         {11, 11},
         [](QPainter& p, const QRect& r, const QColor& c) { DrawLargeArrow(p, r, c, adRight); },
         {"..#........", "..##.......", "..###......", "..####.....", "..#####....", "..######...",
          "..#####....", "..####.....", "..###......", "..##.......", "..#........"}},
        {"small arrow up",
         {9, 9},
         [](QPainter& p, const QRect& r, const QColor& c) { DrawSmallArrow(p, r, c, adUp); },
         {".........", ".........", "....#....", "...###...", "..#####..", ".#######.", ".........",
          ".........", "........."}},
        {"small down arrow",
         {9, 9},
         [](QPainter& p, const QRect& r, const QColor& c) { DrawSmallDownArrow(p, r, c); },
         {".........", ".........", ".........", ".........", "..#####..", "...###...", "....#....",
          ".........", "........."}},
        {"plus",
         {9, 9},
         [](QPainter& p, const QRect& r, const QColor& c) { DrawPlusGlyph(p, r, c); },
         {"...##....", "...##....", "...##....", "..####...", "..####...", "...##....", "...##....",
          "...##....", "........."}},
        {"check mark",
         {9, 9},
         [](QPainter& p, const QRect&, const QColor& c) { DrawCheckGlyph(p, 0, 0, c); },
         {".........", "......#..", ".....##..", "#...###..", "##.###...", "#####....", ".###.....",
          "..#......", "........."}},
        {"dot",
         {8, 8},
         [](QPainter& p, const QRect&, const QColor& c) { DrawDotGlyph(p, 1, 1, c); },
         {"........", ".######.", ".######.", ".######.", ".######.", ".######.", ".######.", "........"}},
    };
    for (const GlyphCase& c : cases) {
        const QImage canvas = PictureText::Painted(c.canvas.width(), c.canvas.height(), [&](QPainter& p) {
            c.draw(p, QRect(QPoint(0, 0), c.canvas), QColor::fromRgb(PictureText::ColorOf('#')));
        });
        EXPECT_EQ(PictureText::Text(canvas), c.expected) << c.name;
    }
}

TEST(LineGlyphs, Frame3DGivesTheBottomRightItsCorners)
{
    const QImage canvas = PictureText::Painted(6, 5, [](QPainter& p) {
        Frame3D(p, QRect(0, 0, 5, 4), QColor::fromRgb(PictureText::ColorOf('T')),
                QColor::fromRgb(PictureText::ColorOf('B')));
    });
    EXPECT_EQ(PictureText::Text(canvas), (Rows{"TTTTB.", "T...B.", "T...B.", "BBBBB.", "......"}));
}

TEST(TextEffects, GlowTakesItsAlphaFromTheBlurredRed)
{
    // One red pixel in a row of three, blurred with radius 1: weights 1, 2, 1 over 4 along the row;
    // the column pass of a one-row image changes nothing.
    TbsBitmap image(3, 1);
    *image.GetPixelPtr(1, 0) = 0xFFFF0000;
    *image.GetPixelPtr(0, 0) = *image.GetPixelPtr(2, 0) = 0xFF000000;
    TurnIntoGlow(image, 1, 1, 0x00FF8000); // glow colour: red 0, green 128, blue 255
    EXPECT_TRUE(image.AlphaBlend());
    EXPECT_EQ(image.Pixel(0, 0), 0x3F0080FFu);
    EXPECT_EQ(image.Pixel(1, 0), 0x7F0080FFu);
    EXPECT_EQ(image.Pixel(2, 0), 0x3F0080FFu);
}
