// Skinned static text: font choice, auto-size, ellipsis and the embossed disabled text.
#include "bsSkinStdLabel.h"

#include "bsColors.h"
#include "bsDefaultLook.h"

#include <QEvent>
#include <QPainter>

TbsSkinStdLabel::TbsSkinStdLabel(QWidget* parent)
    : TbsGraphicSkinControl(parent), FColor(SysBtnFace()), FDefaultFont(DefaultControlFont())
{
    FLink.SetSkinDataName(QStringLiteral("stdlabel"));
    AdjustBounds();
}

void TbsSkinStdLabel::SetCaption(const QString& caption)
{
    FCaption = caption;
    AdjustBounds();
    update();
}

void TbsSkinStdLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    AdjustBounds();
}

void TbsSkinStdLabel::SetAlignment(Qt::Alignment value)
{
    FAlignment = value;
    update();
}

void TbsSkinStdLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    AdjustBounds();
    update();
}

void TbsSkinStdLabel::SetEllipsType(TbsEllipsType value)
{
    if (FEllipsType == value)
        return;
    FEllipsType = value;
    update();
}

void TbsSkinStdLabel::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

void TbsSkinStdLabel::SetColor(const QColor& value)
{
    FColor = value;
    update();
}

void TbsSkinStdLabel::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    AdjustBounds();
    update();
}

void TbsSkinStdLabel::SetUseSkinFont(bool value)
{
    FUseSkinFont = value;
    AdjustBounds();
    update();
}

QFont TbsSkinStdLabel::DrawFont() const
{
    if (!FUseSkinFont)
        return font();
    return SkinIndex() == -1 ? FDefaultFont : FSkinFont;
}

void TbsSkinStdLabel::GetSkinData()
{
    TbsGraphicSkinControl::GetSkinData();
    // A record of another class leaves the font copies as they were.
    if (const auto* record = FLink.Typed<TbsDataSkinStdLabelControl>()) {
        FSkinFont = RecordFont(*record);
        FSkinFontColor = record->FontColor;
    }
}

void TbsSkinStdLabel::ChangeSkinData()
{
    GetSkinData();
    AdjustBounds();
    update();
}

int TbsSkinStdLabel::TextFlags() const
{
    int flags = int(FAlignment) | Qt::AlignTop | Qt::TextExpandTabs;
    if (FWordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

void TbsSkinStdLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    QFontMetrics metrics(DrawFont());
    // An empty text is measured as one blank so that the label keeps a line's height.
    QString text = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
    QRect room(0, 0, FWordWrap ? width() : 0x7fff, 0x7fff);
    QRect measured = metrics.boundingRect(room, TextFlags(), text);
    resize(measured.width(), measured.height());
}

QColor TbsSkinStdLabel::TextColor() const
{
    if (SkinIndex() != -1 && FUseSkinColor)
        return ColorToQColor(FSkinFontColor);
    return SysWindowText();
}

// The text in R: plain when enabled, embossed (a highlight copy one pixel right and down under the
// shadow-coloured text) when disabled, in the skin's colours in the skin look.
void TbsSkinStdLabel::DrawLabelText(QPainter& painter, const QRect& R, const QString& caption) const
{
    painter.setFont(DrawFont());
    QString text = caption;
    if (FEllipsType != bsetNone && !FWordWrap)
        text = painter.fontMetrics().elidedText(
            text, FEllipsType == bsetEndEllips ? Qt::ElideRight : Qt::ElideMiddle, R.width());
    const TbsSkinColors* colours = SkinIndex() == -1 ? nullptr : FLink.Colors();
    if (isEnabled()) {
        painter.setPen(TextColor());
        painter.drawText(R, TextFlags(), text);
    } else {
        painter.setPen(colours ? ColorToQColor(colours->FcBtnHighLight) : SysBtnHighlight());
        painter.drawText(R.translated(1, 1), TextFlags(), text);
        painter.setPen(colours ? ColorToQColor(colours->FcBtnShadow) : SysBtnShadow());
        painter.drawText(R, TextFlags(), text);
    }
}

TbsSkinStdLabel::TbsLabelLook TbsSkinStdLabel::CurrentLook() const
{
    const TbsSkinColors* colours = SkinIndex() == -1 ? nullptr : FLink.Colors();
    TbsLabelLook look;
    look.Caption = FCaption;
    look.Font = DrawFont();
    look.Size = size();
    look.Flags = TextFlags();
    look.EllipsType = FEllipsType;
    look.Enabled = isEnabled();
    look.Transparent = FTransparent;
    look.Fill = FColor;
    look.Text = TextColor();
    look.Highlight = colours ? ColorToQColor(colours->FcBtnHighLight) : SysBtnHighlight();
    look.Shadow = colours ? ColorToQColor(colours->FcBtnShadow) : SysBtnShadow();
    return look;
}

// Laying the text out is most of a label's paint, and a window repaints its labels far more often
// than their text, font or colours change.
void TbsSkinStdLabel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    TbsLabelLook look = CurrentLook();
    if (FPicture.isNull() || !(look == FPictureLook)) {
        FPicture = PaintedImage();
        FPictureLook = std::move(look);
        ++FPicturesDrawn;
    }
    QPainter(this).drawImage(0, 0, FPicture);
}

void TbsSkinStdLabel::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    if (!FTransparent)
        painter.fillRect(B.rect(), FColor);
    DrawLabelText(painter, B.rect(), FCaption);
}

void TbsSkinStdLabel::PaintSkinTo(QPainter& C, int X, int Y, const QString& AText)
{
    if (!FTransparent)
        C.fillRect(QRect(QPoint(X, Y), size()), FColor);
    DrawLabelText(C, QRect(QPoint(X, Y), size()), AText);
}

void TbsSkinStdLabel::changeEvent(QEvent* event)
{
    TbsGraphicSkinControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}
