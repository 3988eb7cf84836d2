// The data module: its components, their names and settings, and that nothing is open at first.
#include "PersonnelSchema.h"
#include "TempWorkDir.h"
#include "Unit2.h"

#include <gtest/gtest.h>

namespace {

struct QueryCase {
    int number;
    QString statement;
};

const std::vector<QueryCase> Queries = {
    {1, "select * from 人员资料"}, {2, "select * from 部门管理"}, {3, "select * from 工作经历"},
    {4, "select * from 社会关系"}, {5, "select * from 奖惩记录"}, {6, "select * from 培训记录"},
    {7, "select * from 待办事项"}, {8, "select * from 管理员"},
};

} // namespace

TEST(Tdb, HoldsTheConnectionAndEightClosedQueriesWithTheirDataSources)
{
    Tdb module;
    EXPECT_EQ(db, &module);
    EXPECT_EQ(module.findChild<TConnection*>(QStringLiteral("acPer")), module.acPer);
    EXPECT_FALSE(module.acPer->Connected());
    EXPECT_FALSE(module.acPer->LoginPrompt);
    EXPECT_EQ(TConnection::ConnectionValue(module.acPer->ConnectionString, QStringLiteral("Data Source")),
              QStringLiteral("db.mdb"));
    EXPECT_TRUE(module.acPer->ConnectionString.startsWith(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=db.mdb;")));

    const TQuery* members[] = {module.ADOQuery1, module.ADOQuery2, module.ADOQuery3, module.ADOQuery4,
                               module.ADOQuery5, module.ADOQuery6, module.ADOQuery7, module.ADOQuery8};
    const TDataSource* sources[] = {module.DataSource1, module.DataSource2, module.DataSource3,
                                    module.DataSource4, module.DataSource5, module.DataSource6,
                                    module.DataSource7, module.DataSource8};
    for (const QueryCase& c : Queries) {
        SCOPED_TRACE(c.number);
        const TQuery* query = members[c.number - 1];
        const TDataSource* source = sources[c.number - 1];
        EXPECT_EQ(module.findChild<TQuery*>(QStringLiteral("ADOQuery%1").arg(c.number)), query);
        EXPECT_EQ(module.findChild<TDataSource*>(QStringLiteral("DataSource%1").arg(c.number)), source);
        EXPECT_EQ(query->SQL(), c.statement);
        EXPECT_EQ(query->Connection, module.acPer);
        EXPECT_FALSE(query->Active());
        EXPECT_EQ(source->DataSet(), query);
    }
}

TEST(Tdb, QueriesOpenTheirTablesInTheWorkingDirectorysDatabase)
{
    TempWorkDir dir;
    const OperatorAccount account = PersonnelSchema::CreateDatabase(QStringLiteral("db.mdb"));
    Tdb module;
    TQuery* queries[] = {module.ADOQuery1, module.ADOQuery2, module.ADOQuery3, module.ADOQuery4,
                         module.ADOQuery5, module.ADOQuery6, module.ADOQuery7, module.ADOQuery8};
    for (TQuery* query : queries) {
        SCOPED_TRACE(query->objectName().toStdString());
        query->Open();
        EXPECT_TRUE(query->CanModify());
    }
    EXPECT_TRUE(module.acPer->Connected());
    EXPECT_EQ(module.ADOQuery1->RecordCount(), 0);
    EXPECT_EQ(module.ADOQuery8->RecordCount(), 1);
    EXPECT_EQ(module.ADOQuery8->FieldByName(QStringLiteral("账号"))->AsString(), account.Name);
    EXPECT_EQ(module.ADOQuery8->FieldByName(QStringLiteral("密码"))->AsString(), account.Password);
}
