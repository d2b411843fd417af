// Rockets, torpedo fragments, debris and broken-off ship parts are moved by the physics:
// in the real mission frame they cover the same distance and turn the same angle in a second at
// 20, 30 and 60 frames a second, and a rocket reaches as far before its life ends.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "MountSupport.h"
#include "StartedMission.h"
#include "foundation/base/Random.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/objects/Object.h"
#include "game/world/ships/ShipPart.h"
#include "game/world/weapons/Bullet.h"
#include "game/world/weapons/WeaponRocket.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsActor.h"

namespace {

// Where a body went in the time flown, and how far it turned.
struct Flight
{
    float distance = 0;
    float angle = 0; // radians
    bool gone = false;
};

class FrameRateTest : public StartedMissionTest
{
protected:
    void SetUp() override
    {
        StartedMissionTest::SetUp();
        if (IsSkipped())
            return;
        rocket = MakeWeaponType("Rocket", "Rocket00", 10);
        CopyFixedText(rocket.physAsset, "rocket_00.mdl");
        CopyFixedText(rocket.renderAsset, "rocket_00.mod");
        rocket.speed = 400;
        rocket.lifetime = 2;
        torpedo = rocket;
        CopyFixedText(torpedo.name, "Torpeda00");
        torpedo.divisionRadius = 8;
    }

    // A bullet of the type flying along +z from the point: launched, or a torpedo's fragment.
    Bullet* Shoot(WeaponType& type, bool launched, const Vec3& at)
    {
        auto* weapon = new WeaponRocket(&computer, 0, MakeMountModel(at, {0}), 0);
        weapon->InitializeData(&type);
        Level().CreateActor(weapon, nullptr);
        auto* bullet = new Bullet(&computer, nullptr, weapon);
        bullet->SetLaunched(launched);
        Level().CreateActor(bullet, nullptr);
        Matrix pose = Matrix::Ident();
        pose.Translate(at);
        bullet->SetPose(pose);
        bullet->RecalcVelocity();
        return bullet;
    }

    // Flies what `spawn` makes (with the same random draws each time) for `seconds` of frames
    // of 1/fps s; the body is looked up each frame, as the actor may end meanwhile.
    Flight Fly(const std::function<Actor*()>& spawn, int fps, float seconds)
    {
        EngineSeed(11);
        Actor* actor = spawn();
        PhysicsActor* body = actor ? actor->GetPhysEntity() : nullptr;
        EXPECT_NE(body, nullptr);
        if (!body)
            return {};
        const Vec3 start = body->GetGlobalPosition();
        const Quaternion turn = body->GetGlobalOrientationQuat();
        Vec3 last = start;
        Quaternion lastTurn = turn;
        Flight flight;
        for (int frame = 0; frame < static_cast<int>(seconds * fps + 0.5f); ++frame)
        {
            Frame(1.0f / fps);
            // An actor whose life ran out is freed at once.
            if (!Level().HasActor(actor))
            {
                flight.gone = true;
                break;
            }
            last = body->GetGlobalPosition();
            lastTurn = body->GetGlobalOrientationQuat();
        }
        flight.distance = last.Distance(start);
        flight.angle = 2 * std::acos(std::min(1.0f, std::fabs(lastTurn.Dot(turn))));
        if (!flight.gone)
            Level().DestroyActor(actor, true);
        return flight;
    }

    WeaponType rocket, torpedo;
    Owner computer;
};

} // namespace

TEST_F(FrameRateTest, BodiesTheGameSetsMovingFlyAsFarAndTurnAsFarAtAnyFrameRate)
{
    // Away from the player's ship at the origin, pushed and spun.
    const auto pushed = [](auto* actor, const Vec3& at) -> Actor* {
        if (actor)
        {
            Matrix pose = Matrix::Ident();
            pose.Translate(at);
            actor->SetPose(pose);
            actor->AddForce(Vec3(30, 0, 100), NX_SMOOTH_VELOCITY_CHANGE);
            actor->AddTorque(Vec3(0, 2, 1), NX_SMOOTH_VELOCITY_CHANGE);
        }
        return actor;
    };
    const struct
    {
        const char* name;
        std::function<Actor*()> spawn;
    } bodies[] = {
        {"rocket", [&] { return Shoot(rocket, true, Vec3(1000, 0, 0)); }},
        {"torpedo fragment", [&] { return Shoot(torpedo, false, Vec3(2000, 0, 0)); }},
        {"debris", [&] { return pushed(Level().CreateObject("ytg_debris_00", nullptr), Vec3(0, 1000, 0)); }},
        {"ship part",
         [&] {
             Model* wreck = game.GetRenderScene()->CreateModel("ytg_sush_02.mod", SL_STAGE);
             return pushed(Level().CreateShipPartByModel(wreck), Vec3(0, -1000, 0));
         }},
    };
    for (const auto& body : bodies)
    {
        SCOPED_TRACE(body.name);
        const Flight reference = Fly(body.spawn, 60, 1);
        EXPECT_GT(reference.distance, 50);
        for (int fps : {20, 30})
        {
            const Flight flight = Fly(body.spawn, fps, 1);
            EXPECT_NEAR(flight.distance, reference.distance, 0.05f * reference.distance) << fps << " fps";
            EXPECT_NEAR(flight.angle, reference.angle, 0.05f * reference.angle + 1e-3f) << fps << " fps";
        }
    }
}

// A rocket lives two seconds of the clock: its range is the same at every frame rate.
TEST_F(FrameRateTest, ARocketReachesAsFarAtAnyFrameRate)
{
    const Flight reference = Fly([&] { return Shoot(rocket, true, Vec3(1000, 0, 0)); }, 60, 3);
    EXPECT_TRUE(reference.gone);
    EXPECT_GT(reference.distance, 600);
    for (int fps : {20, 30})
    {
        const Flight flight = Fly([&] { return Shoot(rocket, true, Vec3(1000, 0, 0)); }, fps, 3);
        EXPECT_TRUE(flight.gone) << fps;
        EXPECT_NEAR(flight.distance, reference.distance, 0.05f * reference.distance) << fps << " fps";
    }
}
