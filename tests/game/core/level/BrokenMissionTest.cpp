// A mission whose level, description or logic file does not load ends with a logged error and
// gives the menus back, the main menu for a mission named on the command line and the mission
// selection for one chosen in the menus; the process goes on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CoreTestSupport.h"
#include "WorldTestSupport.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/catalogue/LevelDesc.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "game/world/actor/Actor.h"
#include "game/world/environment/Track.h"
#include "scene/nodes/Model.h"

namespace {

constexpr float FrameSeconds = 1.0f / 30.0f;

// The three files of a mission that loads.
const std::string GoodLevel = "Level.obj_player = { classname = \"player\" }\n";
const std::string GoodDesc = "LevelDesc.Background = { env = \"space\" }\n";
const std::string GoodLogic = "LevelLogic.Trigger1 = { name = \"t\" }\n";

class BrokenMission : public testing::Test
{
protected:
    static void SetUpTestSuite() { _game = new StartedGame(); }
    static void TearDownTestSuite()
    {
        delete _game;
        _game = nullptr;
    }
    void SetUp() override
    {
        if (!_game->Started())
            GTEST_SKIP() << "no display: " << _game->Error();
    }

    static void Write(const std::string& level, const std::string& desc, const std::string& logic)
    {
        _game->Data().WriteLevel("test.lua", level);
        _game->Data().WriteLevel("test_desc.lua", desc);
        _game->Data().WriteLevel("test_logic.lua", logic);
    }

    // Runs the frames until `name` is the current frame and its fade has ended.
    bool RunUntil(const char* name, int limit = 600)
    {
        GameFrameManager* frames = game.GetGameFrameManager();
        for (int i = 0; i < limit; ++i)
        {
            const GameFrame* current = frames->GetCurrent();
            if (current && std::strcmp(current->GetName(), name) == 0 &&
                frames->GetStatus() == GameFrameManager::FADE_NONE)
                return true;
            _clock.Tick(FrameSeconds);
            frames->Proceed(FrameSeconds);
        }
        return false;
    }

    // Runs the frames until the mission has loaded; false when it does not within the limit.
    bool RunUntilLoaded(int limit = 600)
    {
        SingleLevel* level = game.GetLevel();
        if (!RunUntil("level"))
            return false;
        for (int i = 0; i < limit && !level->IsLoaded(); ++i)
        {
            _clock.Tick(FrameSeconds);
            game.GetGameFrameManager()->Proceed(FrameSeconds);
        }
        return level->IsLoaded();
    }

    static StartedGame* _game;
    FrameClock _clock;
};

StartedGame* BrokenMission::_game = nullptr;

} // namespace

TEST_F(BrokenMission, AFileThatDoesNotLoadEndsTheMissionWithTheMainMenuBack)
{
    struct Fault
    {
        const char* what;
        std::string text;
    };
    const Fault faults[] = {
        {"a syntax error", "Level.obj_player = {\n"},
        {"a run-time error", "x = NULL .. 1\n"},
        {"a script that runs away", "while true do end\n"},
        {"a script that takes too much memory", "local s = \"x\" for i = 1, 40 do s = s .. s end\n"},
    };
    const char* files[] = {"levels\\test.lua", "levels\\test_desc.lua", "levels\\test_logic.lua"};
    SingleLevel* level = game.GetLevel();
    for (int file = 0; file < 3; ++file)
    {
        for (const Fault& fault : faults)
        {
            SCOPED_TRACE(std::string(files[file]) + " with " + fault.what);
            Write(file == 0 ? fault.text : GoodLevel, file == 1 ? fault.text : GoodDesc,
                  file == 2 ? fault.text : GoodLogic);
            LogWatch log;
            level->LoadLevel("test.lua", "test_desc.lua", "test_logic.lua");
            ASSERT_TRUE(RunUntil("main_menu")) << log.All();
            EXPECT_TRUE(level->IsFailed());
            EXPECT_FALSE(level->IsExist());
            EXPECT_EQ(level->GetActorsCount(), 0u);
            EXPECT_EQ(log.Count(std::string("\"") + files[file] + "\" does not load; the mission ends"), 1)
                << log.All();
            EXPECT_LT(game.GetVirtualMachine()->GetGCCount(), 8 << 10) << "kilobytes: the memory is given back";
        }
    }

    // The same files made whole load.
    Write(GoodLevel, GoodDesc, GoodLogic);
    level->LoadLevel("test.lua", "test_desc.lua", "test_logic.lua");
    ASSERT_TRUE(RunUntil("level"));
    for (int i = 0; i < 100 && !level->IsLoaded(); ++i)
    {
        _clock.Tick(FrameSeconds);
        game.GetGameFrameManager()->Proceed(FrameSeconds);
    }
    EXPECT_TRUE(level->IsLoaded());
    EXPECT_FALSE(level->IsFailed());
    game.GetGameFrameManager()->SetActive("main_menu");
    EXPECT_TRUE(RunUntil("main_menu"));
}

TEST_F(BrokenMission, AMissionChosenInTheMenusGivesTheMissionSelectionBack)
{
    ProfileManager* profiles = game.GetProfileManager();
    UserProfile* pilot = profiles->CreateProfile("Broken");
    ASSERT_NE(pilot, nullptr);
    profiles->SelectCurrent("Broken");
    LevelDesc offer;
    offer.SetFilename("test.lua");
    offer.SetFiledesc("test_desc.lua");
    offer.SetFilelogic("test_logic.lua");
    pilot->SetCurrentLevel(&offer);
    Write("Level.obj_player = {\n", GoodDesc, GoodLogic);
    LogWatch log;
    game.GetLevel()->LoadLevel(nullptr, nullptr, nullptr);
    EXPECT_TRUE(RunUntil("mission_select")) << log.All();
    EXPECT_EQ(log.Count("\"levels\\test.lua\" does not load; the mission ends"), 1) << log.All();
    pilot->ResetCurrentLevel();
    profiles->DeleteProfile(pilot);
}

// A mission that names as many tracks as the name table holds is refused once the table is as
// full as a mission may make it, and gives its names back; the shipped mission after it loads
// with every name it needs.
TEST_F(BrokenMission, AMissionOfTooManyTrackNamesLeavesTheNameTableToTheNext)
{
    SingleLevel* level = game.GetLevel();
    // A mission with a track first, so that the names the game keeps for good are all there.
    Write(GoodLevel + "Level.obj_track = { classname = \"track\"; name = \"way out\" }\n", GoodDesc, GoodLogic);
    level->LoadLevel("test.lua", "test_desc.lua", "test_logic.lua");
    ASSERT_TRUE(RunUntilLoaded());
    game.GetGameFrameManager()->SetActive("main_menu");
    ASSERT_TRUE(RunUntil("main_menu"));
    const unsigned names = Name::GetHashSize();

    std::string tracks = GoodLevel;
    for (unsigned i = 0; i < Name::MaxNames; ++i)
        tracks += "Level.obj_track_" + std::to_string(i) + " = { classname = \"track\"; name = \"cargo way " +
                  std::to_string(i) + "\"; Point0 = { i = 0; z = " + std::to_string(i) + " } }\n";
    Write(tracks, GoodDesc, GoodLogic);
    LogWatch log;
    level->LoadLevel("test.lua", "test_desc.lua", "test_logic.lua");
    ASSERT_TRUE(RunUntil("main_menu", 1000)) << log.All();
    EXPECT_TRUE(level->IsFailed());
    EXPECT_EQ(1, log.Count("SingleLevel: the name table has no room for the track \"cargo way ")) << log.All();
    EXPECT_EQ(1, log.Count("\"levels\\test.lua\" does not load; the mission ends")) << log.All();
    EXPECT_EQ(names, Name::GetHashSize()) << "its track names are given back";

    LogWatch next;
    level->LoadLevel("lvl00.lvl", "lvl00_desc.lvl", "lvl00_logic.lvl");
    ASSERT_TRUE(RunUntilLoaded()) << next.All();
    EXPECT_FALSE(level->IsFailed());
    EXPECT_EQ(0, next.Errors()) << next.All();
    EXPECT_EQ(0, next.Count("dropped")) << next.All();
    unsigned fighters = 0;
    for (unsigned i = 0; i < level->GetActorsCount(); ++i)
    {
        Actor* actor = level->GetActor(i);
        if (std::strcmp(actor->GetClassname(), "ShipYtgFighter02") != 0)
            continue;
        ++fighters;
        const Model* model = actor->GetMainModelEx();
        EXPECT_TRUE(model && model->FindBone(Name("engine_00"))) << "the names of its model's nodes";
    }
    EXPECT_GT(fighters, 0u);
    game.GetGameFrameManager()->SetActive("main_menu");
    EXPECT_TRUE(RunUntil("main_menu"));
}
