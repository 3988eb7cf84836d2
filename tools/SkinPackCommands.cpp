// The skinpack commands: pack a skin folder into a .skn file, unpack one back, print a package's layout.
#include "SkinPackCommands.h"

#include "bsBmpImageInfo.h"
#include "bsCompressedStoredSkin.h"
#include "bsIniText.h"
#include "bsSkinFolder.h"
#include "bsSkinPackage.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <exception>
#include <new>
#include <sys/stat.h>

namespace {

QString Usage()
{
    return QStringLiteral("usage: skinpack pack <skin.ini> <out.skn>\n"
                          "       skinpack unpack <in.skn> <folder>\n"
                          "       skinpack info <file>   (a .skn file, a compressed form or a package)\n"
                          "Only regular files are read. A file larger than %1 MB, or a package that\n"
                          "unpacks to more, is refused. unpack writes only new files and follows no link.\n")
        .arg(MaxSkinDataSize >> 20);
}

// A failure of the tool itself, as opposed to one of the skin code underneath.
class EToolError : public Exception {
public:
    using Exception::Exception;
};

QString Describe(const QByteArray& picture)
{
    if (picture.isEmpty())
        return QStringLiteral("none");
    const TbsBmpImageInfo info = ReadBmpImageInfo(picture);
    return QStringLiteral("%1 x %2, %3 bits, %4 bytes")
        .arg(info.Width)
        .arg(info.Height)
        .arg(info.BitCount)
        .arg(picture.size());
}

// The stored skin of a .skn file's bytes; refuses one that holds none.
void LoadSkn(TbsCompressedStoredSkin& skin, const QByteArray& skn, const QString& fileName)
{
    QBuffer buffer;
    buffer.setData(skn);
    buffer.open(QIODevice::ReadOnly);
    skin.LoadFromCompressStream(buffer);
    if (skin.Empty())
        throw EToolError(QStringLiteral("%1 holds no skin (it is empty or of a version above %2)")
                             .arg(fileName)
                             .arg(SkinPackageVersion));
}

// Whether the two paths lead to one file (through links, or as hard links of one another).
bool SameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Refuses an output that would replace the ini file or one of the pictures it names.
void CheckOutputIsNoInput(const QString& ini, const TbsSkinFolderNames& names, const QString& out)
{
    const QString dir = ini.left(ini.lastIndexOf(u'/') + 1);
    QStringList inputs{ini};
    for (const QString& name :
         QStringList{names.Picture, names.InActivePicture, names.Mask} + names.ActivePictures)
        if (!name.isEmpty())
            inputs << dir + name;
    for (const QString& input : std::as_const(inputs))
        if (SameFile(input, out))
            throw EToolError(QStringLiteral("the output %1 is the input %2").arg(out, input));
}

void Pack(const QString& ini, const QString& out, QTextStream& report)
{
    const TbsIniText text(TbsIniText::DecodeText(ReadWholeFile(ini)));
    const QString missing = MissingSkinSection(text);
    if (!missing.isEmpty())
        throw EToolError(QStringLiteral("%1 has no [%2] section").arg(ini, missing));
    CheckOutputIsNoInput(ini, ReadSkinFolderNames(text), out);
    TbsCompressedStoredSkin skin;
    skin.LoadFromIniFile(ini);
    const TbsSkinPackage package = ReadSkinPackage(skin.DeCompressed());
    // What unpack would refuse is not packed.
    SkinFolderFiles(package);
    skin.SaveToCompressFile(out);
    report << QStringLiteral("%1: %2 active pictures, %3 bytes compressed\n")
                  .arg(out)
                  .arg(package.ActivePictures.size())
                  .arg(skin.CompressedData().size());
}

void Unpack(const QString& skn, const QString& folder, QTextStream& report)
{
    TbsCompressedStoredSkin skin;
    LoadSkn(skin, ReadWholeFile(skn), skn);
    const std::map<QString, QByteArray> files = SkinFolderFiles(ReadSkinPackage(skin.DeCompressed()));
    WriteNewSkinFolder(folder, files);
    report << QStringLiteral("%1: %2 files\n")
                  .arg(QDir(folder).filePath(QLatin1String(SkinFolderIniName)))
                  .arg(files.size());
}

bool IsZlibHeader(const QByteArray& bytes)
{
    return bytes.size() >= 2 && (quint8(bytes[0]) & 0x0F) == Z_DEFLATED &&
           (quint8(bytes[0]) * 256 + quint8(bytes[1])) % 31 == 0;
}

// The package inside fileName, whichever of the three forms it holds; says which in report.
QByteArray PackageOfFile(const QString& fileName, QTextStream& report)
{
    const QByteArray bytes = ReadWholeFile(fileName);
    if (bytes.size() >= 8 && qFromLittleEndian<qint32>(bytes.constData() + 4) == bytes.size() - 8) {
        TbsCompressedStoredSkin skin;
        LoadSkn(skin, bytes, fileName);
        report << QStringLiteral("form: .skn file, compressed form of %1 bytes\n")
                      .arg(skin.CompressedData().size());
        return skin.DeCompressed();
    }
    if (IsZlibHeader(bytes)) {
        report << QStringLiteral("form: compressed form of %1 bytes\n").arg(bytes.size());
        return DecompressBytes(bytes);
    }
    report << QStringLiteral("form: package\n");
    return bytes;
}

void Info(const QString& fileName, QTextStream& report)
{
    const QByteArray bytes = PackageOfFile(fileName, report);
    const TbsSkinPackage package = ReadSkinPackage(bytes);
    report << QStringLiteral("package: %1 bytes, version %2\n").arg(bytes.size()).arg(package.Version);
    report << QStringLiteral("main picture: ") << Describe(package.Picture) << '\n';
    report << QStringLiteral("inactive picture: ") << Describe(package.InActivePicture) << '\n';
    report << QStringLiteral("mask picture: ") << Describe(package.Mask) << '\n';
    report << QStringLiteral("active pictures: %1\n").arg(package.ActivePictures.size());
    for (qsizetype i = 0; i < package.ActivePictures.size(); ++i)
        report << QStringLiteral("  %1: ").arg(i) << Describe(package.ActivePictures[i]) << '\n';
    const TbsIniText ini(TbsIniText::DecodeText(package.Description));
    report << QStringLiteral("description: %1 bytes, %2 sections\n")
                  .arg(package.Description.size())
                  .arg(ini.Sections().size());
}

void Run(const QString& command, const QStringList& args, QTextStream& out)
{
    if (command == QLatin1String("pack"))
        Pack(args[1], args[2], out);
    else if (command == QLatin1String("unpack"))
        Unpack(args[1], args[2], out);
    else
        Info(args[1], out);
}

// One line, whatever the reason holds.
QString OneLine(QString reason)
{
    reason.replace(u'\r', u' ').replace(u'\n', u' ');
    return QStringLiteral("skinpack: %1\n").arg(reason);
}

} // namespace

int RunSkinPack(const QStringList& Args, QTextStream& Out, QTextStream& Err)
{
    const QString command = Args.value(0);
    const bool known =
        ((command == QLatin1String("pack") || command == QLatin1String("unpack")) && Args.size() == 3) ||
        (command == QLatin1String("info") && Args.size() == 2);
    if (!known) {
        Err << Usage();
        return 2;
    }
    QString failure;
    try {
        Run(command, Args, Out);
    } catch (const Exception& e) {
        failure = e.Message();
    } catch (const std::bad_alloc&) {
        failure = QStringLiteral("out of memory");
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("unexpected failure");
    }
    Out.flush();
    if (failure.isNull())
        return 0;
    Err << OneLine(failure);
    Err.flush();
    return 1;
}
