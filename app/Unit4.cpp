// The archive window.
#include "Unit4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent) : TForm(parent)
{
    Form4 = this;
    setObjectName(QStringLiteral("Form4"));
    SetCaption(QStringLiteral("档案管理"));
    SetClientSize(835, 521);
}
