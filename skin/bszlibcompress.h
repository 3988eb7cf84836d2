// zlib compression streams over a wrapped QIODevice, with the whole-buffer helpers built on them.
#pragma once

#include "bsStreamIO.h"
#include "platform/Exception.h"

#include <QByteArray>
#include <functional>
#include <zlib.h>

class QIODevice;

// Any failure inside zlib.
class EZlibError : public Exception {
public:
    using Exception::Exception;
};

// zlib failed while deflating ("error"), or a compression stream was misused.
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

// zlib failed while inflating ("compression error"), or a decompression stream was misused.
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

enum TCompressionLevel { clNone, clFastest, clDefault, clMax };

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// A stream that passes its bytes through zlib into or out of another stream. The wrapped stream
// is not owned; it may be moved by others between calls, so every call first puts it back at
// FStrmPos, where this stream last left it.
class TCustomZlibStream {
public:
    static constexpr int BufferSize = 8192;

    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

    // Called each time a full buffer has passed to or from the wrapped stream.
    std::function<void(TCustomZlibStream* Sender)> OnProgress;

protected:
    explicit TCustomZlibStream(QIODevice* Strm);
    virtual ~TCustomZlibStream() = default;

    void RestoreStrmPos();
    void Progress();

    QIODevice* FStrm;
    qint64 FStrmStart; // where the zlib stream begins in FStrm
    qint64 FStrmPos;
    z_stream FZRec{};
    char FBuffer[BufferSize];
};

// Write-only: deflates what is written to it into the wrapped stream. The zlib stream is complete
// only after Finish (or destruction, which finishes quietly when Finish was not called).
class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel CompressionLevel, QIODevice* Dest);
    ~TCompressionStream() override;

    qint64 Read(char* Buffer, qint64 Count);
    qint64 Write(const char* Buffer, qint64 Count);
    // Only Seek(0, soCurrent) is allowed: the number of bytes taken in so far.
    qint64 Seek(qint64 Offset, TSeekOrigin Origin);
    // Percentage of bytes saved so far; 0 before any byte has gone in.
    double CompressionRate() const;
    // Ends the zlib stream and writes what is left in the buffer; raises on a zlib or write failure.
    void Finish();

private:
    // Writes the filled part of the buffer to the wrapped stream and empties it.
    void WriteBuffer();
    void ReleaseZlib();
    bool FZlibActive = false;
};

// Read-only: inflates from the wrapped stream. Reading stops at the end of the zlib stream, and
// when the wrapped stream runs out first it delivers what it has without error.
class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(QIODevice* Source);
    ~TDecompressionStream() override;

    qint64 Read(char* Buffer, qint64 Count);
    qint64 Write(const char* Buffer, qint64 Count);
    // Offset 0 from the beginning starts over from where the zlib stream begins in the wrapped
    // stream; moving forwards reads and discards; any other move raises. Returns the number of
    // bytes delivered so far.
    qint64 Seek(qint64 Offset, TSeekOrigin Origin);

    // True once the end of the zlib stream (its checksum included) has been read.
    bool StreamEnded() const { return FStreamEnded; }
    // True when the zlib stream has ended and the wrapped stream holds bytes after it.
    bool HasTrailingBytes() const;

private:
    int LastConsumed(unsigned char* last) const;
    void KeepConsumedTail();
    void CheckTrailer() const;

    bool FStreamEnded = false;
    // The stream's checksum is computed here rather than by zlib, whose own check is many times
    // slower: the Adler-32 of what was delivered so far, and the last bytes consumed from input
    // buffers already refilled, for the trailer that may straddle two of them.
    quint32 FCheck = 1;
    unsigned char FConsumedTail[4] = {};
    int FConsumedTailSize = 0;
};

// Deflates the whole of Source (from its start) at clMax onto Dest at its current position.
void CompressStream(QIODevice& Source, QIODevice& Dest);
QByteArray CompressBytes(const QByteArray& Source);

// Inflates the whole zlib stream in Source (from its start) onto Dest at its current position.
// Raises EDecompressionError, once the damage is seen and before inflating further, for a stream
// that does not end with its verified checksum (broken or cut short: a package read in part must
// not pass for a whole one), for bytes after that end (a compressed form has nothing after its
// checksum), and for one that inflates to more than Limit bytes.
void DecompressStream(QIODevice& Source, QIODevice& Dest, qint64 Limit = MaxSkinDataSize);
QByteArray DecompressBytes(const QByteArray& Source, qint64 Limit = MaxSkinDataSize);
