// The request routine against real local servers: replies, cookies, redirects, conversions, the
// time limit and calls nested in a waiting one.
#include "local_server.h"
#include "raw_server.h"

#include "web/web_request.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>

using namespace std::chrono_literals;

namespace ftq {
namespace {

using Clock = std::chrono::steady_clock;

// What a server's handler saw, handed to the test's thread under a lock.
class Seen
{
public:
    void set(std::string value)
    {
        std::lock_guard lock(m_mutex);
        m_value = std::move(value);
    }
    std::string get() const
    {
        std::lock_guard lock(m_mutex);
        return m_value;
    }

private:
    mutable std::mutex m_mutex;
    std::string m_value;
};

// Cookies live in one store for the whole process and 127.0.0.1 is every server's host, so each
// test keeps its cookies under a path of its own.
TEST(WebRequest, cookiesSetByAReplyAreSentOnTheNextRequest)
{
    Seen seen;
    LocalServer server([&](httplib::Server &s) {
        s.Get("/jar1/set", [](const httplib::Request &, httplib::Response &res) {
            res.set_header("Set-Cookie", "plain=1; Path=/jar1");
            res.set_header("Set-Cookie", "bare=2");
            res.set_content("set", "text/plain");
        });
        s.Get("/jar1/see", [&](const httplib::Request &req, httplib::Response &res) {
            seen.set(req.get_header_value("Cookie"));
            res.set_content("seen", "text/plain");
        });
    });
    std::string url = server.url("/jar1/set");
    std::string cookies = "old";
    WebRequestOptions options;
    options.replyCookies = &cookies;
    EXPECT_EQ(webRequest(url, options), "set");
    EXPECT_EQ(cookies, "plain=1;;");

    url = server.url("/jar1/see");
    EXPECT_EQ(webRequest(url), "seen");
    EXPECT_NE(seen.get().find("plain=1"), std::string::npos) << seen.get();
    EXPECT_NE(seen.get().find("bare=2"), std::string::npos) << seen.get();
}

TEST(WebRequest, callerCookiesReplaceTheStoreYetReceivedCookiesAreKept)
{
    Seen seen;
    LocalServer server([&](httplib::Server &s) {
        s.Get("/jar2/set", [&](const httplib::Request &req, httplib::Response &res) {
            seen.set(req.get_header_value("Cookie"));
            res.set_header("Set-Cookie", "given=yes; Path=/jar2");
            res.set_content("set", "text/plain");
        });
        s.Get("/jar2/see", [&](const httplib::Request &req, httplib::Response &) {
            seen.set(req.get_header_value("Cookie"));
        });
    });
    std::string url = server.url("/jar2/set");
    WebRequestOptions options;
    options.requestCookies = "mine=1";
    EXPECT_EQ(webRequest(url, options), "set");
    url = server.url("/jar2/set");
    EXPECT_EQ(webRequest(url, options), "set");
    EXPECT_EQ(seen.get(), "mine=1"); // the stored "given" cookie is not added

    url = server.url("/jar2/see");
    webRequest(url);
    EXPECT_EQ(seen.get(), "given=yes");
}

TEST(WebRequest, longHeaderBlockIsKeptWholeWithItsCookies)
{
    LocalServer server([](httplib::Server &s) {
        s.Get("/jar3/long", [](const httplib::Request &, httplib::Response &res) {
            for (int i = 0; i < 40; ++i)
                res.set_header("X-Filler-" + std::to_string(i), std::string(100, 'f'));
            res.set_header("Set-Cookie", "late=1; Path=/jar3");
            res.set_content("long", "text/plain");
        });
    });
    std::string url = server.url("/jar3/long");
    std::string headers;
    std::string cookies;
    WebRequestOptions options;
    options.replyHeaders = &headers;
    options.replyCookies = &cookies;
    EXPECT_EQ(webRequest(url, options), "long");
    EXPECT_GT(headers.size(), 4000u);
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(headers.ends_with("\r\n\r\n"));
    EXPECT_NE(headers.find("Set-Cookie: late=1; Path=/jar3\r\n"), std::string::npos);
    EXPECT_EQ(cookies, "late=1;");
}

TEST(WebRequest, redirectFollowedUnlessRefused)
{
    LocalServer server([](httplib::Server &s) {
        s.Get("/moved", [](const httplib::Request &, httplib::Response &res) {
            res.set_redirect("/target");
            res.set_content("moved", "text/plain");
        });
        s.Get("/target", [](const httplib::Request &, httplib::Response &res) {
            res.set_content("target", "text/plain");
        });
    });
    for (const bool allow : {true, false}) {
        std::string url = server.url("/moved");
        std::string headers;
        WebRequestOptions options;
        options.allowRedirect = allow;
        options.replyHeaders = &headers;
        EXPECT_EQ(webRequest(url, options), allow ? "target" : "moved");
        // Only the last response's header block comes back.
        EXPECT_TRUE(headers.starts_with(allow ? "HTTP/1.1 200" : "HTTP/1.1 302")) << headers;
        EXPECT_EQ(headers.find("HTTP/", 1), std::string::npos) << headers;
    }
}

TEST(WebRequest, errorStatusIsReturnedLikeAnyReply)
{
    LocalServer server([](httplib::Server &s) {
        s.Get("/missing", [](const httplib::Request &, httplib::Response &res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        s.Get("/broken", [](const httplib::Request &, httplib::Response &res) {
            res.status = 500;
            res.set_content("broken", "text/plain");
        });
    });
    for (const auto &[path, body, status] : {std::tuple{"/missing", "not here", "HTTP/1.1 404"},
                                             std::tuple{"/broken", "broken", "HTTP/1.1 500"}}) {
        std::string url = server.url(path);
        std::string headers;
        WebRequestOptions options;
        options.replyHeaders = &headers;
        EXPECT_EQ(webRequest(url, options), body);
        EXPECT_TRUE(headers.starts_with(status)) << headers;
    }
}

TEST(WebRequest, conversionCutsAtAZeroByteAndConverts)
{
    LocalServer server([](httplib::Server &s) {
        s.Get("/utf8", [](const httplib::Request &, httplib::Response &res) {
            res.set_content(std::string("\xE4\xB8\xAD\0tail", 8), "text/plain");
        });
        s.Get("/big5", [](const httplib::Request &, httplib::Response &res) {
            res.set_content(std::string("\xA4\xA4\0tail", 7), "text/plain");
        });
    });
    struct Case
    {
        const char *path;
        int conversion;
        std::string reply;
    };
    for (const Case &c :
         {Case{"/utf8", 0, std::string("\xE4\xB8\xAD\0tail", 8)}, Case{"/utf8", 1, "\xD6\xD0"},
          Case{"/big5", 0, std::string("\xA4\xA4\0tail", 7)}, Case{"/big5", 2, "\xD6\xD0"}}) {
        std::string url = server.url(c.path);
        WebRequestOptions options;
        options.conversion = c.conversion;
        EXPECT_EQ(webRequest(url, options), c.reply) << c.path << " " << c.conversion;
    }
}

TEST(WebRequest, blankUrlSendsNothingAndTouchesNothing)
{
    for (const std::string blank : {"", "   ", "\xA1\xA1 \xA1\xA1"}) {
        std::string url = blank;
        std::string headers = "keep";
        WebRequestOptions options;
        options.replyHeaders = &headers;
        EXPECT_EQ(webRequest(url, options), "");
        EXPECT_EQ(url, blank);
        EXPECT_EQ(headers, "keep");
    }
}

TEST(WebRequest, urlWithoutSchemeIsNormalisedInPlace)
{
    RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    std::string url = "127.0.0.1:" + std::to_string(server.port()) + "/x";
    EXPECT_EQ(webRequest(url), "ok");
    EXPECT_EQ(url, "http://127.0.0.1:" + std::to_string(server.port()) + "/x");
}

TEST(WebRequest, stalledServerTimesOutAtTheLimitAndTheTransferIsCancelled)
{
    RawServer server("", RawServer::Mode::Stall);
    std::string url = server.url("/stall");
    std::string headers = "keep";
    std::string cookies = "keep";
    WebRequestOptions options;
    options.timeoutSeconds = 1;
    options.replyHeaders = &headers;
    options.replyCookies = &cookies;
    options.conversion = 1;

    const auto start = Clock::now();
    EXPECT_EQ(webRequest(url, options), timeoutMessage);
    const auto took = Clock::now() - start;
    EXPECT_GE(took, 1s);
    EXPECT_LT(took, 1800ms); // clearly before twice the limit
    EXPECT_EQ(headers, "keep");
    EXPECT_EQ(cookies, "keep");
    // The abandoned worker drops its connection on its own.
    EXPECT_TRUE(server.waitForClientClose(5s));
}

TEST(WebRequest, zeroLimitIsAlreadyTimedOut)
{
    RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    std::string url = server.url("/");
    WebRequestOptions options;
    options.timeoutSeconds = 0;
    EXPECT_EQ(webRequest(url, options), timeoutMessage);
}

TEST(WebRequest, nestedCallRunsWhileTheOuterOneWaits)
{
    int argc = 1;
    char name[] = "web_request_test";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    LocalServer server([](httplib::Server &s) {
        s.Get("/slow", [](const httplib::Request &, httplib::Response &res) {
            std::this_thread::sleep_for(400ms);
            res.set_content("outer", "text/plain");
        });
        s.Get("/fast", [](const httplib::Request &, httplib::Response &res) {
            res.set_content("inner", "text/plain");
        });
    });
    std::string inner;
    bool outerDone = false;
    bool innerSawOuterDone = true;
    QTimer::singleShot(50ms, [&] {
        std::string url = server.url("/fast");
        inner = webRequest(url);
        innerSawOuterDone = outerDone;
    });
    std::string url = server.url("/slow");
    WebRequestOptions options;
    options.timeoutSeconds = 10;
    EXPECT_EQ(webRequest(url, options), "outer");
    outerDone = true;
    EXPECT_EQ(inner, "inner");
    EXPECT_FALSE(innerSawOuterDone);
}

} // namespace
} // namespace ftq
