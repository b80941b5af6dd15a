#include "raw_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

RawServer::RawServer(std::string reply, Mode mode) : m_reply(std::move(reply)), m_mode(mode)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
        ::listen(m_listener, 8) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        throw std::runtime_error("raw server: no socket on 127.0.0.1");
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

RawServer::~RawServer()
{
    m_stopping = true;
    m_thread.join();
    ::close(m_listener);
}

std::string RawServer::url(const std::string &path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> RawServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

int RawServer::connections() const
{
    std::lock_guard lock(m_mutex);
    return m_connections;
}

bool RawServer::waitForRequests(size_t count, std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return m_requests.size() >= count; });
}

bool RawServer::waitForClientClose(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [this] { return m_clientClosed; });
}

void RawServer::serve()
{
    while (!m_stopping) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 20) <= 0)
            continue;
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection < 0)
            continue;
        {
            std::lock_guard lock(m_mutex);
            ++m_connections;
        }
        handle(connection);
        ::close(connection);
    }
}

void RawServer::handle(int connection)
{
    while (answer(connection) && m_mode == Mode::KeepAlive) {
    }
}

// Reads one request and answers it; false when the connection ended first.
bool RawServer::answer(int connection)
{
    std::string request;
    size_t wanted = std::string::npos; // the whole request's size, once its headers are in
    char buffer[4096];
    while (!m_stopping && request.size() != wanted) {
        pollfd readable{connection, POLLIN, 0};
        if (::poll(&readable, 1, 20) <= 0)
            continue;
        const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0)
            break;
        request.append(buffer, static_cast<size_t>(count));
        const size_t end = request.find("\r\n\r\n");
        if (wanted == std::string::npos && end != std::string::npos) {
            size_t bodySize = 0;
            const size_t field = request.find("\r\nContent-Length: ");
            if (field != std::string::npos && field < end)
                bodySize = std::strtoul(request.c_str() + field + 18, nullptr, 10);
            wanted = end + 4 + bodySize;
        }
    }
    if (request.empty())
        return false;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }
    m_changed.notify_all();

    if (m_mode != Mode::Stall) {
        ::send(connection, m_reply.data(), m_reply.size(), MSG_NOSIGNAL);
        return request.size() == wanted;
    }
    while (!m_stopping) {
        pollfd readable{connection, POLLIN, 0};
        if (::poll(&readable, 1, 20) <= 0)
            continue;
        if (::recv(connection, buffer, sizeof buffer, 0) <= 0)
            break;
    }
    std::lock_guard lock(m_mutex);
    m_clientClosed = !m_stopping;
    m_changed.notify_all();
    return false;
}
