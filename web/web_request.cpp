#include "web/web_request.h"

#include "text/conversions.h"
#include "web/exchange_record.h"
#include "web/http_exchange.h"
#include "web/request_url.h"
#include "web/worker.h"

#include <atomic>
#include <chrono>
#include <memory>

namespace ftq {

namespace {

constexpr int defaultLimitMs = 60000;

// What the caller and the worker share, in turns: the caller fills the record before the worker
// starts and reads it only after the worker's end. The worker holds a share too, so one abandoned
// at the deadline writes into memory that still lives, and the caller never looks at it again.
struct Exchange
{
    ExchangeRecord record;
    std::atomic<bool> cancelled = false;
};

ExchangeRecord requestRecord(const std::string &url, const WebRequestOptions &options)
{
    ExchangeRecord record;
    record.set(ExchangeRecord::Url, url);
    record.set(ExchangeRecord::Method, options.method.value_or(0) == 1 ? "POST" : "GET");
    record.set(ExchangeRecord::Proxy, options.proxy.value_or(std::string()));
    record.set(ExchangeRecord::RequestHeaders, options.requestHeaders.value_or(std::string()));
    record.set(ExchangeRecord::RequestBody, options.body.value_or(std::string()));
    record.set(ExchangeRecord::RequestCookies, options.requestCookies.value_or(std::string()));
    record.set(ExchangeRecord::AllowRedirect,
               options.allowRedirect.value_or(true) ? "\xD5\xE6" /* 真 */ : "\xBC\xD9" /* 假 */);
    return record;
}

std::chrono::milliseconds limitOf(const WebRequestOptions &options)
{
    if (!options.timeoutSeconds)
        return std::chrono::milliseconds(defaultLimitMs);
    return std::chrono::milliseconds(static_cast<long long>(*options.timeoutSeconds * 1000.0));
}

} // namespace

std::string webRequest(std::string &url, const WebRequestOptions &options)
{
    if (trimBlanks(url).empty())
        return {};
    url = normaliseUrl(url);

    auto exchange = std::make_shared<Exchange>();
    exchange->record = requestRecord(url, options);

    const auto signal =
        startThread([exchange] { httpExchange(exchange->record, exchange->cancelled); });
    if (!waitForWorker(*signal, limitOf(options))) {
        exchange->cancelled = true;
        return std::string(timeoutMessage);
    }

    ExchangeRecord &reply = exchange->record;
    if (options.replyHeaders)
        options.replyHeaders->assign(reply.text(ExchangeRecord::ReplyHeaders));
    if (options.replyCookies)
        options.replyCookies->assign(reply.text(ExchangeRecord::ReceivedCookies));

    switch (options.conversion.value_or(0)) {
    case 1:
        return utf8ToAnsi(reply.text(ExchangeRecord::Body));
    case 2:
        return big5ToGbk(reply.text(ExchangeRecord::Body));
    default:
        return reply.take(ExchangeRecord::Body);
    }
}

} // namespace ftq
