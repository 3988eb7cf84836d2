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

    // A flat button shows no face until the pointer is over it; setting Flat sets Transparent too.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Buttons of one parent with the same GroupIndex > 0 keep at most one of them down.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    bool Down() const { return FState.Down; }
    void SetDown(bool value);

protected:
    void DrawDefaultImage(QImage& B) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Pressed() const { return FState.Down && (FGroupIndex != 0 || FState.MouseIn); }
    void ReleaseOthersInGroup();

    bool FShowCaption = true;
    bool FFlat = false;
    bool FTransparent = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FAllowAllUpCheck = false;
};
