// The program's skin options: reading them, loading a skin from a file with the program's own skin
// as the fall-back for one that cannot be used, and the dark palette of the program's own skin.
#include "ProgramFixture.h"

#include "EmbeddedSkin.h"
#include "SkinChoice.h"
#include "StartUp.h"
#include "Unit1.h"
#include "bsSkinCtrls.h"
#include "bsSkinData.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString TestSkinFolder()
{
    return qEnvironmentVariable("PR_TEST_DATA") + QStringLiteral("/testskin");
}

TProgramOptions Options(TSkinChoice::TKind kind, bool dark, const QString& file = {}, bool quit = false)
{
    TProgramOptions o;
    o.Skin.Kind = kind;
    o.Skin.Dark = dark;
    o.Skin.FileName = file;
    o.QuitAfterFirstPaint = quit;
    return o;
}

// A repository loaded with the program's own skin of one palette.
void LoadOwnSkin(TbsSkinData& skin, bool dark)
{
    TbsCompressedStoredSkin stored;
    LoadStoredSkin(skin, stored, dark ? EmbeddedDarkSkinData() : EmbeddedSkinData());
    ASSERT_FALSE(skin.Empty());
}

void WriteBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(SkinOption, ArgumentsAreReadIntoOptions)
{
    struct Case {
        const char* name;
        QStringList args;
        TOptionsParse result;
        TProgramOptions options;
    };
    const QString prog = QStringLiteral("personnel");
    const std::vector<Case> cases = {
        {"nothing: the light embedded skin", {prog}, opRun, Options(TSkinChoice::skEmbedded, false)},
        {"dark palette", {prog, "--palette", "dark"}, opRun, Options(TSkinChoice::skEmbedded, true)},
        {"dark palette with =", {prog, "--palette=dark"}, opRun, Options(TSkinChoice::skEmbedded, true)},
        {"light palette", {prog, "--palette", "light"}, opRun, Options(TSkinChoice::skEmbedded, false)},
        {"skin file", {prog, "--skin", "/x/a.skn"}, opRun, Options(TSkinChoice::skFile, false, "/x/a.skn")},
        {"skin folder, dark fall-back",
         {prog, "--skin", "skins/blue", "--palette", "dark"},
         opRun,
         Options(TSkinChoice::skFile, true, "skins/blue")},
        {"no skin", {prog, "--skin", "none"}, opRun, Options(TSkinChoice::skNone, false)},
        {"quit after the first paint",
         {prog, "--quit-after-first-paint"},
         opRun,
         Options(TSkinChoice::skEmbedded, false, {}, true)},
        {"unknown palette", {prog, "--palette", "blue"}, opWrong, {}},
        {"palette without a name", {prog, "--palette"}, opWrong, {}},
        {"skin without a file", {prog, "--skin"}, opWrong, {}},
        {"empty skin file name", {prog, "--skin", ""}, opWrong, {}},
        {"unknown option", {prog, "--colour", "dark"}, opWrong, {}},
        {"stray argument", {prog, "db.mdb"}, opWrong, {}},
        {"help", {prog, "--help"}, opHelp, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TProgramOptions options = Options(TSkinChoice::skNone, true, "untouched");
        QString text;
        EXPECT_EQ(ParseProgramOptions(c.args, options, text), c.result);
        if (c.result == opRun) {
            EXPECT_TRUE(options == c.options);
        } else {
            EXPECT_TRUE(options == Options(TSkinChoice::skNone, true, "untouched"));
            EXPECT_FALSE(text.trimmed().isEmpty());
            if (c.result == opWrong) {
                EXPECT_FALSE(text.trimmed().contains(u'\n')) << text.toStdString();
            }
        }
    }
}

TEST(SkinOption, AFileThatCannotBeUsedIsNamedOnOneLineAndTheOwnSkinLoadsInstead)
{
    QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    TbsSkinData own;
    LoadOwnSkin(own, true);
    const QByteArray goodSkn = [&] {
        own.SaveToCompressedFile(d + QStringLiteral("good.skn"));
        QFile f(d + QStringLiteral("good.skn"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_GT(goodSkn.size(), 100);
    WriteBytes(d + QStringLiteral("garbage.skn"), QByteArray(4000, '\x5a'));
    WriteBytes(d + QStringLiteral("truncated.skn"), goodSkn.left(goodSkn.size() / 2));
    // A length field that promises far more than the file holds.
    QByteArray lying = goodSkn;
    lying[7] = '\x7f';
    WriteBytes(d + QStringLiteral("lying.skn"), lying);
    WriteBytes(d + QStringLiteral("empty.skn"), {});
    WriteBytes(d + QStringLiteral("nosections.ini"), "[VERSION]\r\nskinname=x\r\n");
    QDir(d).mkdir(QStringLiteral("nofolder"));
    QDir(d).mkdir(QStringLiteral("badpictures"));
    WriteBytes(d + QStringLiteral("badpictures/skin.ini"),
               "[VERSION]\r\n[PICTURES]\r\npicture=../../etc/passwd\r\n[FORMINFO]\r\n"
               "[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");
    QDir(d).mkdir(QStringLiteral("missingbitmap"));
    WriteBytes(d + QStringLiteral("missingbitmap/skin.ini"),
               "[VERSION]\r\n[PICTURES]\r\npicture=gone.bmp\r\n[FORMINFO]\r\n"
               "[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");

    const char* hostile[] = {"missing.skn",    "garbage.skn", "truncated.skn", "lying.skn",    "empty.skn",
                             "nosections.ini", "nofolder",    "badpictures",   "missingbitmap"};
    for (bool dark : {false, true}) {
        for (const char* name : hostile) {
            SCOPED_TRACE(std::string(name) + (dark ? " dark" : " light"));
            TSkinChoice choice;
            choice.Kind = TSkinChoice::skFile;
            choice.Dark = dark;
            choice.FileName = d + QLatin1String(name);
            TbsSkinData skin;
            TbsCompressedStoredSkin stored;
            const QString complaint = LoadSkinChoice(skin, stored, choice);
            EXPECT_TRUE(complaint.contains(choice.FileName)) << complaint.toStdString();
            EXPECT_FALSE(complaint.contains(u'\n'));
            EXPECT_FALSE(skin.Empty());
            EXPECT_FALSE(skin.ChangeSkinDataProcess());
            EXPECT_EQ(skin.SkinName,
                      dark ? QStringLiteral("Personnel dark") : QStringLiteral("Personnel light"));
            EXPECT_EQ(skin.GetControlIndex(QStringLiteral("button")), 0);
        }
    }
}

TEST(SkinOption, ASknFileOrASkinFolderLoadsInsteadOfTheOwnSkin)
{
    QTemporaryDir dir;
    TbsSkinData dark;
    LoadOwnSkin(dark, true);
    const QString skn = dir.filePath(QStringLiteral("dark.skn"));
    dark.SaveToCompressedFile(skn);
    TbsSkinData folderSkin;
    folderSkin.LoadFromFile(TestSkinFolder() + QStringLiteral("/skin.ini"));
    ASSERT_FALSE(folderSkin.Empty());

    const struct {
        const char* name;
        QString file;
        QString skinName;
    } cases[] = {
        {".skn file", skn, dark.SkinName},
        {"skin folder", TestSkinFolder(), folderSkin.SkinName},
        {"ini file of a skin folder", TestSkinFolder() + QStringLiteral("/skin.ini"), folderSkin.SkinName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSkinChoice choice;
        choice.Kind = TSkinChoice::skFile;
        choice.FileName = c.file;
        TbsSkinData skin;
        TbsCompressedStoredSkin stored;
        EXPECT_EQ(LoadSkinChoice(skin, stored, choice), QString());
        EXPECT_FALSE(skin.Empty());
        EXPECT_EQ(skin.SkinName, c.skinName);
        EXPECT_EQ(skin.CtrlList.size(),
                  c.name == std::string(".skn file") ? dark.CtrlList.size() : folderSkin.CtrlList.size());
    }
}

// The dark skin is the light one in other colours: the same sections and keys, the same pictures
// at the same sizes, and only colour values differ.
TEST(SkinOption, TheDarkPaletteDiffersFromTheLightOneInColourOnly)
{
    TbsSkinData light, dark;
    LoadOwnSkin(light, false);
    LoadOwnSkin(dark, true);
    TbsIniText lightIni, darkIni;
    light.SaveDescription(lightIni);
    dark.SaveDescription(darkIni);
    ASSERT_EQ(lightIni.Sections(), darkIni.Sections());
    int colourChanges = 0;
    for (const QString& section : lightIni.Sections()) {
        ASSERT_EQ(lightIni.Keys(section), darkIni.Keys(section)) << section.toStdString();
        for (const QString& key : lightIni.Keys(section)) {
            const QString a = lightIni.ReadString(section, key), b = darkIni.ReadString(section, key);
            if (a == b)
                continue;
            const bool colour = key.contains(QLatin1String("color"), Qt::CaseInsensitive) ||
                                section.compare(QLatin1String("SKINCOLORS"), Qt::CaseInsensitive) == 0;
            EXPECT_TRUE(colour || key == QLatin1String("skinname"))
                << section.toStdString() << "/" << key.toStdString() << ": " << a.toStdString() << " vs "
                << b.toStdString();
            colourChanges += colour;
        }
    }
    EXPECT_GT(colourChanges, 50);
    ASSERT_EQ(light.FActivePictures.size(), dark.FActivePictures.size());
    int picturesChanged = 0;
    for (size_t i = 0; i < light.FActivePictures.size(); ++i) {
        const QImage& a = light.FActivePictures[i].Image();
        const QImage& b = dark.FActivePictures[i].Image();
        EXPECT_EQ(a.size(), b.size()) << "picture " << i;
        picturesChanged += a != b;
    }
    EXPECT_GT(picturesChanged * 2, int(light.FActivePictures.size()));
    EXPECT_EQ(light.FPicture.Image().size(), dark.FPicture.Image().size());
    EXPECT_EQ(light.FMask.Image(), dark.FMask.Image()) << "the window's shape is the same";
}

TEST_F(ProgramTest, TheProgramStartsInTheChosenPaletteOrWithoutSkin)
{
    const struct {
        const char* name;
        TProgramOptions options;
        QString skinName;
    } cases[] = {
        {"dark", Options(TSkinChoice::skEmbedded, true), QStringLiteral("Personnel dark")},
        {"no skin", Options(TSkinChoice::skNone, false), QString()},
        {"light", Options(TSkinChoice::skEmbedded, false), QStringLiteral("Personnel light")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartUp(c.options);
        FStarted = true;
        EXPECT_EQ(Form1->bsSkinData1->Empty(), c.skinName.isNull());
        EXPECT_EQ(Form1->bsSkinData1->SkinName, c.skinName);
        const int found = Form1->bsSkinData1->GetControlIndex(Form1->btnOK->SkinDataName());
        EXPECT_EQ(found < 0, c.skinName.isNull());
        EXPECT_EQ(Form1->btnOK->SkinIndex(), found);
        // What the windows draw in the default look takes light text on the dark skin only.
        EXPECT_EQ(QApplication::palette().color(QPalette::WindowText).lightness() > 128,
                  QLatin1String(c.name) == QLatin1String("dark"));
        Stop();
    }
}
