// Opening the database file through Qt SQL, and the connection string it is named by.
#include "TConnection.h"

#include "AheadWork.h"
#include "EDatabaseError.h"
#include "TQuery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <utility>

namespace
{

// The one place that names the engine's driver.
const QString DriverName = QStringLiteral("QSQLITE");

QString NextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("personnel-connection-%1").arg(++counter);
}

// The entries of a connection string: "key=value" separated by ";", values optionally quoted.
QList<std::pair<QString, QString>> ConnectionEntries(const QString& text)
{
    QList<std::pair<QString, QString>> entries;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype eq = text.indexOf(u'=', i);
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed();
        qsizetype j = eq + 1;
        while (j < n && text[j] == u' ')
            ++j;
        QString value;
        if (j < n && (text[j] == u'"' || text[j] == u'\'')) {
            const QChar quote = text[j];
            qsizetype close = text.indexOf(quote, j + 1);
            if (close < 0)
                close = n;
            value = text.mid(j + 1, close - j - 1);
            j = text.indexOf(u';', close);
        } else {
            const qsizetype semi = text.indexOf(u';', j);
            value = text.mid(j, (semi < 0 ? n : semi) - j).trimmed();
            j = semi;
        }
        entries.append({key, value});
        if (j < 0)
            break;
        i = j + 1;
    }
    return entries;
}

void LoadDriver()
{
    const QString name = QStringLiteral("driver only, thread %1").arg(quintptr(QThread::currentThreadId()));
    QSqlDatabase::addDatabase(DriverName, name);
    QSqlDatabase::removeDatabase(name);
}

// Opens the file at path read-write under the connection name; throws, leaving nothing behind,
// when it is missing, a folder or no database.
QSqlDatabase OpenFile(const QString& name, const QString& path)
{
    if (path.isEmpty())
        throw EDatabaseError(QStringLiteral("The connection string names no Data Source."));
    const QFileInfo file(path);
    if (file.isDir())
        throw EDatabaseError(QStringLiteral("'%1' is a folder, not a database file.").arg(path));
    if (!file.isFile())
        throw EDatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));

    // mode=rw opens read-write and never creates, even if the file vanishes after the check.
    QUrl uri = QUrl::fromLocalFile(path);
    uri.setQuery(QStringLiteral("mode=rw"));
    QSqlDatabase database = QSqlDatabase::addDatabase(DriverName, name);
    database.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    QSqlError error;
    if (database.open()) {
        // The engine reads the file lazily; one read now tells a database from any other file.
        QSqlQuery probe(database);
        if (probe.exec(QStringLiteral("select count(*) from sqlite_master")))
            return database;
        error = probe.lastError();
    } else {
        error = database.lastError();
    }
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    throw EDatabaseError::FromEngine(error);
}

} // namespace

TConnection::TConnection(QObject* owner) : QObject(owner), FName(NextConnectionName()) {}

TConnection::~TConnection()
{
    Close();
}

QString TConnection::ConnectionValue(const QString& connectionString, const QString& key)
{
    for (const auto& [k, v] : ConnectionEntries(connectionString)) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return QString();
}

QString TConnection::DatabasePath() const
{
    if (Connected())
        return FOpenPath;
    const QString source = ConnectionValue(ConnectionString, QStringLiteral("Data Source"));
    return source.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(source));
}

void TConnection::Open()
{
    if (Connected())
        return;
    const QString path = DatabasePath();
    const QSqlDatabase ahead = TakeOverAhead(path);
    FDatabase = ahead.isOpen() ? ahead : OpenFile(FName, path);
    FOpenPath = path;
}

void TConnection::OpenAhead()
{
    TakeOverAhead(QString());
    if (Connected())
        return;
    FAheadPath = DatabasePath();
    FAhead = TAheadResult<QSqlDatabase>::Begin([name = FName, path = FAheadPath, owner = thread()] {
        LoadDriver();
        QSqlDatabase database = OpenFile(name, path);
        // The driver belongs to the thread that made it, and the connection is the owner's.
        database.driver()->moveToThread(owner);
        return database;
    });
}

QSqlDatabase TConnection::TakeOverAhead(const QString& path)
{
    const std::shared_ptr<TAheadResult<QSqlDatabase>> ahead = std::move(FAhead);
    if (!ahead)
        return QSqlDatabase();
    std::optional<QSqlDatabase>& result = ahead->Await();
    QSqlDatabase database = result ? std::exchange(*result, QSqlDatabase()) : QSqlDatabase();
    if (!database.isOpen() || FAheadPath == path)
        return database;
    // Opened where the connection no longer points.
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(FName);
    return QSqlDatabase();
}

void TConnection::Close()
{
    TakeOverAhead(QString());
    if (!FDatabase.isValid())
        return;
    emit Closing();
    FDatabase.close();
    FDatabase = QSqlDatabase();
    QSqlDatabase::removeDatabase(FName);
    FOpenPath.clear();
    FInTransaction = false;
}

int TConnection::Execute(const QString& sql, const QVariantList& values)
{
    TQuery query;
    query.Connection = this;
    query.SetSQL(sql);
    if (values.size() != query.ParamCount()) {
        throw EDatabaseError(
            QStringLiteral("%1 values given for %2 parameters").arg(values.size()).arg(query.ParamCount()));
    }
    for (int i = 0; i < query.ParamCount(); ++i)
        query.Params(i)->Value = values[i];
    return query.ExecSQL();
}

void TConnection::CheckConnected() const
{
    if (!Connected())
        throw EDatabaseError(QStringLiteral("The connection is closed."));
}

void TConnection::BeginTrans()
{
    Open();
    if (!FDatabase.transaction())
        throw EDatabaseError::FromEngine(FDatabase.lastError());
    FInTransaction = true;
}

void TConnection::CommitTrans()
{
    CheckConnected();
    if (!FDatabase.commit())
        throw EDatabaseError::FromEngine(FDatabase.lastError());
    FInTransaction = false;
}

void TConnection::RollbackTrans()
{
    CheckConnected();
    if (!FDatabase.rollback())
        throw EDatabaseError::FromEngine(FDatabase.lastError());
    FInTransaction = false;
}

void TConnection::CreateDatabaseFile(const QString& path)
{
    // An empty file is an empty database to the engine; NewOnly refuses an existing path
    // atomically, so two creators never share one file.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        throw EDatabaseError(QFileInfo::exists(path)
                                 ? QStringLiteral("The file '%1' already exists.").arg(path)
                                 : QStringLiteral("Cannot create '%1': %2").arg(path, file.errorString()));
    }
}
