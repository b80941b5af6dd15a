#include "web/request_headers.h"

#include <gtest/gtest.h>

#include <string>

namespace ftq {
namespace {

const std::string accept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
const std::string referer = "Referer: http://h/p\r\n";
const std::string language = "Accept-Language: zh-cn\r\n";
const std::string formType = "Content-Type: application/x-www-form-urlencoded\r\n";

struct HeaderCase
{
    const char *name;
    std::string method;
    std::string headers;
    size_t bodySize;
    std::string cookies;
    std::string built;
};

void PrintTo(const HeaderCase &c, std::ostream *out)
{
    *out << c.name;
}

class BuildRequestHeaders : public testing::TestWithParam<HeaderCase>
{
};

TEST_P(BuildRequestHeaders, addsTheDefaultsInOrder)
{
    const HeaderCase &c = GetParam();
    EXPECT_EQ(buildRequestHeaders("http://h/p", c.method, c.headers, c.bodySize, c.cookies),
              c.built);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildRequestHeaders,
    testing::Values(HeaderCase{"get", "GET", "", 0, "", accept + referer + language},
                    HeaderCase{"getWithCookies", "GET", "", 0, "a=1; b=2",
                               accept + referer + language + "Cookie: a=1; b=2\r\n\r\n"},
                    HeaderCase{"getWithBlankCookies", "GET", "", 0, "  ",
                               accept + referer + language + "Cookie:   \r\n\r\n"},
                    HeaderCase{"getIgnoresBody", "GET", "", 5, "", accept + referer + language},
                    HeaderCase{"postWithBody", "POST", "", 5, "",
                               accept + referer + language + formType + "Content-Length: 5\r\n"},
                    HeaderCase{"postWithoutBody", "POST", "", 0, "c=3",
                               accept + referer + language + "Cookie: c=3\r\n\r\n"},
                    HeaderCase{"callerContentHeaders", "POST",
                               "content-type: text/plain\r\nContent-length: 9\r\n", 5, "",
                               "content-type: text/plain\r\nContent-length: 9\r\n" + accept +
                                   referer + language},
                    // Any "accept" counts, even inside Accept-Language.
                    HeaderCase{"callerLanguageSuppressesAccept", "GET", "Accept-Language: en\r\n",
                               0, "", "Accept-Language: en\r\n" + referer},
                    HeaderCase{"callerReferer", "GET", "referer: http://x/\r\n", 0, "",
                               "referer: http://x/\r\n" + accept + language},
                    HeaderCase{"refererNoRemovedOnce", "GET", "X: 1RefererNo\r\nY: RefererNo\r\n",
                               0, "", "X: 1\r\nY: RefererNo\r\n" + accept + language},
                    // Found without regard to case, removed only where spelled exactly so.
                    HeaderCase{"refererNoOtherCase", "GET", "X: refererno\r\n", 0, "",
                               "X: refererno\r\n" + accept + language},
                    HeaderCase{"otherMethodGetsNoCookiesOrBody", "PUT", "", 5, "a=1",
                               accept + referer + language}),
    [](const testing::TestParamInfo<HeaderCase> &info) { return std::string(info.param.name); });

TEST(UserAgentOf, takesTheCallersLineTrimmedOrTheDefault)
{
    EXPECT_EQ(userAgentOf(""), defaultUserAgent);
    EXPECT_EQ(userAgentOf("X: 1\r\nuser-agent:  Probe/1.0 \r\nY: 2\r\n"), "Probe/1.0");
    EXPECT_EQ(userAgentOf("User-Agent: no line end"), "");
}

TEST(CurlHeaderLines, oneEntryALineWithCurlsOwnDefaultsSwitchedOff)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(curlHeaderLines("A: 1\r\n\r\nB: 2"),
              (Lines{"A: 1", "B: 2", "Accept:", "Content-Type:", "Expect:"}));
    EXPECT_EQ(curlHeaderLines("accept: x\r\nContent-Type: y\r\n"),
              (Lines{"accept: x", "Content-Type: y", "Expect:"}));
    // An empty value is still sent, not taken as "leave this header out".
    EXPECT_EQ(curlHeaderLines("Accept: x\r\nCookie:   \r\n\r\n"),
              (Lines{"Accept: x", "Cookie;", "Content-Type:", "Expect:"}));
    // A full-width blank is a value: it goes out as given.
    EXPECT_EQ(curlHeaderLines("Accept: x\r\nCookie: \xA1\xA1\r\n\r\n"),
              (Lines{"Accept: x", "Cookie: \xA1\xA1", "Content-Type:", "Expect:"}));
}

} // namespace
} // namespace ftq
