// The multiplayer menu: its sections and buttons, the face carousel, the search that fills the
// game table, and joining a game found there; with a game created on this machine, the whole
// way from creating it to another pilot's lobby.
#include "MultiplayerFixture.h"

#include "NetworkTestSupport.h"

#include "game/core/frames/GameFrameManager.h"
#include "gui/multiplayer/GuiMultiplayerCreateGame.h"
#include "gui/multiplayer/GuiMultiplayerMenu.h"
#include "gui/multiplayer/GuiMultiplayerTable.h"
#include "layers/FlashLayer.h"
#include "layers/widgets/GuiButtons.h"
#include "services/network/NetworkEngine.h"

#include <atomic>
#include <thread>

namespace {

class MultiplayerMenuTest : public MultiplayerTest
{
protected:
    void SetUp() override
    {
        MultiplayerTest::SetUp();
        if (IsSkipped())
            return;
        Spy({"table_big", "chat", "buttonTitle"});
        ASSERT_TRUE(Open("multiplayer_menu"));
        _menu = Frame<GuiMultiplayerMenu>("multiplayer_menu");
        ASSERT_NE(_menu, nullptr);
    }

    // The search blocks this thread while the answers come in: the game's own server answers
    // from another.
    void SearchWhileTheServerRuns()
    {
        std::atomic<bool> searching{true};
        std::thread server([&] {
            while (searching)
            {
                Network()->Update(0.0f);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        _menu->ProceedKey(' ');
        searching = false;
        server.join();
    }

    GuiMultiplayerMenu* _menu = nullptr;
};

} // namespace

TEST_F(MultiplayerMenuTest, SectionsAndRowsWrapAround)
{
    using Event = void (GuiMultiplayerMenu::*)();
    const struct
    {
        std::vector<Event> events;
        int section, row;
    } cases[] = {
        {{&GuiMultiplayerMenu::EventSelectLeft}, GuiMultiplayerMenu::SECTION_CREATE, 0},
        {{&GuiMultiplayerMenu::EventSelectLeft, &GuiMultiplayerMenu::EventSelectRight},
         GuiMultiplayerMenu::SECTION_USER,
         0},
        {{&GuiMultiplayerMenu::EventSelectUp}, GuiMultiplayerMenu::SECTION_USER, 2},
        {{&GuiMultiplayerMenu::EventSelectUp, &GuiMultiplayerMenu::EventSelectDown,
          &GuiMultiplayerMenu::EventSelectDown},
         GuiMultiplayerMenu::SECTION_USER,
         1},
        // Changing the section starts at its first button.
        {{&GuiMultiplayerMenu::EventSelectDown, &GuiMultiplayerMenu::EventSelectRight},
         GuiMultiplayerMenu::SECTION_JOIN,
         0},
        {{&GuiMultiplayerMenu::EventSelectLeft, &GuiMultiplayerMenu::EventSelectUp},
         GuiMultiplayerMenu::SECTION_CREATE,
         3},
    };
    for (const auto& test : cases)
    {
        _frames->ReloadCurrentFrame();
        for (Event event : test.events)
            (_menu->*event)();
        EXPECT_EQ(_menu->GetSection(), test.section);
        EXPECT_EQ(_menu->GetRow(), test.row);
    }
    // Only the current section's buttons show, the chosen one selected.
    Frames();
    for (int section = 0; section < GuiMultiplayerMenu::SectionCount; ++section)
    {
        for (int row = 0; row < _menu->GetButtonCount(section); ++row)
            EXPECT_EQ(_menu->GetButton(section, row)->GetLayer()->GetVisible(),
                      section == GuiMultiplayerMenu::SECTION_CREATE)
                << section << " " << row;
    }
    EXPECT_FALSE(_menu->GetTable()->GetLayer()->GetVisible());
}

TEST_F(MultiplayerMenuTest, CreateLeadsToTheCreateScreenFromAnyGameType)
{
    _menu->EventSelectLeft();
    _menu->EventSelectDown();
    _menu->EventSelectDown();
    _menu->EventSelectApply();
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "create_game");
}

TEST_F(MultiplayerMenuTest, TheFaceCarouselTakesLeftRightAndDeclineUntilItCloses)
{
    _menu->EventSelectDown();
    _menu->EventSelectApply();
    ASSERT_TRUE(_menu->IsFaceMode());
    _menu->EventSelectRight();
    _menu->EventSelectUp();
    EXPECT_EQ(_menu->GetSection(), GuiMultiplayerMenu::SECTION_USER);
    EXPECT_EQ(_menu->GetRow(), 1);
    Frames();
    EXPECT_FALSE(_menu->GetHeader(GuiMultiplayerMenu::SECTION_JOIN)->GetLayer()->GetVisible());
    _menu->EventSelectDecline();
    EXPECT_FALSE(_menu->IsFaceMode());
    Frames();
    EXPECT_STREQ(Current(), "multiplayer_menu");
    EXPECT_TRUE(_menu->GetHeader(GuiMultiplayerMenu::SECTION_JOIN)->GetLayer()->GetVisible());
    _menu->EventSelectDecline();
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "main_menu");
}

TEST_F(MultiplayerMenuTest, AnEmptySearchShowsTheJoinSectionAndApplyThereDoesNothing)
{
    NetworkEndpoints endpoints = Network()->GetEndpoints();
    endpoints.searchWaitMs = 250; // nobody answers: the search takes its whole wait
    Network()->SetEndpoints(endpoints);
    LogWatch log;
    _menu->ProceedKey('x');
    EXPECT_EQ(_menu->GetSection(), GuiMultiplayerMenu::SECTION_USER);
    _menu->ProceedKey(' ');
    EXPECT_EQ(_menu->GetSection(), GuiMultiplayerMenu::SECTION_JOIN);
    EXPECT_TRUE(_menu->GetGames().empty());
    EXPECT_EQ(Calls(log, "table_big"), std::vector<std::string>{"Reset()"});
    EXPECT_EQ(_menu->GetTable()->GetSelectedMissionIndex(), -1);
    _menu->EventSelectApply();
    Frames();
    EXPECT_STREQ(Current(), "multiplayer_menu");
    EXPECT_EQ(Network()->GetClient(), nullptr);
    EXPECT_TRUE(_menu->GetTable()->GetLayer()->GetVisible());
}

TEST(MultiplayerTable, TheTypeColumnSaysTheCreatorsGameType)
{
    NetworkGameInfo info;
    const struct
    {
        uint32_t type;
        const char* text;
    } cases[] = {{1, "ui_multiplayer_btn_dm"}, {2, "ui_multiplayer_btn_ctf"}, {0, "-"}, {7, "-"}};
    for (const auto& test : cases)
    {
        info.extra = test.type;
        // The game is not started: texts show as their codes.
        EXPECT_STREQ(GuiMultiplayerMenu::GameTypeText(info), test.text) << test.type;
    }
}

TEST_F(MultiplayerMenuTest, AGameCreatedHereIsFoundJoinedAndItsNameShownInTheLobby)
{
    // The host creates the game and enters its lobby.
    ASSERT_TRUE(Open("create_game"));
    auto* create = Frame<GuiMultiplayerCreateGame>("create_game");
    create->EventSelectApply();
    Type("Host game");
    for (int i = 0; i < 4; ++i)
        create->EventSelectDown();
    create->EventSelectApply();
    create->EventSelectApply();
    ASSERT_TRUE(Settle());
    ASSERT_STREQ(Current(), "multiplayer_team");
    ASSERT_TRUE(RunUntilNetwork([&] { return Network()->GetClient() && Network()->GetClient()->IsConnected(); }));

    // Back in the menu with the game still open, a search finds it.
    ASSERT_TRUE(Open("multiplayer_menu"));
    LogWatch log;
    SearchWhileTheServerRuns();
    ASSERT_EQ(_menu->GetGames().size(), 1u) << log.All();
    const NetworkGameInfo& found = _menu->GetGames()[0];
    EXPECT_STREQ(found.name, "Host game");
    EXPECT_STREQ(found.address, "127.0.0.1");
    EXPECT_EQ(found.port, _port);
    EXPECT_TRUE(Called(log, "table_big", "AddMission('Host game','JunkSpace','Deathmatch','0','8')")) << log.All();

    // Joining it.
    EXPECT_EQ(_menu->GetTable()->GetSelectedMissionIndex(), 0);
    _menu->EventSelectApply();
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "multiplayer_team");
    EXPECT_TRUE(Called(log, "chat", "SetServerName('Host game')"));
    EXPECT_TRUE(RunUntilNetwork([&] { return Network()->GetClient() && Network()->GetClient()->IsConnected(); }));
    EXPECT_STREQ(Network()->GetServerInfo()->address, "127.0.0.1");
}
