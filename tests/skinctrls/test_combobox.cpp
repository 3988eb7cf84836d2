// The combo box's drop-down list: its rows and place, drag selection, keys and search while it is
// open, and that opening it changes nothing.
#include "FakeClock.h"
#include "OurSkinRepository.h"
#include "bsSkinComboBox.h"
#include "bsSkinListBox.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Numbered(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("item %1").arg(i);
    return items;
}

class ComboDropDownTest : public ::testing::Test {
protected:
    ComboDropDownTest()
    {
        combo = new TbsSkinComboBox(&window);
        combo->move(10, 10);
        combo->OnClick = [this] { ++clicks; };
        combo->OnChange = [this] { ++changes; };
        window.resize(300, 200);
        window.move(screenArea().topLeft() + QPoint(20, 20));
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
    }
    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    void Fill(int count, int index)
    {
        combo->SetItems(Numbered(count));
        combo->SetItemIndex(index);
        clicks = changes = 0;
    }
    // The centre of a row of the open list, in the combo box's coordinates.
    QPoint RowCentre(int row)
    {
        TbsListBox* list = combo->ListBox()->NativeList();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        return combo->mapFromGlobal(list->viewport()->mapToGlobal(r.center()));
    }
    void Key(Qt::Key key) { QTest::keyClick(combo, key); }

    // Created first: the combo box's timers come from it.
    TFakeClock clock;
    QWidget window;
    TbsSkinComboBox* combo;
    int clicks = 0;
    int changes = 0;
};

struct RowCase {
    const char* Name;
    int Items;
    int Rows;
    bool ScrollBar;
};

class ComboRowsTest : public ComboDropDownTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ComboRowsTest, TheListShowsDropDownCountRowsAtMostAndABarForTheRest)
{
    Fill(GetParam().Items, 0);
    combo->DropDown();
    ASSERT_TRUE(combo->IsPopupVisible());
    TbsPopupListBox* list = combo->ListBox();
    EXPECT_EQ(list->height(), list->CalcHeight(GetParam().Rows));
    EXPECT_EQ(list->ListRect().height() / list->ItemHeight(), GetParam().Rows);
    EXPECT_EQ(list->VScrollBar() != nullptr, GetParam().ScrollBar);
    EXPECT_EQ(list->width(), combo->width());
}

INSTANTIATE_TEST_SUITE_P(, ComboRowsTest,
                         ::testing::Values(RowCase{"FewerItemsThanRows", 5, 5, false},
                                           RowCase{"MoreItemsThanRows", 20, 8, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ComboDropDownTest, OpensBelowTheControlAndAboveItNearTheBottomOfTheScreen)
{
    Fill(20, 0);
    combo->DropDown();
    EXPECT_EQ(combo->ListBox()->geometry().topLeft(), combo->mapToGlobal(QPoint(0, combo->height())));
    combo->CloseUp(false);

    window.move(screenArea().left() + 20, screenArea().bottom() - 80);
    QTRY_VERIFY(window.geometry().bottom() > screenArea().bottom() - 80);
    combo->DropDown();
    const QRect list = combo->ListBox()->geometry();
    EXPECT_EQ(list.bottom() + 1, combo->mapToGlobal(QPoint(0, 0)).y());
}

TEST_F(ComboDropDownTest, OpeningAndClosingChangesNothingAndFiresNoChoiceEvents)
{
    Fill(20, 4);
    int drops = 0, closes = 0;
    combo->OnDropDown = [&] { ++drops; };
    combo->OnCloseUp = [&] { ++closes; };
    combo->DropDown();
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 4);
    combo->CloseUp(true);
    Fill(20, 0); // the first item: the list is not walked to paint its selection
    combo->DropDown();
    combo->CloseUp(false);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(drops, 2);
    EXPECT_EQ(closes, 2);
}

TEST_F(ComboDropDownTest, PressDragAndReleaseOverAnItemChoosesIt)
{
    Fill(20, 1);
    QTest::mousePress(combo, Qt::LeftButton, {}, combo->ItemAreaRect().center());
    ASSERT_TRUE(combo->IsPopupVisible());
    QTest::mouseMove(combo, RowCentre(2));
    QTest::mouseMove(combo, RowCentre(5));
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 5);
    EXPECT_EQ(combo->ItemIndex(), 1); // still the item shown
    QTest::mouseRelease(combo, Qt::LeftButton, {}, RowCentre(5));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboDropDownTest, ReleasingOutsideTheListClosesItAndKeepsTheOldItem)
{
    Fill(20, 1);
    QTest::mousePress(combo, Qt::LeftButton, {}, combo->ItemAreaRect().center());
    QTest::mouseMove(combo, RowCentre(5));
    const QPoint outside = RowCentre(5) + QPoint(combo->ListBox()->width() + 50, 0);
    QTest::mouseMove(combo, outside);
    QTest::mouseRelease(combo, Qt::LeftButton, {}, outside);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboDropDownTest, AClickOpensTheListAndAClickOnAnItemChoosesIt)
{
    Fill(5, 0);
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->ButtonPartRect().center());
    ASSERT_TRUE(combo->IsPopupVisible());
    QWidget* viewport = combo->ListBox()->NativeList()->viewport();
    const QPoint row3 = viewport->mapFromGlobal(combo->mapToGlobal(RowCentre(3)));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, row3);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->Text(), QStringLiteral("item 3"));
}

TEST_F(ComboDropDownTest, DraggingBelowTheListScrollsItsSelectionOn)
{
    Fill(20, 0);
    QTest::mousePress(combo, Qt::LeftButton, {}, combo->ItemAreaRect().center());
    const QPoint below = RowCentre(7) + QPoint(0, 60);
    QTest::mouseMove(combo, RowCentre(7));
    QTest::mouseMove(combo, below);
    clock.Advance(25 * 4);
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 11);
    QTest::mouseRelease(combo, Qt::LeftButton, {}, below);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboDropDownTest, EscapeRestoresTheItemShownBeforeOpeningAndEnterTakesTheNewOne)
{
    Fill(20, 6);
    combo->DropDown();
    Key(Qt::Key_Down);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 14);
    EXPECT_EQ(combo->ItemIndex(), 6);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 6);
    EXPECT_EQ(combo->Text(), QStringLiteral("item 6"));
    EXPECT_EQ(clicks, 0);

    combo->DropDown();
    Key(Qt::Key_PageUp);
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboDropDownTest, PageKeysJumpByTheDropDownCount)
{
    Fill(20, 12);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(combo->ItemIndex(), 3);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), 10);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), 19);
}

class ComboSearchTest : public ComboDropDownTest {
protected:
    ComboSearchTest()
    {
        combo->SetItems({QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("beta"),
                         QStringLiteral("Bell"), QStringLiteral("李四")});
        combo->SetItemIndex(0);
    }
    void Type(const QString& text) { QTest::keyClicks(combo, text); }
};

TEST_F(ComboSearchTest, CharactersWithinHalfASecondSearchTogether)
{
    Type(QStringLiteral("b"));
    clock.Advance(499);
    Type(QStringLiteral("e"));
    EXPECT_EQ(combo->Text(), QStringLiteral("beta"));
}

TEST_F(ComboSearchTest, APauseOfHalfASecondStartsANewSearchFromTheNextItem)
{
    Type(QStringLiteral("be"));
    EXPECT_EQ(combo->Text(), QStringLiteral("beta"));
    clock.Advance(500);
    Type(QStringLiteral("b"));
    EXPECT_EQ(combo->Text(), QStringLiteral("Bell"));
    clock.Advance(500);
    Type(QStringLiteral("b"));
    EXPECT_EQ(combo->Text(), QStringLiteral("bravo"));
}

TEST_F(ComboSearchTest, WithoutAutoCompleteEachCharacterSearchesAlone)
{
    combo->SetAutoComplete(false);
    Type(QStringLiteral("be"));
    // "b" finds bravo; "e" alone begins no item.
    EXPECT_EQ(combo->Text(), QStringLiteral("bravo"));
}

TEST_F(ComboSearchTest, TextFromTheInputMethodSearchesLikeTypedText)
{
    QInputMethodEvent compose(QString(), {});
    compose.setCommitString(QStringLiteral("李"));
    QApplication::sendEvent(combo, &compose);
    EXPECT_EQ(combo->Text(), QStringLiteral("李四"));
}

TEST_F(ComboSearchTest, SearchingWhileTheListIsOpenMovesOnlyTheList)
{
    combo->DropDown();
    Type(QStringLiteral("br"));
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 1);
    EXPECT_EQ(combo->ItemIndex(), 0);
    Key(Qt::Key_Enter);
    EXPECT_EQ(combo->Text(), QStringLiteral("bravo"));
}

TEST_F(ComboDropDownTest, TheSkinnedListTakesTheComboBoxRecordsListObject)
{
    combo->SetSkinData(TOurSkinRepository::Get());
    ASSERT_NE(combo->SkinIndex(), -1);
    EXPECT_EQ(combo->ListBox()->SkinDataName(), QStringLiteral("listbox"));
    EXPECT_NE(combo->ListBox()->SkinIndex(), -1);
    EXPECT_EQ(combo->height(), 20);
    // The button part and item area lie inside the control, side by side.
    EXPECT_TRUE(combo->rect().contains(combo->ButtonPartRect()));
    EXPECT_LT(combo->ItemAreaRect().right(), combo->ButtonPartRect().left());
    combo->SetSkinData(nullptr);
    combo->ChangeSkinData();
    EXPECT_EQ(combo->ButtonPartRect(), QRect(combo->width() - 19, 0, 19, combo->height()));
}

} // namespace

// The list is made only when it is first wanted, and then takes on what the combo box was told
// before: its items, its item, its row height and its skin; later changes still reach it.
TEST_F(ComboDropDownTest, AListMadeLateTakesOnWhatTheComboBoxWasToldBefore)
{
    combo->SetListBoxDefaultItemHeight(23);
    combo->SetSkinData(TOurSkinRepository::Get());
    Fill(5, 3);
    combo->AddItem(QStringLiteral("late"));
    EXPECT_TRUE(combo->findChildren<TbsPopupListBox*>().isEmpty());
    combo->DropDown();
    ASSERT_TRUE(combo->IsPopupVisible());
    TbsPopupListBox* list = combo->ListBox();
    EXPECT_EQ(combo->findChildren<TbsPopupListBox*>().size(), 1);
    EXPECT_EQ(list->NativeList()->count(), 6);
    EXPECT_EQ(list->NativeList()->item(5)->text(), QStringLiteral("late"));
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_EQ(list->DefaultItemHeight(), 23);
    EXPECT_EQ(list->SkinDataName(), QStringLiteral("listbox"));
    EXPECT_NE(list->SkinIndex(), -1);
    combo->CloseUp(false);
    combo->SetSkinData(nullptr);
    combo->ChangeSkinData();
    combo->ClearItems();
    EXPECT_EQ(list->NativeList()->count(), 0);
    EXPECT_EQ(list->SkinIndex(), -1);
}
