// The request routine on loopback: a small round trip against a fresh curl handle on a fresh
// thread, the throughput of a large body, and the CPU spent while waiting for a stalled server.
#include "web/web_request.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <ctime>
#include <thread>

namespace {

// Kept alive between requests, as the service's server would.
class BenchServer
{
public:
    BenchServer()
    {
        m_server.Get("/1k", [](const httplib::Request &, httplib::Response &res) {
            res.set_content(std::string(1024, 'k'), "text/plain");
        });
        m_server.Get("/10m", [](const httplib::Request &, httplib::Response &res) {
            res.set_content(std::string(10 * 1024 * 1024, 'm'), "application/octet-stream");
        });
        m_server.set_tcp_nodelay(true); // as a production server would; else Nagle adds 40 ms
        m_server.set_keep_alive_max_count(1000000);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~BenchServer()
    {
        m_server.stop();
        m_thread.join();
    }
    std::string url(const char *path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};

BenchServer &server()
{
    static BenchServer instance;
    return instance;
}

size_t discard(char *, size_t, size_t size, void *)
{
    return size;
}

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A listener that accepts and never answers.
class StalledServer
{
public:
    StalledServer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length);
        ::listen(m_listener, 8); // the kernel completes the connection; nobody reads it
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
        m_port = ntohs(address.sin_port);
    }
    ~StalledServer() { ::close(m_listener); }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/stall"; }

private:
    int m_listener = -1;
    int m_port = 0;
};

// CPU during a 5 s wait, per second waited: of the waiting thread, and of the whole process
// (the worker inside curl included). Arg 1: the waiting thread runs a Qt event loop, as the GUI
// thread does; arg 0: a thread without one.
void stalledWaitCpu(benchmark::State &state)
{
    const bool eventLoop = state.range(0) == 1;
    StalledServer stalled;
    double waiterCpu = 0;
    double processCpu = 0;
    for (auto _ : state) {
        const auto wait = [&] {
            std::string url = stalled.url();
            ftq::WebRequestOptions options;
            options.timeoutSeconds = 5;
            const double threadBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
            const double processBefore = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
            benchmark::DoNotOptimize(ftq::webRequest(url, options));
            waiterCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - threadBefore;
            processCpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processBefore;
        };
        if (eventLoop)
            wait();
        else
            std::thread(wait).join();
    }
    state.counters["waiter_cpu_ms_per_s"] = waiterCpu * 1000.0 / 5.0;
    state.counters["process_cpu_ms_per_s"] = processCpu * 1000.0 / 5.0;
}
BENCHMARK(stalledWaitCpu)->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void webRequest1K(benchmark::State &state)
{
    const std::string target = server().url("/1k");
    for (auto _ : state) {
        std::string url = target;
        benchmark::DoNotOptimize(ftq::webRequest(url));
    }
}
BENCHMARK(webRequest1K)->UseRealTime()->Unit(benchmark::kMicrosecond);

// A raw libcurl request as a caller without shared state would make it.
void fetchWithFreshHandleInFreshThread(const std::string &url)
{
    std::thread([&] {
        CURL *handle = curl_easy_init();
        curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
        curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, discard);
        curl_easy_perform(handle);
        curl_easy_cleanup(handle);
    }).join();
}

void freshCurlHandleInFreshThread1K(benchmark::State &state)
{
    const std::string target = server().url("/1k");
    for (auto _ : state)
        fetchWithFreshHandleInFreshThread(target);
}
BENCHMARK(freshCurlHandleInFreshThread1K)->UseRealTime()->Unit(benchmark::kMicrosecond);

void freshCurlHandleInFreshThread10M(benchmark::State &state)
{
    const std::string target = server().url("/10m");
    for (auto _ : state)
        fetchWithFreshHandleInFreshThread(target);
    state.SetBytesProcessed(state.iterations() * 10 * 1024 * 1024);
}
BENCHMARK(freshCurlHandleInFreshThread10M)->UseRealTime()->Unit(benchmark::kMillisecond);

void webRequest10M(benchmark::State &state)
{
    const std::string target = server().url("/10m");
    for (auto _ : state) {
        std::string url = target;
        benchmark::DoNotOptimize(ftq::webRequest(url));
    }
    state.SetBytesProcessed(state.iterations() * 10 * 1024 * 1024);
}
BENCHMARK(webRequest10M)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc,
                         argv); // the calling thread waits in an event loop, as the GUI's does
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
