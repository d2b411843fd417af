#pragma once
// Helpers shared by the tests of the game world and the mission frame.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "foundation/base/Timer.h"

class SingleLevel;
class Window;

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

// A mission frame installed as the game's level and started without the engine's services, so
// with nothing loaded; Frame runs one mission frame of the given length.
class TestMission
{
public:
    TestMission();
    ~TestMission();
    TestMission(const TestMission&) = delete;
    TestMission& operator=(const TestMission&) = delete;

    SingleLevel& Level() const { return *_level; }
    void Frame(float seconds);
    // Ends the mission as leaving the frame does.
    void End();

private:
    FrameClock _clock;
    std::unique_ptr<SingleLevel> _level;
};

// A working folder that shows the assembled game data, with a "levels" folder of its own so
// that a test can add level files beside the demo ones, and an empty "profiles" folder.
class MissionDataFolder
{
public:
    MissionDataFolder();
    ~MissionDataFolder();
    MissionDataFolder(const MissionDataFolder&) = delete;
    MissionDataFolder& operator=(const MissionDataFolder&) = delete;

    // Writes "levels/<name>".
    void WriteLevel(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path _previous;
    std::filesystem::path _path;
};

// The global game started on a hidden window over the game data, as the launcher starts it
// for a mission; shut down with the object. Started() is false without a display.
class StartedGame
{
public:
    StartedGame();
    ~StartedGame();
    StartedGame(const StartedGame&) = delete;
    StartedGame& operator=(const StartedGame&) = delete;

    bool Started() const { return _window != nullptr; }
    const std::string& Error() const { return _error; }
    const MissionDataFolder& Data() const { return _data; }

private:
    MissionDataFolder _data;
    std::unique_ptr<Window> _window;
    std::string _error;
};
