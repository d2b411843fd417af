// The team gathering: prices and money, hiring and returning pirates, moving between the lists
// and the centre buttons, loans from the pilot's dealers, and leaving.
#include "MissionFixture.h"

#include "game/core/catalogue/LevelsList.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/mission/GuiTeamGathering.h"
#include "foundation/base/Random.h"
#include "layers/FlashLayer.h"

#include <cstdio>

namespace {

using TG = GuiTeamGathering;

class TeamGatheringTest : public MissionScreenTest
{
protected:
    TG* Team() const { return Frame<TG>("team_gathering"); }
    // The team-mission offer with a price, and the screen on it.
    void EnterFor(int offer, int price = 0, int cash = 0)
    {
        Offer(offer)->SetPrice(price);
        _pilot->SetCash(cash);
        _pilot->SetCurrentLevel(Offer(offer));
        ASSERT_TRUE(Enter("team_gathering"));
    }
    // Apply on the pirate under the cursor, and a frame for the list to follow.
    void Hire(int count = 1)
    {
        for (int i = 0; i < count; ++i)
        {
            _frames->funcSelectApply();
            Step();
        }
    }
    // Frames until the lists and the carousel have stopped sliding.
    void Settle() { Step(20); }
};

class RecordedTeamGatheringTest : public TeamGatheringTest
{
protected:
    RecordedTeamGatheringTest() { RecordMovies({"tg_mission_desc", "loan_a", "tg_pirat"}); }
};

} // namespace

TEST(TeamGatheringPrices, ASeatsShareMovesWithEfficiencyAndTheRoll)
{
    struct Case
    {
        int levelPrice, seats, efficiency;
        int roll; // rand() mod 100
        int price;
    };
    const Case cases[] = {
        {3000, 3, 50, 0, 850},   {3000, 3, 50, 99, 1146}, {3000, 3, 80, 0, 595},
        {3000, 3, 80, 99, 802},  {3000, 3, 20, 50, 1300}, {0, 8, 50, 70, 0},
        {-3000, 3, 50, 0, -850}, {3000, 0, 50, 50, 0},    {3000, -2, 50, 50, 0},
    };
    for (const Case& test : cases)
        EXPECT_EQ(TG::PiratePrice(test.levelPrice, test.seats, test.efficiency, float(test.roll) * 0.01f), test.price)
            << test.levelPrice << " / " << test.seats << " at " << test.efficiency << "% rolling " << test.roll;
}

TEST_F(TeamGatheringTest, TheBalanceAddsTheHiredPricesAndBecomesTheTemporaryCash)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1, 8000, 10000));
    TG* team = Team();
    ASSERT_EQ(team->GetRecordCount(), 8);
    ASSERT_EQ(team->GetAvailableCount(), 8);
    EXPECT_EQ(team->GetRequired(), 8);
    for (int i = 0; i < team->GetRecordCount(); ++i)
    {
        const PiratDesc& record = team->GetRecord(i);
        EXPECT_GE(record.price, TG::PiratePrice(8000, 8, record.efficiency, 0.0f)) << record.name;
        EXPECT_LE(record.price, TG::PiratePrice(8000, 8, record.efficiency, 0.99f)) << record.name;
        EXPECT_NE(record.icon, nullptr) << record.name;
    }
    Step();
    EXPECT_EQ(team->GetBalance(), 2000);
    EXPECT_EQ(_pilot->GetTmpCash(), 2000);

    Hire();
    ASSERT_EQ(team->GetTeamSize(), 1);
    const int price = team->GetTeamMember(0)->price;
    EXPECT_EQ(team->GetBalance(), 2000 + price);
    EXPECT_EQ(_pilot->GetTmpCash(), 2000 + price);
    EXPECT_EQ(team->GetAvailableCount(), 7);

    // Short of money the temporary cash stays at 0.
    _pilot->SetCash(0);
    Step();
    EXPECT_LT(team->GetBalance(), 0);
    EXPECT_EQ(_pilot->GetTmpCash(), 0);
}

TEST_F(TeamGatheringTest, TheSameSeedRollsTheSamePrices)
{
    std::vector<int> first, second;
    for (std::vector<int>* prices : {&first, &second})
    {
        EngineSeed(7);
        ASSERT_NO_FATAL_FAILURE(EnterFor(1, 8000));
        for (int i = 0; i < Team()->GetRecordCount(); ++i)
            prices->push_back(Team()->GetRecord(i).price);
        ASSERT_TRUE(Enter("empty"));
    }
    EXPECT_EQ(first, second);
}

TEST_F(TeamGatheringTest, EightHiredPiratesGoWithTheMissionDescription)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1, 0, 5000));
    TG* team = Team();
    Hire(7);
    EXPECT_EQ(team->GetSection(), TG::SECTION_PIRATES);
    EXPECT_FALSE(team->GetButton(TG::BUTTON_GO).IsEnabled()) << "the gang is not full";
    Hire();
    ASSERT_EQ(team->GetTeamSize(), 8);
    // Paid and full: the cursor moves to the "go" button.
    EXPECT_EQ(team->GetSection(), TG::SECTION_CENTRE);
    EXPECT_EQ(team->GetCentreButton(), TG::BUTTON_GO);
    Step();
    EXPECT_TRUE(team->GetButton(TG::BUTTON_GO).IsEnabled());
    EXPECT_FALSE(team->GetButton(TG::BUTTON_LOAN).IsEnabled());
    EXPECT_EQ(_pilot->GetTmpCash(), 5000);

    _frames->funcSelectApply();
    ASSERT_STREQ(Next(), "mission_desc");
    ASSERT_EQ(_pilot->GetTeam()->GetTeamSize(), 8u);
    for (unsigned i = 0; i < 8; ++i)
        EXPECT_EQ(_pilot->GetTeam()->GetTeamMemberByIndex(i), team->GetTeamMember(int(i))->pirate);
    EXPECT_TRUE(StepUntil("mission_desc"));

    // A second visit hires a gang that replaces the first.
    ASSERT_TRUE(Enter("team_gathering"));
    Hire(8);
    _frames->funcSelectApply();
    EXPECT_EQ(_pilot->GetTeam()->GetTeamSize(), 8u);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(TeamGatheringTest, UpAndDownMoveTheCursorAndScrollTheList)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1));
    TG* team = Team();
    struct Move
    {
        bool down;
        int row, top;
    };
    // Eight pirates: five rows on screen, three more below.
    const Move moves[] = {{false, 0, 0}, {true, 1, 0},  {true, 2, 0},  {true, 3, 0}, {true, 4, 0},
                          {true, 4, 1},  {true, 4, 2},  {true, 4, 3},  {true, 4, 3}, {false, 3, 3},
                          {false, 2, 3}, {false, 1, 3}, {false, 0, 3}, {false, 0, 2}};
    for (const Move& move : moves)
    {
        if (move.down)
            _frames->funcSelectDown();
        else
            _frames->funcSelectUp();
        EXPECT_EQ(team->GetRow(), move.row);
        EXPECT_EQ(team->GetPirateTop(), move.top);
        // A key while the list scrolls is not taken.
        if (team->IsAnimating())
        {
            _frames->funcSelectDown();
            EXPECT_EQ(team->GetRow(), move.row);
            EXPECT_EQ(team->GetPirateTop(), move.top);
        }
        Settle();
    }
}

TEST_F(TeamGatheringTest, LeftAndRightSkipTheCentreWhileBothButtonsAreDisabled)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1));
    TG* team = Team();
    Step();
    _frames->funcSelectLeft();
    EXPECT_EQ(team->GetSection(), TG::SECTION_PIRATES) << "no team and no button to go to";

    Hire(2);
    Settle();
    struct Key
    {
        bool right;
        int section;
    };
    for (const Key& key : {Key{false, TG::SECTION_TEAM}, Key{false, TG::SECTION_TEAM}, Key{true, TG::SECTION_PIRATES},
                           Key{true, TG::SECTION_PIRATES}, Key{false, TG::SECTION_TEAM}})
    {
        key.right ? _frames->funcSelectRight() : _frames->funcSelectLeft();
        EXPECT_EQ(team->GetSection(), key.section);
        EXPECT_EQ(team->GetRow(), 0);
    }

    // Returning pirates from the team list; the last one sends the cursor to the pirates.
    _frames->funcSelectDown();
    EXPECT_EQ(team->GetRow(), 1);
    Settle();
    _frames->funcSelectApply();
    EXPECT_EQ(team->GetTeamSize(), 1);
    EXPECT_EQ(team->GetRow(), 0);
    Step();
    EXPECT_EQ(team->GetAvailableCount(), 7);
    _frames->funcSelectApply();
    EXPECT_EQ(team->GetTeamSize(), 0);
    EXPECT_EQ(team->GetSection(), TG::SECTION_PIRATES);
    EXPECT_EQ(team->GetCentreButton(), TG::BUTTON_LOAN);
}

TEST_F(TeamGatheringTest, AShortfallOpensTheMessageAndALoanPaysTheGang)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1, 8000, 0));
    TG* team = Team();
    Hire(7);
    _frames->funcSelectApply();
    ASSERT_EQ(team->GetTeamSize(), 8);
    const int balance = team->GetBalance();
    ASSERT_LT(balance, 0) << "eight efficient pirates cost less than the mission";
    EXPECT_TRUE(team->IsMessageOpen());
    // Every dealer offers the shortfall and up to a fifth more.
    for (unsigned i = 0; i < _pilot->GetDealersCount(); ++i)
    {
        const Dealer* dealer = _pilot->GetDealerByIndex(i);
        EXPECT_GE(dealer->GetCash(), float(-balance));
        EXPECT_LE(dealer->GetCash(), float(-balance) * 1.2f);
        EXPECT_GE(dealer->GetPerc(), 15.0f);
        EXPECT_LE(dealer->GetPerc(), 45.0f);
    }
    _frames->funcSelectUp();
    _frames->funcSelectLeft();
    EXPECT_EQ(team->GetRow(), 0) << "the message holds the cursor";
    _frames->funcSelectApply();
    EXPECT_FALSE(team->IsMessageOpen());
    EXPECT_EQ(team->GetSection(), TG::SECTION_CENTRE);
    EXPECT_EQ(team->GetCentreButton(), TG::BUTTON_LOAN);
    Step();
    EXPECT_FALSE(team->GetButton(TG::BUTTON_GO).IsEnabled());
    EXPECT_TRUE(team->GetButton(TG::BUTTON_LOAN).IsEnabled());

    // The carousel: a move waits for the slide, and stops at either end.
    _frames->funcSelectApply();
    ASSERT_TRUE(team->IsLoanMode());
    _frames->funcSelectLeft();
    EXPECT_EQ(team->GetDealerIndex(), 0);
    _frames->funcSelectRight();
    EXPECT_EQ(team->GetDealerIndex(), 1);
    _frames->funcSelectLeft();
    EXPECT_EQ(team->GetDealerIndex(), 1) << "the slide is still under way";
    Settle();
    _frames->funcSelectRight();
    EXPECT_EQ(team->GetDealerIndex(), 1) << "the last dealer";
    _frames->funcSelectLeft();
    Settle();
    ASSERT_EQ(team->GetDealerIndex(), 0);

    // A loan of exactly the shortfall: a balance of 0 pays, the cursor goes to "go".
    _pilot->GetDealerByIndex(0)->SetCash(float(-balance) + 0.75f);
    _frames->funcSelectApply();
    EXPECT_FALSE(team->IsLoanMode());
    EXPECT_EQ(_pilot->GetTmpCredit(), -balance);
    EXPECT_EQ(team->GetBalance(), 0);
    EXPECT_EQ(team->GetSection(), TG::SECTION_CENTRE);
    EXPECT_EQ(team->GetCentreButton(), TG::BUTTON_GO);
    Step();
    EXPECT_TRUE(team->GetButton(TG::BUTTON_GO).IsEnabled());
    EXPECT_FALSE(team->GetButton(TG::BUTTON_LOAN).IsEnabled()) << "one loan at a time";
    EXPECT_EQ(_pilot->GetTmpCash(), 0);
}

TEST_F(TeamGatheringTest, DeclineEmptiesTheTeamThenLeaves)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1, 8000, 10000));
    TG* team = Team();
    Hire(3);
    _pilot->SetTmpCredit(500);
    _pilot->GetTeam()->AddPirate(team->GetTeamMember(0)->pirate);
    std::vector<int> before;
    for (int i = 0; i < team->GetRecordCount(); ++i)
        before.push_back(team->GetRecord(i).price);
    _frames->funcSelectLeft();
    _frames->funcSelectDecline();
    EXPECT_EQ(team->GetTeamSize(), 0);
    EXPECT_EQ(_pilot->GetTeam()->GetTeamSize(), 0u);
    EXPECT_EQ(_pilot->GetTmpCredit(), 0);
    EXPECT_EQ(team->GetSection(), TG::SECTION_PIRATES);
    EXPECT_EQ(team->GetAvailableCount(), 8);
    std::vector<int> after;
    for (int i = 0; i < team->GetRecordCount(); ++i)
        after.push_back(team->GetRecord(i).price);
    EXPECT_NE(before, after) << "the prices are rolled again";
    EXPECT_STREQ(Next(), "");

    _frames->funcSelectDecline();
    EXPECT_STREQ(Next(), "mission_desc");
}

TEST_F(TeamGatheringTest, ASoloMissionAndAShortRatingHireNothingAndDoNotFail)
{
    // No seats: every price is 0 and no pirate is taken.
    ASSERT_NO_FATAL_FAILURE(EnterFor(0, 5000, 1000));
    TG* team = Team();
    EXPECT_EQ(team->GetRequired(), 0);
    for (int i = 0; i < team->GetRecordCount(); ++i)
        EXPECT_EQ(team->GetRecord(i).price, 0);
    Hire();
    EXPECT_EQ(team->GetTeamSize(), 0);

    // More seats than pirates: once all are hired, Apply finds nobody under the cursor.
    Offer(1)->SetMaxPirates(10);
    ASSERT_NO_FATAL_FAILURE(EnterFor(1));
    Hire(10);
    EXPECT_EQ(team->GetTeamSize(), 8);
    EXPECT_EQ(team->GetAvailableCount(), 0);
}

TEST_F(TeamGatheringTest, APilotWithoutDealersGetsNoLoanCarousel)
{
    // A pilot made without the game data has no pirates and no dealers.
    ProfileManager bare(game.GetGameTextsSystem(), nullptr, "en", _data.GetPath());
    UserProfile* pilot = bare.CreateProfile("Bare");
    game.SetProfileManager(&bare);
    LevelDesc* solo = pilot->GetLevelsList()->GetFreeDesc(0);
    solo->SetPrice(500);
    pilot->SetCurrentLevel(solo);
    ASSERT_TRUE(Enter("team_gathering"));
    TG* team = Team();
    Step();
    ASSERT_TRUE(team->GetButton(TG::BUTTON_LOAN).IsEnabled()) << "no seats to fill, 500 short";
    _frames->funcSelectLeft();
    ASSERT_EQ(team->GetSection(), TG::SECTION_CENTRE);
    _frames->funcSelectApply();
    EXPECT_FALSE(team->IsLoanMode());
    ASSERT_TRUE(Enter("empty"));
    game.SetProfileManager(nullptr);
}

TEST_F(RecordedTeamGatheringTest, TheMissionCardHearsOfMoneyAndTeamOnlyWhenTheyChange)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1, 0, 0));
    Step(3);
    std::vector<std::string> calls = Calls();
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetMaxTeam(8)"), 1);
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetName('Skarrow')"), 1);
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetMoney"), 0) << "a balance of 0 is not news";
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetCurTeam"), 0);

    _pilot->SetCash(300);
    Step(3);
    Hire();
    Step(3);
    calls = Calls();
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetMoney(300)"), 1);
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetMoney"), 1);
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetCurTeam(1)"), 1);
    EXPECT_EQ(Count(calls, "tg_mission_desc: SetCurTeam"), 1);
}

TEST_F(RecordedTeamGatheringTest, TheChosenDealersCardShowsHisOffer)
{
    ASSERT_NO_FATAL_FAILURE(EnterFor(1, 8000, 0));
    Hire(8);
    _frames->funcSelectApply(); // closes the message
    Step();
    _frames->funcSelectApply(); // opens the carousel
    Step(2);
    const Dealer* dealer = _pilot->GetDealerByIndex(0);
    char cash[32], rate[32];
    std::snprintf(cash, sizeof(cash), "%0.f", dealer->GetCash());
    std::snprintf(rate, sizeof(rate), "%0.f%%", dealer->GetPerc());
    const std::vector<std::string> calls = Calls();
    EXPECT_EQ(Count(calls, std::string("loan_a: SetName('") + dealer->GetName() + "')"), 1);
    EXPECT_EQ(Count(calls, std::string("loan_a: SetCash('") + cash + "')"), 1);
    EXPECT_EQ(Count(calls, std::string("loan_a: SetRate('") + rate + "')"), 1);
    EXPECT_TRUE(Team()->GetLoanCard()->GetVisible());
}

TEST_F(RecordedTeamGatheringTest, PiratesWithoutScoresShowEmptyBars)
{
    ProfileManager bare(game.GetGameTextsSystem(), nullptr, "en", _data.GetPath());
    UserProfile* pilot = bare.CreateProfile("Bare");
    game.SetProfileManager(&bare);
    for (const char* name : {"Nobody", "Nobody else"})
        pilot->GetPirateRating()->AddPirate(name, "npcs/pirate_00.mat", "ASP", 1, 0.0f, 50.0f);
    pilot->SetCurrentLevel(pilot->GetLevelsList()->GetFreeDesc(1));
    ASSERT_TRUE(Enter("team_gathering"));
    Step();
    const std::vector<std::string> calls = Calls();
    EXPECT_EQ(Count(calls, "tg_pirat: SetLevel(0,0)"), 2);
    EXPECT_EQ(Count(calls, "nan"), 0);
    ASSERT_TRUE(Enter("empty"));
    game.SetProfileManager(nullptr);
}
