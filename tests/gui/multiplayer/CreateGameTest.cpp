// The create-game screen: the record a server starts with, and the way through the map and
// settings stages to the lobby.
#include "MultiplayerFixture.h"

#include "game/core/frames/GameFrameManager.h"
#include "gui/menus/GuiMultiplayerMissions.h"
#include "gui/multiplayer/GuiMultiplayerCreateGame.h"
#include "layers/FlashLayer.h"
#include "layers/widgets/GuiButtons.h"
#include "services/network/NetworkEngine.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

uint16_t U16(const std::vector<uint8_t>& bytes, size_t at) { return uint16_t(bytes[at] | bytes[at + 1] << 8); }

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

// Every byte of the record outside the named fields is zero.
void ExpectZeroBut(const std::vector<uint8_t>& bytes, std::initializer_list<std::pair<size_t, size_t>> fields)
{
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        bool named = false;
        for (const auto& field : fields)
            named = named || (i >= field.first && i < field.first + field.second);
        if (!named)
        {
            EXPECT_EQ(bytes[i], 0) << "byte " << i;
        }
    }
}

class CreateGameTest : public MultiplayerTest
{
protected:
    void SetUp() override
    {
        MultiplayerTest::SetUp();
        if (IsSkipped())
            return;
        Spy({"game_settings", "chat"});
        ASSERT_TRUE(Open("create_game"));
        _screen = Frame<GuiMultiplayerCreateGame>("create_game");
        ASSERT_NE(_screen, nullptr);
    }

    // The focus the settings movie was last told, or -1.
    int LastSlot(const LogWatch& since) const
    {
        int slot = -1;
        for (const std::string& call : Calls(since, "game_settings"))
        {
            if (call.rfind("SetActiveSlot(", 0) == 0)
                slot = std::atoi(call.c_str() + 14);
        }
        return slot;
    }

    GuiMultiplayerCreateGame* _screen = nullptr;
};

} // namespace

TEST(CreateGameRecord, NumbersOfTheMovieAreTruncatedAndHeldToTheRecord)
{
    struct Case
    {
        float players, frags, minutes;
        uint16_t maxPlayers, fragLimit, timeLimit;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {8.0f, 20.0f, 15.0f, 8, 20, 900},
        {7.9f, 10.5f, 15.5f, 7, 10, 930},
        {0.0f, 0.99f, 59.0f / 60.0f, 0, 0, 59},
        // What no record can carry: nothing below zero, nothing past its field.
        {-3.0f, nan, 2000.0f, 0, 0, 65535},
        {70000.0f, -0.5f, -1.0f, 65535, 0, 0},
    };
    for (const Case& test : cases)
    {
        const NetworkGameInfo info =
            GuiMultiplayerCreateGame::MakeGameInfo("Name", "Map", test.players, test.frags, test.minutes);
        EXPECT_EQ(info.maxPlayers, test.maxPlayers) << test.players;
        EXPECT_EQ(info.fragLimit, test.fragLimit) << test.frags;
        EXPECT_EQ(info.timeLimit, test.timeLimit) << test.minutes;
    }
}

TEST(CreateGameRecord, NamesAreCutToTheirFieldsOnWholeCharacters)
{
    // 15 two-byte characters are 30 bytes; the sixteenth would end past the 31 bytes the name holds.
    std::string name;
    for (int i = 0; i < 16; ++i)
        name += "\xC3\xA9";
    const std::string map(100, 'm');
    const NetworkGameInfo info = GuiMultiplayerCreateGame::MakeGameInfo(name.c_str(), map.c_str(), 8, 20, 15);
    EXPECT_EQ(std::string(info.name), name.substr(0, 30));
    EXPECT_EQ(std::string(info.text), map.substr(0, 63));
}

TEST_F(CreateGameTest, TheRecordCarriesTheNameMapAndSettingsAndTheLobbyShowsThem)
{
    LogWatch log;
    _screen->EventSelectRight(); // the second map
    _screen->EventSelectApply();
    EXPECT_EQ(_screen->GetStage(), GuiMultiplayerCreateGame::STAGE_SETTINGS);
    Type("Nebula");
    _screen->EventSelectDown(); // players: two fewer
    _screen->EventSelectLeft();
    _screen->EventSelectLeft();
    _screen->EventSelectDown(); // frags: a step more
    _screen->EventSelectRight();
    _screen->EventSelectApply(); // to the time limit, left as it is
    _screen->EventSelectApply(); // to the create button
    EXPECT_EQ(_screen->GetActiveSlot(), GuiMultiplayerCreateGame::SLOT_CREATE);
    Frames();
    EXPECT_TRUE(_screen->GetCreateButton()->GetLayer()->GetVisible());
    EXPECT_FALSE(_screen->GetMessage()->GetVisible());
    _screen->EventSelectApply();

    const NetworkGameInfo* info = Network()->GetServerInfo();
    ASSERT_NE(info, nullptr) << log.All();
    const std::vector<uint8_t> bytes = info->Serialize();
    ASSERT_EQ(bytes.size(), 136u);
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data() + 22), "Nebula");
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data() + 54), "Aldaron V");
    EXPECT_EQ(U16(bytes, 118), 6);   // players
    EXPECT_EQ(U16(bytes, 120), 0);   // none in yet
    EXPECT_EQ(U16(bytes, 122), 25);  // frags
    EXPECT_EQ(U16(bytes, 124), 900); // 15 minutes
    EXPECT_EQ(U32(bytes, 128), 1u);  // deathmatch
    ExpectZeroBut(bytes, {{22, 6}, {54, 9}, {118, 2}, {122, 4}, {128, 1}});

    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "multiplayer_team");
    EXPECT_TRUE(Called(log, "chat", "SetServerName('Nebula')"));
    EXPECT_TRUE(Called(log, "chat", "SetFragLimit(25)"));
    EXPECT_TRUE(Called(log, "chat", "SetTimeLimit(15)"));
    EXPECT_TRUE(RunUntilNetwork([&] { return Network()->GetClient() && Network()->GetClient()->IsConnected(); }));
}

TEST_F(CreateGameTest, WithoutANameTheFocusStaysOnTheNameAndNothingIsCreated)
{
    _screen->EventSelectApply();
    LogWatch log;
    for (int i = 0; i < 3; ++i)
    {
        _screen->EventSelectDown();
        _screen->EventSelectApply();
    }
    Frames();
    EXPECT_EQ(_screen->GetActiveSlot(), GuiMultiplayerCreateGame::SLOT_NAME);
    EXPECT_EQ(LastSlot(log), 1); // Apply only repeats the focus
    EXPECT_TRUE(_screen->GetMessage()->GetVisible());
    EXPECT_FALSE(_screen->GetCreateButton()->GetLayer()->GetVisible());
    EXPECT_EQ(Network()->GetServerInfo(), nullptr);
    EXPECT_STREQ(Current(), "create_game");
}

TEST_F(CreateGameTest, TheNameTakesSixteenCharactersTypedOnlyWhileItHasTheFocus)
{
    _screen->EventSelectApply();
    LogWatch log;
    _screen->ProceedKey(8); // backspace on nothing
    Type("`\r\t\x1b");      // never typed
    EXPECT_TRUE(Calls(log, "game_settings").empty());
    Type("abcdefghijklmnop");
    Type("q");
    EXPECT_STREQ(_screen->GetServerName(), "abcdefghijklmnop");
    EXPECT_EQ(Calls(log, "game_settings").size(), 16u);
    _screen->ProceedKey('A'); // only backspace edits
    _screen->ProceedKey(8);
    EXPECT_STREQ(_screen->GetServerName(), "abcdefghijklmno");
    EXPECT_EQ(Calls(log, "game_settings").back(), "SetServerName('abcdefghijklmno')");

    _screen->EventSelectDown(); // a setting has the focus: typing does nothing
    Type("xyz");
    _screen->ProceedKey(8);
    EXPECT_STREQ(_screen->GetServerName(), "abcdefghijklmno");
}

TEST_F(CreateGameTest, DeclineStepsBackFromTheCreateButtonToTheNameToTheMapsToTheMenu)
{
    _screen->EventSelectApply();
    Type("Orbit");
    for (int i = 0; i < 4; ++i)
        _screen->EventSelectDown();
    _screen->EventSelectApply(); // from the last setting to the create button
    ASSERT_EQ(_screen->GetActiveSlot(), GuiMultiplayerCreateGame::SLOT_CREATE);
    LogWatch log;
    _screen->EventSelectDecline();
    EXPECT_EQ(_screen->GetActiveSlot(), GuiMultiplayerCreateGame::SLOT_NAME);
    EXPECT_EQ(_screen->GetStage(), GuiMultiplayerCreateGame::STAGE_SETTINGS);
    EXPECT_EQ(LastSlot(log), 1);
    _screen->EventSelectDecline();
    EXPECT_EQ(_screen->GetStage(), GuiMultiplayerCreateGame::STAGE_MAP);
    Frames();
    EXPECT_FALSE(_screen->GetSettings()->GetVisible());
    EXPECT_TRUE(_screen->GetMapPreview()->GetVisible());
    _screen->EventSelectDecline();
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "multiplayer_menu");
    // A return starts afresh.
    ASSERT_TRUE(Open("create_game"));
    EXPECT_EQ(_screen->GetStage(), GuiMultiplayerCreateGame::STAGE_MAP);
    EXPECT_STREQ(_screen->GetServerName(), "");
    EXPECT_STREQ(_screen->GetMaps()->GetSelectedName(), "JunkSpace");
}

TEST_F(CreateGameTest, TheMapsMoveOneStepAtATime)
{
    _screen->EventSelectRight();
    _screen->EventSelectRight(); // still gliding
    Frames(10);
    EXPECT_STREQ(_screen->GetMaps()->GetSelectedName(), "Aldaron V");
    _screen->EventSelectRight();
    Frames(10);
    EXPECT_STREQ(_screen->GetMaps()->GetSelectedName(), "Kaldea III");
    _screen->EventSelectLeft();
    EXPECT_STREQ(_screen->GetMaps()->GetSelectedName(), "Aldaron V");
}
