#include "PlayerTestSupport.h"

#include "foundation/base/Random.h"
#include "foundation/base/Timer.h"
#include "foundation/config/GameSettings.h"
#include "game/profiles/ProfileManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Limiter.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "services/input/InputCodes.h"
#include "services/input/InputSystem.h"

bool ScriptedInput::Fetch(InputDevice device, std::vector<InputRecord>& records)
{
    records.clear();
    if (device == InputDevice::Keyboard)
        records.swap(_keys);
    else if (device == InputDevice::Mouse)
        records.swap(_mouse);
    return true;
}

void ScriptedInput::MouseMove(int32_t dx, int32_t dy, int32_t wheel)
{
    if (dx)
        _mouse.push_back({MOUSE_OFFSET_X, dx});
    if (dy)
        _mouse.push_back({MOUSE_OFFSET_Y, dy});
    if (wheel)
        _mouse.push_back({MOUSE_OFFSET_W, wheel});
}

StartedGame* PlayerTest::_game = nullptr;

void PlayerTest::SetUpTestSuite() { _game = new StartedGame(); }

void PlayerTest::TearDownTestSuite()
{
    delete _game;
    _game = nullptr;
}

void PlayerTest::SetUp()
{
    if (!_game->Started())
        GTEST_SKIP() << "no display: " << _game->Error();
    GamePaused = 0;
    EngineSeed(7);
    GameSettings& settings = *game.GetGameSettings();
    settings.Difficulty = 2;
    settings.DebugInformation = false;
    *game.GetLimiter() = Limiter();
    // A fresh installation: nobody has chosen a pilot.
    game.GetProfileManager()->SelectNone();
    _gameLevel = game.GetLevel();
    game.SetLevel(&_level);
    _game->Data().WriteLevel("player.lua", "Level.obj_player = { classname = \"player\"; };\n");
    _game->Data().WriteLevel("player_desc.lua", "");
    _game->Data().WriteLevel("player_logic.lua", "");
    _level.LoadLevel("player.lua", "player_desc.lua", "player_logic.lua");
    _level.Initialize();
    for (int i = 0; i < 10 && !_level.IsLoaded(); ++i)
        Frame(1.0f / 64);
    ASSERT_TRUE(_level.IsLoaded());
    // The bindings the game ships with.
    ASSERT_TRUE(_bindings.LoadConfig("config.ini"));
    auto source = std::make_unique<ScriptedInput>();
    script = source.get();
    _input = std::make_unique<InputSystem>(std::move(source));
    _input->SetConfig(&_bindings);
    game.SetInput(_input.get());
    ASSERT_NE(Level().GetPlayer(), nullptr);
    ASSERT_NE(Level().GetPlayer()->GetShip(), nullptr);
}

void PlayerTest::TearDown()
{
    game.SetInput(nullptr);
    GamePaused = 0;
    _level.ShutDown();
    if (_game->Started())
        game.SetLevel(_gameLevel);
}

void PlayerTest::Frame(float seconds)
{
    _clock.Tick(seconds);
    _level.Proceed(seconds);
}

void PlayerTest::Step(float seconds)
{
    _input->ProcessInputData();
    Frame(seconds);
}

void PlayerTest::Steps(int count, float seconds)
{
    for (int i = 0; i < count; ++i)
        Step(seconds);
}

void PlayerTest::Tap(uint32_t scanCode)
{
    script->Key(scanCode, true);
    Step();
    script->Key(scanCode, false);
    Step();
}

void PlayerTest::OpenRobot()
{
    Limiter* limiter = game.GetLimiter();
    for (int second = 0; second < 6 && !limiter->CanTransmitionRobot(); ++second)
    {
        Frame(1);
        limiter->Proceed();
    }
}

Player& PlayerTest::ThePlayer() { return *Level().GetPlayer(); }

PlayerShip& PlayerTest::Ship() { return *Level().GetPlayer()->GetShip(); }

void SeedForDraw(int modulus, int value)
{
    for (unsigned seed = 1;; ++seed)
    {
        EngineSeed(seed);
        if (EngineRandom() % modulus == value)
        {
            EngineSeed(seed);
            return;
        }
    }
}
