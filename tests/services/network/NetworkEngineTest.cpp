#include "NetworkTestSupport.h"

#include "platform/net/UdpSocket.h"
#include "services/network/NetworkEngine.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
void UpdateAll(std::initializer_list<NetworkEngine*> engines)
{
    for (NetworkEngine* engine : engines)
        engine->Update(0.016f);
}

bool Connected(const NetworkEngine& engine) { return engine.GetClient() && engine.GetClient()->IsConnected(); }

// The players the host's server has counted against its limit.
size_t Counted(const NetworkEngine& host) { return host.GetServer() ? host.GetServer()->GetAcceptedCount() : 0; }

// A client hears it is accepted before its server has decided: runs both until the server has
// counted the player or the player has heard a refusal, so that a late refusal is seen too.
bool CountedAndConnected(NetworkEngine& player, NetworkEngine& host, size_t players)
{
    PumpUntil([&] { return Counted(host) == players || !Connected(player); }, [&] { UpdateAll({&host, &player}); });
    return Counted(host) == players && Connected(player);
}
} // namespace

TEST(NetworkEngine, HostedServerIsFoundAndItsHostJoinsOverLoopback)
{
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkPlayer pilot;
    pilot.SetName("A pilot whose name is longer than thirty-one characters");
    const uint8_t level = 7;
    pilot.SetLevel(level);
    host.SetLocalPlayer(pilot);
    NetworkGameInfo game = MakeGame("Nebula", 4);
    ASSERT_TRUE(host.CreateServer(&game));
    const NetworkPlayer* local = host.GetClient()->GetLocalPlayer();
    ASSERT_NE(local, nullptr);
    EXPECT_STREQ(local->GetName(), "A pilot whose name is longer th");
    EXPECT_EQ(local->GetLevel(), 7);
    EXPECT_EQ(local->GetPortrait(), 1);

    // The host's client went to this machine and wrote where into the caller's record,
    // while its own copy keeps the empty address.
    EXPECT_STREQ(game.address, "127.0.0.1");
    EXPECT_EQ(game.port, port);
    ASSERT_NE(host.GetServerInfo(), nullptr);
    EXPECT_STREQ(host.GetServerInfo()->address, "");
    EXPECT_TRUE(PumpUntil([&] { return Connected(host); }, [&] { UpdateAll({&host}); }));

    NetworkEngine searcher(nullptr, TestEndpoints(port));
    const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, [&] { UpdateAll({&host}); });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].header, 1u);
    EXPECT_STREQ(found[0].name, "Nebula");
    EXPECT_STREQ(found[0].text, "Asteroids");
    EXPECT_STREQ(found[0].address, "127.0.0.1");
    EXPECT_EQ(found[0].port, port);
    EXPECT_EQ(found[0].maxPlayers, 4);
    EXPECT_EQ(found[0].fragLimit, 10);
    EXPECT_EQ(found[0].timeLimit, 600);
    EXPECT_EQ(found[0].extra, 1u);
    EXPECT_EQ(found[0].status, NETWORK_SERVER_STATE_OPEN);
    EXPECT_TRUE(Connected(host)) << "the host's client stays connected while others search";
}

TEST(NetworkEngine, PlayerJoinsAndLeavingFreesTheSlot)
{
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Duel", 2); // the host and one more
    ASSERT_TRUE(host.CreateServer(&game));
    ASSERT_TRUE(PumpUntil([&] { return Connected(host) && Counted(host) == 1; }, [&] { UpdateAll({&host}); }));

    NetworkGameInfo target = game; // 127.0.0.1 and the port, as the host's client wrote them
    for (int round = 0; round < 2; ++round)
    {
        NetworkEngine player(nullptr, TestEndpoints(port));
        ASSERT_TRUE(player.CreateClient(&target));
        ASSERT_TRUE(PumpUntil([&] { return Connected(player); },
                              [&] {
                                  UpdateAll({&host, &player});
                              }))
            << "round " << round;
        EXPECT_EQ(player.GetServerInfo()->port, port);
        EXPECT_TRUE(CountedAndConnected(player, host, 2)) << "round " << round;
        // Leaving says goodbye, so the server frees the slot now rather than at its time-out and
        // the next player gets it instead of being told the server is full.
        player.CloseClient();
        EXPECT_EQ(player.GetClient(), nullptr);
        EXPECT_EQ(player.GetServerInfo(), nullptr);
        EXPECT_TRUE(PumpUntil([&] { return Counted(host) == 1; }, [&] { UpdateAll({&host}); })) << "round " << round;
    }
    EXPECT_TRUE(Connected(host));
}

TEST(NetworkEngine, FullServerRefusesAndTheRefusedClientIsClosed)
{
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Solo", 1); // the host's own client fills it
    ASSERT_TRUE(host.CreateServer(&game));
    ASSERT_TRUE(PumpUntil([&] { return Connected(host); }, [&] { UpdateAll({&host}); }));

    TestLog::Clear();
    NetworkEngine player(nullptr, TestEndpoints(port));
    ASSERT_TRUE(player.CreateClient(&game));
    EXPECT_TRUE(PumpUntil([&] { return player.GetClient() == nullptr; }, [&] { UpdateAll({&host, &player}); }));
    EXPECT_TRUE(TestLog::Contains("Client: Server is full!"));
    EXPECT_TRUE(Connected(host));
}

TEST(NetworkEngine, ClosingTheServerClosesItsPlayers)
{
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Short", 4);
    ASSERT_TRUE(host.CreateServer(&game));
    NetworkEngine player(nullptr, TestEndpoints(port));
    ASSERT_TRUE(player.CreateClient(&game));
    ASSERT_TRUE(PumpUntil([&] { return Connected(host) && Connected(player); }, [&] { UpdateAll({&host, &player}); }));

    TestLog::Clear();
    host.CloseServer();
    EXPECT_TRUE(PumpUntil([&] { return player.GetClient() == nullptr; }, [&] { UpdateAll({&host, &player}); }));
    EXPECT_TRUE(TestLog::Contains("Client: Server is closed!"));
}

TEST(NetworkEngine, FailedConnectionsCloseTheClient)
{
    const uint16_t port = FreePort(); // nobody listens here
    NetworkEngine player(nullptr, TestEndpoints(port, 300));
    const struct
    {
        const char* address;
        uint16_t port;
        bool starts;
    } cases[] = {
        {"127.0.0.1", port, true},  // times out
        {"999.1.2.3", port, false}, // not an address
        {"127.0.0.1", 0, false},    // no port
    };
    for (const auto& test : cases)
    {
        NetworkGameInfo target = MakeGame("", 4);
        std::strcpy(target.address, test.address);
        target.port = test.port;
        TestLog::Clear();
        EXPECT_EQ(player.CreateClient(&target), test.starts) << test.address;
        ASSERT_NE(player.GetClient(), nullptr);
        EXPECT_TRUE(PumpUntil([&] { return player.GetClient() == nullptr; }, [&] { UpdateAll({&player}); }))
            << test.address;
        EXPECT_TRUE(TestLog::Contains(test.starts ? "Client: cannot connect to server!" : "Cannot connect to server!"))
            << test.address;
    }
}

TEST(NetworkEngine, BusyPortIsReportedAndTheGameGoesOn)
{
    const uint16_t port = FreePort();
    auto squatter = UdpSocket::Open(port, false, nullptr);
    ASSERT_NE(squatter, nullptr);

    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo game = MakeGame("Blocked", 4);
    TestLog::Clear();
    EXPECT_FALSE(host.CreateServer(&game));
    EXPECT_TRUE(TestLog::Contains("Cannot create server. Maybe your port is used by another application!"));
    // No client was sent to whatever owns the port.
    EXPECT_EQ(host.GetClient(), nullptr);
    EXPECT_EQ(host.GetServerInfo(), nullptr);
    host.Update(0.016f);

    squatter.reset();
    EXPECT_TRUE(host.CreateServer(&game));
    EXPECT_TRUE(PumpUntil([&] { return Connected(host); }, [&] { UpdateAll({&host}); }));
}

TEST(NetworkEngine, CreatingAgainReplacesTheOldServerAndClient)
{
    const uint16_t port = FreePort();
    NetworkEngine host(nullptr, TestEndpoints(port));
    NetworkGameInfo first = MakeGame("First", 4);
    ASSERT_TRUE(host.CreateServer(&first));
    ASSERT_TRUE(PumpUntil([&] { return Connected(host); }, [&] { UpdateAll({&host}); }));

    // The old server is closed first, so the port is free for the new one.
    NetworkGameInfo second = MakeGame("Second", 4);
    ASSERT_TRUE(host.CreateServer(&second));
    ASSERT_TRUE(PumpUntil([&] { return Connected(host); }, [&] { UpdateAll({&host}); }));

    NetworkEngine searcher(nullptr, TestEndpoints(port));
    const std::vector<NetworkGameInfo> found = SearchWhilePumping(searcher, [&] { UpdateAll({&host}); });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_STREQ(found[0].name, "Second");
}
