#include "NetworkTestSupport.h"

#include "platform/net/UdpSocket.h"
#include "services/network/NetworkDiscovery.h"
#include "services/network/NetworkProtocol.h"
#include "services/network/NetworkServer.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    NetworkEngine searcher(nullptr, TestEndpoints(FreePort()));
    std::vector<NetworkGameInfo> found(3);
    searcher.FindServers(&found, nullptr);
    EXPECT_TRUE(found.empty());
}

TEST(NetworkSearch, AdvertisementFollowsThePlayerCountOnlyWhenTheTimerRunsOut)
{
    const uint16_t port = FreePort();
    NetworkServer server(TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Timed", 4);
    ASSERT_TRUE(server.Init(&game));
    EXPECT_EQ(server.GetNetworkState(), NETWORK_SERVER_STATE_OPEN);

    NetworkPlayer player;
    server.GetPlayerList().push_back(&player);
    NetworkEngine searcher(nullptr, TestEndpoints(port));
    auto advertisedPlayers = [&] {
        const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, [&] { server.Update(0.0f); });
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
    server.GetPlayerList().clear();
    server.Update(2999.0f);
    EXPECT_EQ(advertisedPlayers(), 1);
    server.Update(1.0f);
    EXPECT_EQ(advertisedPlayers(), 0);
}
