#include "app/build_constants.h"
#include "app/busy_picture.h"
#include "app/key_choice.h"
#include "app/main_window.h"
#include "app/notice_box.h"
#include "app/open_address.h"
#include "app/widget_text.h"
#include "skin/skin.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using ftq::MainWindow;

namespace {

// The window's texts as the program holds them, in code page 936.
const std::string notes =
    "\xD6\xD8\xD2\xAA\xCB\xB5\xC3\xF7\xA3\xBA \r\n\r\n  \xB5\xDA\xD2\xBB\xB2\xE9\xD1\xAF \xC7\xEB"
    "\xBD\xF8\xD0\xD0key\xB0\xF3\xB6\xA8\xA3\xA8\xD2\xAA\xB2\xE9\xD1\xAF\xB5\xC4\xD0\xF2\xC1\xD0"
    "\xBA\xC5\xB0\xF3\xB6\xA8key\xA3\xA9\r\n\r\n  \xC8\xE7\xB9\xFB\xB2\xE9\xD1\xAF\xBD\xE1\xB9\xFB"
    "\xD6\xBB\xCF\xD4\xCA\xBE\xC4\xE3\xB0\xF3\xB6\xA8\xB5\xC4IMEI\xBB\xF2\xD5\xDF\xD0\xF2\xC1\xD0"
    "\xBA\xC5\xC7\xEB\xC1\xAA\xCF\xB5\xBF\xCD\xB7\xFE\xA3\xA1 \r\n\r\n\xA3\xA8\xD2\xF2\xCE\xAA\xD3"
    "\xD0\xBF\xC9\xC4\xDC\xC4\xE3\xB5\xC4\xD0\xF2\xC1\xD0\xBA\xC5\xB4\xED\xB5\xC4\xA3\xAC\xBB\xF2"
    "\xD5\xDF\xCA\xDB\xBA\xF3\xD3\xD0\xCE\xAC\xD0\xDE\xBC\xC7\xC2\xBC\xD2\xD1\xD7\xA2\xCF\xFA\xA3"
    "\xA9\r\n\r\n  \xC8\xE7\xB9\xFB"
    "facetime\xBA\xC5\xC2\xEB\xCE\xAA\xBF\xD5\xCB\xB5\xC3\xF7\xC3"
    "\xBB\xD3\xD0\xBC\xA4\xBB\xEE\xBC\xC7\xC2\xBC\xA1\xA3 \r\n\r\n  \xC4\xCD\xD0\xC4\xB5\xC8\xB4"
    "\xFD\xB6\xD4\xB7\xBD\xBC\xA4\xBB\xEE\xA1\xA3\xBA\xCF\xC0\xED\xB0\xB2\xC5\xC5\xBA\xC3\xB2\xE9"
    "\xD1\xAF\xCA\xB1\xBC\xE4\xA3\xA1\r\n\r\n";
const std::string caption = "Kiv  FaceTime \xB2\xE9\xD1\xAF\xC6\xF7 v1.0.0 QQ\xA3\xBA";
const std::string statusLine = std::string("iphone\xBD\xBB\xC1\xF7\xC8\xBA:") + ftq::userGroup +
                               "  iphone\xB1\xBB\xCD\xB5\xCC\xD6\xC2\xDB\xC8\xBA\xA3\xBA" +
                               ftq::theftGroup + " \xBF\xCD\xB7\xFEQQ\xA3\xBA" +
                               ftq::supportContact;

// Labels break lines on "\n"; the program's texts carry "\r\n".
QString shown(const std::string &gbk)
{
    return ftq::toUiText(gbk).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString textOf(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *bar = qobject_cast<QStatusBar *>(control))
        return bar->findChild<QLabel *>()->text();
    return {};
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_keys;
    std::vector<std::string> m_opened;
    std::vector<ftq::NoticeRequest> m_notices;

    std::unique_ptr<MainWindow> makeWindow()
    {
        return std::make_unique<MainWindow>(m_keys->path());
    }

    QString keyFile(const QString &name) const { return m_keys->filePath(name); }

private Q_SLOTS:
    void init()
    {
        m_keys = std::make_unique<QTemporaryDir>();
        m_opened.clear();
        m_notices.clear();
        ftq::setAddressOpener([this](const std::string &address) { m_opened.push_back(address); });
        ftq::setNoticeAnswerer([this](const ftq::NoticeRequest &request) {
            m_notices.push_back(request);
            return 1;
        });
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("visible");

        auto row = [](const char *name, const char *kind, QRect rect, const std::string &text,
                      bool visible) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(kind) << rect
                                << shown(text) << visible;
        };
        row("标签1", "QLabel", {21, 48, 104, 24},
            "\xC7\xEB\xCA\xE4\xC8\xEB\xB2\xE9\xD1\xAF\xB5\xC4key\xA3\xBA", true);
        row("编辑框1", "QLineEdit", {136, 48, 152, 20}, "", true);
        row("按钮1", "QPushButton", {296, 27, 56, 32}, "\xB2\xE9\xD1\xAF", true);
        row("按钮4", "QPushButton", {352, 27, 56, 32}, "\xB0\xEF\xD6\xFA", true);
        row("按钮3", "QPushButton", {296, 59, 56, 32}, "\xBB\xF1\xC8\xA1Key", true);
        row("按钮2", "QPushButton", {352, 59, 56, 32}, "key\xB0\xF3\xB6\xA8", true);
        row("选择框1", "QCheckBox", {224, 72, 64, 24}, "\xBC\xC7\xD7\xA1Key", true);
        row("透明标签2", "QLabel", {72, 136, 360, 176}, notes, true);
        row("透明标签1", "QLabel", {64, 136, 320, 200}, "", true);
        row("图片框1", "ftq::BusyPicture", {144, 184, 136, 8}, "", false);
        row("透明标签3", "QLabel", {144, 200, 144, 16},
            "\xB2\xE9\xD1\xAF\xD6\xD0.....\xC7\xEB\xC9\xD4\xBA\xF3\xA3\xA1\xA3\xA1\xA3\xA1", false);
        // Along the bottom edge of whatever client area the frame leaves (447 x 392 with the
        // designer's frame).
        row("状态条1", "QStatusBar", {}, statusLine, true);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(bool, visible);
        const auto window = makeWindow();
        window->show();

        auto *control = window->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
        if (geometry.isNull())
            geometry = QRect(0, window->height() - 20, window->width(), 20);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(textOf(control), text);
        QCOMPARE(control->isVisible(), visible);
        if (name.startsWith(QStringLiteral("透明标签")))
            QVERIFY(!control->autoFillBackground());
    }

    void window_captionPlaceAndSize()
    {
        const auto window = makeWindow();
        QVERIFY(!window->isVisible());
        QCOMPARE(window->windowTitle(), ftq::toUiText(caption + ftq::supportContact));
        window->show();
        QCOMPARE(window->frameGeometry(), QRect(50, 50, 453, 420));
        QCOMPARE(window->form().编辑框1->echoMode(), QLineEdit::Normal);
        QVERIFY(window->form().透明标签2->wordWrap());
    }

    void enterInKeyField_pressesQueryButton()
    {
        const auto window = makeWindow();
        window->show();
        QSignalSpy clicked(window->form().按钮1, &QPushButton::clicked);
        QTest::keyClick(window->form().编辑框1, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
    }

    void help_showsTheHelpNoticeWithDefaults()
    {
        const auto window = makeWindow();
        window->show();
        window->form().按钮4->click();
        QCOMPARE(m_notices.size(), std::size_t(1));
        const ftq::NoticeRequest &notice = m_notices[0];
        QCOMPARE(notice.message.size(), std::size_t(443));
        QVERIFY(notice.message.starts_with("\xCE\xCA\xA3\xBA"));
        QVERIFY(notice.message.ends_with("\xA1\xA3\r\n"));
        QCOMPARE(notice.style, 0x40);
        QCOMPARE(notice.title, std::string("\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1"));
        QCOMPARE(notice.owner, window.get());
    }

    void shop_opensKeyShop()
    {
        const auto window = makeWindow();
        window->form().按钮3->click();
        QCOMPARE(m_opened, std::vector<std::string>{ftq::keyShopAddress});
    }

    void creation_appliesSkinRestoresKeyAndReveals()
    {
        ftq::writeKeyChoice(m_keys->path(), {true, " remembered "});
        const auto window = makeWindow();
        window->onMainWindowCreated();
        QCOMPARE(qApp->styleSheet(), ftq::skinStyleSheet(14));
        QVERIFY(!qApp->styleSheet().isEmpty());
        QVERIFY(window->form().选择框1->isChecked());
        QCOMPARE(window->form().编辑框1->text(), QStringLiteral(" remembered "));
        QVERIFY(window->isVisible());
        ftq::applySkin(0);
    }

    void tickWithEmptyKey_remembersEmptyKey()
    {
        auto window = makeWindow();
        window->show();
        QTest::mouseClick(window->form().选择框1, Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(window->form().选择框1->isChecked());
        QCOMPARE(fileContent(keyFile(QStringLiteral("状态.ini"))), QByteArray("1"));
        QCOMPARE(fileContent(keyFile(QStringLiteral("配置文件.ini"))), QByteArray());

        window = makeWindow();
        window->restoreKeyChoice();
        QVERIFY(window->form().选择框1->isChecked());
        QVERIFY(window->form().编辑框1->text().isEmpty());
    }

    // The key standing in the field when the window closes is the one the next start shows.
    void tickThenEditThenClose_restoresKeyAtClosing()
    {
        auto window = makeWindow();
        window->form().编辑框1->setText(QStringLiteral("first"));
        window->form().选择框1->click();
        QCOMPARE(fileContent(keyFile(QStringLiteral("配置文件.ini"))), QByteArray("first"));
        window->form().编辑框1->setText(QStringLiteral(" 键 second "));
        window.reset();
        QCOMPARE(fileContent(keyFile(QStringLiteral("配置文件.ini"))),
                 QByteArray(" \xBC\xFC second "));
        QCOMPARE(m_opened, std::vector<std::string>{ftq::homePageAddress});

        window = makeWindow();
        window->restoreKeyChoice();
        QCOMPARE(window->form().编辑框1->text(), QStringLiteral(" 键 second "));
    }

    void clearThenClose_keepsOldKeyButForgetsIt()
    {
        auto window = makeWindow();
        window->form().编辑框1->setText(QStringLiteral("old"));
        window->form().选择框1->click();
        window->form().选择框1->click();
        QVERIFY(!window->form().选择框1->isChecked());
        window.reset();
        QCOMPARE(fileContent(keyFile(QStringLiteral("状态.ini"))), QByteArray("2"));
        QCOMPARE(fileContent(keyFile(QStringLiteral("配置文件.ini"))), QByteArray("old"));

        window = makeWindow();
        window->restoreKeyChoice();
        QVERIFY(!window->form().选择框1->isChecked());
        QVERIFY(window->form().编辑框1->text().isEmpty());
    }

    void busyPicture_loopsFourFramesWhileShown()
    {
        ftq::BusyPicture picture;
        QCOMPARE(picture.frame(0).size(), QSize(136, 10));
        QVERIFY(picture.frame(0) != picture.frame(1));
        picture.resize(136, 8);
        picture.show();
        QTRY_COMPARE(picture.currentFrame(), 3);
        QTRY_COMPARE(picture.currentFrame(), 0);
        picture.hide();
        const int stopped = picture.currentFrame();
        QTest::qWait(400);
        QCOMPARE(picture.currentFrame(), stopped);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
