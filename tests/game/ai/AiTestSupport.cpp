#include "AiTestSupport.h"

#include <cmath>
#include <cstdio>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"

void TestShip::UserInit()
{
    Ship::UserInit();
    if (PhysicsSpace* space = game.GetLevel()->GetSpace())
        _physEntity = space->CreatePhysicsActorForFighter(this, GetName());
    if (_physEntity)
        _physEntity->SetGlobalPose(GetRoot());
}

void TestShip::UserProceed()
{
    Ship::UserProceed();
    if (_physEntity)
        GetRoot() = _physEntity->GetGlobalPose();
}

void TestShip::UserShutDown()
{
    if (_physEntity && game.GetLevel()->GetSpace())
        game.GetLevel()->GetSpace()->ReleasePhysicsActor(_physEntity);
    _physEntity = nullptr;
    Ship::UserShutDown();
}

void TestShip::StartShooting(Actor* target, int index)
{
    shots.push_back(target);
    Ship::StartShooting(target, index);
}

AiMission::AiMission()
{
    EngineSeed(1);
    std::snprintf(fighter.name, sizeof fighter.name, "test_fighter");
    fighter.speed = 200;
    fighter.throttle = 100;
    fighter.mass = 1;
    fighter.collisionRadius = 10;
    fighter.visibilityRange = 3000;
    fighter.supportRange = 300;
}

TestShip* AiMission::AddShip(const char* name, const char* fraction, const Vec3& position, const Vec3& dir,
                             ShipType* type)
{
    auto* ship = new TestShip();
    ship->InitializeData(type ? type : &fighter);
    Matrix pose = Matrix::Ident();
    pose.FromOrientation(dir, Vec3(0, 1, 0));
    pose.Translate(position);
    ship->GetRoot() = pose;
    mission.Level().CreateActor(ship, name);
    if (fraction)
        Manager().AddShip(ship, fraction);
    ships.push_back(ship);
    return ship;
}

void AiMission::Frame(float seconds)
{
    mission.Frame(seconds);
    for (const TestShip* ship : ships)
    {
        const PhysicsActor* body = ship->GetPhysEntity();
        if (!body)
            continue;
        const Matrix pose = body->GetGlobalPose();
        for (int i = 0; i < 16; ++i)
            ASSERT_TRUE(std::isfinite(pose.m[i])) << ship->GetName();
    }
}
