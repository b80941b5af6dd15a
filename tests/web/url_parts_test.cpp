#include "web/request_url.h"
#include "web/url_parts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ftq {
namespace {

struct UrlCase
{
    const char *url;
    const char *host;
    const char *path;
    int port;
    bool secure;
};

void PrintTo(const UrlCase &c, std::ostream *out)
{
    for (const char *p = c.url; *p; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte < 0x80)
            *out << *p;
        else
            *out << "%" << std::hex << std::uppercase << static_cast<int>(byte) << std::dec;
    }
}

class UrlParts : public testing::TestWithParam<UrlCase>
{
};

TEST_P(UrlParts, splitsTheAddress)
{
    const UrlCase &c = GetParam();
    EXPECT_EQ(hostOf(c.url), c.host);
    EXPECT_EQ(pathOf(c.url), c.path);
    EXPECT_EQ(portOf(c.url), c.port);
    EXPECT_EQ(isSecureUrl(c.url), c.secure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlParts,
    testing::Values(UrlCase{"http://example.com", "example.com", "/", 80, false},
                    UrlCase{"http://example.com/a/b?c=d", "example.com", "/a/b?c=d", 80, false},
                    UrlCase{"http://Example.COM:8080/Path", "example.com", "/Path", 8080, false},
                    UrlCase{"http://host:/x", "host", "/x", 0, false},
                    UrlCase{"http://host:12ab/x", "host", "/x", 12, false},
                    UrlCase{"HTTP://host:81/x", "http", "//host:81/x", 81, false},
                    // "https://" in a query is text, not a scheme.
                    UrlCase{"http://host/go?to=https://other/x", "host", "/go?to=https://other/x",
                            80, false},
                    UrlCase{"https://secure.example/p", "secure.example", "/p", 0, true},
                    UrlCase{"https://secure.example:8443/p", "secure.example", "/p", 0, true},
                    UrlCase{"HTTPS://secure.example/p", "https", "//secure.example/p", 0, true},
                    UrlCase{"http://\xD6\xD0\xCE\xC4.cn/\xB0\xA1", "\xD6\xD0\xCE\xC4.cn",
                            "/\xB0\xA1", 80, false},
                    UrlCase{"http://host:99999999999/", "host", "/", 2147483647, false}));

struct NormaliseCase
{
    const char *url;
    const char *normalised;
};

void PrintTo(const NormaliseCase &c, std::ostream *out)
{
    *out << c.url;
}

class NormaliseUrl : public testing::TestWithParam<NormaliseCase>
{
};

TEST_P(NormaliseUrl, putsTheSchemeInFrontOnlyWhenMissing)
{
    EXPECT_EQ(normaliseUrl(GetParam().url), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormaliseUrl,
                         testing::Values(NormaliseCase{"http://a/", "http://a/"},
                                         NormaliseCase{"https://a/", "https://a/"},
                                         NormaliseCase{"a.com/x", "http://a.com/x"},
                                         NormaliseCase{"HTTP://a/", "http://HTTP://a/"},
                                         NormaliseCase{" http://a/", "http:// http://a/"},
                                         NormaliseCase{"ftp://a/", "http://ftp://a/"}));

TEST(TrimBlanks, removesHalfAndFullWidthSpacesAtBothEndsOnly)
{
    EXPECT_EQ(trimBlanks(" \xA1\xA1 a b\xA1\xA1  "), "a b");
    EXPECT_EQ(trimBlanks("\xA1\xA1 \xA1\xA1"), "");
    EXPECT_EQ(trimBlanks("\xA1"), "\xA1");
}

} // namespace
} // namespace ftq
