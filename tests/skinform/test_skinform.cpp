// The skinned window frame with the program's skin, with small test skins and without a skin:
// insets, caption buttons, pictures, the default look, the layered border and hostile skins.
#include "../skinctrls/FakeClock.h"
#include "EmbeddedSkin.h"
#include "EmbeddedSkinRepository.h"
#include "TForm.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A window with the frame linked to ASkin, of client size W x H.
struct Framed {
    explicit Framed(TbsSkinData* ASkin, int W = 327, int H = 203)
    {
        form.SetClientSize(W, H);
        skinForm = new TbsSkinForm(&form);
        skinForm->SetSkinData(ASkin);
    }
    // The frame as painted, over a background of AFill.
    QImage Paint(QColor AFill = Qt::magenta)
    {
        QImage image(form.size(), QImage::Format_RGB32);
        image.fill(AFill);
        QPainter p(&image);
        if (skinForm->SkinSupport())
            skinForm->PaintNCSkin(p);
        else
            skinForm->PaintNCDefault(p);
        return image;
    }
    QRect Rect(const char* AName) const
    {
        const TbsActiveSkinObject* o = skinForm->FindObject(QString::fromLatin1(AName));
        return o && o->Visible ? o->ObjectRect : QRect();
    }
    TForm form;
    TbsSkinForm* skinForm;
};

// A skin folder written by a test: a description and solid-colour pictures.
class TestSkin {
public:
    void Picture(const QString& AName, QSize ASize, QColor AColor)
    {
        QImage image(ASize, QImage::Format_RGB32);
        image.fill(AColor);
        image.save(FDir.filePath(AName), "BMP");
    }
    void SetPicture(const QString& AName, const QImage& AImage) { AImage.save(FDir.filePath(AName), "BMP"); }
    std::unique_ptr<TbsSkinData> Load(const QString& AIni)
    {
        QFile file(FDir.filePath(QStringLiteral("skin.ini")));
        file.open(QIODevice::WriteOnly);
        file.write(AIni.toUtf8());
        file.close();
        auto skin = std::make_unique<TbsSkinData>();
        skin->LoadFromFile(file.fileName());
        return skin;
    }

private:
    QTemporaryDir FDir;
};

const char* const SmallSkinHead = R"(
[VERSION]
skinname=test
[PICTURES]
picture=%1
activepicturescount=3
0=buttons.bmp
1=layer.bmp
2=layermask.bmp
[SKINCONTROLS]
count=0
)";

// A 100 x 60 frame with a 20-pixel caption, a 2-pixel border and one close button of 16 x ABH
// pixels at the caption's top; the layered frame as given.
QString SmallSkin(const QString& APicture, int AButtonHeight, const QString& AFormInfo, const QString& ALayer)
{
    return QString::fromLatin1(SmallSkinHead).arg(APicture) + QStringLiteral(R"(
[FORMINFO]
lefttoppoint=10,20
righttoppoint=90,20
leftbottompoint=10,58
rightbottompoint=90,58
clientrect=2,20,98,58
captionrect=2,2,98,20
%1
[LAYERFRAME]
%2
[SKINOBJECTS]
count=1
0=closebutton:stdbutton
[closebutton]
activepictureindex=0
skinrectinapicture=1
skinrect=0,0,16,%3
command=cmclose
)")
                                                                  .arg(AFormInfo, ALayer)
                                                                  .arg(AButtonHeight);
}

void WriteSmallPictures(TestSkin& ASkin)
{
    ASkin.Picture(QStringLiteral("frame.bmp"), QSize(100, 60), QColor(128, 128, 128));
    ASkin.Picture(QStringLiteral("buttons.bmp"), QSize(16, 40), QColor(255, 0, 0));
    ASkin.Picture(QStringLiteral("layer.bmp"), QSize(40, 40), QColor(10, 10, 10));
    ASkin.Picture(QStringLiteral("layermask.bmp"), QSize(40, 40), QColor(128, 128, 128));
}

class OurSkinFrame : public ::testing::Test {
protected:
    static void SetUpTestSuite() { skin = OurSkin().release(); }
    static void TearDownTestSuite()
    {
        delete skin;
        skin = nullptr;
    }
    void TearDown() override { TbsFormLayerBorder::SetCompositingOverride(std::nullopt); }
    static TbsSkinData* skin;
};
TbsSkinData* OurSkinFrame::skin = nullptr;

} // namespace

TEST_F(OurSkinFrame, InsetsTheClientByOnePixelAndTheCaptionAtEverySize)
{
    ASSERT_FALSE(skin->Empty());
    const QSize sizes[] = {{327, 203}, {100, 40}, {835, 521}, {1280, 800}};
    for (QSize client : sizes) {
        Framed f(skin, client.width(), client.height());
        SCOPED_TRACE(client.width());
        EXPECT_TRUE(f.skinForm->SkinSupport());
        EXPECT_EQ(f.form.FrameMargins(), QMargins(1, 24, 1, 1));
        // The skin's minimum width of 200 widens a smaller window, the client with it.
        const QSize window(std::max(client.width() + 2, 200), client.height() + 25);
        EXPECT_EQ(f.form.ClientWidget()->geometry(), QRect(QPoint(1, 24), window - QSize(2, 25)));
        EXPECT_EQ(f.form.size(), window);
        EXPECT_TRUE(f.form.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
}

TEST_F(OurSkinFrame, LaysTheCaptionButtonsOutFromTheCaptionsRightEdge)
{
    struct Case {
        const char* name;
        TbsBorderIcons icons;
        QRect close, maximize, minimize, sysmenu, dialogclose;
    };
    // A window 400 pixels wide: the caption row ends at 399.
    const TbsBorderIcons all = biSystemMenu | biMinimize | biMaximize | biRollUp;
    const std::vector<Case> cases = {
        {"program's windows", all, QRect(370, 1, 29, 22), QRect(341, 1, 29, 22), QRect(312, 1, 29, 22),
         QRect(1, 3, 18, 18), QRect()},
        {"without maximize the row closes up", biSystemMenu | biMinimize, QRect(370, 1, 29, 22), QRect(),
         QRect(341, 1, 29, 22), QRect(1, 3, 18, 18), QRect()},
        {"no icons: the dialog close button replaces close", TbsBorderIcons(), QRect(), QRect(), QRect(),
         QRect(), QRect(370, 1, 29, 22)},
        {"system menu only: still the dialog close button", biSystemMenu, QRect(), QRect(), QRect(),
         QRect(1, 3, 18, 18), QRect(370, 1, 29, 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Framed f(skin, 398, 100);
        f.skinForm->SetBorderIcons(c.icons);
        f.skinForm->CalcRects();
        f.skinForm->CalcObjectRects();
        EXPECT_EQ(f.Rect("closebutton"), c.close);
        EXPECT_EQ(f.Rect("maximizebutton"), c.maximize);
        EXPECT_EQ(f.Rect("minimizebutton"), c.minimize);
        EXPECT_EQ(f.Rect("sysmenubutton"), c.sysmenu);
        EXPECT_EQ(f.Rect("dialogclosebutton"), c.dialogclose);
    }
    Framed f(skin, 398, 100);
    f.skinForm->CalcRects();
    f.skinForm->CalcObjectRects();
    // The caption lies between the system-menu button and the minimize button.
    EXPECT_EQ(f.skinForm->CaptionObject()->ObjectRect, QRect(QPoint(19, 1), QPoint(311, 22)));
}

TEST_F(OurSkinFrame, ShortensALongCaptionWithDots)
{
    Framed f(skin, 200, 100);
    f.form.SetCaption(QString(200, QLatin1Char('W')));
    f.skinForm->CalcRects();
    f.skinForm->CalcObjectRects();
    const QString shown = f.skinForm->CaptionObject()->ShownText();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("..."))) << shown.toStdString();
    f.form.SetCaption(QStringLiteral("短"));
    EXPECT_EQ(f.skinForm->CaptionObject()->ShownText(), QStringLiteral("短"));
}

TEST_F(OurSkinFrame, PaintsTheActiveOrTheInactivePictureAndCaptionColour)
{
    Framed a(skin), b(skin);
    a.form.SetCaption(QStringLiteral("a"));
    a.form.Show();
    QTRY_VERIFY(a.form.isActiveWindow());
    QTRY_VERIFY(a.skinForm->GetFormActive());
    const QImage& main = a.skinForm->MainPicture();
    const TbsSkinCaptionObject* caption = a.skinForm->CaptionObject();
    EXPECT_EQ(caption->CaptionColor(), ColorToQColor(caption->ActiveFontColor));
    // The left strip's first row and the top-left corner come from the picture unscaled.
    const QImage active = a.Paint();
    EXPECT_EQ(active.pixel(0, 0), main.pixel(0, 0));
    EXPECT_EQ(active.pixel(0, 25), main.pixel(0, 25));

    b.form.Show();
    QTRY_VERIFY(b.form.isActiveWindow());
    QTRY_VERIFY(!a.skinForm->GetFormActive());
    EXPECT_EQ(caption->CaptionColor(), ColorToQColor(caption->FontColor));
    EXPECT_NE(caption->ActiveFontColor, caption->FontColor);
    const QImage inactive = skin->FInActivePicture.Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(inactive.isNull());
    const QImage painted = a.Paint();
    bool differs = false;
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(painted.pixel(x, 0), inactive.pixel(x, 0));
        differs = differs || inactive.pixel(x, 0) != main.pixel(x, 0);
    }
    EXPECT_TRUE(differs) << "the inactive picture should differ from the active one";
    a.form.hide();
    b.form.hide();
}

TEST_F(OurSkinFrame, ClosingByTheCloseButtonHidesTheWindowAndAReleaseElsewhereDoesNothing)
{
    Framed f(skin, 300, 150);
    f.form.Show();
    QVERIFY2(QTest::qWaitForWindowExposed(&f.form), "window not exposed");
    const QPoint close = f.Rect("closebutton").center();
    QTest::mousePress(&f.form, Qt::LeftButton, {}, close);
    QTest::mouseMove(&f.form, QPoint(100, 80));
    QTest::mouseRelease(&f.form, Qt::LeftButton, {}, QPoint(100, 80));
    EXPECT_TRUE(f.form.isVisible());
    QTest::mouseMove(&f.form, close);
    QTest::mousePress(&f.form, Qt::LeftButton, {}, close);
    QTest::mouseRelease(&f.form, Qt::LeftButton, {}, close);
    QTRY_VERIFY(!f.form.isVisible());
}

TEST_F(OurSkinFrame, MaximizeFillsTheWorkAreaAndRestoreGivesTheSizeBackWithRestorePictures)
{
    Framed f(skin, 300, 150);
    f.form.Show();
    QVERIFY2(QTest::qWaitForWindowExposed(&f.form), "window not exposed");
    const QRect normal = f.form.geometry();
    f.skinForm->RunCommand(cmMaximize);
    EXPECT_EQ(f.skinForm->WindowState(), wsMaximized);
    // Without a task bar the work area is the screen, and a maximized window leaves its edge free.
    const QRect area = f.form.screen()->availableGeometry();
    EXPECT_EQ(f.form.geometry(), area == f.form.screen()->geometry() ? area.adjusted(1, 1, -1, -1) : area);
    auto* maximize =
        dynamic_cast<TbsSkinStdButtonObject*>(f.skinForm->FindObject(QStringLiteral("maximizebutton")));
    ASSERT_TRUE(maximize);
    EXPECT_TRUE(maximize->RestoreState());
    f.skinForm->RunCommand(cmMaximize);
    EXPECT_EQ(f.skinForm->WindowState(), wsNormal);
    EXPECT_EQ(f.form.geometry(), normal);
    f.form.hide();
}

TEST_F(OurSkinFrame, LayeredBorderOfA400By300Window)
{
    TbsFormLayerBorder border;
    border.InitFrame(skin);
    ASSERT_TRUE(border.HasFrame());
    const QRect window(100, 200, 400, 300);
    EXPECT_EQ(border.OuterRect(window), QRect(QPoint(87, 186), QPoint(518, 517)));
    const std::array<QRect, 4> r = border.PieceRects(window);
    EXPECT_EQ(r[bsflTop], QRect(87, 186, 432, 22));
    EXPECT_EQ(r[bsflBottom], QRect(87, 518 - 26, 432, 26));
    EXPECT_EQ(r[bsflLeft], QRect(87, 208, 13, 284));
    EXPECT_EQ(r[bsflRight], QRect(519 - 19, 208, 19, 284));
    for (bool active : {true, false}) {
        const std::array<QImage, 4> pictures = border.BuildPictures(QSize(432, 332), active);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pictures[size_t(i)].size(), r[size_t(i)].size()) << i;
    }
    // The inactive look has a mask of its own.
    EXPECT_NE(border.BuildPictures(QSize(432, 332), true)[bsflTop],
              border.BuildPictures(QSize(432, 332), false)[bsflTop]);
}

TEST_F(OurSkinFrame, LayeredBorderFollowsTheWindowAndHidesWhileMaximized)
{
    TbsFormLayerBorder::SetCompositingOverride(true);
    Framed f(skin, 398, 275);
    f.form.Show();
    QVERIFY2(QTest::qWaitForWindowExposed(&f.form), "window not exposed");
    TbsFormLayerBorder* border = f.skinForm->LayerBorder();
    QTRY_VERIFY(border->Visible());
    const TbsFormLayerWindow* top = border->Piece(bsflTop);
    ASSERT_TRUE(top);
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(top->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(top->geometry(), border->PieceRects(f.form.frameGeometry())[bsflTop]);
    f.form.move(f.form.pos() + QPoint(15, 7));
    QTRY_COMPARE(border->Piece(bsflTop)->geometry(), border->PieceRects(f.form.frameGeometry())[bsflTop]);
    f.skinForm->RunCommand(cmMaximize);
    EXPECT_FALSE(border->Visible());
    f.skinForm->RunCommand(cmMaximize);
    QTRY_VERIFY(border->Visible());
    f.form.hide();
    EXPECT_FALSE(border->Visible());
}

TEST_F(OurSkinFrame, SkinChangeMessagesReSkinAndSkinnableFormOffGivesThePlatformFrame)
{
    auto own = OurSkin();
    Framed f(own.get(), 200, 100);
    int before = 0, change = 0, after = 0;
    f.skinForm->OnBeforeChangeSkinData = [&] { ++before; };
    f.skinForm->OnChangeSkinData = [&] { ++change; };
    f.skinForm->OnAfterChangeSkinData = [&] { ++after; };
    f.form.Show();
    own->ClearSkin();
    EXPECT_EQ(before, 1);
    EXPECT_EQ(change, 1);
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(f.skinForm->SkinSupport());
    EXPECT_EQ(f.form.FrameMargins(), QMargins(3, 22, 3, 3));
    EXPECT_EQ(f.form.ClientWidget()->size(), QSize(200, 100));
    own->SetSkinnableForm(false);
    EXPECT_FALSE(f.skinForm->SkinnableForm());
    EXPECT_FALSE(f.form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(f.form.FrameMargins(), QMargins());
    EXPECT_EQ(f.form.ClientWidget()->size(), QSize(200, 100));
    f.form.hide();
}

TEST(DefaultFrame, ThreePixelFrameWithCaptionAndTheButtonsTheIconsAllow)
{
    TbsSkinData empty;
    Framed f(&empty, 300, 100);
    EXPECT_FALSE(f.skinForm->SkinSupport());
    EXPECT_EQ(f.form.FrameMargins(), QMargins(3, 22, 3, 3));
    f.skinForm->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
    const QImage image = f.Paint();
    const int W = f.form.width();
    EXPECT_EQ(f.Rect("closebutton"), QRect(W - 3 - 17, 4, 17, 17));
    EXPECT_EQ(f.Rect("maxbutton"), QRect(W - 3 - 34, 4, 17, 17));
    EXPECT_EQ(f.Rect("minbutton"), QRect(W - 3 - 51, 4, 17, 17));
    EXPECT_EQ(f.Rect("rollupbutton"), QRect(W - 3 - 68, 4, 17, 17));
    EXPECT_EQ(f.Rect("sysmenubutton"), QRect(3, 4, 17, 17));
    EXPECT_EQ(f.Rect("traybutton"), QRect());
    EXPECT_EQ(image.pixel(0, 0), ColorToQColor(cl3DDkShadow).rgb());
    EXPECT_EQ(image.pixel(1, 50), SysBtnFace().rgb());
    EXPECT_EQ(QColor(image.pixel(10, 50)), QColor(Qt::magenta)) << "client area left alone";
}

TEST(DefaultFrame, ButtonUnderThePointerAndPressedTakeTheBlueScheme)
{
    Framed f(nullptr, 300, 100);
    f.form.Show();
    QVERIFY2(QTest::qWaitForWindowExposed(&f.form), "window not exposed");
    f.Paint();
    const QRect close = f.Rect("closebutton");
    QTest::mouseMove(&f.form, close.center());
    QTRY_VERIFY(f.skinForm->FindObject(QStringLiteral("closebutton"))->FMouseIn);
    QImage image = f.Paint();
    EXPECT_EQ(QColor(image.pixel(close.left() + 1, close.top() + 1)), QColor(0xC1, 0xD4, 0xF3));
    EXPECT_EQ(QColor(image.pixel(close.topLeft())), QColor(0x3B, 0x6B, 0xB7));
    QTest::mousePress(&f.form, Qt::LeftButton, {}, close.center());
    image = f.Paint();
    EXPECT_EQ(QColor(image.pixel(close.left() + 1, close.top() + 1)), QColor(0xA2, 0xBC, 0xE4));
    QTest::mouseRelease(&f.form, Qt::LeftButton, {}, close.center());
    QTRY_VERIFY(!f.form.isVisible());
}

TEST(HostileSkin, NoMainPictureLeavesTheDefaultLook)
{
    TestSkin folder;
    WriteSmallPictures(folder);
    auto skin = folder.Load(SmallSkin(QString(), 18, QString(), QString()));
    ASSERT_FALSE(skin->Empty());
    Framed f(skin.get(), 200, 100);
    EXPECT_FALSE(f.skinForm->SkinSupport());
    EXPECT_EQ(f.form.FrameMargins(), QMargins(3, 22, 3, 3));
    const QImage image = f.Paint();
    EXPECT_EQ(image.pixel(0, 0), ColorToQColor(cl3DDkShadow).rgb());
}

TEST(HostileSkin, ButtonReachingIntoTheClientAreaIsCutAtTheTopStrip)
{
    TestSkin folder;
    WriteSmallPictures(folder);
    // The caption row starts at 2; a 19-pixel button ends at 21, one pixel into the client area.
    auto skin = folder.Load(SmallSkin(QStringLiteral("frame.bmp"), 19, QString(), QString()));
    Framed f(skin.get(), 200, 100);
    ASSERT_TRUE(f.skinForm->SkinSupport());
    EXPECT_EQ(f.form.FrameMargins(), QMargins(2, 20, 2, 2));
    const QImage image = f.Paint();
    const QRect close = f.Rect("closebutton");
    ASSERT_EQ(close.bottom() + 1, 21);
    EXPECT_EQ(QColor(image.pixel(close.center().x(), 19)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(close.center().x(), 20)), QColor(Qt::magenta))
        << "drawn into the client area";
    EXPECT_EQ(QColor(image.pixel(close.center().x(), image.height() - 1)), QColor(128, 128, 128))
        << "drawn into the bottom strip";
}

TEST(HostileSkin, OddGeometryPaintsWithoutHangOrReadingOutsideAPicture)
{
    struct Case {
        const char* name;
        const char* formInfo;
        const char* layer;
        bool layered;
    };
    const std::vector<Case> cases = {
        {"corner points far outside the picture", "lefttoppoint=5000,6000\nrightbottompoint=9000,9000", "",
         false},
        {"client rectangle beyond the picture", "clientrect=50,50,900,900", "", false},
        {"layered band of zero height", "",
         "pictureindex=1\nmaskpictureindex=2\nlefttoppoint=10,20\nrighttoppoint=30,20\nleftbottompoint=10,"
         "20\n"
         "rightbottompoint=30,20\nclientrect=10,10,30,30",
         true},
        {"layered band of negative height", "",
         "pictureindex=1\nmaskpictureindex=2\nlefttoppoint=10,30\nrighttoppoint=30,30\nleftbottompoint=10,5\n"
         "rightbottompoint=30,5\nclientrect=10,10,30,30",
         true},
        {"layered corners outside the picture", "",
         "pictureindex=1\nmaskpictureindex=2\nlefttoppoint=500,500\nrighttoppoint=900,900\n"
         "leftbottompoint=700,20\nrightbottompoint=5,900\nclientrect=5,5,35,35",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestSkin folder;
        WriteSmallPictures(folder);
        auto skin = folder.Load(SmallSkin(QStringLiteral("frame.bmp"), 18, QString::fromLatin1(c.formInfo),
                                          QString::fromLatin1(c.layer)));
        Framed f(skin.get(), 150, 80);
        const QImage image = f.Paint();
        EXPECT_EQ(image.size(), f.form.size());
        QImage bg(f.form.size(), QImage::Format_RGB32);
        QPainter p(&bg);
        f.skinForm->PaintBG(p);
        TbsFormLayerBorder border;
        border.InitFrame(skin.get());
        EXPECT_EQ(border.HasFrame(), c.layered);
        for (const QImage& piece : border.BuildPictures(QSize(300, 200), true))
            EXPECT_LE(piece.width(), 300);
    }
}

TEST_F(OurSkinFrame, ClientBackgroundIsTheFramePicturesClientPartAndNoSkinGivesTheButtonFace)
{
    Framed skinned(skin, 300, 200), plain(nullptr, 300, 200);
    for (Framed* f : {&skinned, &plain}) {
        QImage image(f->form.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        f->skinForm->PaintBG(p);
        const QRect client = f->form.ClientWidget()->geometry();
        const QRgb expected = f == &skinned ? f->skinForm->MainPicture().pixel(100, 100) : SysBtnFace().rgb();
        EXPECT_EQ(image.pixel(client.center()), expected);
        EXPECT_EQ(image.pixel(client.bottomRight()), expected);
        EXPECT_EQ(image.pixel(client.left() - 1, client.top()), QColor(Qt::magenta).rgb())
            << "frame left alone";
    }
}

TEST(SmallSkin, InactiveWindowGetsTheSkinsInactiveEffectOnlyWhenTheSkinAsksForIt)
{
    for (bool asks : {false, true}) {
        SCOPED_TRACE(asks);
        TestSkin folder;
        WriteSmallPictures(folder);
        const QString effect = asks ? QStringLiteral("autorenderinginactiveimage=1\ninactiveeffect=ieinvert")
                                    : QStringLiteral("inactiveeffect=ieinvert");
        auto skin = folder.Load(SmallSkin(QStringLiteral("frame.bmp"), 18, effect, QString()));
        Framed f(skin.get(), 200, 100);
        ASSERT_FALSE(f.skinForm->GetFormActive());
        const QImage image = f.Paint();
        const QRgb frame = asks ? qRgb(127, 127, 127) : qRgb(128, 128, 128);
        EXPECT_EQ(image.pixel(0, 50), frame) << "left strip";
        EXPECT_EQ(image.pixel(100, image.height() - 1), frame) << "bottom strip";
        EXPECT_EQ(image.pixel(50, 50), QColor(Qt::magenta).rgb()) << "client area";
    }
}

namespace {

// A 100 x 60 frame whose 16 x 16 close button has an 8 x 8 mask (black left half) and whose
// caption plays a strip of AFrames frames from picture 2.
QString MaskAndAnimationSkin(int AFrames)
{
    return QStringLiteral(R"(
[VERSION]
skinname=test
[PICTURES]
picture=frame.bmp
activepicturescount=3
0=buttons.bmp
1=mask.bmp
2=strip.bmp
[SKINCONTROLS]
count=0
[FORMINFO]
lefttoppoint=10,20
righttoppoint=90,20
leftbottompoint=10,58
rightbottompoint=90,58
clientrect=2,20,98,58
captionrect=2,2,98,20
[SKINOBJECTS]
count=2
0=caption:caption
1=closebutton:stdbutton
[caption]
skinrect=2,2,98,20
activepictureindex=2
activeskinrect=0,0,96,18
animateskinrect=0,0,96,36
framecount=%1
textrect=0,0,96,18
animateinterval=50
[closebutton]
activepictureindex=0
activemaskpictureindex=1
skinrectinapicture=1
skinrect=0,0,16,16
command=cmclose
)")
        .arg(AFrames);
}

void WriteMaskAndAnimationPictures(TestSkin& ASkin)
{
    WriteSmallPictures(ASkin);
    QImage mask(8, 8, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x)
            mask.setPixel(x, y, qRgb(0, 0, 0));
    ASkin.SetPicture(QStringLiteral("mask.bmp"), mask);
    // Two frames one above the other: red, then blue.
    QImage strip(96, 36, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int y = 18; y < 36; ++y)
        for (int x = 0; x < 96; ++x)
            strip.setPixel(x, y, qRgb(0, 0, 255));
    ASkin.SetPicture(QStringLiteral("strip.bmp"), strip);
}

} // namespace

TEST(SmallSkin, MaskedButtonTakesThePointerOnlyOnBlackMaskPixelsAndNeverBeyondTheMask)
{
    TestSkin folder;
    WriteMaskAndAnimationPictures(folder);
    auto skin = folder.Load(MaskAndAnimationSkin(2));
    Framed f(skin.get(), 200, 100);
    const TbsActiveSkinObject* close = f.skinForm->FindObject(QStringLiteral("closebutton"));
    ASSERT_TRUE(close);
    const struct {
        const char* name;
        QPoint at;
        bool in;
    } cases[] = {
        {"black mask pixel", {1, 1}, true},
        {"white mask pixel", {6, 1}, false},
        {"inside the button but beyond the 8 x 8 mask", {12, 12}, false},
        {"far outside", {1000, -5}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(close->PointInObject(c.at), c.in) << c.name;
    const QPoint origin = close->ObjectRect.topLeft();
    EXPECT_EQ(f.skinForm->ObjectAt(origin + QPoint(1, 1)), 1);
    EXPECT_EQ(f.skinForm->ObjectAt(origin + QPoint(12, 12)), -1);
}

TEST(SmallSkin, CaptionAnimationNeedsAPositiveFrameCount)
{
    for (int frames : {0, -3, 2}) {
        SCOPED_TRACE(frames);
        TestSkin folder;
        WriteMaskAndAnimationPictures(folder);
        auto skin = folder.Load(MaskAndAnimationSkin(frames));
        Framed f(skin.get(), 200, 100);
        TbsSkinCaptionObject* caption = f.skinForm->CaptionObject();
        ASSERT_TRUE(caption);
        EXPECT_EQ(caption->Animated(), frames > 0);
        caption->CurrentFrame = 2;
        const QImage image = f.Paint();
        const QPoint inCaption = caption->ObjectRect.topLeft() + QPoint(2, 2);
        if (frames > 0) {
            EXPECT_EQ(caption->AnimationFrame(2), QRect(0, 18, 96, 18));
            EXPECT_EQ(image.pixel(inCaption), qRgb(0, 0, 255)) << "the second frame";
        } else {
            EXPECT_EQ(caption->AnimationFrame(2), QRect());
        }
    }
}

TEST(SmallSkin, CaptionAnimationStepsWhileTheWindowIsActiveAndStopsAtTheLastFrame)
{
    TFakeClock clock;
    TestSkin folder;
    WriteMaskAndAnimationPictures(folder);
    auto skin = folder.Load(MaskAndAnimationSkin(2));
    Framed f(skin.get(), 200, 100);
    f.form.Show();
    QApplication::setActiveWindow(&f.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    TbsSkinCaptionObject* caption = f.skinForm->CaptionObject();
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->CurrentFrame, 1) << "activation starts the strip";
    clock.Advance(25);
    EXPECT_EQ(caption->CurrentFrame, 1);
    clock.Advance(25);
    EXPECT_EQ(caption->CurrentFrame, 2) << "one frame every animateinterval";
    clock.Advance(200);
    EXPECT_EQ(caption->CurrentFrame, 2) << "the last frame stays";
    f.form.hide();
}

// Repaints reuse the strips cut from the frame picture; the caption and the buttons are drawn over
// them each time, and a new size or another skin's picture cuts them again. Whatever is reused, the
// frame looks as a freshly made one does.
TEST_F(OurSkinFrame, RepaintsReuseTheCutStripsUntilTheSizeOrThePictureChanges)
{
    Framed f(skin);
    const QImage first = f.Paint();
    const int cut = f.skinForm->StripsCut();
    EXPECT_EQ(f.Paint(), first);
    EXPECT_EQ(f.skinForm->StripsCut(), cut);

    f.form.SetCaption(QStringLiteral("新的标题"));
    const QImage captioned = f.Paint();
    EXPECT_NE(captioned, first);
    EXPECT_EQ(f.skinForm->StripsCut(), cut) << "the caption is drawn over the same strips";
    Framed fresh(skin);
    fresh.form.SetCaption(QStringLiteral("新的标题"));
    EXPECT_EQ(fresh.Paint(), captioned);

    f.form.SetClientSize(400, 250);
    const QImage bigger = f.Paint();
    EXPECT_GT(f.skinForm->StripsCut(), cut);
    Framed freshBigger(skin, 400, 250);
    freshBigger.form.SetCaption(QStringLiteral("新的标题"));
    EXPECT_EQ(freshBigger.Paint(), bigger);

    TestSkin folder;
    WriteSmallPictures(folder);
    auto small = folder.Load(SmallSkin(QStringLiteral("frame.bmp"), 16, QString(), QString()));
    ASSERT_FALSE(small->Empty());
    const int beforeSwitch = f.skinForm->StripsCut();
    f.skinForm->SetSkinData(small.get());
    const QImage switched = f.Paint();
    EXPECT_GT(f.skinForm->StripsCut(), beforeSwitch);
    Framed freshSmall(small.get(), 400, 250);
    freshSmall.form.SetCaption(QStringLiteral("新的标题"));
    EXPECT_EQ(freshSmall.Paint(), switched);
    f.skinForm->SetSkinData(skin);
    EXPECT_EQ(f.Paint(), bigger) << "back on the first skin";
}
