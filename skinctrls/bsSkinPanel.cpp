// Skinned panel: client area, caption bar, check box and roll-up in the default look and the skin
// look, client-aligned children.
#include "bsSkinPanel.h"

#include "TApplication.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsTextHelpers.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int DefaultCheckBoxSize = 13;
constexpr int RollUpMarkerWidth = 6;

Qt::Alignment AlignmentOf(TAlignment a)
{
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

TbsSkinPanel::TbsSkinPanel(QWidget* parent) : TbsSkinCustomControl(parent)
{
    FLink.SetSkinDataName(QStringLiteral("panel"));
    QWidget::resize(150, 150);
}

void TbsSkinPanel::SetCaption(const QString& caption)
{
    FCaption = caption;
    update();
}

void TbsSkinPanel::SetCaptionMode(bool value)
{
    FCaptionMode = value;
    Realign();
    update();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle value)
{
    FBorderStyle = value;
    Realign();
    update();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int value)
{
    FDefaultCaptionHeight = std::max(0, value);
    Realign();
    update();
}

void TbsSkinPanel::SetDefaultAlignment(Qt::Alignment value)
{
    FDefaultAlignment = value;
    update();
}

void TbsSkinPanel::SetEmptyDrawing(bool value)
{
    FEmptyDrawing = value;
    Realign();
    update();
}

void TbsSkinPanel::SetUseSkinSize(bool value)
{
    FUseSkinSize = value;
    if (FLink.Usable())
        ChangeSkinData();
}

void TbsSkinPanel::SetCheckedMode(bool value)
{
    FCheckedMode = value;
    update();
}

void TbsSkinPanel::SetChecked(bool value)
{
    FChecked = value;
    update();
    if (FAutoEnabledControls)
        for (QObject* child : children())
            if (child->isWidgetType())
                static_cast<QWidget*>(child)->setEnabled(value);
    FireEvent(OnChecked);
}

void TbsSkinPanel::SetRollUpMode(bool value)
{
    FRollUpMode = value;
    update();
}

void TbsSkinPanel::SetRollUpState(bool value)
{
    if (value == FRollUpState)
        return;
    FRollUpState = value;
    const QList<QWidget*> kids = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (value) {
        FRealHeight = height();
        for (QWidget* child : kids)
            child->hide();
        const int captionHeight =
            SkinIndex() == -1 || !FUseSkinSize ? FDefaultCaptionHeight + 1 : height() - NewClRect().height();
        QWidget::resize(width(), std::max(1, captionHeight));
    } else {
        QWidget::resize(width(), FRealHeight > 0 ? FRealHeight : height());
        FRealHeight = -1;
        for (QWidget* child : kids)
            child->show();
        Realign();
    }
    update();
    FireEvent(OnChangeRollUpState);
}

void TbsSkinPanel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* record = FLink.Typed<TbsDataSkinPanelControl>();
    if (!record) {
        CaptionRect = CheckImageRect = UnCheckImageRect = TRect();
        BGPictureIndex = -1;
        return;
    }
    CaptionRect = record->CaptionRect;
    CheckImageRect = record->CheckImageRect;
    UnCheckImageRect = record->UnCheckImageRect;
    Alignment = record->Alignment;
    BGPictureIndex = record->BGPictureIndex;
    FSkinFont = RecordFont(*record);
    FontColor = record->FontColor;
}

void TbsSkinPanel::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    Realign();
}

void TbsSkinPanel::CalcSkinSize(int& W, int& H)
{
    if (FUseSkinSize)
        TbsSkinCustomControl::CalcSkinSize(W, H);
}

QRect TbsSkinPanel::GetSkinClientRect() const
{
    QRect r = rect();
    if (FEmptyDrawing)
        return r;
    if (SkinIndex() != -1) {
        if (!FUseSkinSize) {
            if (FCaptionMode)
                r.setTop(r.top() + FDefaultCaptionHeight);
            return r;
        }
        return NewClRect();
    }
    if (FBorderStyle != bvNone)
        r.adjust(1, 1, -1, -1);
    if (FCaptionMode)
        r.setTop(r.top() + FDefaultCaptionHeight);
    return r;
}

void TbsSkinPanel::AlignClient(QWidget* child)
{
    FClientControls.append(child);
    Realign();
}

void TbsSkinPanel::Realign()
{
    if (FRollUpState)
        return;
    const QRect client = GetSkinClientRect();
    for (const QPointer<QWidget>& child : FClientControls)
        if (child)
            child->setGeometry(client);
}

void TbsSkinPanel::PaintskinTo(QPainter& C, int X, int Y)
{
    C.drawImage(X, Y, PaintedImage());
}

void TbsSkinPanel::paintEvent(QPaintEvent* event)
{
    if (!FEmptyDrawing)
        TbsSkinCustomControl::paintEvent(event);
}

void TbsSkinPanel::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    Realign();
}

void TbsSkinPanel::changeEvent(QEvent* event)
{
    TbsSkinCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

QRect TbsSkinPanel::NewCaptionRect() const
{
    QRect r = ExactRect(CaptionRect);
    if (r.isEmpty())
        return QRect();
    // A caption reaching past the left corner into the stretched middle of the top edge
    // stretches with it.
    if (FResizeMode == 1 || FResizeMode == 2)
        if (r.left() + r.width() > FPart.LTPoint.x())
            r.setRight(r.right() + width() - SkinRect.width());
    return r;
}

QRect TbsSkinPanel::CaptionArea() const
{
    if (SkinIndex() != -1)
        return NewCaptionRect();
    if (!FCaptionMode)
        return QRect();
    const int inset = FBorderStyle == bvNone ? 0 : 1;
    return QRect(inset, inset, width() - 2 * inset, FDefaultCaptionHeight);
}

void TbsSkinPanel::mousePressEvent(QMouseEvent* event)
{
    TbsSkinCustomControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !FCaptionMode)
        return;
    if (!CaptionArea().contains(event->position().toPoint()))
        return;
    if (FCheckedMode)
        SetChecked(!FChecked);
    if (FRollUpMode)
        SetRollUpState(!FRollUpState);
}

Qt::Alignment TbsSkinPanel::SkinCaptionAlignment() const
{
    return AlignmentOf(Alignment);
}

void TbsSkinPanel::DrawCheckBox(QPainter& painter, const QRect& box) const
{
    painter.fillRect(box, SysWindow());
    DrawFrame(painter, box, SysBtnShadow());
    if (!FChecked)
        return;
    painter.setPen(SysWindowText());
    const int x = box.left() + 3, y = box.top() + 3;
    for (int i = 0; i <= 2; ++i) {
        painter.drawLine(x, y + 2 + i, x + 2, y + 4 + i);
        painter.drawLine(x + 2, y + 4 + i, x + 6, y + i);
    }
}

void TbsSkinPanel::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    const QRect r = B.rect();
    painter.fillRect(r, SysBtnFace());
    const int w = r.width(), h = r.height();
    switch (FBorderStyle) {
    case bvFrame:
        DrawFrame(painter, r, SysBtnShadow());
        break;
    case bvRaised:
    case bvLowered: {
        const QColor topLeft = FBorderStyle == bvRaised ? SysBtnHighlight() : SysBtnShadow();
        const QColor bottomRight = FBorderStyle == bvRaised ? SysBtnShadow() : SysBtnHighlight();
        painter.fillRect(0, 0, w, 1, topLeft);
        painter.fillRect(0, 0, 1, h, topLeft);
        painter.fillRect(0, h - 1, w, 1, bottomRight);
        painter.fillRect(w - 1, 0, 1, h, bottomRight);
        break;
    }
    case bvNone:
        break;
    }
    if (!FCaptionMode)
        return;
    const QRect bar = CaptionArea();
    painter.fillRect(bar, SysBtnShadow());
    QRect text = bar.adjusted(4, -1, -4, -1);
    if (FCheckedMode) {
        DrawCheckBox(painter, QRect(bar.left() + 5, bar.top() + (bar.height() - DefaultCheckBoxSize) / 2,
                                    DefaultCheckBoxSize, DefaultCheckBoxSize));
        text.setLeft(text.left() + 10);
    }
    if (FRollUpMode) {
        // An arrow pointing down while rolled up, up otherwise.
        const int cx = bar.right() - 4 - RollUpMarkerWidth / 2, cy = bar.top() + bar.height() / 2;
        painter.setPen(SysWindowText());
        for (int i = 0; i < RollUpMarkerWidth / 2; ++i) {
            const int y = FRollUpState ? cy - 1 + i : cy + 1 - i;
            painter.drawLine(cx - (RollUpMarkerWidth / 2 - 1 - i), y, cx + (RollUpMarkerWidth / 2 - 1 - i),
                             y);
        }
        text.setRight(text.right() - 10);
    }
    painter.setFont(FDefaultFont);
    painter.setPen(isEnabled() ? SysWindowText() : SysGrayText());
    // The text sits one pixel above the bar's middle.
    painter.drawText(text, FDefaultAlignment | Qt::AlignVCenter | Qt::TextSingleLine, FCaption);
}

void TbsSkinPanel::DrawSkinImage(QImage& B)
{
    const auto* record = FLink.Typed<TbsDataSkinCustomControl>();
    if (!record)
        return;
    if (!FUseSkinSize && FCaptionMode) {
        const QImage picture = FLink.Picture(record->PictureIndex);
        const QRect part = SkinRect.intersected(picture.rect());
        if (!part.isEmpty())
            QPainter(&B).drawImage(B.rect(), picture, part);
    } else {
        DrawSkinPart(B, record->SkinRect);
    }
    if (B.format() != QImage::Format_ARGB32_Premultiplied)
        B = B.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&B);
    const QImage background = FLink.Picture(BGPictureIndex);
    if (!background.isNull() && !NewClRect().isEmpty())
        painter.drawTiledPixmap(NewClRect(), QPixmap::fromImage(background));
    DrawSkinCaption(painter);
}

// The check image, then the caption in the skin font and colour, centred vertically (one pixel
// higher for an odd font height) and aligned as the object says.
void TbsSkinPanel::DrawSkinCaption(QPainter& painter)
{
    QRect r = NewCaptionRect();
    if (r.isEmpty())
        return;
    if (FCheckedMode) {
        const QImage picture = FLink.Picture(FLink.Typed<TbsDataSkinCustomControl>()->PictureIndex);
        const QRect image =
            ExactRect(FChecked ? CheckImageRect : UnCheckImageRect).intersected(picture.rect());
        if (!image.isEmpty()) {
            painter.drawImage(r.left(), r.top() + (r.height() - image.height()) / 2, picture, image.x(),
                              image.y(), image.width(), image.height());
            r.setLeft(r.left() + image.width() + 2);
        }
    }
    if (FCaption.isEmpty())
        return;
    const QFont font = FUseSkinFont ? FSkinFont : FDefaultFont;
    painter.setFont(font);
    painter.setPen(ColorToQColor(FontColor));
    if (FontHeightIsOdd(font))
        r.translate(0, -1);
    painter.drawText(r, SkinCaptionAlignment() | Qt::AlignVCenter | Qt::TextSingleLine, FCaption);
}
