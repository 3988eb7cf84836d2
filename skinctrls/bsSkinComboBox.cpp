// Skinned combo box: selection, keyboard, incremental search, the pop-up list and the default look.
#include "bsSkinComboBox.h"

#include "TApplication.h"
#include "bsDefaultLook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

TbsSkinCustomComboBox::TbsSkinCustomComboBox(QWidget* parent)
    : TbsSkinCustomControl(parent), FListBox(new QListWidget(this))
{
    FLink.SetSkinDataName(QStringLiteral("combobox"));
    setFocusPolicy(Qt::StrongFocus);
    resize(120, 20);
    FListBox->setWindowFlags(Qt::Popup);
    FListBox->setFocusPolicy(Qt::NoFocus);
    FListBox->setUniformItemSizes(true);
    FListBox->setFont(FDefaultFont);
    FListBox->installEventFilter(this);
    FListBox->viewport()->installEventFilter(this);
    FListBox->hide();
}

TbsSkinCustomComboBox::~TbsSkinCustomComboBox() = default;

void TbsSkinCustomComboBox::SetItems(const QStringList& items)
{
    FItems = items;
    if (FItemIndex >= FItems.size())
        FItemIndex = -1;
    update();
}

void TbsSkinCustomComboBox::AddItem(const QString& item)
{
    FItems.append(item);
}

void TbsSkinCustomComboBox::ClearItems()
{
    FItems.clear();
    FItemIndex = FOldItemIndex = -1;
    SetText(QString());
}

void TbsSkinCustomComboBox::SetItemIndex(int index)
{
    FItemIndex = index >= 0 && index < FItems.size() ? index : -1;
    FOldItemIndex = FItemIndex;
    if (FItemIndex >= 0)
        SetText(FItems[FItemIndex]);
    update();
    FireEvent(OnClick);
    CallHandler([this] { DoChange(); });
}

void TbsSkinCustomComboBox::SetText(const QString& text)
{
    if (FText == text)
        return;
    FText = text;
    update();
    FireEvent(OnChange);
}

void TbsSkinCustomComboBox::SetDropDownCount(int value)
{
    if (value > 0)
        FDropDownCount = value;
}

void TbsSkinCustomComboBox::SetListBoxDefaultItemHeight(int value)
{
    if (value > 0)
        FListBoxItemHeight = value;
}

void TbsSkinCustomComboBox::SelectByUser(int index)
{
    if (FItems.isEmpty())
        return;
    index = std::clamp(index, 0, int(FItems.size()) - 1);
    if (index != FItemIndex)
        SetItemIndex(index);
}

void TbsSkinCustomComboBox::SearchTyped(const QString& typed)
{
    if (FAutoComplete) {
        if (!FLastTime.isValid() || FLastTime.elapsed() >= 500)
            FFilter.clear();
        FLastTime.start();
        FFilter += typed;
    } else {
        FFilter = typed;
    }
    // One character searches from the item after the current one, so that repeating it cycles.
    const int count = int(FItems.size());
    const int start = FFilter.size() == 1 ? FItemIndex + 1 : 0;
    for (int i = 0; i < count; ++i) {
        const int index = (start + i) % count;
        if (FItems[index].startsWith(FFilter, Qt::CaseInsensitive)) {
            SelectByUser(index);
            return;
        }
    }
}

void TbsSkinCustomComboBox::DropDown()
{
    if (FItems.isEmpty() || IsPopupVisible())
        return;
    FireEvent(OnDropDown);
    FOldItemIndex = FItemIndex;
    FListBox->clear();
    FListBox->addItems(FItems);
    for (int i = 0; i < FListBox->count(); ++i)
        FListBox->item(i)->setSizeHint(QSize(width(), FListBoxItemHeight));
    FListBox->setCurrentRow(FItemIndex);
    const int rows = std::min<int>(FDropDownCount, int(FItems.size()));
    QSize size(width(), rows * FListBoxItemHeight + 2 * FListBox->frameWidth());
    QPoint below = mapToGlobal(QPoint(0, height()));
    // Near the bottom of the screen the list opens above the control.
    if (QScreen* screen = this->screen(); screen && below.y() + size.height() > screen->geometry().bottom())
        below = mapToGlobal(QPoint(0, -size.height()));
    FListBox->setGeometry(QRect(below, size));
    FListBox->show();
    update();
}

void TbsSkinCustomComboBox::CloseUp(bool accept)
{
    if (!IsPopupVisible())
        return;
    const int chosen = FListBox->currentRow();
    FListBox->hide();
    if (accept && chosen >= 0 && chosen != FItemIndex)
        SetItemIndex(chosen);
    update();
    FireEvent(OnCloseUp);
}

bool TbsSkinCustomComboBox::IsPopupVisible() const
{
    return FListBox->isVisible();
}

void TbsSkinCustomComboBox::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    painter.fillRect(B.rect(), SysWindow());
    DrawFrame(painter, B.rect(), SysBtnShadow());
    const QRect button = ButtonRect();
    DrawDefaultButtonFace(painter, button, IsPopupVisible(), underMouse());
    // The arrow: four centred lines 7, 5, 3 and 1 pixels wide, the widest one above the centre.
    painter.setPen(isEnabled() ? QColor(Qt::black) : SysBtnShadow());
    const int cx = button.left() + button.width() / 2, cy = button.top() + button.height() / 2;
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        painter.drawLine(cx - half, cy - 1 + i, cx + half, cy - 1 + i);
    }
    const QRect item = ItemRect();
    const bool focused = hasFocus() && !IsPopupVisible();
    painter.fillRect(item, focused ? SysHighlight() : SysWindow());
    painter.setPen(focused ? SysHighlightText() : SysWindowText());
    painter.setFont(font());
    const int shown = IsPopupVisible() ? FOldItemIndex : FItemIndex;
    const QString text = shown >= 0 && shown < FItems.size() ? FItems[shown] : QString();
    painter.drawText(item.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void TbsSkinCustomComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    IsPopupVisible() ? CloseUp(false) : DropDown();
}

void TbsSkinCustomComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        alt ? CloseUp(false) : SelectByUser(FItemIndex - 1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        alt ? DropDown() : SelectByUser(FItemIndex + 1);
        return;
    case Qt::Key_PageUp:
        SelectByUser(std::max(0, FItemIndex - FDropDownCount - 1));
        return;
    case Qt::Key_PageDown:
        SelectByUser(FItemIndex + FDropDownCount - 1);
        return;
    case Qt::Key_F4:
        IsPopupVisible() ? CloseUp(false) : DropDown();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        SearchTyped(text);
        return;
    }
    TbsSkinCustomControl::keyPressEvent(event);
}

void TbsSkinCustomComboBox::wheelEvent(QWheelEvent* event)
{
    // A wheel turned to scroll the window must not change a value the pointer happens to pass;
    // only the control being worked in answers it, and otherwise the window behind scrolls.
    QWidget* focus = QApplication::focusWidget();
    if (focus != this && !isAncestorOf(focus)) {
        event->ignore();
        return;
    }
    SelectByUser(FItemIndex + (event->angleDelta().y() < 0 ? 1 : -1));
    event->accept();
}

void TbsSkinCustomComboBox::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    update();
}

void TbsSkinCustomComboBox::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        CloseUp(false);
    update();
}

bool TbsSkinCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FListBox && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            CloseUp(true);
            return true;
        case Qt::Key_Escape:
            CloseUp(false);
            return true;
        case Qt::Key_Up:
            if (key->modifiers() & Qt::AltModifier) {
                CloseUp(false);
                return true;
            }
            break;
        default:
            break;
        }
    }
    if (watched == FListBox->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (QListWidgetItem* item = FListBox->itemAt(mouse->position().toPoint())) {
            FListBox->setCurrentItem(item);
            CloseUp(true);
            return true;
        }
    }
    if (watched == FListBox && event->type() == QEvent::Hide)
        update();
    return TbsSkinCustomControl::eventFilter(watched, event);
}
