// The archive window's details follow the current person however it changes; nothing is added for
// nobody; the menu acts on the department right-clicked; the wheel and long texts change no value;
// every editor writes its own column; the choice lists and the tab orders.
#include "ArchiveFixture.h"

#include "DataAccess.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "bsDBGrids.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinTabs.h"
#include "bsdbctrls.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace {

struct RecordPage {
    const char* Table;
    TbsSkinTabSheet* TForm4::*Page;
    TbsSkinButton* TForm4::*Add;
    TQuery* Tdb::*Query;
    TbsSkinDBEdit* TForm4::*Editor;
};

const RecordPage Pages[] = {
    {"工作经历", &TForm4::tsexper, &TForm4::bsSkinButton2, &Tdb::ADOQuery3, &TForm4::dedtcom},
    {"社会关系", &TForm4::tsfami, &TForm4::bsSkinButton4, &Tdb::ADOQuery4, &TForm4::dbename},
    {"奖惩记录", &TForm4::tsap, &TForm4::bsSkinButton7, &Tdb::ADOQuery5, &TForm4::dbetopic},
    {"培训记录", &TForm4::tstrain, &TForm4::bsSkinButton8, &Tdb::ADOQuery6, &TForm4::dbecourse},
};

} // namespace

class ArchiveDetailsTest : public ArchiveTest {
public:
    // The department label and the number of records each page lists.
    void ExpectDetails(const char* department, int records)
    {
        EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QString::fromUtf8(department));
        for (const RecordPage& p : Pages)
            EXPECT_EQ((db->*p.Query)->RecordCount(), records) << p.Table;
    }
};

TEST_F(ArchiveDetailsTest, FollowTheCurrentPersonThroughKeysFiltersAndNewPeople)
{
    OpenArchive();
    ExpectDetails("研发部", 1); // 张三
    ClickCell(Form4->bsSkinDBGrid1, 0, 1);
    KeyOnGrid(Form4->bsSkinDBGrid1, Qt::Key_Down);
    EXPECT_EQ(Form4->bsSkinDBEdit2->text(), QStringLiteral("李四"));
    ExpectDetails("研发部", 0);
    KeyOnGrid(Form4->bsSkinDBGrid1, Qt::Key_Down);
    ExpectDetails("销售部", 0);
    // A person without a department shows none, not the previous one's.
    KeyOnGrid(Form4->bsSkinDBGrid1, Qt::Key_Down);
    EXPECT_EQ(Form4->bsSkinDBEdit2->text(), QStringLiteral("赵六"));
    ExpectDetails("", 0);

    ClickNode(Form4->tvper, QStringLiteral("研发部"));
    ExpectDetails("研发部", 1);
    ClickNode(Form4->tvper, QStringLiteral("销售部"));
    ExpectDetails("销售部", 0);

    ClickNode(Form4->tvper, QStringLiteral("研发部"));
    Click(Form4->新建);
    ExpectDetails("", 0);
    // What is typed on a page belongs to the new person.
    Form4->pcsta->SetActivePage(Form4->tsfami);
    TypeAndTabOut(Form4->dbename, QStringLiteral("新人父亲"));
    EXPECT_EQ(Column(QStringLiteral("社会关系"), QStringLiteral("人员id")).last(),
              QVariant(QStringLiteral("5")));
    EXPECT_EQ(Column(QStringLiteral("社会关系"), QStringLiteral("姓名")).last(),
              QVariant(QStringLiteral("新人父亲")));
    EXPECT_EQ(db->ADOQuery4->RecordCount(), 1);
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
}

TEST_F(ArchiveDetailsTest, WithoutACurrentPersonNewAndTypingOnThePagesChangeNothing)
{
    OpenArchive();
    ClickNode(Form4->tvper, QStringLiteral("一组"));
    ASSERT_TRUE(ListedPeople().isEmpty());
    EXPECT_EQ(Form4->bsSkinDBText1->Caption(), QString());
    for (const RecordPage& p : Pages) {
        SCOPED_TRACE(p.Table);
        const QString table = QString::fromUtf8(p.Table);
        Form4->pcsta->SetActivePage(Form4->*p.Page);
        EXPECT_EQ((db->*p.Query)->RecordCount(), 0);
        Click(Form4->*p.Add);
        TypeAndTabOut(Form4->*p.Editor, QStringLiteral("谁的"));
        EXPECT_EQ(RowCount(table), 1);
        EXPECT_EQ((db->*p.Query)->RecordCount(), 0);
    }
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
}

TEST_F(ArchiveDetailsTest, ARightClickActsOnTheDepartmentUnderThePointer)
{
    OpenArchive();
    ClickNode(Form4->tvper, QStringLiteral("研发部"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("删除"), QStringLiteral("分公司"));
    EXPECT_EQ(FDialogs.Texts(), QStringList{QStringLiteral("删除成功")});
    EXPECT_EQ(Column(QStringLiteral("部门管理"), QStringLiteral("部门名")),
              (QVariantList{"总公司", "研发部", "一组", "二组", "销售部"}));
    EXPECT_NE(FindNode(Form4->tvper, QStringLiteral("研发部")), nullptr);
}

TEST_F(ArchiveDetailsTest, DeletingADepartmentAnotherProgramDeletedAlreadySaysNoSuccess)
{
    OpenArchive();
    ClickNode(Form4->tvper, QStringLiteral("分公司"));
    Exec(QStringLiteral("delete from 部门管理 where ID=6"));
    ChooseFromMenu(Form4->tvper, QStringLiteral("删除"));
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
    EXPECT_EQ(FindNode(Form4->tvper, QStringLiteral("分公司")), nullptr);
}

TEST_F(ArchiveDetailsTest, TheWheelOverAChoiceListWithoutTheFocusChangesNoValue)
{
    Exec(QStringLiteral("insert into 社会关系(人员id, 姓名, 关系) values('1', '张母', '母子')"));
    OpenArchive();
    struct Choice {
        TbsSkinTabSheet* Page;
        TbsSkinDBComboBox* Combo;
        QWidget* Focused;
        const char* Table;
        const char* Column;
    };
    for (const Choice& c :
         {Choice{Form4->tsinfo, Form4->dcbosex, Form4->bsSkinDBEdit2, "人员资料", "性别"},
          Choice{Form4->tsinfo, Form4->dcbomarried, Form4->bsSkinDBEdit2, "人员资料", "婚姻状况"},
          Choice{Form4->tsinfo, Form4->dedtlevel, Form4->bsSkinDBEdit2, "人员资料", "学历"},
          Choice{Form4->tsfami, Form4->dbcfami, Form4->dbename, "社会关系", "关系"}}) {
        SCOPED_TRACE(c.Column);
        Form4->pcsta->SetActivePage(c.Page);
        const QVariantList before = Column(QString::fromUtf8(c.Table), QString::fromUtf8(c.Column));
        const QString shown = c.Combo->Text();
        c.Focused->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.Focused->hasFocus(); }));
        for (int delta : {-120, 120, -120}) {
            const QPoint at = c.Combo->rect().center();
            QWheelEvent wheel(at, c.Combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(c.Combo, &wheel);
        }
        QTest::keyClick(c.Focused, Qt::Key_Tab);
        EXPECT_EQ(c.Combo->Text(), shown);
        EXPECT_EQ(Column(QString::fromUtf8(c.Table), QString::fromUtf8(c.Column)), before);
    }
}

TEST_F(ArchiveDetailsTest, ATextLongerThanANativeEditsLimitIsKeptWholeAndCanBeAppendedTo)
{
    const QString remark(40000, QChar(u'记'));
    Exec(QStringLiteral("update 人员资料 set 备注=:r where ID=1"), {remark});
    OpenArchive();
    ASSERT_EQ(Form4->bsSkinDBEdit2->text(), QStringLiteral("张三"));
    Form4->bsSkinDBEdit19->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form4->bsSkinDBEdit19, Qt::Key_Tab);
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("备注"))[0], QVariant(remark));
    TypeInto(Form4->bsSkinDBEdit19, QStringLiteral("完"));
    QTest::keyClick(Form4->bsSkinDBEdit19, Qt::Key_Tab);
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("备注"))[0],
              QVariant(remark + QStringLiteral("完")));
}

// Each editor writes the column it is shown beside: a swapped binding would write another one.
TEST_F(ArchiveDetailsTest, EveryEditorWritesItsOwnColumn)
{
    OpenArchive();
    ClickPerson(QStringLiteral("张三"));
    struct Binding {
        TbsSkinTabSheet* Page;
        QWidget* Editor;
        const char* Table;
        const char* Column;
    };
    QList<Binding> bindings;
    const std::pair<TbsSkinDBEdit*, const char*> basic[] = {
        {Form4->bsSkinDBEdit1, "工号"},      {Form4->bsSkinDBEdit2, "姓名"},
        {Form4->bsSkinDBEdit3, "生日"},      {Form4->bsSkinDBEdit4, "工种"},
        {Form4->bsSkinDBEdit5, "职称"},      {Form4->bsSkinDBEdit6, "省市"},
        {Form4->bsSkinDBEdit7, "民族"},      {Form4->bsSkinDBEdit8, "专业"},
        {Form4->bsSkinDBEdit9, "邮编"},      {Form4->bsSkinDBEdit10, "合同期限"},
        {Form4->bsSkinDBEdit11, "合同开始"}, {Form4->bsSkinDBEdit12, "合同结束"},
        {Form4->bsSkinDBEdit13, "入司时间"}, {Form4->bsSkinDBEdit14, "政治面貌"},
        {Form4->bsSkinDBEdit15, "技术等级"}, {Form4->bsSkinDBEdit16, "健康状况"},
        {Form4->bsSkinDBEdit17, "身份证号"}, {Form4->bsSkinDBEdit18, "家庭地址"},
        {Form4->bsSkinDBEdit19, "备注"}};
    for (const auto& [editor, column] : basic)
        bindings.append({Form4->tsinfo, editor, "人员资料", column});
    bindings.append({Form4->tsinfo, Form4->dcbosex, "人员资料", "性别"});
    bindings.append({Form4->tsinfo, Form4->dcbomarried, "人员资料", "婚姻状况"});
    bindings.append({Form4->tsinfo, Form4->dedtlevel, "人员资料", "学历"});
    const std::tuple<TbsSkinTabSheet*, QWidget*, const char*, const char*> records[] = {
        {Form4->tsexper, Form4->bsSkinDBEdit22, "工作经历", "开始时间"},
        {Form4->tsexper, Form4->dedtedate, "工作经历", "结束时间"},
        {Form4->tsexper, Form4->dedtcom, "工作经历", "公司"},
        {Form4->tsexper, Form4->dedtdep, "工作经历", "部门"},
        {Form4->tsexper, Form4->dedtdutyd, "工作经历", "职责"},
        {Form4->tsfami, Form4->dbename, "社会关系", "姓名"},
        {Form4->tsfami, Form4->dbcfami, "社会关系", "关系"},
        {Form4->tsfami, Form4->dbetel, "社会关系", "联系电话"},
        {Form4->tsfami, Form4->dbecom, "社会关系", "单位"},
        {Form4->tsfami, Form4->dbedes, "社会关系", "备注"},
        {Form4->tsap, Form4->bsSkinDBEdit23, "奖惩记录", "类别"},
        {Form4->tsap, Form4->dbetopic, "奖惩记录", "事件"},
        {Form4->tsap, Form4->dbeddep, "奖惩记录", "处理单位"},
        {Form4->tsap, Form4->dbedate, "奖惩记录", "处理日期"},
        {Form4->tsap, Form4->bsSkinDBEdit21, "奖惩记录", "结果"},
        {Form4->tstrain, Form4->dbecourse, "培训记录", "课程名称"},
        {Form4->tstrain, Form4->dbestdate, "培训记录", "开始时间"},
        {Form4->tstrain, Form4->dbeenddate, "培训记录", "结束时间"},
        {Form4->tstrain, Form4->dbetrcom, "培训记录", "培训单位"},
        {Form4->tstrain, Form4->dbecerti, "培训记录", "所得证书"}};
    for (const auto& [page, editor, table, column] : records)
        bindings.append({page, editor, table, column});

    int n = 0;
    for (const Binding& b : bindings) {
        SCOPED_TRACE(b.Column);
        Form4->pcsta->SetActivePage(b.Page);
        QString expected;
        if (auto* combo = qobject_cast<TbsSkinDBComboBox*>(b.Editor)) {
            combo->setFocus(Qt::TabFocusReason);
            QTest::keyClick(combo, Qt::Key_Down);
            expected = combo->Text();
            ASSERT_FALSE(expected.isEmpty());
            QTest::keyClick(combo, Qt::Key_Tab);
        } else {
            expected = QStringLiteral("值%1").arg(++n);
            TypeAndTabOut(b.Editor, expected);
        }
        // 张三 is the first person and owns the first record of each kind.
        EXPECT_EQ(Column(QString::fromUtf8(b.Table), QString::fromUtf8(b.Column))[0].toString(), expected);
    }
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
}

TEST_F(ArchiveDetailsTest, TheChoiceListsOfferTheirChoices)
{
    Start();
    EXPECT_EQ(Form4->dcbosex->Items(), QStringList({"男", "女"}));
    EXPECT_EQ(Form4->dcbomarried->Items(), QStringList({"未婚", "已婚"}));
    EXPECT_EQ(Form4->dedtlevel->Items(),
              QStringList({"小学", "初中", "高中", "职高", "中专", "大专", "本科", "硕士", "博士"}));
    EXPECT_EQ(Form4->dbcfami->Items(), QStringList({"父子", "母子", "兄弟", "姊妹", "兄妹", "姊弟"}));
    for (TbsSkinDBComboBox* combo : {Form4->dcbosex, Form4->dcbomarried, Form4->dedtlevel, Form4->dbcfami})
        EXPECT_EQ(combo->DropDownCount(), 8) << combo->objectName().toStdString();
}

TEST_F(ArchiveDetailsTest, TabMovesThroughThePagesTheLoginAndTheAddDepartmentDialogInTheirTabOrder)
{
    Start();
    struct Order {
        const char* Name;
        TForm* Form;
        TbsSkinTabSheet* Page; // nullptr: not in the archive window
        QList<QWidget*> Widgets;
    };
    const Order orders[] = {
        {"login", Form1, nullptr, {Form1->cmbUserName, Form1->edtpassword, Form1->cmbUserName}},
        {"add department",
         Form5,
         nullptr,
         {Form5->bsSkinEdit1, Form5->bsSkinButton1, Form5->bsSkinButton2, Form5->bsSkinEdit1}},
        {"基本档案",
         Form4,
         Form4->tsinfo,
         {Form4->dcbosex,        Form4->dcbomarried,    Form4->dedtlevel,      Form4->bsSkinDBEdit1,
          Form4->bsSkinDBEdit2,  Form4->bsSkinDBEdit3,  Form4->bsSkinDBEdit4,  Form4->bsSkinDBEdit5,
          Form4->bsSkinDBEdit6,  Form4->bsSkinDBEdit7,  Form4->bsSkinDBEdit8,  Form4->bsSkinDBEdit9,
          Form4->bsSkinDBEdit10, Form4->bsSkinDBEdit11, Form4->bsSkinDBEdit12, Form4->bsSkinDBEdit13,
          Form4->bsSkinDBEdit14, Form4->bsSkinDBEdit15, Form4->bsSkinDBEdit16, Form4->bsSkinDBEdit17,
          Form4->bsSkinDBEdit18, Form4->bsSkinDBEdit19, Form4->bsSkinDBEdit20, Form4->bsSkinButton1,
          Form4->退出,           Form4->新建,           Form4->bsSkinButton14}},
        {"工作经历",
         Form4,
         Form4->tsexper,
         {Form4->dedtedate, Form4->dedtcom, Form4->dedtdep, Form4->dedtdutyd, Form4->bsSkinButton2,
          Form4->bsSkinButton3, Form4->bsSkinDBEdit22, Form4->bsSkinButton13}},
        {"社会关系",
         Form4,
         Form4->tsfami,
         {Form4->dbename, Form4->dbcfami, Form4->dbetel, Form4->dbecom, Form4->dbedes, Form4->bsSkinButton4,
          Form4->bsSkinButton5, Form4->bsSkinButton12}},
        {"奖惩记录",
         Form4,
         Form4->tsap,
         {Form4->dbetopic, Form4->dbeddep, Form4->dbedate, Form4->bsSkinDBEdit21, Form4->bsSkinButton6,
          Form4->bsSkinButton7, Form4->bsSkinDBEdit23, Form4->bsSkinButton11}},
        {"培训记录",
         Form4,
         Form4->tstrain,
         {Form4->dbecourse, Form4->dbestdate, Form4->dbeenddate, Form4->dbetrcom, Form4->dbecerti,
          Form4->bsSkinButton8, Form4->bsSkinButton9, Form4->bsSkinButton10}},
    };
    for (const Order& o : orders) {
        SCOPED_TRACE(o.Name);
        Activate(o.Form);
        if (o.Page)
            Form4->pcsta->SetActivePage(o.Page);
        o.Widgets.front()->setFocus(Qt::TabFocusReason);
        for (int i = 1; i < o.Widgets.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), o.Widgets[i]) << i;
        }
    }
}
