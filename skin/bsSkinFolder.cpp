// Checking a skin folder's file names and writing a new skin folder.
#include "bsSkinFolder.h"

#include "bsSkinValues.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const FolderPicturesSection = "PICTURES";

[[noreturn]] void Refuse(const QString& why)
{
    throw ESkinFolderError(why);
}

[[noreturn]] void RefuseNoName(const QString& what)
{
    Refuse(QStringLiteral("the description names no file for the %1").arg(what));
}

// name, refused unless it is empty or names a file of the folder itself.
QString BareFileName(const QString& name, const QString& what)
{
    if (name.contains(u'/') || name.contains(u'\\') || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        Refuse(QStringLiteral("the file name \"%1\" of the %2 is not a bare file name").arg(name, what));
    return name;
}

QString ActivePictureWhat(qsizetype index)
{
    return QStringLiteral("active picture %1").arg(index);
}

// Collects the files of a folder, refusing two different files under one name without case. Two
// names for the same bytes (a skin made where case does not count) become one file, under the
// first spelling.
class TFolderFiles {
public:
    void Add(const QString& name, const QByteArray& bytes, const QString& what)
    {
        const auto [it, fresh] = FLowerNames.emplace(name.toLower(), name);
        if (!fresh && FFiles[it->second] != bytes)
            Refuse(QStringLiteral("the %1 is named \"%2\", the name of another file of the folder")
                       .arg(what, name));
        FFiles[it->second] = bytes;
    }

    std::map<QString, QByteArray> Files() const { return FFiles; }

private:
    std::map<QString, QByteArray> FFiles;
    std::map<QString, QString> FLowerNames; // the same file on a case-insensitive file system
};

// Adds a main, inactive or mask picture, which has a name exactly when the package holds it.
void AddOptional(TFolderFiles& files, const QString& name, const QByteArray& picture, const QString& what)
{
    if (name.isEmpty() && !picture.isEmpty())
        RefuseNoName(what);
    if (!name.isEmpty() && picture.isEmpty())
        Refuse(QStringLiteral("the description names \"%1\" for the %2, which the package lacks")
                   .arg(name, what));
    if (!picture.isEmpty())
        files.Add(name, picture, what);
}

} // namespace

TbsSkinFolderNames ReadSkinFolderNames(const TbsIniText& ini)
{
    const QString section = QLatin1String(FolderPicturesSection);
    const qint32 count = ReadInteger(ini, section, QStringLiteral("activepicturescount"));
    if (count < 0)
        Refuse(QStringLiteral("the description lists a negative number of active pictures (%1)").arg(count));
    TbsSkinFolderNames names;
    const auto optional = [&](const char* key, const char* what) {
        return BareFileName(ReadString(ini, section, QLatin1String(key)), QLatin1String(what));
    };
    names.Picture = optional("picture", "main picture");
    names.InActivePicture = optional("inactivepicture", "inactive picture");
    names.Mask = optional("mask", "mask picture");
    names.ActivePictures = ReadStrings(ini, section, QStringLiteral("activepictures"));
    if (names.ActivePictures.size() != count)
        Refuse(QStringLiteral("the description lists %1 active pictures but names only %2")
                   .arg(count)
                   .arg(names.ActivePictures.size()));
    for (qsizetype i = 0; i < names.ActivePictures.size(); ++i)
        BareFileName(names.ActivePictures[i], ActivePictureWhat(i));
    return names;
}

std::map<QString, QByteArray> SkinFolderFiles(const TbsSkinPackage& package)
{
    const TbsSkinFolderNames names =
        ReadSkinFolderNames(TbsIniText(TbsIniText::DecodeText(package.Description)));
    if (names.ActivePictures.size() != package.ActivePictures.size())
        Refuse(QStringLiteral("the description lists %1 active pictures, the package holds %2")
                   .arg(names.ActivePictures.size())
                   .arg(package.ActivePictures.size()));
    TFolderFiles files;
    files.Add(QLatin1String(SkinFolderIniName), package.Description, QStringLiteral("description"));
    AddOptional(files, names.Picture, package.Picture, QStringLiteral("main picture"));
    AddOptional(files, names.InActivePicture, package.InActivePicture, QStringLiteral("inactive picture"));
    AddOptional(files, names.Mask, package.Mask, QStringLiteral("mask picture"));
    for (qsizetype i = 0; i < package.ActivePictures.size(); ++i) {
        if (names.ActivePictures[i].isEmpty())
            RefuseNoName(ActivePictureWhat(i));
        files.Add(names.ActivePictures[i], package.ActivePictures[i], ActivePictureWhat(i));
    }
    return files.Files();
}

namespace {

// The files WriteNewSkinFolder has created so far, removed again unless the whole folder is written.
class TCreatedFiles {
public:
    explicit TCreatedFiles(int dirFd) : FDirFd(dirFd) {}
    ~TCreatedFiles()
    {
        if (!FKeep)
            for (const QByteArray& name : FNames)
                ::unlinkat(FDirFd, name.constData(), 0);
        ::close(FDirFd);
    }

    void Created(const QByteArray& name) { FNames.append(name); }
    void Keep() { FKeep = true; }

private:
    int FDirFd;
    QList<QByteArray> FNames;
    bool FKeep = false;
};

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

} // namespace

void WriteNewSkinFolder(const QString& folder, const std::map<QString, QByteArray>& files)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        Refuse(QStringLiteral("cannot create the folder %1").arg(folder));
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        Refuse(QStringLiteral("cannot open the folder %1: %2").arg(folder, ErrnoText()));
    TCreatedFiles created(dirFd);
    for (const auto& [name, bytes] : files) {
        struct stat status;
        if (::fstatat(dirFd, QFile::encodeName(name).constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
            Refuse(QStringLiteral("%1 already exists; unpack into a new folder").arg(dir.filePath(name)));
    }
    for (const auto& [name, bytes] : files) {
        const QByteArray local = QFile::encodeName(name);
        const int fd =
            ::openat(dirFd, local.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            Refuse(QStringLiteral("cannot create %1: %2").arg(dir.filePath(name), ErrnoText()));
        created.Created(local);
        const bool written = WriteAll(fd, bytes);
        const QString why = ErrnoText();
        if (::close(fd) != 0 || !written)
            Refuse(QStringLiteral("cannot write %1: %2").arg(dir.filePath(name), why));
    }
    created.Keep();
}
