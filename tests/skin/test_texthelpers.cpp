// Tests of the drawing helpers that place things: text shortening and rectangles, glyph and caption
// layout, rectangle tests, colours and version tests. Widths come from the font in use, never pixels.
#include "PictureText.h"
#include "skin/bsUtils.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

namespace
{

QFont PixelFont(int pixels)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TEST(ShortenText, CutsWholeCharactersUntilTheDotsFit)
{
    const QFontMetrics fm(PixelFont(13));
    const auto width = [&](const QString& s) { return TextWidth(fm, s); };
    struct Case {
        const char* name;
        QString text;
        int limit;
        QString expected;
    };
    const QString six = QStringLiteral("abcdef");
    const Case cases[] = {
        {"fits unchanged", six, width(six), six},
        {"three letters and dots", six, width(QStringLiteral("abc...")), QStringLiteral("abc...")},
        {"one pixel less drops one more", six, width(QStringLiteral("abc...")) - 1, QStringLiteral("ab...")},
        {"narrower than the dots", six, width(QStringLiteral("...")) - 1, QStringLiteral("...")},
        {"nothing left", six, 0, QStringLiteral("...")},
        {"empty text", QString(), 0, QString()},
        {"surrogate pair kept whole", QStringLiteral("ab\U0001F600\U0001F600"),
         width(QStringLiteral("ab\U0001F600...")), QStringLiteral("ab\U0001F600...")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenText(fm, c.text, c.limit), c.expected) << c.name;

    // At no limit is a pair or an accent split from its character.
    const QString mixed = QStringLiteral("x\U0001F600e\u0301\U0001D11Ez");
    for (int limit = 0; limit <= width(mixed); ++limit) {
        const QString result = ShortenText(fm, mixed, limit);
        EXPECT_TRUE(result.isValidUtf16()) << limit;
        EXPECT_FALSE(result.contains(QStringLiteral("e...")) && !result.contains(QStringLiteral("e\u0301")))
            << limit;
    }
}

TEST(SingleLineText, CapitalWWidensAndOddFontsRise)
{
    struct Case {
        const char* name;
        QString text;
        int pixels;
        bool widen;
        QRect expected;
    };
    const QRect r(5, 10, 40, 20);
    const Case cases[] = {
        {"Wide is widened", QStringLiteral("Wide"), 12, true, QRect(5, 10, 42, 20)},
        {"wide is not", QStringLiteral("wide"), 12, true, QRect(5, 10, 40, 20)},
        {"no widening in the plain form", QStringLiteral("Wide"), 12, false, QRect(5, 10, 40, 20)},
        {"odd font raises the top only", QStringLiteral("wide"), 13, true, QRect(5, 9, 40, 21)},
        {"both", QStringLiteral("Wide"), 13, true, QRect(5, 9, 42, 21)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SingleLineTextRect(c.text, r, PixelFont(c.pixels), c.widen), c.expected) << c.name;
    EXPECT_TRUE(FontHeightIsOdd(PixelFont(11)));
    EXPECT_FALSE(FontHeightIsOdd(PixelFont(12)));
}

TEST(SingleLineText, LeftTextPosition)
{
    const QRect r(10, 20, 100, 30);
    for (int pixels : {12, 13}) {
        const QFont font = PixelFont(pixels);
        const int h = QFontMetrics(font).height();
        const int y = 20 + 15 - (pixels % 2) - h / 2;
        EXPECT_EQ(TextAtLeftPosition(font, QStringLiteral("x"), r), QPoint(11, y)) << pixels;
        EXPECT_EQ(TextAtLeftPosition(font, QStringLiteral("x"), r, 3), QPoint(15, y)) << pixels;
    }
}

TEST(GlyphLayout, PlacesGlyphAndCaptionForEveryLayout)
{
    struct Case {
        const char* name;
        TbsButtonLayout layout;
        int margin;
        QSize glyph;
        TbsGlyphCaptionPlace expected;
    };
    const Case cases[] = {
        {"centred left", blGlyphLeft, -1, {16, 16}, {{20, 7}, {40, 9}}},
        {"centred right", blGlyphRight, -1, {16, 16}, {{64, 7}, {20, 9}}},
        {"centred top", blGlyphTop, -1, {16, 16}, {{42, -1}, {30, 19}}},
        {"centred bottom", blGlyphBottom, -1, {16, 16}, {{42, 15}, {30, -1}}},
        {"margin left", blGlyphLeft, 3, {16, 16}, {{3, 7}, {23, 9}}},
        {"margin right", blGlyphRight, 3, {16, 16}, {{81, 7}, {37, 9}}},
        {"margin top", blGlyphTop, 3, {16, 16}, {{42, 3}, {30, 23}}},
        {"margin bottom", blGlyphBottom, 3, {16, 16}, {{42, 11}, {30, -5}}},
        {"no glyph ignores the spacing", blGlyphLeft, -1, {0, 0}, {{30, 15}, {30, 9}}},
    };
    for (const Case& c : cases) {
        const TbsGlyphCaptionPlace p =
            PlaceGlyphAndCaption(QRect(0, 0, 100, 30), c.glyph, {40, 12}, c.layout, c.margin, 4);
        EXPECT_EQ(p.Glyph, c.expected.Glyph) << c.name;
        EXPECT_EQ(p.Caption, c.expected.Caption) << c.name;
    }
}

TEST(GlyphLayout, CaptionIsMeasuredBesideOrBelowTheGlyph)
{
    const QFontMetrics fm(PixelFont(12));
    const QString text = QStringLiteral("one two three four five six");
    const QRect r(0, 0, 80, 60);
    const QSize beside = MeasureCaption(fm, text, r, {30, 10}, blGlyphLeft);
    EXPECT_EQ(beside,
              fm.boundingRect(QRect(0, 0, 50, 60), Qt::TextWordWrap | Qt::TextExpandTabs, text).size());
    EXPECT_EQ(MeasureCaption(fm, text, r, {30, 10}, blGlyphTop),
              fm.boundingRect(QRect(0, 0, 80, 50), Qt::TextWordWrap | Qt::TextExpandTabs, text).size());
    EXPECT_EQ(MeasureCaption(fm, QString(), r, {30, 10}, blGlyphTop), QSize(0, 0));
}

TEST(GlyphLayout, StripGlyphWithColourMarker)
{
    // A 4 x 4 glyph (state 1 of 2) centred in 20 x 20, then the marker on its last two rows and
    // the row below; the key colour 'k' of the frame's bottom-left pixel is not drawn.
    QImage strip(8, 4, QImage::Format_RGB32);
    strip.fill(0xFF00FF00);
    strip.setPixel(0, 3, 0xFF0000FF);
    TbsButtonGlyph glyph;
    glyph.Strip = strip;
    glyph.NumGlyphs = 2;
    for (bool pressed : {false, true}) {
        const QImage canvas = PictureText::Painted(20, 20, [&](QPainter& p) {
            DrawGlyphAndCaption(p, QRect(0, 0, 20, 20), -1, 0, blGlyphLeft, QString(), glyph, pressed,
                                {0x000000FF, true});
        });
        const int o = pressed ? 9 : 8;
        EXPECT_EQ(canvas.pixel(o, o), 0xFF00FF00u) << pressed;
        EXPECT_EQ(canvas.pixel(o + 3, o + 1), 0xFF00FF00u) << pressed;
        EXPECT_EQ(canvas.pixel(o, o + 2), 0xFFFF0000u) << pressed; // marker over the glyph's last rows
        EXPECT_EQ(canvas.pixel(o + 3, o + 4), 0xFFFF0000u) << pressed;
        EXPECT_EQ(canvas.pixel(o + 4, o + 4), 0xFF000000u) << pressed;
        EXPECT_EQ(canvas.pixel(o, o + 5), 0xFF000000u) << pressed;
    }
}

TEST(GlyphLayout, MarkerAloneFillsTheInsetClient)
{
    struct Case {
        const char* name;
        int numGlyphs;
        bool pressed;
        QRect filled;
    };
    const Case cases[] = {
        {"plain", 0, false, QRect(2, 4, 6, 4)},
        {"pressed strip button", 3, true, QRect(2, 5, 6, 4)},
    };
    for (const Case& c : cases) {
        TbsButtonGlyph none;
        none.NumGlyphs = c.numGlyphs;
        const QImage canvas = PictureText::Painted(10, 12, [&](QPainter& p) {
            DrawGlyphAndCaption(p, QRect(0, 0, 10, 12), -1, 0, blGlyphLeft, QString(), none, c.pressed,
                                {0x00FFFFFF, true});
        });
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 10; ++x)
                EXPECT_EQ(canvas.pixel(x, y) == 0xFFFFFFFF, c.filled.contains(x, y))
                    << c.name << " " << x << "," << y;
    }
}

TEST(RectTests, EdgesCountAsEachRoutineSays)
{
    const TRect r{0, 0, 10, 10};
    EXPECT_TRUE(PointInRect(r, {10, 10}));
    EXPECT_FALSE(PtInRect(r, {10, 10}));
    struct Case {
        const char* name;
        bool actual, expected;
    };
    const Case cases[] = {
        {"inside", RectInRect({2, 2, 5, 5}, r), true},
        {"bottom-right corner on the edge", RectInRect({2, 2, 10, 10}, r), false},
        {"touching by the left corner", RectToRect({8, 0, 20, 5}, r), true},
        {"left corner past the edge", RectToRect({9, 0, 20, 5}, r), false},
        {"touching by the right corner", RectToRect({-5, 3, 1, 9}, r), true},
        {"null point with one zero", IsNullPoint({0, 5}), true},
        {"set point", IsNullPoint({3, 5}), false},
        {"empty rectangle", IsNullRect({5, 5, 5, 9}), true},
        {"equal", EqRects(r, {0, 0, 10, 10}), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(Colors, DarkerColorRoundsToNearest)
{
    // red 50 - 12.5 -> 37 (halves away from zero), green 100 - 25, blue 200 - 50
    EXPECT_EQ(DarkerColor(0x00C86432, 25), TColor(0x00964B25));
    EXPECT_EQ(DarkerColor(0x00FFFFFF, 100), TColor(0));
    EXPECT_EQ(DarkerColor(clBtnFace, 0), ColorToRGB(clBtnFace));
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    EXPECT_EQ(ColorToQColor(clBtnFace), face);
    EXPECT_EQ(ColorToQColor(0x00030201), QColor(1, 2, 3));
}

TEST(VersionTests, FromMajorAndMinor)
{
    struct Case {
        int major, minor;
        bool w2k, xp, vista, seven, eight;
    };
    const Case cases[] = {
        {4, 9, false, false, false, false, false}, {5, 0, true, false, false, false, false},
        {5, 1, true, true, false, false, false},   {5, 2, true, false, false, false, false},
        {5, 3, false, false, false, false, false}, {6, 0, true, true, true, false, false},
        {6, 1, true, true, true, true, false},     {6, 2, true, true, true, false, true},
        {10, 0, true, true, true, false, true},
    };
    for (const Case& c : cases) {
        const TbsOSVersion v{c.major, c.minor};
        EXPECT_EQ(IsW2KOrLater(v), c.w2k) << c.major << "." << c.minor;
        EXPECT_EQ(IsWindowsXP(v), c.xp) << c.major << "." << c.minor;
        EXPECT_EQ(IsVistaOrLater(v), c.vista) << c.major << "." << c.minor;
        EXPECT_EQ(IsWindows7(v), c.seven) << c.major << "." << c.minor;
        EXPECT_EQ(IsWindows8OrLater(v), c.eight) << c.major << "." << c.minor;
    }
}
