// The control skin records: one record class per kind of control look of a skin description.
#pragma once

#include "bsSkinRecord.h"

// The base of every control record. IDName is the record's name and the name of its section; it
// is given at construction and never read from the section. Picture indexes address the
// repository's active pictures (-1: none; any index outside the list also means none), and every
// picture-part rectangle is in pixels of that picture.
class TbsDataSkinControl : public TbsSkinRecord
{
  public:
    explicit TbsDataSkinControl(const QString& AIDName = QString()) : IDName(AIDName) {}
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }
    QString SectionName() const override { return IDName; }

    QString IDName;
    qint32 PictureIndex = -1;
    qint32 MaskPictureIndex = -1;
    TRect SkinRect;
};

// The geometry that lets one part be painted at any size: corner points and ClRect are measured
// from SkinRect's top-left corner; the stretch flags choose stretching or tiling of the edge pieces
// and StretchEffect stretches the centre piece in the directions StretchType names.
class TbsDataSkinCustomControl : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
};

// A push button face in five states, its caption font, frame animation, menu marker and glow layer (type
// "button").
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor DisabledFontColor = 0;
    TRect ActiveSkinRect;
    TRect DownSkinRect;
    TRect FocusedSkinRect;
    TRect DisabledSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = mkDefault;
    TRect AnimateSkinRect;
    qint32 FrameCount = 0;
    qint32 AnimateInterval = 25;
    bool ShowFocus = false;
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor = 0;
    qint32 GlowLayerPictureIndex = -1;
    qint32 GlowLayerMaskPictureIndex = -1;
    qint32 GlowLayerOffsetLeft = 0;
    qint32 GlowLayerOffsetRight = 0;
    qint32 GlowLayerOffsetTop = 0;
    qint32 GlowLayerOffsetBottom = 0;
    qint32 GlowLayerShowOffsetX = 0;
    qint32 GlowLayerShowOffsetY = 0;
    qint32 GlowLayerAlphaBlendValue = 255;
};

// A button with a separate arrow part that opens a menu (type "menubutton").
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl
{
  public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect TrackButtonRect;
};

// A label drawn as plain text in the record's font; ActiveFontColor is its active text colour (type
// "stdlabel").
class TbsDataSkinStdLabelControl : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 16711680;
};

// A label drawn on a framed picture part (type "label").
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
};

// The frame of a single-line text box, ClRect being the text area, with the faces of a built-in button (type
// "edit").
class TbsDataSkinEditControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ActiveSkinRect;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor DisabledFontColor = 0;
    TColor ActiveFontColor = 0;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
};

// An edit record plus the background colours of the text area (type "memo").
class TbsDataSkinMemoControl : public TbsDataSkinEditControl
{
  public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TColor BGColor = 0;
    TColor ActiveBGColor = 0;
};

// An edit-like frame with up and down buttons (type "spinedit").
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ActiveSkinRect;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DisabledFontColor = 0;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
};

// The frame, item field and drop-down button of a combo box; ListBoxName names the drop-down list's record
// (type "combobox").
class TbsDataSkinComboBox : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ActiveSkinRect;
    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    qint32 ItemLeftOffset = 0;
    qint32 ItemRightOffset = 0;
    TRect ItemTextRect;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor FocusFontColor = 0;
    TColor ActiveFontColor = 0;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    QString ListBoxName;
    bool ItemStretchEffect = false;
    bool FocusItemStretchEffect = false;
    bool ShowFocus = false;
};

// The frame, items, caption bar and buttons of a list box and the names of its scroll bar records (type
// "listbox").
class TbsDataSkinListBox : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    qint32 ItemLeftOffset = 0;
    qint32 ItemRightOffset = 0;
    TRect ItemTextRect;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TRect CaptionRect;
    QString CaptionFontName = QStringLiteral("Tahoma");
    qint32 CaptionFontHeight = 13;
    TFontStyles CaptionFontStyle;
    TColor CaptionFontColor = 0;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect CheckButtonRect;
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    QString VScrollBarName = QStringLiteral("vscrollbar");
    QString HScrollBarName = QStringLiteral("hscrollbar");
    QString BothScrollBarName = QStringLiteral("bothhscrollbar");
    bool ShowFocus = false;
    TRect DisabledButtonsRect;
    TRect ButtonsArea;
};

// A list box record plus the check box images of its items (type "checklistbox").
class TbsDataSkinCheckListBox : public TbsDataSkinListBox
{
  public:
    using TbsDataSkinListBox::TbsDataSkinListBox;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect ItemCheckRect;
    TRect UnCheckImageRect;
    TRect CheckImageRect;
};

// The track, arrow buttons, thumb and thumb glyph of a scroll bar (type "scrollbar").
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect TrackArea;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect ThumbRect;
    TRect ActiveThumbRect;
    TRect DownThumbRect;
    qint32 ThumbOffset1 = 0;
    qint32 ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    qint32 ThumbMinSize = 0;
    qint32 ThumbMinPageSize = 0;
    TRect GlyphRect;
    TRect ActiveGlyphRect;
    TRect DownGlyphRect;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;
};

// Two arrow buttons in normal, hot and pressed state (type "updown").
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
};

// The cell faces, lines, colours and fonts of a grid (type "grid").
class TbsDataSkinGridControl : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect FixedCellRect;
    TRect SelectCellRect;
    TRect FocusCellRect;
    qint32 FixedCellLeftOffset = 0;
    qint32 FixedCellRightOffset = 0;
    TRect FixedCellTextRect;
    qint32 CellLeftOffset = 0;
    qint32 CellRightOffset = 0;
    TRect CellTextRect;
    TColor LinesColor = 0;
    TColor BGColor = 0;
    qint32 BGPictureIndex = -1;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor SelectFontColor = 0;
    TColor FocusFontColor = 0;
    QString FixedFontName = QStringLiteral("Tahoma");
    qint32 FixedFontHeight = 13;
    TFontStyles FixedFontStyle;
    TColor FixedFontColor = 0;
    bool CellStretchEffect = false;
    bool FixedCellStretchEffect = false;
    bool ShowFocus = false;
};

// The font, background and expand buttons of a tree view (type "treeview").
class TbsDataSkinTreeView : public TbsDataSkinControl
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
    TRect ExpandImageRect;
    TRect NoExpandImageRect;
};

// The frame and caption of a panel or group box, with its check box, gripper and caption button (type
// "panel").
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 BGPictureIndex = -1;
    TRect CaptionRect;
    TAlignment Alignment = taCenter;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    TRect FrameTextRect;
    qint32 FrameLeftOffset = 0;
    qint32 FrameRightOffset = 0;
    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
    TRect ButtonRect;
    TRect ButtonActiveRect;
    TRect ButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

// A check box or radio button: its frame, box images per state and caption colours (type "checkradio").
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl
{
  public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor FrameFontColor = 0;
    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect ActiveCheckImageRect;
    TRect ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect;
    TRect UnEnabledUnCheckImageRect;
    TRect GrayedCheckImageRect;
    TRect ActiveGrayedCheckImageRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = mkDefault;
};

// A tab set: the page frame (cut by its own corner points), the tab faces, fonts and buttons (type "tab").
class TbsDataSkinTabControl : public TbsDataSkinControl
{
  public:
    using TbsDataSkinControl::TbsDataSkinControl;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect MouseInTabRect;
    TRect ClRect;
    qint32 BGPictureIndex = -1;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    qint32 TabLeftOffset = 0;
    qint32 TabRightOffset = 0;
    TRect TabsBGRect;
    bool TabStretchEffect = false;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor FocusFontColor = 0;
    TColor MouseInFontColor = 0;
    QString UpDown;
    bool ShowFocus = false;
    qint32 FocusOffsetX = 0;
    qint32 FocusOffsetY = 0;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
    TRect DividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    TRect MDICloseRect;
    TRect MDICloseActiveRect;
    TRect MDICloseDownRect;
    TRect MDIRestoreRect;
    TRect MDIRestoreActiveRect;
    TRect MDIRestoreDownRect;
    TRect MDIMinRect;
    TRect MDIMinActiveRect;
    TRect MDIMinDownRect;
    bool MDIButtonsTransparent = false;
    TColor MDIButtonsTransparentColor = 0;
    TRect TabLeftBottomActiveRect;
    TRect TabLeftBottomFocusRect;
};
