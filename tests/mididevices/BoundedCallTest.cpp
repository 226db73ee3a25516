#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

#include "midi/fluidsynth/BoundedCall.h"

namespace {

using namespace std::chrono_literals;

// Tells the test when it is destroyed; exactly once, as it can't be copied.
struct Tracked {
    explicit Tracked(std::promise<void>* destroyed) : destroyed(destroyed) {}
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;
    ~Tracked() { destroyed->set_value(); }
    std::promise<void>* destroyed;
};

TEST(BoundedCall, ReturnsWhatAJobMadeInTime) {
    const auto result = RunWithin<int>(10s, [] { return std::make_unique<int>(42); });
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(*result, 42);
}

// A job stuck past the bound (a sound server that never answers) must not hold the caller,
// and what it makes once it comes unstuck must still be released.
TEST(BoundedCall, GivesUpOnAStuckJobAndReleasesItsLateResult) {
    std::promise<void> unstick;
    std::promise<void> destroyed;
    std::shared_future<void> unstuck = unstick.get_future().share();
    const auto result = RunWithin<Tracked>(50ms, [unstuck, &destroyed] {
        unstuck.wait();
        return std::make_unique<Tracked>(&destroyed);
    });
    EXPECT_EQ(result, nullptr);
    unstick.set_value();
    destroyed.get_future().wait();  // ctest's timeout catches a leak that never comes
}

TEST(BoundedCall, ReleasesAnObjectWhoseTeardownHangsWithoutWaitingForIt) {
    std::promise<void> unstick;
    std::promise<void> destroyed;
    struct Stuck : Tracked {
        Stuck(std::shared_future<void> unstuck, std::promise<void>* destroyed)
            : Tracked(destroyed), unstuck(std::move(unstuck)) {}
        ~Stuck() { unstuck.wait(); }
        std::shared_future<void> unstuck;
    };
    std::future<void> done = destroyed.get_future();
    ReleaseWithin(50ms, std::make_unique<Stuck>(unstick.get_future().share(), &destroyed));
    EXPECT_EQ(done.wait_for(0s), std::future_status::timeout);  // still stuck, yet we're back
    unstick.set_value();
    done.wait();
}

// At the program's end a worker that gave up is waited for up to its bound: one that
// finishes by then is done before the process ends, one stuck for good does not hold it.
TEST(BoundedCallDeathTest, TheProgramsEndWaitsForALateJobOnlyWithinItsBound) {
    const auto exitAfterGivingUpOn = [](std::chrono::milliseconds jobTime) {
        RunWithin<int>(500ms, [jobTime] {
            std::this_thread::sleep_for(jobTime);
            std::fputs("job finished\n", stderr);
            return std::make_unique<int>(1);
        });
        std::exit(0);
    };
    EXPECT_EXIT(exitAfterGivingUpOn(600ms), ::testing::ExitedWithCode(0), "job finished");
    EXPECT_EXIT(exitAfterGivingUpOn(1h), ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
