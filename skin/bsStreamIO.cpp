// Whole-file and exact-count reading and writing with the errors of bsStreamIO.h.
#include "bsStreamIO.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void ReadFailed()
{
    throw EReadError(QStringLiteral("Stream read error"));
}

} // namespace

void OpenForReading(QFile& file)
{
    const auto refuse = [&](const QString& why) {
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\": %2").arg(file.fileName(), why));
    };
    // Opened without blocking, so that a pipe with no writer is refused rather than waited on, and
    // checked on the open descriptor, so that the file cannot be swapped between check and read.
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        refuse(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        refuse(QStringLiteral("not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(file.errorString());
    }
}

QByteArray ReadWholeFile(const QString& fileName, qint64 maxSize)
{
    QFile file(fileName);
    OpenForReading(file);
    const auto tooLarge = [&] {
        throw EFOpenError(
            QStringLiteral("Cannot read file \"%1\": it is larger than %2 bytes").arg(fileName).arg(maxSize));
    };
    if (file.size() > maxSize)
        tooLarge();
    // Read in blocks rather than by the size the file claims: some files report a size of 0.
    QByteArray bytes;
    bytes.reserve(file.size());
    char block[65536];
    qint64 got;
    while ((got = file.read(block, sizeof block)) > 0) {
        if (got > maxSize - bytes.size())
            tooLarge();
        bytes.append(block, got);
    }
    if (got < 0)
        throw EFOpenError(QStringLiteral("Cannot read file \"%1\": %2").arg(fileName, file.errorString()));
    return bytes;
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    // A failed write must not leave half a file in place of a good one.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError(
            QStringLiteral("Cannot create file \"%1\": %2").arg(fileName, file.errorString()));
    WriteExactly(file, bytes.constData(), bytes.size());
    if (!file.commit())
        throw EWriteError(QStringLiteral("Cannot write file \"%1\": %2").arg(fileName, file.errorString()));
}

void WriteExactly(QIODevice& device, const char* data, qint64 count)
{
    if (count > 0 && device.write(data, count) != count)
        throw EWriteError(QStringLiteral("Stream write error"));
}

void ReadExactly(QIODevice& device, char* data, qint64 count)
{
    if (count > 0 && device.read(data, count) != count)
        ReadFailed();
}

QByteArray ReadBytes(QIODevice& device, qint64 count)
{
    if (count < 0 || count > device.bytesAvailable())
        ReadFailed();
    QByteArray bytes(count, Qt::Uninitialized);
    ReadExactly(device, bytes.data(), count);
    return bytes;
}
