// Whole-file and exact-count reading and writing with the errors of bsStreamIO.h.
#include "bsStreamIO.h"

#include <QFile>
#include <QSaveFile>

namespace
{

[[noreturn]] void ReadFailed()
{
    throw EReadError(QStringLiteral("Stream read error"));
}

} // namespace

void OpenForReading(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(
            QStringLiteral("Cannot open file \"%1\": %2").arg(file.fileName(), file.errorString()));
}

QByteArray ReadWholeFile(const QString& fileName)
{
    QFile file(fileName);
    OpenForReading(file);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
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
