// Fuzz target: a skin made of a fuzzed description and small fuzzed pictures is loaded into a
// repository that a skinned window with every kind of skinned control is linked to; the window is
// painted offscreen at a few sizes and the pointer hovers over and presses each frame object.
//
// Input: three bytes (little-endian) giving the description's length, the description, then
// pictures until the input ends, each one byte of width and one of height and its pixels as RGB
// triples, repeated to fill the picture; a width of 0 is no picture. The first three pictures
// become the main, inactive and mask pictures, the rest the active pictures.
#include "TForm.h"
#include "bsDBGrids.h"
#include "bsFrameObjects.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"
#include "bsSkinPackage.h"
#include "bsSkinTabs.h"
#include "bsdbctrls.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTest>
#include <cstdint>
#include <memory>

namespace {

constexpr int MaxPictures = 16;

QByteArray BmpOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The skin package the input describes.
TbsSkinPackage PackageOf(const uint8_t* data, size_t size)
{
    TbsSkinPackage package;
    size_t at = 0;
    if (size < 3)
        return package;
    const size_t length = std::min<size_t>(data[0] | size_t(data[1]) << 8 | size_t(data[2]) << 16, size - 3);
    package.Description = QByteArray(reinterpret_cast<const char*>(data + 3), qsizetype(length));
    at = 3 + length;
    QList<QByteArray> pictures;
    while (at + 2 <= size && pictures.size() < MaxPictures) {
        const int w = data[at], h = std::max<int>(1, data[at + 1]);
        at += 2;
        if (w == 0) {
            pictures << QByteArray();
            continue;
        }
        const size_t pixels = std::min<size_t>((size - at) / 3, size_t(w) * h);
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::black);
        for (int i = 0; pixels && i < w * h; ++i) {
            const uint8_t* p = data + at + (size_t(i) % pixels) * 3;
            image.setPixel(i % w, i / w, qRgb(p[0], p[1], p[2]));
        }
        at += pixels * 3;
        pictures << BmpOf(image);
    }
    package.Picture = pictures.value(0);
    package.InActivePicture = pictures.value(1);
    package.Mask = pictures.value(2);
    package.ActivePictures = pictures.mid(3);
    return package;
}

// A skinned window holding one control of every skinned kind, linked to skin.
std::unique_ptr<TForm> WindowWithEveryControl(TbsSkinData* skin)
{
    auto form = std::make_unique<TForm>();
    form->SetCaption(QStringLiteral("人事管理系统"));
    form->SetClientSize(320, 240);
    auto* frame = new TbsSkinForm(form.get());
    frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
    frame->SetSkinData(skin);
    QWidget* client = form->ClientWidget();
    auto link = [skin](auto* control, int x, int y, int w, int h) {
        control->SetSkinData(skin);
        control->setGeometry(x, y, w, h);
        return control;
    };
    link(new TbsSkinButton(client), 4, 4, 75, 25)->SetCaption(QStringLiteral("确定"));
    link(new TbsSkinSpeedButton(client), 84, 4, 75, 25)->SetCaption(QStringLiteral("取消"));
    link(new TbsSkinStdLabel(client), 164, 4, 60, 16)->SetCaption(QStringLiteral("用户名"));
    link(new TbsSkinPanel(client), 230, 4, 80, 40);
    link(new TbsSkinGroupBox(client), 4, 34, 100, 50);
    link(new TbsSkinEdit(client), 110, 34, 100, 21)->SetText(QStringLiteral("张三"));
    link(new TbsSkinMemo(client), 110, 58, 100, 40)->SetText(QStringLiteral("一\n二\n三"));
    auto* combo = link(new TbsSkinComboBox(client), 214, 48, 100, 21);
    combo->SetItems({QStringLiteral("admin"), QStringLiteral("user")});
    auto* list = link(new TbsSkinListBox(client), 4, 88, 100, 60);
    list->SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    auto* bar = link(new TbsSkinScrollBar(client), 300, 70, 16, 100);
    bar->SetMax(100);
    bar->SetPosition(30);
    link(new TbsSkinUpDown(client), 280, 70, 16, 30);
    auto* tree = link(new TbsSkinTreeView(client), 110, 100, 100, 60);
    TTreeNode* top = tree->Items().AddChildObject(nullptr, QStringLiteral("公司"));
    tree->Items().AddChildObject(top, QStringLiteral("财务部"));
    auto* pages = link(new TbsSkinPageControl(client), 4, 150, 150, 80);
    for (const char* caption : {"基本资料", "工作经历"}) {
        auto* sheet = new TbsSkinTabSheet(pages);
        sheet->SetCaption(QString::fromUtf8(caption));
    }
    link(new TbsSkinDBEdit(client), 160, 164, 70, 21);
    link(new TbsSkinDBComboBox(client), 234, 164, 80, 21);
    link(new TbsSkinDBMemo(client), 160, 188, 70, 40);
    link(new TbsSkinDBText(client), 234, 188, 80, 16);
    link(new TbsSkinDBGrid(client), 234, 206, 80, 30);
    return form;
}

// Hovers over, presses and releases the pointer on each frame object, painting in between.
void TouchFrameObjects(TForm& form, TbsSkinForm& frame)
{
    QList<QPoint> points;
    for (const auto& object : frame.ObjectList)
        if (object && object->ObjectRect.isValid())
            points << object->ObjectRect.center();
    for (const QPoint& p : points) {
        if (!form.rect().contains(p))
            continue;
        QTest::mouseMove(&form, p);
        form.grab();
        QTest::mousePress(&form, Qt::LeftButton, {}, p);
        form.grab();
        QTest::mouseRelease(&form, Qt::LeftButton, {}, p);
        if (!form.isVisible())
            form.show();
        QCoreApplication::processEvents();
    }
    QTest::mouseMove(&form, QPoint(-10, -10));
}

} // namespace

// What the platform libraries keep for the life of the process once text is first drawn (the same
// list as tests/lsan.supp): not leaks of an input.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libQt6Widgets\nleak:libdbus\n"
           "leak:libglib\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer ends the process with exit(), and Qt's input devices must not be
    // torn down after the statics they refer to.
    static QApplication* app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TbsSkinData skin;
    std::unique_ptr<TForm> form = WindowWithEveryControl(&skin);
    form->show();
    try {
        skin.LoadFromSkinPackage(WriteSkinPackage(PackageOf(data, size)));
    } catch (const Exception&) {
        // A skin that does not load leaves the default look, which is painted as well.
    }
    auto* frame = form->findChild<TbsSkinForm*>();
    for (const QSize size : {QSize(320, 240), QSize(40, 30), QSize(700, 90)}) {
        form->resize(size);
        QCoreApplication::processEvents();
        form->grab();
        TouchFrameObjects(*form, *frame);
    }
    skin.ClearSkin();
    form->grab();
    return 0;
}
