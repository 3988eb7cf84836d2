// The skin packer's commands on good and hostile files and folders, run through its entry point.
#include "SkinPackageFixtures.h"

#include "SkinPackCommands.h"
#include "bsCompressedStoredSkin.h"
#include "bsSkinFolder.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A scratch folder holding the test skin folder "s" and its package "good.skn".
class TToolScratch {
public:
    TToolScratch()
    {
        QDir(FDir.path()).mkdir(QStringLiteral("s"));
        WriteTestSkinFolder(Path("s"));
        Write("good.skn", SknOf(TestPackage()));
    }

    QString Path(const QString& name) const { return FDir.filePath(name); }
    QString Ini() const { return Path("s/skin.ini"); }
    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(name);
        file.write(bytes);
    }
    QByteArray Read(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool Exists(const QString& name) const
    {
        struct stat status;
        return ::lstat(QFile::encodeName(Path(name)).constData(), &status) == 0;
    }

private:
    QTemporaryDir FDir;
};

struct TToolRun {
    int Exit = -1;
    QString Out, Err;
};

TToolRun RunTool(const QStringList& args)
{
    TToolRun run;
    QTextStream out(&run.Out), err(&run.Err);
    run.Exit = RunSkinPack(args, out, err);
    return run;
}

// The test package with its description edited: each pair replaces a whole line of it.
TbsSkinPackage PackageWithLines(std::initializer_list<std::pair<const char*, const char*>> lines)
{
    TbsSkinPackage package = TestPackage();
    for (const auto& [from, to] : lines)
        package.Description.replace(QByteArray("\n") + from + "\r", QByteArray("\n") + to + "\r");
    return package;
}

// The test folder "s" with its description edited as PackageWithLines does.
void EditIni(const TToolScratch& scratch, std::initializer_list<std::pair<const char*, const char*>> lines)
{
    scratch.Write("s/skin.ini", PackageWithLines(lines).Description);
}

struct TToolCase {
    const char* Name;
    // Makes the hostile files and gives the command's arguments.
    std::function<QStringList(const TToolScratch&)> Prepare;
    const char* Error; // part of the one-line error; nullptr when the command must succeed
    // What must hold afterwards.
    std::function<void(const TToolScratch&)> Check = {};
};

void NoFileOutside(const TToolScratch& scratch)
{
    EXPECT_FALSE(scratch.Exists("victim"));
}

} // namespace

TEST(SkinPackTool, HostileFilesAndFoldersEndInOneLineErrors)
{
    const QByteArray goodIni = TestDescription();
    const QByteArray compressed = CompressedFormOf(TestPackage());
    const auto inputsIntact = [goodIni](const TToolScratch& scratch) {
        EXPECT_EQ(scratch.Read("s/skin.ini"), goodIni);
        EXPECT_EQ(scratch.Read("s/main.bmp"), TestPackage().Picture);
    };
    const TToolCase cases[] = {
        // Special files: refused at once, never read for ever or waited on.
        {"info of /dev/zero",
         [](auto&) {
             return QStringList{"info", "/dev/zero"};
         },
         "not a regular file"},
        {"unpack of /dev/zero",
         [](auto& s) {
             return QStringList{"unpack", "/dev/zero", s.Path("out")};
         },
         "not a regular file"},
        {"pack of /dev/zero",
         [](auto& s) {
             return QStringList{"pack", "/dev/zero", s.Path("out.skn")};
         },
         "not a regular file"},
        {"info of a pipe without a writer",
         [](auto& s) {
             ::mkfifo(QFile::encodeName(s.Path("fifo")).constData(), 0600);
             return QStringList{"info", s.Path("fifo")};
         },
         "not a regular file"},
        {"unpack of a folder",
         [](auto& s) {
             return QStringList{"unpack", s.Path("s"), s.Path("out")};
         },
         "not a regular file"},
        {"pack of a folder whose picture is a pipe",
         [](auto& s) {
             QFile::remove(s.Path("s/main.bmp"));
             ::mkfifo(QFile::encodeName(s.Path("s/main.bmp")).constData(), 0600);
             return QStringList{"pack", s.Ini(), s.Path("out.skn")};
         },
         "not a regular file"},
        // An inflate bomb and a raw compressed form of one.
        {"unpack of an inflate bomb",
         [](auto& s) {
             s.Write("bomb.skn", SknOfCompressed(InflateBomb(MaxSkinDataSize + 1)));
             return QStringList{"unpack", s.Path("bomb.skn"), s.Path("out")};
         },
         "inflates to more than 268435456 bytes", [](auto& s) { EXPECT_FALSE(s.Exists("out")); }},
        // A zlib stream without its checksum, as a .skn and as a raw compressed form.
        {"unpack of a .skn whose length leaves out the checksum",
         [=](auto& s) {
             s.Write("cut.skn", SknOfCompressed(compressed.chopped(4)));
             return QStringList{"unpack", s.Path("cut.skn"), s.Path("out")};
         },
         "ends before its zlib stream is complete", [](auto& s) { EXPECT_FALSE(s.Exists("out")); }},
        {"info of a compressed form cut inside its checksum",
         [=](auto& s) {
             s.Write("cut.z", compressed.chopped(1));
             return QStringList{"info", s.Path("cut.z")};
         },
         "ends before its zlib stream is complete"},
        {"unpack of a compressed form with a wrong checksum",
         [=](auto& s) {
             QByteArray bad = compressed;
             bad.back() = char(bad.back() ^ 1);
             s.Write("bad.skn", SknOfCompressed(bad));
             return QStringList{"unpack", s.Path("bad.skn"), s.Path("out")};
         },
         "compression error"},
        // A bitmap whose compression no bitmap has.
        {"unpack of a bitmap with compression 7",
         [](auto& s) {
             TbsSkinPackage package = TestPackage();
             package.Picture[30] = 7;
             s.Write("odd.skn", SknOf(package));
             return QStringList{"unpack", s.Path("odd.skn"), s.Path("out")};
         },
         "unsupported bitmap encoding: compression 7 at 24 bits"},
        // Links and files already in the target folder.
        {"unpack through a dangling link to a file outside",
         [](auto& s) {
             QDir(s.Path("")).mkdir("out");
             QFile::link(s.Path("victim"), s.Path("out/skin.ini"));
             return QStringList{"unpack", s.Path("good.skn"), s.Path("out")};
         },
         "already exists", NoFileOutside},
        {"unpack over a link to an existing file",
         [](auto& s) {
             QDir(s.Path("")).mkdir("out");
             s.Write("victim", "keep me");
             QFile::link(s.Path("victim"), s.Path("out/main.bmp"));
             return QStringList{"unpack", s.Path("good.skn"), s.Path("out")};
         },
         "already exists",
         [](auto& s) {
             EXPECT_EQ(s.Read("victim"), "keep me");
             EXPECT_FALSE(s.Exists("out/skin.ini")); // nothing written before the refusal
         }},
        {"unpack over an existing picture",
         [](auto& s) {
             QDir(s.Path("")).mkdir("out");
             s.Write("out/mdibg.bmp", "mine");
             return QStringList{"unpack", s.Path("good.skn"), s.Path("out")};
         },
         "already exists", [](auto& s) { EXPECT_EQ(s.Read("out/mdibg.bmp"), "mine"); }},
        // Pictures named like the description file.
        {"unpack of a picture named skin.ini",
         [](auto& s) {
             s.Write("clash.skn", SknOf(PackageWithLines({{"picture=main.bmp", "picture=skin.ini"}})));
             return QStringList{"unpack", s.Path("clash.skn"), s.Path("out")};
         },
         "the main picture is named \"skin.ini\"", [](auto& s) { EXPECT_FALSE(s.Exists("out/skin.ini")); }},
        {"unpack of a picture named SKIN.INI",
         [](auto& s) {
             s.Write("clash.skn", SknOf(PackageWithLines({{"1=mdibg.bmp", "1=SKIN.INI"}})));
             return QStringList{"unpack", s.Path("clash.skn"), s.Path("out")};
         },
         "the active picture 1 is named \"SKIN.INI\""},
        {"unpack of two different pictures named a.bmp and A.BMP",
         [](auto& s) {
             s.Write("clash.skn",
                     SknOf(PackageWithLines({{"0=active.BMP", "0=a.bmp"}, {"1=mdibg.bmp", "1=A.BMP"}})));
             return QStringList{"unpack", s.Path("clash.skn"), s.Path("out")};
         },
         "the active picture 1 is named \"A.BMP\""},
        {"pack of a folder whose picture is named Skin.Ini",
         [](auto& s) {
             QFile::rename(s.Path("s/main.bmp"), s.Path("s/Skin.Ini"));
             s.Write("s/desc.ini", PackageWithLines({{"picture=main.bmp", "picture=Skin.Ini"}}).Description);
             return QStringList{"pack", s.Path("s/desc.ini"), s.Path("out.skn")};
         },
         "the main picture is named \"Skin.Ini\"", [](auto& s) { EXPECT_FALSE(s.Exists("out.skn")); }},
        // An output that is one of the inputs.
        {"pack onto its own ini file",
         [](auto& s) {
             return QStringList{"pack", s.Ini(), s.Ini()};
         },
         "is the input", inputsIntact},
        {"pack onto one of its pictures",
         [](auto& s) {
             return QStringList{"pack", s.Ini(), s.Path("s/main.bmp")};
         },
         "is the input", inputsIntact},
        {"pack onto a link to its ini file",
         [](auto& s) {
             QFile::link(s.Ini(), s.Path("out.skn"));
             return QStringList{"pack", s.Ini(), s.Path("out.skn")};
         },
         "is the input", inputsIntact},
        {"pack onto a hard link of one of its pictures",
         [](auto& s) {
             ::link(QFile::encodeName(s.Path("s/main.bmp")).constData(),
                    QFile::encodeName(s.Path("out.skn")).constData());
             return QStringList{"pack", s.Ini(), s.Path("out.skn")};
         },
         "is the input", inputsIntact},
        {"pack onto its own ini file by another path",
         [](auto& s) {
             return QStringList{"pack", s.Ini(), s.Path("s/../s/./skin.ini")};
         },
         "is the input", inputsIntact},
        // What pack refuses, unpack refuses too.
        {"pack of a negative active picture count",
         [](auto& s) {
             EditIni(s, {{"activepicturescount=2", "activepicturescount=-1"}});
             return QStringList{"pack", s.Ini(), s.Path("out.skn")};
         },
         "negative number of active pictures", [](auto& s) { EXPECT_FALSE(s.Exists("out.skn")); }},
        {"unpack of a negative active picture count",
         [](auto& s) {
             TbsSkinPackage package = PackageWithLines({{"activepicturescount=2", "activepicturescount=-1"}});
             package.ActivePictures.clear();
             s.Write("neg.skn", SknOf(package));
             return QStringList{"unpack", s.Path("neg.skn"), s.Path("out")};
         },
         "negative number of active pictures"},
        {"pack of a picture in the parent folder",
         [](auto& s) {
             s.Write("main.bmp", TestPackage().Picture);
             EditIni(s, {{"picture=main.bmp", "picture=../main.bmp"}});
             return QStringList{"pack", s.Ini(), s.Path("out.skn")};
         },
         "\"../main.bmp\" of the main picture is not a bare file name",
         [](auto& s) { EXPECT_FALSE(s.Exists("out.skn")); }},
        {"unpack of a picture in the parent folder",
         [](auto& s) {
             s.Write("up.skn", SknOf(PackageWithLines({{"0=active.BMP", "0=../victim"}})));
             return QStringList{"unpack", s.Path("up.skn"), s.Path("out")};
         },
         "\"../victim\" of the active picture 0 is not a bare file name", NoFileOutside},
        {"unpack of a mask named but not held",
         [](auto& s) {
             s.Write("nomask.skn", SknOf(PackageWithLines({{"mask=", "mask=mask.bmp"}})));
             return QStringList{"unpack", s.Path("nomask.skn"), s.Path("out")};
         },
         "names \"mask.bmp\" for the mask picture, which the package lacks"},
        // The sound files still go through.
        {"pack of the test folder",
         [](auto& s) {
             return QStringList{"pack", s.Ini(), s.Path("out.skn")};
         },
         nullptr, [](auto& s) { EXPECT_EQ(s.Read("out.skn"), s.Read("good.skn")); }},
        {"unpack of the test package",
         [](auto& s) {
             return QStringList{"unpack", s.Path("good.skn"), s.Path("out/new")};
         },
         nullptr,
         [](auto& s) {
             EXPECT_EQ(s.Read("out/new/skin.ini"), TestDescription());
             EXPECT_EQ(s.Read("out/new/mdibg.bmp"), TestPackage().ActivePictures[1]);
             struct stat status;
             ASSERT_EQ(::lstat(QFile::encodeName(s.Path("out/new/main.bmp")).constData(), &status), 0);
             EXPECT_TRUE(S_ISREG(status.st_mode));
         }},
        {"info of a raw compressed form",
         [=](auto& s) {
             s.Write("form.z", compressed);
             return QStringList{"info", s.Path("form.z")};
         },
         nullptr},
    };
    for (const TToolCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TToolScratch scratch;
        QElapsedTimer clock;
        clock.start();
        const TToolRun run = RunTool(c.Prepare(scratch));
        EXPECT_LT(clock.elapsed(), 30000);
        if (c.Error) {
            EXPECT_EQ(run.Exit, 1) << qPrintable(run.Out);
            EXPECT_TRUE(run.Err.startsWith("skinpack: ")) << qPrintable(run.Err);
            EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Error))) << qPrintable(run.Err);
            EXPECT_EQ(run.Err.count(u'\n'), 1) << qPrintable(run.Err);
            EXPECT_TRUE(run.Err.endsWith(u'\n'));
        } else {
            EXPECT_EQ(run.Exit, 0) << qPrintable(run.Err);
            EXPECT_TRUE(run.Err.isEmpty()) << qPrintable(run.Err);
        }
        if (c.Check)
            c.Check(scratch);
    }
}

TEST(SkinPackTool, UsageStatesTheSizeLimit)
{
    for (const QStringList& args :
         {QStringList{}, QStringList{"pack", "one"}, QStringList{"what", "a", "b"}}) {
        const TToolRun run = RunTool(args);
        EXPECT_EQ(run.Exit, 2);
        EXPECT_TRUE(run.Err.contains("usage: skinpack pack"));
        EXPECT_TRUE(run.Err.contains(QStringLiteral("%1 MB").arg(MaxSkinDataSize >> 20)))
            << qPrintable(run.Err);
    }
}

TEST(SkinFolder, AFailedUnpackRemovesTheFilesItCreated)
{
    QTemporaryDir dir;
    std::map<QString, QByteArray> files = SkinFolderFiles(TestPackage());
    // Last in name order, a file that only its creation refuses: its folder does not exist.
    files[QStringLiteral("zz/x")] = "x";
    EXPECT_THROW(WriteNewSkinFolder(dir.filePath("out"), files), ESkinFolderError);
    EXPECT_TRUE(QDir(dir.filePath("out")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}
