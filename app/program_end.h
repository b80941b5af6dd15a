#pragma once

#include <atomic>
#include <functional>

// How the program ends: the event loop stops on the GUI thread, and the shutdown routine runs
// exactly once there, whether the last window closed or some thread asked for the end.
namespace ftq {

class ProgramEnd
{
public:
    // Becomes the program's end for endProgram() while it lives.
    explicit ProgramEnd(std::function<void()> shutdownRoutine);
    ~ProgramEnd();

    ProgramEnd(const ProgramEnd &) = delete;
    ProgramEnd &operator=(const ProgramEnd &) = delete;

    // Any thread. The end is carried out on the GUI thread; a worker waits until it has been,
    // and should then finish without touching windows.
    void request(int code);

    // GUI thread: serves events until the end (also one requested before the loop began, say
    // while the first window's creation ran a modal window), then runs the shutdown routine.
    // Returns the exit code.
    int run();

    // The shutdown routine, if it has not run yet.
    void shutDown();

private:
    void requestOnGuiThread(int code);

    std::function<void()> m_shutdownRoutine;
    std::atomic<bool> m_requested = false;
    int m_code = 0;
    bool m_shutDown = false;
};

// Asks the program's ProgramEnd to end with `code`; without one, just leaves the event loop.
void endProgram(int code);

} // namespace ftq
