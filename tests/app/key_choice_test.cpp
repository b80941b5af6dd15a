#include "app/key_choice.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using ftq::KeyChoice;

namespace {

const QString stateFile = QStringLiteral("状态.ini");
const QString keyFile = QStringLiteral("配置文件.ini");

void put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(dir).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contentOf(const QString &dir, const QString &name)
{
    QFile file(QDir(dir).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Limits the size of files this process may write, like a disk that fills up.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

class KeyChoiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QByteArray>("key"); // "<none>": no key file
        QTest::addColumn<bool>("remembered");
        QTest::addColumn<QByteArray>("restoredKey");

        QTest::newRow("remembered")
            << QByteArray("1") << QByteArray("ABC-123") << true << QByteArray("ABC-123");
        QTest::newRow("blanks kept")
            << QByteArray("1") << QByteArray("  k e y \t ") << true << QByteArray("  k e y \t ");
        QTest::newRow("936 key") << QByteArray("1") << QByteArray("\xBC\xFC\xC3\xDC") << true
                                 << QByteArray("\xBC\xFC\xC3\xDC");
        QTest::newRow("key cut at zero byte")
            << QByteArray("1") << QByteArray("AB\0CD", 5) << true << QByteArray("AB");
        QTest::newRow("state 1 with line break")
            << QByteArray("1\n") << QByteArray("ABC") << false << QByteArray();
        QTest::newRow("state 2") << QByteArray("2") << QByteArray("ABC") << false << QByteArray();
        QTest::newRow("state empty") << QByteArray() << QByteArray("ABC") << false << QByteArray();
        QTest::newRow("state 1 then zero byte")
            << QByteArray("1\0x", 3) << QByteArray("ABC") << true << QByteArray("ABC");
        QTest::newRow("key file missing")
            << QByteArray("1") << QByteArray("<none>") << true << QByteArray();
        QTest::newRow("no files") << QByteArray("<none>") << QByteArray("<none>") << false
                                  << QByteArray();
    }

    void read()
    {
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, key);
        QFETCH(bool, remembered);
        QFETCH(QByteArray, restoredKey);
        const QTemporaryDir dir;
        if (state != "<none>")
            put(dir.path(), stateFile, state);
        if (key != "<none>")
            put(dir.path(), keyFile, key);

        const KeyChoice choice = ftq::readKeyChoice(dir.path());
        QCOMPARE(choice.remember, remembered);
        QCOMPARE(QByteArray::fromStdString(choice.key), restoredKey);
    }

    void write_remembered_writesBothFilesExactly()
    {
        const QTemporaryDir dir;
        ftq::writeKeyChoice(dir.path(), {true, " key\xB0\xA1 "});
        QCOMPARE(contentOf(dir.path(), stateFile), QByteArray("1"));
        QCOMPARE(contentOf(dir.path(), keyFile), QByteArray(" key\xB0\xA1 "));

        ftq::writeKeyChoice(dir.path(), {true, ""});
        QCOMPARE(contentOf(dir.path(), keyFile), QByteArray());
        QCOMPARE(ftq::readKeyChoice(dir.path()).remember, true);
    }

    void write_forgotten_keepsOldKeyOnDisk()
    {
        const QTemporaryDir dir;
        ftq::writeKeyChoice(dir.path(), {true, "OLD"});
        ftq::writeKeyChoice(dir.path(), {false, "NEW"});
        QCOMPARE(contentOf(dir.path(), stateFile), QByteArray("2"));
        QCOMPARE(contentOf(dir.path(), keyFile), QByteArray("OLD"));
        const KeyChoice choice = ftq::readKeyChoice(dir.path());
        QVERIFY(!choice.remember);
        QVERIFY(choice.key.empty());
    }

    // A write that fails half-way (here: the disk "fills up" after 4 bytes) leaves the good
    // key that stood there, never a truncated one.
    void write_failing_keepsPreviousKeyWhole()
    {
        const QTemporaryDir dir;
        ftq::writeKeyChoice(dir.path(), {true, "GOOD"});
        {
            const FileSizeLimit limit(4);
            ftq::writeKeyChoice(dir.path(), {true, "A-MUCH-LONGER-KEY"});
        }
        QCOMPARE(contentOf(dir.path(), keyFile), QByteArray("GOOD"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void directory_writableProgramDirectory_isUsed()
    {
        const QTemporaryDir dir;
        QCOMPARE(ftq::keyChoiceDirectory(dir.path()), dir.path());
    }

    // An installed program's directory cannot be written; the choice then lives in the
    // user's configuration directory, and reading finds it there again.
    void directory_unwritableProgramDirectory_usesConfigDirectory()
    {
        const QTemporaryDir dir;
        put(dir.path(), QStringLiteral("plain-file"), "x");
        const QString unwritable = QDir(dir.path()).filePath(QStringLiteral("plain-file/bin"));

        const QString chosen = ftq::keyChoiceDirectory(unwritable);
        QCOMPARE(chosen, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
        ftq::writeKeyChoice(chosen, {true, "KEY"});
        const KeyChoice choice = ftq::readKeyChoice(ftq::keyChoiceDirectory(unwritable));
        QVERIFY(choice.remember);
        QCOMPARE(choice.key, std::string("KEY"));
        QDir(chosen).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(KeyChoiceTest)
#include "key_choice_test.moc"
