// The data-aware edit and memo and the read-only data grid over a small table.
#include "../platform/DataSetFixture.h"
#include "DialogRecorder.h"
#include "bsDBGrids.h"
#include "bsSkinDBEdit.h"
#include "bsSkinDBMemo.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

class DBEditTest : public DataSetTest {
protected:
    DBEditTest()
    {
        source.SetDataSet(&q);
        edit = new TbsSkinDBEdit(&window);
        edit->SetDataSource(&source);
        edit->SetDataField(QStringLiteral("姓名"));
        edit->OnExit = [this] { exitValues.append(q.FieldByName(QStringLiteral("姓名"))->AsString()); };
        number = new TbsSkinDBEdit(&window);
        number->SetDataSource(&source);
        number->SetDataField(QStringLiteral("部门"));
        number->move(0, 30);
        other = new QLineEdit(&window);
        other->move(0, 60);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void Type(QWidget* w, const QString& text)
    {
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_End);
        QTest::keyClicks(w, text);
    }

    QWidget window;
    TDataSource source;
    TbsSkinDBEdit* edit;
    TbsSkinDBEdit* number;
    QLineEdit* other;
    QStringList exitValues;
};

TEST_F(DBEditTest, TypingEntersEditStateAndLeavingWritesTheFieldBeforeTheExitEvent)
{
    OpenPeople();
    EXPECT_EQ(edit->text(), QStringLiteral("张三"));
    Type(edit, QStringLiteral("X"));
    EXPECT_EQ(q.State(), dsEdit);
    EXPECT_EQ(q.FieldByName(QStringLiteral("姓名"))->AsString(), QStringLiteral("张三"));
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exitValues, QStringList({"张三X"}));
    // Written into the field, not posted: moving on posts it.
    EXPECT_EQ(FileColumn(), QStringList({"张三", "李四", "王五"}));
    q.Next();
    EXPECT_EQ(FileColumn(), QStringList({"张三X", "李四", "王五"}));
    EXPECT_EQ(edit->text(), QStringLiteral("李四"));
}

TEST_F(DBEditTest, EscapeShowsTheStoredValueAgain)
{
    OpenPeople();
    Type(edit, QStringLiteral("zz"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QStringLiteral("张三"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("张三"));
    other->setFocus(Qt::TabFocusReason);
    q.Next();
    EXPECT_EQ(FileColumn(), QStringList({"张三", "李四", "王五"}));
}

TEST_F(DBEditTest, NothingCanBeTypedWhileTheDataSetIsClosedAndNumbersRefuseLetters)
{
    Type(edit, QStringLiteral("abc"));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(q.State(), dsInactive);

    OpenPeople();
    Type(number, QStringLiteral("a7"));
    EXPECT_EQ(number->text(), QStringLiteral("17"));
}

TEST_F(DBEditTest, MemoWritesItsWholeTextWhenLeft)
{
    auto* memo = new TbsSkinDBMemo(&window);
    memo->SetDataSource(&source);
    memo->SetDataField(QStringLiteral("姓名"));
    memo->move(0, 90);
    memo->show();
    OpenPeople();
    EXPECT_EQ(memo->Text(), QStringLiteral("张三"));
    memo->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("2"));
    other->setFocus(Qt::TabFocusReason);
    q.CheckBrowseMode();
    EXPECT_EQ(FileColumn(), QStringList({"张三\n2", "李四", "王五"}));
}

class ReadOnlyGridTest : public DataSetTest {
protected:
    ReadOnlyGridTest()
    {
        source.SetDataSet(&q);
        grid = new TbsSkinDBGrid(&window);
        grid->resize(400, 200);
        grid->SetDataSource(&source);
        grid->SetReadOnly(true);
        grid->OnCellClick = [this](int column) { clicked.append(column); };
        window.show();
        OpenPeople();
    }
    void ClickAt(QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at); }

    QWidget window;
    TDataSource source;
    TbsSkinDBGrid* grid;
    QList<int> clicked;
    TDialogRecorder dialogs;
};

TEST_F(ReadOnlyGridTest, ShowsEveryFieldTitledWithItsNameAndFollowsTheCurrentRecord)
{
    ASSERT_EQ(grid->ColumnCount(), 4);
    EXPECT_EQ(grid->ColumnTitle(1), QStringLiteral("姓名"));
    EXPECT_EQ(grid->DataRowCount(), 3);
    q.Last();
    EXPECT_EQ(grid->Row(), grid->RowOfRecord(2));
    EXPECT_GE(grid->Row(), 1);
}

TEST_F(ReadOnlyGridTest, ClicksMoveTheRecordThenReportTheColumnButTitlesDoNot)
{
    ClickAt(grid, grid->DataCellRect(2, 1).center());
    EXPECT_EQ(q.RecNo(), 3);
    EXPECT_EQ(clicked, QList<int>({1}));
    ClickAt(grid, grid->TitleRect(1).topLeft() + QPoint(5, 5));
    EXPECT_EQ(clicked, QList<int>({1}));
}

TEST_F(ReadOnlyGridTest, NeverEditsInsertsOrDeletes)
{
    QTest::keyClicks(grid, QStringLiteral("x"));
    EXPECT_FALSE(grid->EditorMode());
    QTest::keyClick(grid, Qt::Key_Insert);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    q.Last();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_TRUE(dialogs.Shown().empty());
}

} // namespace
