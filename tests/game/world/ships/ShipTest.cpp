// Ships in a running mission: the defence layers under hits, regeneration, burning, the
// protection after creation, contacts, and the speed and turn orders.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "ShipTestSupport.h"
#include "WorldTestSupport.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/environment/Track.h"
#include "game/world/objects/Object.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/ships/Fighter.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxReports.h"

namespace {

// A fighter that counts the calls to its burning.
class CountingFighter : public Mounted<Fighter>
{
public:
    using Mounted<Fighter>::Mounted;
    void StartBurning() override
    {
        ++burnings;
        Fighter::StartBurning();
    }
    int burnings = 0;
};

class ShipTest : public testing::Test
{
protected:
    ShipTest()
    {
        type.shield = type.armor = type.structure = 100;
        type.speed = 200;
        type.speedAng = 10;
        type.accelerationAng = 20;
        type.dumpingAng = 20;
    }
    // A registered fighter on its own body, past its protection time.
    CountingFighter* Add(bool aged = true)
    {
        auto* ship = new CountingFighter(mission.Level().GetSpace()->CreatePhysicsActorForPlayer(nullptr), &type);
        mission.Level().CreateActor(ship, nullptr);
        if (aged)
            mission.Frame(0.6f);
        return ship;
    }
    static void SetLayers(Ship& ship, float shield, float armor, float structure)
    {
        ship.SetCurrentShield(shield);
        ship.SetCurrentArmor(armor);
        ship.SetCurrentStructure(structure);
    }
    // The contact report of the physics space between the ship and another actor.
    static void Touch(Ship& ship, Actor& other)
    {
        NxContactPair pair;
        NxContactStreamIterator stream(pair, nullptr);
        Vec3 normal(0, 0, 0), friction(0, 0, 0);
        ship.OnTouch(other, *ship.GetPhysEntity(), *ship.GetPhysEntity(), normal, friction, stream);
    }

    TestMission mission;
    ShipType type;
};

struct DamageCase
{
    const char* name;
    float shield, armor, structure;
    float damage, shieldFactor;
    float expectedShield, expectedArmor, expectedStructure;
    bool exploded, burning;
};

TEST_F(ShipTest, OnlyTheOutermostLayerLeftTakesAHit)
{
    const DamageCase cases[] = {
        {"the shield takes it all, nothing carries over", 10, 100, 100, 100, 1, -90, 100, 100, false, false},
        {"the shield's share", 100, 100, 100, 100, 0.25f, 75, 100, 100, false, false},
        {"armour above half", 0, 100, 100, 40, 1, 0, 60, 100, false, false},
        {"armour below half burns", 0, 60, 100, 20, 1, 0, 40, 100, false, true},
        {"structure", 0, 0, 50, 20, 1, 0, 0, 30, false, false},
        {"nothing left: the hit explodes the ship and does no damage", 0, 0, 0, 20, 1, 0, 0, 0, true, false},
    };
    for (const DamageCase& c : cases)
    {
        CountingFighter* ship = Add();
        SetLayers(*ship, c.shield, c.armor, c.structure);
        ship->DoDamage(c.damage, c.shieldFactor, 1, 1);
        EXPECT_FLOAT_EQ(ship->GetCurrentShield(), c.expectedShield) << c.name;
        EXPECT_FLOAT_EQ(ship->GetCurrentArmor(), c.expectedArmor) << c.name;
        EXPECT_FLOAT_EQ(ship->GetCurrentStructure(), c.expectedStructure) << c.name;
        EXPECT_EQ(ship->IsDead(), c.exploded) << c.name;
        EXPECT_EQ(ship->IsBurning(), c.burning) << c.name;
    }
}

// A hit on a part of a ship without breakable parts reaches the whole ship; a rocket's fragment
// carries no weapon, only its share of the damage.
TEST_F(ShipTest, AHitWithoutAWeaponOnAShipWithoutPartsTakesItsAmount)
{
    const struct
    {
        float amount, shield;
    } cases[] = {{40, 60}, {0, 100}};
    for (const auto& c : cases)
    {
        CountingFighter* ship = Add();
        mission.Level().SendMessage(nullptr, ship, MESSAGE_DO_DAMAGE_TO_PART,
                                    new MessageDoDamageToPart(nullptr, nullptr, c.amount, false), 0);
        mission.Frame(1.0f / 60);
        EXPECT_FLOAT_EQ(c.shield, ship->GetCurrentShield()) << c.amount;
    }
}

TEST_F(ShipTest, AShieldDrivenBelowZeroIsZeroAfterTheNextUpdateAndTheNextHitTakesArmour)
{
    CountingFighter* ship = Add();
    SetLayers(*ship, 10, 100, 100);
    ship->DoDamage(100, 1, 1, 1);
    mission.Frame(1.0f / 60);
    EXPECT_EQ(ship->GetCurrentShield(), 0);
    ship->DoDamage(30, 1, 1, 1);
    EXPECT_FLOAT_EQ(ship->GetCurrentArmor(), 70);
}

TEST_F(ShipTest, BurningStartsOnce)
{
    CountingFighter* ship = Add();
    SetLayers(*ship, 0, 60, 100);
    for (int hit = 0; hit < 3; ++hit)
        ship->DoDamage(10, 1, 1, 1);
    EXPECT_EQ(ship->burnings, 1);
    EXPECT_FLOAT_EQ(ship->GetCurrentArmor(), 30);
}

TEST_F(ShipTest, AShipTakesNoDamageForItsFirstHalfSecond)
{
    CountingFighter* ship = Add(false);
    mission.Frame(0.4f);
    ship->DoDamage(50, 1, 1, 1);
    EXPECT_EQ(ship->GetCurrentShield(), 100);
    mission.Frame(0.2f);
    ship->DoDamage(50, 1, 1, 1);
    EXPECT_EQ(ship->GetCurrentShield(), 50);
}

TEST_F(ShipTest, RegenerationRefillsLayersThatAreUpAndNotThoseThatFell)
{
    type.shieldRegen = 10;
    type.armorRegen = 10;
    type.structureRegen = 10;
    CountingFighter* ship = Add();
    SetLayers(*ship, 50, 0, 95);
    mission.Frame(1);
    EXPECT_FLOAT_EQ(ship->GetCurrentShield(), 60);
    EXPECT_EQ(ship->GetCurrentArmor(), 0) << "a layer at 0 stays down";
    EXPECT_FLOAT_EQ(ship->GetCurrentStructure(), 100) << "capped at the maximum";

    SetLayers(*ship, 0, 50, 50);
    mission.Frame(1);
    EXPECT_EQ(ship->GetCurrentShield(), 0);
    EXPECT_FLOAT_EQ(ship->GetCurrentArmor(), 60);

    SetLayers(*ship, 50, 50, 50);
    ship->Explode();
    mission.Frame(1);
    EXPECT_EQ(ship->GetCurrentShield(), 50) << "a dead ship does not heal";
}

TEST_F(ShipTest, ContactsDamageAtMostOnceASecondByTheOrderedSpeed)
{
    CountingFighter* ship = Add();
    Object rock;
    ship->SetSpeed(10); // 20 units a second
    Touch(*ship, rock);
    Touch(*ship, rock);
    mission.Frame(0.5f);
    Touch(*ship, rock);
    mission.Frame(0.1f);
    EXPECT_FLOAT_EQ(ship->GetCurrentShield(), 80) << "one hit within the second";
    mission.Frame(0.5f);
    Touch(*ship, rock);
    mission.Frame(0.1f);
    EXPECT_FLOAT_EQ(ship->GetCurrentShield(), 60);

    // At most 0.3 of the outermost layer's maximum.
    ship->SetSpeed(100);
    mission.Frame(1);
    Touch(*ship, rock);
    mission.Frame(0.1f);
    EXPECT_FLOAT_EQ(ship->GetCurrentShield(), 30);
}

TEST_F(ShipTest, ContactsWithoutDamage)
{
    CountingFighter* ship = Add();
    CountingFighter* other = Add();
    Object debris;
    debris.RaiseFlag(ACTOR_FLAG_DEBRIS);
    Actor stranger; // neither object nor ship
    ship->SetSpeed(50);

    Touch(*ship, stranger);
    Touch(*ship, debris);
    mission.Frame(0.1f);
    Touch(*ship, *other);
    mission.Frame(0.1f);
    EXPECT_EQ(ship->GetCurrentShield(), 100) << "debris started the pause but did no damage";

    // Flying backwards does not heal a ship by hitting things.
    mission.Frame(1);
    ship->SetSpeed(-50);
    Touch(*ship, *other);
    mission.Frame(0.1f);
    EXPECT_EQ(ship->GetCurrentShield(), 100);

    // A large craft takes no collision damage.
    other->RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    other->SetSpeed(50);
    Touch(*other, *ship);
    mission.Frame(0.1f);
    EXPECT_EQ(other->GetCurrentShield(), 100);
}

TEST_F(ShipTest, ASmallCraftTouchingALargeAsteroidExplodes)
{
    ObjectType large;
    std::snprintf(large.name, sizeof(large.name), "ast_l_a");
    ObjectType medium;
    std::snprintf(medium.name, sizeof(medium.name), "ast_m_a");
    Object asteroid;
    asteroid.InitializeData(&medium);
    CountingFighter* ship = Add();
    Touch(*ship, asteroid);
    EXPECT_FALSE(ship->IsDead());
    asteroid.InitializeData(&large);
    Touch(*ship, asteroid);
    EXPECT_TRUE(ship->IsDead());
    // Dead, it asks the mission to remove it.
    mission.Frame(0.1f);
    mission.Frame(0.1f);
    EXPECT_TRUE(ship->IsDeleted());
}

TEST_F(ShipTest, SpeedAndTurnOrdersReachTheController)
{
    CountingFighter* ship = Add();
    mission.Frame(0.1f);
    ship->SetSpeed(-50);
    EXPECT_FLOAT_EQ(ship->GetSpeed(), -100);
    EXPECT_EQ(ship->GetSpeedSign(), -1);
    ship->ChangeSpeed(600); // 0.1 s of frame time, backwards
    EXPECT_FLOAT_EQ(ship->GetSpeed(), -160);
    EXPECT_FLOAT_EQ(ship->GetSpeedPerc(), -80);

    DynamicShipController* controller = ship->GetController();
    ship->Yaw(2000);
    EXPECT_NEAR(controller->GetAngularTarget().y, 0.17453f, 1e-5f) << "held to the angular speed";
    ship->Pitch(500);
    EXPECT_NEAR(controller->GetAngularTarget().x, -0.087265f, 1e-5f);
    ship->Roll(-500);
    EXPECT_NEAR(controller->GetAngularTarget().z, 0.087265f, 1e-5f);
    ship->Explode();
    ship->Yaw(2000);
    EXPECT_EQ(controller->GetAngularTarget().y, 0);
    ship->SetSpeed(50);
    EXPECT_EQ(ship->GetSpeed(), 0);
}

TEST_F(ShipTest, ChangingSpeedWithoutAMaximumStaysFinite)
{
    type.speed = 0;
    CountingFighter* ship = Add();
    ship->ChangeSpeed(100);
    EXPECT_EQ(ship->GetSpeed(), 0);
    EXPECT_EQ(ship->GetSpeedPerc(), 0);
}

TEST_F(ShipTest, AShipWithoutABodyKeepsItsPose)
{
    auto* ship = new Ship();
    ship->InitializeData(&type);
    mission.Level().CreateActor(ship, "bare");
    Matrix pose = Matrix::Ident();
    pose.Translate(Vec3(10, 20, 30));
    ship->SetPose(pose);
    ship->SetSpeed(50);
    for (int frame = 0; frame < 3; ++frame)
        mission.Frame(1.0f / 60);
    EXPECT_EQ(ship->GetPosition().x, 10);
    EXPECT_EQ(ship->GetCurrentSpeed(), 0);
    EXPECT_EQ(ship->GetSpeed(), 0) << "no controller, no order";
    EXPECT_EQ(ship->GetAverageDamage(), 1);
}

TEST_F(ShipTest, AverageDamageIsTheShareOfTheDefencesLeft)
{
    CountingFighter* ship = Add();
    SetLayers(*ship, 50, 100, 50);
    EXPECT_FLOAT_EQ(ship->GetAverageDamage(), 2.0f / 3);
    SetLayers(*ship, 0, 0, 0);
    EXPECT_EQ(ship->GetAverageDamage(), 0);
    ship->SetMaximumShield(0);
    ship->SetMaximumArmor(0);
    ship->SetMaximumStructure(0);
    EXPECT_EQ(ship->GetAverageDamage(), 1) << "nothing to lose counts as intact";
}

} // namespace

namespace {

TEST_F(ShipTest, ATrackIsFollowedPointByPointAndStartsOverAfterTheLast)
{
    Track* track = mission.Level().CreateTrack();
    for (unsigned i = 0; i < 3; ++i)
        track->AddPoint(Vec3(1000.0f * float(i), 0, 0), i);
    track->PostInitialize();
    CountingFighter* ship = Add();
    const struct
    {
        Vec3 at;
        int steeredTo;
    } steps[] = {
        {Vec3(-500, 0, 0), 0}, // far from point 0: stays on it
        {Vec3(-200, 0, 0), 0}, // within 256 of point 0: steers there, then moves on
        {Vec3(800, 0, 0), 1},  {Vec3(1900, 0, 0), 2}, {Vec3(0, 0, 0), 0},
    };
    for (const auto& step : steps)
    {
        Matrix pose = Matrix::Ident();
        pose.Translate(step.at);
        ship->SetPose(pose);
        ship->MoveByTrack(track);
        EXPECT_EQ(ship->GetNextTrackPos(), track->GetPoint(unsigned(step.steeredTo)).position) << step.at.x;
        const Vec3 towards = track->GetPoint(unsigned(step.steeredTo)).position - step.at;
        if (towards.Length() > 0)
        {
            EXPECT_NEAR(ship->GetRotateToDir().Dot(towards * (1.0f / towards.Length())), 1, 1e-5f);
        }
        EXPECT_FLOAT_EQ(ship->GetSpeed(), 200) << "full speed along the track";
    }
    EXPECT_EQ(ship->GetTrackPos(2), Vec3(2000, 0, 0));
    EXPECT_EQ(ship->GetTrackPos(3), Vec3(0, 0, 0)) << "past the last point";
}

} // namespace
