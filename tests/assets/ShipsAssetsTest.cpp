#include "AssetNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The models of the ships and of the player's weapons, and the physics assets the ship types
// name.
TEST(Assets, ShipModels)
{
    ExpectAssetsPresent({
        "assets/player_ship.mod",
        "assets/player.mod",
        "assets/player_weapons_primary_0.mod",
        "assets/player_weapons_primary_1.mod",
        "assets/player_weapons_primary_1_asp_0.mod",
        "assets/player_weapons_primary_1_blg_0.mod",
        "assets/player_weapons_primary_1_rtb_0.mod",
        "assets/player_weapons_primary_1_sha_0.mod",
        "assets/player_weapons_primary_1_fslk_0.mod",
        "assets/player_weapons_primary_1_ytg_0.mod",
        "assets/player_weapons_secondary_0.mod",
        "assets/player_weapons_secondary_1.mod",
        "assets/player_weapons_rotation_1.mod",
        "assets/player_weapons_rotation_2.mod",
        "assets/ytg_fighter_02.mod",
        "assets/blg_fighter_00.mod",
        "assets/blg_fighter_01.mod",
        "assets/blg_fighter_03.mod",
        "assets/rtb_fighter_02.mod",
        "phys/player_ship.mdl",
        "phys/ytg_fighter_02.mdl",
        "phys/blg_fighter_00.mdl",
        "phys/blg_fighter_01.mdl",
        "phys/blg_fighter_03.mdl",
        "phys/rtb_fighter_02.mdl",
    });
}

// What ships and the player play and draw: hits, collisions, warnings, the robot's and the
// Blg's lines, the cockpit's screen quads and the rock drifting past it.
TEST(Assets, ShipsAndPlayer)
{
    std::vector<std::string> names = {
        "sounds/alert_shield_down.wav",
        "sounds/boost.wav",
        "sounds/weapon_select.wav",
        "sounds/pick_target.wav",
        "sounds/pick_target_nearest.wav",
        "sounds/speech_blg_do_you_need_any_help_00.wav",
        "sounds/localization\\en\\robot\\05_warnings\\shld_dwn.wav",
        "sounds/localization\\en\\robot\\05_warnings\\warn_ship_atak.wav",
        "sounds/localization\\en\\robot\\05_warnings\\warn_ship_dmg_1.wav",
        "sounds/localization\\en\\robot\\05_warnings\\warn_ship_dmg_2.wav",
        "sounds/localization\\en\\robot\\05_warnings\\warn_shield_80.wav",
        "sounds/localization\\en\\robot\\01_systems\\eng_r_flr.wav",
        "sounds/localization\\en\\robot\\01_systems\\eng_l_flr.wav",
        "sounds/localization\\en\\robot\\02_parts\\p_wing_l_dmg.wav",
        "sounds/localization\\en\\robot\\02_parts\\p_wing_r_dmg.wav",
        "sounds/localization\\en\\robot\\04_enemy_objects\\obj_enemy_ship.wav",
        "sounds/localization\\en\\robot\\04_enemy_objects\\obj_enemy_ftr.wav",
        "materials/hit.mat",
        "materials/sun_glow.mat",
        "materials/sun_flare.mat",
        "materials/sun_steak.mat",
        "materials/pl_space_garbage_lines_00.mat",
        "meshes/env//asteroids//debris_unknown.sms",
    };
    const struct
    {
        const char* format;
        int last;
    } numbered[] = {
        {"sounds/hit_in_player_shield_%.2d.wav", 2},
        {"sounds/hit_in_player_%.2d.wav", 3},
        {"sounds/collision_%.2d.wav", 1},
        {"meshes/env//asteroids//rock000//debris_%.2d.sms", 11},
        {"meshes/env//asteroids//ice003//debris_%.2d.sms", 13},
        {"meshes/env//asteroids//lava000//debris_%.2d.sms", 5},
    };
    for (const auto& group : numbered)
        for (const std::string& name : NumberedAssets(group.format, 0, group.last))
            names.push_back(name);
    for (int voice = 1; voice <= 4; ++voice)
        for (int line = 1; line <= 4; ++line)
            names.push_back("sounds/localization\\en\\blg\\ytg_reinforcement_approaches_from_portal\\V" +
                            std::to_string(voice) + "\\bos_reinforce_" + std::to_string(line) + ".wav");
    ExpectAssetsPresent(names);
}
