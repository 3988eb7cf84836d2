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
// Whether the application object of the moment waits for the jobs before it ends.
bool FinishRegistered = false;

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

// Registered once per application object: Qt calls each of its post routines once, as that
// object ends, and forgets them.
void FinishBeforeTheApplicationEnds()
{
    {
        const std::lock_guard lock(QueueLock);
        FinishRegistered = false;
    }
    FinishAheadWork();
}

struct TFinishAtExit {
    ~TFinishAtExit() { FinishAheadWork(); }
} FinishAtExit;

} // namespace

void RunAhead(std::function<void()> job)
{
    const std::lock_guard lock(QueueLock);
    // The job may use what the application object owns.
    if (!FinishRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(FinishBeforeTheApplicationEnds);
        FinishRegistered = true;
    }
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
