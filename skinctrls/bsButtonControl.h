// What the push button and the speed button share: their caption and glyph, the pointer state,
// the click event and the mouse tracking of hot and pressed looks.
#pragma once

#include "TApplication.h"
#include "bsButtonGlyph.h"
#include "bsButtonState.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <functional>

class TImageList;

// Base is TbsSkinCustomControl or TbsGraphicSkinCustomControl. Every change of the content repaints.
template <class Base> class TbsButtonControl : public Base {
public:
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

    bool MouseIn() const { return FState.MouseIn; }

    // The click; OnClick runs through the general error display.
    virtual void ButtonClick() { FireEvent(OnClick); }

    std::function<void()> OnClick;

protected:
    // The content as drawn now: enabled, hot and pressed as the button is.
    TbsGlyphAndCaption Content(bool pressed) const
    {
        TbsGlyphAndCaption content = FContent;
        content.Enabled = this->isEnabled();
        content.Hot = FState.MouseIn;
        content.Down = pressed;
        return content;
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (FState.Move(this->rect().contains(event->position().toPoint())))
            this->update();
    }
    void enterEvent(QEnterEvent* event) override
    {
        Base::enterEvent(event);
        if (!this->isEnabled())
            return;
        FState.MouseIn = true;
        this->update();
    }
    void leaveEvent(QEvent* event) override
    {
        Base::leaveEvent(event);
        FState.MouseIn = false;
        this->update();
    }

    TbsGlyphAndCaption FContent;
    TbsButtonState FState;

private:
    template <class T, class V> void Set(T& field, const V& value)
    {
        field = value;
        this->update();
    }
};
