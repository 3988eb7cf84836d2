// Checking the headers of BMP images against the bytes they claim.
#include "bsBmpImageInfo.h"

#include <QtEndian>
#include <cstdlib>
#include <limits>

namespace {

constexpr qint64 FileHeaderSize = 14;
constexpr quint32 CoreHeaderSize = 12; // the old header with 16-bit width and height
constexpr quint32 InfoHeaderSize = 40;

enum : quint32 { biRGB = 0, biRLE8 = 1, biRLE4 = 2, biBitFields = 3, biAlphaBitFields = 6 };

quint32 U32(QByteArrayView b, qint64 at)
{
    return qFromLittleEndian<quint32>(b.data() + at);
}
quint16 U16(QByteArrayView b, qint64 at)
{
    return qFromLittleEndian<quint16>(b.data() + at);
}

[[noreturn]] void Invalid(const QString& why)
{
    throw EInvalidGraphic(why);
}

// Whether a bitmap may store pixels of the given depth in the given way: any depth uncompressed,
// run-length encoding only at its own depth, colour masks only at 16 and 32 bits. The old 12-byte
// header knows no compression and no 16- or 32-bit depth.
bool AllowedEncoding(quint32 infoSize, int bits, quint32 compression)
{
    if (infoSize == CoreHeaderSize)
        return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    switch (compression) {
    case biRGB:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case biRLE8:
        return bits == 8;
    case biRLE4:
        return bits == 4;
    case biBitFields:
    case biAlphaBitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

// Bytes of the colour masks that follow a 40-byte info header.
qint64 MaskBytes(quint32 infoSize, quint32 compression)
{
    if (infoSize != InfoHeaderSize)
        return 0;
    if (compression == biBitFields)
        return 12;
    if (compression == biAlphaBitFields)
        return 16;
    return 0;
}

// Bytes of the uncompressed pixel rows, each padded to 4 bytes; -1 when they cannot fit in limit.
qint64 RowBytes(qint64 width, qint64 rows, int bits, qint64 limit)
{
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (stride > 0 && rows > limit / stride)
        return -1;
    return stride * rows;
}

} // namespace

TbsBmpImageInfo ReadBmpImageInfo(QByteArrayView bytes)
{
    if (bytes.size() < FileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        Invalid(QStringLiteral("not a bitmap image"));
    TbsBmpImageInfo info;
    info.FileSize = U32(bytes, 2);
    if (info.FileSize > bytes.size())
        Invalid(QStringLiteral("bitmap size %1 is larger than the %2 bytes left")
                    .arg(info.FileSize)
                    .arg(bytes.size()));
    const quint32 infoSize = U32(bytes, 14);
    if (infoSize != CoreHeaderSize && infoSize < InfoHeaderSize)
        Invalid(QStringLiteral("unsupported bitmap header of %1 bytes").arg(infoSize));
    if (FileHeaderSize + infoSize > info.FileSize)
        Invalid(QStringLiteral("bitmap size %1 is smaller than its headers").arg(info.FileSize));

    const QByteArrayView image = bytes.first(info.FileSize);
    quint32 compression = biRGB;
    qint64 coloursUsed = 0;
    qint64 paletteEntry = 4;
    if (infoSize == CoreHeaderSize) {
        info.Width = U16(image, 18);
        info.Height = U16(image, 20);
        info.BitCount = U16(image, 24);
        paletteEntry = 3;
    } else {
        info.Width = qint32(U32(image, 18));
        const qint64 height = qint32(U32(image, 22));
        info.BitCount = U16(image, 28);
        compression = U32(image, 30);
        coloursUsed = U32(image, 46);
        if (info.Width < 0 || height == std::numeric_limits<qint32>::min())
            Invalid(QStringLiteral("bitmap dimensions out of range"));
        info.Height = qint32(std::abs(height));
    }
    if (!AllowedEncoding(infoSize, info.BitCount, compression))
        Invalid(QStringLiteral("unsupported bitmap encoding: compression %1 at %2 bits")
                    .arg(compression)
                    .arg(info.BitCount));
    if (coloursUsed == 0 && info.BitCount <= 8)
        coloursUsed = qint64(1) << info.BitCount;

    const qint64 headersEnd =
        FileHeaderSize + infoSize + MaskBytes(infoSize, compression) + coloursUsed * paletteEntry;
    if (headersEnd > info.FileSize)
        Invalid(QStringLiteral("bitmap size %1 is smaller than its headers and colour table (%2 bytes)")
                    .arg(info.FileSize)
                    .arg(headersEnd));

    const qint64 offBits = U32(image, 10);
    const qint64 pixelStart = offBits != 0 ? offBits : headersEnd;
    if (pixelStart < FileHeaderSize + infoSize || pixelStart > info.FileSize)
        Invalid(QStringLiteral("bitmap pixel offset %1 lies outside the image").arg(pixelStart));
    // Run-length encoded rows have no fixed size; the decoder stops at the end of the image.
    if (compression == biRLE8 || compression == biRLE4)
        return info;
    const qint64 rows = RowBytes(info.Width, info.Height, info.BitCount, info.FileSize);
    if (rows < 0 || pixelStart + rows > info.FileSize)
        Invalid(QStringLiteral("bitmap size %1 is smaller than its headers and rows").arg(info.FileSize));
    return info;
}
