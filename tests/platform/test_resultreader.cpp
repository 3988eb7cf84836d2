// Reading results through the engine's own interface answers exactly what Qt SQL's driver answers.
#include "DataSetFixture.h"
#include "ResultReader.h"
#include "SqliteEngine.h"

#include <QDateTime>

namespace {

// A value as a test can compare it: its type, whether it is null, including a null string held
// by a variant, which Qt 6 no longer calls a null variant, and its text.
QString Describe(const QVariant& value)
{
    const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
    return QStringLiteral("%1%2 %3").arg(
        QString::fromUtf8(value.metaType().name() ? value.metaType().name() : "invalid"),
        value.isNull() || nullText ? QStringLiteral(" null") : QString(),
        value.typeId() == QMetaType::QByteArray ? QString::fromLatin1(value.toByteArray().toHex())
                                                : value.toString());
}

std::string Describe(const ResultRows& rows)
{
    QStringList lines;
    for (const ResultColumn& column : rows.Columns)
        lines.append(QStringLiteral("column %1 %2").arg(column.Name).arg(column.Type.id()));
    for (qsizetype row = 0; row < rows.RowCount(); ++row) {
        for (int column = 0; column < rows.ColumnCount(); ++column)
            lines.append(Describe(rows.Value(row, column)));
    }
    return lines.join(u'\n').toStdString();
}

} // namespace

class ResultReaderTest : public DataSetTest {
protected:
    ResultReaderTest()
    {
        Exec(QStringLiteral("create table 样本 (ID INTEGER PRIMARY KEY, 整数 int, 文本 TEXT, 实数 REAL, "
                            "双精 double, 浮点 float, 金额 NUMERIC(10,2), 块 BLOB, 真假 BOOLEAN, "
                            "名字 VARCHAR(20), 大数 BIGINT, 无型)"));
        Exec(QStringLiteral("insert into 样本 values (1, 5, '甲乙', 1.5, -2.25, 0, 12.5, x'00ff', 1, "
                            "'abc', 9223372036854775807, 7)"));
        Exec(QStringLiteral("insert into 样本 values (2, -3, '', 0.1, 1e300, 3, '12.50', x'', 0, "
                            "'', -9223372036854775808, 'text')"));
        Exec(QStringLiteral("insert into 样本 (ID) values (3)"));
        Exec(QStringLiteral("insert into 样本 values (4, '不是数', 42, 'x', null, 2.5, null, '文字', "
                            "'yes', 123, 1.25, x'0102')"));
        connection.Open();
    }

    void ExpectSameAsDriver(const QString& text, const QVariantList& values = {})
    {
        const ResultRows driver = ReadResultThroughDriver(connection.Database(), text, values);
        const ResultRows engine = ReadResult(connection.Database(), text, values);
        EXPECT_EQ(Describe(engine), Describe(driver));
    }
};

// The engine's own interface is found in the library the driver loaded: without it every reading
// here would go through the driver, and compare the driver with itself.
TEST_F(ResultReaderTest, TheEnginesOwnInterfaceIsFoundWhereTheDriverLoadedIt)
{
    sqlite3* handle = EngineHandle(connection.Database());
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(Sqlite().db_readonly(handle, "main"), 0);
    EXPECT_EQ(EngineHandle(QSqlDatabase()), nullptr);
}

TEST_F(ResultReaderTest, ColumnsAndValuesAreTheDriversWhateverTheDeclaredTypesAndStoredValues)
{
    struct Case {
        const char* name;
        QString text;
    };
    const std::vector<Case> cases = {
        {"every declared type and storage class", "select * from 样本 order by ID"},
        {"no rows: types from the declarations alone", "select * from 样本 where ID > 99"},
        {"computed columns take the type of the first value",
         "select count(*), 1.5, 'x', null, x'00ff', ID + 1 as \"quoted\" from 样本"},
        {"computed columns without rows", "select ID + 1, 'x' from 样本 where 0"},
        {"the same name twice", "select a.ID, b.ID, a.文本 from 样本 a join 样本 b on a.ID = b.ID"},
        {"the people of the program", "select * from 人员"},
        {"more cells than a block of the rows holds",
         "with recursive n(i) as (select 1 union all select i + 1 from n where i < 30000) "
         "select i, '名' || i, i % 7 || '' from n"},
        {"a text longer than a block of the text buffer",
         "select substr(replace(hex(zeroblob(600000)), '0', '甲'), 1, 400000), 'after'"},
        {"texts repeated, distinct, and distinct before repeating",
         "with recursive n(i) as (select 1 union all select i + 1 from n where i < 300) "
         "select (i % 3) || '甲', '名' || i, (case when i > 150 then i % 5 else i end) || '', '' from n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSameAsDriver(c.text);
    }
}

TEST_F(ResultReaderTest, ValuesAreBoundAsTheDriverBindsThem)
{
    struct Case {
        const char* name;
        QVariant value;
    };
    const std::vector<Case> cases = {
        {"int", 5},
        {"long long", qlonglong(9223372036854775807)},
        {"text of a number", QStringLiteral("5")},
        {"CJK text", QStringLiteral("甲乙")},
        {"empty text is no null", QStringLiteral("")},
        {"null text", QString()},
        {"empty variant", QVariant()},
        {"double", 1.5},
        {"bool", true},
        {"bytes", QByteArray::fromHex("00ff")},
        {"null bytes", QByteArray()},
        {"date", QDate(2024, 2, 29)},
        {"invalid date", QDate()},
        {"time", QTime(13, 5, 7, 250)},
        {"date and time", QDateTime(QDate(2024, 2, 29), QTime(13, 5, 7, 250))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // What each comparison makes of the value, and the value as the engine stored it.
        ExpectSameAsDriver(
            QStringLiteral("select ? is null as n, typeof(?) as t, quote(?) as q, ? = 整数 as i, "
                           "? = 文本 as s, ? = 实数 as r, ? = 块 as b from 样本 order by ID"),
            QVariantList(7, c.value));
    }
}

TEST_F(ResultReaderTest, AStatementFailingAtALaterRowRaisesInsteadOfGivingTheRowsBefore)
{
    // The overflow happens only when the second row is computed.
    const QString text =
        QStringLiteral("select case when ID = 2 then abs(-9223372036854775807 - 1) else ID end from 样本");
    for (auto read : {&ReadResult, &ReadResultThroughDriver}) {
        try {
            read(connection.Database(), text, {});
            ADD_FAILURE() << "no error";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("integer overflow"));
        }
    }
}

TEST_F(ResultReaderTest, SeveralStatementsAtOnceAreRefusedBeforeAnyRuns)
{
    for (auto read : {&ReadResult, &ReadResultThroughDriver})
        EXPECT_THROW(read(connection.Database(), QStringLiteral("select 1; delete from 样本"), {}),
                     EDatabaseError);
    EXPECT_EQ(FileColumn(QStringLiteral("ID"), QStringLiteral("样本")), (QStringList{"1", "2", "3", "4"}));
}

// What a query does to its rows: the compact cells answer every variant as it was written.
TEST(ResultRowsTest, ACellAnswersTheVariantLastWrittenWhateverItHeldBefore)
{
    struct Case {
        const char* name;
        QVariant value;
    };
    const std::vector<Case> cases = {
        {"empty variant", QVariant()},
        {"null text", QVariant(QMetaType::fromType<QString>())},
        {"empty text", QStringLiteral("")},
        {"CJK text", QStringLiteral("甲乙")},
        {"small integer", qlonglong(-5)},
        {"integer beyond 32 bits", qlonglong(1) << 40},
        {"int stays int", 7},
        {"null int", QVariant(QMetaType::fromType<int>())},
        {"double", 2.5},
        {"bytes", QByteArray("\0x", 2)},
        {"bool", true},
    };
    ResultRows rows;
    rows.Columns = {{QStringLiteral("a"), QMetaType::fromType<int>()},
                    {QStringLiteral("b"), QMetaType::fromType<QString>()}};
    rows.AppendText("甲");
    rows.AppendInteger(1);
    rows.AppendRow();
    for (const Case& before : cases) {
        for (const Case& after : cases) {
            SCOPED_TRACE(std::string(before.name) + " then " + after.name);
            rows.SetValue(1, 1, before.value);
            rows.SetValue(1, 1, after.value);
            EXPECT_EQ(Describe(rows.Value(1, 1)), Describe(after.value));
            EXPECT_EQ(rows.Text(1, 1), after.value.isNull() ? QString() : after.value.toString());
            EXPECT_EQ(rows.Text(1, 1).isNull(), after.value.isNull() || after.value.toString().isNull());
            EXPECT_EQ(rows.Row(0), (QVariantList{QStringLiteral("甲"), qlonglong(1)}));
            EXPECT_EQ(Describe(rows.Value(1, 0)), Describe(QVariant()));
        }
    }
}

TEST(ResultRowsTest, RemovingARowKeepsTheOthersInOrder)
{
    ResultRows rows;
    rows.Columns = {{QStringLiteral("a"), QMetaType::fromType<QString>()}};
    // More rows than a block holds, so that removing moves cells from one block into another.
    const int count = 70000;
    for (int i = 0; i < count; ++i)
        rows.AppendText(QString::number(i).toStdString());
    rows.RemoveRow(3);
    rows.AppendRow();
    rows.SetValue(count - 1, 0, QStringLiteral("新"));
    ASSERT_EQ(rows.RowCount(), count);
    EXPECT_EQ(rows.Value(2, 0), QStringLiteral("2"));
    EXPECT_EQ(rows.Value(3, 0), QStringLiteral("4"));
    EXPECT_EQ(rows.Value(count - 2, 0), QString::number(count - 1));
    EXPECT_EQ(rows.Value(count - 1, 0), QStringLiteral("新"));
}

TEST(ResultRowsTest, TextKeptAsBytesReadsAsQtDecodesIt)
{
    struct Case {
        const char* name;
        std::string bytes;
    };
    using namespace std::string_literals;
    const std::vector<Case> cases = {
        {"ASCII shorter than eight", "abc"},
        {"ASCII of eight and more", "510107198407308792"},
        {"Chinese", "成都市锦江区中山路47号"},
        {"two-byte letters", "Ñandú café"},
        {"four-byte characters", "𠀀字𝄞"},
        {"byte order mark", "\xef\xbb\xbfx"},
        {"byte order mark inside", "x\xef\xbb\xbfy"},
        {"noncharacters", "\xef\xbf\xbf\xef\xb7\x90"},
        {"invalid byte", "A\xff"
                         "B"},
        {"lone continuation", "\x80\xbf"},
        {"cut off at the end", "中\xe4\xb8"},
        {"cut off before ASCII", "\xe4\xb8x"},
        {"encoded surrogate", "\xed\xa0\x80"},
        {"too long forms", "\xc0\xaf\xe0\x80\xaf\xc1\xbf"},
        {"beyond the last character", "\xf4\x90\x80\x80"},
        {"nul inside", "a\0b"s},
    };
    ResultRows rows;
    rows.Columns = {{QStringLiteral("a"), QMetaType::fromType<QString>()}};
    for (const Case& c : cases)
        rows.AppendText(c.bytes);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const QString expected = QString::fromUtf8(cases[i].bytes.data(), qsizetype(cases[i].bytes.size()));
        EXPECT_EQ(rows.Text(qsizetype(i), 0), expected);
        EXPECT_EQ(rows.Value(qsizetype(i), 0), QVariant(expected));
    }
}

TEST(ResultRowsTest, RowsFilledAfterOthersWentAwayHoldOnlyTheirOwnCells)
{
    // The blocks of rows gone are filled again by the next rows; nothing of the old shows through.
    const auto fill = [](ResultRows& rows, int count, const QString& prefix) {
        rows.Columns = {{QStringLiteral("a"), QMetaType::fromType<int>()},
                        {QStringLiteral("b"), QMetaType::fromType<QString>()}};
        for (int i = 0; i < count; ++i) {
            rows.AppendInteger(i);
            rows.AppendText((prefix + QString::number(i)).toStdString());
        }
    };
    for (const int count : {70000, 100, 40000}) {
        SCOPED_TRACE(count);
        ResultRows rows;
        fill(rows, count, QStringLiteral("行%1-").arg(count));
        ResultRows moved = std::move(rows);
        EXPECT_EQ(rows.RowCount(), 0);
        moved.AppendRow();
        ASSERT_EQ(moved.RowCount(), count + 1);
        for (int i : {0, count / 2, count - 1}) {
            EXPECT_EQ(moved.Value(i, 0), QVariant(qlonglong(i)));
            EXPECT_EQ(moved.Text(i, 1), QStringLiteral("行%1-%2").arg(count).arg(i));
        }
        EXPECT_FALSE(moved.Value(count, 1).isValid());
        moved = ResultRows();
        EXPECT_EQ(moved.RowCount(), 0);
    }
}
