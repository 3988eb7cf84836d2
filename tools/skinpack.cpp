// skinpack: packs a skin folder into a .skn file, unpacks one back, and prints a package's layout.
#include "bsBmpImageInfo.h"
#include "bsCompressedStoredSkin.h"
#include "bsIniText.h"
#include "bsSkinPackage.h"
#include "bsSkinValues.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <cstdio>
#include <map>

namespace
{

const char* const Usage = "usage: skinpack pack <skin.ini> <out.skn>\n"
                          "       skinpack unpack <in.skn> <folder>\n"
                          "       skinpack info <file>   (a .skn file, a compressed form or a package)\n";

// The ini file an unpacked skin folder gets.
const char* const UnpackedIniName = "skin.ini";

// A failure of the tool itself, as opposed to one of the skin code underneath.
class EToolError : public Exception {
public:
    using Exception::Exception;
};

void Print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
}

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

// Loads a .skn file into skin; refuses one that holds none.
void LoadSkn(TbsCompressedStoredSkin& skin, const QString& fileName)
{
    skin.LoadFromCompressFile(fileName);
    if (skin.Empty())
        throw EToolError(QStringLiteral("%1 holds no skin (it is empty or of a version above %2)")
                             .arg(fileName)
                             .arg(SkinPackageVersion));
}

void Pack(const QString& ini, const QString& out)
{
    const QString missing = MissingSkinSection(TbsIniText(TbsIniText::DecodeText(ReadWholeFile(ini))));
    if (!missing.isEmpty())
        throw EToolError(QStringLiteral("%1 has no [%2] section").arg(ini, missing));
    TbsCompressedStoredSkin skin;
    skin.LoadFromIniFile(ini);
    const TbsSkinPackage package = ReadSkinPackage(skin.DeCompressed());
    skin.SaveToCompressFile(out);
    Print(QStringLiteral("%1: %2 active pictures, %3 bytes compressed")
              .arg(out)
              .arg(package.ActivePictures.size())
              .arg(skin.CompressedData().size()));
}

// A file name from the description that is safe to create inside the target folder.
QString BareFileName(const QString& name, const QString& what)
{
    if (name.isEmpty())
        throw EToolError(QStringLiteral("the description names no file for the %1").arg(what));
    if (name.contains(u'/') || name.contains(u'\\') || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        throw EToolError(
            QStringLiteral("the file name \"%1\" of the %2 is not a bare file name").arg(name, what));
    return name;
}

// The files of a skin folder: name (as the description gives it) to bytes.
std::map<QString, QByteArray> FolderFiles(const TbsSkinPackage& package)
{
    const TbsIniText ini(TbsIniText::DecodeText(package.Description));
    const QString pictures = QStringLiteral("PICTURES");
    std::map<QString, QByteArray> files;
    std::map<QString, QString> lowerNames; // the same file on a case-insensitive file system
    const auto add = [&](const QString& key, const QByteArray& image, const QString& what) {
        if (image.isEmpty())
            return;
        const QString name = BareFileName(ini.ReadString(pictures, key), what);
        const auto [it, fresh] = lowerNames.emplace(name.toLower(), name);
        if (!fresh && files[it->second] != image)
            throw EToolError(
                QStringLiteral("the description gives \"%1\" to two different pictures").arg(name));
        files[it->second] = image;
    };
    add(QStringLiteral("picture"), package.Picture, QStringLiteral("main picture"));
    add(QStringLiteral("inactivepicture"), package.InActivePicture, QStringLiteral("inactive picture"));
    add(QStringLiteral("mask"), package.Mask, QStringLiteral("mask picture"));
    const qint32 listed = ReadInteger(ini, pictures, QStringLiteral("activepicturescount"));
    if (listed != package.ActivePictures.size())
        throw EToolError(QStringLiteral("the description lists %1 active pictures, the package holds %2")
                             .arg(listed)
                             .arg(package.ActivePictures.size()));
    for (qsizetype i = 0; i < package.ActivePictures.size(); ++i)
        add(QString::number(i), package.ActivePictures[i], QStringLiteral("active picture %1").arg(i));
    files[QLatin1String(UnpackedIniName)] = package.Description;
    return files;
}

void Unpack(const QString& skn, const QString& folder)
{
    TbsCompressedStoredSkin skin;
    LoadSkn(skin, skn);
    const TbsSkinPackage package = ReadSkinPackage(skin.DeCompressed());
    const std::map<QString, QByteArray> files = FolderFiles(package);
    const QDir dir(folder);
    for (const auto& [name, bytes] : files)
        if (QFileInfo::exists(dir.filePath(name)))
            throw EToolError(
                QStringLiteral("%1 already exists; unpack into a new folder").arg(dir.filePath(name)));
    if (!dir.mkpath(QStringLiteral(".")))
        throw EToolError(QStringLiteral("cannot create the folder %1").arg(folder));
    for (const auto& [name, bytes] : files)
        WriteWholeFile(dir.filePath(name), bytes);
    Print(QStringLiteral("%1: %2 files").arg(dir.filePath(QLatin1String(UnpackedIniName))).arg(files.size()));
}

bool IsZlibHeader(const QByteArray& bytes)
{
    return bytes.size() >= 2 && (quint8(bytes[0]) & 0x0F) == Z_DEFLATED &&
           (quint8(bytes[0]) * 256 + quint8(bytes[1])) % 31 == 0;
}

// The package inside fileName, whichever of the three forms it holds; says which on stdout.
QByteArray PackageOfFile(const QString& fileName)
{
    const QByteArray bytes = ReadWholeFile(fileName);
    if (bytes.size() >= 8 && qFromLittleEndian<qint32>(bytes.constData() + 4) == bytes.size() - 8) {
        TbsCompressedStoredSkin skin;
        LoadSkn(skin, fileName);
        Print(
            QStringLiteral("form: .skn file, compressed form of %1 bytes").arg(skin.CompressedData().size()));
        return skin.DeCompressed();
    }
    if (IsZlibHeader(bytes)) {
        Print(QStringLiteral("form: compressed form of %1 bytes").arg(bytes.size()));
        return DecompressBytes(bytes);
    }
    Print(QStringLiteral("form: package"));
    return bytes;
}

void Info(const QString& fileName)
{
    const QByteArray bytes = PackageOfFile(fileName);
    const TbsSkinPackage package = ReadSkinPackage(bytes);
    Print(QStringLiteral("package: %1 bytes, version %2").arg(bytes.size()).arg(package.Version));
    Print(QStringLiteral("main picture: ") + Describe(package.Picture));
    Print(QStringLiteral("inactive picture: ") + Describe(package.InActivePicture));
    Print(QStringLiteral("mask picture: ") + Describe(package.Mask));
    Print(QStringLiteral("active pictures: %1").arg(package.ActivePictures.size()));
    for (qsizetype i = 0; i < package.ActivePictures.size(); ++i)
        Print(QStringLiteral("  %1: ").arg(i) + Describe(package.ActivePictures[i]));
    const TbsIniText ini(TbsIniText::DecodeText(package.Description));
    Print(QStringLiteral("description: %1 bytes, %2 sections")
              .arg(package.Description.size())
              .arg(ini.Sections().size()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    const bool known =
        ((command == QLatin1String("pack") || command == QLatin1String("unpack")) && args.size() == 3) ||
        (command == QLatin1String("info") && args.size() == 2);
    if (!known) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        if (command == QLatin1String("pack"))
            Pack(args[1], args[2]);
        else if (command == QLatin1String("unpack"))
            Unpack(args[1], args[2]);
        else
            Info(args[1]);
    } catch (const Exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
