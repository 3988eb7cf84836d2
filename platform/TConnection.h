// The connection to the database file that every query runs on.
#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <memory>

template <class T> class TAheadResult;

// Takes a Jet-style connection string as it stands ("Provider=...;Data Source=db.mdb;...") and
// uses only its Data Source, resolved against the working directory when the connection opens.
// The file is opened read-write and is never created: a missing file is an error and leaves no
// file behind. Closing the connection closes every query that runs on it.
class TConnection : public QObject
{
    Q_OBJECT
  public:
    explicit TConnection(QObject* owner = nullptr);
    ~TConnection() override;

    QString ConnectionString;
    bool LoginPrompt = false;

    void Open();
    void Close();
    // Opens the file the connection string names now on the start-up's helper thread (AheadWork.h),
    // and loads the engine's driver in any case; the next Open takes that connection over instead
    // of opening the file itself, waiting for it if need be. Nothing fails here: when the file
    // could not be opened ahead, or the connection string or working directory has changed since,
    // that Open opens it as it would have, and reports what fails.
    void OpenAhead();
    bool Connected() const { return FDatabase.isOpen(); }
    // The file the connection has open; while closed, the file it would open now.
    QString DatabasePath() const;

    // Runs one statement that returns no rows, binding values to its ":Name" parameters in the
    // order of their first occurrence; answers the rows it touched. Opens the connection if needed.
    int Execute(const QString& sql, const QVariantList& values = {});

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return FInTransaction; }

    // The Qt handle that queries run their statements on; invalid while closed.
    QSqlDatabase Database() const { return FDatabase; }

    // The value of a key of a connection string ("Data Source"), case ignored; values may be
    // quoted with double or single quotes. Empty when the key is absent.
    static QString ConnectionValue(const QString& connectionString, const QString& key);
    // Creates a new, empty database file; refuses (EDatabaseError) when the path exists.
    static void CreateDatabaseFile(const QString& path);

  signals:
    // Sent before the connection closes or is destroyed, so that queries let go of it.
    void Closing();

  private:
    void CheckConnected() const;
    // The connection opened ahead of path, when there is one; otherwise the opening ahead is
    // stopped or let go of.
    QSqlDatabase TakeOverAhead(const QString& path);

    QString FName; // the name under which Qt keeps this connection
    QSqlDatabase FDatabase;
    QString FOpenPath;
    bool FInTransaction = false;
    std::shared_ptr<TAheadResult<QSqlDatabase>> FAhead;
    QString FAheadPath; // the file FAhead opens
};
