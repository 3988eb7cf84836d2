// Running statements, holding rows, moving, editing and writing rows back.
#include "TQuery.h"

#include "EDatabaseError.h"
#include "ResultReader.h"
#include "TDataSource.h"
#include "TableWriter.h"

#include <QSqlError>
#include <algorithm>

namespace {

TFieldType FieldTypeOf(const QMetaType& type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return ftInteger;
    case QMetaType::Double:
        return ftFloat;
    case QMetaType::Bool:
        return ftBoolean;
    case QMetaType::QByteArray:
        return ftBlob;
    case QMetaType::QString:
        return ftString;
    default:
        return ftUnknown;
    }
}

} // namespace

TQuery::TQuery(QObject* owner) : QObject(owner) {}

TQuery::~TQuery()
{
    // Sources and links live on; they only learn that their data set is gone.
    for (TDataSource* source : QList<TDataSource*>(FDataSources))
        source->SetDataSet(nullptr);
}

// ---- statement and parameters ----

void TQuery::SetSQL(const QString& text)
{
    Close();
    FCommand.reset();
    FStatement = SqlStatement(text);
    std::vector<std::unique_ptr<TParameter>> params;
    for (const QString& name : FStatement.ParameterNames()) {
        auto param = std::make_unique<TParameter>();
        param->Name = name;
        if (const TParameter* old = FindParam(name))
            param->Value = old->Value;
        params.push_back(std::move(param));
    }
    FParams = std::move(params);
}

TParameter* TQuery::FindParam(const QString& name) const
{
    for (const auto& param : FParams) {
        if (param->Name.compare(name, Qt::CaseInsensitive) == 0)
            return param.get();
    }
    return nullptr;
}

TParameter* TQuery::ParamByName(const QString& name) const
{
    if (TParameter* param = FindParam(name))
        return param;
    throw EDatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
}

QSqlDatabase TQuery::ConnectedDatabase()
{
    if (!Connection)
        throw EDatabaseError(QStringLiteral("%1: Missing Connection").arg(objectName()));
    Connection->Open();
    connect(Connection, &TConnection::Closing, this, &TQuery::ReleaseConnection, Qt::UniqueConnection);
    return Connection->Database();
}

void TQuery::ReleaseConnection()
{
    Close();
    FCommand.reset();
}

void TQuery::Prepare(QSqlQuery& query) const
{
    query.setForwardOnly(true);
    if (!query.prepare(FStatement.EngineText()))
        throw EDatabaseError::FromEngine(query.lastError());
}

QVariantList TQuery::BoundValues() const
{
    QVariantList values;
    for (const QString& placeholder : FStatement.Placeholders())
        values.append(FindParam(placeholder)->Value);
    return values;
}

void TQuery::Execute(QSqlQuery& query) const
{
    const QVariantList values = BoundValues();
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw EDatabaseError::FromEngine(query.lastError());
}

int TQuery::ExecSQL()
{
    const QSqlDatabase database = ConnectedDatabase();
    if (!FCommand) {
        QSqlQuery command(database);
        Prepare(command);
        FCommand = std::move(command);
    }
    FLastInsertId = QVariant();
    Execute(*FCommand);
    const int rows = FCommand->numRowsAffected();
    if (rows > 0 && FStatement.Text().trimmed().startsWith(QLatin1String("insert"), Qt::CaseInsensitive))
        FLastInsertId = FCommand->lastInsertId();
    FCommand->finish();
    return rows;
}

// ---- opening and closing ----

void TQuery::Open()
{
    if (Active())
        return;
    ResultRows result = ReadResult(ConnectedDatabase(), FStatement.EngineText(), BoundValues());
    if (result.Columns.isEmpty())
        throw EDatabaseError(QStringLiteral("%1: The statement does not return rows").arg(objectName()));
    ReadFields(result.Columns);
    FRows = std::move(result);
    FCurrent = RecordCount() > 0 ? 0 : -1;
    FBof = true;
    FEof = FCurrent < 0;
    SetState(dsBrowse);
    Fire(AfterOpen);
}

void TQuery::ReadFields(const QList<ResultColumn>& columns)
{
    FColumnCount = int(columns.size());
    const bool updatable = !FStatement.UpdatableTable().isEmpty();
    for (int i = 0; i < FColumnCount; ++i) {
        const QString& name = columns[i].Name;
        const TFieldType type = FieldTypeOf(columns[i].Type);
        const QString folded = name.toCaseFolded();
        const bool key = updatable && FKeyColumn < 0 && type == ftInteger && folded == u"id";
        if (key)
            FKeyColumn = i;
        FFields.push_back(std::make_unique<TField>(this, i, name, type, key));
        // Both lookups answer the first column whose name matches without regard to case.
        if (!FFoldedFieldIndex.contains(folded))
            FFoldedFieldIndex.insert(folded, i);
        if (!FFieldIndex.contains(name))
            FFieldIndex.insert(name, FFoldedFieldIndex.value(folded));
    }
}

void TQuery::Close()
{
    if (!Active())
        return;
    Fire(BeforeClose);
    FFields.clear();
    FFieldIndex.clear();
    FFoldedFieldIndex.clear();
    FNameHits.fill({});
    FKeyColumn = -1;
    FRows = ResultRows();
    FColumnCount = 0;
    FCurrent = -1;
    FBof = FEof = true;
    FSavedRow.clear();
    FChanged.clear();
    SetState(dsInactive);
    Fire(AfterClose);
}

// ---- fields ----

int TQuery::LookUpField(const QString& name) const
{
    auto exact = FFieldIndex.constFind(name);
    if (exact != FFieldIndex.cend())
        return exact.value();
    auto folded = FFoldedFieldIndex.constFind(name.toCaseFolded());
    return folded == FFoldedFieldIndex.cend() ? -1 : folded.value();
}

TField* TQuery::FindField(const QString& name) const
{
    // Two places a string may be remembered in, so that names whose places collide stay found.
    const QChar* const characters = name.constData();
    const auto place = std::size_t((quintptr(characters) * quintptr(0x9e3779b97f4a7c15u)) >>
                                   (sizeof(quintptr) * 8 - NameHitBits));
    NameHit* const hits[] = {&FNameHits[place], &FNameHits[place ^ 1]};
    for (const NameHit* hit : hits) {
        // Equal to the field's own name: memory freed and used again for another string fails here.
        if (hit->Characters == characters && FFields[hit->Field]->FName == name)
            return FFields[hit->Field].get();
    }
    const int field = LookUpField(name);
    if (field < 0)
        return nullptr;
    // Only a name found as it is spelt, so that whatever equals it finds the same field.
    if (FFields[field]->FName == name)
        *(hits[0]->Characters && !hits[1]->Characters ? hits[1] : hits[0]) = {characters, field};
    return FFields[field].get();
}

TField* TQuery::FieldByName(const QString& name) const
{
    if (TField* field = FindField(name))
        return field;
    throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
}

QVariant TQuery::CurrentValue(int field) const
{
    if (FCurrent < 0 || field < 0 || field >= FColumnCount)
        return QVariant();
    return FRows.Value(FCurrent, field);
}

QString TQuery::CurrentText(int field) const
{
    if (FCurrent < 0 || field < 0 || field >= FColumnCount)
        return QString();
    return FRows.Text(FCurrent, field);
}

QVariant TQuery::RowValue(int row, int field) const
{
    if (row < 0 || row >= RecordCount() || field < 0 || field >= FColumnCount)
        return QVariant();
    return FRows.Value(row, field);
}

void TQuery::SetFieldValue(TField* field, const QVariant& value)
{
    CheckActive();
    if (field->ReadOnly())
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(field->FieldName()));
    if (!IsEditState(FState))
        Edit();
    FRows.SetValue(FCurrent, field->Index(), value);
    FChanged[field->Index()] = true;
    DataEvent(TDataEvent::FieldChange, field);
}

// ---- moving ----

void TQuery::MoveTo(int row, bool bof, bool eof)
{
    const int distance = row - FCurrent;
    FCurrent = row;
    FBof = bof;
    FEof = eof;
    if (distance != 0) {
        DataEvent(TDataEvent::DataSetScroll, nullptr, distance);
        Fire(AfterScroll);
    }
}

int TQuery::MoveBy(int distance)
{
    CheckActive();
    CheckBrowseMode();
    if (distance == 0)
        return 0;
    const int rows = RecordCount();
    if (rows == 0) {
        FBof = FEof = true;
        return 0;
    }
    const int target = std::clamp(qint64(FCurrent) + distance, qint64(0), qint64(rows - 1));
    const int moved = target - FCurrent;
    MoveTo(target, distance < 0 && moved != distance, distance > 0 && moved != distance);
    return moved;
}

void TQuery::Next()
{
    MoveBy(1);
}

void TQuery::Prior()
{
    MoveBy(-1);
}

void TQuery::First()
{
    CheckActive();
    CheckBrowseMode();
    MoveTo(RecordCount() > 0 ? 0 : -1, true, RecordCount() == 0);
}

void TQuery::Last()
{
    CheckActive();
    CheckBrowseMode();
    MoveTo(RecordCount() - 1, RecordCount() == 0, true);
}

void TQuery::SetRecNo(int recNo)
{
    CheckActive();
    CheckBrowseMode();
    if (RecordCount() > 0)
        MoveBy(std::clamp(recNo, 1, RecordCount()) - RecNo());
}

bool TQuery::Locate(const QString& fieldName, const QVariant& value)
{
    CheckActive();
    const int field = FieldByName(fieldName)->Index();
    CheckBrowseMode(); // a dropped new row would shift the rows searched below
    for (int row = 0; row < RecordCount(); ++row) {
        const QVariant cell = RowValue(row, field);
        if (!cell.isNull() && cell.toString() == value.toString()) {
            MoveTo(row, false, false);
            return true;
        }
    }
    return false;
}

// ---- editing ----

bool TQuery::Modified() const
{
    return IsEditState(FState) && std::find(FChanged.begin(), FChanged.end(), true) != FChanged.end();
}

void TQuery::Edit()
{
    CheckActive();
    if (IsEditState(FState))
        return;
    CheckCanModify();
    if (RecordCount() == 0) {
        StartNewRow();
        return;
    }
    FSavedRow = FRows.Row(FCurrent);
    FChanged.assign(FColumnCount, false);
    SetState(dsEdit);
    DataEvent(TDataEvent::RecordChange);
    Fire(AfterEdit);
}

void TQuery::Insert()
{
    CheckActive();
    CheckBrowseMode();
    CheckCanModify();
    StartNewRow();
}

void TQuery::Append()
{
    Insert();
}

void TQuery::StartNewRow()
{
    FRowBeforeInsert = FCurrent;
    FRows.AppendRow();
    FCurrent = RecordCount() - 1;
    FBof = FEof = false;
    FChanged.assign(FColumnCount, false);
    SetState(dsInsert);
    DataEvent(TDataEvent::DataSetChange);
    Fire(AfterInsert);
}

void TQuery::Post()
{
    CheckActive();
    UpdateRecord();
    if (!IsEditState(FState))
        return;
    Fire(BeforePost);
    QList<int> changed;
    for (int i = 0; i < FColumnCount; ++i) {
        if (FChanged[i])
            changed.append(i);
    }
    if (FState == dsInsert || !changed.isEmpty()) {
        TableWriter writer = RowWriter();
        const QVariantList row = FRows.Row(FCurrent);
        if (FState == dsInsert) {
            ReplaceCurrentRow(writer.Insert(changed, row));
        } else {
            const QVariant key = CurrentValue(FKeyColumn);
            if (!writer.Update(key, changed, row, FSavedRow))
                TakeRowChangedElsewhere(writer.ReadRow(key));
            ReplaceCurrentRow(writer.ReadRow(key));
        }
    }
    EndEdit();
    Fire(AfterPost);
}

void TQuery::TakeRowChangedElsewhere(const QVariantList& stored)
{
    // A row deleted meanwhile has nothing to show instead; it stays as it is being edited.
    if (!stored.isEmpty()) {
        ReplaceCurrentRow(stored);
        EndEdit();
    }
    throw EDatabaseError(QStringLiteral("Row cannot be located for updating. Some values may have been "
                                        "changed since it was last read."));
}

void TQuery::EndEdit()
{
    FSavedRow.clear();
    FChanged.clear();
    SetState(dsBrowse);
    DataEvent(TDataEvent::DataSetChange);
}

TableWriter TQuery::RowWriter()
{
    QStringList columns;
    for (const auto& field : FFields)
        columns.append(field->FieldName());
    return TableWriter(ConnectedDatabase(), FStatement.UpdatableTable(), columns, FKeyColumn);
}

void TQuery::ReplaceCurrentRow(const QVariantList& row)
{
    // The row as the engine stores it: its new key, its defaults, values in the column's own type.
    if (row.size() != FColumnCount)
        return;
    FRows.SetRow(FCurrent, row);
}

void TQuery::Cancel()
{
    CheckActive();
    if (!IsEditState(FState))
        return;
    if (FState == dsInsert) {
        FRows.RemoveRow(FCurrent);
        FCurrent = std::min(FRowBeforeInsert, RecordCount() - 1);
        FBof = FEof = RecordCount() == 0;
    } else {
        ReplaceCurrentRow(FSavedRow);
    }
    EndEdit();
    Fire(AfterCancel);
}

void TQuery::Delete()
{
    CheckActive();
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    if (FCurrent < 0)
        throw EDatabaseError(
            QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(objectName()));
    CheckCanModify();
    Fire(BeforeDelete);
    RowWriter().Remove(CurrentValue(FKeyColumn));
    FRows.RemoveRow(FCurrent);
    FCurrent = std::min(FCurrent, RecordCount() - 1);
    FBof = FEof = RecordCount() == 0;
    EndEdit();
    Fire(AfterDelete);
    Fire(AfterScroll);
}

void TQuery::UpdateRecord()
{
    if (IsEditState(FState))
        DataEvent(TDataEvent::UpdateRecord);
}

void TQuery::CheckBrowseMode()
{
    CheckActive();
    if (!IsEditState(FState))
        return;
    UpdateRecord();
    if (Modified())
        Post();
    else
        Cancel();
}

// ---- checks, state and notifications ----

void TQuery::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(objectName()));
}

void TQuery::CheckCanModify() const
{
    if (!CanModify())
        throw EDatabaseError(QStringLiteral("%1: Cannot modify a read-only dataset").arg(objectName()));
}

void TQuery::SetState(TDataSetState state)
{
    if (FState == state)
        return;
    FState = state;
    DataEvent(TDataEvent::UpdateState);
}

void TQuery::AddDataSource(TDataSource* source)
{
    if (!FDataSources.contains(source))
        FDataSources.append(source);
}

void TQuery::RemoveDataSource(TDataSource* source)
{
    FDataSources.removeAll(source);
}

void TQuery::DataEvent(TDataEvent event, TField* field, int distance)
{
    // A notified control may detach a source; sources gone meanwhile are skipped.
    for (TDataSource* source : QList<TDataSource*>(FDataSources)) {
        if (FDataSources.contains(source))
            source->DataEvent(event, field, distance);
    }
}
