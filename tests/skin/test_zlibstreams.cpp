// The zlib compression streams: buffering, progress, seeking, truncation and error behaviour.
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace
{

// Bytes that deflate can barely shrink, so that the compressed form spans several buffers.
QByteArray NoiseBytes(int size, quint32 seed = 7)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray CountingBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

QByteArray Compress(const QByteArray& data, TCompressionLevel level)
{
    QByteArray out;
    QBuffer dest(&out);
    dest.open(QIODevice::WriteOnly);
    TCompressionStream zs(level, &dest);
    zs.Write(data.constData(), data.size());
    zs.Finish();
    return out;
}

// A read-only buffer over bytes for a decompression stream to wrap.
struct SourceBuffer {
    explicit SourceBuffer(const QByteArray& bytes)
    {
        Buffer.setData(bytes);
        Buffer.open(QIODevice::ReadOnly);
    }
    QBuffer Buffer;
};

template <class Error> void ExpectError(const std::function<void()>& action, const char* message)
{
    try {
        action();
        ADD_FAILURE() << "no error raised, expected " << message;
    } catch (const Error& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(message));
    }
}

} // namespace

TEST(ZlibStreams, RoundTripGivesTheBytesBackAndLevelNineStartsWith78DA)
{
    struct Case {
        const char* Name;
        QByteArray Data;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"short text", QByteArrayLiteral("[VERSION]\r\nver=1\r\n")},
        {"several buffers of noise", NoiseBytes(50000)},
        {"large and compressible", CountingBytes(700000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray compressed = CompressBytes(c.Data);
        ASSERT_GE(compressed.size(), 2);
        EXPECT_EQ(quint8(compressed[0]), 0x78);
        EXPECT_EQ(quint8(compressed[1]), 0xDA);
        EXPECT_EQ(DecompressBytes(compressed), c.Data);
    }
}

TEST(ZlibStreams, CompressionLevelsMapToZlibLevels)
{
    // The second header byte carries zlib's level class: 01 fastest/none, 9C default, DA best.
    const std::pair<TCompressionLevel, quint8> cases[] = {
        {clNone, 0x01}, {clFastest, 0x01}, {clDefault, 0x9C}, {clMax, 0xDA}};
    const QByteArray data = CountingBytes(20000);
    for (const auto& [level, header] : cases) {
        const QByteArray compressed = Compress(data, level);
        EXPECT_EQ(quint8(compressed[1]), header) << "level " << level;
        EXPECT_EQ(DecompressBytes(compressed), data);
    }
    // Stored blocks: nothing shrinks at clNone.
    EXPECT_GT(Compress(data, clNone).size(), data.size());
}

TEST(ZlibStreams, ProgressIsReportedOncePerFullBuffer)
{
    const QByteArray data = NoiseBytes(40000);
    QByteArray compressed;
    QBuffer dest(&compressed);
    dest.open(QIODevice::WriteOnly);
    int writes = 0;
    {
        TCompressionStream zs(clMax, &dest);
        zs.OnProgress = [&](TCustomZlibStream* sender) {
            EXPECT_EQ(sender, &zs);
            EXPECT_EQ(dest.pos() % TCustomZlibStream::BufferSize, 0);
            ++writes;
        };
        // Small writes: the buffer still goes out only when full.
        for (int at = 0; at < data.size(); at += 1000)
            zs.Write(data.constData() + at, std::min(1000, int(data.size()) - at));
        zs.Finish();
    }
    // Noise does not shrink, and finishing writes without reporting.
    EXPECT_GT(compressed.size(), data.size());
    EXPECT_EQ(writes, data.size() / TCustomZlibStream::BufferSize);

    SourceBuffer source(compressed);
    TDecompressionStream zs(&source.Buffer);
    int reads = 0;
    zs.OnProgress = [&](TCustomZlibStream*) { ++reads; };
    QByteArray out(data.size(), Qt::Uninitialized);
    EXPECT_EQ(zs.Read(out.data(), out.size()), data.size());
    EXPECT_EQ(out, data);
    EXPECT_EQ(reads, (compressed.size() + TCustomZlibStream::BufferSize - 1) / TCustomZlibStream::BufferSize);
}

TEST(ZlibStreams, CompressionStreamCountsInputAndAllowsOnlyThePositionQuery)
{
    QByteArray out;
    QBuffer dest(&out);
    dest.open(QIODevice::WriteOnly);
    TCompressionStream zs(clMax, &dest);
    EXPECT_EQ(zs.CompressionRate(), 0.0);
    const QByteArray zeros(10000, '\0');
    EXPECT_EQ(zs.Write(zeros.constData(), zeros.size()), zeros.size());
    EXPECT_EQ(zs.Seek(0, soCurrent), 10000);
    zs.Finish();
    EXPECT_GT(zs.CompressionRate(), 99.0);
    EXPECT_LT(zs.CompressionRate(), 100.0);

    char byte = 0;
    ExpectError<ECompressionError>([&] { zs.Read(&byte, 1); }, "Invalid stream operation");
    ExpectError<ECompressionError>([&] { zs.Seek(1, soCurrent); }, "Invalid stream operation");
    ExpectError<ECompressionError>([&] { zs.Seek(0, soBeginning); }, "Invalid stream operation");
    ExpectError<ECompressionError>([&] { zs.Seek(0, soEnd); }, "Invalid stream operation");
}

TEST(ZlibStreams, TruncatedStreamDeliversWhatItHoldsWithoutErrorButTheHelperRefusesIt)
{
    const QByteArray data = NoiseBytes(30000);
    const QByteArray compressed = CompressBytes(data);
    const auto readAll = [](const QByteArray& bytes) {
        SourceBuffer source(bytes);
        TDecompressionStream zs(&source.Buffer);
        QByteArray out(60000, Qt::Uninitialized);
        out.truncate(zs.Read(out.data(), out.size()));
        EXPECT_FALSE(zs.StreamEnded());
        return out;
    };
    for (qsizetype keep :
         {qsizetype(0), qsizetype(2), compressed.size() / 2, compressed.size() - 4, compressed.size() - 1}) {
        SCOPED_TRACE(keep);
        const QByteArray partial = readAll(compressed.left(keep));
        EXPECT_LE(partial.size(), data.size());
        EXPECT_EQ(partial, data.left(partial.size()));
        // A package whose checksum was never seen is not a whole package.
        ExpectError<EDecompressionError>([&] { DecompressBytes(compressed.left(keep)); },
                                         "compressed data ends before its zlib stream is complete");
    }
    // Without the checksum every byte has arrived, yet nothing vouches for them.
    EXPECT_EQ(readAll(compressed.left(compressed.size() - 4)), data);
    EXPECT_EQ(DecompressBytes(compressed), data);
}

TEST(ZlibStreams, InflatingPastTheLimitIsRefusedBeforeTheBytesAreSpent)
{
    const QByteArray data(1 << 20, '\0'); // a thousand to one: an inflate bomb in miniature
    const QByteArray compressed = CompressBytes(data);
    ASSERT_LT(compressed.size(), 2000);
    const qint64 limit = 64 * 1024;
    SourceBuffer source(compressed);
    QByteArray out;
    QBuffer dest(&out);
    dest.open(QIODevice::WriteOnly);
    ExpectError<EDecompressionError>([&] { DecompressStream(source.Buffer, dest, limit); },
                                     "compressed data inflates to more than 65536 bytes");
    EXPECT_LE(out.size(), limit);
    // Exactly at the limit is still a package.
    EXPECT_EQ(DecompressBytes(CompressBytes(data.left(limit)), limit), data.left(limit));
    EXPECT_EQ(MaxSkinDataSize, qint64(256) << 20);
}

TEST(ZlibStreams, ReadingStopsAtTheEndOfTheZlibStream)
{
    const QByteArray data = CountingBytes(5000);
    const QByteArray tail = QByteArrayLiteral("trailing bytes");
    SourceBuffer source(CompressBytes(data) + tail);
    TDecompressionStream zs(&source.Buffer);
    QByteArray out(data.size() + 100, Qt::Uninitialized);
    EXPECT_EQ(zs.Read(out.data(), out.size()), data.size());
    EXPECT_EQ(out.left(data.size()), data);
    EXPECT_TRUE(zs.StreamEnded());
    EXPECT_TRUE(zs.HasTrailingBytes());
    EXPECT_EQ(zs.Read(out.data(), out.size()), 0);

    // A compressed form has nothing after its checksum: the whole-buffer helper refuses it.
    ExpectError<EDecompressionError>([&] { DecompressBytes(CompressBytes(data) + tail); },
                                     "compression error");
    ExpectError<EDecompressionError>([&] { DecompressBytes(CompressBytes(data) + '\0'); },
                                     "compression error");
}

TEST(ZlibStreams, BrokenDataRaisesCompressionError)
{
    QByteArray corrupt = CompressBytes(CountingBytes(5000));
    corrupt[10] = char(corrupt[10] ^ 0x55);
    corrupt[11] = char(corrupt[11] ^ 0xFF);
    QByteArray badChecksum = CompressBytes(CountingBytes(5000));
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 1);
    const std::pair<const char*, QByteArray> cases[] = {
        {"not zlib", QByteArrayLiteral("BM this is no zlib stream")},
        {"corrupt deflate data", corrupt},
        {"wrong checksum", badChecksum},
        // A header asking for a preset dictionary, which no skin has: must fail, not stall.
        {"preset dictionary", QByteArray::fromHex("782000000001")},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        ExpectError<EDecompressionError>([&] { DecompressBytes(bytes); }, "compression error");
    }
}

// The checksum is checked by the stream itself: wherever its four bytes fall among the 8,192-byte
// reads from the wrapped stream, whole or split across two, a right one passes and any byte of it
// wrong fails, also once the stream has started over.
TEST(ZlibStreams, TheChecksumIsCheckedWhereverItFallsAmongTheReads)
{
    QRandomGenerator random(7);
    for (int extra = -2; extra <= 5; ++extra) {
        // Random bytes are stored, not packed: the compressed form runs to a size chosen here.
        QByteArray data(TCustomZlibStream::BufferSize - 11 + extra, Qt::Uninitialized);
        for (char& c : data)
            c = char(random.bounded(256));
        const QByteArray good = CompressBytes(data);
        SCOPED_TRACE(good.size());
        EXPECT_EQ(DecompressBytes(good), data);
        for (int i = 1; i <= 4; ++i) {
            QByteArray bad = good;
            bad[bad.size() - i] = char(bad[bad.size() - i] ^ 0x10);
            ExpectError<EDecompressionError>([&] { DecompressBytes(bad); }, "compression error");
        }
        SourceBuffer source(good);
        TDecompressionStream zs(&source.Buffer);
        QByteArray out(data.size(), Qt::Uninitialized);
        ASSERT_EQ(zs.Read(out.data(), 100), 100);
        zs.Seek(0, soBeginning);
        EXPECT_EQ(zs.Read(out.data(), out.size() + 1), data.size());
        EXPECT_EQ(out, data);
        EXPECT_TRUE(zs.StreamEnded());
    }
}

TEST(ZlibStreams, DecompressionSeekRules)
{
    const QByteArray data = CountingBytes(30000);
    SourceBuffer source(CompressBytes(data));
    TDecompressionStream zs(&source.Buffer);
    char buf[16];
    const auto nextByte = [&] {
        EXPECT_EQ(zs.Read(buf, 1), 1);
        return buf[0];
    };

    EXPECT_EQ(zs.Read(buf, 10), 10);
    EXPECT_EQ(zs.Seek(0, soCurrent), 10);
    EXPECT_EQ(zs.Seek(90, soCurrent), 100);
    EXPECT_EQ(nextByte(), data[100]);
    // From the beginning, forwards over more than one buffer of discarded bytes.
    EXPECT_EQ(zs.Seek(20000, soBeginning), 20000);
    EXPECT_EQ(nextByte(), data[20000]);
    // Back to the start: the inflater starts over.
    EXPECT_EQ(zs.Seek(0, soBeginning), 0);
    EXPECT_EQ(nextByte(), data[0]);
    // Past the end: stops at the bytes there are.
    EXPECT_EQ(zs.Seek(100000, soBeginning), data.size());

    struct Refused {
        const char* Name;
        qint64 Offset;
        TSeekOrigin Origin;
    };
    EXPECT_EQ(zs.Seek(0, soBeginning), 0);
    EXPECT_EQ(zs.Seek(500, soCurrent), 500);
    const Refused refused[] = {
        {"backwards from current", -1, soCurrent},
        {"from beginning to an earlier byte", 100, soBeginning},
        {"from beginning to the byte already reached", 500, soBeginning},
        {"from the end", 0, soEnd},
        {"negative from beginning", -5, soBeginning},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.Name);
        ExpectError<EDecompressionError>([&] { zs.Seek(r.Offset, r.Origin); }, "Invalid stream operation");
    }
    EXPECT_EQ(zs.Seek(0, soCurrent), 500);
    ExpectError<EDecompressionError>([&] { zs.Write(buf, 1); }, "Invalid stream operation");
}

TEST(ZlibStreams, WrappedStreamMovedBetweenCallsIsPutBack)
{
    const QByteArray prefix = QByteArrayLiteral("HEADER--");
    const QByteArray data = NoiseBytes(20000);

    // Writing: the destination is moved to its start between writes.
    QByteArray out = prefix;
    QBuffer dest(&out);
    dest.open(QIODevice::ReadWrite);
    dest.seek(prefix.size());
    {
        TCompressionStream zs(clMax, &dest);
        zs.Write(data.constData(), 12000);
        dest.seek(0);
        zs.Write(data.constData() + 12000, data.size() - 12000);
        dest.seek(0);
        zs.Finish();
    }
    ASSERT_TRUE(out.startsWith(prefix));

    // Reading: the zlib stream starts after the prefix; the source is moved between reads, and a
    // seek to 0 goes back to where the zlib stream begins.
    SourceBuffer source(out);
    source.Buffer.seek(prefix.size());
    TDecompressionStream zs(&source.Buffer);
    QByteArray back(data.size(), Qt::Uninitialized);
    EXPECT_EQ(zs.Read(back.data(), 9000), 9000);
    source.Buffer.seek(3);
    EXPECT_EQ(zs.Read(back.data() + 9000, data.size() - 9000), data.size() - 9000);
    EXPECT_EQ(back, data);
    EXPECT_EQ(zs.Seek(0, soBeginning), 0);
    EXPECT_EQ(zs.Read(back.data(), 100), 100);
    EXPECT_EQ(back.left(100), data.left(100));
}

TEST(ZlibStreams, FailedWriteToTheWrappedStreamIsReported)
{
    QByteArray out;
    QBuffer readOnly(&out);
    readOnly.open(QIODevice::ReadOnly);
    const QByteArray data = NoiseBytes(20000);
    {
        TCompressionStream zs(clMax, &readOnly);
        EXPECT_THROW(zs.Write(data.constData(), data.size()), EWriteError);
    } // the destructor finishes quietly and releases zlib

    TCompressionStream zs(clMax, &readOnly);
    zs.Write(data.constData(), 100);
    EXPECT_THROW(zs.Finish(), EWriteError);
    // Finished (and released) even though the write failed: further writes are refused.
    EXPECT_THROW(zs.Write(data.constData(), 1), ECompressionError);
}
