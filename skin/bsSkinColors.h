// TbsSkinColors: the eight colours of a skin's [SKINCOLORS] section.
#pragma once

#include "bsSkinRecord.h"

// The colours are 0 after construction; clearing the repository sets the system colours, which are
// also what absent keys give.
class TbsSkinColors : public TbsSkinRecord
{
  public:
    QString SectionName() const override { return QStringLiteral("SKINCOLORS"); }
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    void SetDefaults();

    TColor FcBtnFace = 0;
    TColor FcBtnText = 0;
    TColor FcWindow = 0;
    TColor FcWindowText = 0;
    TColor FcHighLight = 0;
    TColor FcHighLightText = 0;
    TColor FcBtnHighLight = 0;
    TColor FcBtnShadow = 0;
};
