// Work the program's start does on a second thread while its main thread goes on: reading the
// font configuration, listing the installed fonts, opening the database.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// Queues a job for the helper thread. Jobs run one after another in the order they were queued;
// the thread starts with the first and ends whenever the queue is empty, to start again with the
// next job. A job queued while the application object exists is finished before that object
// ends; one queued before it exists must leave Qt's objects alone, since Qt takes the thread that
// makes its first object for its main thread. A job that throws is dropped.
void RunAhead(std::function<void()> job);

// Waits until every job queued so far has run. The end of the process waits in any case.
void FinishAheadWork();

// The result of work done ahead on the helper thread, for the one who later needs it. Asked for
// before the work has begun, it is called off, and the one asking does the work alone; asked for
// while the work runs, it is waited for. Work that throws gives no result. Shared by whoever may
// ask for it, on one thread.
template <class T> class TAheadResult
{
  public:
    static std::shared_ptr<TAheadResult> Begin(std::function<T()> work)
    {
        const std::shared_ptr<TAheadResult> ahead(new TAheadResult);
        RunAhead([ahead, work = std::move(work)] { ahead->Run(work); });
        return ahead;
    }

    // The result, final from now on: the work's, or nothing when the work had not begun by this
    // call or an earlier one, or failed. The caller may take it out.
    std::optional<T>& Await()
    {
        std::unique_lock lock(FLock);
        if (FState == Queued)
            FState = CalledOff;
        FFinished.wait(lock, [this] { return FState != Running; });
        return FResult;
    }

  private:
    enum TState { Queued, Running, Finished, CalledOff };

    TAheadResult() = default;

    void Run(const std::function<T()>& work)
    {
        {
            const std::lock_guard lock(FLock);
            if (FState != Queued)
                return;
            FState = Running;
        }
        std::optional<T> result;
        try {
            result.emplace(work());
        } catch (...) {
        }
        {
            const std::lock_guard lock(FLock);
            FResult = std::move(result);
            FState = Finished;
        }
        FFinished.notify_all();
    }

    std::mutex FLock;
    std::condition_variable FFinished;
    TState FState = Queued;
    std::optional<T> FResult;
};
