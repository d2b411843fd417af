// Starts the game on a hidden window with the demo mission loaded, then ends as its argument says:
//   main    the game shut down from main, which then returns
//   exit    std::exit with the mission loaded: the global game shuts itself down
//   static  the shut-down runs in the destructor of a static object made before the mission,
//           as a program that keeps the game in a static does
// Exit status 0 after a clean end, 2 when the mission does not load, 3 without a display.
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "gui/FrameCatalog.h"
#include "platform/window/Window.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Owns the window; shuts the game down when it goes, as a program's static holder would.
struct Holder
{
    std::unique_ptr<Window> window;
    bool shutDownHere = false;

    ~Holder()
    {
        if (shutDownHere)
            game.ShutDown();
    }
};

Holder& StaticHolder()
{
    static Holder holder;
    return holder;
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_NUMERIC, "C");
    const std::string mode = argc > 1 ? argv[1] : "main";
    Holder local;
    Holder& holder = mode == "static" ? StaticHolder() : local;
    Window::Style style;
    style.hidden = true;
    std::string error;
    holder.window = Window::Create("ending", 1024, 768, style, &error);
    if (!holder.window)
    {
        std::fprintf(stderr, "no display: %s\n", error.c_str());
        return 3;
    }
    InstallGameFrames();
    game.Start(holder.window->GetHandle(), true);
    SingleLevel* level = game.GetLevel();
    level->LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
    for (int frame = 0; frame < 600 && !level->IsLoaded(); ++frame)
        game.Proceed();
    if (!level->IsLoaded())
        return 2;
    for (int frame = 0; frame < 10; ++frame)
        game.Proceed();

    if (mode == "exit")
        std::exit(0);
    if (mode == "static")
    {
        holder.shutDownHere = true;
        return 0;
    }
    game.ShutDown();
    return 0;
}
