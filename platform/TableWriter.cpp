// Insert, update and delete of single rows with bound values.
#include "TableWriter.h"

#include "EDatabaseError.h"
#include "ResultReader.h"

#include <QSqlDriver>
#include <QSqlQuery>

namespace
{

QSqlQuery Run(const QSqlDatabase& database, const QString& text, const QVariantList& values)
{
    return RunThroughDriver(database, text, values);
}

} // namespace

TableWriter::TableWriter(const QSqlDatabase& database, const QString& table, const QStringList& columns,
                         int keyColumn)
    : FDatabase(database), FTable(table), FColumns(columns), FKeyColumn(keyColumn)
{
}

QString TableWriter::Quoted(const QString& name) const
{
    return FDatabase.driver()->escapeIdentifier(name, QSqlDriver::FieldName);
}

QString TableWriter::QuotedTable() const
{
    return FDatabase.driver()->escapeIdentifier(FTable, QSqlDriver::TableName);
}

QVariantList TableWriter::Insert(const QList<int>& columns, std::span<const QVariant> row)
{
    QString text;
    QVariantList values;
    if (columns.isEmpty()) {
        text = QStringLiteral("insert into %1 default values").arg(QuotedTable());
    } else {
        QStringList names, marks;
        for (int column : columns) {
            names.append(Quoted(FColumns[column]));
            marks.append(QStringLiteral("?"));
            values.append(row[column]);
        }
        text = QStringLiteral("insert into %1 (%2) values (%3)")
                   .arg(QuotedTable(), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    }
    const QSqlQuery query = Run(FDatabase, text, values);
    return ReadRow(query.lastInsertId());
}

bool TableWriter::Update(const QVariant& key, const QList<int>& columns, std::span<const QVariant> row,
                         std::span<const QVariant> original)
{
    if (columns.isEmpty())
        return true;
    QStringList assignments, conditions{Quoted(FColumns[FKeyColumn]) + QStringLiteral(" = ?")};
    QVariantList values, matches{key};
    for (int column : columns) {
        const QString name = Quoted(FColumns[column]);
        assignments.append(name + QStringLiteral(" = ?"));
        values.append(row[column]);
        // "is" is "=" that also finds null equal to null.
        conditions.append(name + QStringLiteral(" is ?"));
        matches.append(original[column]);
    }
    const QString text = QStringLiteral("update %1 set %2 where %3")
                             .arg(QuotedTable(), assignments.join(QStringLiteral(", ")),
                                  conditions.join(QStringLiteral(" and ")));
    return Run(FDatabase, text, values + matches).numRowsAffected() > 0;
}

void TableWriter::Remove(const QVariant& key)
{
    Run(FDatabase,
        QStringLiteral("delete from %1 where %2 = ?").arg(QuotedTable(), Quoted(FColumns[FKeyColumn])),
        {key});
}

QVariantList TableWriter::ReadRow(const QVariant& key)
{
    const ResultRows result = ReadResult(
        FDatabase,
        QStringLiteral("select * from %1 where %2 = ?").arg(QuotedTable(), Quoted(FColumns[FKeyColumn])),
        {key});
    return result.RowCount() > 0 ? result.Row(0) : QVariantList();
}
