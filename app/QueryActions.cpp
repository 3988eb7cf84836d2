// Posting pending changes, re-opening and adding a row to a shared query.
#include "QueryActions.h"

#include "TQuery.h"

namespace {

// Gives the query statement and binds every parameter it names from params.
void SetStatement(TQuery& query, const QString& statement, const QVariantHash& params)
{
    query.SetSQL(statement);
    for (int i = 0; i < query.ParamCount(); ++i) {
        TParameter* parameter = query.Params(i);
        for (auto it = params.begin(); it != params.end(); ++it)
            if (it.key().compare(parameter->Name, Qt::CaseInsensitive) == 0)
                parameter->Value = it.value();
    }
}

} // namespace

void PostPendingChange(TQuery& query)
{
    if (query.Active())
        query.CheckBrowseMode();
}

void Reopen(TQuery& query, const QString& statement, const QVariantHash& params)
{
    PostPendingChange(query);
    query.Close();
    SetStatement(query, statement, params);
    query.Open();
}

void AddRowAndReopen(TQuery& query, const QString& insertStatement, const QString& selectStatement,
                     const QVariantHash& params)
{
    PostPendingChange(query);
    query.Close();
    SetStatement(query, insertStatement, params);
    query.ExecSQL();
    Reopen(query, selectStatement, params);
    query.Last();
}
