// TbsLayerManager: a translucent top-level window that fades a glow image in.
#include "bsLayerManager.h"

#include "bsPlatformInfo.h"

#include <QPainter>
#include <algorithm>

TbsLayerWindow::TbsLayerWindow(const QImage& AImage, bool ATopMost)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus |
                           (ATopMost ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())),
      FImage(AImage)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(FImage.size());
}

void TbsLayerWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, FImage);
}

TbsLayerManager::TbsLayerManager(QObject* AOwner) : QObject(AOwner), FTimer(new QTimer(this))
{
    FTimer->setInterval(25);
    connect(FTimer, &QTimer::timeout, this, &TbsLayerManager::FadeStep);
}

TbsLayerManager::~TbsLayerManager()
{
    Hide();
}

void TbsLayerManager::Show(int X, int Y, int AAlphaBlendValue, const QImage& AImageMask, const QImage& AImage)
{
    if (!IsW2KOrLater(CurrentOSVersion()))
        return;
    Hide();
    if (AImage.isNull())
        return;
    FBmp = std::make_unique<TbsBitmap>(AImage);
    FBmp->AlphaFromMask(AImageMask);
    FBmp->CheckRGBA();
    // Colour channels no larger than the alpha make the pixels valid premultiplied ones.
    QImage pushed = FBmp->Image().copy();
    pushed.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    FLayerWindow = new TbsLayerWindow(pushed, TopMostMode);
    FLayerWindow->move(X, Y);

    EndAlphaBlendValue = std::clamp(AAlphaBlendValue, 0, 255);
    StepAlphaBlendValue = EndAlphaBlendValue / 10;
    // A step of 0 would never arrive: such a fade shows its end value at once.
    BeginAlphaBlendValue = StepAlphaBlendValue > 0 ? 0 : EndAlphaBlendValue;
    SetWindowAlpha(FLayerWindow, BeginAlphaBlendValue);
    FLayerWindow->show();
    if (BeginAlphaBlendValue != EndAlphaBlendValue)
        FTimer->start();
}

void TbsLayerManager::FadeStep()
{
    if (!FLayerWindow) {
        FTimer->stop();
        return;
    }
    BeginAlphaBlendValue = std::min(BeginAlphaBlendValue + StepAlphaBlendValue, EndAlphaBlendValue);
    SetWindowAlpha(FLayerWindow, BeginAlphaBlendValue);
    if (BeginAlphaBlendValue == EndAlphaBlendValue)
        FTimer->stop();
}

void TbsLayerManager::Update()
{
    if (FLayerWindow)
        FLayerWindow->raise();
}

void TbsLayerManager::Hide()
{
    if (!IsW2KOrLater(CurrentOSVersion()))
        return;
    FTimer->stop();
    delete FLayerWindow.data();
    FBmp.reset();
}
