// The records of controls this program's windows never show; the repository still reads them so
// that its lists match the skin.
#pragma once

#include "bsDataSkinControls.h"

// A progress bar with its progress piece, caption font and two animation strips (type "gauge").
class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ProgressArea;
    TRect ProgressRect;
    qint32 BeginOffset = 0;
    qint32 EndOffset = 0;
    bool Vertical = false;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    bool ProgressTransparent = false;
    TColor ProgressTransparentColor = 0;
    bool ProgressStretch = false;
    TRect AnimationSkinRect;
    qint32 AnimationCountFrames = 0;
    qint32 AnimationTimerInterval = 0;
    TRect ProgressAnimationSkinRect;
    qint32 ProgressAnimationCountFrames = 0;
    qint32 ProgressAnimationTimerInterval = 0;
    qint32 AnimationBeginOffset = 0;
    qint32 AnimationEndOffset = 0;
};

// A track bar: active frame, track area and thumb faces (type "trackbar").
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ActiveSkinRect;
    TRect TrackArea;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    bool Vertical = false;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

// A splitter bar and its gripper (type "splitter").
class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

// A scroll box frame with a background picture (type "scrollbox").
class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 BGPictureIndex = -1;
};

// A panel that rolls up, with its rolled-up looks and its close, roll and restore buttons (type "expanel").
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect RollHSkinRect;
    TRect RollVSkinRect;
    qint32 RollLeftOffset = 0;
    qint32 RollRightOffset = 0;
    qint32 RollTopOffset = 0;
    qint32 RollBottomOffset = 0;
    TRect RollVCaptionRect;
    TRect RollHCaptionRect;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    TRect HRollButtonRect;
    TRect HRollButtonActiveRect;
    TRect HRollButtonDownRect;
    TRect HRestoreButtonRect;
    TRect HRestoreButtonActiveRect;
    TRect HRestoreButtonDownRect;
    TRect VRollButtonRect;
    TRect VRollButtonActiveRect;
    TRect VRollButtonDownRect;
    TRect VRestoreButtonRect;
    TRect VRestoreButtonActiveRect;
    TRect VRestoreButtonDownRect;
    TRect CaptionRect;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    bool ButtonsTransparent = false;
    TColor ButtonsTransparentColor = 0;
};

// A main menu bar: item area, the names of its item and button objects and its track mark colours (type
// "mainmenubar").
class TbsDataSkinMainMenuBar : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ItemsRect;
    QString MenuBarItem;
    QString CloseButton;
    QString MinButton;
    QString MaxButton;
    QString SysMenuButton;
    qint32 TrackMarkColor = 0;
    qint32 TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;
};

// A control bar: band items, background and grips (type "controlbar").
class TbsDataSkinControlBar : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ItemRect;
    qint32 BGPictureIndex = -1;
    TRect HGripRect;
    TRect VGripRect;
    qint32 GripOffset1 = 0;
    qint32 GripOffset2 = 0;
    qint32 ItemOffset1 = 3;
    qint32 ItemOffset2 = 3;
    bool ItemStretchEffect = false;
    bool ItemTransparent = false;
    TColor ItemTransparentColor = 0;
    bool GripTransparent = false;
    TColor GripTransparentColor = 0;
};

// An application menu with pages: backgrounds, items, fonts, gripper, top line, back button and caption (type
// "appmenu").
class TbsDataSkinAppMenu : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 BGPictureIndex = -1;
    bool BGStretchEffect = false;
    qint32 BGPagePictureIndex = -1;
    bool BGPageStretchEffect = false;
    TRect ItemRect;
    TRect PageItemRect;
    TRect PageItemActiveRect;
    qint32 ItemOffset1 = 3;
    qint32 ItemOffset2 = 3;
    qint32 PageItemOffset1 = 10;
    qint32 PageItemOffset2 = 10;
    qint32 PageOffset = 0;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    qint32 FontPageHeight = 16;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor DisabledFontColor = 0;
    TColor ActiveFontColor = 0;
    TColor FontPageColor = 0;
    TColor ActiveFontPageColor = 0;
    TRect GripperRect;
    TColor GripperTransparentColor = 0;
    TRect TopLineRect;
    qint32 TopLineOffset1 = 0;
    qint32 TopLineOffset2 = 0;
    TRect BackButtonRect;
    TRect BackButtonActiveRect;
    TRect CaptionRect;
    qint32 CaptionLeftOffset = 0;
    qint32 CaptionTopOffset = 0;
};

// A bevel line in two colours (type "bevel").
class TbsDataSkinBevel : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TColor LightColor = 0;
    TColor DarkColor = 0;
};

// A slider: background, rulers, thumbs, edge size and point colour (type "slider").
class TbsDataSkinSlider : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TColor BGColor = 0;
    TRect HRulerRect;
    TRect HThumbRect;
    TRect VRulerRect;
    TRect VThumbRect;
    qint32 EdgeSize = 0;
    TColor PointsColor = 0;
};

// The font and background colour of a list view (type "listview").
class TbsDataSkinListView : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor BGColor = 0;
};

// The font and background colour of a rich text box (type "richedit").
class TbsDataSkinRichEdit : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor BGColor = 0;
};
