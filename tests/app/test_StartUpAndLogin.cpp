// The program end to end: start-up order and messages, login, logging out, and the end.
#include "ProgramFixture.h"

#include "DataAccess.h"
#include "StartUp.h"
#include "TApplication.h"
#include "TQuery.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QStringList FormNames()
{
    QStringList names;
    for (TForm* form : Application->Forms())
        names << form->objectName();
    return names;
}

bool OnlyVisible(TForm* visible)
{
    for (TForm* form : Application->Forms())
        if (form->isVisible() != (form == visible))
            return false;
    return true;
}

} // namespace

TEST_F(ProgramTest, StartsLoggedOutWithTheWindowsInStartUpOrderAndTheAccountsListed)
{
    Exec(QStringLiteral("insert into 管理员(账号, 密码) values(:a, :p)"),
         {QStringLiteral("张三"), QStringLiteral("1")});
    Start();

    EXPECT_EQ(FormNames(), QStringList({"Form1", "Form3", "Form6", "Form4", "Form5", "Form7", "Form8"}));
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_TRUE(OnlyVisible(Form1));
    EXPECT_EQ(Form1->Caption(), QStringLiteral("人事管理系统 - 登录"));
    EXPECT_EQ(Form1->ClientWidget()->size(), QSize(327, 203));
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name, QStringLiteral("张三")}));
    EXPECT_EQ(Form1->cmbUserName->ItemIndex(), 0);
    EXPECT_TRUE(FDialogs.Shown().empty());
    // The shared queries stay closed until a window opens them.
    for (TQuery* query : {db->ADOQuery1, db->ADOQuery7, db->ADOQuery8})
        EXPECT_FALSE(query->Active());

    struct Window {
        TForm* Form;
        const char* Caption;
        QSize Client;
    };
    for (const Window& w : {Window{Form4, "档案管理", {835, 521}}, Window{Form5, "添加部门", {260, 99}},
                            Window{Form6, "部门选择", {238, 362}}, Window{Form7, "待办事项", {840, 483}},
                            Window{Form8, "用户管理", {394, 383}}, Window{Form3, "", {720, 432}}}) {
        if (*w.Caption) {
            EXPECT_EQ(w.Form->Caption(), QString::fromUtf8(w.Caption));
        }
        EXPECT_EQ(w.Form->ClientWidget()->size(), w.Client) << w.Form->objectName().toStdString();
    }
    EXPECT_TRUE(Form3->Caption().startsWith(QStringLiteral(" 人事信息管理系统  ")));
}

namespace {

const QStringList AllForms = {"Form1", "Form3", "Form6", "Form4", "Form5", "Form7", "Form8"};

TProgramOptions LoginFirst()
{
    TProgramOptions options;
    options.PaintLoginFirst = true;
    return options;
}

} // namespace

// The program paints the login window before it creates the other six windows, in their order,
// still before the operator can do anything.
TEST_F(ProgramTest, PaintingTheLoginWindowFirstCreatesTheOtherWindowsRightAfterItsFirstPaint)
{
    StartUp(LoginFirst());
    FStarted = true;
    EXPECT_EQ(FormNames(), QStringList({"Form1"}));
    QTRY_VERIFY(Form8 != nullptr);
    EXPECT_EQ(FormNames(), AllForms);
    EXPECT_TRUE(OnlyVisible(Form1));
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name}));
    LogIn(FAdmin.Name, FAdmin.Password);
    EXPECT_TRUE(OnlyVisible(Form3));
}

TEST_F(ProgramTest, AnInputBeforeTheLoginWindowsFirstPaintCreatesTheOtherWindowsFirst)
{
    StartUp(LoginFirst());
    FStarted = true;
    ASSERT_EQ(Form3, nullptr);
    QTest::keyClick(Form1->edtpassword, Qt::Key_A);
    EXPECT_EQ(FormNames(), AllForms) << "created before the key was handled";
    EXPECT_EQ(Form1->edtpassword->Text(), QStringLiteral("a"));
    Stop();
    EXPECT_EQ(Form3, nullptr) << "nothing the end sends creates windows again";
}

TEST_F(ProgramTest, AnEndBeforeTheLoginWindowsFirstPaintCreatesNoWindow)
{
    StartUp(LoginFirst());
    FStarted = true;
    Stop();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form3, nullptr);
}

// When the login window has something to say, the others may too: every message comes before any
// window is visible, as without painting the login window first.
TEST_F(ProgramTest, ALoginWindowMessageCreatesEveryWindowBeforeTheLoginWindowIsShown)
{
    QFile::remove(QStringLiteral("db.mdb"));
    bool windowVisible = false;
    FDialogs.OnShown = [&](const TDialogRequest&) {
        if (Application)
            for (TForm* form : Application->Forms())
                windowVisible = windowVisible || form->isVisible();
    };
    StartUp(LoginFirst());
    FStarted = true;
    EXPECT_EQ(FormNames(), AllForms);
    EXPECT_GE(FDialogs.Shown().size(), 2u) << "the login window's and the archive window's";
    EXPECT_FALSE(windowVisible);
    FDialogs.OnShown = nullptr;
}

// The platform appends Qt's application display name to the titles once one is set, so the
// program must never set it: each title is exactly the window's caption.
TEST_F(ProgramTest, EveryWindowIsTitledExactlyByItsCaption)
{
    Start();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(Application->Title(), QStringLiteral("人事管理系统"));
    for (TForm* form : Application->Forms()) {
        form->Show();
        ASSERT_NE(form->windowHandle(), nullptr) << form->objectName().toStdString();
        EXPECT_EQ(form->windowHandle()->title(), form->Caption()) << form->objectName().toStdString();
        EXPECT_EQ(form->windowTitle(), form->Caption());
        EXPECT_FALSE(form->Caption().isEmpty());
    }
}

// The windows name Windows faces that stand for one installed family: no control falls back to the
// platform's own default family, which would look out of place and cost another font to load.
TEST_F(ProgramTest, EveryControlDrawsInTheFamilyTheWindowsAskFor)
{
    Start();
    const std::string family = QFontInfo(QFont(QStringLiteral("Tahoma"))).family().toStdString();
    for (TForm* form : Application->Forms()) {
        for (QWidget* control : form->findChildren<QWidget*>())
            EXPECT_EQ(QFontInfo(control->font()).family().toStdString(), family)
                << form->objectName().toStdString() << " " << control->metaObject()->className() << " "
                << control->objectName().toStdString();
    }
}

TEST_F(ProgramTest, WindowsOpenCentredOnTheScreen)
{
    Start();
    Form7->Show();
    const QRect screen = Form7->screen()->geometry();
    // Within the few pixels of the platform's frame, whose size is known only once it is shown.
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form7)}) {
        EXPECT_LE((form->frameGeometry().center() - screen.center()).manhattanLength(), 8);
    }
}

struct StartUpProblem {
    const char* Name;
    std::function<void(ProgramTest&)> Arrange;
    // The messages; "{file}" stands for the full path of db.mdb, and a message ending in "*" is
    // matched up to it (the rest is the engine's own wording).
    const char* StartUpMessage;
    const char* LoginMessage;
};

void PrintTo(const StartUpProblem& c, std::ostream* os)
{
    *os << c.Name;
}

void ExpectMessage(const QString& shown, const char* expected)
{
    QString text = QString::fromUtf8(expected);
    text.replace(QStringLiteral("{file}"), QDir::current().absoluteFilePath(QStringLiteral("db.mdb")));
    if (text.endsWith(u'*')) {
        text.chop(1);
        EXPECT_TRUE(shown.startsWith(text)) << shown.toStdString();
        EXPECT_EQ(shown.count(u'\n'), 1) << shown.toStdString();
    } else {
        EXPECT_EQ(shown, text);
    }
}

class StartUpProblemTest : public ProgramTest, public ::testing::WithParamInterface<StartUpProblem> {};

// The message comes while the windows are created, before any is visible; the login window still
// opens with an empty list, and every "确定" then fails with its own message.
TEST_P(StartUpProblemTest, ShowsItsMessageBeforeAnyWindowAndStillOpensTheLoginWindow)
{
    GetParam().Arrange(*this);
    bool windowVisible = false;
    FDialogs.OnShown = [&](const TDialogRequest&) {
        if (Application)
            for (TForm* form : Application->Forms())
                windowVisible = windowVisible || form->isVisible();
    };
    Start();
    ASSERT_FALSE(FDialogs.Shown().empty());
    const TDialogRequest& first = FDialogs.Shown().front();
    EXPECT_EQ(first.Kind, TDialogKind::SkinMessage);
    ExpectMessage(first.Text, GetParam().StartUpMessage);
    EXPECT_EQ(first.DlgType, mtError);
    EXPECT_EQ(first.Buttons, TMsgDlgButtons({mbOK}));
    EXPECT_FALSE(windowVisible);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Form1->cmbUserName->Items().isEmpty());

    FDialogs.Clear();
    FDialogs.OnShown = nullptr;
    Activate(Form1);
    TypeInto(Form1->edtpassword, QStringLiteral("x"));
    Click(Form1->btnOK);
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_EQ(FDialogs.Shown()[0].Kind, TDialogKind::SkinMessage);
    ExpectMessage(FDialogs.Shown()[0].Text, GetParam().LoginMessage);
    EXPECT_FALSE(Form3->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    , StartUpProblemTest,
    ::testing::Values(
        StartUpProblem{"NoDatabaseFile", [](ProgramTest&) { QFile::remove(QStringLiteral("db.mdb")); },
                       "连接数据库出错!\n找不到数据库文件“{file}”",
                       "连接数据库出错!\n找不到数据库文件“{file}”"},
        StartUpProblem{"DatabaseIsAFolder",
                       [](ProgramTest&) {
                           QFile::remove(QStringLiteral("db.mdb"));
                           QDir().mkdir(QStringLiteral("db.mdb"));
                       },
                       "连接数据库出错!\n“{file}”是一个文件夹，不是数据库文件",
                       "连接数据库出错!\n“{file}”是一个文件夹，不是数据库文件"},
        StartUpProblem{"EmptyFile",
                       [](ProgramTest&) {
                           QFile file(QStringLiteral("db.mdb"));
                           ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                       },
                       "连接数据库出错!\n数据库文件“{file}”是空的，里面没有任何表",
                       "连接数据库出错!\n数据库文件“{file}”是空的，里面没有任何表"},
        StartUpProblem{"NoAccountTable",
                       [](ProgramTest& test) { test.Exec(QStringLiteral("drop table 管理员")); },
                       "连接数据库出错!\nno such table: 管理员*", "连接数据库出错!\nno such table: 管理员*"},
        StartUpProblem{"NoAccountColumn",
                       [](ProgramTest& test) {
                           test.Exec(QStringLiteral("alter table 管理员 rename column 账号 to 名字"));
                       },
                       "连接数据库出错!\n管理员: Field '账号' not found*",
                       "连接数据库出错!\nno such column: 账号*"},
        StartUpProblem{"NoAccount",
                       [](ProgramTest& test) { test.Exec(QStringLiteral("delete from 管理员")); },
                       "没有可以登陆的用户名", "请输入正确的用户名和密码"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ProgramTest, AnAccountListALockKeptFromBeingReadIsReadAgainBeforeTheNextLogin)
{
    TConnection other;
    other.ConnectionString = QStringLiteral("Data Source=db.mdb");
    other.Execute(QStringLiteral("begin exclusive"));
    Start();
    ASSERT_FALSE(FDialogs.Shown().empty());
    ExpectMessage(FDialogs.Shown().front().Text, "连接数据库出错!\ndatabase is locked*");
    EXPECT_TRUE(Form1->cmbUserName->Items().isEmpty());

    other.Execute(QStringLiteral("rollback"));
    FDialogs.Clear();
    Activate(Form1);
    TypeInto(Form1->edtpassword, FAdmin.Password);
    Click(Form1->btnOK);
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name}));
    EXPECT_TRUE(Form3->isVisible());
}

TEST_F(ProgramTest, AReadOnlyDatabaseIsToldOnceAtStartUp)
{
    QFile::setPermissions(QStringLiteral("db.mdb"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    Start();
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_EQ(FDialogs.Shown()[0].Kind, TDialogKind::SkinMessage);
    EXPECT_EQ(FDialogs.Shown()[0].Text, QStringLiteral("数据库文件是只读的，修改将无法保存"));
    EXPECT_EQ(FDialogs.Shown()[0].DlgType, mtWarning);
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name}));
    LogIn(FAdmin.Name, FAdmin.Password);
    EXPECT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_TRUE(Form3->isVisible());
    QFile::setPermissions(QStringLiteral("db.mdb"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(ProgramTest, NoDatabaseFileIsNotCreatedByStartingTheProgram)
{
    QFile::remove(QStringLiteral("db.mdb"));
    Start();
    EXPECT_FALSE(QFile::exists(QStringLiteral("db.mdb")));
}

struct RefusedLogin {
    const char* Name;
    const char* StoredPassword; // nullptr: no value at all
    const char* TypedPassword;
};

void PrintTo(const RefusedLogin& c, std::ostream* os)
{
    *os << c.Name;
}

class RefusedLoginTest : public ProgramTest, public ::testing::WithParamInterface<RefusedLogin> {};

TEST_P(RefusedLoginTest, ShowsTheSkinnedMessageAndKeepsTheChoiceAndThePassword)
{
    const RefusedLogin& c = GetParam();
    Exec(QStringLiteral("insert into 管理员(账号, 密码) values(:a, :p)"),
         {QStringLiteral("李四"),
          c.StoredPassword ? QVariant(QString::fromUtf8(c.StoredPassword)) : QVariant()});
    Start();
    LogIn(QStringLiteral("李四"), QString::fromUtf8(c.TypedPassword));

    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    const TDialogRequest& shown = FDialogs.Shown()[0];
    EXPECT_EQ(shown.Kind, TDialogKind::SkinMessage);
    EXPECT_EQ(shown.Text, QStringLiteral("请输入正确的用户名和密码"));
    EXPECT_EQ(shown.Caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.DlgType, mtError);
    EXPECT_EQ(shown.Buttons, TMsgDlgButtons({mbOK}));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(Form1->cmbUserName->Text(), QStringLiteral("李四"));
    EXPECT_EQ(Form1->edtpassword->Text(), QString::fromUtf8(c.TypedPassword));
}

INSTANTIATE_TEST_SUITE_P(
    , RefusedLoginTest,
    ::testing::Values(RefusedLogin{"WrongPassword", "secret", "secreT"},
                      RefusedLogin{"NullPasswordAndEmptyEdit", nullptr, ""},
                      RefusedLogin{"NullPasswordAndTypedText", nullptr, "x"},
                      // Typed text reaches the engine only as a value, never as part of the statement.
                      RefusedLogin{"QuoteInPassword", "secret", "' or '1'='1"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ProgramTest, MatchingAccountShowsTheMainWindowHidesTheLoginAndEmptiesThePassword)
{
    Exec(QStringLiteral("insert into 管理员(账号, 密码) values(:a, :p)"),
         {QStringLiteral("王'五"), QStringLiteral("")});
    Start();
    LogIn(FAdmin.Name, FAdmin.Password);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_TRUE(OnlyVisible(Form3));
    EXPECT_TRUE(Form1->edtpassword->Text().isEmpty());

    // An empty password is text like any other, and a quote in a name is just a character.
    Click(Form3->bsSkinSpeedButton7);
    LogIn(QStringLiteral("王'五"), QString());
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_TRUE(Form3->isVisible());
}

TEST_F(ProgramTest, LoggingInAgainKeepsOpenRecordWindowsAndTheListAsItWasAtStartUp)
{
    Start();
    LogIn(FAdmin.Name, FAdmin.Password);
    Click(Form3->bsSkinSpeedButton3);
    ASSERT_TRUE(Form7->isVisible());
    Exec(QStringLiteral("insert into 管理员(账号, 密码) values(:a, :p)"),
         {QStringLiteral("新人"), QStringLiteral("1")});

    Click(Form3->bsSkinSpeedButton7);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Form7->isVisible());
    EXPECT_TRUE(Form1->edtpassword->Text().isEmpty());
    EXPECT_EQ(Form1->cmbUserName->Items(), QStringList({FAdmin.Name}));

    LogIn(FAdmin.Name, FAdmin.Password);
    EXPECT_TRUE(FDialogs.Shown().empty());
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(Form7->isVisible());
}

TEST_F(ProgramTest, UnfinishedFunctionsAnswerWithAMessageAndChangeNoWindow)
{
    Start();
    LogIn(FAdmin.Name, FAdmin.Password);
    for (TbsSkinSpeedButton* button : {Form3->bsSkinSpeedButton1, Form3->bsSkinSpeedButton4}) {
        FDialogs.Clear();
        Click(button);
        ASSERT_EQ(FDialogs.Shown().size(), 1u) << button->Caption().toStdString();
        EXPECT_EQ(FDialogs.Shown()[0].Kind, TDialogKind::SkinMessage);
        EXPECT_EQ(FDialogs.Shown()[0].Text, QStringLiteral("功能开发中"));
        EXPECT_EQ(FDialogs.Shown()[0].DlgType, mtError);
        EXPECT_EQ(FDialogs.Shown()[0].Buttons, TMsgDlgButtons({mbOK}));
        EXPECT_TRUE(OnlyVisible(Form3));
    }
}

TEST_F(ProgramTest, MainWindowButtonsOpenTheRecordWindows)
{
    Start();
    LogIn(FAdmin.Name, FAdmin.Password);
    Click(Form3->bsSkinSpeedButton3);
    Click(Form3->bsSkinSpeedButton5);
    Click(Form3->bsSkinSpeedButton2);
    EXPECT_TRUE(Form7->isVisible());
    EXPECT_TRUE(Form8->isVisible());
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_TRUE(Form3->isVisible());
    // Their frames only hide them.
    for (TForm* form : {static_cast<TForm*>(Form4), static_cast<TForm*>(Form7), static_cast<TForm*>(Form8)}) {
        form->close();
        EXPECT_FALSE(form->isVisible());
    }
    EXPECT_FALSE(Application->Terminated());
}

struct Ending {
    const char* Name;
    std::function<void(ProgramTest&)> Act;
};

void PrintTo(const Ending& c, std::ostream* os)
{
    *os << c.Name;
}

class EndingTest : public ProgramTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, EndsTheProgram)
{
    Start();
    GetParam().Act(*this);
    EXPECT_TRUE(Application->Terminated());
}

INSTANTIATE_TEST_SUITE_P(
    , EndingTest,
    ::testing::Values(Ending{"LoginExitButton",
                             [](ProgramTest&) { QTest::mouseClick(Form1->btnCancel, Qt::LeftButton); }},
                      Ending{"LoginFrame", [](ProgramTest&) { Form1->close(); }},
                      Ending{"LoginFrameWithRecordWindowsOpen",
                             [](ProgramTest&) {
                                 Form7->Show();
                                 Form8->Show();
                                 Form1->close();
                             }},
                      Ending{"MainExitButton",
                             [](ProgramTest& test) {
                                 test.LogIn(test.FAdmin.Name, test.FAdmin.Password);
                                 QTest::mouseClick(Form3->bsSkinSpeedButton6, Qt::LeftButton);
                             }},
                      Ending{"MainFrame",
                             [](ProgramTest& test) {
                                 test.LogIn(test.FAdmin.Name, test.FAdmin.Password);
                                 Form3->close();
                             }},
                      Ending{"LoginExitAfterLoggingOut",
                             [](ProgramTest& test) {
                                 test.LogIn(test.FAdmin.Name, test.FAdmin.Password);
                                 QTest::mouseClick(Form3->bsSkinSpeedButton7, Qt::LeftButton);
                                 QTest::mouseClick(Form1->btnCancel, Qt::LeftButton);
                             }}),
    [](const auto& info) { return std::string(info.param.Name); });
