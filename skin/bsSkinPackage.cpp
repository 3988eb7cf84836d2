// Reading and writing the skin package layout.
#include "bsSkinPackage.h"

#include "bsBmpImageInfo.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace
{

constexpr qint32 LegacyPicturesVersion = 2;
constexpr char PictureFlag = 0;
constexpr char NoPictureFlag = 1;

// A cursor over the package that refuses every read past its end.
class TPackageReader {
public:
    explicit TPackageReader(const QByteArray& bytes) : FBytes(bytes) {}

    qint32 ReadInt32(const QString& field)
    {
        Need(4, field);
        const qint32 value = qFromLittleEndian<qint32>(FBytes.constData() + FPos);
        FPos += 4;
        return value;
    }

    char ReadFlag(const QString& field)
    {
        Need(1, field);
        return FBytes[FPos++];
    }

    QByteArray ReadBmp(const QString& field)
    {
        Need(1, field);
        TbsBmpImageInfo info;
        try {
            info = ReadBmpImageInfo(QByteArrayView(FBytes).sliced(FPos));
        } catch (const EInvalidGraphic& e) {
            throw ESkinPackageError(
                QStringLiteral("Skin package: %1 at byte %2: %3").arg(field).arg(FPos).arg(e.Message()));
        }
        const QByteArray image = FBytes.sliced(FPos, info.FileSize);
        FPos += info.FileSize;
        return image;
    }

    QByteArray Rest() const { return FBytes.sliced(FPos); }

private:
    void Need(qint64 count, const QString& field) const
    {
        if (FBytes.size() - FPos < count)
            throw ESkinPackageError(
                QStringLiteral("Skin package ends early, in the %1 at byte %2").arg(field).arg(FPos));
    }

    const QByteArray& FBytes;
    qint64 FPos = 0;
};

// Inflates the package as it is read, each picture straight into bytes of its own size. It only
// tells a sound package in a sound stream from anything else: every fault raises one plain
// error, and the caller reads the inflated bytes again to name it.
class TInflatingReader {
public:
    TInflatingReader(const QByteArray& compressed, qint64 limit)
        : FSource(), FStream(OpenSource(FSource, compressed)),
          FMost(std::min(limit, qint64(compressed.size()) * MaxDeflateRatio))
    {
    }

    qint32 ReadInt32(const QString&)
    {
        char le[4];
        Read(le, 4);
        return qFromLittleEndian<qint32>(le);
    }

    char ReadFlag(const QString&)
    {
        char flag;
        Read(&flag, 1);
        return flag;
    }

    QByteArray ReadBmp(const QString&)
    {
        // "BM" and bfSize tell how many bytes to inflate; the picture is checked once it is whole.
        char head[6];
        Read(head, sizeof head);
        const qint64 size = qFromLittleEndian<quint32>(head + 2);
        if (head[0] != 'B' || head[1] != 'M' || size < qint64(sizeof head) ||
            size - qint64(sizeof head) > FMost - FProduced)
            Fail();
        QByteArray image(size, Qt::Uninitialized);
        memcpy(image.data(), head, sizeof head);
        Read(image.data() + sizeof head, size - qint64(sizeof head));
        ReadBmpImageInfo(image);
        return image;
    }

    // The description: the bytes up to the end of the stream, which must be the end of the
    // compressed form.
    QByteArray Rest()
    {
        QByteArray rest;
        qint64 size = 0;
        while (!FStream.StreamEnded()) {
            // One byte of room beyond the most there may be tells a stream that goes on past it.
            if (size == rest.size()) {
                const qint64 room = FMost - FProduced + 1;
                rest.resize(std::min<qint64>(std::max(rest.size() * 2, FirstRestBlock), size + room));
            }
            const qint64 got = FStream.Read(rest.data() + size, rest.size() - size);
            if (got == 0)
                break;
            size += got;
            FProduced += got;
            if (FProduced > FMost)
                Fail();
        }
        if (!FStream.StreamEnded() || FStream.HasTrailingBytes())
            Fail();
        rest.truncate(size);
        return rest;
    }

private:
    // deflate packs at most 258 bytes into two bits: no stream inflates to more than this many
    // times its size, so a picture that claims more is refused before its bytes are allotted.
    static constexpr qint64 MaxDeflateRatio = 1032;
    // Descriptions run to tens of kilobytes: most fit the first block.
    static constexpr qsizetype FirstRestBlock = 128 * 1024;

    static QIODevice* OpenSource(QBuffer& source, const QByteArray& compressed)
    {
        source.setData(compressed);
        source.open(QIODevice::ReadOnly);
        return &source;
    }

    [[noreturn]] static void Fail() { throw ESkinPackageError(QStringLiteral("Skin package is not sound")); }

    void Read(char* to, qint64 count)
    {
        if (count > FMost - FProduced || FStream.Read(to, count) != count)
            Fail();
        FProduced += count;
    }

    QBuffer FSource;
    TDecompressionStream FStream;
    const qint64 FMost; // the most bytes the stream may inflate to
    qint64 FProduced = 0;
};

// The package layout, read the same way from the inflated bytes and while inflating.
template <class Reader> TbsSkinPackage ReadPackage(Reader& in)
{
    const auto pictureEntry = [&in](const QString& field) {
        return in.ReadFlag(field) == PictureFlag ? in.ReadBmp(field) : QByteArray();
    };
    TbsSkinPackage result;
    result.Version = in.ReadInt32(QStringLiteral("version"));
    if (result.Version > SkinPackageVersion)
        throw ESkinPackageError(
            QStringLiteral("Skin package version %1 is not supported").arg(result.Version));
    result.Picture = pictureEntry(QStringLiteral("main picture"));
    result.InActivePicture = pictureEntry(QStringLiteral("inactive picture"));
    result.Mask = pictureEntry(QStringLiteral("mask picture"));
    if (result.Version == LegacyPicturesVersion) {
        pictureEntry(QStringLiteral("first legacy picture"));
        pictureEntry(QStringLiteral("second legacy picture"));
    }
    const qint32 count = in.ReadInt32(QStringLiteral("active picture count"));
    if (count < 0)
        throw ESkinPackageError(
            QStringLiteral("Skin package has a negative active picture count (%1)").arg(count));
    for (qint32 i = 0; i < count; ++i)
        result.ActivePictures.append(in.ReadBmp(QStringLiteral("active picture %1").arg(i)));
    result.Description = in.Rest();
    return result;
}

void AppendInt32(QByteArray& out, qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    out.append(le, 4);
}

void AppendPictureEntry(QByteArray& out, const QByteArray& picture)
{
    out.append(picture.isEmpty() ? NoPictureFlag : PictureFlag);
    out.append(picture);
}

} // namespace

TbsSkinPackage ReadSkinPackage(const QByteArray& package)
{
    TPackageReader in(package);
    return ReadPackage(in);
}

std::optional<TbsSkinPackage> InflateSkinPackage(const QByteArray& compressed, qint64 limit)
{
    try {
        TInflatingReader in(compressed, limit);
        return ReadPackage(in);
    } catch (const ESkinPackageError&) {
    } catch (const EInvalidGraphic&) {
    } catch (const EDecompressionError&) {
    }
    return std::nullopt;
}

QByteArray WriteSkinPackage(const TbsSkinPackage& package)
{
    QByteArray out;
    AppendInt32(out, package.Version);
    AppendPictureEntry(out, package.Picture);
    AppendPictureEntry(out, package.InActivePicture);
    AppendPictureEntry(out, package.Mask);
    if (package.Version == LegacyPicturesVersion) {
        AppendPictureEntry(out, QByteArray());
        AppendPictureEntry(out, QByteArray());
    }
    AppendInt32(out, qint32(package.ActivePictures.size()));
    for (const QByteArray& picture : package.ActivePictures)
        out.append(picture);
    out.append(package.Description);
    return out;
}
