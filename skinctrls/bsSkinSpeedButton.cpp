// Skinned speed button: which state picture it shows, flat and transparent faces, default look.
#include "bsSkinSpeedButton.h"

#include "bsColors.h"
#include "bsDefaultLook.h"

#include <QPainter>

TbsSkinSpeedButton::TbsSkinSpeedButton(QWidget* parent) : TbsButtonControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("toolbutton"));
    FContent.ImageIndex = 0;
    QWidget::resize(25, 25);
}

void TbsSkinSpeedButton::SetShowCaption(bool value)
{
    FShowCaption = value;
    if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0)
        resize(value ? FWidthWithCaption : FWidthWithoutCaption, height());
    else
        update();
}

void TbsSkinSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    SetTransparent(value);
}

void TbsSkinSpeedButton::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

void TbsSkinSpeedButton::MouseEnter()
{
    if (isEnabled())
        TbsButtonControl::MouseEnter();
}

TbsGlyphAndCaption TbsSkinSpeedButton::ShownContent(bool hot, bool down) const
{
    TbsGlyphAndCaption content = Content(hot, down);
    if (!FShowCaption)
        content.Caption.clear();
    return content;
}

void TbsSkinSpeedButton::DrawSkinImage(QImage& B)
{
    if (CanMorph() && FMorphKf > 0 && FMorphKf < 1) {
        B = MorphedImage(DrawButtonImage(NormalRect(), false, false),
                         DrawButtonImage(ActiveRect(), true, false), FSkin.MorphKind, FMorphKf);
        return;
    }
    if (FDown && (FGroupIndex != 0 || FMouseIn))
        B = DrawButtonImage(FSkin.DownSkinRect, true, true);
    else if (FMouseIn || (CanMorph() && FMorphKf >= 1))
        B = DrawButtonImage(ActiveRect(), true, false);
    else if (FTransparent)
        DrawTransparentContent(B);
    else if (isEnabled() || FSkin.DisabledSkinRect.IsEmpty())
        B = DrawButtonImage(NormalRect(), false, false);
    else
        B = DrawButtonImage(FSkin.DisabledSkinRect, false, false);
}

// A transparent button away from the pointer: only its glyph and caption over the parent.
void TbsSkinSpeedButton::DrawTransparentContent(QImage& B)
{
    QPainter painter(&B);
    QFont font = FUseSkinFont ? SkinCaptionFont() : FDefaultFont;
    painter.setFont(font);
    const TbsSkinColors* colours = FLink.Colors();
    QColor colour = FDefaultFontColor;
    if (colours && !isEnabled())
        colour = ColorToQColor(colours->FcBtnShadow);
    else if (colours && FUseSkinFontColor)
        colour = ColorToQColor(colours->FcBtnText);
    painter.setPen(colour);
    DrawContent(painter, FNew.ClRect, false, false);
}

void TbsSkinSpeedButton::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const bool pressed = Pressed();
    if (pressed || FMouseIn) {
        DrawDefaultButtonFace(painter, B.rect(), pressed, true);
    } else if (!FFlat) {
        const QColor frame = ColorToQColor(DarkerColor(clBtnFace, 15));
        painter.fillRect(B.rect(), SysBtnFace());
        DrawFrame(painter, B.rect(), frame);
    } else if (!FTransparent) {
        painter.fillRect(B.rect(), SysBtnFace());
    }
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? DefaultButtonTextColor(pressed, FMouseIn) : SysBtnShadow());
    DrawContent(painter, B.rect(), FMouseIn, pressed);
}
