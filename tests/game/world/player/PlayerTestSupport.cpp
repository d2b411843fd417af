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

void PlayerTest::SetUp()
{
    if (!GameStarted())
        GTEST_SKIP() << "no display";
    GamePaused = 0;
    game.GetGameSettings()->DebugInformation = false;
    // A fresh installation: nobody has chosen a pilot.
    game.GetProfileManager()->SelectNone();
    StartedMissionTest::SetUp();
    if (IsSkipped() || HasFatalFailure())
        return;
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
    StartedMissionTest::TearDown();
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
