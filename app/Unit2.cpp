// The data module's components and their settings.
#include "Unit2.h"

Tdb* db = nullptr;

const QString Tdb::ConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=db.mdb;Mode=Share Deny None;"
    "Persist Security Info=False;Jet OLEDB:System database=\"\";Jet OLEDB:Registry Path=\"\";"
    "Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking Mode=1;"
    "Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;"
    "Jet OLEDB:New Database Password=\"\";Jet OLEDB:Create System Database=False;"
    "Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't Copy Locale on Compact=False;"
    "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False");

Tdb::Tdb(QObject* owner) : QObject(owner)
{
    setObjectName(QStringLiteral("db"));
    acPer = new TConnection(this);
    acPer->setObjectName(QStringLiteral("acPer"));
    acPer->ConnectionString = ConnectionString;
    acPer->LoginPrompt = false;

    ADOQuery1 = MakeQuery("ADOQuery1", "select * from 人员资料");
    ADOQuery2 = MakeQuery("ADOQuery2", "select * from 部门管理");
    ADOQuery3 = MakeQuery("ADOQuery3", "select * from 工作经历");
    ADOQuery4 = MakeQuery("ADOQuery4", "select * from 社会关系");
    ADOQuery5 = MakeQuery("ADOQuery5", "select * from 奖惩记录");
    ADOQuery6 = MakeQuery("ADOQuery6", "select * from 培训记录");
    ADOQuery7 = MakeQuery("ADOQuery7", "select * from 待办事项");
    ADOQuery8 = MakeQuery("ADOQuery8", "select * from 管理员");
    DataSource1 = MakeDataSource("DataSource1", ADOQuery1);
    DataSource2 = MakeDataSource("DataSource2", ADOQuery2);
    DataSource3 = MakeDataSource("DataSource3", ADOQuery3);
    DataSource4 = MakeDataSource("DataSource4", ADOQuery4);
    DataSource5 = MakeDataSource("DataSource5", ADOQuery5);
    DataSource6 = MakeDataSource("DataSource6", ADOQuery6);
    DataSource7 = MakeDataSource("DataSource7", ADOQuery7);
    DataSource8 = MakeDataSource("DataSource8", ADOQuery8);
    if (!db)
        db = this;
}

Tdb::~Tdb()
{
    if (db == this)
        db = nullptr;
}

TQuery* Tdb::MakeQuery(const char* name, const char* statement)
{
    auto* query = new TQuery(this);
    query->setObjectName(QString::fromUtf8(name));
    query->Connection = acPer;
    query->SetSQL(QString::fromUtf8(statement));
    return query;
}

TDataSource* Tdb::MakeDataSource(const char* name, TQuery* query)
{
    auto* source = new TDataSource(this);
    source->setObjectName(QString::fromUtf8(name));
    source->SetDataSet(query);
    return source;
}
