// Skin pictures: the direct BMP decoder gives exactly what Qt's reader gives, and bad bytes are refused.
#include "AheadWork.h"
#include "bsBmpImageInfo.h"
#include "bsSkinPicture.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>
#include <latch>

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

// A picture decoded ahead on the helper thread gives the image its own decoding gives, to itself
// and to the copies made of it meanwhile, whether the thread got to it first or the picture
// was wanted before the thread came to it.
TEST(SkinPicture, DecodedAheadGivesTheSameImageWhoeverDecodesIt)
{
    const QByteArray bmp = AsBmp(NoiseImage(37, 9, QImage::Format_RGB32, 5));
    const QImage expected = TbsSkinPicture::FromBmp(bmp).Image();
    ASSERT_FALSE(expected.isNull());

    // The thread decodes it first.
    const TbsSkinPicture ahead = TbsSkinPicture::FromBmp(bmp);
    ahead.DecodeAhead();
    const TbsSkinPicture copy = ahead;
    FinishAheadWork();
    EXPECT_EQ(ahead.Image(), expected);
    EXPECT_EQ(copy.Image(), expected);

    // The thread is held up by other work: the picture decodes itself rather than wait, and the
    // thread then leaves it alone.
    std::latch release(1);
    RunAhead([&release] { release.wait(); });
    const TbsSkinPicture early = TbsSkinPicture::FromBmp(bmp);
    early.DecodeAhead();
    const TbsSkinPicture earlyCopy = early;
    EXPECT_EQ(early.Image(), expected);
    EXPECT_EQ(earlyCopy.Image(), expected);
    release.count_down();
    FinishAheadWork();
    EXPECT_EQ(early.Image(), expected);

    // A picture decoded already, or one Qt's reader decoded when it was read, has nothing to do.
    const TbsSkinPicture done = TbsSkinPicture::FromBmp(bmp);
    (void)done.Image();
    done.DecodeAhead();
    FinishAheadWork();
    EXPECT_EQ(done.Image(), expected);
}
