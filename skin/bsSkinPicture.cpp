// Decoding and storing the pictures of a skin.
#include "bsSkinPicture.h"

#include "bsBmpImageInfo.h"
#include "bsStreamIO.h"

#include <QBuffer>

TbsSkinPicture TbsSkinPicture::FromBmp(const QByteArray& ABmp)
{
    const TbsBmpImageInfo info = ReadBmpImageInfo(ABmp);
    TbsSkinPicture picture;
    picture.FBmp = info.FileSize == ABmp.size() ? ABmp : ABmp.first(info.FileSize);
    picture.FImage = QImage::fromData(picture.FBmp, "BMP");
    if (picture.FImage.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    return picture;
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
    TbsSkinPicture picture;
    if (AImage.isNull())
        return picture;
    QBuffer buffer(&picture.FBmp);
    buffer.open(QIODevice::WriteOnly);
    AImage.save(&buffer, "BMP");
    picture.FImage = QImage::fromData(picture.FBmp, "BMP");
    return picture;
}

void TbsSkinPicture::SaveToFile(const QString& AFileName) const { WriteWholeFile(AFileName, FBmp); }
