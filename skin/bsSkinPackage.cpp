// Reading and writing the skin package layout.
#include "bsSkinPackage.h"

#include "bsBmpImageInfo.h"

#include <QtEndian>

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

    QByteArray ReadPictureEntry(const QString& field)
    {
        Need(1, field);
        const char flag = FBytes[FPos++];
        return flag == PictureFlag ? ReadBmp(field) : QByteArray();
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
    TbsSkinPackage result;
    result.Version = in.ReadInt32(QStringLiteral("version"));
    if (result.Version > SkinPackageVersion)
        throw ESkinPackageError(
            QStringLiteral("Skin package version %1 is not supported").arg(result.Version));
    result.Picture = in.ReadPictureEntry(QStringLiteral("main picture"));
    result.InActivePicture = in.ReadPictureEntry(QStringLiteral("inactive picture"));
    result.Mask = in.ReadPictureEntry(QStringLiteral("mask picture"));
    if (result.Version == LegacyPicturesVersion) {
        in.ReadPictureEntry(QStringLiteral("first legacy picture"));
        in.ReadPictureEntry(QStringLiteral("second legacy picture"));
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
