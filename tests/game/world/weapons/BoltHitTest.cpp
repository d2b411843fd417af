// What a bolt's ray meets: the nearest hull is hit, the shooter's own and ownerless bodies are
// passed, sensor spheres only note the shot, and hits on ships bring the radio lines.
#include <gtest/gtest.h>

#include <memory>

#include "MountSupport.h"
#include "StartedMission.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/actor/Limiter.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/Burst.h"
#include "game/world/weapons/WeaponBurst.h"
#include "game/world/weapons/WeaponStates.h"
#include "services/physics/PhysicsSpace.h"
#include "services/sound/SoundEngine.h"

namespace {

using TargetShip = Target<Ship>;
using TargetObject = Target<Object>;

class BoltHitTest : public StartedMissionTest
{
protected:
    // A weapon at x = 500, away from the player's ship at the origin, shooting along +z: once,
    // and again after 10 s.
    WeaponBurst* Mount(Actor* owner, float speed = 600)
    {
        type = MakeWeaponType("Burst", "Gun", 10);
        type.speed = speed;
        type.lifetime = 2;
        auto* weapon = new WeaponBurst(owner, 0, MakeMountModel(Vec3(500, 0, 0), {0}), 0);
        weapon->InitializeData(&type);
        Level().CreateActor(weapon, nullptr);
        weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
        return weapon;
    }
    // The body of a box of 10 units either way, or of a fighter: a hull of 15 and a sensor of 100.
    template <class T>
    T* Place(std::unique_ptr<T>& target, const Vec3& position, bool fighter = false)
    {
        target = std::make_unique<T>();
        PhysicsSpace* space = Level().GetSpace();
        PhysicsActor* body = fighter ? space->CreatePhysicsActorForFighter(target.get(), "fighter")
                                     : space->CreatePhysicsActor(target.get(), "box1.mdl");
        Vec3 at = position;
        body->SetGlobalPosition(at);
        target->SetBody(body);
        return target.get();
    }
    unsigned Bolts(WeaponBurst* weapon) const { return weapon->GetBurst()->GetBoltCount(); }

    WeaponType type;
    Owner computer;
    std::unique_ptr<TargetObject> nearObject, farObject;
    std::unique_ptr<TargetShip> shooter, ship;
};

} // namespace

TEST_F(BoltHitTest, BoltHitsTheNearerOfTwoObjectsSendsTheDamageAndPushesIt)
{
    // One ray of a frame crosses both boxes.
    WeaponBurst* weapon = Mount(&computer, 6000);
    TargetObject* nearer = Place(nearObject, Vec3(500, 0, 300));
    TargetObject* farther = Place(farObject, Vec3(500, 0, 400));
    Frame(0.1f);
    Frame(0.1f);
    EXPECT_EQ(0u, Bolts(weapon)) << "gone in the frame it hit";
    Frame(0.1f);
    ASSERT_EQ(1u, nearer->hits.size());
    EXPECT_EQ(&computer, nearer->hits[0].sender);
    EXPECT_EQ(nearer->GetPhysEntity()->getShapes()[0], nearer->hits[0].shape);
    EXPECT_EQ(weapon, nearer->hits[0].weapon);
    EXPECT_EQ(0.0f, nearer->hits[0].damage);
    EXPECT_FALSE(nearer->hits[0].flag);
    EXPECT_TRUE(farther->hits.empty());
    // Pushed away from the side it was hit on, and turned.
    EXPECT_GT(nearer->GetPhysEntity()->GetGlobalLinearVelocity().z, 30.0f);
    EXPECT_EQ(Vec3(0, 0, 0), farther->GetPhysEntity()->GetGlobalLinearVelocity());
    // A spark and a light where it hit.
    EXPECT_EQ(1u, Count("DynamicLight"));
    EXPECT_GE(Count("Actor"), 1u);
}

TEST_F(BoltHitTest, BoltPassesItsShooterAndBodiesNoActorOwns)
{
    // The shooter's hull is round the mount bone.
    TargetShip* own = Place(shooter, Vec3(500, 0, 0));
    Mount(own);
    PhysicsActor* stray = Level().GetSpace()->CreatePhysicsActor(nullptr, "box1.mdl");
    Vec3 strayAt(500, 0, 150);
    stray->SetGlobalPosition(strayAt);
    TargetObject* target = Place(nearObject, Vec3(500, 0, 405));
    Run(1, 0.05f);
    EXPECT_TRUE(own->hits.empty());
    ASSERT_EQ(1u, target->hits.size());
    EXPECT_EQ(own, target->hits[0].sender);
}

TEST_F(BoltHitTest, BoltThroughAShipsSensorNotesTheShotAndFliesOn)
{
    Mount(&computer);
    // The line of fire passes 60 units from the fighter: inside its sensor, outside its hull.
    TargetShip* fighter = Place(ship, Vec3(560, 0, 300), true);
    TargetObject* behind = Place(nearObject, Vec3(500, 0, 705));
    Run(1.5f, 0.05f);
    EXPECT_TRUE(fighter->hits.empty());
    const Ship::IncomingFire& record = fighter->GetIncomingFire();
    EXPECT_EQ(&computer, record.shooter);
    EXPECT_EQ(Vec3(0, 0, 1), record.direction);
    EXPECT_NEAR(100.0f, record.point.Distance(Vec3(560, 0, 300)), 0.5f) << "where the ray met the sensor";
    EXPECT_EQ(1u, behind->hits.size());
}

TEST_F(BoltHitTest, HitsOnShipsBringTheBlgRadioLines)
{
    struct Case
    {
        const char* name;
        bool playerShoots;
        const char* classname;
        bool playerIsHit;
        bool line;
    };
    const Case cases[] = {
        {"the player hits a Blg fighter", true, "ShipBlgFighter02", false, true},
        {"the player hits a Blg cruiser", true, "ShipBlgCruiser02", false, false},
        {"a computer hits a Blg fighter", false, "ShipBlgFighter02", false, false},
        {"the player is hit", false, "PlayerShip", true, true},
    };
    for (const Case& c : cases)
    {
        *game.GetLimiter() = Limiter();
        Owner gunner(c.playerShoots ? ACTOR_FLAG_PLAYER_SHIP : 0ul);
        WeaponBurst* weapon = Mount(&gunner);
        TargetShip* hit = Place(ship, Vec3(500, 0, 205));
        hit->SetClassname(c.classname);
        if (c.playerIsHit)
            hit->RaiseFlag(ACTOR_FLAG_PLAYER_SHIP);
        const size_t sounds = game.GetSoundEngine()->GetSound2DCount();
        Run(0.5f, 0.05f);
        EXPECT_EQ(1u, hit->hits.size()) << c.name;
        // A line keeps the Blg pilots from speaking again until it has ended.
        EXPECT_EQ(c.line, !game.GetLimiter()->CanTransmitionBlg()) << c.name;
        const size_t sounds2D = game.GetSoundEngine()->GetSound2DCount() - sounds;
        EXPECT_EQ(c.line ? 1u : 0u, sounds2D - (c.playerShoots ? 1u : 0u)) << c.name;
        Level().DestroyActor(weapon, true);
        Level().GetSpace()->ReleasePhysicsActor(hit->GetPhysEntity());
        ship.reset();
    }
}
