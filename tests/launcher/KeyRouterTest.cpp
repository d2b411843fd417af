// Window key and text events as the frames, the console and the mission controls receive them.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "launcher/KeyRouter.h"
#include "launcher/MissionControls.h"
#include "layers/LayerManager.h"
#include "platform/input/SdlInputSource.h"
#include "platform/window/WindowEvents.h"
#include "services/input/InputSystem.h"

namespace {
using Calls = std::vector<std::string>;

class RecordingFrame : public GameFrame
{
public:
    RecordingFrame(GameFrameManager* manager, Calls& calls) : GameFrame(manager, "menu"), _calls(calls) {}

    void EventSelectUp() override { _calls.push_back("up"); }
    void EventSelectApply() override { _calls.push_back("apply"); }
    void EventSelectDecline() override { _calls.push_back("decline"); }
    void ProceedKey(const char& key) override { _calls.push_back("key " + std::to_string(int(key))); }
    void AddChar(const char& ch) override { _calls.push_back("char " + std::to_string(int(ch))); }

protected:
    void UserInitialize() override { _calls.push_back("init"); }
    void UserProceed(float) override {}
    void UserShutDown() override { _calls.push_back("shutdown"); }

private:
    Calls& _calls;
};

class RecordingMission : public IMissionControls
{
public:
    explicit RecordingMission(Calls& calls) : _calls(calls) {}
    bool IsLoaded() const override { return loaded; }
    void AddInertia(float amount) override { Note("inertia", amount); }
    void AddPitchCoeff(float amount) override { Note("pitch", amount); }
    void AddYawCoeff(float amount) override { Note("yaw", amount); }
    void SetFlightModel(int model) override { _calls.push_back("model " + std::to_string(model)); }
    void ToggleDebugMode() override { _calls.push_back("debug"); }
    void EnableCameraDust(bool enable) override { _calls.push_back(enable ? "dust on" : "dust off"); }

    bool loaded = false;

private:
    void Note(const char* what, float amount)
    {
        _calls.push_back(std::string(what) + (amount > 0 ? " +0.1" : " -0.1"));
    }
    Calls& _calls;
};

WindowEvent Key(int keycode, int modifiers = 0)
{
    WindowEvent event;
    event.type = WindowEvent::KeyDown;
    event.keycode = keycode;
    event.modifiers = modifiers;
    return event;
}

WindowEvent Text(const char* text)
{
    WindowEvent event;
    event.type = WindowEvent::Text;
    std::strncpy(event.text, text, sizeof(event.text) - 1);
    return event;
}

class KeyRouterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        LayerManager::Create(&Dumper::Instance(), nullptr);
        _manager = std::make_unique<GameFrameManager>(nullptr, nullptr);
        _frame = std::make_unique<RecordingFrame>(_manager.get(), _calls);
        _manager->AddFrame(_frame.get());
        _manager->SetActive("menu");
        while (_manager->GetStatus() != GameFrameManager::FADE_NONE)
            _manager->Proceed(0.1f);
        _calls.clear();
    }
    void TearDown() override
    {
        _manager.reset();
        LayerManager::_enabled = true;
        LayerManager::Release();
    }

    Calls _calls;
    RecordingMission _mission{_calls};
    std::unique_ptr<GameFrameManager> _manager;
    std::unique_ptr<RecordingFrame> _frame;
};
} // namespace

TEST_F(KeyRouterTest, KeysReachTheFrameAsVirtualKeysThenTheirEventThenTheirControlCharacter)
{
    KeyRouter keys(_manager.get(), nullptr, nullptr, nullptr, &_mission);
    struct Case
    {
        int keycode;
        Calls calls;
    };
    const Case cases[] = {
        {SDLK_RETURN, {"key 13", "apply", "char 13"}},
        {SDLK_KP_ENTER, {"key 13", "apply", "char 13"}},
        {SDLK_ESCAPE, {"key 27", "decline", "char 27"}},
        {SDLK_BACKSPACE, {"key 8", "char 8"}},
        {SDLK_TAB, {"key 9", "char 9"}},
        {SDLK_UP, {"key 38", "up"}},
        {SDLK_a, {"key 65"}},
        {SDLK_F5, {"key 116", "shutdown", "init"}},
    };
    for (const Case& test : cases)
    {
        _calls.clear();
        EXPECT_TRUE(keys.OnKeyDown(Key(test.keycode)));
        EXPECT_EQ(_calls, test.calls) << SDL_GetKeyName(test.keycode);
    }
}

TEST_F(KeyRouterTest, MissionCharactersAndKeysActOnlyWhileAMissionIsLoaded)
{
    KeyRouter keys(_manager.get(), nullptr, nullptr, nullptr, &_mission);
    keys.OnText(Text("v"));
    keys.OnKeyDown(Key(SDLK_END));
    EXPECT_EQ(_calls, Calls({"char 118", "key 35"}));

    _mission.loaded = true;
    _calls.clear();
    keys.OnText(Text("v,.nmb"));
    EXPECT_EQ(_calls, Calls({"model 0", "char 118", "inertia -0.1", "char 44", "inertia +0.1", "char 46", "model 1",
                             "char 110", "model 2", "char 109", "model 3", "char 98"}));
    _calls.clear();
    for (int keycode : {SDLK_END, SDLK_HOME, SDLK_INSERT, SDLK_DELETE, SDLK_i, SDLK_y, SDLK_y})
        keys.OnKeyDown(Key(keycode));
    EXPECT_EQ(_calls, Calls({"key 35", "pitch -0.1", "key 36", "pitch +0.1", "key 45", "yaw +0.1", "key 46", "yaw -0.1",
                             "key 73", "debug", "key 89", "dust off", "key 89", "dust on"}));
    keys.OnKeyDown(Key(SDLK_h));
    EXPECT_FALSE(LayerManager::_enabled);
}

TEST_F(KeyRouterTest, WhileTheConsoleIsOpenNoKeyReachesTheFramesOrTheMissionAndItsKeyClosesIt)
{
    _mission.loaded = true;
    KeyRouter keys(_manager.get(), nullptr, nullptr, nullptr, &_mission);
    keys.OnKeyDown(Key(SDLK_BACKQUOTE));
    keys.OnText(Text("`"));
    ASSERT_TRUE(LayerManager::IsConsoleActive());
    for (int keycode : {SDLK_h, SDLK_i, SDLK_y, SDLK_END, SDLK_INSERT, SDLK_RETURN, SDLK_ESCAPE, SDLK_UP, SDLK_F5})
        keys.OnKeyDown(Key(keycode));
    keys.OnText(Text("vnmb,.p"));
    EXPECT_EQ(_calls, Calls());
    EXPECT_TRUE(LayerManager::_enabled);

    keys.OnKeyDown(Key(SDLK_BACKQUOTE));
    keys.OnText(Text("`"));
    EXPECT_FALSE(LayerManager::IsConsoleActive());
    keys.OnKeyDown(Key(SDLK_i));
    EXPECT_EQ(_calls, Calls({"key 73", "debug"}));
}

// Behind the router, the input system that the player's bindings read: a key's record reaches it
// with the window's event, and a frame reads what came.
TEST_F(KeyRouterTest, NoPressOfTheConsoleKeyReachesTheBindings)
{
    auto owned = std::make_unique<SdlInputSource>(WindowHandle{});
    SdlInputSource* keyboard = owned.get();
    InputSystem input(std::move(owned));
    ASSERT_TRUE(input.IsKeybord());
    KeyRouter keys(_manager.get(), nullptr, nullptr, &input, &_mission);
    struct Pressed
    {
        int keycode;
        SDL_Scancode scancode;
        unsigned long scanCode; // the classic one, as the records carry it
    };
    const Pressed grave{SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 41}, p{SDLK_p, SDL_SCANCODE_P, 25};
    // Down and up, each read by a frame; what the bindings saw of the key in either frame.
    const auto press = [&](const Pressed& key) {
        Calls seen;
        WindowEvent event = Key(key.keycode);
        event.scancode = key.scancode;
        keyboard->InjectKey(int(key.scanCode), true);
        keys.OnKeyDown(event);
        input.ProcessInputData();
        if (input.IsKeyEvent(INPUT_KEYBOARD, key.scanCode, BUTTON_PRESSED))
            seen.push_back("pressed");
        keyboard->InjectKey(int(key.scanCode), false);
        input.ProcessInputData();
        if (input.IsKeyEvent(INPUT_KEYBOARD, key.scanCode, BUTTON_RELEASED))
            seen.push_back("released");
        return seen;
    };
    EXPECT_EQ(press(grave), Calls()) << "the press that opens the console";
    ASSERT_TRUE(LayerManager::IsConsoleActive());
    EXPECT_EQ(press(p), Calls()) << "a key typed into the console";
    EXPECT_EQ(press(grave), Calls()) << "the press that closes it";
    ASSERT_FALSE(LayerManager::IsConsoleActive());
    EXPECT_EQ(press(p), Calls({"pressed", "released"})) << "closed, the bindings have the keys again";
}

TEST_F(KeyRouterTest, TypedTextArrivesAsItsUtf8Bytes)
{
    KeyRouter keys(_manager.get(), nullptr, nullptr, nullptr, nullptr);
    keys.OnText(Text("\xC3\xA9"));
    EXPECT_EQ(_calls, Calls({"char " + std::to_string(int(char(0xC3))), "char " + std::to_string(int(char(0xA9)))}));
}

TEST_F(KeyRouterTest, AltKeysNeverReachTheFramesAndAltF4EndsTheGame)
{
    KeyRouter keys(_manager.get(), nullptr, nullptr, nullptr, &_mission);
    EXPECT_FALSE(keys.OnKeyDown(Key(SDLK_F4, WindowEvent::Alt)));
    EXPECT_TRUE(keys.OnKeyDown(Key(SDLK_RETURN, WindowEvent::Alt)));
    EXPECT_TRUE(keys.OnKeyDown(Key(SDLK_F4)));
    EXPECT_EQ(_calls, Calls({"key 115"}));
}

TEST_F(KeyRouterTest, WithoutAFrameManagerNoKeyIsRouted)
{
    _mission.loaded = true;
    KeyRouter keys(nullptr, nullptr, nullptr, nullptr, &_mission);
    for (int keycode : {SDLK_RETURN, SDLK_END, SDLK_y})
        EXPECT_TRUE(keys.OnKeyDown(Key(keycode)));
    EXPECT_TRUE(_calls.empty());
}
