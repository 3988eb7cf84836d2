// The key tables of the control skin records: each key's spelling, field and place in the written order.
#include "bsDataSkinControls.h"

const TbsKeyTable& TbsDataSkinControl::KeyTable()
{
    using Self = TbsDataSkinControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, {
                                                 Key<&Self::PictureIndex>("pictureindex"),
                                                 Key<&Self::MaskPictureIndex>("maskpictureindex"),
                                                 Key<&Self::SkinRect>("skinrect"),
                                             });
    return table;
}

const TbsKeyTable& TbsDataSkinCustomControl::KeyTable()
{
    using Self = TbsDataSkinCustomControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::LTPoint>("lefttoppoint"),
                                       Key<&Self::RTPoint>("righttoppoint"),
                                       Key<&Self::LBPoint>("leftbottompoint"),
                                       Key<&Self::RBPoint>("rightbottompoint"),
                                       Key<&Self::ClRect>("clientrect"),
                                       Key<&Self::LeftStretch>("leftstretch"),
                                       Key<&Self::TopStretch>("topstretch"),
                                       Key<&Self::RightStretch>("rightstretch"),
                                       Key<&Self::BottomStretch>("bottomstretch"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::StretchType>("stretchtype"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinButtonControl::KeyTable()
{
    using Self = TbsDataSkinButtonControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::DownFontColor>("downfontcolor"),
                                       Key<&Self::DisabledFontColor>("disabledfontcolor"),
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::DownSkinRect>("downskinrect"),
                                       Key<&Self::FocusedSkinRect>("focusedskinrect"),
                                       Key<&Self::DisabledSkinRect>("disabledskinrect"),
                                       Key<&Self::Morphing>("morphing"),
                                       Key<&Self::MorphKind>("morphkind"),
                                       Key<&Self::AnimateSkinRect>("animateskinrect"),
                                       Key<&Self::FrameCount>("framecount"),
                                       Key<&Self::AnimateInterval>("animateinterval"),
                                       Key<&Self::ShowFocus>("showfocus"),
                                       Key<&Self::MenuMarkerFlatRect>("menumarkerflatrect"),
                                       Key<&Self::MenuMarkerRect>("menumarkerrect"),
                                       Key<&Self::MenuMarkerActiveRect>("menumarkeractiverect"),
                                       Key<&Self::MenuMarkerDownRect>("menumarkerdownrect"),
                                       Key<&Self::MenuMarkerTransparentColor>("menumarkertransparentcolor"),
                                       Key<&Self::GlowLayerPictureIndex>("glowlayerpictureindex"),
                                       Key<&Self::GlowLayerMaskPictureIndex>("glowlayermaskpictureindex"),
                                       Key<&Self::GlowLayerOffsetLeft>("glowlayeroffsetleft"),
                                       Key<&Self::GlowLayerOffsetRight>("glowlayeroffsetright"),
                                       Key<&Self::GlowLayerOffsetTop>("glowlayeroffsettop"),
                                       Key<&Self::GlowLayerOffsetBottom>("glowlayeroffsetbottom"),
                                       Key<&Self::GlowLayerShowOffsetX>("glowlayershowoffsetx"),
                                       Key<&Self::GlowLayerShowOffsetY>("glowlayershowoffsety"),
                                       Key<&Self::GlowLayerAlphaBlendValue>("glowlayeralphablendvalue"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinMenuButtonControl::KeyTable()
{
    using Self = TbsDataSkinMenuButtonControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinButtonControl::KeyTable(),
                                   {
                                       Key<&Self::TrackButtonRect>("trackbuttonrect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinStdLabelControl::KeyTable()
{
    using Self = TbsDataSkinStdLabelControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinLabelControl::KeyTable()
{
    using Self = TbsDataSkinLabelControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinEditControl::KeyTable()
{
    using Self = TbsDataSkinEditControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::DisabledFontColor>("disabledfontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::ButtonRect>("buttonrect"),
                                       Key<&Self::ActiveButtonRect>("activebuttonrect"),
                                       Key<&Self::DownButtonRect>("downbuttonrect"),
                                       Key<&Self::UnEnabledButtonRect>("unenabledbuttonrect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinMemoControl::KeyTable()
{
    using Self = TbsDataSkinMemoControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinEditControl::KeyTable(),
                                   {
                                       Key<&Self::BGColor>("bgcolor"),
                                       Key<&Self::ActiveBGColor>("activebgcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinSpinEditControl::KeyTable()
{
    using Self = TbsDataSkinSpinEditControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::DisabledFontColor>("disabledfontcolor"),
                                       Key<&Self::UpButtonRect>("upbuttonrect"),
                                       Key<&Self::ActiveUpButtonRect>("activeupbuttonrect"),
                                       Key<&Self::DownUpButtonRect>("downupbuttonrect"),
                                       Key<&Self::DownButtonRect>("downbuttonrect"),
                                       Key<&Self::ActiveDownButtonRect>("activedownbuttonrect"),
                                       Key<&Self::DownDownButtonRect>("downdownbuttonrect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinComboBox::KeyTable()
{
    using Self = TbsDataSkinComboBox;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::SItemRect>("itemrect"),
                                       Key<&Self::ActiveItemRect>("activeitemrect"),
                                       Key<&Self::FocusItemRect>("focusitemrect"),
                                       Key<&Self::ItemLeftOffset>("itemleftoffset"),
                                       Key<&Self::ItemRightOffset>("itemrightoffset"),
                                       Key<&Self::ItemTextRect>("itemtextrect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::FocusFontColor>("focusfontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::ButtonRect>("buttonrect"),
                                       Key<&Self::ActiveButtonRect>("activebuttonrect"),
                                       Key<&Self::DownButtonRect>("downbuttonrect"),
                                       Key<&Self::UnEnabledButtonRect>("unenabledbuttonrect"),
                                       Key<&Self::ListBoxName>("listboxname"),
                                       Key<&Self::ItemStretchEffect>("itemstretcheffect"),
                                       Key<&Self::FocusItemStretchEffect>("focusitemstretcheffect"),
                                       Key<&Self::ShowFocus>("showfocus"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinListBox::KeyTable()
{
    using Self = TbsDataSkinListBox;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::SItemRect>("itemrect"),
                                       Key<&Self::ActiveItemRect>("activeitemrect"),
                                       Key<&Self::FocusItemRect>("focusitemrect"),
                                       Key<&Self::ItemLeftOffset>("itemleftoffset"),
                                       Key<&Self::ItemRightOffset>("itemrightoffset"),
                                       Key<&Self::ItemTextRect>("itemtextrect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::FocusFontColor>("focusfontcolor"),
                                       Key<&Self::CaptionRect>("captionrect"),
                                       Key<&Self::CaptionFontName>("captionfontname"),
                                       Key<&Self::CaptionFontHeight>("captionfontheight"),
                                       Key<&Self::CaptionFontStyle>("captionfontstyle"),
                                       Key<&Self::CaptionFontColor>("captionfontcolor"),
                                       Key<&Self::UpButtonRect>("upbuttonrect"),
                                       Key<&Self::ActiveUpButtonRect>("activeupbuttonrect"),
                                       Key<&Self::DownUpButtonRect>("downupbuttonrect"),
                                       Key<&Self::DownButtonRect>("downbuttonrect"),
                                       Key<&Self::ActiveDownButtonRect>("activedownbuttonrect"),
                                       Key<&Self::DownDownButtonRect>("downdownbuttonrect"),
                                       Key<&Self::CheckButtonRect>("checkbuttonrect"),
                                       Key<&Self::ActiveCheckButtonRect>("activecheckbuttonrect"),
                                       Key<&Self::DownCheckButtonRect>("downcheckbuttonrect"),
                                       Key<&Self::VScrollBarName>("vscrollbarname"),
                                       Key<&Self::HScrollBarName>("hscrollbarname"),
                                       Key<&Self::BothScrollBarName>("bothhscrollbarname"),
                                       Key<&Self::ShowFocus>("showfocus"),
                                       Key<&Self::DisabledButtonsRect>("disabledbuttonsrect"),
                                       Key<&Self::ButtonsArea>("buttonsarea"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinCheckListBox::KeyTable()
{
    using Self = TbsDataSkinCheckListBox;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinListBox::KeyTable(),
                                   {
                                       Key<&Self::ItemCheckRect>("itemcheckrect"),
                                       Key<&Self::UnCheckImageRect>("uncheckimagerect"),
                                       Key<&Self::CheckImageRect>("checkimagerect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinScrollBarControl::KeyTable()
{
    using Self = TbsDataSkinScrollBarControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::TrackArea>("trackarea"),
                                       Key<&Self::UpButtonRect>("upbuttonrect"),
                                       Key<&Self::ActiveUpButtonRect>("activeupbuttonrect"),
                                       Key<&Self::DownUpButtonRect>("downupbuttonrect"),
                                       Key<&Self::DownButtonRect>("downbuttonrect"),
                                       Key<&Self::ActiveDownButtonRect>("activedownbuttonrect"),
                                       Key<&Self::DownDownButtonRect>("downdownbuttonrect"),
                                       Key<&Self::ThumbRect>("thumbrect"),
                                       Key<&Self::ActiveThumbRect>("activethumbrect"),
                                       Key<&Self::DownThumbRect>("downthumbrect"),
                                       Key<&Self::ThumbOffset1>("thumboffset1"),
                                       Key<&Self::ThumbOffset2>("thumboffset2"),
                                       Key<&Self::ThumbTransparent>("thumbtransparent"),
                                       Key<&Self::ThumbTransparentColor>("thumbtransparentcolor"),
                                       Key<&Self::ThumbStretchEffect>("thumbstretcheffect"),
                                       Key<&Self::ThumbMinSize>("thumbminsize"),
                                       Key<&Self::ThumbMinPageSize>("thumbminpagesize"),
                                       Key<&Self::GlyphRect>("glyphrect"),
                                       Key<&Self::ActiveGlyphRect>("activeglyphrect"),
                                       Key<&Self::DownGlyphRect>("downglyphrect"),
                                       Key<&Self::GlyphTransparent>("glyphtransparent"),
                                       Key<&Self::GlyphTransparentColor>("glyphtransparentcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinUpDownControl::KeyTable()
{
    using Self = TbsDataSkinUpDownControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::UpButtonRect>("upbuttonrect"),
                                       Key<&Self::ActiveUpButtonRect>("activeupbuttonrect"),
                                       Key<&Self::DownUpButtonRect>("downupbuttonrect"),
                                       Key<&Self::DownButtonRect>("downbuttonrect"),
                                       Key<&Self::ActiveDownButtonRect>("activedownbuttonrect"),
                                       Key<&Self::DownDownButtonRect>("downdownbuttonrect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinGridControl::KeyTable()
{
    using Self = TbsDataSkinGridControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::FixedCellRect>("fixedcellrect"),
                                       Key<&Self::SelectCellRect>("selectcellrect"),
                                       Key<&Self::FocusCellRect>("focuscellrect"),
                                       Key<&Self::FixedCellLeftOffset>("fixedcellleftoffset"),
                                       Key<&Self::FixedCellRightOffset>("fixedcellrightoffset"),
                                       Key<&Self::FixedCellTextRect>("fixedcelltextrect"),
                                       Key<&Self::CellLeftOffset>("cellleftoffset"),
                                       Key<&Self::CellRightOffset>("cellrightoffset"),
                                       Key<&Self::CellTextRect>("celltextrect"),
                                       Key<&Self::LinesColor>("linescolor"),
                                       Key<&Self::BGColor>("bgcolor"),
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::SelectFontColor>("selectfontcolor"),
                                       Key<&Self::FocusFontColor>("focusfontcolor"),
                                       Key<&Self::FixedFontName>("fixedfontname"),
                                       Key<&Self::FixedFontHeight>("fixedfontheight"),
                                       Key<&Self::FixedFontStyle>("fixedfontstyle"),
                                       Key<&Self::FixedFontColor>("fixedfontcolor"),
                                       Key<&Self::CellStretchEffect>("cellstretcheffect"),
                                       Key<&Self::FixedCellStretchEffect>("fixedcellstretcheffect"),
                                       Key<&Self::ShowFocus>("showfocus"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinTreeView::KeyTable()
{
    using Self = TbsDataSkinTreeView;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::BGColor>("bgcolor"),
                                       Key<&Self::ExpandImageRect>("expandimagerect"),
                                       Key<&Self::NoExpandImageRect>("noexpandimagerect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinPanelControl::KeyTable()
{
    using Self = TbsDataSkinPanelControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                       Key<&Self::CaptionRect>("captionrect"),
                                       Key<&Self::Alignment>("alignment"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::CheckImageRect>("checkimagerect"),
                                       Key<&Self::UnCheckImageRect>("uncheckimagerect"),
                                       Key<&Self::MarkFrameRect>("markframerect"),
                                       Key<&Self::FrameRect>("framerect"),
                                       Key<&Self::FrameTextRect>("frametextrect"),
                                       Key<&Self::FrameLeftOffset>("frameleftoffset"),
                                       Key<&Self::FrameRightOffset>("framerightoffset"),
                                       Key<&Self::GripperRect>("gripperrect"),
                                       Key<&Self::GripperTransparent>("grippertransparent"),
                                       Key<&Self::GripperTransparentColor>("grippertransparentcolor"),
                                       Key<&Self::ButtonRect>("buttonrect"),
                                       Key<&Self::ButtonActiveRect>("buttonactiverect"),
                                       Key<&Self::ButtonDownRect>("buttondownrect"),
                                       Key<&Self::ButtonTransparent>("buttontransparent"),
                                       Key<&Self::ButtonTransparentColor>("buttontransparentcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinCheckRadioControl::KeyTable()
{
    using Self = TbsDataSkinCheckRadioControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::FrameFontColor>("framefontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::UnEnabledFontColor>("unenabledfontcolor"),
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::CheckImageArea>("checkimagearea"),
                                       Key<&Self::TextArea>("textarea"),
                                       Key<&Self::CheckImageRect>("checkimagerect"),
                                       Key<&Self::UnCheckImageRect>("uncheckimagerect"),
                                       Key<&Self::ActiveCheckImageRect>("activecheckimagerect"),
                                       Key<&Self::ActiveUnCheckImageRect>("activeuncheckimagerect"),
                                       Key<&Self::UnEnabledCheckImageRect>("unenabledcheckimagerect"),
                                       Key<&Self::UnEnabledUnCheckImageRect>("unenableduncheckimagerect"),
                                       Key<&Self::GrayedCheckImageRect>("grayedcheckimagerect"),
                                       Key<&Self::ActiveGrayedCheckImageRect>("activegrayedcheckimagerect"),
                                       Key<&Self::Morphing>("morphing"),
                                       Key<&Self::MorphKind>("morphkind"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinTabControl::KeyTable()
{
    using Self = TbsDataSkinTabControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::TabRect>("tabrect"),
                                       Key<&Self::ActiveTabRect>("activetabrect"),
                                       Key<&Self::FocusTabRect>("focustabrect"),
                                       Key<&Self::MouseInTabRect>("mouseintabrect"),
                                       Key<&Self::ClRect>("clientrect"),
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                       Key<&Self::LTPoint>("lefttoppoint"),
                                       Key<&Self::RTPoint>("righttoppoint"),
                                       Key<&Self::LBPoint>("leftbottompoint"),
                                       Key<&Self::RBPoint>("rightbottompoint"),
                                       Key<&Self::TabLeftOffset>("tableftoffset"),
                                       Key<&Self::TabRightOffset>("tabrightoffset"),
                                       Key<&Self::TabsBGRect>("tabsbgrect"),
                                       Key<&Self::TabStretchEffect>("tabstretcheffect"),
                                       Key<&Self::LeftStretch>("leftstretch"),
                                       Key<&Self::TopStretch>("topstretch"),
                                       Key<&Self::RightStretch>("rightstretch"),
                                       Key<&Self::BottomStretch>("bottomstretch"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::StretchType>("stretchtype"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::FocusFontColor>("focusfontcolor"),
                                       Key<&Self::MouseInFontColor>("mouseinfontcolor"),
                                       Key<&Self::UpDown>("updown"),
                                       Key<&Self::ShowFocus>("showfocus"),
                                       Key<&Self::FocusOffsetX>("focusoffsetx"),
                                       Key<&Self::FocusOffsetY>("focusoffsety"),
                                       Key<&Self::CloseButtonRect>("closebuttonrect"),
                                       Key<&Self::CloseButtonActiveRect>("closebuttonactiverect"),
                                       Key<&Self::CloseButtonDownRect>("closebuttondownrect"),
                                       Key<&Self::ButtonTransparent>("buttontransparent"),
                                       Key<&Self::ButtonTransparentColor>("buttontransparentcolor"),
                                       Key<&Self::DividerRect>("dividerrect"),
                                       Key<&Self::DividerTransparent>("dividertransparent"),
                                       Key<&Self::DividerTransparentColor>("dividertransparentcolor"),
                                       Key<&Self::MDICloseRect>("mdicloserect"),
                                       Key<&Self::MDICloseActiveRect>("mdicloseactiverect"),
                                       Key<&Self::MDICloseDownRect>("mdiclosedownrect"),
                                       Key<&Self::MDIRestoreRect>("mdirestorerect"),
                                       Key<&Self::MDIRestoreActiveRect>("mdirestoreactiverect"),
                                       Key<&Self::MDIRestoreDownRect>("mdirestoredownrect"),
                                       Key<&Self::MDIMinRect>("mdiminrect"),
                                       Key<&Self::MDIMinActiveRect>("mdiminactiverect"),
                                       Key<&Self::MDIMinDownRect>("mdimindownrect"),
                                       Key<&Self::MDIButtonsTransparent>("mdibuttonstransparent"),
                                       Key<&Self::MDIButtonsTransparentColor>("mdibuttonstransparentcolor"),
                                       Key<&Self::TabLeftBottomActiveRect>("tableftbottomactiverect"),
                                       Key<&Self::TabLeftBottomFocusRect>("tableftbottomfocusrect"),
                                   });
    return table;
}
