// The key tables of the further control skin records.
#include "bsDataSkinFurtherControls.h"

const TbsKeyTable& TbsDataSkinGaugeControl::KeyTable()
{
    using Self = TbsDataSkinGaugeControl;
    static const Self defaults;
    static const TbsKeyTable table(
        defaults, TbsDataSkinCustomControl::KeyTable(),
        {
            Key<&Self::ProgressArea>("progressarea"),
            Key<&Self::ProgressRect>("progressrect"),
            Key<&Self::BeginOffset>("beginoffset"),
            Key<&Self::EndOffset>("endoffset"),
            Key<&Self::Vertical>("vertical"),
            Key<&Self::FontName>("fontname"),
            Key<&Self::FontHeight>("fontheight"),
            Key<&Self::FontStyle>("fontstyle"),
            Key<&Self::FontColor>("fontcolor"),
            Key<&Self::ProgressTransparent>("progresstransparent"),
            Key<&Self::ProgressTransparentColor>("progresstransparentcolor"),
            Key<&Self::ProgressStretch>("progressstretch"),
            Key<&Self::AnimationSkinRect>("animationskinrect"),
            Key<&Self::AnimationCountFrames>("animationcountframes"),
            Key<&Self::AnimationTimerInterval>("animationtimerinterval"),
            Key<&Self::ProgressAnimationSkinRect>("progressanimationskinrect"),
            Key<&Self::ProgressAnimationCountFrames>("progressanimationcountframes"),
            Key<&Self::ProgressAnimationTimerInterval>("progressanimationtimerinterval"),
            Key<&Self::AnimationBeginOffset>("animationbeginoffset"),
            Key<&Self::AnimationEndOffset>("animationendoffset"),
        });
    return table;
}

const TbsKeyTable& TbsDataSkinTrackBarControl::KeyTable()
{
    using Self = TbsDataSkinTrackBarControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::TrackArea>("trackarea"),
                                       Key<&Self::ButtonRect>("buttonrect"),
                                       Key<&Self::ActiveButtonRect>("activebuttonrect"),
                                       Key<&Self::Vertical>("vertical"),
                                       Key<&Self::ButtonTransparent>("buttontransparent"),
                                       Key<&Self::ButtonTransparentColor>("buttontransparentcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinSplitterControl::KeyTable()
{
    using Self = TbsDataSkinSplitterControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::GripperRect>("gripperrect"),
                                       Key<&Self::GripperTransparent>("grippertransparent"),
                                       Key<&Self::GripperTransparentColor>("grippertransparentcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinScrollBoxControl::KeyTable()
{
    using Self = TbsDataSkinScrollBoxControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinExPanelControl::KeyTable()
{
    using Self = TbsDataSkinExPanelControl;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::RollHSkinRect>("rollhskinrect"),
                                       Key<&Self::RollVSkinRect>("rollvskinrect"),
                                       Key<&Self::RollLeftOffset>("rollleftoffset"),
                                       Key<&Self::RollRightOffset>("rollrightoffset"),
                                       Key<&Self::RollTopOffset>("rolltopoffset"),
                                       Key<&Self::RollBottomOffset>("rollbottomoffset"),
                                       Key<&Self::RollVCaptionRect>("rollvcaptionrect"),
                                       Key<&Self::RollHCaptionRect>("rollhcaptionrect"),
                                       Key<&Self::CloseButtonRect>("closebuttonrect"),
                                       Key<&Self::CloseButtonActiveRect>("closebuttonactiverect"),
                                       Key<&Self::CloseButtonDownRect>("closebuttondownrect"),
                                       Key<&Self::HRollButtonRect>("hrollbuttonrect"),
                                       Key<&Self::HRollButtonActiveRect>("hrollbuttonactiverect"),
                                       Key<&Self::HRollButtonDownRect>("hrollbuttondownrect"),
                                       Key<&Self::HRestoreButtonRect>("hrestorebuttonrect"),
                                       Key<&Self::HRestoreButtonActiveRect>("hrestorebuttonactiverect"),
                                       Key<&Self::HRestoreButtonDownRect>("hrestorebuttondownrect"),
                                       Key<&Self::VRollButtonRect>("vrollbuttonrect"),
                                       Key<&Self::VRollButtonActiveRect>("vrollbuttonactiverect"),
                                       Key<&Self::VRollButtonDownRect>("vrollbuttondownrect"),
                                       Key<&Self::VRestoreButtonRect>("vrestorebuttonrect"),
                                       Key<&Self::VRestoreButtonActiveRect>("vrestorebuttonactiverect"),
                                       Key<&Self::VRestoreButtonDownRect>("vrestorebuttondownrect"),
                                       Key<&Self::CaptionRect>("captionrect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ButtonsTransparent>("buttonstransparent"),
                                       Key<&Self::ButtonsTransparentColor>("buttonstransparentcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinMainMenuBar::KeyTable()
{
    using Self = TbsDataSkinMainMenuBar;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::ItemsRect>("itemsrect"),
                                       Key<&Self::MenuBarItem>("menubaritem"),
                                       Key<&Self::CloseButton>("closebutton"),
                                       Key<&Self::MinButton>("minbutton"),
                                       Key<&Self::MaxButton>("maxbutton"),
                                       Key<&Self::SysMenuButton>("sysmenubutton"),
                                       Key<&Self::TrackMarkColor>("trackmarkcolor"),
                                       Key<&Self::TrackMarkActiveColor>("trackmarkactivecolor"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::ItemTransparent>("itemtransparent"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinControlBar::KeyTable()
{
    using Self = TbsDataSkinControlBar;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::ItemRect>("itemrect"),
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                       Key<&Self::HGripRect>("hgriprect"),
                                       Key<&Self::VGripRect>("vgriprect"),
                                       Key<&Self::GripOffset1>("gripoffset1"),
                                       Key<&Self::GripOffset2>("gripoffset2"),
                                       Key<&Self::ItemOffset1>("itemoffset1"),
                                       Key<&Self::ItemOffset2>("itemoffset2"),
                                       Key<&Self::ItemStretchEffect>("itemstretcheffect"),
                                       Key<&Self::ItemTransparent>("itemtransparent"),
                                       Key<&Self::ItemTransparentColor>("itemtransparentcolor"),
                                       Key<&Self::GripTransparent>("griptransparent"),
                                       Key<&Self::GripTransparentColor>("griptransparentcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinAppMenu::KeyTable()
{
    using Self = TbsDataSkinAppMenu;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinCustomControl::KeyTable(),
                                   {
                                       Key<&Self::BGPictureIndex>("bgpictureindex"),
                                       Key<&Self::BGStretchEffect>("bgstretcheffect"),
                                       Key<&Self::BGPagePictureIndex>("bgpagepictureindex"),
                                       Key<&Self::BGPageStretchEffect>("bgpagestretcheffect"),
                                       Key<&Self::ItemRect>("itemrect"),
                                       Key<&Self::PageItemRect>("pageitemrect"),
                                       Key<&Self::PageItemActiveRect>("pageitemactiverect"),
                                       Key<&Self::ItemOffset1>("itemoffset1"),
                                       Key<&Self::ItemOffset2>("itemoffset2"),
                                       Key<&Self::PageItemOffset1>("pageitemoffset1"),
                                       Key<&Self::PageItemOffset2>("pageitemoffset2"),
                                       Key<&Self::PageOffset>("pageoffset"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontPageHeight>("fontpageheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::DisabledFontColor>("disabledfontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::FontPageColor>("fontpagecolor"),
                                       Key<&Self::ActiveFontPageColor>("activefontpagecolor"),
                                       Key<&Self::GripperRect>("gripperrect"),
                                       Key<&Self::GripperTransparentColor>("grippertransparentcolor"),
                                       Key<&Self::TopLineRect>("toplinerect"),
                                       Key<&Self::TopLineOffset1>("toplineoffset1"),
                                       Key<&Self::TopLineOffset2>("toplineoffset2"),
                                       Key<&Self::BackButtonRect>("backbuttonrect"),
                                       Key<&Self::BackButtonActiveRect>("backbuttonactiverect"),
                                       Key<&Self::CaptionRect>("captionrect"),
                                       Key<&Self::CaptionLeftOffset>("captionleftoffset"),
                                       Key<&Self::CaptionTopOffset>("captiontopoffset"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinBevel::KeyTable()
{
    using Self = TbsDataSkinBevel;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::LightColor>("lightcolor"),
                                       Key<&Self::DarkColor>("darkcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinSlider::KeyTable()
{
    using Self = TbsDataSkinSlider;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::BGColor>("bgcolor"),
                                       Key<&Self::HRulerRect>("hrulerrect"),
                                       Key<&Self::HThumbRect>("hthumbrect"),
                                       Key<&Self::VRulerRect>("vrulerrect"),
                                       Key<&Self::VThumbRect>("vthumbrect"),
                                       Key<&Self::EdgeSize>("edgesize"),
                                       Key<&Self::PointsColor>("pointscolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinListView::KeyTable()
{
    using Self = TbsDataSkinListView;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::BGColor>("bgcolor"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinRichEdit::KeyTable()
{
    using Self = TbsDataSkinRichEdit;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinControl::KeyTable(),
                                   {
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::BGColor>("bgcolor"),
                                   });
    return table;
}
