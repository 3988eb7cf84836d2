// The start-up's helper thread: jobs in order, off the main thread, waited for, and failures
// kept to themselves.
#include "AheadWork.h"

#include <gtest/gtest.h>
#include <mutex>
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
