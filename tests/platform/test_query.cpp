// The query's operations: opening, parameters, moving, fields, editing, posting, deleting, closing.
#include "DataSetFixture.h"

#include <QSqlQuery>
#include <functional>

namespace {

const QString Name = QStringLiteral("姓名");

QString Text(TQuery& q, const QString& field)
{
    return q.FieldByName(field)->AsString();
}

} // namespace

TEST_F(DataSetTest, OpenMakesTheFirstRowCurrentAndReadsAllRows)
{
    OpenPeople();
    EXPECT_TRUE(q.Active());
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(q.RecNo(), 1);
    EXPECT_TRUE(q.Bof());
    EXPECT_FALSE(q.Eof());
    EXPECT_EQ(Text(q, Name), QStringLiteral("张三"));
    EXPECT_EQ(QueryNames(), (QStringList{"张三", "李四", "王五"}));
}

TEST_F(DataSetTest, OpenWithNothingMatchingHasNoRowAndEmptyFields)
{
    OpenPeople(QStringLiteral("select * from 人员 where 部门=99"));
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_EQ(q.RecNo(), 0);
    EXPECT_TRUE(q.Eof());
    EXPECT_TRUE(q.Bof());
    EXPECT_TRUE(q.FieldByName(Name)->IsNull());
    EXPECT_EQ(Text(q, Name), QString());
    EXPECT_EQ(q.FieldByName(QStringLiteral("部门"))->AsInteger(), 0);
    q.Next();
    EXPECT_TRUE(q.Eof());
}

TEST_F(DataSetTest, ParametersAreBoundAsTextAndNeverSpliced)
{
    struct Case {
        const char* name;
        QString sql;
        QString value;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"plain text", "select * from 人员 where 姓名=:name", "李四", {"李四"}},
        {"text key compared as text", "select * from 人员 where 人员id=:key", "3", {"王五"}},
        {"leading zero is other text", "select * from 人员 where 人员id=:key", "03", {}},
        {"quote trick finds nothing", "select * from 人员 where 姓名=:name", "' or '1'='1", {}},
        {"CJK parameter name", "select * from 人员 where 姓名=:姓名", "张三", {"张三"}},
        {"same name twice", "select * from 人员 where 姓名=:n or 人员id=:n", "2", {"李四"}},
        {"colon in a literal is no parameter",
         "select * from 人员 where 姓名<>':x' and 姓名=:x",
         "王五",
         {"王五"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        q.SetSQL(c.sql);
        ASSERT_EQ(q.ParamCount(), 1);
        q.Params(0)->Value = c.value;
        q.Open();
        EXPECT_EQ(QueryNames(), c.expected);
        q.Close();
    }
}

TEST_F(DataSetTest, ParamByNameIgnoresCaseAndValuesSurviveANewStatement)
{
    q.SetSQL(QStringLiteral("select * from 人员 where 部门=:Dept"));
    q.ParamByName(QStringLiteral("dept"))->Value = 2;
    q.SetSQL(QStringLiteral("select * from 人员 where 部门=:DEPT order by ID"));
    q.Open();
    EXPECT_EQ(QueryNames(), QStringList{"王五"});
    EXPECT_THROW(q.ParamByName(QStringLiteral("other")), EDatabaseError);
    EXPECT_EQ(q.FindParam(QStringLiteral("other")), nullptr);
}

TEST_F(DataSetTest, WalkingVisitsEveryRowInOrderAndStopsAtBothEnds)
{
    OpenPeople();
    QStringList walked;
    for (q.First(); !q.Eof(); q.Next())
        walked.append(Text(q, Name));
    EXPECT_EQ(walked, (QStringList{"张三", "李四", "王五"}));
    EXPECT_EQ(q.RecNo(), 3); // Eof leaves the last row current

    q.Last();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(Text(q, Name), QStringLiteral("王五"));
    q.Prior();
    EXPECT_FALSE(q.Eof());
    EXPECT_EQ(q.MoveBy(-5), -1);
    EXPECT_TRUE(q.Bof());
    EXPECT_EQ(q.RecNo(), 1);
    EXPECT_EQ(q.MoveBy(5), 2);
    EXPECT_TRUE(q.Eof());
    q.SetRecNo(2);
    EXPECT_EQ(Text(q, Name), QStringLiteral("李四"));
}

TEST_F(DataSetTest, FieldsAreFoundByNameIgnoringCase)
{
    OpenPeople();
    q.Next();
    EXPECT_EQ(q.FieldByName(QStringLiteral("id"))->AsInteger(), 2);
    EXPECT_EQ(q.FieldByName(QStringLiteral("Id")), q.FieldByName(QStringLiteral("ID")));
    EXPECT_EQ(q.FieldByName(QStringLiteral("人员ID"))->AsString(), QStringLiteral("2"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("部门"))->AsInteger(), 1);
    EXPECT_EQ(q.FieldCount(), 4);
    EXPECT_EQ(q.Fields(1)->FieldName(), Name);
    EXPECT_EQ(q.FindField(QStringLiteral("无此列")), nullptr);
    EXPECT_THROW(q.FieldByName(QStringLiteral("无此列")), EDatabaseError);
    EXPECT_TRUE(q.FieldByName(QStringLiteral("ID"))->ReadOnly());
    EXPECT_FALSE(q.FieldByName(Name)->ReadOnly());
}

TEST_F(DataSetTest, EditAndPostWriteTheRowToTheFileAtOnce)
{
    OpenPeople();
    q.Next();
    q.Edit();
    EXPECT_EQ(q.State(), dsEdit);
    q.FieldByName(Name)->SetAsString(QStringLiteral("李四四"));
    q.FieldByName(QStringLiteral("部门"))->SetAsInteger(7);
    EXPECT_TRUE(q.Modified());
    EXPECT_EQ(FileNames(), (QStringList{"张三", "李四", "王五"})); // nothing written before Post
    q.Post();
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(FileNames(), (QStringList{"张三", "李四四", "王五"}));
    EXPECT_EQ(FileColumn(QStringLiteral("部门")), (QStringList{"1", "7", "2"}));
    EXPECT_EQ(q.RecNo(), 2);
}

TEST_F(DataSetTest, WritingAFieldWhileBrowsingEntersEditState)
{
    OpenPeople();
    q.FieldByName(Name)->SetAsString(QStringLiteral("赵六"));
    EXPECT_EQ(q.State(), dsEdit);
    q.Post();
    EXPECT_EQ(FileNames().first(), QStringLiteral("赵六"));
}

TEST_F(DataSetTest, MovingPostsAChangedRowFirst)
{
    struct Case {
        const char* name;
        std::function<void(TQuery&)> move;
    };
    const std::vector<Case> cases = {
        {"Next", [](TQuery& q) { q.Next(); }},       {"Prior", [](TQuery& q) { q.Prior(); }},
        {"First", [](TQuery& q) { q.First(); }},     {"Last", [](TQuery& q) { q.Last(); }},
        {"MoveBy", [](TQuery& q) { q.MoveBy(-1); }}, {"SetRecNo", [](TQuery& q) { q.SetRecNo(3); }},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenPeople();
        q.Next();
        const QString name = QStringLiteral("改名%1").arg(++n);
        q.Edit();
        q.FieldByName(Name)->SetAsString(name);
        c.move(q);
        EXPECT_EQ(q.State(), dsBrowse);
        EXPECT_EQ(FileNames().at(1), name);
        q.Close();
    }
}

TEST_F(DataSetTest, MovingOffAnUntouchedNewRowDropsIt)
{
    OpenPeople();
    q.Append();
    EXPECT_EQ(q.RecordCount(), 4);
    q.Prior();
    EXPECT_EQ(q.State(), dsBrowse);
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(FileNames().size(), 3);
}

TEST_F(DataSetTest, EditWithNoRowsStartsANewRowWhichPostInserts)
{
    OpenPeople(QStringLiteral("select * from 人员 where 部门=:d"));
    q.Close();
    q.ParamByName(QStringLiteral("d"))->Value = 5;
    q.Open();
    ASSERT_EQ(q.RecordCount(), 0);
    q.Edit();
    EXPECT_EQ(q.State(), dsInsert);
    q.FieldByName(QStringLiteral("部门"))->SetAsInteger(5);
    q.Post();
    EXPECT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 4); // read back with its new key
    EXPECT_EQ(FileColumn(QStringLiteral("部门")), (QStringList{"1", "1", "2", "5"}));
}

TEST_F(DataSetTest, ANewRowIsPostedAsTheLastRowOfTheTable)
{
    OpenPeople();
    q.First();
    q.Insert();
    EXPECT_EQ(q.RecNo(), 4);
    EXPECT_TRUE(q.FieldByName(QStringLiteral("ID"))->IsNull());
    q.FieldByName(Name)->SetAsString(QStringLiteral("新人"));
    q.Post();
    q.Close();
    q.Open();
    q.Last();
    EXPECT_EQ(Text(q, Name), QStringLiteral("新人"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("ID"))->AsInteger(), 4);
}

TEST_F(DataSetTest, PostingANewRowWithNothingSetInsertsAnEmptyRow)
{
    OpenPeople();
    q.Append();
    q.Post();
    EXPECT_EQ(FileNames(), (QStringList{"张三", "李四", "王五", ""}));
}

TEST_F(DataSetTest, CancelRestoresTheRowOrDropsTheNewOne)
{
    OpenPeople();
    q.Next();
    q.FieldByName(Name)->SetAsString(QStringLiteral("错"));
    q.Cancel();
    EXPECT_EQ(Text(q, Name), QStringLiteral("李四"));
    q.Append();
    q.FieldByName(Name)->SetAsString(QStringLiteral("错"));
    q.Cancel();
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(Text(q, Name), QStringLiteral("李四")); // back where it was before the new row
    EXPECT_EQ(FileNames(), (QStringList{"张三", "李四", "王五"}));
}

TEST_F(DataSetTest, DeleteRemovesTheCurrentRowFromTheFileAtOnce)
{
    OpenPeople();
    q.Next();
    q.Delete();
    EXPECT_EQ(FileNames(), (QStringList{"张三", "王五"}));
    EXPECT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(Text(q, Name), QStringLiteral("王五"));
    q.Delete(); // the last row: the row before it becomes current
    EXPECT_EQ(Text(q, Name), QStringLiteral("张三"));
    q.Delete();
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_TRUE(q.Eof());
    EXPECT_TRUE(FileNames().isEmpty());
}

TEST_F(DataSetTest, OperationsThatNeedARowOrAnOpenQueryFail)
{
    struct Case {
        const char* name;
        bool open;
        std::function<void(TQuery&)> action;
    };
    const std::vector<Case> cases = {
        {"delete with no row", true, [](TQuery& q) { q.Delete(); }},
        {"delete when closed", false, [](TQuery& q) { q.Delete(); }},
        {"edit when closed", false, [](TQuery& q) { q.Edit(); }},
        {"next when closed", false, [](TQuery& q) { q.Next(); }},
        {"post when closed", false, [](TQuery& q) { q.Post(); }},
        {"field when closed", false, [](TQuery& q) { q.FieldByName(QStringLiteral("姓名")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        q.SetSQL(QStringLiteral("select * from 人员 where 部门=99"));
        if (c.open)
            q.Open();
        EXPECT_THROW(c.action(q), EDatabaseError);
    }
    EXPECT_EQ(FileNames().size(), 3);
}

TEST_F(DataSetTest, ExecSqlRunsInsertAndDeleteStatements)
{
    q.SetSQL(QStringLiteral("insert into 人员(人员ID) values(:key)"));
    q.ParamByName(QStringLiteral("key"))->Value = QStringLiteral("9");
    EXPECT_EQ(q.ExecSQL(), 1);
    EXPECT_EQ(q.ExecSQL(), 1); // the prepared statement runs again
    q.SetSQL(QStringLiteral("delete from 人员 where id=:id"));
    q.ParamByName(QStringLiteral("id"))->Value = 1;
    EXPECT_EQ(q.ExecSQL(), 1);
    EXPECT_EQ(FileColumn(QStringLiteral("人员id")), (QStringList{"2", "3", "9", "9"}));

    // The connection runs one statement with its values in parameter order.
    EXPECT_EQ(connection.Execute(QStringLiteral("update 人员 set 姓名=:n where 人员id=:k or 部门=:k"),
                                 {QStringLiteral("九"), QStringLiteral("9")}),
              2);
    EXPECT_EQ(FileNames().mid(2), (QStringList{"九", "九"}));
    EXPECT_THROW(connection.Execute(QStringLiteral("delete from 人员 where ID=:id")), EDatabaseError);
    EXPECT_EQ(FileNames().size(), 4);
}

TEST_F(DataSetTest, CloseDropsAChangeNotYetPosted)
{
    for (bool newRow : {false, true}) {
        SCOPED_TRACE(newRow ? "new row" : "edited row");
        OpenPeople();
        if (newRow)
            q.Append();
        q.FieldByName(Name)->SetAsString(QStringLiteral("未保存"));
        q.Close();
        EXPECT_FALSE(q.Active());
        EXPECT_EQ(q.State(), dsInactive);
        EXPECT_EQ(FileNames(), (QStringList{"张三", "李四", "王五"}));
    }
}

TEST_F(DataSetTest, StatementsTheEngineRejectsRaiseItsText)
{
    struct Case {
        const char* name;
        QString sql;
        bool open;
        QString engineText;
    };
    const std::vector<Case> cases = {
        {"missing table", "select * from 无此表", true, "no such table: 无此表"},
        {"syntax", "selec * from 人员", true, "near \"selec\": syntax error"},
        {"execute", "delete from 无此表 where id=1", false, "no such table: 无此表"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        q.SetSQL(c.sql);
        try {
            c.open ? q.Open() : void(q.ExecSQL());
            ADD_FAILURE() << "no error";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), c.engineText);
        }
        EXPECT_FALSE(q.Active());
    }
}

TEST_F(DataSetTest, APostTheEngineRefusesKeepsTheRowInEditState)
{
    Exec(QStringLiteral("create unique index 唯一姓名 on 人员(姓名)"));
    OpenPeople();
    q.FieldByName(Name)->SetAsString(QStringLiteral("李四"));
    try {
        q.Post();
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("UNIQUE constraint failed"))) << e.what();
    }
    EXPECT_EQ(q.State(), dsEdit);
    EXPECT_EQ(FileNames(), (QStringList{"张三", "李四", "王五"}));
}

TEST_F(DataSetTest, UpdatingARowSomeoneElseDeletedFailsInsteadOfReportingSuccess)
{
    OpenPeople();
    Exec(QStringLiteral("delete from 人员 where ID=1"));
    q.FieldByName(Name)->SetAsString(QStringLiteral("幽灵"));
    EXPECT_THROW(q.Post(), EDatabaseError);
    EXPECT_EQ(FileNames(), (QStringList{"李四", "王五"}));
    // Nothing to read instead: the change stays, being edited, for the user to see.
    EXPECT_EQ(q.State(), dsEdit);
    EXPECT_EQ(Text(q, Name), QStringLiteral("幽灵"));
}

const QString RowChangedMessage = QStringLiteral(
    "Row cannot be located for updating. Some values may have been changed since it was last read.");

// Two programs on one file: each reads the first person, the other program posts its change
// first, then ours posts. Ours is refused exactly when the other changed a column ours changes,
// null counting as a value like any other; refused or not, the row then shows what the file holds.
TEST_F(DataSetTest, APostDoesNotOverwriteAChangeAnotherProgramMadeToTheSameColumn)
{
    const QString Dept = QStringLiteral("部门");
    const QString Key = QStringLiteral("人员id");
    struct Case {
        const char* name;
        QString initialDept; // empty: null
        QString otherColumn;
        QString otherValue; // empty: null
        QString ourColumn;
        QString ourValue;
        bool refused;
        QString expectedInFile; // of our column, afterwards
    };
    const std::vector<Case> cases = {
        {"same column", "1", Name, "甲", Name, "乙", true, "甲"},
        {"another column", "1", Key, "9", Name, "乙", false, "乙"},
        {"null column nobody touched", "", Key, "9", Dept, "7", false, "7"},
        {"null column the other filled", "", Dept, "5", Dept, "7", true, "5"},
        {"column the other emptied", "1", Dept, "", Dept, "7", true, ""},
        {"the other wrote the value it had", "1", Name, "张三", Name, "乙", false, "乙"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Exec(QStringLiteral("update 人员 set 姓名='张三', 人员id='1', 部门=%1 where ID=1")
                 .arg(c.initialDept.isEmpty() ? QStringLiteral("null") : c.initialDept));
        OpenPeople();

        TConnection otherConnection;
        otherConnection.ConnectionString = JetConnectionString;
        TQuery other;
        other.Connection = &otherConnection;
        other.SetSQL(QStringLiteral("select * from 人员"));
        other.Open();
        other.FieldByName(c.otherColumn)->SetAsString(c.otherValue);
        other.Post();

        q.FieldByName(c.ourColumn)->SetAsString(c.ourValue);
        if (c.refused) {
            try {
                q.Post();
                ADD_FAILURE() << "no error";
            } catch (const EDatabaseError& e) {
                EXPECT_EQ(e.Message(), RowChangedMessage);
            }
        } else {
            q.Post();
        }
        EXPECT_EQ(q.State(), dsBrowse);
        EXPECT_EQ(FileColumn(c.ourColumn).first(), c.expectedInFile);
        if (c.otherColumn != c.ourColumn) {
            EXPECT_EQ(FileColumn(c.otherColumn).first(), c.otherValue);
        }
        for (const QString& column : {Name, Key, Dept})
            EXPECT_EQ(Text(q, column), FileColumn(column).first()) << qPrintable(column);
        q.Close();
    }
}

TEST_F(DataSetTest, ARefusedPostCanBeRedoneOnTheValuesReadAgain)
{
    OpenPeople();
    TConnection otherConnection;
    otherConnection.ConnectionString = JetConnectionString;
    otherConnection.Execute(QStringLiteral("update 人员 set 姓名='甲' where ID=1"));
    q.FieldByName(Name)->SetAsString(QStringLiteral("乙"));
    EXPECT_THROW(q.Post(), EDatabaseError);
    EXPECT_EQ(Text(q, Name), QStringLiteral("甲"));
    q.FieldByName(Name)->SetAsString(QStringLiteral("乙")); // now knowingly over the other's value
    q.Post();
    EXPECT_EQ(FileNames(), (QStringList{"乙", "李四", "王五"}));
}

TEST_F(DataSetTest, AwkwardTextGoesThroughBoundParametersUnchanged)
{
    const QStringList values = {
        QStringLiteral("O'Brien"),
        QStringLiteral("C:\\temp\\x"),
        QStringLiteral("张'三\\\"; drop table 人员; --"),
        QStringLiteral("'); delete from 人员; --"),
        QStringLiteral("  前后空格  "),
    };
    OpenPeople();
    for (const QString& value : values) {
        q.Append();
        q.FieldByName(Name)->SetAsString(value);
        q.FieldByName(QStringLiteral("人员id"))->SetAsString(value);
        q.Post();
    }
    q.First();
    q.FieldByName(Name)->SetAsString(values.first()); // the update path as well
    q.Post();
    const QStringList expected = QStringList{values.first(), "李四", "王五"} + values;
    EXPECT_EQ(FileNames(), expected);
    EXPECT_EQ(FileColumn(QStringLiteral("人员id")).mid(3), values);

    q.Close();
    q.SetSQL(QStringLiteral("select * from 人员 where 人员id=:key"));
    for (const QString& value : values) {
        q.ParamByName(QStringLiteral("key"))->Value = value;
        q.Open();
        EXPECT_EQ(QueryNames(), QStringList{value});
        q.Close();
    }
}

TEST_F(DataSetTest, NumericFieldsConvertTextAndRefuseWhatIsNoNumber)
{
    OpenPeople();
    TField* dept = q.FieldByName(QStringLiteral("部门"));
    EXPECT_EQ(dept->DataType(), ftInteger);
    dept->SetAsString(QStringLiteral(" 12 "));
    EXPECT_EQ(dept->AsInteger(), 12);
    EXPECT_THROW(dept->SetAsString(QStringLiteral("十二")), EConvertError);
    dept->SetAsString(QString());
    EXPECT_TRUE(dept->IsNull());
    q.Post();
    EXPECT_EQ(FileColumn(QStringLiteral("部门")).first(), QString());
    EXPECT_EQ(FileColumn(QStringLiteral("typeof(部门)")).first(), QStringLiteral("null"));

    TField* text = q.FieldByName(QStringLiteral("人员id"));
    text->SetAsInteger(12); // a text column keeps the decimal digits as text
    q.Post();
    EXPECT_EQ(FileColumn(QStringLiteral("typeof(人员id)")).first(), QStringLiteral("text"));
    EXPECT_EQ(text->AsString(), QStringLiteral("12"));
}

TEST_F(DataSetTest, TheKeyAndReadOnlyResultsCannotBeWritten)
{
    OpenPeople();
    EXPECT_TRUE(q.CanModify());
    EXPECT_THROW(q.FieldByName(QStringLiteral("id"))->SetAsInteger(9), EDatabaseError);
    EXPECT_EQ(q.State(), dsBrowse);
    q.Close();

    for (const char* sql : {"select 姓名, 部门 from 人员", "select count(*) as n from 人员",
                            "select * from 人员 a, 人员 b where a.ID=b.ID"}) {
        SCOPED_TRACE(sql);
        OpenPeople(QString::fromUtf8(sql));
        EXPECT_FALSE(q.CanModify());
        EXPECT_THROW(q.Edit(), EDatabaseError);
        EXPECT_THROW(q.Fields(0)->SetValue(QStringLiteral("x")), EDatabaseError);
        EXPECT_THROW(q.Append(), EDatabaseError);
        q.Close();
    }
}

TEST_F(DataSetTest, EventsRunAroundTheOperations)
{
    QStringList events;
    auto record = [&](const char* name) { return [&events, name](TQuery*) { events.append(name); }; };
    q.AfterOpen = record("AfterOpen");
    q.AfterScroll = record("AfterScroll");
    q.AfterEdit = record("AfterEdit");
    q.BeforePost = record("BeforePost");
    q.AfterPost = record("AfterPost");
    q.BeforeDelete = record("BeforeDelete");
    q.AfterDelete = record("AfterDelete");
    q.BeforeClose = record("BeforeClose");
    q.AfterClose = record("AfterClose");
    OpenPeople();
    q.Edit();
    q.FieldByName(Name)->SetAsString(QStringLiteral("甲"));
    q.Next();
    q.Delete();
    q.Close();
    EXPECT_EQ(events,
              (QStringList{"AfterOpen", "AfterEdit", "BeforePost", "AfterPost", "AfterScroll", "BeforeDelete",
                           "AfterDelete", "AfterScroll", "BeforeClose", "AfterClose"}));
}

TEST_F(DataSetTest, AnInsertTellsItsKeyAndLocateFindsThatRowWhereverItLies)
{
    q.SetSQL(QStringLiteral("insert into 人员(人员ID) values(:key)"));
    q.ParamByName(QStringLiteral("key"))->Value = QStringLiteral("9");
    q.ExecSQL();
    const QVariant ours = q.LastInsertId();
    EXPECT_EQ(ours.toInt(), 4);
    Exec(QStringLiteral("insert into 人员 (姓名) values ('别人')")); // someone else's row comes after ours

    OpenPeople();
    ASSERT_TRUE(q.Locate(QStringLiteral("id"), ours));
    EXPECT_EQ(q.RecNo(), 4);
    EXPECT_EQ(Text(q, QStringLiteral("人员id")), QStringLiteral("9"));
    EXPECT_FALSE(q.Locate(QStringLiteral("ID"), 99));
    EXPECT_EQ(q.RecNo(), 4);

    q.SetSQL(QStringLiteral("delete from 人员 where id=:id"));
    q.ParamByName(QStringLiteral("id"))->Value = 1;
    q.ExecSQL();
    EXPECT_TRUE(q.LastInsertId().isNull());
}

TEST_F(DataSetTest, TheSameStringFindsTheRightFieldWhateverItHeldBeforeAndAcrossOpens)
{
    // Lookups by one string again and again are answered from where its characters lie: a string
    // whose characters change in place, or a statement with other columns, must not keep the old
    // answer.
    Exec(QStringLiteral("create table 别名 (甲 TEXT, 姓名 TEXT)"));
    Exec(QStringLiteral("insert into 别名 values ('a', '钱七')"));
    QString name = QStringLiteral("姓名");
    name.reserve(8); // room to change in place
    OpenPeople();
    EXPECT_EQ(q.FieldByName(name)->Index(), 1);
    EXPECT_EQ(q.FieldByName(name)->AsString(), QStringLiteral("张三"));
    const QChar* characters = name.constData();
    name.replace(0, 2, QStringLiteral("部门"));
    ASSERT_EQ(name.constData(), characters);
    EXPECT_EQ(q.FieldByName(name)->Index(), 2);
    name = QStringLiteral("人员ID"); // found by case only: never remembered
    EXPECT_EQ(q.FieldByName(name)->Index(), 3);
    EXPECT_EQ(q.FieldByName(name)->Index(), 3);
    q.Close();
    OpenPeople(QStringLiteral("select 甲, 5 as id, 'x' as ID, 姓名 from 别名"));
    const QString upper = QStringLiteral("ID");
    for (int twice = 0; twice < 2; ++twice) {
        SCOPED_TRACE(twice);
        EXPECT_EQ(q.FieldByName(upper)->Index(), 1); // the first column whose name matches
        EXPECT_EQ(q.FieldByName(q.Fields(2)->FieldName())->Index(), 1);
        EXPECT_EQ(q.FieldByName(Name)->Index(), 3);
        EXPECT_EQ(q.FieldByName(Name)->AsString(), QStringLiteral("钱七"));
        EXPECT_EQ(q.FindField(QStringLiteral("部门")), nullptr);
    }
}

TEST_F(DataSetTest, EveryKindOfCellReadsTheSameAfterAnEditAPostAndOpeningAgain)
{
    Exec(QStringLiteral("create table 样本 (ID INTEGER PRIMARY KEY, 备注 TEXT, 整数 INTEGER, 实数 REAL, "
                        "块 BLOB)"));
    struct Case {
        const char* name;
        QString insertedText; // SQL of the 备注 value
    };
    // Texts the compact cells keep as bytes or share, decoded when read.
    const std::vector<Case> cases = {
        {"null", "null"},
        {"empty", "''"},
        {"ASCII longer than eight", "'abcdefghijklmnopqrstuvwxyz 0123456789'"},
        {"Chinese", "'中华人民共和国北京市'"},
        {"Chinese between ASCII", "'No.5 号楼 Room 3'"},
        {"two-byte letters", "'Ñandú café'"},
        {"four-byte character", "'𠀀字𝄞'"},
        {"byte order mark", "char(65279) || 'x'"},
        {"invalid bytes", "cast(x'41ff42c3' as text)"},
        {"cut-off character", "cast(x'e4b8' as text)"},
        {"encoded surrogate", "cast(x'eda080' as text)"},
        {"too long a form", "cast(x'c0afe080af' as text)"},
        {"nul inside", "'a' || char(0) || 'b'"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Exec(QStringLiteral("insert into 样本 values (%1, %2, %3, %4, x'00ff')")
                 .arg(i + 1)
                 .arg(cases[i].insertedText)
                 .arg(i % 2 ? QStringLiteral("null") : QString::number(qint64(i) * 1000000000))
                 .arg(i % 3 ? QStringLiteral("2.5") : QStringLiteral("null")));
    }
    const auto describeRow = [this] {
        QStringList cells;
        for (int field = 0; field < q.FieldCount(); ++field) {
            const TField* f = q.Fields(field);
            cells.append(QStringLiteral("%1 %2 [%3] %4")
                             .arg(f->FieldName(), QString::fromLatin1(f->Value().typeName()))
                             .arg(f->AsString())
                             .arg(int(f->IsNull())));
        }
        return cells;
    };
    OpenPeople(QStringLiteral("select * from 样本"));
    std::vector<QStringList> before;
    for (; !q.Eof(); q.Next())
        before.push_back(describeRow());
    ASSERT_EQ(before.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        q.SetRecNo(int(i + 1));
        // The file's bytes decoded as Qt decodes UTF-8, invalid bytes included.
        QSqlQuery file(connection.Database());
        ASSERT_TRUE(
            file.exec(QStringLiteral("select cast(备注 as blob) from 样本 where ID = %1").arg(i + 1)));
        ASSERT_TRUE(file.next());
        const QByteArray bytes = file.value(0).toByteArray();
        EXPECT_EQ(q.FieldByName(QStringLiteral("备注"))->AsString(),
                  file.value(0).isNull() ? QString() : QString::fromUtf8(bytes));
        EXPECT_EQ(describeRow(), before[i]);
        q.FieldByName(QStringLiteral("实数"))->SetValue(7.25); // another field edited and posted
        q.Post();
        QStringList expected = before[i];
        expected[3] = QStringLiteral("实数 double [7.25] 0");
        EXPECT_EQ(describeRow(), expected);
        before[i] = expected;
    }
    q.Close();
    q.Open();
    for (std::size_t i = 0; i < cases.size(); ++i, q.Next()) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(describeRow(), before[i]);
    }
}
