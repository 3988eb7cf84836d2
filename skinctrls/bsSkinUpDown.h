// The skinned up-down control: two arrow buttons that step a position within a range, drawn from
// an up-down object or in the default look, with auto-repeat while a button is held.
#pragma once

#include "bsCBButtonX.h"
#include "bsControlTimer.h"
#include "bsSkinControl.h"

#include <memory>

enum TbsUpDownOrientation { udHorizontal, udVertical };

// Element 0 of the buttons is the up button (right or top), which increments; element 1 the down
// button (left or bottom), which decrements. A click steps once, on release over the button;
// holding a button steps every 100 ms after the first 600 ms.
class TbsSkinUpDown : public TbsSkinCustomControl {
    Q_OBJECT
public:
    enum { UpButton = 0, DownButton = 1 };

    explicit TbsSkinUpDown(QWidget* parent = nullptr);
    ~TbsSkinUpDown() override;

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // A value outside [Min, Max] is ignored; any other fires OnChange, also when unchanged.
    void SetPosition(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    TbsUpDownOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TbsUpDownOrientation value);
    // The skin object's picture gives the size and both buttons.
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);

    const TbsCBButtonX& Button(int index) const { return Buttons[index]; }

    void GetSkinData() override;
    void CalcSkinSize(int& W, int& H) override;

    std::function<void()> OnChange;
    std::function<void()> OnUpButtonClick;
    std::function<void()> OnDownButtonClick;

protected:
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CalcRects();
    int HitButton(const QPoint& p) const;
    void TestActive(const QPoint& p);
    void TimerTick();
    void DrawArrow(QPainter& painter, const QRect& r, bool up) const;

    int FMin = 0, FMax = 100, FPosition = 0, FIncrement = 1;
    TbsUpDownOrientation FOrientation = udHorizontal;
    bool FUseSkinSize = true;
    TbsCBButtonX Buttons[2];
    int ActiveButton = -1, OldActiveButton = -1, CaptureButton = -1;
    // 0 none, 1 decrementing, 2 incrementing.
    int TimerMode = 0;
    bool WaitMode = false;
    std::unique_ptr<TbsControlTimer> FTimer;
    QRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
        DownDownButtonRect;
    int FPictureIndex = -1;
};
