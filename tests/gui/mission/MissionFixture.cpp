#include "MissionFixture.h"

#include "WorldTestSupport.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Random.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/FrameCatalog.h"
#include "layers/flash/FlashControl.h"
#include "platform/window/Window.h"

#include <fstream>

namespace {

// Logs every function the game calls with its arguments up to the first null of four; the
// runtime's own handlers are left alone.
const char* const Recorder = R"movie(
local handlers = { Draw = true, Update = true, OnMouseMove = true, OnMouseDown = true, OnMouseUp = true,
                   OnKeyDown = true, OnKeyUp = true, OnChar = true, OnRewind = true }
setmetatable(_G, { __index = function(globals, name)
    if type(name) != "string" or handlers[name] then
        return NULL
    end
    return function(a, b, c, d)
        local shown = {}
        for _, value in ipairs({ a, b, c, d }) do
            if type(value) == "string" then
                value = "'" .. value .. "'"
            end
            table.insert(shown, tostring(value))
        end
        print("call " .. name .. "(" .. table.concat(shown, ",") .. ")")
    end
end })
)movie";

} // namespace

MissionScreenTest::MissionScreenTest() = default;
MissionScreenTest::~MissionScreenTest() = default;

void MissionScreenTest::SetUp()
{
    const std::filesystem::path folder = _data.GetPath();
    if (!_recorded.empty())
    {
        std::filesystem::remove(folder / "swf");
        std::filesystem::create_directory(folder / "swf");
        for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DATA_DIR) + "/swf"))
            std::filesystem::create_symlink(entry.path(), folder / "swf" / entry.path().filename());
        for (const std::string& movie : _recorded)
        {
            std::filesystem::remove(folder / "swf" / (movie + ".lua"));
            std::ofstream(folder / "swf" / (movie + ".lua")) << Recorder;
        }
    }
    // Every movie the screens make runs on the test's time.
    FlashHost::FlashControl::setDefaultClock([this] { return _movieSeconds; });
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("mission screens test", 1024, 768, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    InstallGameFrames();
    _gameClock = std::make_unique<FrameClock>();
    game.Start(_window->GetHandle(), true);
    EngineSeed(47);
    _frames = game.GetGameFrameManager();
    _pilot = game.GetProfileManager()->CreateProfile("Vera");
    ASSERT_EQ(game.GetProfileManager()->GetCurrent(), _pilot);
    Step(12);
    _read = _log.All().size();
}

void MissionScreenTest::TearDown()
{
    if (_window)
        game.ShutDown();
    _gameClock.reset();
    _window.reset();
    FlashHost::FlashControl::setDefaultClock(nullptr);
}

std::vector<std::string> MissionScreenTest::Calls()
{
    const std::string all = _log.All();
    std::vector<std::string> calls;
    size_t at = _read;
    while (at < all.size())
    {
        size_t end = all.find('\n', at);
        if (end == std::string::npos)
            end = all.size();
        const std::string line = all.substr(at, end - at);
        // "swf/<movie>.lua": call F(...)
        const size_t mark = line.find(": call ");
        const size_t slash = line.find("swf/");
        if (mark != std::string::npos && slash != std::string::npos && slash < mark)
        {
            const size_t dot = line.find(".lua", slash);
            calls.push_back(line.substr(slash + 4, dot - slash - 4) + ": " + line.substr(mark + 7));
        }
        at = end + 1;
    }
    _read = all.size();
    return calls;
}

int MissionScreenTest::Count(const std::vector<std::string>& calls, const std::string& text)
{
    int n = 0;
    for (const std::string& call : calls)
        n += call.find(text) != std::string::npos;
    return n;
}

testing::AssertionResult MissionScreenTest::Enter(const char* name)
{
    _frames->SetActive(name);
    if (!StepUntil(name))
        return testing::AssertionFailure() << "\"" << name << "\" did not come: at \"" << Current() << "\"";
    return testing::AssertionSuccess();
}

bool MissionScreenTest::StepUntil(const char* name, int frames)
{
    for (int i = 0; i < frames; ++i)
    {
        if (std::string(Current()) == name && _frames->GetStatus() == GameFrameManager::FADE_NONE)
            return true;
        Step();
    }
    return false;
}

void MissionScreenTest::Step(int frames, float seconds)
{
    for (int i = 0; i < frames; ++i)
        _frames->Proceed(seconds);
}

void MissionScreenTest::RunGame(int frames)
{
    for (int i = 0; i < frames; ++i)
    {
        _gameClock->Tick(0.1f);
        game.Proceed();
        _movieSeconds += 0.1;
    }
}

void MissionScreenTest::Screenshot(const char* name)
{
    const std::filesystem::path shots = _data.GetPath() / "screenshots";
    std::filesystem::remove_all(shots);
    game.GetRender()->TakeScreenShot();
    RunGame(1);
    const std::filesystem::path shot = shots / "screen0000.bmp";
    ASSERT_TRUE(std::filesystem::exists(shot)) << "no screenshot was written";
    const std::filesystem::path beside = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::filesystem::copy_file(shot, beside / (std::string(name) + ".bmp"),
                               std::filesystem::copy_options::overwrite_existing);
}

const char* MissionScreenTest::Current() const
{
    return _frames && _frames->GetCurrent() ? _frames->GetCurrent()->GetName() : "";
}

void MissionScreenTest::ExpectFirstMissionFlown()
{
    ASSERT_TRUE(StepUntil("level"));
    SingleLevel* level = game.GetLevel();
    EXPECT_STREQ(level->GetLevelFile(), "levels\\lvl00.lvl");
    EXPECT_STREQ(level->GetDescFile(), "levels\\lvl00_desc.lvl");
    EXPECT_STREQ(level->GetLogicFile(), "levels\\lvl00_logic.lvl");
    for (int i = 0; i < 100 && !level->IsLoaded(); ++i)
        RunGame(1);
    EXPECT_TRUE(level->IsLoaded());
    EXPECT_NE(level->GetPlayer(), nullptr);
    EXPECT_NE(level->GetLogic(), nullptr);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

const char* MissionScreenTest::Next() const
{
    const bool leaving = _frames && _frames->GetStatus() == GameFrameManager::FADE_OUT && _frames->GetNext();
    return leaving ? _frames->GetNext()->GetName() : "";
}

LevelDesc* MissionScreenTest::Offer(int index) const { return _pilot->GetLevelsList()->GetFreeDesc(index); }
