// TbsLayerManager: a translucent top-level window that fades a glow image in beside a control.
#pragma once

#include "bsBitmap.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

// The glow window: frameless, never activated, transparent to the mouse, painting its image with
// per-pixel alpha over whatever lies below.
class TbsLayerWindow : public QWidget
{
    Q_OBJECT
  public:
    TbsLayerWindow(const QImage& AImage, bool ATopMost);
    const QImage& Image() const { return FImage; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QImage FImage;
};

class TbsLayerManager : public QObject
{
    Q_OBJECT
  public:
    explicit TbsLayerManager(QObject* AOwner = nullptr);
    ~TbsLayerManager() override;

    // Shows AImage at (X, Y) with the alpha of AImageMask (rounded mean of its red, green and blue;
    // colour channels lowered to the alpha) and fades it in to AAlphaBlendValue in ten steps of
    // 25 ms. An empty image shows nothing.
    void Show(int X, int Y, int AAlphaBlendValue, const QImage& AImageMask, const QImage& AImage);
    // Re-asserts the window's z-order while it is shown.
    void Update();
    void Hide();
    // One step of the fade (the timer's handler).
    void FadeStep();

    TbsLayerWindow* LayerWindow() const { return FLayerWindow.data(); }
    const TbsBitmap* Bmp() const { return FBmp.get(); }
    QTimer* Timer() const { return FTimer; }
    bool IsVisible() const { return FLayerWindow != nullptr; }

    int EndAlphaBlendValue = 0;
    int BeginAlphaBlendValue = 0;
    int StepAlphaBlendValue = 0;
    bool TopMostMode = true;

  private:
    QPointer<TbsLayerWindow> FLayerWindow;
    std::unique_ptr<TbsBitmap> FBmp;
    QTimer* FTimer;
};
