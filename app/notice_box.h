#pragma once

#include <QMessageBox>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

// The program's one way of telling the user something.
namespace ftq {

namespace noticeStyle {
inline constexpr int information = 0x40; // information icon, one OK button
inline constexpr int yesNo = 4;          // Yes and No, no icon
} // namespace noticeStyle

// What one box shows; texts in code page 936.
struct NoticeRequest
{
    std::string message;
    int style = noticeStyle::information;
    std::string title;
    QWidget *owner = nullptr;
};

// Shows a modal box and returns the pressed button's code minus 1 (OK 0, Cancel 1, Abort 2,
// Retry 3, Ignore 4, Yes 5, No 6; -1 when no box was shown). Left out: style 0x40, the title
// "友情提醒", and as owner the front-most visible window of this process; an owner given as
// null means no owner. Any thread may call it: a worker's box is shown on the GUI thread while
// the worker waits for the answer.
int NoticeBox(std::string_view message, std::optional<int> style = std::nullopt,
              std::optional<std::string_view> title = std::nullopt,
              std::optional<QWidget *> owner = std::nullopt);

// Answers boxes in place of the user: gets each box as it would be shown, on the GUI thread,
// and returns the button code (OK 1 ... No 7, 0 for no box). Empty: boxes are shown again.
using NoticeAnswerer = std::function<int(const NoticeRequest &)>;
void setNoticeAnswerer(NoticeAnswerer answerer);

// The box a request shows, and the code of a pressed button.
std::unique_ptr<QMessageBox> makeNoticeBox(const NoticeRequest &request);
int buttonCode(QMessageBox::StandardButton button);

} // namespace ftq
