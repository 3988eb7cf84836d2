// The key table of [FORMINFO] and the adjustments made after reading it.
#include "bsFormInfo.h"

#include <algorithm>

const TbsKeyTable& TbsFormInfo::KeyTable()
{
    using Self = TbsFormInfo;
    static const Self defaults;
    static const TbsKeyTable table(defaults,
                                   {
                                       Key<&Self::LTPoint>("lefttoppoint"),
                                       Key<&Self::RTPoint>("righttoppoint"),
                                       Key<&Self::LBPoint>("leftbottompoint"),
                                       Key<&Self::RBPoint>("rightbottompoint"),
                                       Key<&Self::ClRect>("clientrect"),
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                       Key<&Self::MDIBGPictureIndex>("mdibgpictureindex"),
                                       Key<&Self::LeftStretch>("leftstretch"),
                                       Key<&Self::RightStretch>("rightstretch"),
                                       Key<&Self::TopStretch>("topstretch"),
                                       Key<&Self::BottomStretch>("bottomstretch"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::StretchType>("stretchtype"),
                                       Key<&Self::MDIBGStretchEffect>("mdibgstretcheffect"),
                                       Key<&Self::MDIBGStretchType>("mdibgstretchtype"),
                                       Key<&Self::MaskRectArea>("maskrectarea"),
                                       Key<&Self::HitTestLTPoint>("hittestlefttoppoint"),
                                       Key<&Self::HitTestRTPoint>("hittestrighttoppoint"),
                                       Key<&Self::HitTestLBPoint>("hittestleftbottompoint"),
                                       Key<&Self::HitTestRBPoint>("hittestrightbottompoint"),
                                       Key<&Self::ButtonsRect>("buttonsrect"),
                                       Key<&Self::CaptionRect>("captionrect"),
                                       Key<&Self::ButtonsOffset>("buttonsoffset"),
                                       Key<&Self::CapButtonsInLeft>("buttonsinleft"),
                                       Key<&Self::MainMenuPopupUp>("mainmenupopupup"),
                                       Key<&Self::BorderW>("borderwidth"),
                                       Key<&Self::AutoRenderingInActiveImage>("autorenderinginactiveimage"),
                                       Key<&Self::InActiveEffect>("inactiveeffect"),
                                       Key<&Self::FormMinWidth>("formminwidth"),
                                       Key<&Self::FormMinHeight>("formminheight"),
                                       Key<&Self::MDITabsTransparent>("mditabstransparent"),
                                       Key<&Self::MainMenuBarTransparent>("mainmenubartransparent"),
                                   });
    return table;
}

static void TakeCornerWhereZero(TPoint& AHitTestPoint, const TPoint& ACorner)
{
    if (AHitTestPoint.X == 0 || AHitTestPoint.Y == 0)
        AHitTestPoint = ACorner;
}

void TbsFormInfo::AdjustAfterReading(bool AMaskNamed)
{
    if (AMaskNamed) {
        if (MaskRectArea.IsEmpty()) {
            MaskRectArea = ClRect;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, ClRect.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, ClRect.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, ClRect.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClRect.Bottom);
        }
        TakeCornerWhereZero(HitTestLTPoint, LTPoint);
        TakeCornerWhereZero(HitTestRTPoint, RTPoint);
        TakeCornerWhereZero(HitTestLBPoint, LBPoint);
        TakeCornerWhereZero(HitTestRBPoint, RBPoint);
    }
    if (RBPoint.X == LTPoint.X || RBPoint.Y == LTPoint.Y)
        return;
    LTPoint.X = std::max(LTPoint.X, ClRect.Left);
    LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
    RTPoint.X = std::min(RTPoint.X, ClRect.Right);
    RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
    LBPoint.X = std::max(LBPoint.X, ClRect.Left);
    LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
    RBPoint.X = std::min(RBPoint.X, ClRect.Right);
    RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
}
