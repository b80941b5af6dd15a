#pragma once

#include <QPalette>
#include <QString>

#include <span>
#include <string_view>

// The program's skins: 33 looks compiled into the program as resources, one of which paints
// every window. Nothing is written beside the program for them.
namespace ftq {

inline constexpr int skinCount = 33;

struct SkinEntry
{
    int number;
    std::string_view name;
    std::string_view resource;
};

// Numbers 1 to 33, in order.
std::span<const SkinEntry> skinTable();

// The composed style sheet of a skin; empty for any number outside 1 to 33.
QString skinStyleSheet(int number);

// The application palette of a skin, so windows, labels and message boxes take its colours
// without the sheet painting every widget. Default-constructed for numbers outside 1 to 33.
QPalette skinPalette(int number);

// Paints every window of the program, present and future, with the skin; any other number
// removes the skin. Needs a QApplication and the GUI thread.
void applySkin(int number);

} // namespace ftq
