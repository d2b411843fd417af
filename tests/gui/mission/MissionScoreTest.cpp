// The screen after a mission: moving between the columns and the buttons, where each button
// leads, and the same mission again.
#include "MissionFixture.h"

#include "game/core/catalogue/LevelScore.h"
#include "game/core/gamedata/Base.h"
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
    // A mission flown to its end: loaded by the mission frame, then the score as a win brings it.
    void FlyAndFinish(const char* level, const char* desc, const char* logic)
    {
        game.GetLevel()->LoadLevel(level, desc, logic);
        ASSERT_TRUE(StepUntil("level"));
        for (int i = 0; i < 100 && !game.GetLevel()->IsLoaded(); ++i)
            RunGame(1);
        ASSERT_TRUE(game.GetLevel()->IsLoaded());
        Enter("mission_score");
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
        Enter("mission_score");
        Press(test.keys);
        EXPECT_EQ(Score()->GetSection(), test.section) << test.keys;
        EXPECT_EQ(Score()->GetSelected(), test.selected) << test.keys;
        Enter("empty");
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
        Enter("mission_score");
        _pilot->GetLevelScore()->AddDevice(game.GetBase()->GetDeviceByIndex(0));
        Press(test.keys);
        _frames->funcSelectApply();
        EXPECT_EQ(_pilot->GetLevelScore()->GetDeviceCount(), 0u) << test.keys;
        EXPECT_STREQ(Next(), test.next) << test.keys;
        _frames->funcSelectDecline();
        EXPECT_STREQ(Next(), test.next) << "decline changes nothing";
    }
}

TEST_F(MissionScoreTest, RetryFliesTheSameMissionAgain)
{
    _pilot->SetCurrentLevel(Offer(0));
    FlyAndFinish(nullptr, nullptr, nullptr);
    Press("D");
    _frames->funcSelectApply();
    EXPECT_STREQ(Next(), "level");
    ASSERT_TRUE(StepUntil("level"));
    EXPECT_STREQ(game.GetLevel()->GetLevelFile(), "levels\\lvl00.lvl");

    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(MissionScoreTest, WithoutAPilotTheMainMenuComesFirst)
{
    game.GetProfileManager()->SelectNone();
    _frames->SetActive("mission_score");
    EXPECT_TRUE(StepUntil("main_menu"));
    EXPECT_EQ(_log.Count("Mission score: no pilot is chosen"), 1);
}
