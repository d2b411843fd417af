#include "WorldTestSupport.h"
#include "CoreTestSupport.h"

#include <fstream>
#include <sstream>

#include <unistd.h>

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "gui/FrameCatalog.h"
#include "platform/window/Window.h"

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

// Without the engine there is no level file to read: the first frame ends the loading.
TestMission::TestMission() : _level(std::make_unique<SingleLevel>(nullptr, "level"))
{
    game.SetLevel(_level.get());
    _level->Initialize();
    _level->Proceed(0.0f);
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

MissionDataFolder::MissionDataFolder() : _previous(std::filesystem::current_path())
{
    namespace fs = std::filesystem;
    static int counter = 0;
    _path = fs::temp_directory_path() / ("bm_mission_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(_path);
    // Levels are added by the tests and profiles written at shut-down: folders of the test's own.
    fs::create_directories(_path / "levels");
    LinkGameData(_path, {"levels"});
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(GAME_DATA_DIR) / "levels"))
        fs::create_symlink(entry.path(), _path / "levels" / entry.path().filename());
    fs::current_path(_path);
}

MissionDataFolder::~MissionDataFolder()
{
    std::filesystem::current_path(_previous);
    std::error_code ignored;
    std::filesystem::remove_all(_path, ignored);
}

void MissionDataFolder::WriteLevel(const std::string& name, const std::string& content) const
{
    std::ofstream(_path / "levels" / name, std::ios::binary) << content;
}

std::string MissionDataFolder::Read(const std::string& name) const
{
    std::ifstream in(_path / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

StartedGame::StartedGame()
{
    Window::Style style;
    style.hidden = true;
    _window = Window::Create("world test", 1024, 768, style, &_error);
    if (!_window)
        return;
    InstallGameFrames();
    game.Start(_window->GetHandle(), true);
}

StartedGame::~StartedGame()
{
    if (_window)
        game.ShutDown();
}
