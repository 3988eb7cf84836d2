// Times the nine-piece painter against one plain image draw of the same size.
#include "skin/bsUtils.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kWidth = 835, kHeight = 521, kRounds = 1000, kTrials = 7;

// A window-like picture of 236 x 178 with a different colour per pixel, so no copy is trivial.
QImage WindowPicture()
{
    QImage picture(236, 178, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    return picture;
}

double PaintFramed(const QImage& picture, bool stretch)
{
    const TbsPartGeometry part{{40, 30}, {196, 30}, {40, 148}, {196, 148}, QRect(6, 30, 224, 126)};
    const TbsPartGeometry resized = ResizedPartGeometry(part, picture.size(), kWidth, kHeight);
    const TbsEdgeStretch edges{stretch, stretch, stretch, stretch};
    QImage target;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        PaintFramedPart(part, resized, target, picture, picture.rect(), kWidth, kHeight, true, edges, stretch,
                        bsstFull);
    return double(timer.nsecsElapsed()) / 1e6;
}

double DrawPlain()
{
    QImage source(kWidth, kHeight, QImage::Format_RGB32);
    source.fill(0xFF336699);
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&target);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        painter.drawImage(0, 0, source);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage picture = WindowPicture();
    // Trials alternate between the three, and each keeps its fastest, so that other work on the
    // machine weighs on all of them alike.
    double plain = 1e300, tiled = 1e300, stretched = 1e300;
    for (int i = 0; i < kTrials; ++i) {
        plain = std::min(plain, DrawPlain());
        tiled = std::min(tiled, PaintFramed(picture, false));
        stretched = std::min(stretched, PaintFramed(picture, true));
    }
    std::printf("%d x %d, %d rounds, best of %d trials\n", kWidth, kHeight, kRounds, kTrials);
    std::printf("QPainter::drawImage          %8.1f ms\n", plain);
    std::printf("PaintFramedPart, tiled       %8.1f ms  ratio %.2f\n", tiled, tiled / plain);
    std::printf("PaintFramedPart, stretched   %8.1f ms  ratio %.2f\n", stretched, stretched / plain);
    return 0;
}
