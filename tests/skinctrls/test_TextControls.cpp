// Edit, memo and combo box: the read-only rule, user changes, selection and incremental search.
#include "bsSkinComboBox.h"
#include "bsSkinEdit.h"
#include "bsSkinMemo.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The edit and the memo behind one interface, so that one table of cases covers both.
struct TextControl {
    const char* Name;
    std::function<QWidget*(QWidget*)> Create;
    std::function<QString(QWidget*)> Text;
    std::function<void(QWidget*, const QString&)> SetText;
    std::function<void(QWidget*, bool)> SetReadOnly;
    std::function<void(QWidget*, std::function<void()>)> SetOnChange;
};

void PrintTo(const TextControl& c, std::ostream* os)
{
    *os << c.Name;
}

const TextControl Edit{
    "Edit",
    [](QWidget* p) -> QWidget* { return new TbsSkinEdit(p); },
    [](QWidget* w) { return static_cast<TbsSkinEdit*>(w)->Text(); },
    [](QWidget* w, const QString& t) { static_cast<TbsSkinEdit*>(w)->SetText(t); },
    [](QWidget* w, bool r) { static_cast<TbsSkinEdit*>(w)->SetReadOnly(r); },
    [](QWidget* w, std::function<void()> f) { static_cast<TbsSkinEdit*>(w)->OnChange = f; }};
const TextControl Memo{
    "Memo",
    [](QWidget* p) -> QWidget* { return new TbsSkinMemo(p); },
    [](QWidget* w) { return static_cast<TbsSkinMemo*>(w)->Text(); },
    [](QWidget* w, const QString& t) { static_cast<TbsSkinMemo*>(w)->SetText(t); },
    [](QWidget* w, bool r) { static_cast<TbsSkinMemo*>(w)->SetReadOnly(r); },
    [](QWidget* w, std::function<void()> f) { static_cast<TbsSkinMemo*>(w)->OnChange = f; }};

class TextControlTest : public ::testing::TestWithParam<TextControl> {
protected:
    TextControlTest()
    {
        control = GetParam().Create(&window);
        GetParam().SetOnChange(control, [this] { ++changes; });
        GetParam().SetText(control, QStringLiteral("abc"));
        window.show();
        QApplication::setActiveWindow(&window);
        control->setFocus();
    }
    QString Text() { return GetParam().Text(control); }
    QWidget window;
    QWidget* control;
    int changes = 0;
};

TEST_P(TextControlTest, ReadOnlyRefusesEveryChangeButKeepsSelectingAndCopying)
{
    GetParam().SetReadOnly(control, true);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(control, QStringLiteral("xy"));
    QTest::keyClick(control, Qt::Key_Backspace);
    QTest::keyClick(control, Qt::Key_Delete);
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_Insert, Qt::ShiftModifier);
    QInputMethodEvent compose(QString(), {});
    compose.setCommitString(QStringLiteral("中"));
    QApplication::sendEvent(control, &compose);
    EXPECT_EQ(Text(), QStringLiteral("abc"));
    EXPECT_EQ(changes, 0);

    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
}

TEST_P(TextControlTest, OnlyTheUsersChangesFireOnChange)
{
    QTest::keyClick(control, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(control, QStringLiteral("d"));
    EXPECT_EQ(Text(), QStringLiteral("abcd"));
    EXPECT_EQ(changes, 1);
    GetParam().SetText(control, QStringLiteral("set by the program"));
    EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(, TextControlTest, ::testing::Values(Edit, Memo),
                         [](const auto& info) { return std::string(info.param.Name); });

class ComboBoxTest : public ::testing::Test {
protected:
    ComboBoxTest()
    {
        combo = new TbsSkinComboBox(&window);
        combo->OnClick = [this] { ++clicks; };
        window.show();
    }
    void Type(const QString& text) { QTest::keyClicks(combo, text); }
    QWidget window;
    TbsSkinComboBox* combo;
    int clicks = 0;
};

TEST_F(ComboBoxTest, TypingSelectsTheFirstItemStartingWithTheTypedText)
{
    combo->SetItems(
        {QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("beta"), QStringLiteral("Bell")});
    combo->SetItemIndex(0);
    Type(QStringLiteral("be"));
    EXPECT_EQ(combo->Text(), QStringLiteral("beta"));
    QTest::qWait(520);
    // One character searches on from the current item, so repeating it after a pause cycles.
    Type(QStringLiteral("b"));
    EXPECT_EQ(combo->Text(), QStringLiteral("Bell"));
    QTest::qWait(520);
    Type(QStringLiteral("b"));
    EXPECT_EQ(combo->Text(), QStringLiteral("bravo"));
}

TEST_F(ComboBoxTest, ArrowsAndPageKeysMoveTheSelectionWithinTheItems)
{
    QStringList items;
    for (int i = 0; i < 20; ++i)
        items << QString::number(i);
    combo->SetItems(items);
    combo->SetItemIndex(12);
    clicks = 0;
    QTest::keyClick(combo, Qt::Key_PageUp);
    EXPECT_EQ(combo->ItemIndex(), 3);
    QTest::keyClick(combo, Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), 10);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 9);
    EXPECT_EQ(clicks, 5);
    combo->SetItemIndex(19);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 19);
}

TEST_F(ComboBoxTest, TheWheelChangesTheChoiceOnlyWhenTheComboBoxHasTheFocus)
{
    auto* other = new TbsSkinEdit(&window);
    other->move(0, 40);
    other->show();
    combo->SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    combo->SetItemIndex(1);
    clicks = 0;
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto wheel = [&] {
        const QPoint at = combo->rect().center();
        QWheelEvent event(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
        return event.isAccepted();
    };
    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    EXPECT_FALSE(wheel()); // passed on to the window behind
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(other->hasFocus());

    combo->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return combo->hasFocus(); }));
    EXPECT_TRUE(wheel());
    EXPECT_EQ(combo->ItemIndex(), 2);
}

// A native line edit keeps 32,767 characters by default and cuts anything longer.
TEST(Edit, HoldsAndTakesTextLongerThanTheNativeDefaultLimit)
{
    TbsSkinEdit edit;
    const QString text(40000, QChar(u'x'));
    edit.SetText(text);
    EXPECT_EQ(edit.Text(), text);
    edit.show();
    QApplication::setActiveWindow(&edit);
    edit.setFocus();
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral("yz"));
    EXPECT_EQ(edit.Text(), text + QStringLiteral("yz"));
}

TEST_F(ComboBoxTest, AnEmptyListDoesNotDropDown)
{
    combo->DropDown();
    EXPECT_FALSE(combo->IsPopupVisible());
    combo->SetItems({QStringLiteral("a")});
    combo->DropDown();
    EXPECT_TRUE(combo->IsPopupVisible());
    combo->CloseUp(false);
    EXPECT_FALSE(combo->IsPopupVisible());
}

} // namespace
