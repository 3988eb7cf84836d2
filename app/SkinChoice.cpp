// The program's skin options and loading the chosen skin, with the program's own as the fall-back.
#include "SkinChoice.h"

#include "EmbeddedSkin.h"
#include "OurSkinLook.h"
#include "Unit1.h"
#include "bsSkinData.h"
#include "bsSkinFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <new>

TOptionsParse ParseProgramOptions(const QStringList& Args, TProgramOptions& AOptions, QString& AText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("人事管理系统"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption skin(
        QStringLiteral("skin"),
        QStringLiteral("Dress the windows in this skin: a .skn file, a skin folder or its ini file; "
                       "none for the default look."),
        QStringLiteral("file"));
    const QCommandLineOption palette(QStringLiteral("palette"),
                                     QStringLiteral("The program's own skin in light or dark."),
                                     QStringLiteral("name"), QStringLiteral("light"));
    const QCommandLineOption quit(QStringLiteral("quit-after-first-paint"),
                                  QStringLiteral("Quit once the login window has painted, printing "
                                                 "the time since the process started."));
    parser.addOptions({help, skin, palette, quit});
    if (!parser.parse(Args)) {
        AText = parser.errorText();
        return opWrong;
    }
    if (parser.isSet(help)) {
        AText = parser.helpText();
        return opHelp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        AText = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return opWrong;
    }
    TProgramOptions options;
    const QString paletteName = parser.value(palette);
    if (paletteName != QLatin1String("light") && paletteName != QLatin1String("dark")) {
        AText = QStringLiteral("The palette is light or dark, not %1").arg(paletteName);
        return opWrong;
    }
    options.Skin.Dark = paletteName == QLatin1String("dark");
    if (parser.isSet(skin)) {
        const QString file = parser.value(skin);
        if (file.isEmpty()) {
            AText = QStringLiteral("--skin needs a file, a folder or none");
            return opWrong;
        }
        options.Skin.Kind = file == QLatin1String("none") ? TSkinChoice::skNone : TSkinChoice::skFile;
        if (options.Skin.Kind == TSkinChoice::skFile)
            options.Skin.FileName = file;
    }
    options.QuitAfterFirstPaint = parser.isSet(quit);
    AOptions = options;
    return opRun;
}

TSkinChoice& ProgramSkinChoice()
{
    static TSkinChoice choice;
    return choice;
}

void LoadSkinFile(TbsSkinData& ASkinData, const QString& AFileName)
{
    const QFileInfo file(AFileName);
    if (!file.exists())
        throw Exception(QStringLiteral("no such file or folder"));
    if (file.isDir()) {
        const QFileInfo ini(file.absoluteFilePath() + u'/' + QLatin1String(SkinFolderIniName));
        if (!ini.isFile())
            throw Exception(QStringLiteral("the folder has no %1").arg(QLatin1String(SkinFolderIniName)));
        LoadSkinFile(ASkinData, ini.filePath());
        return;
    }
    if (!file.isFile() || !file.isReadable())
        throw Exception(QStringLiteral("not a readable file"));
    if (file.suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0)
        ASkinData.LoadFromFile(file.filePath());
    else
        ASkinData.LoadFromCompressedFile(file.filePath());
    if (ASkinData.Empty())
        throw Exception(QStringLiteral("it holds no skin this program can read"));
}

namespace {

// Why loading the file failed, on one line.
QString FileFailure(TbsSkinData& ASkinData, const QString& AFileName)
{
    QString reason;
    try {
        LoadSkinFile(ASkinData, AFileName);
        return {};
    } catch (const Exception& e) {
        reason = e.Message();
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("out of memory");
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    reason.replace(u'\r', u' ').replace(u'\n', u' ');
    return QStringLiteral("personnel: the skin %1 cannot be used (%2); the program's own skin is "
                          "used instead")
        .arg(AFileName, reason.trimmed());
}

} // namespace

QString LoadSkinChoice(TbsSkinData& ASkinData, TbsCompressedStoredSkin& AStoredSkin,
                       const TSkinChoice& AChoice)
{
    QString complaint;
    // The platform's own colours, kept from before the dark skin replaced them; only our dark skin
    // brings colours of its own for what the windows draw in the default look.
    static const QPalette platformPalette = QApplication::palette();
    QApplication::setPalette(platformPalette);
    switch (AChoice.Kind) {
    case TSkinChoice::skNone:
        return {};
    case TSkinChoice::skFile:
        complaint = FileFailure(ASkinData, AChoice.FileName);
        if (complaint.isEmpty())
            return {};
        std::fprintf(stderr, "%s\n", complaint.toLocal8Bit().constData());
        break;
    case TSkinChoice::skEmbedded:
        break;
    }
    LoadStoredSkin(ASkinData, AStoredSkin, AChoice.Dark ? EmbeddedDarkSkinData() : EmbeddedSkinData());
    // The windows about to be made and shown need most of the pictures: they decode meanwhile.
    ASkinData.DecodePicturesAhead();
    if (AChoice.Dark)
        QApplication::setPalette(PlatformPalette(DarkPalette()));
    return complaint;
}
