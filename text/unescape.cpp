// unescapeUnicode: what a script engine computes for the reply placed in a string literal and
// passed to unescape(), decoded here directly.
//
// Before the reply goes into the literal, CR LF becomes "{$}", a leading lone CR goes, "\u"
// becomes "%u" and "'" becomes "’"; after unescape(), "’" becomes "'" again and "{$}" CR LF.
// Both passes below work on that protected form without writing it out: "{$}" cannot overlap
// itself, so a CR LF of the reply can stay CR LF.
#include "text/conversions.h"

#include "text/codepage.h"
#include "text/text_end.h"

namespace ftq {
namespace {

constexpr char16_t rightQuote = u'\u2019';

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The value of `count` hex digits at `at`, or -1.
int hexAt(std::u16string_view s, size_t at, size_t count)
{
    if (at > s.size() || s.size() - at < count)
        return -1;
    int value = 0;
    for (size_t k = 0; k < count; ++k) {
        const int digit = hexValue(s[at + k]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool isOctal(char16_t c)
{
    return c >= u'0' && c <= u'7';
}

// Reads the protected reply as the body of a string literal, in place (nothing here grows).
// Line terminators, which the language forbids in a literal, are kept as they are, and so is a
// final backslash; an escape the language leaves undefined stands for the escaped character.
void readLiteral(std::u16string &s)
{
    const size_t length = s.size();
    const auto at = [&](size_t i) { return i < length ? s[i] : u'\0'; };
    size_t read = s.starts_with(u'\r') && at(1) != u'\n' ? 1 : 0;
    size_t write = 0;
    while (read < length) {
        const char16_t c = s[read++];
        if (c == u'\'') {
            s[write++] = rightQuote;
            continue;
        }
        if (c != u'\\' || read == length) {
            s[write++] = c;
            continue;
        }
        if (at(read) == u'u') { // protected as "%u", left to unescape()
            s[write++] = u'%';
            s[write++] = u'u';
            ++read;
            continue;
        }
        const char16_t e = s[read++];
        switch (e) {
        case u'b': s[write++] = u'\b'; break;
        case u't': s[write++] = u'\t'; break;
        case u'n': s[write++] = u'\n'; break;
        case u'v': s[write++] = u'\v'; break;
        case u'f': s[write++] = u'\f'; break;
        case u'r': s[write++] = u'\r'; break;
        case u'\'': s[write++] = rightQuote; break;
        // Before CR LF the escaped character is the "{" of "{$}": what is left is "{$}" again.
        case u'\r':
            s[write++] = u'\r';
            if (at(read) == u'\n')
                s[write++] = s[read++];
            break;
        // Before "\u" it is the "%" of "%u", and the "u" follows as itself.
        case u'\\': s[write++] = at(read) == u'u' ? u'%' : u'\\'; break;
        case u'x':
            if (const int value = hexAt(s, read, 2); value >= 0) {
                s[write++] = static_cast<char16_t>(value);
                read += 2;
            } else {
                s[write++] = e;
            }
            break;
        default:
            if (isOctal(e)) {
                // Up to three digits from 0-3, up to two from 4-7: never above 0377.
                int value = e - u'0';
                const size_t maxDigits = e <= u'3' ? 3 : 2;
                for (size_t k = 1; k < maxDigits && isOctal(at(read)); ++k)
                    value = value * 8 + (s[read++] - u'0');
                s[write++] = static_cast<char16_t>(value);
            } else {
                s[write++] = e;
            }
        }
    }
    s.resize(write);
}

// unescape(): "%uXXXX" and "%XX" stand for their code, any other "%" stays. The result ends at
// its first zero character; then "’" becomes "'" and "{$}" CR LF. In place.
void unescapeAndRestore(std::u16string &s)
{
    const size_t length = s.size();
    size_t read = 0;
    size_t write = 0;
    while (read < length) {
        char16_t c = s[read++];
        if (c == u'%') {
            if (read < length && s[read] == u'u') {
                if (const int value = hexAt(s, read + 1, 4); value >= 0) {
                    c = static_cast<char16_t>(value);
                    read += 5;
                }
            } else if (const int value = hexAt(s, read, 2); value >= 0) {
                c = static_cast<char16_t>(value);
                read += 2;
            }
        }
        if (c == u'\0')
            break;
        if (c == rightQuote) {
            c = u'\'';
        } else if (c == u'}' && write >= 2 && s[write - 2] == u'{' && s[write - 1] == u'$') {
            s[write - 2] = u'\r';
            c = u'\n';
            --write;
        }
        s[write++] = c;
    }
    s.resize(write);
}

} // namespace

std::string unescapeUnicode(std::string_view text)
{
    std::u16string s = toUtf16(upToZero(text), codepage::gbk);
    readLiteral(s);
    unescapeAndRestore(s);
    return fromUtf16(s, codepage::gbk);
}

} // namespace ftq
