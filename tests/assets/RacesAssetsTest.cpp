#include "AssetNames.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// The race ships' models, hulls, parts and bodies, and what their engines, fires and deaths
// draw; the pieces of the shattered Ytg fighter; the fleets level.
TEST(Assets, RaceShips)
{
    std::vector<std::string> names = {
        "assets/blg_fighter_00.mod",
        "assets/blg_fighter_01.mod",
        "assets/blg_fighter_02.mod",
        "assets/blg_fighter_03.mod",
        "assets/blg_cruiser_02.mod",
        "assets/rtb_fighter_02.mod",
        "assets/rtb_fighter_03.mod",
        "assets/rtb_cruiser_00.mod",
        "assets/ytg_fighter_02.mod",
        "assets/ytg_fighter_02_damaged.mod",
        "assets/ytg_sush_02.mod",
        "assets/ytg_brrk_00.mod",
        "assets/ytg_drtr_02.mod",
        "assets/ytg_scstation_00.mod",
        "assets/ytg_bolsh_dvigatel_damaged.mod",
        "meshes/blg_fighter.sms",
        "meshes/blg_cruiser.sms",
        "meshes/rtb_fighter.sms",
        "meshes/rtb_cruiser.sms",
        "meshes/ytg_fighter.sms",
        "meshes/ytg_fighter_damaged.sms",
        "meshes/ytg_fighter_shard.sms",
        "meshes/ytg_scstation.sms",
        "meshes/ytg_korpus_bolsh_dvig.sms",
        "meshes/ytg_bolsh_dvigatel.sms",
        "meshes/ytg_bolsh_dvigatel_damaged.sms",
        "meshes/ytg_sush_02_kabina.sms",
        "meshes/ytg_centraln_blok_tr.sms",
        "meshes/ytg_st_dvig_dr1.sms",
        "meshes/ytg_energ_caps_trb.sms",
        "phys/blg_fighter_02.mdl",
        "phys/blg_cruiser_02.mdl",
        "phys/rtb_fighter_03.mdl",
        "phys/rtb_cruiser_00.mdl",
        "phys/ytg_sush_02.mdl",
        "phys/ytg_brrk_00.mdl",
        "phys/ytg_drtr_02.mdl",
        "phys/ytg_scstation_00.mdl",
        "phys/ytg_korpus_bolsh_dvig.mdl",
        "phys/ytg_bolsh_dvigatel.mdl",
        "phys/ytg_sush_02_kabina.mdl",
        "phys/ytg_centraln_blok_tr.mdl",
        "phys/ytg_st_dvig_dr1.mdl",
        "phys/ytg_energ_caps_trb.mdl",
        "materials/blg_hull.mat",
        "materials/rtb_hull.mat",
        "materials/ytg_hull.mat",
        "materials/ytg_hull_damaged.mat",
        "materials/ytg_engine_glow_00.mat",
        "materials/blg_engine_glow_00.mat",
        "materials/rtb_engine_glow_00.mat",
        "materials/blg_strip_00.mat",
        "materials/rtb_strip_00.mat",
        "materials/ytg_raketa_ftr_a_strip.mat",
        "materials/ytg_fighter_02_rocket_strip.mat",
        "materials/prt_particlesexp00_add.mat",
        "materials/rays.mat",
        "textures/blg_hull.dds",
        "textures/rtb_hull.dds",
        "textures/ytg_hull.dds",
        "textures/ytg_hull_damaged.dds",
    };
    // The Blg pilots' screams and calls for help, in every voice.
    for (int voice = 1; voice <= 4; ++voice)
    {
        const std::string v = std::to_string(voice);
        for (int scream = 7; scream <= 16; ++scream)
        {
            char number[8];
            std::snprintf(number, sizeof number, "%.2d", scream);
            names.push_back("sounds/localization\\en\\blg\\dead_screams\\V" + v + "\\any_dead_scrm_" + number + "_v" +
                            v + ".wav");
        }
        for (int call = 3; call <= 8; ++call)
            names.push_back("sounds/localization\\en\\blg\\ytg_fighters_got_local_victory\\V" + v + "\\any_help_me_" +
                            std::to_string(call) + "_v" + v + ".wav");
    }
    ExpectAssetsPresent(names);
}

// The sky, the sun, the debris chunks of every kind and what a chunk plays and leaves; the
// level that shows every race class.
TEST(Assets, BackgroundAndDebris)
{
    std::vector<std::string> names = {
        "materials/lensflare.mat",      "materials/sky/nebula.mat",    "textures/sky/nebula.dds",
        "materials/crystal_debris.mat", "textures/crystal_debris.dds", "materials/prt_particles01_alp.mat",
        "levels\\fleets.lua",           "levels\\fleets_desc.lua",     "levels\\fleets_logic.lua",
    };
    const struct
    {
        const char* format;
        int last;
    } numbered[] = {
        {"meshes/ytg_debris_big_%.2d.sms", 9},
        {"meshes/crystal_debris_%.2d.sms", 3},
        {"meshes/env//asteroids//ice003//debris_%.2d.sms", 13},
        {"meshes/env//asteroids//lava000//debris_%.2d.sms", 5},
        {"meshes/env//asteroids//rock000//debris_%.2d.sms", 11},
        {"sounds/debris_hit_%.2d.wav", 7},
    };
    for (const auto& group : numbered)
        for (const std::string& name : NumberedAssets(group.format, 0, group.last))
            names.push_back(name);
    ExpectAssetsPresent(names);
}
