// Reading and writing whole files and exact byte counts, and the errors these raise.
#pragma once

#include "platform/Exception.h"

#include <QByteArray>
#include <QString>

#include <QFile>

// A file that cannot be opened for reading.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be created or replaced.
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// A stream that holds fewer bytes than its layout says it must.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// A stream that refuses bytes written to it.
class EWriteError : public Exception {
public:
    using Exception::Exception;
};

// The most bytes the skin code reads from one file or inflates into one skin package: far above any
// real skin (this program's own unpacks to under 2 MB), low enough that a hostile file cannot make
// a load exhaust the memory.
constexpr qint64 MaxSkinDataSize = qint64(256) << 20;

// Opens file for reading; EFOpenError naming the file when it cannot or when it is not a regular
// file: a device, a pipe or a folder could block the open or never end.
void OpenForReading(QFile& file);

// The whole content of a regular file; EFOpenError when it cannot be opened or read, is no regular
// file, or holds more than maxSize bytes (refused before they are read).
QByteArray ReadWholeFile(const QString& fileName, qint64 maxSize = MaxSkinDataSize);

// Creates or replaces a file with bytes; EFCreateError when it cannot be created, EWriteError
// when not every byte reaches it.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);

// Writes exactly count bytes at the device's position or raises EWriteError.
void WriteExactly(QIODevice& device, const char* data, qint64 count);

// Reads exactly count bytes from the device's position or raises EReadError.
void ReadExactly(QIODevice& device, char* data, qint64 count);
// The next count bytes of the device; EReadError, before anything is allocated, when count is
// negative or more than the device holds, so that a length read from a file can be passed as is.
QByteArray ReadBytes(QIODevice& device, qint64 count);
