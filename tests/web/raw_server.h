#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A server on 127.0.0.1 that records the exact bytes of each request and answers with fixed bytes,
// or never answers (a stalled server). One connection at a time; each is closed after its reply,
// or kept open for the next request.
class RawServer
{
public:
    enum class Mode { Answer, KeepAlive, Stall };

    explicit RawServer(std::string reply, Mode mode = Mode::Answer);
    ~RawServer();

    int port() const { return m_port; }
    std::string url(const std::string &path = "/") const;
    std::vector<std::string> requests() const;
    int connections() const;
    // Waits until `count` requests have come in, whole or cut short by the client.
    bool waitForRequests(size_t count, std::chrono::milliseconds limit);
    // Waits until a stalled connection has been closed by the client.
    bool waitForClientClose(std::chrono::milliseconds limit);

private:
    void serve();
    void handle(int connection);
    bool answer(int connection);

    std::string m_reply;
    Mode m_mode;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping = false;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_requests;
    bool m_clientClosed = false;
    int m_connections = 0;
    std::thread m_thread;
};
