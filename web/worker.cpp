#include "web/worker.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <system_error>
#include <thread>

namespace ftq {

void WorkerSignal::finish()
{
    std::lock_guard lock(m_mutex);
    m_done = true;
    m_finished.notify_all();
    if (m_wake)
        m_wake();
}

bool WorkerSignal::isFinished() const
{
    std::lock_guard lock(m_mutex);
    return m_done;
}

std::shared_ptr<WorkerSignal> startThread(std::function<void()> work)
{
    auto signal = std::make_shared<WorkerSignal>();
    try {
        std::thread([signal, work = std::move(work)] {
            work();
            signal->finish();
        }).detach();
    } catch (const std::system_error &) {
        // Nothing runs: the waiter meets its deadline.
    }
    return signal;
}

namespace {

using Clock = std::chrono::steady_clock;

bool hasEventLoop()
{
    return QCoreApplication::instance() != nullptr
           && QAbstractEventDispatcher::instance(QThread::currentThread()) != nullptr;
}

// Runs the thread's event loop until the signal wakes it or the deadline passes.
void processEventsUntil(std::unique_lock<std::mutex> &lock, WorkerSignal &signal,
                        std::function<void()> &wake, Clock::time_point deadline)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // The worker only wakes the dispatcher, which allocates nothing; the loop then looks for the
    // end itself. A queued call would hand an event object from the worker to this thread through
    // Qt's own (uninstrumented) locks, which ThreadSanitizer reports as a race.
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &loop, [&signal, &loop] {
        if (signal.isFinished())
            loop.quit();
    });
    wake = [dispatcher] { dispatcher->wakeUp(); };
    lock.unlock();

    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    timer.start(std::max<std::chrono::milliseconds>(left, std::chrono::milliseconds(0)));
    loop.exec();

    lock.lock();
    wake = nullptr; // the loop dies with this frame; a late finish() must not reach it
}

} // namespace

bool waitForWorker(WorkerSignal &signal, std::chrono::milliseconds limit)
{
    const Clock::time_point deadline = Clock::now() + limit;
    std::unique_lock lock(signal.m_mutex);
    if (!signal.m_done && limit.count() > 0 && hasEventLoop()) {
        processEventsUntil(lock, signal, signal.m_wake, deadline);
        // An event loop that refuses to run (the application is quitting) returns at once;
        // the rest of the time is waited for plainly.
    }
    signal.m_finished.wait_until(lock, deadline, [&] { return signal.m_done; });
    return signal.m_done && Clock::now() < deadline;
}

} // namespace ftq
