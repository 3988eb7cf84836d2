// The skin package layout: reading, writing, versions, and refusing packages that lie about sizes.
#include "SkinPackageFixtures.h"

#include "bsBmpImageInfo.h"
#include "bsCompressedStoredSkin.h"
#include "bsSkinPackage.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace
{

void ExpectSamePackage(const TbsSkinPackage& a, const TbsSkinPackage& b)
{
    EXPECT_EQ(a.Version, b.Version);
    EXPECT_EQ(a.Picture, b.Picture);
    EXPECT_EQ(a.InActivePicture, b.InActivePicture);
    EXPECT_EQ(a.Mask, b.Mask);
    EXPECT_EQ(a.ActivePictures, b.ActivePictures);
    EXPECT_EQ(a.Description, b.Description);
}

QByteArray Int32(qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    return QByteArray(le, 4);
}

void SetUInt32(QByteArray& bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

} // namespace

TEST(SkinPackage, WriteThenReadGivesThePackageBack)
{
    TbsSkinPackage noPictures;
    noPictures.Description = QByteArrayLiteral("[VERSION]\r\n");
    TbsSkinPackage allPictures = TestPackage();
    allPictures.Mask = TestBmp(7, 5, QImage::Format_Indexed8);
    const std::pair<const char*, TbsSkinPackage> cases[] = {
        {"typical", TestPackage()},
        {"with a mask", allPictures},
        {"no pictures", noPictures},
        {"nothing at all", TbsSkinPackage()},
    };
    for (const auto& [name, package] : cases) {
        SCOPED_TRACE(name);
        ExpectSamePackage(ReadSkinPackage(WriteSkinPackage(package)), package);
    }
}

TEST(SkinPackage, LayoutOfEmptyPictureEntriesAndActivePictures)
{
    const TbsSkinPackage package = TestPackage();
    const QByteArray bytes = WriteSkinPackage(package);
    const qsizetype main = package.Picture.size();
    const qsizetype inactive = package.InActivePicture.size();
    // version 3, flag 0 and the image, flag 0 and the image, the empty mask as the single byte 1,
    // the count, the images without flags, the description.
    EXPECT_EQ(bytes.left(5), QByteArray::fromHex("0300000000"));
    EXPECT_EQ(bytes.mid(5, main), package.Picture);
    EXPECT_EQ(bytes[5 + main], '\0');
    const qsizetype maskAt = 5 + main + 1 + inactive;
    EXPECT_EQ(bytes[maskAt], '\1');
    EXPECT_EQ(bytes.mid(maskAt + 1, 4), Int32(2));
    EXPECT_EQ(bytes.mid(maskAt + 5, package.ActivePictures[0].size()), package.ActivePictures[0]);
    EXPECT_TRUE(bytes.endsWith(package.Description));
    EXPECT_EQ(bytes.size(), maskAt + 5 + package.ActivePictures[0].size() + package.ActivePictures[1].size() +
                                package.Description.size());
}

TEST(SkinPackage, CompressedThroughTheStoredSkinAndBack)
{
    const QByteArray package = WriteSkinPackage(TestPackage());
    TbsCompressedStoredSkin skin;
    skin.LoadFromPackage(TestPackage());
    ASSERT_FALSE(skin.Empty());
    EXPECT_EQ(quint8(skin.CompressedData()[0]), 0x78);
    EXPECT_EQ(quint8(skin.CompressedData()[1]), 0xDA);
    EXPECT_EQ(skin.DeCompressed(), package);
    ExpectSamePackage(ReadSkinPackage(skin.DeCompressed()), TestPackage());
}

TEST(SkinPackage, VersionTwoCarriesTwoLegacyPicturesThatAreSkipped)
{
    const TbsSkinPackage v3 = TestPackage();
    const QByteArray legacy1 = TestBmp(2, 2), legacy2 = TestBmp(1, 4, QImage::Format_Indexed8);
    QByteArray v2 = Int32(2);
    v2 += '\0' + v3.Picture + '\0' + v3.InActivePicture + '\1';
    v2 += '\0' + legacy1 + '\0' + legacy2;
    v2 += Int32(2) + v3.ActivePictures[0] + v3.ActivePictures[1] + v3.Description;
    TbsSkinPackage expected = v3;
    expected.Version = 2;
    ExpectSamePackage(ReadSkinPackage(v2), expected);

    // The writer's version 2 reads back too, with empty legacy entries.
    ExpectSamePackage(ReadSkinPackage(WriteSkinPackage(expected)), expected);
    EXPECT_EQ(WriteSkinPackage(expected).size(), WriteSkinPackage(v3).size() + 2);
}

TEST(SkinPackage, VersionsAboveThreeAreRefused)
{
    for (qint32 version : {0, 1, 3}) {
        TbsSkinPackage package = TestPackage();
        package.Version = version;
        EXPECT_EQ(ReadSkinPackage(WriteSkinPackage(package)).Version, version);
    }
    for (qint32 version : {4, 5, 0x7FFFFFFF}) {
        TbsSkinPackage package = TestPackage();
        package.Version = version;
        EXPECT_THROW(ReadSkinPackage(WriteSkinPackage(package)), ESkinPackageError) << version;
    }
}

TEST(SkinPackage, PackageCutShortAnywhereBeforeTheDescriptionIsRefused)
{
    const TbsSkinPackage package = TestPackage();
    const QByteArray bytes = WriteSkinPackage(package);
    const qsizetype descriptionAt = bytes.size() - package.Description.size();
    for (qsizetype keep = 0; keep < descriptionAt; ++keep)
        EXPECT_THROW(ReadSkinPackage(bytes.left(keep)), ESkinPackageError) << "cut at " << keep;
    // Cut inside the description: the text is simply shorter.
    EXPECT_EQ(ReadSkinPackage(bytes.left(descriptionAt + 3)).Description, package.Description.left(3));
}

TEST(SkinPackage, BitmapsThatLieAboutTheirSizeAreRefused)
{
    const TbsSkinPackage good = TestPackage();
    const QByteArray image = good.ActivePictures[0]; // 3 x 2, 24-bit: 54 bytes of headers, 2 rows of 12
    ASSERT_EQ(image.size(), 54 + 24);
    const auto withFirstActive = [&](const QByteArray& bmp, const QByteArray& after = QByteArray()) {
        TbsSkinPackage p = good;
        p.ActivePictures = {bmp};
        p.Description = after;
        return WriteSkinPackage(p);
    };
    const auto patched = [&](qsizetype at, quint32 value) {
        QByteArray b = image;
        SetUInt32(b, at, value);
        return b;
    };
    struct Case {
        const char* Name;
        QByteArray Package;
    };
    const Case cases[] = {
        {"bfSize smaller than the file header", withFirstActive(patched(2, 10), QByteArray(100, 'x'))},
        {"bfSize smaller than the info header", withFirstActive(patched(2, 40), QByteArray(100, 'x'))},
        {"bfSize smaller than the rows", withFirstActive(patched(2, quint32(image.size() - 1)), "x")},
        {"bfSize larger than the bytes left", withFirstActive(patched(2, quint32(image.size() + 1)))},
        {"bfSize of 4 GB", withFirstActive(patched(2, 0xFFFFFFFFu), QByteArray(100, 'x'))},
        {"width that makes rows overflow", withFirstActive(patched(18, 0x7FFFFFFF), QByteArray(100, 'x'))},
        {"pixel offset past the image", withFirstActive(patched(10, 5000))},
        {"info header larger than the image", withFirstActive(patched(14, 5000))},
        {"unknown info header size", withFirstActive(patched(14, 20))},
        {"not a bitmap", withFirstActive("PK" + image.mid(2))},
        {"negative active picture count",
         Int32(3) + QByteArray("\1\1\1") + Int32(-1) + QByteArrayLiteral("[VERSION]")},
        {"count larger than the pictures there are",
         Int32(3) + QByteArray("\1\1\1") + Int32(1000000) + image},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_THROW(ReadSkinPackage(c.Package), ESkinPackageError);
    }
    // The unchanged image in the same place reads.
    EXPECT_EQ(ReadSkinPackage(withFirstActive(image)).ActivePictures.value(0), image);
}

TEST(SkinPackage, BitmapsAreReadOnlyInTheEncodingsTheirDepthAllows)
{
    // Qt's 24-bit and 8-bit images with depth (offset 28) and compression (offset 30) rewritten;
    // the rows of the 24-bit one are long enough for every depth up to 32 bits.
    const QByteArray rgb = TestBmp(3, 2);
    const QByteArray indexed = TestBmp(3, 2, QImage::Format_Indexed8);
    const auto encoded = [](QByteArray bmp, quint16 bits, quint32 compression) {
        bmp[28] = char(bits & 0xFF);
        bmp[29] = char(bits >> 8);
        SetUInt32(bmp, 30, compression);
        return bmp;
    };
    struct Case {
        const char* Name;
        QByteArray Bmp;
        bool Accepted;
    };
    const Case cases[] = {
        {"24 bits uncompressed", rgb, true},
        {"32 bits with colour masks", encoded(rgb, 32, 3), true},
        {"16 bits with colour and alpha masks", encoded(rgb, 16, 6), true},
        {"8 bits run-length encoded", encoded(indexed, 8, 1), true},
        {"4 bits run-length encoded", encoded(indexed, 4, 2), true},
        {"unknown compression 7", encoded(rgb, 24, 7), false},
        {"compression 0xFFFFFFFF", encoded(rgb, 24, 0xFFFFFFFFu), false},
        {"JPEG data", encoded(rgb, 24, 4), false},
        {"PNG data", encoded(rgb, 24, 5), false},
        {"8-bit run-length encoding at 24 bits", encoded(rgb, 24, 1), false},
        {"4-bit run-length encoding at 8 bits", encoded(indexed, 8, 2), false},
        {"colour masks at 24 bits", encoded(rgb, 24, 3), false},
        {"colour masks at 8 bits", encoded(indexed, 8, 3), false},
        {"depth of 7 bits", encoded(rgb, 7, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TbsSkinPackage package = TestPackage();
        package.ActivePictures[0] = c.Bmp;
        if (c.Accepted)
            EXPECT_EQ(ReadSkinPackage(WriteSkinPackage(package)).ActivePictures.value(0), c.Bmp);
        else
            EXPECT_THROW(ReadSkinPackage(WriteSkinPackage(package)), ESkinPackageError);
    }
}

TEST(SkinPackage, BmpImageInfoOfWhatQtWrites)
{
    struct Case {
        QByteArray Image;
        qint32 Width, Height;
        int Bits;
    };
    const Case cases[] = {
        {TestBmp(7, 5), 7, 5, 24},
        {TestBmp(5, 3, QImage::Format_Indexed8), 5, 3, 8},
    };
    for (const Case& c : cases) {
        const TbsBmpImageInfo info = ReadBmpImageInfo(c.Image + "trailing");
        EXPECT_EQ(info.FileSize, c.Image.size());
        EXPECT_EQ(info.Width, c.Width);
        EXPECT_EQ(info.Height, c.Height);
        EXPECT_EQ(info.BitCount, c.Bits);
    }
}

namespace
{

// What the whole way makes of a compressed form: the package, or nothing when inflating or
// reading raises.
std::optional<TbsSkinPackage> ReadWhole(const QByteArray& compressed, qint64 limit)
{
    try {
        return ReadSkinPackage(DecompressBytes(compressed, limit));
    } catch (const EDecompressionError&) {
    } catch (const ESkinPackageError&) {
    }
    return std::nullopt;
}

// Reading while inflating gives the package exactly when the whole way does, and the same one.
void ExpectInflatingAgrees(const QByteArray& compressed, qint64 limit = MaxSkinDataSize)
{
    const std::optional<TbsSkinPackage> whole = ReadWhole(compressed, limit);
    const std::optional<TbsSkinPackage> inflating = InflateSkinPackage(compressed, limit);
    ASSERT_EQ(inflating.has_value(), whole.has_value());
    if (whole)
        ExpectSamePackage(*inflating, *whole);
}

} // namespace

TEST(SkinPackage, ReadingWhileInflatingGivesWhatTheInflatedBytesGive)
{
    TbsSkinPackage withMask = TestPackage();
    withMask.Mask = TestBmp(7, 5, QImage::Format_Indexed8);
    TbsSkinPackage legacy = TestPackage();
    legacy.Version = 2;
    TbsSkinPackage noDescription = TestPackage();
    noDescription.Description.clear();
    // Longer than the first block the description is inflated into, and not a multiple of it.
    TbsSkinPackage longDescription = TestPackage();
    longDescription.Description = TestDescription().repeated(3000) + "tail";
    TbsSkinPackage bigPicture = TestPackage();
    bigPicture.ActivePictures.append(TestBmp(300, 200));
    const std::pair<const char*, TbsSkinPackage> cases[] = {
        {"typical", TestPackage()},
        {"with a mask", withMask},
        {"version 2", legacy},
        {"no description", noDescription},
        {"long description", longDescription},
        {"a picture of many blocks", bigPicture},
        {"nothing at all", TbsSkinPackage()},
    };
    for (const auto& [name, package] : cases) {
        SCOPED_TRACE(name);
        const std::optional<TbsSkinPackage> read = InflateSkinPackage(CompressedFormOf(package));
        ASSERT_TRUE(read.has_value());
        ExpectSamePackage(*read, package);
    }
}

TEST(SkinPackage, ReadingWhileInflatingRefusesWhatTheWholeWayRefuses)
{
    const QByteArray bytes = WriteSkinPackage(TestPackage());
    const QByteArray compressed = CompressBytes(bytes);
    QByteArray lyingBmp = bytes;
    SetUInt32(lyingBmp, 5 + 2, 0xFFFFFFF0u); // the main picture claims almost 4 GB
    QByteArray badChecksum = compressed;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 1);
    TbsSkinPackage newer = TestPackage();
    newer.Version = 4;
    struct Case {
        const char* Name;
        QByteArray Compressed;
        qint64 Limit;
    };
    const Case cases[] = {
        {"sound", compressed, MaxSkinDataSize},
        {"limit exactly the package", compressed, bytes.size()},
        {"limit one byte short", compressed, bytes.size() - 1},
        {"limit short inside the pictures", compressed, 100},
        {"bytes after the stream", compressed + '\0', MaxSkinDataSize},
        {"wrong checksum", badChecksum, MaxSkinDataSize},
        {"version above 3", CompressedFormOf(newer), MaxSkinDataSize},
        {"picture larger than the stream", CompressBytes(lyingBmp), MaxSkinDataSize},
        {"not zlib", bytes, MaxSkinDataSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ExpectInflatingAgrees(c.Compressed, c.Limit);
    }
    for (qsizetype keep = 0; keep < compressed.size(); ++keep) {
        SCOPED_TRACE(keep);
        ExpectInflatingAgrees(compressed.left(keep));
    }
    for (qsizetype keep = 0; keep < bytes.size(); keep += 7) {
        SCOPED_TRACE(keep);
        ExpectInflatingAgrees(CompressBytes(bytes.left(keep)));
    }
}
