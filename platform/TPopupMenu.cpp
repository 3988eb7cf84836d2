// The popup menu base: the item tree and the popup event.
#include "TPopupMenu.h"

#include "TApplication.h"

TPopupMenu::TPopupMenu(QObject* owner) : QObject(owner), FItems(new TMenuItem(this))
{
    FItems->setObjectName(QStringLiteral("Items"));
}

void TPopupMenu::Popup(int, int)
{
    FireEvent(OnPopup);
}
