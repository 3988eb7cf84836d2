// Benchmark: loading a 2 MB skin with 90 records from its compressed form into the repository, split
// into inflating, decoding the pictures and parsing the description.
#include "BestTime.h"
#include "BmpBytes.h"
#include "bsCompressedStoredSkin.h"
#include "bsSkinData.h"
#include "bszlibcompress.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// A BMP drawn like skin art: flat panels with a bevel and a vertical shade, which compresses about
// as well as the pictures of a real skin.
QByteArray PanelBmp(int w, int h, int seed, QImage::Format format)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int shade = 200 - (y % 24) * 2;
        for (int x = 0; x < w; ++x) {
            const bool bevel = x % 48 == 0 || y % 24 == 0;
            row[x] = bevel ? qRgb(90, 90, 110) : qRgb(shade, (shade + seed * 20) % 256, 230);
        }
    }
    return BmpBytes(image, format);
}

// Gives every keyed field of a record a value that depends on n, so that every key is written
// with a value of its own kind.
void FillRecord(TbsSkinRecord& record, int n)
{
    for (const TbsRecordKey& key : record.Keys().Keys()) {
        ++n;
        std::visit(
            [n](auto* field) {
                using T = std::remove_pointer_t<decltype(field)>;
                if constexpr (std::is_same_v<T, qint32>)
                    *field = n % 300;
                else if constexpr (std::is_same_v<T, bool>)
                    *field = n % 2;
                else if constexpr (std::is_same_v<T, QString>)
                    *field = QStringLiteral("name%1").arg(n % 50);
                else if constexpr (std::is_same_v<T, TPoint>)
                    *field = TPoint{n % 40, n % 30};
                else if constexpr (std::is_same_v<T, TRect>)
                    *field = TRect{n % 400, n % 300, n % 400 + 20, n % 300 + 23};
                else if constexpr (std::is_same_v<T, TFontStyles>)
                    *field = n % 3 ? TFontStyles() : TFontStyles(fsBold);
                else
                    *field = T(n % 3);
            },
            key.Field(record));
    }
}

// The package of a typical full skin: 2 MB of pictures, 12 skin objects and 78 skin controls.
TbsSkinPackage TypicalSkin()
{
    TbsSkinData sd;
    const char* objectTypes[] = {"caption", "stdbutton", "menuitem", "mainmenubaritem", "mainmenubarbutton"};
    for (int i = 0; i < 12; ++i) {
        sd.ObjectList.push_back(CreateSkinObject(objectTypes[i % 5], QStringLiteral("object%1").arg(i)));
        FillRecord(*sd.ObjectList.back(), i * 7);
    }
    const char* controlTypes[] = {"button",    "edit",     "memo",  "listbox", "combobox",
                                  "scrollbar", "panel",    "grid",  "tab",     "checkradio",
                                  "label",     "stdlabel", "gauge", "spinedit"};
    for (int i = 0; i < 78; ++i) {
        sd.CtrlList.push_back(CreateSkinControl(controlTypes[i % 14], QStringLiteral("control%1").arg(i)));
        FillRecord(*sd.CtrlList.back(), i * 11);
    }
    TbsSkinPackage package = sd.SkinPackage();
    package.Picture = PanelBmp(236, 178, 1, QImage::Format_RGB32);
    package.InActivePicture = PanelBmp(236, 178, 2, QImage::Format_RGB32);
    const QSize sizes[] = {{197, 106}, {71, 70},   {65, 137},  {40, 20},   {654, 431}, {138, 86}, {153, 110},
                           {153, 110}, {153, 110}, {265, 170}, {216, 174}, {200, 200}, {200, 200}};
    for (int i = 0; i < int(std::size(sizes)); ++i)
        package.ActivePictures.append(PanelBmp(sizes[i].width(), sizes[i].height(), i + 3,
                                               i == 5 ? QImage::Format_Indexed8 : QImage::Format_RGB32));
    return package;
}

// The processor time of this thread in milliseconds: on a machine shared with other work it
// measures the load itself, where the wall clock would measure the neighbours too.
double ThreadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The median of runs timings of action, in milliseconds of processor time.
template <class Action> double CpuMedianMs(int runs, Action action)
{
    return MedianMs(runs, action, ThreadMs);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = 31;

    const TbsSkinPackage skin = TypicalSkin();
    TbsCompressedStoredSkin stored;
    stored.LoadFromPackage(skin);
    TbsSkinPackage descriptionOnly;
    descriptionOnly.Description = skin.Description;
    TbsCompressedStoredSkin storedText;
    storedText.LoadFromPackage(descriptionOnly);
    const QByteArray package = stored.DeCompressed();

    const double inflate = CpuMedianMs(runs, [&] { stored.DeCompressed(); });
    // Pictures are checked while the skin loads and decoded when first used; both are timed.
    const TbsSkinPackage read = ReadSkinPackage(package);
    const QList<QByteArray> bmps =
        QList<QByteArray>{read.Picture, read.InActivePicture} + read.ActivePictures;
    const double pictures = CpuMedianMs(runs, [&] {
        for (const QByteArray& bmp : bmps)
            TbsSkinPicture::FromBmp(bmp);
    });
    const double decoding = CpuMedianMs(runs, [&] {
        for (const QByteArray& bmp : bmps)
            TbsSkinPicture::FromBmp(bmp).Image();
    });
    const double textInflate = CpuMedianMs(runs, [&] { storedText.DeCompressed(); });
    TbsSkinData sd;
    const double textLoad = CpuMedianMs(runs, [&] { sd.LoadCompressedStoredSkin(&storedText); });
    const double whole = CpuMedianMs(runs, [&] { sd.LoadCompressedStoredSkin(&stored); });
    const double wholeDecoded = CpuMedianMs(runs, [&] {
        sd.LoadCompressedStoredSkin(&stored);
        sd.FPicture.Image();
        sd.FInActivePicture.Image();
        for (const TbsSkinPicture& picture : sd.FActivePictures)
            picture.Image();
    });

    std::printf(
        "skin: %lld bytes unpacked, %lld compressed, %zu objects, %zu controls, %zu active pictures\n",
        static_cast<long long>(package.size()), static_cast<long long>(stored.CompressedData().size()),
        sd.ObjectList.size(), sd.CtrlList.size(), sd.FActivePictures.size());
    std::printf("inflate:             %8.2f ms\n", inflate);
    std::printf("picture checking:    %8.2f ms  (decoding, done on first use: %.2f ms)\n", pictures,
                decoding - pictures);
    std::printf("description parsing: %8.2f ms\n", textLoad - textInflate);
    std::printf("whole load:          %8.2f ms  (%.2f x inflate; goal: within 1.5 x)\n", whole,
                whole / inflate);
    std::printf("whole load with every picture decoded: %.2f ms (%.2f x inflate)\n", wholeDecoded,
                wholeDecoded / inflate);

    // The program's own skin, given as the .skn file the build writes beside it.
    if (argc > 1) {
        TbsCompressedStoredSkin ours;
        ours.LoadFromCompressFile(QString::fromLocal8Bit(argv[1]));
        const double oursInflate = CpuMedianMs(runs, [&] { ours.DeCompressed(); });
        TbsSkinData oursData;
        const double oursWhole = CpuMedianMs(runs, [&] { oursData.LoadCompressedStoredSkin(&ours); });
        std::printf("program skin: %lld bytes unpacked, %lld compressed, %zu objects, %zu controls\n",
                    static_cast<long long>(ours.DeCompressed().size()),
                    static_cast<long long>(ours.CompressedData().size()), oursData.ObjectList.size(),
                    oursData.CtrlList.size());
        std::printf(
            "program skin inflate: %8.2f ms, whole load: %8.2f ms (%.2f x inflate; goal: within 2 x)\n",
            oursInflate, oursWhole, oursWhole / oursInflate);
    }
    return 0;
}
