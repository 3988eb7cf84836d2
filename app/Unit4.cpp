// The archive window: its controls, the department trees, and the actions on people and their
// dependent records.
#include "Unit4.h"

#include "ControlFactory.h"
#include "DataAccess.h"
#include "DepartmentTree.h"
#include "ProgramSkinForm.h"
#include "QueryActions.h"
#include "TApplication.h"
#include "TNodeData.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit5.h"
#include "Unit6.h"
#include "bsColors.h"
#include "bsDBGrids.h"
#include "bsMessages.h"
#include "bsScrolledArea.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinMenus.h"
#include "bsSkinTabs.h"
#include "bsdbctrls.h"

#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

TForm4* Form4 = nullptr;

namespace {

constexpr int RowPitch = 27;
constexpr int EditorHeight = 20;
// Where the editors and buttons of the dependent-record pages lie.
constexpr int RecordEditorsTop = 152;
constexpr int RecordButtonsTop = 240;

// The selected department of a tree, or nullptr.
const TNodeData* SelectedDepartment(const TbsSkinTreeView* tree)
{
    return NodeData(tree->Selected());
}

void ShowDatabaseError()
{
    Form1->bsSkinMessage1->MessageDlg(QStringLiteral("连接数据库出错!"), mtError, {mbOK}, 0);
}

void PostIfEditing(TQuery& query)
{
    if (query.State() == dsEdit || query.State() == dsInsert)
        query.Post();
}

TbsSkinStdLabel* AddLabel(QWidget* page, const char* caption, int left, int top)
{
    auto* label = new TbsSkinStdLabel(page);
    label->SetCaption(QString::fromUtf8(caption));
    label->move(left, top);
    return label;
}

// Lays out label-and-editor pairs on a page, row by row across its columns; every editor is bound
// to a column of one data source and runs the page's exit handler.
class EditorGrid {
public:
    EditorGrid(QWidget* page, TDataSource* source, std::vector<int> columns, int top, int labelWidth,
               int editorWidth, std::function<void()> onExit)
        : FPage(page), FSource(source), FColumns(std::move(columns)), FTop(top), FLabelWidth(labelWidth),
          FEditorWidth(editorWidth), FOnExit(std::move(onExit))
    {
    }

    template <class Editor> Editor* Add(const char* name, const char* column, const char* label)
    {
        const QPoint place = Place();
        ++FSlot;
        AddLabel(FPage, label, place.x(), place.y() + 3);
        auto* editor = CreateControl<Editor>(FPage, name, place.x() + FLabelWidth, place.y(), FEditorWidth);
        editor->resize(FEditorWidth, std::max(editor->height(), EditorHeight));
        editor->SetDataSource(FSource);
        editor->SetDataField(QString::fromUtf8(column));
        editor->OnExit = FOnExit;
        return editor;
    }

    // Where the next label goes.
    QPoint Place() const
    {
        const int count = int(FColumns.size());
        return QPoint(FColumns[std::size_t(FSlot % count)], FTop + (FSlot / count) * RowPitch);
    }
    int EditorLeft(int column) const { return FColumns[std::size_t(column)] + FLabelWidth; }
    void Skip() { ++FSlot; }

private:
    QWidget* FPage;
    TDataSource* FSource;
    std::vector<int> FColumns;
    int FTop;
    int FLabelWidth;
    int FEditorWidth;
    std::function<void()> FOnExit;
    int FSlot = 0;
};

} // namespace

TForm4::TForm4(QWidget* parent) : TForm(parent)
{
    Form4 = this;
    setObjectName(QStringLiteral("Form4"));
    SetCaption(QStringLiteral("档案管理"));
    SetClientSize(835, 521);
    bsSkinForm1 = AttachProgramSkinForm(this, Form1->bsSkinData1);

    CreateTree();
    CreatePeople();
    CreateBasicPage();
    CreateExperiencePage();
    CreateFamilyPage();
    CreateMeritsPage();
    CreateTrainingPage();
    CreateStatistics();
    pcsta->SetActivePage(tsinfo);
    SetTabOrder({tvper, bsSkinDBGrid1, pcsta->TabBar()});

    OnHide = [this] { PostPendingChange(); };
    FollowCurrentPerson();
    // A database that cannot be read leaves the trees as far as they got; the window is made all
    // the same.
    CallHandler([this] { lv(); });
    Timer1->start();
}

void TForm4::CreateTree()
{
    QWidget* client = ClientWidget();
    bsSkinPanel1 = CreateControl<TbsSkinPanel>(client, "bsSkinPanel1", 6, 6, 187, 380);
    tvper = CreateControl<TbsSkinTreeView>(bsSkinPanel1, "tvper", 0, 0);
    bsSkinPanel1->AlignClient(AttachSkinScrollBars(tvper, Form1->bsSkinData1));
    tvper->SetDrawSkin(false);
    tvper->SetButtonExpandImageIndex(1);
    tvper->SetButtonNoExpandImageIndex(0);
    tvper->SetIndent(19);
    tvper->SetHideSelection(false);
    tvper->SetRightClickSelect(true);
    tvper->OnClick = [this] { tvperClick(); };

    bsSkinPopupMenu1 = new TbsSkinPopupMenu(this);
    bsSkinPopupMenu1->setObjectName(QStringLiteral("bsSkinPopupMenu1"));
    TMenuItem* items = bsSkinPopupMenu1->Items();
    N1 = items->Add("N1", QStringLiteral("添加主部门"), [this] { N1Click(); });
    N8 = items->Add("N8", QStringLiteral("添加分部门"), [this] { N8Click(); });
    N2 = items->Add("N2", QStringLiteral("删除"), [this] { N2Click(); });
    N3 = items->Add("N3", QStringLiteral("刷新"), [this] { N3Click(); });
    N5 = items->Add("N5", QStringLiteral("-"));
    N6 = items->Add("N6", QStringLiteral("展开"), [this] { N6Click(); });
    N7 = items->Add("N7", QStringLiteral("叠起"), [this] { N7Click(); });
    N4 = items->Add("N4", QStringLiteral("查询所有"), [this] { N4Click(); });
    tvper->SetPopupMenu(bsSkinPopupMenu1);
}

void TForm4::CreatePeople()
{
    QWidget* client = ClientWidget();
    bsSkinPanel2 = CreateControl<TbsSkinPanel>(client, "bsSkinPanel2", 204, 6, 625, 208);
    bsSkinDBGrid1 = CreateControl<TbsSkinDBGrid>(bsSkinPanel2, "bsSkinDBGrid1", 0, 0);
    bsSkinPanel2->AlignClient(bsSkinDBGrid1);
    SetUpRecordGrid(*bsSkinDBGrid1, db->DataSource1, Form1->bsSkinData1);
    bsSkinDBGrid1->SetReadOnly(true);
    bsSkinDBGrid1->SetColumns({{QStringLiteral("ID")},
                               {QStringLiteral("姓名"), QString(), 80},
                               {QStringLiteral("性别"), QString(), 59},
                               {QStringLiteral("生日")},
                               {QStringLiteral("学历"), QString(), 100},
                               {QStringLiteral("工种"), QString(), 100},
                               {QStringLiteral("身份证号")}});
    bsSkinDBGrid1->OnCellClick = [this](int) { bsSkinDBGrid1CellClick(); };

    pcsta = CreateControl<TbsSkinPageControl>(client, "pcsta", 204, 217, 624, 298);
    pcsta->SetButtonTabSkinDataName(QStringLiteral("resizetoolbutton"));
    QFont tabFont(QStringLiteral("Tahoma"));
    tabFont.setPixelSize(13);
    pcsta->SetDefaultFont(tabFont);
    pcsta->SetSkinData(Form1->bsSkinData1);
    tsinfo = AddPage("tsinfo", QStringLiteral("基本档案"));
    tsexper = AddPage("tsexper", QStringLiteral("工作经历"));
    tsfami = AddPage("tsfami", QStringLiteral("社会关系"));
    tsap = AddPage("tsap", QStringLiteral("奖惩记录"));
    tstrain = AddPage("tstrain", QStringLiteral("培训记录"));
}

TbsSkinTabSheet* TForm4::AddPage(const char* name, const QString& caption)
{
    auto* page = new TbsSkinTabSheet(pcsta);
    page->setObjectName(QString::fromLatin1(name));
    page->SetCaption(caption);
    return page;
}

TbsSkinButton* TForm4::AddButton(QWidget* page, const char* name, const QString& caption, int left, int top,
                                 void (TForm4::*handler)())
{
    auto* button = CreateControl<TbsSkinButton>(page, name, left, top, 75, 25);
    button->SetCaption(caption);
    button->SetSkinData(Form1->bsSkinData1);
    button->OnClick = [this, handler] { (this->*handler)(); };
    return button;
}

void TForm4::CreateBasicPage()
{
    EditorGrid grid(tsinfo, db->DataSource1, {10, 214, 418}, 10, 66, 126, [this] { bsSkinDBEdit2Exit(); });
    dcbosex = grid.Add<TbsSkinDBComboBox>("dcbosex", "性别", "性别：");
    dcbomarried = grid.Add<TbsSkinDBComboBox>("dcbomarried", "婚姻状况", "婚姻状况：");
    dedtlevel = grid.Add<TbsSkinDBComboBox>("dedtlevel", "学历", "学历：");
    bsSkinDBEdit1 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit1", "工号", "工号：");
    bsSkinDBEdit2 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit2", "姓名", "姓名：");
    bsSkinDBEdit3 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit3", "生日", "生日：");
    bsSkinDBEdit4 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit4", "工种", "工种：");
    bsSkinDBEdit5 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit5", "职称", "职称：");
    bsSkinDBEdit6 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit6", "省市", "省市：");
    bsSkinDBEdit7 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit7", "民族", "民族：");
    bsSkinDBEdit8 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit8", "专业", "专业：");
    bsSkinDBEdit9 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit9", "邮编", "邮编：");
    bsSkinDBEdit10 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit10", "合同期限", "合同期限：");
    bsSkinDBEdit11 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit11", "合同开始", "合同开始：");
    bsSkinDBEdit12 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit12", "合同结束", "合同结束：");
    bsSkinDBEdit13 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit13", "入司时间", "入司时间：");
    bsSkinDBEdit14 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit14", "政治面貌", "政治面貌：");
    bsSkinDBEdit15 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit15", "技术等级", "技术等级：");
    bsSkinDBEdit16 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit16", "健康状况", "健康状况：");
    bsSkinDBEdit17 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit17", "身份证号", "身份证号：");
    bsSkinDBEdit18 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit18", "家庭地址", "家庭住址：");
    bsSkinDBEdit19 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit19", "备注", "备注其他：");
    for (TbsSkinDBComboBox* box : {dcbosex, dcbomarried, dedtlevel}) {
        box->SetDropDownCount(8);
        box->SetListBoxDefaultItemHeight(20);
    }
    dcbosex->SetItems({QStringLiteral("男"), QStringLiteral("女")});
    dcbomarried->SetItems({QStringLiteral("未婚"), QStringLiteral("已婚")});
    dedtlevel->SetItems({QStringLiteral("小学"), QStringLiteral("初中"), QStringLiteral("高中"),
                         QStringLiteral("职高"), QStringLiteral("中专"), QStringLiteral("大专"),
                         QStringLiteral("本科"), QStringLiteral("硕士"), QStringLiteral("博士")});

    // The department: its name beside the label, and the key's editor hidden under "选择部门".
    const QPoint place = grid.Place();
    AddLabel(tsinfo, "部门：", place.x(), place.y() + 3);
    bsSkinDBText1 =
        CreateControl<TbsSkinDBText>(tsinfo, "bsSkinDBText1", grid.EditorLeft(1), place.y() + 3, 126, 16);
    bsSkinDBText1->SetTransparent(true);
    bsSkinDBText1->SetDataSource(db->DataSource2);
    bsSkinDBText1->SetDataField(QStringLiteral("部门名"));
    grid.Skip();
    const int buttonLeft = grid.Place().x();
    bsSkinDBEdit20 = CreateControl<TbsSkinDBEdit>(tsinfo, "bsSkinDBEdit20", buttonLeft + 20, place.y(), 20);
    bsSkinDBEdit20->SetDataSource(db->DataSource1);
    bsSkinDBEdit20->SetDataField(QStringLiteral("部门"));
    bsSkinDBEdit20->SetSkinData(Form1->bsSkinData1);
    bsSkinDBEdit20->OnExit = [this] { bsSkinDBEdit2Exit(); };
    bsSkinButton1 = AddButton(tsinfo, "bsSkinButton1", QStringLiteral("选择部门"), buttonLeft, place.y() - 2,
                              &TForm4::bsSkinButton1Click);
    bsSkinButton1->raise();

    const int bottom = 10 + 8 * RowPitch + 6;
    AddLabel(tsinfo, "注意：所有修改会及时保存到数据库", 10, bottom + 6);
    新建 = AddButton(tsinfo, "新建", QStringLiteral("新建"), 378, bottom, &TForm4::新建Click);
    bsSkinButton14 = AddButton(tsinfo, "bsSkinButton14", QStringLiteral("删除"), 458, bottom,
                               &TForm4::bsSkinButton14Click);
    退出 = AddButton(tsinfo, "退出", QStringLiteral("退出"), 538, bottom, &TForm4::退出Click);

    SetTabOrder({dcbosex,        dcbomarried,    dedtlevel,      bsSkinDBEdit1,  bsSkinDBEdit2,
                 bsSkinDBEdit3,  bsSkinDBEdit4,  bsSkinDBEdit5,  bsSkinDBEdit6,  bsSkinDBEdit7,
                 bsSkinDBEdit8,  bsSkinDBEdit9,  bsSkinDBEdit10, bsSkinDBEdit11, bsSkinDBEdit12,
                 bsSkinDBEdit13, bsSkinDBEdit14, bsSkinDBEdit15, bsSkinDBEdit16, bsSkinDBEdit17,
                 bsSkinDBEdit18, bsSkinDBEdit19, bsSkinDBEdit20, bsSkinButton1,  退出,
                 新建,           bsSkinButton14});
}

TbsSkinDBGrid* TForm4::AddRecordGrid(TbsSkinTabSheet* page, const char* name, TDataSource* source,
                                     Qt::Alignment titleAlignment, QList<TbsColumn> columns)
{
    auto* grid = CreateControl<TbsSkinDBGrid>(page, name, 18, 6, 585, 137);
    SetUpRecordGrid(*grid, source, Form1->bsSkinData1);
    grid->SetReadOnly(true);
    grid->SetCellColor(QColor(149, 187, 255));
    grid->SetFixedColor(ColorToQColor(SystemColor(1))); // the desktop colour
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPixelSize(13);
    grid->SetTitleFont(titleFont);
    for (TbsColumn& column : columns)
        column.TitleAlignment = titleAlignment;
    grid->SetColumns(columns);
    return grid;
}

void TForm4::AddRecordButtons(TbsSkinTabSheet* page, const PageButton& add, const PageButton& remove,
                              const PageButton& quit)
{
    const std::pair<const PageButton*, QString> buttons[] = {
        {&add, QStringLiteral("新建")}, {&remove, QStringLiteral("删除")}, {&quit, QStringLiteral("退出")}};
    int left = 368;
    for (const auto& [button, caption] : buttons) {
        this->*(button->Member) =
            AddButton(page, button->Name, caption, left, RecordButtonsTop, button->Handler);
        left += 80;
    }
}

namespace {
// The editors of a dependent-record page: two columns below the list.
EditorGrid RecordEditors(QWidget* page, TDataSource* source, std::function<void()> onExit)
{
    return EditorGrid(page, source, {18, 318}, RecordEditorsTop, 70, 200, std::move(onExit));
}
} // namespace

void TForm4::CreateExperiencePage()
{
    dbgexper = AddRecordGrid(tsexper, "dbgexper", db->DataSource3, Qt::AlignLeft,
                             {{QStringLiteral("开始时间"), QString(), 100},
                              {QStringLiteral("结束时间"), QString(), 100},
                              {QStringLiteral("公司"), QStringLiteral("公 司"), 120},
                              {QStringLiteral("部门"), QStringLiteral("部 门"), 71},
                              {QStringLiteral("职责"), QStringLiteral("职 责"), 165}});
    EditorGrid grid = RecordEditors(tsexper, db->DataSource3, [this] { bsSkinDBEdit22Exit(); });
    bsSkinDBEdit22 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit22", "开始时间", "开  始：");
    dedtedate = grid.Add<TbsSkinDBEdit>("dedtedate", "结束时间", "结  束：");
    dedtcom = grid.Add<TbsSkinDBEdit>("dedtcom", "公司", "公  司：");
    dedtdep = grid.Add<TbsSkinDBEdit>("dedtdep", "部门", "部  门：");
    dedtdutyd = grid.Add<TbsSkinDBEdit>("dedtdutyd", "职责", "职  责：");
    AddRecordButtons(tsexper, {&TForm4::bsSkinButton2, "bsSkinButton2", &TForm4::bsSkinButton2Click},
                     {&TForm4::bsSkinButton13, "bsSkinButton13", &TForm4::bsSkinButton13Click},
                     {&TForm4::bsSkinButton3, "bsSkinButton3", &TForm4::退出Click});
    SetTabOrder({dbgexper, dedtedate, dedtcom, dedtdep, dedtdutyd, bsSkinButton2, bsSkinButton3,
                 bsSkinDBEdit22, bsSkinButton13});
}

void TForm4::CreateFamilyPage()
{
    dbgfami = AddRecordGrid(tsfami, "dbgfami", db->DataSource4, Qt::AlignHCenter,
                            {{QStringLiteral("姓名"), QStringLiteral("姓 名"), 80},
                             {QStringLiteral("关系"), QStringLiteral("关 系"), 80},
                             {QStringLiteral("联系电话"), QString(), 100},
                             {QStringLiteral("单位"), QStringLiteral("单 位"), 125},
                             {QStringLiteral("备注"), QStringLiteral("备 注"), 160}});
    EditorGrid grid = RecordEditors(tsfami, db->DataSource4, [this] { dbenameExit(); });
    dbename = grid.Add<TbsSkinDBEdit>("dbename", "姓名", "姓 名：");
    dbcfami = grid.Add<TbsSkinDBComboBox>("dbcfami", "关系", "关 系：");
    dbetel = grid.Add<TbsSkinDBEdit>("dbetel", "联系电话", "电 话：");
    dbecom = grid.Add<TbsSkinDBEdit>("dbecom", "单位", "单 位：");
    dbedes = grid.Add<TbsSkinDBEdit>("dbedes", "备注", "备 注：");
    dbcfami->SetDropDownCount(8);
    dbcfami->SetListBoxDefaultItemHeight(20);
    dbcfami->SetItems({QStringLiteral("父子"), QStringLiteral("母子"), QStringLiteral("兄弟"),
                       QStringLiteral("姊妹"), QStringLiteral("兄妹"), QStringLiteral("姊弟")});
    AddRecordButtons(tsfami, {&TForm4::bsSkinButton4, "bsSkinButton4", &TForm4::bsSkinButton4Click},
                     {&TForm4::bsSkinButton12, "bsSkinButton12", &TForm4::bsSkinButton12Click},
                     {&TForm4::bsSkinButton5, "bsSkinButton5", &TForm4::退出Click});
    SetTabOrder(
        {dbgfami, dbename, dbcfami, dbetel, dbecom, dbedes, bsSkinButton4, bsSkinButton5, bsSkinButton12});
}

void TForm4::CreateMeritsPage()
{
    dbgap = AddRecordGrid(tsap, "dbgap", db->DataSource5, Qt::AlignHCenter,
                          {{QStringLiteral("类别"), QString(), 60},
                           {QStringLiteral("事件"), QStringLiteral("事  件"), 120},
                           {QStringLiteral("处理单位"), QString(), 100},
                           {QStringLiteral("处理日期"), QString(), 100},
                           {QStringLiteral("结果"), QStringLiteral("结  果"), 170}});
    EditorGrid grid = RecordEditors(tsap, db->DataSource5, [this] { dbcsortExit(); });
    bsSkinDBEdit23 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit23", "类别", "类  别：");
    dbetopic = grid.Add<TbsSkinDBEdit>("dbetopic", "事件", "事  件：");
    dbeddep = grid.Add<TbsSkinDBEdit>("dbeddep", "处理单位", "处理部门：");
    dbedate = grid.Add<TbsSkinDBEdit>("dbedate", "处理日期", "日  期：");
    bsSkinDBEdit21 = grid.Add<TbsSkinDBEdit>("bsSkinDBEdit21", "结果", "结  果：");
    AddRecordButtons(tsap, {&TForm4::bsSkinButton7, "bsSkinButton7", &TForm4::bsSkinButton7Click},
                     {&TForm4::bsSkinButton11, "bsSkinButton11", &TForm4::bsSkinButton11Click},
                     {&TForm4::bsSkinButton6, "bsSkinButton6", &TForm4::退出Click});
    SetTabOrder({dbgap, dbetopic, dbeddep, dbedate, bsSkinDBEdit21, bsSkinButton6, bsSkinButton7,
                 bsSkinDBEdit23, bsSkinButton11});
}

void TForm4::CreateTrainingPage()
{
    dbgtrain = AddRecordGrid(tstrain, "dbgtrain", db->DataSource6, Qt::AlignHCenter,
                             {{QStringLiteral("课程名称"), QString(), 120},
                              {QStringLiteral("开始时间"), QString(), 90},
                              {QStringLiteral("结束时间"), QString(), 90},
                              {QStringLiteral("培训单位"), QString(), 115},
                              {QStringLiteral("所得证书"), QString(), 130}});
    EditorGrid grid = RecordEditors(tstrain, db->DataSource6, [this] { dbecourseExit(); });
    dbecourse = grid.Add<TbsSkinDBEdit>("dbecourse", "课程名称", "培训课程：");
    dbestdate = grid.Add<TbsSkinDBEdit>("dbestdate", "开始时间", "开始时间：");
    dbeenddate = grid.Add<TbsSkinDBEdit>("dbeenddate", "结束时间", "结束时间：");
    dbetrcom = grid.Add<TbsSkinDBEdit>("dbetrcom", "培训单位", "培训单位：");
    dbecerti = grid.Add<TbsSkinDBEdit>("dbecerti", "所得证书", "所得证书：");
    AddRecordButtons(tstrain, {&TForm4::bsSkinButton8, "bsSkinButton8", &TForm4::bsSkinButton8Click},
                     {&TForm4::bsSkinButton10, "bsSkinButton10", &TForm4::bsSkinButton10Click},
                     {&TForm4::bsSkinButton9, "bsSkinButton9", &TForm4::退出Click});
    SetTabOrder({dbgtrain, dbecourse, dbestdate, dbeenddate, dbetrcom, dbecerti, bsSkinButton8, bsSkinButton9,
                 bsSkinButton10});
}

void TForm4::CreateStatistics()
{
    bsSkinGroupBox1 = CreateControl<TbsSkinGroupBox>(ClientWidget(), "bsSkinGroupBox1", 6, 388, 187, 127);
    bsSkinGroupBox1->SetCaption(QStringLiteral("统计"));
    bsSkinGroupBox1->SetSkinData(Form1->bsSkinData1);
    bsSkinStdLabel1 = CreateControl<TbsSkinStdLabel>(bsSkinGroupBox1, "bsSkinStdLabel1", 16, 40);
    bsSkinStdLabel1->SetCaption(QStringLiteral("部门总数："));
    bsSkinStdLabel2 = CreateControl<TbsSkinStdLabel>(bsSkinGroupBox1, "bsSkinStdLabel2", 16, 72);
    bsSkinStdLabel2->SetCaption(QStringLiteral("人员统计："));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { CallHandler([this] { Timer1Timer(); }); });
}

void TForm4::lv()
{
    for (TbsSkinTreeView* tree : {tvper, Form6 ? Form6->tvper : nullptr}) {
        if (!tree)
            continue;
        TTreeNodes& nodes = tree->Items();
        nodes.BeginUpdate();
        auto resume = qScopeGuard([&] { nodes.EndUpdate(); });
        nodes.Clear();
        AddDepartmentChildren(tree, 0, nullptr);
        tree->FullExpand();
    }
}

void TForm4::AddDepartmentChildren(TbsSkinTreeView* tree, int parentID, TTreeNode* parentNode)
{
    LoadDepartments(db->acPer, tree, parentID, parentNode);
}

std::optional<QString> TForm4::CurrentPerson() const
{
    TQuery& people = *db->ADOQuery1;
    if (!people.Active() || people.RecordCount() == 0)
        return std::nullopt;
    const QVariant key = people.FieldByName(QStringLiteral("id"))->Value();
    if (key.isNull())
        return std::nullopt; // a new person not written yet
    return QString::number(key.toLongLong());
}

void TForm4::info()
{
    TQuery* details[] = {db->ADOQuery2, db->ADOQuery3, db->ADOQuery4, db->ADOQuery5, db->ADOQuery6};
    const std::optional<QString> person = CurrentPerson();
    FRecordsPerson = person.value_or(QString());
    if (!person) {
        // Nobody to show: nothing may be listed, typed or added for a previous person.
        for (TQuery* query : details) {
            ::PostPendingChange(*query);
            query->Close();
        }
        return;
    }
    // A person without a department shows none (the statement matches no row).
    Reopen(*db->ADOQuery2, QStringLiteral("select * from 部门管理 where id=:id"),
           {{QStringLiteral("id"), db->ADOQuery1->FieldByName(QStringLiteral("部门"))->AsString()}});
    const QVariantHash owner{{QStringLiteral("人员id"), *person}};
    Reopen(*db->ADOQuery3, QStringLiteral("select * from 工作经历 where 人员id=:人员id"), owner);
    Reopen(*db->ADOQuery4, QStringLiteral("select * from 社会关系 where 人员id=:人员id"), owner);
    Reopen(*db->ADOQuery5, QStringLiteral("select * from 奖惩记录 where 人员id=:人员id"), owner);
    Reopen(*db->ADOQuery6, QStringLiteral("select * from 培训记录 where 人员id=:人员id"), owner);
}

void TForm4::FollowCurrentPerson()
{
    QPointer<TForm4> self(this);
    const auto refresh = [self](TQuery*) {
        if (self)
            CallHandler([self] { self->info(); });
    };
    TQuery& people = *db->ADOQuery1;
    for (TQuery::TDataSetNotifyEvent* event : {&people.AfterOpen, &people.AfterClose, &people.AfterScroll,
                                               &people.AfterInsert, &people.AfterCancel, &people.AfterPost})
        *event = refresh;
    // A record typed into an empty page starts as a new row; it belongs to the person shown.
    for (TQuery* records : {db->ADOQuery3, db->ADOQuery4, db->ADOQuery5, db->ADOQuery6}) {
        records->BeforePost = [self](TQuery* query) {
            TField* owner = query->FieldByName(QStringLiteral("人员id"));
            if (self && query->State() == dsInsert && owner->IsNull() && !self->FRecordsPerson.isEmpty())
                owner->SetAsString(self->FRecordsPerson);
        };
    }
}

void TForm4::PostPendingChange()
{
    for (TQuery* query : {db->ADOQuery1, db->ADOQuery3, db->ADOQuery4, db->ADOQuery5, db->ADOQuery6})
        CallHandler([query] { ::PostPendingChange(*query); });
}

void TForm4::N1Click()
{
    Form5->id = 0;
    Form5->Show();
}

void TForm4::N8Click()
{
    const TNodeData* department = SelectedDepartment(tvper);
    if (!department)
        return;
    Form5->id = department->ID;
    Form5->Show();
}

void TForm4::N2Click()
{
    const TNodeData* department = SelectedDepartment(tvper);
    if (!department)
        return;
    try {
        TQuery query;
        query.Connection = db->acPer;
        query.SetSQL(QStringLiteral("delete from 部门管理 where id=:id"));
        query.ParamByName(QStringLiteral("id"))->Value = department->ID;
        const int deleted = query.ExecSQL();
        lv();
        // Another program may have deleted it already: then nothing was, and nothing is said.
        if (deleted > 0)
            Form1->bsSkinMessage1->MessageDlg(QStringLiteral("删除成功"), mtCustom, {mbOK}, 0);
    } catch (const std::exception&) {
        ShowDatabaseError();
    }
}

void TForm4::N3Click()
{
    lv();
}

void TForm4::N6Click()
{
    tvper->FullExpand();
}

void TForm4::N7Click()
{
    tvper->FullCollapse();
}

void TForm4::N4Click()
{
    Reopen(*db->ADOQuery1, QStringLiteral("select * from 人员资料"));
    info();
}

void TForm4::tvperClick()
{
    const TNodeData* department = SelectedDepartment(tvper);
    if (!department)
        return;
    Reopen(*db->ADOQuery1, QStringLiteral("select * from 人员资料 where 部门=:部门"),
           {{QStringLiteral("部门"), department->ID}});
}

void TForm4::bsSkinDBGrid1CellClick()
{
    info();
}

void TForm4::bsSkinButton1Click()
{
    Form6->Show();
}

void TForm4::新建Click()
{
    AddRowAndReopen(*db->ADOQuery1, QStringLiteral("insert into 人员资料(备注) values(' ') "),
                    QStringLiteral("select * from 人员资料"));
}

void TForm4::bsSkinButton14Click()
{
    db->ADOQuery1->Delete();
}

void TForm4::退出Click()
{
    Close();
}

void TForm4::bsSkinDBEdit2Exit()
{
    PostIfEditing(*db->ADOQuery1);
}

void TForm4::Timer1Timer()
{
    if (!db->ADOQuery1->Active())
        return;
    bsSkinStdLabel2->SetCaption(QStringLiteral("人员统计:") + QString::number(db->ADOQuery1->RecordCount()));
    bsSkinStdLabel1->SetCaption(QStringLiteral("部门统计:") + QString::number(tvper->Items().Count()));
}

void TForm4::AddRecord(TQuery& query, const QString& table)
{
    // Without a current person a record would belong to nobody.
    const std::optional<QString> person = CurrentPerson();
    if (!person)
        return;
    const QString& key = *person;
    AddRowAndReopen(query, QStringLiteral("insert into %1(人员ID) values(:人员id)").arg(table),
                    QStringLiteral("select * from %1 where 人员id=:人员id").arg(table),
                    {{QStringLiteral("人员id"), key}});
}

void TForm4::bsSkinButton2Click()
{
    AddRecord(*db->ADOQuery3, QStringLiteral("工作经历"));
}

void TForm4::bsSkinButton4Click()
{
    AddRecord(*db->ADOQuery4, QStringLiteral("社会关系"));
}

void TForm4::bsSkinButton7Click()
{
    AddRecord(*db->ADOQuery5, QStringLiteral("奖惩记录"));
}

void TForm4::bsSkinButton8Click()
{
    AddRecord(*db->ADOQuery6, QStringLiteral("培训记录"));
}

void TForm4::bsSkinButton13Click()
{
    db->ADOQuery3->Delete();
}

void TForm4::bsSkinButton12Click()
{
    db->ADOQuery4->Delete();
}

void TForm4::bsSkinButton11Click()
{
    db->ADOQuery5->Delete();
}

void TForm4::bsSkinButton10Click()
{
    db->ADOQuery6->Delete();
}

void TForm4::bsSkinDBEdit22Exit()
{
    PostIfEditing(*db->ADOQuery3);
}

void TForm4::dbenameExit()
{
    PostIfEditing(*db->ADOQuery4);
}

void TForm4::dbcsortExit()
{
    PostIfEditing(*db->ADOQuery5);
}

void TForm4::dbecourseExit()
{
    PostIfEditing(*db->ADOQuery6);
}
