// A skin folder written by the repository reads back to equal records and writes back the same text.
#include "SkinComparison.h"
#include "SkinDataFixtures.h"

#include "bsStreamIO.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SkinRoundTrip, AWrittenSkinFolderReadsBackEqualAndWritesTheSameText)
{
    QTemporaryDir first, second;
    TbsSkinData original;
    original.LoadFromFile(TestSkinIni());
    original.StoreToDisk(first.filePath("skin.ini"));

    TbsSkinData reread;
    reread.LoadFromFile(first.filePath("skin.ini"));
    ExpectSameSkin(original, reread);

    reread.StoreToDisk(second.filePath("skin.ini"));
    EXPECT_EQ(ReadWholeFile(second.filePath("skin.ini")), ReadWholeFile(first.filePath("skin.ini")));
    EXPECT_EQ(ReadWholeFile(second.filePath("palette.bmp")),
              ReadWholeFile(TestSkinIni().replace("skin.ini", "palette.bmp")));
}

TEST(SkinRoundTrip, AStoredSkinAndASknFileBuiltFromTheRepositoryReadBackEqual)
{
    QTemporaryDir dir;
    TbsSkinData original;
    original.LoadFromFile(TestSkinIni());
    TbsCompressedStoredSkin storedSkin;
    storedSkin.LoadFromSkinData(original);
    TbsSkinData fromStored;
    fromStored.LoadCompressedStoredSkin(&storedSkin);
    ExpectSameSkin(original, fromStored);

    original.SaveToCompressedFile(dir.filePath("skin.skn"));
    TbsSkinData fromFile;
    fromFile.LoadFromCompressedFile(dir.filePath("skin.skn"));
    ExpectSameSkin(original, fromFile);
}

TEST(SkinRoundTrip, TheWrittenDescriptionFollowsTheSectionAndKeyOrder)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    TbsIniText ini;
    sd.SaveDescription(ini);
    const QStringList sections = ini.Sections();
    ASSERT_GE(sections.size(), 10);
    EXPECT_EQ(sections.mid(0, 8), QStringList({"VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "LAYERFRAME",
                                               "HINTWINDOW", "SKINCOLORS", "SKINOBJECTS"}));
    // Each list section is followed by its records' sections in list order.
    EXPECT_EQ(sections[8], "caption");
    EXPECT_EQ(sections.indexOf("SKINCONTROLS"), 8 + int(sd.ObjectList.size()));
    EXPECT_EQ(ini.ReadString("SKINOBJECTS", "3"), "menubarclosebutton:mainmenubarbutton");
    EXPECT_EQ(ini.ReadString("SKINCONTROLS", "16"), "memo:memo");
    EXPECT_EQ(ini.ReadString("SKINCONTROLS", "count"), "29");
    EXPECT_EQ(ini.Keys("VERSION"),
              QStringList({"ver", "skinname", "skinauthor", "authoremail", "authorurl", "skincomments"}));
    EXPECT_EQ(ini.Keys("userobject"), QStringList({"skinrect"}));
    EXPECT_EQ(ini.Keys("mainmenubaritem").last(), "inactiveanimation");
    EXPECT_TRUE(ini.Keys("mainmenubaritem").contains("unenabledfontColor"));
}

TEST(SkinRoundTrip, SavingIntoAnExistingFileKeepsItsOtherSections)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("skin.ini");
    WriteWholeFile(file, "[MYNOTES]\r\nnote=keep me\r\n[VERSION]\r\nold=1\r\n");
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    sd.SaveToFile(file);
    const TbsIniText written(TbsIniText::DecodeText(ReadWholeFile(file)));
    EXPECT_EQ(written.ReadString("MYNOTES", "note"), "keep me");
    EXPECT_FALSE(written.ValueExists("VERSION", "old"));
    EXPECT_EQ(written.ReadString("VERSION", "skinname"), "Test skin");
}

TEST(SkinRoundTrip, StoreToDiskNeverWritesUnderAnotherNameOrOutsideTheFolder)
{
    QTemporaryDir dir;
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    sd.FActivePicturesNames = {"a.bmp", ""}; // pictures 1 and 2 to 4 have no name of their own
    sd.StoreToDisk(dir.filePath("skin.ini"));
    EXPECT_TRUE(QFile::exists(dir.filePath("a.bmp")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5); // ini, three frame pictures, a.bmp

    sd.FActivePicturesNames = {"../escape.bmp"};
    EXPECT_THROW(sd.StoreToDisk(dir.filePath("skin.ini")), EFCreateError);
    EXPECT_FALSE(QFile::exists(dir.filePath("../escape.bmp")));
}
