// The skinned list box: its height for a row count, the vertical bar created and removed as the
// items stop and start fitting, the wheel, and the pictures items are painted from.
#include "OurSkinRepository.h"
#include "bsSkinListBox.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Numbered(int n)
{
    QStringList items;
    for (int i = 0; i < n; ++i)
        items << QStringLiteral("项目 %1").arg(i);
    return items;
}

struct SizingCase {
    const char* name;
    bool withSkin;
    int rowCount;
    int height;
};

const SizingCase SizingCases[] = {
    {"OurSkinEightRows", true, 8, 164},
    {"NoRepositoryEightRows", false, 8, 164},
    {"NoRepositoryOneRow", false, 1, 24},
};

class ListBoxSizing : public ::testing::TestWithParam<SizingCase> {};

} // namespace

TEST_P(ListBoxSizing, RowCountFitsTheHeight)
{
    const SizingCase& c = GetParam();
    TbsSkinListBox list;
    if (c.withSkin) {
        list.SetSkinData(TOurSkinRepository::Get());
        ASSERT_NE(list.SkinIndex(), -1);
    }
    EXPECT_EQ(list.ItemHeight(), 20);
    list.SetRowCount(c.rowCount);
    EXPECT_EQ(list.height(), c.height);
    // The list window shows exactly that many rows.
    EXPECT_EQ(list.ListRect().height(), c.rowCount * 20);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListBoxSizing, ::testing::ValuesIn(SizingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListBox, VerticalBarComesWhenItemsStopFittingAndGoesOnClear)
{
    for (TbsSkinData* skin : {static_cast<TbsSkinData*>(nullptr), TOurSkinRepository::Get()}) {
        SCOPED_TRACE(skin ? "our skin" : "no repository");
        TbsSkinListBox list;
        list.SetSkinData(skin);
        list.SetRowCount(5);
        list.show();
        const int fullWidth = list.ListRect().width();
        for (int i = 0; i < 5; ++i)
            list.AddItem(QStringLiteral("项目 %1").arg(i));
        EXPECT_EQ(list.VScrollBar(), nullptr);
        list.AddItem(QStringLiteral("项目 5"));
        ASSERT_NE(list.VScrollBar(), nullptr);
        EXPECT_EQ(list.VScrollBar()->Kind(), sbVertical);
        EXPECT_EQ(list.VScrollBar()->Max(), 5);
        EXPECT_EQ(list.VScrollBar()->PageSize(), 5);
        EXPECT_LT(list.ListRect().width(), fullWidth);
        EXPECT_EQ(list.VScrollBar()->SkinDataName(), skin ? QStringLiteral("vscrollbar") : QString());
        list.Clear();
        EXPECT_EQ(list.VScrollBar(), nullptr);
        EXPECT_EQ(list.ListRect().width(), fullWidth);
    }
}

TEST(ListBox, WheelScrollsOneLinePerNotchAndMovesTheBar)
{
    TbsSkinListBox list;
    list.SetRowCount(5);
    list.SetItems(Numbered(20));
    list.show();
    ASSERT_NE(list.VScrollBar(), nullptr);
    const QPoint centre = list.NativeList()->viewport()->rect().center();
    auto turn = [&](int delta) {
        QWheelEvent wheel(centre, list.NativeList()->viewport()->mapToGlobal(centre), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list.NativeList()->viewport(), &wheel);
    };
    turn(-120);
    EXPECT_EQ(list.TopIndex(), 1);
    EXPECT_EQ(list.VScrollBar()->Position(), 1);
    turn(-240);
    EXPECT_EQ(list.TopIndex(), 3);
    turn(120);
    EXPECT_EQ(list.TopIndex(), 2);
    // The bar scrolls the list in turn.
    list.VScrollBar()->SetPosition(15);
    EXPECT_EQ(list.TopIndex(), 15);
}

TEST(ListBox, AnItemHeightOfZeroCountsAsOne)
{
    TbsSkinListBox list;
    list.SetDefaultItemHeight(0);
    EXPECT_EQ(list.ItemHeight(), 1);
    list.SetItems(Numbered(300));
    list.SetRowCount(3);
    EXPECT_EQ(list.height(), 3 + 4);
    ASSERT_NE(list.VScrollBar(), nullptr);
}

TEST(ListBox, HorizontalExtentAddsABarForWideItems)
{
    TbsSkinListBox list;
    list.resize(120, 120);
    list.SetHorizontalExtent(true);
    list.AddItem(QStringLiteral("短"));
    EXPECT_EQ(list.HScrollBarControl(), nullptr);
    list.AddItem(QString(40, QChar(0x90E8)));
    ASSERT_NE(list.HScrollBarControl(), nullptr);
    EXPECT_EQ(list.HScrollBarControl()->Kind(), sbHorizontal);
    list.HScrollBarControl()->SetPosition(30);
    EXPECT_EQ(list.NativeList()->HorizontalExtentValue(), 30);
    list.Clear();
    EXPECT_EQ(list.HScrollBarControl(), nullptr);
    EXPECT_EQ(list.NativeList()->HorizontalExtentValue(), 0);
}

TEST(ListBox, ItemLookFollowsSelectionAndFocus)
{
    struct Case {
        bool selected, focused;
        TbsListItemLook look;
    } cases[] = {{true, true, liFocus},
                 {true, false, liActive},
                 {false, true, liFocusFrame},
                 {false, false, liNormal}};
    for (const Case& c : cases)
        EXPECT_EQ(ListItemLook(c.selected, c.focused), c.look) << c.selected << c.focused;
}

TEST(PopupListBox, ShowsAtTheOriginWithoutActivation)
{
    QWidget owner;
    TbsPopupListBox popup(&owner);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_TRUE(popup.isWindow());
    popup.SetItems(Numbered(3));
    popup.Show(QPoint(40, 50));
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.pos(), QPoint(40, 50));
    EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
    popup.Hide();
    EXPECT_FALSE(popup.isVisible());
}
