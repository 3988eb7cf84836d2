// Small skin packages and skin folders for the package, stream and stored-skin tests.
#pragma once

#include "bsSkinPackage.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

// A BMP image of w x h pixels with a recognisable pattern, 24-bit for Format_RGB32 and 8-bit
// with a palette for Format_Indexed8, as Qt writes them.
inline QByteArray TestBmp(int w, int h, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, format);
    if (format == QImage::Format_Indexed8) {
        QList<QRgb> palette;
        // More than 16 colours, or Qt would write a 4-bit image.
        for (int i = 0; i < 256; ++i)
            palette << qRgb(i, 255 - i, i / 2);
        image.setColorTable(palette);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, uint((x * 37 + y * 11) % 256));
    } else {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 10 % 256));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    // Qt leaves the padding at the end of each row as it found the memory; zero it, so that two
    // calls give the same bytes.
    const int bits = format == QImage::Format_Indexed8 ? 8 : 24;
    const qsizetype stride = (qsizetype(w) * bits + 31) / 32 * 4;
    const qsizetype used = qsizetype(w) * bits / 8;
    const qsizetype pixels = qFromLittleEndian<quint32>(bytes.constData() + 10);
    for (int y = 0; y < h; ++y)
        for (qsizetype x = used; x < stride; ++x)
            bytes[pixels + y * stride + x] = 0;
    return bytes;
}

inline QByteArray TestDescription()
{
    return QByteArrayLiteral("[VERSION]\r\nver=1\r\nskinname=tiny\r\n\r\n"
                             "[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=inactive.bmp\r\nmask=\r\n"
                             "activepicturescount=2\r\n0=active.BMP\r\n1=mdibg.bmp\r\n\r\n"
                             "[FORMINFO]\r\nclientrect=1,2,3,4\r\n\r\n"
                             "[SKINOBJECTS]\r\ncount=0\r\n\r\n"
                             "[SKINCONTROLS]\r\ncount=0\r\n\r\n");
}

// A package like the embedded one in miniature: main and inactive picture, no mask, a 24-bit and
// an 8-bit active picture, then the description.
inline TbsSkinPackage TestPackage()
{
    TbsSkinPackage package;
    package.Picture = TestBmp(7, 5);
    package.InActivePicture = TestBmp(7, 5);
    package.ActivePictures = {TestBmp(3, 2), TestBmp(5, 3, QImage::Format_Indexed8)};
    package.Description = TestDescription();
    return package;
}

// Writes TestPackage() as a skin folder into dir, with the description as "skin.ini".
inline QString WriteTestSkinFolder(const QString& dir)
{
    const TbsSkinPackage package = TestPackage();
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile file(QDir(dir).filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    put(QStringLiteral("main.bmp"), package.Picture);
    put(QStringLiteral("inactive.bmp"), package.InActivePicture);
    put(QStringLiteral("active.BMP"), package.ActivePictures[0]);
    put(QStringLiteral("mdibg.bmp"), package.ActivePictures[1]);
    put(QStringLiteral("skin.ini"), package.Description);
    return QDir(dir).filePath(QStringLiteral("skin.ini"));
}

// The compressed form of package.
inline QByteArray CompressedFormOf(const TbsSkinPackage& package)
{
    return CompressBytes(WriteSkinPackage(package));
}

// A .skn file of the given compressed form, its length as the header's.
inline QByteArray SknOfCompressed(const QByteArray& compressed)
{
    QByteArray skn(8, Qt::Uninitialized);
    qToLittleEndian<qint32>(SkinPackageVersion, skn.data());
    qToLittleEndian<qint32>(qint32(compressed.size()), skn.data() + 4);
    return skn + compressed;
}

inline QByteArray SknOf(const TbsSkinPackage& package)
{
    return SknOfCompressed(CompressedFormOf(package));
}

// A well-formed zlib stream of size zero bytes: about a thousandth of that compressed.
inline QByteArray InflateBomb(qint64 size)
{
    QByteArray out;
    QBuffer dest(&out);
    dest.open(QIODevice::WriteOnly);
    TCompressionStream zs(clMax, &dest);
    const QByteArray zeros(1 << 20, '\0');
    for (qint64 left = size; left > 0; left -= zeros.size())
        zs.Write(zeros.constData(), std::min<qint64>(left, zeros.size()));
    zs.Finish();
    return out;
}
