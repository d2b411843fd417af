// The HUD's words come from the game's texts: each movie with words asks the game for them by
// code once it runs, the HUD answers from the texts of the chosen language (here the Russian
// ones, put in the game's place), and a statistics row names its group from the texts where
// they have the group.
#include "HudTestSupport.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/texts/GameTexts.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/hud/GuiShipHudWeaponry.h"
#include "layers/FlashLayer.h"
#include "layers/flash/FlashControl.h"

#include <string>
#include <vector>

using FlashHost::Args;
using FlashHost::FlashControl;
using FlashHost::FlashValue;

namespace {

// The codes a movie asks for while its timeline runs a few frames on a clock of the test's.
std::vector<std::string> AskedCodes(FlashLayer* layer)
{
    std::vector<std::string> asked;
    if (!layer || !layer->GetFC())
        return asked;
    FlashControl* control = layer->GetFC();
    double seconds = 0.0;
    control->setClock([&seconds] { return seconds; });
    control->bind(L"Text", [&asked](FlashControl*, const Args& args) {
        asked.push_back(args.empty() ? "" : wstring2string(args[0].getString()));
        return FlashValue("word");
    });
    for (int frame = 0; frame < 4; ++frame)
    {
        control->update("", false, false);
        seconds += 0.1;
    }
    control->setClock(nullptr);
    return asked;
}

class WordsTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(_russian.LoadTextsFromFile("ru", "ui_common.txt"));
        game.SetGameTextsSystem(&_russian);
    }
    void TearDown() override
    {
        game.SetGameTextsSystem(nullptr);
        HudTest::TearDown();
    }

    GameTexts _russian;
};

} // namespace

TEST_F(WordsTest, EachMovieWithWordsAsksTheGameForThem)
{
    GuiShipHudTargetInfo panel;
    panel.Load();
    GuiShipHudUser user;
    user.Load();
    GuiShipHudSpeed speed;
    speed.Load();
    GuiShipHudWeaponry weaponry;
    weaponry.Load();
    GuiShipHudRadar radar;
    radar.Load();
    const struct
    {
        const char* movie;
        FlashLayer* layer;
        std::vector<std::string> codes;
    } cases[] = {
        {"enemy_ship", panel.GetShipMovie(), {"ui_hud_target"}},
        {"user_ship", user.GetMovie(2), {"ui_hud_ship"}},
        {"shilds_duga_l", user.GetMovie(0), {"ui_hud_shield"}},
        {"speed_back", speed.GetSpeedLayer(0), {"ui_hud_speed"}},
        {"boost_l", speed.GetBoostLayer(false), {"ui_hud_boost"}},
        {"boost_r", speed.GetBoostLayer(true), {"ui_hud_boost"}},
        {"weaponry", weaponry.GetLayer(), {"ui_hud_weapon_1", "ui_hud_weapon_2", "ui_hud_weapon_3", "ui_hud_weapon_4"}},
        {"radar", static_cast<FlashLayer*>(radar.GetRadarLayer()->GetChildByName("RadarContur")), {"ui_hud_radar"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AskedCodes(c.layer), c.codes) << c.movie << ": asked once, after the layer's first paint";
    EXPECT_EQ(_log.Warnings(), 0) << _log.All();
}

TEST_F(WordsTest, TheHudAnswersAMoviesWordsFromTheTexts)
{
    // A movie that asks as the HUD's movies do and logs the answer.
    HudGame::ReplaceMovie("speed_back",
                          "movie.design(600, 90)\n"
                          "local asked = false\n"
                          "function Update(dt)\n"
                          "    if not asked then\n"
                          "        asked = true\n"
                          "        print(\"answer \" .. tostring(movie.call(\"Text\", \"ui_hud_speed\")))\n"
                          "        print(\"answer \" .. tostring(movie.call(\"Text\", \"no_such_code\")))\n"
                          "    end\n"
                          "end\n");
    GuiShipHudSpeed speed;
    speed.Load();
    FlashControl* control = speed.GetSpeedLayer(0)->GetFC();
    double seconds = 0.0;
    control->setClock([&seconds] { return seconds; });
    for (int frame = 0; frame < 3; ++frame)
    {
        control->update("", false, false);
        seconds += 0.1;
    }
    control->setClock(nullptr);
    EXPECT_EQ(_log.Count("answer СКОРОСТЬ"), 1) << _log.All();
    EXPECT_EQ(_log.Count("answer no_such_code"), 1) << "a code the texts lack comes back as itself";
}

TEST_F(WordsTest, AStatisticsRowNamesItsGroupFromTheTexts)
{
    GuiShipHudStats stats;
    stats.Load();
    // The texts have the first two groups; the third is shown as the mission names it.
    stats.SetEntry("1", "Exit portal", "YTG", "gui//icons//ytg_portal_03.mat", 0, 1);
    stats.SetEntry("2", "Small Cargo", "YTG", "gui//icons//icon3.mat", 2, 2);
    stats.SetEntry("3", "Escort wing", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 3);
    _painted.Clear();
    stats.Proceed();
    EXPECT_EQ(_painted.TextsReading("Портал").size(), 1u);
    EXPECT_EQ(_painted.TextsReading("Грузовичок").size(), 1u);
    EXPECT_EQ(_painted.TextsReading("Escort wing").size(), 1u);
}
