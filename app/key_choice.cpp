#include "app/key_choice.h"

#include "app/widget_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace ftq {
namespace {

constexpr char stateFileName[] = "\xD7\xB4\xCC\xAC.ini";               // 状态.ini
constexpr char keyFileName[] = "\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE.ini"; // 配置文件.ini

QString pathOf(const QString &directory, const char *gbkName)
{
    return QDir(directory).filePath(toUiText(gbkName));
}

// The whole file taken as text: up to its first zero byte; a missing file reads as nothing.
std::string readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), qstrnlen(bytes.constData(), bytes.size()));
}

void writeWhole(const QString &path, std::string_view bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // QSaveFile::commit() overlooks an error of its final flush, so flush here and look.
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

} // namespace

QString keyChoiceDirectory(const QString &programDirectory)
{
    const QFileInfo program(programDirectory);
    if (program.isDir() && program.isWritable())
        return programDirectory;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

KeyChoice readKeyChoice(const QString &directory)
{
    KeyChoice choice;
    choice.remember = readText(pathOf(directory, stateFileName)) == "1";
    if (choice.remember)
        choice.key = readText(pathOf(directory, keyFileName));
    return choice;
}

void writeKeyChoice(const QString &directory, const KeyChoice &choice)
{
    QDir().mkpath(directory);
    writeWhole(pathOf(directory, stateFileName), choice.remember ? "1" : "2");
    if (choice.remember)
        writeWhole(pathOf(directory, keyFileName), choice.key);
}

} // namespace ftq
