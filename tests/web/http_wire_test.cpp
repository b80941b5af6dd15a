// What goes on the wire, byte for byte, seen by a raw socket server.
#include "raw_server.h"

#include "web/http_exchange.h"
#include "web/request_headers.h"
#include "web/web_request.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace ftq {
namespace {

const std::string okReply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
const std::string acceptLine =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";

std::string requestStart(const std::string &line, const RawServer &server)
{
    return line + "\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
           "\r\nUser-Agent: " + std::string(defaultUserAgent) + "\r\n";
}

std::string onlyRequest(const RawServer &server)
{
    const std::vector<std::string> requests = server.requests();
    EXPECT_EQ(requests.size(), 1u);
    return requests.empty() ? std::string() : requests.front();
}

// A port on which nothing listens.
int closedPort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr *>(&address), length);
    ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

TEST(HttpWire, getSendsAcceptRefererAndLanguageInOrder)
{
    RawServer server(okReply);
    std::string url = server.url("/page?q=1");
    EXPECT_EQ(webRequest(url), "ok");
    EXPECT_EQ(onlyRequest(server), requestStart("GET /page?q=1 HTTP/1.1", server) + acceptLine +
                                       "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n\r\n");
}

TEST(HttpWire, postWithBodyAddsFormTypeAndLength)
{
    RawServer server(okReply);
    std::string url = server.url("/AppleSearch.php");
    WebRequestOptions options;
    options.method = 1;
    options.body = "Key=ABC";
    EXPECT_EQ(webRequest(url, options), "ok");
    EXPECT_EQ(onlyRequest(server), requestStart("POST /AppleSearch.php HTTP/1.1", server) +
                                       acceptLine + "Referer: " + url +
                                       "\r\nAccept-Language: zh-cn\r\n" +
                                       "Content-Type: application/x-www-form-urlencoded\r\n" +
                                       "Content-Length: 7\r\n\r\nKey=ABC");
}

TEST(HttpWire, postWithoutBodySendsNoFormType)
{
    RawServer server(okReply);
    std::string url = server.url("/p");
    WebRequestOptions options;
    options.method = 1;
    EXPECT_EQ(webRequest(url, options), "ok");
    EXPECT_EQ(onlyRequest(server), requestStart("POST /p HTTP/1.1", server) + acceptLine +
                                       "Referer: " + url +
                                       "\r\nAccept-Language: zh-cn\r\nContent-Length: 0\r\n\r\n");
}

TEST(HttpWire, callerHeadersSuppressDefaultsAndRefererNoSendsNoReferer)
{
    RawServer server(okReply);
    std::string url = server.url("/p");
    WebRequestOptions options;
    options.method = 1;
    options.body = "x=1";
    options.requestHeaders =
        "User-Agent: Probe/2\r\nAccept-Language: en\r\nContent-Type: text/plain\r\nRefererNo";
    EXPECT_EQ(webRequest(url, options), "ok");
    EXPECT_EQ(onlyRequest(server),
              "POST /p HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
                  "\r\nUser-Agent: Probe/2\r\nAccept-Language: en\r\n"
                  "Content-Type: text/plain\r\nContent-Length: 3\r\n\r\nx=1");
}

TEST(HttpWire, callerCookieTextIsSentAsGiven)
{
    RawServer server(okReply);
    for (const std::string cookies : {"a=1; b=2", "  spaced = yes ; c=3"}) {
        std::string url = server.url("/c");
        WebRequestOptions options;
        options.requestCookies = cookies;
        EXPECT_EQ(webRequest(url, options), "ok");
    }
    const std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].ends_with("Accept-Language: zh-cn\r\nCookie: a=1; b=2\r\n\r\n"))
        << requests[0];
    EXPECT_TRUE(
        requests[1].ends_with("Accept-Language: zh-cn\r\nCookie:   spaced = yes ; c=3\r\n\r\n"))
        << requests[1];
}

TEST(HttpWire, httpsInAQueryStaysAPlainRequestOnItsPort)
{
    RawServer server(okReply);
    std::string url = server.url("/go?next=https://elsewhere.example/");
    EXPECT_EQ(webRequest(url), "ok");
    EXPECT_TRUE(
        onlyRequest(server).starts_with("GET /go?next=https://elsewhere.example/ HTTP/1.1\r\n"));
}

TEST(HttpWire, httpsUrlUsesTheWrittenPortWithTls)
{
    RawServer server(okReply);
    std::string url = "https://127.0.0.1:" + std::to_string(server.port()) + "/";
    WebRequestOptions options;
    options.timeoutSeconds = 1; // the raw server never finishes a handshake
    webRequest(url, options);
    ASSERT_TRUE(server.waitForRequests(1, 5s));
    const std::vector<std::string> requests = server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_TRUE(requests.front().starts_with("\x16\x03")) << "a TLS handshake record";
}

// An environment variable set for as long as it lives, then put back as it was.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const char *value) : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        ::setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

TEST(HttpWire, proxyServesPlainHttpOnly)
{
    // The caller's proxy has no bypass list: one in the environment must not route around it.
    const ScopedEnvironment noProxy("no_proxy", "127.0.0.1");
    RawServer proxy("HTTP/1.1 200 OK\r\nContent-Length: 8\r\nConnection: close\r\n\r\nproxied!");
    const int target = closedPort();
    WebRequestOptions options;
    options.proxy = "127.0.0.1:" + std::to_string(proxy.port());

    std::string url = "http://127.0.0.1:" + std::to_string(target) + "/x";
    EXPECT_EQ(webRequest(url, options), "proxied!");
    std::string secureUrl = "https://127.0.0.1:" + std::to_string(target) + "/x";
    EXPECT_EQ(webRequest(secureUrl, options), "");

    const std::vector<std::string> requests = proxy.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].starts_with("GET " + url + " HTTP/1.1\r\n")) << requests[0];
}

TEST(HttpWire, unreachablePortGivesAnEmptyReply)
{
    std::string url = "http://127.0.0.1:" + std::to_string(closedPort()) + "/";
    std::string headers = "old";
    std::string cookies = "old";
    WebRequestOptions options;
    options.replyHeaders = &headers;
    options.replyCookies = &cookies;
    EXPECT_EQ(webRequest(url, options), "");
    EXPECT_EQ(headers, std::string(2048, ' '));
    EXPECT_EQ(cookies, "");
}

TEST(HttpWire, laterRequestsToTheSameServerReuseTheConnection)
{
    RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", RawServer::Mode::KeepAlive);
    for (int i = 0; i < 3; ++i) {
        std::string url = server.url("/again");
        EXPECT_EQ(webRequest(url), "ok");
    }
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_EQ(server.connections(), 1);
}

TEST(HttpWire, otherMethodSendsNothing)
{
    RawServer server(okReply);
    ExchangeRecord record;
    record.set(ExchangeRecord::Url, server.url("/"));
    record.set(ExchangeRecord::Method, "PUT");
    const std::atomic<bool> cancelled = false;
    httpExchange(record, cancelled);

    EXPECT_EQ(record.bytes(ExchangeRecord::Body), "");
    EXPECT_TRUE(server.requests().empty());
}

} // namespace
} // namespace ftq
