// The skinned window frame: the component that replaces a window's frame, caption and caption
// buttons with the skin's pictures, its frame objects and its layered border.
#pragma once

#include "bsFormLayerBorder.h"
#include "bsFrameObjects.h"
#include "bsPaintParts.h"

#include <QFlags>
#include <QFont>
#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class TForm;
class TbsSkinData;

enum TbsBorderIcon : quint8 {
    biSystemMenu = 1,
    biMinimize = 2,
    biMaximize = 4,
    biRollUp = 8,
    biMinimizeToTray = 16,
};
Q_DECLARE_FLAGS(TbsBorderIcons, TbsBorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TbsBorderIcons)

enum TbsWindowState { wsNormal, wsMinimized, wsMaximized };

// Attached to its window (its owner), it makes the window a frameless top-level, gives the frame
// the margins around the client widget, paints frame and client background, and handles the
// pointer over the frame. Client sizes stay the client widget's: the window grows by the frame.
// Its event filter on the window stands in for the replaced window procedure.
class TbsSkinForm : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinForm(TForm* AForm);
    ~TbsSkinForm() override;

    TForm* Form() const { return FForm; }
    TbsSkinData* SkinData() const { return FSD.data(); }
    // Stores the repository, takes over its SkinnableForm and re-skins at once.
    void SetSkinData(TbsSkinData* AValue);
    TbsBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TbsBorderIcons AValue);
    bool HideCaptionButtons() const { return FHideCaptionButtons; }
    void SetHideCaptionButtons(bool AValue);

    // Settings. Captions of the default look use DefCaptionFont in colour DefCaptionFontColor when
    // the window is active and the inactive pair otherwise.
    QFont DefCaptionFont;
    TColor DefCaptionFontColor = clBtnText;
    QFont DefInActiveCaptionFont;
    TColor DefInActiveCaptionFontColor = clBtnShadow;
    bool UseSkinFontInCaption = true;
    bool UseSkinFontInMenu = true;
    QFont MenusFont;
    int DefMenuItemHeight = 20;
    bool UseDefaultSysMenu = true;
    bool ShowIcon = false;
    bool Magnetic = false;
    int MagneticSize = 5;
    bool AlphaBlend = false;
    int AlphaBlendValue = 200;
    QImage LogoBitMap;
    bool LogoBitMapTransparent = false;

    // Replaces the drawing of the caption text: canvas, caption rectangle, window active.
    std::function<void(QPainter& C, const QRect& R, bool AActive)> OnCaptionPaint;
    std::function<void()> OnBeforeChangeSkinData;
    std::function<void()> OnChangeSkinData;
    std::function<void()> OnAfterChangeSkinData;

    // A repository is set that holds a skin with a main picture.
    bool SkinSupport() const { return FSkinSupport; }
    // The frame is the component's; false gives the window the platform's frame.
    bool SkinnableForm() const { return FSkinnableForm; }
    bool GetFormActive() const;
    TbsWindowState WindowState() const { return FWindowState; }
    // Normal, minimized (by the platform) or maximized to the work area of the window's screen.
    void SetWindowState(TbsWindowState AValue);
    bool RollUpState() const { return false; }

    // The frame margins for the current skin: the skin's client inset, the default frame, or none.
    QMargins ClientInset() const;
    // Width limits of the window (0: none set). GetMinWidth: without a skin MinWidth, or 120; with
    // one MinWidth when wider than the frame picture, else the skin's minimum width (or MinWidth
    // when larger), else the picture's width. GetMaxWidth: MaxWidth, or the work area's width.
    int MinWidth = 0;
    int MaxWidth = 0;
    int GetMinWidth() const;
    int GetMaxWidth() const;
    // Scaled geometry for the window's size, and the placement of the frame objects in it.
    void CalcRects();
    void CalcObjectRects();
    void CalcDefRects();

    // Painting onto any device of the window's size: the frame (skin or default look), the client
    // background, and one object alone.
    void PaintNCSkin(QPainter& C);
    void PaintNCDefault(QPainter& C);
    void PaintBG(QPainter& C);
    void PaintObject(QPainter& C, TbsActiveSkinObject* AObject);
    // Repaints one frame object on the window.
    void DrawSkinObject(TbsActiveSkinObject* AObject);
    // Repaints the whole frame.
    void UpDateFormNC();

    // The frame objects; the object at window point P that takes the pointer, or -1.
    std::vector<std::unique_ptr<TbsActiveSkinObject>> ObjectList;
    int ObjectAt(const QPoint& P) const;
    TbsActiveSkinObject* FindObject(const QString& AIDName) const;
    TbsSkinCaptionObject* CaptionObject() const;
    int ActiveObject = -1;
    int MouseCaptureObject = -1;

    // Runs a caption button's command.
    void RunCommand(TbsStdCommand ACommand);

    // Skin change protocol (the repository's messages reach these through the event filter).
    void BeforeChangeSkinData();
    void ChangeSkinData();
    void AfterChangeSkinData();

    // The repository's active picture AIndex as 32-bit image, null for none.
    const QImage& ActivePicture(int AIndex) const;
    // The frame picture in force: the inactive one for an inactive window when the skin has one.
    const QImage& FramePicture() const;
    const QImage& MainPicture() const { return FPicture; }

    TbsFormLayerBorder* LayerBorder() const { return FLayerBorder.get(); }
    // Whether the layered border is in use for this window now.
    bool CanShowLayeredBorder() const;

    // The cross-fade timer shared by every object (25 ms).
    QTimer* MorphTimer() const { return FMorphTimer; }
    void StartMorph();

    // Geometry for the size last computed.
    int FFormWidth = 0, FFormHeight = 0;
    QPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    QRect NewClRect, NewCaptionRect, NewButtonsRect, NewMaskRectArea, NewDefCaptionRect;
    int NewButtonsOffset = 0;
    bool NewButtonsInLeft = false;

    static constexpr int DefCaptionHeight = 19;
    static constexpr int DefButtonSize = 17;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFrameHint();
    void ApplyMargins();
    void CreateSkinObjects();
    void CreateDefaultObjects();
    void CheckObjects();
    void ClearObjects();
    void SizeChanged();
    void SetFormRegion();
    void PaintWindow(QPaintEvent* event);
    void FormActiveChanged();
    void MorphTimerTimer();
    void MouseMove(const QPoint& P);
    void MouseLeaveFrame();
    bool MousePress(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    bool HandleSkinMessage(QEvent* event);
    void FollowWithLayeredBorder();
    void PaintCaptionDefault(QPainter& C, const QRect& R);
    void PrepareClientTile();

    TForm* FForm;
    QPointer<TbsSkinData> FSD;
    TbsBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
    bool FHideCaptionButtons = false;
    bool FSkinSupport = false;
    bool FSkinnableForm = true;
    bool FStopPainting = false;
    bool FFormActive = false;
    TbsWindowState FWindowState = wsNormal;
    QRect FNormalBounds;
    QImage FPicture, FInActivePicture;
    mutable std::map<int, QImage> FPictureCache;
    QImage FClientTile;
    bool FClientTileSolid = false;
    QTimer* FMorphTimer;
    // Pointer tracking over the frame objects (50 ms) while one is under the pointer.
    QTimer* FMouseTimer;
    std::unique_ptr<TbsFormLayerBorder> FLayerBorder;
    // Moving the window ourselves where the window manager does not.
    bool FOwnMove = false;
    QPoint FMoveOffset;
};
