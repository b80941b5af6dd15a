#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

// Loads the program's windows by identity. A window that is already open is brought forward
// instead: it is neither created again nor does its creation handler run again.
namespace ftq {

enum class LoadMode {
    FirstWindow, // created hidden; something else shows it
    Modal,       // shown application-modal; load returns once the window is destroyed
    NoParent,    // shown on its own, without a parent
};

class WindowLoader
{
public:
    using Factory = std::function<QWidget *()>;
    using CreationHandler = std::function<void(QWidget *)>;

    WindowLoader() = default;
    ~WindowLoader();

    WindowLoader(const WindowLoader &) = delete;
    WindowLoader &operator=(const WindowLoader &) = delete;

    // How to make the window called `id` and what to run once it exists, still hidden.
    void define(const QString &id, Factory factory, CreationHandler onCreated);

    // The open window, brought forward, or a new one loaded in `mode`. Closing a loaded window
    // destroys it. Null for an undefined id, and after a modal load whose window is gone.
    QWidget *load(const QString &id, LoadMode mode);

    // The open window called `id`, or null.
    QWidget *find(const QString &id) const;

    // Destroys every window still open, so their destruction handlers run before the program
    // ends.
    void destroyAll();

private:
    struct Kind
    {
        Factory factory;
        CreationHandler onCreated;
        QPointer<QWidget> window;
    };

    std::map<QString, Kind> m_kinds;
};

// The program's windows.
WindowLoader &programWindows();

} // namespace ftq
