// Buttons painted from a small skin: one picture per state, the cross-fade, the caption colour of a
// disabled button, auto-repeat on a controllable clock, and the default button's hot look.
#include "FakeClock.h"
#include "SmallSkin.h"
#include "bsSkinButton.h"
#include "bsSkinEdit.h"
#include "bsSkinSpeedButton.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The six state pictures, 10 x 10 each, side by side.
const QColor Normal(200, 0, 0), Hot(0, 200, 0), Pressed(0, 0, 200), Disabled(90, 90, 90),
    Focused(200, 200, 0);

// A skin whose "button" and "toolbutton" objects show Normal, Hot, Pressed, Disabled and Focused.
class ButtonSkin {
public:
    explicit ButtonSkin(bool morphing = false, bool disabledPicture = true)
    {
        const int picture = FSkin.AddPicture(ColourBlocks({Normal, Hot, Pressed, Disabled, Focused}, 10, 10));
        for (const char* name : {"button", "toolbutton"}) {
            auto& r = FSkin.AddControl<TbsDataSkinButtonControl>(QString::fromLatin1(name));
            r.PictureIndex = picture;
            r.SkinRect = BlockRect(0, 10, 10);
            r.ActiveSkinRect = BlockRect(1, 10, 10);
            r.DownSkinRect = BlockRect(2, 10, 10);
            if (disabledPicture)
                r.DisabledSkinRect = BlockRect(3, 10, 10);
            r.FocusedSkinRect = BlockRect(4, 10, 10);
            r.Morphing = morphing;
            r.FontColor = 0x000010;
            r.DisabledFontColor = 0x000010;
            Records.push_back(&r);
        }
        FSkin.LoadInto(Data);
    }
    TbsSkinData Data;
    std::vector<TbsDataSkinButtonControl*> Records;

private:
    TSmallSkin FSkin;
};

void SendEnter(QWidget* w)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &enter);
}
void SendLeave(QWidget* w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}
void MoveHeld(QWidget* w, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), w->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// Shows the window active, with the pointer away from every control.
void ShowActive(QWidget& window)
{
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QCursor::setPos(window.mapToGlobal(QPoint(199, 99)));
}

QColor Centre(TbsSkinControl& c)
{
    return c.PaintedImage().pixelColor(5, 5);
}

struct StateCase {
    const char* name;
    std::function<void(TbsSkinButton&)> setUp;
    QColor expected;
};

class PushButtonStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(PushButtonStates, PaintsTheStatesOwnPicture)
{
    ButtonSkin skin;
    QWidget window;
    auto* other = new TbsSkinButton(&window);
    other->move(50, 0);
    auto* button = new TbsSkinButton(&window);
    button->SetSkinData(&skin.Data);
    button->move(20, 20);
    ASSERT_EQ(button->size(), QSize(10, 10)) << "a fixed-size object gives its size";
    ShowActive(window);
    other->setFocus();
    GetParam().setUp(*button);
    EXPECT_EQ(Centre(*button), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PushButtonStates,
    ::testing::Values(
        StateCase{"normal", [](TbsSkinButton&) {}, Normal},
        StateCase{"hot", [](TbsSkinButton& b) { SendEnter(&b); }, Hot},
        StateCase{"pressed",
                  [](TbsSkinButton& b) { QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5)); }, Pressed},
        StateCase{"disabled", [](TbsSkinButton& b) { b.setEnabled(false); }, Disabled},
        StateCase{"focused", [](TbsSkinButton& b) { b.setFocus(); }, Focused},
        StateCase{"checked",
                  [](TbsSkinButton& b) {
                      b.SetCheckedMode(true);
                      QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
                      SendLeave(&b);
                  },
                  Pressed},
        StateCase{"draggedOutWhilePressedShowsTheFocus",
                  [](TbsSkinButton& b) {
                      QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
                      MoveHeld(&b, QPoint(40, 40));
                  },
                  Focused},
        StateCase{"draggedBackIn",
                  [](TbsSkinButton& b) {
                      QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
                      MoveHeld(&b, QPoint(40, 40));
                      MoveHeld(&b, QPoint(4, 4));
                  },
                  Pressed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeedButtonSkin, PaintsEachStatesPicture)
{
    ButtonSkin skin;
    QWidget window;
    TbsSkinSpeedButton button(&window);
    button.SetSkinData(&skin.Data);
    EXPECT_EQ(Centre(button), Normal);
    SendEnter(&button);
    EXPECT_EQ(Centre(button), Hot);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Centre(button), Pressed);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    SendLeave(&button);
    EXPECT_EQ(Centre(button), Normal);
    button.setEnabled(false);
    EXPECT_EQ(Centre(button), Disabled);
}

TEST(ButtonSkinCrossFade, EachTickBlendsTheNormalAndHotPictures)
{
    TFakeClock clock;
    ButtonSkin skin(true);
    QWidget window;
    TbsSkinButton button(&window);
    button.SetSkinData(&skin.Data);
    SendEnter(&button);
    EXPECT_EQ(button.MorphKf(), 0);
    clock.Advance(19);
    EXPECT_EQ(button.MorphKf(), 0) << "the cross-fade ticks every 20 ms";
    clock.Advance(1);
    EXPECT_DOUBLE_EQ(button.MorphKf(), 0.2);
    const QImage expected =
        MorphedImage(ColourBlocks({Normal}, 10, 10), ColourBlocks({Hot}, 10, 10), mkDefault, 0.2);
    const QColor blend = expected.pixelColor(5, 5);
    EXPECT_EQ(Centre(button), blend);
    EXPECT_NEAR(blend.red(), 160, 1);
    EXPECT_NEAR(blend.green(), 40, 1);
    clock.Advance(200);
    EXPECT_EQ(button.MorphKf(), 1) << "the fade ends exactly on the hot picture";
    EXPECT_EQ(Centre(button), Hot);
    SendLeave(&button);
    clock.Advance(200);
    EXPECT_EQ(button.MorphKf(), 0);
    EXPECT_EQ(Centre(button), Normal);
}

TEST(ButtonSkinCrossFade, AFrameCountOfZeroOrLessMeansNoAnimation)
{
    for (int frames : {0, -3}) {
        TFakeClock clock;
        ButtonSkin skin;
        skin.Records[0]->AnimateSkinRect = {0, 0, 50, 10};
        skin.Records[0]->FrameCount = frames;
        // Records are copied on load; reload through a second skin is not needed: set the
        // values before the load instead.
        TSmallSkin small;
        const int picture = small.AddPicture(ColourBlocks({Normal, Hot, Pressed, Disabled, Focused}, 10, 10));
        auto& r = small.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
        r = *skin.Records[0];
        r.IDName = QStringLiteral("button");
        r.PictureIndex = picture;
        TbsSkinData data;
        small.LoadInto(data);
        QWidget window;
        TbsSkinButton button(&window);
        button.SetSkinData(&data);
        SendEnter(&button);
        clock.Advance(100);
        EXPECT_EQ(Centre(button), Hot) << frames;
    }
}

TEST(ButtonSkinCaption, ADisabledButtonWithoutItsPictureUsesTheDisabledFontColour)
{
    struct Case {
        const char* name;
        TColor disabled;
        QColor expected;
    };
    for (const Case& c : {Case{"same as the font colour", 0x000010, QColor(128, 128, 128)},
                          Case{"own colour", 0x0000FF, QColor(255, 0, 0)}}) {
        TSmallSkin small;
        auto& r = small.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
        r.PictureIndex = small.AddPicture(ColourBlocks({Normal, Hot}, 10, 10));
        r.SkinRect = BlockRect(0, 10, 10);
        r.FontColor = 0x000010;
        r.DisabledFontColor = c.disabled;
        TbsSkinData data;
        small.LoadInto(data);
        QWidget window;
        TbsSkinButton button(&window);
        button.SetSkinData(&data);
        button.setEnabled(false);
        QColor pen;
        button.OnPaint = [&](QPainter& canvas, const QRect&, bool, bool, bool&) {
            pen = canvas.pen().color();
        };
        EXPECT_EQ(Centre(button), Normal) << c.name << ": the normal picture";
        EXPECT_EQ(pen, c.expected) << c.name;
    }
}

TEST(ButtonRepeat, ClicksAfterTheDelayThenEveryIntervalAndOnRelease)
{
    TFakeClock clock;
    QWidget window;
    TbsSkinButton button(&window);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.SetRepeatMode(true);
    button.SetRepeatInterval(100);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    clock.Advance(499);
    EXPECT_EQ(clicks, 0);
    clock.Advance(1);
    EXPECT_EQ(clicks, 1);
    clock.Advance(99);
    EXPECT_EQ(clicks, 1);
    clock.Advance(301);
    EXPECT_EQ(clicks, 5);
    // Leaving stops it; coming back starts the delay again.
    MoveHeld(&button, QPoint(200, 5));
    clock.Advance(1000);
    EXPECT_EQ(clicks, 5);
    MoveHeld(&button, QPoint(5, 5));
    clock.Advance(500);
    EXPECT_EQ(clicks, 6);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 7);
    clock.Advance(1000);
    EXPECT_EQ(clicks, 7);
}

TEST(ButtonGroups, GroupedPushButtonsKeepOneDown)
{
    QWidget window;
    TbsSkinButton a(&window), b(&window);
    a.SetGroupIndex(3);
    b.SetGroupIndex(3);
    EXPECT_FALSE(a.CanFocused()) << "a grouped button takes no focus";
    QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(a.Down());
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
}

TEST(DefaultButton, LooksHotWhileAnEditHasTheFocusAndTakesEnter)
{
    ButtonSkin skin;
    QWidget window;
    window.resize(200, 100);
    auto* edit = new TbsSkinEdit(&window);
    edit->move(0, 40);
    auto* ok = new TbsSkinButton(&window);
    ok->SetSkinData(&skin.Data);
    auto* other = new TbsSkinButton(&window);
    other->move(100, 0);
    int clicks = 0;
    ok->OnClick = [&] { ++clicks; };
    ok->move(20, 0);
    ok->SetDefault(true);
    ShowActive(window);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    EXPECT_TRUE(ok->Active());
    EXPECT_EQ(Centre(*ok), Hot);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    EXPECT_FALSE(ok->Active());
    EXPECT_EQ(Centre(*ok), Normal);
}

} // namespace
