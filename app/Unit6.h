// The department picker. For now the window itself: caption, size and its place in the window flow.
#pragma once

#include "TForm.h"

class TForm6 : public TForm {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

extern TForm6* Form6;
