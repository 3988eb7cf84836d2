// Masked edit: the transparent text area.
#include "bsSkinMaskEdit.h"

TbsSkinTransparentMaskEdit::TbsSkinTransparentMaskEdit(QWidget* parent) : TbsCustomEdit(parent) {}

void TbsSkinTransparentMaskEdit::SetTransparent(bool value)
{
    FTransparent = value;
    // Without its own background the edit leaves the parent's pixels under the text.
    setAutoFillBackground(!value);
    QPalette p = palette();
    if (value)
        p.setColor(QPalette::Base, Qt::transparent);
    setPalette(p);
    update();
}
