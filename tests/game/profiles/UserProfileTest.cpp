// A pilot's record: what Create builds, race codes, and its ships.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "ProfilesTestSupport.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/profiles/UserProfile.h"

namespace {
// Texts of two races only: the others show their codes.
class CampaignTest : public testing::Test
{
protected:
    CampaignTest()
    {
        folder.Write("texts/xx/names.txt", "name_race_short_asp=ASP<end>name_race_asp=Aspen<end>"
                                           "name_race_short_ytg=YTG<end>name_race_ytg=Yotgar<end>"
                                           "name_pirate_a=Anna<end>name_dealer_a=Dov<end>");
        texts.LoadTextsFromFile("xx", "names.txt");
    }

    WorkingFolder folder;
    GameTexts texts;
    TestGameData data;
};
} // namespace

TEST_F(CampaignTest, CreateBuildsRacesPiratesDealersOffersAndADefaultShip)
{
    data.Npc("name_pirate_a", 1, 100, 8)->lvl = 4;
    data.Npc("name_pirate_b", 1, 300, 2);
    data.Npc("name_pirate_c", 1, 200, 42);
    data.Npc("name_dealer_a", 2, 0, 6);
    data.Npc("someone_else", 3, 999, 1);
    UserProfile profile(data.Context(&texts));
    profile.Create("Vera");
    EXPECT_STREQ("Vera", profile.GetName());

    RaceRating& races = *profile.GetRaceRating();
    ASSERT_EQ(8, races.GetRaceCount());
    const char* order[] = {"asp", "ytg", "tld", "rtb", "fslk", "smkt", "sha", "blg"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(std::string("races/") + order[i] + ".mat", races.GetRace(i)->GetIcon());
    EXPECT_STREQ("YTG", races.GetRace(1)->GetCode());
    EXPECT_STREQ("Yotgar", races.GetRace(1)->GetName());
    EXPECT_FLOAT_EQ(78.452f, races.GetRace(1)->GetRating());
    EXPECT_STREQ("name_ra", races.GetRace(2)->GetCode()) << "a missing text shows its code, cut to the field";
    EXPECT_EQ(races.GetRace(0), races.GetRaceByCode("ASP"));
    EXPECT_EQ(nullptr, races.GetRaceByCode("asp")) << "codes compare exactly";
    EXPECT_EQ(races.GetRace(0), races.GetRaceByName("Aspen"));
    EXPECT_EQ(nullptr, races.GetRaceByName(nullptr));

    PirateRating& pirates = *profile.GetPirateRating();
    ASSERT_EQ(3, pirates.GetPirateCount()) << "type 2 and 3 are no pirates";
    EXPECT_STREQ("name_pirate_b", pirates.GetPirate(0)->GetName());
    EXPECT_STREQ("BLG", pirates.GetPirate(0)->GetRace());
    EXPECT_STREQ("ASP", pirates.GetPirate(1)->GetRace()) << "an unknown race number gives ASP";
    EXPECT_STREQ("Anna", pirates.GetPirate(2)->GetName());
    EXPECT_EQ(4, pirates.GetPirate(2)->GetLvl());
    EXPECT_STREQ("npcs/none.mat", pirates.GetPirate(2)->GetIcon());

    ASSERT_EQ(1u, profile.GetDealersCount());
    const Dealer& dealer = *profile.GetDealerByIndex(0);
    EXPECT_STREQ("Dov", dealer.GetName());
    EXPECT_STREQ("SMKT", dealer.GetRace());
    EXPECT_EQ(50, dealer.GetPerc());
    EXPECT_EQ(250, dealer.GetCash());

    EXPECT_EQ(2, profile.GetLevelsList()->GetFreeCount());
    ASSERT_EQ(1, profile.GetShipCount());
    EXPECT_STREQ("Default", profile.GetShip()->GetName());
    EXPECT_EQ(17u, profile.GetShip()->GetDeviceCount());
    EXPECT_STREQ("faces//player.mat", profile.GetFaceMaterial());
    EXPECT_EQ(5, profile.GetLevel());
    EXPECT_EQ(35, profile.GetRate());
}

// Create runs again for a loaded profile: it rebuilds, never doubles, and drops what pointed
// into the old lists.
TEST_F(CampaignTest, CreatingAgainRebuildsWithoutDoubling)
{
    data.Npc("name_pirate_a", 1, 100, 8);
    data.Npc("name_dealer_a", 2, 0, 6);
    UserProfile profile(data.Context(&texts));
    profile.Create("Vera");
    profile.GetTeam()->AddPirate(profile.GetPirateRating()->GetPirate(0));
    profile.SetCurrentLevel(profile.GetLevelsList()->GetFreeDesc(0));
    profile.Create("Vera");
    EXPECT_EQ(1u, profile.GetDealersCount());
    EXPECT_EQ(1, profile.GetPirateRating()->GetPirateCount());
    EXPECT_EQ(0u, profile.GetTeam()->GetTeamSize());
    EXPECT_EQ(nullptr, profile.GetCurrentLevel());
    EXPECT_EQ(1, profile.GetShipCount());
}

TEST_F(CampaignTest, PiratesWithEqualScoresFollowEveryBetterOne)
{
    for (float score : {10.f, 50.f, 30.f, 50.f, 5.f, 30.f})
        data.Npc("p", 1, score, 1);
    UserProfile profile(data.Context(&texts));
    profile.Create("Vera");
    std::vector<float> scores;
    for (int i = 0; i < profile.GetPirateRating()->GetPirateCount(); ++i)
        scores.push_back(profile.GetPirateRating()->GetPirate(i)->GetTotalScore());
    EXPECT_EQ((std::vector<float>{50, 50, 30, 30, 10, 5}), scores);
}

TEST_F(CampaignTest, RaceNumbersGiveFixedCodesOrLocalisedShortNames)
{
    UserProfile profile(data.Context(&texts));
    struct Case
    {
        float race;
        const char* code;
        const char* shortName;
    };
    for (const Case& c :
         {Case{1, "ASP", "ASP"}, Case{2.9f, "BLG", "name_race_short_blg"}, Case{3, "FSLK", "name_race_short_fslk"},
          Case{4, "RTB", "name_race_short_rtb"}, Case{5, "SHA", "name_race_short_sha"},
          Case{6, "SMKT", "name_race_short_smkt"}, Case{7, "TLD", "name_race_short_tld"}, Case{8, "YTG", "YTG"},
          Case{9, "ASP", "(unknown)"}, Case{0, "ASP", "(unknown)"}, Case{-1, "ASP", "(unknown)"},
          Case{1e30f, "ASP", "(unknown)"}, Case{std::nanf(""), "ASP", "(unknown)"}})
    {
        EXPECT_STREQ(c.code, profile.ConvertRaceToString(c.race, true)) << c.race;
        EXPECT_STREQ(c.code, UserProfile::ConvertRaceToCode(c.race)) << c.race;
        EXPECT_STREQ(c.shortName, profile.ConvertRaceToString(c.race, false)) << c.race;
    }
}

namespace {
std::string ShipNames(const UserProfile& profile)
{
    std::string names;
    for (int i = 0; i < profile.GetShipCount(); ++i)
        names += profile.GetShip(i)->GetName();
    return names;
}
} // namespace

TEST(UserProfileShips, DeletingMovesTheLastShipIntoThePlaceAndTheCurrentIndexFollows)
{
    struct Case
    {
        int current;
        int deleted;
        const char* order;
        int currentAfter;
    };
    // Ships "a" to "d".
    for (const Case& c : {Case{1, 1, "adc", 0}, Case{3, 1, "adc", 1}, Case{2, 1, "adc", 2}, Case{0, 3, "abc", 0},
                          Case{3, 3, "abc", 0}, Case{2, 0, "dbc", 2}})
    {
        TestGameData data;
        UserProfile profile(data.Context());
        for (const char* name : {"a", "b", "c", "d"})
            profile.CreateShip(name);
        profile.SelectShip(c.current);
        profile.DeleteShip(profile.GetShip(c.deleted));
        EXPECT_EQ(c.order, ShipNames(profile)) << "current " << c.current << ", deleted " << c.deleted;
        EXPECT_EQ(c.currentAfter, profile.GetCurrentShipIndex())
            << "current " << c.current << ", deleted " << c.deleted;
    }

    TestGameData data;
    UserProfile profile(data.Context());
    ProfileShip* only = profile.CreateShip("only");
    profile.DeleteShip(nullptr);
    profile.SelectShip(5);
    EXPECT_EQ(0, profile.GetCurrentShipIndex());
    profile.DeleteShip(only);
    EXPECT_EQ(-1, profile.GetCurrentShipIndex());
    EXPECT_EQ(nullptr, profile.GetShip());
}

TEST(UserProfileShips, CloneKeepsTheFittedDevicesOverTheDefaultsAndBecomesCurrent)
{
    TestGameData data;
    DeviceType* rareGun = data.Device(777, 0, 1);
    UserProfile profile(data.Context());
    ProfileShip* original = profile.CreateShip("Original");
    original->AddDevice(rareGun);
    profile.CreateShip("Other");
    profile.SelectShip(0);

    ProfileShip* clone = profile.CloneShip("Clone");
    EXPECT_EQ(2, profile.GetCurrentShipIndex());
    EXPECT_EQ(clone, profile.GetShip());
    EXPECT_STREQ("Clone", clone->GetName());
    EXPECT_EQ(rareGun, clone->GetDevice(0, 1));
    EXPECT_EQ(17u, clone->GetDeviceCount());
    EXPECT_EQ(original->GetParams().shield, clone->GetParams().shield);
}
