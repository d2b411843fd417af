// Rockets and torpedoes: where they leave, how they fly and home, how they divide, and what a
// hit sends and leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "MountSupport.h"
#include "StartedMission.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/effects/ParticleEffect.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/Bullet.h"
#include "game/world/weapons/WeaponRocket.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/nodes/Bone.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"
#include "services/sound/SoundEngine.h"

namespace {

using TargetShip = Target<Ship>;

class RocketTest : public StartedMissionTest
{
protected:
    void SetUp() override
    {
        StartedMissionTest::SetUp();
        type = MakeWeaponType("Rocket", "Rocket00", 10);
        CopyName(type.physAsset, "rocket_00.mdl");
        CopyName(type.renderAsset, "rocket_00.mod");
        CopyName(type.stripMaterial, "rocket_strip_00.mat");
        CopyName(type.particles, "rocket_00.pse");
        type.speed = 400;
        type.lifetime = 4;
        type.damage = 100;
    }
    static void CopyName(char (&out)[64], const char* name) { std::strncpy(out, name, sizeof out - 1); }

    // A launcher at x = 500, away from the player's ship at the origin, facing +z; it fires at
    // once and then holds.
    WeaponRocket* Fire(Actor* owner, std::initializer_list<int> bones = {0})
    {
        auto* weapon = new WeaponRocket(owner, 0, MakeMountModel(Vec3(500, 0, 0), bones), 0);
        type.firePoints = static_cast<float>(bones.size());
        weapon->InitializeData(&type);
        Level().CreateActor(weapon, nullptr);
        weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
        for (int frame = 0; frame < 10 && Bullets().empty(); ++frame)
            Frame(0.05f);
        weapon->GetStateMachine()->ChangeState(WeaponStateIdle::Instance());
        return weapon;
    }
    // A bullet of the weapon made by the test, at the point facing +z: launched with a target,
    // or a fragment.
    Bullet* Place(Weapon* weapon, Actor* target, bool launched, const Vec3& at)
    {
        auto* bullet = new Bullet(&computer, target, weapon);
        bullet->SetLaunched(launched);
        Level().CreateActor(bullet, nullptr);
        Matrix pose = Matrix::Ident();
        pose.Translate(at);
        bullet->SetPose(pose);
        bullet->RecalcVelocity();
        return bullet;
    }
    std::vector<Bullet*> Bullets()
    {
        std::vector<Bullet*> bullets;
        for (unsigned i = 0; i < Count("Bullet"); ++i)
            bullets.push_back(static_cast<Bullet*>(Level().GetActorByClassname("Bullet", i)));
        return bullets;
    }
    TargetShip* PlaceShip(const Vec3& position)
    {
        targets.push_back(std::make_unique<TargetShip>());
        TargetShip* ship = targets.back().get();
        PhysicsActor* body = Level().GetSpace()->CreatePhysicsActorForPlayer(ship);
        Vec3 at = position;
        body->SetGlobalPosition(at);
        ship->SetBody(body);
        return ship;
    }
    ParticleEffect* Effect(const char* file)
    {
        for (unsigned i = 0; i < Count("ParticleEffect"); ++i)
        {
            auto* effect = static_cast<ParticleEffect*>(Level().GetActorByClassname("ParticleEffect", i));
            if (std::strcmp(effect->GetFile(), file) == 0)
                return effect;
        }
        return nullptr;
    }

    WeaponType type;
    Owner computer;
    Owner player{ACTOR_FLAG_PLAYER_SHIP};
    std::vector<std::unique_ptr<TargetShip>> targets;
};

} // namespace

TEST_F(RocketTest, PlayersRocketsLeave30UnitsAheadOfTheBonesAndComputersAtThem)
{
    for (Owner* owner : {&player, &computer})
    {
        const size_t sounds = game.GetSoundEngine()->GetSound2DCount();
        WeaponRocket* weapon = Fire(owner, {0, 1});
        const std::vector<Bullet*> bullets = Bullets();
        ASSERT_EQ(2u, bullets.size());
        const float ahead = owner == &player ? 30.0f : 0.0f;
        for (unsigned i = 0; i < 2; ++i)
        {
            EXPECT_EQ(Vec3(500.0f + static_cast<float>(i), 0, ahead), bullets[i]->GetPosition());
            EXPECT_EQ(weapon, bullets[i]->GetWeapon());
        }
        EXPECT_EQ(owner == &player ? sounds + 1 : sounds, game.GetSoundEngine()->GetSound2DCount());
        for (Bullet* bullet : bullets)
            Level().DestroyActor(bullet, true);
    }
}

TEST_F(RocketTest, WithoutHomingRocketsFlyStraightAndWithItTurnTowardsTheTarget)
{
    Owner marker;
    marker.GetRoot().Translate(Vec3(900, 0, 400));
    for (float homing : {0.0f, 0.05f})
    {
        type.autoAimAngle = homing;
        WeaponRocket* weapon = Fire(&computer);
        weapon->SetTarget(&marker);
        Bullet* bullet = Bullets().front();
        // Targets are taken at launch: this one homes on the marker.
        Level().DestroyActor(bullet, true);
        Bullet* homingBullet = Place(weapon, &marker, true, Vec3(500, 0, 0));
        Frame(0.05f);
        const Vec3 start = homingBullet->GetPosition();
        Run(0.5f, 0.05f);
        const Vec3 early = homingBullet->GetPosition();
        Run(1.0f, 0.05f);
        Vec3 late = homingBullet->GetPosition() - early;
        late.Normalize();
        if (homing == 0)
        {
            EXPECT_EQ(500.0f, early.x);
            EXPECT_EQ(500.0f, homingBullet->GetPosition().x);
            EXPECT_NEAR(1.0f, late.z, 1e-6f);
        }
        else
        {
            // Straight for the first half-second, then bending towards the marker.
            EXPECT_NEAR(500.0f, early.x, 1.0f);
            EXPECT_GT(late.x, 0.25f);
        }
        EXPECT_GT(early.z, start.z);
        Level().DestroyActor(homingBullet, true);
    }
}

TEST_F(RocketTest, DivisionLeavesFragmentsBehindThatEachCarryAShareOfTheDamage)
{
    type.delayBefforeDivision = 1;
    type.divisionNum = 5;
    type.divisionRadius = 8;
    const size_t sounds = game.GetSoundEngine()->GetSound3DCount();
    Fire(&computer);
    Bullet* parent = Bullets().front();
    Run(0.9f, 0.05f);
    EXPECT_EQ(1u, Bullets().size());
    EXPECT_EQ(parent, Bullets().front());
    for (int frame = 0; frame < 5 && Bullets().front() == parent; ++frame)
        Frame(0.05f);
    std::vector<Bullet*> fragments = Bullets();
    ASSERT_EQ(5u, fragments.size());
    // The sparks mark where the parent divided.
    ParticleEffect* sparks = Effect("rocketExplosionSparks.pse");
    ASSERT_NE(nullptr, sparks);
    EXPECT_TRUE(Effect("rocketExplosion.pse"));
    EXPECT_EQ(sounds + 1, game.GetSoundEngine()->GetSound3DCount());
    const Vec3 at = sparks->GetMainModel()->GetLocalPos();
    for (Bullet* fragment : fragments)
    {
        EXPECT_FALSE(fragment->IsLaunched());
        EXPECT_EQ(nullptr, fragment->GetTarget());
    }
    // Four units apart behind the parent, each shaken by up to 16 units on each axis; the
    // registry's order is not theirs, so some order of them must fit.
    std::vector<unsigned> order = {0, 1, 2, 3, 4};
    bool fits = false;
    do
    {
        fits = true;
        for (unsigned i = 0; i < 5 && fits; ++i)
        {
            const Vec3 offset = fragments[order[i]]->GetPosition() - (at - Vec3(0, 0, 4.0f * static_cast<float>(i)));
            fits = std::max({std::fabs(offset.x), std::fabs(offset.y), std::fabs(offset.z)}) <= 16.0f;
        }
    } while (!fits && std::next_permutation(order.begin(), order.end()));
    EXPECT_TRUE(fits);
    // A wall of hulls across their way: each fragment hits one with a fifth of the damage and
    // no weapon.
    std::vector<TargetShip*> wall;
    for (int x = -2; x <= 2; ++x)
    {
        for (int y = -2; y <= 2; ++y)
            wall.push_back(PlaceShip(at + Vec3(25.0f * static_cast<float>(x), 25.0f * static_cast<float>(y), 200)));
    }
    // The scene steps a sixtieth of a second a frame.
    Run(2);
    unsigned hits = 0;
    for (TargetShip* ship : wall)
    {
        for (const TargetShip::Hit& hit : ship->hits)
        {
            ++hits;
            EXPECT_EQ(nullptr, hit.weapon);
            EXPECT_EQ(20.0f, hit.damage);
            EXPECT_EQ(&computer, hit.sender);
        }
    }
    EXPECT_EQ(5u, hits);
    EXPECT_TRUE(Bullets().empty());
}

TEST_F(RocketTest, LaunchedRocketHitSendsItsWeaponAndAFarHitMakesNoEffects)
{
    for (float distance : {9000.0f, 1000.0f})
    {
        WeaponRocket* weapon = Fire(&computer);
        Bullet* bullet = Bullets().front();
        Matrix pose = Matrix::Ident();
        pose.Translate(Vec3(500, 0, distance));
        bullet->SetPose(pose);
        TargetShip* ship = PlaceShip(Vec3(500, 0, distance + 40));
        // What the hit leaves, looked for in the frame it happens.
        for (int frame = 0; frame < 10 && ship->hits.empty(); ++frame)
            Frame(0.05f);
        ASSERT_EQ(1u, ship->hits.size()) << distance;
        EXPECT_EQ(weapon, ship->hits[0].weapon);
        EXPECT_EQ(0.0f, ship->hits[0].damage);
        EXPECT_EQ(ship->GetPhysEntity()->getShapes()[0], ship->hits[0].shape);
        EXPECT_TRUE(Bullets().empty()) << "a rocket hits once";
        EXPECT_EQ(distance < 8192, Effect("sparksBurstHit.pse") != nullptr) << distance;
    }
}

TEST_F(RocketTest, TorpedoFragmentLeavesWreckageAndFlashesByItsShare)
{
    CopyName(type.name, "Torpeda00");
    type.divisionNum = 3;
    type.delayBefforeDivision = 0.5f;
    WeaponRocket* weapon = Fire(&computer);
    Level().DestroyActor(Bullets().front(), true);
    Place(weapon, nullptr, false, Vec3(500, 0, 200));
    TargetShip* ship = PlaceShip(Vec3(500, 0, 240));
    const unsigned sprites = Count("Actor");
    // What the hit leaves, counted in the frame it happens.
    for (int frame = 0; frame < 60 && Count("Bullet"); ++frame)
        Frame(0.05f);
    ASSERT_EQ(0u, Count("Bullet"));
    // 8 / 3 whole: two pieces of wreckage, four small flashes, a large one and the hit's spark.
    EXPECT_EQ(2u, Count("Object"));
    EXPECT_EQ(sprites + 6, Count("Actor"));
    EXPECT_TRUE(Effect("sparksYtgMiddleTorpeda.pse"));
    EXPECT_FALSE(Effect("rocketExplosion.pse"));
    Frame(0.05f);
    ASSERT_EQ(1u, ship->hits.size());
    EXPECT_NEAR(100.0f / 3, ship->hits[0].damage, 1e-4f);
}

TEST_F(RocketTest, FragmentsSpreadWithinTheDivisionRadiusAndABelowHalfUnitOneNotAtAll)
{
    WeaponRocket* weapon = Fire(&computer);
    for (float radius : {0.3f, 8.0f})
    {
        type.divisionRadius = radius;
        for (int i = 0; i < 20; ++i)
        {
            Bullet* fragment = Place(weapon, nullptr, false, Vec3(500, 0, 100));
            const Vec3 spread = fragment->GetPhysEntity()->GetGlobalLinearVelocity() - Vec3(0, 0, type.speed);
            if (radius < 0.5f)
            {
                EXPECT_EQ(Vec3(0, 0, 0), spread);
            }
            else
            {
                // Up to the radius either way, times 0.801 to 1.2.
                EXPECT_LE(std::max({std::fabs(spread.x), std::fabs(spread.y), std::fabs(spread.z)}), 8 * 1.2f);
            }
            Level().DestroyActor(fragment, true);
        }
    }
}
