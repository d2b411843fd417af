#pragma once
// Helpers shared by the tests of the game world and the mission frame.
#include <cstdint>
#include <memory>

#include "foundation/base/Timer.h"

class SingleLevel;

// The clock the game reads its frame time from while the object lives: each Tick makes the
// frame that follows last exactly the given seconds (at most 1).
class FrameClock
{
public:
    FrameClock();
    ~FrameClock();
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    void Tick(float seconds);

private:
    int64_t _ticks = 0;
    Timer _timer;
};

// A mission frame installed as the game's level and started with nothing loaded, without the
// engine's services; Frame runs one mission frame of the given length.
class TestMission
{
public:
    TestMission();
    ~TestMission();
    TestMission(const TestMission&) = delete;
    TestMission& operator=(const TestMission&) = delete;

    SingleLevel& Level() { return *_level; }
    void Frame(float seconds);
    // Ends the mission as leaving the frame does.
    void End();

private:
    FrameClock _clock;
    std::unique_ptr<SingleLevel> _level;
};
