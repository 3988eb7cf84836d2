// The connection: its connection string, where it finds the file, and files it must refuse.
#include "AheadWork.h"
#include "DataSetFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QThread>
#include <latch>

TEST(ConnectionString, ValuesAreFoundByKeyIgnoringCaseAndQuotes)
{
    struct Case {
        const char* name;
        QString text;
        QString key;
        QString value;
    };
    const std::vector<Case> cases = {
        {"Jet style", JetConnectionString, "Data Source", "db.mdb"},
        {"key case ignored", JetConnectionString, "data source", "db.mdb"},
        {"empty quoted value", JetConnectionString, "Jet OLEDB:System database", ""},
        {"quoted value with a semicolon", "Provider=x;Data Source=\"a;b.mdb\";Mode=1", "Data Source",
         "a;b.mdb"},
        {"blanks around", "Provider=x; Data Source = 人事 库.mdb ;", "Data Source", "人事 库.mdb"},
        {"absent", "Provider=x", "Data Source", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TConnection::ConnectionValue(c.text, c.key), c.value);
    }
}

TEST(Connection, AMissingFileIsAnErrorNamingItAndNoFileIsCreated)
{
    TempWorkDir dir;
    TConnection connection;
    connection.ConnectionString = JetConnectionString;
    try {
        connection.Open();
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains(dir.filePath(QStringLiteral("db.mdb")))) << e.what();
    }
    EXPECT_FALSE(connection.Connected());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("db.mdb"))));

    TQuery q; // a query opens its connection by itself, and fails the same way
    q.Connection = &connection;
    q.SetSQL(QStringLiteral("select * from 人员资料"));
    EXPECT_THROW(q.Open(), EDatabaseError);
    EXPECT_FALSE(q.Active());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(Connection, AFileThatIsNoDatabaseIsRefused)
{
    TempWorkDir dir;
    QFile file(QStringLiteral("db.mdb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    TConnection connection;
    connection.ConnectionString = JetConnectionString;
    EXPECT_THROW(connection.Open(), EDatabaseError);
    EXPECT_FALSE(connection.Connected());
}

TEST(Connection, AFolderInPlaceOfTheFileIsSaidToBeOne)
{
    TempWorkDir dir;
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("db.mdb")));
    TConnection connection;
    connection.ConnectionString = JetConnectionString;
    try {
        connection.Open();
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("is a folder"))) << e.what();
    }
    EXPECT_FALSE(connection.Connected());
}

TEST(Connection, DataSourceIsResolvedAgainstTheWorkingDirectoryWhenOpening)
{
    TempWorkDir dir;
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("子目录")));
    TConnection::CreateDatabaseFile(QStringLiteral("子目录/db.mdb"));
    TConnection connection;
    connection.ConnectionString = JetConnectionString; // set while db.mdb is not here
    ASSERT_TRUE(QDir::setCurrent(dir.filePath(QStringLiteral("子目录"))));
    connection.Open();
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(connection.DatabasePath(), QDir(dir.filePath(QStringLiteral("子目录"))).filePath("db.mdb"));
    connection.Close();
}

TEST(Connection, CreatingRefusesAnExistingFile)
{
    TempWorkDir dir;
    TConnection::CreateDatabaseFile(QStringLiteral("db.mdb"));
    EXPECT_THROW(TConnection::CreateDatabaseFile(QStringLiteral("db.mdb")), EDatabaseError);
    EXPECT_THROW(TConnection::CreateDatabaseFile(QStringLiteral("无此目录/db.mdb")), EDatabaseError);
}

TEST_F(DataSetTest, ClosingTheConnectionClosesItsQueries)
{
    OpenPeople();
    q.Edit();
    q.FieldByName(QStringLiteral("姓名"))->SetAsString(QStringLiteral("未保存"));
    connection.Close();
    EXPECT_FALSE(q.Active());
    q.Open(); // and the next open reconnects
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(q.FieldByName(QStringLiteral("姓名"))->AsString(), QStringLiteral("张三"));
}

TEST_F(DataSetTest, ATransactionRollsBackOrCommitsEveryStatementInIt)
{
    connection.BeginTrans();
    Exec(QStringLiteral("delete from 人员"));
    connection.RollbackTrans();
    EXPECT_EQ(FileNames().size(), 3);
    connection.BeginTrans();
    Exec(QStringLiteral("delete from 人员 where ID=1"));
    connection.CommitTrans();
    EXPECT_EQ(FileNames().size(), 2);
    EXPECT_FALSE(connection.InTransaction());
}

namespace {

// How many connections Qt keeps by name.
int ConnectionCount()
{
    return int(QSqlDatabase::connectionNames().size());
}

QStringList TableNames(TConnection& connection)
{
    TQuery read;
    read.Connection = &connection;
    read.SetSQL(QStringLiteral("select name from sqlite_master where type='table' order by name"));
    read.Open();
    QStringList names;
    for (; !read.Eof(); read.Next())
        names.append(read.Fields(0)->AsString());
    return names;
}

} // namespace

// Opened on the helper thread, the connection is taken over by the first Open, whether that comes
// before the helper has begun, while it opens, or after: then it is used, and writes, on the
// thread it belongs to.
TEST_F(DataSetTest, AConnectionOpenedAheadIsTakenOverByTheFirstOpen)
{
    enum class TWhen { BeforeTheHelperBegins, WhileItRuns, AfterItIsDone };
    for (const TWhen when : {TWhen::BeforeTheHelperBegins, TWhen::WhileItRuns, TWhen::AfterItIsDone}) {
        SCOPED_TRACE(int(when));
        const int before = ConnectionCount();
        std::latch release(1);
        if (when == TWhen::BeforeTheHelperBegins)
            RunAhead([&] { release.wait(); });
        TConnection ahead;
        ahead.ConnectionString = JetConnectionString;
        ahead.OpenAhead();
        if (when == TWhen::AfterItIsDone)
            FinishAheadWork();
        ahead.Open();
        release.count_down();
        FinishAheadWork();
        ASSERT_TRUE(ahead.Connected());
        EXPECT_EQ(ahead.Database().driver()->thread(), QThread::currentThread());
        EXPECT_EQ(ConnectionCount(), before + 1);
        EXPECT_EQ(ahead.Execute(QStringLiteral("update 人员 set 姓名='赵六' where ID=3")), 1);
        EXPECT_EQ(FileNames().last(), QStringLiteral("赵六"));
        Exec(QStringLiteral("update 人员 set 姓名='王五' where ID=3"));
        ahead.Close();
        EXPECT_EQ(ConnectionCount(), before);
    }
}

// What keeps the file from opening ahead is what Open then reports, as it does without.
TEST(Connection, WhatFailsAheadIsReportedByTheOpenAfter)
{
    TempWorkDir dir;
    const auto openError = [](bool ahead) {
        TConnection connection;
        connection.ConnectionString = JetConnectionString;
        if (ahead) {
            connection.OpenAhead();
            FinishAheadWork();
        }
        try {
            connection.Open();
        } catch (const EDatabaseError& e) {
            EXPECT_FALSE(connection.Connected());
            return e.Message();
        }
        return QStringLiteral("no error");
    };
    const int before = ConnectionCount();
    EXPECT_EQ(openError(true), openError(false)) << "a missing file";
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("db.mdb")));
    EXPECT_EQ(openError(true), openError(false)) << "a folder";
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("db.mdb")));
    QFile file(QStringLiteral("db.mdb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    EXPECT_EQ(openError(true), openError(false)) << "no database";
    EXPECT_EQ(ConnectionCount(), before);
}

// The file opened ahead is let go of when the connection would now open another one, is closed,
// or ends before it is taken over.
TEST(Connection, AConnectionOpenedAheadOfAnotherFileOrNeverTakenOverIsLetGo)
{
    TempWorkDir dir;
    for (const char* folder : {"甲", "乙"}) {
        ASSERT_TRUE(QDir().mkdir(QString::fromUtf8(folder)));
        TConnection maker;
        maker.ConnectionString = QStringLiteral("Data Source=%1/db.mdb").arg(QString::fromUtf8(folder));
        TConnection::CreateDatabaseFile(maker.DatabasePath());
        maker.Execute(QStringLiteral("create table 表%1 (ID INTEGER)").arg(QString::fromUtf8(folder)));
    }
    const int before = ConnectionCount();
    {
        ASSERT_TRUE(QDir::setCurrent(dir.filePath(QStringLiteral("甲"))));
        TConnection connection;
        connection.ConnectionString = JetConnectionString;
        connection.OpenAhead();
        FinishAheadWork();
        ASSERT_TRUE(QDir::setCurrent(dir.filePath(QStringLiteral("乙"))));
        connection.Open();
        EXPECT_EQ(TableNames(connection), QStringList{QStringLiteral("表乙")});
        EXPECT_EQ(ConnectionCount(), before + 1);
    }
    EXPECT_EQ(ConnectionCount(), before);
    for (const bool close : {true, false}) {
        TConnection connection;
        connection.ConnectionString = JetConnectionString;
        connection.OpenAhead();
        FinishAheadWork();
        EXPECT_EQ(ConnectionCount(), before + 1);
        if (close)
            connection.Close();
    }
    EXPECT_EQ(ConnectionCount(), before);
}
