// Skinned popup menus in the default look: size, placement on the work area, keyboard and mouse.
#include "bsSkinMenus.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

struct PlaceCase {
    const char* name;
    QRect R;
    QSize size;
    bool popupUp;
    QPoint expected;
};

// A menu of the tree's shape: seven commands and a separator; the third command disabled.
class PopupMenuTest : public ::testing::Test
{
  protected:
    PopupMenuTest()
    {
        const char* captions[] = {"添加主部门", "添加分部门", "删除", "刷新",
                                  "-",          "展开",       "叠起", "查询所有"};
        for (const char* caption : captions) {
            const QString text = QString::fromUtf8(caption);
            menu.Items()->Add("", text, [this, text] { run.append(text); });
        }
        menu.Items()->Items(2)->Enabled = false;
        menu.OnMenuClose = [this] { ++closed; };
    }

    TbsSkinPopupWindow* Window() const { return menu.Menu()->PopupWindow(0); }
    QString ActiveCaption() const { return Window()->Item(Window()->ActiveItem()).MenuItem->Caption; }
    QPoint ItemCentre(int index) const { return Window()->Item(index).ObjectRect.center(); }

    TbsSkinPopupMenu menu;
    QStringList run;
    int closed = 0;
};

} // namespace

TEST(TbsSkinPopupWindow, PlacesTheMenuOnTheWorkArea)
{
    const QRect A(0, 0, 1000, 800);
    const QSize menu(161, 148), tall(161, 500);
    const std::vector<PlaceCase> cases = {
        {"below the point when it fits", QRect(100, 200, 0, 0), menu, false, QPoint(100, 200)},
        {"upper half but too low: pushed up to end at the bottom, beside the point", QRect(100, 350, 0, 0),
         tall, false, QPoint(101, 800 - 500)},
        {"lower half: above the point", QRect(100, 700, 0, 0), menu, false, QPoint(100, 700 - 148)},
        {"too far right: moved left onto the work area", QRect(950, 100, 0, 0), menu, false,
         QPoint(1000 - 161, 100)},
        {"left of the work area: moved right onto it", QRect(-20, 100, 0, 0), menu, false, QPoint(0, 100)},
        {"popup up when there is room above", QRect(100, 300, 0, 0), menu, true, QPoint(100, 300 - 148)},
        {"popup up near the top in the upper half: below", QRect(100, 50, 0, 0), menu, true, QPoint(100, 50)},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TbsSkinPopupWindow::MenuPosition(c.R, c.size, A, c.popupUp), c.expected);
    }
}

TEST_F(PopupMenuTest, OpensWithTheDefaultLooksSizeAndTheFirstCommandHighlighted)
{
    menu.Popup(100, 100);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(menu.PopupPoint(), QPoint(100, 100));
    // Seven 20-pixel items, a 4-pixel separator and 2 pixels of frame above and below.
    EXPECT_EQ(Window()->height(), 7 * 20 + 4 + 4);
    const int widest = QFontMetrics(Window()->font()).horizontalAdvance(QStringLiteral("添加主部门"));
    EXPECT_EQ(Window()->width(), 19 + (widest + 2) + 19 + 10);
    EXPECT_EQ(ActiveCaption(), QStringLiteral("添加主部门"));
}

TEST_F(PopupMenuTest, KeyboardSkipsSeparatorsAndDisabledItemsWrapsAndRunsWithEnter)
{
    menu.Popup(100, 100);
    TbsSkinPopupWindow* window = Window();
    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_EQ(ActiveCaption(), QStringLiteral("添加分部门"));
    QTest::keyClick(window, Qt::Key_Down); // past the disabled "删除"
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    QTest::keyClick(window, Qt::Key_Down); // past the separator
    EXPECT_EQ(ActiveCaption(), QStringLiteral("展开"));
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down); // wraps to the first
    EXPECT_EQ(ActiveCaption(), QStringLiteral("添加主部门"));
    QTest::keyClick(window, Qt::Key_Up); // and back to the last
    EXPECT_EQ(ActiveCaption(), QStringLiteral("查询所有"));
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(run, QStringList{QStringLiteral("查询所有")});
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(menu.Menu()->Visible());
    EXPECT_EQ(menu.Menu()->PopupWindow(0), nullptr);
}

TEST_F(PopupMenuTest, EscapeClosesWithoutRunningAnything)
{
    menu.Popup(100, 100);
    QTest::keyClick(Window(), Qt::Key_Escape);
    EXPECT_TRUE(run.isEmpty());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(menu.Menu()->Visible());
}

TEST_F(PopupMenuTest, PointerHighlightsAndAClickRunsButSeparatorsAndDisabledItemsDoNot)
{
    menu.Popup(100, 100);
    TbsSkinPopupWindow* window = Window();
    QTest::mouseMove(window, ItemCentre(3));
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    QTest::mouseMove(window, ItemCentre(4)); // the separator keeps the highlight
    EXPECT_EQ(ActiveCaption(), QStringLiteral("刷新"));
    QTest::mouseClick(window, Qt::LeftButton, {}, ItemCentre(4));
    QTest::mouseClick(window, Qt::LeftButton, {}, ItemCentre(2));
    EXPECT_TRUE(run.isEmpty());
    EXPECT_TRUE(menu.Menu()->Visible());
    QTest::mouseClick(window, Qt::LeftButton, {}, ItemCentre(6));
    EXPECT_EQ(run, QStringList{QStringLiteral("叠起")});
    EXPECT_EQ(closed, 1);
}

TEST_F(PopupMenuTest, OpeningAgainReplacesTheOpenMenu)
{
    menu.Popup(100, 100);
    menu.Popup(200, 150);
    EXPECT_EQ(closed, 1);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->pos(), QPoint(200, 150));
    menu.Menu()->Hide();
    EXPECT_EQ(closed, 2);
}

TEST(TbsSkinPopupMenu, AMenuWithoutItemsOpensNothing)
{
    TbsSkinPopupMenu menu;
    menu.Popup(10, 10);
    EXPECT_FALSE(menu.Menu()->Visible());
    EXPECT_EQ(menu.Menu()->PopupWindow(0), nullptr);
}
