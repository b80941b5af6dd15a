#include "app/app_state.h"
#include "app/program_end.h"
#include "app/window_loader.h"

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <thread>

// The shutdown routine runs exactly once, on the GUI thread, however the program ends.
class ProgramEndTest : public QObject
{
    Q_OBJECT

    struct Routine
    {
        int runs = 0;
        bool onGuiThread = false;
        std::function<void()> get()
        {
            return [this] {
                ++runs;
                onGuiThread = QThread::currentThread() == qApp->thread();
            };
        }
    };

private Q_SLOTS:
    void lastWindowClosed_runsRoutineOnce()
    {
        Routine routine;
        {
            ftq::ProgramEnd end(routine.get());
            QWidget window;
            window.show();
            QTimer::singleShot(0, &window, &QWidget::close);
            QCOMPARE(end.run(), 0);
            QCOMPARE(routine.runs, 1);
        }
        QCOMPARE(routine.runs, 1);
    }

    void endFromWorker_carriedOutOnGuiThread()
    {
        Routine routine;
        ftq::ProgramEnd end(routine.get());
        std::atomic<bool> workerReturned = false;
        std::thread worker([&] {
            ftq::endProgram(3);
            workerReturned = true;
        });
        QCOMPARE(end.run(), 3);
        worker.join();
        QVERIFY(workerReturned);
        QCOMPARE(routine.runs, 1);
        QVERIFY(routine.onGuiThread);
        end.shutDown();
        QCOMPARE(routine.runs, 1);
    }

    // The end may come while the first window's creation still runs a modal window, before
    // the main loop has started: the modal window returns and the main loop does not hang.
    void endDuringModalLoadBeforeLoop_endsAtOnce()
    {
        Routine routine;
        ftq::ProgramEnd end(routine.get());
        ftq::WindowLoader windows;
        windows.define(QStringLiteral("update"), [] { return new QWidget; }, {});
        std::thread worker;
        QTimer::singleShot(0, qApp, [&] { worker = std::thread([] { ftq::endProgram(0); }); });
        windows.load(QStringLiteral("update"), ftq::LoadMode::Modal);
        worker.join();

        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); }); // a hang fails
        QCOMPARE(end.run(), 0);
        QCOMPARE(routine.runs, 1);
    }

    void releaseAppState_emptiesEverything()
    {
        ftq::initAppState();
        ftq::releaseAppState(); // nothing ever stored
        ftq::setCurrentVersion("v1.0");
        ftq::setResultPattern("(.*)");
        ftq::appendToCensus({nullptr, 1, nullptr, "t", "c"});
        ftq::releaseAppState();
        QVERIFY(ftq::currentVersion().empty());
        QVERIFY(ftq::resultPattern().empty());
        QCOMPARE(ftq::censusSize(), std::size_t(0));
    }
};

QTEST_MAIN(ProgramEndTest)
#include "program_end_test.moc"
