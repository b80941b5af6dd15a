#include "regex/engine.h"
#include "regex/regex_object.h"
#include "regex/subject.h"

#include <benchmark/benchmark.h>

#include <string>

namespace ftq {
namespace {

// A decoded reply of the look-up service: filler lines of mixed Chinese and ASCII (or ASCII
// only), then the fields the result pattern cuts out.
std::string replyOfSize(size_t size, bool chinese = true)
{
    const std::string filler = chinese
                                   ? "\"notice\":\"\xB2\xE9\xD1\xAF\xB3\xC9\xB9\xA6 lookup ok "
                                     "\xC7\xEB\xCE\xF0\xD6\xD8\xB8\xB4\",\r\n"
                                   : "\"notice\":\"query succeeded lookup ok do not repeat\",\r\n";
    const std::string fields = "\"SerialNumber\":\"F2LXK0ABHG7F\",\r\n"
                               "\"FirstActivateTime\":\"2023-05-01 10:22:31\",\r\n"
                               "\"LastRestoreTime\":\"2024-01-15 08:00:00\",\r\n"
                               "\"Model\":\"iPhone 14 Pro \xC9\xEE\xBF\xD5\xBA\xDA\xC9\xAB\",\r\n"
                               "\"FaceTimeNumber\":\"+86 138 0013 8000\",\r\n"
                               "\"Remain\":\"\xCA\xA3\xD3\xE0"
                               "97\xB4\xCE\"}";
    std::string reply = "{\"code\":0,\r\n";
    while (reply.size() + filler.size() + fields.size() <= size)
        reply += filler;
    return reply + fields;
}

const char *const pattern =
    "\"serialnumber\":\"([^\"]*)\"[^]*?\"firstactivatetime\":\"([^\"]*)\"[^]*?"
    "\"lastrestoretime\":\"([^\"]*)\"[^]*?\"model\":\"(.*)\",$[^]*?"
    "\"facetimenumber\":\"([^\"]*)\"[^]*?\xCA\xA3\xD3\xE0(\\d+)\xB4\xCE";

// What the activation query does with a reply. The work limit is raised so that a slow run is
// measured rather than cut off.
void queryReply(benchmark::State &state)
{
    const std::string reply = replyOfSize(static_cast<size_t>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        RegexObject regex(std::chrono::minutes(1));
        regex.create(pattern, reply);
        for (const int group : {4, 1, 2, 3, 5, 6})
            benchmark::DoNotOptimize(regex.subMatchText(1, group));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
// Second argument: 1 for Chinese filler, 0 for ASCII; ignoring case costs Duktape far more on
// characters outside ASCII.
BENCHMARK(queryReply)
    ->ArgsProduct({{2 << 10, 1 << 20}, {1, 0}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// The same object used again: its engine is kept between creates.
void queryReplyReusingTheObject(benchmark::State &state)
{
    const std::string reply = replyOfSize(static_cast<size_t>(state.range(0)));
    RegexObject regex;
    for (auto _ : state) {
        regex.create(pattern, reply);
        for (const int group : {4, 1, 2, 3, 5, 6})
            benchmark::DoNotOptimize(regex.subMatchText(1, group));
    }
}
BENCHMARK(queryReplyReusingTheObject)->Arg(2 << 10)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The engine alone on the calling thread: what the worker thread hop adds is the difference.
void engineOnly(benchmark::State &state)
{
    const std::string reply = replyOfSize(static_cast<size_t>(state.range(0)));
    const regex::DecodedText subject = regex::decodeGbk(reply);
    const std::u16string pattern16 = regex::decodeGbk(pattern).units;
    regex::Engine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.execute(pattern16, subject.units, {}));
}
BENCHMARK(engineOnly)->Arg(2 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A trivial run, with and without the worker thread: the cost of the hop itself.
void trivialCreate(benchmark::State &state)
{
    RegexObject regex;
    for (auto _ : state)
        benchmark::DoNotOptimize(regex.create("a", "a"));
}
BENCHMARK(trivialCreate)->Unit(benchmark::kMicrosecond)->UseRealTime();

void trivialEngine(benchmark::State &state)
{
    regex::Engine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.execute(u"a", u"a", {}));
}
BENCHMARK(trivialEngine)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Group positions rerun a rewritten pattern on an engine of its own.
void groupPosition(benchmark::State &state)
{
    const std::string reply = replyOfSize(static_cast<size_t>(state.range(0)));
    RegexObject regex;
    regex.create(pattern, reply);
    for (auto _ : state) {
        int position = 0;
        benchmark::DoNotOptimize(regex.subMatchText(1, 6, &position));
    }
}
BENCHMARK(groupPosition)->Arg(2 << 10)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace ftq
