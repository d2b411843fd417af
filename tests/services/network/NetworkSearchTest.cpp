#include "NetworkTestSupport.h"
#include "RemoteHost.h"

#include "platform/net/UdpSocket.h"
#include "services/network/NetworkDiscovery.h"
#include "services/network/NetworkProtocol.h"
#include "services/network/NetworkServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

namespace {
// Answers one ping as a server that is not open.
bool AnswerAsClosedServer(UdpSocket& socket)
{
    uint8_t buffer[NetworkProtocol::PingSize];
    const UdpSocket::Received received = socket.Receive(buffer, sizeof(buffer), 0);
    uint64_t stamp = 0;
    if (received.result != 1 || !NetworkDiscovery::ReadPing(buffer, received.size, stamp))
        return false;
    NetworkGameInfo info = MakeGame("Starting", 4);
    info.status = 3;
    const std::vector<uint8_t> pong = NetworkDiscovery::MakePong(stamp, info.Serialize());
    return socket.SendTo(received.from, pong.data(), pong.size(), nullptr);
}
} // namespace

TEST(NetworkSearch, ListsEveryOpenServerEvenAfterOneThatIsNotOpen)
{
    const uint16_t closedPort = FreePort();
    auto closedServer = UdpSocket::Open(closedPort, false, nullptr);
    ASSERT_NE(closedServer, nullptr);
    const uint16_t portOne = FreePort();
    const uint16_t portTwo = FreePort();
    NetworkServer one(TestEndpoints(portOne));
    NetworkServer two(TestEndpoints(portTwo));
    NetworkGameInfo gameOne = MakeGame("One", 4);
    NetworkGameInfo gameTwo = MakeGame("Two", 8);
    ASSERT_TRUE(one.Init(&gameOne));
    ASSERT_TRUE(two.Init(&gameTwo));

    NetworkEndpoints endpoints = TestEndpoints(portOne);
    endpoints.searchPorts = {closedPort, portOne, portTwo};
    NetworkEngine searcher(nullptr, endpoints);
    bool closedAnswered = false;
    TestLog::Clear();
    const auto start = std::chrono::steady_clock::now();
    const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, [&] {
        // The server that is not open answers first.
        if (!closedAnswered)
        {
            closedAnswered = AnswerAsClosedServer(*closedServer);
            return;
        }
        one.Update(0.016f);
        two.Update(0.016f);
    });
    const auto searched = std::chrono::steady_clock::now() - start;
    EXPECT_LT(searched, std::chrono::milliseconds(endpoints.searchWaitMs))
        << "the search ends once every port answered";
    ASSERT_TRUE(closedAnswered);
    EXPECT_TRUE(TestLog::Contains("Got information about server \"Starting\""));
    ASSERT_EQ(found.size(), 2u);
    std::set<std::pair<std::string, uint16_t>> servers;
    for (const NetworkGameInfo& info : found)
        servers.insert({info.name, info.port});
    EXPECT_EQ(servers, (std::set<std::pair<std::string, uint16_t>>{{"One", portOne}, {"Two", portTwo}}));
}

TEST(NetworkSearch, NoServerGivesAnEmptyList)
{
    NetworkEndpoints endpoints = TestEndpoints(FreePort());
    endpoints.searchWaitMs = 250; // nobody answers: the search takes its whole wait
    NetworkEngine searcher(nullptr, endpoints);
    std::vector<NetworkGameInfo> found(3);
    searcher.FindServers(&found, nullptr);
    EXPECT_TRUE(found.empty());
}

// The record tells searchers how many players are connected, and only once the timer runs out.
TEST(NetworkSearch, AdvertisementFollowsThePlayerCountOnlyWhenTheTimerRunsOut)
{
    const uint16_t port = FreePort();
    NetworkServer server(TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Timed", 4);
    ASSERT_TRUE(server.Init(&game));
    EXPECT_EQ(server.GetNetworkState(), NETWORK_SERVER_STATE_OPEN);

    NetworkEngine player(nullptr, TestEndpoints(port));
    ASSERT_TRUE(player.CreateClient(&game));
    ASSERT_TRUE(PumpUntil([&] { return player.GetClient()->IsConnected(); },
                          [&] {
                              server.Update(0.0f);
                              player.Update(0.0f);
                          }));
    NetworkEngine searcher(nullptr, TestEndpoints(port));
    auto advertisedPlayers = [&] {
        const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, [&] {
            server.Update(0.0f);
            player.Update(0.0f);
        });
        return found.size() == 1 ? int(found[0].currentPlayers) : -1;
    };

    server.Update(199.0f);
    EXPECT_EQ(advertisedPlayers(), 0);
    server.Update(1.0f);
    EXPECT_EQ(advertisedPlayers(), 1);
    EXPECT_EQ(server.GetGameInfo().currentPlayers, 1);

    // Past the open state the period is 3000 seconds.
    const NETWORK_SERVER_STATE advertised = NETWORK_SERVER_STATE_ADVERTISED;
    server.SetNetworkState(advertised);
    player.CloseClient();
    server.Update(2999.0f);
    EXPECT_EQ(advertisedPlayers(), 1);
    server.Update(1.0f);
    EXPECT_EQ(advertisedPlayers(), 0);
}

// A game hosted by another process: the game list counts its host's own player and each player
// who joins or leaves, once the advertisement's timer has run out (every four frames of the host).
TEST(NetworkSearch, TheGameListCountsTheConnectedPlayersOfAnotherProcess)
{
    const uint16_t port = FreePort();
    RemoteHost host(port, 50.0f);
    ASSERT_TRUE(host.Ready());
    NetworkEngine player(nullptr, TestEndpoints(port));
    NetworkEngine searcher(nullptr, TestEndpoints(port));
    auto advertises = [&](int players) {
        return PumpUntil(
            [&] {
                const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, [&] { player.Update(0.016f); });
                return found.size() == 1 && found[0].currentPlayers == players;
            },
            [&] { player.Update(0.016f); }, 10000);
    };
    EXPECT_TRUE(advertises(1)) << "the host's own player";
    NetworkGameInfo game = MakeGame("Remote", 4);
    ASSERT_TRUE(player.CreateClient(&game));
    ASSERT_TRUE(PumpUntil([&] { return player.GetClient() && player.GetClient()->IsConnected(); },
                          [&] { player.Update(0.016f); }));
    EXPECT_TRUE(advertises(2));
    player.CloseClient();
    EXPECT_TRUE(advertises(1));
}
