// Posting pending changes and adding a row to a shared query.
#include "QueryActions.h"

#include "TQuery.h"

void PostPendingChange(TQuery& query)
{
    if (query.Active())
        query.CheckBrowseMode();
}

void AddRowAndReopen(TQuery& query, const QString& insertStatement, const QString& selectStatement)
{
    PostPendingChange(query);
    query.Close();
    query.SetSQL(insertStatement);
    query.ExecSQL();
    query.Close();
    query.SetSQL(selectStatement);
    query.Open();
    query.Last();
}
