// Labels, panels and group boxes: their fonts, client areas, caption check box and roll-up, and the
// skin look of the statistics box's group box.
#include "SmallSkin.h"
#include "bsDefaultLook.h"
#include "bsSkinGroupBox.h"
#include "bsSkinStdLabel.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor Frame(10, 20, 30), Client(40, 50, 60);

// A 60 x 40 four-corner part: a 5-pixel Frame border around a Client middle, caption (4,2,55,15).
QImage PanelPicture()
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Frame);
    QPainter(&picture).fillRect(5, 20, 50, 15, Client);
    return picture;
}

template <class Record> Record& AddPanelRecord(TSmallSkin& skin, const QString& name)
{
    auto& r = skin.AddControl<Record>(name);
    r.PictureIndex = skin.AddPicture(PanelPicture());
    r.SkinRect = {0, 0, 60, 40};
    r.LTPoint = {5, 20};
    r.RTPoint = {55, 20};
    r.LBPoint = {5, 35};
    r.RBPoint = {55, 35};
    r.ClRect = {5, 20, 55, 35};
    return r;
}

class TOpenGroupBox : public TbsSkinGroupBox {
public:
    using TbsSkinGroupBox::NewCaptionRect;
    using TbsSkinGroupBox::TbsSkinGroupBox;
};

TEST(SkinStdLabel, TakesTheSkinFontWithAnObjectAndTheDefaultFontWithout)
{
    TSmallSkin skin;
    auto& r = skin.AddControl<TbsDataSkinStdLabelControl>(QStringLiteral("stdlabel"));
    r.FontName = QStringLiteral("Verdana");
    r.FontHeight = 17;
    auto* data = new TbsSkinData;
    skin.LoadInto(*data);

    TbsSkinStdLabel label;
    QFont own(QStringLiteral("Courier"));
    own.setPixelSize(30);
    label.setFont(own);
    EXPECT_EQ(label.DrawFont().pixelSize(), 13) << "no repository: the default font, not the label's own";
    label.SetSkinData(data);
    EXPECT_EQ(label.DrawFont().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(label.DrawFont().pixelSize(), 17);
    label.SetUseSkinFont(false);
    EXPECT_EQ(label.DrawFont().pixelSize(), 30);
    label.SetUseSkinFont(true);
    delete data;
    EXPECT_EQ(label.DrawFont().pixelSize(), 13) << "a destroyed repository leaves the default look";
}

TEST(SkinPanel, DefaultLookFrameInsetsTheChildren)
{
    TbsSkinPanel panel;
    panel.resize(50, 40);
    EXPECT_EQ(panel.GetSkinClientRect(), QRect(1, 1, 48, 38));
    const QImage painted = panel.PaintedImage();
    EXPECT_EQ(painted.pixel(0, 0), SysBtnShadow().rgb());
    EXPECT_EQ(painted.pixel(49, 39), SysBtnShadow().rgb());
    EXPECT_EQ(painted.pixel(10, 10), SysBtnFace().rgb());
    panel.SetCaptionMode(true);
    EXPECT_EQ(panel.GetSkinClientRect(), QRect(1, 21, 48, 18));
}

TEST(SkinPanel, TheCaptionCheckBoxEnablesAndDisablesTheChildren)
{
    TbsSkinPanel panel;
    panel.resize(100, 80);
    auto* child = new QWidget(&panel);
    panel.SetCaptionMode(true);
    panel.SetCheckedMode(true);
    panel.SetChecked(true);
    int checks = 0;
    panel.OnChecked = [&] { ++checks; };
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_FALSE(panel.Checked());
    EXPECT_FALSE(child->isEnabled());
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(child->isEnabled());
    EXPECT_EQ(checks, 2);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 60));
    EXPECT_EQ(checks, 2) << "a click below the caption bar";
}

TEST(SkinPanel, RollsUpToItsCaptionAndDownAgain)
{
    QWidget window;
    TbsSkinPanel panel(&window);
    panel.resize(100, 80);
    auto* child = new QWidget(&panel);
    window.show();
    panel.SetCaptionMode(true);
    panel.SetRollUpMode(true);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(panel.RollUpState());
    EXPECT_EQ(panel.height(), 21);
    EXPECT_FALSE(child->isVisible());
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_FALSE(panel.RollUpState());
    EXPECT_EQ(panel.height(), 80);
    EXPECT_TRUE(child->isVisible());
}

TEST(SkinGroupBox, PaintsFromTheSkinWithItsCaptionCentredOnTheTopBorder)
{
    TSmallSkin skin;
    auto& r = AddPanelRecord<TbsDataSkinPanelControl>(skin, QStringLiteral("groupbox"));
    r.CaptionRect = {4, 2, 55, 15};
    r.Alignment = taCenter;
    TbsSkinData data;
    skin.LoadInto(data);

    QWidget window;
    TOpenGroupBox box(&window);
    box.SetCaption(QStringLiteral("统计"));
    box.setGeometry(6, 388, 187, 127);
    auto* child = new QWidget(&box);
    box.AlignClient(child);
    box.SetSkinData(&data);
    EXPECT_EQ(box.size(), QSize(187, 127)) << "a four-corner object keeps any size";
    EXPECT_EQ(box.GetSkinClientRect(), QRect(5, 20, 177, 102));
    EXPECT_EQ(child->geometry(), QRect(5, 20, 177, 102));
    const QRect caption = box.NewCaptionRect();
    EXPECT_EQ(caption.left(), 4);
    EXPECT_EQ(caption.right() + 1, 55 + 187 - 60);
    const QImage painted = box.PaintedImage();
    EXPECT_EQ(painted.pixelColor(1, 100), Frame);
    EXPECT_EQ(painted.pixelColor(90, 80), Client);
    box.setGeometry(6, 388, 300, 127);
    EXPECT_EQ(box.NewCaptionRect().right() + 1, 55 + 300 - 60);
}

} // namespace

namespace {

// Loads a skin whose only object is a "stdlabel" in DejaVu Sans of the given height and colour.
void LoadLabelSkin(TbsSkinData& data, int fontHeight, TColor fontColor)
{
    TSmallSkin skin;
    auto& r = skin.AddControl<TbsDataSkinStdLabelControl>(QStringLiteral("stdlabel"));
    r.FontName = QStringLiteral("DejaVu Sans");
    r.FontHeight = fontHeight;
    r.FontColor = fontColor;
    skin.LoadInto(data);
}

// A repaint that changes nothing reuses the label's picture; each change of what it shows paints a
// new one, and the window shows the new look.
struct LabelChange {
    const char* Name;
    std::function<void(TbsSkinStdLabel&, TbsSkinData&)> Change;
};

void PrintTo(const LabelChange& c, std::ostream* os)
{
    *os << c.Name;
}

} // namespace

class SkinStdLabelPicture : public ::testing::TestWithParam<LabelChange> {};

TEST_P(SkinStdLabelPicture, IsReusedUntilWhatItShowsChanges)
{
    TbsSkinData data;
    LoadLabelSkin(data, 14, 0x0000FF); // red
    TbsSkinStdLabel label;
    label.SetSkinData(&data);
    label.SetCaption(QStringLiteral("欢迎 Mm"));

    const QImage before = label.grab().toImage();
    const int drawn = label.PicturesDrawn();
    EXPECT_EQ(label.grab().toImage(), before);
    EXPECT_EQ(label.PicturesDrawn(), drawn) << "a repaint without a change reuses the picture";

    GetParam().Change(label, data);
    const QImage after = label.grab().toImage();
    EXPECT_EQ(label.PicturesDrawn(), drawn + 1);
    EXPECT_NE(after, before);
    // What the reused picture shows is what a fresh paint shows.
    EXPECT_EQ(after, label.grab().toImage());
}

INSTANTIATE_TEST_SUITE_P(
    , SkinStdLabelPicture,
    ::testing::Values(
        LabelChange{"Caption",
                    [](TbsSkinStdLabel& l, TbsSkinData&) { l.SetCaption(QStringLiteral("密码 Ww")); }},
        LabelChange{"Disabled", [](TbsSkinStdLabel& l, TbsSkinData&) { l.setEnabled(false); }},
        LabelChange{"OpaqueColour",
                    [](TbsSkinStdLabel& l, TbsSkinData&) {
                        l.SetTransparent(false);
                        l.SetColor(QColor(0, 128, 0));
                    }},
        LabelChange{"SkinFontColour",
                    [](TbsSkinStdLabel&, TbsSkinData& d) { LoadLabelSkin(d, 14, 0xFF0000); }},
        LabelChange{"SkinFontSize", [](TbsSkinStdLabel&, TbsSkinData& d) { LoadLabelSkin(d, 20, 0x0000FF); }},
        LabelChange{"SkinRemoved", [](TbsSkinStdLabel& l, TbsSkinData&) { l.SetSkinData(nullptr); }}),
    [](const auto& info) { return std::string(info.param.Name); });
