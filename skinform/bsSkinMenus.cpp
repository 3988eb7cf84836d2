// Skinned popup menus in their default look: measuring, placing, painting and running the items.
#include "bsSkinMenus.h"

#include "TApplication.h"
#include "TImageList.h"
#include "bsDefaultLook.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace
{

// The item heights of the default look.
constexpr int SeparatorHeight = 4;
// Room right of the caption for the short cut and the sub-menu arrow.
constexpr int RightMargin = 21;

QString ShortCutText(const TMenuItem* item)
{
    return item->ShortCut.toString(QKeySequence::NativeText);
}

QRect WorkAreaAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The check glyph and the radio dot of a checked item without a picture, at glyph origin (x, y).
void DrawCheckGlyph(QPainter& painter, int x, int y, bool radio, const QColor& color)
{
    painter.setPen(color);
    if (radio) {
        painter.setBrush(color);
        painter.drawEllipse(QRect(x, y + 1, 6, 6));
        painter.setBrush(Qt::NoBrush);
        return;
    }
    for (int i = 0; i <= 2; ++i) {
        painter.drawLine(x, y + 5 - i, x + 2, y + 7 - i);
        painter.drawLine(x + 2, y + 7 - i, x + 7, y + 2 - i);
    }
}

} // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu* AParentMenu)
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      ParentMenu(AParentMenu)
{
    setObjectName(QStringLiteral("TbsSkinPopupWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFont(ParentMenu->DefaultMenuItemFont);
}

QSize TbsSkinPopupWindow::MenuSize(const std::vector<TbsSkinMenuItem>& items, const QFont& font,
                                   int itemHeight, int glyphWidth)
{
    QFontMetrics metrics(font);
    int widest = 0;
    int height = 0;
    for (const TbsSkinMenuItem& item : items) {
        QString text = item.MenuItem->PlainCaption();
        if (!item.MenuItem->ShortCut.isEmpty())
            text += QStringLiteral("  ") + ShortCutText(item.MenuItem);
        widest = std::max(widest, metrics.horizontalAdvance(text) + 2);
        height += item.MenuItem->IsLine() ? SeparatorHeight : itemHeight;
    }
    const int p = glyphWidth + widest + 19;
    return QSize(p + 10, height + 4);
}

QPoint TbsSkinPopupWindow::MenuPosition(const QRect& R, const QSize& size, const QRect& A, bool popupUp)
{
    const int W = size.width(), H = size.height();
    // Rectangles here are exclusive at the right and bottom, as the menu engine counts them.
    const int aTop = A.top(), aBottom = A.top() + A.height(), aLeft = A.left(), aRight = A.left() + A.width();
    const int rTop = R.top(), rBottom = R.top() + R.height(), rLeft = R.left(), rRight = R.left() + R.width();
    const bool upperHalf = rTop < aTop + A.height() / 2;
    bool pushed = false;
    int y;
    if (popupUp) {
        if (rTop - H >= aTop) {
            y = rTop - H;
        } else if (upperHalf) {
            pushed = rBottom + H > aBottom;
            y = pushed ? aBottom - H : rBottom;
        } else {
            pushed = true;
            y = aTop;
        }
    } else if (rBottom + H <= aBottom) {
        y = rBottom;
    } else if (upperHalf) {
        pushed = true;
        y = aBottom - H;
    } else {
        y = rTop - H >= aTop ? rTop - H : aTop;
        pushed = y == aTop;
    }
    int x;
    if (pushed) {
        x = rRight + W + 1 > aRight ? rLeft - W - 1 : rRight + 1;
    } else {
        x = rLeft;
        if (x + W > aRight)
            x = aRight - W;
        if (x < aLeft)
            x = aLeft;
    }
    return QPoint(x, y);
}

void TbsSkinPopupWindow::Show(const QRect& R, TMenuItem* items, int startIndex, bool popupUp)
{
    FLink.SetSkinData(ParentMenu->SkinData);
    FLink.Lookup();
    ImgL = ParentMenu->Images;
    FGlyphWidth = ImgL ? ImgL->Width() + 5 : 19;
    const int itemHeight = ParentMenu->DefaultMenuItemHeight;
    ItemList.clear();
    for (int i = startIndex; i < items->Count(); ++i) {
        TMenuItem* item = items->Items(i);
        if (item->Visible)
            ItemList.push_back({item, QRect(), false, false});
    }
    const QSize size = MenuSize(ItemList, font(), itemHeight, FGlyphWidth);
    int y = 2;
    for (TbsSkinMenuItem& item : ItemList) {
        const int h = item.MenuItem->IsLine() ? SeparatorHeight : itemHeight;
        item.ObjectRect = QRect(2, y, size.width() - 4, h);
        y += h;
    }
    resize(size);
    move(MenuPosition(R, size, WorkAreaAt(R.topLeft()), popupUp));
    show();
    for (int i = 0; i < ItemCount(); ++i) {
        if (Selectable(i)) {
            SetActiveItem(i, true);
            break;
        }
    }
}

bool TbsSkinPopupWindow::Selectable(int index) const
{
    const TMenuItem* item = Item(index).MenuItem;
    return item->Enabled && !item->IsLine();
}

int TbsSkinPopupWindow::ItemAt(const QPoint& point) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i).ObjectRect.contains(point))
            return i;
    return -1;
}

void TbsSkinPopupWindow::SetActiveItem(int index, bool byKeyboard)
{
    if (index == FActiveItem) {
        if (index >= 0 && !byKeyboard)
            ItemList[std::size_t(index)].WaitCommand = false;
        return;
    }
    if (FActiveItem >= 0) {
        ItemList[std::size_t(FActiveItem)].Active = false;
        ItemList[std::size_t(FActiveItem)].WaitCommand = false;
        update(Item(FActiveItem).ObjectRect);
    }
    FActiveItem = index;
    if (index >= 0) {
        ItemList[std::size_t(index)].Active = true;
        ItemList[std::size_t(index)].WaitCommand = byKeyboard;
        update(Item(index).ObjectRect);
        setToolTip(Item(index).MenuItem->Hint);
    }
}

int TbsSkinPopupWindow::NextSelectable(int step) const
{
    const int count = ItemCount();
    if (count == 0)
        return -1;
    int index = FActiveItem < 0 ? (step > 0 ? -1 : count) : FActiveItem;
    for (int tries = 0; tries < count; ++tries) {
        index = (index + step + count) % count;
        if (Selectable(index))
            return index;
    }
    return FActiveItem;
}

void TbsSkinPopupWindow::ChangeSkinData()
{
    FLink.Lookup();
    update();
}

void TbsSkinPopupWindow::RunItem(int index)
{
    if (index < 0 || !Selectable(index))
        return;
    ParentMenu->RunItem(Item(index).MenuItem);
}

void TbsSkinPopupWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Pointing at no item (a separator, the frame) keeps the highlighted item.
    const int index = ItemAt(event->position().toPoint());
    if (index >= 0 && Selectable(index))
        SetActiveItem(index, false);
}

void TbsSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (!rect().contains(event->position().toPoint())) {
        ParentMenu->Hide();
        return;
    }
    const int index = ItemAt(event->position().toPoint());
    if (index >= 0 && !Item(index).MenuItem->IsLine())
        RunItem(index);
}

void TbsSkinPopupWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        SetActiveItem(NextSelectable(-1), true);
        return;
    case Qt::Key_Down:
        SetActiveItem(NextSelectable(1), true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunItem(FActiveItem);
        return;
    case Qt::Key_Escape:
        ParentMenu->Hide();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        const QChar typed = text[0].toLower();
        for (int i = 0; i < ItemCount(); ++i) {
            if (Item(i).MenuItem->Accelerator() == typed && Selectable(i)) {
                SetActiveItem(i, true);
                RunItem(i);
                return;
            }
        }
    }
}

void TbsSkinPopupWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Qt closes a popup by itself when the user clicks outside it.
    ParentMenu->Hide();
}

void TbsSkinPopupWindow::paintEvent(QPaintEvent*)
{
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    const int W = width(), H = height();
    const int strip = ImgL ? FGlyphWidth + 2 : 21;
    painter.fillRect(0, 0, strip, H, SysBtnFace());
    painter.fillRect(strip, 0, W - strip, H, SysWindow());
    DrawFrame(painter, rect(), SysBtnShadow());
    DrawFrame(painter, rect().adjusted(1, 1, -1, -1), SysWindow());
    painter.setFont(font());
    for (const TbsSkinMenuItem& item : ItemList)
        DrawItem(painter, item);
    painter.end();
    QPainter(this).drawImage(0, 0, picture);
}

void TbsSkinPopupWindow::DrawItem(QPainter& painter, const TbsSkinMenuItem& item) const
{
    const TMenuItem* menuItem = item.MenuItem;
    const QRect r = item.ObjectRect;
    const int W = r.width(), H = r.height();
    painter.save();
    painter.translate(r.topLeft());
    if (menuItem->IsLine()) {
        painter.fillRect(0, 0, W, H, SysWindow());
        painter.setPen(SysBtnShadow());
        painter.drawLine(0, H / 2, W - 1, H / 2);
        painter.restore();
        return;
    }
    if (menuItem->IsHeader()) {
        painter.fillRect(0, 0, W, H, SysBtnShadow());
        painter.setPen(SysBtnHighlight());
        painter.drawText(QRect(0, 0, W, H), Qt::AlignCenter,
                         menuItem->Caption.mid(1, menuItem->Caption.size() - 2));
        painter.restore();
        return;
    }
    const bool highlighted = item.Active && menuItem->Enabled;
    painter.fillRect(0, 0, W, H, highlighted ? DefaultHotFillColor() : SysWindow());
    const QColor textColor = menuItem->Enabled ? SysWindowText() : SysBtnShadow();
    const int centre = H / 2;
    if (ImgL && ImgL->ValidIndex(menuItem->ImageIndex)) {
        const int y = (H - ImgL->Height()) / 2;
        ImgL->Draw(painter, 3, y, menuItem->ImageIndex, menuItem->Enabled);
        if (menuItem->Checked)
            DrawFrame(painter, QRect(2, y - 1, ImgL->Width() + 2, ImgL->Height() + 2), textColor);
    } else if (menuItem->Checked) {
        DrawCheckGlyph(painter, 5, centre - 4, menuItem->RadioItem, textColor);
    }
    painter.setPen(textColor);
    const QRect textRect(FGlyphWidth + 2, 0, W - RightMargin - FGlyphWidth - 2, H);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                     menuItem->Caption);
    if (!menuItem->ShortCut.isEmpty())
        painter.drawText(QRect(0, 0, W - RightMargin, H), Qt::AlignRight | Qt::AlignVCenter,
                         ShortCutText(menuItem));
    if (menuItem->Count() > 0) {
        const int x = W - 9, y = centre - 4;
        for (int i = 0; i <= 3; ++i)
            painter.drawLine(x + i, y + i, x + i, y + 7 - i);
    }
    painter.restore();
}

TbsSkinMenu::TbsSkinMenu(QObject* owner) : QObject(owner), DefaultMenuItemFont(DefaultControlFont()) {}

TbsSkinMenu::~TbsSkinMenu()
{
    OnMenuClose = nullptr;
    CloseLevels(0);
    for (const QPointer<TbsSkinPopupWindow>& window : FClosedWindows)
        delete window.data();
}

TbsSkinPopupWindow* TbsSkinMenu::PopupWindow(int level) const
{
    return level >= 0 && level < int(FPopupList.size()) ? FPopupList[std::size_t(level)].data() : nullptr;
}

void TbsSkinMenu::Popup(QWidget*, TbsSkinData* ASkinData, bool APopupUp, TMenuItem* AItems,
                        const QRect& ARect, int AStartIndex)
{
    CloseLevels(0);
    std::erase_if(FClosedWindows, [](const QPointer<TbsSkinPopupWindow>& window) { return window.isNull(); });
    SkinData = ASkinData;
    if (!AItems || AItems->Count() == 0 || AStartIndex >= AItems->Count())
        return;
    FVisible = true;
    auto* window = new TbsSkinPopupWindow(this);
    FPopupList.emplace_back(window);
    window->Show(ARect, AItems, AStartIndex, APopupUp);
}

void TbsSkinMenu::Hide()
{
    CloseLevels(0);
}

void TbsSkinMenu::CloseLevels(int level)
{
    // Hiding a window tells the engine again; that second call finds nothing left to close.
    if (FClosing)
        return;
    FClosing = true;
    while (int(FPopupList.size()) > level) {
        QPointer<TbsSkinPopupWindow> window = FPopupList.back();
        FPopupList.pop_back();
        if (window) {
            window->hide();
            window->deleteLater();
            FClosedWindows.push_back(window);
        }
    }
    FClosing = false;
    if (level == 0 && FVisible) {
        FVisible = false;
        std::function<void()> onClose = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        FireEvent(onClose);
    }
}

void TbsSkinMenu::RunItem(TMenuItem* item)
{
    Hide();
    item->Click();
}

TbsSkinPopupMenu::TbsSkinPopupMenu(QObject* owner) : TPopupMenu(owner), FMenu(new TbsSkinMenu(this)) {}

void TbsSkinPopupMenu::Popup(int X, int Y)
{
    FPopupPoint = QPoint(X, Y);
    Open(QRect(X, Y, 0, 0), false);
}

void TbsSkinPopupMenu::PopupFromRect(const QRect& R, bool APopupUp)
{
    FPopupPoint = R.topLeft();
    Open(R, APopupUp);
}

void TbsSkinPopupMenu::Open(const QRect& R, bool APopupUp)
{
    TPopupMenu::Popup(R.left(), R.top());
    FMenu->Hide();
    FMenu->Images = Images;
    if (OnMenuClose)
        FMenu->OnMenuClose = OnMenuClose;
    FMenu->Popup(nullptr, SkinData, APopupUp, Items(), R);
}
