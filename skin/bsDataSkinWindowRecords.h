// The three fixed window records of a skin: popup menu window, hint window and layered frame.
#pragma once

#include "bsBitmap.h"
#include "bsSkinRecord.h"

#include <memory>

class TbsSkinData;

// The frame of a skinned popup menu window ([POPUPWINDOW]): the whole picture WindowPictureIndex is the frame
// part, ItemsRect its client rectangle.
class TbsDataSkinPopupWindow : public TbsSkinRecord
{
  public:
    QString SectionName() const override { return QStringLiteral("POPUPWINDOW"); }
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 WindowPictureIndex = -1;
    qint32 MaskPictureIndex = -1;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ItemsRect;
    qint32 ScrollMarkerColor = 0;
    qint32 ScrollMarkerActiveColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
};

// The frame and font of the tooltip window ([HINTWINDOW]).
class TbsDataSkinHintWindow : public TbsSkinRecord
{
  public:
    QString SectionName() const override { return QStringLiteral("HINTWINDOW"); }
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 WindowPictureIndex = -1;
    qint32 MaskPictureIndex = -1;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
};

// The semi-transparent border shown in layered windows around a skinned window ([LAYERFRAME]):
// PictureIndex and MaskPictureIndex are the border picture and the picture giving its alpha for
// an active window, the InActive pair the same for an inactive one; the corner points and ClRect
// cut the picture.
class TbsDataSkinLayerFrame : public TbsSkinRecord
{
  public:
    QString SectionName() const override { return QStringLiteral("LAYERFRAME"); }
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 PictureIndex = -1;
    qint32 MaskPictureIndex = -1;
    qint32 InActivePictureIndex = -1;
    qint32 InActiveMaskPictureIndex = -1;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    qint32 AlphaBlendValue = 255;
    qint32 InActiveAlphaBlendValue = 255;
    TRect BorderRect;
    bool HitTestEnable = false;
    bool FullBorder = false;
    qint32 HitTestSize = 0;
    TRect CaptionRect;
    TPoint HitTestLTPoint;
    TPoint HitTestRTPoint;
    TPoint HitTestLBPoint;
    TPoint HitTestRBPoint;
    TRect ButtonsRect;
    TRect SysMenuButtonRect;
    bool FullStretch = false;
    qint32 RollUpFormHeight = 0;
    qint32 ButtonsTopOffset = 0;
    qint32 SysButtonTopOffset = 0;
    qint32 BlurMaskPictureIndex = -1;
    TRect IntersectBlurMaskRect;
    TRect ExcludeBlurMaskRect;
    qint32 LeftOffset = 0;
    qint32 TopOffset = 0;
    qint32 WidthOffset = 0;
    qint32 HeightOffset = 0;

    // The border picture with its mask as alpha (not premultiplied), for the active and the
    // inactive window; absent when the pictures are not in the list.
    std::unique_ptr<TbsBitmap> FSourceBitmap;
    std::unique_ptr<TbsBitmap> FSourceInActiveBitMap;

    void InitAlphaImages(const TbsSkinData& ASkinData);
};
