// Small skin packages and skin folders for the package, stream and stored-skin tests.
#pragma once

#include "bsSkinPackage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

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
