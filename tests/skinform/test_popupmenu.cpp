// Skinned popup menus with the program's skin and in the default look: size, placement on the work
// area, sub-menus, scrolling, keyboard and pointer, closing, and what they leave alone (the
// focused editor, the skin's records).
#include "EmbeddedSkinRepository.h"
#include "../skinctrls/FakeClock.h"
#include "EmbeddedSkin.h"
#include "SkinMessage.h"
#include "TForm.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"
#include "bsSkinMenus.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

TbsDataSkinMenuItem* MenuItemObject(TbsSkinData& skin)
{
    for (const std::unique_ptr<TbsDataSkinObject>& object : skin.ObjectList)
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get()))
            return item;
    return nullptr;
}

// Records the skin messages and paint regions a widget receives.
class TEventLog : public QObject {
public:
    explicit TEventLog(QObject* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (TbsSkinMessageEvent* message = TbsSkinMessageEvent::From(event))
            messages.push_back(message->Msg());
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        if (event->type() == QEvent::FocusOut)
            ++focusOuts;
        return false;
    }
    std::vector<int> messages;
    QRegion painted;
    int focusOuts = 0;
};

// The archive window's tree menu (seven commands and a separator, the third command disabled) on
// a skinned window, with every command recorded.
class PopupMenuTest : public ::testing::Test {
public:
    explicit PopupMenuTest(TbsSkinData* ASkin = nullptr)
    {
        form.SetClientSize(300, 200);
        skinForm = new TbsSkinForm(&form);
        skinForm->SetSkinData(ASkin);
        menu = new TbsSkinPopupMenu(&form);
        const char* captions[] = {"添加主部门", "添加分部门", "删除", "刷新",
                                  "-",          "展开",       "叠起", "查询所有"};
        for (const char* caption : captions) {
            const QString text = QString::fromUtf8(caption);
            menu->Items()->Add("", text, [this, text] { run.append(text); });
        }
        menu->Items()->Items(2)->Enabled = false;
        menu->OnMenuClose = [this] { ++closed; };
    }

    TbsSkinPopupWindow* Window(int level = 0) const { return menu->Menu()->PopupWindow(level); }
    QString ActiveCaption(int level = 0) const
    {
        const TbsSkinPopupWindow* w = Window(level);
        return w->ActiveItem() < 0 ? QString() : w->Item(w->ActiveItem()).MenuItem->Caption;
    }
    QPoint ItemCentre(int index, int level = 0) const
    {
        return Window(level)->Item(index).ObjectRect.center();
    }
    int WidestCaption() const
    {
        int widest = 0;
        for (int i = 0; i < menu->Items()->Count(); ++i)
            widest = std::max(
                widest,
                QFontMetrics(Window()->font()).horizontalAdvance(menu->Items()->Items(i)->PlainCaption()));
        return widest;
    }
    QRect WorkArea() const { return menu->Menu()->WorkArea; }

    TFakeClock clock;
    TForm form;
    TbsSkinForm* skinForm;
    TbsSkinPopupMenu* menu;
    QStringList run;
    int closed = 0;
};

class OurSkinMenuTest : public PopupMenuTest {
protected:
    OurSkinMenuTest() : PopupMenuTest(Skin()) {}
    static TbsSkinData* Skin()
    {
        static std::unique_ptr<TbsSkinData> skin = OurSkin();
        return skin.get();
    }
};

// Moves the pointer to point of window. The platform drops a move to where the pointer already is,
// so it passes over two corner pixels of the frame (which point at no item) first.
void PointAt(QWidget* window, const QPoint& point)
{
    QTest::mouseMove(window, QPoint(0, 0));
    QTest::mouseMove(window, QPoint(1, 0));
    QTest::mouseMove(window, point);
}

struct PlaceCase {
    const char* name;
    QRect R;
    QSize size;
    TbsMenuPlacement how;
    QPoint expected;
};

TbsMenuPlacement Up()
{
    TbsMenuPlacement how;
    how.PopupUp = true;
    return how;
}

TbsMenuPlacement ByItem(int itemsTop)
{
    TbsMenuPlacement how;
    how.ByItem = true;
    how.ItemsTop = itemsTop;
    return how;
}

} // namespace

TEST(TbsSkinPopupWindow, PlacesTheMenuOnTheWorkArea)
{
    const QRect A(0, 0, 1000, 800);
    const QSize menu(161, 148), tall(161, 500), full(161, 800);
    TbsMenuPlacement fullHeight;
    fullHeight.FullHeight = true;
    const QRect item(300, 100, 150, 22);
    const std::vector<PlaceCase> cases = {
        {"below the point when it fits", QRect(100, 200, 0, 0), menu, {}, QPoint(100, 200)},
        {"upper half but too low: pushed up to end at the bottom, beside the point",
         QRect(100, 350, 0, 0),
         tall,
         {},
         QPoint(101, 800 - 500)},
        {"lower half: above the point", QRect(100, 700, 0, 0), menu, {}, QPoint(100, 700 - 148)},
        {"lower half and no room above: at the top, beside the point",
         QRect(100, 450, 0, 0),
         tall,
         {},
         QPoint(101, 0)},
        {"exactly room above in the lower half: above, not pushed",
         QRect(100, 500, 0, 0),
         tall,
         {},
         QPoint(100, 0)},
        {"too far right: moved left onto the work area",
         QRect(950, 100, 0, 0),
         menu,
         {},
         QPoint(1000 - 161, 100)},
        {"left of the work area: moved right onto it", QRect(-20, 100, 0, 0), menu, {}, QPoint(0, 100)},
        {"pushed near the right edge: left of the point",
         QRect(900, 350, 0, 0),
         tall,
         {},
         QPoint(900 - 161 - 1, 300)},
        {"popup up when there is room above", QRect(100, 300, 0, 0), menu, Up(), QPoint(100, 300 - 148)},
        {"popup up near the top in the upper half: below", QRect(100, 50, 0, 0), menu, Up(), QPoint(100, 50)},
        {"sub-menu: right of the item, first item level with it", item, menu, ByItem(2), QPoint(451, 98)},
        {"sub-menu without room on the right: left of the item", QRect(800, 100, 150, 22), menu, ByItem(2),
         QPoint(800 - 161 - 1, 98)},
        {"sub-menu too low in the upper half: ends at the bottom", QRect(300, 390, 150, 22), tall, ByItem(2),
         QPoint(451, 300)},
        {"sub-menu too low in the lower half: ends level with the item", QRect(300, 700, 150, 22), tall,
         ByItem(2), QPoint(451, 722 + 2 - 500)},
        {"as tall as the work area: at the top, beside the point", QRect(100, 300, 0, 0), full, fullHeight,
         QPoint(101, 0)},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TbsSkinPopupWindow::MenuPosition(c.R, c.size, A, c.how), c.expected);
    }
}

TEST_F(PopupMenuTest, OpensWithTheDefaultLooksSizeAndTheFirstCommandHighlighted)
{
    menu->Popup(100, 100);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_FALSE(Window()->SkinFrame());
    EXPECT_FALSE(Window()->SkinItems());
    EXPECT_EQ(menu->PopupPoint(), QPoint(100, 100));
    // Seven 20-pixel items, a 4-pixel separator and 2 pixels of frame above and below.
    EXPECT_EQ(Window()->height(), 7 * 20 + 4 + 4);
    EXPECT_EQ(Window()->width(), 19 + (WidestCaption() + 2) + 19 + 10);
    EXPECT_EQ(ActiveCaption(), QStringLiteral("添加主部门"));
    EXPECT_TRUE(Window()->Item(0).WaitCommand);
}

TEST_F(OurSkinMenuTest, TakesItsSizeFromTheSkin)
{
    menu->Popup(100, 100);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->SkinFrame());
    EXPECT_TRUE(Window()->SkinItems());
    // 22 per command, 3 for the separator and 4 of frame.
    EXPECT_EQ(Window()->height(), 161);
    EXPECT_EQ(Window()->Item(0).ObjectRect, QRect(2, 2, Window()->width() - 4, 22));
    EXPECT_EQ(Window()->Item(4).ObjectRect.height(), 3);
    // Glyph column 19, caption + 2, 19 for short cut and arrow, 31 of the item picture outside
    // its text rectangle (29 + 63 - 61) and 4 of the frame picture outside its items rectangle.
    EXPECT_EQ(Window()->width(), WidestCaption() + 75);
}

TEST_F(OurSkinMenuTest, TheWindowPictureWithoutTheMenuItemObjectAndTheOtherWayRound)
{
    struct Case {
        const char* name;
        bool dropFrame, dropItems;
        int height;
    };
    const Case cases[] = {
        {"no popup picture: items from the skin, default frame", true, false, 7 * 22 + 3 + 4},
        {"no menu item object: skin frame, default items", false, true, 7 * 20 + 4 + 4},
        {"a menu item picture that does not exist: default items", false, false, 7 * 20 + 4 + 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TbsSkinData> skin = OurSkin();
        if (c.dropFrame)
            skin->PopupWindow.WindowPictureIndex = -1;
        if (c.dropItems)
            std::erase_if(skin->ObjectList, [](const std::unique_ptr<TbsDataSkinObject>& o) {
                return dynamic_cast<TbsDataSkinMenuItem*>(o.get()) != nullptr;
            });
        if (!c.dropFrame && !c.dropItems)
            MenuItemObject(*skin)->ActivePictureIndex = 99;
        const TbsDataSkinMenuItem before =
            MenuItemObject(*skin) ? *MenuItemObject(*skin) : TbsDataSkinMenuItem();
        menu->SkinData = skin.get();
        menu->Popup(100, 100);
        ASSERT_NE(Window(), nullptr);
        EXPECT_EQ(Window()->SkinFrame(), !c.dropFrame);
        EXPECT_EQ(Window()->height(), c.height);
        Window()->grab();
        // The repository's record is left as it was, also when its picture is missing.
        if (const TbsDataSkinMenuItem* after = MenuItemObject(*skin)) {
            EXPECT_TRUE(after->SameFields(before)) << after->FirstDifference(before).toStdString();
        }
        menu->Menu()->Hide();
    }
}

TEST_F(OurSkinMenuTest, AHostileMenuItemObjectGivesAMenuThatStillFitsAndRuns)
{
    struct Case {
        const char* name;
        std::function<void(TbsDataSkinMenuItem&)> spoil;
    };
    const Case cases[] = {
        {"items higher than the screen", [](TbsDataSkinMenuItem& i) { i.SkinRect.Bottom = 1 << 30; }},
        {"text rectangle far outside",
         [](TbsDataSkinMenuItem& i) {
             i.TextRct = TRect{-(1 << 30), 0, 1 << 30, 22};
         }},
        {"divider upside down",
         [](TbsDataSkinMenuItem& i) {
             i.DividerRect = TRect{0, 49, 63, 46};
         }},
        {"animation strip outside the picture",
         [](TbsDataSkinMenuItem& i) {
             i.AnimateSkinRect = TRect{5000, 5000, 9000, 9000};
             i.FrameCount = 1 << 30;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TbsSkinData> skin = OurSkin();
        c.spoil(*MenuItemObject(*skin));
        menu->SkinData = skin.get();
        menu->Popup(100, 100);
        ASSERT_NE(Window(), nullptr);
        EXPECT_LE(Window()->height(), WorkArea().height());
        EXPECT_LE(Window()->width(), 4096 + 200);
        Window()->grab();
        QTest::keyClick(Window(), Qt::Key_Down);
        clock.Advance(100);
        QTest::keyClick(Window(), Qt::Key_Escape);
        EXPECT_FALSE(menu->Menu()->Visible());
    }
}

TEST_F(OurSkinMenuTest, PaintingAndHoverLeaveTheSkinsRecordAsItWas)
{
    const TbsDataSkinMenuItem before = *MenuItemObject(*Skin());
    menu->Popup(100, 100);
    Window()->grab();
    PointAt(Window(), ItemCentre(3));
    Window()->grab();
    EXPECT_TRUE(MenuItemObject(*Skin())->SameFields(before));
}

TEST_F(OurSkinMenuTest, AFrameCountOfZeroOrLessMeansNoAnimation)
{
    menu->Popup(100, 100);
    const QImage plain = Window()->grab().toImage();
    menu->Menu()->Hide();
    for (int frames : {0, -3}) {
        SCOPED_TRACE(frames);
        std::unique_ptr<TbsSkinData> skin = OurSkin();
        TbsDataSkinMenuItem* item = MenuItemObject(*skin);
        item->AnimateSkinRect = TRect{0, 84, 63, 104};
        item->FrameCount = frames;
        menu->SkinData = skin.get();
        menu->Popup(100, 100);
        clock.Advance(200);
        EXPECT_EQ(Window()->grab().toImage(), plain);
        menu->Menu()->Hide();
    }
}

TEST_F(OurSkinMenuTest, HoverRepaintsOnlyTheTwoItemsInvolved)
{
    menu->Popup(100, 100);
    TEventLog log(Window());
    QApplication::processEvents();
    log.painted = QRegion();
    PointAt(Window(), ItemCentre(3));
    QApplication::processEvents();
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    EXPECT_EQ(log.painted, QRegion(Window()->Item(0).ObjectRect) + Window()->Item(3).ObjectRect);
}

TEST_F(PopupMenuTest, KeyTable)
{
    struct Step {
        Qt::Key key;
        const char* expected; // highlighted afterwards
    };
    const Step steps[] = {
        {Qt::Key_Down, "添加分部门"}, {Qt::Key_Down, "刷新"}, // past the disabled "删除"
        {Qt::Key_Down, "展开"},                               // past the separator
        {Qt::Key_Down, "叠起"},       {Qt::Key_Down, "查询所有"},
        {Qt::Key_Down, "添加主部门"},                          // wraps to the first
        {Qt::Key_Up, "查询所有"},                              // and back to the last
        {Qt::Key_Up, "叠起"},         {Qt::Key_Right, "叠起"}, // no sub-menu: nothing
        {Qt::Key_Left, "叠起"},                                // one level: nothing
    };
    menu->Popup(100, 100);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.expected);
        QTest::keyClick(Window(), step.key);
        EXPECT_EQ(ActiveCaption(), QString::fromUtf8(step.expected));
    }
    EXPECT_TRUE(run.isEmpty());
    QTest::keyClick(Window(), Qt::Key_Return);
    EXPECT_EQ(run, QStringList{QStringLiteral("叠起")});
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(menu->Menu()->Visible());
    EXPECT_EQ(menu->Menu()->PopupWindow(0), nullptr);
}

TEST_F(PopupMenuTest, EnterAtOnceRunsTheFirstCommandAndAnAcceleratorRunsItsItem)
{
    menu->Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_Enter);
    EXPECT_EQ(run, QStringList{QStringLiteral("添加主部门")});

    menu->Items()->Items(6)->Caption = QStringLiteral("叠起(&C)");
    menu->Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_C);
    EXPECT_EQ(run.last(), QStringLiteral("叠起"));
    EXPECT_FALSE(menu->Menu()->Visible());
}

TEST_F(PopupMenuTest, EscapeClosesAndTellsTheWindowWithoutRunningAnything)
{
    TEventLog formLog(&form);
    menu->Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_Escape);
    EXPECT_TRUE(run.isEmpty());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(menu->Menu()->Visible());
    EXPECT_EQ(formLog.messages, std::vector<int>{smCloseMenu});
}

TEST_F(PopupMenuTest, WithNothingEnabledTheKeysFindNothingAndStop)
{
    for (int i = 0; i < menu->Items()->Count(); ++i)
        menu->Items()->Items(i)->Enabled = false;
    menu->Popup(100, 100);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->ActiveItem(), -1);
    QTest::keyClick(Window(), Qt::Key_Down);
    QTest::keyClick(Window(), Qt::Key_Up);
    QTest::keyClick(Window(), Qt::Key_Return);
    EXPECT_EQ(Window()->ActiveItem(), -1);
    EXPECT_TRUE(run.isEmpty());
}

TEST_F(PopupMenuTest, PointerHighlightsAndAClickRunsButSeparatorsAndDisabledItemsDoNot)
{
    menu->Popup(100, 100);
    TbsSkinPopupWindow* window = Window();
    PointAt(window, ItemCentre(3));
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    PointAt(window, ItemCentre(4)); // the separator keeps the highlight
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    PointAt(window, ItemCentre(2)); // so does the disabled item
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    QTest::mouseClick(window, Qt::LeftButton, {}, ItemCentre(4));
    QTest::mouseClick(window, Qt::LeftButton, {}, ItemCentre(2));
    QTest::mouseClick(window, Qt::RightButton, {}, ItemCentre(3));
    EXPECT_TRUE(run.isEmpty());
    EXPECT_TRUE(menu->Menu()->Visible());
    QTest::mouseClick(window, Qt::LeftButton, {}, ItemCentre(6));
    EXPECT_EQ(run, QStringList{QStringLiteral("叠起")});
    EXPECT_EQ(closed, 1);
}

TEST_F(PopupMenuTest, TheWheelDoesNothing)
{
    menu->Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_Down);
    QWheelEvent wheel(QPointF(ItemCentre(1)), Window()->mapToGlobal(QPointF(ItemCentre(1))), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Window(), &wheel);
    EXPECT_EQ(ActiveCaption(), QStringLiteral("添加分部门"));
    EXPECT_TRUE(menu->Menu()->Visible());
}

TEST_F(PopupMenuTest, OpeningAgainReplacesTheOpenMenu)
{
    menu->Popup(100, 100);
    menu->Popup(200, 150);
    EXPECT_EQ(closed, 1);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->pos(), QPoint(200, 150));
    menu->Menu()->Hide();
    EXPECT_EQ(closed, 2);
}

TEST_F(PopupMenuTest, AnotherMenuOfTheSameWindowClosesTheOpenOne)
{
    TbsSkinPopupMenu other(&form);
    other.Items()->Add("", QStringLiteral("选择"));
    menu->Popup(100, 100);
    other.Popup(150, 150);
    EXPECT_FALSE(menu->Menu()->Visible());
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(other.Menu()->Visible());
    other.Menu()->Hide();
}

TEST_F(PopupMenuTest, ClosesOnTheMessagesThatCloseMenus)
{
    struct Case {
        const char* name;
        std::function<void(PopupMenuTest&)> act;
    };
    const Case cases[] = {
        {"close-menu message", [](PopupMenuTest& t) { SendSkinMessage(t.Window(), smCloseMenu); }},
        {"skin about to change", [](PopupMenuTest& t) { SendSkinMessage(t.Window(), smBeforeSkinChange); }},
        {"click in the window",
         [](PopupMenuTest& t) { QTest::mouseClick(&t.form, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"window moved", [](PopupMenuTest& t) { t.form.move(t.form.pos() + QPoint(7, 3)); }},
        {"window hidden", [](PopupMenuTest& t) { t.form.hide(); }},
    };
    int expectedClosed = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.show();
        menu->Popup(100, 100);
        ASSERT_TRUE(menu->Menu()->Visible());
        c.act(*this);
        EXPECT_FALSE(menu->Menu()->Visible());
        EXPECT_EQ(closed, ++expectedClosed);
    }
}

TEST_F(PopupMenuTest, TheFocusedEditorKeepsTheFocusButNotTheKeys)
{
    auto* editor = new QLineEdit(form.ClientWidget());
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    editor->setFocus();
    ASSERT_TRUE(editor->hasFocus());
    TEventLog editorLog(editor);
    menu->Popup(100, 100);
    QApplication::processEvents();
    EXPECT_TRUE(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClicks(editor, QStringLiteral("xy"));
    EXPECT_EQ(ActiveCaption(), QStringLiteral("添加分部门"));
    EXPECT_TRUE(editor->text().isEmpty());
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(menu->Menu()->Visible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editorLog.focusOuts, 0);
    // Closed, the keys are the editor's again.
    QTest::keyClicks(editor, QStringLiteral("ab"));
    EXPECT_EQ(editor->text(), QStringLiteral("ab"));
}

TEST_F(PopupMenuTest, ASubMenuOpensAfterTheDelayBesideItsItem)
{
    TMenuItem* more = menu->Items()->Items(5);
    more->Add("", QStringLiteral("一级"), [this] { run.append(QStringLiteral("一级")); });
    more->Add("", QStringLiteral("二级"), [this] { run.append(QStringLiteral("二级")); });
    const QRect A = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        int x;
        bool right;
    };
    const Case cases[] = {{"room on the right", A.left() + 50, true},
                          {"no room on the right", A.right() - 60, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        menu->Popup(c.x, A.top() + 50);
        PointAt(Window(), ItemCentre(5));
        clock.Advance(TbsSkinMenu::SubMenuDelay - 1);
        EXPECT_EQ(menu->Menu()->LevelCount(), 1);
        clock.Advance(1);
        ASSERT_EQ(menu->Menu()->LevelCount(), 2);
        TbsSkinPopupWindow* sub = Window(1);
        const QRect item(Window()->mapToGlobal(Window()->Item(5).ObjectRect.topLeft()),
                         Window()->Item(5).ObjectRect.size());
        EXPECT_EQ(sub->y(), item.top() - sub->ItemsRect().top());
        if (c.right)
            EXPECT_EQ(sub->x(), item.left() + item.width() + 1);
        else
            EXPECT_EQ(sub->x(), item.left() - sub->width() - 1);
        EXPECT_TRUE(Window()->Item(5).Down);
        EXPECT_EQ(ActiveCaption(1), QStringLiteral("一级"));
        // Left closes the sub-menu and releases its item; Right opens it again; Escape closes
        // one level at a time.
        QTest::keyClick(sub, Qt::Key_Left);
        EXPECT_EQ(menu->Menu()->LevelCount(), 1);
        EXPECT_FALSE(Window()->Item(5).Down);
        QTest::keyClick(Window(), Qt::Key_Right);
        ASSERT_EQ(menu->Menu()->LevelCount(), 2);
        QTest::keyClick(Window(1), Qt::Key_Escape);
        EXPECT_EQ(menu->Menu()->LevelCount(), 1);
        EXPECT_TRUE(menu->Menu()->Visible());
        QTest::keyClick(Window(), Qt::Key_Right);
        QTest::keyClick(Window(1), Qt::Key_Down);
        QTest::keyClick(Window(1), Qt::Key_Return);
        EXPECT_EQ(run.last(), QStringLiteral("二级"));
        EXPECT_FALSE(menu->Menu()->Visible());
    }
}

TEST_F(PopupMenuTest, KeyboardHighlightingNeverOpensASubMenuAndLeavingCancelsTheWait)
{
    menu->Items()->Items(1)->Add("", QStringLiteral("一级"));
    menu->Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_Down);
    clock.Advance(1000);
    EXPECT_EQ(menu->Menu()->LevelCount(), 1);
    PointAt(Window(), ItemCentre(3));
    PointAt(Window(), ItemCentre(1));
    clock.Advance(300);
    PointAt(Window(), ItemCentre(3));
    clock.Advance(1000);
    EXPECT_EQ(menu->Menu()->LevelCount(), 1);
}

TEST_F(OurSkinMenuTest, AMenuTallerThanTheWorkAreaScrollsFromItsMarkers)
{
    TbsSkinPopupMenu tall(&form);
    for (int i = 0; i < 60; ++i)
        tall.Items()->Add("", QStringLiteral("部门 %1").arg(i));
    tall.Popup(100, 100);
    TbsSkinPopupWindow* window = tall.Menu()->PopupWindow(0);
    const QRect A = tall.Menu()->WorkArea;
    ASSERT_TRUE(window->Scrolling());
    EXPECT_EQ(window->height(), A.height());
    EXPECT_EQ(window->y(), A.top());
    const int shown = window->VisibleCount();
    EXPECT_EQ(shown, (A.height() - 4 - 20) / 22);
    EXPECT_EQ(window->Item(0).ObjectRect.top(), 2 + 10);

    PointAt(window, window->DownMarkerRect().center());
    EXPECT_EQ(window->ScrollCode(), 2);
    clock.Advance(TbsSkinMenu::ScrollInterval - 1);
    EXPECT_EQ(window->VisibleStartIndex(), 0);
    clock.Advance(1);
    EXPECT_EQ(window->VisibleStartIndex(), 1);
    clock.Advance(2 * TbsSkinMenu::ScrollInterval);
    EXPECT_EQ(window->VisibleStartIndex(), 3);
    EXPECT_FALSE(window->Item(0).FVisible);
    EXPECT_EQ(window->Item(3).ObjectRect.top(), 2 + 10);
    // Off the marker the view stays.
    PointAt(window, window->Item(5).ObjectRect.center());
    EXPECT_EQ(window->ScrollCode(), 0);
    clock.Advance(500);
    EXPECT_EQ(window->VisibleStartIndex(), 3);
    // Up the upper marker it goes back, and stops at the top.
    PointAt(window, window->UpMarkerRect().center());
    clock.Advance(10 * TbsSkinMenu::ScrollInterval);
    EXPECT_EQ(window->VisibleStartIndex(), 0);
    EXPECT_EQ(window->ScrollCode(), 0);
    // Up from the first item wraps to the last and the view follows.
    PointAt(window, window->Item(0).ObjectRect.center());
    ASSERT_EQ(window->ActiveItem(), 0);
    QTest::keyClick(window, Qt::Key_Up);
    EXPECT_EQ(window->ActiveItem(), 59);
    EXPECT_TRUE(window->Item(59).FVisible);
    EXPECT_EQ(window->VisibleStartIndex() + window->VisibleCount(), 60);
    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_EQ(window->ActiveItem(), 0);
    EXPECT_EQ(window->VisibleStartIndex(), 0);
    tall.Menu()->Hide();
}

TEST_F(PopupMenuTest, AMenuLongerThanAllowedScrollsInsideThatManyItems)
{
    menu->Menu()->MaxMenuItemsInWindow = 3;
    menu->Popup(100, 100);
    ASSERT_TRUE(Window()->Scrolling());
    EXPECT_EQ(Window()->height(), 3 * 20 + 4 + 20);
    EXPECT_EQ(Window()->pos(), QPoint(100, 100));
    EXPECT_EQ(Window()->VisibleCount(), 3);
}

TEST_F(PopupMenuTest, TheControlThatAskedIsToldOfTheCommandAndTheClose)
{
    QWidget ctrl;
    TEventLog log(&ctrl);
    menu->Menu()->Popup(&ctrl, nullptr, false, menu->Items(), QRect(100, 100, 0, 0));
    QTest::keyClick(Window(), Qt::Key_Return);
    EXPECT_EQ(run, QStringList{QStringLiteral("添加主部门")});
    EXPECT_EQ(log.messages, (std::vector<int>{smCloseMenu, smMenuCommand}));
}

TEST(TbsSkinPopupMenu, AMenuWithoutItemsOrWithoutASkinnedWindowOpensNothing)
{
    TForm form;
    new TbsSkinForm(&form);
    TbsSkinPopupMenu empty(&form);
    empty.Popup(10, 10);
    EXPECT_FALSE(empty.Menu()->Visible());
    EXPECT_EQ(empty.Menu()->PopupWindow(0), nullptr);

    TForm plainForm;
    TbsSkinPopupMenu unframed(&plainForm);
    unframed.Items()->Add("", QStringLiteral("选择"));
    unframed.Popup(10, 10);
    EXPECT_FALSE(unframed.Menu()->Visible());
    TbsSkinPopupMenu orphan;
    orphan.Items()->Add("", QStringLiteral("选择"));
    orphan.Popup(10, 10);
    EXPECT_FALSE(orphan.Menu()->Visible());
}

TEST_F(OurSkinMenuTest, CheckedRadioAndSubMenuItemsShowTheirMarks)
{
    TMenuItem* items = menu->Items();
    items->Items(0)->Checked = true;
    items->Items(1)->Checked = true;
    items->Items(1)->RadioItem = true;
    items->Items(3)->Add("", QStringLiteral("一级"));
    menu->Popup(100, 100);
    TbsSkinPopupWindow* window = Window();
    QTest::keyClick(window, Qt::Key_Down); // nothing highlighted among the items compared
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down);
    ASSERT_EQ(ActiveCaption(), QStringLiteral("叠起"));
    const QImage shot = window->grab().toImage();
    const auto part = [&](int index, int left, int width) {
        const QRect r = window->Item(index).ObjectRect;
        return shot.copy(r.left() + left, r.top(), width, r.height());
    };
    // The image column (5..21 of the item picture) of a checked, a radio and a plain item.
    EXPECT_NE(part(0, 5, 16), part(5, 5, 16));
    EXPECT_NE(part(1, 5, 16), part(5, 5, 16));
    EXPECT_NE(part(0, 5, 16), part(1, 5, 16));
    // The arrow at the right end of an item with a sub-menu.
    const int w = window->Item(3).ObjectRect.width();
    EXPECT_NE(part(3, w - 24, 22), part(5, w - 24, 22));
}

TEST_F(OurSkinMenuTest, AHeaderShowsItsCaptionWithoutTheDashesAndIsNeverHighlighted)
{
    TMenuItem* header = menu->Items()->Items(2); // disabled already
    header->Caption = QStringLiteral("-部门-");
    menu->Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_Down);
    QTest::keyClick(Window(), Qt::Key_Down);
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    const QImage shot = Window()->grab().toImage();
    const QRect r = Window()->Item(2).ObjectRect;
    const QImage row = shot.copy(r);
    // Something is written on it: not one colour.
    bool varied = false;
    for (int x = 0; x < row.width() && !varied; ++x)
        varied = row.pixel(x, row.height() / 2) != row.pixel(0, row.height() / 2);
    EXPECT_TRUE(varied);
}
