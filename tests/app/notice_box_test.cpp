#include "app/app_state.h"
#include "app/notice_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <optional>
#include <thread>

using ftq::NoticeBox;
using ftq::NoticeRequest;

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

const std::string defaultTitle = "\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1"; // 友情提醒

// Answers every box with `code` and keeps what was asked.
struct Answerer
{
    explicit Answerer(int code = 1)
    {
        ftq::setNoticeAnswerer([this, code](const NoticeRequest &request) {
            asked.push_back(request);
            onGuiThread = QThread::currentThread() == qApp->thread();
            return code;
        });
    }
    ~Answerer() { ftq::setNoticeAnswerer({}); }

    std::vector<NoticeRequest> asked;
    bool onGuiThread = false;
};

// Presses `button` on the next modal box once it shows.
void pressOnNextBox(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, qApp, [button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(button)->click();
    });
}

} // namespace

class NoticeBoxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void result_data()
    {
        QTest::addColumn<std::optional<int>>("style");
        QTest::addColumn<int>("pressedCode");
        QTest::addColumn<int>("shownStyle");
        QTest::addColumn<int>("result");

        QTest::newRow("default OK") << std::optional<int>() << 1 << 0x40 << 0;
        QTest::newRow("Yes") << std::optional<int>(4) << 6 << 4 << 5;
        QTest::newRow("No") << std::optional<int>(4) << 7 << 4 << 6;
        QTest::newRow("Cancel") << std::optional<int>(1) << 2 << 1 << 1;
        QTest::newRow("Abort") << std::optional<int>(2) << 3 << 2 << 2;
        QTest::newRow("Retry") << std::optional<int>(5) << 4 << 5 << 3;
        QTest::newRow("Ignore") << std::optional<int>(2) << 5 << 2 << 4;
        QTest::newRow("style 0 given") << std::optional<int>(0) << 1 << 0 << 0;
        QTest::newRow("box not shown") << std::optional<int>() << 0 << 0x40 << -1;
    }

    void result()
    {
        QFETCH(std::optional<int>, style);
        QFETCH(int, pressedCode);
        QFETCH(int, shownStyle);
        QFETCH(int, result);
        Answerer answerer(pressedCode);

        QCOMPARE(NoticeBox("line one\r\nline two", style), result);
        QCOMPARE(answerer.asked.size(), std::size_t(1));
        QCOMPARE(answerer.asked[0].style, shownStyle);
        QCOMPARE(answerer.asked[0].title, defaultTitle);
        QCOMPARE(answerer.asked[0].message, std::string("line one\r\nline two"));
    }

    void title_given_isShownUnchanged()
    {
        Answerer answerer;
        NoticeBox("m", std::nullopt, std::string_view("\xB2\xE9\xD1\xAF"));
        QCOMPARE(answerer.asked.at(0).title, std::string("\xB2\xE9\xD1\xAF"));
    }

    // The owner is the front-most visible window of the program; a hidden window never owns a
    // box, and the census is empty again after each call.
    void owner_isFrontMostVisibleWindow()
    {
        Answerer answerer;
        QWidget hiddenMain;
        QCOMPARE(NoticeBox("none visible"), 0);
        QCOMPARE(answerer.asked.back().owner, nullptr);

        QWidget update;
        update.show();
        NoticeBox("from the check");
        QCOMPARE(answerer.asked.back().owner, &update);

        QWidget bind;
        hiddenMain.show();
        bind.show();
        NoticeBox("bind in front");
        QCOMPARE(answerer.asked.back().owner, &bind);

        hiddenMain.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &hiddenMain);
        NoticeBox("main activated");
        QCOMPARE(answerer.asked.back().owner, &hiddenMain);

        hiddenMain.hide();
        NoticeBox("main hidden again");
        QVERIFY(answerer.asked.back().owner != &hiddenMain);
        QCOMPARE(ftq::censusSize(), std::size_t(0));
    }

    void owner_givenAsNull_meansNoOwner()
    {
        Answerer answerer;
        QWidget window;
        window.show();
        NoticeBox("m", std::nullopt, std::nullopt, static_cast<QWidget *>(nullptr));
        QCOMPARE(answerer.asked.at(0).owner, nullptr);
    }

    // A worker's box is shown on the GUI thread; the worker waits for the answer.
    void fromWorkerThread_shownOnGuiThread()
    {
        Answerer answerer(6);
        QWidget window;
        window.show();
        std::optional<int> result;
        std::thread worker([&] { result = NoticeBox("from worker", 4); });
        QTRY_VERIFY(result.has_value());
        worker.join();
        QCOMPARE(*result, 5);
        QVERIFY(answerer.onGuiThread);
        QCOMPARE(answerer.asked.at(0).owner, &window);
    }

    void realBox_defaultIsInformationWithOk()
    {
        QWidget owner;
        const auto box = ftq::makeNoticeBox({"a\r\nb", 0x40, defaultTitle, &owner});
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->windowTitle(), QStringLiteral("友情提醒"));
        QCOMPARE(box->text(), QStringLiteral("a\nb"));
        QCOMPARE(box->parentWidget(), &owner);
    }

    void realBox_yesNoHasNoIcon()
    {
        const auto box = ftq::makeNoticeBox({"q", 4, defaultTitle, nullptr});
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    }

    void realBox_pressedButtonGivesResult()
    {
        pressOnNextBox(QMessageBox::No);
        QCOMPARE(NoticeBox("shown for real", 4), 6);
        pressOnNextBox(QMessageBox::Ok);
        QCOMPARE(NoticeBox("shown for real"), 0);
    }

    // The owner may go while its box is up; the box goes with it and nothing was answered.
    void realBox_ownerDestroyedWhileShown_givesNoAnswer()
    {
        auto *owner = new QWidget;
        owner->show();
        QTimer::singleShot(0, qApp, [owner] { delete owner; });
        QCOMPARE(NoticeBox("owner goes", std::nullopt, std::nullopt, owner), -1);
    }

    void realBox_escapeOnOkBoxGivesOk()
    {
        QTimer::singleShot(
            0, qApp, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QCOMPARE(NoticeBox("closed"), 0);
    }
};

QTEST_MAIN(NoticeBoxTest)
#include "notice_box_test.moc"
