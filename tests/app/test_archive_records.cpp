// The four dependent-record pages end to end, one table of pages: "新建", typing, tabbing out,
// "删除", and "新建" without a current person.
#include "ArchiveFixture.h"

#include "DataAccess.h"
#include "Unit2.h"
#include "Unit4.h"
#include "bsSkinCtrls.h"
#include "bsSkinTabs.h"
#include "bsdbctrls.h"

#include <QTest>

namespace {

struct RecordPage {
    const char* table;
    TbsSkinTabSheet* TForm4::*page;
    TbsSkinButton* TForm4::*add;
    TbsSkinButton* TForm4::*remove;
    TbsSkinDBEdit* TForm4::*editor;
    const char* column;
    TQuery* Tdb::*query;
};

const RecordPage Pages[] = {
    {"工作经历", &TForm4::tsexper, &TForm4::bsSkinButton2, &TForm4::bsSkinButton13, &TForm4::dedtcom, "公司",
     &Tdb::ADOQuery3},
    {"社会关系", &TForm4::tsfami, &TForm4::bsSkinButton4, &TForm4::bsSkinButton12, &TForm4::dbename, "姓名",
     &Tdb::ADOQuery4},
    {"奖惩记录", &TForm4::tsap, &TForm4::bsSkinButton7, &TForm4::bsSkinButton11, &TForm4::dbetopic, "事件",
     &Tdb::ADOQuery5},
    {"培训记录", &TForm4::tstrain, &TForm4::bsSkinButton8, &TForm4::bsSkinButton10, &TForm4::dbecourse,
     "课程名称", &Tdb::ADOQuery6},
};

} // namespace

TEST_F(ArchiveTest, EachPageAddsEditsAndDeletesTheCurrentPersonsRecords)
{
    OpenArchive();
    ClickPerson(QStringLiteral("王五"));
    for (const RecordPage& p : Pages) {
        SCOPED_TRACE(p.table);
        const QString table = QString::fromUtf8(p.table);
        const QString column = QString::fromUtf8(p.column);
        TQuery* query = db->*p.query;
        Form4->pcsta->SetActivePage(Form4->*p.page);
        EXPECT_EQ(query->RecordCount(), 0);

        Click(Form4->*p.add);
        Click(Form4->*p.add);
        EXPECT_EQ(Column(table, QStringLiteral("人员id")).mid(1), (QVariantList{"3", "3"}));
        EXPECT_EQ(query->RecordCount(), 2);
        EXPECT_EQ(query->RecNo(), 2);

        TypeAndTabOut(Form4->*p.editor, QStringLiteral("第二条"));
        EXPECT_EQ(Column(table, column).last(), QVariant(QStringLiteral("第二条")));
        EXPECT_EQ(query->State(), dsBrowse);

        Click(Form4->*p.remove);
        EXPECT_EQ(Column(table, QStringLiteral("人员id")), (QVariantList{"1", "3"}));
        EXPECT_EQ(query->RecordCount(), 1);
        EXPECT_TRUE((Form4->*p.editor)->text().isEmpty());
    }
    // 张三's own records were never touched.
    ClickPerson(QStringLiteral("张三"));
    for (const RecordPage& p : Pages)
        EXPECT_EQ((db->*p.query)->RecordCount(), 1) << p.table;
    EXPECT_TRUE(FDialogs.Shown().empty());
}

TEST_F(ArchiveTest, DeleteOnAnEmptyListIsReportedAndChangesNothing)
{
    OpenArchive();
    ClickPerson(QStringLiteral("王五"));
    for (const RecordPage& p : Pages) {
        SCOPED_TRACE(p.table);
        FDialogs.Clear();
        Form4->pcsta->SetActivePage(Form4->*p.page);
        Click(Form4->*p.remove);
        EXPECT_EQ(FDialogs.Shown().size(), 1u);
        EXPECT_EQ(FDialogs.Shown().front().Kind, TDialogKind::ErrorBox);
        EXPECT_EQ(RowCount(QString::fromUtf8(p.table)), 1);
    }
}
