// The frame objects: how each state of the caption and the caption buttons is drawn, and how they
// react to the pointer.
#include "bsFrameObjects.h"

#include "TForm.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsEffectBmp.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"
#include "bsSkinLink.h"
#include "bsTextHelpers.h"

#include <QPainter>
#include <algorithm>

namespace {

// A skin rectangle as a QRect; sizes beyond any picture are cut so that arithmetic stays bounded.
QRect SkinQRect(const TRect& R)
{
    auto bound = [](qint32 v) { return std::clamp(v, qint32(-(1 << 16)), qint32(1 << 16)); };
    const int l = bound(R.Left), t = bound(R.Top), r = bound(R.Right), b = bound(R.Bottom);
    return (r <= l || b <= t) ? QRect() : QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

// Copies the part R of APicture to ADest (the destination of R's top-left corner); only the part
// of R that lies inside the picture is read.
void CopyPicturePart(QPainter& C, const QPoint& ADest, const QImage& APicture, const QRect& R)
{
    const QRect inside = R.intersected(APicture.rect());
    if (inside.isEmpty())
        return;
    C.drawImage(ADest + (inside.topLeft() - R.topLeft()), APicture, inside);
}

QImage PicturePart(const QImage& APicture, const QRect& R)
{
    QImage part(R.size(), QImage::Format_RGB32);
    part.fill(Qt::black);
    QPainter p(&part);
    CopyPicturePart(p, QPoint(0, 0), APicture, R);
    return part;
}

// A line from A up to, not including, B.
void GlyphLine(QPainter& C, int x1, int y1, int x2, int y2)
{
    const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
    C.drawLine(x1, y1, x2 - dx, y2 - dy);
}

void GlyphRect(QPainter& C, int l, int t, int r, int b)
{
    C.drawRect(l, t, r - l - 1, b - t - 1);
}

} // namespace

void DrawDefaultGlyph(QPainter& C, TbsDefaultGlyph AGlyph, int x, int y, const QColor& AColor)
{
    C.save();
    C.setRenderHint(QPainter::Antialiasing, false);
    C.setPen(QPen(AColor, 1));
    C.setBrush(Qt::NoBrush);
    switch (AGlyph) {
    case dgClose:
        GlyphLine(C, x + 1, y + 1, x + 9, y + 9);
        GlyphLine(C, x + 9, y + 1, x + 1, y + 9);
        GlyphLine(C, x + 2, y + 1, x + 10, y + 9);
        GlyphLine(C, x + 8, y + 1, x, y + 9);
        break;
    case dgMaximize:
        GlyphRect(C, x, y, x + 11, y + 10);
        GlyphRect(C, x, y, x + 11, y + 2);
        break;
    case dgRestore:
        GlyphRect(C, x + 2, y, x + 10, y + 6);
        GlyphRect(C, x + 2, y, x + 10, y + 2);
        GlyphRect(C, x, y + 4, x + 7, y + 10);
        GlyphRect(C, x, y + 4, x + 7, y + 6);
        break;
    case dgMinimize:
        GlyphLine(C, x + 1, y + 8, x + 9, y + 8);
        GlyphLine(C, x + 1, y + 9, x + 9, y + 9);
        break;
    case dgSysMenu:
        GlyphLine(C, x + 2, y + 3, x + 8, y + 3);
        GlyphLine(C, x + 2, y + 5, x + 8, y + 5);
        break;
    case dgRollUp:
        GlyphLine(C, x + 2, y + 5, x + 9, y + 5);
        GlyphLine(C, x + 3, y + 4, x + 8, y + 4);
        GlyphLine(C, x + 4, y + 3, x + 7, y + 3);
        GlyphLine(C, x + 5, y + 2, x + 6, y + 2);
        break;
    case dgRollDown:
        GlyphLine(C, x + 5, y + 6, x + 6, y + 6);
        GlyphLine(C, x + 4, y + 5, x + 7, y + 5);
        GlyphLine(C, x + 3, y + 4, x + 8, y + 4);
        GlyphLine(C, x + 2, y + 3, x + 9, y + 3);
        break;
    case dgTray:
        C.fillRect(QRect(QPoint(x + 2, y + 2), QPoint(x + 6, y + 6)), AColor);
        break;
    }
    C.restore();
}

// --- TbsActiveSkinObject -------------------------------------------------------------------------

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm* AParent, const TbsDataSkinObject* ARecord)
    : Parent(AParent)
{
    if (!ARecord)
        return;
    IDName = ARecord->IDName;
    Hint = ARecord->Hint;
    SkinRectInAPicture = ARecord->SkinRectInAPicture;
    SkinRect = SkinQRect(ARecord->SkinRect);
    ActiveSkinRect = SkinQRect(ARecord->ActiveSkinRect);
    InActiveSkinRect = SkinQRect(ARecord->InActiveSkinRect);
    Morphing = ARecord->Morphing;
    MorphKind = ARecord->MorphKind;
    ActivePictureIndex = ARecord->ActivePictureIndex;
    if (Parent->ActivePicture(ActivePictureIndex).isNull()) {
        ActivePictureIndex = -1;
        ActiveSkinRect = QRect();
    }
    ActiveMaskPictureIndex = Parent->ActivePicture(ARecord->ActiveMaskPictureIndex).isNull()
                                 ? -1
                                 : ARecord->ActiveMaskPictureIndex;
    ObjectRect = SkinRect;
}

bool TbsActiveSkinObject::PointInObject(const QPoint& P) const
{
    if (!Parent->SkinSupport() || ActiveMaskPictureIndex < 0)
        return true;
    const QImage& mask = Parent->ActivePicture(ActiveMaskPictureIndex);
    if (mask.isNull())
        return true;
    if (!mask.rect().contains(P))
        return false;
    return (mask.pixel(P) & 0xFFFFFF) == 0;
}

bool TbsActiveSkinObject::EnableMorphing() const
{
    const TbsSkinData* sd = Parent->SkinData();
    return Morphing && Parent->SkinSupport() && sd && sd->EnableSkinEffects() && !ActiveSkinRect.isEmpty();
}

bool TbsActiveSkinObject::CanMorphing() const
{
    return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

const QImage& TbsActiveSkinObject::SourcePicture() const
{
    return SkinRectInAPicture ? Parent->ActivePicture(ActivePictureIndex) : Parent->FramePicture();
}

void TbsActiveSkinObject::DrawPart(QPainter& C, const QRect& R, const QRect& AMorphTo) const
{
    const QImage& picture = SourcePicture();
    if (picture.isNull() || R.isEmpty())
        return;
    const bool morph = !AMorphTo.isEmpty() && EnableMorphing() && FMorphKf > 0 && FMorphKf < 1;
    if (!morph) {
        CopyPicturePart(C, ObjectRect.topLeft(), picture, R);
        return;
    }
    TbsEffectBmp from(PicturePart(picture, R));
    const TbsEffectBmp to(PicturePart(picture, QRect(AMorphTo.topLeft(), R.size())));
    from.MorphByKind(MorphKind, to, FMorphKf);
    from.Draw(C, ObjectRect.left(), ObjectRect.top());
}

void TbsActiveSkinObject::Draw(QPainter& C, bool UpDate)
{
    if (!Parent->SkinSupport())
        return;
    if (!SkinRectInAPicture && !UpDate && ActiveSkinRect.isEmpty())
        return; // the frame picture already shows it
    if (!Parent->GetFormActive() && Enabled && !InActiveSkinRect.isEmpty()) {
        DrawPart(C, InActiveSkinRect);
        return;
    }
    if (EnableMorphing() && FMorphKf > 0 && FMorphKf < 1)
        DrawPart(C, SkinRect, ActiveSkinRect);
    else if (Active && !ActiveSkinRect.isEmpty())
        DrawPart(C, ActiveSkinRect);
    else if (SkinRectInAPicture || UpDate)
        DrawPart(C, SkinRect);
}

void TbsActiveSkinObject::Changed()
{
    if (EnableMorphing())
        Parent->StartMorph();
    else
        Parent->DrawSkinObject(this);
}

void TbsActiveSkinObject::MouseEnter()
{
    FMouseIn = true;
    Active = true;
    Changed();
}

void TbsActiveSkinObject::MouseLeave()
{
    FMouseIn = false;
    Active = false;
    Changed();
}

void TbsActiveSkinObject::MouseDown(int, int, Qt::MouseButton) {}
void TbsActiveSkinObject::MouseUp(int, int, Qt::MouseButton) {}

// --- TbsSkinButtonObject -------------------------------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm* AParent, const TbsDataSkinButton* ARecord)
    : TbsActiveSkinObject(AParent, ARecord)
{
    if (!ARecord)
        return;
    DownRect = SkinQRect(ARecord->DownRect);
    DisableSkinRect = SkinQRect(ARecord->DisableSkinRect);
}

void TbsSkinButtonObject::Draw(QPainter& C, bool UpDate)
{
    if (!Parent->SkinSupport())
        return;
    if (!Enabled && !DisableSkinRect.isEmpty())
        DrawPart(C, DisableSkinRect);
    else if (FDown && FMouseIn && !DownRect.isEmpty())
        DrawPart(C, DownRect);
    else
        TbsActiveSkinObject::Draw(C, UpDate);
}

void TbsSkinButtonObject::MouseEnter()
{
    FMouseIn = true;
    Active = true;
    if (FDown && !DownRect.isEmpty()) {
        FMorphKf = 1;
        Parent->DrawSkinObject(this);
    } else {
        Changed();
    }
}

void TbsSkinButtonObject::MouseDown(int, int, Qt::MouseButton AButton)
{
    if (!Enabled || AButton != Qt::LeftButton || FDown)
        return;
    FDown = true;
    if (EnableMorphing())
        FMorphKf = 1;
    Parent->DrawSkinObject(this);
}

void TbsSkinButtonObject::MouseUp(int, int, Qt::MouseButton AButton)
{
    if (!Enabled || AButton != Qt::LeftButton || !FDown)
        return;
    FDown = false;
    Changed();
}

// --- TbsSkinStdButtonObject ----------------------------------------------------------------------

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm* AParent, const TbsDataSkinStdButton* ARecord)
    : TbsSkinButtonObject(AParent, ARecord)
{
    if (!ARecord)
        return;
    Command = ARecord->Command;
    RestoreRect = SkinQRect(ARecord->RestoreRect);
    RestoreActiveRect = SkinQRect(ARecord->RestoreActiveRect);
    RestoreDownRect = SkinQRect(ARecord->RestoreDownRect);
    RestoreInActiveRect = SkinQRect(ARecord->RestoreInActiveRect);
    RestoreHint = ARecord->RestoreHint;
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm* AParent, const QString& AName,
                                               TbsStdCommand ACommand)
    : TbsSkinButtonObject(AParent, nullptr)
{
    IDName = AName;
    Command = ACommand;
    SkinRectInAPicture = true;
    SkinRect = ActiveSkinRect = DownRect = QRect(0, 0, 1, 1);
    ObjectRect = SkinRect;
    FSkinSupport = false;
}

bool TbsSkinStdButtonObject::RestoreState() const
{
    return (Command == cmMaximize && Parent->WindowState() == wsMaximized) ||
           (Command == cmMinimize && Parent->WindowState() == wsMinimized) ||
           (Command == cmRollUp && Parent->RollUpState());
}

void TbsSkinStdButtonObject::Draw(QPainter& C, bool UpDate)
{
    if (!FSkinSupport) {
        DrawDefault(C);
        return;
    }
    if (!Parent->SkinSupport())
        return;
    const bool active = Parent->GetFormActive();
    if (Enabled && (active || InActiveSkinRect.isEmpty() || RestoreState())) {
        if (RestoreState() && !RestoreRect.isEmpty()) {
            if (!active && !RestoreInActiveRect.isEmpty())
                DrawPart(C, RestoreInActiveRect);
            else if (FDown && FMouseIn && !RestoreDownRect.isEmpty())
                DrawPart(C, RestoreDownRect);
            else if (EnableMorphing() && FMorphKf > 0 && FMorphKf < 1 && !RestoreActiveRect.isEmpty())
                DrawPart(C, RestoreRect, RestoreActiveRect);
            else if (Active && !RestoreActiveRect.isEmpty())
                DrawPart(C, RestoreActiveRect);
            else
                DrawPart(C, RestoreRect);
            return;
        }
        if (Command == cmSysMenu && FDown && !DownRect.isEmpty()) {
            DrawPart(C, DownRect);
            return;
        }
    }
    TbsSkinButtonObject::Draw(C, UpDate);
}

void TbsSkinStdButtonObject::DrawDefault(QPainter& C) const
{
    const QRect r = ObjectRect;
    if (r.isEmpty())
        return;
    if (FMouseIn)
        DrawDefaultButtonFace(C, r, FDown, true);
    else
        C.fillRect(r, SysBtnFace());
    TbsDefaultGlyph glyph = dgClose;
    switch (Command) {
    case cmClose:
        glyph = dgClose;
        break;
    case cmMaximize:
        glyph = RestoreState() ? dgRestore : dgMaximize;
        break;
    case cmMinimize:
        glyph = RestoreState() ? dgRestore : dgMinimize;
        break;
    case cmSysMenu:
        glyph = dgSysMenu;
        break;
    case cmRollUp:
        glyph = Parent->RollUpState() ? dgRollDown : dgRollUp;
        break;
    case cmMinimizeToTray:
        glyph = dgTray;
        break;
    case cmDefault:
        return;
    }
    DrawDefaultGlyph(C, glyph, r.left() + r.width() / 2 - 5, r.top() + r.height() / 2 - 4,
                     Enabled ? SysBtnText() : SysBtnShadow());
}

void TbsSkinStdButtonObject::MouseEnter()
{
    TbsSkinButtonObject::MouseEnter();
}

void TbsSkinStdButtonObject::MouseDown(int X, int Y, Qt::MouseButton AButton)
{
    if (AButton != Qt::LeftButton || !Enabled)
        return;
    const bool wasDown = FDown;
    TbsSkinButtonObject::MouseDown(X, Y, AButton);
    // The system-menu button drops the window's system menu and stays down while it is open.
    if (Command == cmSysMenu && !wasDown)
        Parent->PopupSysMenu(ObjectRect.translated(Parent->ScreenOrigin()));
}

void TbsSkinStdButtonObject::MouseUp(int X, int Y, Qt::MouseButton AButton)
{
    if (!Enabled || AButton != Qt::LeftButton || !FDown)
        return;
    const bool run = Active;
    if (Command == cmClose) {
        TbsSkinButtonObject::MouseUp(X, Y, AButton);
        if (run)
            Parent->RunCommand(Command);
        return;
    }
    if (Command == cmSysMenu && Parent->SkinMenu()->Visible())
        return; // released when its menu closes
    FDown = false;
    if (run && Command != cmSysMenu && Command != cmDefault) {
        Active = FMouseIn = false;
        FMorphKf = 0;
        Parent->RunCommand(Command);
    }
    Parent->DrawSkinObject(this);
}

void TbsSkinStdButtonObject::DblClick()
{
    if (Command == cmSysMenu && Enabled)
        Parent->RunCommand(cmClose);
}

// --- TbsSkinCaptionObject ------------------------------------------------------------------------

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm* AParent, const TbsDataSkinCaption* ARecord)
    : TbsActiveSkinObject(AParent, ARecord)
{
    if (!ARecord)
        return;
    TextRct = SkinQRect(ARecord->TextRct);
    FontName = ARecord->FontName;
    FontHeight = ARecord->FontHeight;
    FontStyle = ARecord->FontStyle;
    FontColor = ARecord->FontColor;
    ActiveFontColor = ARecord->ActiveFontColor;
    Alignment = ARecord->Alignment;
    Light = ARecord->Light;
    LightColor = ARecord->LightColor;
    ActiveLightColor = ARecord->ActiveLightColor;
    Shadow = ARecord->Shadow;
    ShadowColor = ARecord->ShadowColor;
    ActiveShadowColor = ARecord->ActiveShadowColor;
    AnimateSkinRect = SkinQRect(ARecord->AnimateSkinRect);
    FrameCount = ARecord->FrameCount;
    AnimateInterval = std::max(25, ARecord->AnimateInterval);
    InActiveAnimation = ARecord->InActiveAnimation;
}

bool TbsSkinCaptionObject::Animated() const
{
    // A frame count of 0 or less means no animation, and so does a strip too small to cut.
    if (FrameCount <= 0 || AnimateSkinRect.isEmpty() || ActivePictureIndex < 0)
        return false;
    const bool vertical = AnimateSkinRect.height() > SkinRect.height();
    return (vertical ? AnimateSkinRect.height() : AnimateSkinRect.width()) / FrameCount > 0;
}

QRect TbsSkinCaptionObject::AnimationFrame(int AFrame) const
{
    if (!Animated())
        return QRect();
    const int index = std::clamp(AFrame, 1, FrameCount) - 1;
    const QRect& r = AnimateSkinRect;
    if (r.height() > SkinRect.height()) {
        const int h = r.height() / FrameCount;
        return QRect(r.left(), r.top() + index * h, r.width(), h);
    }
    const int w = r.width() / FrameCount;
    return QRect(r.left() + index * w, r.top(), w, r.height());
}

QFont TbsSkinCaptionObject::CaptionFont() const
{
    if (!Parent->UseSkinFontInCaption)
        return Parent->DefCaptionFont;
    return SkinRecordFont(FontName, FontHeight, FontStyle);
}

QColor TbsSkinCaptionObject::CaptionColor() const
{
    return ColorToQColor(Parent->GetFormActive() ? ActiveFontColor : FontColor);
}

QRect TbsSkinCaptionObject::TextRect() const
{
    if (TextRct.isEmpty())
        return QRect();
    QRect r = TextRct.translated(ObjectRect.topLeft());
    r.setRight(r.right() + ObjectRect.width() - SkinRect.width());
    return r;
}

QString TbsSkinCaptionObject::ShownText() const
{
    const QRect r = TextRect();
    const QString text = Parent->Form()->Caption();
    if (r.isEmpty() || text.isEmpty())
        return QString();
    return ShortenText(QFontMetrics(CaptionFont()), text, r.width());
}

void TbsSkinCaptionObject::DrawText(QPainter& C) const
{
    const bool active = Parent->GetFormActive();
    if (Parent->OnCaptionPaint) {
        Parent->OnCaptionPaint(C, ObjectRect, active);
        return;
    }
    const QRect r = TextRect();
    const QString text = ShownText();
    if (r.isEmpty() || text.isEmpty())
        return;
    const QFont font = CaptionFont();
    const QFontMetrics metrics(font);
    const int w = TextWidth(metrics, text), h = TextHeight(metrics, text);
    int y = r.top() + r.height() / 2 - h / 2;
    if (FontHeightIsOdd(font))
        --y;
    int x = r.left() + r.width() / 2 - w / 2;
    if (Alignment == taLeftJustify)
        x = r.left();
    else if (Alignment == taRightJustify)
        x = r.right() + 1 - w;
    C.save();
    C.setFont(font);
    C.setClipRect(ObjectRect, Qt::IntersectClip);
    const QRect box(x, y, w, h);
    if (Light) {
        C.setPen(ColorToQColor(active ? ActiveLightColor : LightColor));
        C.drawText(box.translated(-1, -1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    if (Shadow) {
        C.setPen(ColorToQColor(active ? ActiveShadowColor : ShadowColor));
        C.drawText(box.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    C.setPen(CaptionColor());
    C.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    C.restore();
}

void TbsSkinCaptionObject::Draw(QPainter& C, bool UpDate)
{
    if (!Parent->SkinSupport())
        return;
    const bool active = Parent->GetFormActive();
    const QImage& picture = Parent->ActivePicture(ActivePictureIndex);
    if (Animated() && CurrentFrame > 0 && !picture.isNull()) {
        const QRect frame = AnimationFrame(CurrentFrame).intersected(picture.rect());
        if (!frame.isEmpty())
            C.drawImage(ObjectRect, picture, frame);
    } else if (!ActiveSkinRect.isEmpty() && active) {
        if (!picture.isNull())
            C.drawImage(ObjectRect, picture, ActiveSkinRect.intersected(picture.rect()));
    } else if (UpDate) {
        CopyPicturePart(C, ObjectRect.topLeft(), Parent->FramePicture(), SkinRect);
    }
    DrawText(C);
}
