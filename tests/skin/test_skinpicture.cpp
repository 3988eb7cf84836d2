// Skin pictures: the direct BMP decoder gives exactly what Qt's reader gives, and bad bytes are refused.
#include "bsBmpImageInfo.h"
#include "bsSkinPicture.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

namespace
{

QImage NoiseImage(int w, int h, QImage::Format format, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | random.bounded(0x1000000u));
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format, Qt::ThresholdDither);
}

QByteArray AsBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The same BMP stored top-down: negative height and the rows in the opposite order.
QByteArray TopDown(QByteArray bmp)
{
    const quint32 offBits = qFromLittleEndian<quint32>(bmp.constData() + 10);
    const qint32 height = qFromLittleEndian<qint32>(bmp.constData() + 22);
    const int bits = qFromLittleEndian<quint16>(bmp.constData() + 28);
    const qint32 width = qFromLittleEndian<qint32>(bmp.constData() + 18);
    const int stride = (width * bits + 31) / 32 * 4;
    QByteArray flipped = bmp.left(offBits);
    for (int y = height - 1; y >= 0; --y)
        flipped += bmp.mid(offBits + y * stride, stride);
    qToLittleEndian<qint32>(-height, flipped.data() + 22);
    return flipped;
}

} // namespace

TEST(SkinPicture, DecodesEveryPixelFormatAsQtDoes)
{
    struct Case {
        const char* Name;
        QByteArray Bmp;
    };
    std::vector<Case> cases;
    for (int w : {1, 2, 3, 4, 5, 7, 33})
        cases.push_back({"24-bit", AsBmp(NoiseImage(w, 3, QImage::Format_RGB32, w))});
    for (int w : {1, 3, 6, 9})
        cases.push_back({"8-bit palette", AsBmp(NoiseImage(w, 4, QImage::Format_Indexed8, w))});
    cases.push_back({"24-bit top-down", TopDown(AsBmp(NoiseImage(5, 4, QImage::Format_RGB32, 11)))});
    cases.push_back({"8-bit top-down", TopDown(AsBmp(NoiseImage(5, 4, QImage::Format_Indexed8, 12)))});
    cases.push_back({"1-bit (left to Qt)", AsBmp(NoiseImage(9, 3, QImage::Format_Mono, 13))});
    cases.push_back({"32-bit (left to Qt)", AsBmp(NoiseImage(4, 3, QImage::Format_ARGB32, 14))});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TbsSkinPicture picture = TbsSkinPicture::FromBmp(c.Bmp + QByteArray("trailing"));
        const QImage expected = QImage::fromData(c.Bmp, "BMP");
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(picture.Image().format(), expected.format());
        EXPECT_EQ(picture.Image(), expected);
        EXPECT_EQ(picture.Image().dotsPerMeterX(), expected.dotsPerMeterX());
        EXPECT_EQ(picture.Bmp(), c.Bmp); // what lies beyond bfSize is dropped
    }
}

TEST(SkinPicture, BytesThatAreNoBitmapAreRefused)
{
    const QByteArray good = AsBmp(NoiseImage(4, 4, QImage::Format_RGB32, 1));
    const QByteArray cases[] = {QByteArray(), "BM", good.left(good.size() - 1), "XX" + good.mid(2)};
    for (const QByteArray& bytes : cases)
        EXPECT_THROW(TbsSkinPicture::FromBmp(bytes), EInvalidGraphic);
}

TEST(SkinPicture, AnImageMadeInMemoryKeepsItsPixelFormat)
{
    const QImage indexed = NoiseImage(5, 5, QImage::Format_Indexed8, 3);
    const TbsSkinPicture picture = TbsSkinPicture::FromImage(indexed);
    EXPECT_EQ(picture.Image().format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.Image(), indexed);
    EXPECT_EQ(TbsSkinPicture::FromBmp(picture.Bmp()).Image(), indexed);
    EXPECT_TRUE(TbsSkinPicture::FromImage(QImage()).Empty());
}
