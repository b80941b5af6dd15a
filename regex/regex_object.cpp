#include "regex/regex_object.h"

#include "regex/bounded_run.h"
#include "regex/engine.h"
#include "regex/execution.h"
#include "regex/group_probe.h"
#include "regex/replacement.h"
#include "text/codepage.h"
#include "text/text_end.h"

namespace ftq {

using regex::Engine;
using regex::Execution;
using regex::Match;

RegexObject::RegexObject(std::chrono::milliseconds workLimit) : m_workLimit(workLimit) {}

RegexObject::~RegexObject() = default;

RegexObject::RegexObject(const RegexObject &other)
    : m_workLimit(other.m_workLimit), m_execution(other.m_execution)
{}

RegexObject &RegexObject::operator=(const RegexObject &other)
{
    if (this != &other) {
        m_workLimit = other.m_workLimit;
        m_execution = other.m_execution;
    }
    return *this;
}

RegexObject::RegexObject(RegexObject &&) noexcept = default;
RegexObject &RegexObject::operator=(RegexObject &&) noexcept = default;

void RegexObject::destroy()
{
    m_engine.reset();
    m_execution.reset();
}

bool RegexObject::create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                         bool multiline, bool global)
{
    m_execution.reset();
    pattern = upToZero(pattern);
    subject = upToZero(subject);
    auto input = std::make_shared<Execution>();
    input->pattern = pattern;
    input->pattern16 = regex::decodeGbk(pattern).units;
    input->subject16 = regex::decodeGbk(subject);
    input->options = {!caseSensitive, multiline, global};

    // The engine is taken out while it runs: a handler that creates again during the wait gets
    // an engine of its own.
    std::shared_ptr<Engine> engine = std::move(m_engine);
    if (!engine)
        engine = std::make_shared<Engine>();
    if (!engine->isUsable())
        return false;

    const std::shared_ptr<const Execution> frozenInput = input;
    auto matches = regex::runBounded(
        engine,
        [frozenInput](Engine &e) {
            return e.execute(frozenInput->pattern16, frozenInput->subject16.units,
                             frozenInput->options);
        },
        m_workLimit);
    if (!matches)
        return false; // an engine left behind at the deadline is the worker's to free
    m_engine = std::move(engine);
    input->matches = std::move(*matches);
    m_execution = std::move(input);
    return true;
}

std::string RegexObject::getPattern() const
{
    return m_execution ? m_execution->pattern : std::string();
}

std::string RegexObject::replace(std::string_view replacement) const
{
    if (!m_execution)
        return {};
    const std::u16string replaced =
        regex::replaceMatches(m_execution->subject16.units, m_execution->matches,
                              regex::decodeGbk(upToZero(replacement)).units);
    return fromUtf16(replaced, codepage::gbk);
}

int RegexObject::matchCount() const
{
    return m_execution ? static_cast<int>(m_execution->matches.size()) : 0;
}

namespace {

const Match *matchAt(const Execution *execution, int matchIndex)
{
    if (!execution || matchIndex < 1 || static_cast<size_t>(matchIndex) > execution->matches.size())
        return nullptr;
    return &execution->matches[static_cast<size_t>(matchIndex) - 1];
}

} // namespace

std::string RegexObject::matchText(int matchIndex, int *position) const
{
    const Match *match = matchAt(m_execution.get(), matchIndex);
    if (position)
        *position =
            match ? m_execution->subject16.byteOffsets[static_cast<size_t>(match->start)] : -1;
    if (!match)
        return {};
    const std::u16string_view units = m_execution->subject16.units;
    return fromUtf16(
        units.substr(static_cast<size_t>(match->start), static_cast<size_t>(match->length)),
        codepage::gbk);
}

std::string RegexObject::subMatchText(int matchIndex, int groupIndex, int *position) const
{
    const Match *match = matchAt(m_execution.get(), matchIndex);
    const std::optional<std::u16string> *group =
        match && groupIndex >= 1 && static_cast<size_t>(groupIndex) <= match->groups.size()
            ? &match->groups[static_cast<size_t>(groupIndex) - 1]
            : nullptr;
    if (!group || !*group) {
        if (position)
            *position = -1;
        return {};
    }
    if (position)
        *position = groupOffset(matchIndex, groupIndex);
    return fromUtf16(**group, codepage::gbk);
}

int RegexObject::subMatchCount() const
{
    const Match *first = matchAt(m_execution.get(), 1);
    return first ? static_cast<int>(first->groups.size()) : 0;
}

// exec() does not tell where a group starts; a second run of a rewritten pattern does. Nobody
// needs this often, so it is not kept, and it runs on an engine of its own.
int RegexObject::groupOffset(int matchIndex, int groupIndex) const
{
    const std::shared_ptr<const Execution> execution = m_execution;
    const int from = execution->matches[static_cast<size_t>(matchIndex) - 1].start;
    auto engine = std::make_shared<Engine>();
    if (!engine->isUsable())
        return -1;
    const auto probed = regex::runBounded(
        std::move(engine),
        [execution, from](Engine &e) {
            return e.matchFrom(regex::groupProbePattern(execution->pattern16),
                               execution->subject16.units, execution->options, from);
        },
        m_workLimit);
    const size_t rest = 2 * static_cast<size_t>(groupIndex) - 1;
    if (!probed || probed->size() != 1 || probed->front().start != from ||
        probed->front().groups.size() <= rest || !probed->front().groups[rest])
        return -1;
    const size_t total = execution->subject16.units.size();
    const size_t start = total - probed->front().groups[rest]->size();
    return execution->subject16.byteOffsets[start];
}

} // namespace ftq
