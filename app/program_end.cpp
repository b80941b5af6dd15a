#include "app/program_end.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace ftq {
namespace {

std::atomic<ProgramEnd *> programEnd = nullptr;

bool onGuiThread()
{
    auto *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

} // namespace

ProgramEnd::ProgramEnd(std::function<void()> shutdownRoutine)
    : m_shutdownRoutine(std::move(shutdownRoutine))
{
    programEnd = this;
}

ProgramEnd::~ProgramEnd()
{
    shutDown();
    ProgramEnd *self = this;
    programEnd.compare_exchange_strong(self, nullptr);
}

void ProgramEnd::request(int code)
{
    if (onGuiThread()) {
        requestOnGuiThread(code);
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this, code] { requestOnGuiThread(code); },
        Qt::BlockingQueuedConnection);
}

void ProgramEnd::requestOnGuiThread(int code)
{
    if (m_requested.exchange(true))
        return;
    m_code = code;
    // Leaves every running loop, modal ones included.
    QCoreApplication::exit(code);
}

int ProgramEnd::run()
{
    if (m_requested) {
        // Qt forgets an exit asked for outside exec(); let exec() start and leave at once.
        QTimer::singleShot(0, QCoreApplication::instance(),
                           [code = m_code] { QCoreApplication::exit(code); });
    }
    const int code = QCoreApplication::exec();
    shutDown();
    return code;
}

void ProgramEnd::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (m_shutdownRoutine)
        m_shutdownRoutine();
}

void endProgram(int code)
{
    if (ProgramEnd *end = programEnd)
        end->request(code);
    else
        QCoreApplication::exit(code);
}

} // namespace ftq
