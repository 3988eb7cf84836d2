// Tests of the operating-system version, window opacity and the work area of a monitor.
#pragma once

#include <QRect>

class QWidget;

// A major and minor operating-system version number.
struct TbsOSVersion {
    int Major = 0;
    int Minor = 0;
};

// Layered windows available.
inline bool IsW2KOrLater(TbsOSVersion V)
{
    return V.Major > 5 || (V.Major == 5 && V.Minor >= 0 && V.Minor <= 2);
}
// True for 5.1 and everything from 6 on, false for 5.2.
inline bool IsWindowsXP(TbsOSVersion V)
{
    return V.Major > 5 || (V.Major == 5 && V.Minor == 1);
}
inline bool IsVistaOrLater(TbsOSVersion V)
{
    return V.Major > 5;
}
inline bool IsWindows7(TbsOSVersion V)
{
    return V.Major == 6 && V.Minor == 1;
}
inline bool IsWindows8OrLater(TbsOSVersion V)
{
    return (V.Major == 6 && V.Minor == 2) || V.Major > 6;
}

// The version the engine assumes here: every window service it asks about (layered windows,
// per-pixel alpha, switching transitions off) exists on this platform, so it reports a current one.
TbsOSVersion CurrentOSVersion();

// The window's constant opacity, 0 .. 255.
void SetWindowAlpha(QWidget* AWindow, int AAlpha);

// The rectangle of the monitor nearest the window: its work area (without panels) with
// AWorkArea, else the whole monitor (0, 0, screen width, screen height with one monitor). A null
// rectangle when there is no screen at all.
QRect GetMonitorWorkArea(const QWidget* AWindow, bool AWorkArea);
