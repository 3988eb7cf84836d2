// The program's frame settings, the same in every skinned window.
#include "ProgramSkinForm.h"

#include "TForm.h"
#include "bsSkinForm.h"
#include "bsSkinLink.h"

TbsSkinForm* AttachProgramSkinForm(TForm* AForm, TbsSkinData* ASkinData)
{
    auto* form = new TbsSkinForm(AForm);
    form->setObjectName(QStringLiteral("bsSkinForm1"));
    form->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
    form->ShowIcon = false;
    form->UseSkinFontInCaption = true;
    form->UseSkinFontInMenu = true;
    form->DefCaptionFont = SkinRecordFont(QStringLiteral("Tahoma"), 13, fsBold);
    form->DefCaptionFontColor = clBtnText;
    form->DefInActiveCaptionFont = form->DefCaptionFont;
    form->DefInActiveCaptionFontColor = clBtnShadow;
    form->MenusFont = SkinRecordFont(QStringLiteral("Tahoma"), 13, {});
    form->DefMenuItemHeight = 20;
    form->UseDefaultSysMenu = true;
    form->Magnetic = false;
    form->MagneticSize = 5;
    form->SetAlphaBlendValue(200);
    form->SetAlphaBlend(false);
    form->SetSkinData(ASkinData);
    return form;
}
