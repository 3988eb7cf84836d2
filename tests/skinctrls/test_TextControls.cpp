// Edit, memo and combo box: the read-only rule, user changes, selection and incremental search.
#include "OurSkinRepository.h"
#include "TForm.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsSkinButton.h"
#include "bsSkinComboBox.h"
#include "bsSkinEdit.h"
#include "bsSkinForm.h"
#include "bsSkinMemo.h"
#include "bsSkinMenus.h"
#include "bsSkinScrollBar.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLineEdit>
#include <QScrollBar>
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

// The wheel goes to the control being worked in; one the pointer only passes keeps its text.
TEST_P(TextControlTest, TheWheelOverAnUnfocusedControlChangesNothing)
{
    auto* other = new QLineEdit(&window);
    other->move(0, 200);
    other->show();
    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    const QPoint at = control->rect().center();
    QWheelEvent event(at, control->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &event);
    EXPECT_EQ(Text(), QStringLiteral("abc"));
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(other->hasFocus());
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

// A dialog with an edit and its default and cancel buttons.
class EditOnDialogTest : public ::testing::Test {
protected:
    EditOnDialogTest()
    {
        edit = new TbsSkinEdit(&dialog);
        ok = new TbsSkinButton(&dialog);
        ok->move(0, 40);
        ok->SetDefault(true);
        ok->OnClick = [this] { ++oks; };
        cancel = new TbsSkinButton(&dialog);
        cancel->move(100, 40);
        cancel->SetCancel(true);
        cancel->OnClick = [this] { ++cancels; };
        // Skinned menus open only on a window with a skinned frame, as every window of the
        // program but the add-department dialog has.
        skinForm = new TbsSkinForm(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
    }
    TForm dialog;
    TbsSkinForm* skinForm;
    TbsSkinEdit* edit;
    TbsSkinButton* ok;
    TbsSkinButton* cancel;
    int oks = 0, cancels = 0;
};

TEST_F(EditOnDialogTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton)
{
    QTest::keyClicks(edit, QStringLiteral("x"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(oks, 1);
    EXPECT_EQ(cancels, 0);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(edit->Text(), QStringLiteral("x"));
    EXPECT_TRUE(edit->hasFocus());
}

// The context menu's items in order, as "caption:enabled".
QStringList MenuItems(const TbsSkinPopupMenu* menu)
{
    QStringList items;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        items << QStringLiteral("%1:%2")
                     .arg(menu->Items()->Items(i)->Caption)
                     .arg(menu->Items()->Items(i)->Enabled);
    return items;
}

TEST_F(EditOnDialogTest, TheContextMenuIsSkinnedAndEnablesWhatTheEditAllows)
{
    edit->SetText(QStringLiteral("abc"));
    edit->setSelection(0, 1);
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    QContextMenuEvent byKeyboard(QContextMenuEvent::Keyboard, edit->rect().center(), QCursor::pos());
    QApplication::sendEvent(edit, &byKeyboard);
    TbsSkinPopupMenu* menu = edit->SysPopupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->PopupPoint(), edit->mapToGlobal(edit->rect().center()));
    EXPECT_EQ(MenuItems(menu), (QStringList{"Undo:0", "-:1", "Cut:1", "Copy:1", "Paste:1", "Delete:1", "-:1",
                                            "Select All:1"}));
    menu->Menu()->Hide();
    QTRY_VERIFY(edit->SysPopupMenu() == nullptr);

    edit->SetReadOnly(true);
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(3, 3), edit->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(edit, &byMouse);
    ASSERT_NE(edit->SysPopupMenu(), nullptr);
    EXPECT_EQ(edit->SysPopupMenu()->PopupPoint(), edit->mapToGlobal(QPoint(3, 3)));
    EXPECT_EQ(MenuItems(edit->SysPopupMenu()), (QStringList{"Undo:0", "-:1", "Cut:0", "Copy:1", "Paste:0",
                                                            "Delete:0", "-:1", "Select All:1"}));
    // Read-only: the menu's changing items do nothing even when run.
    edit->SysPopupMenu()->Items()->Items(5)->OnClick();
    EXPECT_EQ(edit->Text(), QStringLiteral("abc"));
}

TEST_F(EditOnDialogTest, TheContextMenuTakesItsCaptionsFromTheSkinsResourceStrings)
{
    TbsSkinData skin;
    TbsResourceStrData strings;
    QStringList lines = strings.ResStrings();
    lines.replaceInStrings(QStringLiteral("EDIT_COPY=Copy"), QStringLiteral("EDIT_COPY=复制"));
    lines.replaceInStrings(QStringLiteral("EDIT_SELECTALL=Select All"),
                           QStringLiteral("EDIT_SELECTALL=全选"));
    strings.SetResStrings(lines);
    skin.SetResourceStrData(&strings);
    skinForm->SetSkinData(&skin);
    QContextMenuEvent byKeyboard(QContextMenuEvent::Keyboard, edit->rect().center(), QCursor::pos());
    QApplication::sendEvent(edit, &byKeyboard);
    ASSERT_NE(edit->SysPopupMenu(), nullptr);
    const QStringList items = MenuItems(edit->SysPopupMenu());
    EXPECT_EQ(items.at(3), QStringLiteral("复制:0"));
    EXPECT_EQ(items.at(7), QStringLiteral("全选:1"));
    EXPECT_EQ(items.at(2), QStringLiteral("Cut:0"));
    edit->SysPopupMenu()->Menu()->Hide();
    skinForm->SetSkinData(nullptr);
}

TEST(EditLook, WithTheSkinsEditObjectTheEditIs19PixelsHighWithTwoPixelBorders)
{
    TbsSkinEdit edit;
    edit.setGeometry(0, 0, 160, 30);
    edit.SetSkinData(TOurSkinRepository::Get());
    ASSERT_TRUE(edit.SkinLook());
    EXPECT_EQ(edit.height(), 19);
    EXPECT_EQ(edit.FrameBorders(), QMargins(2, 2, 2, 2));
    edit.setGeometry(0, 0, 200, 40);
    EXPECT_EQ(edit.height(), 19);
    EXPECT_EQ(edit.width(), 200);
    // The frame is the skin's picture: its corner is not the default look's shadow line.
    edit.show();
    const QImage shot = edit.grab().toImage();
    EXPECT_NE(shot.pixel(edit.width() / 2, 0), SysBtnShadow().rgb());
}

TEST(EditLook, WithoutASkinTheEditHasTheDefaultFrameAndTheTextHeightPlusSix)
{
    TbsSkinEdit edit;
    EXPECT_FALSE(edit.SkinLook());
    EXPECT_EQ(edit.height(), QFontMetrics(edit.font()).height() + 6);
    EXPECT_EQ(edit.FrameBorders(), QMargins(1, 2, 2, 2));
    edit.resize(100, edit.height());
    edit.show();
    const QImage shot = edit.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 5), SysBtnShadow().rgb());
    EXPECT_EQ(shot.pixel(50, edit.height() / 2), SysWindow().rgb());
}

TEST(EditLook, ADisabledEditDrawsItsTextInTheSkinsDisabledColourOrSystemGrey)
{
    TbsSkinEdit edit;
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Text), SysGrayText());
    TbsSkinData* skin = TOurSkinRepository::Get();
    edit.SetSkinData(skin);
    const auto* record = dynamic_cast<const TbsDataSkinEditControl*>(
        skin->CtrlList[skin->GetControlIndex(QStringLiteral("edit"))].get());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Text),
              ColorToQColor(record->DisabledFontColor));
}

TEST(Memo, WithTheSkinsMemoObjectTheFrameIsItsPictureAndTheTextSitsInItsClientArea)
{
    TbsSkinMemo memo;
    memo.resize(200, 100);
    EXPECT_EQ(memo.TextAreaMargins(), QMargins(3, 2, 4, 2));
    TbsSkinData* skin = TOurSkinRepository::Get();
    memo.SetSkinData(skin);
    ASSERT_TRUE(memo.SkinLook());
    const auto* r = dynamic_cast<const TbsDataSkinMemoControl*>(
        skin->CtrlList[skin->GetControlIndex(QStringLiteral("memo"))].get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(memo.TextAreaMargins(),
              QMargins(r->ClRect.Left + 1, r->ClRect.Top + 1, int(r->SkinRect.Width()) - r->ClRect.Right + 3,
                       int(r->SkinRect.Height()) - r->ClRect.Bottom + 2));
    EXPECT_EQ(memo.palette().color(QPalette::Disabled, QPalette::Text), ColorToQColor(r->DisabledFontColor));
    memo.show();
    const QImage shot = memo.grab().toImage();
    EXPECT_NE(shot.pixel(memo.width() / 2, 0), SysBtnShadow().rgb());
}

TEST(Memo, LinkedSkinnedScrollBarsFollowAndScrollTheLines)
{
    QWidget window;
    auto* memo = new TbsSkinMemo(&window);
    memo->setGeometry(0, 0, 200, 100);
    auto* bar = new TbsSkinScrollBar(&window);
    bar->SetKind(sbVertical);
    bar->setGeometry(200, 0, 19, 100);
    memo->SetVScrollBar(bar);
    window.show();
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << QString::number(i);
    memo->SetText(lines.join(QLatin1Char('\n')));
    QApplication::processEvents();
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QScrollBar* own = memo->verticalScrollBar();
    ASSERT_GT(own->maximum(), 0);
    EXPECT_EQ(bar->PageSize(), own->pageStep());
    EXPECT_EQ(bar->Max(), own->maximum() + own->pageStep() - 1);
    EXPECT_TRUE(bar->isEnabled());
    bar->SetPosition(10);
    EXPECT_EQ(own->value(), 10);
    own->setValue(20);
    EXPECT_EQ(bar->Position(), 20);
    memo->SetVScrollBar(nullptr);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    bar->SetPosition(0);
    EXPECT_EQ(own->value(), 20);
}

} // namespace
