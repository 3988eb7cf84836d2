// The skinned window frame: the component that replaces a window's frame, caption and caption
// buttons with the skin's pictures, its frame objects and its layered border.
#pragma once

#include "bsControlTimer.h"
#include "bsFormLayerBorder.h"
#include "bsFrameObjects.h"
#include "bsPaintParts.h"
#include "bsSkinMenus.h"

#include <QFlags>
#include <QFont>
#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPointer>
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

// Where a window point lies on the frame, in the window system's codes. HTOBJECT is every other
// part of the frame (caption buttons, plain border): pressing there neither moves nor sizes.
enum TbsHitCode {
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTOBJECT = 19,
};

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
    // Fade in from transparent when shown, to AlphaBlendValue (or opaque without AlphaBlend).
    bool AlphaBlendAnimation = false;
    bool DisableSystemMenu = false;
    // Minimize through the window system instead of to a bar.
    bool MinimizeDefault = false;
    bool MaximizeOnFullScreen = false;
    // Size limits; 0 is none (see GetMinWidth and the others).
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    // Client size given back after rolling down; 0 keeps the height from before rolling up.
    int ClientWidth = 0, ClientHeight = 0;
    // The repository of the skinned menus; SkinData when none.
    QPointer<TbsSkinData> MenusSkinData;
    QImage LogoBitMap;
    bool LogoBitMapTransparent = false;

    // Replaces the drawing of the caption text: canvas, caption rectangle, window active.
    std::function<void(QPainter& C, const QRect& R, bool AActive)> OnCaptionPaint;
    std::function<void()> OnBeforeChangeSkinData;
    std::function<void()> OnChangeSkinData;
    std::function<void()> OnAfterChangeSkinData;
    std::function<void()> OnMinimize, OnMaximize, OnRestore, OnChangeRollUpState;
    std::function<void()> OnActivate, OnDeActivate;

    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool AValue);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int AValue);
    // The opacity the window has now, 0 to 255.
    int CurrentAlphaValue() const { return FCurrentAlpha; }

    // A repository is set that holds a skin with a main picture.
    bool SkinSupport() const { return FSkinSupport; }
    // The frame is the component's; false gives the window the platform's frame.
    bool SkinnableForm() const { return FSkinnableForm; }
    bool GetFormActive() const;
    TbsWindowState WindowState() const { return FWindowState; }
    // The skinned states: maximized to the work area, minimized to a bar in the work area's
    // bottom row (the application's main window minimizes the application), normal. The
    // platform window itself stays normal; only its geometry changes.
    void SetWindowState(TbsWindowState AValue);
    bool RollUpState() const { return FRollUpState; }
    // Rolled up, the window is a caption bar of the minimum height.
    void SetRollUpState(bool AValue);

    int GetMinWidth() const;
    int GetMinHeight() const;
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    // The screen position of the window's point (0, 0).
    QPoint ScreenOrigin() const;
    // The work area of the window's screen (the whole screen with AWhole).
    QRect WorkArea(bool AWhole = false) const;
    // Where the next bar of a skin-minimized window goes: the first free place of the bottom row
    // of the work area, rows filling upwards.
    QPoint GetMinimizePosition() const;

    // The frame part under window point P (the caption buttons' tracking state taken into account).
    int HitTest(const QPoint& P) const;
    int SkinHitTest(const QPoint& P) const;
    int DefaultHitTest(const QPoint& P) const;
    // Snaps a window at ALeftTop that is being dragged with the pointer at APointer to the edges of
    // the work area, and lets it go once the pointer has moved on by more than MagneticSize.
    QPoint DoMagnetic(const QPoint& ALeftTop, const QPoint& APointer);

    // The system menu: the default commands for the window's state, rebuilt at every call.
    TMenuItem* GetSysMenuItems();
    // Opens the system menu at a screen rectangle (a point for a caption right-click, the
    // system-menu button for a press on it and for Alt+Space).
    void PopupSysMenu(const QRect& AScreenRect);
    // Opens the system menu below the first enabled system-menu button; false without one.
    bool PopupSysMenuFromButton();
    TbsSkinMenu* SkinMenu() const { return FSkinMenu; }
    void SkinMenuOpen();
    void SkinMenuClose();
    // Closes an open skinned menu of the window (moving, sizing, clicking, deactivating).
    void CloseSkinMenus();

    // The frame margins for the current skin: the skin's client inset, the default frame, or none.
    QMargins ClientInset() const;
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
    // How many times the frame strips have been cut from the frame picture; a repaint at the same
    // size with the same picture reuses them.
    int StripsCut() const { return FStripsCut; }
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

    // The cross-fade timer shared by every object (25 ms) and the caption animation's (25 ms).
    TbsControlTimer* MorphTimer() const { return FMorphTimer.get(); }
    void StartMorph();
    void StartAnimation();

    // Geometry for the size last computed.
    int FFormWidth = 0, FFormHeight = 0;
    QPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    QPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
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
    void CaptionDblClick();
    void BeginDrag(int AHitCode, const QPoint& AGlobal, const QPoint& ALocal);
    void DragTo(const QPoint& AGlobal);
    void UpdateCursor(int AHitCode);
    bool CanResize() const { return true; }
    bool OnCaption(const QPoint& P) const;
    void ApplySizeLimits();
    void FitClientToWindow();
    void DoMaximize();
    void DoMinimize();
    void DoRestore();
    void SetGeometryAndFrame(const QRect& R);
    void StartFadeIn();
    void FadeTimerTimer();
    void SetCurrentAlpha(int AValue);
    void AnimateTimerTimer();
    void CreateDefaultSysMenu(TMenuItem* ARoot);
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
    bool FRollUpState = false;
    bool MaxRollUpState = false;
    bool FRollUpBeforeMaximize = false;
    int OldHeight = 0;
    // Bounds before maximize or skin-minimize; empty while normal.
    QRect OldBoundsRect;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 200;
    int FCurrentAlpha = 255;
    int FFadeTarget = 255;
    bool HMagnetized = false, VMagnetized = false, HMagnetized2 = false, VMagnetized2 = false;
    QPoint FMagnetCoord;
    TbsSkinMenu* FSkinMenu;
    TPopupMenu* FDefaultSysMenu;
    bool InMenu = false;
    QImage FPicture;
    // Read when the window is first drawn inactive: most windows are first shown active.
    mutable QImage FInActivePicture;
    mutable bool FInActivePending = false;
    mutable std::map<int, QImage> FPictureCache;
    // The frame's four strips as cut from the frame picture, before the objects are drawn on them:
    // the last ones for the active and the inactive picture.
    struct TbsStripCacheEntry {
        qint64 PictureKey = 0;
        QSize Size;
        TbsPartGeometry Source, Dest;
        TbsEdgeStretch Stretch;
        TbsFrameBorders Strips;
    };
    std::vector<TbsStripCacheEntry> FStripCache;
    TbsFrameBorders FrameStrips(const TbsPartGeometry& source, const TbsPartGeometry& dest,
                                const QImage& picture, const TbsEdgeStretch& stretch);
    int FStripsCut = 0;
    QImage FClientTile;
    bool FClientTileSolid = false;
    std::unique_ptr<TbsControlTimer> FMorphTimer;
    // Pointer tracking over the frame objects (50 ms) while one is under the pointer.
    std::unique_ptr<TbsControlTimer> FMouseTimer;
    std::unique_ptr<TbsControlTimer> FAnimateTimer;
    // The fade-in: a 1 ms start, then a step every 6 ms (more than 5 ms apart).
    std::unique_ptr<TbsControlTimer> FFadeTimer;
    bool FFadeStarted = false;
    std::unique_ptr<TbsFormLayerBorder> FLayerBorder;
    // A press on the caption or an edge: the window manager is asked to move or size on the first
    // pointer move; where it refuses, the form moves and sizes the window itself.
    enum TDragMode { dmNone, dmPending, dmOwn };
    TDragMode FDragMode = dmNone;
    int FDragCode = HTCLIENT;
    QPoint FDragStart;
    QRect FDragStartGeometry;
    bool FSizeMove = false;
};
