// The skinned popup menus: the menu engine, its popup window with the items of one level, and the
// popup-menu component that shows a menu tree through the engine.
#pragma once

#include "TPopupMenu.h"
#include "bsControlTimer.h"
#include "bsDataSkinObjects.h"
#include "bsDataSkinWindowRecords.h"
#include "bsSkinLink.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TForm;
class TImageList;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinMenu;

// One menu item as a popup window shows it.
struct TbsSkinMenuItem {
    TMenuItem* MenuItem = nullptr;
    QRect ObjectRect; // place in the window
    bool Active = false;
    // Highlighted by the keyboard or at opening, not yet touched by the pointer.
    bool WaitCommand = false;
    bool Down = false;    // its sub-menu is open
    bool FVisible = true; // inside the scrolled view
    double FMorphKf = 0;  // cross-fade from the plain (0) to the highlighted look (1)
    int CurrentFrame = 0; // animation frame shown, 0 for none
};

// What sizes a menu window besides its items' captions: the item heights, the glyph column and
// what the item picture and the window frame add around the text.
struct TbsMenuMetrics {
    int ItemHeight = 20;
    int SeparatorHeight = 4;
    int GlyphWidth = 19;
    // The item picture outside its text rectangle; 6 in the default look.
    int ItemMargin = 6;
    // The window picture outside its items rectangle; 2 on every side in the default look.
    QSize FrameMargin{4, 4};
    // More items than this scroll inside a window of this many; 0 means no limit.
    int MaxItemsInWindow = 0;
    int WorkAreaHeight = INT_MAX;
};

// The size of a menu window and whether it shows scroll markers: Scroll when it is taller than the
// work area or holds more items than allowed, Scroll2 for the latter.
struct TbsMenuLayout {
    QSize Size;
    bool Scroll = false;
    bool Scroll2 = false;
};

// How a window is placed against the rectangle it opens at.
struct TbsMenuPlacement {
    bool PopupUp = false;
    // A sub-menu opened from its parent item, its first item level with that item.
    bool ByItem = false;
    // A window as tall as the work area (Scroll without Scroll2).
    bool FullHeight = false;
    // The top of the items inside the window.
    int ItemsTop = 2;
};

// One open level of a menu: a top-most window that never takes the activation or the keyboard
// focus, with one row per visible item.
class TbsSkinPopupWindow : public QWidget, public TbsSkinSurface {
    Q_OBJECT
public:
    explicit TbsSkinPopupWindow(TbsSkinMenu* AParentMenu);
    ~TbsSkinPopupWindow() override;

    // Opens at rectangle R (screen coordinates) with the visible sub-items of items from startIndex.
    void Show(const QRect& R, TMenuItem* items, int startIndex, bool popupUp);
    // The same for a sub-menu opened from an item whose rectangle is R.
    void ShowFromItem(const QRect& R, TMenuItem* items);

    int ItemCount() const { return int(ItemList.size()); }
    const TbsSkinMenuItem& Item(int index) const { return ItemList.at(std::size_t(index)); }
    // The item highlighted now, -1 for none.
    int ActiveItem() const { return FActiveItem; }
    int GlyphWidth() const { return FGlyphWidth; }
    // The skin's parts in use: the window picture and the "menuitem" object, or the default look.
    bool SkinFrame() const { return PW.has_value(); }
    bool SkinItems() const { return DSMI.has_value(); }
    // The scrolled view: scroll markers shown, first item shown, number of items shown, and the
    // direction it scrolls now (0 none, 1 up, 2 down).
    bool Scrolling() const { return Scroll; }
    int VisibleStartIndex() const { return FVisibleStartIndex; }
    int VisibleCount() const { return FVisibleCount; }
    int ScrollCode() const { return FScrollCode; }
    // The bands of the scroll markers at the top and bottom; empty without them.
    QRect UpMarkerRect() const;
    QRect DownMarkerRect() const;
    QRect ItemsRect() const { return NewItemsRect; }

    // The keys of the table of menu keys, routed here from wherever the focus is.
    void KeyDown(QKeyEvent* event);

    TbsSkinLink& SkinLink() override { return FLink; }
    void ChangeSkinData() override;

    // The size of a menu of these items in the default look.
    static QSize MenuSize(const std::vector<TbsSkinMenuItem>& items, const QFont& font, int itemHeight,
                          int glyphWidth);
    static TbsMenuLayout MenuLayout(const std::vector<TbsSkinMenuItem>& items, const QFont& font,
                                    const TbsMenuMetrics& metrics);
    // The place of a window of size in work area A opened at R.
    static QPoint MenuPosition(const QRect& R, const QSize& size, const QRect& A, bool popupUp);
    static QPoint MenuPosition(const QRect& R, const QSize& size, const QRect& A,
                               const TbsMenuPlacement& how);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class TbsSkinMenu;

    void Open(const QRect& R, TMenuItem* items, int startIndex, const TbsMenuPlacement& how);
    void TakeSkin();
    TbsMenuMetrics Metrics() const;
    int ItemHeight(const TMenuItem* item) const;
    void LayoutItems();
    void PaintBackground();

    bool Selectable(int index) const;
    int ItemAt(const QPoint& point) const;
    void TrackAt(const QPoint& point);
    void MouseEnter(int index, bool byKeyboard);
    void MouseLeave(int index);
    void SetActiveItem(int index, bool byKeyboard);
    // The next selectable item after (step 1) or before (step -1) the active one, wrapping; -1
    // when no item can be highlighted.
    int NextSelectable(int step) const;
    void MoveHighlight(int step);
    void ScrollIntoView(int index);
    void RunItem(int index);
    void ReleaseDownItem();
    void RedrawItem(int index);
    int Level() const;

    void StartScroll(int code);
    void StopScroll();
    void ScrollTimerTimer();
    void StartMorph(int index);
    void MorphTimerTimer();
    bool Animated() const;
    bool Morphing() const;

    QImage ItemPicture(const TbsSkinMenuItem& item) const;
    QImage SkinItemPicture(const TbsSkinMenuItem& item) const;
    QImage DefaultItemPicture(const TbsSkinMenuItem& item) const;
    QImage SkinHeaderPicture(const TbsSkinMenuItem& item, int W, int H) const;
    QImage ItemBackground(const TbsSkinMenuItem& item, bool highlighted, int W, int H) const;
    void DrawSkinItemContent(QPainter& C, const TbsSkinMenuItem& item, int W, int H) const;
    void DrawScrollMarkers(QPainter& C) const;

    TbsSkinMenu* ParentMenu;
    TbsSkinLink FLink;
    // The control object header items are drawn with: "menuheader", else "label".
    TbsSkinLink FHeaderLink;
    // Copies of the skin's records, taken when the window opens: drawing never changes the
    // repository's own.
    std::optional<TbsDataSkinPopupWindow> PW;
    std::optional<TbsDataSkinMenuItem> DSMI;
    QImage WindowPicture, MaskPicture, ItemsPicture;
    QFont FItemFont;
    std::vector<TbsSkinMenuItem> ItemList;
    int FActiveItem = -1;
    int FGlyphWidth = 19;
    const TImageList* ImgL = nullptr;
    bool Scroll = false, Scroll2 = false;
    int FScrollCode = 0;
    int FVisibleStartIndex = 0, FVisibleCount = 0;
    QRect NewItemsRect;
    QImage FBackground, FPaintBuffer;
    std::unique_ptr<TbsControlTimer> ScrollTimer, MorphTimer;
};

// The menu engine: opens and closes the popup windows of one menu and runs the chosen item. While
// a menu is open it takes every key and wheel message of the application, so the focused editor
// keeps the focus but not the keys, and closes the menu on a click outside it and when its
// window moves, sizes, hides or loses the activation.
class TbsSkinMenu : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinMenu(QObject* owner = nullptr);
    ~TbsSkinMenu() override;

    // Closes what is open and opens the sub-items of items at rect (screen coordinates). Nothing
    // opens for an item without sub-items or a start index past them.
    void Popup(QWidget* APopupCtrl, TbsSkinData* ASkinData, bool APopupUp, TMenuItem* AItems,
               const QRect& ARect, int AStartIndex = 0);
    // Closes every level and raises OnMenuClose.
    void Hide();
    bool Visible() const { return FVisible; }
    // The open window of a level (0 is the first), or nullptr.
    TbsSkinPopupWindow* PopupWindow(int level) const;
    int LevelCount() const { return int(FPopupList.size()); }

    // Guarded: a destroyed repository leaves the menus in the default look.
    QPointer<TbsSkinData> SkinData;
    bool UseSkinFont = true;
    bool UseSkinSize = true;
    int DefaultMenuItemHeight = 20;
    QFont DefaultMenuItemFont;
    const TImageList* Images = nullptr;
    // More items than this scroll in a window of this many; 0 (and below) means no limit.
    int MaxMenuItemsInWindow = 0;
    bool AlphaBlend = false;
    int AlphaBlendValue = 150;

    // The window the menu belongs to: told when the menu closes (close-menu message), and its
    // moving, sizing, hiding or deactivation closes the menu. Unset, the first window among the
    // engine's owners.
    QPointer<QWidget> Form;
    // Where menus open: the work area of the window's screen, taken at each popup.
    QRect WorkArea;

    // Raised once when the menu closes; cleared then.
    std::function<void()> OnMenuClose;

    // The time between pointing at an item with a sub-menu and its opening.
    static constexpr int SubMenuDelay = 500;
    static constexpr int ScrollInterval = 100;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TbsSkinPopupWindow;

    void CloseLevels(int level);
    void OpenLevel(TbsSkinPopupWindow* parent, int itemIndex);
    // Closes the menu, then runs the item's click and tells the control that asked for the popup.
    void RunItem(TMenuItem* item);
    void WaitFor(TbsSkinPopupWindow* window, int itemIndex);
    void CancelWait(TbsSkinPopupWindow* window, int itemIndex);
    void WaitTimerTimer();
    bool IsPopupWindow(const QObject* object) const;
    QWidget* OwnerWindow() const;
    void Hook(bool on);

    std::vector<QPointer<TbsSkinPopupWindow>> FPopupList;
    // Closed windows wait for the event loop to delete them; the engine deletes those left.
    std::vector<QPointer<TbsSkinPopupWindow>> FClosedWindows;
    bool FVisible = false;
    bool FClosing = false;
    bool FHooked = false;
    QPointer<QWidget> PopupCtrl;
    QPointer<QWidget> FHookedForm;
    std::unique_ptr<TbsControlTimer> WaitTimer;
    // The item waiting for WaitTimer.
    QPointer<TbsSkinPopupWindow> WItemWindow;
    int WItem = -1;
};

// The popup-menu component: a framework popup menu whose items are shown by the skinned menu
// engine. Right-click menus of the controls arrive at Popup. A menu shows only on a window with a
// skinned frame: SkinComponent, else the one of ComponentForm, else the one of the first window
// among the menu's owners.
class TbsSkinPopupMenu : public TPopupMenu {
    Q_OBJECT
public:
    explicit TbsSkinPopupMenu(QObject* owner = nullptr);

    // Guarded: a destroyed repository leaves the menus in the default look. Unset, the skinned
    // frame's repository.
    QPointer<TbsSkinData> SkinData;
    QPointer<TbsSkinForm> SkinComponent;
    QPointer<TForm> ComponentForm;
    std::function<void()> OnMenuClose;

    void Popup(int X, int Y) override;
    void PopupFromRect(const QRect& R, bool APopupUp);
    // Where the menu was last opened; (-1, -1) before the first time.
    QPoint PopupPoint() const { return FPopupPoint; }
    TbsSkinMenu* Menu() const { return FMenu; }
    // The skinned frame the menu would show on now, or nullptr.
    TbsSkinForm* FindSkinForm() const;

private:
    void Open(const QRect& R, bool APopupUp);

    QPoint FPopupPoint{-1, -1};
    TbsSkinMenu* FMenu;
};
