// Reading every row a statement answers, in one go, for the queries' static cursors.
#pragma once

#include <QList>
#include <QMetaType>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// A column of a result as the database driver describes it: its name, and the type its declared
// column type maps to (or, for a computed column, the type of its first value).
struct ResultColumn {
    QString Name;
    QMetaType Type;
};

// A growing array of plain values in blocks of 2^Shift: growing never copies what is there (a
// single growing block would be moved and its pages touched anew). The blocks of an array that
// goes away are kept, up to SpareBytes of each kind, for the next array to fill: a large open run
// again (the list shown anew after a change) then writes into memory still mapped, where fresh
// pages would cost the kernel a fault each, as much time as a third of reading the rows.
template <class T, int Shift> class BlockArray {
    static_assert(std::is_trivially_copyable_v<T>);
    static constexpr std::size_t BlockSize = std::size_t(1) << Shift;
    static constexpr std::size_t SpareBytes = std::size_t(32) << 20;

public:
    BlockArray() = default;
    ~BlockArray() { GiveBackBlocks(); }
    BlockArray(BlockArray&& other) noexcept { *this = std::move(other); }
    BlockArray& operator=(BlockArray&& other) noexcept
    {
        GiveBackBlocks();
        FBlocks = std::exchange(other.FBlocks, {});
        FSize = std::exchange(other.FSize, 0);
        FNext = std::exchange(other.FNext, nullptr);
        FBlockEnd = std::exchange(other.FBlockEnd, nullptr);
        return *this;
    }

    std::size_t size() const { return FSize; }
    T& operator[](std::size_t i) { return FBlocks[i >> Shift][i & (BlockSize - 1)]; }
    const T& operator[](std::size_t i) const { return FBlocks[i >> Shift][i & (BlockSize - 1)]; }

    // A large open appends millions of values: the place of the next one is kept at hand.
    void push_back(T value)
    {
        if (FNext == FBlockEnd)
            StartBlock();
        *FNext++ = value;
        ++FSize;
    }
    void append(std::size_t count, T value)
    {
        for (std::size_t i = 0; i < count; ++i)
            push_back(value);
    }
    // Copies the values of head and then of tail (together at most a block) so that they lie
    // together in one block, skipping the rest of the last block when they do not fit there;
    // answers where they start.
    std::size_t AppendTogether(std::basic_string_view<T> head, std::basic_string_view<T> tail)
    {
        if ((FSize & (BlockSize - 1)) + head.size() + tail.size() > BlockSize)
            FSize = (FSize + BlockSize - 1) & ~(BlockSize - 1);
        if ((FSize >> Shift) == FBlocks.size())
            FBlocks.push_back(NewBlock());
        const std::size_t start = FSize;
        T* at = std::copy(head.begin(), head.end(), &(*this)[start]);
        std::copy(tail.begin(), tail.end(), at);
        FSize += head.size() + tail.size();
        FindNext();
        return start;
    }
    const T* Together(std::size_t start) const { return &(*this)[start]; }
    void erase(std::size_t first, std::size_t count)
    {
        for (std::size_t i = first; i + count < FSize; ++i)
            (*this)[i] = (*this)[i + count];
        FSize -= count;
        FindNext();
    }

private:
    // The size is at the start of a block: the next block, made when there is none.
    void StartBlock()
    {
        if ((FSize >> Shift) == FBlocks.size())
            FBlocks.push_back(NewBlock());
        FindNext();
    }
    // The place of the next value from the size; none when its block is still to be made.
    void FindNext()
    {
        const std::size_t block = FSize >> Shift;
        FNext = block < FBlocks.size() ? FBlocks[block].get() + (FSize & (BlockSize - 1)) : nullptr;
        FBlockEnd = block < FBlocks.size() ? FBlocks[block].get() + BlockSize : nullptr;
    }

    using Block = std::unique_ptr<T[]>;
    static constexpr std::size_t MostSpare = SpareBytes / (BlockSize * sizeof(T));
    // Per thread, as the arrays are, so no lock is needed. Plain storage, with its blocks freed
    // when the thread ends, so that arrays destroyed even later (static ones) find it and then
    // free their blocks at once.
    struct Spare {
        T* Blocks[MostSpare];
        int Count; // -1 once the thread has ended
    };
    struct SpareRelease {
        ~SpareRelease()
        {
            Spare& spare = TheSpare();
            for (int i = 0; i < spare.Count; ++i)
                Block(spare.Blocks[i]).reset();
            spare.Count = -1;
        }
    };
    static Spare& TheSpare()
    {
        static_assert(std::is_trivially_destructible_v<Spare>);
        thread_local constinit Spare spare{};
        return spare;
    }
    static Block NewBlock()
    {
        Spare& spare = TheSpare();
        if (spare.Count <= 0)
            return std::make_unique_for_overwrite<T[]>(BlockSize);
        return Block(spare.Blocks[--spare.Count]);
    }
    void GiveBackBlocks()
    {
        Spare& spare = TheSpare();
        if (!FBlocks.empty() && spare.Count == 0) {
            thread_local SpareRelease release; // frees what is kept when the thread ends
        }
        for (Block& block : FBlocks) {
            if (spare.Count < 0 || std::size_t(spare.Count) == MostSpare)
                break;
            spare.Blocks[spare.Count++] = block.release();
        }
        FBlocks.clear();
    }

    std::vector<Block> FBlocks;
    std::size_t FSize = 0;
    T* FNext = nullptr;
    T* FBlockEnd = nullptr;
};

// The columns of a result and its rows, held compactly: a large open holds millions of cells, and
// a variant per cell (plus a string per text) costs several times the memory of the data itself,
// and on a busy machine touching that memory costs more than reading the file. A cell is a type
// tag and 32 bits: small integers in place, text as UTF-8 in one shared buffer or, for a column
// that repeats a few values (sex, degree, province), as one shared string per distinct value;
// anything else (reals, blobs, large integers, values written since) is kept as a variant aside.
// Value answers exactly the variant that was stored or read. A statement that answers no columns
// (an insert, say) has neither columns nor rows.
class ResultRows {
public:
    QList<ResultColumn> Columns;

    int ColumnCount() const { return int(Columns.size()); }
    qsizetype RowCount() const { return Columns.isEmpty() ? 0 : qsizetype(FTags.size()) / Columns.size(); }
    QVariant Value(qsizetype row, int column) const;
    QVariantList Row(qsizetype row) const;
    // The value as text, a null string for a null or empty one, without making a variant.
    QString Text(qsizetype row, int column) const;

    void SetValue(qsizetype row, int column, const QVariant& value);
    // Takes values.size() cells from the start of the row.
    void SetRow(qsizetype row, const QVariantList& values);
    // A row of empty (invalid) variants at the end.
    void AppendRow();
    void RemoveRow(qsizetype row);

    // Cells are added one after another, row by row, while reading.
    void AppendValue(const QVariant& value);
    void AppendInteger(qint64 value);
    void AppendNullText();
    // Text kept as its UTF-8 bytes, decoded when read.
    void AppendText(std::string_view utf8);
    // A shared string handed out for every cell holding it; answers its number for AppendShared.
    quint32 AddSharedText(const QString& text);
    void AppendShared(quint32 index);

private:
    std::size_t Cell(qsizetype row, int column) const
    {
        return std::size_t(row) * std::size_t(Columns.size()) + std::size_t(column);
    }
    QString TextAt(quint32 offset) const;

    enum Tag : quint8 { Empty, NullText, Integer, Utf8, Shared, Other };
    // The payload of value, setting its tag; a value kept aside goes to place when given.
    quint32 Store(const QVariant& value, Tag& tag, std::optional<quint32> place = std::nullopt);
    void Append(Tag tag, quint32 payload);

    BlockArray<quint8, 16> FTags; // Columns.size() per row
    BlockArray<quint32, 16> FPayloads;
    static constexpr int TextBlockShift = 20;
    BlockArray<char, TextBlockShift> FText; // each text: its length as a varint, then its bytes
    std::vector<QString> FShared;
    std::vector<QVariant> FOthers;
};

// Runs statement text with "?" placeholders, binding values in order, and reads all its rows.
// Raises EDatabaseError with the engine's text when the engine refuses it. On an SQLite
// connection the rows come through the engine's own interface, which spares the driver's
// per-value bookkeeping (most of the time of a large open); the columns and values are the ones
// the driver gives: integers as qlonglong, reals as double, text as QString, blobs as
// QByteArray, null as a null QString. Other drivers are read through Qt SQL.
ResultRows ReadResult(const QSqlDatabase& database, const QString& text, const QVariantList& values);
// The same through Qt SQL whatever the driver: the reference the engine's path answers like.
// Runs a statement through Qt SQL with positional values, forward only; raises the engine's error.
class QSqlQuery;
QSqlQuery RunThroughDriver(const QSqlDatabase& database, const QString& text, const QVariantList& values);

ResultRows ReadResultThroughDriver(const QSqlDatabase& database, const QString& text,
                                   const QVariantList& values);
