// The add-department dialog. For now the window itself: caption, size and its place in the window
// flow.
#pragma once

#include "TForm.h"

class TForm5 : public TForm {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // The parent department of the next department added; 0 for a top-level one.
    int id = 0;
};

extern TForm5* Form5;
