// The particle set files the game ships: each reads without a complaint, names materials that
// exist, and either ends (bursts) or keeps emitting (engines, fire, trails).
#include "../SceneFixture.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Random.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Names as the game asks for them.
const std::vector<std::string> Bursts = {
    "explosion.pse",
    "sparks.pse",
    "astExplosion.pse",
    "astExplosionDebris.pse",
    "astIceExplosion.pse",
    "astLavaExplosion.pse",
    "dustRock.pse",
    "dustMetal.pse",
    "sparksSmall.pse",
    "sparksBurstHit.pse",
    "sparksGib.pse",
    "sparksYtgMiddle.pse",
    "rocketExplosion.pse",
    "rocketExplosionSparks.pse",
    "sparksYtgMiddleTorpeda.pse",
    "expFire.pse",
    "expFireGib.pse",
    "expFireYtgFtr02.pse",
    "expFireCaps.pse",
};
const std::vector<std::string> Endless = {
    "engine.pse",
    "trail.pse",
    "comet.pse",
    "fire.pse",
    "fireSmall.pse",
    "ytg_sush_02_engine.pse",
    "ytg_sush_02_engine_big.pse",
    "ytg_sush_02_engine_small.pse",
    "pl_engine_drive_ytg.pse",
    "rocket_00.pse",
    "torpeda_00.pse",
    "ytg_sun.pse",
    "ytg_anigilator.pse",
};

std::string DataFolder(const char* folder) { return std::string(GAME_DATA_DIR) + "/" + folder + "/"; }

class DemoParticlesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SceneLog::Clear();
        EngineSeed(3);
        _mgr.SetRootDir(DataFolder("particles").c_str());
    }

    // Loads the file into a new effect, and checks what it names.
    Emitter* Load(const std::string& name)
    {
        auto* effect = new Emitter(&_root, nullptr);
        _root.Attach(effect);
        _mgr.Load(name.c_str(), effect);
        auto* asset = static_cast<ParticleSetAsset*>(_mgr.GetResource(name.c_str()));
        EXPECT_NE(asset, INVALID_RES_HANDLE) << name;
        if (asset != INVALID_RES_HANDLE)
        {
            for (const ParticleEmitterInfo& info : asset->GetEmitters())
            {
                EXPECT_TRUE(std::filesystem::is_regular_file(DataFolder("materials") + info.materialName))
                    << name << " names " << info.materialName;
            }
        }
        EXPECT_TRUE(SceneLog::Lines().empty()) << name << ": " << SceneLog::Lines().front();
        EXPECT_GT(effect->GetNumParticleEmitters(), 0u) << name;
        EXPECT_TRUE(effect->IsPlaying()) << name;
        effect->Update(0.0f);
        return effect;
    }

    ResourceSystem _resources{&Dumper::Instance(), 1};
    EmitterMgr _mgr{&_resources, nullptr};
    Group _root{nullptr, nullptr};
};

unsigned LiveParticles(const Emitter& effect)
{
    unsigned live = 0;
    for (unsigned i = 0; i < effect.GetNumParticleEmitters(); ++i)
        live += effect.GetParticleEmitter(i)->GetTotalParticles();
    return live;
}

} // namespace

TEST_F(DemoParticlesTest, BurstsShowThemselvesAndEndWithinTheirDuration)
{
    for (const std::string& name : Bursts)
    {
        Emitter* effect = Load(name);
        const float total = effect->GetTotalDuration();
        EXPECT_GT(total, 0.2f) << name;
        EXPECT_LT(total, 10.0f) << name;
        unsigned most = 0;
        // Played as the game plays an effect: removed once its total duration has passed.
        for (float t = 0.0f; t < total; t += 1.0f / 30.0f)
        {
            effect->Update(1.0f / 30.0f);
            most = std::max(most, LiveParticles(*effect));
        }
        EXPECT_GE(most, 5u) << name;
        EXPECT_LT(most, 2000u) << name;
        for (int i = 0; i < 60; ++i)
            effect->Update(1.0f / 30.0f);
        EXPECT_EQ(LiveParticles(*effect), 0u) << name << " still has particles after " << total << " s";
    }
}

TEST_F(DemoParticlesTest, EndlessEffectsKeepEmitting)
{
    for (const std::string& name : Endless)
    {
        Emitter* effect = Load(name);
        for (int i = 0; i < 300; ++i)
            effect->Update(1.0f / 30.0f);
        EXPECT_GT(LiveParticles(*effect), 0u) << name;
        EXPECT_LT(LiveParticles(*effect), 2000u) << name;
    }
}
