// Bolt weapons without anything to hit: salvos, flight, aim, glow, and the player's energy and
// sounds.
#include <gtest/gtest.h>


#include "MountSupport.h"
#include "StartedMission.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/actor/Limiter.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/Burst.h"
#include "game/world/weapons/BurstPoint.h"
#include "game/world/weapons/EnergySystem.h"
#include "game/world/weapons/WeaponBurst.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Particle.h"
#include "services/sound/SoundEngine.h"

namespace {

class BoltTest : public StartedMissionTest
{
protected:
    WeaponBurst* Mount(WeaponType& type, Actor* owner, Model* model)
    {
        auto* weapon = new WeaponBurst(owner, 0, model, 0);
        weapon->InitializeData(&type);
        Level().CreateActor(weapon, nullptr);
        return weapon;
    }
    // Attack until the first shot is fired, then hold: an order is carried out as the next frame
    // begins.
    void FireOnce(WeaponBurst* weapon)
    {
        weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
        for (int frame = 0; frame < 10 && Bolts(weapon).empty(); ++frame)
            Frame(0.1f);
        weapon->GetStateMachine()->ChangeState(WeaponStateIdle::Instance());
    }
    static const std::vector<BurstPoint*>& Bolts(WeaponBurst* weapon) { return weapon->GetBurst()->GetBolts(); }
    static size_t Sounds2D() { return game.GetSoundEngine()->GetSound2DCount(); }

    Owner computer;
    Owner player{ACTOR_FLAG_PLAYER_SHIP};
};

Vec3 Unit(Vec3 v)
{
    v.Normalize();
    return v;
}

} // namespace

TEST_F(BoltTest, SalvoLeavesEveryBoneAndSingleShotsTakeTheBonesInTurn)
{
    Model* model = MakeMountModel(Vec3(0, 0, 100), {0, 1, 2, 3});
    WeaponType salvo = MakeWeaponType("Burst", "Salvo", 0.5f);
    salvo.firePoints = 4;
    WeaponBurst* salvoWeapon = Mount(salvo, &computer, model);
    FireOnce(salvoWeapon);
    ASSERT_EQ(4u, Bolts(salvoWeapon).size());
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(static_cast<float>(i), Bolts(salvoWeapon)[i]->GetPosition().x);

    WeaponType single = MakeWeaponType("Burst", "Single", 0.1f);
    single.firePoints = 3;
    single.regime = 1;
    WeaponBurst* singleWeapon = Mount(single, &computer, model);
    singleWeapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
    Run(0.4f, 0.1f);
    // Orders in each of four frames, carried out in the last three: bones 0, 1 and 2.
    ASSERT_EQ(3u, Bolts(singleWeapon).size());
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_EQ(static_cast<float>(i), Bolts(singleWeapon)[i]->GetPosition().x);
    Frame(0.1f);
    EXPECT_EQ(0.0f, Bolts(singleWeapon).back()->GetPosition().x) << "after the last bone the first again";
}

TEST_F(BoltTest, BoltFliesItsLifetimeAndGoesInTheFrameItEnds)
{
    Model* model = MakeMountModel(Vec3(0, 0, 0), {0});
    WeaponType type = MakeWeaponType("Burst", "Gun", 5);
    type.speed = 600;
    type.lifetime = 1;
    WeaponBurst* weapon = Mount(type, &computer, model);
    weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
    Frame(0.25f);
    weapon->GetStateMachine()->ChangeState(WeaponStateIdle::Instance());
    // Made as the frame begins, it moves in the same frame.
    Frame(0.25f);
    ASSERT_EQ(1u, Bolts(weapon).size());
    EXPECT_EQ(Vec3(0, 0, 150), Bolts(weapon)[0]->GetPosition());
    Frame(0.25f);
    Frame(0.25f);
    ASSERT_EQ(1u, Bolts(weapon).size());
    EXPECT_EQ(Vec3(0, 0, 450), Bolts(weapon)[0]->GetPosition());
    EXPECT_EQ(0.25f, Bolts(weapon)[0]->GetLifetime());
    Frame(0.25f);
    EXPECT_TRUE(Bolts(weapon).empty());
}

TEST_F(BoltTest, ComputerBoltsAimAtTheirTargetAndScatterAtTheEasiestDifficulty)
{
    Model* model = MakeMountModel(Vec3(0, 0, 0), {0});
    WeaponType type = MakeWeaponType("Burst", "Gun", 0.1f);
    Ship target;
    target.GetRoot().Translate(Vec3(100, 50, 300));
    const Vec3 straight = Unit(Vec3(100, 50, 300));
    for (int difficulty : {2, 1})
    {
        game.GetGameSettings()->Difficulty = difficulty;
        for (Owner* owner : {&computer, &player})
        {
            WeaponBurst* weapon = Mount(type, owner, model);
            weapon->SetTarget(&target);
            FireOnce(weapon);
            ASSERT_EQ(1u, Bolts(weapon).size());
            const Vec3 direction = Bolts(weapon)[0]->GetDirection();
            if (owner == &player)
            {
                EXPECT_EQ(Vec3(0, 0, 1), direction) << "the player's bolts leave along the bone";
            }
            else if (difficulty == 2)
            {
                EXPECT_NEAR(0.0f, (direction - straight).Length(), 1e-5f);
            }
            else
            {
                // Up to 0.03 on each axis of the aim, which the bolt then flies at unit length: at
                // most 0.052 off the line, 0.055 once the length is taken out.
                const Vec3 spread = direction - straight;
                EXPECT_GT(spread.Length(), 0.0f);
                EXPECT_LE(spread.Length(), 0.055f);
            }
            Level().DestroyActor(weapon, true);
        }
    }
}

TEST_F(BoltTest, GlowFadesOutTowards4096UnitsAndThePlayersBoltsHaveNone)
{
    WeaponType type = MakeWeaponType("Burst", "Gun", 0.1f);
    struct Case
    {
        float distance;
        float lowest, highest;
    };
    for (const Case& c : {Case{1000, 0.9f, 0.99f}, Case{5000, 0, 0}})
    {
        WeaponBurst* weapon = Mount(type, &computer, MakeMountModel(Vec3(0, 0, c.distance), {0}));
        FireOnce(weapon);
        const Particle* flare = Bolts(weapon)[0]->GetFlare();
        ASSERT_NE(nullptr, flare);
        EXPECT_EQ(Bolts(weapon)[0]->GetPosition(), flare->position);
        EXPECT_GE(flare->color.a, c.lowest) << c.distance;
        EXPECT_LE(flare->color.a, c.highest) << c.distance;
        EXPECT_EQ(flare->color.r, flare->color.a);
    }
    WeaponBurst* own = Mount(type, &player, MakeMountModel(Vec3(0, 0, 1000), {0}));
    FireOnce(own);
    EXPECT_EQ(nullptr, Bolts(own)[0]->GetFlare());
}

TEST_F(BoltTest, PlayersShotsCostEnergyAndAmmunitionAndSound)
{
    Model* model = MakeMountModel(Vec3(0, 0, 0), {0, 1});
    WeaponType type = MakeWeaponType("Burst", "ASPPlayerBlaster00", 1);
    type.firePoints = 2;
    type.amount = 10;
    WeaponBurst* computers = Mount(type, &computer, model);
    FireOnce(computers);
    EXPECT_EQ(2u, Bolts(computers).size());
    EXPECT_EQ(10, computers->GetBulletAmount()) << "computer bolts cost nothing";

    WeaponBurst* players = Mount(type, &player, model);
    const size_t sounds = Sounds2D();
    FireOnce(players);
    EXPECT_EQ(2u, Bolts(players).size());
    EXPECT_EQ(8, players->GetBulletAmount());
    EXPECT_FLOAT_EQ(100 - 2.5f + 10 * 0.1f, players->GetEnergySystem()->GetCurEnergyLevel());
    EXPECT_EQ(sounds + 1, Sounds2D());

    WeaponType rotation = MakeWeaponType("Burst", "ASPPlayerRotation00", 1);
    WeaponBurst* rotating = Mount(rotation, &player, model);
    FireOnce(rotating);
    EXPECT_EQ(1u, Bolts(rotating).size());
    EXPECT_EQ(sounds + 1, Sounds2D()) << "the rotating cannon has its own sound";
}

TEST_F(BoltTest, PlayerOutOfEnergyFiresNothingAndHearsTheWarningWhenTheRobotMaySpeak)
{
    Model* model = MakeMountModel(Vec3(0, 0, 0), {0});
    WeaponType type = MakeWeaponType("Burst", "ASPPlayerBlaster00", 0.1f);
    type.amount = 10;
    Limiter& limiter = *game.GetLimiter();
    for (bool robotMaySpeak : {false, true})
    {
        limiter = Limiter();
        for (int seconds = 0; robotMaySpeak && seconds < 6; ++seconds)
        {
            Frame(1);
            limiter.Proceed();
        }
        WeaponBurst* weapon = Mount(type, &player, model);
        weapon->GetEnergySystem()->UseEnergy(98);
        const size_t sounds = Sounds2D();
        weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
        Frame(0.01f);
        Frame(0.01f);
        EXPECT_TRUE(Bolts(weapon).empty());
        EXPECT_EQ(10, weapon->GetBulletAmount());
        EXPECT_EQ(robotMaySpeak ? sounds + 1 : sounds, Sounds2D()) << robotMaySpeak;
        EXPECT_FALSE(limiter.CanTransmitionRobot());
        Level().DestroyActor(weapon, true);
    }
}
