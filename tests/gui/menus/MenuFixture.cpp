#include "MenuFixture.h"

#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "MaterialSystem/MaterialSystem.h"
#include "gui/FrameCatalog.h"
#include "layers/flash/FlashControl.h"
#include "platform/window/Window.h"

#include <fstream>
#include <iterator>

namespace {

constexpr int64_t TicksPerSecond = 1000000;

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

} // namespace

// Without smoothing the frame time is exactly that of the last frame.
MenuTest::MenuTest()
    : _timer(
          0.0f, [this] { return _ticks; }, TicksPerSecond)
{}

MenuTest::~MenuTest() = default;

void MenuTest::SetUp()
{
    _testFolder = std::filesystem::current_path();
    _data = std::make_unique<GameDataFolder>();
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("menu test", 1024, 768, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    FlashHost::FlashControl::setDefaultClock([this] { return _movieSeconds; });
    _timer.Start(30.0f);
    game.SetTimer(&_timer);
    StartGame();
}

void MenuTest::StartGame()
{
    InstallGameFrames();
    // On the empty frame: the intro's video would switch to the main menu on the wall clock,
    // over whatever frame the test has opened by then.
    game.Start(_window->GetHandle(), true);
    _frames = game.GetGameFrameManager();
}

void MenuTest::TearDownGame()
{
    game.ShutDown();
    _frames = nullptr;
}

void MenuTest::TearDown()
{
    if (!_window)
        return;
    TearDownGame();
    game.SetTimer(nullptr);
    FlashHost::FlashControl::setDefaultClock(nullptr);
    _window.reset();
    _data.reset();
}

void MenuTest::Frames(int count)
{
    for (int i = 0; i < count; ++i)
    {
        _ticks += int64_t(FrameSeconds * TicksPerSecond + 0.5f);
        _timer.Tick();
        _movieSeconds += FrameSeconds;
        game.Proceed();
    }
}

testing::AssertionResult MenuTest::Settle()
{
    for (int i = 0; i < 300 && _frames->GetStatus() != GameFrameManager::FADE_NONE; ++i)
        Frames();
    if (_frames->GetStatus() != GameFrameManager::FADE_NONE)
        return testing::AssertionFailure() << "a fade still runs on \"" << Current() << "\"";
    return testing::AssertionSuccess();
}

testing::AssertionResult MenuTest::Open(const char* frame)
{
    _frames->SetActive(frame);
    if (testing::AssertionResult settled = Settle(); !settled)
        return settled;
    if (std::string(Current()) != frame)
        return testing::AssertionFailure() << "\"" << Current() << "\" is current, not \"" << frame << "\"";
    return testing::AssertionSuccess();
}

void MenuTest::Press(const std::string& keys)
{
    bool typing = false;
    for (char key : keys)
    {
        if (key == '\'')
        {
            typing = !typing;
            continue;
        }
        if (typing)
            _frames->AddChar(key);
        else if (key == 'U')
            _frames->funcSelectUp();
        else if (key == 'D')
            _frames->funcSelectDown();
        else if (key == 'L')
            _frames->funcSelectLeft();
        else if (key == 'R')
            _frames->funcSelectRight();
        else if (key == 'A')
            _frames->funcSelectApply();
        else if (key == 'X')
            _frames->funcSelectDecline();
        else if (key == 'B')
            _frames->ProceedKey(char(8));
        else
            ADD_FAILURE() << "no key " << key;
        Frames();
    }
}

const char* MenuTest::Current() const
{
    return _frames && _frames->GetCurrent() ? _frames->GetCurrent()->GetName() : "";
}

GameFrame* MenuTest::FindFrame(const char* name) const { return _frames->FindFrameByName(name); }

int MenuTest::Picture::Count(int x, int y, int w, int h, bool (*test)(uint32_t)) const
{
    int count = 0;
    for (int py = std::max(0, y); py < std::min(height, y + h); ++py)
    {
        for (int px = std::max(0, x); px < std::min(width, x + w); ++px)
            count += test(At(px, py)) ? 1 : 0;
    }
    return count;
}

MenuTest::Picture MenuTest::Shoot(const std::string& name)
{
    game.GetRender()->TakeScreenShot();
    Frames();
    char file[32];
    std::snprintf(file, sizeof(file), "screen%04d.bmp", _shots++);
    const std::filesystem::path shot = _data->GetPath() / "screenshots" / file;
    std::error_code ignored;
    std::filesystem::copy_file(shot, _testFolder / (name + ".bmp"), std::filesystem::copy_options::overwrite_existing,
                               ignored);
    Picture picture;
    std::ifstream in(shot, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || bytes[28] != 24)
    {
        ADD_FAILURE() << "no screenshot " << shot;
        return picture;
    }
    picture.width = int(Read32(bytes, 18));
    const int32_t height = int32_t(Read32(bytes, 22));
    picture.height = std::abs(height);
    const size_t rowBytes = (size_t(picture.width) * 3 + 3) & ~size_t(3);
    const size_t offset = Read32(bytes, 10);
    if (bytes.size() < offset + rowBytes * picture.height)
    {
        ADD_FAILURE() << "short screenshot " << shot;
        return picture;
    }
    picture.rgb.resize(size_t(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
    {
        const size_t row = size_t(height > 0 ? picture.height - 1 - y : y);
        for (int x = 0; x < picture.width; ++x)
        {
            const uint8_t* p = bytes.data() + offset + row * rowBytes + size_t(x) * 3;
            picture.rgb[size_t(y) * picture.width + x] = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    return picture;
}
