// List box: item painting in both looks, the layout of the list and its bars, the bars' life and
// the wheel; and the pop-up form used as a drop-down list.
#include "bsSkinListBox.h"

#include "TApplication.h"
#include "bsColors.h"
#include "bsDefaultLook.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

// Hands every item of the native list to its owner's painting, at the owner's item height.
class TbsListItemDelegate : public QStyledItemDelegate {
public:
    TbsListItemDelegate(TbsSkinCustomListBox* owner, QObject* parent)
        : QStyledItemDelegate(parent), FOwner(owner)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const TbsListBox* list = FOwner->ListBox;
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = list->hasFocus() && list->currentIndex() == index;
        FOwner->DrawItem(*painter, index.row(), option.rect, selected, focused);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return QSize(1, FOwner->FItemHeight);
    }

private:
    TbsSkinCustomListBox* FOwner;
};

TbsListItemLook ListItemLook(bool selected, bool focused)
{
    if (selected)
        return focused ? liFocus : liActive;
    return focused ? liFocusFrame : liNormal;
}

TbsListBox::TbsListBox(TbsSkinCustomListBox* owner) : QListWidget(owner), SkinListBox(owner)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    viewport()->setAutoFillBackground(false);
}

void TbsListBox::LayoutNow()
{
    executeDelayedItemsLayout();
}

void TbsListBox::SetHorizontalExtentValue(int value)
{
    FHorizontalExtentValue = value;
    viewport()->update();
}

void TbsListBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        SkinListBox->PaintBelowItems(painter, viewport()->rect());
    }
    QListWidget::paintEvent(event);
}

void TbsListBox::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    // One line per notch; a turn towards the user scrolls down.
    const int notches = std::max(1, std::abs(delta) / 120);
    const int step = delta < 0 ? notches : -notches;
    if (SkinListBox->ScrollBar || !SkinListBox->HScrollBar) {
        LayoutNow();
        verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
    } else {
        TbsSkinScrollBar* bar = SkinListBox->HScrollBar;
        bar->SetPosition(bar->Position() + (step > 0 ? bar->SmallChange() : -bar->SmallChange()));
    }
    SkinListBox->UpDateScrollBar();
    event->accept();
}

void TbsListBox::keyPressEvent(QKeyEvent* event)
{
    FireEvent(SkinListBox->OnListBoxKeyDown, event);
    TbsSkinScrollBar* h = SkinListBox->HScrollBar;
    if (h && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        h->SetPosition(h->Position() + (event->key() == Qt::Key_Left ? -h->SmallChange() : h->SmallChange()));
        return;
    }
    QListWidget::keyPressEvent(event);
    SkinListBox->UpDateScrollBar();
}

void TbsListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
}

void TbsListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        FireEvent(SkinListBox->OnListBoxClick);
}

void TbsListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    FireEvent(SkinListBox->OnListBoxDblClick);
}

TbsSkinCustomListBox::TbsSkinCustomListBox(QWidget* parent) : TbsSkinCustomControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("listbox"));
    ListBox = new TbsListBox(this);
    ListBox->setItemDelegate(new TbsListItemDelegate(this, ListBox));
    ListBox->setFont(FDefaultFont);
    QAbstractItemModel* model = ListBox->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { UpDateScrollBar(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { UpDateScrollBar(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { UpDateScrollBar(); });
    connect(ListBox->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { UpDateScrollBar(); });
    QWidget::resize(120, 120);
    AlignControls();
}

TbsSkinCustomListBox::~TbsSkinCustomListBox()
{
    // The native list empties its model while it is destroyed; the bars must not follow that.
    FInUpdate = true;
    ListBox->model()->disconnect(this);
    ListBox->verticalScrollBar()->disconnect(this);
    delete ListBox;
}

bool TbsSkinCustomListBox::SkinLook() const
{
    return SkinIndex() != -1 && FLink.Typed<TbsDataSkinListBox>();
}

QStringList TbsSkinCustomListBox::Items() const
{
    QStringList items;
    for (int i = 0; i < ListBox->count(); ++i)
        items << ListBox->item(i)->text();
    return items;
}

void TbsSkinCustomListBox::SetItems(const QStringList& items)
{
    ListBox->clear();
    ListBox->addItems(items);
    UpDateScrollBar();
}

void TbsSkinCustomListBox::AddItem(const QString& item)
{
    ListBox->addItem(item);
}

void TbsSkinCustomListBox::Clear()
{
    ListBox->clear();
    UpDateScrollBar();
}

void TbsSkinCustomListBox::SetItemIndex(int index)
{
    ListBox->setCurrentRow(index);
}

int TbsSkinCustomListBox::TopIndex() const
{
    ListBox->LayoutNow();
    return ListBox->verticalScrollBar()->value();
}

void TbsSkinCustomListBox::SetTopIndex(int index)
{
    ListBox->LayoutNow();
    ListBox->verticalScrollBar()->setValue(index);
}

void TbsSkinCustomListBox::SetRowCount(int value)
{
    FRowCount = value;
    if (FRowCount > 0)
        SetBounds(x(), y(), width(), CalcHeight(FRowCount));
    // A hidden control gets its resize event only when shown.
    AlignControls();
    UpDateScrollBar();
}

void TbsSkinCustomListBox::SetDefaultItemHeight(int value)
{
    FDefaultItemHeight = value;
    if (!SkinLook() || !FUseSkinItemHeight)
        ApplyItemHeight();
}

void TbsSkinCustomListBox::SetUseSkinItemHeight(bool value)
{
    FUseSkinItemHeight = value;
    ApplyItemHeight();
}

void TbsSkinCustomListBox::SetHorizontalExtent(bool value)
{
    FHorizontalExtent = value;
    UpDateScrollBar();
}

void TbsSkinCustomListBox::ApplyItemHeight()
{
    const int height = SkinLook() && FUseSkinItemHeight ? FSkin.SItemRect.height() : FDefaultItemHeight;
    // A skin or a caller may give 0; every row count below divides by it.
    FItemHeight = std::max(1, height);
    ListBox->doItemsLayout();
    ListBox->viewport()->update();
}

int TbsSkinCustomListBox::CalcHeight(int AItemsCount) const
{
    int height = SkinLook() ? SkinRect.height() + AItemsCount * FItemHeight - FSkin.ClRect.height()
                            : AItemsCount * FItemHeight + 4;
    if (HScrollBar)
        height += HScrollBar->height();
    return height;
}

void TbsSkinCustomListBox::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    if (const auto* r = FLink.Typed<TbsDataSkinListBox>(); r && SkinIndex() != -1) {
        TSkinItems& s = FSkin;
        s.PictureIndex = r->PictureIndex;
        s.SItemRect = r->SItemRect.ToQRect();
        s.ActiveItemRect = r->ActiveItemRect.IsEmpty() ? s.SItemRect : r->ActiveItemRect.ToQRect();
        s.FocusItemRect = r->FocusItemRect.IsEmpty() ? s.SItemRect : r->FocusItemRect.ToQRect();
        s.ItemTextRect = ExactRect(r->ItemTextRect);
        s.ClRect = ExactRect(r->ClRect);
        s.ItemLeftOffset = r->ItemLeftOffset;
        s.ItemRightOffset = r->ItemRightOffset;
        s.FontColor = ColorToQColor(r->FontColor);
        s.ActiveFontColor = ColorToQColor(r->ActiveFontColor);
        s.FocusFontColor = ColorToQColor(r->FocusFontColor);
        s.Font = FUseSkinFont ? RecordFont(*r) : FDefaultFont;
        s.VScrollBarName = r->VScrollBarName;
        s.HScrollBarName = r->HScrollBarName;
        s.BothScrollBarName = r->BothScrollBarName;
        s.ShowFocus = r->ShowFocus;
        ListBox->setFont(s.Font);
    } else {
        ListBox->setFont(FDefaultFont);
    }
    ApplyItemHeight();
    ApplyBarNames();
    if (FRowCount > 0)
        SetBounds(x(), y(), width(), CalcHeight(FRowCount));
    AlignControls();
    UpDateScrollBar();
    ListBox->viewport()->update();
}

void TbsSkinCustomListBox::ApplyBarNames()
{
    const bool skin = SkinLook();
    if (ScrollBar) {
        ScrollBar->SetSkinDataName(skin ? FSkin.VScrollBarName : QString());
        ScrollBar->SetSkinData(SkinData());
    }
    if (HScrollBar) {
        HScrollBar->SetBoth(false);
        HScrollBar->SetBothSkinDataName(skin ? FSkin.BothScrollBarName : QString());
        HScrollBar->SetSkinDataName(skin ? FSkin.HScrollBarName : QString());
        HScrollBar->SetSkinData(SkinData());
        // With both bars the horizontal one keeps the corner under the vertical one.
        HScrollBar->SetBoth(ScrollBar != nullptr);
    }
}

void TbsSkinCustomListBox::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    AlignControls();
    UpDateScrollBar();
}

void TbsSkinCustomListBox::AlignControls()
{
    const int W = width(), H = height();
    QRect list = SkinLook() ? NewClRect() : EdgeRect(2, 2, W - 2, H - 2);
    const bool hShown = HScrollBar && !HScrollBar->isHidden();
    const bool vShown = ScrollBar && !ScrollBar->isHidden();
    int hHeight = 0;
    if (hShown) {
        if (SkinLook()) {
            hHeight = HScrollBar->height();
            HScrollBar->SetBounds(list.left(), list.bottom() + 1 - hHeight, list.width(), hHeight);
        } else {
            hHeight = 19;
            HScrollBar->SetBounds(1, H - 20, W - 2, 19);
        }
        list.setBottom(list.bottom() - hHeight);
    }
    if (vShown) {
        if (SkinLook()) {
            const int w = ScrollBar->width();
            ScrollBar->SetBounds(list.right() + 1 - w, list.top(), w, list.height());
            list.setRight(list.right() - w);
        } else {
            const int bottom = hShown ? H - 20 : H - 1;
            ScrollBar->SetBounds(W - 20, 1, 19, bottom - 1);
            list.setRight(W - 21);
        }
    }
    FListRect = list;
    ListBox->setGeometry(list);
}

TbsSkinScrollBar* TbsSkinCustomListBox::CreateBar(TScrollBarKind kind)
{
    auto* bar = new TbsSkinScrollBar(this);
    bar->SetKind(kind);
    bar->QWidget::resize(kind == sbVertical ? 20 : 100, kind == sbVertical ? 100 : 20);
    bar->SetRange(0, 0, 0, 0);
    bar->show();
    return bar;
}

void TbsSkinCustomListBox::RemoveBar(QPointer<TbsSkinScrollBar>& bar)
{
    if (!bar)
        return;
    bar->hide();
    delete bar.data();
    bar = nullptr;
    ApplyBarNames();
    AlignControls();
}

void TbsSkinCustomListBox::UpDateScrollBar()
{
    if (FInUpdate)
        return;
    FInUpdate = true;
    UpdateHorizontalBar();
    UpdateVerticalBar();
    FInUpdate = false;
}

void TbsSkinCustomListBox::UpdateHorizontalBar()
{
    if (!FHorizontalExtent) {
        RemoveBar(HScrollBar);
        return;
    }
    const QFontMetrics metrics(ListBox->font());
    int widest = 0;
    for (int i = 0; i < ListBox->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(ListBox->item(i)->text()));
    const int page = SkinLook() ? FListRect.width() + FSkin.ItemTextRect.width() - FSkin.SItemRect.width()
                                : FListRect.width() - 4;
    if (widest <= page || page <= 0) {
        RemoveBar(HScrollBar);
        ListBox->SetHorizontalExtentValue(0);
        return;
    }
    if (!HScrollBar) {
        HScrollBar = CreateBar(sbHorizontal);
        HScrollBar->OnChange = [this] { ListBox->SetHorizontalExtentValue(HScrollBar->Position()); };
        ApplyBarNames();
        AlignControls();
    }
    HScrollBar->SetRange(0, widest, page, HScrollBar->Position());
    const int zero = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    HScrollBar->SetSmallChange(zero);
    HScrollBar->SetLargeChange(zero);
}

void TbsSkinCustomListBox::UpdateVerticalBar()
{
    const int count = ListBox->count();
    const int rowsFit = std::max(1, FListRect.height() / FItemHeight);
    ListBox->LayoutNow();
    const int top = ListBox->verticalScrollBar()->value();
    const bool fitsByRowCount = FRowCount > 0 && FRowCount == count;
    if (fitsByRowCount || count == 0 || top >= count || count <= rowsFit) {
        RemoveBar(ScrollBar);
        return;
    }
    if (!ScrollBar) {
        ScrollBar = CreateBar(sbVertical);
        ScrollBar->OnChange = [this] {
            ListBox->LayoutNow();
            ListBox->verticalScrollBar()->setValue(ScrollBar->Position());
        };
        ApplyBarNames();
        AlignControls();
    }
    const int rows = std::max(1, FListRect.height() / FItemHeight);
    ScrollBar->SetRange(0, count - 1, rows, top);
    ScrollBar->SetLargeChange(rows);
}

void TbsSkinCustomListBox::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    painter.fillRect(B.rect(), SysWindow());
    DrawFrame(painter, B.rect(), SysBtnShadow());
}

void TbsSkinCustomListBox::DrawSkinImage(QImage& B)
{
    TbsSkinCustomControl::DrawSkinImage(B);
}

void TbsSkinCustomListBox::PaintBelowItems(QPainter& painter, const QRect& area) const
{
    if (!SkinLook()) {
        painter.fillRect(area, SysWindow());
        return;
    }
    const QImage picture = FLink.Picture(FSkin.PictureIndex);
    const QRect piece = FSkin.ClRect.translated(SkinRect.topLeft()).intersected(picture.rect());
    if (picture.isNull() || piece.isEmpty()) {
        painter.fillRect(area, SysWindow());
        return;
    }
    painter.drawTiledPixmap(area, QPixmap::fromImage(picture.copy(piece)));
}

void TbsSkinCustomListBox::DrawItemText(QPainter& painter, int index, const QRect& textRect,
                                        const QColor& color) const
{
    painter.setPen(color);
    painter.setFont(ListBox->font());
    const QRect r = textRect.translated(-ListBox->HorizontalExtentValue(), 0);
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ListBox->item(index)->text());
}

void TbsSkinCustomListBox::DrawItem(QPainter& painter, int index, const QRect& rect, bool selected,
                                    bool focused) const
{
    if (index < 0 || index >= ListBox->count())
        return;
    const QImage picture = SkinLook() ? FLink.Picture(FSkin.PictureIndex) : QImage();
    if (picture.isNull()) {
        painter.fillRect(rect, selected ? SysHighlight() : SysWindow());
        DrawItemText(painter, index, rect.adjusted(1, 0, -2, 0),
                     selected ? SysHighlightText() : DefaultFontColor());
        if (focused) {
            QStyleOptionFocusRect option;
            option.rect = rect;
            ListBox->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, ListBox);
        }
        return;
    }
    const TbsListItemLook look = ListItemLook(selected, focused);
    const QRect source = look == liFocus    ? FSkin.FocusItemRect
                         : look == liActive ? FSkin.ActiveItemRect
                                            : FSkin.SItemRect;
    QImage item;
    if (FUseSkinItemHeight) {
        PaintHStrip(FSkin.ItemLeftOffset, FSkin.ItemRightOffset, item,
                    look == liNormal ? false : StretchEffect, rect.width(), source, picture);
    } else {
        item = QImage(rect.size(), QImage::Format_ARGB32_Premultiplied);
        item.fill(Qt::transparent);
        PaintStretchedPart(item, picture, source, true, FSkin.ItemTextRect);
    }
    painter.drawImage(rect.topLeft(), item);
    if (look == liFocusFrame || (focused && FSkin.ShowFocus)) {
        QPen pen(look == liFocusFrame ? FSkin.FontColor : SysBtnFace(), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    QRect text = FSkin.ItemTextRect.translated(rect.topLeft());
    text.setRight(text.right() + rect.width() - FSkin.SItemRect.width());
    text.setHeight(rect.height());
    const QColor color = look == liFocus    ? FSkin.FocusFontColor
                         : look == liActive ? FSkin.ActiveFontColor
                                            : FSkin.FontColor;
    DrawItemText(painter, index, text, color);
}

TbsPopupListBox::TbsPopupListBox(QWidget* owner) : TbsSkinCustomListBox(owner)
{
    // Kept away from the window manager too: a managed window would take the activation (and so
    // the focus of the control it drops down from) on the first click into it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                   Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    hide();
}

void TbsPopupListBox::Show(const QPoint& Origin)
{
    move(Origin);
    show();
}

void TbsPopupListBox::Hide()
{
    hide();
}
