#include "WorldTestSupport.h"

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"

namespace {
constexpr int64_t TicksPerSecond = 1000000;
}

// Without smoothing the rate is exactly that of the last frame.
FrameClock::FrameClock()
    : _timer(
          0.0f, [this] { return _ticks; }, TicksPerSecond)
{
    _timer.Start(60.0f);
    game.SetTimer(&_timer);
}

FrameClock::~FrameClock() { game.SetTimer(nullptr); }

void FrameClock::Tick(float seconds)
{
    _ticks += static_cast<int64_t>(seconds * TicksPerSecond + 0.5f);
    _timer.Tick();
}

TestMission::TestMission() : _level(std::make_unique<SingleLevel>(nullptr, "level"))
{
    game.SetLevel(_level.get());
    _level->Initialize();
}

TestMission::~TestMission()
{
    End();
    game.SetLevel(nullptr);
}

void TestMission::Frame(float seconds)
{
    _clock.Tick(seconds);
    _level->Proceed(seconds);
}

void TestMission::End() { _level->ShutDown(); }
