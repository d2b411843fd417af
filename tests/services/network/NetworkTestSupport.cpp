#include "NetworkTestSupport.h"

#include "foundation/base/Dumper.h"
#include "platform/net/UdpSocket.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <mutex>
#include <thread>

namespace {
class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override
    {
        std::lock_guard guard(lock);
        lines.emplace_back(text);
    }
    void OnDump(eDumpEvent, const void*, unsigned) override {}

    std::mutex lock;
    std::vector<std::string> lines;
};

CaptureClient& Capture()
{
    // The log owns its clients and keeps this one for the whole run.
    static CaptureClient* client = [] {
        auto* created = new CaptureClient;
        Dumper::Instance().RegisterClient(created);
        return created;
    }();
    return *client;
}
} // namespace

uint16_t FreePort()
{
    auto socket = UdpSocket::Open(0, false, nullptr);
    return socket ? socket->LocalPort() : 0;
}

NetworkEndpoints TestEndpoints(uint16_t port, uint32_t connectTimeoutMs)
{
    NetworkEndpoints endpoints;
    endpoints.port = port;
    endpoints.broadcastAddress = "127.255.255.255";
    // Every test server has a port of its own: a search ends once each searched port has answered,
    // so its window only bounds a search that misses one, and no busy machine reaches it.
    endpoints.searchEndsOnceEveryPortAnswered = true;
    endpoints.searchWaitMs = SearchWindowMs;
    endpoints.connectTimeoutMs = connectTimeoutMs;
    return endpoints;
}

NetworkGameInfo MakeGame(const char* name, uint16_t maxPlayers)
{
    NetworkGameInfo info;
    std::snprintf(info.name, sizeof(info.name), "%s", name);
    std::snprintf(info.text, sizeof(info.text), "%s", "Asteroids");
    info.maxPlayers = maxPlayers;
    info.fragLimit = 10;
    info.timeLimit = 600;
    info.extra = 1;
    info.status = 1;
    return info;
}

bool PumpUntil(const std::function<bool()>& done, const std::function<void()>& step, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        step();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

std::vector<NetworkGameInfo> SearchWhilePumping(const NetworkEngine& searcher, const std::function<void()>& pump)
{
    std::vector<NetworkGameInfo> found;
    auto search = std::async(std::launch::async, [&] { searcher.FindServers(found); });
    while (search.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        pump();
    return found;
}

namespace TestLog {
void Clear()
{
    CaptureClient& capture = Capture();
    std::lock_guard guard(capture.lock);
    capture.lines.clear();
}

bool Contains(const std::string& text)
{
    CaptureClient& capture = Capture();
    std::lock_guard guard(capture.lock);
    for (const std::string& line : capture.lines)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

size_t Count(const std::string& text)
{
    CaptureClient& capture = Capture();
    std::lock_guard guard(capture.lock);
    size_t count = 0;
    for (const std::string& line : capture.lines)
        count += line.find(text) != std::string::npos;
    return count;
}
} // namespace TestLog
