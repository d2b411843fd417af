#include "AssetNames.h"

#include <gtest/gtest.h>

// What the world objects, their parts, turrets and shields load by name in code.
TEST(Assets, WorldObjectsCode)
{
    std::vector<std::string> names = {
        "phys/sphere1.mdl",
        "assets/ytg_gan_s_d.mod",
        "meshes/ytg_fighter_02_shield.sms",
        "materials/ytg_baken_glow_00.mat",
        "materials/lighting.mat",
        "materials/ytg_energ_caps_cr3_damaged.mat",
        "materials/prt_particlesexp00_add.mat",
        "particles/fireSmall.pse",
        "particles/dustRock.pse",
        "particles/dustMetal.pse",
        "particles/sparksGib.pse",
        "particles/expFireGib.pse",
        "particles/expFireCaps.pse",
        "particles/ytg_sun.pse",
        "particles/ytg_anigilator.pse",
        "assets/ast_m_a_damaged.mod",
        "assets/ast_m_b_damaged.mod",
        "assets/ast_m_c_damaged.mod",
        "assets/ast_m_d_damaged.mod",
    };
    for (const char* module : {"nos", "centr", "cabin"})
    {
        names.push_back(std::string("assets/ytg_sush_02_") + module + "_shield.mod");
        names.push_back(std::string("phys/ytg_sush_02_") + module + "_shield.pea");
    }
    ExpectAssetsPresent(names);
}

// What the object records, part records and models of the game data name.
TEST(Assets, WorldObjectsData)
{
    ExpectAssetsPresent({
        "assets/ast_m_a.mod",
        "assets/ast_m_b.mod",
        "assets/ast_m_c.mod",
        "assets/ast_m_d.mod",
        "assets/cargo_pod.mod",
        "assets/ytg_sush_02_nos.mod",
        "assets/ytg_sush_02_centr.mod",
        "assets/ytg_sush_02_cabin.mod",
        "assets/ytg_baken_00.mod",
        "assets/ytg_sun_00.mod",
        "assets/ytg_portal_03.mod",
        "assets/ytg_protection_complex_00.mod",
        "assets/old_ship_00.mod",
        "assets/pod_hull_damaged.mod",
        "assets/ytg_sush_engine_damaged.mod",
        "assets/ytg_sush_hull_damaged.mod",
        "meshes/asteroid.sms",
        "meshes/hull.sms",
        "meshes/box.sms",
        "meshes/pod_hull.sms",
        "meshes/pod_arm.sms",
        "meshes/pod_claw.sms",
        "meshes/ytg_sush_block.sms",
        "meshes/ytg_sush_engine.sms",
        "meshes/ytg_sush_hull.sms",
        "meshes/ytg_sush_cabin.sms",
        "meshes/ytg_sush_small.sms",
        "meshes/ytg_sush_rail.sms",
        "meshes/ytg_sush_cap.sms",
        "meshes/ytg_baken_beam.sms",
        "meshes/ytg_baken_mast.sms",
        "meshes/ytg_baken_cap.sms",
        "meshes/ytg_energ_caps_cr4.sms",
        "meshes/ytg_sun.sms",
        "meshes/ytg_sun_glow.sms",
        "meshes/ytg_portal.sms",
        "meshes/ytg_portal_glow.sms",
        "meshes/ytg_protection_complex.sms",
        "meshes/ytg_gan.sms",
        "materials/ytg_energ_caps_cr4.mat",
        "materials/ytg_shield.mat",
        "materials/ytg_sun.mat",
        "materials/ytg_sun_glow.mat",
        "materials/hull.mat",
        "materials/checker.mat",
        "materials/glow.mat",
        "textures/prt_particles01.dds",
        "textures/prt_sparks_00.dds",
        "textures/glow.dds",
        "textures/noise.dds",
        "textures/hull.dds",
        "textures/checker.dds",
        "phys/pod_hull.mdl",
        "phys/pod_arm.mdl",
        "phys/pod_claw.mdl",
        "phys/ytg_sush_block.mdl",
        "phys/ytg_sush_engine.mdl",
        "phys/ytg_sush_hull.mdl",
        "phys/ytg_sush_cabin.mdl",
        "phys/ytg_sush_small.mdl",
        "phys/ytg_sush_rail.mdl",
        "phys/ytg_sush_cap.mdl",
        "phys/ytg_baken_beam.mdl",
        "phys/ytg_baken_mast.mdl",
        "phys/ytg_baken_cap.mdl",
        "phys/ytg_energ_caps_cr4.mdl",
        "phys/ast_m_a.mdl",
        "phys/ast_m_b.mdl",
        "phys/ast_m_c.mdl",
        "phys/ast_m_d.mdl",
        "phys/ast_fragment.mdl",
        "phys/ytg_sush_02_module.mdl",
        "phys/ytg_baken_00.mdl",
        "phys/ytg_sun_00.mdl",
        "phys/ytg_portal_03.mdl",
        "phys/ytg_protection_complex_00.mdl",
        "phys/old_ship_00.mdl",
    });
}
