#include "services/network/NetworkSearch.h"

#include "foundation/base/Dumper.h"
#include "platform/net/UdpSocket.h"
#include "services/network/NetworkDiscovery.h"
#include "services/network/NetworkProtocol.h"

#include <chrono>
#include <cstdio>
#include <set>
#include <string>

namespace {
uint64_t NowMs()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SendPing(UdpSocket& socket, const NetworkEndpoints& endpoints, uint16_t port, const std::vector<uint8_t>& ping)
{
    std::string error;
    if (socket.SendTo({endpoints.broadcastAddress, port}, ping.data(), ping.size(), &error))
        return;
    // A machine without a broadcast route can still find the servers it runs itself.
    Dumper::Instance().Print(DUMP_WARNING, "Cannot broadcast to %s:%u (%s), searching this machine only\n",
                             endpoints.broadcastAddress.c_str(), static_cast<unsigned>(port), error.c_str());
    if (!socket.SendTo({"127.0.0.1", port}, ping.data(), ping.size(), &error))
        Dumper::Instance().Print(DUMP_ERROR, "Cannot search for servers: %s\n", error.c_str());
}
} // namespace

void SearchServers(const NetworkEndpoints& endpoints, std::vector<NetworkGameInfo>& out)
{
    out.clear();
    std::string error;
    std::unique_ptr<UdpSocket> socket = UdpSocket::Open(0, true, &error);
    if (!socket)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Cannot search for servers: %s\n", error.c_str());
        return;
    }
    const std::vector<uint8_t> ping = NetworkDiscovery::MakePing(NowMs());
    const std::set<uint16_t> ports =
        endpoints.searchPorts.empty() ? std::set<uint16_t>{endpoints.port}
                                      : std::set<uint16_t>(endpoints.searchPorts.begin(), endpoints.searchPorts.end());
    for (uint16_t port : ports)
        SendPing(*socket, endpoints, port, ping);
    std::set<uint16_t> unanswered = ports;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(endpoints.searchWaitMs);
    uint8_t buffer[NetworkProtocol::PongSize + 1];
    for (int answers = 0; answers < NetworkProtocol::MaxSearchAnswers; ++answers)
    {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            break;
        const UdpSocket::Received received = socket->Receive(buffer, sizeof(buffer), static_cast<uint32_t>(left));
        if (received.result == 0)
            continue;
        if (received.result < 0)
        {
            Dumper::Instance().Print(DUMP_ERROR, "Server search failed while reading answers\n");
            break;
        }
        if (received.size == 0 || buffer[0] != NetworkProtocol::ID_PONG)
            continue;

        NetworkGameInfo info;
        if (received.truncated || !NetworkDiscovery::ReadPong(buffer, received.size, info, error))
        {
            Dumper::Instance().Print(DUMP_WARNING, "Ignoring a malformed server answer from %s:%u: %s\n",
                                     received.from.host.c_str(), static_cast<unsigned>(received.from.port),
                                     received.truncated ? "too long" : error.c_str());
            continue;
        }
        std::snprintf(info.address, sizeof(info.address), "%s", received.from.host.c_str());
        info.port = received.from.port;
        Dumper::Instance().Print(DUMP_INFO, "Got information about server \"%s\"(%s:%d). Server status: %d\n",
                                 info.name, info.address, static_cast<int>(info.port), static_cast<int>(info.status));
        unanswered.erase(info.port);
        // A server that is not open is skipped; the servers answering after it are still listed.
        if ((info.status == NETWORK_SERVER_STATE_OPEN || info.status == NETWORK_SERVER_STATE_ADVERTISED) &&
            out.size() < NetworkProtocol::MaxServersFound)
            out.push_back(info);
        if (endpoints.searchEndsOnceEveryPortAnswered && unanswered.empty())
            break;
    }
}
