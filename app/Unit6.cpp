// The department picker.
#include "Unit6.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : TForm(parent)
{
    Form6 = this;
    setObjectName(QStringLiteral("Form6"));
    SetCaption(QStringLiteral("部门选择"));
    SetClientSize(238, 362);
}
