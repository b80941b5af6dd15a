#include "app/app_state.h"

#include <mutex>

namespace ftq {
namespace {

struct AppState
{
    std::vector<WindowEntry> windowCensus;
    std::string currentVersion;
    std::string resultPattern;
};

std::mutex stateLock;
AppState state;

} // namespace

void initAppState()
{
    std::scoped_lock lock(stateLock);
    state = AppState{};
}

void releaseAppState()
{
    std::scoped_lock lock(stateLock);
    // Swapping with empty values gives the memory back, which clear() would keep.
    std::vector<WindowEntry>().swap(state.windowCensus);
    std::string().swap(state.currentVersion);
    std::string().swap(state.resultPattern);
}

std::string currentVersion()
{
    std::scoped_lock lock(stateLock);
    return state.currentVersion;
}

void setCurrentVersion(std::string version)
{
    std::scoped_lock lock(stateLock);
    state.currentVersion = std::move(version);
}

std::string resultPattern()
{
    std::scoped_lock lock(stateLock);
    return state.resultPattern;
}

void setResultPattern(std::string pattern)
{
    std::scoped_lock lock(stateLock);
    state.resultPattern = std::move(pattern);
}

void appendToCensus(WindowEntry entry)
{
    std::scoped_lock lock(stateLock);
    state.windowCensus.push_back(std::move(entry));
}

std::vector<WindowEntry> takeCensusEntries()
{
    std::scoped_lock lock(stateLock);
    std::vector<WindowEntry> taken;
    taken.swap(state.windowCensus);
    return taken;
}

std::size_t censusSize()
{
    std::scoped_lock lock(stateLock);
    return state.windowCensus.size();
}

} // namespace ftq
