// The to-do and account windows end to end: adding, typing, moving, deleting, and nothing typed lost.
#include "ProgramFixture.h"

#include "TApplication.h"
#include "TQuery.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit7.h"
#include "Unit8.h"
#include "bsDBGrids.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsdbctrls.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

int GridRows(TbsSkinDBGrid* grid)
{
    return grid->DataRowCount();
}

QStringList Texts(const QVariantList& values)
{
    QStringList texts;
    for (const QVariant& v : values)
        texts << (v.isNull() ? QStringLiteral("<null>") : v.toString());
    return texts;
}

} // namespace

class ToDoTest : public ProgramTest {
public:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Exec(QStringLiteral("insert into 待办事项(事项目, 日期, 说明) values('开会', '2024-05-01', '三楼')"));
        Start();
        LogIn(FAdmin.Name, FAdmin.Password);
        Click(Form3->bsSkinSpeedButton3);
        Activate(Form7);
    }
    QStringList Titles() { return Texts(Column(QStringLiteral("待办事项"), QStringLiteral("事项目"))); }
};

TEST_F(ToDoTest, StaysEmptyUntilNewThenListsEveryItemWithTheNewOneCurrent)
{
    EXPECT_FALSE(db->ADOQuery7->Active());
    EXPECT_EQ(GridRows(Form7->bsSkinDBGrid1), 0);
    EXPECT_TRUE(Form7->bsSkinDBEdit1->text().isEmpty());

    Click(Form7->bsSkinButton1);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(RowCount(QStringLiteral("待办事项")), 2);
    EXPECT_EQ(GridRows(Form7->bsSkinDBGrid1), 2);
    EXPECT_EQ(db->ADOQuery7->RecNo(), 2);
    EXPECT_EQ(db->ADOQuery7->FieldByName(QStringLiteral("说明"))->AsString(), QStringLiteral(" "));
    EXPECT_EQ(Form7->bsSkinDBMemo1->Text(), QStringLiteral(" "));
    EXPECT_TRUE(Form7->bsSkinDBEdit1->text().isEmpty());

    // Each "新建" adds an item, even when the previous new one stayed empty.
    Click(Form7->bsSkinButton1);
    EXPECT_EQ(RowCount(QStringLiteral("待办事项")), 3);
    EXPECT_EQ(db->ADOQuery7->RecNo(), 3);
}

TEST_F(ToDoTest, TypedChangesReachTheDatabaseWhenAnotherRowIsClicked)
{
    Click(Form7->bsSkinButton1);
    TypeInto(Form7->bsSkinDBEdit1, QStringLiteral("写周报"));
    TypeInto(Form7->bsSkinDBEdit2, QStringLiteral("2024-06-07"));
    TypeInto(Form7->bsSkinDBMemo1, QStringLiteral("周五前"));
    // Nothing is written while the row stays current.
    EXPECT_EQ(Titles(), QStringList({"开会", "<null>"}));

    ClickCell(Form7->bsSkinDBGrid1, 0, 1);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(Titles(), QStringList({"开会", "写周报"}));
    EXPECT_EQ(Texts(Column(QStringLiteral("待办事项"), QStringLiteral("日期"))),
              QStringList({"2024-05-01", "2024-06-07"}));
    EXPECT_EQ(Texts(Column(QStringLiteral("待办事项"), QStringLiteral("说明"))),
              QStringList({"三楼", " 周五前"}));
    EXPECT_EQ(Form7->bsSkinDBEdit1->text(), QStringLiteral("开会"));
}

TEST_F(ToDoTest, DeleteRemovesTheCurrentItemAtOnce)
{
    Click(Form7->bsSkinButton1);
    ClickCell(Form7->bsSkinDBGrid1, 0, 1);
    Click(Form7->bsSkinButton3);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(Titles(), QStringList({"<null>"}));
    EXPECT_EQ(GridRows(Form7->bsSkinDBGrid1), 1);
}

TEST_F(ToDoTest, DeleteBeforeTheFirstNewShowsTheErrorAndChangesNothing)
{
    Click(Form7->bsSkinButton3);
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_EQ(FDialogs.Shown()[0].Kind, TDialogKind::ErrorBox);
    EXPECT_FALSE(FDialogs.Shown()[0].Text.isEmpty());
    EXPECT_EQ(RowCount(QStringLiteral("待办事项")), 1);
    EXPECT_TRUE(Form7->isVisible());
}

TEST_F(ToDoTest, CtrlDeleteAsksDeleteRecordAndDeletesOnlyWhenConfirmed)
{
    Click(Form7->bsSkinButton1);
    ClickCell(Form7->bsSkinDBGrid1, 0, 1);

    FDialogs.AnswerNext(mrCancel);
    KeyOnGrid(Form7->bsSkinDBGrid1, Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    const TDialogRequest& question = FDialogs.Shown()[0];
    EXPECT_EQ(question.Kind, TDialogKind::MessageDlg);
    EXPECT_EQ(question.Text, QStringLiteral("Delete record?"));
    EXPECT_EQ(question.DlgType, mtConfirmation);
    EXPECT_EQ(question.Buttons, TMsgDlgButtons({mbOK, mbCancel}));
    EXPECT_EQ(RowCount(QStringLiteral("待办事项")), 2);

    FDialogs.AnswerNext(mrOk);
    KeyOnGrid(Form7->bsSkinDBGrid1, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Titles(), QStringList({"<null>"}));
}

TEST_F(ToDoTest, GridKeyboardAppendsOnDownCancelsAnUntouchedRowOnUpAndPostsTypedCells)
{
    Click(Form7->bsSkinButton1);
    TbsSkinDBGrid* grid = Form7->bsSkinDBGrid1;
    ClickCell(grid, 1, 1);
    grid->SetSelectedIndex(1); // 事项目

    // Down on the last row appends a row in insert state; Up drops it again while nothing is typed.
    KeyOnGrid(grid, Qt::Key_Down);
    EXPECT_EQ(db->ADOQuery7->State(), dsInsert);
    EXPECT_EQ(GridRows(grid), 3);
    KeyOnGrid(grid, Qt::Key_Up);
    EXPECT_EQ(db->ADOQuery7->State(), dsBrowse);
    EXPECT_EQ(GridRows(grid), 2);
    EXPECT_EQ(RowCount(QStringLiteral("待办事项")), 2);

    // Typing on a cell edits it in place; moving to another row posts it.
    KeyOnGrid(grid, Qt::Key_Down);
    TypeText(grid, QStringLiteral("买票"));
    ASSERT_TRUE(grid->EditorMode());
    KeyOnGrid(grid, Qt::Key_Up);
    EXPECT_EQ(Titles(), QStringList({"开会", "<null>", "买票"}));

    // Escape drops a change not yet posted.
    ClickCell(grid, 0, 1);
    TypeText(grid, QStringLiteral("X"));
    KeyOnGrid(grid, Qt::Key_Escape);
    KeyOnGrid(grid, Qt::Key_Escape);
    KeyOnGrid(grid, Qt::Key_Down);
    EXPECT_EQ(Titles(), QStringList({"开会", "<null>", "买票"}));
    EXPECT_TRUE(FDialogs.Shown().empty());
}

// Closing the query for "新建", hiding the window and ending the program each would drop a change
// that was typed but not yet posted; the change is written first instead.
struct PendingChange {
    const char* Name;
    std::function<void(ProgramTest&)> Act;
};

void PrintTo(const PendingChange& c, std::ostream* os)
{
    *os << c.Name;
}

class PendingChangeTest : public ToDoTest, public ::testing::WithParamInterface<PendingChange> {};

TEST_P(PendingChangeTest, IsWrittenBeforeItCouldBeLost)
{
    Click(Form7->bsSkinButton1);
    TypeInto(Form7->bsSkinDBEdit1, QStringLiteral("交材料"));
    TypeInto(Form7->bsSkinDBMemo1, QStringLiteral("给财务"));
    GetParam().Act(*this);
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
    EXPECT_EQ(Titles().mid(0, 2), QStringList({"开会", "交材料"}));
    EXPECT_EQ(Texts(Column(QStringLiteral("待办事项"), QStringLiteral("说明"))).at(1),
              QStringLiteral(" 给财务"));
}

INSTANTIATE_TEST_SUITE_P(
    , PendingChangeTest,
    ::testing::Values(PendingChange{"New", [](ProgramTest& t) { t.Click(Form7->bsSkinButton1); }},
                      PendingChange{"ExitButton", [](ProgramTest& t) { t.Click(Form7->bsSkinButton2); }},
                      PendingChange{"Frame", [](ProgramTest&) { Form7->close(); }},
                      PendingChange{"ProgramEnd",
                                    [](ProgramTest& t) {
                                        Form1->close();
                                        ASSERT_TRUE(Application->Terminated());
                                        t.Stop();
                                    }},
                      // What the session manager's commit request runs.
                      PendingChange{"SessionEnd",
                                    [](ProgramTest& t) {
                                        Application->QuitRequested();
                                        ASSERT_TRUE(Application->Terminated());
                                        t.Stop();
                                    }},
                      // A quit asked of the running message loop, while logged in, ends it.
                      PendingChange{"QuitWhileLoggedIn",
                                    [](ProgramTest& t) {
                                        ASSERT_TRUE(Form3->isVisible());
                                        QTimer::singleShot(0, [] { QCoreApplication::quit(); });
                                        QTimer guard;
                                        bool stuck = false;
                                        guard.setSingleShot(true);
                                        QObject::connect(&guard, &QTimer::timeout, [&] {
                                            stuck = true;
                                            QCoreApplication::exit(1);
                                        });
                                        guard.start(5000);
                                        EXPECT_EQ(Application->Run(), 0);
                                        EXPECT_FALSE(stuck);
                                        ASSERT_TRUE(Application->Terminated());
                                        t.Stop();
                                    }}),
    [](const auto& info) { return std::string(info.param.Name); });

class AccountsTest : public ProgramTest {
public:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Start();
        LogIn(FAdmin.Name, FAdmin.Password);
        Click(Form3->bsSkinSpeedButton5);
        Activate(Form8);
    }
};

TEST_F(AccountsTest, AnAccountCreatedAndEditedLogsInAfterARestart)
{
    EXPECT_EQ(GridRows(Form8->bsSkinDBGrid1), 0);
    Click(Form8->bsSkinButton1);
    EXPECT_EQ(GridRows(Form8->bsSkinDBGrid1), 2);
    EXPECT_EQ(Form8->bsSkinDBEdit1->text(), QStringLiteral(" "));
    ReplaceText(Form8->bsSkinDBEdit1, QStringLiteral("赵'六"));
    TypeInto(Form8->bsSkinDBEdit2, QStringLiteral("pw 6"));
    ClickCell(Form8->bsSkinDBGrid1, 0, 1);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(Texts(Column(QStringLiteral("管理员"), QStringLiteral("账号"))),
              QStringList({FAdmin.Name, QStringLiteral("赵'六")}));

    // The login list is read once, at start-up.
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name}));
    Restart();
    LogIn(QStringLiteral("赵'六"), QStringLiteral("pw 6"));
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_TRUE(Form3->isVisible());
}

TEST_F(AccountsTest, ANewAccountNeverEditedCannotLogIn)
{
    Click(Form8->bsSkinButton1);
    Click(Form8->bsSkinButton2);
    EXPECT_FALSE(Form8->isVisible());
    Restart();
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name, QStringLiteral(" ")}));
    LogIn(QStringLiteral(" "), QString());
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_EQ(FDialogs.Shown()[0].Text, QStringLiteral("请输入正确的用户名和密码"));
}

// Without an account nobody could log in at the next start.
TEST_F(AccountsTest, TheLastAccountIsNotDeletedAndTheWindowSaysWhy)
{
    Click(Form8->bsSkinButton1);
    Click(Form8->bsSkinButton3);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(RowCount(QStringLiteral("管理员")), 1);
    Click(Form8->bsSkinButton3);
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_EQ(FDialogs.Shown()[0].Kind, TDialogKind::SkinMessage);
    EXPECT_EQ(FDialogs.Shown()[0].Text, QStringLiteral("最后一个用户不能删除，否则下次将无法登录"));
    EXPECT_FALSE(FDialogs.Shown()[0].Text.contains(u'\n'));
    EXPECT_EQ(Texts(Column(QStringLiteral("管理员"), QStringLiteral("账号"))), QStringList({FAdmin.Name}));
    EXPECT_EQ(GridRows(Form8->bsSkinDBGrid1), 1);
    FDialogs.Clear();
    Restart();
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name}));
}

TEST_F(AccountsTest, APasswordTypedAndLeftUnpostedIsWrittenWhenTheWindowIsHidden)
{
    Click(Form8->bsSkinButton1);
    TypeInto(Form8->bsSkinDBEdit2, QStringLiteral("abc"));
    Click(Form8->bsSkinButton2);
    EXPECT_EQ(Texts(Column(QStringLiteral("管理员"), QStringLiteral("密码"))).at(1), QStringLiteral("abc"));
}

TEST_F(ProgramTest, TabMovesThroughTheRecordWindowsControlsInTheirTabOrder)
{
    Start();
    struct Window {
        TForm* Form;
        QList<QWidget*> Order; // from the first editor on; the grid comes before it
    };
    for (const Window& w : {Window{Form7,
                                   {Form7->bsSkinDBEdit1, Form7->bsSkinDBEdit2, Form7->bsSkinDBMemo1,
                                    Form7->bsSkinButton1, Form7->bsSkinButton2, Form7->bsSkinButton3}},
                            Window{Form8,
                                   {Form8->bsSkinDBEdit1, Form8->bsSkinDBEdit2, Form8->bsSkinButton1,
                                    Form8->bsSkinButton2, Form8->bsSkinButton3}}}) {
        Activate(w.Form);
        w.Order.front()->setFocus(Qt::TabFocusReason);
        for (int i = 1; i < w.Order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), w.Order[i])
                << w.Form->objectName().toStdString() << " " << i;
        }
        w.Order.front()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_TRUE(w.Form->findChild<TbsSkinDBGrid*>()->isAncestorOf(QApplication::focusWidget()));
        w.Form->Hide();
    }
}
