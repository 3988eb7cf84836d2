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
    // The insert runs on a command of its own, so that a refused insert leaves the list as it was.
    TQuery command;
    command.Connection = query.Connection;
    SetStatement(command, insertStatement, params);
    command.ExecSQL();
    const QVariant key = command.LastInsertId();
    Reopen(query, selectStatement, params);
    // Found by its key: another program may have added a row after ours.
    if (key.isValid())
        query.Locate(QStringLiteral("ID"), key);
}
