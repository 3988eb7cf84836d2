// Decoding and storing the pictures of a skin.
#include "bsSkinPicture.h"

#include "AheadWork.h"
#include "bsBmpImageInfo.h"
#include "bsStreamIO.h"

#include <QBuffer>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace
{

// The layout of an uncompressed 24-bit or 8-bit palette BMP with a 40-byte or larger header: the
// kinds skins are made of, which DecodeCommonBmp reads straight from their rows.
struct CommonBmpLayout {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    bool TopDown = false;
    qint64 Colours = 0;     // entries of the colour table (8-bit only)
    qint64 ColourTable = 0; // offset of the colour table
    qint64 Pixels = 0;      // offset of the first stored row
    qint64 Stride = 0;
};

quint32 U32(const QByteArray& ABmp, int AAt)
{
    return qFromLittleEndian<quint32>(ABmp.constData() + AAt);
}

// The layout of a BMP whose headers passed ReadBmpImageInfo, when it is of the common kinds and its
// colour table and every row lie inside it; nullopt for every other BMP.
std::optional<CommonBmpLayout> CommonLayout(const QByteArray& ABmp, const TbsBmpImageInfo& AInfo)
{
    const quint32 infoSize = U32(ABmp, 14);
    if (infoSize < 40 || U32(ABmp, 30) != 0 || (AInfo.BitCount != 24 && AInfo.BitCount != 8) ||
        AInfo.Width <= 0 || AInfo.Height <= 0)
        return std::nullopt;
    CommonBmpLayout layout;
    layout.Width = AInfo.Width;
    layout.Height = AInfo.Height;
    layout.BitCount = AInfo.BitCount;
    layout.TopDown = qint32(U32(ABmp, 22)) < 0;
    layout.Stride = (qint64(AInfo.Width) * AInfo.BitCount + 31) / 32 * 4;
    layout.Colours = AInfo.BitCount == 8 ? (U32(ABmp, 46) ? U32(ABmp, 46) : 256) : 0;
    layout.ColourTable = 14 + infoSize;
    layout.Pixels = U32(ABmp, 10) ? U32(ABmp, 10) : layout.ColourTable + layout.Colours * 4;
    if (layout.Colours > 256 || layout.ColourTable + layout.Colours * 4 > ABmp.size() ||
        layout.Pixels + layout.Stride * layout.Height > ABmp.size())
        return std::nullopt;
    return layout;
}

// Decodes a BMP of the common kinds into the image Qt's reader gives (Format_RGB32 and
// Format_Indexed8, with the same colour table and resolution); a null image when memory for it
// cannot be had.
QImage DecodeCommonBmp(const QByteArray& ABmp, const CommonBmpLayout& L)
{
    QImage image(L.Width, L.Height, L.BitCount == 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const auto* bytes = reinterpret_cast<const uchar*>(ABmp.constData());
    if (L.BitCount == 8) {
        QList<QRgb> table(L.Colours);
        const uchar* entry = bytes + L.ColourTable;
        for (qint64 i = 0; i < L.Colours; ++i, entry += 4)
            table[i] = qRgb(entry[2], entry[1], entry[0]);
        image.setColorTable(table);
    }
    for (int y = 0; y < L.Height; ++y) {
        const uchar* src = bytes + L.Pixels + L.Stride * (L.TopDown ? y : L.Height - 1 - y);
        uchar* dst = image.scanLine(y);
        if (L.BitCount == 8) {
            memcpy(dst, src, size_t(L.Width));
            continue;
        }
        // Blue, green and red read as one little-endian word are already the pixel 0x..RRGGBB; the
        // last pixel of a row is read byte by byte, so that no read passes the image.
        auto* out = reinterpret_cast<QRgb*>(dst);
        const int last = L.Width - 1;
        for (int x = 0; x < last; ++x, src += 3)
            out[x] = 0xFF000000u | (qFromLittleEndian<quint32>(src) & 0x00FFFFFFu);
        out[last] = 0xFF000000u | (quint32(src[2]) << 16) | (quint32(src[1]) << 8) | src[0];
    }
    image.setDotsPerMeterX(qint32(U32(ABmp, 38)));
    image.setDotsPerMeterY(qint32(U32(ABmp, 42)));
    return image;
}

// The image of a picture FromBmp left to be decoded.
QImage DecodePending(const QByteArray& ABmp)
{
    if (const auto layout = CommonLayout(ABmp, ReadBmpImageInfo(ABmp)))
        return DecodeCommonBmp(ABmp, *layout);
    return QImage();
}

} // namespace

TbsSkinPicture TbsSkinPicture::FromBmp(const QByteArray& ABmp)
{
    const TbsBmpImageInfo info = ReadBmpImageInfo(ABmp);
    TbsSkinPicture picture;
    picture.FBmp = info.FileSize == ABmp.size() ? ABmp : ABmp.first(info.FileSize);
    if (CommonLayout(picture.FBmp, info)) {
        picture.FPending = true;
        return picture;
    }
    picture.FImage = QImage::fromData(picture.FBmp, "BMP");
    if (picture.FImage.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    return picture;
}

const QImage& TbsSkinPicture::Image() const
{
    if (FPending) {
        FPending = false;
        const std::optional<QImage>* ahead = FAhead ? &FAhead->Await() : nullptr;
        FImage = ahead && *ahead ? **ahead : DecodePending(FBmp);
        FAhead.reset();
    }
    return FImage;
}

void TbsSkinPicture::DecodeAhead() const
{
    if (!FPending || FAhead)
        return;
    FAhead = TAheadResult<QImage>::Begin([bmp = FBmp] { return DecodePending(bmp); });
}

TbsSkinPicture TbsSkinPicture::FromFile(const QString& AFileName)
{
    try {
        return FromBmp(ReadWholeFile(AFileName));
    } catch (const EInvalidGraphic& e) {
        throw EInvalidGraphic(QStringLiteral("Bitmap file \"%1\": %2").arg(AFileName, e.Message()));
    }
}

TbsSkinPicture TbsSkinPicture::FromImage(const QImage& AImage)
{
    if (AImage.isNull())
        return TbsSkinPicture();
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    AImage.save(&buffer, "BMP");
    return FromBmp(bmp);
}

void TbsSkinPicture::SaveToFile(const QString& AFileName) const
{
    WriteWholeFile(AFileName, FBmp);
}
