// The stored skin's .skn file and stream, its skin folder loading, and the skin list.
#include "SkinPackageFixtures.h"

#include "bsBmpImageInfo.h"
#include "bsCompressedSkinList.h"
#include "bsCompressedStoredSkin.h"
#include "bsSkinFolder.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

QByteArray Int32(qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    return QByteArray(le, 4);
}

QByteArray ReadFile(const QString& name)
{
    QFile file(name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class StoredSkinFiles : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return FDir.filePath(name); }

    // A stored skin holding TestPackage().
    static void Fill(TbsCompressedStoredSkin& skin) { skin.LoadFromPackage(TestPackage()); }

    QTemporaryDir FDir;
};

} // namespace

TEST_F(StoredSkinFiles, EmptyStoredSkinWritesNoFileButAStreamHeader)
{
    TbsCompressedStoredSkin skin;
    EXPECT_TRUE(skin.Empty());
    skin.SaveToCompressFile(Path("empty.skn"));
    EXPECT_FALSE(QFile::exists(Path("empty.skn")));

    QByteArray bytes = "xx";
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadWrite);
    stream.seek(2);
    skin.SaveToCompressStream(stream);
    EXPECT_EQ(bytes, "xx" + QByteArray::fromHex("0300000000000000"));

    // Reading that header back gives an empty stored skin, not the header bytes.
    TbsCompressedStoredSkin back;
    Fill(back);
    QBuffer header;
    header.setData(QByteArray::fromHex("0300000000000000"));
    header.open(QIODevice::ReadOnly);
    back.LoadFromCompressStream(header);
    EXPECT_TRUE(back.Empty());
}

TEST_F(StoredSkinFiles, SknFileRoundTripAndLayout)
{
    TbsCompressedStoredSkin skin;
    Fill(skin);
    WriteFile(Path("old.skn"), "replace me");
    skin.SaveToCompressFile(Path("old.skn"));
    const QByteArray file = ReadFile(Path("old.skn"));
    EXPECT_EQ(file, Int32(3) + Int32(qint32(skin.CompressedData().size())) + skin.CompressedData());

    TbsCompressedStoredSkin back;
    back.LoadFromCompressFile(Path("old.skn"));
    EXPECT_EQ(back.CompressedData(), skin.CompressedData());
    EXPECT_EQ(back.DeCompressed(), WriteSkinPackage(TestPackage()));
}

TEST_F(StoredSkinFiles, StreamIsReadFromItsStartWhereverItStands)
{
    TbsCompressedStoredSkin skin;
    Fill(skin);
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadWrite);
    skin.SaveToCompressStream(stream);
    ASSERT_TRUE(stream.atEnd());
    TbsCompressedStoredSkin back;
    back.LoadFromCompressStream(stream);
    EXPECT_EQ(back.CompressedData(), skin.CompressedData());
}

TEST_F(StoredSkinFiles, BadSknFilesLeaveTheStoredSkinEmpty)
{
    TbsCompressedStoredSkin good;
    Fill(good);
    const QByteArray data = good.CompressedData();
    struct Case {
        const char* Name;
        QByteArray File;
        bool Raises; // EReadError for a header or length the file does not hold
    };
    const Case cases[] = {
        {"version 5", Int32(5) + Int32(qint32(data.size())) + data, false},
        {"version 4 with garbage after it", Int32(4) + "garbage", false},
        {"length past the end", Int32(3) + Int32(qint32(data.size()) + 1) + data, true},
        {"length of 2 GB", Int32(3) + Int32(0x7FFFFFFF) + data, true},
        {"negative length", Int32(3) + Int32(-8) + data, true},
        {"header cut short", Int32(3) + "\1\0", true},
        {"no header", QByteArray("\3"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteFile(Path("bad.skn"), c.File);
        TbsCompressedStoredSkin skin;
        Fill(skin);
        if (c.Raises)
            EXPECT_THROW(skin.LoadFromCompressFile(Path("bad.skn")), EReadError);
        else
            skin.LoadFromCompressFile(Path("bad.skn"));
        EXPECT_TRUE(skin.Empty());
    }
    TbsCompressedStoredSkin skin;
    EXPECT_THROW(skin.LoadFromCompressFile(Path("missing.skn")), EFOpenError);
}

TEST_F(StoredSkinFiles, CompressedDataIsTheSavedProperty)
{
    TbsCompressedStoredSkin skin;
    Fill(skin);
    const QVariant saved = skin.property("CompressedData");
    EXPECT_EQ(saved.toByteArray(), skin.CompressedData());
    TbsCompressedStoredSkin loaded;
    EXPECT_TRUE(loaded.setProperty("CompressedData", saved));
    EXPECT_EQ(loaded.DeCompressed(), WriteSkinPackage(TestPackage()));
    // Setting the names only stores them: the running program reads no skin file by name.
    loaded.setProperty("CompressedFileName", Path("missing.skn"));
    loaded.setProperty("FileName", Path("missing.ini"));
    EXPECT_EQ(loaded.CompressedFileName(), Path("missing.skn"));
    EXPECT_EQ(loaded.CompressedData(), skin.CompressedData());
}

TEST_F(StoredSkinFiles, LoadFromIniFileBuildsThePackageOfTheFolder)
{
    const QString ini = WriteTestSkinFolder(FDir.path());
    TbsCompressedStoredSkin skin;
    skin.LoadFromIniFile(ini);
    const TbsSkinPackage package = ReadSkinPackage(skin.DeCompressed());
    const TbsSkinPackage expected = TestPackage();
    EXPECT_EQ(package.Version, 3);
    EXPECT_EQ(package.Picture, expected.Picture);
    EXPECT_EQ(package.InActivePicture, expected.InActivePicture);
    EXPECT_TRUE(package.Mask.isEmpty());
    EXPECT_EQ(package.ActivePictures, expected.ActivePictures);
    EXPECT_EQ(package.Description, ReadFile(ini));
}

TEST_F(StoredSkinFiles, LoadFromIniFileWithoutARequiredSectionChangesNothing)
{
    const QString ini = WriteTestSkinFolder(FDir.path());
    const QByteArray text = ReadFile(ini);
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        SCOPED_TRACE(section);
        QByteArray without = text;
        without.replace(QByteArray("[") + section + "]", "[OTHER]");
        WriteFile(ini, without);
        EXPECT_EQ(MissingSkinSection(TbsIniText(TbsIniText::DecodeText(without))), QLatin1String(section));
        TbsCompressedStoredSkin skin;
        skin.setProperty("CompressedData", QByteArray("held"));
        skin.LoadFromIniFile(ini);
        EXPECT_EQ(skin.CompressedData(), "held");
    }
}

TEST_F(StoredSkinFiles, LoadFromIniFileWithABadBitmapFails)
{
    const QString ini = WriteTestSkinFolder(FDir.path());
    QByteArray cut = TestPackage().ActivePictures[1];
    cut.chop(1);
    struct Case {
        const char* Name;
        std::function<void()> Spoil;
        bool Missing; // EFOpenError rather than EInvalidGraphic
    };
    const Case cases[] = {
        {"missing file", [&] { QFile::remove(Path("mdibg.bmp")); }, true},
        {"not a bitmap", [&] { WriteFile(Path("mdibg.bmp"), "PNG, not BMP at all, really"); }, false},
        {"bitmap cut short", [&] { WriteFile(Path("mdibg.bmp"), cut); }, false},
        // The third name is missing: the empty name leads to the folder itself.
        {"more active pictures counted than named",
         [&] {
             QByteArray text = TestDescription();
             text.replace("activepicturescount=2", "activepicturescount=3");
             WriteFile(ini, text);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteTestSkinFolder(FDir.path());
        c.Spoil();
        TbsCompressedStoredSkin skin;
        skin.setProperty("CompressedData", QByteArray("held"));
        if (c.Missing)
            EXPECT_THROW(skin.LoadFromIniFile(ini), EFOpenError);
        else
            EXPECT_THROW(skin.LoadFromIniFile(ini), EInvalidGraphic);
        EXPECT_TRUE(skin.Empty());
    }
}

TEST_F(StoredSkinFiles, LoadFromIniFileRefusesNamesThatLeaveTheFolderBeforeChangingAnything)
{
    const QString ini = WriteTestSkinFolder(FDir.path());
    const std::pair<const char*, const char*> cases[] = {
        {"main picture in the parent folder", "picture=../main.bmp"},
        {"main picture by an absolute path", "picture=/etc/passwd"},
        {"inactive picture in a sub-folder", "inactivepicture=sub\\inactive.bmp"},
        {"mask picture named ..", "mask=.."},
        {"active picture named .", "1=."},
        {"negative active picture count", "activepicturescount=-1"},
        {"count beyond every key there is", "activepicturescount=1000"},
    };
    for (const auto& [name, line] : cases) {
        SCOPED_TRACE(name);
        const QByteArray key = QByteArray(line).left(QByteArray(line).indexOf('=') + 1);
        QByteArray text = TestDescription();
        const qsizetype at = text.indexOf("\n" + key) + 1;
        text.replace(at, text.indexOf('\r', at) - at, line);
        WriteFile(ini, text);
        TbsCompressedStoredSkin skin;
        skin.setProperty("CompressedData", QByteArray("held"));
        EXPECT_THROW(skin.LoadFromIniFile(ini), ESkinFolderError);
        EXPECT_EQ(skin.CompressedData(), "held");
    }
}

TEST_F(StoredSkinFiles, OnlyRegularFilesOfBoundedSizeAreRead)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(FDir.path()).mkdir("folder"));
    for (const QString& special : {QStringLiteral("/dev/zero"), Path("fifo"), Path("folder")}) {
        SCOPED_TRACE(qPrintable(special));
        // Neither waits for a writer nor reads for ever.
        EXPECT_THROW(ReadWholeFile(special), EFOpenError);
        TbsCompressedStoredSkin skin;
        EXPECT_THROW(skin.LoadFromCompressFile(special), EFOpenError);
        EXPECT_THROW(skin.LoadFromIniFile(special), EFOpenError);
    }
    WriteFile(Path("hundred"), QByteArray(100, 'x'));
    EXPECT_EQ(ReadWholeFile(Path("hundred"), 100).size(), 100);
    EXPECT_THROW(ReadWholeFile(Path("hundred"), 99), EFOpenError);
    // A .skn header declaring more than any skin holds is refused before its bytes are looked for.
    WriteFile(Path("huge.skn"), Int32(3) + Int32(qint32(MaxSkinDataSize + 1)));
    TbsCompressedStoredSkin skin;
    try {
        skin.LoadFromCompressFile(Path("huge.skn"));
        ADD_FAILURE() << "a length above the limit was accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message().contains("larger than 268435456 bytes")) << qPrintable(e.Message());
    }
}

TEST(CompressedSkinList, ItemsAreNamedByIndexAndSaveTheirSkinAsSkn)
{
    TbsCompressedSkinList list;
    for (int i = 0; i < 3; ++i)
        list.Add();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(0)->Name(), "bsSkin0");
    EXPECT_EQ(list.Item(2)->Name(), "bsSkin2");
    EXPECT_EQ(list.Item(3), nullptr);
    EXPECT_EQ(list.Item(-1), nullptr);

    list.Item(1)->Skin()->LoadFromPackage(TestPackage());
    const QByteArray saved = list.Item(1)->SkinData();
    EXPECT_EQ(saved, Int32(3) + Int32(qint32(list.Item(1)->Skin()->CompressedData().size())) +
                         list.Item(1)->Skin()->CompressedData());
    list.Item(2)->SetSkinData(saved);
    EXPECT_EQ(list.Item(2)->Skin()->DeCompressed(), WriteSkinPackage(TestPackage()));

    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0)->Name(), "bsSkin1");
    EXPECT_EQ(list.Add()->Name(), "bsSkin2");
}
