#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

// One regular expression run over one code page 936 subject, in ECMAScript's regular expression
// language, with questions about the matches afterwards. Every text ends at its first zero byte.
namespace ftq {

namespace regex {
class Engine;
struct Execution;
} // namespace regex

class RegexObject
{
public:
    // About 2 s: longer would freeze the window that waits; the engine alone would give up only
    // after tens of seconds.
    static constexpr std::chrono::milliseconds defaultWorkLimit{2000};

    // `workLimit` bounds each run of the engine; a run that takes longer counts as a rejected
    // expression. The waiting thread keeps processing its Qt events meanwhile.
    explicit RegexObject(std::chrono::milliseconds workLimit = defaultWorkLimit);
    ~RegexObject();
    // Copies share no engine: each object runs its own.
    RegexObject(const RegexObject &other);
    RegexObject &operator=(const RegexObject &other);
    RegexObject(RegexObject &&) noexcept;
    RegexObject &operator=(RegexObject &&) noexcept;

    // Back to the state of a new object.
    void destroy();
    RegexObject copy() const { return *this; }
    void reserved() {}

    // Runs `pattern` over `subject` and keeps every match (or only the first when `global` is
    // false). False when the engine rejects the pattern or the run exceeds the work limit; then
    // every query answers empty or 0. No match at all is still true.
    bool create(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
                bool multiline = true, bool global = true);

    std::string getPattern() const;
    // The subject with the kept matches replaced in ECMAScript's replacement syntax ($1, $&, ...).
    std::string replace(std::string_view replacement) const;
    int matchCount() const;
    // Indexes count from 1. `position` receives the byte offset into the subject, from 0, or -1
    // when there is no such match or group, or the group took no part in the match.
    std::string matchText(int matchIndex, int *position = nullptr) const;
    std::string subMatchText(int matchIndex, int groupIndex, int *position = nullptr) const;
    // The number of capturing groups, told by the first match; 0 without a match.
    int subMatchCount() const;

private:
    int groupOffset(int matchIndex, int groupIndex) const;

    std::chrono::milliseconds m_workLimit;
    std::shared_ptr<regex::Engine> m_engine;             // kept for the next create
    std::shared_ptr<const regex::Execution> m_execution; // empty before create or after a failure
};

} // namespace ftq
