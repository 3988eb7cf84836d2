// The archive window: the department tree, the people of a department, and each person's basic
// record and four kinds of dependent records.
#pragma once

#include "TForm.h"
#include "bsDBGrids.h"

#include <QList>
#include <QString>
#include <optional>

class QTimer;
class TDataSource;
class TMenuItem;
class TQuery;
class TTreeNode;
class TbsSkinButton;
class TbsSkinDBComboBox;
class TbsSkinDBEdit;
class TbsSkinDBText;
class TbsSkinGroupBox;
class TbsSkinPageControl;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinStdLabel;
class TbsSkinTabSheet;
class TbsSkinTreeView;

class TbsSkinForm;

class TForm4 : public TForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // The skinned frame.
    TbsSkinForm* bsSkinForm1 = nullptr;

    // The department tree and its menu.
    TbsSkinPanel* bsSkinPanel1;
    TbsSkinTreeView* tvper;
    TbsSkinPopupMenu* bsSkinPopupMenu1;
    TMenuItem* N1; // 添加主部门
    TMenuItem* N8; // 添加分部门
    TMenuItem* N2; // 删除
    TMenuItem* N3; // 刷新
    TMenuItem* N5; // separator
    TMenuItem* N6; // 展开
    TMenuItem* N7; // 叠起
    TMenuItem* N4; // 查询所有

    // The people grid, the pages and the statistics.
    TbsSkinPanel* bsSkinPanel2;
    TbsSkinDBGrid* bsSkinDBGrid1;
    TbsSkinPageControl* pcsta;
    TbsSkinTabSheet* tsinfo;
    TbsSkinTabSheet* tsexper;
    TbsSkinTabSheet* tsfami;
    TbsSkinTabSheet* tsap;
    TbsSkinTabSheet* tstrain;
    TbsSkinGroupBox* bsSkinGroupBox1;
    TbsSkinStdLabel* bsSkinStdLabel1; // departments
    TbsSkinStdLabel* bsSkinStdLabel2; // people
    QTimer* Timer1;

    // "基本档案".
    TbsSkinDBComboBox* dcbosex;
    TbsSkinDBComboBox* dcbomarried;
    TbsSkinDBComboBox* dedtlevel;
    TbsSkinDBEdit* bsSkinDBEdit1;
    TbsSkinDBEdit* bsSkinDBEdit2;
    TbsSkinDBEdit* bsSkinDBEdit3;
    TbsSkinDBEdit* bsSkinDBEdit4;
    TbsSkinDBEdit* bsSkinDBEdit5;
    TbsSkinDBEdit* bsSkinDBEdit6;
    TbsSkinDBEdit* bsSkinDBEdit7;
    TbsSkinDBEdit* bsSkinDBEdit8;
    TbsSkinDBEdit* bsSkinDBEdit9;
    TbsSkinDBEdit* bsSkinDBEdit10;
    TbsSkinDBEdit* bsSkinDBEdit11;
    TbsSkinDBEdit* bsSkinDBEdit12;
    TbsSkinDBEdit* bsSkinDBEdit13;
    TbsSkinDBEdit* bsSkinDBEdit14;
    TbsSkinDBEdit* bsSkinDBEdit15;
    TbsSkinDBEdit* bsSkinDBEdit16;
    TbsSkinDBEdit* bsSkinDBEdit17;
    TbsSkinDBEdit* bsSkinDBEdit18;
    TbsSkinDBEdit* bsSkinDBEdit19;
    TbsSkinDBEdit* bsSkinDBEdit20; // 部门, under "选择部门"
    TbsSkinDBText* bsSkinDBText1;  // the department's name
    TbsSkinButton* bsSkinButton1;  // 选择部门
    TbsSkinButton* 退出;
    TbsSkinButton* 新建;
    TbsSkinButton* bsSkinButton14; // 删除

    // "工作经历".
    TbsSkinDBGrid* dbgexper;
    TbsSkinDBEdit* dedtedate;
    TbsSkinDBEdit* dedtcom;
    TbsSkinDBEdit* dedtdep;
    TbsSkinDBEdit* dedtdutyd;
    TbsSkinDBEdit* bsSkinDBEdit22;
    TbsSkinButton* bsSkinButton2;  // 新建
    TbsSkinButton* bsSkinButton3;  // 退出
    TbsSkinButton* bsSkinButton13; // 删除

    // "社会关系".
    TbsSkinDBGrid* dbgfami;
    TbsSkinDBEdit* dbename;
    TbsSkinDBComboBox* dbcfami;
    TbsSkinDBEdit* dbetel;
    TbsSkinDBEdit* dbecom;
    TbsSkinDBEdit* dbedes;
    TbsSkinButton* bsSkinButton4;  // 新建
    TbsSkinButton* bsSkinButton5;  // 退出
    TbsSkinButton* bsSkinButton12; // 删除

    // "奖惩记录".
    TbsSkinDBGrid* dbgap;
    TbsSkinDBEdit* dbetopic;
    TbsSkinDBEdit* dbeddep;
    TbsSkinDBEdit* dbedate;
    TbsSkinDBEdit* bsSkinDBEdit21;
    TbsSkinDBEdit* bsSkinDBEdit23;
    TbsSkinButton* bsSkinButton6;  // 退出
    TbsSkinButton* bsSkinButton7;  // 新建
    TbsSkinButton* bsSkinButton11; // 删除

    // "培训记录".
    TbsSkinDBGrid* dbgtrain;
    TbsSkinDBEdit* dbecourse;
    TbsSkinDBEdit* dbestdate;
    TbsSkinDBEdit* dbeenddate;
    TbsSkinDBEdit* dbetrcom;
    TbsSkinDBEdit* dbecerti;
    TbsSkinButton* bsSkinButton8;  // 新建
    TbsSkinButton* bsSkinButton9;  // 退出
    TbsSkinButton* bsSkinButton10; // 删除

    // Reloads the department trees of this window and of the picker, fully expanded, none selected.
    void lv();
    // Adds the departments below parentID to tree under parentNode (the top level when nullptr);
    // see LoadDepartments.
    void AddDepartmentChildren(TbsSkinTreeView* tree, int parentID, TTreeNode* parentNode);
    // Brings the department name and the four dependent-record lists in line with the current
    // person: a person without a department shows none, and without a current person (an empty or
    // closed list, a new person not written yet) the five lists are closed. Runs whenever the
    // current person of the people list changes, however it changes.
    void info();
    // Writes what the operator typed and did not post yet in any of the window's lists; runs when
    // the window is hidden and when the program ends.
    void PostPendingChange();

    // Tree menu.
    void N1Click();
    void N8Click();
    void N2Click();
    void N3Click();
    void N6Click();
    void N7Click();
    void N4Click();
    void tvperClick();

    // People and the basic record.
    void bsSkinDBGrid1CellClick();
    void bsSkinButton1Click();
    void 新建Click();
    void bsSkinButton14Click();
    void 退出Click();
    void bsSkinDBEdit2Exit();
    void Timer1Timer();

    // Dependent records: "新建", "删除" and saving on exit, one of each per page.
    void bsSkinButton2Click();
    void bsSkinButton4Click();
    void bsSkinButton7Click();
    void bsSkinButton8Click();
    void bsSkinButton13Click();
    void bsSkinButton12Click();
    void bsSkinButton11Click();
    void bsSkinButton10Click();
    void bsSkinDBEdit22Exit();
    void dbenameExit();
    void dbcsortExit();
    void dbecourseExit();

private:
    // The key of the current person as the dependent tables hold it, or none.
    std::optional<QString> CurrentPerson() const;
    // Hooks the people list so that info runs for every change of the current person, and the
    // record lists so that a record typed into an empty list is the shown person's.
    void FollowCurrentPerson();
    void CreateTree();
    void CreatePeople();
    void CreateBasicPage();
    void CreateExperiencePage();
    void CreateFamilyPage();
    void CreateMeritsPage();
    void CreateTrainingPage();
    void CreateStatistics();
    TbsSkinTabSheet* AddPage(const char* name, const QString& caption);
    // A read-only list of a page's records at the top of the page; every title aligned alike.
    TbsSkinDBGrid* AddRecordGrid(TbsSkinTabSheet* page, const char* name, TDataSource* source,
                                 Qt::Alignment titleAlignment, QList<TbsColumn> columns);
    TbsSkinButton* AddButton(QWidget* page, const char* name, const QString& caption, int left, int top,
                             void (TForm4::*handler)());
    // A button of a dependent-record page: the member that holds it, its name and its handler.
    struct PageButton {
        TbsSkinButton* TForm4::*Member;
        const char* Name;
        void (TForm4::*Handler)();
    };
    // "新建", "删除" and "退出" of a dependent-record page, left to right at its bottom right.
    void AddRecordButtons(TbsSkinTabSheet* page, const PageButton& add, const PageButton& remove,
                          const PageButton& quit);
    // Adds a dependent record of the current person to table, which query lists, and shows it.
    void AddRecord(TQuery& query, const QString& table);

    // The person whose records the four pages list; empty when they list nothing.
    QString FRecordsPerson;
};

extern TForm4* Form4;
