// Buttons and speed buttons: when a press clicks, groups, keyboard, modal results, default look.
#include "bsSkinButton.h"
#include "bsSkinSpeedButton.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Press(QWidget* w, QPoint at = QPoint(5, 5))
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
}
void Release(QWidget* w, QPoint at = QPoint(5, 5))
{
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}
void Move(QWidget* w, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), w->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

template <class Button> class ButtonPressTest : public ::testing::Test {
protected:
    ButtonPressTest()
    {
        button = new Button(&window);
        button->OnClick = [this] { ++clicks; };
        window.show();
    }
    QWidget window;
    Button* button;
    int clicks = 0;
};

using ButtonTypes = ::testing::Types<TbsSkinButton, TbsSkinSpeedButton>;
TYPED_TEST_SUITE(ButtonPressTest, ButtonTypes);

TYPED_TEST(ButtonPressTest, ClicksOnlyWhenReleasedOverTheButton)
{
    Press(this->button);
    Release(this->button);
    EXPECT_EQ(this->clicks, 1);

    Press(this->button);
    Move(this->button, QPoint(200, 200));
    Release(this->button, QPoint(200, 200));
    EXPECT_EQ(this->clicks, 1);

    // Dragging back over the button before releasing clicks after all.
    Press(this->button);
    Move(this->button, QPoint(200, 200));
    Move(this->button, QPoint(6, 6));
    Release(this->button, QPoint(6, 6));
    EXPECT_EQ(this->clicks, 2);
}

} // namespace

TEST(SkinButton, SpaceAndEnterClickAndTheModalResultEndsTheDialog)
{
    QDialog dialog;
    auto* button = new TbsSkinButton(&dialog);
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    button->SetModalResult(mrCancel);
    EXPECT_EQ(button->size(), QSize(75, 25));
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dialog.result(), mrCancel);
}

TEST(SkinSpeedButton, GroupKeepsOneButtonDownUnlessAllUpIsAllowed)
{
    QWidget window;
    TbsSkinSpeedButton a(&window), b(&window);
    for (TbsSkinSpeedButton* button : {&a, &b})
        button->SetGroupIndex(1);
    int clicks = 0;
    a.OnClick = [&] { ++clicks; };
    Press(&a);
    Release(&a);
    EXPECT_TRUE(a.Down());
    EXPECT_EQ(clicks, 1);
    Press(&b);
    Release(&b);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    // The down button stays down when pressed again...
    Press(&b);
    Release(&b);
    EXPECT_TRUE(b.Down());
    // ...unless the group allows all buttons up.
    b.SetAllowAllUp(true);
    Press(&b);
    Release(&b);
    EXPECT_FALSE(b.Down());
}

TEST(SkinSpeedButton, FlatTransparentButtonShowsItsFaceOnlyUnderThePointer)
{
    QWidget window;
    window.resize(100, 100);
    TbsSkinSpeedButton button(&window);
    button.SetFlat(true);
    button.resize(40, 40);
    window.show();
    const QColor hotFrame(59, 107, 183);
    EXPECT_NE(button.grab().toImage().pixelColor(0, 0), hotFrame);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.grab().toImage().pixelColor(0, 0), hotFrame);
    EXPECT_EQ(button.grab().toImage().pixelColor(20, 1), QColor(193, 212, 243));
}

// The default look's hot and pressed faces are light blue in every palette: under a dark palette,
// whose button text is light, the text on them is still dark; on the plain face it keeps the
// palette's colour.
TYPED_TEST(ButtonPressTest, TextOnTheLightBlueFacesStaysDarkUnderADarkPalette)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Button, QColor(40, 40, 45));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    this->button->SetCaption(QStringLiteral("OK"));
    this->button->resize(75, 25);
    const auto darkestLightness = [this] {
        const QImage image = this->button->grab().toImage();
        int darkest = 255;
        // The text lies well inside the one-pixel frame.
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 4; x < image.width() - 4; ++x)
                darkest = std::min(darkest, image.pixelColor(x, y).lightness());
        return darkest;
    };
    EXPECT_GT(darkestLightness(), 35); // the plain face: light text on a dark face
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(this->button, &enter);
    EXPECT_LT(darkestLightness(), 100);
    QApplication::setPalette(before);
}
