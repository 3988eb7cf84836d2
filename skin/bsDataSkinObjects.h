// The window-frame skin objects: caption, caption buttons and menu items, listed in [SKINOBJECTS].
#pragma once

#include "bsBitmap.h"
#include "bsSkinRecord.h"

#include <memory>

class TbsSkinData;

// The base of every skin object. IDName is the object's name and the name of its section. Its
// three looks: SkinRect, cut from the window picture (from the active picture ActivePictureIndex
// when SkinRectInAPicture is true); ActiveSkinRect, the hot look, cut from ActivePictureIndex;
// InActiveSkinRect, the look in an inactive window. The glow fields work as in the button control
// record, with one offset pair.
class TbsDataSkinObject : public TbsSkinRecord
{
  public:
    explicit TbsDataSkinObject(const QString& AIDName = QString()) : IDName(AIDName) {}
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }
    QString SectionName() const override { return IDName; }
    // Rebuilds the object's alpha images from the repository's active pictures; the base has none.
    virtual void InitAlphaImages(const TbsSkinData& ASkinData);

    QString Hint;
    qint32 ActivePictureIndex = -1;
    qint32 ActiveMaskPictureIndex = -1;
    bool SkinRectInAPicture = false;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InActiveSkinRect;
    bool Morphing = false;
    TbsMorphKind MorphKind = mkDefault;
    qint32 GlowLayerPictureIndex = -1;
    qint32 GlowLayerMaskPictureIndex = -1;
    qint32 GlowLayerOffsetX = 0;
    qint32 GlowLayerOffsetY = 0;
    qint32 GlowLayerAlphaBlendValue = 255;
    QString IDName;
};

// A caption button: the object's looks plus a pressed and a disabled look, and the alpha images of its looks
// for a full layered border (type "button"). The disabled look's key is spelled "disableskinrsect".
class TbsDataSkinButton : public TbsDataSkinObject
{
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect DownRect;
    TRect DisableSkinRect;
    qint32 AlphaMaskPictureIndex = -1;
    qint32 AlphaMaskActivePictureIndex = -1;
    qint32 AlphaMaskInActivePictureIndex = -1;

    // Alpha images of the normal, active, pressed and inactive looks; present only while the
    // skin's layered frame is a full border (InitAlphaImages).
    std::unique_ptr<TbsBitmap> FAlphaNormalImage;
    std::unique_ptr<TbsBitmap> FAlphaActiveImage;
    std::unique_ptr<TbsBitmap> FAlphaDownImage;
    std::unique_ptr<TbsBitmap> FAlphaInActiveImage;

    void InitAlphaImages(const TbsSkinData& ASkinData) override;
};

// A caption button bound to a window command, with the restore looks shown while its command is in effect
// (type "stdbutton").
class TbsDataSkinStdButton : public TbsDataSkinButton
{
  public:
    using TbsDataSkinButton::TbsDataSkinButton;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TbsStdCommand Command = cmDefault;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    QString RestoreHint;

    std::unique_ptr<TbsBitmap> FAlphaRestoreNormalImage;
    std::unique_ptr<TbsBitmap> FAlphaRestoreActiveImage;
    std::unique_ptr<TbsBitmap> FAlphaRestoreDownImage;
    std::unique_ptr<TbsBitmap> FAlphaInActiveRestoreImage;

    // After the keys, an empty RestoreHint of a maximize, minimize or roll-up button becomes "Restore".
    void LoadFromFile(const TbsIniText& ini) override;
    void InitAlphaImages(const TbsSkinData& ASkinData) override;
};

// A standard button drawn on a main menu bar (type "mainmenubarbutton"); it adds no keys.
class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton
{
  public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

// The look of one item of a skinned popup menu (type "menuitem").
class TbsDataSkinMenuItem : public TbsDataSkinObject
{
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 ItemLO = 0;
    qint32 ItemRO = 0;
    TRect DividerRect;
    qint32 DividerLO = 0;
    qint32 DividerRO = 0;
    TRect TextRct;
    TRect ImageRct;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor UnEnabledFontColor = 0;
    bool StretchEffect = false;
    bool InActiveStretchEffect = false;
    bool DividerStretchEffect = false;
    TRect AnimateSkinRect;
    qint32 FrameCount = 0;
    qint32 AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool UseImageColor = false;
    TColor ImageColor = 0;
    TColor ActiveImageColor = 0;
    bool InActiveTransparent = false;
    TRect CheckImageRect;
    TRect ActiveCheckImageRect;
    TRect RadioImageRect;
    TRect ActiveRadioImageRect;
    TRect ArrowImageRect;
    TRect ActiveArrowImageRect;
};

// The look of one item of a menu bar.
class TbsDataSkinMainMenuItem : public TbsDataSkinObject
{
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 ItemLO = 0;
    qint32 ItemRO = 0;
    TRect DownRect;
    TRect TextRct;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor UnEnabledFontColor = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    qint32 FrameCount = 0;
    qint32 AnimateInterval = 25;
    bool InActiveAnimation = false;
};

// The menu bar item that the type "mainmenubaritem" creates; it adds nothing.
class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem
{
  public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

// The title area of a window frame with its text effects, title frame and dividers (type "caption"). The
// reflection colour keys are spelled "reflactioncolor" and "reflactionactivecolor".
class TbsDataSkinCaption : public TbsDataSkinObject
{
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    TRect TextRct;
    QString FontName = QStringLiteral("Tahoma");
    qint32 FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TAlignment Alignment = taCenter;
    bool Light = false;
    TColor LightColor = 0;
    TColor ActiveLightColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0;
    TColor ActiveShadowColor = 0;
    TRect FrameRect;
    TRect ActiveFrameRect;
    TRect FrameTextRect;
    qint32 FrameLeftOffset = 0;
    qint32 FrameRightOffset = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    qint32 FrameCount = 0;
    qint32 AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool FullFrame = false;
    bool VistaGlowEffect = false;
    bool VistaGlowInActiveEffect = false;
    bool GlowEffect = false;
    bool GlowInActiveEffect = false;
    qint32 GlowSize = 3;
    TColor GlowColor = 0;
    TColor GlowActiveColor = 0;
    qint32 GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0;
    TColor ReflectionActiveColor = 0;
    qint32 ReflectionOffset = 0;
    TRect DividerRect;
    TRect InActiveDividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    qint32 QuickButtonAlphaMaskPictureIndex = -1;
};

// An animated object with frames, a command and restore looks (type "animate"); Morphing is always false for
// it.
class TbsDataSkinAnimate : public TbsDataSkinObject
{
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }

    qint32 CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    qint32 TimerInterval = 50;
    TbsStdCommand Command = cmDefault;
    TRect DownSkinRect;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    QString RestoreHint;

    // After the keys: Morphing is false whatever the section says, and RestoreHint gets the
    // default of the standard button.
    void LoadFromFile(const TbsIniText& ini) override;
};

// A named rectangle of the window picture that a program paints on its own (type "userobject").
// It reads and writes only "skinrect", not the other keys of the object base.
class TbsDataUserObject : public TbsDataSkinObject
{
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static const TbsKeyTable& KeyTable();
    const TbsKeyTable& Keys() const override { return KeyTable(); }
};
