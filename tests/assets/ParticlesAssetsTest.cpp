#include "AssetNames.h"

#include <gtest/gtest.h>

// The particle set files the game world, the hangar and the weapons load, and the basic ones.
TEST(Assets, ParticleSets)
{
    ExpectAssetsPresent({
        "particles/explosion.pse",
        "particles/engine.pse",
        "particles/sparks.pse",
        "particles/trail.pse",
        "particles/astExplosion.pse",
        "particles/astExplosionDebris.pse",
        "particles/astIceExplosion.pse",
        "particles/astLavaExplosion.pse",
        "particles/comet.pse",
        "particles/dustRock.pse",
        "particles/dustMetal.pse",
        "particles/sparksSmall.pse",
        "particles/sparksBurstHit.pse",
        "particles/sparksGib.pse",
        "particles/sparksYtgMiddle.pse",
        "particles/sparksYtgMiddleTorpeda.pse",
        "particles/rocketExplosion.pse",
        "particles/rocketExplosionSparks.pse",
        "particles/expFire.pse",
        "particles/expFireGib.pse",
        "particles/expFireYtgFtr02.pse",
        "particles/expFireCaps.pse",
        "particles/fire.pse",
        "particles/fireSmall.pse",
        "particles/ytg_sush_02_engine.pse",
        "particles/ytg_sush_02_engine_big.pse",
        "particles/ytg_sush_02_engine_small.pse",
        "particles/pl_engine_drive_ytg.pse",
        "particles/rocket_00.pse",
        "particles/torpeda_00.pse",
        "particles/ytg_sun.pse",
        "particles/ytg_anigilator.pse",
    });
}

// The particle materials (the mission frame loads them all ahead), their textures and effect.
TEST(Assets, ParticleMaterials)
{
    ExpectAssetsPresent({
        "materials/prt_particles00_add.mat",    "materials/prt_particles00_alp.mat",
        "materials/prt_particles00_ref.mat",    "materials/prt_particles01_add.mat",
        "materials/prt_particles01_alp.mat",    "materials/prt_particles02_add.mat",
        "materials/prt_particles03_add.mat",    "materials/prt_particles03_alp.mat",
        "materials/prt_particlesexp00_add.mat", "materials/prt_particlesexp01_add.mat",
        "materials/prt_particlesexp01_alp.mat", "materials/prt_sparks_00_add.mat",
        "materials/prt_sparks_00_alp.mat",      "materials/prt_trail_00_add.mat",
        "textures/prt_particles00.dds",         "textures/prt_particles01.dds",
        "textures/prt_particles02.dds",         "textures/prt_particles03.dds",
        "textures/prt_particlesexp00.dds",      "textures/prt_particlesexp01.dds",
        "textures/prt_sparks_00.dds",           "textures/prt_trail_00.dds",
        "ShaderLib/MAT_Particles.fx",
    });
}
