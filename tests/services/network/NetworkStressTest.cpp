#include "NetworkTestSupport.h"

#include "platform/net/NetHost.h"
#include "platform/net/UdpSocket.h"
#include "services/network/NetworkDiscovery.h"
#include "services/network/NetworkEngine.h"
#include "services/network/NetworkProtocol.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {
long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

std::vector<uint8_t> RandomBytes(std::mt19937& random, size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    return bytes;
}

// Garbage of every shape: random bytes, cut and stretched discovery pings, oversized datagrams.
std::vector<uint8_t> Garbage(std::mt19937& random, int i)
{
    const std::vector<uint8_t> ping = NetworkDiscovery::MakePing(static_cast<uint64_t>(i));
    switch (i % 5)
    {
    case 0: return std::vector<uint8_t>(ping.begin(), ping.begin() + random() % ping.size());
    case 1:
    {
        std::vector<uint8_t> longer = ping;
        longer.resize(ping.size() + 1 + random() % 64, 0);
        return longer;
    }
    case 2: return RandomBytes(random, 5000 + random() % 3000); // larger than any protocol buffer
    default: return RandomBytes(random, random() % 200);
    }
}

void Flood(UdpSocket& from, const NetAddress& to, std::mt19937& random, int count, const std::function<void()>& pump)
{
    for (int i = 0; i < count; ++i)
    {
        const std::vector<uint8_t> datagram = Garbage(random, i);
        from.SendTo(to, datagram.data(), datagram.size(), nullptr);
        if (i % 50 == 0)
            pump();
    }
}

// Sends packets of random sizes over an open connection.
void SendPackets(NetHost& sender, size_t peer, std::mt19937& random, int count, const std::function<void()>& pump)
{
    NetEvent event;
    for (int i = 0; i < count; ++i)
    {
        const std::vector<uint8_t> packet = RandomBytes(random, random() % 300);
        sender.Send(peer, packet.data(), packet.size());
        if (i % 20 == 0)
        {
            while (sender.Service(event, 0) > 0)
            {}
            pump();
        }
    }
}
// A peer of our own that joins the host's server, to throw packets at it; null when it cannot.
std::unique_ptr<NetHost> JoinAsRawPeer(NetworkEngine& host, uint16_t port, size_t& serverPeer)
{
    auto peer = NetHost::Open(1, nullptr);
    if (!peer || !peer->Connect({"127.0.0.1", port}, 3000, &serverPeer, nullptr))
        return nullptr;
    NetEvent event;
    bool in = false;
    const bool joined = PumpUntil([&] { return in; },
                                  [&] {
                                      host.Update(0.016f);
                                      while (peer->Service(event, 0) > 0)
                                          in |= event.type == NetEventType::Connect;
                                  });
    return joined ? std::move(peer) : nullptr;
}
} // namespace

TEST(NetworkStress, ServerAndClientSurviveGarbageWithBoundedMemory)
{
    std::mt19937 random(1234);
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Target", 8);
    ASSERT_TRUE(host.CreateServer(&game));
    auto hostConnected = [&] { return host.GetClient() && host.GetClient()->IsConnected(); };
    ASSERT_TRUE(PumpUntil(hostConnected, [&] { host.Update(0.016f); }));

    // A rogue server that the client joins, to throw packets at the client.
    const uint16_t roguePort = FreePort();
    auto rogue = NetHost::Listen(roguePort, 2, nullptr);
    ASSERT_NE(rogue, nullptr);
    NetworkEngine player(nullptr, TestEndpoints(roguePort));
    NetworkGameInfo rogueGame = MakeGame("", 2);
    ASSERT_TRUE(player.CreateClient(&rogueGame));
    NetEvent event;
    size_t victim = 0;
    NetAddress victimAddress;
    ASSERT_TRUE(PumpUntil(
        [&] { return player.GetClient() && player.GetClient()->IsConnected() && !victimAddress.host.empty(); },
        [&] {
            player.Update(0.016f);
            while (rogue->Service(event, 0) > 0)
                if (event.type == NetEventType::Connect)
                {
                    victim = event.peer;
                    victimAddress = event.from;
                }
        }));

    // A rogue player that joins the server, to throw packets at the server.
    size_t serverPeer = 0;
    std::unique_ptr<NetHost> attacker = JoinAsRawPeer(host, port, serverPeer);
    ASSERT_NE(attacker, nullptr);

    auto pumpAll = [&] {
        host.Update(0.016f);
        player.Update(0.016f);
        while (rogue->Service(event, 0) > 0)
        {}
    };
    auto raw = UdpSocket::Open(0, false, nullptr);
    ASSERT_NE(raw, nullptr);

    TestLog::Clear();
    const long before = ResidentKilobytes();
    for (int round = 0; round < 3; ++round)
    {
        Flood(*raw, {"127.0.0.1", port}, random, 1500, pumpAll);
        Flood(*raw, victimAddress, random, 1500, pumpAll);
        SendPackets(*attacker, serverPeer, random, 1000, pumpAll);
        SendPackets(*rogue, victim, random, 1000, pumpAll);
    }
    // A packet beyond what a peer may send stalls only the connection that sent it.
    const std::vector<uint8_t> huge = RandomBytes(random, NetworkProtocol::MaxPacketSize * 4);
    attacker->Send(serverPeer, huge.data(), huge.size());
    rogue->Send(victim, huge.data(), huge.size());
    for (int i = 0; i < 50; ++i)
    {
        while (attacker->Service(event, 0) > 0)
        {}
        pumpAll();
    }
    EXPECT_TRUE(TestLog::Contains("Server: recv")) << "the packets reached the server";
    const long grown = ResidentKilobytes() - before;
    EXPECT_LT(grown, 32 * 1024) << "resident memory grew by " << grown << " KiB";

    // Both still work: the host keeps its client, the server answers searches and takes players,
    // the client keeps its connection.
    EXPECT_TRUE(hostConnected());
    ASSERT_NE(player.GetClient(), nullptr);
    EXPECT_TRUE(player.GetClient()->IsConnected());

    NetworkEngine searcher(nullptr, TestEndpoints(port));
    const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, pumpAll);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_STREQ(found[0].name, "Target");

    NetworkEngine latecomer(nullptr, TestEndpoints(port));
    ASSERT_TRUE(latecomer.CreateClient(&game));
    EXPECT_TRUE(PumpUntil([&] { return latecomer.GetClient() && latecomer.GetClient()->IsConnected(); },
                          [&] {
                              pumpAll();
                              latecomer.Update(0.016f);
                          }));
}

TEST(NetworkStress, APlayerSendingTensOfThousandsOfPacketsLeavesTheServerFlat)
{
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Target", 8);
    ASSERT_TRUE(host.CreateServer(&game));
    size_t serverPeer = 0;
    std::unique_ptr<NetHost> attacker = JoinAsRawPeer(host, port, serverPeer);
    ASSERT_NE(attacker, nullptr);
    NetEvent event;

    // Every line the server logs also reaches the main console, which has no screen here.
    std::mt19937 random(99);
    auto pump = [&] { host.Update(0.016f); };
    TestLog::Clear();
    SendPackets(*attacker, serverPeer, random, 2000, pump); // warm up the buffers
    const long before = ResidentKilobytes();
    SendPackets(*attacker, serverPeer, random, 40000, pump);
    for (int i = 0; i < 50; ++i)
    {
        while (attacker->Service(event, 0) > 0)
        {}
        pump();
    }
    const long grown = ResidentKilobytes() - before;
    EXPECT_GT(TestLog::Count("Server: recv"), 0u);
    EXPECT_LT(TestLog::Count("Server: recv"), 100u);
    EXPECT_LT(grown, 2 * 1024) << "resident memory grew by " << grown << " KiB";
}
