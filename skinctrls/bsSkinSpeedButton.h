// The skinned speed button: a tool button that never takes the focus, with an image-list picture
// or glyph, flat and transparent modes and grouped down states.
#pragma once

#include "bsButtonControl.h"
#include "bsSkinControl.h"

class TbsSkinSpeedButton : public TbsButtonControl<TbsGraphicSkinCustomControl> {
    Q_OBJECT
public:
    explicit TbsSkinSpeedButton(QWidget* parent = nullptr);

    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    // When both are set, switching ShowCaption switches between them instead of repainting.
    void SetWidthWithCaption(int value) { FWidthWithCaption = value; }
    void SetWidthWithoutCaption(int value) { FWidthWithoutCaption = value; }

    // A flat button shows no face until the pointer is over it; setting Flat sets Transparent too.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

protected:
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    bool CanMorph() const override { return !FTransparent && TbsButtonControl::CanMorph(); }
    bool FadesOnRefresh() const override
    {
        return !FTransparent && !FFlat && TbsButtonControl::FadesOnRefresh();
    }
    bool CanAnimate() const override { return !FFlat && TbsButtonControl::CanAnimate(); }
    TbsGlyphAndCaption ShownContent(bool hot, bool down) const override;
    void MouseEnter() override;

private:
    bool Pressed() const { return FDown && (FGroupIndex != 0 || FMouseIn); }
    void DrawTransparentContent(QImage& B);

    bool FShowCaption = true;
    int FWidthWithCaption = 0;
    int FWidthWithoutCaption = 0;
    bool FFlat = false;
    bool FTransparent = false;
};
