// Page control: pages and tabs kept in step, the display area, and the default look of tabs,
// frame and page backgrounds.
#include "bsSkinTabs.h"

#include "TApplication.h"
#include "bsDefaultLook.h"

#include <QMouseEvent>
#include <QPainter>

TbsSkinCustomTabSheet::TbsSkinCustomTabSheet(TbsSkinPageControl* pageControl) : QWidget(nullptr)
{
    if (pageControl)
        SetPageControl(pageControl);
}

TbsSkinCustomTabSheet::~TbsSkinCustomTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TbsSkinCustomTabSheet::SetCaption(const QString& caption)
{
    FCaption = caption;
    if (FPageControl)
        FPageControl->FTabBar->setTabText(PageIndex(), caption);
}

void TbsSkinCustomTabSheet::SetPageControl(TbsSkinPageControl* pageControl)
{
    if (pageControl == FPageControl)
        return;
    if (FPageControl)
        FPageControl->RemovePage(this);
    FPageControl = pageControl;
    if (FPageControl)
        FPageControl->InsertPage(this);
    else
        setParent(nullptr);
}

int TbsSkinCustomTabSheet::PageIndex() const
{
    return FPageControl ? int(FPageControl->FPages.indexOf(this)) : -1;
}

void TbsSkinCustomTabSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), SysBtnFace());
}

TbsSkinTabBar::TbsSkinTabBar(TbsSkinPageControl* owner) : QTabBar(owner), FOwner(owner)
{
    setObjectName(QStringLiteral("TabBar"));
    setMouseTracking(true);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(true);
    setFocusPolicy(Qt::TabFocus);
}

QSize TbsSkinTabBar::tabSizeHint(int index) const
{
    const int textWidth = QFontMetrics(font()).horizontalAdvance(tabText(index));
    return QSize(textWidth + 16, FOwner->CurrentTabHeight());
}

void TbsSkinTabBar::SetHotTab(int index)
{
    if (index == FHotTab)
        return;
    FHotTab = index;
    update();
}

void TbsSkinTabBar::mouseMoveEvent(QMouseEvent* event)
{
    QTabBar::mouseMoveEvent(event);
    SetHotTab(tabAt(event->position().toPoint()));
}

void TbsSkinTabBar::leaveEvent(QEvent* event)
{
    QTabBar::leaveEvent(event);
    SetHotTab(-1);
}

void TbsSkinTabBar::wheelEvent(QWheelEvent* event)
{
    if (FOwner->MouseWheelSupport())
        QTabBar::wheelEvent(event);
    else
        event->ignore();
}

void TbsSkinTabBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), SysBtnFace());
    painter.setFont(font());
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        const bool selected = i == currentIndex();
        const bool focused = selected && hasFocus();
        const bool hot = i == FHotTab && !selected;
        // Selected and focused: the pressed scheme; selected: the hot scheme; hot: the hot fill.
        DrawDefaultButtonFace(painter, r, focused, selected || hot);
        painter.setPen(isEnabled() ? SysBtnText() : SysGrayText());
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, tabText(i));
    }
}

TbsSkinPageControl::TbsSkinPageControl(QWidget* parent)
    : TbsSkinCustomControl(parent), FTabBar(new TbsSkinTabBar(this))
{
    FLink.SetSkinDataName(QStringLiteral("tab"));
    setFont(FDefaultFont);
    FTabBar->setFont(FDefaultFont);
    connect(FTabBar, &QTabBar::currentChanged, this, [this](int index) { TabChanged(index); });
    resize(289, 193);
}

TbsSkinPageControl::~TbsSkinPageControl()
{
    // The pages are deleted with the other children after this; they must not call back.
    for (TbsSkinCustomTabSheet* page : FPages)
        page->FPageControl = nullptr;
}

int TbsSkinPageControl::ActivePageIndex() const
{
    return FTabBar->currentIndex();
}

void TbsSkinPageControl::SetActivePage(TbsSkinCustomTabSheet* page)
{
    if (page && page->FPageControl == this)
        SetActivePageIndex(page->PageIndex());
}

void TbsSkinPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < PageCount())
        FTabBar->setCurrentIndex(index);
}

void TbsSkinPageControl::SetTabHeight(int value)
{
    FTabHeight = std::max(0, value);
    Realign();
}

void TbsSkinPageControl::SetDefaultItemHeight(int value)
{
    if (value > 0)
        FDefaultItemHeight = value;
    Realign();
}

QRect TbsSkinPageControl::DisplayRect() const
{
    const int top = CurrentTabHeight() + 1;
    return QRect(1, top, std::max(0, width() - 2), std::max(0, height() - top - 1));
}

QRect TbsSkinPageControl::TabRect(int index) const
{
    return FTabBar->tabRect(index).translated(FTabBar->pos());
}

void TbsSkinPageControl::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    setFont(FDefaultFont);
    FTabBar->setFont(FDefaultFont);
    Realign();
}

void TbsSkinPageControl::DefaultFontChanged()
{
    setFont(FDefaultFont);
    FTabBar->setFont(FDefaultFont);
    Realign();
}

void TbsSkinPageControl::InsertPage(TbsSkinCustomTabSheet* page)
{
    FPages.append(page);
    page->setParent(this);
    page->setGeometry(DisplayRect());
    // Adding the first tab makes it current, which shows its page.
    FTabBar->addTab(page->Caption());
    page->setVisible(page->PageIndex() == ActivePageIndex());
}

void TbsSkinPageControl::RemovePage(TbsSkinCustomTabSheet* page)
{
    const int index = int(FPages.indexOf(page));
    if (index < 0)
        return;
    FPages.removeAt(index);
    page->FPageControl = nullptr;
    FChangingTab = true;
    FTabBar->removeTab(index);
    FChangingTab = false;
    TabChanged(FTabBar->currentIndex());
}

void TbsSkinPageControl::TabChanged(int index)
{
    if (FChangingTab)
        return;
    for (int i = 0; i < PageCount(); ++i)
        FPages[i]->setVisible(i == index);
    if (TbsSkinCustomTabSheet* page = Pages(index))
        page->raise();
    FireEvent(OnChange);
}

void TbsSkinPageControl::Realign()
{
    FTabBar->setGeometry(0, 0, width(), CurrentTabHeight());
    const QRect display = DisplayRect();
    for (TbsSkinCustomTabSheet* page : FPages)
        page->setGeometry(display);
    update();
}

void TbsSkinPageControl::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    Realign();
}

void TbsSkinPageControl::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    painter.fillRect(B.rect(), SysBtnFace());
    DrawFrame(painter, DisplayRect().adjusted(-1, -1, 1, 1), SysBtnShadow());
}
