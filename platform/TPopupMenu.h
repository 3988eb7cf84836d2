// The framework's popup menu: a tree of menu items that a control shows at the pointer.
#pragma once

#include "TMenuItem.h"

#include <QObject>
#include <functional>

class TImageList;

// The base of the popup menus a control can carry. Popup shows the menu with its top-left corner
// at a screen point; this base shows nothing, descendants draw the menu.
class TPopupMenu : public QObject
{
    Q_OBJECT
  public:
    explicit TPopupMenu(QObject* owner = nullptr);

    // The root item; its sub-items are the menu's items.
    TMenuItem* Items() const { return FItems; }
    const TImageList* Images = nullptr;

    // Raises OnPopup; descendants then show the items.
    virtual void Popup(int X, int Y);

    std::function<void()> OnPopup;

  private:
    TMenuItem* FItems;
};
