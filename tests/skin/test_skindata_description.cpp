// Description texts: their encodings, odd lines, a missing file, many sections and the size limit.
#include "SkinDataFixtures.h"

#include "bsStreamIO.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString SongTi = QString::fromUtf8("宋体");
const QString ChinesePicture = QString::fromUtf8("窗口图片.bmp");
const QString ChineseSkinName = QString::fromUtf8("经典皮肤");

QByteArray Gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QByteArray WithBom(const char* bom, QStringEncoder::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding);
    return QByteArray(bom) + QByteArray(encoder.encode(text));
}

// The test skin's description with a Chinese skin name, a Chinese main picture name and the
// caption's font "宋体".
QString ChineseTestSkinText()
{
    QString text = QString::fromLatin1(ReadWholeFile(TestSkinIni()));
    text.replace("skinname=Test skin", "skinname=" + ChineseSkinName);
    text.replace("picture=window.bmp", "picture=" + ChinesePicture);
    const qsizetype caption = text.indexOf("[caption]");
    const qsizetype font = text.indexOf("fontname=Verdana", caption);
    text.replace(font, qsizetype(strlen("fontname=Verdana")), "fontname=" + SongTi);
    return text;
}

// A skin folder in dir: the test skin's pictures (the main one also under a Chinese name) and the
// given ini bytes.
QString WriteFolder(const QTemporaryDir& dir, const QByteArray& ini)
{
    const QDir source = QFileInfo(TestSkinIni()).dir();
    for (const QString& name : source.entryList({"*.bmp"}))
        QFile::copy(source.filePath(name), dir.filePath(name));
    QFile::copy(source.filePath("window.bmp"), dir.filePath(ChinesePicture));
    const QString file = dir.filePath("skin.ini");
    WriteWholeFile(file, ini);
    return file;
}

const TbsDataSkinCaption* Caption(const TbsSkinData& sd)
{
    const int i = sd.GetIndex("caption");
    return i < 0 ? nullptr : dynamic_cast<const TbsDataSkinCaption*>(sd.ObjectList[size_t(i)].get());
}

void ExpectChineseSkin(const TbsSkinData& sd)
{
    ASSERT_FALSE(sd.Empty());
    EXPECT_EQ(sd.SkinName, ChineseSkinName);
    EXPECT_EQ(sd.FPictureName, ChinesePicture);
    EXPECT_EQ(sd.FPicture.Image().size(), QSize(48, 36));
    ASSERT_NE(Caption(sd), nullptr);
    EXPECT_EQ(Caption(sd)->FontName, SongTi);
}

} // namespace

TEST(SkinDescription, ByteOrderMarksSelectTheirEncodingAndTextWithoutOneIsGbk)
{
    const QString text = "[caption]\r\nfontname=" + SongTi + "\r\n";
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"UTF-8 mark", WithBom("\xEF\xBB\xBF", QStringEncoder::Utf8, text)},
        {"UTF-16LE mark", WithBom("\xFF\xFE", QStringEncoder::Utf16LE, text)},
        {"UTF-16BE mark", WithBom("\xFE\xFF", QStringEncoder::Utf16BE, text)},
        {"no mark: GBK", Gbk(text)},
        {"no mark: ASCII", QByteArray("[caption]\r\nfontname=Tahoma\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TbsIniText ini(TbsIniText::DecodeText(c.Bytes));
        const QString expected = QLatin1String(c.Name) == QLatin1String("no mark: ASCII") ? "Tahoma" : SongTi;
        EXPECT_EQ(ini.ReadString("caption", "fontname"), expected);
    }
    // UTF-8 without a mark is not guessed: its bytes are read as GBK, as the system always has.
    EXPECT_NE(TbsIniText::DecodeText(SongTi.toUtf8()), SongTi);
}

TEST(SkinDescription, AGbkFolderAndItsStoredSkinFindTheirChineseNamesAndPictures)
{
    QTemporaryDir dir;
    const QString ini = WriteFolder(dir, Gbk(ChineseTestSkinText()));
    {
        TbsSkinData sd;
        sd.LoadFromFile(ini);
        ExpectChineseSkin(sd);
    }
    TbsCompressedStoredSkin stored;
    stored.LoadFromIniFile(ini);
    ASSERT_FALSE(stored.Empty());
    TbsSkinData sd;
    sd.LoadCompressedStoredSkin(&stored);
    ExpectChineseSkin(sd);
}

TEST(SkinDescription, WrittenDescriptionsReadBackTheSame)
{
    QTemporaryDir dir;
    TbsSkinData source;
    source.LoadFromFile(WriteFolder(dir, Gbk(ChineseTestSkinText())));
    ASSERT_FALSE(source.Empty());

    // Text the code page holds is written in it, without a mark; other text as marked UTF-8.
    const struct {
        const char* Name;
        QString SkinName;
        bool Marked;
    } cases[] = {
        {"code page", ChineseSkinName, false},
        {"outside the code page", QString::fromUtf8("经典 \xF0\x9F\x98\x80"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        source.SkinName = c.SkinName;
        QTemporaryDir out;
        const QString ini = out.filePath("skin.ini");
        source.StoreToDisk(ini);
        EXPECT_EQ(ReadWholeFile(ini).startsWith("\xEF\xBB\xBF"), c.Marked);
        TbsSkinData folder;
        folder.LoadFromFile(ini);
        EXPECT_EQ(folder.SkinName, c.SkinName);
        EXPECT_EQ(folder.FPicture.Image().size(), QSize(48, 36));
        ASSERT_NE(Caption(folder), nullptr);
        EXPECT_EQ(Caption(folder)->FontName, SongTi);

        TbsCompressedStoredSkin stored;
        stored.LoadFromSkinData(source);
        TbsSkinData package;
        package.LoadCompressedStoredSkin(&stored);
        EXPECT_EQ(package.SkinName, c.SkinName);
        ASSERT_NE(Caption(package), nullptr);
        EXPECT_EQ(Caption(package)->FontName, SongTi);
    }
}

TEST(SkinDescription, ALineWithoutAnEqualsSignIsNoEntry)
{
    const TbsIniText ini(QStringLiteral("[button]\r\nlefttoppoint\r\nskinrect=1,2,3,4\r\nfontname\r\n"));
    EXPECT_EQ(ini.Keys("button"), QStringList({"skinrect"}));
    EXPECT_FALSE(ini.ValueExists("button", "lefttoppoint"));

    // In a skin such a line neither aborts the load nor changes the default of its key.
    QTemporaryDir dir;
    QByteArray text = ReadWholeFile(TestSkinIni());
    text.replace("[button]\r\n", "[button]\r\nlefttoppoint\r\nfontname\r\n");
    const QString ini2 = WriteFolder(dir, text);
    TbsSkinData sd;
    sd.LoadFromFile(ini2);
    ASSERT_FALSE(sd.Empty());
    const auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(
        sd.CtrlList[size_t(sd.GetControlIndex("button"))].get());
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->FontName.isEmpty());
}

TEST(SkinDescription, AMissingFolderFileKeepsTheOldSkinWithoutAMessage)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    TSkinMessageLog log;
    TRecordingWindow window("window", log);
    QTemporaryDir dir;
    EXPECT_NO_THROW(sd.LoadFromFile(dir.filePath("no such skin.ini")));
    EXPECT_FALSE(sd.Empty());
    EXPECT_EQ(sd.CtrlList.size(), 29u);
    EXPECT_TRUE(log.Entries.empty());
}

// A description of count label controls, each in a section of its own.
QByteArray ManySectionsDescription(int count)
{
    QByteArray text =
        "[VERSION]\r\n[PICTURES]\r\nactivepicturescount=0\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
        "[SKINCONTROLS]\r\ncount=" +
        QByteArray::number(count) + "\r\n";
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(i) + "=c" + QByteArray::number(i) + ":label\r\n";
    for (int i = 0; i < count; ++i)
        text += "[c" + QByteArray::number(i) + "]\r\nfontheight=" + QByteArray::number(i) + "\r\n";
    return text;
}

TEST(SkinDescription, ManySectionsLoadInLinearTime)
{
    // 30,000 sections, 1.2 MB: the time of a scan per section would be minutes here.
    const QByteArray text = ManySectionsDescription(30000);
    QTemporaryDir dir;
    const QString ini = dir.filePath("skin.ini");
    WriteWholeFile(ini, text);
    QElapsedTimer timer;
    timer.start();
    TbsSkinData sd;
    sd.LoadFromFile(ini);
    const qint64 ms = timer.elapsed();
    ASSERT_EQ(sd.CtrlList.size(), 30000u);
    EXPECT_EQ(sd.GetControlIndex("c29999"), 29999);
    const auto* last = dynamic_cast<const TbsDataSkinLabelControl*>(sd.CtrlList.back().get());
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->FontHeight, 29999);
    EXPECT_LT(ms, 10000) << "loading took " << ms << " ms";
}

TEST(SkinDescription, ADescriptionAboveTheLimitIsRefusedAndOneAtItIsRead)
{
    // Comment lines up to the limit exactly after the five required sections.
    QByteArray atLimit = "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
    const QByteArray comment = ";" + QByteArray(78, 'x') + "\r\n";
    while (atLimit.size() + comment.size() <= TbsIniText::MaxDescriptionBytes)
        atLimit += comment;
    atLimit += QByteArray(TbsIniText::MaxDescriptionBytes - atLimit.size(), ' ');
    ASSERT_EQ(atLimit.size(), TbsIniText::MaxDescriptionBytes);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(MissingSkinSection(TbsIniText(TbsIniText::DecodeText(atLimit))).isEmpty());
    EXPECT_LT(timer.elapsed(), 10000);

    const QByteArray above = atLimit + " ";
    EXPECT_THROW(TbsIniText::DecodeText(above), ESkinDescriptionError);

    // A folder refuses it before anything changes; a package load stops with the skin cleared.
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    QTemporaryDir dir;
    const QString ini = dir.filePath("skin.ini");
    WriteWholeFile(ini, above);
    EXPECT_THROW(sd.LoadFromFile(ini), ESkinDescriptionError);
    EXPECT_EQ(sd.CtrlList.size(), 29u);

    TbsSkinPackage package;
    package.Description = above;
    EXPECT_THROW(sd.LoadFromSkinPackage(WriteSkinPackage(package)), ESkinDescriptionError);
    EXPECT_TRUE(sd.Empty());
    EXPECT_TRUE(sd.CtrlList.empty());
}
