// The timers of the skinned controls (cross-fades, frame animations, auto-repeat), created through
// one replaceable source so that tests can drive them with a clock of their own.
#pragma once

#include <functional>
#include <memory>

class QObject;

class TbsControlTimer {
public:
    virtual ~TbsControlTimer() = default;
    // Starts (or restarts) ticking every AInterval ms; an interval below 1 ticks every 1 ms.
    virtual void Start(int AInterval) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
    virtual int Interval() const = 0;

    std::function<void()> OnTimer;
};

using TbsControlTimerSource = std::function<std::unique_ptr<TbsControlTimer>(QObject* AOwner)>;

// A new stopped timer for a control; a QTimer unless a test installed its own source.
std::unique_ptr<TbsControlTimer> CreateControlTimer(QObject* AOwner);
// Installs the source of every timer created from now on; an empty one restores the QTimer.
void SetControlTimerSource(TbsControlTimerSource ASource);
