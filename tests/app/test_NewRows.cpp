// "新建" in every window that has one: the list lands on the row the insert made, found by its
// key even when another program added a row after it, and a refused insert leaves the list alone.
#include "ArchiveFixture.h"

#include "DataAccess.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit7.h"
#include "Unit8.h"
#include "bsSkinCtrls.h"

#include <QTest>

namespace {

struct NewRowWindow {
    const char* Name;
    const char* Table;
    TQuery* Tdb::*Query;
    // Opens the window with its list showing (the archive on 王五, key 3) and answers the button.
    std::function<TbsSkinButton*(ArchiveTest&)> Open;
    // A row another program adds; it belongs in the list the window shows.
    const char* OtherRow;
};

void PrintTo(const NewRowWindow& c, std::ostream* os)
{
    *os << c.Name;
}

const NewRowWindow Windows[] = {
    {"Person", "人员资料", &Tdb::ADOQuery1,
     [](ArchiveTest& t) {
         t.OpenArchive();
         return Form4->新建;
     },
     "insert into 人员资料(姓名) values('别人')"},
    {"Record", "社会关系", &Tdb::ADOQuery4,
     [](ArchiveTest& t) {
         t.OpenArchive();
         t.ClickPerson(QStringLiteral("王五"));
         return Form4->bsSkinButton4;
     },
     "insert into 社会关系(人员id, 姓名) values('3', '别人')"},
    {"ToDo", "待办事项", &Tdb::ADOQuery7,
     [](ArchiveTest& t) {
         t.Start();
         t.LogIn(t.FAdmin.Name, t.FAdmin.Password);
         t.Click(Form3->bsSkinSpeedButton3);
         t.Activate(Form7);
         t.Click(Form7->bsSkinButton1); // opens the list
         return Form7->bsSkinButton1;
     },
     "insert into 待办事项(事项目) values('别人')"},
    {"Account", "管理员", &Tdb::ADOQuery8,
     [](ArchiveTest& t) {
         t.Start();
         t.LogIn(t.FAdmin.Name, t.FAdmin.Password);
         t.Click(Form3->bsSkinSpeedButton5);
         t.Activate(Form8);
         t.Click(Form8->bsSkinButton1);
         return Form8->bsSkinButton1;
     },
     "insert into 管理员(账号) values('别人')"},
};

class NewRowTest : public ArchiveTest, public ::testing::WithParamInterface<NewRowWindow> {};

TEST_P(NewRowTest, LandsOnTheInsertedRowEvenWhenAnotherProgramAddedOneAfterIt)
{
    const NewRowWindow& w = GetParam();
    TbsSkinButton* add = w.Open(*this);
    TQuery* query = db->*w.Query;
    ASSERT_TRUE(query->Active());
    // The other program's row goes in between our insert and the list's re-open.
    bool added = false;
    query->BeforeClose = [&](TQuery*) {
        if (!std::exchange(added, true))
            Exec(QString::fromUtf8(w.OtherRow));
    };
    Click(add);
    query->BeforeClose = nullptr;
    ASSERT_TRUE(added);
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
    const QVariantList keys = Column(QString::fromUtf8(w.Table), QStringLiteral("ID"));
    ASSERT_GE(keys.size(), 2);
    // Ours is the one before the other program's, which is the last row.
    EXPECT_EQ(query->FieldByName(QStringLiteral("ID"))->Value().toLongLong(),
              keys[keys.size() - 2].toLongLong());
    EXPECT_LT(query->RecNo(), query->RecordCount());
}

TEST_P(NewRowTest, ARefusedInsertLeavesTheListAsItWas)
{
    const NewRowWindow& w = GetParam();
    TbsSkinButton* add = w.Open(*this);
    TQuery* query = db->*w.Query;
    const QString table = QString::fromUtf8(w.Table);
    Exec(QStringLiteral("create trigger refuse before insert on %1 begin select raise(abort, 'refused'); end")
             .arg(table));
    const int rows = query->RecordCount();
    const int current = query->RecNo();
    const int stored = RowCount(table);
    Click(add);
    ASSERT_EQ(FDialogs.Shown().size(), 1u);
    EXPECT_EQ(FDialogs.Shown()[0].Kind, TDialogKind::ErrorBox);
    EXPECT_TRUE(FDialogs.Shown()[0].Text.contains(QStringLiteral("refused")));
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(query->RecordCount(), rows);
    EXPECT_EQ(query->RecNo(), current);
    EXPECT_EQ(RowCount(table), stored);
}

INSTANTIATE_TEST_SUITE_P(, NewRowTest, ::testing::ValuesIn(Windows),
                         [](const auto& info) { return std::string(info.param.Name); });

// The statistics count what the list holds: a refused "新建" leaves them at the full count.
TEST_F(ArchiveTest, ARefusedNewPersonKeepsThePeopleListedAndCounted)
{
    OpenArchive();
    Exec(QStringLiteral(
        "create trigger refuse before insert on 人员资料 begin select raise(abort, 'refused'); end"));
    Click(Form4->新建);
    EXPECT_EQ(ListedPeople(), QStringList({"张三", "李四", "王五", "赵六"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return Form4->bsSkinStdLabel2->Caption() == QStringLiteral("人员统计:4"); }, 3000));
}

} // namespace
