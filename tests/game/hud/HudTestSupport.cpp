#include "HudTestSupport.h"
#include "CoreTestSupport.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "foundation/base/Random.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "MaterialSystem/MaterialSystem.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/ships/Ship.h"
#include "gui/FrameCatalog.h"
#include "scene/nodes/Camera.h"
#include "game/hud/GuiShipHud.h"
#include "platform/window/Window.h"

namespace {

namespace fs = std::filesystem;

// A frame that draws nothing; the one named "network_level" makes the game a network game.
class BlankFrame : public GameFrame
{
public:
    BlankFrame(GameFrameManager* manager, const char* name) : GameFrame(manager, name) {}

protected:
    void UserInitialize() override {}
    void UserProceed(float) override {}
    void UserShutDown() override {}
};

struct Running
{
    fs::path previous, folder;
    std::unique_ptr<Window> window;
    std::unique_ptr<BlankFrame> networkFrame;
};
Running* Shared = nullptr;

fs::path MovieFolder() { return Shared->folder / "swf"; }

// A folder of links to the data folder's files of that name, which a test may add to or replace.
void LinkFolder(const char* name)
{
    const fs::path source = fs::path(GAME_DATA_DIR) / name;
    fs::create_directories(Shared->folder / name);
    for (const fs::directory_entry& entry : fs::directory_iterator(source))
    {
        const fs::path link = Shared->folder / name / entry.path().filename();
        fs::remove(link);
        fs::create_symlink(entry.path(), link);
    }
}

void LinkMovies() { LinkFolder("swf"); }

} // namespace

void PaintRecorder::Quad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                         const Color& color)
{
    quads.push_back({material, pos, size, {uv[0], uv[1], uv[2], uv[3]}, angle, color});
    char key[32];
    std::snprintf(key, sizeof key, "quad %p", static_cast<void*>(material));
    order.push_back(key);
}

void PaintRecorder::Line(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo)
{
    lines.push_back({from, to, colorFrom, colorTo});
    order.push_back("line");
}

RenderText* PaintRecorder::Text(const HudText& text)
{
    RenderText& record = _records.emplace_back();
    record.text = text.text;
    texts.push_back(
        {text.face, text.text, text.height, text.width, text.weight, text.rect, text.align, text.color, &record});
    order.push_back(std::string("text ") + text.face + " " + std::to_string(text.height));
    return &record;
}

void PaintRecorder::Clear()
{
    quads.clear();
    lines.clear();
    texts.clear();
    order.clear();
    _records.clear();
}

std::vector<PaintRecorder::QuadRecord> PaintRecorder::QuadsOf(Material* material) const
{
    std::vector<QuadRecord> found;
    for (const QuadRecord& quad : quads)
    {
        if (quad.material == material)
            found.push_back(quad);
    }
    return found;
}

std::vector<PaintRecorder::TextRecord> PaintRecorder::TextsReading(const std::string& text) const
{
    std::vector<TextRecord> found;
    for (const TextRecord& t : texts)
    {
        if (t.text == text)
            found.push_back(t);
    }
    return found;
}

void HudGame::SetUp()
{
    Shared = new Running;
    Shared->previous = fs::current_path();
    Shared->folder = fs::temp_directory_path() / ("bm_hud_" + std::to_string(::getpid()));
    fs::remove_all(Shared->folder);
    fs::create_directories(Shared->folder);
    LinkGameData(Shared->folder, {"swf", "levels"});
    LinkMovies();
    LinkFolder("levels");
    fs::current_path(Shared->folder);

    Window::Style style;
    style.hidden = true;
    std::string error;
    Shared->window = Window::Create("hud test", 1024, 768, style, &error);
    if (!Shared->window)
        return; // the tests skip themselves
    InstallGameFrames();
    game.Start(Shared->window->GetHandle(), true);
    Shared->networkFrame = std::make_unique<BlankFrame>(game.GetGameFrameManager(), "network_level");
    game.GetGameFrameManager()->AddFrame(Shared->networkFrame.get());
}

void HudGame::TearDown()
{
    if (Shared->window)
        game.ShutDown();
    Shared->window.reset();
    fs::current_path(Shared->previous);
    std::error_code ignored;
    fs::remove_all(Shared->folder, ignored);
    delete Shared;
    Shared = nullptr;
}

bool HudGame::IsRunning() { return Shared && Shared->window; }

void HudGame::ReplaceMovie(const std::string& name, const std::string& script)
{
    const fs::path file = MovieFolder() / (name + ".lua");
    fs::remove(file);
    std::ofstream(file) << script;
}

void HudGame::RestoreMovies() { LinkMovies(); }

const fs::path& HudGame::GetFolder() { return Shared->folder; }

void HudGame::SetNetworkGame(bool network)
{
    GameFrameManager* frames = game.GetGameFrameManager();
    frames->SetActive(network ? "network_level" : "empty");
    frames->Proceed(GameFrameManager::FadeTime); // through the fade to the switch
}

bool HudGame::StartMission(FrameClock& clock, const std::string& level)
{
    std::ofstream(Shared->folder / "levels" / "hud_test.lua") << level;
    std::ofstream(Shared->folder / "levels" / "hud_test_logic.lua") << "-- No triggers.\n";
    SingleLevel* mission = game.GetLevel();
    mission->LoadLevel("hud_test.lua", "demo_desc.lua", "hud_test_logic.lua");
    for (int frame = 0; frame < 100 && !(mission->IsExist() && mission->IsLoaded()); ++frame)
    {
        clock.Tick(0.1f);
        game.Proceed();
    }
    return mission->IsExist() && mission->IsLoaded();
}

void HudGame::EndMission(FrameClock& clock)
{
    game.GetGameFrameManager()->SetActive("empty");
    for (int frame = 0; frame < 10 && game.GetLevel()->IsExist(); ++frame)
    {
        clock.Tick(0.1f);
        game.Proceed();
    }
}

std::string ShipEntry(const std::string& key, const std::string& prototype, const Vec3& position)
{
    char place[128];
    std::snprintf(place, sizeof place, "{ x = %g; y = %g; z = %g }", position.x, position.y, position.z);
    return "Level.obj_" + key + " = { classname = \"ship\"; prototype = \"" + prototype + "\"; name = \"" + key +
           "\"; fraction = \"ytg\"; position = " + place + "; };\n";
}

bool HudGame::TakeScreenshot(const std::string& name, Screenshot& shot)
{
    const fs::path folder = Shared->folder / "screenshots";
    fs::remove_all(folder);
    game.GetRender()->TakeScreenShot();
    game.Proceed();
    const fs::path file = folder / "screen0000.bmp";
    std::error_code ignored;
    fs::copy_file(file, Shared->previous / (name + ".bmp"), fs::copy_options::overwrite_existing, ignored);
    return shot.Load(file);
}

void HudTest::SetUp()
{
    if (!HudGame::IsRunning())
        GTEST_SKIP() << "no display";
    GuiShipHud::ResetSharedState();
    EngineSeed(1);
    HudPaint::SetTarget(&_painted);
    Tick(1.0f / 60.0f);
}

void HudTest::TearDown()
{
    HudPaint::SetTarget(nullptr);
    HudGame::RestoreMovies();
}

std::string RecordingMovie(const std::string& name, const std::vector<std::string>& functions)
{
    std::string script = "movie.design(64, 64)\n";
    for (const std::string& function : functions)
    {
        script += "function " + function +
                  "(...)\n"
                  "    local line = \"" +
                  name + " call " + function +
                  "\"\n"
                  "    for i = 1, table.getn(arg) do line = line .. \" \" .. tostring(arg[i]) end\n"
                  "    print(line)\n"
                  "end\n";
    }
    return script;
}

// The game starts once, before the first test, and shuts down after the last.
const testing::Environment* const SharedGame = testing::AddGlobalTestEnvironment(new HudGame);

void LookAlongZ()
{
    Camera* camera = game.GetCamera();
    camera->SetPosition(Vec3(0.0f, 0.0f, 0.0f));
    camera->SetOrientation(Vec3(1.0f, 0.0f, 0.0f), Vec3(0.0f, 1.0f, 0.0f), Vec3(0.0f, 0.0f, 1.0f));
    camera->ForceUpdate();
}

std::unique_ptr<Ship> ShipAt(const Vec3& position)
{
    auto ship = std::make_unique<Ship>();
    ship->GetRoot().Pos() = position;
    return ship;
}
