#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct duk_hthread;

// Duktape's ECMAScript RegExp, run over UTF-16 text.
namespace ftq::regex {

struct Options
{
    bool ignoreCase = true;
    bool multiline = true;
    bool global = true;
};

struct Match
{
    int start = 0;  // UTF-16 index into the subject
    int length = 0; // in UTF-16 units
    // One entry per capturing group; empty for a group that took no part in the match.
    std::vector<std::optional<std::u16string>> groups;
};

// One Duktape heap. A heap may move between threads but is used by one thread at a time.
class Engine
{
public:
    Engine();
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    bool isUsable() const { return m_ctx != nullptr; }

    // What "Execute" collects: every match when global (an empty match steps one unit on),
    // else at most the first. Empty when the engine rejects the pattern or gives up.
    std::optional<std::vector<Match>> execute(std::u16string_view pattern,
                                              std::u16string_view subject, Options options);

    // The first match that starts at or after `from`, or none; empty as for execute.
    std::optional<std::vector<Match>>
    matchFrom(std::u16string_view pattern, std::u16string_view subject, Options options, int from);

private:
    std::optional<std::vector<Match>> run(std::u16string_view pattern, std::u16string_view subject,
                                          Options options, int from, bool all);

    duk_hthread *m_ctx = nullptr;
};

} // namespace ftq::regex
