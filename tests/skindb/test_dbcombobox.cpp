// The data-aware combo box and static text: showing the field, choosing an entry, writing on exit.
#include "../platform/DataSetFixture.h"
#include "DialogRecorder.h"
#include "bsSkinDBComboBox.h"
#include "bsSkinDBText.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

// The combo box lists two of the three names of the fixture; an edit beside it takes the focus.
class DBComboBoxTest : public DataSetTest {
protected:
    DBComboBoxTest()
    {
        source.SetDataSet(&q);
        combo = new TbsSkinDBComboBox(&window);
        combo->SetItems({QStringLiteral("张三"), QStringLiteral("李四")});
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
    EXPECT_EQ(combo->ItemIndex(), -1);
    OpenPeople();
    combo->SetReadOnly(true);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->Value(), QStringLiteral("张三"));
    EXPECT_EQ(q.State(), dsBrowse);
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
