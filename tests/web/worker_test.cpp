#include "web/worker.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace ftq {
namespace {

using Clock = std::chrono::steady_clock;

struct Gate {
    std::mutex mutex;
    std::condition_variable cv;
    bool open = false;
    void release()
    {
        std::lock_guard lock(mutex);
        open = true;
        cv.notify_all();
    }
    void wait()
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [this] { return open; });
    }
};

TEST(WaitForWorker, withoutEventLoop_returnsWhenWorkEnds)
{
    std::atomic<int> result = 0;
    auto signal = startThread([&] { result = 42; });
    EXPECT_TRUE(waitForWorker(*signal, 5s));
    EXPECT_EQ(result, 42);
}

// Work that ends only when released: the wait must give up at its limit, well before twice it,
// and the work's late end must still reach a live signal.
void expectWaitEndsAtLimit()
{
    auto gate = std::make_shared<Gate>();
    auto signal = startThread([gate] { gate->wait(); });

    const auto start = Clock::now();
    EXPECT_FALSE(waitForWorker(*signal, 300ms));
    const auto took = Clock::now() - start;
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, 600ms);

    gate->release();
    EXPECT_TRUE(waitForWorker(*signal, 5s));
}

TEST(WaitForWorker, withoutEventLoop_returnsAtDeadline_andAbandonedWorkerEndsHarmlessly)
{
    expectWaitEndsAtLimit();
}

TEST(WaitForWorker, zeroLimit_isAlreadyTimedOut)
{
    auto signal = startThread([] {});
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(waitForWorker(*signal, 0ms));
}

// The waiting thread runs a Qt event loop, as the GUI thread does.
class WaitForWorkerWithEventLoop : public ::testing::Test
{
    int m_argc = 1;
    char m_name[12] = "worker_test";
    char *m_argv[2] = {m_name, nullptr};
    QCoreApplication m_app{m_argc, m_argv};
};

TEST_F(WaitForWorkerWithEventLoop, processesEventsWhileWaiting)
{
    auto gate = std::make_shared<Gate>();
    auto signal = startThread([gate] { gate->wait(); });
    bool timerRan = false;
    QTimer::singleShot(20ms, [&] {
        timerRan = true;
        gate->release();
    });
    EXPECT_TRUE(waitForWorker(*signal, 5s));
    EXPECT_TRUE(timerRan);
}

// Work that ends while the loop runs: each wait ends with it, not at its limit. The end crosses
// from the worker to the waiting thread many times, where ThreadSanitizer watches the hand-over.
TEST_F(WaitForWorkerWithEventLoop, endOfWorkEndsTheWaitAtOnce)
{
    const auto start = Clock::now();
    for (int i = 0; i < 100; ++i) {
        auto gate = std::make_shared<Gate>();
        auto signal = startThread([gate] { gate->wait(); });
        QTimer::singleShot(0, [gate] {
            gate->release();
            // Busy here while the work ends, so its end is picked up without a blocking wake.
            std::this_thread::sleep_for(2ms);
        });
        ASSERT_TRUE(waitForWorker(*signal, 5s));
    }
    EXPECT_LT(Clock::now() - start, 5s);
}

TEST_F(WaitForWorkerWithEventLoop, nestedWaitRunsWhileOuterWaits)
{
    auto outerGate = std::make_shared<Gate>();
    auto outer = startThread([outerGate] { outerGate->wait(); });
    bool innerFinished = false;
    QTimer::singleShot(10ms, [&] {
        auto inner = startThread([] { std::this_thread::sleep_for(30ms); });
        innerFinished = waitForWorker(*inner, 5s);
        outerGate->release();
    });
    EXPECT_TRUE(waitForWorker(*outer, 5s));
    EXPECT_TRUE(innerFinished);
}

TEST_F(WaitForWorkerWithEventLoop, returnsAtDeadlineWithQuietQueue)
{
    expectWaitEndsAtLimit();
}

} // namespace
} // namespace ftq
