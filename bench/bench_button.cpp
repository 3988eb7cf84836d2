// Times painting one skinned button of the main window's size (95 x 93) in each state against one
// plain image draw of that size.
#include "BestTime.h"
#include "bsSkinButton.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kWidth = 95, kHeight = 93, kRounds = 10000;

// A button picture of 40 x 40 per state with a different colour per pixel, framed by its corners.
QImage StatePictures()
{
    QImage picture(200, 40, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y * 5, (x * y) & 0xFF));
    return picture;
}

// Loads a skin folder with one four-corner "button" object of five states into data.
void LoadSkin(TbsSkinData& data, const QString& folder)
{
    TbsSkinData source;
    source.FBuilderMode = true;
    source.FActivePictures.push_back(TbsSkinPicture::FromImage(StatePictures()));
    source.FActivePicturesNames.append(QStringLiteral("button.bmp"));
    auto record = std::make_unique<TbsDataSkinButtonControl>(QStringLiteral("button"));
    record->PictureIndex = 0;
    const auto state = [](int i) { return TRect{i * 40, 0, i * 40 + 40, 40}; };
    record->SkinRect = state(0);
    record->ActiveSkinRect = state(1);
    record->DownSkinRect = state(2);
    record->DisabledSkinRect = state(3);
    record->FocusedSkinRect = state(4);
    record->LTPoint = {6, 6};
    record->RTPoint = {34, 6};
    record->LBPoint = {6, 34};
    record->RBPoint = {34, 34};
    record->ClRect = {6, 6, 34, 34};
    source.CtrlList.push_back(std::move(record));
    source.StoreToDisk(folder + QStringLiteral("/skin.ini"));
    data.LoadFromFile(folder + QStringLiteral("/skin.ini"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    TbsSkinData data;
    LoadSkin(data, folder.path());

    QWidget window;
    auto* button = new TbsSkinButton(&window);
    button->SetSkinData(&data);
    button->setGeometry(0, 0, kWidth, kHeight);
    QImage canvas(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const QImage plain = button->PaintedImage();

    const double drawMs = BestMs([&] {
        QPainter painter(&canvas);
        for (int i = 0; i < kRounds; ++i)
            painter.drawImage(0, 0, plain);
    });
    std::printf("drawImage %dx%d x %d: %.2f ms\n", kWidth, kHeight, kRounds, drawMs);

    struct State {
        const char* name;
        std::function<void()> enter;
    };
    const State states[] = {
        {"normal", [] {}},
        {"hot",
         [&] {
             QEnterEvent enter({5, 5}, {5, 5}, {5, 5});
             QCoreApplication::sendEvent(button, &enter);
         }},
        {"pressed", [&] { button->SetDown(true); }},
        {"disabled", [&] { button->setEnabled(false); }},
    };
    double worst = 0;
    for (const State& s : states) {
        button->RefreshButton();
        button->setEnabled(true);
        s.enter();
        const double ms = BestMs([&] {
            QPainter painter(&canvas);
            for (int i = 0; i < kRounds; ++i)
                painter.drawImage(0, 0, button->PaintedImage());
        });
        worst = std::max(worst, ms);
        std::printf("button %-8s x %d: %.2f ms (%.2fx)\n", s.name, kRounds, ms, ms / drawMs);
    }
    std::printf("worst state / drawImage: %.2fx (goal: at most 3x)\n", worst / drawMs);
    return 0;
}
