// Tests of the operating-system version, window opacity and the work area of a monitor.
#include "bsPlatformInfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

TbsOSVersion CurrentOSVersion()
{
    return {10, 0};
}

void SetWindowAlpha(QWidget* AWindow, int AAlpha)
{
    if (AWindow)
        AWindow->setWindowOpacity(std::clamp(AAlpha, 0, 255) / 255.0);
}

QRect GetMonitorWorkArea(const QWidget* AWindow, bool AWorkArea)
{
    QScreen* screen = nullptr;
    if (QGuiApplication::screens().size() > 1 && AWindow)
        screen = QGuiApplication::screenAt(AWindow->frameGeometry().center());
    if (!screen && AWindow)
        screen = AWindow->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    if (AWorkArea)
        return screen->availableGeometry();
    return QGuiApplication::screens().size() > 1 ? screen->geometry() : QRect(QPoint(0, 0), screen->size());
}
