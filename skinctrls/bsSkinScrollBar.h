// The skinned scroll bar: two arrow buttons, a track and a thumb, drawn from a scroll-bar object
// or in the default look, with dragging, paging and auto-repeat of the buttons and the track.
#pragma once

#include "bsCBButtonX.h"
#include "bsControlTimer.h"
#include "bsSkinControl.h"

#include <functional>
#include <memory>

enum TScrollBarKind { sbHorizontal, sbVertical };

// The up button lies at the END of the bar (bottom or right) and increases the position; the down
// button lies at the START and decreases it. Min <= Position <= Max - PageSize + 1 (Max without a
// page) holds after every setter.
class TbsSkinScrollBar : public TbsSkinCustomControl {
    Q_OBJECT
public:
    // Parts of Buttons.
    enum { ThumbPart = 0, UpPart = 1, DownPart = 2 };
    // Auto-repeat kinds.
    enum { tmNone = 0, tmDown = 1, tmUp = 2, tmPageUp = 3, tmPageDown = 4 };

    explicit TbsSkinScrollBar(QWidget* parent = nullptr);
    ~TbsSkinScrollBar() override;

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Clamps; a changed position repaints and fires OnChange.
    void SetPosition(int value);
    // The same clamp without an event.
    void SimplySetPosition(int value);
    // Stores the range and page (a reversed range is swapped, a negative page is 0), then the
    // clamped position; no event.
    void SetRange(int AMin, int AMax, int APageSize, int APosition);
    int PageSize() const { return FPageSize; }
    // A page that does not fit between the position and the end of the range is refused.
    void SetPageSize(int value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value);
    // Corner-marker mode: the bar meets a vertical bar at its right end.
    bool Both() const { return FBoth; }
    void SetBoth(bool value);
    int BothMarkerWidth() const { return FBothMarkerWidth; }
    void SetBothMarkerWidth(int value);
    QString BothSkinDataName() const { return FBothSkinDataName; }
    void SetBothSkinDataName(const QString& value) { FBothSkinDataName = value; }
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);

    // The highest position the setters accept.
    int UpperBound() const;

    // The parts at the current size (after the last layout).
    const TbsCBButtonX& Part(int index) const { return Buttons[index]; }
    QRect TrackArea() const { return NewTrackArea; }
    int Offset1Value() const { return Offset1; }
    int Offset2Value() const { return Offset2; }
    int BOffsetValue() const { return BOffset; }
    int TimerModeValue() const { return TimerMode; }
    // Computes the parts, the track and the thumb offsets at the current size.
    void CalcRects();

    void GetSkinData() override;
    void CalcSkinSize(int& W, int& H) override;

    std::function<void()> OnChange;
    std::function<void()> OnLastChange;
    // When assigned they replace the step of their button.
    std::function<void()> OnUpButtonClick;
    std::function<void()> OnDownButtonClick;
    // After a page step.
    std::function<void()> OnPageUp;
    std::function<void()> OnPageDown;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;
    std::function<void(QKeyEvent*)> OnKeyDown;

protected:
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool Horizontal() const { return FKind == sbHorizontal; }
    int Along(const QPoint& p) const { return Horizontal() ? p.x() : p.y(); }
    void CalcDefaultRects();
    void CalcSkinRects();
    // Places the thumb of length T on the track from the fraction f.
    void PlaceThumb(int T, double f);
    // The fraction of the range the position stands at with a page: 0 or 1 when no page fits.
    double PageFraction() const;
    int PageThumbLength(int ATrackLength, int AMinimum) const;
    int ClampedPosition(int value) const;
    int HitPart(const QPoint& p) const;
    void TestActive(const QPoint& p);
    void StartTimer(int AInterval);
    void StopTimer();
    void TimerTick();
    void StepUp();
    void StepDown();
    // The pointer left the bar: hot part cleared, paging towards the end stopped.
    void PointerLeft();
    void DrawDefaultArrow(QPainter& painter, const QRect& r, bool up) const;
    void DrawSkinThumb(QImage& B, const QImage& picture);

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    int FPageSize = 0;
    TScrollBarKind FKind = sbHorizontal;
    bool FBoth = false;
    int FBothMarkerWidth = 19;
    QString FBothSkinDataName = QStringLiteral("bothhscrollbar");
    QString FNormalSkinDataName;
    bool FCanFocused = false;

    TbsCBButtonX Buttons[3];
    QRect NewTrackArea;
    int Offset1 = 0, Offset2 = 0, BOffset = 0;
    bool FDown = false;
    int OMPos = 0, OldBOffset = 0;
    int MX = 0, MY = 0;
    bool MouseD = false;
    // Set while the pointer is outside the bar during a press (the implicit grab keeps the moves
    // coming), so that leaving is handled once.
    bool FPointerOutside = false;
    int TimerMode = tmNone;
    bool WaitMode = false;
    int ActiveButton = -1, OldActiveButton = -1, CaptureButton = -1;
    std::unique_ptr<TbsControlTimer> FTimer;

    // Copies of the scroll-bar record (meaningful in the skin look).
    struct TSkinParts {
        QRect TrackArea, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
            ActiveDownButtonRect, DownDownButtonRect, ThumbRect, ActiveThumbRect, DownThumbRect;
        int ThumbOffset1 = 0, ThumbOffset2 = 0;
        bool ThumbTransparent = false;
        QColor ThumbTransparentColor;
        bool ThumbStretchEffect = false;
        int ThumbMinSize = 0, ThumbMinPageSize = 0;
        QRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
        bool GlyphTransparent = false;
        QColor GlyphTransparentColor;
        int PictureIndex = -1;
    } FSkin;
};
