// The ship controller on a real body: how targets are bounded and how each axis steps toward
// its target.
#include <gtest/gtest.h>

#include <cmath>

#include "ShipTestSupport.h"
#include "game/world/ships/DynamicShipController.h"
#include "services/physics/PhysicsActor.h"

namespace {

constexpr float Dt = 0.5f;

class ControllerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        body = space.MakeBody();
        ASSERT_NE(body, nullptr);
        controller = std::make_unique<DynamicShipController>(body);
    }

    BodySpace space;
    PhysicsActor* body = nullptr;
    std::unique_ptr<DynamicShipController> controller;
};

bool Finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

struct BoundCase
{
    const char* name;
    float minimum, maximum, value, expected;
};

TEST_F(ControllerTest, TargetsAreLiftedToTheMinimumAndCutToTheMaximum)
{
    const BoundCase cases[] = {
        {"zero limits hold a ship still", 0, 0, 10, 0},
        {"within the limits", 0, 100, 10, 10},
        {"above the maximum", 0, 100, 150, 100},
        {"below minus the maximum", 0, 100, -150, -100},
        {"below the minimum", 5, 100, 2, 5},
        {"below the minimum, backwards", 5, 100, -2, -5},
        {"zero counts as backwards", 0.2f, 1, 0, -0.2f},
    };
    // Every setter applies the rule with its own axis's limits.
    for (const BoundCase& c : cases)
    {
        controller->SetLinMinMaxAbsVel(Vec3(c.minimum, 0, c.minimum), Vec3(c.maximum, 0, c.maximum));
        controller->SetAngMinMaxAbsVel(Vec3(c.minimum), Vec3(c.maximum));
        controller->SetLinVelX(c.value);
        controller->SetLinVelZ(c.value);
        controller->SetAngVelX(c.value);
        controller->SetAngVelY(c.value);
        controller->SetAngVelZ(c.value);
        EXPECT_FLOAT_EQ(controller->GetLinearTarget().x, c.expected) << c.name;
        EXPECT_FLOAT_EQ(controller->GetLinearTarget().z, c.expected) << c.name;
        for (float axis :
             {controller->GetAngularTarget().x, controller->GetAngularTarget().y, controller->GetAngularTarget().z})
            EXPECT_FLOAT_EQ(axis, c.expected) << c.name;
    }
}

struct LinearCase
{
    const char* name;
    float current, target;
    float expectedX, expectedZ;
};

// Limits 1..100 on every axis, acceleration 10 and damping 4 per second: steps of 5 and 2.
TEST_F(ControllerTest, LinearAxesStepByDampingSidewaysAndByAccelerationForward)
{
    const LinearCase cases[] = {
        {"within one damping step: snap", 30, 31.5f, 31.5f, 31.5f},
        {"speeding up: damping sideways, acceleration forward", 30, 60, 32, 35},
        {"slowing down", 30, 10, 28, 28},
        {"a drift below the minimum is never damped sideways", 0.5f, 20, 0.5f, 5.5f},
        {"above the maximum brakes by how many times it is", 200, 50, 196, 196},
        {"within one acceleration step forward: snap", 30, 34, 32, 34},
    };
    for (const LinearCase& c : cases)
    {
        controller->SetLinMinMaxAbsVel(Vec3(1, 1, 1), Vec3(100, 100, 100));
        controller->SetLinAccDmp(Vec3(10, 10, 10), Vec3(4, 4, 4));
        controller->SetLinVelX(c.target);
        controller->SetLinVelZ(c.target);
        body->SetGlobalLinearVelocity(Vec3(c.current, 0, c.current));
        controller->UpdateController(Dt);
        const Vec3 v = body->GetGlobalLinearVelocity();
        EXPECT_NEAR(v.x, c.expectedX, 1e-4f) << c.name;
        EXPECT_NEAR(v.z, c.expectedZ, 1e-4f) << c.name;
    }
}

TEST_F(ControllerTest, ForwardBelowTheMinimumAcceleratesBackTowardIt)
{
    controller->SetLinMinMaxAbsVel(Vec3(0, 0, 20), Vec3(0, 0, 100));
    controller->SetLinAccDmp(Vec3(0, 0, 10), Vec3(0, 0, 4));
    controller->SetLinVelZ(-30); // bounded to -30; the current 10 is below the minimum 20
    body->SetGlobalLinearVelocity(Vec3(0, 0, 10));
    controller->UpdateController(Dt);
    EXPECT_FLOAT_EQ(body->GetGlobalLinearVelocity().z, 15);
}

struct AngularCase
{
    const char* name;
    float current, target, expected;
};

// Maximum 2 per axis, acceleration 1 and damping 0.4 per second: steps of 0.5 and 0.2.
TEST_F(ControllerTest, AngularAxesSnapBrakeAndAccelerate)
{
    const AngularCase cases[] = {
        {"a gap of exactly one acceleration step snaps", 1, 1.5f, 1.5f},
        {"above the maximum is braked", 3, 2, 2.8f},
        {"below minus the maximum is braked", -3, -2, -2.8f},
        {"slowing down uses the damping", 1.5f, 0.5f, 1.3f},
        {"speeding up uses the acceleration", 0.2f, 1.5f, 0.7f},
        {"reversing uses the acceleration", 1, -1, 0.5f},
    };
    for (const AngularCase& c : cases)
    {
        controller->SetAngMinMaxAbsVel(Vec3(0, 0, 0), Vec3(2, 2, 2));
        controller->SetAngAccDmp(Vec3(1, 1, 1), Vec3(0.4f, 0.4f, 0.4f));
        controller->SetAngVelX(c.target);
        controller->SetAngVelY(c.target);
        controller->SetAngVelZ(c.target);
        body->SetGlobalAngularVelocity(Vec3(c.current, c.current, c.current));
        controller->UpdateController(Dt);
        const Vec3 w = body->GetGlobalAngularVelocity();
        EXPECT_NEAR(w.x, c.expected, 1e-5f) << c.name;
        EXPECT_NEAR(w.y, c.expected, 1e-5f) << c.name;
        EXPECT_NEAR(w.z, c.expected, 1e-5f) << c.name;
    }
}

TEST_F(ControllerTest, TheRollTargetReturnsToZeroAfterEveryUpdate)
{
    controller->SetAngMinMaxAbsVel(Vec3(0, 0, 0.2f), Vec3(2, 2, 2));
    controller->SetAngVelY(1);
    controller->SetAngVelZ(1);
    controller->UpdateController(Dt);
    EXPECT_FLOAT_EQ(controller->GetAngularTarget().y, 1);
    EXPECT_FLOAT_EQ(controller->GetAngularTarget().z, -0.2f);
}

// The player's ship keeps the default zero limits while its update runs the controller.
TEST_F(ControllerTest, ZeroLimitsNeverPutANaNIntoTheBody)
{
    controller->SetLinAccDmp(Vec3(0, 0, 0), Vec3(3, 3, 3));
    for (const Vec3& velocity : {Vec3(0, 0, 0), Vec3(0, 0, 250), Vec3(-40, 5, -90)})
    {
        body->SetGlobalLinearVelocity(velocity);
        body->SetGlobalAngularVelocity(velocity * 0.01f);
        for (int frame = 0; frame < 10; ++frame)
            controller->UpdateController(1.0f / 60);
        EXPECT_TRUE(Finite(body->GetGlobalLinearVelocity())) << velocity.z;
        EXPECT_TRUE(Finite(body->GetGlobalAngularVelocity())) << velocity.z;
        EXPECT_TRUE(Finite(body->GetGlobalPose().Pos())) << velocity.z;
    }
    body->SetGlobalLinearVelocity(Vec3(0, 0, 0));
    body->SetGlobalAngularVelocity(Vec3(0, 0, 0));
    controller->SetToDefault();
    controller->UpdateController(1.0f / 60);
    EXPECT_EQ(body->GetGlobalLinearVelocity().LengthSquared(), 0.0f);
    EXPECT_EQ(body->GetGlobalAngularVelocity().LengthSquared(), 0.0f);
}

TEST_F(ControllerTest, RotateToDirTurnsTowardADirectionInTheBodysFrame)
{
    controller->SetAngMinMaxAbsVel(Vec3(0, 0, 0), Vec3(10, 10, 10));
    // Turned a quarter about y, the body's forward is world +x.
    Matrix pose = Matrix::Ident();
    pose.Yaw(1.5707964f);
    body->SetGlobalPose(pose);
    const Vec3 forward = body->GetGlobalPose().Dir();
    const Vec3 up = body->GetGlobalPose().Up();

    controller->RotateToDir(forward + up);
    EXPECT_NEAR(controller->GetAngularTarget().x, -3 * std::atan2(1.0f, 1.0f), 1e-4f);
    EXPECT_NEAR(controller->GetAngularTarget().y, 0, 1e-4f);

    controller->RotateToDirUp(forward, 0, up);
    EXPECT_NEAR(controller->GetAngularTarget().x, 0, 1e-4f);
    EXPECT_NEAR(controller->GetAngularTarget().y, 0, 1e-4f);
    EXPECT_NEAR(controller->GetAngularTarget().z, 0, 1e-4f);
}

TEST_F(ControllerTest, AbsoluteStrafeTakesTheVelocityAwayFromTheBody)
{
    body->SetGlobalLinearVelocity(Vec3(5, 0, 30));
    controller->SetAbsLinVel(Vec3(2, 0, 10));
    const Vec3 v = body->GetGlobalLinearVelocity();
    EXPECT_NEAR(v.x, 3, 1e-4f);
    EXPECT_NEAR(v.z, 20, 1e-4f);
}

} // namespace
