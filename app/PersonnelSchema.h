// The eight tables of the personnel database, and making a new database file that holds them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TConnection;

// One table: its name and its columns in order, after the integer key "ID" that every table has.
struct PersonnelTable {
    QString Name;
    QStringList Columns;
};

// The operator account a new database is made with.
struct OperatorAccount {
    QString Name;
    QString Password;
};

namespace PersonnelSchema
{

// 人员资料, 部门管理, 工作经历, 社会关系, 奖惩记录, 培训记录, 待办事项, 管理员, in this order.
const QList<PersonnelTable>& Tables();
// The table of that name; raises EDatabaseError for a name that is not one of the eight.
const PersonnelTable& Table(const QString& name);
// 人员资料.部门 and 部门管理.上级部门 hold department keys and are integers; every other column
// besides ID is text.
bool IsIntegerColumn(const QString& table, const QString& column);
// "create table ..." with "ID INTEGER PRIMARY KEY AUTOINCREMENT" first.
QString CreateStatement(const PersonnelTable& table);
// "insert into <table> (<columns>) values (:<column>, ...)", the parameters in column order.
QString InsertStatement(const PersonnelTable& table);

// Creates a new database file at path with the eight tables and one operator account (answering its
// name and a fresh random password); with demoPeople > 0 it also fills a demo company with that
// many people. All of it is one transaction. Refuses a path that exists (EDatabaseError); when
// anything fails the new file is removed again.
OperatorAccount CreateDatabase(const QString& path, int demoPeople = 0);

} // namespace PersonnelSchema
