// Skin control base: repository link, object geometry, size adaptation and off-screen painting.
#include "bsSkinControl.h"

#include "TApplication.h"
#include "bsDefaultLook.h"
#include "bsSkinData.h"
#include "platform/SkinMessage.h"

#include <QPainter>
#include <QResizeEvent>

namespace {

// A skin may ask for any size; an adapted side beyond this (or below 1) is not applied.
constexpr int MaxAdaptedExtent = 4096;

// The requested side when the adapted one lies outside the control's sane bounds.
int SaneSide(int adapted, int requested, int minimum, int maximum)
{
    const int low = std::max(1, minimum), high = std::min(MaxAdaptedExtent, maximum);
    return adapted >= low && adapted <= high ? adapted : requested;
}

} // namespace

int FindSkinControlIndex(TbsSkinData* skinData, const QString& name)
{
    if (!skinData || skinData->Empty())
        return -1;
    return skinData->GetControlIndex(name);
}

TbsSkinControl::TbsSkinControl(QWidget* parent) : QWidget(parent) {}

void TbsSkinControl::SetSkinData(TbsSkinData* value)
{
    FLink.SetSkinData(value);
    if (FLink.Usable())
        ChangeSkinData();
}

void TbsSkinControl::SetSkinDataName(const QString& value)
{
    FLink.SetSkinDataName(value);
    if (FLink.Usable())
        ChangeSkinData();
}

void TbsSkinControl::GetSkinData()
{
    FLink.Lookup();
}

void TbsSkinControl::ChangeSkinData()
{
    GetSkinData();
    update();
}

bool TbsSkinControl::event(QEvent* event)
{
    if (int(event->type()) == smParentBackgroundChanged) {
        CheckParentBackground();
        return true;
    }
    return QWidget::event(event);
}

QImage TbsSkinControl::PaintedImage()
{
    QImage B(size(), QImage::Format_ARGB32_Premultiplied);
    B.fill(Qt::transparent);
    if (SkinIndex() == -1)
        DrawDefaultImage(B);
    else
        DrawSkinImage(B);
    return B;
}

void TbsSkinControl::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    const QImage B = PaintedImage();
    QPainter painter(this);
    painter.drawImage(0, 0, B);
}

void TbsSkinControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FireEvent(OnMouseEnter);
}

void TbsSkinControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    FireEvent(OnMouseLeave);
}

void TbsSkinControl::DrawDefaultImage(QImage& B)
{
    B.fill(SysBtnFace());
}

// Controls whose skin look is not drawn yet keep their default look with a skin object too.
void TbsSkinControl::DrawSkinImage(QImage& B)
{
    DrawDefaultImage(B);
}

void TbsSkinControl::DrawParentBackground(QImage& B) const
{
    QWidget* parent = parentWidget();
    if (!parent || B.isNull())
        return;
    QPainter painter(&B);
    const QRect bounds = geometry();
    // The parent's own background and painting, without its children (this control among them).
    parent->render(&painter, -bounds.topLeft(), QRegion(bounds), QWidget::DrawWindowBackground);
    // Then the siblings below this control that overlap it.
    for (QObject* child : parent->children()) {
        if (child == this)
            break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || sibling->isWindow() || !sibling->isVisible() ||
            !sibling->geometry().intersects(bounds))
            continue;
        sibling->render(&painter, sibling->pos() - bounds.topLeft(), QRegion(), QWidget::DrawChildren);
    }
}

TbsSkinCustomControl::TbsSkinCustomControl(QWidget* parent)
    : TbsSkinControl(parent), FDefaultFont(DefaultControlFont()), FDefaultFontColor(SysWindowText())
{
}

void TbsSkinCustomControl::SetDefaultFontColor(const QColor& value)
{
    FDefaultFontColor = value;
    update();
}

void TbsSkinCustomControl::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    DefaultFontChanged();
    if (SkinIndex() == -1)
        update();
}

void TbsSkinCustomControl::SetUseSkinFont(bool value)
{
    FUseSkinFont = value;
    update();
}

void TbsSkinCustomControl::SetDefaultWidth(int value)
{
    FDefaultWidth = value;
    if (SkinIndex() == -1 && value > 0)
        QWidget::resize(value, height());
}

void TbsSkinCustomControl::SetDefaultHeight(int value)
{
    FDefaultHeight = value;
    if (SkinIndex() == -1 && value > 0)
        QWidget::resize(width(), value);
}

void TbsSkinCustomControl::GetSkinData()
{
    TbsSkinControl::GetSkinData();
    const auto* record = FLink.Typed<TbsDataSkinCustomControl>();
    if (!record) {
        FResizeMode = 0;
        SkinRect = QRect();
        FPart = FNew = TbsPartGeometry();
        StretchEffect = false;
        return;
    }
    SkinRect = ExactRect(record->SkinRect);
    FPart = PartLookOf(*record).Geometry;
    StretchEffect = record->StretchEffect;
    StretchType = record->StretchType;
    FResizeMode = PartResizeMode(SkinRect, FPart);
    int w = width(), h = height();
    CalcSkinSize(w, h);
}

void TbsSkinCustomControl::CalcSkinSize(int& W, int& H)
{
    if (SkinIndex() == -1 || FResizeMode == -1)
        return;
    const int requestedW = W, requestedH = H;
    switch (FResizeMode) {
    case 0:
        W = SkinRect.width();
        H = SkinRect.height();
        break;
    case 2:
        H = SkinRect.height();
        break;
    case 3:
        W = SkinRect.width();
        break;
    default:
        break;
    }
    W = SaneSide(W, requestedW, minimumWidth(), maximumWidth());
    H = SaneSide(H, requestedH, minimumHeight(), maximumHeight());
    FNew = FResizeMode == 0 ? FPart : ResizedPartGeometry(FPart, SkinRect.size(), W, H);
}

void TbsSkinCustomControl::SetBounds(int x, int y, int w, int h)
{
    const bool changed = (w != width() || h != height()) && SkinIndex() != -1;
    if (changed)
        CalcSkinSize(w, h);
    FInSetBounds = true;
    QWidget::setGeometry(x, y, w, h);
    FInSetBounds = false;
    if (changed) {
        UpdateSkinRegion();
        update();
    }
    // Transparent children copy the stretched background again.
    if (SkinIndex() != -1 && StretchEffect && Windowed())
        for (QObject* child : children())
            if (child->isWidgetType())
                SendSkinMessage(child, smParentBackgroundChanged);
}

void TbsSkinCustomControl::resizeEvent(QResizeEvent* event)
{
    TbsSkinControl::resizeEvent(event);
    if (FInSetBounds || SkinIndex() == -1)
        return;
    // A placement that did not go through SetBounds (a layout, a QWidget pointer) adapts here.
    int w = width(), h = height();
    CalcSkinSize(w, h);
    if (w != width() || h != height()) {
        FInSetBounds = true;
        QWidget::resize(w, h);
        FInSetBounds = false;
    }
    UpdateSkinRegion();
}

void TbsSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    if (SkinIndex() == -1) {
        if (FDefaultWidth > 0)
            QWidget::resize(FDefaultWidth, height());
        if (FDefaultHeight > 0)
            QWidget::resize(width(), FDefaultHeight);
    } else {
        int w = width(), h = height();
        CalcSkinSize(w, h);
        if (w != width() || h != height())
            SetBounds(x(), y(), w, h);
    }
    UpdateSkinRegion();
    update();
}

void TbsSkinCustomControl::UpdateSkinRegion()
{
    if (!Windowed() || !parentWidget())
        return;
    const QRegion region = SkinIndex() == -1 ? QRegion() : FLink.MaskRegion(width(), height());
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
}

bool TbsSkinCustomControl::DrawSkinPart(QImage& B, const TRect& ALook) const
{
    return FLink.PaintPart(ALook, B, width(), height(), true);
}

void TbsSkinCustomControl::DrawSkinImage(QImage& B)
{
    // A record without a picture paints nothing rather than a default look inside a skinned window.
    if (const auto* record = FLink.Typed<TbsDataSkinCustomControl>())
        DrawSkinPart(B, record->SkinRect);
}

TbsGraphicSkinControl::TbsGraphicSkinControl(QWidget* parent) : TbsSkinControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

TbsGraphicSkinCustomControl::TbsGraphicSkinCustomControl(QWidget* parent) : TbsSkinCustomControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
}
