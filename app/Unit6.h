// The department picker: a second department tree from which the current person's department is
// chosen.
#pragma once

#include "TForm.h"

class TMenuItem;
class TbsSkinPopupMenu;
class TbsSkinTreeView;

class TbsSkinForm;

class TForm6 : public TForm {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // The skinned frame.
    TbsSkinForm* bsSkinForm1 = nullptr;

    // Loaded together with the archive window's tree (TForm4::lv).
    TbsSkinTreeView* tvper;
    TbsSkinPopupMenu* bsSkinPopupMenu1;
    TMenuItem* N1; // 选择

    // Gives the archive window's current person the selected department, posts it, refreshes the
    // person's details and hides the picker. Nothing without a selected department.
    void N1Click();
};

extern TForm6* Form6;
