// The frame objects of a skinned window: the caption, the caption buttons and the other active
// parts of the frame, each drawn from one skin object record or, without a skin, by default.
#pragma once

#include "bsDataSkinObjects.h"

#include <QRect>
#include <QString>

class QPainter;
class TbsSkinForm;

// The base of every frame object. Rectangles are copied out of the record when the object is
// created, so an object never reads its record again; ObjectRect is its place in the window.
class TbsActiveSkinObject {
public:
    // ARecord is none for the default buttons.
    TbsActiveSkinObject(TbsSkinForm* AParent, const TbsDataSkinObject* ARecord);
    virtual ~TbsActiveSkinObject() = default;

    // The object's picture at ObjectRect. UpDate is false while the whole frame is painted (fixed
    // parts of the frame picture are then already there) and true when the object is repainted alone.
    virtual void Draw(QPainter& C, bool UpDate);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void MouseDown(int X, int Y, Qt::MouseButton AButton);
    virtual void MouseUp(int X, int Y, Qt::MouseButton AButton);
    virtual void DblClick() {}
    // Whether the object takes the pointer at P (object coordinates): everywhere without a mask
    // picture, else where the mask is black; nowhere beyond the mask picture.
    virtual bool PointInObject(const QPoint& P) const;
    // Whether the cross-fade still has a step to go.
    bool CanMorphing() const;
    // Morphing is on for the object, the skin and the repository's effects.
    bool EnableMorphing() const;

    TbsSkinForm* Parent;
    QString IDName;
    QString Hint;
    int ActivePictureIndex = -1;
    int ActiveMaskPictureIndex = -1;
    QRect SkinRect, ActiveSkinRect, InActiveSkinRect;
    QRect ObjectRect;
    bool SkinRectInAPicture = false;
    bool Active = false;
    bool FMouseIn = false;
    bool Enabled = true;
    bool Visible = true;
    bool Morphing = false;
    TbsMorphKind MorphKind = mkDefault;
    double FMorphKf = 0;

protected:
    // Copies the part R of the picture this object draws from (the active picture for in-picture
    // objects, else the frame picture) to ObjectRect, cross-faded towards AMorphTo while morphing.
    void DrawPart(QPainter& C, const QRect& R, const QRect& AMorphTo = QRect()) const;
    const QImage& SourcePicture() const;
    // Starts the parent's shared cross-fade timer, or repaints at once without morphing.
    void Changed();
};

// A frame button with a pressed and a disabled look.
class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsSkinForm* AParent, const TbsDataSkinButton* ARecord);
    void Draw(QPainter& C, bool UpDate) override;
    void MouseEnter() override;
    void MouseDown(int X, int Y, Qt::MouseButton AButton) override;
    void MouseUp(int X, int Y, Qt::MouseButton AButton) override;

    bool FDown = false;
    QRect DownRect, DisableSkinRect;
};

// A caption button carrying a window command; without a record it draws the built-in look.
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsSkinForm* AParent, const TbsDataSkinStdButton* ARecord);
    // A default button: no record, a one-pixel picture rectangle and the given name and command.
    TbsSkinStdButtonObject(TbsSkinForm* AParent, const QString& AName, TbsStdCommand ACommand);
    void Draw(QPainter& C, bool UpDate) override;
    void MouseEnter() override;
    void MouseDown(int X, int Y, Qt::MouseButton AButton) override;
    void MouseUp(int X, int Y, Qt::MouseButton AButton) override;
    void DblClick() override;

    // The maximize button of a maximized window, the minimize button of a minimized one.
    bool RestoreState() const;

    TbsStdCommand Command = cmDefault;
    QRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    QString RestoreHint;
    bool FSkinSupport = true;

private:
    void DrawDefault(QPainter& C) const;
};

// The caption: the window's text on the frame picture, or on its own background picture.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsSkinForm* AParent, const TbsDataSkinCaption* ARecord);
    void Draw(QPainter& C, bool UpDate) override;
    void MouseEnter() override {}
    void MouseLeave() override {}

    // Where the text goes for the current ObjectRect.
    QRect TextRect() const;
    // The text as drawn: the window's caption shortened to the text rectangle.
    QString ShownText() const;
    QFont CaptionFont() const;
    QColor CaptionColor() const;

    QRect TextRct;
    QString FontName;
    int FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0, ActiveFontColor = 0;
    TAlignment Alignment = taCenter;
    bool Light = false, Shadow = false;
    // The caption animation: the strip AnimateSkinRect of the active picture cut into FrameCount
    // frames, CurrentFrame 1 to FrameCount shown, 0 for none.
    QRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
    int CurrentFrame = 0;
    int FIncTime = 0;
    // A strip with at least one frame of at least one pixel.
    bool Animated() const;
    // The picture rectangle of frame AFrame (1-based) of the strip.
    QRect AnimationFrame(int AFrame) const;
    TColor LightColor = 0, ActiveLightColor = 0, ShadowColor = 0, ActiveShadowColor = 0;

private:
    void DrawText(QPainter& C) const;
};

// The built-in glyphs of the default caption buttons and the skinned menus' system commands,
// drawn in colour AColor with their origin at (X, Y).
enum TbsDefaultGlyph { dgClose, dgMaximize, dgRestore, dgMinimize, dgSysMenu, dgRollUp, dgRollDown, dgTray };
void DrawDefaultGlyph(QPainter& C, TbsDefaultGlyph AGlyph, int X, int Y, const QColor& AColor);
