// Emitters without a device, on seeded random numbers: the emission schedule and its cycle,
// stopping, expiry, where particles start and where they head, animation, and the effect node.
#include "foundation/base/Random.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// An emitter whose level of detail a test sets.
class LodEmitter : public ParticleEmitter
{
public:
    using ParticleEmitter::ParticleEmitter;
    void SetLod(unsigned level) { _currentLod = level; }
};

struct Effect
{
    Group root{nullptr, nullptr};
    Emitter* effect = new Emitter(&root, nullptr);
    ParticleEmitter* emitter;

    Effect()
    {
        EngineSeed(20);
        root.Attach(effect);
        emitter = effect->AddParticleEmitter();
        emitter->GetEmissionLifetime() = Lerper<float>(100.0f);
        effect->Play(1.0f);
        effect->Update(0.0f); // the first update after construction does nothing
    }

    // The directions or positions of one burst of particles.
    std::vector<Vec3> Burst(bool positions)
    {
        emitter->GetEmissionRate() = Lerper<float>(1000.0f);
        emitter->GetParticleVelocity() = Lerper<float>(0.0f);
        effect->Update(0.2f);
        std::vector<Vec3> out;
        for (ParticleIterator it = emitter->Begin(); it != emitter->End(); it.Next())
            out.push_back(positions ? it.Current()->position : it.Current()->direction);
        return out;
    }
};

constexpr float Cos45 = 0.70710678f;

} // namespace

TEST(ParticleEmitter, FractionsOfTheRateAreCarriedToTheNextUpdate)
{
    Effect e;
    e.emitter->GetEmissionRate() = Lerper<float>(2.5f);
    std::vector<unsigned> counts;
    for (int i = 0; i < 4; ++i)
    {
        e.effect->Update(1.0f);
        counts.push_back(e.emitter->GetEmitCount());
    }
    EXPECT_EQ(counts, (std::vector<unsigned>{2, 3, 2, 3}));
    EXPECT_EQ(e.emitter->GetTotalParticles(), 10u);

    // One level of detail down, the same curve emits half as many.
    auto* far = new LodEmitter(&e.root, nullptr);
    e.effect->AddChild(far);
    far->GetEmissionRate() = Lerper<float>(2.5f);
    far->GetEmissionLifetime() = Lerper<float>(100.0f);
    far->SetLod(1);
    for (int i = 0; i < 4; ++i)
        e.effect->Update(1.0f);
    EXPECT_EQ(far->GetTotalParticles(), 5u);
}

TEST(ParticleEmitter, StartDelayDurationAndRepeatMakeTheEmissionCycle)
{
    Effect e;
    e.emitter->SetStartDelay(1.0f);
    e.emitter->SetDuration(2.0f);
    e.emitter->SetRepeatDelay(3.0f);
    e.emitter->GetEmissionRate() = Lerper<float>(20.0f);
    e.emitter->GetEmissionLifetime() = Lerper<float>(0.5f);
    EXPECT_FALSE(e.emitter->IsEnabled());
    std::vector<bool> emitting; // per quarter second
    for (int step = 1; step <= 44; ++step)
    {
        e.effect->Update(0.25f);
        emitting.push_back(e.emitter->GetEmitCount() > 0);
    }
    auto at = [&](float time) { return bool(emitting[size_t(time * 4.0f) - 1]); };
    EXPECT_FALSE(at(0.75f));
    EXPECT_TRUE(at(1.5f));
    EXPECT_TRUE(at(2.75f));
    EXPECT_FALSE(at(4.0f));
    EXPECT_FALSE(at(5.75f));
    EXPECT_TRUE(at(7.0f));
    EXPECT_FALSE(at(9.0f));
    EXPECT_TRUE(e.emitter->HasStarted());

    // With no duration the emission never ends.
    Effect endless;
    endless.emitter->GetEmissionRate() = Lerper<float>(20.0f);
    for (int step = 0; step < 400; ++step)
        endless.effect->Update(0.25f);
    EXPECT_GT(endless.emitter->GetEmitCount(), 0u);
}

TEST(ParticleEmitter, StoppingLetsTheLiveParticlesFinish)
{
    Effect e;
    e.emitter->GetEmissionRate() = Lerper<float>(10.0f);
    e.emitter->GetEmissionLifetime() = Lerper<float>(1.0f);
    e.effect->Update(0.5f);
    ASSERT_GT(e.emitter->GetTotalParticles(), 0u);
    e.effect->Stop();
    EXPECT_TRUE(e.effect->IsStopping());
    EXPECT_TRUE(e.effect->IsPlaying());
    e.effect->Update(0.5f);
    EXPECT_EQ(e.emitter->GetEmitCount(), 0u);
    EXPECT_TRUE(e.effect->IsStopping());
    for (int i = 0; i < 4; ++i)
        e.effect->Update(0.5f);
    EXPECT_EQ(e.emitter->GetTotalParticles(), 0u);
    EXPECT_FALSE(e.effect->IsStopping());
    EXPECT_FALSE(e.effect->IsPlaying());
}

TEST(ParticleEmitter, AParticleExpiresOnceItsAgePassesItsLifetime)
{
    Effect e;
    e.emitter->SetMaxParticles(4);
    Particle* old = e.emitter->CreateParticle();
    old->lifetime = 1.0f;
    old->age = 1.0f;
    Particle* young = e.emitter->CreateParticle();
    young->lifetime = 10.0f;
    young->age = 0.0f;
    e.emitter->Update(0.5f); // at exactly its lifetime it still lives
    EXPECT_EQ(e.emitter->GetTotalParticles(), 2u);
    e.emitter->Update(0.5f);
    EXPECT_EQ(e.emitter->GetTotalParticles(), 1u);
    EXPECT_EQ(e.emitter->Begin().Current(), young);
    EXPECT_FLOAT_EQ(young->age, 1.0f); // updated in the same pass

    // A lifetime variance larger than the lifetime still gives particles a life.
    e.emitter->GetEmissionLifetime() = Lerper<float>(0.1f);
    e.emitter->SetParticleLifetimeVar(5.0f);
    e.emitter->GetParticleSize().AddKey(1.0f, 3.0f);
    for (const Vec3& position : e.Burst(true))
        EXPECT_FALSE(std::isnan(position.x));
    for (ParticleIterator it = e.emitter->Begin(); it != e.emitter->End(); it.Next())
    {
        EXPECT_GT(it.Current()->lifetime, 0.0f);
        EXPECT_FALSE(std::isnan(it.Current()->size));
    }
}

TEST(ParticleEmitter, EachScatterModeSpreadsTheDirectionsItsWay)
{
    struct Case
    {
        eScatterMode mode;
        const char* name;
    };
    for (const Case c :
         {Case{SM_FAN_X, "fan x"}, Case{SM_FAN_Y, "fan y"}, Case{SM_CONE, "cone"}, Case{SM_CONE_EDGE, "cone edge"}})
    {
        Effect e;
        e.emitter->SetScatterMode(c.mode);
        e.emitter->GetEmissionScattering() = Lerper<float>(90.0f);
        const std::vector<Vec3> directions = e.Burst(false);
        ASSERT_GE(directions.size(), 100u) << c.name;
        float widest = 1.0f;
        for (const Vec3& d : directions)
        {
            EXPECT_NEAR(d.Length(), 1.0f, 1e-4f) << c.name;
            EXPECT_GE(d.z, Cos45 - 1e-4f) << c.name; // within 45 degrees of +Z
            if (c.mode == SM_FAN_X)
            {
                EXPECT_NEAR(d.x, 0.0f, 1e-6f) << c.name;
            }
            if (c.mode == SM_FAN_Y)
            {
                EXPECT_NEAR(d.y, 0.0f, 1e-6f) << c.name;
            }
            if (c.mode == SM_CONE_EDGE)
            {
                EXPECT_NEAR(d.z, Cos45, 1e-4f) << c.name;
            }
            widest = std::min(widest, d.z);
        }
        EXPECT_LT(widest, 0.8f) << c.name; // spread, not all along +Z
    }
}

TEST(ParticleEmitter, EachEmissionModePlacesParticlesAroundTheEmitter)
{
    struct Case
    {
        eEmissionMode mode;
        float inner, outer;
    };
    for (const Case c : {Case{EM_POINT, 0, 0}, Case{EM_SPHERE, 2, 4}, Case{EM_RING, 5, 3}})
    {
        Effect e;
        e.effect->SetPosition(100.0f, 0.0f, 0.0f);
        e.emitter->SetEmissionMode(c.mode);
        e.emitter->GetEmissionInnerRadius() = Lerper<float>(c.inner);
        e.emitter->GetEmissionOuterRadius() = Lerper<float>(c.outer);
        float nearest = 1e9f, farthest = 0.0f;
        for (const Vec3& position : e.Burst(true))
        {
            const Vec3 offset = position - Vec3(100.0f, 0.0f, 0.0f);
            nearest = std::min(nearest, offset.Length());
            farthest = std::max(farthest, offset.Length());
            if (c.mode == EM_RING)
            {
                EXPECT_NEAR(offset.z, 0.0f, 1e-5f);
            }
        }
        EXPECT_GE(nearest, std::min(c.inner, c.outer) - 1e-3f) << c.mode;
        EXPECT_LE(farthest, std::max(c.inner, c.outer) + 1e-3f) << c.mode;
        if (c.mode != EM_POINT)
        {
            EXPECT_GT(farthest - nearest, 0.5f) << c.mode;
        }
    }
}

TEST(ParticleEmitter, ParticlesMoveAndChangeAlongTheirCurves)
{
    Effect e;
    e.emitter->GetEmissionRate() = Lerper<float>(1.0f);
    e.emitter->GetEmissionLifetime() = Lerper<float>(2.0f);
    e.emitter->GetEmissionScattering() = Lerper<float>(0.0f);
    e.emitter->GetParticleVelocity() = Lerper<float>(3.0f);
    Lerper<float> size(1.0f);
    size.AddKey(1.0f, 5.0f);
    e.emitter->GetParticleSize() = size;
    Lerper<Color> color(Color(1.0f, 1.0f, 1.0f, 1.0f));
    color.AddKey(1.0f, Color(0.0f, 0.0f, 0.0f, 0.0f));
    e.emitter->GetParticleColor() = color;
    e.emitter->GetParticleSpin() = Lerper<float>(90.0f);
    e.effect->Update(1.0f); // one particle, born at the start of the update
    e.effect->Update(1.0f);
    const Particle* p = e.emitter->Begin().Current();
    EXPECT_FLOAT_EQ(p->age, 1.0f);
    EXPECT_FLOAT_EQ(p->size, 3.0f); // half its life
    EXPECT_FLOAT_EQ(p->color.a, 0.5f);
    EXPECT_NEAR(p->position.z, 3.0f, 1e-5f);
    EXPECT_FLOAT_EQ(p->angle, 180.0f);
}

TEST(ParticleEmitter, AtlasAnimationStepsOneFramePerDelay)
{
    for (unsigned atlas : {0u, 2u})
    {
        Effect e;
        e.emitter->SetAtlasParams(atlas, atlas);
        e.emitter->SetParticleAnimationLength(4);
        e.emitter->SetParticleAnimationDelay(0.1f);
        e.emitter->GetEmissionRate() = Lerper<float>(1.0f);
        e.effect->Update(1.0f);
        const Particle* p = e.emitter->Begin().Current();
        std::vector<unsigned> frames;
        for (int i = 0; i < 5; ++i)
        {
            e.effect->Update(0.1f);
            frames.push_back(p->frame);
        }
        EXPECT_EQ(frames, (std::vector<unsigned>{1, 2, 3, 0, 1})) << atlas;
        e.effect->Update(0.1f);
        e.effect->Update(0.1f); // frame 3
        const float columns = atlas ? float(atlas) : 1.0f;
        EXPECT_EQ(p->atlasColumn, std::fmod(3.0f, columns)) << atlas;
        EXPECT_EQ(p->atlasRow, std::floor(3.0f / columns)) << atlas;
    }
}

TEST(ParticleEmitter, ARibbonsHeadFollowsTheEmitter)
{
    Effect e;
    e.emitter->SetParticleShape(PS_RIBBON_TRAIL);
    e.emitter->GetEmissionRate() = Lerper<float>(10.0f);
    e.emitter->GetParticleVelocity() = Lerper<float>(0.0f);
    e.effect->Update(0.5f);
    e.effect->SetPosition(0.0f, 0.0f, 50.0f);
    e.emitter->GetEmissionRate() = Lerper<float>(0.0f);
    e.effect->Update(0.1f);
    const Particle* newest = nullptr;
    for (ParticleIterator it = e.emitter->Begin(); it != e.emitter->End(); it.Next())
        newest = it.Current();
    EXPECT_EQ(newest->position, Vec3(0.0f, 0.0f, 50.0f));
    EXPECT_EQ(e.emitter->Begin().Current()->position, Vec3(0.0f, 0.0f, 0.0f));
}

TEST(Emitter, DurationFastForwardAndTurning)
{
    Effect e;
    e.emitter->SetDuration(2.0f);
    e.emitter->GetEmissionLifetime() = Lerper<float>(1.5f);
    ParticleEmitter* second = e.effect->AddParticleEmitter();
    second->SetDuration(1.0f);
    second->GetEmissionLifetime().AddKey(1.0f, 3.0f);
    EXPECT_FLOAT_EQ(e.effect->GetTotalDuration(), 5.0f);
    e.effect->Play(2.0f);
    EXPECT_FLOAT_EQ(e.effect->GetTotalDuration(), 2.5f);
    e.effect->Play(0.0f);
    EXPECT_FLOAT_EQ(e.effect->GetTotalDuration(), 5.0f);

    // Fast forward plays at speed 1 and puts the play state back; a step of 0 runs nothing.
    e.effect->Ffwd(1.0f, 0.0f);
    e.effect->Ffwd(1.0f, -1.0f);
    EXPECT_EQ(e.emitter->GetTotalParticles(), 0u);
    e.effect->Ffwd(1.0f, 0.25f);
    EXPECT_GT(e.emitter->GetTotalParticles(), 0u);
    EXPECT_EQ(e.effect->GetSpeedFactor(), 0.0f);

    e.effect->Play(1.0f);
    e.effect->SetRotation(0.0f, 90.0f, 0.0f);
    e.effect->Update(1.0f);
    Vec3 forward;
    e.effect->GetLocalOrientation().MultiplyVector(Vec3::UnitZ(), forward);
    EXPECT_NEAR(forward.x, 1.0f, 1e-4f);
}

TEST(Emitter, ItsListFollowsItsChildren)
{
    Effect e;
    ParticleEmitter* second = e.effect->AddParticleEmitter();
    EXPECT_EQ(e.effect->GetNumParticleEmitters(), 2u);
    EXPECT_EQ(e.effect->GetParticleEmitter(1), second);
    EXPECT_EQ(e.effect->GetParticleEmitter(2), nullptr);

    ParticleEmitter stranger(&e.root, nullptr);
    e.effect->RemoveParticleEmitter(&stranger);
    EXPECT_EQ(e.effect->GetNumParticleEmitters(), 2u);

    delete second; // as the scene destroys a node: it leaves its parent
    EXPECT_EQ(e.effect->GetNumParticleEmitters(), 1u);
    e.effect->RemoveParticleEmitter(e.emitter);
    EXPECT_EQ(e.effect->GetNumParticleEmitters(), 0u);
    EXPECT_EQ(e.effect->GetNumChildren(), 0u);
    e.effect->Update(1.0f);
}
