// The to-do window: the items of 待办事项 in a grid, with editors for the current item.
#pragma once

#include "TForm.h"

class TbsSkinButton;
class TbsSkinDBEdit;
class TbsSkinDBGrid;
class TbsSkinDBMemo;
class TbsSkinStdLabel;

class TbsSkinForm;

class TForm7 : public TForm {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    // The skinned frame.
    TbsSkinForm* bsSkinForm1 = nullptr;

    TbsSkinDBGrid* bsSkinDBGrid1;
    TbsSkinStdLabel* bsSkinStdLabel1;
    TbsSkinDBEdit* bsSkinDBEdit2;
    TbsSkinStdLabel* LB1;
    TbsSkinDBEdit* bsSkinDBEdit1;
    TbsSkinDBMemo* bsSkinDBMemo1;
    TbsSkinButton* bsSkinButton1;
    TbsSkinButton* bsSkinButton3;
    TbsSkinButton* bsSkinButton2;

    // "新建": adds an item with a blank description and makes it current.
    void bsSkinButton1Click();
    // "删除": deletes the current item at once.
    void bsSkinButton3Click();
    // "退出": hides the window.
    void bsSkinButton2Click();
    // Writes what the operator typed and did not post yet; runs when the window is hidden.
    void PostPendingChange();
};

extern TForm7* Form7;
