// Writing rows of one table back to the file by their integer key.
#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <span>

// Builds the insert, update and delete statements for one table from its column names, quoting
// names as the driver does and binding every value, so that no value ever becomes statement text.
// Each write is checked: a statement the engine refuses, or a row that is no longer there to be
// updated, raises EDatabaseError.
class TableWriter
{
  public:
    TableWriter(const QSqlDatabase& database, const QString& table, const QStringList& columns,
                int keyColumn);

    // Inserts a row with the given columns set (others take their defaults) and returns the row as
    // the engine now holds it, with its new key.
    QVariantList Insert(const QList<int>& columns, std::span<const QVariant> row);
    // Writes the given columns of the row whose key is key; returns the row as now stored.
    QVariantList Update(const QVariant& key, const QList<int>& columns, std::span<const QVariant> row);
    // Deletes the row whose key is key; a row already gone is not an error.
    void Remove(const QVariant& key);

  private:
    QString Quoted(const QString& name) const;
    QString QuotedTable() const;
    QVariantList ReadRow(const QVariant& key);

    QSqlDatabase FDatabase;
    QString FTable;
    QStringList FColumns;
    int FKeyColumn;
};
