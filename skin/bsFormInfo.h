// TbsFormInfo: the window geometry of a skin's [FORMINFO] section, held by the repository.
#pragma once

#include "bsSkinRecord.h"

// The four corner points and ClRect are coordinates in the main picture (and in the inactive
// picture, which has the same layout); the repository's mask picture is cut at MaskRectArea and
// hit-tested at the HitTest points.
class TbsFormInfo : public TbsSkinRecord
{
  public:
    QString SectionName() const override { return QStringLiteral("FORMINFO"); }
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    // The two adjustments made after reading, in this order. With a mask picture named, an empty
    // MaskRectArea becomes ClRect and any other is widened to take ClRect in, and every hit-test
    // point with a 0 coordinate becomes the corner point of its corner. Then, unless RBPoint and
    // LTPoint share their X or their Y, each corner point is moved onto or inside ClRect.
    void AdjustAfterReading(bool AMaskNamed);

    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    qint32 BGPictureIndex = -1;
    qint32 MDIBGPictureIndex = -1;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
    bool MDIBGStretchEffect = false;
    TbsStretchType MDIBGStretchType = bsstFull;
    TRect MaskRectArea;
    TPoint HitTestLTPoint;
    TPoint HitTestRTPoint;
    TPoint HitTestLBPoint;
    TPoint HitTestRBPoint;
    TRect ButtonsRect;
    TRect CaptionRect;
    qint32 ButtonsOffset = 0;
    bool CapButtonsInLeft = false;
    bool MainMenuPopupUp = false;
    qint32 BorderW = 0;
    bool AutoRenderingInActiveImage = false;
    TbsInActiveEffect InActiveEffect = ieBrightness;
    qint32 FormMinWidth = 0;
    qint32 FormMinHeight = 0;
    bool MDITabsTransparent = false;
    bool MainMenuBarTransparent = false;
};
