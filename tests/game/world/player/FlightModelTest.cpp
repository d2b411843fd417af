// The four flight models on a real body at a fixed frame time: easing, clamps, the laws that
// move the body and how each kind reads its inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "WorldTestSupport.h"
#include "ships/ShipTestSupport.h"
#include "game/world/player/FlightModelComby.h"
#include "game/world/player/FlightModelDirect.h"
#include "game/world/player/FlightModelDuplex.h"
#include "game/world/player/FlightModelStrafe.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxScene.h"

namespace {

constexpr float Frame = 1.0f / 32; // about two physics steps: the laws scale by it

class FlightModelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        body = space.MakeBody();
        ASSERT_NE(body, nullptr);
        ship = std::make_unique<MountedPlayerShip>(body);
        clock.Tick(Frame);
    }
    // Maximum speed 300, turns of 30 degrees per second, throttle coefficients 1.
    template <class Model>
    std::unique_ptr<Model> Make()
    {
        auto model = std::make_unique<Model>(ship.get());
        model->SetMaxSpeed(300);
        model->SetMaxStrafeSpeed(100);
        model->SetMaxYaw(30);
        model->SetMaxPitch(30);
        model->SetMaxRoll(30);
        return model;
    }
    static void Frames(FlightModel& model, int count, const std::function<void(FlightModel&)>& input = nullptr)
    {
        for (int i = 0; i < count; ++i)
        {
            if (input)
                input(model);
            model.Update();
        }
    }
    Vec3 Forward() const { return body->GetGlobalPose().Dir(); }
    Vec3 Velocity() const { return body->GetGlobalLinearVelocity(); }

    FrameClock clock;
    BodySpace space;
    PhysicsActor* body = nullptr;
    std::unique_ptr<MountedPlayerShip> ship;
};

TEST_F(FlightModelTest, CoefficientsAreHeldInTheirRanges)
{
    FlightModelDirect model(ship.get());
    const struct
    {
        float mass, expectedMass, roll, expectedRoll;
    } cases[] = {{0, 0.01f, 0, 0.1f}, {5, 1, 2, 1}, {0.3f, 0.3f, 0.5f, 0.5f}, {-1, 0.01f, -3, 0.1f}};
    for (const auto& c : cases)
    {
        model.SetMassKoef(c.mass);
        model.SetRollCoeff(c.roll);
        EXPECT_FLOAT_EQ(model.GetMassKoef(), c.expectedMass) << c.mass;
        EXPECT_FLOAT_EQ(model.GetRollCoeff(), c.expectedRoll) << c.roll;
    }
    model.SetMassKoef(0.5f);
    model.AddInertia(0.8f);
    EXPECT_FLOAT_EQ(model.GetMassKoef(), 1);
    model.AddInertia(-2);
    EXPECT_FLOAT_EQ(model.GetMassKoef(), 0.01f);
    model.AddRollCoeff(-1);
    EXPECT_FLOAT_EQ(model.GetRollCoeff(), 0.1f);
}

TEST_F(FlightModelTest, TurnsCloseATenthOfTheirGapEverySixtiethOfASecondAtHalfMass)
{
    // A frame of 1/30 s closes what two of 1/60 s close.
    auto slow = Make<FlightModelDirect>();
    Frames(*slow, 1, [](FlightModel& m) { m.KeyYawX(); });
    EXPECT_NEAR(slow->GetYawCur(), 100 * (1 - std::pow(0.9f, Frame * 60)), 1e-3f);
    clock.Tick(1.0f / 30);
    slow->Clear();
    Frames(*slow, 1, [](FlightModel& m) { m.KeyYawX(); });
    EXPECT_NEAR(slow->GetYawCur(), 19, 1e-3f);

    clock.Tick(1.0f / 60);
    auto model = Make<FlightModelDirect>();
    const auto keys = [](FlightModel& m) {
        m.KeyYawX();
        m.KeyPitchY();
        m.KeyRollX();
    };
    Frames(*model, 1, keys);
    EXPECT_NEAR(model->GetYawCur(), 10, 1e-2f);
    EXPECT_NEAR(model->GetPitchCur(), -10, 1e-2f);
    EXPECT_NEAR(model->GetRollCur(), 10, 1e-2f);
    Frames(*model, 1, keys);
    EXPECT_NEAR(model->GetYawCur(), 19, 1e-2f);
    // Released, they ease back toward 0 the same way.
    Frames(*model, 1);
    EXPECT_NEAR(model->GetYawCur(), 17.1f, 1e-2f);
    EXPECT_NEAR(model->GetPitchCur(), -17.1f, 1e-2f);
}

TEST_F(FlightModelTest, TurningRotatesTheBodyAboutItsOwnAxesAndStopsItsSpin)
{
    auto model = Make<FlightModelDirect>();
    Matrix start = Matrix::Ident();
    start.Yaw(0.7f);
    start.Pitch(-0.3f);
    start.Translate(Vec3(5, 6, 7));
    body->SetGlobalPose(start);
    body->SetGlobalAngularVelocity(Vec3(1, 2, 3));
    Frames(*model, 1, [](FlightModel& m) {
        m.KeyYawX();
        m.KeyPitchX();
        m.KeyRollY();
    });
    // The eased share of 30 degrees per second for one frame, yaw, then pitch, then roll.
    const float share = 1 - std::pow(0.9f, Frame * 60);
    const float angle = share * 30 * Frame * 0.017453f;
    Matrix expected = start;
    expected.Yaw(angle);
    expected.Pitch(angle);
    expected.Roll(-angle);
    const Matrix pose = body->GetGlobalPose();
    for (int row = 0; row < 4; ++row)
        EXPECT_NEAR(pose.GetRow3(row).Distance(expected.GetRow3(row)), 0, 1e-5f) << row;
    EXPECT_EQ(body->GetGlobalAngularVelocity().LengthSquared(), 0.0f);
}

TEST_F(FlightModelTest, SpeedStepsByCoefficientTimesMassTimesTheFrameAndMovesTheBody)
{
    auto model = Make<FlightModelDirect>();
    model->SetThrottleCoeffAcc(2);
    model->SetThrottleCoeffDec(1);
    model->SetSpeedPerc(50);
    Frames(*model, 1);
    const float step = 2 * 0.5f * Frame * 60;
    EXPECT_FLOAT_EQ(model->GetSpeedCur(), step);
    EXPECT_NEAR(Velocity().z, step * 0.01f * 300, 1e-4f) << "units per second, whatever the frame";
    Frames(*model, 40);
    EXPECT_NEAR(model->GetSpeedCur(), 50, step);
    // Braking steps by the deceleration coefficient, here half the acceleration one.
    model->SetSpeedPerc(20);
    const float before = model->GetSpeedCur();
    Frames(*model, 1);
    EXPECT_FLOAT_EQ(before - model->GetSpeedCur(), 1 * 0.5f * Frame * 60);
    // Below 1 % with nothing desired the throttle closes at once.
    model->SetSpeedPerc(0);
    Frames(*model, 80);
    EXPECT_EQ(model->GetSpeedCur(), 0);
}

TEST_F(FlightModelTest, ThrottleInputsSetTheDesiredSpeed)
{
    auto model = Make<FlightModelDirect>();
    const struct
    {
        const char* name;
        std::function<void(FlightModel&)> input;
        float expected;
    } cases[] = {
        {"speed up is full throttle", [](FlightModel& m) { m.KeySpeedUp(); }, 100},
        {"speed down stops at once", [](FlightModel& m) { m.KeySpeedDown(); }, 0},
        {"a wheel notch is 10 %", [](FlightModel& m) { m.MouseSpeed(3); }, 50},
        {"a wheel notch back", [](FlightModel& m) { m.MouseSpeed(-3); }, 30},
        {"no wheel, no change", [](FlightModel& m) { m.MouseSpeed(0); }, 40},
        {"the joystick's far end is full", [](FlightModel& m) { m.JoySpeed(-1000); }, 100},
        {"the joystick's near end stops", [](FlightModel& m) { m.JoySpeed(1000); }, 0},
        {"the joystick's middle is half", [](FlightModel& m) { m.JoySpeed(0); }, 50},
        {"never above 100", [](FlightModel& m) { m.AddSpeedPerc(200); }, 100},
        {"never below 0", [](FlightModel& m) { m.SetSpeedPerc(-20); }, 0},
    };
    for (const auto& c : cases)
    {
        model->SetSpeedPerc(40);
        c.input(*model);
        EXPECT_FLOAT_EQ(model->GetSpeedDes(), c.expected) << c.name;
    }
}

TEST_F(FlightModelTest, DesiredTurnsLastUntilTheNextUpdate)
{
    auto model = Make<FlightModelDirect>();
    model->SetYaw(50);
    model->SetPitch(20);
    model->AddRoll(30);
    EXPECT_FLOAT_EQ(model->GetPitchDes(), -20);
    Frames(*model, 1, [](FlightModel& m) { m.MouseYaw(5); });
    EXPECT_FLOAT_EQ(model->GetYawDes(), 20);
    EXPECT_FLOAT_EQ(model->GetPitchDes(), 0);
    EXPECT_FLOAT_EQ(model->GetRollDes(), 0);
    // Summed inputs are held to 100.
    Frames(*model, 1, [](FlightModel& m) {
        m.MouseYaw(20);
        m.KeyYawX();
    });
    EXPECT_FLOAT_EQ(model->GetYawDes(), 100);
}

TEST_F(FlightModelTest, DuplexReverseGearFliesBackwardsAndCombyIgnoresTheGear)
{
    auto duplex = Make<FlightModelDuplex>();
    duplex->ChangeGear();
    duplex->SetSpeedPerc(50);
    Frames(*duplex, 200);
    EXPECT_FLOAT_EQ(duplex->GetGear(), -1);
    EXPECT_NEAR(duplex->GetSpeedCur(), -50, 1);
    EXPECT_LT(Velocity().Dot(Forward()), 0);

    auto comby = Make<FlightModelComby>();
    comby->ChangeGear();
    comby->SetSpeedPerc(50);
    Frames(*comby, 200);
    EXPECT_NEAR(comby->GetSpeedCur(), 50, 1);
    EXPECT_GT(Velocity().Dot(Forward()), 0);
}

TEST_F(FlightModelTest, CombyDriftsAboveThirtyPercentAndFollowsTheNoseBelow)
{
    auto comby = Make<FlightModelComby>();
    const auto turn = [](FlightModel& m) { m.KeyYawX(); };
    comby->SetSpeedPerc(40);
    Frames(*comby, 80);
    const Vec3 travel = comby->GetTravelDirection();
    Frames(*comby, 30, turn);
    EXPECT_LT(Forward().Dot(travel), 0.999f) << "the nose turned";
    EXPECT_NEAR(comby->GetTravelDirection().Dot(travel), 1, 1e-6f) << "the ship drifts on";
    const Vec3 v = Velocity();
    EXPECT_NEAR(v.Dot(travel) / v.Length(), 1, 1e-4f);

    // Between 5 and 30 % the travel direction creeps after the nose.
    comby->SetSpeedPerc(20);
    Frames(*comby, 60);
    const float before = comby->GetTravelDirection().Dot(Forward());
    Frames(*comby, 1);
    EXPECT_GT(comby->GetTravelDirection().Dot(Forward()), before);
    // Below 5 % it is the nose.
    comby->SetSpeedPerc(0);
    Frames(*comby, 60, turn);
    EXPECT_NEAR(comby->GetTravelDirection().Dot(Forward()), 1, 1e-5f);
}

TEST_F(FlightModelTest, CombyRollKeysAlsoStrafe)
{
    auto comby = Make<FlightModelComby>();
    Frames(*comby, 20, [](FlightModel& m) { m.KeyRollY(); });
    EXPECT_GT(comby->GetStrafeCur(), 10);
    EXPECT_GT(comby->GetRollCur(), 0);
    EXPECT_GT(Velocity().Dot(body->GetGlobalPose().Right()), 0);
}

TEST_F(FlightModelTest, StrafeNeedsSpeedToTurnAndRollKeysStrafe)
{
    auto strafe = Make<FlightModelStrafe>();
    const auto keys = [](FlightModel& m) {
        m.KeyPitchX();
        m.KeyYawX();
        m.KeyRollX();
    };
    Frames(*strafe, 10, keys);
    EXPECT_EQ(strafe->GetPitchCur(), 0);
    EXPECT_EQ(strafe->GetRollCur(), 0);
    EXPECT_EQ(strafe->GetStrafeCur(), 0);
    EXPECT_NEAR(Forward().z, 1, 1e-6f);

    strafe->SetSpeedPerc(60);
    Frames(*strafe, 100);
    Frames(*strafe, 5, keys);
    EXPECT_GT(strafe->GetPitchCur(), 0);
    EXPECT_LT(strafe->GetRollCur(), 0) << "yaw keys roll";
    EXPECT_GT(strafe->GetStrafeCur(), 0) << "roll keys strafe";
    EXPECT_FLOAT_EQ(strafe->GetYawCur(), 0);
}

// Each kind, with the nose pulled up, flies as far, turns as far and ends in the same place in
// three seconds at 20, 30 and 60 frames a second (the physics steps by the clock, and the
// easings close their gaps by the time that passed). COMBY also flies at a fifth of its speed,
// where its travel direction creeps after the nose.
TEST_F(FlightModelTest, EveryKindFliesAndTurnsAsFarAtAnyFrameRate)
{
    struct Flight
    {
        float distance = 0; // along the path
        float angle = 0;    // between the first and the last heading, degrees
        Vec3 end;
    };
    const auto fly = [&](const std::function<std::unique_ptr<FlightModel>()>& make, float throttle, int fps) {
        clock.Tick(1.0f / fps);
        body->SetGlobalPose(Matrix::Ident());
        body->SetGlobalLinearVelocity(Vec3(0, 0, 0));
        std::unique_ptr<FlightModel> model = make();
        model->SetSpeedPerc(throttle);
        Flight flight;
        Vec3 last = body->GetGlobalPosition();
        for (int frame = 0; frame < 3 * fps; ++frame)
        {
            model->KeyPitchX();
            model->Update();
            space.Space()->GetScene()->simulate(1.0f / fps);
            space.Space()->GetScene()->fetchResults(NX_RIGID_BODY_FINISHED, true);
            flight.distance += body->GetGlobalPosition().Distance(last);
            last = body->GetGlobalPosition();
        }
        flight.angle = std::acos(std::clamp(Forward().z, -1.0f, 1.0f)) / 0.017453f;
        flight.end = last;
        return flight;
    };
    const struct
    {
        const char* name;
        float throttle;
        std::function<std::unique_ptr<FlightModel>()> make;
    } kinds[] = {
        {"DIRECT", 100, [&] { return std::unique_ptr<FlightModel>(Make<FlightModelDirect>()); }},
        {"STRAFE", 100, [&] { return std::unique_ptr<FlightModel>(Make<FlightModelStrafe>()); }},
        {"DUPLEX", 100, [&] { return std::unique_ptr<FlightModel>(Make<FlightModelDuplex>()); }},
        {"COMBY", 100, [&] { return std::unique_ptr<FlightModel>(Make<FlightModelComby>()); }},
        {"COMBY at 20 %", 20, [&] { return std::unique_ptr<FlightModel>(Make<FlightModelComby>()); }},
    };
    for (const auto& kind : kinds)
    {
        const Flight reference = fly(kind.make, kind.throttle, 60);
        EXPECT_GT(reference.distance, 3 * kind.throttle) << kind.name;
        EXPECT_GT(reference.angle, 20) << kind.name;
        for (int fps : {20, 30})
        {
            const Flight flight = fly(kind.make, kind.throttle, fps);
            EXPECT_NEAR(flight.distance, reference.distance, 0.05f * reference.distance)
                << kind.name << " at " << fps << " frames a second";
            EXPECT_NEAR(flight.angle, reference.angle, 0.05f * reference.angle)
                << kind.name << " at " << fps << " frames a second";
            EXPECT_LT(flight.end.Distance(reference.end), 0.05f * reference.distance)
                << kind.name << " at " << fps << " frames a second";
        }
    }
}

} // namespace
