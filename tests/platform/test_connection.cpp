// The connection: its connection string, where it finds the file, and files it must refuse.
#include "DataSetFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
