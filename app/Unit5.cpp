// The add-department dialog.
#include "Unit5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : TForm(parent)
{
    Form5 = this;
    setObjectName(QStringLiteral("Form5"));
    SetCaption(QStringLiteral("添加部门"));
    SetClientSize(260, 99);
}
