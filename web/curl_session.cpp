#include "web/curl_session.h"

#include <array>
#include <mutex>
#include <string>
#include <vector>

namespace ftq {

namespace {

// Idle handles kept per kind: enough for a call nested in another, few enough to hold little.
constexpr size_t poolSize = 4;

struct Session
{
    CURLSH *share = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
    std::mutex poolMutex;
    std::vector<CURL *> automaticPool;
    std::vector<CURL *> suppressedPool;

    std::vector<CURL *> &pool(CookieUse use)
    {
        return use == CookieUse::Automatic ? automaticPool : suppressedPool;
    }
};

void lockData(CURL *, curl_lock_data data, curl_lock_access, void *session)
{
    static_cast<Session *>(session)->locks[static_cast<size_t>(data)].lock();
}

void unlockData(CURL *, curl_lock_data data, void *session)
{
    static_cast<Session *>(session)->locks[static_cast<size_t>(data)].unlock();
}

// Made once, thread-safely, and never destroyed: a worker abandoned at its deadline may still be
// inside curl while the process exits.
Session &session()
{
    static Session *const instance = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        auto *s = new Session;
        s->share = curl_share_init();
        curl_share_setopt(s->share, CURLSHOPT_LOCKFUNC, lockData);
        curl_share_setopt(s->share, CURLSHOPT_UNLOCKFUNC, unlockData);
        curl_share_setopt(s->share, CURLSHOPT_USERDATA, s);
        curl_share_setopt(s->share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        curl_share_setopt(s->share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
        curl_share_setopt(s->share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
        // Not CURL_LOCK_DATA_CONNECT: curl does not support a shared connection cache across
        // concurrent threads, and nested calls run workers at once. Pooled handles keep their
        // own connections instead.
        return s;
    }();
    return *instance;
}

} // namespace

CURL *takeHandle(CookieUse use, bool &fresh)
{
    Session &s = session();
    CURL *handle = nullptr;
    {
        std::lock_guard lock(s.poolMutex);
        std::vector<CURL *> &pool = s.pool(use);
        if (!pool.empty()) {
            handle = pool.back();
            pool.pop_back();
        }
    }
    fresh = handle == nullptr;
    if (fresh) {
        handle = curl_easy_init();
        if (handle)
            curl_easy_setopt(handle, CURLOPT_SHARE, s.share);
    }
    return handle;
}

void returnHandle(CURL *handle, CookieUse use)
{
    Session &s = session();
    {
        std::lock_guard lock(s.poolMutex);
        std::vector<CURL *> &pool = s.pool(use);
        if (pool.size() < poolSize) {
            pool.push_back(handle);
            return;
        }
    }
    curl_easy_cleanup(handle);
}

void storeCookie(std::string_view host, std::string_view name, std::string_view data)
{
    Session &s = session();
    CURL *handle = curl_easy_init();
    if (!handle)
        return;
    curl_easy_setopt(handle, CURLOPT_SHARE, s.share);
    // The domain named last wins over one the cookie names itself, as the store is asked to keep
    // the cookie for the host that was requested.
    std::string line = "Set-Cookie: ";
    line += name;
    line += '=';
    line += data;
    line += "; domain=";
    line += host;
    curl_easy_setopt(handle, CURLOPT_COOKIELIST, line.c_str());
    curl_easy_cleanup(handle);
}

} // namespace ftq
