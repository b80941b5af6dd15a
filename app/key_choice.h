#pragma once

#include <QString>

#include <string>

// The remembered key: two small files, "状态.ini" ("1" remembered, anything else not) and
// "配置文件.ini" (the key in code page 936), read and written whole.
namespace ftq {

struct KeyChoice
{
    bool remember = false;
    std::string key; // read only when remembered
};

// Where the files live: the program's directory when it is writable, as a portable program
// expects; otherwise (an installed program) the user's configuration directory, so that the
// choice is never silently lost. Reading and writing both use this.
QString keyChoiceDirectory(const QString &programDirectory);

// The choice stored in `directory`: remembered only when "状态.ini" holds exactly "1".
KeyChoice readKeyChoice(const QString &directory);

// Writes "1" and the key, or only "2" (the old key stays on disk unused). Each file is replaced
// whole through a temporary file, so a failed write leaves the previous content. Failures are
// not reported.
void writeKeyChoice(const QString &directory, const KeyChoice &choice);

} // namespace ftq
