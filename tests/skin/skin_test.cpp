#include "skin/skin.h"
#include "skin/skin_sheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

using namespace ftq;

namespace {

QStringList g_warnings;

// Everything Qt complains about while styling, less what the headless platform says anyway.
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg ||
        message.startsWith(QLatin1StringView("This plugin does not support")))
        return;
    g_warnings << message;
}

// A window with every kind of widget the skins style, the way the program's forms use them.
std::unique_ptr<QMainWindow> makeWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto *central = new QWidget(window.get());
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLineEdit(QStringLiteral("key"), central));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), central));
    auto *disabled = new QPushButton(QStringLiteral("off"), central);
    disabled->setEnabled(false);
    layout->addWidget(disabled);
    auto *box = new QCheckBox(QStringLiteral("remember"), central);
    box->setChecked(true);
    layout->addWidget(box);
    layout->addWidget(new QPlainTextEdit(QStringLiteral("log"), central));
    layout->addWidget(new QProgressBar(central));
    window->setCentralWidget(central);
    window->statusBar()->showMessage(QStringLiteral("status"));
    return window;
}

double luminance(const QColor &colour)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every colour named in a value: a plain colour, or each stop of a gradient.
QList<QColor> coloursIn(const QString &value)
{
    static const QRegularExpression hex(QStringLiteral("#[0-9a-fA-F]{6}"));
    QList<QColor> colours;
    auto matches = hex.globalMatch(value);
    while (matches.hasNext())
        colours << QColor::fromString(matches.next().captured());
    return colours;
}

QString resourceText(std::string_view path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void addEverySkin()
{
    QTest::addColumn<int>("number");
    for (const auto &skin : skinTable())
        QTest::addRow("%02d %s", skin.number, skin.name.data()) << skin.number;
}

} // namespace

class SkinTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void skinTable_numbersOneToThirtyThreeWithDistinctLooks();
    void everySkin_parsesAndPaintsWithoutWarnings_data() { addEverySkin(); }
    void everySkin_parsesAndPaintsWithoutWarnings();
    void everySkin_textIsReadable_data() { addEverySkin(); }
    void everySkin_textIsReadable();
    void applySkin_numbers_data();
    void applySkin_numbers();
    void applySkin_paintsWindowsCreatedBeforeAndAfter();
    void applySkin_withoutSkin_restoresThePlainLook();
    void applySkin_keepsColoursAWidgetSetsItself();

private:
    QtMessageHandler m_previousHandler = nullptr;
};

void SkinTest::init()
{
    applySkin(0);
    g_warnings.clear();
    m_previousHandler = qInstallMessageHandler(collectWarnings);
}

void SkinTest::cleanup()
{
    qInstallMessageHandler(m_previousHandler);
    applySkin(0);
}

void SkinTest::skinTable_numbersOneToThirtyThreeWithDistinctLooks()
{
    const auto table = skinTable();
    QCOMPARE(table.size(), std::size_t(skinCount));
    QSet<QString> names;
    QSet<QString> looks;
    for (std::size_t i = 0; i < table.size(); ++i) {
        QCOMPARE(table[i].number, int(i) + 1);
        QVERIFY(!table[i].name.empty());
        names << QString::fromLatin1(table[i].name);
        const auto skin = readSkinSource(resourceText(table[i].resource));
        looks << skin.variables.value(QStringLiteral("window")) + u' ' +
                     skin.variables.value(QStringLiteral("accent"));
    }
    QCOMPARE(names.size(), skinCount);
    QCOMPARE(looks.size(), skinCount);
}

void SkinTest::everySkin_parsesAndPaintsWithoutWarnings()
{
    QFETCH(int, number);
    const QString sheet = skinStyleSheet(number);
    QVERIFY(!sheet.isEmpty());
    QVERIFY2(!sheet.contains(u'@'), "a palette name the skin does not define");
    static const QRegularExpression url(QStringLiteral(R"(url\((.*?)\))"));
    auto urls = url.globalMatch(sheet);
    while (urls.hasNext()) {
        const QString path = urls.next().captured(1);
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    applySkin(number);
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!window->grab().isNull());
    QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("m"),
                    QMessageBox::Ok);
    QVERIFY(!box.grab().isNull());

    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(u'\n')));
}

void SkinTest::everySkin_textIsReadable()
{
    QFETCH(int, number);
    const auto skin = readSkinSource(resourceText(skinTable()[std::size_t(number) - 1].resource));
    const auto value = [&](const char *name) {
        return skin.variables.value(QLatin1StringView(name));
    };
    const struct
    {
        const char *text;
        const char *background;
    } pairs[] = {{"text", "window"},
                 {"text", "base"},
                 {"text", "status"},
                 {"button-text", "button"},
                 {"button-text", "button-hover"},
                 {"button-text", "button-pressed"},
                 {"accent-text", "accent"}};
    for (const auto &pair : pairs) {
        const auto text = coloursIn(value(pair.text));
        const auto backgrounds = coloursIn(value(pair.background));
        QCOMPARE(text.size(), 1);
        QVERIFY2(!backgrounds.isEmpty(), pair.background);
        for (const QColor &background : backgrounds) {
            const double ratio = contrast(text.front(), background);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2 (%3): %4:1")
                                    .arg(QLatin1StringView(pair.text),
                                         QLatin1StringView(pair.background), background.name())
                                    .arg(ratio, 0, 'f', 2)));
        }
    }
}

void SkinTest::applySkin_numbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("skinned");

    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("14 (the program's)") << 14 << true;
    QTest::newRow("33") << 33 << true;
    QTest::newRow("34") << 34 << false;
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("INT_MIN") << INT_MIN << false;
    QTest::newRow("INT_MAX") << INT_MAX << false;
}

void SkinTest::applySkin_numbers()
{
    QFETCH(int, number);
    QFETCH(bool, skinned);

    applySkin(14);
    applySkin(number);

    QCOMPARE(qApp->styleSheet().isEmpty(), !skinned);
    QCOMPARE(qApp->styleSheet(), skinStyleSheet(number));
    QCOMPARE(skinStyleSheet(number).isEmpty(), !skinned);
}

void SkinTest::applySkin_paintsWindowsCreatedBeforeAndAfter()
{
    const QPalette classic = skinPalette(14);
    const auto before = makeWindow();
    before->show();

    applySkin(14);
    const auto after = makeWindow();
    after->show();

    for (QMainWindow *window : {before.get(), after.get()}) {
        auto *edit = window->findChild<QLineEdit *>();
        edit->ensurePolished();
        QCOMPARE(window->palette().color(QPalette::Window), classic.color(QPalette::Window));
        QCOMPARE(edit->palette().color(QPalette::Base), classic.color(QPalette::Base));
        QCOMPARE(window->statusBar()->palette().color(QPalette::WindowText),
                 classic.color(QPalette::WindowText));
    }
}

void SkinTest::applySkin_withoutSkin_restoresThePlainLook()
{
    const auto window = makeWindow();
    window->show();
    auto *edit = window->findChild<QLineEdit *>();
    const QImage plain = window->grab().toImage();
    const QColor plainWindow = window->palette().color(QPalette::Window);

    applySkin(4);
    QVERIFY(window->grab().toImage() != plain);
    QCOMPARE(window->palette().color(QPalette::Window), skinPalette(4).color(QPalette::Window));

    applySkin(0);
    edit->ensurePolished();
    QCOMPARE(window->palette().color(QPalette::Window), plainWindow);
    QCOMPARE(window->grab().toImage(), plain);
}

// The update window's log is green on black whatever the skin, and transparent labels show
// whatever lies beneath them.
void SkinTest::applySkin_keepsColoursAWidgetSetsItself()
{
    QWidget window;
    QPalette magenta = window.palette();
    magenta.setColor(QPalette::Window, Qt::magenta);
    window.setPalette(magenta);
    window.resize(300, 200);
    auto *log = new QPlainTextEdit(&window);
    QPalette green = log->palette();
    green.setColor(QPalette::Base, Qt::black);
    green.setColor(QPalette::Text, QColor(0, 255, 0));
    log->setPalette(green);
    auto *label = new QLabel(QStringLiteral("report"), &window);
    label->setGeometry(0, 150, 300, 40);
    window.show();

    for (int number = 1; number <= skinCount; ++number) {
        applySkin(number);
        QCOMPARE(log->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(log->palette().color(QPalette::Text), QColor(0, 255, 0));
        const QImage shown = window.grab().toImage();
        QCOMPARE(shown.pixelColor(label->geometry().topRight() - QPoint(2, -2)),
                 QColor(Qt::magenta));
    }
}

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
