#include "text/search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

// Pages of several megabytes are searched for a marker near their end, so the scan must run at
// memory speed. A vector filter on two bytes of the needle proposes candidates, a full comparison
// confirms them, and only then is the character boundary worked out, backwards from the
// candidate: the byte after any byte below 0x80 is always a boundary, whichever role that byte
// played, so the parity of the run of high bytes before the candidate decides.
namespace ftq {
namespace {

constexpr size_t blockSize = 16;
using Block = unsigned char __attribute__((vector_size(blockSize)));

constexpr bool isAsciiLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// One needle byte as the test (hay | mask) == value: for a letter under ignoreCase the mask sets
// the lower-case bit, which maps exactly the letters of both cases onto one value.
struct ByteTest
{
    unsigned char mask = 0;
    unsigned char value = 0;

    ByteTest(unsigned char c, bool ignoreCase)
    {
        if (ignoreCase && isAsciiLetter(c)) {
            mask = 0x20;
            value = static_cast<unsigned char>(c | 0x20);
        } else {
            value = c;
        }
    }
    bool operator()(unsigned char c) const { return (c | mask) == value; }
};

Block splat(unsigned char c)
{
    Block b;
    for (size_t i = 0; i < blockSize; ++i)
        b[i] = c;
    return b;
}

Block loadBlock(const unsigned char *p)
{
    Block b;
    std::memcpy(&b, p, sizeof b);
    return b;
}

// `mask` is the outcome of a comparison of blocks, a vector of 0 or -1 per byte.
template <typename Mask>
bool anyByteSet(const Mask &mask)
{
    static_assert(sizeof(Mask) == 2 * sizeof(uint64_t));
    uint64_t words[2];
    std::memcpy(words, &mask, sizeof words);
    return (words[0] | words[1]) != 0;
}

// Finds where the needle's bytes stand, with no regard to character boundaries.
class MatchFinder
{
public:
    MatchFinder(std::string_view haystack, std::string_view needle, bool ignoreCase)
        : m_hay(reinterpret_cast<const unsigned char *>(haystack.data())),
          m_size(haystack.size()),
          m_needle(reinterpret_cast<const unsigned char *>(needle.data())),
          m_length(needle.size()),
          m_ignoreCase(ignoreCase),
          m_last(needle.size() - 1),
          m_firstTest(m_needle[0], ignoreCase),
          m_lastTest(m_needle[m_last], ignoreCase)
    {
    }

    // The first position at or after `from` where the needle stands, or npos.
    size_t next(size_t from) const
    {
        if (m_size < m_length)
            return std::string_view::npos;
        const size_t lastCandidate = m_size - m_length;
        size_t at = from;
        const Block firstMask = splat(m_firstTest.mask), firstValue = splat(m_firstTest.value);
        const Block lastMask = splat(m_lastTest.mask), lastValue = splat(m_lastTest.value);
        for (; lastCandidate >= blockSize - 1 && at <= lastCandidate - (blockSize - 1); at += blockSize) {
            const auto hits = ((loadBlock(m_hay + at) | firstMask) == firstValue)
                & ((loadBlock(m_hay + at + m_last) | lastMask) == lastValue);
            if (!anyByteSet(hits))
                continue;
            for (size_t i = 0; i < blockSize; ++i)
                if (hits[i] && matchesAt(at + i))
                    return at + i;
        }
        for (; at <= lastCandidate; ++at)
            if (matchesAt(at))
                return at;
        return std::string_view::npos;
    }

private:
    bool matchesAt(size_t at) const
    {
        if (!m_ignoreCase)
            return std::memcmp(m_hay + at, m_needle, m_length) == 0;
        for (size_t i = 0; i < m_length; ++i)
            if (!ByteTest(m_needle[i], true)(m_hay[at + i]))
                return false;
        return true;
    }

    const unsigned char *m_hay;
    size_t m_size;
    const unsigned char *m_needle;
    size_t m_length;
    bool m_ignoreCase;
    size_t m_last;
    ByteTest m_firstTest;
    ByteTest m_lastTest;
};

// Position just after the last byte below 0x80 in [from, to), or `from` when there is none.
size_t afterLastLowByte(const unsigned char *hay, size_t from, size_t to)
{
    constexpr uint64_t topBits = 0x8080808080808080;
    while (to - from >= 8) {
        uint64_t word;
        std::memcpy(&word, hay + to - 8, sizeof word);
        if ((word & topBits) != topBits)
            break; // the byte loop below finds it within these eight
        to -= 8;
    }
    while (to > from) {
        if (hay[to - 1] < 0x80)
            return to;
        --to;
    }
    return from;
}

// Answers "does a character start here?" for rising positions, each answer moving the known
// boundary forward so that no byte is looked at twice.
class BoundaryCursor
{
public:
    BoundaryCursor(std::string_view haystack, size_t start)
        : m_hay(reinterpret_cast<const unsigned char *>(haystack.data())), m_known(start)
    {
    }

    bool startsCharacter(size_t at)
    {
        const size_t runStart = afterLastLowByte(m_hay, m_known, at);
        const bool boundary = (at - runStart) % 2 == 0;
        // Otherwise `at` is a second byte, so the character after it starts at at + 1.
        m_known = boundary ? at : at + 1;
        return boundary;
    }

private:
    const unsigned char *m_hay;
    size_t m_known;
};

} // namespace

int findText(std::string_view haystack, std::string_view needle, int start, bool ignoreCase)
{
    const size_t from = static_cast<size_t>(std::max(start, 1) - 1);
    if (from >= haystack.size())
        return -1;
    if (needle.empty())
        return 1;
    const MatchFinder finder(haystack, needle, ignoreCase);
    BoundaryCursor boundaries(haystack, from);
    for (size_t at = finder.next(from); at != std::string_view::npos; at = finder.next(at + 1))
        if (boundaries.startsCharacter(at))
            return static_cast<int>(at + 1);
    return -1;
}

} // namespace ftq
