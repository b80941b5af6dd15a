#pragma once

#include <QHash>
#include <QPalette>
#include <QString>
#include <QStringView>

// A skin file holds its palette as "@name: value;" lines and may add rules of its own after
// them; the shared base sheet refers to the palette by "@name". Composing them at load time
// keeps each skin to its colours while every skin styles the same widgets.
namespace ftq {

struct SkinSource
{
    QHash<QString, QString> variables; // name without "@" -> value without ";"
    QString rules;                     // everything else in the file, kept as written
};

SkinSource readSkinSource(QStringView text);

// Replaces each "@name" in the base sheet and the skin's own rules by its value; an unknown
// name is left as it stands, so Qt's parser reports it.
QString composeStyleSheet(QStringView baseSheet, const SkinSource &skin);

// The palette roles that unstyled widgets and top-level windows draw with.
QPalette paletteOf(const SkinSource &skin);

} // namespace ftq
