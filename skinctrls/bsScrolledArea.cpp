// Scrolled area: the content beside and above its shown scroll bars.
#include "bsScrolledArea.h"

#include "bsSkinScrollBar.h"

#include <QEvent>

TbsScrolledArea::TbsScrolledArea(QWidget* parent) : QWidget(parent) {}

void TbsScrolledArea::SetContent(QWidget* content)
{
    FContent = content;
    Realign();
}

void TbsScrolledArea::SetScrollBars(TbsSkinScrollBar* vertical, TbsSkinScrollBar* horizontal)
{
    for (TbsSkinScrollBar* bar : {vertical, horizontal})
        if (bar)
            bar->installEventFilter(this);
    FVertical = vertical;
    FHorizontal = horizontal;
    Realign();
}

void TbsScrolledArea::Realign()
{
    if (FRealigning)
        return;
    FRealigning = true;
    const bool vShown = FVertical && !FVertical->isHidden();
    const bool hShown = FHorizontal && !FHorizontal->isHidden();
    const int W = width(), H = height();
    // A skinned bar keeps the thickness its skin gives it; SetBounds adapts the requested one.
    const int hHeight = hShown ? FHorizontal->height() : 0;
    const int vWidth = vShown ? FVertical->width() : 0;
    if (hShown)
        FHorizontal->SetBounds(0, H - hHeight, W, hHeight);
    if (vShown)
        FVertical->SetBounds(W - vWidth, 0, vWidth, H - hHeight);
    if (FContent)
        FContent->setGeometry(0, 0, std::max(0, W - vWidth), std::max(0, H - hHeight));
    FRealigning = false;
}

void TbsScrolledArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Realign();
}

bool TbsScrolledArea::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) &&
        (watched == FVertical || watched == FHorizontal))
        Realign();
    return QWidget::eventFilter(watched, event);
}
