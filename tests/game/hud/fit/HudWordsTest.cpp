// With Russian chosen, the HUD of "Cargo annihilation" speaks Russian and still fits the
// default window: the game answers the movies' words in Russian, the pictures with words are the
// Russian ones, and the statistics rows name their groups in Russian. The frame is kept beside
// the test program as "hud_words_1024x768_ru.bmp".
#include "HudFitFixture.h"

#include <cctype>
#include <set>

#include "game/hud/HudServices.h"

namespace {

class HudWordsTest : public HudOnScreenTest
{};

} // namespace

TEST_P(HudWordsTest, TheHudSpeaksTheChosenLanguageAndStillFits)
{
    ASSERT_TRUE(FlyMission("lvl12")) << "the target is scanned";
    // What the movies and the radar's log ask for, as the HUD answers it.
    const std::pair<const char*, const char*> movieWords[] = {
        {"ui_hud_target", "ЦЕЛЬ"},      {"ui_hud_ship", "КОРАБЛЬ"},          {"ui_hud_shield", "ЩИТ"},
        {"ui_hud_speed", "СКОРОСТЬ"},   {"ui_hud_radar", "РАДАР"},           {"ui_hud_boost", "ФОРСАЖ"},
        {"ui_hud_weapon_1", "ЛАЗЕР 1"}, {"ui_hud_weapon_2", "ЛАЗЕР 2"},      {"ui_hud_weapon_3", "РАКЕТА"},
        {"ui_hud_weapon_4", "ТОРПЕДА"}, {"ui_hud_radar_fighter", "Истреб."},
    };
    for (const auto& [code, word] : movieWords)
        EXPECT_STREQ(Hud::Text(code), word) << code;

    // The pictures with words drawn in this frame, and the groups' names on the statistics panel.
    std::set<std::string> pictures, names;
    for (const HudItem& item : RecordFrame())
    {
        for (const char* word : {"gui_hud_enemy_level", "gui_hud_usership_levels", "fm_strafe"})
        {
            if (item.kind == HudItem::QUAD && item.materialName.find(word) != std::string::npos)
                pictures.insert(item.materialName);
        }
        if (item.kind == HudItem::TEXT && item.statsRow >= 0 && !item.text.empty() && !std::isdigit(item.text[0]))
            names.insert(item.text);
    }
    const std::set<std::string> russianPictures = {
        "ru/gui_hud_enemy_level1.mat",     "ru/gui_hud_enemy_level2.mat",     "ru/gui_hud_enemy_level3.mat",
        "ru/gui_hud_enemy_level4.mat",     "ru/gui_hud_usership_levels1.mat", "ru/gui_hud_usership_levels2.mat",
        "ru/gui_hud_usership_levels3.mat", "ru/gui_hud_usership_levels4.mat", "ru/gui/fm_strafe.mat",
    };
    EXPECT_EQ(pictures, russianPictures);
    EXPECT_EQ(names, (std::set<std::string>{"Портал", "Грузовик", "Истреб."}));

    ExpectEveryElementFits("hud_words_1024x768_ru");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

INSTANTIATE_TEST_SUITE_P(Russian, HudWordsTest, testing::Values(HudScreen{1024, 768, "ru"}),
                         [](const testing::TestParamInfo<HudScreen>&) { return std::string("1024x768_ru"); });
