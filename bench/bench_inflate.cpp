// Benchmark: unpacking a 2 MB skin package through the 8,192-byte decompression stream against
// one call of zlib's uncompress on the same bytes.
#include "bsSkinPackage.h"
#include "BestTime.h"
#include "BmpBytes.h"
#include "bszlibcompress.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <zlib.h>

namespace
{

// A picture drawn like a skin bitmap: gradients, flat frames and a few sharp details.
QByteArray SkinLikeBmp(int w, int h, int seed, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 80, 240));
    g.setColorAt(1, QColor::fromHsv(seed * 37 % 360, 160, 120));
    p.fillRect(image.rect(), g);
    for (int i = 0; i < 12; ++i) {
        const QRect r((i * 53 + seed * 7) % w, (i * 29 + seed * 3) % h, 8 + i * 5 % 40, 6 + i * 7 % 30);
        p.setPen(QColor::fromHsv((seed + i) * 23 % 360, 200, 90));
        p.setBrush(QColor::fromHsv((seed + i) * 41 % 360, 60, 230));
        p.drawRoundedRect(r, 3, 3);
    }
    p.end();
    return BmpBytes(image, format);
}

// A package with the picture sizes of a typical full skin, about 2 MB.
QByteArray TypicalPackage()
{
    TbsSkinPackage package;
    package.Picture = SkinLikeBmp(236, 178, 1);
    package.InActivePicture = SkinLikeBmp(236, 178, 2);
    const QSize sizes[] = {{197, 106}, {71, 70},   {65, 137},  {40, 20},   {654, 431}, {138, 86}, {153, 110},
                           {153, 110}, {153, 110}, {265, 170}, {216, 174}, {200, 200}, {200, 200}};
    const int paletteIndex = 5; // one 8-bit picture among the 24-bit ones
    for (int i = 0; i < int(std::size(sizes)); ++i)
        package.ActivePictures.append(
            SkinLikeBmp(sizes[i].width(), sizes[i].height(), i + 3,
                        i == paletteIndex ? QImage::Format_Indexed8 : QImage::Format_RGB32));
    QByteArray text;
    for (int i = 0; i < 1500; ++i)
        text += "[control" + QByteArray::number(i % 80) + "]\r\nskinrect=" + QByteArray::number(i) +
                ",0,40,20\r\n";
    package.Description = text;
    return WriteSkinPackage(package);
}

// The median of runs timings of action, in milliseconds.
} // namespace

int main()
{
    const QByteArray package = TypicalPackage();
    const QByteArray compressed = CompressBytes(package);
    const int runs = 41;

    QByteArray viaStream;
    const double streamMs = MedianMs(runs, [&] { viaStream = DecompressBytes(compressed); });

    QByteArray viaUncompress(package.size(), Qt::Uninitialized);
    int code = Z_OK;
    const double uncompressMs = MedianMs(runs, [&] {
        uLongf length = uLongf(viaUncompress.size());
        code = uncompress(reinterpret_cast<Bytef*>(viaUncompress.data()), &length,
                          reinterpret_cast<const Bytef*>(compressed.constData()), uLong(compressed.size()));
    });
    if (viaStream != package || code != Z_OK || viaUncompress != package) {
        std::fprintf(stderr, "bench_inflate: the unpacked bytes differ from the package\n");
        return 1;
    }
    std::printf("package %lld bytes, compressed form %lld bytes (level 9), median of %d runs\n",
                static_cast<long long>(package.size()), static_cast<long long>(compressed.size()), runs);
    std::printf("8,192-byte stream, 4,096-byte reads: %.3f ms\n", streamMs);
    std::printf("one uncompress call:                 %.3f ms\n", uncompressMs);
    std::printf("ratio stream / uncompress:           %.2fx (goal at most 1.30x)\n", streamMs / uncompressMs);
    return 0;
}
