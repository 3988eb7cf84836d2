// The account window: the operator accounts of 管理员 in a grid, with editors for the current one.
#pragma once

#include "TForm.h"

class TbsSkinButton;
class TbsSkinDBEdit;
class TbsSkinDBGrid;
class TbsSkinStdLabel;

class TbsSkinForm;

class TForm8 : public TForm {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    // The skinned frame.
    TbsSkinForm* bsSkinForm1 = nullptr;

    TbsSkinDBGrid* bsSkinDBGrid1;
    TbsSkinStdLabel* bsSkinStdLabel1;
    TbsSkinDBEdit* bsSkinDBEdit1;
    TbsSkinStdLabel* bsSkinStdLabel2;
    TbsSkinDBEdit* bsSkinDBEdit2;
    TbsSkinButton* bsSkinButton1;
    TbsSkinButton* bsSkinButton3;
    TbsSkinButton* bsSkinButton2;

    // "新建": adds an account named with a single blank and makes it current.
    void bsSkinButton1Click();
    // "删除": deletes the current account at once, unless it is the last one the file holds.
    void bsSkinButton3Click();
    // "退出": hides the window.
    void bsSkinButton2Click();
    // Writes what the operator typed and did not post yet; runs when the window is hidden.
    void PostPendingChange();

private:
    // The number of accounts the file holds now.
    static int AccountsInFile();
};

extern TForm8* Form8;
