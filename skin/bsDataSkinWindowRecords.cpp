// The key tables of the fixed window records and the layered frame's alpha images.
#include "bsDataSkinWindowRecords.h"

#include "bsSkinData.h"

const TbsKeyTable& TbsDataSkinPopupWindow::KeyTable()
{
    using Self = TbsDataSkinPopupWindow;
    static const Self defaults;
    static const TbsKeyTable table(defaults,
                                   {
                                       Key<&Self::WindowPictureIndex>("windowpictureindex"),
                                       Key<&Self::MaskPictureIndex>("maskpictureindex"),
                                       Key<&Self::LTPoint>("lefttoppoint"),
                                       Key<&Self::RTPoint>("righttoppoint"),
                                       Key<&Self::LBPoint>("leftbottompoint"),
                                       Key<&Self::RBPoint>("rightbottompoint"),
                                       Key<&Self::ItemsRect>("itemsrect"),
                                       Key<&Self::ScrollMarkerColor>("scrollmarkercolor"),
                                       Key<&Self::ScrollMarkerActiveColor>("scrollmarkeractivecolor"),
                                       Key<&Self::LeftStretch>("leftstretch"),
                                       Key<&Self::RightStretch>("rightstretch"),
                                       Key<&Self::TopStretch>("topstretch"),
                                       Key<&Self::BottomStretch>("bottomstretch"),
                                       Key<&Self::StretchEffect>("stretcheffect"),
                                       Key<&Self::StretchType>("stretchtype"),
                                   });
    return table;
}

const TbsKeyTable& TbsDataSkinHintWindow::KeyTable()
{
    using Self = TbsDataSkinHintWindow;
    static const Self defaults;
    static const TbsKeyTable table(defaults, {
                                                 Key<&Self::WindowPictureIndex>("windowpictureindex"),
                                                 Key<&Self::MaskPictureIndex>("maskpictureindex"),
                                                 Key<&Self::LTPoint>("lefttoppoint"),
                                                 Key<&Self::RTPoint>("righttoppoint"),
                                                 Key<&Self::LBPoint>("leftbottompoint"),
                                                 Key<&Self::RBPoint>("rightbottompoint"),
                                                 Key<&Self::ClRect>("clientrect"),
                                                 Key<&Self::FontName>("fontname"),
                                                 Key<&Self::FontHeight>("fontheight"),
                                                 Key<&Self::FontStyle>("fontstyle"),
                                                 Key<&Self::FontColor>("fontcolor"),
                                                 Key<&Self::LeftStretch>("leftstretch"),
                                                 Key<&Self::RightStretch>("rightstretch"),
                                                 Key<&Self::TopStretch>("topstretch"),
                                                 Key<&Self::BottomStretch>("bottomstretch"),
                                                 Key<&Self::StretchEffect>("stretcheffect"),
                                                 Key<&Self::StretchType>("stretchtype"),
                                             });
    return table;
}

const TbsKeyTable& TbsDataSkinLayerFrame::KeyTable()
{
    using Self = TbsDataSkinLayerFrame;
    static const Self defaults;
    static const TbsKeyTable table(defaults,
                                   {
                                       Key<&Self::PictureIndex>("pictureindex"),
                                       Key<&Self::MaskPictureIndex>("maskpictureindex"),
                                       Key<&Self::InActivePictureIndex>("inactivepictureindex"),
                                       Key<&Self::InActiveMaskPictureIndex>("inactivemaskpictureindex"),
                                       Key<&Self::LTPoint>("lefttoppoint"),
                                       Key<&Self::RTPoint>("righttoppoint"),
                                       Key<&Self::LBPoint>("leftbottompoint"),
                                       Key<&Self::RBPoint>("rightbottompoint"),
                                       Key<&Self::ClRect>("clientrect"),
                                       Key<&Self::AlphaBlendValue>("alphablendvalue"),
                                       Key<&Self::InActiveAlphaBlendValue>("inactivealphablendvalue"),
                                       Key<&Self::BorderRect>("borderrect"),
                                       Key<&Self::HitTestEnable>("hittestenable"),
                                       Key<&Self::FullBorder>("fullborder"),
                                       Key<&Self::HitTestSize>("hittestsize"),
                                       Key<&Self::CaptionRect>("captionrect"),
                                       Key<&Self::HitTestLTPoint>("hittestlefttoppoint"),
                                       Key<&Self::HitTestRTPoint>("hittestrighttoppoint"),
                                       Key<&Self::HitTestLBPoint>("hittestleftbottompoint"),
                                       Key<&Self::HitTestRBPoint>("hittestrightbottompoint"),
                                       Key<&Self::ButtonsRect>("buttonsrect"),
                                       Key<&Self::SysMenuButtonRect>("sysmenubuttonrect"),
                                       Key<&Self::FullStretch>("fullstretch"),
                                       Key<&Self::RollUpFormHeight>("rollupformheight"),
                                       Key<&Self::ButtonsTopOffset>("buttonstopoffset"),
                                       Key<&Self::SysButtonTopOffset>("sysbuttontopoffset"),
                                       Key<&Self::BlurMaskPictureIndex>("blurmaskpictureindex"),
                                       Key<&Self::IntersectBlurMaskRect>("intersectblurmaskrect"),
                                       Key<&Self::ExcludeBlurMaskRect>("excludeblurmaskrect"),
                                       Key<&Self::LeftOffset>("leftoffset"),
                                       Key<&Self::TopOffset>("topoffset"),
                                       Key<&Self::WidthOffset>("widthoffset"),
                                       Key<&Self::HeightOffset>("heightoffset"),
                                   });
    return table;
}

// The whole picture APictureIndex with the mask picture AMaskIndex as its alpha; nothing unless
// both are in the list. A mask smaller than the picture gives alpha 0 where it has no pixels.
static std::unique_ptr<TbsBitmap> LayerAlphaImage(const TbsSkinData& ASkinData, int APictureIndex,
                                                  int AMaskIndex)
{
    const TbsSkinPicture* picture = ASkinData.ActivePicture(APictureIndex);
    const TbsSkinPicture* mask = ASkinData.ActivePicture(AMaskIndex);
    if (!picture || !mask || picture->Empty())
        return nullptr;
    auto image = std::make_unique<TbsBitmap>(picture->Image());
    image->AlphaFromMask(mask->Image());
    image->CheckingAlphaBlend();
    return image;
}

void TbsDataSkinLayerFrame::InitAlphaImages(const TbsSkinData& ASkinData)
{
    FSourceBitmap = LayerAlphaImage(ASkinData, PictureIndex, MaskPictureIndex);
    FSourceInActiveBitMap = LayerAlphaImage(ASkinData, InActivePictureIndex, InActiveMaskPictureIndex);
}
