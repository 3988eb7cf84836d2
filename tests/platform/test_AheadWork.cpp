// The start-up's helper thread: jobs in order, off the main thread, waited for, and failures
// kept to themselves.
#include "AheadWork.h"

#include <gtest/gtest.h>
#include <latch>
#include <mutex>
#include <sched.h>
#include <stdexcept>
#include <thread>
#include <vector>

TEST(AheadWork, JobsRunInOrderOffTheMainThreadAndAreWaitedFor)
{
    std::mutex lock;
    std::vector<int> done;
    std::vector<std::thread::id> threads;
    const auto job = [&](int n) {
        return [&, n] {
            std::this_thread::sleep_for(std::chrono::milliseconds(n % 2 ? 5 : 0));
            const std::lock_guard guard(lock);
            done.push_back(n);
            threads.push_back(std::this_thread::get_id());
        };
    };
    for (int n = 0; n < 4; ++n)
        RunAhead(job(n));
    RunAhead([] { throw std::runtime_error("a job that fails"); });
    // A job may queue another one, which the same thread then takes.
    RunAhead([&] { RunAhead(job(4)); });
    FinishAheadWork();
    // The queue ran dry; a later job starts the thread again.
    RunAhead(job(5));
    FinishAheadWork();
    EXPECT_EQ(done, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (const std::thread::id& id : threads)
        EXPECT_NE(id, std::this_thread::get_id());
    FinishAheadWork(); // nothing left: returns at once
}

// With one processor to run on there is no other one to start the thread on; it starts all the
// same, and afterwards may go where the caller may.
TEST(AheadWork, RunsWhenTheCallerHasOneProcessorOnly)
{
    cpu_set_t before;
    ASSERT_EQ(sched_getaffinity(0, sizeof before, &before), 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    std::thread::id ranOn;
    cpu_set_t jobMayUse;
    CPU_ZERO(&jobMayUse);
    RunAhead([&] {
        ranOn = std::this_thread::get_id();
        sched_getaffinity(0, sizeof jobMayUse, &jobMayUse);
    });
    FinishAheadWork();
    sched_setaffinity(0, sizeof before, &before);
    EXPECT_NE(ranOn, std::thread::id());
    EXPECT_NE(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(CPU_EQUAL(&jobMayUse, &one));
}

// Started on another processor than the caller's, the worker is not held there: it may use every
// processor the caller may.
TEST(AheadWork, TheWorkerMayUseEveryProcessorTheCallerMay)
{
    cpu_set_t callerMayUse;
    ASSERT_EQ(sched_getaffinity(0, sizeof callerMayUse, &callerMayUse), 0);
    cpu_set_t jobMayUse;
    CPU_ZERO(&jobMayUse);
    RunAhead([&] { sched_getaffinity(0, sizeof jobMayUse, &jobMayUse); });
    FinishAheadWork();
    EXPECT_TRUE(CPU_EQUAL(&jobMayUse, &callerMayUse));
}

// A result asked for before its work began calls the work off; one asked for later is the work's,
// or nothing when the work threw, rather than a wait without end.
TEST(AheadResult, CalledOffBeforeItBeginsWaitedForAfterAndEmptyWhenTheWorkThrows)
{
    std::latch release(1);
    RunAhead([&] { release.wait(); });
    bool ran = false;
    const auto calledOff = TAheadResult<int>::Begin([&] {
        ran = true;
        return 1;
    });
    EXPECT_FALSE(calledOff->Await().has_value());
    release.count_down();
    const auto done = TAheadResult<int>::Begin([] { return 2; });
    const auto failed = TAheadResult<int>::Begin([]() -> int { throw std::runtime_error("no result"); });
    FinishAheadWork();
    EXPECT_FALSE(ran);
    EXPECT_EQ(done->Await(), 2);
    EXPECT_EQ(done->Await(), 2); // final: the same every time
    EXPECT_FALSE(failed->Await().has_value());
}
