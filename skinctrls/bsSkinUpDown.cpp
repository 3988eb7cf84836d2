// Up-down control: button layout in both looks, stepping on release and the held-button repeat.
#include "bsSkinUpDown.h"

#include "TApplication.h"
#include "bsDefaultLook.h"

#include <QMouseEvent>
#include <QPainter>

TbsSkinUpDown::TbsSkinUpDown(QWidget* parent) : TbsSkinCustomControl(parent), FTimer(CreateControlTimer(this))
{
    FTimer->OnTimer = [this] { TimerTick(); };
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    FLink.SetSkinDataName(QStringLiteral("hupdown"));
    QWidget::resize(50, 25);
    CalcRects();
}

TbsSkinUpDown::~TbsSkinUpDown() = default;

void TbsSkinUpDown::SetMin(int value)
{
    FMin = value;
    FPosition = std::max(FPosition, FMin);
}

void TbsSkinUpDown::SetMax(int value)
{
    FMax = value;
    FPosition = std::min(FPosition, FMax);
}

void TbsSkinUpDown::SetPosition(int value)
{
    if (value < FMin || value > FMax)
        return;
    FPosition = value;
    FireEvent(OnChange);
}

void TbsSkinUpDown::SetOrientation(TbsUpDownOrientation value)
{
    FOrientation = value;
    CalcRects();
    update();
}

void TbsSkinUpDown::SetUseSkinSize(bool value)
{
    FUseSkinSize = value;
    ChangeSkinData();
}

void TbsSkinUpDown::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    if (const auto* r = FLink.Typed<TbsDataSkinUpDownControl>()) {
        FPictureIndex = r->PictureIndex;
        UpButtonRect = ExactRect(r->UpButtonRect);
        ActiveUpButtonRect = r->ActiveUpButtonRect.ToQRect();
        DownUpButtonRect = r->DownUpButtonRect.IsEmpty() ? ActiveUpButtonRect : r->DownUpButtonRect.ToQRect();
        DownButtonRect = ExactRect(r->DownButtonRect);
        ActiveDownButtonRect = r->ActiveDownButtonRect.ToQRect();
        DownDownButtonRect =
            r->DownDownButtonRect.IsEmpty() ? ActiveDownButtonRect : r->DownDownButtonRect.ToQRect();
        // The control is never resized by corner points.
        FPart = FNew = TbsPartGeometry();
    }
    CalcRects();
}

void TbsSkinUpDown::CalcSkinSize(int& W, int& H)
{
    if (FUseSkinSize)
        TbsSkinCustomControl::CalcSkinSize(W, H);
}

void TbsSkinUpDown::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    CalcRects();
}

void TbsSkinUpDown::CalcRects()
{
    // The skin's button rectangles name pictures; on the control the buttons share it in halves.
    const int W = width(), H = height();
    if (FOrientation == udHorizontal) {
        Buttons[DownButton].R = QRect(0, 0, W / 2, H);
        Buttons[UpButton].R = EdgeRect(W / 2, 0, W, H);
    } else {
        Buttons[UpButton].R = QRect(0, 0, W, H / 2);
        Buttons[DownButton].R = EdgeRect(0, H / 2, W, H);
    }
}

void TbsSkinUpDown::DrawArrow(QPainter& painter, const QRect& r, bool up) const
{
    const int cx = r.left() + r.width() / 2, cy = r.top() + r.height() / 2;
    painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(128, 128, 128));
    // Up points right (horizontal) or up (vertical); down the other way.
    for (int i = 0; i < 4; ++i) {
        const int at = 2 - i;
        if (FOrientation == udHorizontal) {
            const int x = up ? cx + at : cx - at;
            painter.drawLine(x, cy - i, x, cy + i);
        } else {
            const int y = up ? cy - at : cy + at;
            painter.drawLine(cx - i, y, cx + i, y);
        }
    }
}

void TbsSkinUpDown::DrawDefaultImage(QImage& B)
{
    QPainter painter(&B);
    painter.fillRect(B.rect(), SysBtnFace());
    for (int i : {UpButton, DownButton}) {
        const TbsCBButtonX& b = Buttons[i];
        const bool pressed = b.Down && b.MouseIn;
        DrawDefaultButtonFace(painter, b.R, pressed, !pressed && b.MouseIn);
        DrawArrow(painter, b.R, i == UpButton);
    }
}

void TbsSkinUpDown::DrawSkinImage(QImage& B)
{
    if (!FUseSkinSize || !FLink.Typed<TbsDataSkinUpDownControl>()) {
        DrawDefaultImage(B);
        return;
    }
    TbsSkinCustomControl::DrawSkinImage(B);
    const QImage picture = FLink.Picture(FPictureIndex);
    if (picture.isNull())
        return;
    QPainter painter(&B);
    for (int i : {UpButton, DownButton}) {
        const TbsCBButtonX& b = Buttons[i];
        const bool up = i == UpButton;
        QRect look;
        if (b.Down && b.MouseIn)
            look = up ? DownUpButtonRect : DownDownButtonRect;
        else if (b.MouseIn)
            look = up ? ActiveUpButtonRect : ActiveDownButtonRect;
        if (!look.isEmpty())
            painter.drawImage(b.R, picture, look);
    }
}

int TbsSkinUpDown::HitButton(const QPoint& p) const
{
    return HitButtonPart(Buttons, {UpButton, DownButton}, p);
}

void TbsSkinUpDown::TestActive(const QPoint& p)
{
    if (!TrackHotButton(Buttons, {UpButton, DownButton}, p, CaptureButton, ActiveButton, OldActiveButton))
        return;
    if (OldActiveButton != -1 && Buttons[OldActiveButton].Down)
        FTimer->Stop();
    if (ActiveButton != -1 && Buttons[ActiveButton].Down && FIncrement != 0)
        FTimer->Start(50);
    update();
}

void TbsSkinUpDown::TimerTick()
{
    if (WaitMode) {
        WaitMode = false;
        FTimer->Start(100);
        return;
    }
    if (TimerMode == 1)
        SetPosition(FPosition - FIncrement);
    else if (TimerMode == 2)
        SetPosition(FPosition + FIncrement);
}

void TbsSkinUpDown::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    TestActive(p);
    const int hit = HitButton(p);
    if (hit != -1) {
        CaptureButton = hit;
        Buttons[hit].MouseIn = true;
        Buttons[hit].Down = true;
        update();
        if (FIncrement != 0) {
            TimerMode = hit == UpButton ? 2 : 1;
            WaitMode = true;
            FTimer->Start(500);
        }
    }
}

void TbsSkinUpDown::mouseMoveEvent(QMouseEvent* event)
{
    TestActive(event->position().toPoint());
}

void TbsSkinUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    const int captured = CaptureButton;
    CaptureButton = -1;
    if (captured == -1)
        return;
    if (FIncrement != 0) {
        FTimer->Stop();
        TimerMode = 0;
    }
    TbsCBButtonX& b = Buttons[captured];
    b.Down = false;
    const bool over = b.R.contains(event->position().toPoint());
    if (!over)
        b.MouseIn = false;
    update();
    if (!over)
        return;
    if (captured == UpButton) {
        if (FIncrement != 0)
            SetPosition(FPosition + FIncrement);
        FireEvent(OnUpButtonClick);
    } else {
        if (FIncrement != 0)
            SetPosition(FPosition - FIncrement);
        FireEvent(OnDownButtonClick);
    }
}

void TbsSkinUpDown::leaveEvent(QEvent* event)
{
    TbsSkinCustomControl::leaveEvent(event);
    for (TbsCBButtonX& b : Buttons)
        b.MouseIn = false;
    ActiveButton = OldActiveButton = -1;
    update();
}
