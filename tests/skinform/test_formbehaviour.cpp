// The skinned window in use with the program's skin: where the frame moves and sizes, dragging
// and sizing without a window manager, the window states, roll-up, the caption double-click,
// snapping to the work area, the fade-in and the system menu.
#include "EmbeddedSkinRepository.h"
#include "../skinctrls/FakeClock.h"
#include "EmbeddedSkin.h"
#include "TForm.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown window of 400 x 300 with the program's skin at (AX, AY).
struct Window {
    explicit Window(TbsSkinData* ASkin, int AX = 100, int AY = 120)
    {
        form.SetClientSize(398, 275);
        skinForm = new TbsSkinForm(&form);
        skinForm->SetSkinData(ASkin);
        form.Show();
        form.move(AX, AY);
    }
    ~Window() { form.hide(); }
    QRect Rect(const char* AName) const
    {
        const TbsActiveSkinObject* o = skinForm->FindObject(QString::fromLatin1(AName));
        return o && o->Visible ? o->ObjectRect : QRect();
    }
    // A point of the caption for the window's size now, away from the buttons.
    QPoint Caption() const { return skinForm->CaptionObject()->ObjectRect.center(); }
    // Presses at local point AFrom and drags the pointer by each of ASteps in turn (screen pixels).
    void Press(const QPoint& AFrom)
    {
        pointer = form.mapToGlobal(AFrom);
        QTest::mousePress(&form, Qt::LeftButton, {}, AFrom);
    }
    void DragBy(const QPoint& ADelta)
    {
        pointer += ADelta;
        QTest::mouseMove(&form, form.mapFromGlobal(pointer));
    }
    void Release() { QTest::mouseRelease(&form, Qt::LeftButton, {}, form.mapFromGlobal(pointer)); }
    QStringList SysMenuCaptions()
    {
        QStringList captions;
        TMenuItem* items = skinForm->GetSysMenuItems();
        for (int i = 0; i < items->Count(); ++i)
            captions << items->Items(i)->Caption;
        return captions;
    }

    TForm form;
    TbsSkinForm* skinForm;
    QPoint pointer;
};

class FormBehaviour : public ::testing::Test {
protected:
    static void SetUpTestSuite() { skin = OurSkin().release(); }
    static void TearDownTestSuite()
    {
        delete skin;
        skin = nullptr;
    }
    static QRect WorkArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static TbsSkinData* skin;
};
TbsSkinData* FormBehaviour::skin = nullptr;

struct HitCase {
    const char* name;
    QPoint point;
    int code;
};

} // namespace

TEST_F(FormBehaviour, HitTestCodesAtTheEdgesAndCornersOfA400By300Window)
{
    Window w(skin);
    ASSERT_EQ(w.form.size(), QSize(400, 300));
    // The corner zones reach 6 pixels in and 7 down ("hittestlefttoppoint" 6,7); the border that
    // sizes is the outermost pixel ("borderwidth" 1).
    const HitCase cases[] = {
        {"top-left pixel", {0, 0}, HTTOPLEFT},
        {"top edge 6 in", {6, 0}, HTTOPLEFT},
        {"top edge 7 in", {7, 0}, HTTOP},
        {"left edge 7 down", {0, 7}, HTTOPLEFT},
        {"left edge 8 down", {0, 8}, HTLEFT},
        {"left edge halfway", {0, 150}, HTLEFT},
        {"one pixel in from the left edge", {1, 150}, HTCLIENT},
        {"top-right pixel", {399, 0}, HTTOPRIGHT},
        {"top edge 6 in from the right", {393, 0}, HTTOP},
        {"right edge 8 down", {399, 8}, HTRIGHT},
        {"bottom-left pixel", {0, 299}, HTBOTTOMLEFT},
        {"left edge 7 above the bottom", {0, 293}, HTBOTTOMLEFT},
        {"left edge 8 above the bottom", {0, 292}, HTLEFT},
        {"bottom edge 7 in", {7, 299}, HTBOTTOM},
        {"bottom-right pixel", {399, 299}, HTBOTTOMRIGHT},
        {"right edge 8 above the bottom", {399, 292}, HTRIGHT},
        {"bottom edge 7 in from the right", {392, 299}, HTBOTTOM},
        {"caption", w.Caption(), HTCAPTION},
        {"client area", {200, 150}, HTCLIENT},
        {"close button", w.Rect("closebutton").center(), HTOBJECT},
        {"system-menu button", w.Rect("sysmenubutton").center(), HTOBJECT},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(w.skinForm->HitTest(c.point), c.code) << c.name;
}

TEST_F(FormBehaviour, SizingCursorsFollowTheHitTestAndStopAtTheClientArea)
{
    Window w(skin);
    const std::pair<QPoint, Qt::CursorShape> cases[] = {
        {{0, 150}, Qt::SizeHorCursor},     {{200, 0}, Qt::SizeVerCursor},   {{1, 0}, Qt::SizeFDiagCursor},
        {{399, 299}, Qt::SizeFDiagCursor}, {{399, 0}, Qt::SizeBDiagCursor}, {{150, 12}, Qt::ArrowCursor},
    };
    for (const auto& [point, shape] : cases) {
        QTest::mouseMove(&w.form, point);
        EXPECT_EQ(w.form.cursor().shape(), shape) << point.x() << "," << point.y();
    }
    EXPECT_EQ(w.form.ClientWidget()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormBehaviour, MaximizedOrRolledUpTheEdgesNoLongerSize)
{
    Window w(skin);
    w.skinForm->SetWindowState(wsMaximized);
    EXPECT_EQ(w.skinForm->HitTest(QPoint(0, 150)), HTOBJECT);
    EXPECT_EQ(w.skinForm->HitTest(QPoint(150, 12)), HTCAPTION);
    w.skinForm->SetWindowState(wsNormal);
    w.skinForm->SetRollUpState(true);
    EXPECT_EQ(w.skinForm->HitTest(QPoint(150, 12)), HTCAPTION);
    EXPECT_EQ(w.skinForm->HitTest(QPoint(0, 12)), HTOBJECT);
    EXPECT_EQ(w.skinForm->HitTest(QPoint(200, 24)), HTOBJECT);
}

TEST_F(FormBehaviour, WithoutAWindowManagerTheCaptionDragMovesTheWindow)
{
    Window w(skin);
    w.Press(w.Caption());
    w.DragBy(QPoint(30, 0));
    w.DragBy(QPoint(0, 25));
    w.Release();
    EXPECT_EQ(w.form.pos(), QPoint(130, 145));
    EXPECT_EQ(w.form.size(), QSize(400, 300));
}

TEST_F(FormBehaviour, AMaximizedWindowCannotBeDragged)
{
    Window w(skin);
    w.skinForm->SetWindowState(wsMaximized);
    const QRect maximized = w.form.geometry();
    w.Press(w.Caption());
    w.DragBy(QPoint(40, 30));
    w.Release();
    EXPECT_EQ(w.form.geometry(), maximized);
    EXPECT_EQ(w.skinForm->WindowState(), wsMaximized);
}

TEST_F(FormBehaviour, TheCornerSizesTheWindowDownToTheSkinsMinimumOf200By25)
{
    Window w(skin);
    w.Press(QPoint(399, 299));
    w.DragBy(QPoint(50, 40));
    EXPECT_EQ(w.form.geometry(), QRect(100, 120, 450, 340));
    EXPECT_EQ(w.form.ClientWidget()->size(), QSize(448, 315));
    w.DragBy(QPoint(-600, -600));
    w.Release();
    EXPECT_EQ(w.form.geometry(), QRect(100, 120, 200, 25));
    // The top-left corner keeps the bottom-right one where it is.
    Window v(skin);
    v.Press(QPoint(0, 1));
    v.DragBy(QPoint(-20, -10));
    v.Release();
    EXPECT_EQ(v.form.geometry(), QRect(80, 110, 420, 310));
}

TEST_F(FormBehaviour, SizeLimitsFromTheSkinAndTheProperties)
{
    Window w(skin);
    EXPECT_EQ(w.skinForm->GetMinWidth(), 200);
    EXPECT_EQ(w.skinForm->GetMinHeight(), 25);
    EXPECT_EQ(w.form.minimumSize(), QSize(200, 25));
    EXPECT_EQ(w.skinForm->GetMaxWidth(), WorkArea().width());
    w.skinForm->MinWidth = 300;
    w.skinForm->MinHeight = 100;
    w.skinForm->MaxHeight = 500;
    EXPECT_EQ(w.skinForm->GetMinWidth(), 300);
    EXPECT_EQ(w.skinForm->GetMinHeight(), 100);
    EXPECT_EQ(w.skinForm->GetMaxHeight(), 500);
    // A caption bar keeps the skin's height whatever MinHeight says, and a minimized one its width.
    w.skinForm->SetRollUpState(true);
    EXPECT_EQ(w.form.height(), 25);
    w.skinForm->SetRollUpState(false);
    w.skinForm->SetWindowState(wsMinimized);
    EXPECT_EQ(w.form.size(), QSize(200, 25));
}

struct DblClickCase {
    const char* name;
    TbsBorderIcons icons;
    TbsWindowState before;
    bool rolledBefore;
    TbsWindowState after;
    bool rolledAfter;
};

TEST_F(FormBehaviour, CaptionDoubleClickRules)
{
    const TbsBorderIcons all = biSystemMenu | biMinimize | biMaximize | biRollUp;
    const DblClickCase cases[] = {
        {"normal window maximizes", all, wsNormal, false, wsMaximized, false},
        {"maximized window restores", all, wsMaximized, false, wsNormal, false},
        {"minimized bar restores", all, wsMinimized, false, wsNormal, false},
        {"without maximize it rolls up", biSystemMenu | biRollUp, wsNormal, false, wsNormal, true},
        {"and rolls down again", biSystemMenu | biRollUp, wsNormal, true, wsNormal, false},
        {"a rolled-up window with maximize rolls down", all, wsNormal, true, wsNormal, false},
    };
    for (const DblClickCase& c : cases) {
        Window w(skin);
        w.skinForm->SetBorderIcons(c.icons);
        w.skinForm->SetRollUpState(c.rolledBefore);
        w.skinForm->SetWindowState(c.before);
        QTest::mouseDClick(&w.form, Qt::LeftButton, {}, w.Caption());
        EXPECT_EQ(w.skinForm->WindowState(), c.after) << c.name;
        EXPECT_EQ(w.skinForm->RollUpState(), c.rolledAfter) << c.name;
    }
}

TEST_F(FormBehaviour, MaximizeFillsTheWorkAreaAndRestoreBringsTheBoundsBack)
{
    Window w(skin);
    const QRect normal = w.form.geometry();
    w.skinForm->SetWindowState(wsMaximized);
    QRect expected = WorkArea();
    if (expected == QGuiApplication::primaryScreen()->geometry())
        expected.adjust(1, 1, -1, -1);
    EXPECT_EQ(w.form.geometry(), expected);
    EXPECT_FALSE(w.form.isMaximized()) << "the platform window stays normal";
    w.skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(w.form.geometry(), normal);
}

TEST_F(FormBehaviour, RollUpLeavesA25PixelBarAndRollDownGivesTheOldHeightBack)
{
    Window w(skin);
    w.skinForm->SetRollUpState(true);
    EXPECT_TRUE(w.skinForm->RollUpState());
    EXPECT_EQ(w.form.geometry(), QRect(100, 120, 400, 25));
    w.skinForm->SetRollUpState(false);
    EXPECT_EQ(w.form.geometry(), QRect(100, 120, 400, 300));
    // Without the roll-up icon nothing happens.
    w.skinForm->SetBorderIcons(biSystemMenu | biMaximize);
    w.skinForm->SetRollUpState(true);
    EXPECT_FALSE(w.skinForm->RollUpState());
    EXPECT_EQ(w.form.height(), 300);
}

TEST_F(FormBehaviour, TwoSkinMinimizedWindowsLieSideBySideInTheBottomLeftRow)
{
    const QRect R = WorkArea();
    Window a(skin, 50, 60), b(skin, 300, 200);
    a.skinForm->SetWindowState(wsMinimized);
    b.skinForm->SetWindowState(wsMinimized);
    const int bottom = R.top() + R.height();
    EXPECT_EQ(a.form.geometry(), QRect(R.left(), bottom - 25, 200, 25));
    EXPECT_EQ(b.form.geometry(), QRect(R.left() + 200, bottom - 25, 200, 25));
    EXPECT_FALSE(a.form.isMinimized()) << "the bar is the skin's, not the platform's";
    a.skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(a.form.geometry(), QRect(50, 60, 400, 300));
    // The freed place is the first one again.
    Window c(skin);
    c.skinForm->SetWindowState(wsMinimized);
    EXPECT_EQ(c.form.pos(), QPoint(R.left(), bottom - 25));
}

TEST_F(FormBehaviour, MinimizedBarsFillTheRowThenTheRowAbove)
{
    const QRect R = WorkArea();
    const int perRow = R.width() / 200;
    std::vector<std::unique_ptr<Window>> windows;
    for (int i = 0; i <= perRow; ++i) {
        windows.push_back(std::make_unique<Window>(skin));
        windows.back()->skinForm->SetWindowState(wsMinimized);
    }
    const int bottom = R.top() + R.height();
    EXPECT_EQ(windows[size_t(perRow - 1)]->form.pos(), QPoint(R.left() + (perRow - 1) * 200, bottom - 25));
    EXPECT_EQ(windows[size_t(perRow)]->form.pos(), QPoint(R.left(), bottom - 50));
}

TEST_F(FormBehaviour, CaptionButtonsRunTheirCommands)
{
    Window w(skin);
    const QPoint maximize = w.Rect("maximizebutton").center();
    QTest::mouseMove(&w.form, maximize);
    QTest::mouseClick(&w.form, Qt::LeftButton, {}, maximize);
    EXPECT_EQ(w.skinForm->WindowState(), wsMaximized);
    const QPoint restore = w.Rect("maximizebutton").center();
    QTest::mouseMove(&w.form, restore);
    QTest::mouseClick(&w.form, Qt::LeftButton, {}, restore);
    EXPECT_EQ(w.skinForm->WindowState(), wsNormal);
    // Pressed, then released after the pointer left it: nothing.
    const QPoint minimize = w.Rect("minimizebutton").center();
    QTest::mouseMove(&w.form, minimize);
    QTest::mousePress(&w.form, Qt::LeftButton, {}, minimize);
    QTest::mouseMove(&w.form, QPoint(150, 12));
    QTest::mouseRelease(&w.form, Qt::LeftButton, {}, QPoint(150, 12));
    EXPECT_EQ(w.skinForm->WindowState(), wsNormal);
    EXPECT_EQ(w.form.pos(), QPoint(100, 120)) << "a press on a button starts no move";
    QTest::mouseMove(&w.form, minimize);
    QTest::mouseClick(&w.form, Qt::LeftButton, {}, minimize);
    EXPECT_EQ(w.skinForm->WindowState(), wsMinimized);
}

struct SnapCase {
    const char* name;
    int dx; // pointer moves from a window at left 50
    int left;
};

TEST_F(FormBehaviour, MagneticSnappingToTheWorkAreaEdge)
{
    const QRect R = WorkArea();
    const SnapCase cases[] = {
        {"4 pixels from the left edge snaps", R.left() - 50 + 4, R.left()},
        {"5 pixels from the left edge does not", R.left() - 50 + 5, R.left() + 5},
        {"4 pixels beyond the left edge snaps", R.left() - 50 - 4, R.left()},
    };
    for (const SnapCase& c : cases) {
        Window w(skin, 50, 150);
        w.skinForm->Magnetic = true;
        w.skinForm->MagneticSize = 5;
        w.Press(w.Caption());
        w.DragBy(QPoint(c.dx, 0));
        EXPECT_EQ(w.form.x(), c.left) << c.name;
        w.Release();
    }
    // Stuck at the edge it stays until the pointer has moved on by more than 5 pixels.
    Window w(skin, 50, 150);
    w.skinForm->Magnetic = true;
    w.Press(w.Caption());
    w.DragBy(QPoint(R.left() - 50 + 4, 0));
    ASSERT_EQ(w.form.x(), R.left());
    w.DragBy(QPoint(-5, 0));
    EXPECT_EQ(w.form.x(), R.left());
    w.DragBy(QPoint(-1, 0));
    EXPECT_EQ(w.form.x(), R.left() - 6);
    w.Release();
    // The bottom edge of the work area attracts the window's bottom edge.
    Window v(skin, 50, 150);
    v.skinForm->Magnetic = true;
    v.Press(v.Caption());
    v.DragBy(QPoint(0, R.top() + R.height() - 300 - 150 - 3));
    EXPECT_EQ(v.form.y() + v.form.height(), R.top() + R.height());
    v.Release();
}

TEST_F(FormBehaviour, FadeInStepsToTheAlphaBlendValue)
{
    struct FadeCase {
        const char* name;
        bool alphaBlend;
        std::vector<int> steps;
        double endOpacity;
    };
    std::vector<int> to200, to255;
    for (int i = 1; i <= 15; ++i) {
        to200.push_back(13 * i);
        to255.push_back(17 * i);
    }
    to200.push_back(200);
    const FadeCase cases[] = {
        {"AlphaBlend 200: 15 steps of 13, then one to 200", true, to200, 200 / 255.0},
        {"animation alone: steps of 17 up to opaque", false, to255, 1.0},
    };
    for (const FadeCase& c : cases) {
        TFakeClock clock;
        TForm form;
        form.SetClientSize(300, 200);
        auto* skinForm = new TbsSkinForm(&form);
        skinForm->SetSkinData(skin);
        skinForm->SetAlphaBlendValue(200);
        skinForm->SetAlphaBlend(c.alphaBlend);
        skinForm->AlphaBlendAnimation = true;
        form.Show();
        EXPECT_EQ(skinForm->CurrentAlphaValue(), 0) << c.name;
        clock.Advance(1);
        std::vector<int> seen;
        for (int i = 0; i < 20; ++i) {
            clock.Advance(6);
            if (seen.empty() || seen.back() != skinForm->CurrentAlphaValue())
                seen.push_back(skinForm->CurrentAlphaValue());
        }
        EXPECT_EQ(seen, c.steps) << c.name;
        EXPECT_DOUBLE_EQ(form.windowOpacity(), c.endOpacity) << c.name;
    }
}

TEST_F(FormBehaviour, AlphaBlendWithoutAnimationSetsTheOpacityAtOnce)
{
    TFakeClock clock;
    Window w(skin);
    w.skinForm->SetAlphaBlend(true);
    EXPECT_EQ(w.skinForm->CurrentAlphaValue(), 200);
    w.skinForm->SetAlphaBlendValue(120);
    EXPECT_EQ(w.skinForm->CurrentAlphaValue(), 120);
    w.skinForm->SetAlphaBlend(false);
    EXPECT_EQ(w.skinForm->CurrentAlphaValue(), 255);
}

TEST_F(FormBehaviour, SystemMenuItemsForEachWindowState)
{
    Window w(skin);
    const QString min = QStringLiteral("Mi&nimize"), max = QStringLiteral("Ma&ximize"),
                  restore = QStringLiteral("&Restore"), rollUp = QStringLiteral("Ro&llUp"),
                  line = QStringLiteral("-"), close = QStringLiteral("&Close");
    EXPECT_EQ(w.SysMenuCaptions(), QStringList({min, max, rollUp, line, close}));
    TMenuItem* items = w.skinForm->GetSysMenuItems();
    EXPECT_EQ(items->Items(items->Count() - 1)->ShortCut, QKeySequence(QStringLiteral("Alt+F4")));
    EXPECT_EQ(items->Items(0)->objectName(), QStringLiteral("BSF_MINITEM"));
    w.skinForm->SetWindowState(wsMaximized);
    EXPECT_EQ(w.SysMenuCaptions(), QStringList({min, restore, rollUp, line, close}));
    w.skinForm->SetWindowState(wsNormal);
    w.skinForm->SetRollUpState(true);
    EXPECT_EQ(w.SysMenuCaptions(), QStringList({min, max, restore, line, close}));
    w.skinForm->SetRollUpState(false);
    w.skinForm->SetWindowState(wsMinimized);
    EXPECT_EQ(w.SysMenuCaptions(), QStringList({max, restore, line, close}));
    w.skinForm->SetBorderIcons(biSystemMenu);
    EXPECT_EQ(w.SysMenuCaptions(), QStringList({restore, line, close}));
}

TEST_F(FormBehaviour, SystemMenuCommandsActOnTheWindow)
{
    Window w(skin);
    auto run = [&](const char* AName) {
        TMenuItem* items = w.skinForm->GetSysMenuItems();
        for (int i = 0; i < items->Count(); ++i)
            if (items->Items(i)->objectName() == QLatin1String(AName))
                items->Items(i)->Click();
    };
    run("BSF_ROLLUP");
    EXPECT_TRUE(w.skinForm->RollUpState());
    run("BSF_RESTORE");
    EXPECT_FALSE(w.skinForm->RollUpState());
    EXPECT_EQ(w.form.height(), 300);
    run("BSF_MAXITEM");
    EXPECT_EQ(w.skinForm->WindowState(), wsMaximized);
    // Rolled up while maximized, the restore item rolls down and the window stays maximized.
    run("BSF_ROLLUP");
    EXPECT_EQ(w.form.height(), 25);
    run("BSF_RESTORE");
    EXPECT_EQ(w.skinForm->WindowState(), wsMaximized);
    EXPECT_GT(w.form.height(), 300);
    run("BSF_RESTORE");
    EXPECT_EQ(w.skinForm->WindowState(), wsNormal);
    EXPECT_EQ(w.form.geometry(), QRect(100, 120, 400, 300));
    run("BSF_CLOSE");
    EXPECT_FALSE(w.form.isVisible());
}

TEST_F(FormBehaviour, SystemMenuOpensBelowItsButtonAndClosesWhenTheWindowMoves)
{
    Window w(skin);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
    const QRect button = w.Rect("sysmenubutton");
    QTest::mouseMove(&w.form, button.center());
    QTest::mousePress(&w.form, Qt::LeftButton, {}, button.center());
    ASSERT_TRUE(w.skinForm->SkinMenu()->Visible());
    QTest::mouseRelease(&w.form, Qt::LeftButton, {}, button.center());
    EXPECT_TRUE(w.skinForm->SkinMenu()->Visible()) << "releasing the button leaves its menu open";
    TbsSkinPopupWindow* popup = w.skinForm->SkinMenu()->PopupWindow(0);
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->pos(), w.form.pos() + QPoint(button.left(), button.top() + button.height()));
    EXPECT_EQ(popup->ItemCount(), 5);
    w.skinForm->CloseSkinMenus();
    EXPECT_FALSE(w.skinForm->SkinMenu()->Visible());
    auto* sysButton =
        dynamic_cast<TbsSkinButtonObject*>(w.skinForm->FindObject(QStringLiteral("sysmenubutton")));
    ASSERT_TRUE(sysButton);
    EXPECT_FALSE(sysButton->FDown) << "the button comes up when its menu closes";
    // A right click on the caption opens it at the pointer; moving the window closes it.
    QTest::mouseClick(&w.form, Qt::RightButton, {}, w.Caption());
    ASSERT_TRUE(w.skinForm->SkinMenu()->Visible());
    EXPECT_EQ(w.skinForm->SkinMenu()->PopupWindow(0)->pos(), w.form.mapToGlobal(w.Caption()));
    w.form.move(150, 150);
    EXPECT_FALSE(w.skinForm->SkinMenu()->Visible());
    // So does a press on the frame.
    QTest::mouseClick(&w.form, Qt::RightButton, {}, w.Caption());
    ASSERT_TRUE(w.skinForm->SkinMenu()->Visible());
    QTest::mousePress(&w.form, Qt::LeftButton, {}, QPoint(0, 150));
    EXPECT_FALSE(w.skinForm->SkinMenu()->Visible());
    QTest::mouseRelease(&w.form, Qt::LeftButton, {}, QPoint(0, 150));
}

TEST_F(FormBehaviour, AltSpaceOpensTheSystemMenuAndItsItemsRunFromTheKeyboard)
{
    Window w(skin);
    QApplication::setActiveWindow(&w.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    QTest::keyClick(&w.form, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(w.skinForm->SkinMenu()->Visible());
    TbsSkinPopupWindow* popup = w.skinForm->SkinMenu()->PopupWindow(0);
    ASSERT_TRUE(popup);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(w.skinForm->WindowState(), wsMaximized);
    EXPECT_FALSE(w.skinForm->SkinMenu()->Visible());
}
