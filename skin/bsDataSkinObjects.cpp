// The key tables of the skin objects and the alpha images of the caption buttons.
#include "bsDataSkinObjects.h"

#include "bsSkinData.h"

const TbsKeyTable& TbsDataSkinObject::KeyTable()
{
    using Self = TbsDataSkinObject;
    static const Self defaults;
    static const TbsKeyTable table(defaults,
                                   {
                                       Key<&Self::Hint>("hint"),
                                       Key<&Self::ActivePictureIndex>("activepictureindex"),
                                       Key<&Self::ActiveMaskPictureIndex>("activemaskpictureindex"),
                                       Key<&Self::SkinRectInAPicture>("skinrectinapicture"),
                                       Key<&Self::SkinRect>("skinrect"),
                                       Key<&Self::ActiveSkinRect>("activeskinrect"),
                                       Key<&Self::InActiveSkinRect>("inactiveskinrect"),
                                       Key<&Self::Morphing>("morphing"),
                                       Key<&Self::MorphKind>("morphkind"),
                                       Key<&Self::GlowLayerPictureIndex>("glowlayerpictureindex"),
                                       Key<&Self::GlowLayerMaskPictureIndex>("glowlayermaskpictureindex"),
                                       Key<&Self::GlowLayerOffsetX>("glowlayeroffsetx"),
                                       Key<&Self::GlowLayerOffsetY>("glowlayeroffsety"),
                                       Key<&Self::GlowLayerAlphaBlendValue>("glowlayeralphablendvalue"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinButton::KeyTable()
{
    using Self = TbsDataSkinButton;
    static const Self defaults;
    static const TbsKeyTable table(
        defaults, TbsDataSkinObject::KeyTable(),
        {
            Key<&Self::DownRect>("downrect"),
            Key<&Self::DisableSkinRect>("disableskinrsect"),
            Key<&Self::AlphaMaskPictureIndex>("alphamaskpictureindex"),
            Key<&Self::AlphaMaskActivePictureIndex>("alphamaskactivepictureindex"),
            Key<&Self::AlphaMaskInActivePictureIndex>("alphamaskinactivepictureindex"),
        });
    return table;
}

const TbsKeyTable& TbsDataSkinStdButton::KeyTable()
{
    using Self = TbsDataSkinStdButton;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinButton::KeyTable(),
                                   {
                                       Key<&Self::Command>("command"),
                                       Key<&Self::RestoreRect>("restorerect"),
                                       Key<&Self::RestoreActiveRect>("restoreactiverect"),
                                       Key<&Self::RestoreDownRect>("restoredownrect"),
                                       Key<&Self::RestoreInActiveRect>("restoreinactiverect"),
                                       Key<&Self::RestoreHint>("restorehint"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinMenuItem::KeyTable()
{
    using Self = TbsDataSkinMenuItem;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinObject::KeyTable(),
                                   {
                                       Key<&Self::ItemLO>("itemleftoffset"),
                                       Key<&Self::ItemRO>("itemrightoffset"),
                                       Key<&Self::DividerRect>("dividerrect"),
                                       Key<&Self::DividerLO>("dividerleftoffset"),
                                       Key<&Self::DividerRO>("dividerrightoffset"),
                                       Key<&Self::TextRct>("textrect"),
                                       Key<&Self::ImageRct>("imagerect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::UnEnabledFontColor>("unenabledfontcolor"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::InActiveStretchEffect>("inactivestretcheffect"),
                                       Key<&Self::DividerStretchEffect>("dividerstretcheffect"),
                                       Key<&Self::AnimateSkinRect>("animateskinrect"),
                                       Key<&Self::FrameCount>("framecount"),
                                       Key<&Self::AnimateInterval>("animateinterval"),
                                       Key<&Self::InActiveAnimation>("inactiveanimation"),
                                       Key<&Self::UseImageColor>("useimagecolor"),
                                       Key<&Self::ImageColor>("imagecolor"),
                                       Key<&Self::ActiveImageColor>("activeimagecolor"),
                                       Key<&Self::InActiveTransparent>("inactivetransparent"),
                                       Key<&Self::CheckImageRect>("checkimagerect"),
                                       Key<&Self::ActiveCheckImageRect>("activecheckimagerect"),
                                       Key<&Self::RadioImageRect>("radioimagerect"),
                                       Key<&Self::ActiveRadioImageRect>("activeradioimagerect"),
                                       Key<&Self::ArrowImageRect>("arrowimagerect"),
                                       Key<&Self::ActiveArrowImageRect>("activearrowimagerect"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinMainMenuItem::KeyTable()
{
    using Self = TbsDataSkinMainMenuItem;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinObject::KeyTable(),
                                   {
                                       Key<&Self::ItemLO>("itemleftoffset"),
                                       Key<&Self::ItemRO>("itemrightoffset"),
                                       Key<&Self::DownRect>("downrect"),
                                       Key<&Self::TextRct>("textrect"),
                                       Key<&Self::FontName>("fontname"),
                                       Key<&Self::FontHeight>("fontheight"),
                                       Key<&Self::FontStyle>("fontstyle"),
                                       Key<&Self::FontColor>("fontcolor"),
                                       Key<&Self::ActiveFontColor>("activefontcolor"),
                                       Key<&Self::DownFontColor>("downfontcolor"),
                                       Key<&Self::UnEnabledFontColor>("unenabledfontColor"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::AnimateSkinRect>("animateskinrect"),
                                       Key<&Self::FrameCount>("framecount"),
                                       Key<&Self::AnimateInterval>("animateinterval"),
                                       Key<&Self::InActiveAnimation>("inactiveanimation"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinCaption::KeyTable()
{
    using Self = TbsDataSkinCaption;
    static const Self defaults;
    static const TbsKeyTable table(
        defaults, TbsDataSkinObject::KeyTable(),
        {
            Key<&Self::TextRct>("textrect"),
            Key<&Self::FontName>("fontname"),
            Key<&Self::FontHeight>("fontheight"),
            Key<&Self::FontStyle>("fontstyle"),
            Key<&Self::FontColor>("fontcolor"),
            Key<&Self::ActiveFontColor>("activefontcolor"),
            Key<&Self::Alignment>("alignment"),
            Key<&Self::Light>("light"),
            Key<&Self::LightColor>("lightcolor"),
            Key<&Self::ActiveLightColor>("activelightcolor"),
            Key<&Self::Shadow>("shadow"),
            Key<&Self::ShadowColor>("shadowcolor"),
            Key<&Self::ActiveShadowColor>("activeshadowcolor"),
            Key<&Self::FrameRect>("framerect"),
            Key<&Self::ActiveFrameRect>("activeframerect"),
            Key<&Self::FrameTextRect>("frametextrect"),
            Key<&Self::FrameLeftOffset>("frameleftoffset"),
            Key<&Self::FrameRightOffset>("framerightoffset"),
            Key<&Self::StretchEffect>("stretcheffect"),
            Key<&Self::AnimateSkinRect>("animateskinrect"),
            Key<&Self::FrameCount>("framecount"),
            Key<&Self::AnimateInterval>("animateinterval"),
            Key<&Self::InActiveAnimation>("inactiveanimation"),
            Key<&Self::FullFrame>("fullframe"),
            Key<&Self::VistaGlowEffect>("vistagloweffect"),
            Key<&Self::VistaGlowInActiveEffect>("vistaglowinactiveeffect"),
            Key<&Self::GlowEffect>("gloweffect"),
            Key<&Self::GlowInActiveEffect>("glowinactiveeffect"),
            Key<&Self::GlowSize>("glowsize"),
            Key<&Self::GlowColor>("glowcolor"),
            Key<&Self::GlowActiveColor>("glowactivecolor"),
            Key<&Self::GlowOffset>("glowoffset"),
            Key<&Self::ReflectionEffect>("reflectioneffect"),
            Key<&Self::ReflectionColor>("reflactioncolor"),
            Key<&Self::ReflectionActiveColor>("reflactionactivecolor"),
            Key<&Self::ReflectionOffset>("reflectionoffset"),
            Key<&Self::DividerRect>("dividerrect"),
            Key<&Self::InActiveDividerRect>("inactivedividerrect"),
            Key<&Self::DividerTransparent>("dividertransparent"),
            Key<&Self::DividerTransparentColor>("dividertransparentcolor"),
            Key<&Self::QuickButtonAlphaMaskPictureIndex>("quickbuttonalphamaskpictureindex"),
        });
    return table;
}

const TbsKeyTable& TbsDataSkinAnimate::KeyTable()
{
    using Self = TbsDataSkinAnimate;
    static const Self defaults;
    static const TbsKeyTable table(defaults, TbsDataSkinObject::KeyTable(),
                                   {
                                       Key<&Self::CountFrames>("countframes"),
                                       Key<&Self::Cycle>("cycle"),
                                       Key<&Self::ButtonStyle>("buttonstyle"),
                                       Key<&Self::TimerInterval>("timerinterval"),
                                       Key<&Self::Command>("command"),
                                       Key<&Self::DownSkinRect>("downskinrect"),
                                       Key<&Self::RestoreRect>("restorerect"),
                                       Key<&Self::RestoreActiveRect>("restoreactiverect"),
                                       Key<&Self::RestoreDownRect>("restoredownrect"),
                                       Key<&Self::RestoreInActiveRect>("restoreinactiverect"),
                                       Key<&Self::RestoreHint>("restorehint"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataUserObject::KeyTable()
{
    using Self = TbsDataUserObject;
    static const Self defaults;
    static const TbsKeyTable table(defaults, {Key<&Self::SkinRect>("skinrect")});
    return table;
}

void TbsDataSkinObject::InitAlphaImages(const TbsSkinData&) {}

// The restore tooltip a button gets when its section names none: "Restore" for a maximize,
// minimize or roll-up button whose hint says so.
static QString DefaultRestoreHint(const QString& hint, TbsStdCommand command)
{
    const bool restores = (hint == "Maximize" && command == cmMaximize) ||
                          (hint == "Minimize" && command == cmMinimize) ||
                          ((hint == "RollUp" || hint == "Roll Up") && command == cmRollUp);
    return restores ? QStringLiteral("Restore") : QString();
}

void TbsDataSkinStdButton::LoadFromFile(const TbsIniText& ini)
{
    TbsDataSkinButton::LoadFromFile(ini);
    if (RestoreHint.isEmpty())
        RestoreHint = DefaultRestoreHint(Hint, Command);
}

void TbsDataSkinAnimate::LoadFromFile(const TbsIniText& ini)
{
    TbsDataSkinObject::LoadFromFile(ini);
    Morphing = false;
    if (RestoreHint.isEmpty())
        RestoreHint = DefaultRestoreHint(Hint, Command);
}

// The alpha image of one look: the part ALook of the active picture APictureIndex, its alpha from
// the top-left part of the mask picture AMaskIndex (premultiplied), or opaque without a mask.
// Nothing when the look is empty or the picture is not in the list.
static std::unique_ptr<TbsBitmap> LookAlphaImage(const TbsSkinData& ASkinData, int APictureIndex,
                                                 const TRect& ALook, int AMaskIndex)
{
    const TbsSkinPicture* picture = ASkinData.ActivePicture(APictureIndex);
    if (ALook.IsEmpty() || !picture || picture->Empty())
        return nullptr;
    auto image = std::make_unique<TbsBitmap>(picture->Image(), ALook.ToQRect());
    if (const TbsSkinPicture* mask = ASkinData.ActivePicture(AMaskIndex)) {
        image->PremultipliedAlphaFromMask(mask->Image());
    } else {
        image->SetAlpha(255);
        image->SetAlphaBlend(true);
    }
    return image;
}

// Caption buttons carry alpha images only when the layered frame replaces the whole frame.
static bool UsesFullLayerBorder(const TbsSkinData& ASkinData)
{
    return ASkinData.LayerFrame.PictureIndex != -1 && ASkinData.LayerFrame.FullBorder;
}

void TbsDataSkinButton::InitAlphaImages(const TbsSkinData& ASkinData)
{
    FAlphaNormalImage.reset();
    FAlphaActiveImage.reset();
    FAlphaDownImage.reset();
    FAlphaInActiveImage.reset();
    if (!UsesFullLayerBorder(ASkinData))
        return;
    FAlphaNormalImage = LookAlphaImage(ASkinData, ActivePictureIndex, SkinRect, AlphaMaskPictureIndex);
    FAlphaActiveImage =
        LookAlphaImage(ASkinData, ActivePictureIndex, ActiveSkinRect, AlphaMaskActivePictureIndex);
    FAlphaDownImage = LookAlphaImage(ASkinData, ActivePictureIndex, DownRect, AlphaMaskActivePictureIndex);
    FAlphaInActiveImage =
        LookAlphaImage(ASkinData, ActivePictureIndex, InActiveSkinRect, AlphaMaskInActivePictureIndex);
}

void TbsDataSkinStdButton::InitAlphaImages(const TbsSkinData& ASkinData)
{
    TbsDataSkinButton::InitAlphaImages(ASkinData);
    FAlphaRestoreNormalImage.reset();
    FAlphaRestoreActiveImage.reset();
    FAlphaRestoreDownImage.reset();
    FAlphaInActiveRestoreImage.reset();
    if (!UsesFullLayerBorder(ASkinData))
        return;
    FAlphaRestoreNormalImage =
        LookAlphaImage(ASkinData, ActivePictureIndex, RestoreRect, AlphaMaskPictureIndex);
    FAlphaRestoreActiveImage =
        LookAlphaImage(ASkinData, ActivePictureIndex, RestoreActiveRect, AlphaMaskActivePictureIndex);
    FAlphaRestoreDownImage =
        LookAlphaImage(ASkinData, ActivePictureIndex, RestoreDownRect, AlphaMaskActivePictureIndex);
    FAlphaInActiveRestoreImage =
        LookAlphaImage(ASkinData, ActivePictureIndex, RestoreInActiveRect, AlphaMaskInActivePictureIndex);
}
