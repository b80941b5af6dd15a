#include "app/notice_box.h"

#include "app/widget_text.h"
#include "app/window_census.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <mutex>

namespace ftq {
namespace {

constexpr char defaultTitle[] = "\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1";

std::mutex answererLock;
NoticeAnswerer answerer;

QMessageBox::StandardButtons buttonsOf(int style)
{
    using B = QMessageBox;
    switch (style & 0x0F) {
    case 1:
        return B::Ok | B::Cancel;
    case 2:
        return B::Abort | B::Retry | B::Ignore;
    case 3:
        return B::Yes | B::No | B::Cancel;
    case 4:
        return B::Yes | B::No;
    case 5:
        return B::Retry | B::Cancel;
    default:
        return B::Ok;
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0xF0) {
    case 0x10:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case 0x30:
        return QMessageBox::Warning;
    case 0x40:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Line breaks arrive as "\r\n"; a label breaks on "\n" alone.
QString boxText(std::string_view gbkText)
{
    QString text = toUiText(gbkText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

int showOnGuiThread(const NoticeRequest &request)
{
    NoticeAnswerer answer;
    {
        std::scoped_lock lock(answererLock);
        answer = answerer;
    }
    if (answer)
        return answer(request);
    std::unique_ptr<QMessageBox> box = makeNoticeBox(request);
    const QPointer<QMessageBox> shown(box.get());
    box->exec();
    if (!shown) {
        // Its owner was destroyed meanwhile and took the box along: nothing was pressed.
        (void)box.release();
        return 0;
    }
    return buttonCode(box->standardButton(box->clickedButton()));
}

int noticeOnGuiThread(std::string_view message, std::optional<int> style,
                      std::optional<std::string_view> title, std::optional<QWidget *> owner)
{
    NoticeRequest request;
    request.owner = owner ? *owner : findProcessWindow(QCoreApplication::applicationPid());
    request.title = title ? std::string(*title) : std::string(defaultTitle);
    request.style = style.value_or(noticeStyle::information);
    request.message = std::string(message);
    return showOnGuiThread(request) - 1;
}

} // namespace

int NoticeBox(std::string_view message, std::optional<int> style,
              std::optional<std::string_view> title, std::optional<QWidget *> owner)
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return -1;
    if (QThread::currentThread() == app->thread())
        return noticeOnGuiThread(message, style, title, owner);
    int result = -1;
    QMetaObject::invokeMethod(
        app, [&] { result = noticeOnGuiThread(message, style, title, owner); },
        Qt::BlockingQueuedConnection);
    return result;
}

void setNoticeAnswerer(NoticeAnswerer newAnswerer)
{
    std::scoped_lock lock(answererLock);
    answerer = std::move(newAnswerer);
}

std::unique_ptr<QMessageBox> makeNoticeBox(const NoticeRequest &request)
{
    auto box = std::make_unique<QMessageBox>(iconOf(request.style), boxText(request.title),
                                             boxText(request.message), buttonsOf(request.style),
                                             request.owner);
    box->setTextFormat(Qt::PlainText);
    return box;
}

int buttonCode(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return 1;
    case QMessageBox::Cancel:
        return 2;
    case QMessageBox::Abort:
        return 3;
    case QMessageBox::Retry:
        return 4;
    case QMessageBox::Ignore:
        return 5;
    case QMessageBox::Yes:
        return 6;
    case QMessageBox::No:
        return 7;
    default:
        return 0;
    }
}

} // namespace ftq
