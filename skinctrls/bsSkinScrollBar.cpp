// Scroll bar: the setters' clamping, the layout of buttons, track and thumb in both looks, and the
// pointer, timer, key and wheel handling.
#include "bsSkinScrollBar.h"

#include "TApplication.h"
#include "bsColors.h"
#include "bsDefaultLook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

// Halves go to the even neighbour.
int RoundEven(double x)
{
    return int(std::nearbyint(x));
}

// A skin rectangle as a QRect, or a null one when empty.
QRect SkinPiece(const TRect& r)
{
    return r.ToQRect();
}

QRect Fallback(const QRect& r, const QRect& fallback)
{
    return r.isEmpty() ? fallback : r;
}

constexpr int RepeatDelay = 500;
constexpr int RepeatInterval = 50;

} // namespace

TbsSkinScrollBar::TbsSkinScrollBar(QWidget* parent)
    : TbsSkinCustomControl(parent), FTimer(CreateControlTimer(this))
{
    FTimer->OnTimer = [this] { TimerTick(); };
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    FDefaultHeight = 19;
    FLink.SetSkinDataName(QStringLiteral("hscrollbar"));
    QWidget::resize(200, 19);
}

TbsSkinScrollBar::~TbsSkinScrollBar() = default;

int TbsSkinScrollBar::UpperBound() const
{
    const int upper = FPageSize > 0 ? FMax - FPageSize + 1 : FMax;
    return std::max(FMin, upper);
}

int TbsSkinScrollBar::ClampedPosition(int value) const
{
    return value < FMin ? FMin : std::min(value, UpperBound());
}

void TbsSkinScrollBar::SetPosition(int value)
{
    const int clamped = ClampedPosition(value);
    if (clamped == FPosition)
        return;
    FPosition = clamped;
    update();
    FireEvent(OnChange);
}

void TbsSkinScrollBar::SimplySetPosition(int value)
{
    const int clamped = ClampedPosition(value);
    if (clamped == FPosition)
        return;
    FPosition = clamped;
    update();
}

void TbsSkinScrollBar::SetRange(int AMin, int AMax, int APageSize, int APosition)
{
    // A reversed range would give a negative span and a thumb outside the track.
    FMin = std::min(AMin, AMax);
    FMax = std::max(AMin, AMax);
    FPageSize = std::max(0, APageSize);
    FPosition = ClampedPosition(APosition);
    update();
}

void TbsSkinScrollBar::SetMin(int value)
{
    FMin = value;
    FPosition = std::max(FPosition, FMin);
    update();
}

void TbsSkinScrollBar::SetMax(int value)
{
    FMax = value;
    // The last page ends at Max whatever Min is.
    FPosition = std::min(FPosition, FPageSize > 0 ? FMax - FPageSize + 1 : FMax);
    FPosition = std::max(FPosition, FMin);
    update();
}

void TbsSkinScrollBar::SetPageSize(int value)
{
    // The page must fit between the position and the end of the range, counted from Min.
    if (value >= 0 && qint64(FPosition) - FMin + value <= qint64(FMax) - FMin + 1)
        FPageSize = value;
    update();
}

void TbsSkinScrollBar::SetSmallChange(int value)
{
    FSmallChange = value;
    update();
}

void TbsSkinScrollBar::SetLargeChange(int value)
{
    FLargeChange = value;
    update();
}

void TbsSkinScrollBar::SetKind(TScrollBarKind value)
{
    if (value == FKind)
        return;
    FKind = value;
    update();
}

void TbsSkinScrollBar::SetBoth(bool value)
{
    if (value == FBoth)
        return;
    FBoth = value;
    if (FBoth) {
        FNormalSkinDataName = SkinDataName();
        FLink.SetSkinDataName(FBothSkinDataName);
    } else if (!FNormalSkinDataName.isEmpty()) {
        FLink.SetSkinDataName(FNormalSkinDataName);
    }
    if (FLink.Usable())
        ChangeSkinData();
    else
        update();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int value)
{
    if (value < 0)
        return;
    FBothMarkerWidth = value;
    if (SkinIndex() == -1)
        update();
}

void TbsSkinScrollBar::SetCanFocused(bool value)
{
    FCanFocused = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinScrollBar::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* r = FLink.Typed<TbsDataSkinScrollBarControl>();
    if (!r)
        return;
    TSkinParts& s = FSkin;
    s.PictureIndex = r->PictureIndex;
    s.TrackArea = ExactRect(r->TrackArea);
    s.UpButtonRect = ExactRect(r->UpButtonRect);
    s.DownButtonRect = ExactRect(r->DownButtonRect);
    s.ActiveUpButtonRect = SkinPiece(r->ActiveUpButtonRect);
    s.DownUpButtonRect = Fallback(SkinPiece(r->DownUpButtonRect), s.ActiveUpButtonRect);
    s.ActiveDownButtonRect = SkinPiece(r->ActiveDownButtonRect);
    s.DownDownButtonRect = Fallback(SkinPiece(r->DownDownButtonRect), s.ActiveDownButtonRect);
    s.ThumbRect = SkinPiece(r->ThumbRect);
    s.ActiveThumbRect = Fallback(SkinPiece(r->ActiveThumbRect), s.ThumbRect);
    s.DownThumbRect = Fallback(SkinPiece(r->DownThumbRect), s.ActiveThumbRect);
    s.ThumbOffset1 = r->ThumbOffset1;
    s.ThumbOffset2 = r->ThumbOffset2;
    s.ThumbTransparent = r->ThumbTransparent;
    s.ThumbTransparentColor = ColorToQColor(r->ThumbTransparentColor);
    s.ThumbStretchEffect = r->ThumbStretchEffect;
    s.ThumbMinSize = r->ThumbMinSize;
    s.ThumbMinPageSize = r->ThumbMinPageSize;
    s.GlyphRect = SkinPiece(r->GlyphRect);
    s.ActiveGlyphRect = Fallback(SkinPiece(r->ActiveGlyphRect), s.GlyphRect);
    s.DownGlyphRect = Fallback(SkinPiece(r->DownGlyphRect), s.ActiveGlyphRect);
    s.GlyphTransparent = r->GlyphTransparent;
    s.GlyphTransparentColor = ColorToQColor(r->GlyphTransparentColor);
}

void TbsSkinScrollBar::CalcSkinSize(int& W, int& H)
{
    TbsSkinCustomControl::CalcSkinSize(W, H);
    CalcRects();
}

void TbsSkinScrollBar::CalcRects()
{
    if (SkinIndex() == -1 || !FLink.Typed<TbsDataSkinScrollBarControl>())
        CalcDefaultRects();
    else
        CalcSkinRects();
}

double TbsSkinScrollBar::PageFraction() const
{
    const qint64 denominator = qint64(FMax) - FMin + 1 - FPageSize;
    if (denominator > 0)
        return double(FPosition - FMin) / double(denominator);
    return Horizontal() ? 1.0 : 0.0;
}

int TbsSkinScrollBar::PageThumbLength(int ATrackLength, int AMinimum) const
{
    const qint64 range = qint64(FMax) - FMin + 1;
    const int T = range <= 0 ? 0 : RoundEven(double(ATrackLength) * FPageSize / double(range));
    // A page larger than the range would push the thumb out of the track.
    return std::min(std::max(T, AMinimum), std::max(ATrackLength, AMinimum));
}

void TbsSkinScrollBar::PlaceThumb(int T, double f)
{
    const int half = T / 2;
    const int start = Horizontal() ? NewTrackArea.left() : NewTrackArea.top();
    const int end = start + (Horizontal() ? NewTrackArea.width() : NewTrackArea.height());
    Offset1 = start + half;
    Offset2 = end - half;
    BOffset = RoundEven(f * (Offset2 - Offset1));
    const int from = start + BOffset, to = start + BOffset + 2 * half;
    QRect& thumb = Buttons[ThumbPart].R;
    const QRect across = thumb;
    thumb = Horizontal() ? EdgeRect(from, across.top(), to, across.bottom() + 1)
                         : EdgeRect(across.left(), from, across.right() + 1, to);
}

void TbsSkinScrollBar::CalcDefaultRects()
{
    const int W = width(), H = height();
    const double f0 = FMax > FMin ? double(FPosition - FMin) / double(FMax - FMin) : 0.0;
    int trackLength;
    if (Horizontal()) {
        const int L = FBoth ? W - FBothMarkerWidth : W;
        Buttons[DownPart].R = EdgeRect(1, 1, 17, H - 1);
        Buttons[UpPart].R = EdgeRect(L - 17, 1, L - 1, H - 1);
        NewTrackArea = EdgeRect(17, 1, L - 17, H - 1);
        trackLength = NewTrackArea.width();
    } else {
        Buttons[DownPart].R = EdgeRect(1, 1, W - 1, 17);
        Buttons[UpPart].R = EdgeRect(1, H - 17, W - 1, H - 1);
        NewTrackArea = EdgeRect(1, 17, W - 1, H - 17);
        trackLength = NewTrackArea.height();
    }
    Buttons[ThumbPart].R = NewTrackArea;
    if (FPageSize > 0)
        PlaceThumb(PageThumbLength(trackLength, 16), PageFraction());
    else
        PlaceThumb(16, f0);
}

void TbsSkinScrollBar::CalcSkinRects()
{
    const TSkinParts& s = FSkin;
    const int delta = Horizontal() ? width() - SkinRect.width() : height() - SkinRect.height();
    QRect track = s.TrackArea;
    if (Horizontal())
        track.setRight(std::max(track.left() - 1, track.right() + delta));
    else
        track.setBottom(std::max(track.top() - 1, track.bottom() + delta));
    NewTrackArea = track;
    // A button beyond the stretch point follows the bar's end.
    auto place = [&](const QRect& button) {
        if (Horizontal() && FPart.RTPoint.x() < button.left())
            return button.translated(delta, 0);
        if (!Horizontal() && FPart.LBPoint.y() < button.top())
            return button.translated(0, delta);
        return button;
    };
    Buttons[UpPart].R = place(s.UpButtonRect);
    Buttons[DownPart].R = place(s.DownButtonRect);

    QRect& thumb = Buttons[ThumbPart].R;
    if (Horizontal()) {
        const int across = s.ThumbRect.height();
        thumb = QRect(track.left(), track.top() + track.height() / 2 - across / 2, track.width(), across);
    } else {
        const int across = s.ThumbRect.width();
        thumb = QRect(track.left() + track.width() / 2 - across / 2, track.top(), across, track.height());
    }
    const int trackLength = Horizontal() ? track.width() : track.height();
    const int base =
        s.ThumbMinSize != 0 ? s.ThumbMinSize : (Horizontal() ? s.ThumbRect.width() : s.ThumbRect.height());
    if (FPageSize > 0) {
        PlaceThumb(PageThumbLength(trackLength, base), PageFraction());
    } else {
        const double f0 = FMax > FMin ? double(FPosition - FMin) / double(FMax - FMin) : 0.0;
        PlaceThumb(s.ThumbMinPageSize != 0 ? s.ThumbMinPageSize : base, f0);
    }
}

void TbsSkinScrollBar::DrawDefaultArrow(QPainter& painter, const QRect& r, bool up) const
{
    const int cx = r.left() + r.width() / 2, cy = r.top() + r.height() / 2;
    // Pointing towards the end for the up button, towards the start for the down button.
    const int dir = up ? 1 : -1;
    painter.setPen(Qt::black);
    for (int i = 0; i < 4; ++i) {
        const int at = 2 - i, half = i;
        if (Horizontal())
            painter.drawLine(cx + dir * at, cy - half, cx + dir * at, cy + half);
        else
            painter.drawLine(cx - half, cy + dir * at, cx + half, cy + dir * at);
    }
}

void TbsSkinScrollBar::DrawDefaultImage(QImage& B)
{
    CalcRects();
    QPainter painter(&B);
    painter.fillRect(B.rect(), SysBtnFace());
    if (isEnabled()) {
        const TbsCBButtonX& thumb = Buttons[ThumbPart];
        const bool pressed = thumb.Down || (hasFocus() && FCanFocused);
        DrawDefaultButtonFace(painter, thumb.R, pressed, !pressed && thumb.MouseIn);
    }
    for (int part : {UpPart, DownPart}) {
        const TbsCBButtonX& b = Buttons[part];
        const bool pressed = b.Down && b.MouseIn;
        DrawDefaultButtonFace(painter, b.R, pressed, !pressed && b.MouseIn);
        DrawDefaultArrow(painter, b.R, part == UpPart);
    }
}

void TbsSkinScrollBar::DrawSkinImage(QImage& B)
{
    const auto* record = FLink.Typed<TbsDataSkinScrollBarControl>();
    if (!record) {
        DrawDefaultImage(B);
        return;
    }
    DrawSkinPart(B, record->SkinRect);
    CalcRects();
    const QImage picture = FLink.Picture(FSkin.PictureIndex);
    if (picture.isNull())
        return;
    QPainter painter(&B);
    for (int part : {UpPart, DownPart}) {
        const TbsCBButtonX& b = Buttons[part];
        const bool up = part == UpPart;
        QRect look;
        if (b.Down && b.MouseIn)
            look = up ? FSkin.DownUpButtonRect : FSkin.DownDownButtonRect;
        else if (b.MouseIn)
            look = up ? FSkin.ActiveUpButtonRect : FSkin.ActiveDownButtonRect;
        if (!look.isEmpty())
            painter.drawImage(b.R, picture, look);
    }
    painter.end();
    if (isEnabled())
        DrawSkinThumb(B, picture);
}

void TbsSkinScrollBar::DrawSkinThumb(QImage& B, const QImage& picture)
{
    const TbsCBButtonX& thumb = Buttons[ThumbPart];
    if (thumb.R.isEmpty())
        return;
    const bool pressed = FDown || (hasFocus() && FCanFocused);
    const QRect look = pressed         ? FSkin.DownThumbRect
                       : thumb.MouseIn ? FSkin.ActiveThumbRect
                                       : FSkin.ThumbRect;
    if (look.isEmpty())
        return;
    QImage bitmap;
    if (FPageSize > 0 || FSkin.ThumbMinPageSize != 0) {
        if (Horizontal())
            PaintHStrip(FSkin.ThumbOffset1, FSkin.ThumbOffset2, bitmap, FSkin.ThumbStretchEffect,
                        thumb.R.width(), look, picture);
        else
            PaintVStrip(FSkin.ThumbOffset1, FSkin.ThumbOffset2, bitmap, FSkin.ThumbStretchEffect,
                        thumb.R.height(), look, picture);
    } else {
        bitmap = picture.copy(look).scaled(thumb.R.size());
    }
    if (bitmap.isNull())
        return;
    const QRect glyph = pressed         ? FSkin.DownGlyphRect
                        : thumb.MouseIn ? FSkin.ActiveGlyphRect
                                        : FSkin.GlyphRect;
    const bool glyphFits = Horizontal() ? glyph.width() < bitmap.width() : glyph.height() < bitmap.height();
    if (!glyph.isEmpty() && glyphFits) {
        QImage g = picture.copy(glyph).convertToFormat(QImage::Format_ARGB32);
        if (FSkin.GlyphTransparent)
            g.setAlphaChannel(g.createMaskFromColor(FSkin.GlyphTransparentColor.rgb(), Qt::MaskOutColor)
                                  .convertToFormat(QImage::Format_Grayscale8));
        QPainter p(&bitmap);
        p.drawImage((bitmap.width() - g.width()) / 2, (bitmap.height() - g.height()) / 2, g);
    }
    if (FSkin.ThumbTransparent) {
        bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
        bitmap.setAlphaChannel(bitmap.createMaskFromColor(FSkin.ThumbTransparentColor.rgb(), Qt::MaskOutColor)
                                   .convertToFormat(QImage::Format_Grayscale8));
    }
    QPainter painter(&B);
    painter.drawImage(thumb.R.topLeft(), bitmap);
}

int TbsSkinScrollBar::HitPart(const QPoint& p) const
{
    return HitButtonPart(Buttons, {ThumbPart, UpPart, DownPart}, p);
}

void TbsSkinScrollBar::TestActive(const QPoint& p)
{
    if (!TrackHotButton(Buttons, {ThumbPart, UpPart, DownPart}, p, CaptureButton, ActiveButton,
                        OldActiveButton))
        return;
    // Sliding off a held arrow pauses its repeat; sliding back on resumes it.
    if (OldActiveButton != -1 && OldActiveButton != ThumbPart && Buttons[OldActiveButton].Down)
        FTimer->Stop();
    if (ActiveButton != -1 && ActiveButton != ThumbPart && Buttons[ActiveButton].Down)
        StartTimer(RepeatInterval);
    update();
}

void TbsSkinScrollBar::StartTimer(int AInterval)
{
    FTimer->Start(AInterval);
}

void TbsSkinScrollBar::StopTimer()
{
    FTimer->Stop();
}

void TbsSkinScrollBar::StepUp()
{
    if (OnUpButtonClick)
        FireEvent(OnUpButtonClick);
    else
        SetPosition(FPosition + FSmallChange);
}

void TbsSkinScrollBar::StepDown()
{
    if (OnDownButtonClick)
        FireEvent(OnDownButtonClick);
    else
        SetPosition(FPosition - FSmallChange);
}

void TbsSkinScrollBar::TimerTick()
{
    if (WaitMode) {
        WaitMode = false;
        StartTimer(RepeatInterval);
        return;
    }
    const QRect& thumb = Buttons[ThumbPart].R;
    switch (TimerMode) {
    case tmDown:
        StepDown();
        break;
    case tmUp:
        StepUp();
        break;
    case tmPageUp:
        TestActive(QPoint(MX, MY));
        if (Horizontal() ? MX < thumb.left() : MY < thumb.top()) {
            SetPosition(FPosition - FLargeChange);
            CalcRects();
            FireEvent(OnPageUp);
        } else {
            StopTimer();
            TimerMode = tmNone;
        }
        break;
    case tmPageDown:
        TestActive(QPoint(MX, MY));
        if (Horizontal() ? MX > thumb.x() + thumb.width() : MY > thumb.y() + thumb.height()) {
            SetPosition(FPosition + FLargeChange);
            CalcRects();
            FireEvent(OnPageDown);
        } else {
            StopTimer();
            TimerMode = tmNone;
        }
        break;
    default:
        StopTimer();
        break;
    }
}

void TbsSkinScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (FCanFocused && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    FireEvent(OnMouseDown, event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    MX = p.x();
    MY = p.y();
    FPointerOutside = false;
    MouseD = true;
    CalcRects();
    TimerMode = tmNone;
    WaitMode = true;
    const int part = HitPart(p);
    if (part != -1 && !(part == ThumbPart && !isEnabled())) {
        CaptureButton = part;
        TbsCBButtonX& b = Buttons[part];
        b.Down = true;
        if (part == ThumbPart) {
            OMPos = Along(p);
            OldBOffset = BOffset;
            FDown = true;
            update();
        } else {
            update();
            TimerMode = part == UpPart ? tmUp : tmDown;
            StartTimer(RepeatDelay);
            if (part == UpPart)
                StepUp();
            else
                StepDown();
        }
        return;
    }
    if (!NewTrackArea.contains(p))
        return;
    if (Along(p) < Along(Buttons[ThumbPart].R.topLeft())) {
        SetPosition(FPosition - FLargeChange);
        TimerMode = tmPageUp;
        StartTimer(RepeatDelay);
        FireEvent(OnPageUp);
    } else {
        SetPosition(FPosition + FLargeChange);
        TimerMode = tmPageDown;
        StartTimer(RepeatDelay);
        FireEvent(OnPageDown);
    }
    CalcRects();
}

void TbsSkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MX = p.x();
    MY = p.y();
    TestActive(p);
    if (FDown) {
        const int span1 = Offset2 - Offset1;
        double fraction = span1 <= 0 ? 0.0 : double(Along(p) - OMPos + OldBOffset) / double(span1);
        if (std::isnan(fraction))
            fraction = 0.0;
        fraction = std::clamp(fraction, 0.0, 1.0);
        const int span = FPageSize > 0 ? FMax - FMin - FPageSize + 1 : FMax - FMin;
        SetPosition(FMin + RoundEven(span * fraction));
    }
    // While a button is held the moves keep coming from outside; leaving is handled here then.
    const bool outside = !rect().contains(p);
    if (MouseD && outside && !FPointerOutside)
        PointerLeft();
    FPointerOutside = MouseD && outside;
    FireEvent(OnMouseMove, event);
}

void TbsSkinScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    FireEvent(OnMouseUp, event);
    MouseD = false;
    FPointerOutside = false;
    if (TimerMode > tmUp) {
        StopTimer();
        TimerMode = tmNone;
    }
    const int captured = CaptureButton;
    if (captured != -1) {
        TbsCBButtonX& b = Buttons[captured];
        b.Down = false;
        if (captured != ActiveButton)
            b.MouseIn = false;
        if (captured == ThumbPart) {
            FDown = false;
        } else {
            StopTimer();
            TimerMode = tmNone;
        }
        update();
    }
    CaptureButton = -1;
    if (event->button() == Qt::LeftButton && captured == ThumbPart)
        FireEvent(OnLastChange);
}

void TbsSkinScrollBar::PointerLeft()
{
    if (ActiveButton != -1 && CaptureButton == -1 && !FDown) {
        Buttons[ActiveButton].MouseIn = false;
        ActiveButton = -1;
        update();
    }
    if (MouseD && TimerMode > tmPageUp) {
        StopTimer();
        TimerMode = tmNone;
    }
}

void TbsSkinScrollBar::leaveEvent(QEvent* event)
{
    TbsSkinCustomControl::leaveEvent(event);
    if (!FPointerOutside)
        PointerLeft();
}

void TbsSkinScrollBar::keyPressEvent(QKeyEvent* event)
{
    FireEvent(OnKeyDown, event);
    if (!FCanFocused)
        return;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        SetPosition(FPosition - FSmallChange);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        SetPosition(FPosition + FSmallChange);
        break;
    default:
        event->ignore();
        break;
    }
}

void TbsSkinScrollBar::wheelEvent(QWheelEvent* event)
{
    if (!FCanFocused || !hasFocus()) {
        event->ignore();
        return;
    }
    SetPosition(FPosition + (event->angleDelta().y() <= 0 ? FSmallChange : -FSmallChange));
}

void TbsSkinScrollBar::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    update();
}

void TbsSkinScrollBar::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    update();
}

void TbsSkinScrollBar::changeEvent(QEvent* event)
{
    TbsSkinCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
