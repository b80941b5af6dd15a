// app_start_driver app|bare: starts like the program (or with the bare window), and at the
// first paint of the window prints "<CLOCK_MONOTONIC ns at paint> <peak RSS KiB>" and quits.
#include "bare_window.h"

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/open_address.h"
#include "app/program_end.h"
#include "app/window_loader.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The next turn of the loop comes after the painted window was flushed.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", now.tv_sec * 1000000000LL + now.tv_nsec, usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char **argv)
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    FirstPaint firstPaint;

    if (bare) {
        QWidget *window = makeBareWindow();
        window->installEventFilter(&firstPaint);
        window->show();
        const int code = QApplication::exec();
        delete window;
        return code;
    }

    // As startUp does, with the key files in a scratch directory and no browser at the end.
    const QTemporaryDir keys;
    ftq::setAddressOpener([](const std::string &) {});
    ftq::initAppState();
    ftq::ProgramEnd end(&ftq::releaseAppState);
    ftq::WindowLoader windows;
    windows.define(
        ftq::mainWindowId,
        [&] {
            auto *window = new ftq::MainWindow(keys.path());
            window->installEventFilter(&firstPaint);
            return window;
        },
        [](QWidget *window) { static_cast<ftq::MainWindow *>(window)->onMainWindowCreated(); });
    windows.load(ftq::mainWindowId, ftq::LoadMode::FirstWindow);
    end.run();
    windows.destroyAll();
    return 0;
}
