// Data sources and links: what a bound control hears from its query, and what it can ask of it.
#include "DataSetFixture.h"

namespace
{

// Writes down every notification it receives, as short words.
class RecordingLink : public TDataLink
{
  public:
    QStringList events;

    void ActiveChanged() override { events.append(Active() ? "active" : "inactive"); }
    void DataSetChanged() override { events.append("dataset"); }
    void DataSetScrolled(int distance) override { events.append(QStringLiteral("scroll %1").arg(distance)); }
    void RecordChanged(TField* field) override
    {
        events.append(field ? QStringLiteral("field %1").arg(field->FieldName()) : QStringLiteral("record"));
    }
    void EditingChanged() override { events.append(Editing() ? "editing" : "browsing"); }
    void UpdateData() override { events.append("update"); }
    QStringList Take() { return std::exchange(events, {}); }
};

// A field link with an editor's value held beside it, as a bound edit box holds its text.
struct BoundEditor {
    TFieldDataLink link;
    QString text;
    int dataChanges = 0;

    explicit BoundEditor(TDataSource* source, const QString& field)
    {
        link.OnDataChange = [this] {
            ++dataChanges;
            text = link.Field() ? link.Field()->AsString() : QString();
        };
        link.OnUpdateData = [this] { link.Field()->SetAsString(text); };
        link.SetFieldName(field);
        link.SetDataSource(source);
    }
    // What typing does: ask for edit state, change the text, tell the link.
    bool Type(const QString& typed)
    {
        if (!link.Edit())
            return false;
        text = typed;
        link.Modified();
        return true;
    }
};

} // namespace

class DataLinkTest : public DataSetTest
{
  protected:
    DataLinkTest()
    {
        source.SetDataSet(&q);
        link.SetDataSource(&source);
    }
    TDataSource source;
    RecordingLink link;
};

TEST_F(DataLinkTest, LinksHearEveryChangeOfStateRowAndValue)
{
    struct Step {
        const char* name;
        std::function<void(TQuery&)> action;
        QStringList heard;
    };
    const std::vector<Step> steps = {
        {"open", [](TQuery& q) { q.Open(); }, {"active"}},
        {"next", [](TQuery& q) { q.Next(); }, {"scroll 1"}},
        {"last", [](TQuery& q) { q.Last(); }, {"scroll 1"}},
        {"last again", [](TQuery& q) { q.Last(); }, {}},
        {"edit", [](TQuery& q) { q.Edit(); }, {"editing", "record"}},
        {"write", [](TQuery& q) { q.FieldByName("姓名")->SetAsString("丙"); }, {"field 姓名"}},
        {"post", [](TQuery& q) { q.Post(); }, {"update", "browsing", "dataset"}},
        {"append", [](TQuery& q) { q.Append(); }, {"editing", "dataset"}},
        {"cancel", [](TQuery& q) { q.Cancel(); }, {"browsing", "dataset"}},
        {"first", [](TQuery& q) { q.First(); }, {"scroll -2"}},
        {"delete", [](TQuery& q) { q.Delete(); }, {"dataset"}},
        {"close", [](TQuery& q) { q.Close(); }, {"inactive"}},
        {"while closed", [](TQuery& q) { q.SetSQL("select * from 人员"); }, {}},
    };
    q.SetSQL(QStringLiteral("select * from 人员"));
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.action(q);
        EXPECT_EQ(link.Take(), step.heard);
    }
}

TEST_F(DataLinkTest, SourceAndLinkFollowTheQueryState)
{
    EXPECT_EQ(source.State(), dsInactive);
    EXPECT_FALSE(link.Active());
    OpenPeople();
    EXPECT_TRUE(link.Active());
    EXPECT_EQ(link.DataSet(), &q);
    EXPECT_TRUE(link.Edit());
    EXPECT_TRUE(link.Editing());
    EXPECT_EQ(source.State(), dsEdit);
    q.Cancel();

    source.AutoEdit = false; // typing no longer starts editing
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(q.State(), dsBrowse);
    source.AutoEdit = true;
    link.ReadOnly = true;
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(q.State(), dsBrowse);
    link.ReadOnly = false;

    q.Close(); // rows that cannot be written back are not edited, and that is no error
    OpenPeople(QStringLiteral("select 姓名 from 人员"));
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(q.State(), dsBrowse);
}

TEST_F(DataLinkTest, AFieldLinkShowsTheCurrentValueAndWritesTheEditorsValueBeforeMoving)
{
    BoundEditor editor(&source, QStringLiteral("姓名"));
    EXPECT_EQ(editor.link.Field(), nullptr);
    OpenPeople();
    EXPECT_EQ(editor.text, QStringLiteral("张三"));
    q.Next();
    EXPECT_EQ(editor.text, QStringLiteral("李四"));

    ASSERT_TRUE(editor.Type(QStringLiteral("李四改")));
    EXPECT_EQ(q.State(), dsEdit);
    q.Next(); // the editor's pending text is asked for, then the row is posted
    EXPECT_EQ(FileNames(), (QStringList{"张三", "李四改", "王五"}));
    EXPECT_EQ(editor.text, QStringLiteral("王五"));
    q.Close();
    EXPECT_EQ(editor.text, QString());
}

TEST_F(DataLinkTest, AFieldLinkIgnoresOtherFieldsAndResetDropsTheEditorsChange)
{
    BoundEditor editor(&source, QStringLiteral("姓名"));
    OpenPeople();
    const int before = editor.dataChanges;
    q.FieldByName(QStringLiteral("部门"))->SetAsInteger(3);
    q.FieldByName(QStringLiteral("人员ID"))->SetAsString(QStringLiteral("x"));
    EXPECT_EQ(editor.dataChanges, before + 1); // entering edit state only

    editor.Type(QStringLiteral("未保存"));
    editor.link.Reset();
    EXPECT_EQ(editor.text, QStringLiteral("张三"));
    q.Post(); // nothing pending: the reset dropped it
    EXPECT_EQ(FileNames().first(), QStringLiteral("张三"));
    EXPECT_EQ(FileColumn(QStringLiteral("部门")).first(), QStringLiteral("3"));
}

TEST_F(DataLinkTest, AFieldLinkCanModifyOnlyWritableFieldsOfAnUpdatableQuery)
{
    BoundEditor name(&source, QStringLiteral("姓名"));
    BoundEditor key(&source, QStringLiteral("id"));
    BoundEditor missing(&source, QStringLiteral("无此列"));
    OpenPeople();
    EXPECT_TRUE(name.link.CanModify());
    EXPECT_FALSE(key.link.CanModify());
    EXPECT_FALSE(missing.link.CanModify());
    EXPECT_FALSE(key.Type(QStringLiteral("9")));
    EXPECT_EQ(q.State(), dsBrowse);
    q.Close();
    OpenPeople(QStringLiteral("select 姓名 from 人员"));
    EXPECT_FALSE(name.link.CanModify());
    EXPECT_FALSE(name.Type(QStringLiteral("x")));
}

TEST_F(DataLinkTest, SourcesLinksAndQueriesMayGoInAnyOrder)
{
    OpenPeople();
    {
        auto other = std::make_unique<TDataSource>();
        RecordingLink second;
        other->SetDataSet(&q);
        second.SetDataSource(other.get());
        EXPECT_TRUE(second.Active());
        other.reset(); // the link is let go
        EXPECT_EQ(second.DataSource(), nullptr);
        EXPECT_FALSE(second.Active());
    }
    {
        auto query = std::make_unique<TQuery>();
        query->Connection = &connection;
        query->SetSQL(QStringLiteral("select * from 人员"));
        query->Open();
        TDataSource second;
        RecordingLink third;
        second.SetDataSet(query.get());
        third.SetDataSource(&second);
        query.reset(); // the source and its link learn the data set is gone
        EXPECT_EQ(second.DataSet(), nullptr);
        EXPECT_FALSE(third.Active());
    }
    q.Next(); // the fixture's own link still hears its query
    EXPECT_EQ(link.events.last(), QStringLiteral("scroll 1"));
}

TEST_F(DataLinkTest, ALinkMayLeaveWhileBeingNotified)
{
    RecordingLink leaving;
    TFieldDataLink leaver;
    leaver.OnDataChange = [&] {
        if (leaver.DataSet() && leaver.DataSet()->RecNo() == 2)
            leaving.SetDataSource(nullptr);
    };
    leaver.SetDataSource(&source);
    leaving.SetDataSource(&source);
    OpenPeople();
    q.Next();
    q.Next();
    EXPECT_EQ(leaving.events, (QStringList{"active", "inactive"}));
}

TEST_F(DataLinkTest, AnEditorWhosePostWasRefusedShowsWhatAnotherProgramStored)
{
    BoundEditor editor(&source, QStringLiteral("姓名"));
    OpenPeople();
    TConnection otherConnection;
    otherConnection.ConnectionString = JetConnectionString;
    otherConnection.Execute(QStringLiteral("update 人员 set 姓名='别人改' where ID=1"));

    ASSERT_TRUE(editor.Type(QStringLiteral("我改")));
    link.Take();
    EXPECT_THROW(q.Post(), EDatabaseError);
    EXPECT_EQ(link.Take(), (QStringList{"update", "field 姓名", "browsing", "dataset"}));
    EXPECT_EQ(editor.text, QStringLiteral("别人改"));
    EXPECT_FALSE(editor.link.Editing());
    EXPECT_EQ(FileNames(), (QStringList{"别人改", "李四", "王五"}));
}
