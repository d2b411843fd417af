#include "AssetNames.h"

#include <gtest/gtest.h>

namespace {

// "materials/" before each name the HUD loads a material by.
std::vector<std::string> Materials(const std::vector<std::string>& names)
{
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back("materials/" + name);
    return paths;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& names)
{
    to.insert(to.end(), names.begin(), names.end());
}

} // namespace

// The HUD container, the message strip, the statistics panel with the pictures the mission
// logic names, the target panel, the big message box and the objectives panel.
TEST(Assets, HudPanels)
{
    std::vector<std::string> names = Materials({
        "gui_hud_glass.mat",
        "gui_hud_crosshair_00.mat",
        "gui_hud_ship.mat",
        "gui_hud_radar.mat",
        "black.mat",
        "gui_hud_message_left_b.mat",
        "gui_hud_message_right_b.mat",
        "gui_hud_message_center_b.mat",
        "gui_hud_message_left_r.mat",
        "gui_hud_message_right_r.mat",
        "gui_hud_message_center_r.mat",
        "gui_hud_stats_big.mat",
        "gui_hud_stats_medium.mat",
        "gui_hud_stats_small.mat",
        "gui_hud_stats_big_light.mat",
        "gui_hud_stats_medium_light.mat",
        "gui_hud_stats_small_light.mat",
        "gui//icons//icon2.mat",
        "gui//icons//icon3.mat",
        "gui//icons//ytg_brrk_00.mat",
        "gui//icons//ytg_fighter_02.mat",
        "gui_hud_enemy1.mat",
        "gui//worning_0.mat",
        "gui_hud_enemy_levelLine.mat",
        "gui_hud_enemy_line1.mat",
        "gui_hud_enemy_line2.mat",
        "gui_hud_scanner_line.mat",
        "gui_hud_scanner_arrow.mat",
        "gui_hud_scanner_white.mat",
        "gui_hud_bigmb_c1.mat",
        "gui_hud_bigmb_c2.mat",
        "gui_mission_objectives//mo_back.mat",
        "gui_mission_objectives//mo_text_field.mat",
    });
    for (const char* race : {"smkt", "fslk", "blg", "tld", "rtb", "ytg", "asp", "sha"})
        names.push_back(std::string("materials/races//") + race + "_small.mat");
    Append(names, NumberedAssets("materials/gui_hud_enemy_level%d.mat", 1, 4));
    Append(names, NumberedAssets("materials/gui_hud_enemy_circle%d.mat", 1, 4));
    Append(names, NumberedAssets("materials/gui_hud_bigmb_%d.mat", 1, 4));
    Append(names, {"swf//scaner_circle.lua", "swf//enemy_ship.lua"});
    ExpectAssetsPresent(names);
}
