// The lobby: the server's settings in the chat board, the players' rows, the chat line, and the
// ways out.
#include "MultiplayerFixture.h"

#include "game/core/frames/GameFrameManager.h"

#include "NetworkTestSupport.h"
#include "RemoteHost.h"

#include "gui/multiplayer/GuiMultiplayerTeam.h"
#include "platform/net/UdpSocket.h"
#include "gui/multiplayer/GuiMultiplayerTeamPlayer.h"
#include "gui/multiplayer/MultiplayerGame.h"
#include "services/network/NetworkEngine.h"

#include <memory>

namespace {

class LobbyTest : public MultiplayerTest
{
protected:
    void SetUp() override
    {
        MultiplayerTest::SetUp();
        if (IsSkipped())
            return;
        Spy({"chat", "mt_player"});
        _lobby = Frame<GuiMultiplayerTeam>("multiplayer_team");
        ASSERT_NE(_lobby, nullptr);
    }

    // Hosts a game of that time limit on this machine and opens the lobby on it (again).
    void Host(const char* name, uint16_t timeLimit)
    {
        NetworkGameInfo info = MakeGame(name, 8);
        info.fragLimit = 20;
        info.timeLimit = timeLimit;
        ASSERT_TRUE(Network()->CreateServer(&info));
        if (std::string(Current()) == "multiplayer_team")
            _frames->ReloadCurrentFrame();
        else
            ASSERT_TRUE(Open("multiplayer_team"));
    }

    GuiMultiplayerTeam* _lobby = nullptr;
};

} // namespace

TEST_F(LobbyTest, TheBoardShowsTheServerWithItsTimeLimitInWholeMinutes)
{
    const struct
    {
        uint16_t seconds;
        const char* minutes;
    } cases[] = {{900, "15"}, {59, "0"}, {61, "1"}};
    for (const auto& test : cases)
    {
        LogWatch log;
        Host("Orbit", test.seconds);
        const std::vector<std::string> shown = {"SetGameType('Deathmatch')", "SetServerName('Orbit')",
                                                "SetFragLimit(20)", std::string("SetTimeLimit(") + test.minutes + ")"};
        std::vector<std::string> calls = Calls(log, "chat");
        // After the five captions, in this order.
        ASSERT_GE(calls.size(), 9u) << log.All();
        EXPECT_EQ(std::vector<std::string>(calls.begin() + 5, calls.begin() + 9), shown) << test.seconds;
    }
}

TEST_F(LobbyTest, RowsShowTheClientsPlayersAndHideTheRest)
{
    Host("Orbit", 600);
    NetworkClient* client = Network()->GetClient();
    ASSERT_NE(client, nullptr);
    std::vector<std::unique_ptr<NetworkPlayer>> players;
    for (const char* name : {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus"})
    {
        players.push_back(std::make_unique<NetworkPlayer>());
        players.back()->SetName(name);
    }
    const struct
    {
        size_t count;
        std::vector<std::string> names; // of the six rows
        size_t shown;
    } cases[] = {
        {0, {"Unknown", "Unknown", "Unknown", "Unknown", "Unknown", "Unknown"}, 0},
        {3, {"Ann", "Bo", "Cy", "Unknown", "Unknown", "Unknown"}, 3},
        {7, {"Ann", "Bo", "Cy", "Di", "Ed", "Flo"}, 6},
    };
    for (const auto& test : cases)
    {
        client->GetPlayerList().clear();
        for (size_t i = 0; i < test.count; ++i)
            client->GetPlayerList().push_back(players[i].get());
        Frames();
        size_t shown = 0;
        for (int row = 0; row < GuiMultiplayerTeam::RowCount; ++row)
        {
            EXPECT_EQ(_lobby->GetRow(row)->GetName(), test.names[size_t(row)]) << test.count << " players, row " << row;
            shown += _lobby->GetRow(row)->IsVisible() ? 1 : 0;
        }
        EXPECT_EQ(shown, test.shown) << test.count << " players";
    }
    // Names go to the movie only when they change.
    LogWatch log;
    Frames(3);
    EXPECT_TRUE(Calls(log, "mt_player").empty());
    client->GetPlayerList().clear();
}

TEST_F(LobbyTest, TheChatLineTakesFiveHundredElevenCharacters)
{
    Host("Orbit", 600);
    LogWatch log;
    _lobby->ProceedKey(8);
    Type("`\r\t");
    EXPECT_TRUE(Calls(log, "chat").empty());
    Type(std::string(510, 'a'));
    Type("bc");
    EXPECT_EQ(std::string(_lobby->GetChatLine()), std::string(510, 'a') + "b");
    EXPECT_EQ(Calls(log, "chat").size(), 511u);
    _lobby->ProceedKey(8);
    EXPECT_EQ(Calls(log, "chat").back(), "ChangeChatMessage('" + std::string(510, 'a') + "')");
}

TEST_F(LobbyTest, DeclineLeavesTheGameForTheMultiplayerMenu)
{
    Host("Orbit", 600);
    ASSERT_NE(Network()->GetClient(), nullptr);
    _lobby->EventSelectDecline();
    EXPECT_EQ(Network()->GetClient(), nullptr);
    EXPECT_EQ(Network()->GetServerInfo(), nullptr);
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "multiplayer_menu");
    // The port is free again: a new game can be hosted on it.
    NetworkGameInfo info = MakeGame("Again", 4);
    EXPECT_TRUE(Network()->CreateServer(&info));
}

TEST_F(LobbyTest, WithoutAServerTheLobbySendsThePlayerBackToTheMenu)
{
    for (bool portTaken : {false, true})
    {
        // A game that could not be hosted leaves no server record, as does none at all.
        std::unique_ptr<UdpSocket> squatter;
        if (portTaken)
        {
            squatter = UdpSocket::Open(_port, false, nullptr);
            ASSERT_NE(squatter, nullptr);
            NetworkGameInfo info = MakeGame("Mine", 4);
            EXPECT_FALSE(Network()->CreateServer(&info));
        }
        LogWatch log;
        _frames->SetActive("multiplayer_team");
        ASSERT_TRUE(Settle());
        EXPECT_STREQ(Current(), "multiplayer_menu") << portTaken;
        EXPECT_EQ(log.Count("Cannot get server info"), 1) << portTaken;
    }
    // The game goes on.
    ASSERT_TRUE(Open("create_game"));
}

// A game joined on another process: when its server says goodbye, vanishes, or never answers the
// join, the engine closes the client and the lobby takes the player back to the menu, saying so
// once.
TEST_F(LobbyTest, LosingTheServerSendsThePlayerBackToTheMenu)
{
    enum Ending
    {
        GOODBYE,
        VANISHED,
        NO_ANSWER
    };
    for (Ending ending : {GOODBYE, VANISHED, NO_ANSWER})
    {
        // The client learns of a silent server only from the connection's time-out: a server that
        // says goodbye keeps the fixture's, one that vanishes gets ten seconds (longer than the
        // frames of a busy machine once the screens are loaded, short enough to wait for), and a
        // join nobody answers gives up within a second.
        const uint32_t timeoutMs[] = {JoinTimeoutMs, 10000, 1000};
        Network()->SetEndpoints(TestEndpoints(_port, timeoutMs[ending]));
        std::unique_ptr<RemoteHost> host;
        if (ending != NO_ANSWER)
        {
            host = std::make_unique<RemoteHost>(_port, FrameSeconds);
            ASSERT_TRUE(host->Ready()) << ending;
        }
        NetworkGameInfo game = MakeGame("Remote", 4); // no address: this machine, on the port
        ASSERT_TRUE(MultiplayerGame::Join(game)) << ending;
        LogWatch log;
        if (host)
        {
            ASSERT_TRUE(Open("multiplayer_team")) << ending;
            ASSERT_TRUE(RunUntilNetwork([&] {
                return Network()->GetClient() && Network()->GetClient()->IsConnected();
            })) << ending;
            if (ending == GOODBYE)
                host->Close();
            else
                host->Kill();
        }
        else
        {
            // The join gives up on the network library's own clock: on a busy machine before the
            // lobby has faded in, or even before it opened (it then has no server to show).
            _frames->SetActive("multiplayer_team");
        }
        const auto told = [&] {
            return log.Count("Lost the server") + (host ? 0 : log.Count("Cannot get server info"));
        };
        // The network's part runs on the real clock; the way back to the menu is a fade, stepped
        // frame by frame.
        ASSERT_TRUE(RunUntilNetwork([&] { return told() > 0; })) << ending;
        ASSERT_TRUE(Settle()) << ending;
        EXPECT_STREQ(Current(), "multiplayer_menu") << ending;
        EXPECT_EQ(told(), 1) << ending;
        EXPECT_EQ(Network()->GetClient(), nullptr) << ending;
    }
}
