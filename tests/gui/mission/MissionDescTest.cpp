// The mission description page: the chosen offer and its client, moving between the buttons,
// where each leads, and what starting a mission charges.
#include "MissionFixture.h"

#include "game/core/catalogue/LevelDesc.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/profiles/Pirates.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/mission/GuiMissionDesc.h"
#include "layers/SpriteLayer.h"

#include <cstring>
#include <string>

namespace {

class MissionDescTest : public MissionScreenTest
{
protected:
    GuiMissionDesc* Desc() const { return Frame<GuiMissionDesc>("mission_desc"); }
};

class RecordedMissionDescTest : public MissionDescTest
{
protected:
    RecordedMissionDescTest() { RecordMovies({"mission_desc_1", "md_e", "mission_map"}); }
};

} // namespace

TEST_F(RecordedMissionDescTest, ThePageShowsTheChosenOfferItsClientAndHisRace)
{
    _pilot->SetCurrentLevel(Offer(1));
    ASSERT_TRUE(Enter("mission_desc"));
    GuiMissionDesc* desc = Desc();
    EXPECT_STREQ(desc->GetTitle(), "Cargo annihilation");
    EXPECT_STREQ(desc->GetFrom(), "Skarrow");
    EXPECT_STREQ(desc->GetLocation(), "Aldaron V");
    EXPECT_EQ(std::strncmp(desc->GetFullDesc(), "Two cargo ships", 15), 0);
    EXPECT_NE(desc->GetEmblem(), nullptr) << "the client is of the race ASP";
    // The first dealer's face, and the emblem of his race beside it.
    ASSERT_NE(desc->GetDealerFace(), nullptr);
    EXPECT_NE(desc->GetDealerFace()->GetMaterial(), nullptr);
    EXPECT_TRUE(desc->GetDealerIcon()->GetVisible());
    EXPECT_EQ(desc->GetSelection(), GuiMissionDesc::BUTTON_START);
    EXPECT_TRUE(desc->GetButton(GuiMissionDesc::BUTTON_GANG).IsEnabled());

    const std::vector<std::string> calls = Calls();
    for (const char* movie : {"mission_desc_1", "md_e"})
    {
        EXPECT_EQ(Count(calls, std::string(movie) + ": SetName('Skarrow')"), 1) << movie;
        EXPECT_EQ(Count(calls, std::string(movie) + ": SetTitle('Cargo annihilation')"), 1) << movie;
        EXPECT_EQ(Count(calls, std::string(movie) + ": SetLocation('Aldaron V')"), 1) << movie;
    }
    EXPECT_EQ(Count(calls, "mission_desc_1: SetTxt4('Objectives:')"), 1);
    EXPECT_EQ(Count(calls, "mission_desc_1: SetMT('Team:')"), 1);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// The page names the gang hired for a team mission and shows none for a solo one; the map is
// that of the mission's system.
TEST_F(RecordedMissionDescTest, ThePageNamesTheHiredGangAndMapsTheMissionsSystem)
{
    const PirateRating* rating = _pilot->GetPirateRating();
    _pilot->GetTeam()->AddPirate(rating->GetPirate(0));
    _pilot->GetTeam()->AddPirate(rating->GetPirate(1));
    const std::string gang =
        std::string("2 / 8: ") + rating->GetPirate(0)->GetName() + ", " + rating->GetPirate(1)->GetName();
    _pilot->SetCurrentLevel(Offer(1));
    ASSERT_TRUE(Enter("mission_desc"));
    std::vector<std::string> calls = Calls();
    EXPECT_EQ(Count(calls, "mission_desc_1: SetTeam('" + gang + "')"), 1) << gang;
    EXPECT_EQ(Count(calls, "mission_map: SetLocation('Aldaron V')"), 1);

    _pilot->GetTeam()->ClearTeam();
    ASSERT_TRUE(Enter("empty"));
    ASSERT_TRUE(Enter("mission_desc"));
    calls = Calls();
    EXPECT_EQ(Count(calls, "mission_desc_1: SetTeam('0 / 8')"), 1) << "no one hired yet";

    _pilot->SetCurrentLevel(Offer(0));
    ASSERT_TRUE(Enter("empty"));
    ASSERT_TRUE(Enter("mission_desc"));
    calls = Calls();
    EXPECT_EQ(Count(calls, "mission_desc_1: SetTeam('')"), 1) << "a solo mission has no gang";
    EXPECT_EQ(Count(calls, "mission_map: SetLocation('Arrdra-Grra-Drrratra')"), 1);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(MissionDescTest, AnOfferOfAnUnknownRaceHasNoEmblem)
{
    _pilot->SetCurrentLevel(Offer(0));
    Offer(0)->SetRace("XYZ");
    ASSERT_TRUE(Enter("mission_desc"));
    EXPECT_EQ(Desc()->GetEmblem(), nullptr);
    Offer(0)->SetRace("BLG");
    Desc()->GetMissionInfo();
    EXPECT_NE(Desc()->GetEmblem(), nullptr);
}

TEST_F(MissionDescTest, APilotWithoutDealersShowsNoClientFace)
{
    // A pilot made without the game data has no dealers.
    ProfileManager bare(game.GetGameTextsSystem(), nullptr, "en", _data.GetPath());
    UserProfile* pilot = bare.CreateProfile("Bare");
    game.SetProfileManager(&bare);
    pilot->SetCurrentLevel(pilot->GetLevelsList()->GetFreeDesc(1));
    ASSERT_TRUE(Enter("mission_desc"));
    EXPECT_EQ(Desc()->GetDealerFace()->GetMaterial(), nullptr);
    EXPECT_FALSE(Desc()->GetDealerIcon()->GetVisible());
    EXPECT_STREQ(Desc()->GetTitle(), "Cargo annihilation");
    ASSERT_TRUE(Enter("empty"));
    game.SetProfileManager(nullptr);
}

TEST_F(MissionDescTest, LeftAndRightWalkTheButtonsAndPassTheGangButtonOfASoloMission)
{
    struct Case
    {
        int offer;
        const char* keys; // R right, L left
        int selection;
    };
    const Case cases[] = {
        {1, "", GuiMissionDesc::BUTTON_START},   {1, "R", GuiMissionDesc::BUTTON_GANG},
        {1, "RR", GuiMissionDesc::BUTTON_ANGAR}, {1, "RRR", GuiMissionDesc::BUTTON_START},
        {1, "L", GuiMissionDesc::BUTTON_ANGAR},  {1, "LL", GuiMissionDesc::BUTTON_GANG},
        {0, "R", GuiMissionDesc::BUTTON_ANGAR},  {0, "RR", GuiMissionDesc::BUTTON_START},
        {0, "LL", GuiMissionDesc::BUTTON_START},
    };
    for (const Case& test : cases)
    {
        _pilot->SetCurrentLevel(Offer(test.offer));
        ASSERT_TRUE(Enter("mission_desc"));
        EXPECT_EQ(Desc()->GetButton(GuiMissionDesc::BUTTON_GANG).IsEnabled(), test.offer == 1);
        for (const char* key = test.keys; *key; ++key)
        {
            if (*key == 'R')
                _frames->funcSelectRight();
            else
                _frames->funcSelectLeft();
        }
        EXPECT_EQ(Desc()->GetSelection(), test.selection) << "offer " << test.offer << " keys " << test.keys;
        ASSERT_TRUE(Enter("empty"));
    }
}

TEST_F(MissionDescTest, ApplyLeadsToTheHangarOrTheGangAndDeclineDropsTheGang)
{
    _pilot->SetCurrentLevel(Offer(1));
    ASSERT_TRUE(Enter("mission_desc"));
    _frames->funcSelectLeft();
    _frames->funcSelectApply();
    EXPECT_STREQ(Next(), "angar");

    ASSERT_TRUE(Enter("mission_desc"));
    _frames->funcSelectRight();
    _frames->funcSelectApply();
    EXPECT_STREQ(Next(), "team_gathering");

    ASSERT_TRUE(Enter("mission_desc"));
    _pilot->GetTeam()->AddPirate(_pilot->GetPirateRating()->GetPirate(0));
    _frames->funcSelectDecline();
    EXPECT_STREQ(Next(), "mission_select");
    EXPECT_EQ(_pilot->GetTeam()->GetTeamSize(), 0u);
}

TEST_F(MissionDescTest, StartingChargesTheTemporaryCashAndLoadsTheMission)
{
    _pilot->SetCurrentLevel(Offer(0));
    _pilot->SetCash(1000);
    // More than before: what the gang's screen left, a loan included.
    _pilot->SetTmpCash(1500);
    ASSERT_TRUE(Enter("mission_desc"));
    _frames->funcSelectApply();
    EXPECT_EQ(_pilot->GetCash(), 1500);
    EXPECT_STREQ(Next(), "level");
    ExpectFirstMissionFlown();
}

TEST_F(MissionDescTest, WithoutAPilotOrAMissionThePageLeadsWhereOneIsChosen)
{
    _frames->SetActive("mission_desc");
    EXPECT_TRUE(StepUntil("mission_select")) << "no mission is chosen";
    EXPECT_EQ(_log.Count("the pilot has no mission chosen"), 1);

    game.GetProfileManager()->SelectNone();
    _frames->SetActive("mission_desc");
    EXPECT_TRUE(StepUntil("main_menu")) << "no pilot is chosen";
}
