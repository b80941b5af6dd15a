#include "app/window_loader.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace ftq {
namespace {

void bringForward(QWidget *window)
{
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->raise();
        window->activateWindow();
    }
}

// Forgets a window the moment it accepts to close. Closing only schedules its deletion, and a
// load in between must make a new window rather than bring forward one that is going away.
class CloseWatch : public QObject
{
public:
    CloseWatch(QWidget *window, QPointer<QWidget> &slot) : QObject(window), m_slot(slot)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        // The window decides first; the verdict travels back in the event itself.
        const QPointer<QObject> alive(watched);
        watched->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        if (!alive)
            return true; // this watch went with the window
        watched->installEventFilter(this);
        if (event->isAccepted() && m_slot == watched)
            m_slot = nullptr;
        return true;
    }

private:
    QPointer<QWidget> &m_slot; // the loader's entry: map nodes never move
};

void runModally(QWidget *window)
{
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (!guard)
        return;
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

} // namespace

WindowLoader::~WindowLoader()
{
    destroyAll();
}

void WindowLoader::define(const QString &id, Factory factory, CreationHandler onCreated)
{
    Kind &kind = m_kinds[id];
    kind.factory = std::move(factory);
    kind.onCreated = std::move(onCreated);
}

QWidget *WindowLoader::load(const QString &id, LoadMode mode)
{
    const auto it = m_kinds.find(id);
    if (it == m_kinds.end())
        return nullptr;
    Kind &kind = it->second;
    if (kind.window) {
        bringForward(kind.window);
        return kind.window;
    }
    QWidget *window = kind.factory();
    window->setAttribute(Qt::WA_DeleteOnClose);
    kind.window = window;
    new CloseWatch(window, kind.window);
    if (kind.onCreated)
        kind.onCreated(window);
    if (!kind.window)
        return nullptr;
    switch (mode) {
    case LoadMode::FirstWindow:
        break;
    case LoadMode::Modal:
        runModally(window);
        break;
    case LoadMode::NoParent:
        window->show();
        break;
    }
    return kind.window;
}

QWidget *WindowLoader::find(const QString &id) const
{
    const auto it = m_kinds.find(id);
    return it == m_kinds.end() ? nullptr : it->second.window.data();
}

void WindowLoader::destroyAll()
{
    for (auto &[id, kind] : m_kinds)
        delete kind.window.data();
}

WindowLoader &programWindows()
{
    static WindowLoader windows;
    return windows;
}

} // namespace ftq
