// Test pictures written as text: every letter is a distinct colour, '.' an unpainted (black) pixel.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <string>
#include <vector>

namespace PictureText
{

using Rows = std::vector<std::string>;

inline QRgb ColorOf(char ch)
{
    return ch == '.' ? 0xFF000000u : 0xFF000000u | (quint32(uchar(ch)) << 8) | 1u;
}

inline char LetterOf(QRgb pixel)
{
    return (pixel & 0x00FFFFFF) == 0 ? '.' : char((pixel >> 8) & 0xFF);
}

// A picture whose pixel (x, y) has the colour of rows[y][x].
inline QImage Picture(const Rows& rows)
{
    QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, ColorOf(rows[size_t(y)][size_t(x)]));
    return image;
}

// The picture read back as text (one string per row).
inline Rows Text(const QImage& image)
{
    Rows rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += LetterOf(image.pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

// A black w x h canvas after draw(painter) has painted on it.
template <class F> QImage Painted(int w, int h, F draw)
{
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(0xFF000000);
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return canvas;
}

// A region as text over a w x h area: '#' for a pixel inside, '.' outside.
inline Rows RegionText(const QRegion& region, int w, int h)
{
    Rows rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x)
            row += region.contains(QPoint(x, y)) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

} // namespace PictureText
