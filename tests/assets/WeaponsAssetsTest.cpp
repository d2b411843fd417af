#include "AssetNames.h"

#include <gtest/gtest.h>

namespace {
void Append(std::vector<std::string>& names, const std::vector<std::string>& more)
{
    names.insert(names.end(), more.begin(), more.end());
}
} // namespace

// What bolts, rockets and torpedoes load: meshes, models, bodies, trails and the materials
// the weapon records name.
TEST(Assets, Weapons)
{
    ExpectAssetsPresent({
        "meshes/ytg_plasma_01.sms",
        "materials/ytg_engine_glow_00.mat",
        "textures/flare_glow.dds",
        "materials/burst_asp.mat",
        "materials/burst_blg.mat",
        "materials/burst_rtb.mat",
        "materials/burst_ytg.mat",
        "materials/burst_rotation.mat",
        "textures/white.dds",
        "assets/rocket_00.mod",
        "assets/torpeda_00.mod",
        "meshes/rocket_00.sms",
        "meshes/torpeda_00.sms",
        "materials/hull.mat",
        "phys/rocket_00.mdl",
        "phys/torpeda_00.mdl",
        "materials/rocket_strip_00.mat",
        "materials/torpeda_strip_00.mat",
        "textures/prt_trail_00.dds",
        "particles/rocket_00.pse",
        "particles/torpeda_00.pse",
    });
}

// The flashes, lights, sparks and particle effects of hits and explosions.
TEST(Assets, CombatEffects)
{
    std::vector<std::string> names = {
        "materials/prt_particlesexp00_add.mat",
        "materials/prt_particlesexp01_add.mat",
        "materials/rays.mat",
        "textures/rays.dds",
        "materials/exp_distortion.mat",
        "textures/exp_distortion.dds",
        "materials/phys_sparks.mat",
        "phys/sphere1.mdl",
        "meshes/exp_wave.sms",
        "materials/exp_wave.mat",
        "ShaderLib/MAT_Shockwave.fx",
        "particles/astExplosion.pse",
        "particles/sparksSmall.pse",
        "particles/sparksBurstHit.pse",
        "particles/rocketExplosion.pse",
        "particles/rocketExplosionSparks.pse",
        "particles/sparksYtgMiddle.pse",
        "particles/sparksYtgMiddleTorpeda.pse",
        "particles/astIceExplosion.pse",
        "particles/astLavaExplosion.pse",
    };
    // Wreckage flung by large blasts and torpedoes.
    Append(names, NumberedAssets("meshes/ytg_debris_big_%.2d.sms", 0, 9));
    ExpectAssetsPresent(names);
}

// Shots of every race's weapons, explosions by kind and distance, and the radio lines of hits.
TEST(Assets, WeaponAndExplosionSounds)
{
    std::vector<std::string> names = {"sounds/weapons/divisionExplosion.wav",
                                      "sounds/localization/en/robot/05_warnings/warn_pwr_low_1.wav",
                                      "sounds/localization/en/robot/05_warnings/warn_pwr_low_2.wav"};
    for (const char* race : {"ASP", "BLG", "FSLK", "RTB", "SHA", "SMKT", "TLD", "YTG"})
    {
        const std::string weapons = std::string("sounds/weapons/") + race;
        Append(names, {weapons + "_blaster_00.wav", weapons + "_blaster_01.wav", weapons + "_rocket_00.wav",
                       weapons + "_torpeda_00.wav"});
    }
    for (const char* kind : {"exp_%.2d.wav", "exp_ast_%.2d.wav", "exp_ice_%.2d.wav", "exp_lava_%.2d.wav"})
        Append(names, NumberedAssets((std::string("sounds/") + kind).c_str(), 0, 4));
    Append(names, NumberedAssets("sounds/debris_explosion_%.2d.wav", 0, 2));
    for (int voice = 1; voice <= 4; ++voice)
    {
        const std::string blg = "sounds/localization/en/blg/";
        const std::string v = std::to_string(voice);
        Append(names,
               NumberedAssets((blg + "player_is_under_attack/V" + v + "/bos_atk_bk_%d_v" + v + ".wav").c_str(), 1, 7));
        Append(names, NumberedAssets((blg + "player_shoots_allies/V" + v + "/man_whereu_shoot_s%d.wav").c_str(), 1, 7));
    }
    ExpectAssetsPresent(names);
}
