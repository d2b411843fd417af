// 1,000 player-controlled ships, each a body with its ship controller and a direct flight model,
// stepped through 600 frames of the controller's update, the pilot's inputs and the flight
// model's update; measured against the same integration written as a plain loop over structs
// that hold pose and velocities themselves. The ratio of the two is printed at the end.
#include "../common/RatioReporter.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Timer.h"
#include "game/core/game/Game.h"
#include "game/world/player/FlightModelDirect.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int Ships = 1000;
constexpr int Frames = 600;
constexpr float Step = 1.0f / 60.0f;
constexpr float DegreesToRadians = 0.017453f;

// The limits and tuning every ship flies with.
const Vec3 LinMax(300, 300, 300), AngMax(2, 2, 2);
const Vec3 LinAcc(50, 50, 50), LinDmp(20, 20, 20), AngAcc(1, 1, 1), AngDmp(0.5f, 0.5f, 0.5f);
constexpr float MaxSpeed = 300, MaxTurn = 33, Throttle = 0.1f, Mass = 0.5f;

// Each ship's pilot: full throttle and a turn whose direction depends on the ship.
int TurnOf(int ship) { return ship % 3 - 1; }

// The game's frame time, fixed.
class FixedClock
{
public:
    FixedClock()
        : _timer(
              0.0f, [this] { return _ticks; }, 1000000)
    {
        _timer.Start(60.0f);
        _ticks += 16667;
        _timer.Tick();
        game.SetTimer(&_timer);
    }
    ~FixedClock() { game.SetTimer(nullptr); }

private:
    int64_t _ticks = 0;
    Timer _timer;
};

class BenchShip : public PlayerShip
{
public:
    explicit BenchShip(PhysicsActor* body)
    {
        _physEntity = body;
        AttachController();
    }
    ~BenchShip() override { _physEntity = nullptr; }
};

struct Fleet
{
    FixedClock clock;
    ResourceSystem resources{&Dumper::Instance(), 1};
    PhysicsSpace* space = CreatePhysicsSpace(&resources);
    std::vector<std::unique_ptr<BenchShip>> ships;
    std::vector<std::unique_ptr<FlightModelDirect>> models;

    Fleet()
    {
        for (int i = 0; i < Ships; ++i)
        {
            PhysicsActor* body = space->CreatePhysicsActorForPlayer(nullptr);
            Matrix pose = Matrix::Ident();
            pose.Translate(Vec3(float(i % 32) * 40, float(i / 32) * 40, 0));
            body->SetGlobalPose(pose);
            ships.push_back(std::make_unique<BenchShip>(body));
            DynamicShipController* controller = ships.back()->GetController();
            controller->SetLinMinMaxAbsVel(Vec3(0, 0, 0), LinMax);
            controller->SetAngMinMaxAbsVel(Vec3(0, 0, 0), AngMax);
            controller->SetLinAccDmp(LinAcc, LinDmp);
            controller->SetAngAccDmp(AngAcc, AngDmp);
            auto model = std::make_unique<FlightModelDirect>(ships.back().get());
            model->SetMaxSpeed(MaxSpeed);
            model->SetMaxYaw(MaxTurn);
            model->SetMaxPitch(MaxTurn);
            model->SetMaxRoll(MaxTurn);
            model->SetThrottleCoeffAcc(Throttle);
            model->SetThrottleCoeffDec(Throttle);
            model->SetMassKoef(Mass);
            models.push_back(std::move(model));
        }
    }
    ~Fleet()
    {
        models.clear();
        ships.clear();
        ReleasePhysicsSpace();
    }

    void Run()
    {
        for (int frame = 0; frame < Frames; ++frame)
        {
            for (int i = 0; i < Ships; ++i)
            {
                ships[i]->GetController()->UpdateController(Step);
                FlightModel& model = *models[i];
                model.KeySpeedUp();
                if (TurnOf(i) > 0)
                    model.KeyYawX();
                else if (TurnOf(i) < 0)
                    model.KeyPitchY();
                model.Update();
            }
        }
    }
};

// The same integration over plain records.
struct PlainShip
{
    Matrix pose = Matrix::Ident();
    Vec3 linear{0, 0, 0}, angular{0, 0, 0}; // world
    Vec3 linTarget{0, 0, 0}, angTarget{0, 0, 0};
    float speedCur = 0, speedDes = 0;
    float yawCur = 0, pitchCur = 0, rollCur = 0;
    // The pilot's inputs of one frame: mouse, keyboard, joystick of yaw, pitch, roll and strafe.
    float inputs[4][3] = {};
    float strafeDes = 0;
};

float Bound(float v, float lo, float hi)
{
    if (std::fabs(v) < lo)
        return v > 0 ? lo : -lo;
    if (std::fabs(v) > hi)
        return v > 0 ? hi : -hi;
    return v;
}

float Brake(float d, float c, float m) { return m != 0 && std::fabs(c) > m ? d * std::fabs(c / m) : d; }

float Lateral(float c, float t, float lo, float hi, float d)
{
    const float diff = t - c;
    if (std::fabs(diff) <= d)
        return t;
    d = Brake(d, c, hi);
    return std::fabs(c) > lo ? c + (diff > 0 ? d : -d) : c;
}

float Forward(float c, float t, float lo, float hi, float a, float d)
{
    d = Brake(d, c, hi);
    const float diff = t - c;
    if (diff > 0)
        return diff <= a ? t : (c < hi ? c + a : c - d);
    if (-diff <= d)
        return t;
    return c > lo ? c - d : c + a;
}

float Angular(float c, float t, float hi, float a, float d)
{
    const float diff = t - c;
    if (std::fabs(diff) <= a)
        return t;
    if (c > hi)
        return c - d;
    if (c < -hi)
        return c + d;
    const float s = t * c >= 0 && std::fabs(c) > std::fabs(t) ? d : a;
    return c + (diff > 0 ? s : -s);
}

// A turn of the pose about one of its own axes (row 0, 1 or 2).
void Turn(Matrix& pose, int axis, float radians)
{
    const float s = std::sin(radians), c = std::cos(radians);
    const Vec3 a = pose.GetRow3(axis);
    Vec3& u = pose.GetRow3((axis + 1) % 3);
    Vec3& w = pose.GetRow3((axis + 2) % 3);
    u = u * c + (a ^ u) * s;
    w = w * c + (a ^ w) * s;
}

Vec3 ToLocal(const Matrix& pose, const Vec3& v) { return {v.Dot(pose.Right()), v.Dot(pose.Up()), v.Dot(pose.Dir())}; }
Vec3 ToWorld(const Matrix& pose, const Vec3& v) { return pose.Right() * v.x + pose.Up() * v.y + pose.Dir() * v.z; }

struct PlainFleet
{
    std::vector<PlainShip> ships = std::vector<PlainShip>(Ships);

    PlainFleet()
    {
        for (int i = 0; i < Ships; ++i)
            ships[i].pose.Translate(Vec3(float(i % 32) * 40, float(i / 32) * 40, 0));
    }

    static void Control(PlainShip& s)
    {
        Vec3 lin = ToLocal(s.pose, s.linear), ang = ToLocal(s.pose, s.angular);
        const Vec3 d = LinDmp * Step, a = AngAcc * Step, e = AngDmp * Step;
        lin.x = Lateral(lin.x, s.linTarget.x, 0, LinMax.x, d.x);
        lin.y = Lateral(lin.y, s.linTarget.y, 0, LinMax.y, d.y);
        lin.z = Forward(lin.z, s.linTarget.z, 0, LinMax.z, LinAcc.z * Step, d.z);
        ang.x = Angular(ang.x, s.angTarget.x, AngMax.x, a.x, e.x);
        ang.y = Angular(ang.y, s.angTarget.y, AngMax.y, a.y, e.y);
        ang.z = Angular(ang.z, s.angTarget.z, AngMax.z, a.z, e.z);
        s.linear = ToWorld(s.pose, lin);
        s.angular = ToWorld(s.pose, ang);
        s.angTarget.z = Bound(0, 0, AngMax.z);
    }

    static void Fly(PlainShip& s, int turn)
    {
        // The keys: full throttle, and a turn.
        s.speedDes = std::clamp(s.speedDes + 100, 0.0f, 100.0f);
        if (turn > 0)
            s.inputs[0][1] += 100;
        else if (turn < 0)
            s.inputs[1][1] -= 100;
        // The inputs summed into what is desired, then cleared.
        float desired[4];
        for (int c = 0; c < 4; ++c)
            desired[c] = std::clamp(s.inputs[c][0] + s.inputs[c][1] + s.inputs[c][2], -100.0f, 100.0f);
        s.strafeDes = desired[3];
        s.yawCur = std::clamp(s.yawCur + (desired[0] - s.yawCur) * 0.1f * Mass * 2, -100.0f, 100.0f);
        s.pitchCur = std::clamp(s.pitchCur + (desired[1] - s.pitchCur) * 0.1f * Mass * 2, -100.0f, 100.0f);
        s.rollCur = std::clamp(s.rollCur + (desired[2] - s.rollCur) * 0.1f * Mass * 2, -100.0f, 100.0f);
        const float k = 0.01f * MaxTurn * Step * DegreesToRadians;
        Turn(s.pose, 1, s.yawCur * k);
        Turn(s.pose, 0, s.pitchCur * k);
        Turn(s.pose, 2, s.rollCur * k);
        s.angular = Vec3(0, 0, 0);
        if (s.speedDes == 0 && std::fabs(s.speedCur) < 1)
            s.speedCur = 0;
        const float step = Throttle * Mass * Step * 60;
        if (s.speedCur < s.speedDes)
            s.speedCur += step;
        if (s.speedCur > s.speedDes)
            s.speedCur -= step;
        s.speedCur = std::clamp(s.speedCur, -100.0f, 100.0f);
        s.linear = s.pose.Dir() * (s.speedCur * 0.01f * MaxSpeed * Step * 60);
        for (auto& channel : s.inputs)
            channel[0] = channel[1] = channel[2] = 0;
    }

    void Run()
    {
        for (int frame = 0; frame < Frames; ++frame)
        {
            for (int i = 0; i < Ships; ++i)
            {
                Control(ships[i]);
                Fly(ships[i], TurnOf(i));
            }
        }
    }
};

void Ours(benchmark::State& state)
{
    auto fleet = std::make_unique<Fleet>();
    for (auto _ : state)
    {
        fleet->Run();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Ships * Frames);
}

void Plain(benchmark::State& state)
{
    auto fleet = std::make_unique<PlainFleet>();
    for (auto _ : state)
    {
        fleet->Run();
        benchmark::DoNotOptimize(fleet->ships.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Ships * Frames);
}

} // namespace

BENCHMARK(Ours)
    ->Name("Flight1000x600/ours")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);
BENCHMARK(Plain)
    ->Name("Flight1000x600/plain")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter("Flight1000x600/ours", "Flight1000x600/plain",
                           "controller and flight model / plain loop, 1,000 ships for 600 frames", 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
