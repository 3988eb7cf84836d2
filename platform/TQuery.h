// A query on a connection: a statement, its parameters, and its rows held in memory.
#pragma once

#include "ResultReader.h"
#include "SqlStatement.h"
#include "TConnection.h"
#include "TDataSetState.h"
#include "TField.h"
#include "TParameter.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TDataSource;
class TableWriter;

// A static cursor: Open runs the statement and reads every row into memory, with the first row
// current. Rows of a plain "select * from <table>" with an integer key column "ID" can be edited:
// Post and Delete write to the file at once, by the key, with bound values; Insert and Append add
// a new row at the end, which Post inserts and reads back with its new key. Post writes only the
// columns changed, and only while the file still holds the values they were read with: when
// another program changed one of them meanwhile, the post is refused and the row shows what the
// file holds now, so nothing is overwritten unseen. Moving to another row posts a changed row
// first (and drops a new row nobody changed); Close drops a change not yet posted. Every operation
// that needs open rows raises EDatabaseError on a closed query, and every statement the engine
// rejects raises EDatabaseError with the engine's text. The query tells its data sources, and
// through them every data link, about each change of state, row or value.
class TQuery : public QObject {
    Q_OBJECT
public:
    using TDataSetNotifyEvent = std::function<void(TQuery* DataSet)>;

    explicit TQuery(QObject* owner = nullptr);
    ~TQuery() override;

    // The connection the statement runs on; it is opened by the first Open or ExecSQL.
    QPointer<TConnection> Connection;

    // Closes the query, then takes the statement and its ":Name" parameters. A parameter that keeps
    // its name keeps its value.
    void SetSQL(const QString& text);
    QString SQL() const { return FStatement.Text(); }
    // The parameter of that name, case ignored; raises EDatabaseError when there is none.
    TParameter* ParamByName(const QString& name) const;
    TParameter* FindParam(const QString& name) const;
    int ParamCount() const { return int(FParams.size()); }
    TParameter* Params(int index) const { return FParams.at(index).get(); }

    void Open();
    void Close();
    bool Active() const { return FState != dsInactive; }
    void SetActive(bool active) { active ? Open() : Close(); }
    // Runs a statement that returns no rows (insert, update, delete); answers the rows it touched.
    int ExecSQL();
    // The key the engine gave the row that the last ExecSQL inserted; null when it inserted none.
    QVariant LastInsertId() const { return FLastInsertId; }

    // The number of rows (a new row not yet posted included); 0 while closed.
    int RecordCount() const { return int(FRows.RowCount()); }
    // The current row, from 1; 0 when there is none.
    int RecNo() const { return FCurrent + 1; }
    void SetRecNo(int recNo);
    // Makes the first row whose field equals value current (posting a changed row first, as moving
    // does); answers false and stays where it was when no row matches.
    bool Locate(const QString& fieldName, const QVariant& value);
    void First();
    void Next();
    void Prior();
    void Last();
    // Moves by distance rows, stopping at either end; answers how far it moved. Moving past the
    // last row sets Eof, before the first sets Bof.
    int MoveBy(int distance);
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }
    // The value of a field in any row, without moving (for grids); null outside the rows.
    QVariant RowValue(int row, int field) const;

    // The field of that name, case ignored; raises EDatabaseError when there is none.
    TField* FieldByName(const QString& name) const;
    TField* FindField(const QString& name) const;
    int FieldCount() const { return int(FFields.size()); }
    TField* Fields(int index) const { return FFields.at(index).get(); }

    // Puts the current row into edit state; with no rows, starts a new row instead.
    void Edit();
    void Insert();
    void Append();
    // Writes the row being edited or inserted to the file; does nothing while browsing.
    void Post();
    // Drops the changes of the row being edited; a new row vanishes.
    void Cancel();
    // Deletes the current row from the file at once; raises EDatabaseError when there is no row.
    // A new row not yet posted is dropped instead.
    void Delete();
    TDataSetState State() const { return FState; }
    // Whether a field of the row being edited or inserted has been written.
    bool Modified() const;
    // Whether rows can be written back: open, a plain "select * from <table>", with a key column.
    bool CanModify() const { return Active() && !FStatement.UpdatableTable().isEmpty() && FKeyColumn >= 0; }
    // Asks every data link to write its pending value into its field now.
    void UpdateRecord();
    // Leaves edit state the way moving does: posts a changed row, drops an unchanged one.
    void CheckBrowseMode();

    TDataSetNotifyEvent AfterOpen, BeforeClose, AfterClose, AfterScroll, AfterEdit, AfterInsert, BeforePost,
        AfterPost, AfterCancel, BeforeDelete, AfterDelete;

private:
    friend class TField;
    friend class TDataSource;

    QVariant CurrentValue(int field) const;
    QString CurrentText(int field) const;
    void SetFieldValue(TField* field, const QVariant& value);
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);
    void DataEvent(TDataEvent event, TField* field = nullptr, int distance = 0);

    void CheckActive() const;
    void CheckCanModify() const;
    void SetState(TDataSetState state);
    void Fire(const TDataSetNotifyEvent& event)
    {
        if (event)
            event(this);
    }
    void MoveTo(int row, bool bof, bool eof);
    void StartNewRow();
    void ReadFields(const QList<ResultColumn>& columns);
    void ReplaceCurrentRow(const QVariantList& row);
    // Ends a post whose row another program changed or deleted since it was read: the row takes
    // the values stored now (stored; empty when the row is gone) and the query browses again, so
    // nothing is overwritten unseen. Always raises EDatabaseError.
    [[noreturn]] void TakeRowChangedElsewhere(const QVariantList& stored);
    // Leaves edit or insert state for browsing and tells the links to show the row again.
    void EndEdit();
    TableWriter RowWriter();
    QSqlDatabase ConnectedDatabase();
    void Prepare(QSqlQuery& query) const;
    QVariantList BoundValues() const;
    void Execute(QSqlQuery& query) const;
    void ReleaseConnection();

    SqlStatement FStatement;
    std::vector<std::unique_ptr<TParameter>> FParams;
    std::optional<QSqlQuery> FCommand; // ExecSQL's prepared statement, kept for the next run
    QVariant FLastInsertId;

    std::vector<std::unique_ptr<TField>> FFields;
    QHash<QString, int> FFieldIndex;       // field names as the engine gave them
    QHash<QString, int> FFoldedFieldIndex; // the same names case-folded
    // Code asks for fields by the same strings again and again (a literal at a call site, the names
    // the fields gave), a lookup per value read: a string whose characters lie where those of a
    // name found before lay, and equal that field's own name, is that field without hashing.
    struct NameHit {
        const QChar* Characters = nullptr;
        int Field = -1;
    };
    static constexpr int NameHitBits = 6;
    mutable std::array<NameHit, 1 << NameHitBits> FNameHits{};
    int LookUpField(const QString& name) const;
    int FKeyColumn = -1;

    ResultRows FRows;
    int FColumnCount = 0;
    int FCurrent = -1;
    bool FBof = true;
    bool FEof = true;

    TDataSetState FState = dsInactive;
    QList<QVariant> FSavedRow;  // the current row as it was before Edit
    std::vector<bool> FChanged; // fields written since Edit or Insert
    int FRowBeforeInsert = -1;  // where Cancel returns to from a new row

    QList<TDataSource*> FDataSources;
};
