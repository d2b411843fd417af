#include "FlashFixture.h"

#include "foundation/base/Console.h"
#include "foundation/base/Dumper.h"
#include "layers/FlashLayer.h"

using FlashHost::Args;

namespace {

// A console movie that says what the layer manager called on it.
const char* const kRecordingConsole = R"movie(
calls = ""
command = "r_unknown"
function AddSymbol(n) calls = calls .. "AddSymbol(" .. n .. ")" end
function PageUp() calls = calls .. "PageUp" end
function PageDown() calls = calls .. "PageDown" end
function GetCommand() calls = calls .. "GetCommand" return command end
function SetCurrentConsoleLine(text) calls = calls .. "Set(" .. text .. ")" end
function AddLineToConsole(text) end
function Calls() local c = calls calls = "" return c end
)movie";

std::wstring Calls() { return LayerManager::_flashConsole->GetFC()->callFunction(L"Calls", Args()).getString(); }

} // namespace

TEST_F(FlashTest, TheConsoleTakesKeysAndCharactersOnlyWhileOpen)
{
    WriteMovie("console", kRecordingConsole);
    LayerManager::Create(&Dumper::Instance(), _system.get());
    ASSERT_NE(LayerManager::_flashConsole, nullptr);
    Calls();
    LayerManager::AddChar('a');
    LayerManager::ProceedKey(13);
    EXPECT_EQ(Calls(), L"") << "closed";

    LayerManager::ToggleConsole();
    ASSERT_TRUE(LayerManager::IsConsoleActive());
    struct Case
    {
        bool character;
        char code;
        const wchar_t* calls;
    };
    const Case cases[] = {
        {true, 'a', L"AddSymbol(97)"},
        {true, char(200), L"AddSymbol(-56)"},
        {false, 34, L"PageUp"},
        {false, 33, L"PageDown"},
        {false, 13, L"GetCommandSet()"},
        {false, 9, L"GetCommand"},
        {false, 65, L""},
    };
    for (const Case& c : cases)
    {
        if (c.character)
            LayerManager::AddChar(c.code);
        else
            LayerManager::ProceedKey(c.code);
        EXPECT_EQ(Calls(), c.calls) << int(c.code);
    }
    LayerManager::ToggleConsole();
    EXPECT_FALSE(LayerManager::IsConsoleActive());
}

TEST_F(FlashTest, TheConsoleSlidesOpenAndHidesWhenClosed)
{
    FlashLayer* console = LayerManager::_flashConsole;
    ASSERT_NE(console, nullptr);
    LayerManager::ToggleConsole();
    LayerManager::Update(0.1f);
    EXPECT_TRUE(console->GetVisible());
    for (int step = 0; step < 5; ++step)
        LayerManager::Update(0.1f);
    EXPECT_EQ(LayerManager::_consolePos.y, 0.0f);
    LayerManager::ToggleConsole();
    for (int step = 1; step <= 6; ++step)
    {
        LayerManager::Update(0.1f);
        EXPECT_EQ(LayerManager::_consolePos.y, -80.0f * step);
        EXPECT_EQ(console->GetVisible(), step < 6) << step;
    }
}

// The real console movie on a 1280 x 960 screen: opened by the toggle, a command typed and run.
class ConsoleScreenTest : public FlashTest
{
protected:
    void SetUp() override
    {
        _windowWidth = 1280;
        _windowHeight = 960;
        _shaders = true;
        FlashTest::SetUp();
    }
};

TEST_F(ConsoleScreenTest, ATypedCommandRunsAndTheScreenshotShowsTheConsole)
{
    LayerManager::SetDrawTarget(nullptr);
    MainConsole->Add("Console test line");
    LayerManager::ToggleConsole();
    for (int frame = 0; frame < 8; ++frame)
    {
        _system->Present(nullptr);
        LayerManager::Update(0.1f);
    }
    for (char c : std::string("takescreenshot"))
        LayerManager::AddChar(c);
    EXPECT_EQ(LayerManager::_flashConsole->GetFC()->callFunction(L"GetCommand", Args()).getString(), L"takescreenshot");
    LayerManager::ProceedKey(13);
    EXPECT_EQ(LayerManager::_flashConsole->GetFC()->callFunction(L"GetCommand", Args()).getString(), L"")
        << "the input line is emptied";
    _system->Present(nullptr);
    _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u, 1.0f);
    LayerManager::Update(0.1f);
    _system->Present(nullptr);

    int width = 0, height = 0;
    std::vector<uint32_t> shot;
    ASSERT_TRUE(ReadBmp(_scratch / "screenshots" / "screen0000.bmp", width, height, shot));
    ASSERT_EQ(width, 1280);
    ASSERT_EQ(height, 960);
    auto at = [&](int x, int y) { return shot[size_t(y) * width + x]; };
    int text = 0;
    for (int y = 0; y < 440; ++y)
        for (int x = 0; x < 640; ++x)
            text += (at(x, y) >> 8 & 0xFF) > 150 && (at(x, y) & 0xFF) > 150;
    EXPECT_GT(text, 500) << "lines of the console";
    const uint32_t panel = at(1200, 100);
    EXPECT_NE(panel, 0u) << "the console's panel";
    EXPECT_LT(panel >> 16 & 0xFF, 0x20);
    EXPECT_EQ(at(640, 700), 0u) << "below the console the screen is clear";
    EXPECT_TRUE(LogHas("Screenshot taken"));
    EXPECT_FALSE(LogHas("ERROR")) << "no error while the console ran";
}
