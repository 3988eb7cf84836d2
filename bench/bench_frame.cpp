// Times one whole frame paint of a skinned 1280 x 800 window with the program's skin (strips,
// caption, buttons, client background) against one plain draw of a 1280 x 800 image, and one
// caption button repainting alone on hover against the whole frame.
#include "BestTime.h"
#include "EmbeddedSkin.h"
#include "TForm.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"

#include <QApplication>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kWidth = 1280, kHeight = 800, kRounds = 200;

QImage Target()
{
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    target.fill(Qt::black);
    return target;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TbsSkinData skin;
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(EmbeddedSkinData());
    skin.LoadCompressedStoredSkin(&stored);
    TForm form;
    TbsSkinForm frame(&form);
    frame.SetSkinData(&skin);
    form.SetClientSize(kWidth - 2, kHeight - 25);
    form.SetCaption(QStringLiteral("人事信息管理系统  人事部信息组 制作"));
    // The active look: the window shown and activated on the offscreen platform.
    form.Show();
    for (int i = 0; i < 100 && !frame.GetFormActive(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (form.size() != QSize(kWidth, kHeight) || !frame.SkinSupport() || !frame.GetFormActive()) {
        std::fprintf(stderr, "the window is not %d x %d, skinned and active\n", kWidth, kHeight);
        return 1;
    }

    QImage target = Target();
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * y) & 0xFF));

    const double frameMs = BestMs(
                               [&] {
                                   for (int i = 0; i < kRounds; ++i) {
                                       QPainter p(&target);
                                       frame.PaintNCSkin(p);
                                       frame.PaintBG(p);
                                   }
                               },
                               [] {}, 5) /
                           kRounds;
    const double imageMs = BestMs(
                               [&] {
                                   for (int i = 0; i < kRounds; ++i) {
                                       QPainter p(&target);
                                       p.drawImage(0, 0, picture);
                                   }
                               },
                               [] {}, 5) /
                           kRounds;
    const double stripsMs = BestMs(
                                [&] {
                                    for (int i = 0; i < kRounds; ++i) {
                                        QPainter p(&target);
                                        frame.PaintNCSkin(p);
                                    }
                                },
                                [] {}, 5) /
                            kRounds;

    TbsActiveSkinObject* close = frame.FindObject(QStringLiteral("closebutton"));
    close->Active = close->FMouseIn = true;
    close->FMorphKf = 1;
    const double hoverMs = BestMs(
                               [&] {
                                   for (int i = 0; i < kRounds; ++i) {
                                       QPainter p(&target);
                                       p.setClipRect(close->ObjectRect);
                                       frame.PaintObject(p, close);
                                   }
                               },
                               [] {}, 5) /
                           kRounds;
    close->FMorphKf = 0.4;
    const double fadeMs = BestMs(
                              [&] {
                                  for (int i = 0; i < kRounds; ++i) {
                                      QPainter p(&target);
                                      frame.PaintObject(p, close);
                                  }
                              },
                              [] {}, 5) /
                          kRounds;

    std::printf("frame (strips, caption, buttons) + client background, 1280 x 800: %.4f ms\n", frameMs);
    std::printf("QPainter::drawImage of one 1280 x 800 image:                   %.4f ms\n", imageMs);
    std::printf("ratio frame paint / image draw:                                %.2f (goal at most 2)\n",
                frameMs / imageMs);
    std::printf("frame strips alone:                                            %.4f ms\n", stripsMs);
    std::printf(
        "hover repaint of the close button alone:                       %.4f ms (%.1f%% of the frame)\n",
        hoverMs, 100.0 * hoverMs / stripsMs);
    std::printf("one cross-fade step of the close button:                       %.4f ms\n", fadeMs);
    return 0;
}
