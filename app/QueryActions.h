// Actions of the record windows on a shared query: saving what the operator typed, re-opening it on
// another statement, and adding a row through a statement of its own.
#pragma once

#include <QString>
#include <QVariantHash>

class TQuery;

// Writes a change the operator typed but that was not posted yet: every bound control gives up its
// pending value, then a changed row is posted and a new row nobody typed into is dropped. Nothing
// for a closed query.
void PostPendingChange(TQuery& query);

// Posts a pending change (closing the query would drop it), then closes the query, gives it
// statement with its ":name" parameters bound to params (names as in the statement) and opens it.
// Values read from the file travel as parameters too, never inside the statement's text.
void Reopen(TQuery& query, const QString& statement, const QVariantHash& params = {});

// Posts a pending change, runs insertStatement on a command of its own, re-opens the query on
// selectStatement and makes the inserted row current, found by its key "ID". params bind the
// parameters of both statements. When the insert fails the query is left as it was.
void AddRowAndReopen(TQuery& query, const QString& insertStatement, const QString& selectStatement,
                     const QVariantHash& params = {});
