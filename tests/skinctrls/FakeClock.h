// A clock for the controls' timers that only moves when a test advances it.
#pragma once

#include "bsControlTimer.h"

#include <algorithm>
#include <vector>

class TFakeClock {
public:
    TFakeClock()
    {
        SetControlTimerSource([this](QObject*) { return std::make_unique<Timer>(*this); });
    }
    ~TFakeClock() { SetControlTimerSource({}); }

    // Moves the clock on by ms milliseconds, one at a time, firing every timer that falls due.
    void Advance(int ms)
    {
        for (int i = 0; i < ms; ++i) {
            ++FNow;
            const std::vector<Timer*> due = FTimers;
            for (Timer* t : due)
                if (std::find(FTimers.begin(), FTimers.end(), t) != FTimers.end() && t->FActive &&
                    t->FDue <= FNow) {
                    t->FDue = FNow + t->FInterval;
                    if (t->OnTimer)
                        t->OnTimer();
                }
        }
    }

private:
    class Timer : public TbsControlTimer {
    public:
        explicit Timer(TFakeClock& clock) : FClock(clock) { FClock.FTimers.push_back(this); }
        ~Timer() override { std::erase(FClock.FTimers, this); }
        void Start(int AInterval) override
        {
            FInterval = std::max(1, AInterval);
            FDue = FClock.FNow + FInterval;
            FActive = true;
        }
        void Stop() override { FActive = false; }
        bool Active() const override { return FActive; }
        int Interval() const override { return FInterval; }

        TFakeClock& FClock;
        bool FActive = false;
        int FInterval = 0;
        long FDue = 0;
    };

    std::vector<Timer*> FTimers;
    long FNow = 0;
};
