// zlib compression and decompression streams with their fixed 8,192-byte buffer.
#include "bszlibcompress.h"

#include "bsStreamIO.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <libdeflate.h>

namespace {

const char* const InvalidOperation = "Invalid stream operation";

// zlib counts in 32-bit units; longer requests are served in pieces of this size.
constexpr qint64 MaxZlibChunk = qint64(1) << 30;

// Bytes per read of the whole-buffer decompression.
constexpr qint64 DecompressBlock = 4096;

int CCheck(int code)
{
    if (code < 0)
        throw ECompressionError(QStringLiteral("error"));
    return code;
}

int DCheck(int code)
{
    if (code < 0)
        throw EDecompressionError(QStringLiteral("compression error"));
    return code;
}

int ZlibLevel(TCompressionLevel level)
{
    switch (level) {
    case clNone:
        return Z_NO_COMPRESSION;
    case clFastest:
        return Z_BEST_SPEED;
    case clMax:
        return Z_BEST_COMPRESSION;
    case clDefault:
        break;
    }
    return Z_DEFAULT_COMPRESSION;
}

} // namespace

TCustomZlibStream::TCustomZlibStream(QIODevice* Strm)
    : FStrm(Strm), FStrmStart(Strm->pos()), FStrmPos(FStrmStart)
{
}

void TCustomZlibStream::RestoreStrmPos()
{
    if (FStrm->pos() != FStrmPos)
        FStrm->seek(FStrmPos);
}

void TCustomZlibStream::Progress()
{
    if (OnProgress)
        OnProgress(this);
}

TCompressionStream::TCompressionStream(TCompressionLevel CompressionLevel, QIODevice* Dest)
    : TCustomZlibStream(Dest)
{
    FZRec.next_out = reinterpret_cast<Bytef*>(FBuffer);
    FZRec.avail_out = BufferSize;
    CCheck(deflateInit(&FZRec, ZlibLevel(CompressionLevel)));
    FZlibActive = true;
}

TCompressionStream::~TCompressionStream()
{
    // A destructor cannot report a failure; callers that must know call Finish themselves.
    try {
        Finish();
    } catch (const Exception&) {
    }
}

qint64 TCompressionStream::Read(char*, qint64)
{
    throw ECompressionError(QString::fromLatin1(InvalidOperation));
}

qint64 TCompressionStream::Write(const char* Buffer, qint64 Count)
{
    if (!FZlibActive)
        throw ECompressionError(QString::fromLatin1(InvalidOperation));
    RestoreStrmPos();
    for (qint64 done = 0; done < Count;) {
        const qint64 chunk = std::min(Count - done, MaxZlibChunk);
        FZRec.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Buffer + done));
        FZRec.avail_in = uInt(chunk);
        while (FZRec.avail_in > 0) {
            CCheck(deflate(&FZRec, Z_NO_FLUSH));
            if (FZRec.avail_out == 0) {
                WriteBuffer();
                FStrmPos = FStrm->pos();
                Progress();
            }
        }
        done += chunk;
    }
    FZRec.next_in = nullptr;
    return Count;
}

qint64 TCompressionStream::Seek(qint64 Offset, TSeekOrigin Origin)
{
    if (Offset == 0 && Origin == soCurrent)
        return qint64(FZRec.total_in);
    throw ECompressionError(QString::fromLatin1(InvalidOperation));
}

double TCompressionStream::CompressionRate() const
{
    if (FZRec.total_in == 0)
        return 0;
    return (1.0 - double(FZRec.total_out) / double(FZRec.total_in)) * 100.0;
}

void TCompressionStream::WriteBuffer()
{
    WriteExactly(*FStrm, FBuffer, BufferSize - FZRec.avail_out);
    FZRec.next_out = reinterpret_cast<Bytef*>(FBuffer);
    FZRec.avail_out = BufferSize;
}

void TCompressionStream::Finish()
{
    if (!FZlibActive)
        return;
    try {
        FZRec.next_in = nullptr;
        FZRec.avail_in = 0;
        RestoreStrmPos();
        while (CCheck(deflate(&FZRec, Z_FINISH)) != Z_STREAM_END)
            if (FZRec.avail_out == 0)
                WriteBuffer();
        WriteBuffer();
        FStrmPos = FStrm->pos();
    } catch (...) {
        ReleaseZlib();
        throw;
    }
    ReleaseZlib();
}

void TCompressionStream::ReleaseZlib()
{
    deflateEnd(&FZRec);
    FZlibActive = false;
}

TDecompressionStream::TDecompressionStream(QIODevice* Source) : TCustomZlibStream(Source)
{
    FZRec.next_in = reinterpret_cast<Bytef*>(FBuffer);
    FZRec.avail_in = 0;
    DCheck(inflateInit(&FZRec));
    DCheck(inflateValidate(&FZRec, 0));
}

TDecompressionStream::~TDecompressionStream()
{
    inflateEnd(&FZRec);
}

qint64 TDecompressionStream::Read(char* Buffer, qint64 Count)
{
    RestoreStrmPos();
    qint64 delivered = 0;
    while (delivered < Count && !FStreamEnded) {
        const qint64 chunk = std::min(Count - delivered, MaxZlibChunk);
        FZRec.next_out = reinterpret_cast<Bytef*>(Buffer + delivered);
        FZRec.avail_out = uInt(chunk);
        while (FZRec.avail_out > 0) {
            if (FZRec.avail_in == 0) {
                KeepConsumedTail();
                const qint64 got = FStrm->read(FBuffer, BufferSize);
                if (got <= 0)
                    return delivered + (chunk - FZRec.avail_out);
                FZRec.next_in = reinterpret_cast<Bytef*>(FBuffer);
                FZRec.avail_in = uInt(got);
                FStrmPos = FStrm->pos();
                Progress();
            }
            // Past its end inflate consumes nothing and would be asked again for ever; a preset
            // dictionary or a stalled inflate can never make progress either.
            Bytef* const produced = FZRec.next_out;
            const int code = DCheck(inflate(&FZRec, Z_NO_FLUSH));
            FCheck = quint32(libdeflate_adler32(FCheck, produced, size_t(FZRec.next_out - produced)));
            if (code == Z_STREAM_END) {
                CheckTrailer();
                FStreamEnded = true;
                break;
            }
            if (code != Z_OK)
                throw EDecompressionError(QStringLiteral("compression error"));
        }
        delivered += chunk - FZRec.avail_out;
    }
    return delivered;
}

qint64 TDecompressionStream::Write(const char*, qint64)
{
    throw EDecompressionError(QString::fromLatin1(InvalidOperation));
}

qint64 TDecompressionStream::Seek(qint64 Offset, TSeekOrigin Origin)
{
    const qint64 delivered = qint64(FZRec.total_out);
    if (Offset == 0 && Origin == soBeginning) {
        DCheck(inflateReset(&FZRec));
        FZRec.next_in = reinterpret_cast<Bytef*>(FBuffer);
        FZRec.avail_in = 0;
        FStreamEnded = false;
        FCheck = 1;
        FConsumedTailSize = 0;
        FStrm->seek(FStrmStart);
        FStrmPos = FStrmStart;
    } else if ((Offset >= 0 && Origin == soCurrent) || (Origin == soBeginning && Offset > delivered)) {
        qint64 toSkip = Origin == soBeginning ? Offset - delivered : Offset;
        char discard[BufferSize];
        while (toSkip > 0) {
            const qint64 want = std::min<qint64>(toSkip, BufferSize);
            if (Read(discard, want) < want)
                break;
            toSkip -= want;
        }
    } else {
        throw EDecompressionError(QString::fromLatin1(InvalidOperation));
    }
    return qint64(FZRec.total_out);
}

// The last four bytes inflate consumed (fewer near the stream's start) into last, oldest first:
// those of the input buffer up to next_in, after the ones kept from the buffers before it.
int TDecompressionStream::LastConsumed(unsigned char* last) const
{
    const int inBuffer = int(FZRec.next_in - reinterpret_cast<const Bytef*>(FBuffer));
    const int fromBuffer = std::min(inBuffer, 4);
    const int fromTail = std::min(4 - fromBuffer, FConsumedTailSize);
    std::copy(FConsumedTail + FConsumedTailSize - fromTail, FConsumedTail + FConsumedTailSize, last);
    std::copy(FZRec.next_in - fromBuffer, FZRec.next_in, last + fromTail);
    return fromTail + fromBuffer;
}

void TDecompressionStream::KeepConsumedTail()
{
    unsigned char last[4];
    FConsumedTailSize = LastConsumed(last);
    std::copy(last, last + FConsumedTailSize, FConsumedTail);
}

// The trailer is the last four bytes inflate consumed: it stops right after them.
void TDecompressionStream::CheckTrailer() const
{
    unsigned char last[4];
    if (LastConsumed(last) < 4 || qFromBigEndian<quint32>(last) != FCheck)
        throw EDecompressionError(QStringLiteral("compression error"));
}

bool TDecompressionStream::HasTrailingBytes() const
{
    return FStreamEnded && (FZRec.avail_in > 0 || FStrm->size() > FStrmPos);
}

void CompressStream(QIODevice& Source, QIODevice& Dest)
{
    Source.seek(0);
    TCompressionStream zs(clMax, &Dest);
    const QByteArray all = Source.readAll();
    zs.Write(all.constData(), all.size());
    zs.Finish();
}

void DecompressStream(QIODevice& Source, QIODevice& Dest, qint64 Limit)
{
    Source.seek(0);
    TDecompressionStream zs(&Source);
    char block[DecompressBlock];
    qint64 total = 0;
    qint64 got;
    while ((got = zs.Read(block, DecompressBlock)) > 0) {
        total += got;
        if (total > Limit)
            throw EDecompressionError(
                QStringLiteral("compressed data inflates to more than %1 bytes").arg(Limit));
        WriteExactly(Dest, block, got);
    }
    if (!zs.StreamEnded())
        throw EDecompressionError(QStringLiteral("compressed data ends before its zlib stream is complete"));
    if (zs.HasTrailingBytes())
        throw EDecompressionError(QStringLiteral("compression error"));
}

namespace {

// Runs a stream-to-stream helper on in-memory bytes.
QByteArray ThroughBuffers(const QByteArray& source, const std::function<void(QIODevice&, QIODevice&)>& helper)
{
    QBuffer src;
    src.setData(source);
    src.open(QIODevice::ReadOnly);
    QByteArray out;
    QBuffer dst(&out);
    dst.open(QIODevice::WriteOnly);
    helper(src, dst);
    return out;
}

} // namespace

QByteArray CompressBytes(const QByteArray& Source)
{
    return ThroughBuffers(Source, CompressStream);
}

QByteArray DecompressBytes(const QByteArray& Source, qint64 Limit)
{
    return ThroughBuffers(Source,
                          [Limit](QIODevice& src, QIODevice& dst) { DecompressStream(src, dst, Limit); });
}
