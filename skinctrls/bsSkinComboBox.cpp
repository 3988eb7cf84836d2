// Skinned combo box: selection, keyboard, incremental search, the drop-down list with its drag
// selection, and both looks.
#include "bsSkinComboBox.h"

#include "TApplication.h"
#include "bsColors.h"
#include "bsControlTimer.h"
#include "bsDefaultLook.h"
#include "bsSkinListBox.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

TbsSkinCustomComboBox::TbsSkinCustomComboBox(QWidget* parent)
    : TbsSkinCustomControl(parent), FSearchTimer(CreateControlTimer(this)),
      FScrollTimer(CreateControlTimer(this))
{
    FLink.SetSkinDataName(QStringLiteral("combobox"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_InputMethodEnabled);
    resize(120, 20);
    FSearchTimer->OnTimer = [this] { FSearchTimer->Stop(); };
    FScrollTimer->OnTimer = [this] { AutoScroll(); };
    CalcAreas();
}

TbsPopupListBox* TbsSkinCustomComboBox::ListBox() const
{
    if (FListBox)
        return FListBox;
    auto* self = const_cast<TbsSkinCustomComboBox*>(this);
    FListBox = new TbsPopupListBox(self);
    FListBox->SetDefaultItemHeight(FListBoxItemHeight);
    FListBox->NativeList()->viewport()->installEventFilter(self);
    FListBox->SetItems(FItems);
    FListBox->SetItemIndex(FItemIndex);
    ApplyListSkin();
    return FListBox;
}

void TbsSkinCustomComboBox::ApplyListSkin() const
{
    FListBox->SetSkinDataName(SkinLook() ? FSkin.ListBoxName : QString());
    FListBox->SetSkinData(SkinData());
    FListBox->UpDateScrollBar();
}

TbsSkinCustomComboBox::~TbsSkinCustomComboBox()
{
    qApp->removeEventFilter(this);
}

void TbsSkinCustomComboBox::SetItems(const QStringList& items)
{
    FItems = items;
    if (FListBox)
        FListBox->SetItems(items);
    if (FItemIndex >= FItems.size())
        FItemIndex = FOldItemIndex = -1;
    update();
}

void TbsSkinCustomComboBox::AddItem(const QString& item)
{
    FItems.append(item);
    if (FListBox)
        FListBox->AddItem(item);
}

void TbsSkinCustomComboBox::ClearItems()
{
    CloseUp(false);
    FItems.clear();
    if (FListBox)
        FListBox->Clear();
    FItemIndex = FOldItemIndex = -1;
    SetText(QString());
}

void TbsSkinCustomComboBox::SetItemIndex(int index)
{
    FItemIndex = index >= 0 && index < FItems.size() ? index : -1;
    FOldItemIndex = FItemIndex;
    if (FListBox)
        FListBox->SetItemIndex(FItemIndex);
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
    if (value <= 0)
        return;
    FListBoxItemHeight = value;
    if (FListBox)
        FListBox->SetDefaultItemHeight(value);
}

bool TbsSkinCustomComboBox::SkinLook() const
{
    return SkinIndex() != -1 && FLink.Typed<TbsDataSkinComboBox>();
}

void TbsSkinCustomComboBox::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    TSkinParts& s = FSkin;
    s = TSkinParts();
    if (const auto* r = FLink.Typed<TbsDataSkinComboBox>(); r && SkinIndex() != -1) {
        s.PictureIndex = r->PictureIndex;
        s.ActiveSkinRect = ExactRect(r->ActiveSkinRect);
        s.SItemRect = ExactRect(r->SItemRect);
        s.FocusItemRect = r->FocusItemRect.IsEmpty() ? s.SItemRect : ExactRect(r->FocusItemRect);
        s.ActiveItemRect = ExactRect(r->ActiveItemRect);
        s.ItemTextRect = ExactRect(r->ItemTextRect);
        s.ClRect = ExactRect(r->ClRect);
        s.ButtonRect = ExactRect(r->ButtonRect);
        s.ActiveButtonRect = ExactRect(r->ActiveButtonRect);
        s.DownButtonRect = ExactRect(r->DownButtonRect);
        s.UnEnabledButtonRect = ExactRect(r->UnEnabledButtonRect);
        s.ItemLeftOffset = r->ItemLeftOffset;
        s.ItemRightOffset = r->ItemRightOffset;
        s.FontColor = ColorToQColor(r->FontColor);
        s.FocusFontColor = ColorToQColor(r->FocusFontColor);
        s.ActiveFontColor = ColorToQColor(r->ActiveFontColor);
        s.Font = FUseSkinFont ? RecordFont(*r) : FDefaultFont;
        s.ListBoxName = r->ListBoxName;
        s.ItemStretchEffect = r->ItemStretchEffect;
        s.FocusItemStretchEffect = r->FocusItemStretchEffect;
        s.ShowFocus = r->ShowFocus;
        s.ButtonPlaced = QRect(QPoint(0, 0), SkinRect.size()).contains(s.ButtonRect);
    }
    // The disabled text follows the skin's edits.
    const auto* edit =
        dynamic_cast<const TbsDataSkinEditControl*>(FLink.ControlNamed(QStringLiteral("edit")));
    s.DisabledFontColor = SkinLook() && edit ? ColorToQColor(edit->DisabledFontColor) : SysGrayText();
    if (FListBox)
        ApplyListSkin();
    CalcAreas();
    update();
}

void TbsSkinCustomComboBox::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    CalcAreas();
}

void TbsSkinCustomComboBox::CalcAreas()
{
    const int W = width(), H = height();
    if (!SkinLook()) {
        Button.R = EdgeRect(W - 19, 0, W, H);
        CBItem = EdgeRect(2, 2, Button.R.left() - 1, H - 2);
        return;
    }
    const int dw = W - SkinRect.width();
    const QRect cl = FSkin.ClRect;
    if (FSkin.ButtonPlaced) {
        Button.R = FSkin.ButtonRect;
        if (Button.R.left() >= SkinRect.width() - FPart.RTPoint.x())
            Button.R.translate(dw, 0);
    } else {
        // The record gives the button's picture only: it sits at the right end of the client area.
        const QSize size = FSkin.ButtonRect.size();
        Button.R = QRect(
            QPoint(cl.right() + 1 + dw - size.width(), cl.top() + (cl.height() - size.height()) / 2), size);
    }
    CBItem = EdgeRect(cl.left(), cl.top(), cl.right() + 1 + dw, cl.bottom() + 1);
    if (!FSkin.ButtonPlaced && !Button.R.isEmpty())
        CBItem.setRight(Button.R.left() - 1);
}

void TbsSkinCustomComboBox::SelectByUser(int index)
{
    if (FItems.isEmpty())
        return;
    index = std::clamp(index, 0, int(FItems.size()) - 1);
    if (IsPopupVisible()) {
        FListBox->SetItemIndex(index);
        FListBox->UpDateScrollBar();
    } else if (index != FItemIndex) {
        SetItemIndex(index);
    }
}

int TbsSkinCustomComboBox::CurrentIndex() const
{
    return IsPopupVisible() ? FListBox->ItemIndex() : FItemIndex;
}

void TbsSkinCustomComboBox::SearchTyped(const QString& typed)
{
    if (FAutoComplete) {
        // A pause of half a second starts a new search text.
        if (!FSearchTimer->Active())
            FFilter.clear();
        FFilter += typed;
        FSearchTimer->Start(500);
    } else {
        FFilter = typed;
    }
    // One character searches from the item after the current one, so that repeating it cycles.
    const int count = int(FItems.size());
    const int start = FFilter.size() == 1 ? CurrentIndex() + 1 : 0;
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
    WasInLB = false;
    FScrollTimer->Stop();
    FireEvent(OnDropDown);
    const int rows = std::min<int>(FDropDownCount, int(FItems.size()));
    const int listWidth = FListBoxWidth > 0 ? FListBoxWidth : width();
    ListBox();
    FListBox->SetBounds(FListBox->x(), FListBox->y(), listWidth, FListBox->height());
    FListBox->SetRowCount(rows);
    // Opening only shows the list: the control's item and events stay as they are.
    FOldItemIndex = FItemIndex;
    FListBox->SetItemIndex(FItemIndex);
    FListBox->SetTopIndex(std::max(0, FItemIndex));
    QPoint origin = mapToGlobal(QPoint(0, height()));
    // Near the bottom of the work area the list opens above the control.
    if (QScreen* screen = this->screen();
        screen && origin.y() + FListBox->height() > screen->availableGeometry().bottom() + 1)
        origin = mapToGlobal(QPoint(0, -FListBox->height()));
    FListBox->Show(origin);
    FListBox->UpDateScrollBar();
    qApp->installEventFilter(this);
    update();
}

void TbsSkinCustomComboBox::CloseUp(bool accept)
{
    FScrollTimer->Stop();
    if (!IsPopupVisible())
        return;
    qApp->removeEventFilter(this);
    const int chosen = FListBox->ItemIndex();
    FListBox->Hide();
    FLBDown = false;
    if (accept && chosen >= 0 && chosen < FItems.size() && chosen != FItemIndex) {
        SetItemIndex(chosen);
    } else {
        FItemIndex = FOldItemIndex;
        FListBox->SetItemIndex(FItemIndex);
    }
    update();
    FireEvent(OnCloseUp);
}

bool TbsSkinCustomComboBox::IsPopupVisible() const
{
    return FListBox && FListBox->isVisible();
}

int TbsSkinCustomComboBox::ListRowAt(const QPoint& globalPos) const
{
    const TbsListBox* list = ListBox()->NativeList();
    const QModelIndex index = list->indexAt(list->viewport()->mapFromGlobal(globalPos));
    return index.isValid() ? index.row() : -1;
}

bool TbsSkinCustomComboBox::OverListRows(const QPoint& globalPos) const
{
    if (!IsPopupVisible())
        return false;
    QWidget* viewport = FListBox->NativeList()->viewport();
    return viewport->rect().contains(viewport->mapFromGlobal(globalPos));
}

void TbsSkinCustomComboBox::AutoScroll()
{
    const int index = CurrentIndex();
    if (TimerMode == 1 && index > 0)
        SelectByUser(index - 1);
    else if (TimerMode == 2 && index < FItems.size() - 1)
        SelectByUser(index + 1);
    else
        FScrollTimer->Stop();
}

void TbsSkinCustomComboBox::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    painter.fillRect(B.rect(), SysWindow());
    DrawFrame(painter, B.rect(), SysBtnShadow());
    const QRect button = Button.R;
    DrawDefaultButtonFace(painter, button, Button.Down && Button.MouseIn, Button.MouseIn);
    // The arrow: four centred lines 7, 5, 3 and 1 pixels wide, the widest one above the centre.
    painter.setPen(isEnabled() ? QColor(Qt::black) : SysBtnShadow());
    const int cx = button.left() + button.width() / 2, cy = button.top() + button.height() / 2;
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        painter.drawLine(cx - half, cy - 1 + i, cx + half, cy - 1 + i);
    }
    const bool focused = hasFocus();
    painter.fillRect(CBItem, focused ? SysHighlight() : SysWindow());
    const QColor color = !isEnabled() ? SysGrayText() : focused ? SysHighlightText() : FDefaultFontColor;
    DrawItemText(painter, CBItem.adjusted(1, 0, 0, 0), color, font());
}

void TbsSkinCustomComboBox::DrawSkinImage(QImage& B)
{
    const QImage picture = FLink.Picture(FSkin.PictureIndex);
    const bool hot = underMouse() || Button.MouseIn;
    const bool focused = hasFocus();
    if (!FSkin.ActiveSkinRect.isEmpty() && (hot || focused) && !picture.isNull()) {
        QImage strip;
        PaintHStrip(FPart.LTPoint.x(), FSkin.ActiveSkinRect.width() - FPart.RTPoint.x(), strip, StretchEffect,
                    width(), FSkin.ActiveSkinRect, picture);
        B = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        TbsSkinCustomControl::DrawSkinImage(B);
    }
    if (B.size() != size()) {
        QImage sized(size(), QImage::Format_ARGB32_Premultiplied);
        sized.fill(Qt::transparent);
        QPainter(&sized).drawImage(0, 0, B);
        B = sized;
    }
    QPainter painter(&B);
    // The button part: the state's picture; the normal one only when the background lacks it.
    QRect face = !isEnabled() && !FSkin.UnEnabledButtonRect.isEmpty() ? FSkin.UnEnabledButtonRect
                 : Button.Down && Button.MouseIn                      ? FSkin.DownButtonRect
                 : Button.MouseIn                                     ? FSkin.ActiveButtonRect
                                                                      : QRect();
    if (face.isEmpty() && !FSkin.ButtonPlaced)
        face = FSkin.ButtonRect;
    if (!face.isEmpty() && !picture.isNull())
        painter.drawImage(Button.R.topLeft(), picture.copy(face));
    // The item area, from the focused, hot or normal item picture.
    const bool activeItem = !FSkin.ActiveItemRect.isEmpty() && !FSkin.ActiveSkinRect.isEmpty() && hot;
    const QRect itemLook = focused      ? FSkin.FocusItemRect
                           : activeItem ? FSkin.ActiveItemRect
                                        : FSkin.SItemRect;
    const bool itemStretch = focused ? FSkin.FocusItemStretchEffect : FSkin.ItemStretchEffect;
    if (!itemLook.isEmpty() && !picture.isNull() && CBItem.width() > 0) {
        QImage item;
        PaintHStrip(FSkin.ItemLeftOffset, FSkin.ItemRightOffset, item, itemStretch, CBItem.width(), itemLook,
                    picture);
        painter.drawImage(CBItem.topLeft(), item);
    }
    const int base = FSkin.SItemRect.isEmpty() ? FSkin.ClRect.width() : FSkin.SItemRect.width();
    QRect text = FSkin.ItemTextRect.translated(CBItem.topLeft());
    text.setRight(text.right() + CBItem.width() - base);
    text.setHeight(CBItem.height());
    const QColor color = !isEnabled()                             ? FSkin.DisabledFontColor
                         : focused                                ? FSkin.FocusFontColor
                         : hot && !FSkin.ActiveSkinRect.isEmpty() ? FSkin.ActiveFontColor
                                                                  : FSkin.FontColor;
    DrawItemText(painter, text, color, FSkin.Font);
    if (FSkin.ShowFocus && focused) {
        painter.setPen(QPen(color, 1, Qt::DotLine));
        painter.drawRect(CBItem.adjusted(0, 0, -1, -1));
    }
}

void TbsSkinCustomComboBox::DrawItemText(QPainter& painter, const QRect& textRect, const QColor& color,
                                         const QFont& font) const
{
    // The item area shows the chosen item while the list is open.
    const int shown = IsPopupVisible() ? FOldItemIndex : FItemIndex;
    const QString text = shown >= 0 && shown < FItems.size() ? FItems[shown] : QString();
    painter.setPen(color);
    painter.setFont(font);
    painter.drawText(textRect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     text);
}

void TbsSkinCustomComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    if (Button.R.contains(pos) || (FStyle == bscbFixedStyle && CBItem.contains(pos))) {
        Button.Down = true;
        update();
        if (!IsPopupVisible()) {
            WasInLB = false;
            FLBDown = true;
            DropDown();
        } else {
            CloseUp(false);
        }
    } else if (IsPopupVisible()) {
        CloseUp(false);
    }
}

void TbsSkinCustomComboBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (FLBDown && IsPopupVisible()) {
        QWidget* viewport = FListBox->NativeList()->viewport();
        const int y = viewport->mapFromGlobal(global).y();
        if (y >= 0 && y < viewport->height()) {
            FScrollTimer->Stop();
            if (const int row = ListRowAt(global); row >= 0)
                FListBox->SetItemIndex(row);
            WasInLB = true;
        } else if (WasInLB && FListBox->VScrollBar()) {
            TimerMode = y < 0 ? 1 : 2;
            if (!FScrollTimer->Active())
                FScrollTimer->Start(25);
        }
        return;
    }
    const bool in = Button.R.contains(event->position().toPoint());
    if (in != Button.MouseIn) {
        Button.MouseIn = in;
        update();
    }
}

void TbsSkinCustomComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (FLBDown && WasInLB)
        CloseUp(OverListRows(event->globalPosition().toPoint()));
    FLBDown = false;
    FScrollTimer->Stop();
    if (Button.Down) {
        Button.Down = false;
        update();
    }
}

void TbsSkinCustomComboBox::leaveEvent(QEvent* event)
{
    TbsSkinCustomControl::leaveEvent(event);
    Button.MouseIn = false;
    update();
}

void TbsSkinCustomComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    const int current = CurrentIndex();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (IsPopupVisible()) {
            CloseUp(event->key() != Qt::Key_Escape);
            return;
        }
        // A closed list leaves Enter and Escape to the window's default and cancel buttons.
        event->ignore();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        alt ? CloseUp(false) : SelectByUser(current - 1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        alt ? DropDown() : SelectByUser(current + 1);
        return;
    case Qt::Key_PageUp:
        SelectByUser(std::max(0, current - FDropDownCount - 1));
        return;
    case Qt::Key_PageDown:
        SelectByUser(current + FDropDownCount - 1);
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

void TbsSkinCustomComboBox::inputMethodEvent(QInputMethodEvent* event)
{
    // Text composed with an input method searches like typed characters.
    if (!event->commitString().isEmpty())
        SearchTyped(event->commitString());
    event->accept();
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
    SelectByUser(CurrentIndex() + (event->angleDelta().y() < 0 ? 1 : -1));
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
    // A click into the list may activate its window for a moment; that is no focus loss.
    const bool toList =
        event->reason() == Qt::ActiveWindowFocusReason && FListBox && QApplication::activeWindow() == FListBox;
    if (event->reason() != Qt::PopupFocusReason && !toList)
        CloseUp(false);
    update();
}

bool TbsSkinCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (FListBox && watched == FListBox->NativeList()->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                FLBDown = WasInLB = true;
                if (const int row = ListRowAt(mouse->globalPosition().toPoint()); row >= 0)
                    FListBox->SetItemIndex(row);
            }
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (FLBDown)
                if (const int row = ListRowAt(mouse->globalPosition().toPoint()); row >= 0)
                    FListBox->SetItemIndex(row);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && FLBDown)
                CloseUp(OverListRows(mouse->globalPosition().toPoint()));
            FLBDown = false;
            return true;
        }
        default:
            break;
        }
    }
    // While the list is open a press anywhere else closes it.
    if (event->type() == QEvent::MouseButtonPress && IsPopupVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool ours = widget && (widget == this || isAncestorOf(widget) || widget == FListBox ||
                                     FListBox->isAncestorOf(widget));
        if (widget && !ours)
            CloseUp(false);
    }
    if (event->type() == QEvent::ApplicationDeactivate && IsPopupVisible())
        CloseUp(false);
    return TbsSkinCustomControl::eventFilter(watched, event);
}
