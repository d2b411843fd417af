// Each mission screen drawn by the game with its own movies and pictures, kept beside the test
// program as "mission_<screen>.bmp" to be looked at; the log has no error.
#include "MissionFixture.h"

#include "game/core/catalogue/LevelDesc.h"
#include "game/profiles/UserProfile.h"

namespace {

class MissionScreenshotTest : public MissionScreenTest
{
protected:
    void Shoot(const char* name)
    {
        RunGame(12);
        Screenshot(name);
        EXPECT_EQ(_log.Errors(), 0) << _log.All();
    }
};

} // namespace

TEST_F(MissionScreenshotTest, MissionDescription)
{
    _pilot->SetCash(4200);
    _pilot->SetCurrentLevel(Offer(1));
    ASSERT_TRUE(Enter("mission_desc"));
    Shoot("mission_desc");
}

TEST_F(MissionScreenshotTest, TeamGatheringWithPiratesListedAndHired)
{
    _pilot->SetCash(4200);
    Offer(1)->SetPrice(8000);
    _pilot->SetCurrentLevel(Offer(1));
    ASSERT_TRUE(Enter("team_gathering"));
    for (int i = 0; i < 3; ++i)
    {
        _frames->funcSelectApply();
        RunGame(3);
    }
    _frames->funcSelectDown();
    Shoot("mission_team_gathering");
}

TEST_F(MissionScreenshotTest, TeamGatheringLoanCarousel)
{
    Offer(1)->SetPrice(8000);
    _pilot->SetCurrentLevel(Offer(1));
    ASSERT_TRUE(Enter("team_gathering"));
    for (int i = 0; i < 8; ++i)
    {
        _frames->funcSelectApply();
        Step();
    }
    RunGame(3);
    Shoot("mission_team_message");
    _frames->funcSelectApply();
    Step();
    _frames->funcSelectApply();
    Shoot("mission_team_loans");
}

TEST_F(MissionScreenshotTest, MissionScoreAfterTheMission)
{
    _pilot->SetCash(4200);
    _pilot->SetCurrentLevel(Offer(0));
    ASSERT_TRUE(Enter("mission_score"));
    _frames->funcSelectDown();
    Shoot("mission_score");
}

TEST_F(MissionScreenshotTest, BriefingNoteAndOrder)
{
    ASSERT_TRUE(Enter("briefing"));
    Step(40, 0.1f);
    Shoot("mission_briefing_note");
    _frames->funcSelectApply();
    Step(200, 0.1f);
    Shoot("mission_briefing_order");
}

TEST_F(MissionScreenshotTest, MissionSelection)
{
    _pilot->SetCash(4200);
    ASSERT_TRUE(Enter("mission_select"));
    _frames->funcSelectRight();
    RunGame(6);
    Shoot("mission_select");
}

TEST_F(MissionScreenshotTest, StockExchangeKindsAndAnOpenOffer)
{
    _pilot->SetCash(4200);
    ASSERT_TRUE(Enter("stock_ex"));
    Shoot("mission_stock_kinds");
    _frames->funcSelectApply();
    RunGame(4);
    _frames->funcSelectDown();
    RunGame(4);
    _frames->funcSelectApply();
    Shoot("mission_stock_offer");
}
