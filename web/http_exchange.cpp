#include "web/http_exchange.h"

#include "web/cookie_pass.h"
#include "web/curl_session.h"
#include "web/request_headers.h"
#include "web/request_url.h"
#include "web/url_parts.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace ftq {

namespace {

constexpr std::string_view redirectsAllowed = "\xD5\xE6"; // "真"

// The header block of a reply that was never received: what the original header query left in
// its buffer, kept for callers that look for it.
constexpr size_t missingHeaderBlockSize = 2048;

// Room reserved up front for a body of announced length, at most: a wrong length costs no more.
constexpr curl_off_t maxReserve = 64 * 1024 * 1024;

struct Transfer
{
    CURL *handle = nullptr;
    const std::atomic<bool> *cancelled = nullptr;
    std::string body;
    std::string headers; // the last response's block; a followed redirect starts a new one
    bool headersSeen = false;
};

size_t onBody(char *data, size_t, size_t size, void *transfer)
{
    auto *t = static_cast<Transfer *>(transfer);
    if (t->cancelled->load(std::memory_order_relaxed))
        return 0; // anything short of `size` ends the transfer
    if (t->body.empty()) {
        curl_off_t length = -1;
        if (curl_easy_getinfo(t->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK &&
            length > 0)
            t->body.reserve(static_cast<size_t>(std::min(length, maxReserve)));
    }
    t->body.append(data, size);
    return size;
}

size_t onHeaderLine(char *data, size_t, size_t size, void *transfer)
{
    auto *t = static_cast<Transfer *>(transfer);
    std::string_view line(data, size);
    if (line.starts_with("HTTP/"))
        t->headers.clear();
    if (line.ends_with('\n'))
        line.remove_suffix(1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    t->headers += line;
    t->headers += "\r\n";
    t->headersSeen = true;
    return size;
}

int onProgress(void *transfer, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer *>(transfer)->cancelled->load(std::memory_order_relaxed) ? 1 : 0;
}

struct SlistDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

void performRequest(CURL *handle, const ExchangeRecord &record, Transfer &transfer)
{
    const std::string url(record.text(ExchangeRecord::Url));
    const std::string_view method = record.text(ExchangeRecord::Method);
    const std::string_view headers = record.text(ExchangeRecord::RequestHeaders);
    const std::string &body = record.bytes(ExchangeRecord::RequestBody);
    const std::string_view cookieText = record.text(ExchangeRecord::RequestCookies);
    if (method != "GET" && method != "POST")
        return; // nothing is sent; the reply stays empty

    const std::string agent = userAgentOf(headers);
    const std::string built = buildRequestHeaders(url, method, headers, body.size(), cookieText);
    std::unique_ptr<curl_slist, SlistDeleter> headerList;
    for (const std::string &line : curlHeaderLines(built)) {
        curl_slist *head = curl_slist_append(headerList.get(), line.c_str());
        if (!head)
            return;                              // out of memory: nothing is sent
        static_cast<void>(headerList.release()); // `head` is the same list, or its first node
        headerList.reset(head);
    }

    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headerList.get());
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);

    // The proxy serves plain HTTP only; an empty proxy also keeps curl from taking one from the
    // environment. Its bypass list is empty, so the environment's no_proxy cannot route a request
    // around the proxy the caller gave.
    const std::string proxy(record.text(ExchangeRecord::Proxy));
    curl_easy_setopt(handle, CURLOPT_PROXY, isSecureUrl(url) ? "" : proxy.c_str());
    curl_easy_setopt(handle, CURLOPT_NOPROXY, "");

    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION,
                     record.bytes(ExchangeRecord::AllowRedirect) == redirectsAllowed ? 1L : 0L);

    if (method == "POST") {
        curl_easy_setopt(handle, CURLOPT_POST, 1L);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.data());
    } else {
        // A pooled handle may still point at an earlier request's body.
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, nullptr);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(-1));
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    }

    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, onHeaderLine);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);

    curl_easy_perform(handle); // a failure shows as what was received, perhaps nothing
}

} // namespace

void httpExchange(ExchangeRecord &record, const std::atomic<bool> &cancelled)
{
    // Cookie text from the caller replaces the store for this request, blanks only do not.
    const bool cookiesAutomatic = trimBlanks(record.text(ExchangeRecord::RequestCookies)).empty();
    const CookieUse use = cookiesAutomatic ? CookieUse::Automatic : CookieUse::Suppressed;
    bool fresh = false;
    CURL *handle = takeHandle(use, fresh);
    if (!handle) {
        record.set(ExchangeRecord::Body, {});
        record.set(ExchangeRecord::AllowRedirect, {});
        return;
    }

    // The shared store, nothing from disk; a pooled handle keeps it on from its first use.
    if (cookiesAutomatic && fresh)
        curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");

    Transfer transfer;
    transfer.handle = handle;
    transfer.cancelled = &cancelled;
    performRequest(handle, record, transfer);
    returnHandle(handle, use);

    const std::string headerBlock = transfer.headersSeen ? std::move(transfer.headers)
                                                         : std::string(missingHeaderBlockSize, ' ');
    const CookiePass pass = cookiePass(headerBlock);
    if (!cookiesAutomatic) {
        // Automatic handling already stored these, each for the host that set it.
        const std::string host = hostOf(record.text(ExchangeRecord::Url));
        for (const ReceivedCookie &cookie : pass.cookies)
            storeCookie(host, cookie.name, cookie.data);
    }

    record.adopt(ExchangeRecord::Body, std::move(transfer.body));
    record.set(ExchangeRecord::ReceivedCookies, pass.received);
    record.set(ExchangeRecord::ReplyHeaders, headerBlock);
}

} // namespace ftq
