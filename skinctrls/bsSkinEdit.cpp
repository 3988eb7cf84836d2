// Edits: the read-only rule over every way of changing text, enter/exit, the context menu, and the
// frame of both looks.
#include "bsSkinEdit.h"

#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsPaintParts.h"
#include "bsSkinControl.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QPainter>
#include <limits>

TbsCustomEdit::TbsCustomEdit(QWidget* parent) : TbsTextInput<QLineEdit>(parent, false)
{
    setAcceptDrops(false);
    // Qt's default limit of 32,767 characters would cut a longer value as soon as it is shown and
    // write the cut text back; the columns behind the edits hold text of any length.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { Change(); });
}

void TbsCustomEdit::contextMenuEvent(QContextMenuEvent* event)
{
    ShowEditMenu(EditMenuPoint(event), isUndoAvailable(), hasSelectedText(),
                 selectionStart() == 0 && selectedText() == text(), [this] { del(); });
}

TbsSkinCustomEdit::TbsSkinCustomEdit(QWidget* parent)
    : TbsSkinLinked<TbsCustomEdit>(QStringLiteral("edit"), parent), FDefaultColor(SysWindow())
{
    setFrame(false);
    // The frame is painted by the control; the native edit draws only the text.
    setAutoFillBackground(false);
    resize(121, height());
    ApplyBorders();
    ApplyColors();
    ApplyHeight();
}

bool TbsSkinCustomEdit::SkinLook() const
{
    return SkinIndex() != -1 && FLink.Typed<TbsDataSkinEditControl>();
}

void TbsSkinCustomEdit::SetDefaultColor(const QColor& value)
{
    FDefaultColor = value;
    update();
}

void TbsSkinCustomEdit::SetDefaultHeight(int value)
{
    FDefaultHeight = value;
    ApplyHeight();
}

void TbsSkinCustomEdit::GetSkinData()
{
    TbsSkinLinked::GetSkinData();
    FSkin = TSkinParts();
    const auto* r = FLink.Typed<TbsDataSkinEditControl>();
    if (!r || SkinIndex() == -1)
        return;
    FSkin.PictureIndex = r->PictureIndex;
    FSkin.SkinRect = ExactRect(r->SkinRect);
    FSkin.ActiveSkinRect = r->ActiveSkinRect.IsEmpty() ? FSkin.SkinRect : ExactRect(r->ActiveSkinRect);
    FSkin.ClRect = ExactRect(r->ClRect);
    FSkin.LOffset = r->LTPoint.X;
    FSkin.ROffset = FSkin.SkinRect.width() - r->RTPoint.X;
    FSkin.Font = RecordFont(*r);
    FSkin.FontColor = ColorToQColor(r->FontColor);
    FSkin.ActiveFontColor = ColorToQColor(r->ActiveFontColor);
    FSkin.DisabledFontColor = ColorToQColor(r->DisabledFontColor);
    FSkin.StretchEffect = r->StretchEffect;
}

void TbsSkinCustomEdit::ChangeSkinData()
{
    GetSkinData();
    setFont(SkinLook() && FUseSkinFont ? FSkin.Font : FDefaultFont);
    ApplyBorders();
    ApplyColors();
    ApplyHeight();
    update();
}

void TbsSkinCustomEdit::ApplyBorders()
{
    if (SkinLook()) {
        const QRect& cl = FSkin.ClRect;
        FBorders = QMargins(cl.left(), cl.top(), FSkin.SkinRect.width() - (cl.right() + 1),
                            FSkin.SkinRect.height() - (cl.bottom() + 1));
    } else {
        FBorders = QMargins(1, 2, 2, 2);
    }
    // The text starts 2 pixels inside the text area.
    setTextMargins(FBorders.left() + 2, FBorders.top(), FBorders.right(), FBorders.bottom());
}

void TbsSkinCustomEdit::ApplyColors()
{
    const bool skin = SkinLook();
    const bool active = hasFocus() || FMouseIn;
    QPalette p = palette();
    const QColor text = skin ? (active ? FSkin.ActiveFontColor : FSkin.FontColor) : SysWindowText();
    p.setColor(QPalette::Active, QPalette::Text, text);
    p.setColor(QPalette::Inactive, QPalette::Text, text);
    p.setColor(QPalette::Disabled, QPalette::Text, skin ? FSkin.DisabledFontColor : SysGrayText());
    // The background is the frame picture or the default colour, painted before the text.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, Qt::transparent);
    setPalette(p);
}

int TbsSkinCustomEdit::AutoHeight() const
{
    const int h = QFontMetrics(font()).height();
    if (!SkinLook())
        return FDefaultHeight > 0 && FUseSkinFont ? FDefaultHeight : h + 2 + 4;
    if (FUseSkinFont)
        return FSkin.SkinRect.height();
    return h + FSkin.SkinRect.height() - FSkin.ClRect.height();
}

void TbsSkinCustomEdit::ApplyHeight()
{
    const int h = AutoHeight();
    if (h <= 0 || h == height() || FInApplyHeight)
        return;
    FInApplyHeight = true;
    QWidget::resize(width(), h);
    FInApplyHeight = false;
}

void TbsSkinCustomEdit::resizeEvent(QResizeEvent* event)
{
    TbsSkinLinked::resizeEvent(event);
    // The edit keeps its height whatever it is placed with.
    ApplyHeight();
}

QImage TbsSkinCustomEdit::FrameImage() const
{
    QImage B(size(), QImage::Format_ARGB32_Premultiplied);
    const QImage picture = SkinLook() ? FLink.Picture(FSkin.PictureIndex) : QImage();
    if (picture.isNull()) {
        B.fill(FDefaultColor);
        QPainter painter(&B);
        DrawFrame(painter, B.rect(), SysBtnShadow());
        return B;
    }
    B.fill(Qt::transparent);
    const QRect look = hasFocus() || FMouseIn ? FSkin.ActiveSkinRect : FSkin.SkinRect;
    QImage part;
    if (FUseSkinFont) {
        PaintHStrip(FSkin.LOffset, FSkin.ROffset, part, FSkin.StretchEffect, width(), look, picture);
    } else {
        part = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        part.fill(Qt::transparent);
        PaintStretchedPart(part, picture, look, true, FSkin.ClRect);
    }
    QPainter(&B).drawImage(0, 0, part);
    return B;
}

void TbsSkinCustomEdit::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.drawImage(0, 0, FrameImage());
    }
    TbsCustomEdit::paintEvent(event);
}

void TbsSkinCustomEdit::changeEvent(QEvent* event)
{
    TbsCustomEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ApplyHeight();
}

void TbsSkinCustomEdit::enterEvent(QEnterEvent* event)
{
    TbsCustomEdit::enterEvent(event);
    FMouseIn = true;
    ApplyColors();
    update();
}

void TbsSkinCustomEdit::leaveEvent(QEvent* event)
{
    TbsCustomEdit::leaveEvent(event);
    FMouseIn = false;
    ApplyColors();
    update();
}

void TbsSkinCustomEdit::focusInEvent(QFocusEvent* event)
{
    TbsCustomEdit::focusInEvent(event);
    ApplyColors();
}

void TbsSkinCustomEdit::focusOutEvent(QFocusEvent* event)
{
    TbsCustomEdit::focusOutEvent(event);
    ApplyColors();
}
