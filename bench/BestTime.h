// Timing for the benchmark programs: the best of a few runs.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

// The best of repeats runs of run, in milliseconds; prepare runs untimed before each.
inline double BestMs(
    const std::function<void()>& run, const std::function<void()>& prepare = [] {}, int repeats = 3)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}
