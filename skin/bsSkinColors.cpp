// The key table and system-colour defaults of the skin colours.
#include "bsSkinColors.h"

void TbsSkinColors::SetDefaults()
{
    FcBtnFace = clBtnFace;
    FcBtnText = clBtnText;
    FcWindow = clWindow;
    FcWindowText = clWindowText;
    FcHighLight = clHighlight;
    FcHighLightText = clHighlightText;
    FcBtnHighLight = clBtnHighlight;
    FcBtnShadow = clBtnShadow;
}

const TbsKeyTable& TbsSkinColors::KeyTable()
{
    using Self = TbsSkinColors;
    static const Self defaults = [] {
        Self colors;
        colors.SetDefaults();
        return colors;
    }();
    static const TbsKeyTable table(defaults, {
                                                 Key<&Self::FcBtnFace>("cbtnface"),
                                                 Key<&Self::FcBtnText>("cbtntext"),
                                                 Key<&Self::FcWindow>("cwindow"),
                                                 Key<&Self::FcWindowText>("cwindowtext"),
                                                 Key<&Self::FcHighLight>("chighlight"),
                                                 Key<&Self::FcHighLightText>("chighlighttext"),
                                                 Key<&Self::FcBtnHighLight>("cbtnhighlight"),
                                                 Key<&Self::FcBtnShadow>("cbtnshadow"),
                                             });
    return table;
}
