// What the push button and the speed button share: caption and glyph, the skin record copy, the
// press / release / group rules, auto-repeat, the cross-fade between the normal and hot pictures,
// the frame animation, and rendering one state into an image.
#pragma once

#include "TApplication.h"
#include "bsButtonGlyph.h"
#include "bsButtonState.h"
#include "bsColors.h"
#include "bsControlTimer.h"
#include "bsDefaultLook.h"
#include "bsEffectBmp.h"
#include "bsPaintParts.h"
#include "bsSkinControl.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

class TImageList;

// OnPaint of a button: the canvas, the text rectangle, pressed and hot; clearing DrawDefault
// leaves out the glyph and caption.
using TbsButtonPaintEvent =
    std::function<void(QPainter& Cnvs, const QRect& R, bool ADown, bool AMouseIn, bool& DrawDefault)>;

// Base is TbsSkinCustomControl or TbsGraphicSkinCustomControl. Every change of the content repaints.
template <class Base> class TbsButtonControl : public Base {
public:
    // Auto-repeat waits this long before its first click.
    static constexpr int RepeatDelay = 500;
    static constexpr int MorphInterval = 20;
    static constexpr double MorphStep = 0.2;

    explicit TbsButtonControl(QWidget* parent) : Base(parent) { this->setAttribute(Qt::WA_Hover); }

    QString Caption() const { return FContent.Caption; }
    void SetCaption(const QString& caption) { Set(FContent.Caption, caption); }
    QPixmap Glyph() const { return FContent.Glyph; }
    void SetGlyph(const QPixmap& glyph) { Set(FContent.Glyph, glyph); }
    int NumGlyphs() const { return FContent.NumGlyphs; }
    void SetNumGlyphs(int value) { Set(FContent.NumGlyphs, qBound(1, value, 4)); }
    const TImageList* ImageList() const { return FContent.Images; }
    void SetImageList(const TImageList* images) { Set(FContent.Images, images); }
    int ImageIndex() const { return FContent.ImageIndex; }
    void SetImageIndex(int index) { Set(FContent.ImageIndex, index); }
    TbsButtonLayout Layout() const { return FContent.Layout; }
    void SetLayout(TbsButtonLayout layout) { Set(FContent.Layout, layout); }
    int Margin() const { return FContent.Margin; }
    // Values below -1 are refused.
    void SetMargin(int value)
    {
        if (value >= -1)
            Set(FContent.Margin, value);
    }
    int Spacing() const { return FContent.Spacing; }
    void SetSpacing(int value) { Set(FContent.Spacing, value); }

    // Buttons of one parent and class with the same GroupIndex > 0 keep at most one of them down.
    int GroupIndex() const { return FGroupIndex; }
    virtual void SetGroupIndex(int value) { Set(FGroupIndex, value); }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { Set(FAllowAllUp, value); }
    // The button toggles down and up on each press.
    bool CheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool value)
    {
        FCheckedMode = value;
        if (value)
            SetGroupIndex(-1);
        else if (FGroupIndex == -1)
            SetGroupIndex(0);
        this->update();
    }
    bool Down() const { return FDown; }
    void SetDown(bool value)
    {
        if (FDown == value)
            return;
        FDown = value;
        FMorphKf = 1;
        if (value)
            StopMorph();
        else
            StartMorph();
        if (value && FGroupIndex > 0 && !FAllowAllUp)
            ReleaseOthersInGroup();
        DownChanged();
        this->update();
    }
    // Held down, the button clicks after RepeatDelay ms and then every RepeatInterval ms.
    bool RepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool value) { FRepeatMode = value; }
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int value) { FRepeatInterval = std::max(1, value); }
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value) { Set(FUseSkinFontColor, value); }
    // The skin object dictates the size; without it the picture is stretched to the button.
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value)
    {
        FUseSkinSize = value;
        if (this->SkinLink().Usable())
            this->ChangeSkinData();
    }

    bool MouseIn() const { return FMouseIn; }
    // The cross-fade's progress: 0 the normal picture, 1 the hot one.
    double MorphKf() const { return FMorphKf; }
    const TbsButtonSkin& ButtonSkin() const { return FSkin; }

    // The click; OnClick runs through the general error display.
    virtual void ButtonClick() { FireEvent(OnClick); }
    // Clears hot and down, the cross-fade and the animation, and repaints.
    void RefreshButton()
    {
        FMouseIn = false;
        FDown = false;
        FMorphKf = 0;
        StopMorph();
        StopAnimate();
        this->update();
    }

    void GetSkinData() override
    {
        Base::GetSkinData();
        if (const auto* record = this->FLink.template Typed<TbsDataSkinButtonControl>())
            FSkin = ReadButtonSkin(*record);
        else
            FSkin = TbsButtonSkin();
    }
    void ChangeSkinData() override
    {
        StopMorph();
        StopAnimate();
        FMorphKf = 0;
        Base::ChangeSkinData();
        if (CanMorph() && this->SkinIndex() != -1 && MorphTarget())
            FMorphKf = 1;
    }
    void CalcSkinSize(int& W, int& H) override
    {
        if (FUseSkinSize || this->FResizeMode == 1) {
            Base::CalcSkinSize(W, H);
            return;
        }
        if (this->SkinIndex() == -1)
            return;
        const QSize skin = this->SkinRect.size();
        this->FNew = this->FPart;
        this->FNew.ClRect = this->FPart.ClRect.adjusted(0, 0, W - skin.width(), H - skin.height());
    }

    std::function<void()> OnClick;
    TbsButtonPaintEvent OnPaint;

protected:
    // The state the cross-fade moves towards: hot (or, for the push button, focused too).
    virtual bool MorphTarget() const { return FMouseIn; }
    // Whether this button fades between its normal and hot pictures.
    virtual bool CanMorph() const
    {
        const TbsSkinData* data = this->SkinData();
        return FSkin.Morphing && this->SkinLink().Usable() && data->EnableSkinEffects();
    }
    // Whether the refresh of a pointer or focus change fades rather than repaints.
    virtual bool FadesOnRefresh() const { return CanMorph() && this->SkinIndex() != -1; }
    virtual bool CanAnimate() const
    {
        return this->SkinLink().Usable() && this->SkinData()->EnableSkinEffects() &&
               this->SkinIndex() != -1 && !FSkin.AnimateSkinRect.IsEmpty() && FSkin.FrameCount > 0;
    }
    virtual void DownChanged() {}
    // Whether the enter and leave of the pointer change what the button shows.
    virtual bool PointerRefreshes() const { return FGroupIndex != 0 ? !FDown : true; }

    // Start of the fade or a repaint.
    void Refresh()
    {
        if (FadesOnRefresh())
            StartMorph();
        else
            this->update();
    }

    void StartMorph()
    {
        if (!MorphTimer) {
            MorphTimer = CreateControlTimer(this);
            MorphTimer->OnTimer = [this] { MorphTick(); };
        }
        if (!MorphTimer->Active())
            MorphTimer->Start(MorphInterval);
    }
    void StopMorph()
    {
        if (MorphTimer)
            MorphTimer->Stop();
    }
    virtual void MorphTick()
    {
        const bool target = MorphTarget();
        if (this->SkinIndex() == -1 || !CanMorph()) {
            FMorphKf = target ? 1 : 0;
            StopMorph();
            this->update();
            return;
        }
        if (target && FMorphKf < 1)
            FMorphKf += MorphStep;
        else if (!target && FMorphKf > 0)
            FMorphKf -= MorphStep;
        // Steps of 0.2 do not add up to exactly 1 in binary; the ends snap.
        if (FMorphKf >= 1 - 1e-9) {
            FMorphKf = 1;
            if (target)
                StopMorph();
        } else if (FMorphKf <= 1e-9) {
            FMorphKf = 0;
            if (!target)
                StopMorph();
        }
        this->update();
    }

    // The frame animation towards hot (forward) or back to normal.
    void StartAnimate(bool forward)
    {
        if (!CanAnimate())
            return;
        AnimateInc = forward;
        CurrentFrame = forward ? 1 : FSkin.FrameCount;
        if (!AnimateTimer) {
            AnimateTimer = CreateControlTimer(this);
            AnimateTimer->OnTimer = [this] { AnimateTick(); };
        }
        AnimateTimer->Start(std::max(1, FSkin.AnimateInterval));
        this->update();
    }
    void StopAnimate()
    {
        if (AnimateTimer)
            AnimateTimer->Stop();
        CurrentFrame = 0;
    }
    void AnimateTick()
    {
        CurrentFrame += AnimateInc ? 1 : -1;
        if (CurrentFrame > FSkin.FrameCount || CurrentFrame < 1)
            StopAnimate();
        this->update();
    }
    bool Animating() const { return AnimateTimer && AnimateTimer->Active() && CurrentFrame >= 1; }
    // The state rectangles while a frame animation shows frame CurrentFrame.
    TRect AnimatedRect(const TRect& normal, bool towardsHot) const
    {
        if (!Animating() || AnimateInc != towardsHot || CurrentFrame > FSkin.FrameCount)
            return normal;
        const QRect frame = AnimationFrameRect(ExactRect(FSkin.AnimateSkinRect), ExactRect(FSkin.SkinRect),
                                               FSkin.FrameCount, CurrentFrame);
        if (frame.isEmpty())
            return normal;
        return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    }
    TRect ActiveRect() const { return AnimatedRect(FSkin.ActiveSkinRect, true); }
    TRect NormalRect() const { return AnimatedRect(FSkin.SkinRect, false); }

    void StartRepeat()
    {
        if (!RepeatTimer) {
            RepeatTimer = CreateControlTimer(this);
            RepeatTimer->OnTimer = [this] { RepeatTick(); };
        }
        RepeatTimer->Start(RepeatDelay);
    }
    void StopRepeat()
    {
        if (RepeatTimer)
            RepeatTimer->Stop();
    }
    void RepeatTick()
    {
        if (RepeatTimer->Interval() != FRepeatInterval)
            RepeatTimer->Start(FRepeatInterval);
        ButtonClick();
    }

    // The content as drawn now: enabled, hot and pressed as the button is.
    TbsGlyphAndCaption Content(bool hot, bool pressed) const
    {
        TbsGlyphAndCaption content = FContent;
        content.Enabled = this->isEnabled();
        content.Hot = hot;
        content.Down = pressed;
        return content;
    }

    // The font and colour of the caption in the skin look.
    QFont SkinCaptionFont() const
    {
        return this->FUseSkinFont ? SkinRecordFont(FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle)
                                  : this->FDefaultFont;
    }
    QColor SkinCaptionColor(bool hot, bool down) const
    {
        if (this->isEnabled() && !FUseSkinFontColor)
            return this->FDefaultFontColor;
        if (!this->isEnabled())
            return ColorToQColor(FSkin.DisabledFontColor);
        if (hot && down)
            return ColorToQColor(FSkin.DownFontColor);
        if (hot)
            return ColorToQColor(FSkin.ActiveFontColor);
        return ColorToQColor(FSkin.FontColor);
    }

    // The picture of one state at the control's size, with its glyph and caption.
    QImage DrawButtonImage(const TRect& look, bool hot, bool down)
    {
        QImage B(this->size(), QImage::Format_ARGB32_Premultiplied);
        B.fill(Qt::transparent);
        QRect textRect = this->FNew.ClRect;
        if (!FUseSkinSize && this->FResizeMode != 1) {
            textRect = StretchedLook(B, look);
        } else if (ShowsParentBackground(hot, down)) {
            this->DrawParentBackground(B);
        } else {
            this->DrawSkinPart(B, look);
            if (B.size() != this->size()) {
                QImage sized(this->size(), QImage::Format_ARGB32_Premultiplied);
                sized.fill(Qt::transparent);
                QPainter(&sized).drawImage(0, 0, B);
                B = sized;
            }
        }
        if (B.format() != QImage::Format_ARGB32_Premultiplied)
            B = B.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&B);
        painter.setFont(SkinCaptionFont());
        painter.setPen(SkinCaptionColor(hot, down));
        DrawFocus(painter, textRect);
        DrawContent(painter, textRect, hot, down);
        return B;
    }
    // OnPaint, then the glyph and caption.
    void DrawContent(QPainter& painter, const QRect& textRect, bool hot, bool down)
    {
        bool drawDefault = true;
        if (OnPaint)
            OnPaint(painter, textRect, down, hot, drawDefault);
        if (drawDefault)
            DrawButtonContent(painter, textRect, ShownContent(hot, down));
    }
    virtual TbsGlyphAndCaption ShownContent(bool hot, bool down) const { return Content(hot, down); }
    virtual bool ShowsParentBackground(bool, bool) const { return false; }
    virtual void DrawFocus(QPainter&, const QRect&) {}

    // The state picture stretched to the whole control (no skin size); answers the text rectangle.
    QRect StretchedLook(QImage& B, const TRect& look) const
    {
        const QImage picture = this->FLink.Picture(FSkin.PictureIndex);
        const QRect part = ExactRect(look).intersected(picture.rect());
        const QSize grow = this->size() - this->SkinRect.size();
        const QRect text = this->FPart.ClRect.adjusted(0, 0, grow.width(), grow.height());
        if (picture.isNull() || part.isEmpty())
            return text;
        if (this->FResizeMode == 0) {
            QPainter(&B).drawImage(B.rect(), picture, part);
        } else {
            QImage target(this->size(), QImage::Format_RGB32);
            PaintStretchedPart(target, picture, ExactRect(look), true, this->FPart.ClRect);
            B = target;
        }
        return text;
    }

    void ReleaseOthersInGroup()
    {
        if (!this->parentWidget())
            return;
        for (QObject* child : this->parentWidget()->children())
            if (auto* other = dynamic_cast<TbsButtonControl*>(child))
                if (other != this && other->FGroupIndex == FGroupIndex && typeid(*other) == typeid(*this))
                    other->SetDown(false);
    }

    // Left button down and up, as the press and release rules of both buttons say.
    void Press()
    {
        StopAnimate();
        FMouseDown = true;
        if (!FDown) {
            FMouseIn = true;
            SetDown(true);
            if (FCheckedMode) {
                FStopMouseUp = true;
                ButtonClick();
            } else if (FRepeatMode && FGroupIndex == 0) {
                StartRepeat();
            } else if (FGroupIndex != 0) {
                ButtonClick();
            }
            FAllowAllUpCheck = false;
        } else if (FGroupIndex != 0) {
            FAllowAllUpCheck = true;
        }
    }
    void Release()
    {
        FMouseDown = false;
        if (FCheckedMode) {
            if (FStopMouseUp) {
                FStopMouseUp = false;
            } else {
                SetDown(false);
                ButtonClick();
            }
            return;
        }
        if (FGroupIndex == 0) {
            StopRepeat();
            if (FMouseIn) {
                const bool wasDown = FDown;
                SetDown(false);
                if (wasDown)
                    ButtonClick();
            } else {
                FDown = false;
                this->update();
            }
        } else if (FDown && FAllowAllUp && FAllowAllUpCheck && FMouseIn) {
            SetDown(false);
            ButtonClick();
        }
    }

    virtual void MouseEnter()
    {
        FMouseIn = true;
        if (PointerRefreshes()) {
            if (FDown) {
                FMorphKf = 1;
                this->update();
            } else {
                StartAnimate(true);
                Refresh();
            }
        }
        if (FDown && FRepeatMode && FMouseDown && FGroupIndex == 0)
            StartRepeat();
    }
    virtual void MouseLeave()
    {
        if (!KeepsHotOnLeave())
            FMouseIn = false;
        if (PointerRefreshes()) {
            if (FDown) {
                this->update();
            } else {
                StartAnimate(false);
                Refresh();
            }
        }
        StopRepeat();
    }
    virtual bool KeepsHotOnLeave() const { return false; }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            Press();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && FMouseDown)
            Release();
    }
    // While held, the pressed look follows the pointer (bounds 0..Width and 0..Height inclusive).
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!FMouseDown)
            return;
        const QPoint p = event->position().toPoint();
        const bool inside = p.x() >= 0 && p.y() >= 0 && p.x() <= this->width() && p.y() <= this->height();
        if (inside && !FMouseIn)
            MouseEnter();
        else if (!inside && FMouseIn)
            MouseLeave();
    }
    void enterEvent(QEnterEvent* event) override
    {
        Base::enterEvent(event);
        if (this->isEnabled() && !FMouseIn)
            MouseEnter();
    }
    void leaveEvent(QEvent* event) override
    {
        Base::leaveEvent(event);
        if (!FMouseDown && FMouseIn)
            MouseLeave();
    }
    void changeEvent(QEvent* event) override
    {
        Base::changeEvent(event);
        if (event->type() == QEvent::EnabledChange) {
            StopMorph();
            FMorphKf = 0;
            FMouseIn = false;
            this->update();
        }
    }

    TbsGlyphAndCaption FContent;
    TbsButtonSkin FSkin;
    bool FMouseIn = false;   // the pointer is over the button (hot)
    bool FMouseDown = false; // the left button went down on it and is held
    bool FDown = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FAllowAllUpCheck = false; // a press on a down group button may release it
    bool FCheckedMode = false;
    bool FStopMouseUp = false; // the release of the press that checked the button does not uncheck it
    bool FRepeatMode = false;
    int FRepeatInterval = 100;
    bool FUseSkinFontColor = true;
    bool FUseSkinSize = true;
    double FMorphKf = 0;
    int CurrentFrame = 0;
    bool AnimateInc = false;
    std::unique_ptr<TbsControlTimer> MorphTimer, RepeatTimer, AnimateTimer;

private:
    template <class T, class V> void Set(T& field, const V& value)
    {
        field = value;
        this->update();
    }
};

// The blend of two state pictures by the transition kind at progress kf.
inline QImage MorphedImage(const QImage& normal, const QImage& hot, TbsMorphKind kind, double kf)
{
    TbsEffectBmp from(normal);
    from.MorphByKind(kind, TbsEffectBmp(hot), kf);
    return from.Image();
}
