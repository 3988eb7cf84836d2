// A small database made in a temporary working directory, for the data set layer's tests.
#pragma once

#include "DataAccess.h"
#include "TempWorkDir.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A connection string in the program's style: the database in the working directory, empty quoted
// values, and a key with an apostrophe.
inline const QString JetConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=db.mdb;Mode=Share Deny None;"
    "Jet OLEDB:System database=\"\";Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:SFP=False");

// db.mdb in a fresh working directory with one table of three people:
//   人员 (ID key, 姓名 text, 部门 integer, 人员id text): 张三 1 "1", 李四 1 "2", 王五 2 "3".
// The query q is on the connection, closed. FileNames() reads the names through a second
// connection, so it shows what is in the file, not what the query holds.
class DataSetTest : public ::testing::Test
{
  protected:
    DataSetTest()
    {
        TConnection::CreateDatabaseFile(QStringLiteral("db.mdb"));
        connection.ConnectionString = JetConnectionString;
        Exec(QStringLiteral("create table 人员 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 姓名 TEXT, "
                            "部门 INTEGER, 人员id TEXT)"));
        Exec(QStringLiteral("insert into 人员 (姓名, 部门, 人员id) values ('张三', 1, '1'), "
                            "('李四', 1, '2'), ('王五', 2, '3')"));
        q.Connection = &connection;
        q.setObjectName(QStringLiteral("q"));
    }

    int Exec(const QString& sql) { return connection.Execute(sql); }

    void OpenPeople(const QString& sql = QStringLiteral("select * from 人员"))
    {
        q.SetSQL(sql);
        q.Open();
    }

    // A column of every row of a table, in key order, as the file holds it now.
    QStringList FileColumn(const QString& column = QStringLiteral("姓名"),
                           const QString& table = QStringLiteral("人员"))
    {
        TConnection other;
        other.ConnectionString = JetConnectionString;
        TQuery read;
        read.Connection = &other;
        read.SetSQL(QStringLiteral("select %1 from %2 order by ID").arg(column, table));
        read.Open();
        QStringList values;
        for (; !read.Eof(); read.Next())
            values.append(read.Fields(0)->AsString());
        return values;
    }
    QStringList FileNames() { return FileColumn(); }

    // The names of the rows the query holds, in order, without moving.
    QStringList QueryNames() const
    {
        QStringList names;
        const int field = q.FieldByName(QStringLiteral("姓名"))->Index();
        for (int row = 0; row < q.RecordCount(); ++row)
            names.append(q.RowValue(row, field).toString());
        return names;
    }

    TempWorkDir workDir;
    TConnection connection;
    TQuery q;
};
