// The camera shaker and the arc-ball.
#include "../ExpectNear.h"
#include "foundation/base/Random.h"
#include "foundation/base/Timer.h"
#include "scene/motion/ArcBall.h"
#include "scene/motion/Shaker.h"
#include "scene/nodes/Group.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

// The turn between two orientations, in degrees (from the relative turn's sine and cosine,
// which stay precise for small angles).
float DegreesBetween(const Quaternion& a, const Quaternion& b)
{
    Quaternion inverse;
    a.UnitInversed(inverse);
    const Quaternion turn = inverse * b;
    const double sine = std::sqrt(double(turn.x) * turn.x + double(turn.y) * turn.y + double(turn.z) * turn.z);
    return float(2.0 * std::atan2(sine, std::fabs(double(turn.w))) * 180.0 / kPi);
}

struct Rig
{
    Group root{nullptr, nullptr};
    Bone* bone = new Bone(&root, nullptr);
    Timer timer;
    Rig()
    {
        root.Attach(bone);
        timer.Start(10.0f); // a tenth of a second a frame
    }
};

TEST(Shaker, TurnsSteadilyAboutOneAxisThenDrawsAnother)
{
    EngineSeed(7);
    Rig rig;
    Shaker shaker(rig.bone);
    Quaternion before = rig.bone->GetLocalOrientation();
    for (int frame = 0; frame < 10; ++frame)
    {
        shaker.UpdateMotion(rig.timer);
        EXPECT_EQ(shaker.GetAxis(), Vec3(1, 0, 0));
        EXPECT_NEAR(DegreesBetween(before, rig.bone->GetLocalOrientation()), 0.1f, 1e-3f);
        before = rig.bone->GetLocalOrientation();
    }
    shaker.UpdateMotion(rig.timer);
    EXPECT_NE(shaker.GetAxis(), Vec3(1, 0, 0));
    EXPECT_NEAR(shaker.GetAxis().Length(), 1.0f, 1e-5f);
    // The same seed draws the same axis.
    const Vec3 axis = shaker.GetAxis();
    EngineSeed(7);
    Rig again;
    Shaker repeat(again.bone, 2.0f, 0.5f);
    EXPECT_EQ(repeat.GetAmplitude(), 2.0f);
    EXPECT_EQ(repeat.GetFrequency(), 0.5f);
    for (int frame = 0; frame < 6; ++frame)
        repeat.UpdateMotion(again.timer);
    EXPECT_EQ(repeat.GetAxis(), axis);
}

// The engine's numbers after this seed draw (0, 0, 0) first: the shaker draws again rather
// than turn about an axis of no direction.
TEST(Shaker, AnAllZeroDrawIsDrawnAgain)
{
    EngineSeed(33672418);
    Rig rig;
    Shaker shaker(rig.bone, 1.0f, 0.0f);
    shaker.UpdateMotion(rig.timer);
    const Vec3 expected = Vec3(-18, -13, 46) * (1.0f / Vec3(-18, -13, 46).Length());
    EXPECT_NEAR(shaker.GetAxis().x, expected.x, 1e-6f);
    EXPECT_NEAR(shaker.GetAxis().y, expected.y, 1e-6f);
    EXPECT_NEAR(shaker.GetAxis().z, expected.z, 1e-6f);
    const Quaternion& turned = rig.bone->GetLocalOrientation();
    EXPECT_TRUE(std::isfinite(turned.x) && std::isfinite(turned.y) && std::isfinite(turned.z) &&
                std::isfinite(turned.w));
}

TEST(ArcBall, TurnsItsTargetAndKeepsItOnTheSphere)
{
    struct Case
    {
        eArcBallMode mode;
        float radius;
    };
    for (const Case& c : {Case{ABM_RELATIVE, 10.0f}, Case{ABM_PITCH_YAW, 10.0f}, Case{ABM_YAW_PITCH, 0.0f}})
    {
        SCOPED_TRACE(c.mode);
        Rig rig;
        const Vec3 anchor(5, 0, 0);
        ArcBall ball(rig.bone, anchor, c.radius);
        ball.SetRotationMode(c.mode);
        ball.SetRotationSpeed(100); // ten degrees a frame per unit of motion
        ball.UpdateRotation(1.0f, 0.0f, rig.timer);
        ball.UpdateRotation(1.0f, 0.0f, rig.timer);
        const Quaternion& turned = rig.bone->GetLocalOrientation();
        // Relative turns add up frame by frame; the other modes set the accumulated angles.
        EXPECT_NEAR(DegreesBetween(turned, Quaternion::identity), 20.0f, 1e-2f);
        ExpectNear(rig.bone->GetLocalPos(), anchor - turned.Dir() * c.radius);
        // No motion: the accumulated orientation stays (relative mode has nothing to add).
        const Quaternion kept = turned;
        ball.UpdateRotation(0.0f, 0.0f, rig.timer);
        EXPECT_NEAR(DegreesBetween(rig.bone->GetLocalOrientation(), kept), 0.0f, 1e-2f);
    }
}

} // namespace
