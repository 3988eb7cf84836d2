// Pixel tests of the picture-part primitives: framed parts, strips, borders, client pieces, masks.
#include "PictureText.h"
#include "skin/bsPaintParts.h"

#include <QPainter>
#include <climits>
#include <gtest/gtest.h>

using PictureText::Painted;
using PictureText::Picture;
using PictureText::RegionText;
using PictureText::Rows;
using PictureText::Text;

namespace {

// A 5 x 5 part at (1, 1) of a picture ringed with 'Z', so that any read outside the part shows.
const QImage& FramePicture()
{
    static const QImage picture = Picture({
        "ZZZZZZZ",
        "Zabcdez",
        "ZfghijZ",
        "ZklmnoZ",
        "ZpqrstZ",
        "ZuvwxyZ",
        "ZZZZZZZ",
    });
    return picture;
}
const QRect kPart(1, 1, 5, 5);

// One-pixel corners, three-pixel edge middles, a 3 x 3 client.
const TbsPartGeometry kNine{{1, 1}, {4, 1}, {1, 4}, {4, 4}, QRect(1, 1, 3, 3)};

struct FramedCase {
    const char* name;
    int AW, AH;
    bool stretch; // edges and client stretched (bsstFull) instead of tiled
    Rows expected;
};

class FramedPart : public ::testing::TestWithParam<FramedCase> {};

TEST_P(FramedPart, PaintsNinePieces)
{
    const FramedCase& c = GetParam();
    QImage B;
    const TbsEdgeStretch stretch{c.stretch, c.stretch, c.stretch, c.stretch};
    PaintFramedPart(kNine, ResizedPartGeometry(kNine, kPart.size(), c.AW, c.AH), B, FramePicture(), kPart,
                    c.AW, c.AH, true, stretch, c.stretch, bsstFull);
    EXPECT_EQ(Text(B), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FramedPart,
    ::testing::Values(
        FramedCase{"tiled_larger",
                   8,
                   7,
                   false,
                   {"abcdbcde", "fghighij", "klmnlmno", "pqrsqrst", "fghighij", "klmnlmno", "uvwxvwxy"}},
        FramedCase{"stretched_larger",
                   8,
                   7,
                   true,
                   {"abbccdde", "fgghhiij", "fgghhiij", "kllmmnno", "kllmmnno", "pqqrrsst", "uvvwwxxy"}},
        FramedCase{"own_size", 5, 5, false, {"abcde", "fghij", "klmno", "pqrst", "uvwxy"}},
        FramedCase{"smaller_cuts_tiles", 3, 3, false, {"abe", "fgj", "uvy"}},
        FramedCase{"smaller_than_corners", 2, 2, false, {"ae", "uy"}},
        FramedCase{"smaller_than_corners_stretched", 2, 2, true, {"ae", "uy"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FramedPartSafety, SizesTheImageAndDrawsNothingWithoutAPart)
{
    QImage B;
    TbsPartGeometry flat = kNine;
    flat.RBPoint.setX(flat.LTPoint.x());
    PaintFramedPart(flat, flat, B, FramePicture(), kPart, 4, 3, true, {}, false, bsstFull);
    EXPECT_EQ(Text(B), (Rows{"....", "....", "...."}));

    PaintFramedPart(kNine, kNine, B, QImage(), kPart, 2, 1, true, {}, false, bsstFull);
    EXPECT_EQ(Text(B), (Rows{".."}));
}

TEST(FramedPartSafety, HostileGeometryStaysInsideThePicture)
{
    const TbsPartGeometry wild{
        {INT_MIN, 3}, {INT_MAX, -7}, {-40, INT_MAX}, {99, 99}, QRect(-5, -5, 400, 400)};
    const QRect parts[] = {QRect(100, 100, 5, 5), QRect(-3, -3, 20, 20), QRect(INT_MAX - 4, 0, 4, 4)};
    for (const QRect& part : parts) {
        QImage B;
        PaintFramedPart(wild, ResizedPartGeometry(wild, part.size(), 9, 9), B, FramePicture(), part, 9, 9,
                        true, {}, false, bsstHorz);
        EXPECT_EQ(B.size(), QSize(9, 9));
        PaintFramedPart(kNine, kNine, B, FramePicture(), part, 9, 9, true, {true, true, true, true}, true,
                        bsstVert);
        EXPECT_EQ(B.size(), QSize(9, 9));
    }
}

TEST(FramedPartSafety, EmptyMiddlesDrawNothingInsteadOfDividingByZero)
{
    // Corner points that meet leave edge middles of length 0; an empty client is tiled too.
    const TbsPartGeometry meeting{{2, 1}, {2, 1}, {2, 4}, {3, 4}, QRect(1, 1, 0, 3)};
    QImage B;
    PaintFramedPart(meeting, ResizedPartGeometry(meeting, kPart.size(), 7, 5), B, FramePicture(), kPart, 7, 5,
                    true, {}, false, bsstFull);
    EXPECT_EQ(B.size(), QSize(7, 5));
}

TEST(FramedPartSafety, TilesStartingLeftOfAndAboveTheImageKeepTheirPhase)
{
    // Only the client is drawn: a 3 x 3 tile laid from (-4, -3), so (0, 0) takes tile pixel (1, 0).
    const TbsPartGeometry dest{{}, {}, {}, {}, QRect(-4, -3, 10, 9)};
    QImage B;
    PaintFramedPart(kNine, dest, B, FramePicture(), kPart, 6, 6, true, {}, false, bsstFull);
    EXPECT_EQ(Text(B), (Rows{"highig", "mnlmnl", "rsqrsq", "highig", "mnlmnl", "rsqrsq"}));
}

TEST(StretchedPart, StretchesEveryBandOfTheClientRectangle)
{
    QImage B(8, 7, QImage::Format_RGB32);
    B.fill(0);
    PaintStretchedPart(B, FramePicture(), kPart, true, QRect(1, 1, 3, 3));
    EXPECT_EQ(Text(B),
              (Rows{"abbccdde", "fgghhiij", "fgghhiij", "kllmmnno", "kllmmnno", "pqqrrsst", "uvvwwxxy"}));

    B.fill(0);
    PaintStretchedPart(B, FramePicture(), kPart, false, QRect(1, 1, 3, 3));
    EXPECT_EQ(Text(B),
              (Rows{"abbccdde", "f......j", "f......j", "k......o", "k......o", "p......t", "uvvwwxxy"}));
}

TEST(ClientStretch, HorizontalAndVerticalRepeatScaledPieces)
{
    // Client piece "ghi/lmn/qrs" into a 6 x 5 client: bsstHorz scales it to 3 x 5 and repeats it
    // rightwards; bsstVert scales it to 6 x 3 and repeats it downwards, cut at the client's edge.
    const auto paint = [](TbsStretchType type) {
        QImage B;
        PaintFramedPart(kNine, ResizedPartGeometry(kNine, kPart.size(), 8, 7), B, FramePicture(), kPart, 8, 7,
                        true, {}, true, type);
        Rows client;
        for (int y = 1; y < 6; ++y)
            client.push_back(Text(B)[size_t(y)].substr(1, 6));
        return client;
    };
    EXPECT_EQ(paint(bsstHorz), (Rows{"ghighi", "ghighi", "lmnlmn", "lmnlmn", "qrsqrs"}));
    EXPECT_EQ(paint(bsstVert), (Rows{"gghhii", "llmmnn", "qqrrss", "gghhii", "llmmnn"}));
}

struct ClientPartCase {
    const char* name;
    QRect piece, D;
    TbsStretchType type;
    bool stretchEffect;
    Rows expected;
};

TEST(ClientPart, TilesFromTheOriginOrStretchesIntoD)
{
    const QImage picture = Picture({"abcde", "fghij"});
    const ClientPartCase cases[] = {
        {"tiles of 2 cut to a width of 5",
         QRect(0, 0, 2, 1),
         QRect(0, 0, 5, 2),
         bsstFull,
         false,
         {"ababa.", "ababa.", "......"}},
        {"tiles start at the origin, not at D",
         QRect(1, 0, 2, 2),
         QRect(3, 1, 3, 1),
         bsstFull,
         false,
         {"bcb...", "......", "......"}},
        {"full stretch into D",
         QRect(1, 0, 2, 1),
         QRect(1, 1, 4, 2),
         bsstFull,
         true,
         {"......", ".bbcc.", ".bbcc."}},
        {"horizontal copies run past D",
         QRect(0, 0, 2, 2),
         QRect(0, 0, 3, 3),
         bsstHorz,
         true,
         {"abab..", "abab..", "fgfg.."}},
        {"empty D draws nothing",
         QRect(0, 0, 2, 2),
         QRect(2, 2, 0, 4),
         bsstFull,
         true,
         {"......", "......", "......"}},
        {"piece outside the picture",
         QRect(9, 9, 2, 2),
         QRect(0, 0, 6, 3),
         bsstFull,
         false,
         {"......", "......", "......"}},
        {"piece half outside the picture",
         QRect(3, 0, 4, 1),
         QRect(0, 0, 6, 1),
         bsstFull,
         false,
         {"de..de", "......", "......"}},
    };
    for (const ClientPartCase& c : cases) {
        QImage B;
        PaintClientPart(c.piece, c.D, B, c.type, c.stretchEffect, 6, 3, QRect(0, 0, 5, 2), picture);
        EXPECT_EQ(Text(B), c.expected) << c.name;
    }
}

struct StripCase {
    const char* name;
    int lo, ro, length;
    bool stretch;
    std::string expected;
};

// The strips are checked along their length: a one-row part for PaintHStrip and the same letters
// as a one-column part for PaintVStrip.
std::string Strip(bool horizontal, const StripCase& c, const std::string& part)
{
    QImage B;
    if (horizontal) {
        PaintHStrip(c.lo, c.ro, B, c.stretch, c.length, QRect(0, 0, 5, 1), Picture({part}));
        return B.isNull() ? std::string() : Text(B).front();
    }
    Rows column;
    for (char ch : part)
        column.push_back(std::string(1, ch));
    PaintVStrip(c.lo, c.ro, B, c.stretch, c.length, QRect(0, 0, 1, 5), Picture(column));
    std::string text;
    for (const std::string& row : Text(B))
        text += row;
    return text;
}

TEST(HStrip, CutsTilesAndClampsItsEnds)
{
    const StripCase cases[] = {
        {"tiled", 1, 1, 8, false, "abcdbcde"},
        {"stretched", 1, 1, 7, true, "abbccde"},
        {"narrower than its ends", 2, 2, 3, false, "ade"},
        {"zero middle counts as one column", 2, 3, 6, false, "abccde"},
        {"ends wider than the part are clamped", 4, 4, 7, false, "abcdeee"},
        {"left end past the part reads its last column", 9, 0, 7, false, "abcdeee"},
        {"negative ends are none", -3, -1, 6, false, "abcdea"},
    };
    for (const StripCase& c : cases)
        EXPECT_EQ(Strip(true, c, "abcdeXY"), c.expected) << c.name;
}

TEST(VStrip, CutsTilesAndDrawsNoEmptyMiddle)
{
    const StripCase cases[] = {
        {"tiled", 1, 1, 8, false, "abcdbcde"},
        {"stretched", 1, 1, 7, true, "abbccde"},
        {"zero middle draws none", 2, 3, 6, false, "ab.cde"},
        {"ends wider than the part are clamped", 4, 4, 7, false, "abcd..e"},
        {"zero length", 1, 1, 0, false, ""},
    };
    for (const StripCase& c : cases)
        EXPECT_EQ(Strip(false, c, "abcdeXY"), c.expected) << c.name;
}

TEST(HStrip, ButtonRecordPaintedSeventyFiveWide)
{
    // The default button: a 20-pixel face with ends of 4 and 5 and an 11-pixel middle.
    const std::string face = "ABCDefghijklmnoVWXYZ";
    QImage B;
    PaintHStrip(4, 5, B, false, 75, QRect(0, 0, 20, 1), Picture({face}));
    std::string expected = "ABCD";
    for (int i = 0; i < 6; ++i)
        expected += "efghijklmno";
    expected += "VWXYZ";
    EXPECT_EQ(Text(B).front(), expected);
}

TEST(FrameBorders, TileFromZeroAndCopyEnds)
{
    TbsFrameBorders borders;
    const TbsPartGeometry resized = ResizedPartGeometry(kNine, kPart.size(), 8, 7);
    PaintFrameBorders(kNine, resized, borders, FramePicture(), kPart, 8, 7, {});
    EXPECT_EQ(Text(borders.Top), (Rows{"acdbcdbe"}));
    EXPECT_EQ(Text(borders.Bottom), (Rows{"uwxvwxvy"}));
    EXPECT_EQ(Text(borders.Left), (Rows{"f", "k", "p", "f", "k"}));
    EXPECT_EQ(Text(borders.Right), (Rows{"j", "o", "t", "j", "o"}));

    PaintFrameBorders(kNine, resized, borders, FramePicture(), kPart, 8, 7, {true, true, true, true});
    EXPECT_EQ(Text(borders.Top), (Rows{"abbccdde"}));
    EXPECT_EQ(Text(borders.Left), (Rows{"f", "f", "k", "k", "p"}));
    EXPECT_EQ(Text(borders.Right), (Rows{"j", "j", "o", "o", "t"}));
}

TEST(FrameBorders, TallerTopAndMissingBorders)
{
    // A window whose client starts lower takes more rows of the picture into its top border, and
    // one too short for a middle gets no side borders.
    TbsPartGeometry resized = ResizedPartGeometry(kNine, kPart.size(), 5, 5);
    resized.ClRect.setTop(2);
    TbsFrameBorders borders;
    borders.Left = QImage(3, 3, QImage::Format_RGB32);
    PaintFrameBorders(kNine, resized, borders, FramePicture(), kPart, 5, 2, {});
    EXPECT_EQ(Text(borders.Top), (Rows{"acdbe", "fhigj"}));
    EXPECT_TRUE(borders.Bottom.isNull());
    EXPECT_TRUE(borders.Left.isNull());
    EXPECT_TRUE(borders.Right.isNull());
}

// A mask picture from '#' (black, inside) and '.' (white) rows.
QImage Mask(const Rows& rows)
{
    QImage mask(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, rows[size_t(y)][size_t(x)] == '#' ? 0xFF000000 : 0xFFFFFFFF);
    return mask;
}

TEST(MaskRegion, RunsOfBlackPixels)
{
    const TbsRegionData data = MaskToRegionData(Mask({"##.#"}), 0, 0);
    EXPECT_EQ(data.Bound, QRect(0, 0, 4, 1));
    EXPECT_EQ(data.Rects, (QList<QRect>{QRect(0, 0, 2, 1), QRect(3, 0, 1, 1)}));
    const TbsRegionData moved = MaskToRegionData(Mask({"##.#"}), 10, 5);
    EXPECT_EQ(moved.Bound, QRect(10, 5, 4, 1));
    EXPECT_EQ(moved.Rects, (QList<QRect>{QRect(10, 5, 2, 1), QRect(13, 5, 1, 1)}));
    EXPECT_TRUE(MaskToRegionData(QImage(), 0, 0).Rects.isEmpty());

    // Only pure black counts: a pixel of (0, 0, 1) is outside.
    QImage nearBlack = Mask({"##"});
    nearBlack.setPixel(1, 0, 0xFF000001);
    EXPECT_EQ(RegionText(MaskToRegion(nearBlack), 2, 1), (Rows{"#."}));
}

TEST(MaskRegion, RegionIsExactlyTheMaskPixels)
{
    const Rows pattern{".##..#", "######", "#....#", "......", "#.#.#."};
    EXPECT_EQ(RegionText(MaskToRegion(Mask(pattern)), 7, 6),
              (Rows{".##..#.", "######.", "#....#.", ".......", "#.#.#..", "......."}));
    EXPECT_TRUE(MaskToRegion(QImage()).isEmpty());
}

TEST(MaskRegion, FramedMaskTilesTheOutlineFromTheNewCorner)
{
    const QImage mask = Mask({".#.#.", "#####", "#####", "#####", ".###."});
    const QRegion region = FramedMaskRegion(kNine, ResizedPartGeometry(kNine, {5, 5}, 8, 7), mask, 8, 7);
    EXPECT_EQ(RegionText(region, 9, 8), (Rows{".#.##.#..", "########.", "########.", "########.", "########.",
                                              "########.", ".######..", "........."}));
    // Corner points crossing at the new size give no region.
    EXPECT_TRUE(FramedMaskRegion(kNine, ResizedPartGeometry(kNine, {5, 5}, 1, 7), mask, 1, 7).isEmpty());
}

TEST(MaskRegion, ControlRegionByResizeMode)
{
    const QImage strip = Mask({".###.", "#####", ".###."});
    const TbsPartGeometry part{{1, 1}, {4, 1}, {}, {}, QRect(1, 1, 3, 1)};
    TbsPartGeometry resized;
    resized.ClRect = QRect(1, 1, 6, 1);
    EXPECT_EQ(PartResizeMode(QRect(0, 0, 5, 3), part), 2);
    EXPECT_EQ(RegionText(ControlMaskRegion(2, part, resized, strip, {5, 3}, 8, 3), 8, 3),
              (Rows{".######.", "########", ".######."}));
    EXPECT_EQ(RegionText(ControlMaskRegion(0, part, resized, strip, {5, 3}, 8, 3), 8, 3),
              (Rows{".###....", "#####...", ".###...."}));
    EXPECT_TRUE(ControlMaskRegion(-1, part, resized, strip, {5, 3}, 8, 3).isEmpty());
}

TEST(ResizeMode, FollowsTheCornerPoints)
{
    struct Case {
        const char* name;
        QRect skin;
        TbsPartGeometry g;
        int mode;
    };
    const Case cases[] = {
        {"no part", QRect(), kNine, -1},
        {"nine pieces", QRect(0, 0, 5, 5), kNine, 1},
        {"right bottom on one axis only is a strip", QRect(0, 0, 5, 5), {{1, 1}, {4, 0}, {}, {4, 0}, {}}, 2},
        {"vertical strip", QRect(0, 0, 5, 5), {{0, 2}, {}, {0, 4}, {}, {}}, 3},
        {"plain copy", QRect(0, 0, 5, 5), {}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PartResizeMode(c.skin, c.g), c.mode) << c.name;
}

TEST(StripFrame, DrawsOneFrameWithoutItsKeyColour)
{
    // Four frames of 2 x 2; frame 2 is "cd/Cd" whose bottom-left 'C' is its key colour.
    const QImage strip = Picture({"abcdefgh", "ABCdEFGH"});
    struct Case {
        const char* name;
        int k, n;
        Rows expected;
    };
    const Case cases[] = {
        {"second of four", 2, 4, {"....", ".cd.", "..d.", "...."}},
        {"no frames", 1, 0, {"....", "....", "....", "...."}},
        {"frame past the strip", 5, 4, {"....", "....", "....", "...."}},
    };
    for (const Case& c : cases) {
        const QImage canvas = Painted(4, 4, [&](QPainter& p) { DrawStripFrame(p, 1, 1, c.k, c.n, strip); });
        EXPECT_EQ(Text(canvas), c.expected) << c.name;
    }
}

TEST(AnimationFrame, FramesRunAlongTheLongerSide)
{
    struct Case {
        const char* name;
        QRect animate;
        int count, k;
        QRect expected;
    };
    const QRect skin(0, 0, 20, 23);
    const Case cases[] = {
        {"left to right", QRect(0, 30, 80, 23), 4, 2, QRect(20, 30, 20, 23)},
        {"top to bottom", QRect(0, 30, 20, 92), 4, 3, QRect(0, 76, 20, 23)},
        {"frame count 0 is no animation", QRect(0, 30, 80, 23), 0, 1, QRect()},
        {"negative frame count is no animation", QRect(0, 30, 80, 23), -2, 1, QRect()},
        {"frame beyond the count", QRect(0, 30, 80, 23), 4, 5, QRect()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnimationFrameRect(c.animate, skin, c.count, c.k), c.expected) << c.name;
}

// The fields a record carries for painting its part at another size.
struct FakeRecord {
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
};

TEST(PartAtSize, PaintsWithThePrimitiveOfTheResizeMode)
{
    struct Case {
        const char* name;
        FakeRecord record;
        QRect part;
        Rows expected;
    };
    const Case cases[] = {
        {"copy at its own size", {}, kPart, {"abcde", "fghij", "klmno", "pqrst", "uvwxy"}},
        {"horizontal strip",
         {{1, 0}, {4, 0}, {}, {}, {}},
         kPart,
         {"abcdbcde", "fghighij", "klmnlmno", "pqrsqrst", "uvwxvwxy"}},
        {"vertical strip",
         {{0, 1}, {}, {0, 4}, {}, {}},
         kPart,
         {"abcde", "fghij", "klmno", "pqrst", "fghij", "klmno", "uvwxy"}},
        {"nine pieces",
         {{1, 1}, {4, 1}, {1, 4}, {4, 4}, {1, 1, 4, 4}},
         kPart,
         {"abcdbcde", "fghighij", "klmnlmno", "pqrsqrst", "fghighij", "klmnlmno", "uvwxvwxy"}},
        {"no part", {}, QRect(), {}},
    };
    for (const Case& c : cases) {
        QImage B(3, 3, QImage::Format_RGB32);
        PaintPartAtSize(PartLookOf(c.record), B, FramePicture(), c.part, 8, 7, true);
        EXPECT_EQ(Text(B), c.expected) << c.name;
    }
}

TEST(PartAtSize, EmptyClientRectangleKeepsItsPlace)
{
    EXPECT_EQ(ExactRect({3, 4, 3, 9}), QRect(3, 4, 0, 5));
    EXPECT_EQ(PartGeometry({1, 2}, {3, 4}, {5, 6}, {7, 8}, {2, 2, 1, 1}).ClRect, QRect(2, 2, -1, -1));
}

} // namespace
