// Reading a statement's rows through SQLite's own interface, or through Qt SQL for other drivers.
#include "ResultReader.h"

#include "EDatabaseError.h"
#include "SqliteEngine.h"

#include <QDateTime>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { Sqlite().finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

[[noreturn]] void RaiseEngineError(sqlite3* handle)
{
    throw EDatabaseError(QString::fromUtf8(Sqlite().errmsg(handle)).trimmed());
}

// Whether the driver binds the value as null: an empty variant, and also a null string or byte
// array and an invalid date or time, which Qt 6 variants no longer call null themselves.
bool BindsAsNull(const QVariant& value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString*>(value.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray*>(value.constData())->isNull();
    case QMetaType::QDateTime:
        return !value.toDateTime().isValid();
    case QMetaType::QDate:
        return !value.toDate().isValid();
    case QMetaType::QTime:
        return !value.toTime().isValid();
    case QMetaType::QUuid:
        return value.toUuid().isNull();
    default:
        return false;
    }
}

int BindText(sqlite3_stmt* statement, int position, const QString& text)
{
    return Sqlite().bind_text16(statement, position, text.utf16(), int(text.size() * sizeof(char16_t)),
                               SQLITE_TRANSIENT);
}

// Binds one value the way the driver would: numbers as numbers, dates and times as ISO text,
// anything else as its text.
int BindValue(sqlite3_stmt* statement, int position, const QVariant& value)
{
    if (BindsAsNull(value))
        return Sqlite().bind_null(statement, position);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return Sqlite().bind_int64(statement, position, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return Sqlite().bind_double(statement, position, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return Sqlite().bind_blob(statement, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QDateTime:
        return BindText(statement, position, value.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QTime:
        return BindText(statement, position, value.toTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    default:
        return BindText(statement, position, value.toString());
    }
}

// The statement prepared and bound; empty when the text holds no statement at all.
Statement Prepare(sqlite3* handle, const QString& text, const QVariantList& values)
{
    sqlite3_stmt* prepared = nullptr;
    const void* tail = nullptr;
    if (Sqlite().prepare16_v2(handle, text.utf16(), int(text.size() * sizeof(char16_t)), &prepared, &tail) !=
        SQLITE_OK)
        RaiseEngineError(handle);
    Statement statement(prepared);
    const qsizetype used = static_cast<const QChar*>(tail) - text.constData();
    if (!QStringView(text).mid(used).trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Unable to execute multiple statements at a time"));
    if (!statement)
        return statement;
    if (Sqlite().bind_parameter_count(prepared) != values.size())
        throw EDatabaseError(QStringLiteral("Parameter count mismatch"));
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (BindValue(prepared, int(i + 1), values[i]) != SQLITE_OK)
            RaiseEngineError(handle);
    }
    return statement;
}

// The driver's type for a declared column type: only these exact names (case ignored) are told
// apart, every other declared type counts as text.
QMetaType DeclaredType(const QString& declared)
{
    const QString name = declared.toLower();
    if (name == u"integer" || name == u"int")
        return QMetaType::fromType<int>();
    if (name == u"double" || name == u"float" || name == u"real" || name.startsWith(u"numeric"))
        return QMetaType::fromType<double>();
    if (name == u"blob")
        return QMetaType::fromType<QByteArray>();
    if (name == u"boolean" || name == u"bool")
        return QMetaType::fromType<bool>();
    return QMetaType::fromType<QString>();
}

// The driver's type for a computed column, from the storage class of its first value.
QMetaType StorageType(int storageClass)
{
    switch (storageClass) {
    case SQLITE_INTEGER:
        return QMetaType::fromType<int>();
    case SQLITE_FLOAT:
        return QMetaType::fromType<double>();
    case SQLITE_BLOB:
        return QMetaType::fromType<QByteArray>();
    case SQLITE_TEXT:
        return QMetaType::fromType<QString>();
    default:
        return QMetaType();
    }
}

// Read while the first row (if any, hasRow) is current, as the driver reads them.
QList<ResultColumn> ReadColumns(sqlite3_stmt* statement, bool hasRow)
{
    QList<ResultColumn> columns;
    const int count = Sqlite().column_count(statement);
    for (int i = 0; i < count; ++i) {
        QString name(static_cast<const QChar*>(Sqlite().column_name16(statement, i)));
        name.remove(u'"');
        const QString declared(static_cast<const QChar*>(Sqlite().column_decltype16(statement, i)));
        const QMetaType type = !declared.isEmpty() ? DeclaredType(declared)
                               : hasRow            ? StorageType(Sqlite().column_type(statement, i))
                                                   : QMetaType();
        columns.append({name, type});
    }
    return columns;
}

// Characters of one byte, eight at a time while they last.
void CopyAscii(const unsigned char*& in, const unsigned char* end, char16_t*& out)
{
    constexpr quint64 HighBits = 0x8080808080808080u;
    quint64 eight = 0;
    while (end - in >= 8 && (std::memcpy(&eight, in, 8), (eight & HighBits) == 0)) {
        for (int i = 0; i < 8; ++i)
            out[i] = char16_t(in[i]);
        in += 8;
        out += 8;
    }
    for (; in < end && *in < 0x80; ++in)
        *out++ = char16_t(*in);
}

// The UTF-16 of one character of two or three bytes at in, or 0 when the bytes are anything else:
// too few, not a continuation, too long a form, a surrogate.
char16_t DecodeTwoOrThree(const unsigned char* in, const unsigned char* end, int& used)
{
    const unsigned lead = in[0];
    if (lead >= 0xc2 && lead < 0xe0 && end - in >= 2 && (in[1] & 0xc0) == 0x80) {
        used = 2;
        return char16_t((lead & 0x1f) << 6 | (in[1] & 0x3f));
    }
    if (lead >= 0xe0 && lead < 0xf0 && end - in >= 3 && (in[1] & 0xc0) == 0x80 && (in[2] & 0xc0) == 0x80) {
        const unsigned unit = (lead & 0x0f) << 12 | (in[1] & 0x3f) << 6 | (in[2] & 0x3f);
        used = 3;
        return unit >= 0x800 && (unit < 0xd800 || unit > 0xdfff) ? char16_t(unit) : 0;
    }
    return 0;
}

// Text as QString::fromUtf8 decodes it. Reading a large result decodes every text it shows, and
// Qt's decoder takes a slow path for each character beyond ASCII; the text of a table is ASCII and
// characters of two or three bytes (Chinese), decoded here directly. Anything else (characters of
// four bytes, invalid bytes, a leading byte order mark) is left whole to Qt's decoder, so every
// text decodes exactly as there.
QString DecodeUtf8(std::string_view bytes)
{
    if (bytes.starts_with("\xef\xbb\xbf")) // a byte order mark, which Qt's decoder drops
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    auto* const start = reinterpret_cast<char16_t*>(text.data());
    char16_t* out = start;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        CopyAscii(in, end, out);
        for (int used = 0; in < end && *in >= 0x80; in += used) {
            const char16_t unit = DecodeTwoOrThree(in, end, used);
            if (unit == 0)
                return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
            *out++ = unit;
        }
    }
    text.truncate(out - start);
    return text;
}

QString DecodeText(std::string_view bytes)
{
    if (bytes.empty())
        return QStringLiteral("");
    QString text = DecodeUtf8(bytes);
    // The decoder reserves a character per byte, three times what Chinese text needs; a string
    // kept for many cells should not hold that slack.
    if (text.capacity() > text.size())
        text.squeeze();
    return text;
}

// The strings of one column of a result. Columns such as sex, degree or province repeat a few
// values in every row; one shared string per distinct value spares a large open the conversion
// and memory of a text per cell, and reading such a cell costs no allocation. A column of mostly
// distinct values (names, identity numbers) soon stops being pooled, as looking up would then
// cost more than it saves; its texts are kept as their bytes.
class TextPool {
public:
    void Append(ResultRows& rows, std::string_view bytes)
    {
        if (FOff || bytes.size() > LongestPooled) {
            rows.AppendText(bytes);
            return;
        }
        const quint64 hash = Hash(bytes);
        std::size_t place = hash >> (64 - PlaceBits);
        for (; FPlaces[place] >= 0; place = (place + 1) & (Places - 1)) {
            const Entry& entry = FEntries[std::size_t(FPlaces[place])];
            if (entry.Hash == hash && entry.Bytes == bytes) {
                ++FHits;
                rows.AppendShared(entry.Index);
                return;
            }
        }
        if (FEntries.size() < Capacity) {
            FPlaces[place] = qint8(FEntries.size());
            FEntries.push_back({hash, std::string(bytes), rows.AddSharedText(DecodeText(bytes))});
            rows.AppendShared(FEntries.back().Index);
            return;
        }
        if (++FMissesWhileFull > FHits)
            FOff = true;
        rows.AppendText(bytes);
    }

private:
    static constexpr std::size_t Capacity = 64;
    static constexpr std::size_t LongestPooled = 64; // bytes
    // Open addressing at most half full: a lookup is a hash of a few words and a probe or two.
    static constexpr int PlaceBits = 7;
    static constexpr std::size_t Places = std::size_t(1) << PlaceBits;
    static_assert(Places >= 2 * Capacity && Capacity <= 127);

    struct Entry {
        quint64 Hash;
        std::string Bytes;
        quint32 Index;
    };

    // Eight bytes at a time; the high bits choose the place.
    static quint64 Hash(std::string_view bytes)
    {
        constexpr quint64 Multiplier = 0x9e3779b97f4a7c15u;
        quint64 hash = (bytes.size() + 1) * Multiplier;
        for (std::size_t at = 0; at < bytes.size(); at += 8) {
            quint64 word = 0;
            std::memcpy(&word, bytes.data() + at, std::min<std::size_t>(8, bytes.size() - at));
            hash = (hash ^ word) * Multiplier;
            hash ^= hash >> 29;
        }
        return hash * Multiplier;
    }

    std::vector<Entry> FEntries;
    std::array<qint8, Places> FPlaces = MakeEmptyPlaces();
    static constexpr std::array<qint8, Places> MakeEmptyPlaces()
    {
        std::array<qint8, Places> places{};
        places.fill(-1);
        return places;
    }
    qint64 FHits = 0;
    qint64 FMissesWhileFull = 0;
    bool FOff = false;
};

// The engine is looked up by the caller once for all the cells.
void AppendCell(const TSqliteEngine& sqlite, ResultRows& rows, sqlite3_value* value, TextPool& pool)
{
    switch (sqlite.value_type(value)) {
    case SQLITE_INTEGER:
        rows.AppendInteger(sqlite.value_int64(value));
        return;
    case SQLITE_FLOAT:
        rows.AppendValue(sqlite.value_double(value));
        return;
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite.value_blob(value));
        rows.AppendValue(QByteArray(data, sqlite.value_bytes(value)));
        return;
    }
    case SQLITE_NULL:
        rows.AppendNullText();
        return;
    default: {
        // The file's own UTF-8 read directly: the engine's conversion to UTF-16 costs more.
        const auto* text = reinterpret_cast<const char*>(sqlite.value_text(value));
        pool.Append(rows, std::string_view(text, std::size_t(sqlite.value_bytes(value))));
    }
    }
}

// Holds the connection's own lock while the rows are read. Every column call of the engine takes
// and leaves that lock (a third of the time of reading a cell); a cell read as a value under the
// lock held once costs one call, and the value stays as safe from other threads as the column
// calls would keep it.
class ConnectionLock {
public:
    explicit ConnectionLock(sqlite3* handle) : FMutex(Sqlite().db_mutex(handle))
    {
        Sqlite().mutex_enter(FMutex);
    }
    ~ConnectionLock() { Sqlite().mutex_leave(FMutex); }
    ConnectionLock(const ConnectionLock&) = delete;
    ConnectionLock& operator=(const ConnectionLock&) = delete;

private:
    sqlite3_mutex* FMutex; // nullptr when the engine was built without locks, which the calls allow
};

ResultRows ReadThroughEngine(sqlite3* handle, const QString& text, const QVariantList& values)
{
    ResultRows result;
    const ConnectionLock lock(handle);
    const Statement statement = Prepare(handle, text, values);
    if (!statement)
        return result;
    sqlite3_stmt* const step = statement.get();
    const TSqliteEngine& sqlite = Sqlite();
    int status = sqlite.step(step);
    const int count = sqlite.column_count(step);
    if (count > 0 && (status == SQLITE_ROW || status == SQLITE_DONE))
        result.Columns = ReadColumns(step, status == SQLITE_ROW);
    std::vector<TextPool> pools(count);
    for (; status == SQLITE_ROW; status = sqlite.step(step)) {
        for (int i = 0; i < count; ++i)
            AppendCell(sqlite, result, sqlite.column_value(step, i), pools[i]);
    }
    if (status != SQLITE_DONE)
        RaiseEngineError(handle);
    return result;
}

} // namespace

// ---- the rows ----

QString ResultRows::TextAt(quint32 offset) const
{
    const char* bytes = FText.Together(offset);
    std::size_t size = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = quint8(*bytes++);
        size |= std::size_t(byte & 0x7f) << shift;
        if (byte < 0x80)
            break;
    }
    return size == 0 ? QStringLiteral("") : DecodeUtf8(std::string_view(bytes, size));
}

QVariant ResultRows::Value(qsizetype row, int column) const
{
    const std::size_t cell = Cell(row, column);
    const quint32 payload = FPayloads[cell];
    switch (FTags[cell]) {
    case Empty:
        return QVariant();
    case NullText:
        return QVariant(QMetaType::fromType<QString>());
    case Integer:
        return qlonglong(qint32(payload));
    case Utf8:
        return TextAt(payload);
    case Shared:
        return FShared[payload];
    default:
        return FOthers[payload];
    }
}

QString ResultRows::Text(qsizetype row, int column) const
{
    const std::size_t cell = Cell(row, column);
    switch (FTags[cell]) {
    case Utf8:
        return TextAt(FPayloads[cell]);
    case Shared:
        return FShared[FPayloads[cell]];
    case Integer:
        return QString::number(qint32(FPayloads[cell])); // as the variant would write it
    default: {
        const QVariant value = Value(row, column);
        return value.isNull() ? QString() : value.toString();
    }
    }
}

QVariantList ResultRows::Row(qsizetype row) const
{
    QVariantList values;
    values.reserve(Columns.size());
    for (int column = 0; column < ColumnCount(); ++column)
        values.append(Value(row, column));
    return values;
}

quint32 ResultRows::Store(const QVariant& value, Tag& tag, std::optional<quint32> place)
{
    if (!value.isValid()) {
        tag = Empty;
        return 0;
    }
    if (value.typeId() == QMetaType::LongLong) {
        const qlonglong number = value.toLongLong();
        if (number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max()) {
            tag = Integer;
            return quint32(qint32(number));
        }
    }
    if (value.typeId() == QMetaType::QString && static_cast<const QString*>(value.constData())->isNull()) {
        tag = NullText;
        return 0;
    }
    tag = Other;
    if (place) {
        FOthers[*place] = value;
        return *place;
    }
    FOthers.push_back(value);
    return quint32(FOthers.size() - 1);
}

void ResultRows::SetValue(qsizetype row, int column, const QVariant& value)
{
    const std::size_t cell = Cell(row, column);
    // A cell written again reuses its place aside, so editing one row over and over does not grow.
    Tag tag = Empty;
    FPayloads[cell] = Store(value, tag, FTags[cell] == Other ? std::optional(FPayloads[cell]) : std::nullopt);
    FTags[cell] = tag;
}

void ResultRows::SetRow(qsizetype row, const QVariantList& values)
{
    for (qsizetype column = 0; column < values.size(); ++column)
        SetValue(row, int(column), values[column]);
}

void ResultRows::AppendRow()
{
    FTags.append(std::size_t(Columns.size()), Empty);
    FPayloads.append(std::size_t(Columns.size()), 0);
}

void ResultRows::RemoveRow(qsizetype row)
{
    const auto first = std::size_t(row) * std::size_t(Columns.size());
    FTags.erase(first, std::size_t(Columns.size()));
    FPayloads.erase(first, std::size_t(Columns.size()));
}

void ResultRows::Append(Tag tag, quint32 payload)
{
    FTags.push_back(tag);
    FPayloads.push_back(payload);
}

void ResultRows::AppendValue(const QVariant& value)
{
    Tag tag = Empty;
    const quint32 payload = Store(value, tag);
    Append(tag, payload);
}

void ResultRows::AppendInteger(qint64 value)
{
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        Append(Integer, quint32(qint32(value)));
    else
        AppendValue(qlonglong(value));
}

void ResultRows::AppendNullText()
{
    Append(NullText, 0);
}

void ResultRows::AppendText(std::string_view utf8)
{
    char length[10];
    std::size_t used = 0;
    for (std::size_t size = utf8.size();; size >>= 7) {
        length[used++] = char((size & 0x7f) | (size > 0x7f ? 0x80 : 0));
        if (size <= 0x7f)
            break;
    }
    // A text lies within one block of the buffer and offsets are 32 bits: a longer text, and
    // texts beyond 4 GB of them, are kept as strings.
    constexpr std::size_t block = std::size_t(1) << TextBlockShift;
    const std::size_t size = used + utf8.size();
    if (size > block || FText.size() + size + block > std::numeric_limits<quint32>::max()) {
        AppendValue(DecodeText(utf8));
        return;
    }
    Append(Utf8, quint32(FText.AppendTogether(std::string_view(length, used), utf8)));
}

quint32 ResultRows::AddSharedText(const QString& text)
{
    FShared.push_back(text);
    return quint32(FShared.size() - 1);
}

void ResultRows::AppendShared(quint32 index)
{
    Append(Shared, index);
}

ResultRows ReadResult(const QSqlDatabase& database, const QString& text, const QVariantList& values)
{
    if (sqlite3* handle = EngineHandle(database))
        return ReadThroughEngine(handle, text, values);
    return ReadResultThroughDriver(database, text, values);
}

QSqlQuery RunThroughDriver(const QSqlDatabase& database, const QString& text, const QVariantList& values)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(text))
        throw EDatabaseError::FromEngine(query.lastError());
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw EDatabaseError::FromEngine(query.lastError());
    return query;
}

ResultRows ReadResultThroughDriver(const QSqlDatabase& database, const QString& text,
                                   const QVariantList& values)
{
    QSqlQuery query = RunThroughDriver(database, text, values);
    ResultRows result;
    if (!query.isSelect())
        return result;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        result.Columns.append({record.fieldName(i), record.field(i).metaType()});
    while (query.next()) {
        for (int i = 0; i < record.count(); ++i)
            result.AppendValue(query.value(i));
    }
    // The driver ends the rows quietly when reading one fails; a cut-off list is no result.
    if (query.lastError().isValid())
        throw EDatabaseError::FromEngine(query.lastError());
    return result;
}
