// What a push button copies out of its skin record: fonts, colours and the rectangles of every
// state, with the fallbacks of a record that leaves some of them out.
#pragma once

#include "bsDataSkinControls.h"

#include <QColor>

struct TbsButtonSkin {
    int PictureIndex = -1;
    QString FontName = QStringLiteral("Tahoma");
    int FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    TRect SkinRect, ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool Morphing = false;
    TbsMorphKind MorphKind = mkDefault;
    bool ShowFocus = false;
    TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
    int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetLeft = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetBottom = 0;
    int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0, GlowLayerAlphaBlendValue = 255;
};

// The grey a disabled caption takes when the skin gives it the normal caption's colour.
constexpr TColor DisabledGrey = 0x808080;

// The record's values; an empty hot picture is the normal one, an empty pressed picture the hot
// one, and so on for the menu markers.
inline TbsButtonSkin ReadButtonSkin(const TbsDataSkinButtonControl& r)
{
    TbsButtonSkin s;
    s.PictureIndex = r.PictureIndex;
    s.FontName = r.FontName;
    s.FontHeight = r.FontHeight;
    s.FontStyle = r.FontStyle;
    s.FontColor = r.FontColor;
    s.ActiveFontColor = r.ActiveFontColor;
    s.DownFontColor = r.DownFontColor;
    s.DisabledFontColor = r.DisabledFontColor == r.FontColor ? DisabledGrey : r.DisabledFontColor;
    s.SkinRect = r.SkinRect;
    s.ActiveSkinRect = r.ActiveSkinRect.IsEmpty() ? r.SkinRect : r.ActiveSkinRect;
    s.DownSkinRect = r.DownSkinRect.IsEmpty() ? s.ActiveSkinRect : r.DownSkinRect;
    s.DisabledSkinRect = r.DisabledSkinRect;
    s.FocusedSkinRect = r.FocusedSkinRect;
    s.AnimateSkinRect = r.AnimateSkinRect;
    s.FrameCount = r.FrameCount;
    s.AnimateInterval = r.AnimateInterval;
    s.Morphing = r.Morphing;
    s.MorphKind = r.MorphKind;
    s.ShowFocus = r.ShowFocus;
    s.MenuMarkerRect = r.MenuMarkerRect;
    s.MenuMarkerFlatRect = r.MenuMarkerFlatRect.IsEmpty() ? r.MenuMarkerRect : r.MenuMarkerFlatRect;
    s.MenuMarkerActiveRect = r.MenuMarkerActiveRect.IsEmpty() ? r.MenuMarkerRect : r.MenuMarkerActiveRect;
    s.MenuMarkerDownRect = r.MenuMarkerDownRect.IsEmpty() ? s.MenuMarkerActiveRect : r.MenuMarkerDownRect;
    s.GlowLayerPictureIndex = r.GlowLayerPictureIndex;
    s.GlowLayerMaskPictureIndex = r.GlowLayerMaskPictureIndex;
    s.GlowLayerOffsetLeft = r.GlowLayerOffsetLeft;
    s.GlowLayerOffsetRight = r.GlowLayerOffsetRight;
    s.GlowLayerOffsetTop = r.GlowLayerOffsetTop;
    s.GlowLayerOffsetBottom = r.GlowLayerOffsetBottom;
    s.GlowLayerShowOffsetX = r.GlowLayerShowOffsetX;
    s.GlowLayerShowOffsetY = r.GlowLayerShowOffsetY;
    s.GlowLayerAlphaBlendValue = r.GlowLayerAlphaBlendValue;
    return s;
}
