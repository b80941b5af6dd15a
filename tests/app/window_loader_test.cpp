#include "app/window_loader.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

using ftq::LoadMode;

class RefusesToClose : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// A window of the loader's kind that counts how often its creation handler ran.
class WindowLoaderTest : public QObject
{
    Q_OBJECT

    ftq::WindowLoader m_windows;
    int m_created = 0;
    const QString m_id = QStringLiteral("test");

private Q_SLOTS:
    void init()
    {
        m_created = 0;
        m_windows.define(
            m_id, [] { return new QWidget; },
            [this](QWidget *window) {
                ++m_created;
                QVERIFY(!window->isVisible()); // runs while the window still hides
            });
    }

    void cleanup() { m_windows.destroyAll(); }

    void firstWindow_createdHidden()
    {
        QWidget *window = m_windows.load(m_id, LoadMode::FirstWindow);
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QCOMPARE(m_created, 1);
        QCOMPARE(m_windows.find(m_id), window);
    }

    void noParent_shownWithoutParent()
    {
        QWidget *window = m_windows.load(m_id, LoadMode::NoParent);
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QCOMPARE(window->parentWidget(), nullptr);
    }

    void loadingOpenWindow_bringsItForwardWithoutCreatingAgain()
    {
        QWidget *window = m_windows.load(m_id, LoadMode::NoParent);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);

        QCOMPARE(m_windows.load(m_id, LoadMode::NoParent), window);
        QTRY_COMPARE(QApplication::activeWindow(), window);

        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        QCOMPARE(m_windows.load(m_id, LoadMode::Modal), window);
        QTRY_VERIFY(!window->isMinimized());
        QCOMPARE(m_created, 1);
    }

    void modal_returnsOnceWindowIsDestroyed()
    {
        bool wasModal = false;
        QPointer<QWidget> seen;
        QTimer::singleShot(0, qApp, [&] {
            seen = m_windows.find(m_id);
            wasModal = seen && seen->isVisible() && seen->isModal();
            seen->close();
        });
        m_windows.load(m_id, LoadMode::Modal);
        QVERIFY(wasModal);
        QVERIFY(seen.isNull());
        QCOMPARE(m_windows.find(m_id), nullptr);
    }

    void closedWindow_isCreatedAfreshNextTime()
    {
        QPointer<QWidget> first = m_windows.load(m_id, LoadMode::NoParent);
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(m_windows.load(m_id, LoadMode::NoParent));
        QCOMPARE(m_created, 2);
    }

    void windowClosedButNotYetDeleted_isNotBroughtForward()
    {
        // Closing only schedules the deletion; a load in between (a handler that closes the
        // window and then waits for a reply) must still give a live, visible window.
        QPointer<QWidget> first = m_windows.load(m_id, LoadMode::NoParent);
        first->close();
        QVERIFY(!first.isNull());
        QWidget *second = m_windows.load(m_id, LoadMode::NoParent);
        QVERIFY(second != first.data());
        QVERIFY(second->isVisible());
        QCOMPARE(m_windows.find(m_id), second);
        QCOMPARE(m_created, 2);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(m_windows.find(m_id), second);
    }

    void closeRefused_keepsWindowOpen()
    {
        m_windows.define(
            m_id, [] { return new RefusesToClose; }, [this](QWidget *) { ++m_created; });
        QWidget *window = m_windows.load(m_id, LoadMode::NoParent);
        QVERIFY(!window->close());
        window->hide(); // hidden later for another reason: still the open window
        QCOMPARE(m_windows.load(m_id, LoadMode::NoParent), window);
        QCOMPARE(m_created, 1);
    }

    void unknownId_loadsNothing()
    {
        QCOMPARE(m_windows.load(QStringLiteral("nothing"), LoadMode::NoParent), nullptr);
    }
};

QTEST_MAIN(WindowLoaderTest)
#include "window_loader_test.moc"
