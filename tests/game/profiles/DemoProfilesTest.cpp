// Profiles over the demo data: the texts map race numbers to the emblems, the campaign has its
// pirates and dealers, and the manager starts on the assembled working folder without a warning.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "CoreTestSupport.h"
#include "foundation/base/Dumper.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/gamedata/Base.h"
#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileManager.h"

namespace {
class DemoProfiles : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(GAME_DATA_DIR);
        vm = new VirtualMachine;
        base = new Base(vm, &Dumper::Instance());
        base->Load(false);
    }
    static void TearDownTestSuite()
    {
        delete base;
        delete vm;
        std::filesystem::current_path(previous);
    }

    static inline std::filesystem::path previous;
    static inline VirtualMachine* vm;
    static inline Base* base;
};
} // namespace

TEST_F(DemoProfiles, TheManagerStartsWithEveryTextsFileTheTipsAndRaceCodesThatFindTheirEmblems)
{
    GameTexts texts;
    // Not shut down: that would write the test's profiles into the game's folder.
    ProfileManager manager(&texts, base, "en");
    LogWatch log;
    manager.Initialize();
    EXPECT_EQ(0, log.Warnings() + log.Errors()) << log.All();
    EXPECT_GT(manager.GetTipsManager()->GetTipCount(), 5u);

    UserProfile profile({&texts, base, "."});
    profile.Create("Demo");
    for (int race = 1; race <= 8; ++race)
    {
        const std::string code = profile.ConvertRaceToString(static_cast<float>(race), true);
        EXPECT_EQ(code, profile.ConvertRaceToString(static_cast<float>(race), false)) << "the short name is the code";
        const Race* found = profile.GetRaceRating()->GetRaceByCode(code.c_str());
        ASSERT_NE(nullptr, found) << code;
        std::string lower = code;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_EQ("races/" + lower + ".mat", found->GetIcon());
        EXPECT_STRNE("", found->GetName());
    }
}

TEST_F(DemoProfiles, ANewPilotFindsPiratesDealersAndAFullyFittedShip)
{
    GameTexts texts;
    texts.LoadTextsFromFile("en", "names_pirates.txt");
    UserProfile profile({&texts, base, "."});
    LogWatch log;
    profile.Create("Demo");
    EXPECT_EQ(0, log.Warnings()) << log.All();

    const PirateRating& pirates = *profile.GetPirateRating();
    ASSERT_GE(pirates.GetPirateCount(), 8);
    for (int i = 0; i < pirates.GetPirateCount(); ++i)
        EXPECT_EQ(std::string::npos, std::string(pirates.GetPirate(i)->GetName()).find("name_")) << i;
    ASSERT_GE(profile.GetDealersCount(), 2u);
    EXPECT_EQ(std::string::npos, std::string(profile.GetDealerByIndex(0)->GetName()).find("name_"));

    const ProfileShip& ship = *profile.GetShip();
    EXPECT_EQ(17u, ship.GetDeviceCount());
    EXPECT_GT(ship.GetParams().maxShield + ship.GetParams().maxArmor, 0);
    EXPECT_GT(ship.GetSpeed(), 0);
}
