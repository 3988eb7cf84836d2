// The data-aware combo box and static text: showing the field, choosing an entry, writing on exit.
#include "../platform/DataSetFixture.h"
#include "DialogRecorder.h"
#include "bsSkinDBComboBox.h"
#include "bsSkinDBText.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace {

// The combo box lists two of the three names of the fixture and one other entry; an edit beside
// it takes the focus.
class DBComboBoxTest : public DataSetTest {
protected:
    DBComboBoxTest()
    {
        source.SetDataSet(&q);
        combo = new TbsSkinDBComboBox(&window);
        combo->SetItems({QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("xyz")});
        combo->SetDataSource(&source);
        combo->SetDataField(QStringLiteral("姓名"));
        combo->OnExit = [this] { exits.append(q.State()); };
        other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void LeaveCombo() { other->setFocus(Qt::TabFocusReason); }

    QWidget window;
    TDataSource source;
    TbsSkinDBComboBox* combo;
    QLineEdit* other;
    QList<TDataSetState> exits;
};

} // namespace

TEST_F(DBComboBoxTest, ShowsTheEntryEqualToTheFieldAndNothingForOtherValues)
{
    EXPECT_EQ(combo->ItemIndex(), -1);
    OpenPeople();
    EXPECT_EQ(combo->Value(), QStringLiteral("张三"));
    q.Next();
    EXPECT_EQ(combo->Value(), QStringLiteral("李四"));
    q.Next(); // 王五 is not an entry
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Value(), QString());
    q.Close();
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(DBComboBoxTest, LeavingWithoutAChoiceWritesNothing)
{
    OpenPeople();
    q.Last();
    combo->setFocus(Qt::TabFocusReason);
    LeaveCombo();
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(FileNames(),
              (QStringList{QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五")}));
    EXPECT_EQ(exits, QList<TDataSetState>{dsBrowse});
}

TEST_F(DBComboBoxTest, AChoiceEntersEditStateAndIsInTheFieldWhenTheExitEventRuns)
{
    OpenPeople();
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(q.State(), dsEdit);
    EXPECT_EQ(combo->Value(), QStringLiteral("李四"));
    combo->OnExit = [this] {
        EXPECT_EQ(q.FieldByName(QStringLiteral("姓名"))->AsString(), QStringLiteral("李四"));
        q.Post();
    };
    LeaveCombo();
    EXPECT_EQ(FileNames(),
              (QStringList{QStringLiteral("李四"), QStringLiteral("李四"), QStringLiteral("王五")}));
}

TEST_F(DBComboBoxTest, ReadOnlyOrClosedDataKeepsTheArrowsFromChoosing)
{
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClicks(combo, QStringLiteral("x"));
    QInputMethodEvent compose(QString(), {});
    compose.setCommitString(QStringLiteral("李"));
    QApplication::sendEvent(combo, &compose);
    QTest::keyClick(combo, Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), -1);
    OpenPeople();
    combo->SetReadOnly(true);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->Value(), QStringLiteral("张三"));
    EXPECT_EQ(q.State(), dsBrowse);
}

TEST_F(DBComboBoxTest, OpeningAndClosingTheListDoesNotEnterEditState)
{
    OpenPeople();
    combo->setFocus(Qt::TabFocusReason);
    combo->DropDown();
    ASSERT_TRUE(combo->IsPopupVisible());
    EXPECT_EQ(q.State(), dsBrowse);
    combo->CloseUp(true);
    EXPECT_EQ(q.State(), dsBrowse);
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->ButtonPartRect().center());
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->ButtonPartRect().center());
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(q.State(), dsBrowse);
    LeaveCombo();
    EXPECT_EQ(exits, QList<TDataSetState>{dsBrowse});
}

TEST_F(DBComboBoxTest, AChoiceFromTheOpenListEntersEditStateWhenTheListCloses)
{
    OpenPeople();
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->IsPopupVisible());
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(q.State(), dsBrowse);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(q.State(), dsEdit);
    EXPECT_EQ(combo->Value(), QStringLiteral("李四"));
}

// 王五 is not an entry: the combo box shows nothing, and posting the row after another column
// changed must keep 王五 in the file rather than the blank the combo box shows.
TEST_F(DBComboBoxTest, APickOnlyComboBoxNeverWritesABlankOverAStoredValueNotInItsList)
{
    OpenPeople();
    q.Last();
    ASSERT_EQ(combo->Value(), QString());
    combo->setFocus(Qt::TabFocusReason);
    combo->DropDown();
    combo->CloseUp(false);
    QTest::keyClick(combo, Qt::Key_Escape);
    LeaveCombo();
    q.Edit();
    q.FieldByName(QStringLiteral("人员id"))->SetAsString(QStringLiteral("33"));
    q.Post();
    EXPECT_EQ(FileNames(),
              (QStringList{QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五")}));
    EXPECT_EQ(FileColumn(QStringLiteral("人员id")), (QStringList{"1", "2", "33"}));
}

TEST_F(DataSetTest, DBTextShowsTheFieldOfTheCurrentRow)
{
    TDataSource source;
    source.SetDataSet(&q);
    TbsSkinDBText text;
    EXPECT_FALSE(text.AutoSize());
    text.SetDataSource(&source);
    text.SetDataField(QStringLiteral("姓名"));
    EXPECT_EQ(text.Caption(), QString());
    OpenPeople();
    EXPECT_EQ(text.Caption(), QStringLiteral("张三"));
    q.Last();
    EXPECT_EQ(text.Caption(), QStringLiteral("王五"));
    q.Close();
    EXPECT_EQ(text.Caption(), QString());
}
