// The data module: the connection to db.mdb and the eight shared queries with their data sources.
#pragma once

#include "DataAccess.h"

#include <QObject>

// Created first of all objects and kept for the whole run. Every component is closed after
// creation; the connection opens itself when the first query opens. Each query serves one table
// and is joined to the windows' controls by the data source of the same number.
class Tdb : public QObject
{
    Q_OBJECT
  public:
    // The connection string of the program's database, db.mdb in the working directory.
    static const QString ConnectionString;

    explicit Tdb(QObject* owner = nullptr);
    ~Tdb() override;

    TConnection* acPer;
    TQuery* ADOQuery1; // 人员资料
    TQuery* ADOQuery2; // 部门管理
    TQuery* ADOQuery3; // 工作经历
    TQuery* ADOQuery4; // 社会关系
    TQuery* ADOQuery5; // 奖惩记录
    TQuery* ADOQuery6; // 培训记录
    TQuery* ADOQuery7; // 待办事项
    TQuery* ADOQuery8; // 管理员
    TDataSource* DataSource1;
    TDataSource* DataSource2;
    TDataSource* DataSource3;
    TDataSource* DataSource4;
    TDataSource* DataSource5;
    TDataSource* DataSource6;
    TDataSource* DataSource7;
    TDataSource* DataSource8;

  private:
    TQuery* MakeQuery(const char* name, const char* statement);
    TDataSource* MakeDataSource(const char* name, TQuery* query);
};

// The one data module; set when it is created.
extern Tdb* db;
