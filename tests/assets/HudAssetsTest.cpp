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

// The crosshair with its boxes, arrows and indicators, the glass cracks, and the radar with its
// models and the meshes and material they show.
TEST(Assets, HudCrosshairAndRadar)
{
    std::vector<std::string> names = Materials({
        "gui_hud_crosshair.mat",
        "gui_arrow.mat",
        "gui_hud_target.mat",
        "gui_target.mat",
        "gui_target_lvl_bg.mat",
        "gui_target_lvl.mat",
        "gui_target_small_lvl_bg.mat",
        "gui_target_small_lvl.mat",
        "gui_hud_wingR.mat",
        "gui_hud_wingG.mat",
        "gui_hud_sgun.mat",
        "gui_hud_fgun.mat",
        "gui_hud_global_target.mat",
        "gui_hud_radar.mat",
        "gui_hud_radar_target.mat",
        "radar.mat",
    });
    Append(names, NumberedAssets("materials/gui_hud_target%d.mat", 1, 3));
    Append(names, NumberedAssets("materials/gui_target%d.mat", 1, 3));
    Append(names, NumberedAssets("materials/gui_hud_glass_decal_%.2d.mat", 0, 10));
    Append(names, NumberedAssets("assets/radar%d.mod", 1, 4));
    Append(names,
           {"textures/gui_hud_crosshair_01.dds", "swf//target.lua", "swf//gui_target_new.lua", "swf//radar.lua",
            "meshes/radar_disc.sms", "meshes/radar_dashes.sms", "meshes/radar_ticks.sms", "meshes/radar_cross.sms"});
    ExpectAssetsPresent(names);
}

// The weaponry panel, the own-ship panel, the speed and booster energy gauges, and the message
// boxes with their photos and the photo's effect.
TEST(Assets, HudGauges)
{
    std::vector<std::string> names = Materials({
        "gui//energy_shield.mat",
        "gui//energy_shield_lvl.mat",
        "gui//energy_full.mat",
        "gui//energy_half.mat",
        "gui//energy_critical.mat",
        "gui//energy_shield_pointer_t.mat",
        "gui//energy_shield_pointer_b.mat",
        "gui//armor.mat",
        "gui//text_booster_energy.mat",
        "gui//text_front.mat",
        "gui//text_radar.mat",
        "gui//text_side.mat",
        "gui//text_target_ship.mat",
        "gui//text_user_ship.mat",
        "gui//text_wing1.mat",
        "gui//text_wing2.mat",
        "gui_hud_usership_1.mat",
        "gui_hud_usership_levelsS.mat",
        "gui_hud_usership_line.mat",
        "gui_hud_user_circle3.mat",
        "gui_hud_usership_jetramka.mat",
        "gui//fm_strafe.mat",
        "gui//fm_comby.mat",
        "gui//fm_direct.mat",
        "gui//fm_duplex.mat",
        "gui//speed_duplex_back.mat",
        "gui//speed_duplex_lvl_r.mat",
        "gui//speed_duplex_lvl_l.mat",
        "gui//speed_duplex_pointer_r.mat",
        "gui//speed_duplex_pointer_l.mat",
        "gui_hud_speed_glamp.mat",
        "gui_hud_speed_rlamp.mat",
        "gui_hud_speed_lvlL.mat",
        "hud_speed_burnL.mat",
        "gui_hud_speed_snakeL.mat",
        "gui_hud_speed_bustrerBackL.mat",
        "gui_hud_speed_pointerL.mat",
        "gui_hud_speed_lvlR.mat",
        "gui_hud_speed_snakeR.mat",
        "hud_speed_burnR.mat",
        "gui_hud_speed_bustrerBackR.mat",
        "gui_hud_speed_pointerR.mat",
        "gui_hud_energy.mat",
        "gui_hud_subjBack.mat",
        "gui_hud_enemyMsg_back.mat",
        "gui_hud_enemyMsg_selection.mat",
        "gui_hud_enemyMsg_ugol1.mat",
        "gui_hud_enemyMsg_ugol2.mat",
        "gui_hud_enemyMsg_ugolNiz1L.mat",
        "gui_hud_enemyMsg_ugolNiz2L.mat",
        "gui_hud_enemyMsg_ugolNiz1L_2.mat",
        "gui_hud_enemyMsg_ugolNiz2L_2.mat",
        "gui_hud_enemyMsg_ugolNiz1R.mat",
        "gui_hud_enemyMsg_ugolNiz2R.mat",
        "gui_hud_enemyMsg_ramka.mat",
        "gui_hud_mb_ekran.mat",
        "gui_hud_mb_ramka.mat",
        "gui_hud_mb_photo.mat",
    });
    Append(names, NumberedAssets("materials/gui//armor_lvl_%d.mat", 0, 6));
    Append(names, NumberedAssets("materials/gui_hud_usership_levels%d.mat", 1, 4));
    Append(names, NumberedAssets("materials/gui_hud_usership_levels%d_s.mat", 1, 4));
    Append(names, NumberedAssets("materials/gui_hud_usership_l%d.mat", 1, 4));
    Append(names, NumberedAssets("materials/gui_hud_usership_jet%d.mat", 0, 11));
    Append(names, NumberedAssets("materials/gui_hud_usership_w%d.mat", 1, 7));
    Append(names, NumberedAssets("materials/gui_hud_speed_busterF%dR.mat", 1, 3));
    Append(names, NumberedAssets("materials/gui_hud_speed_busterF%dL.mat", 1, 3));
    Append(names, NumberedAssets("swf//booster_%.2d.lua", 1, 12));
    for (const char* movie : {"weaponry", "shilds_duga_l", "shilds_duga_r", "user_ship", "user_ship_circle_1",
                              "user_ship_circle_2", "user_ship_weapons", "speed_back", "speed_lvl_l", "speed_lvl_r",
                              "speed_pointer_l", "speed_pointer_r", "boost_l", "boost_r"})
        names.push_back(std::string("swf//") + movie + ".lua");
    Append(names, {"textures/aliens_photo//ASP_dealer_01.dds", "textures/aliens_photo//ASP_dealer_02.dds",
                   "ShaderLib/MAT_HudPhoto.fx"});
    ExpectAssetsPresent(names);
}

// The pictures with words in them, in Russian beside the English ones: the game takes these
// when Russian is chosen.
TEST(Assets, HudWordsInRussian)
{
    std::vector<std::string> english = {"gui//fm_strafe.mat", "gui//fm_comby.mat", "gui//fm_direct.mat",
                                        "gui//fm_duplex.mat", "gui//speed_duplex_back.mat"};
    Append(english, NumberedAssets("gui_hud_enemy_level%d.mat", 1, 4));
    Append(english, NumberedAssets("gui_hud_usership_levels%d.mat", 1, 4));
    std::vector<std::string> names;
    for (const std::string& material : english)
        names.push_back("materials/ru//" + material);
    ExpectAssetsPresent(names);
}
