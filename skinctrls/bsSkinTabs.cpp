// Page control: pages and tabs kept in step, the display area, and the default look of tabs,
// frame and page backgrounds.
#include "bsSkinTabs.h"

#include "TApplication.h"
#include "bsColors.h"
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
    const TbsDataSkinTabControl* t = FPageControl ? FPageControl->TabRecord() : nullptr;
    const QImage picture = t ? FPageControl->SkinLink().Picture(t->PictureIndex) : QImage();
    const QRect piece =
        t ? ExactRect(t->ClRect).translated(t->SkinRect.Left, t->SkinRect.Top).intersected(picture.rect())
          : QRect();
    if (piece.isEmpty()) {
        painter.fillRect(rect(), SysBtnFace());
        return;
    }
    // The page's client piece, stretched with StretchEffect, else tiled.
    if (t->StretchEffect)
        painter.drawImage(rect(), picture, piece);
    else
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(picture.copy(piece)));
}

TbsSkinTabBar::TbsSkinTabBar(TbsSkinPageControl* owner) : QTabBar(owner), FOwner(owner)
{
    setObjectName(QStringLiteral("TabBar"));
    setMouseTracking(true);
    setDrawBase(false);
    setExpanding(false);
    // The page control scrolls the row itself, with its skinned up-down.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setFocusPolicy(Qt::TabFocus);
}

QSize TbsSkinTabBar::tabSizeHint(int index) const
{
    const int textWidth = QFontMetrics(font()).horizontalAdvance(tabText(index));
    return QSize(textWidth + 16, FOwner->TabRowHeight());
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

TbsSkinTabBar::TFace TbsSkinTabBar::FaceOf(int index) const
{
    TFace face;
    const QRect r = tabRect(index);
    const bool selected = index == currentIndex();
    const bool focused = selected && hasFocus();
    const bool hot = index == FHotTab && !selected;
    const TbsDataSkinTabControl* t = FOwner->TabRecord();
    if (!t) {
        face.Face = face.Text = r;
        face.FontColor = isEnabled() ? SysBtnText() : SysGrayText();
        return face;
    }
    const QRect tab = t->TabRect.ToQRect(), active = t->ActiveTabRect.ToQRect();
    const QRect focus = t->FocusTabRect.IsEmpty() ? active : t->FocusTabRect.ToQRect();
    if (hot && !t->MouseInTabRect.IsEmpty()) {
        face.Source = t->MouseInTabRect.ToQRect();
        face.FontColor = ColorToQColor(t->MouseInFontColor);
    } else if (focused) {
        face.Source = focus;
        face.FontColor = ColorToQColor(t->FocusFontColor);
    } else if (!selected) {
        face.Source = tab;
        face.FontColor = ColorToQColor(t->FontColor);
    } else {
        face.Source = active;
        face.FontColor = ColorToQColor(t->ActiveFontColor);
    }
    // Faces stand on the bottom of the row, so a taller selected tab rises above the others.
    const int h = face.Source.height();
    face.Face = QRect(r.left(), r.bottom() + 1 - h, r.width(), h);
    face.Text = face.Face;
    if (!selected && tab.height() != active.height())
        face.Text.translate(0, 2);
    return face;
}

void TbsSkinTabBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const TbsDataSkinTabControl* t = FOwner->TabRecord();
    const QImage picture = t ? FOwner->SkinLink().Picture(t->PictureIndex) : QImage();
    if (picture.isNull()) {
        painter.fillRect(rect(), SysBtnFace());
    } else {
        // The band behind the tabs: its own piece, or the page's client piece.
        QRect band = t->TabsBGRect.ToQRect();
        if (band.isEmpty())
            band = ExactRect(t->ClRect).translated(t->SkinRect.Left, t->SkinRect.Top);
        band = band.intersected(picture.rect());
        if (band.isEmpty())
            painter.fillRect(rect(), SysBtnFace());
        else
            painter.drawTiledPixmap(rect(), QPixmap::fromImage(picture.copy(band)));
    }
    for (int i = 0; i < count(); ++i) {
        const TFace face = FaceOf(i);
        if (picture.isNull()) {
            const bool selected = i == currentIndex();
            const bool focused = selected && hasFocus();
            const bool hot = i == FHotTab && !selected;
            // Selected and focused: the pressed scheme; selected: the hot scheme; hot: the hot fill.
            DrawDefaultButtonFace(painter, face.Face, focused, selected || hot);
        } else {
            QImage bitmap;
            PaintHStrip(t->TabLeftOffset, t->TabRightOffset, bitmap, t->TabStretchEffect, face.Face.width(),
                        face.Source, picture);
            if (!bitmap.isNull())
                painter.drawImage(face.Face.topLeft(), bitmap);
        }
        painter.setPen(face.FontColor);
        painter.drawText(face.Text, Qt::AlignCenter | Qt::TextSingleLine, tabText(i));
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

const TbsDataSkinTabControl* TbsSkinPageControl::TabRecord() const
{
    return SkinIndex() == -1 ? nullptr : FLink.Typed<TbsDataSkinTabControl>();
}

int TbsSkinPageControl::CurrentTabHeight() const
{
    if (FTabHeight > 0)
        return FTabHeight;
    if (const TbsDataSkinTabControl* t = TabRecord(); t && !t->TabRect.IsEmpty())
        return int(t->TabRect.Height());
    return FDefaultItemHeight;
}

int TbsSkinPageControl::TabRowHeight() const
{
    const TbsDataSkinTabControl* t = TabRecord();
    if (!t || FTabHeight > 0)
        return CurrentTabHeight();
    return std::max(CurrentTabHeight(), int(t->ActiveTabRect.Height()));
}

QRect TbsSkinPageControl::DisplayRect() const
{
    const int top = TabRowHeight();
    if (const TbsDataSkinTabControl* t = TabRecord()) {
        // The frame's borders lie outside the pages.
        const QRect cl = ExactRect(t->ClRect);
        const int right = int(t->SkinRect.Width()) - cl.left() - cl.width();
        const int bottom = int(t->SkinRect.Height()) - cl.top() - cl.height();
        return EdgeRect(cl.left(), top + cl.top(), width() - right, height() - bottom);
    }
    return QRect(1, top + 1, std::max(0, width() - 2), std::max(0, height() - top - 2));
}

QRect TbsSkinPageControl::TabRect(int index) const
{
    return FTabBar->tabRect(index).translated(FTabBar->pos());
}

void TbsSkinPageControl::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    const TbsDataSkinTabControl* t = TabRecord();
    const QFont font = t && FUseSkinFont ? RecordFont(*t) : FDefaultFont;
    setFont(font);
    FTabBar->setFont(font);
    // The up-down is made again with the new skin's object.
    delete FSkinUpDown;
    FSkinUpDown = nullptr;
    Realign();
    for (TbsSkinCustomTabSheet* page : FPages)
        page->update();
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
    // Scrolled tabs lie left of the control; the row is as wide as all its tabs.
    FScrolledTabs = std::clamp(FScrolledTabs, 0, std::max(0, PageCount() - 1));
    int offset = 0, total = 0;
    for (int i = 0; i < FTabBar->count(); ++i) {
        const int w = FTabBar->tabRect(i).width();
        total += w;
        if (i < FScrolledTabs)
            offset += w;
    }
    FTabBar->setGeometry(-offset, 0, std::max(width() + offset, total), TabRowHeight());
    const QRect display = DisplayRect();
    for (TbsSkinCustomTabSheet* page : FPages)
        page->setGeometry(display);
    CheckScrollArrows();
    update();
}

void TbsSkinPageControl::CheckScrollArrows()
{
    if (FInCheckArrows)
        return;
    int hidden = 0, scrolledOff = 0;
    for (int i = 0; i < FTabBar->count(); ++i) {
        const QRect r = TabRect(i);
        const int right = r.left() + r.width();
        if (right > width() - 3 || right <= 0)
            ++hidden;
        if (right <= 0)
            ++scrolledOff;
    }
    if (hidden == 0) {
        delete FSkinUpDown;
        FSkinUpDown = nullptr;
        return;
    }
    FInCheckArrows = true;
    if (!FSkinUpDown) {
        FSkinUpDown = new TbsSkinUpDown(this);
        FSkinUpDown->setObjectName(QStringLiteral("SkinUpDown"));
        const TbsDataSkinTabControl* t = TabRecord();
        FSkinUpDown->SetSkinDataName(t && !t->UpDown.isEmpty() ? t->UpDown : QStringLiteral("hupdown"));
        FSkinUpDown->QWidget::resize(2 * FDefaultItemHeight, FDefaultItemHeight);
        FSkinUpDown->SetSkinData(SkinData());
        FSkinUpDown->OnChange = [this] {
            if (FInCheckArrows)
                return;
            FScrolledTabs = FSkinUpDown->Position();
            Realign();
        };
        FSkinUpDown->show();
    }
    FSkinUpDown->SetMin(0);
    FSkinUpDown->SetMax(hidden);
    FSkinUpDown->SetPosition(scrolledOff);
    const int h = FSkinUpDown->height();
    const int y = TabRecord() ? std::max(0, DisplayRect().top() - h) : 0;
    FSkinUpDown->move(width() - FSkinUpDown->width(), y);
    FSkinUpDown->raise();
    FInCheckArrows = false;
}

void TbsSkinPageControl::DrawSkinImage(QImage& B)
{
    const TbsDataSkinTabControl* t = TabRecord();
    const QImage picture = t ? FLink.Picture(t->PictureIndex) : QImage();
    const QRect part = t ? t->SkinRect.ToQRect() : QRect();
    if (picture.isNull() || part.isEmpty()) {
        DrawDefaultImage(B);
        return;
    }
    // The page frame: the object's picture resized to the area below the tab row.
    const int top = TabRowHeight();
    const TbsPartLook look = PartLookOf(*t);
    const int W = width(), H = std::max(0, height() - top);
    if (H <= 0)
        return;
    const TbsPartGeometry dest = ResizedPartGeometry(look.Geometry, part.size(), W, H);
    QImage frame;
    PaintFramedPart(look.Geometry, dest, frame, picture, part, W, H, true, look.Stretch, look.StretchEffect,
                    look.StretchType);
    QPainter painter(&B);
    painter.fillRect(QRect(0, 0, W, top), SysBtnFace());
    if (!frame.isNull())
        painter.drawImage(0, top, frame);
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
