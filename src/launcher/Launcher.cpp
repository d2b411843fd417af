#include "launcher/Launcher.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "gui/FrameCatalog.h"
#include "launcher/CommandLine.h"
#include "foundation/base/Icon.h"
#include "launcher/KeyRouter.h"
#include "launcher/LevelControls.h"
#include "platform/window/Window.h"
#include "platform/window/WindowEvents.h"

#include <cstdio>
#include <memory>

namespace {

constexpr const char* Title = "Vantrel";
constexpr int WindowWidth = 1024;
constexpr int WindowHeight = 768;

// One event: false once the game is to end. The input system sees every event too, as SDL hands
// them to its watcher while they are polled here.
bool HandleEvent(const WindowEvent& event, Window& window, KeyRouter& keys)
{
    switch (event.type)
    {
    case WindowEvent::Quit:
    case WindowEvent::Close: return false;
    case WindowEvent::KeyDown: return keys.OnKeyDown(event);
    case WindowEvent::Text: keys.OnText(event); return true;
    case WindowEvent::FocusLost: window.ReleaseMouse(); return true;
    case WindowEvent::FocusGained: window.HideCursor(); return true;
    default: return true;
    }
}

} // namespace

bool HandleWindowEvents(Window& window, KeyRouter& keys)
{
    WindowEvent event;
    while (PollWindowEvent(event))
    {
        if (!HandleEvent(event, window, keys))
            return false;
    }
    return true;
}

int RunLauncher(const std::vector<std::string>& arguments)
{
    std::string error;
    std::unique_ptr<Window> window = Window::Create(Title, WindowWidth, WindowHeight, Window::Style{}, &error);
    if (!window)
    {
        std::fprintf(stderr, "Vantrel: the game window cannot be opened: %s\n", error.c_str());
        return 1;
    }
    const Icon icon = MakeIcon();
    window->SetIcon(icon.pixels.data(), Icon::Size, Icon::Size);
    window->HideCursor();

    const LaunchOptions options = ParseCommandLine(arguments);
    InstallGameFrames();
    game.Start(window->GetHandle(), options.HasMission());
    for (const std::string& warning : options.warnings)
        Dumper::Instance().Print(DUMP_WARNING, "Vantrel: %s\n", warning.c_str());
    SingleLevel* level = game.GetLevel();
    if (options.HasMission() && level)
    {
        level->SetDisableAI(options.disableAi);
        level->LoadLevel(options.level.c_str(), options.levelDesc.c_str(), options.levelLogic.c_str());
    }

    LevelControls mission(level);
    KeyRouter keys(game.GetGameFrameManager(), game.GetRender(), game.GetVideoSettings(), game.GetInput(), &mission);
    while (HandleWindowEvents(*window, keys))
        game.Proceed();
    game.ShutDown();
    return 0;
}
