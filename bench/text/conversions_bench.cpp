#include "text/conversions.h"

#include <benchmark/benchmark.h>

#include <string>

// The two reply decoders on 1 MB replies shaped like the service's: \u escapes of Chinese text
// with ASCII between them, and percent-encoded UTF-8.
namespace {

constexpr size_t replySize = 1 << 20;

std::string repeatTo(const std::string &piece)
{
    std::string s;
    s.reserve(replySize + piece.size());
    while (s.size() < replySize)
        s += piece;
    return s;
}

// "设备型号：iPhone 12 Pro，序列号：F2LXK0ABCDEF，激活状态：已激活" as the query's reply spells it.
const std::string queryReply = repeatTo(
    "\\u8bbe\\u5907\\u578b\\u53f7\\uff1aiPhone 12 Pro\\uff0c\\u5e8f\\u5217\\u53f7\\uff1aF2LXK0ABCDEF"
    "\\uff0c\\u6fc0\\u6d3b\\u72b6\\u6001\\uff1a\\u5df2\\u6fc0\\u6d3b<br>\\r\\n");

// "绑定成功，剩余次数：12 次" percent-encoded.
const std::string bindingReply = repeatTo(
    "%E7%BB%91%E5%AE%9A%E6%88%90%E5%8A%9F%EF%BC%8C%E5%89%A9%E4%BD%99%E6%AC%A1%E6%95%B0%EF%BC%9A"
    "12%20%E6%AC%A1%0D%0A");

void run(benchmark::State &state, std::string (*decode)(std::string_view), const std::string &reply)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(decode(reply));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}

void unescapeUnicode1MB(benchmark::State &state)
{
    run(state, ftq::unescapeUnicode, queryReply);
}
BENCHMARK(unescapeUnicode1MB)->Unit(benchmark::kMillisecond);

void percentDecode1MB(benchmark::State &state)
{
    run(state, ftq::percentDecode, bindingReply);
}
BENCHMARK(percentDecode1MB)->Unit(benchmark::kMillisecond);

} // namespace
