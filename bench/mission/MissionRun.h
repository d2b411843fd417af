#pragma once

#include "foundation/base/Timer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class InputConfig;
class InputSystem;
class ScriptedInput;
class Window;

// The game started as its program starts it with a mission on its command line, in a scratch
// folder of links to the game data whose configuration asks for the given screen size, and
// flown by scripted controls (throttle, turns, fire, a rocket, the booster) at fixed steps of
// 1/60 s.
class MissionRun
{
public:
    // `config`: lines of the configuration's language added after the game's own.
    MissionRun(int width, int height, std::string config = std::string());
    ~MissionRun();
    MissionRun(const MissionRun&) = delete;
    MissionRun& operator=(const MissionRun&) = delete;

    // Starts the game, loads the mission behind its progress screen and flies `warmUp` frames;
    // false (with the reason) when any of it fails.
    bool Open(const char* level, const char* desc, const char* logic, int warmUp, std::string& error);
    // The next frame of the flight: the script's controls, then the game's frame.
    void Frame();
    // Waits until the renderer has drawn everything asked of it so far.
    void WaitForRenderer();
    // Whether the mission frame is still the one shown (the flight did not end the mission).
    bool InMission() const;
    // Before Open: a flight that repeats to the pixel (seeded random numbers, movies on the
    // flight's clock), for pictures to compare.
    void MakeRepeatable() { _repeatable = true; }
    // The picture the next frame presents, written to `path` as a bitmap; false when none was.
    bool SaveNextPicture(const std::filesystem::path& path);

private:
    void PrepareFolder();
    void Script(int frame);

    int _width, _height;
    std::string _config;
    std::filesystem::path _previous, _folder;
    std::unique_ptr<Window> _window;
    int64_t _ticks = 0;
    Timer _timer;
    std::unique_ptr<InputConfig> _bindings;
    std::unique_ptr<InputSystem> _input;
    ScriptedInput* _controls = nullptr;
    int _frame = 0;
    bool _started = false;
    bool _repeatable = false;
};
