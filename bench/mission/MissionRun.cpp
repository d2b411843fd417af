#include "MissionRun.h"

#include "ScriptedInput.h"

#include "MaterialSystem/MaterialSystem.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "foundation/base/Random.h"
#include "gui/FrameCatalog.h"
#include "layers/flash/FlashControl.h"
#include "platform/gfx/Device.h"
#include "platform/window/Window.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int64_t TicksPerSecond = 60; // one tick a frame
constexpr uint32_t KeySpeedUp = 17, KeyYawRight = 32, KeyYawLeft = 30, KeyBoost = 42, KeyBestTarget = 20;

} // namespace

MissionRun::MissionRun(int width, int height, std::string config)
    : _width(width), _height(height), _config(std::move(config)), _timer(
                                                                      0.0f, [this] { return _ticks; }, TicksPerSecond)
{}

MissionRun::~MissionRun()
{
    if (_started)
    {
        game.SetInput(nullptr);
        game.SetTimer(nullptr);
        game.ShutDown();
    }
    _window.reset();
    FlashHost::FlashControl::setDefaultClock(nullptr);
    if (!_previous.empty())
        fs::current_path(_previous);
    std::error_code ignored;
    if (!_folder.empty())
        fs::remove_all(_folder, ignored);
}

// Links to everything of the game data but the configuration, which asks for the size, and the
// pilots' folder, which the game writes into.
void MissionRun::PrepareFolder()
{
    _folder = fs::temp_directory_path() / ("bm_mission_bench_" + std::to_string(::getpid()));
    fs::remove_all(_folder);
    fs::create_directories(_folder / "profiles");
    for (const fs::directory_entry& entry : fs::directory_iterator(GAME_DATA_DIR))
    {
        const std::string name = entry.path().filename().string();
        if (name != "config.cfg" && name != "profiles")
            fs::create_symlink(entry.path(), _folder / name);
    }
    std::ifstream in(fs::path(GAME_DATA_DIR) / "config.cfg");
    std::ostringstream config;
    config << in.rdbuf() << "\nVideo.ScrWidth = " << _width << ";\nVideo.ScrHeight = " << _height << ";\n" << _config;
    std::ofstream(_folder / "config.cfg") << config.str();
}

bool MissionRun::Open(const char* level, const char* desc, const char* logic, int warmUp, std::string& error)
{
    _previous = fs::current_path();
    PrepareFolder();
    fs::current_path(_folder);
    _window = Window::Create("mission bench", _width, _height, Window::Style{}, &error);
    if (!_window)
        return false;
    InstallGameFrames();
    if (_repeatable)
        FlashHost::FlashControl::setDefaultClock([this] { return double(_ticks) / double(TicksPerSecond); });
    game.Start(_window->GetHandle(), true);
    _started = true;
    if (_repeatable)
    {
        EngineSeed(1);
        std::srand(1);
    }
    _timer.Start(60.0f);
    game.SetTimer(&_timer);
    _bindings = std::make_unique<InputConfig>();
    if (!_bindings->LoadConfig("config.ini"))
    {
        error = "the bindings file \"config.ini\" cannot be read";
        return false;
    }
    auto controls = std::make_unique<ScriptedInput>();
    _controls = controls.get();
    _input = std::make_unique<InputSystem>(std::move(controls));
    _input->SetConfig(_bindings.get());
    game.SetInput(_input.get());

    SingleLevel* mission = game.GetLevel();
    if (!mission)
    {
        error = "the game has no mission frame";
        return false;
    }
    mission->LoadLevel(level, desc, logic);
    for (int i = 0; i < 600 && !mission->IsLoaded(); ++i)
    {
        _ticks += 1;
        _timer.Tick();
        game.Proceed();
    }
    if (!mission->IsLoaded() || !mission->GetPlayer())
    {
        error = std::string("the mission \"") + level + "\" did not load";
        return false;
    }
    for (int i = 0; i < warmUp; ++i)
        Frame();
    WaitForRenderer();
    if (!InMission())
    {
        error = "the mission ended during the warm-up";
        return false;
    }
    return true;
}

// Full throttle; the best target picked; the blasters from the half second on; a turn right, a
// climb, a turn left and a dive; a rocket; the booster at the end of each six seconds.
void MissionRun::Script(int frame)
{
    const int t = frame % 360;
    if (frame == 0)
        _controls->Key(KeySpeedUp, true);
    if (t == 10)
        _controls->Key(KeyBestTarget, true);
    if (t == 12)
        _controls->Key(KeyBestTarget, false);
    if (t == 30)
        _controls->MouseButton(0, true);
    if (t == 290)
        _controls->MouseButton(0, false);
    if (t == 60)
        _controls->Key(KeyYawRight, true);
    if (t == 140)
        _controls->Key(KeyYawRight, false);
    if (t == 180)
        _controls->Key(KeyYawLeft, true);
    if (t == 260)
        _controls->Key(KeyYawLeft, false);
    if (t >= 140 && t < 180)
        _controls->MouseMove(0, -3);
    if (t >= 260 && t < 300)
        _controls->MouseMove(0, 3);
    if (t == 200)
        _controls->MouseButton(1, true);
    if (t == 202)
        _controls->MouseButton(1, false);
    if (t == 310)
        _controls->Key(KeyBoost, true);
    if (t == 350)
        _controls->Key(KeyBoost, false);
}

void MissionRun::Frame()
{
    Script(_frame++);
    _ticks += 1;
    _timer.Tick();
    _input->ProcessInputData();
    game.Proceed();
}

void MissionRun::WaitForRenderer() { game.GetRender()->GetDevice()->Finish(); }

bool MissionRun::SaveNextPicture(const fs::path& path)
{
    const fs::path shots = _folder / "screenshots";
    std::error_code ignored;
    fs::remove_all(shots, ignored);
    game.GetRender()->TakeScreenShot();
    Frame();
    const fs::path shot = shots / "screen0000.bmp";
    if (!fs::exists(shot))
        return false;
    fs::copy_file(shot, path, fs::copy_options::overwrite_existing, ignored);
    return !ignored;
}

bool MissionRun::InMission() const
{
    const GameFrame* current = game.GetGameFrameManager()->GetCurrent();
    return current && std::strcmp(current->GetName(), "level") == 0;
}
