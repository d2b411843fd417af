// Sprites, rays, distortion rings, fading lights and sparks: their animation, growth, fading,
// bodies and life.
#include <gtest/gtest.h>

#include "StartedMission.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/DynamicLight.h"
#include "game/world/effects/ExplosionWave.h"
#include "game/world/effects/PhysSparks.h"
#include "game/world/effects/Rays.h"
#include "game/world/effects/Sprite.h"
#include "game/world/effects/WorldScene.h"
#include "scene/nodes/Omni.h"
#include "scene/particles/ParticleSet.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

namespace {
using CombatEffectsTest = StartedMissionTest;

Material* Flash() { return LoadWorldMaterial("prt_particlesexp00_add.mat"); }
} // namespace

TEST_F(CombatEffectsTest, SpriteLivesItsFramesAndStepsOneCellPerFrameAtMost)
{
    Sprite* sprite = Level().CreateSprite(Flash(), Vec3(0, 0, 50), 36, Vec2(0, 0), 24, 0.03f);
    EXPECT_FLOAT_EQ(0.72f, sprite->GetLifetime());
    const Particle* particle = sprite->GetParticle();
    ASSERT_NE(nullptr, particle);
    EXPECT_EQ(Vec3(0, 0, 50), particle->position);
    for (int i = 0; i < 9; ++i)
        Frame(0.03f);
    // Frame 9 of an 8 x 8 atlas: second column, second row.
    EXPECT_EQ(9, sprite->GetFrame());
    EXPECT_EQ(1.0f, particle->atlasColumn);
    EXPECT_EQ(1.0f, particle->atlasRow);
    // A slow frame still moves one cell only.
    Frame(0.1f);
    EXPECT_EQ(10, sprite->GetFrame());
}

TEST_F(CombatEffectsTest, SpriteEndsAfterItsFrames)
{
    Level().CreateSprite(Flash(), Vec3(0, 0, 50), 36, Vec2(0, 0), 24, 0.03f);
    Run(0.7f, 0.1f);
    EXPECT_EQ(1u, Count("Actor"));
    Frame(0.1f);
    EXPECT_EQ(0u, Count("Actor")) << "gone after 0.72 s";
}

TEST_F(CombatEffectsTest, SpriteHoldsItsLastCell)
{
    Sprite* sprite = Level().CreateSprite(Flash(), Vec3(0, 0, 50), 36, Vec2(0, 0), 24, 0.03f);
    sprite->SetLifetime(10);
    Run(1.5f, 0.03f);
    EXPECT_EQ(23, sprite->GetFrame());
    EXPECT_EQ(7.0f, sprite->GetParticle()->atlasColumn);
    EXPECT_EQ(2.0f, sprite->GetParticle()->atlasRow);
}

TEST_F(CombatEffectsTest, RaysAndRingsGrowAndFadeOverTheirDuration)
{
    Rays* rays = Level().CreateRays(Vec3(0, 0, 100), 100, 300, 0.5f);
    ExplosionWave* wave = Level().CreateExplosionDistortion(Vec3(0, 0, 100), 100, 300, 0.5f);
    for (Rays* effect : {rays, static_cast<Rays*>(wave)})
    {
        ASSERT_NE(nullptr, effect->GetParticle());
        EXPECT_EQ(100.0f, effect->GetParticle()->size);
        // Longer than its duration, to see the fading stop at 0.
        effect->SetLifetime(10);
    }
    Run(0.25f, 0.05f);
    for (Rays* effect : {rays, static_cast<Rays*>(wave)})
    {
        EXPECT_NEAR(200.0f, effect->GetParticle()->size, 0.01f) << "400 a second";
        EXPECT_NEAR(0.5f, effect->GetParticle()->color.a, 1e-4f) << "2 a second";
    }
    EXPECT_NEAR(0.5f, wave->GetParticleSet()->GetParams().GetAnimation(), 1e-4f);
    Run(0.5f, 0.05f);
    EXPECT_EQ(0.0f, rays->GetParticle()->color.a);
    EXPECT_NEAR(1.0f, wave->GetParticleSet()->GetParams().GetAnimation(), 1e-6f);
}

TEST_F(CombatEffectsTest, RaysEndWithTheirDuration)
{
    Level().CreateRays(Vec3(0, 0, 100), 100, 300, 0.5f);
    Run(0.375f, 0.125f);
    EXPECT_EQ(1u, Count("Actor"));
    Frame(0.125f);
    EXPECT_EQ(0u, Count("Actor"));
}

TEST_F(CombatEffectsTest, LightShrinksToNothingAndLightsNothingWithDynamicLightingOff)
{
    for (bool lighting : {true, false})
    {
        game.GetGameSettings()->DynLighting = lighting;
        DynamicLight* light = Level().CreateDynamicLight(Vec3(0, 0, 10), Color(1, 0.75f, 0), 128, 4, 2);
        if (lighting)
        {
            ASSERT_NE(nullptr, light->GetLight());
            EXPECT_EQ(128.0f, light->GetLight()->GetRange());
            // Ten frames in, the range is that of the 1.1 s the light had left when the frame began.
            Run(1.0f, 0.1f);
            EXPECT_NEAR(128 * 1.1f / 2, light->GetLight()->GetRange(), 0.01f);
            EXPECT_EQ(4.0f, light->GetLight()->GetIntensity());
        }
        else
        {
            EXPECT_EQ(nullptr, light->GetLight());
            Run(1.0f, 0.1f);
        }
        EXPECT_EQ(1u, Count("DynamicLight")) << "lighting " << lighting;
        Run(1.0f, 0.1f);
        EXPECT_EQ(0u, Count("DynamicLight")) << "lighting " << lighting;
    }
}

TEST_F(CombatEffectsTest, SparksTumbleAsBodiesAndFadeOutOverThreeSeconds)
{
    NxScene& scene = *Level().GetSpace()->GetScene();
    const NxU32 bodies = scene.getNbActors();
    PhysSparks* sparks = Level().CreatePhysSparks(Vec3(200, 0, 0), 6);
    ASSERT_EQ(6u, sparks->GetPoints().size());
    EXPECT_EQ(bodies + 6, scene.getNbActors());
    EXPECT_EQ(6u, sparks->GetParticleSet()->GetTotalParticles());
    for (const auto& point : sparks->GetPoints())
    {
        ASSERT_NE(nullptr, point->GetBody());
        EXPECT_EQ(point->GetParticle()->position, point->GetBody()->GetGlobalPosition());
        EXPECT_LE((point->GetParticle()->position - Vec3(200, 0, 0)).Length(), 2.0f);
    }
    // A push moves a spark's body, and its particle follows.
    sparks->GetPoints()[0]->GetBody()->setLinearVelocity(Vec3(60, 0, 0));
    Run(1.5f, 0.25f);
    EXPECT_EQ(sparks->GetPoints()[0]->GetBody()->GetGlobalPosition(), sparks->GetPoints()[0]->GetParticle()->position);
    EXPECT_GT(sparks->GetPoints()[0]->GetParticle()->position.x, 201.0f);
    // The frame that began with 1.75 s left.
    EXPECT_NEAR(1.75f / 3, sparks->GetParticleSet()->GetTintStrength(), 1e-3f);
    EXPECT_NEAR(1.75f / 3, sparks->GetPoints()[5]->GetParticle()->color.a, 1e-3f);
    Run(1.5f, 0.25f);
    EXPECT_EQ(0u, Count("Actor"));
    EXPECT_EQ(bodies, scene.getNbActors());
}
