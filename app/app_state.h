#pragma once

#include <QtCore/qnamespace.h>

#include <string>
#include <vector>

class QWidget;

// The values more than one part of the program shares, one instance per process.
namespace ftq {

// One visible top-level window of a census, front-most first in the census list.
struct WindowEntry
{
    QWidget *window = nullptr;
    qint64 processId = 0;
    Qt::HANDLE threadId = nullptr;
    std::string title;     // code page 936, at most 255 bytes
    std::string className; // at most 49 bytes
};

// Creates the state: empty census, empty version and pattern.
void initAppState();

// The shutdown routine: drops the census and both texts. Safe on a state never written.
void releaseAppState();

// Every accessor takes the state's lock, so any thread may call it.
std::string currentVersion();
void setCurrentVersion(std::string version);
std::string resultPattern();
void setResultPattern(std::string pattern);

// Appends one entry to the census list.
void appendToCensus(WindowEntry entry);
// Hands the census list over and leaves it empty.
std::vector<WindowEntry> takeCensusEntries();
std::size_t censusSize();

} // namespace ftq
