// Timing for the benchmark programs: the best of a few runs.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

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

// Wall-clock milliseconds since an arbitrary start, the default clock of MedianMs.
inline double WallMs()
{
    static QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return since.nsecsElapsed() / 1e6;
}

// The median of runs runs of action, in milliseconds of the clock nowMs.
template <class Action> double MedianMs(int runs, Action action, double (*nowMs)() = WallMs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = nowMs();
        action();
        times.push_back(nowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
