// Skinned tree view: node list, selection, the default look's lines and buttons, click and menu.
#include "bsSkinTreeView.h"

#include "bsScrolledArea.h"
#include "bsSkinScrollBar.h"

#include "TApplication.h"
#include "TImageList.h"
#include "TPopupMenu.h"
#include "bsColors.h"
#include "bsDefaultLook.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>

namespace {

// Dotted lines as the platform draws tree lines: every other pixel, in step across lines so that
// they meet.
void DottedHLine(QPainter* painter, int x1, int x2, int y)
{
    for (int x = x1; x <= x2; ++x)
        if (((x + y) & 1) == 0)
            painter->drawPoint(x, y);
}

void DottedVLine(QPainter* painter, int x, int y1, int y2)
{
    for (int y = y1; y <= y2; ++y)
        if (((x + y) & 1) == 0)
            painter->drawPoint(x, y);
}

bool HasNextSibling(const QTreeWidgetItem* item, const QTreeWidget* tree)
{
    const QTreeWidgetItem* parent = item->parent();
    auto* self = const_cast<QTreeWidgetItem*>(item);
    const int index = parent ? parent->indexOfChild(self) : tree->indexOfTopLevelItem(self);
    const int count = parent ? parent->childCount() : tree->topLevelItemCount();
    return index + 1 < count;
}

} // namespace

int TTreeNode::Level() const
{
    int level = 0;
    for (const QTreeWidgetItem* p = parent(); p; p = p->parent())
        ++level;
    return level;
}

void TTreeNode::Expand(bool recurse)
{
    setExpanded(true);
    if (recurse)
        for (int i = 0; i < childCount(); ++i)
            Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    setExpanded(false);
    if (recurse)
        for (int i = 0; i < childCount(); ++i)
            Item(i)->Collapse(true);
}

int TTreeNodes::Count() const
{
    int count = 0;
    for (QTreeWidgetItemIterator it(FOwner); *it; ++it)
        ++count;
    return count;
}

void TTreeNodes::Clear()
{
    FOwner->clear();
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const QString& text, std::any data)
{
    auto* node = new TTreeNode;
    node->SetText(text);
    node->Data = std::move(data);
    if (parent)
        parent->addChild(node);
    else
        FOwner->addTopLevelItem(node);
    return node;
}

TTreeNode* TTreeNodes::TopItem(int index) const
{
    return static_cast<TTreeNode*>(FOwner->topLevelItem(index));
}

int TTreeNodes::TopCount() const
{
    return FOwner->topLevelItemCount();
}

void TTreeNodes::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        FOwner->setUpdatesEnabled(false);
}

void TTreeNodes::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        FOwner->setUpdatesEnabled(true);
}

TbsSkinCustomTreeView::TbsSkinCustomTreeView(QWidget* parent)
    : QTreeWidget(parent), FItems(this), FLink(QStringLiteral("treeview")),
      FItemSkinDataName(QStringLiteral("listbox")), FCheckSkinDataName(QStringLiteral("checkbox")),
      FDefaultFont(DefaultControlFont()), FDefaultColor(SysWindow())
{
    setHeaderHidden(true);
    setColumnCount(1);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
    setIndentation(19);
    // Positions count in nodes, as the linked bars do.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QScrollBar* native : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(native, &QScrollBar::rangeChanged, this, [this] { UpDateScrollBars(); });
        connect(native, &QScrollBar::valueChanged, this, [this] { UpDateScrollBars(); });
    }
    ChangeSkinData();
}

TbsSkinCustomTreeView::~TbsSkinCustomTreeView() = default;

TTreeNode* TbsSkinCustomTreeView::Selected() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<TTreeNode*>(selected.first());
}

void TbsSkinCustomTreeView::SetSelected(TTreeNode* node)
{
    if (!node) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentItem(node);
    node->setSelected(true);
}

void TbsSkinCustomTreeView::FullExpand()
{
    for (int i = 0; i < FItems.TopCount(); ++i)
        FItems.TopItem(i)->Expand(true);
}

void TbsSkinCustomTreeView::FullCollapse()
{
    for (int i = 0; i < FItems.TopCount(); ++i)
        FItems.TopItem(i)->Collapse(true);
}

void TbsSkinCustomTreeView::SetHideSelection(bool value)
{
    FHideSelection = value;
    ApplyColours();
}

void TbsSkinCustomTreeView::SetShowLines(bool value)
{
    FShowLines = value;
    viewport()->update();
}

void TbsSkinCustomTreeView::SetShowButtons(bool value)
{
    FShowButtons = value;
    viewport()->update();
}

void TbsSkinCustomTreeView::SetSkinData(TbsSkinData* value)
{
    FLink.SetSkinData(value);
    ChangeSkinData();
}

void TbsSkinCustomTreeView::SetSkinDataName(const QString& value)
{
    FLink.SetSkinDataName(value);
    ChangeSkinData();
}

void TbsSkinCustomTreeView::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    if (SkinIndex() == -1)
        setFont(FDefaultFont);
}

void TbsSkinCustomTreeView::SetDefaultColor(const QColor& color)
{
    FDefaultColor = color;
    if (SkinIndex() == -1) {
        FColor = color;
        ApplyColours();
    }
}

void TbsSkinCustomTreeView::SetButtonSize(int value)
{
    if (value > 0)
        FButtonSize = value;
    viewport()->update();
}

void TbsSkinCustomTreeView::SetButtonImageList(const TImageList* images)
{
    FButtonImageList = images;
    viewport()->update();
}

void TbsSkinCustomTreeView::SetButtonExpandImageIndex(int index)
{
    FButtonExpandImageIndex = index;
    viewport()->update();
}

void TbsSkinCustomTreeView::SetButtonNoExpandImageIndex(int index)
{
    FButtonNoExpandImageIndex = index;
    viewport()->update();
}

void TbsSkinCustomTreeView::GetSkinData()
{
    FLink.Lookup();
}

void TbsSkinCustomTreeView::ChangeSkinData()
{
    GetSkinData();
    const auto* record = FLink.Typed<TbsDataSkinTreeView>();
    if (!record) {
        setFont(FDefaultFont);
        FColor = FDefaultColor;
        FFontColor = SysWindowText();
        FLineColor = QColor(128, 128, 128);
        FButtonColor = FLineColor;
    } else {
        setFont(FUseSkinFont ? RecordFont(*record) : FDefaultFont);
        FColor = ColorToQColor(record->BGColor);
        FFontColor = ColorToQColor(record->FontColor);
        auto average = [](const QColor& a, const QColor& b) {
            return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
        };
        FButtonColor = average(FFontColor, FColor);
        FLineColor = average(FButtonColor, FColor);
    }
    ApplyColours();
    UpDateScrollBars();
}

void TbsSkinCustomTreeView::ApplyColours()
{
    QPalette p = palette();
    p.setColor(QPalette::Base, FColor);
    p.setColor(QPalette::Text, FFontColor);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const bool shown = group == QPalette::Active || !FHideSelection;
        p.setColor(group, QPalette::Highlight,
                   group == QPalette::Active ? SysHighlight()
                   : shown                   ? SysBtnFace()
                                             : FColor);
        p.setColor(group, QPalette::HighlightedText,
                   group == QPalette::Active ? SysHighlightText() : FFontColor);
    }
    setPalette(p);
    viewport()->update();
}

void TbsSkinCustomTreeView::DrawExpandButton(QPainter* painter, const QPoint& centre, bool expanded) const
{
    if (FButtonImageList) {
        const int index = expanded ? FButtonExpandImageIndex : FButtonNoExpandImageIndex;
        FButtonImageList->Draw(*painter, centre.x() - FButtonImageList->Width() / 2,
                               centre.y() - FButtonImageList->Height() / 2, index);
        return;
    }
    // A square of side 2 x ButtonSize - 1, so that it has a middle pixel for the bars.
    const int half = FButtonSize - 1;
    const QRect box(centre.x() - half, centre.y() - half, 2 * half + 1, 2 * half + 1);
    painter->fillRect(box, palette().color(QPalette::Base));
    DrawFrame(*painter, box, FButtonColor);
    painter->setPen(palette().color(QPalette::Text));
    const int bar = half - 2;
    painter->drawLine(centre.x() - bar, centre.y(), centre.x() + bar, centre.y());
    if (!expanded)
        painter->drawLine(centre.x(), centre.y() - bar, centre.x(), centre.y() + bar);
}

void TbsSkinCustomTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    const QTreeWidgetItem* item = itemFromIndex(index);
    if (!item)
        return;
    painter->save();
    painter->fillRect(rect, palette().color(QPalette::Base));
    const int indent = indentation();
    const int levels = static_cast<const TTreeNode*>(item)->Level();
    const int top = rect.top(), bottom = rect.bottom(), middle = rect.top() + rect.height() / 2;
    auto columnCentre = [&](int level) { return rect.left() + level * indent + indent / 2; };
    if (FShowLines) {
        painter->setPen(FLineColor);
        // Ancestors that have a later sibling carry a line down past this row.
        const QTreeWidgetItem* ancestor = item->parent();
        for (int level = levels - 1; level >= 0 && ancestor; --level, ancestor = ancestor->parent())
            if (HasNextSibling(ancestor, this))
                DottedVLine(painter, columnCentre(level), top, bottom);
        const int x = columnCentre(levels);
        const bool first = !item->parent() && indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) == 0;
        DottedVLine(painter, x, first ? middle : top, HasNextSibling(item, this) ? bottom : middle);
        DottedHLine(painter, x, rect.left() + (levels + 1) * indent - 1, middle);
    }
    if (FShowButtons && item->childCount() > 0)
        DrawExpandButton(painter, QPoint(columnCentre(levels), middle), item->isExpanded());
    painter->restore();
}

void TbsSkinCustomTreeView::mousePressEvent(QMouseEvent* event)
{
    // A right click opens the menu; only RightClickSelect (in contextMenuEvent) changes the selection.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TbsSkinCustomTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        FireEvent(OnClick);
}

void TbsSkinCustomTreeView::contextMenuEvent(QContextMenuEvent* event)
{
    if (FRightClickSelect && event->reason() == QContextMenuEvent::Mouse) {
        if (auto* node = static_cast<TTreeNode*>(itemAt(event->pos())))
            SetSelected(node);
    }
    if (!FPopupMenu) {
        QTreeWidget::contextMenuEvent(event);
        return;
    }
    event->accept();
    FPopupMenu->Popup(event->globalPos().x(), event->globalPos().y());
}

void TbsSkinCustomTreeView::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    // Qt makes the first node current when the focus comes in and marks it; until the user
    // chooses a node none may look chosen.
    if (!Selected() && currentItem())
        setCurrentItem(nullptr);
    viewport()->update();
}

void TbsSkinCustomTreeView::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}

void TbsSkinCustomTreeView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    UpDateScrollBars();
}

void TbsSkinCustomTreeView::showEvent(QShowEvent* event)
{
    QTreeWidget::showEvent(event);
    UpDateScrollBars();
}

void TbsSkinCustomTreeView::hideEvent(QHideEvent* event)
{
    QTreeWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    for (TbsSkinScrollBar* bar : {FVScrollBar.data(), FHScrollBar.data()})
        if (bar)
            bar->hide();
}

void TbsSkinCustomTreeView::SetVScrollBar(TbsSkinScrollBar* bar)
{
    LinkScrollBar(bar, Qt::Vertical);
}

void TbsSkinCustomTreeView::SetHScrollBar(TbsSkinScrollBar* bar)
{
    LinkScrollBar(bar, Qt::Horizontal);
}

void TbsSkinCustomTreeView::LinkScrollBar(TbsSkinScrollBar* bar, Qt::Orientation orientation)
{
    QPointer<TbsSkinScrollBar>& link = orientation == Qt::Vertical ? FVScrollBar : FHScrollBar;
    if (link && link != bar)
        link->OnChange = nullptr;
    link = bar;
    if (bar) {
        QScrollBar* native = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
        bar->OnChange = [this, bar, native] {
            if (!FInCheckScrollBars)
                native->setValue(bar->Position());
        };
    }
    UpDateScrollBars();
}

void TbsSkinCustomTreeView::UpDateScrollBars()
{
    if (FInCheckScrollBars) {
        // Showing a bar resizes the tree, which changes its ranges again: one more round then.
        FScrollBarsDirty = true;
        return;
    }
    FInCheckScrollBars = true;
    // A bar showing or hiding changes the page of the other at most once more.
    for (int round = 0; round < 3; ++round) {
        FScrollBarsDirty = false;
        CheckScrollBars();
        if (!FScrollBarsDirty)
            break;
    }
    FInCheckScrollBars = false;
}

void TbsSkinCustomTreeView::CheckScrollBars()
{
    const bool shown = !isHidden();
    bool vShown = false;
    if (FVScrollBar) {
        // Qt's range ends where the last page begins; the bar's range covers every node.
        const QScrollBar* native = verticalScrollBar();
        const int visible = native->pageStep(), total = native->maximum() + visible;
        vShown = shown && native->maximum() > 0;
        if (vShown) {
            FVScrollBar->SetRange(0, total - 1, visible, native->value());
            // A press in the track pages by what the tree shows.
            FVScrollBar->SetLargeChange(std::max(1, visible));
        }
        FVScrollBar->setVisible(vShown);
    }
    if (FHScrollBar) {
        const QScrollBar* native = horizontalScrollBar();
        const int page = native->pageStep(), content = native->maximum() + page;
        const bool hShown = shown && native->maximum() > 0;
        if (hShown) {
            FHScrollBar->SetRange(0, content - 1, page, native->value());
            FHScrollBar->SetSmallChange(std::max(1, indentation()));
            FHScrollBar->SetLargeChange(std::max(1, page));
        }
        if (FVScrollBar)
            FHScrollBar->SetBoth(vShown);
        FHScrollBar->setVisible(hShown);
    }
}

TbsScrolledArea* AttachSkinScrollBars(TbsSkinCustomTreeView* tree, TbsSkinData* skinData)
{
    auto* area = new TbsScrolledArea(tree->parentWidget());
    area->setObjectName(tree->objectName() + QStringLiteral("Area"));
    area->setGeometry(tree->geometry());
    tree->setParent(area);
    auto* vBar = new TbsSkinScrollBar(area);
    vBar->setObjectName(tree->objectName() + QStringLiteral("VScrollBar"));
    vBar->SetKind(sbVertical);
    vBar->SetSkinDataName(QStringLiteral("vscrollbar"));
    vBar->resize(19, 100);
    auto* hBar = new TbsSkinScrollBar(area);
    hBar->setObjectName(tree->objectName() + QStringLiteral("HScrollBar"));
    for (TbsSkinScrollBar* bar : {vBar, hBar}) {
        bar->hide();
        bar->SetSkinData(skinData);
    }
    area->SetContent(tree);
    area->SetScrollBars(vBar, hBar);
    tree->show();
    tree->SetVScrollBar(vBar);
    tree->SetHScrollBar(hBar);
    return area;
}
