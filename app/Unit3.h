// The main window: seven picture buttons that open the record windows, log out or end the program.
#pragma once

#include "TForm.h"

class TImageList;
class TbsSkinSpeedButton;
class TbsSkinStdLabel;

class TbsSkinForm;

class TForm3 : public TForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The skinned frame.
    TbsSkinForm* bsSkinForm1 = nullptr;

    TImageList* ImageList2;
    TbsSkinSpeedButton* bsSkinSpeedButton1;
    TbsSkinSpeedButton* bsSkinSpeedButton2;
    TbsSkinSpeedButton* bsSkinSpeedButton3;
    TbsSkinSpeedButton* bsSkinSpeedButton4;
    TbsSkinSpeedButton* bsSkinSpeedButton5;
    TbsSkinSpeedButton* bsSkinSpeedButton6;
    TbsSkinSpeedButton* bsSkinSpeedButton7;
    TbsSkinStdLabel* bsSkinStdLabel1;
    TbsSkinStdLabel* bsSkinStdLabel2;

    void bsSkinSpeedButton1Click(); // 数据库管理
    void bsSkinSpeedButton2Click(); // 档案管理
    void bsSkinSpeedButton3Click(); // 待办事项
    void bsSkinSpeedButton4Click(); // 人事变更
    void bsSkinSpeedButton5Click(); // 管理用户
    void bsSkinSpeedButton6Click(); // 退出
    void bsSkinSpeedButton7Click(); // 重新登录
    void FormClose(TCloseAction& Action);

private:
    TbsSkinSpeedButton* MakeButton(const char* name, const QString& caption, int picture, int left, int top);
    void ShowUnfinished();
};

extern TForm3* Form3;
