// The skinned popup menus: the menu engine, its popup window with the items of one level, and the
// popup-menu component that shows a menu tree through the engine.
#pragma once

#include "TPopupMenu.h"
#include "bsSkinLink.h"

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TImageList;
class TbsSkinData;
class TbsSkinMenu;

// One menu item as a popup window shows it.
struct TbsSkinMenuItem {
    TMenuItem* MenuItem = nullptr;
    QRect ObjectRect; // place in the window
    bool Active = false;
    // Highlighted by the keyboard or at opening, not yet touched by the pointer.
    bool WaitCommand = false;
};

// One open level of a menu: a top-most window that never takes the activation, with one row per
// visible item. A click outside it closes the whole menu.
class TbsSkinPopupWindow : public QWidget, public TbsSkinSurface
{
    Q_OBJECT
  public:
    explicit TbsSkinPopupWindow(TbsSkinMenu* AParentMenu);

    // Opens at rectangle R (screen coordinates) with the visible sub-items of items from startIndex.
    void Show(const QRect& R, TMenuItem* items, int startIndex, bool popupUp);

    int ItemCount() const { return int(ItemList.size()); }
    const TbsSkinMenuItem& Item(int index) const { return ItemList.at(std::size_t(index)); }
    // The item highlighted now, -1 for none.
    int ActiveItem() const { return FActiveItem; }
    int GlyphWidth() const { return FGlyphWidth; }

    TbsSkinLink& SkinLink() override { return FLink; }
    void ChangeSkinData() override;

    // The size and place a menu of these items takes when opened at R in work area A.
    static QSize MenuSize(const std::vector<TbsSkinMenuItem>& items, const QFont& font, int itemHeight,
                          int glyphWidth);
    static QPoint MenuPosition(const QRect& R, const QSize& size, const QRect& A, bool popupUp);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    bool Selectable(int index) const;
    int ItemAt(const QPoint& point) const;
    void SetActiveItem(int index, bool byKeyboard);
    // The next selectable item after (step 1) or before (step -1) the active one, wrapping.
    int NextSelectable(int step) const;
    void RunItem(int index);
    void DrawItem(QPainter& painter, const TbsSkinMenuItem& item) const;

    TbsSkinMenu* ParentMenu;
    TbsSkinLink FLink;
    std::vector<TbsSkinMenuItem> ItemList;
    int FActiveItem = -1;
    int FGlyphWidth = 19;
    const TImageList* ImgL = nullptr;
};

// The menu engine: opens and closes the popup windows of one menu and runs the chosen item.
class TbsSkinMenu : public QObject
{
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

    // Guarded: a destroyed repository leaves the menus in the default look.
    QPointer<TbsSkinData> SkinData;
    bool UseSkinFont = true;
    bool UseSkinSize = true;
    int DefaultMenuItemHeight = 20;
    QFont DefaultMenuItemFont;
    const TImageList* Images = nullptr;

    // Raised once when the menu closes; cleared then.
    std::function<void()> OnMenuClose;

  private:
    friend class TbsSkinPopupWindow;

    void CloseLevels(int level);
    // Closes the menu, then runs the item's click.
    void RunItem(TMenuItem* item);

    std::vector<QPointer<TbsSkinPopupWindow>> FPopupList;
    // Closed windows wait for the event loop to delete them; the engine deletes those left.
    std::vector<QPointer<TbsSkinPopupWindow>> FClosedWindows;
    bool FVisible = false;
    bool FClosing = false;
};

// The popup-menu component: a framework popup menu whose items are shown by the skinned menu
// engine. Right-click menus of the controls arrive at Popup.
class TbsSkinPopupMenu : public TPopupMenu
{
    Q_OBJECT
  public:
    explicit TbsSkinPopupMenu(QObject* owner = nullptr);

    // Guarded: a destroyed repository leaves the menus in the default look.
    QPointer<TbsSkinData> SkinData;
    std::function<void()> OnMenuClose;

    void Popup(int X, int Y) override;
    void PopupFromRect(const QRect& R, bool APopupUp);
    // Where the menu was last opened; (-1, -1) before the first time.
    QPoint PopupPoint() const { return FPopupPoint; }
    TbsSkinMenu* Menu() const { return FMenu; }

  private:
    void Open(const QRect& R, bool APopupUp);

    QPoint FPopupPoint{-1, -1};
    TbsSkinMenu* FMenu;
};
