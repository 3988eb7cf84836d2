// The archive window: departments, people and their records. For now the window itself: caption,
// size and its place in the window flow.
#pragma once

#include "TForm.h"

class TForm4 : public TForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // The tree menu's "查询所有": lists all people. The main window's "档案管理" runs it before it
    // shows this window.
    void N4Click() {}
};

extern TForm4* Form4;
