// Actions of the record windows on a shared query: saving what the operator typed, and adding a
// row through a statement of its own.
#pragma once

#include <QString>

class TQuery;

// Writes a change the operator typed but that was not posted yet: every bound control gives up its
// pending value, then a changed row is posted and a new row nobody typed into is dropped. Nothing
// for a closed query.
void PostPendingChange(TQuery& query);

// Posts a pending change (closing the query would drop it), runs insertStatement, re-opens the
// query on selectStatement and makes the last row, the new one, current.
void AddRowAndReopen(TQuery& query, const QString& insertStatement, const QString& selectStatement);
