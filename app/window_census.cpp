#include "app/window_census.h"

#include "app/widget_text.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <mutex>

namespace ftq {
namespace {

constexpr std::size_t titleLimit = 255;
constexpr std::size_t classLimit = 49;

// Menus and tool tips are windows to Qt but never own a box.
bool isOwnerKind(const QWidget *w)
{
    return w->isWindow() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
}

// Qt does not tell the stacking order, so it is kept here: a window moves to the front when it
// is shown or activated and leaves the list when it is hidden.
class StackingOrder : public QObject
{
public:
    using QObject::QObject;

    std::vector<QWidget *> frontToBack()
    {
        std::scoped_lock lock(m_lock);
        std::vector<QWidget *> order;
        for (const QPointer<QWidget> &w : m_windows)
            if (w)
                order.push_back(w);
        // Windows shown before the watch began follow, in Qt's own order.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (isOwnerKind(w) && std::find(order.begin(), order.end(), w) == order.end())
                order.push_back(w);
        return order;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::WindowActivate || type == QEvent::Hide) &&
            watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (isOwnerKind(w)) {
                std::scoped_lock lock(m_lock);
                std::erase_if(m_windows,
                              [w](const QPointer<QWidget> &p) { return p.isNull() || p == w; });
                if (type != QEvent::Hide)
                    m_windows.insert(m_windows.begin(), QPointer<QWidget>(w));
            }
        }
        return false;
    }

private:
    std::mutex m_lock;
    std::vector<QPointer<QWidget>> m_windows;
};

StackingOrder *stackingOrder = nullptr;

void watchStackingOrder()
{
    stackingOrder = new StackingOrder(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(stackingOrder);
    QObject::connect(stackingOrder, &QObject::destroyed, [] { stackingOrder = nullptr; });
}

std::mutex censusLock;

std::string cut(std::string text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    // Never keep half of a two-byte character.
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t step = static_cast<unsigned char>(text[end]) >= 0x80 ? 2 : 1;
        if (end + step > limit)
            break;
        end += step;
    }
    text.resize(end);
    return text;
}

int takeCensusOnGuiThread(std::vector<WindowEntry> &list)
{
    std::scoped_lock lock(censusLock);
    if (stackingOrder)
        for (QWidget *w : stackingOrder->frontToBack())
            recordWindow(w);
    list = takeCensusEntries();
    return static_cast<int>(list.size());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchStackingOrder)

int takeWindowCensus(std::vector<WindowEntry> &list)
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return takeCensusOnGuiThread(list);
    if (QThread::currentThread() == app->thread())
        return takeCensusOnGuiThread(list);
    int count = 0;
    QMetaObject::invokeMethod(
        app, [&] { count = takeCensusOnGuiThread(list); }, Qt::BlockingQueuedConnection);
    return count;
}

void recordWindow(QWidget *window)
{
    if (!window->isVisible())
        return;
    appendToCensus({window, processIdOf(window), threadIdOf(window), windowTitleOf(window),
                    windowClassOf(window)});
}

QWidget *findProcessWindow(qint64 processId)
{
    std::vector<WindowEntry> census;
    takeWindowCensus(census);
    for (const WindowEntry &entry : census)
        if (entry.processId == processId)
            return entry.window;
    return nullptr;
}

qint64 processIdOf(QWidget *)
{
    // Every window Qt lists belongs to this process.
    return QCoreApplication::applicationPid();
}

Qt::HANDLE threadIdOf(QWidget *)
{
    // Windows live on the GUI thread, and the census is taken there.
    return QThread::currentThreadId();
}

std::string windowTitleOf(QWidget *window)
{
    return cut(fromUiText(window->windowTitle()), titleLimit);
}

std::string windowClassOf(QWidget *window)
{
    return cut(window->metaObject()->className(), classLimit);
}

} // namespace ftq
