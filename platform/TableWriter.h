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
// A statement the engine refuses raises EDatabaseError.
class TableWriter
{
  public:
    TableWriter(const QSqlDatabase& database, const QString& table, const QStringList& columns,
                int keyColumn);

    // Inserts a row with the given columns set (others take their defaults) and returns the row as
    // the engine now holds it, with its new key.
    QVariantList Insert(const QList<int>& columns, std::span<const QVariant> row);
    // Writes the given columns of the row whose key is key, but only while those columns still hold
    // their values in original (the row as it was read; null matches null), so that a change
    // another program made to them meanwhile is never overwritten unseen. Answers whether a row
    // matched and was written; columns not given are neither written nor compared.
    bool Update(const QVariant& key, const QList<int>& columns, std::span<const QVariant> row,
                std::span<const QVariant> original);
    // Deletes the row whose key is key; a row already gone is not an error.
    void Remove(const QVariant& key);
    // The row whose key is key as the file holds it now; empty when there is none.
    QVariantList ReadRow(const QVariant& key);

  private:
    QString Quoted(const QString& name) const;
    QString QuotedTable() const;

    QSqlDatabase FDatabase;
    QString FTable;
    QStringList FColumns;
    int FKeyColumn;
};
