#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Work on a thread of its own, waited for with a time limit while the waiting thread stays live.
namespace ftq {

// The end of a piece of work. The worker and the waiter each hold a share, so a worker that was
// abandoned at its deadline still signals into memory that lives.
class WorkerSignal
{
public:
    void finish();
    bool isFinished() const;

private:
    friend bool waitForWorker(WorkerSignal &signal, std::chrono::milliseconds limit);

    mutable std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::function<void()> m_wake; // set while a waiter runs an event loop
};

// Runs `work` on a new detached thread and returns the signal it finishes when done. When no
// thread can be started, the signal never finishes.
std::shared_ptr<WorkerSignal> startThread(std::function<void()> work);

// Blocks until `signal` finishes or `limit` has passed; true only when the work finished and the
// limit had not passed on waking. On a thread with a Qt event dispatcher its events keep being
// processed meanwhile (handlers may even wait for other work, nested); elsewhere it is a plain
// wait. It wakes on the end of the work or at the deadline, never polls.
bool waitForWorker(WorkerSignal &signal, std::chrono::milliseconds limit);

} // namespace ftq
