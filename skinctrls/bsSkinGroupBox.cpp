// The group box: the panel with the "groupbox" object and its caption bar on.
#include "bsSkinGroupBox.h"

TbsSkinGroupBox::TbsSkinGroupBox(QWidget* parent) : TbsSkinPanel(parent)
{
    FLink.SetSkinDataName(QStringLiteral("groupbox"));
    SetCaptionMode(true);
}
