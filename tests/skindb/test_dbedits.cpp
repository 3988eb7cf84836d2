// The data-aware edit and memo through the same table of cases: writing before the exit event,
// Escape, a closed data set, leaving without a change, and a value the field refuses.
#include "../platform/DataSetFixture.h"
#include "DialogRecorder.h"
#include "bsSkinDBEdit.h"
#include "bsSkinDBMemo.h"
#include "bsSkinMenus.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <functional>

namespace {

// A data-aware text control behind one interface.
struct DBTextCase {
    const char* Name;
    std::function<QWidget*(QWidget*, TDataSource*, const QString&, std::function<void()>)> Create;
    std::function<QString(QWidget*)> Text;
    std::function<void(QWidget*)> ToEnd;
};

void PrintTo(const DBTextCase& c, std::ostream* os)
{
    *os << c.Name;
}

template <class Control>
QWidget* CreateBound(QWidget* parent, TDataSource* source, const QString& field, std::function<void()> onExit)
{
    auto* control = new Control(parent);
    control->SetDataSource(source);
    control->SetDataField(field);
    control->OnExit = std::move(onExit);
    return control;
}

const DBTextCase DBEdit{"DBEdit", CreateBound<TbsSkinDBEdit>,
                        [](QWidget* w) { return static_cast<TbsSkinDBEdit*>(w)->Text(); },
                        [](QWidget* w) { static_cast<TbsSkinDBEdit*>(w)->end(false); }};
const DBTextCase DBMemo{"DBMemo", CreateBound<TbsSkinDBMemo>,
                        [](QWidget* w) { return static_cast<TbsSkinDBMemo*>(w)->Text(); },
                        [](QWidget* w) { static_cast<TbsSkinDBMemo*>(w)->moveCursor(QTextCursor::End); }};

class DBTextControlTest : public DataSetTest, public ::testing::WithParamInterface<DBTextCase> {
protected:
    DBTextControlTest()
    {
        source.SetDataSet(&q);
        control = GetParam().Create(&window, &source, QStringLiteral("姓名"), [this] {
            ++exits;
            exitValue = q.Active() ? q.FieldByName(QStringLiteral("姓名"))->AsString() : QString();
            exitState = q.State();
        });
        control->resize(200, 60);
        other = new QLineEdit(&window);
        other->move(0, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString Text() const { return GetParam().Text(control); }
    void Enter()
    {
        control->setFocus(Qt::TabFocusReason);
        GetParam().ToEnd(control);
    }
    void Type(const QString& text)
    {
        Enter();
        QTest::keyClicks(control, text);
    }
    void Leave() { other->setFocus(Qt::TabFocusReason); }
    static QStringList Stored() { return {"张三", "李四", "王五"}; }

    QWidget window;
    TDataSource source;
    QWidget* control;
    QLineEdit* other;
    int exits = 0;
    QString exitValue;
    TDataSetState exitState = dsInactive;
};

TEST_P(DBTextControlTest, TheTypedValueIsInTheFieldWhenTheExitEventRunsAndInTheFileOncePosted)
{
    OpenPeople();
    Type(QStringLiteral("X"));
    EXPECT_EQ(q.State(), dsEdit);
    Leave();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(exitValue, QStringLiteral("张三X"));
    EXPECT_EQ(exitState, dsEdit);
    EXPECT_EQ(FileNames(), Stored());
    q.Post();
    EXPECT_EQ(FileNames(), QStringList({"张三X", "李四", "王五"}));
}

TEST_P(DBTextControlTest, EscapeShowsTheStoredValueAgainAndNothingIsWritten)
{
    OpenPeople();
    Type(QStringLiteral("zz"));
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_EQ(Text(), QStringLiteral("张三"));
    Leave();
    EXPECT_EQ(exitValue, QStringLiteral("张三"));
    q.CheckBrowseMode();
    EXPECT_EQ(FileNames(), Stored());
}

TEST_P(DBTextControlTest, TypingIsIgnoredWhileTheDataSetIsClosed)
{
    Type(QStringLiteral("abc"));
    QTest::keyClick(control, Qt::Key_Backspace);
    EXPECT_EQ(Text(), QString());
    EXPECT_EQ(q.State(), dsInactive);
    Leave();
    EXPECT_EQ(exits, 1);
}

TEST_P(DBTextControlTest, LeavingWithoutAChangeWritesNothingAndStillRunsTheExitEvent)
{
    OpenPeople();
    q.Last();
    Enter();
    Leave();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(exitState, dsBrowse);
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(FileNames(), Stored());
}

// The control is read-only until the first change enters edit state; its menu still offers the
// changing items while the field can be written, and pasting through it enters edit state.
TEST_P(DBTextControlTest, TheContextMenuOffersPasteWhileTheFieldCanBeWritten)
{
    TbsSkinPopupMenu* menu = nullptr;
    auto pasteItem = [&]() -> TMenuItem* {
        QContextMenuEvent byKeyboard(QContextMenuEvent::Keyboard, control->rect().center(), QCursor::pos());
        QApplication::sendEvent(control, &byKeyboard);
        menu = control->findChild<TbsSkinPopupMenu*>();
        return menu ? menu->Items()->Items(4) : nullptr;
    };
    QApplication::clipboard()->setText(QStringLiteral("贴"));
    Enter();
    TMenuItem* paste = pasteItem();
    ASSERT_NE(paste, nullptr);
    EXPECT_FALSE(paste->Enabled); // closed data set
    menu->Menu()->Hide();
    QTRY_VERIFY(control->findChild<TbsSkinPopupMenu*>() == nullptr);

    OpenPeople();
    Enter();
    paste = pasteItem();
    ASSERT_NE(paste, nullptr);
    EXPECT_TRUE(paste->Enabled);
    paste->Click();
    EXPECT_EQ(q.State(), dsEdit);
    EXPECT_EQ(Text(), QStringLiteral("张三贴"));
    Leave();
    q.Post();
    EXPECT_EQ(FileNames(), QStringList({"张三贴", "李四", "王五"}));
}

INSTANTIATE_TEST_SUITE_P(, DBTextControlTest, ::testing::Values(DBEdit, DBMemo),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DataSetTest, AValueTheFieldRefusesKeepsTheFocusSelectedAndReachesTheErrorDisplay)
{
    TDialogRecorder dialogs;
    TDataSource source;
    source.SetDataSet(&q);
    QWidget window;
    auto* number = new TbsSkinDBEdit(&window);
    number->SetDataSource(&source);
    number->SetDataField(QStringLiteral("部门"));
    int exits = 0;
    number->OnExit = [&] { ++exits; };
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    OpenPeople();
    number->setFocus(Qt::TabFocusReason);
    number->end(false);
    // Pasted text is not checked character by character; the field refuses it on leaving.
    QApplication::clipboard()->setText(QStringLiteral("x"));
    QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(number->Text(), QStringLiteral("1x"));
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(number->Text(), QStringLiteral("1x"));
    EXPECT_EQ(exits, 0);
    QTRY_VERIFY(number->hasFocus());
    EXPECT_EQ(number->selectedText(), QStringLiteral("1x"));
    EXPECT_EQ(q.State(), dsEdit);
    QTest::keyClick(number, Qt::Key_Escape);
    EXPECT_EQ(number->Text(), QStringLiteral("1"));
}

} // namespace
