// The start-up's helper thread and its queue of jobs.
#include "AheadWork.h"

#include <QCoreApplication>

#include <deque>
#include <mutex>
#include <pthread.h>
#include <sched.h>

namespace {

std::mutex QueueLock;
std::deque<std::function<void()>> Jobs;
pthread_t Worker{};
bool WorkerJoinable = false;
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

// The processors the caller may use, when the worker was made away from the caller's own one.
cpu_set_t Allowed;
bool MadeElsewhere = false;

void* WorkerMain(void*)
{
    // Away from the caller's processor at the start, not for good.
    if (MadeElsewhere)
        pthread_setaffinity_np(pthread_self(), sizeof Allowed, &Allowed);
    TakeJobs();
    return nullptr;
}

// A new thread is often queued behind its maker on the maker's processor and waits there, for a
// millisecond or several, until the scheduler moves it; the work ahead would then start only
// after what it was meant to run beside. So it is made on another processor when there is one.
// False when no thread could be made.
bool StartWorker()
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    MadeElsewhere = false;
    const int current = sched_getcpu();
    if (current >= 0 && current < CPU_SETSIZE && sched_getaffinity(0, sizeof Allowed, &Allowed) == 0) {
        cpu_set_t others = Allowed;
        CPU_CLR(current, &others);
        MadeElsewhere = CPU_COUNT(&others) > 0 &&
                        pthread_attr_setaffinity_np(&attributes, sizeof others, &others) == 0;
    }
    const bool made = pthread_create(&Worker, &attributes, WorkerMain, nullptr) == 0;
    pthread_attr_destroy(&attributes);
    return made;
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
        if (WorkerJoinable)
            pthread_join(Worker, nullptr);
        WorkerTakesJobs = true;
        WorkerJoinable = StartWorker();
        if (WorkerJoinable)
            return;
    }
    // Without a thread the jobs are done here, and the caller waits for them.
    TakeJobs();
}

void FinishAheadWork()
{
    for (;;) {
        pthread_t ending;
        {
            const std::lock_guard lock(QueueLock);
            if (!WorkerJoinable)
                return;
            ending = Worker;
            WorkerJoinable = false;
        }
        pthread_join(ending, nullptr);
    }
}
