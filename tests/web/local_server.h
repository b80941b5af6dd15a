#pragma once

#include <httplib.h>

#include <functional>
#include <string>
#include <thread>

// A real HTTP server on 127.0.0.1 with the routes `setup` gives it, for as long as it lives.
class LocalServer
{
public:
    explicit LocalServer(const std::function<void(httplib::Server &)> &setup)
    {
        setup(m_server);
        // One request a connection, so that stopping never waits for an idle keep-alive.
        m_server.set_keep_alive_max_count(1);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~LocalServer()
    {
        m_server.stop();
        m_thread.join();
    }

    std::string url(const std::string &path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};
