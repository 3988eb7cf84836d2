// The start-up's helper thread and its queue of jobs.
#include "AheadWork.h"

#include <QCoreApplication>

#include <deque>
#include <mutex>
#include <thread>

namespace {

std::mutex QueueLock;
std::deque<std::function<void()>> Jobs;
std::thread Worker;
// Whether the worker is still taking jobs; once it finds the queue empty it ends, and the next
// job starts another one.
bool WorkerTakesJobs = false;

void TakeJobs()
{
    for (;;) {
        std::function<void()> job;
        {
            const std::lock_guard lock(QueueLock);
            if (Jobs.empty()) {
                WorkerTakesJobs = false;
                return;
            }
            job = std::move(Jobs.front());
            Jobs.pop_front();
        }
        try {
            job();
        } catch (...) {
            // Work done ahead only saves time later; what failed here is done again when needed.
        }
    }
}

struct TFinishAtExit {
    ~TFinishAtExit() { FinishAheadWork(); }
} FinishAtExit;

} // namespace

void RunAhead(std::function<void()> job)
{
    // The job may use what the application object owns.
    if (QCoreApplication::instance())
        qAddPostRoutine(FinishAheadWork);
    const std::lock_guard lock(QueueLock);
    Jobs.push_back(std::move(job));
    if (WorkerTakesJobs)
        return;
    // A worker that found the queue empty has ended or is about to: nothing holds it.
    if (Worker.joinable())
        Worker.join();
    WorkerTakesJobs = true;
    Worker = std::thread(TakeJobs);
}

void FinishAheadWork()
{
    for (;;) {
        std::thread ending;
        {
            const std::lock_guard lock(QueueLock);
            if (!Worker.joinable())
                return;
            ending = std::move(Worker);
        }
        ending.join();
    }
}
