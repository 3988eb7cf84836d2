// The database tool's command line: what it creates, what it says, and what it refuses.
#include "DataAccess.h"
#include "DatabaseTool.h"
#include "TempWorkDir.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun RunTool(const QStringList& args)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = DatabaseTool::Run(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

int People(const QString& path)
{
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=\"%1\"").arg(path);
    TQuery query;
    query.Connection = &connection;
    query.SetSQL(QStringLiteral("select * from 人员资料"));
    query.Open();
    return query.RecordCount();
}

} // namespace

TEST(DatabaseTool, CreatesTheNamedFileAndReportsTheOperatorAccount)
{
    struct Case {
        const char* name;
        QStringList args;
        QString file;
        int people;
    };
    const std::vector<Case> cases = {
        {"empty, default name", {}, "db.mdb", 0},
        {"demo company", {"--demo", "演示.mdb"}, "演示.mdb", DatabaseTool::DemoPeople},
        {"sized company", {"--people", "12", "big.mdb"}, "big.mdb", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkDir dir;
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty());
        EXPECT_TRUE(run.out.startsWith(c.file + QStringLiteral(": new personnel database")));
        EXPECT_TRUE(run.out.contains(QRegularExpression(QStringLiteral("\noperator account: admin\n"
                                                                       "password: \\w{8,}\n$"))))
            << run.out.toStdString();
        EXPECT_EQ(People(c.file), c.people);
    }
}

TEST(DatabaseTool, RefusesToOverwriteAndSaysSoOnOneLine)
{
    TempWorkDir dir;
    ASSERT_EQ(RunTool({}).status, 0);
    const QByteArray before = [] {
        QFile file(QStringLiteral("db.mdb"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const ToolRun run = RunTool({QStringLiteral("--demo"), QStringLiteral("db.mdb")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("mkdb: ")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("db.mdb")));
    EXPECT_EQ(run.err.count(u'\n'), 1);
    QFile file(QStringLiteral("db.mdb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(People(QStringLiteral("db.mdb")), 0);
}

TEST(DatabaseTool, ArgumentsItDoesNotUnderstandCreateNothing)
{
    struct Case {
        const char* name;
        QStringList args;
        int status;
    };
    const std::vector<Case> cases = {
        {"no count", {"--people"}, 2},
        {"zero people", {"--people", "0"}, 2},
        {"count not a number", {"--people", "many", "x.mdb"}, 2},
        {"unknown option", {"--bogus"}, 2},
        {"two files", {"a.mdb", "b.mdb"}, 2},
        {"folder missing", {"无此目录/x.mdb"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkDir dir;
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
}
