// The screen after a mission: moving between the columns and the buttons, where each button
// leads, and the same mission again.
#include "MissionFixture.h"

#include <string>

#include "game/core/catalogue/LevelScore.h"
#include "game/core/gamedata/Base.h"
#include "game/ai/LevelLogic.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/mission/GuiMissionScore.h"

namespace {

using MS = GuiMissionScore;

class MissionScoreTest : public MissionScreenTest
{
protected:
    MS* Score() const { return Frame<MS>("mission_score"); }
    void Press(const char* keys)
    {
        for (const char* key = keys; *key; ++key)
        {
            switch (*key)
            {
            case 'L': _frames->funcSelectLeft(); break;
            case 'R': _frames->funcSelectRight(); break;
            case 'U': _frames->funcSelectUp(); break;
            case 'D': _frames->funcSelectDown(); break;
            }
        }
    }
    // The pilot's first offer flown until it is loaded, then won by its own logic: every Ytg
    // fighter gone, its victory trigger asks for the score screen.
    void FlyAndWin()
    {
        _pilot->SetCurrentLevel(Offer(0));
        game.GetLevel()->LoadLevel(nullptr, nullptr, nullptr);
        ExpectFirstMissionFlown();
        SingleLevel* level = game.GetLevel();
        ASSERT_GT(level->GetActorCountByClassname("ShipYtgFighter02"), 0u);
        while (Actor* fighter = level->GetActorByClassname("ShipYtgFighter02", 0))
            level->DestroyActor(fighter, false);
        // The win is told on the message strip first, for a few seconds of mission time.
        for (int i = 0; i < 60 && std::string(Next()) != "mission_score"; ++i)
            RunGame(1);
        ASSERT_EQ(level->GetLogic()->GetStatus(), LEVEL_WON);
        ASSERT_STREQ(Next(), "mission_score");
    }
};

} // namespace

TEST_F(MissionScoreTest, TheFocusMovesBetweenTheColumnsAndTheButtons)
{
    struct Case
    {
        const char* keys;
        int section, selected;
    };
    const Case cases[] = {
        {"", MS::SECTION_BUTTONS, MS::BUTTON_MISSIONS},
        {"U", MS::SECTION_BUTTONS, MS::BUTTON_MISSIONS},
        {"DD", MS::SECTION_BUTTONS, MS::BUTTON_MAIN_MENU},
        {"DDD", MS::SECTION_BUTTONS, MS::BUTTON_MAIN_MENU},
        {"DDU", MS::SECTION_BUTTONS, MS::BUTTON_RETRY},
        {"L", MS::SECTION_LEFT, -1},
        {"LL", MS::SECTION_LEFT, -1},
        {"LR", MS::SECTION_BUTTONS, MS::BUTTON_MISSIONS},
        {"DDRL", MS::SECTION_BUTTONS, MS::BUTTON_MISSIONS},
        {"RRD", MS::SECTION_RIGHT, -1},
    };
    for (const Case& test : cases)
    {
        ASSERT_TRUE(Enter("mission_score"));
        Press(test.keys);
        EXPECT_EQ(Score()->GetSection(), test.section) << test.keys;
        EXPECT_EQ(Score()->GetSelected(), test.selected) << test.keys;
        ASSERT_TRUE(Enter("empty"));
    }
}

TEST_F(MissionScoreTest, ButtonsLeadAwayAndClearTheScore)
{
    struct Case
    {
        const char* keys;
        const char* next;
    };
    for (const Case& test : {Case{"", "mission_select"}, Case{"DD", "main_menu"}, Case{"L", ""}, Case{"R", ""}})
    {
        ASSERT_TRUE(Enter("mission_score"));
        _pilot->GetLevelScore()->AddDevice(game.GetBase()->GetDeviceByIndex(0));
        Press(test.keys);
        _frames->funcSelectApply();
        EXPECT_EQ(_pilot->GetLevelScore()->GetDeviceCount(), 0u) << test.keys;
        EXPECT_STREQ(Next(), test.next) << test.keys;
        _frames->funcSelectDecline();
        EXPECT_STREQ(Next(), test.next) << "decline changes nothing";
    }
}

TEST_F(MissionScoreTest, AWonMissionEndsOnTheScoreScreenAndRetryFliesItAgain)
{
    FlyAndWin();
    ASSERT_TRUE(StepUntil("mission_score"));
    EXPECT_EQ(_log.Count("LevelLogic: the mission is won"), 1) << "the score screen is asked for once";
    EXPECT_FALSE(game.GetLevel()->IsExist()) << "the mission is over";

    Press("D");
    _frames->funcSelectApply();
    EXPECT_STREQ(Next(), "level");
    ExpectFirstMissionFlown();
    SingleLevel* level = game.GetLevel();
    ASSERT_TRUE(level->IsLoaded());
    EXPECT_EQ(level->GetLogic()->GetStatus(), LEVEL_RUNNING);
    EXPECT_GT(level->GetActorCountByClassname("ShipYtgFighter02"), 0u) << "the fighters are back";
    RunGame(30);
    EXPECT_STREQ(Current(), "level");
    EXPECT_EQ(level->GetLogic()->GetStatus(), LEVEL_RUNNING) << "flying, not won again";
    EXPECT_EQ(_log.Count("LevelLogic: the mission is"), 1);
}

TEST_F(MissionScoreTest, WithoutAPilotTheMainMenuComesFirst)
{
    game.GetProfileManager()->SelectNone();
    _frames->SetActive("mission_score");
    EXPECT_TRUE(StepUntil("main_menu"));
    EXPECT_EQ(_log.Count("Mission score: no pilot is chosen"), 1);
}
