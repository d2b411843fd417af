// Particle effects and keepers: how long they live and where they are.
#include <gtest/gtest.h>

#include "StartedMission.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/ParticleEffect.h"
#include "game/world/effects/ParticleKeeper.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleEmitter.h"

namespace {
using ParticleEffectTest = StartedMissionTest;

ParticleEffect* Effect(SingleLevel& level, const char* file, bool endless, Bone* parent = nullptr,
                       const Vec3& drift = Vec3(0, 0, 0))
{
    return level.CreateParticleEffect(file, Vec3(10, 20, 30), Quaternion::identity, endless, parent, drift);
}
} // namespace

TEST_F(ParticleEffectTest, EffectEndsAfterItsFileHasPlayedUnlessEndless)
{
    ParticleEffect* once = Effect(Level(), "rocketExplosion.pse", false);
    ASSERT_NE(nullptr, once->GetEmitter());
    const float duration = once->GetEmitter()->GetTotalDuration();
    ASSERT_GT(duration, 0.5f);
    EXPECT_FLOAT_EQ(duration, once->GetLifetime());
    Effect(Level(), "rocketExplosion.pse", true);
    float elapsed = 0;
    while (Count("ParticleEffect") == 2 && elapsed < 10)
    {
        Frame(0.05f);
        elapsed += 0.05f;
    }
    EXPECT_NEAR(duration, elapsed, 0.05f);
    EXPECT_EQ(1u, Count("ParticleEffect"));
    Run(30, 0.5f);
    EXPECT_EQ(1u, Count("ParticleEffect")) << "an endless effect stays";
}

TEST_F(ParticleEffectTest, EffectOfAMissingFileEndsAtOnce)
{
    Effect(Level(), "no_such_effect.pse", false);
    Frame();
    EXPECT_EQ(0u, Count("ParticleEffect"));
}

TEST_F(ParticleEffectTest, EffectOnABoneFollowsItAndDrifts)
{
    Bone* bone = GetWorldScene()->CreateBone(SL_STAGE);
    bone->SetPosition(Vec3(100, 0, 0));
    ParticleEffect* effect = Effect(Level(), "sparksSmall.pse", true, bone, Vec3(0, 0, 1));
    Frame();
    bone->SetPosition(Vec3(200, 0, 0));
    Frame();
    EXPECT_EQ(Vec3(210, 20, 32), effect->GetMainModel()->GetGlobalPos());
    // The owner removes its effects before its nodes.
    Level().DestroyActor(effect, true);
    GetWorldScene()->DestroyNode(bone);
}

TEST_F(ParticleEffectTest, KeeperHoldsAnEmitterItsDurationWhereItWas)
{
    RenderScene* scene = GetWorldScene();
    Bone* owner = scene->CreateBone(SL_STAGE);
    owner->SetPosition(Vec3(50, 0, 0));
    Emitter* emitter = scene->CreateEmitter(SL_STAGE);
    owner->Attach(emitter);
    ParticleEmitter* particles = emitter->AddParticleEmitter();
    particles->SetDuration(2);
    particles->GetEmissionLifetime() = Lerper<float>(1);
    emitter->Play(1);
    ASSERT_FLOAT_EQ(3.0f, emitter->GetTotalDuration());

    Level().CreateActor(new ParticleKeeper(emitter), nullptr);
    // The owner's nodes go; the emitter stays at its place in the world.
    scene->DestroyNode(owner);
    EXPECT_EQ(Vec3(50, 0, 0), emitter->GetGlobalPos());
    Run(2.75f, 0.25f);
    EXPECT_EQ(1u, Count("ParticleKeeper"));
    Frame(0.25f);
    EXPECT_EQ(0u, Count("ParticleKeeper"));
}
