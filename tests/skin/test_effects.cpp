// Pixel tests of TbsEffectBmp: colour effects, the split blur, rotations and the face transitions.
#include "skin/bseffects.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A grey image (all three channels equal) of the given rows of values.
TbsEffectBmp Grey(const std::vector<std::vector<int>>& rows)
{
    TbsEffectBmp image(int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const int v = rows[size_t(y)][size_t(x)];
            image.SetPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

// The image's blue channel row by row (the effects here treat the channels alike).
std::vector<std::vector<int>> Values(const TbsEffectBmp& image)
{
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < image.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < image.Width(); ++x)
            rows.back().push_back(qBlue(image.GetPixel(x, y)));
    }
    return rows;
}

using Rows = std::vector<std::vector<int>>;

} // namespace

TEST(TbsEffectBmp, LayoutAndPixels)
{
    TbsEffectBmp image(5, 2);
    EXPECT_EQ(image.Size(), (15 + 1) * 2);
    image.SetPixel(4, 1, qRgb(1, 2, 3));
    const uchar* p = image.GetScanLine(1) + 12;
    EXPECT_EQ(p[0], 3); // blue, green, red
    EXPECT_EQ(p[2], 1);
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(1, 0, 0x80102030);
    EXPECT_EQ(TbsEffectBmp(picture).GetPixel(1, 0), qRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(TbsEffectBmp(0, 4).Width(), 0);
}

TEST(TbsEffectBmp, ColourEffects)
{
    struct Case {
        const char* name;
        void (*apply)(TbsEffectBmp&);
        QRgb before, after;
    };
    const Case cases[] = {
        {"brightness of black rounds 127.5 to even", [](TbsEffectBmp& b) { b.ChangeBrightness(0.5); },
         qRgb(0, 0, 0), qRgb(128, 128, 128)},
        {"brightness keeps white", [](TbsEffectBmp& b) { b.ChangeBrightness(0.5); }, qRgb(255, 255, 255),
         qRgb(255, 255, 255)},
        {"brightness above 1 is white", [](TbsEffectBmp& b) { b.ChangeBrightness(3); }, qRgb(10, 20, 30),
         qRgb(255, 255, 255)},
        {"darkness", [](TbsEffectBmp& b) { b.ChangeDarkness(0.3); }, qRgb(200, 100, 5), qRgb(140, 70, 4)},
        {"darkness below 0 changes nothing", [](TbsEffectBmp& b) { b.ChangeDarkness(-1); }, qRgb(200, 100, 5),
         qRgb(200, 100, 5)},
        {"grey of grey", [](TbsEffectBmp& b) { b.GrayScale(); }, qRgb(100, 100, 100), qRgb(100, 100, 100)},
        {"grey of green", [](TbsEffectBmp& b) { b.GrayScale(); }, qRgb(0, 100, 0), qRgb(59, 59, 59)},
        {"grey 1.5 rounds to 2", [](TbsEffectBmp& b) { b.GrayScale(); }, qRgb(5, 0, 0), qRgb(2, 2, 2)},
        {"grey 2.5 rounds to 2", [](TbsEffectBmp& b) { b.GrayScale(); }, qRgb(1, 0, 20), qRgb(2, 2, 2)},
        {"invert", [](TbsEffectBmp& b) { b.Invert(); }, qRgb(0, 100, 255), qRgb(255, 155, 0)},
        {"inactive darkness", [](TbsEffectBmp& b) { b.ApplyInActiveEffect(ieDarkness); }, qRgb(200, 200, 200),
         qRgb(140, 140, 140)},
    };
    for (const Case& c : cases) {
        TbsEffectBmp image(1, 1);
        image.SetPixel(0, 0, c.before);
        c.apply(image);
        EXPECT_EQ(image.GetPixel(0, 0), c.after) << c.name;
    }
}

TEST(TbsEffectBmp, NoiseStaysInItsRange)
{
    QRandomGenerator generator(7);
    TbsEffectBmp mono(16, 16), colour(16, 16);
    for (TbsEffectBmp* image : {&mono, &colour})
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                image->SetPixel(x, y, qRgb(100, 100, 100));
    mono.AddMonoNoise(50, generator);
    colour.AddColorNoise(50, generator);
    bool varied = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb m = mono.GetPixel(x, y), c = colour.GetPixel(x, y);
            EXPECT_TRUE(qRed(m) == qGreen(m) && qGreen(m) == qBlue(m)); // one number per pixel
            for (int v : {qRed(m), qRed(c), qGreen(c), qBlue(c)}) {
                EXPECT_GE(v, 75);
                EXPECT_LE(v, 124);
            }
            varied = varied || qRed(m) != 100;
        }
    EXPECT_TRUE(varied);
    TbsEffectBmp still = Grey({{0, 255}});
    still.AddMonoNoise(0, generator);
    still.AddColorNoise(-5, generator);
    still.AddMonoNoise(1, generator); // the one number 0 less 1 div 2 adds nothing
    EXPECT_EQ(Values(still), (Rows{{0, 255}}));
}

TEST(TbsEffectBmp, SplitBlurWorksInPlaceFromTheTop)
{
    // Each pixel is the mean of its four diagonal neighbours one away, read from the image as it
    // is being changed; neighbours outside take the pixel's own row or column.
    TbsEffectBmp image = Grey({{0, 40, 80}, {120, 160, 200}, {240, 10, 20}});
    image.SplitBlur(1);
    EXPECT_EQ(Values(image), (Rows{{80, 120, 140}, {112, 120, 72}, {120, 81, 73}}));
    TbsEffectBmp same = Grey({{1, 2}});
    same.SplitBlur(0);
    EXPECT_EQ(Values(same), (Rows{{1, 2}}));
    TbsEffectBmp far = Grey({{8, 4}});
    far.SplitBlur(100); // every neighbour lies outside: the pixel averages itself
    EXPECT_EQ(Values(far), (Rows{{8, 4}}));
}

TEST(TbsEffectBmp, RotationsAndFlip)
{
    const TbsEffectBmp image = Grey({{1, 2}, {3, 4}, {5, 6}});
    TbsEffectBmp out(1, 1);
    image.Rotate90_1(out);
    EXPECT_EQ(Values(out), (Rows{{5, 3, 1}, {6, 4, 2}}));
    image.Rotate90_2(out);
    EXPECT_EQ(Values(out), (Rows{{2, 4, 6}, {1, 3, 5}}));
    image.FlipVert(out);
    EXPECT_EQ(Values(out), (Rows{{5, 6}, {3, 4}, {1, 2}}));
}

namespace {

struct MorphCase {
    const char* name;
    TbsMorphKind kind;
    double Kf;
    Rows expected;
};

class Transition : public ::testing::TestWithParam<MorphCase> {};

TEST_P(Transition, OnOneRow)
{
    const MorphCase& c = GetParam();
    const bool column = c.expected.size() > 1;
    TbsEffectBmp image = column ? Grey({{0}, {10}, {20}, {30}, {40}}) : Grey({{0, 10, 20, 30}});
    const TbsEffectBmp next =
        column ? Grey({{100}, {110}, {120}, {130}, {140}}) : Grey({{100, 110, 120, 130}});
    image.MorphByKind(c.kind, next, c.Kf);
    EXPECT_EQ(Values(image), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Transition,
    ::testing::Values(
        MorphCase{"default_start", mkDefault, 0, {{0, 10, 20, 30}}},
        MorphCase{"default_half", mkDefault, 0.5, {{50, 60, 70, 80}}},
        MorphCase{"default_end", mkDefault, 1, {{100, 110, 120, 130}}},
        MorphCase{"default_past_end", mkDefault, 2, {{100, 110, 120, 130}}},
        MorphCase{"left_slide_start_shows_one_column", mkLeftSlide, 0, {{130, 10, 20, 30}}},
        MorphCase{"left_slide_half", mkLeftSlide, 0.5, {{120, 130, 20, 30}}},
        MorphCase{"left_slide_end_keeps_one_old_column", mkLeftSlide, 1, {{110, 120, 130, 30}}},
        MorphCase{"right_slide_half", mkRightSlide, 0.5, {{0, 10, 100, 110}}},
        MorphCase{"push_start", mkPush, 0, {{130, 0, 10, 20}}},
        MorphCase{"push_half", mkPush, 0.5, {{110, 120, 130, 0}}},
        MorphCase{"push_end", mkPush, 1, {{100, 110, 120, 130}}},
        MorphCase{"left_gradient_half", mkLeftGradient, 0.5, {{100, 60, 20, 30}}},
        MorphCase{"right_gradient_half", mkRightGradient, 0.5, {{0, 10, 70, 130}}},
        MorphCase{"gradient_of_a_wide_image_runs_across", mkGradient, 0.5, {{0, 110, 120, 130}}},
        MorphCase{"gradient_of_a_tall_image_runs_down", mkGradient, 0.2, {{0}, {10}, {120}, {30}, {40}}},
        MorphCase{"vertical_gradient_with_no_rows_left_is_new",
                  mkGradient,
                  0.6,
                  {{100}, {110}, {120}, {130}, {140}}},
        MorphCase{
            "vertical_gradient_past_the_end_is_new", mkGradient, 3, {{100}, {110}, {120}, {130}, {140}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(TbsEffectBmp, HorizontalGradientBand)
{
    TbsEffectBmp image = Grey({{0, 10, 20, 30, 40}});
    image.MorphHGrad(Grey({{100, 110, 120, 130, 140}}), 0.2);
    EXPECT_EQ(Values(image), (Rows{{0, 60, 120, 80, 40}}));
}

TEST(TbsEffectBmp, TransitionsOnOnePixelShowTheNewFace)
{
    for (TbsMorphKind kind :
         {mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush}) {
        for (double Kf : {0.0, 0.5, 1.0}) {
            TbsEffectBmp image = Grey({{7}});
            image.MorphByKind(kind, Grey({{200}}), Kf);
            const int v = Values(image)[0][0];
            if (kind == mkDefault)
                EXPECT_EQ(v, int(std::nearbyint(7 * (1 - Kf) + 200 * Kf))) << kind << " " << Kf;
            else
                EXPECT_EQ(v, 200) << kind << " " << Kf;
        }
    }
}

TEST(TbsEffectBmp, TransitionWithAnotherSizeChangesNothing)
{
    TbsEffectBmp image = Grey({{1, 2}});
    for (TbsMorphKind kind :
         {mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush})
        image.MorphByKind(kind, Grey({{9, 9, 9}}), 0.5);
    EXPECT_EQ(Values(image), (Rows{{1, 2}}));
}

// Products that are exact halves in decimals round to the even neighbour. In binary floating
// point 0.7 x 45 lies just below 31.5, so these are the cases a floating-point version gets wrong.
TEST(TbsEffectBmp, ExactHalvesRoundToEven)
{
    struct Case {
        const char* name;
        void (*apply)(TbsEffectBmp&);
        std::vector<int> before, after;
    };
    const Case cases[] = {
        {"darkness 0.7 x 45, 15, 5, 25",
         [](TbsEffectBmp& b) { b.ChangeDarkness(0.3); },
         {45, 15, 5, 25},
         {32, 10, 4, 18}},
        {"inactive darkness", [](TbsEffectBmp& b) { b.ApplyInActiveEffect(ieDarkness); }, {45, 15}, {32, 10}},
        {"brightness 0.7 x c + 76.5",
         [](TbsEffectBmp& b) { b.ChangeBrightness(0.3); },
         {40, 0, 45},
         {104, 76, 108}},
        {"morph 0.7 x old",
         [](TbsEffectBmp& b) {
             b.Morph(Grey({{0, 0, 0}}), 0.3);
         },
         {45, 15, 25},
         {32, 10, 18}},
        {"morph 0.7 x new",
         [](TbsEffectBmp& b) {
             b.Morph(Grey({{45, 15, 25}}), 0.7);
         },
         {0, 0, 0},
         {32, 10, 18}},
    };
    for (const Case& c : cases) {
        TbsEffectBmp image = Grey({c.before});
        c.apply(image);
        EXPECT_EQ(Values(image), Rows{c.after}) << c.name;
    }

    // The columns a slide takes: nearest(45 x 0.7) = nearest(31.5) = 32, nearest(15 x 0.7) = 10.
    for (const auto& [width, columns] : {std::pair{45, 32}, std::pair{15, 10}}) {
        TbsEffectBmp image = Grey({std::vector<int>(size_t(width), 0)});
        image.MorphLeftSlide(Grey({std::vector<int>(size_t(width), 200)}), 0.7);
        const std::vector<int> row = Values(image).front();
        EXPECT_EQ(std::count(row.begin(), row.end(), 200), columns) << "width " << width;
    }
}
