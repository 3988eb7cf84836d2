// The add-department dialog: a name, and the department it goes under.
#pragma once

#include "TForm.h"

class TbsSkinButton;
class TbsSkinEdit;
class TbsSkinStdLabel;

class TForm5 : public TForm {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // The parent department of the next department added; 0 for a top-level one. Set by the
    // archive window's tree menu; kept until set again.
    int id = 0;

    TbsSkinStdLabel* bsSkinStdLabel1;
    TbsSkinEdit* bsSkinEdit1;
    TbsSkinButton* bsSkinButton1; // 确定
    TbsSkinButton* bsSkinButton2; // 取消

    // Adds the typed department under id, reloads both trees and empties the name for the next
    // one; the dialog stays open. Nothing for an empty name.
    void bsSkinButton1Click();
    void bsSkinButton2Click();
};

extern TForm5* Form5;
