// Reading every row a statement answers, in one go, for the queries' static cursors.
#pragma once

#include <QList>
#include <QMetaType>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// A column of a result as the database driver describes it: its name, and the type its declared
// column type maps to (or, for a computed column, the type of its first value).
struct ResultColumn {
    QString Name;
    QMetaType Type;
};

// The columns of a result and its rows one after another, Columns.size() cells each. A statement
// that answers no columns (an insert, say) has neither.
struct ResultRows {
    QList<ResultColumn> Columns;
    QList<QVariant> Cells;
};

// Runs statement text with "?" placeholders, binding values in order, and reads all its rows.
// Raises EDatabaseError with the engine's text when the engine refuses it. On an SQLite
// connection the rows come through the engine's own interface, which spares the driver's
// per-value bookkeeping (most of the time of a large open); the columns and values are the ones
// the driver gives: integers as qlonglong, reals as double, text as QString, blobs as
// QByteArray, null as a null QString. Other drivers are read through Qt SQL.
ResultRows ReadResult(const QSqlDatabase& database, const QString& text, const QVariantList& values);
// The same through Qt SQL whatever the driver: the reference the engine's path answers like.
ResultRows ReadResultThroughDriver(const QSqlDatabase& database, const QString& text,
                                   const QVariantList& values);
