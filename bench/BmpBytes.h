// Turns a drawn picture into the BMP bytes a skin package stores, in the pixel format asked for.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

inline QByteArray BmpBytes(QImage image, QImage::Format format)
{
    if (format != QImage::Format_RGB32)
        image = image.convertToFormat(format, Qt::ThresholdDither);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
