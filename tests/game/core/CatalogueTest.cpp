// The mission catalogue: the offers every profile starts with, the offer lists, the score and
// the loading tips.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "foundation/base/Random.h"
#include "game/core/catalogue/BuiltInOffers.h"
#include "game/core/catalogue/LevelScore.h"
#include "game/core/catalogue/LevelTips.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/core/catalogue/Objective.h"
#include "game/core/gamedata/TypeRecords.h"

TEST(Catalogue, BuiltInOffersAreASoloCleanUpAndAGangRaid)
{
    LevelsList list;
    AddBuiltInOffers(list);
    ASSERT_EQ(2, list.GetFreeCount());
    EXPECT_EQ(0, list.GetPaidCount());
    EXPECT_EQ(0, list.GetExclusiveCount());

    const LevelDesc& solo = *list.GetFreeDesc(0);
    const LevelDesc& gang = *list.GetFreeDesc(1);
    struct Expected
    {
        const LevelDesc& offer;
        const char *name, *files, *preview, *race, *location;
        int maxPirates;
    };
    for (const Expected& e :
         {Expected{solo, "Space cleaner needed", "lvl00", "levels//lvl_00.mat", "BLG", "Arrdra-Grra-Drrratra", 0},
          Expected{gang, "Cargo annihilation", "lvl12", "levels//lvl_12.mat", "ASP", "Aldaron V", 8}})
    {
        SCOPED_TRACE(e.name);
        EXPECT_STREQ(e.name, e.offer.GetName());
        EXPECT_EQ(std::string(e.files) + ".lvl", e.offer.GetFilename());
        EXPECT_EQ(std::string(e.files) + "_desc.lvl", e.offer.GetFiledesc());
        EXPECT_EQ(std::string(e.files) + "_logic.lvl", e.offer.GetFilelogic());
        EXPECT_STREQ(e.preview, e.offer.GetPreview());
        EXPECT_STREQ(e.race, e.offer.GetRace());
        EXPECT_STREQ(e.location, e.offer.GetLocation());
        EXPECT_STREQ("Skarrow", e.offer.GetFrom());
        EXPECT_EQ(e.maxPirates, e.offer.GetMaxPirates());
        EXPECT_EQ(e.maxPirates > 0, e.offer.IsTeam());
        EXPECT_TRUE(e.offer.GetAvaliable());
        EXPECT_EQ(LevelDesc::TYPE_FREE, e.offer.GetType());
        EXPECT_EQ(0, e.offer.GetPrice());
        EXPECT_EQ(nullptr, e.offer.GetDealer());
    }
    EXPECT_STREQ("Good choice, Man!", solo.GetMessage());
    EXPECT_STREQ(solo.GetDesc(), solo.GetFullDesc()) << "no long description: the short one stands in";
    const std::string full = gang.GetFullDesc();
    EXPECT_EQ(519u, full.size()) << "517 characters, the en dash taking three bytes";
    EXPECT_NE(std::string::npos, full.find("very easy \u2013 destroy cargo"));
    EXPECT_EQ("uninhabited system\u2026", std::string(gang.GetDesc()).substr(strlen(gang.GetDesc()) - 21));
}

TEST(Catalogue, OffersGoToTheListOfTheirTypeAndTextsAreCutToTheirFields)
{
    LevelsList list;
    const std::string longName(100, 'n');
    auto add = [&](int type) {
        return list.AddLevel(longName.c_str(), "f", "d", "l", "p", type, 10, "YTG", "desc", "", "msg", false, "from",
                             "where", 0);
    };
    EXPECT_EQ(nullptr, add(3));
    EXPECT_EQ(nullptr, add(-1));
    EXPECT_EQ(0, list.GetFreeCount() + list.GetPaidCount() + list.GetExclusiveCount());
    LevelDesc* paid = add(LevelDesc::TYPE_PAID);
    add(LevelDesc::TYPE_EXCLUSIVE);
    EXPECT_EQ(paid, list.GetPaidDesc(0));
    EXPECT_EQ(nullptr, list.GetPaidDesc(1));
    EXPECT_EQ(nullptr, list.GetFreeDesc(0));
    EXPECT_EQ(1, list.GetExclusiveCount());
    EXPECT_EQ(std::string(63, 'n'), paid->GetName());
}

TEST(Catalogue, AnObjectiveStartsEmptyAndCopiesItsGoals)
{
    Objective objective;
    EXPECT_TRUE(objective.goals.empty());
    objective.goals.push_back("Destroy the cargo ships");
    Objective copy = objective;
    objective.goals.clear();
    EXPECT_EQ(copy.goals, std::vector<std::string>{"Destroy the cargo ships"});
}

TEST(Catalogue, ScoreListsEachWonDeviceOnce)
{
    DeviceType a, b;
    LevelScore score;
    score.AddDevice(&a);
    score.AddDevice(&b);
    score.AddDevice(&a);
    score.AddDevice(nullptr);
    ASSERT_EQ(2u, score.GetDeviceCount());
    EXPECT_EQ(&a, score.GetDeviceByIndex(0));
    EXPECT_EQ(&b, score.GetDeviceByIndex(1));
    EXPECT_EQ(nullptr, score.GetDeviceByIndex(2));
    score.AddDestroyedShip("ship", true);
    EXPECT_EQ(0u, score.GetDestroyedShipCount());
    score.Clear();
    EXPECT_EQ(0u, score.GetDeviceCount());
}

namespace {
struct TipsCase
{
    const char* what;
    std::string content;
    std::vector<std::string> tips;
};

void PrintTo(const TipsCase& c, std::ostream* out) { *out << c.what; }

class TipsFile : public testing::TestWithParam<TipsCase>
{};

// Every tip the list gives, by drawing often.
std::set<std::string> DrawAll(const LevelTips& tips)
{
    EngineSeed(7);
    std::set<std::string> drawn;
    for (int i = 0; i < 200; ++i)
        drawn.insert(tips.GetRandomTip());
    return drawn;
}

const std::string Long(3000, 'x');
const std::string Cyrillic8 = "\u0416\u0416\u0416\u0416\u0416\u0416\u0416\u0416"; // 8 characters, 16 bytes
} // namespace

TEST_P(TipsFile, GivesTheseTips)
{
    const TipsCase& test = GetParam();
    WorkingFolder folder;
    folder.Write("texts/xx/tips.txt", test.content);
    LevelTips tips;
    tips.Initialize("xx");
    EXPECT_EQ(test.tips.size(), tips.GetTipCount());
    std::set<std::string> expected(test.tips.begin(), test.tips.end());
    if (expected.empty())
        expected = {""};
    EXPECT_EQ(expected, DrawAll(tips));
}

INSTANTIATE_TEST_SUITE_P(
    Reader, TipsFile,
    testing::Values(
        TipsCase{"a short note is dropped", "abc\nTwenty-two characters\n", {"Twenty-two characters"}},
        TipsCase{"nine characters make a tip", "123456789\n12345678\n", {"123456789"}},
        TipsCase{"characters, not bytes", Cyrillic8 + "\n" + Cyrillic8 + "Z\n", {Cyrillic8 + "Z"}},
        TipsCase{"CRLF lines", "first tip!\r\nsecond tip\r\n", {"first tip!", "second tip"}},
        TipsCase{"a last line without a line feed", "first tip!\nlast tip here", {"first tip!", "last tip here"}},
        TipsCase{"a long line is cut", Long + "\n", {std::string(2047, 'x')}},
        TipsCase{"a cut never splits a character", std::string(2046, 'x') + "\u0416\n", {std::string(2046, 'x')}},
        TipsCase{"an empty file", "", {}}),
    [](const testing::TestParamInfo<TipsCase>& info) { return "Case" + std::to_string(info.index); });

TEST(LevelTips, AMissingFileGivesNoTipsAndIsNotCreated)
{
    WorkingFolder folder;
    LogWatch log;
    LevelTips tips;
    tips.Initialize("xx");
    EXPECT_EQ(0u, tips.GetTipCount());
    EXPECT_STREQ("", tips.GetRandomTip());
    EXPECT_FALSE(std::filesystem::exists("texts/xx/tips.txt"));
    EXPECT_EQ(1, log.Count("tips.txt"));
}

TEST(LevelTips, ReadsBelowTheGivenFolderAndShutDownEmptiesThem)
{
    WorkingFolder folder;
    folder.Write("root/texts/en/tips.txt", "Keep your shields up.\n");
    LevelTips tips;
    tips.Initialize("en", "root");
    EXPECT_STREQ("Keep your shields up.", tips.GetRandomTip());
    tips.ShutDown();
    EXPECT_EQ(0u, tips.GetTipCount());
}
