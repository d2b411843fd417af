// Each shipped mission flown to a win with the default ship, its flight model and the shipped
// key bindings, the AI on, by two scripted pilots: one that looks and acts every frame, and one
// that reacts slowly, deciding only every half second, and flies as the README tells a newcomer.
// Both frame lengths a player meets: 1/60 s and 1/20 s.
#include "MissionFixture.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "FramePilot.h"
#include "ScriptedInput.h"
#include "SlowPilot.h"
#include "WorldTestSupport.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/UserProfile.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/LayerManager.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

namespace {

constexpr int SpaceCleaner = 0;      // lvl00
constexpr int CargoAnnihilation = 1; // lvl12

enum class Reacts
{
    EveryFrame,
    Slowly,
};

class MissionWinTest : public MissionScreenTest
{
protected:
    void SetUp() override
    {
        MissionScreenTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        _clock = std::make_unique<FrameClock>();
        ASSERT_TRUE(_bindings.LoadConfig("config.ini"));
        auto source = std::make_unique<ScriptedInput>();
        _script = source.get();
        _input = std::make_unique<InputSystem>(std::move(source));
        _input->SetConfig(&_bindings);
        game.SetInput(_input.get());
        // Nothing is drawn: the HUD is hidden as the H key hides it, and the pilot reads the marks
        // as the crosshair projects them.
        LayerManager::_enabled = false;
    }
    void TearDown() override
    {
        LayerManager::_enabled = true;
        game.SetInput(nullptr);
        _clock.reset();
        MissionScreenTest::TearDown();
        _input.reset();
    }

    void Fly(int offer)
    {
        _pilot->SetCurrentLevel(Offer(offer));
        SingleLevel* level = game.GetLevel();
        level->LoadLevel(nullptr, nullptr, nullptr);
        for (int i = 0; i < 400 && !(std::string(Current()) == "level" && level->IsLoaded()); ++i)
            Frame(0.1f);
        ASSERT_TRUE(level->IsLoaded()) << "at " << Current();
        ASSERT_NE(level->GetLogic(), nullptr);
        ASSERT_NE(level->GetPlayer(), nullptr);
        ASSERT_EQ(level->GetPlayer()->GetFlightModel()->GetFlyghtModelType(), FLIGHT_MODEL_STRAFE);
    }
    // One frame of the game's loop with the scripted input. The scene moves on as before drawing,
    // so that the camera holds this frame's view, but it is not drawn.
    void Frame(float seconds)
    {
        _clock->Tick(seconds);
        _input->ProcessInputData();
        game.ProceedUndrawn();
    }

    static SingleLevel& Level() { return *game.GetLevel(); }
    static eLevelStatus Status()
    {
        const LevelLogic* logic = Level().GetLogic();
        return logic ? logic->GetStatus() : LEVEL_RUNNING;
    }

    std::unique_ptr<FrameClock> _clock;
    InputConfig _bindings;
    std::unique_ptr<InputSystem> _input;
    ScriptedInput* _script = nullptr;
};

// What Cargo annihilation's start is for: the rear cargo ship's red mark stands within the middle
// of the crosshair, inside the inner ends of its ticks, and a torpedo fired at once strikes the
// ship's hull, not the cabin on top, whose loss does not sink it.
TEST_F(MissionWinTest, CargoAnnihilationStartsWithTheRearCargoShipInTheMiddleOfTheCrosshair)
{
    ASSERT_NO_FATAL_FAILURE(Fly(CargoAnnihilation));
    constexpr float Step = 1.0f / 60;
    Frame(Step);
    Sight sight;
    ASSERT_TRUE(Look(sight)) << "no red mark";
    auto* rear = dynamic_cast<Ship*>(Level().GetActor("ytg_cargo_01"));
    auto* front = dynamic_cast<Ship*>(Level().GetActor("ytg_cargo_00"));
    ASSERT_NE(rear, nullptr);
    ASSERT_NE(front, nullptr);
    const Vec3 start = Level().GetPlayer()->GetShip()->GetPosition();
    EXPECT_LT(start.Distance(rear->GetPosition()), start.Distance(front->GetPosition())) << "the rear ship is nearer";
    EXPECT_FLOAT_EQ(sight.distance, start.Distance(rear->GetPosition())) << "the nearest mark is the rear ship's";
    // The reticle's ticks end 22 of its 128 design units from its centre.
    const float middle = 22 * LayerManager::GetScaleFactor();
    EXPECT_LT(std::hypot(sight.x, sight.y), middle) << "the mark stands at " << sight.x << ", " << sight.y;

    // G picks the torpedoes; a tap of Ctrl fires one.
    for (const uint32_t key : {PilotKeys::G, PilotKeys::Ctrl})
    {
        _script->Key(key, true);
        Frame(Step);
        _script->Key(key, false);
        Frame(Step);
    }
    DestructableObject* parts = rear->GetDestructableObject();
    ASSERT_NE(parts, nullptr);
    std::vector<float> health;
    for (int i = 0; i < parts->GetPartCount(); ++i)
        health.push_back(parts->GetPart(i)->GetCurHp());
    std::string hit;
    for (float time = 0; time < 6 && hit.empty(); time += Step)
    {
        Frame(Step);
        for (int i = 0; i < parts->GetPartCount(); ++i)
        {
            if (parts->GetPart(i)->GetCurHp() < health[i])
                hit += std::string(hit.empty() ? "" : ", ") + parts->GetPart(i)->GetName();
        }
    }
    // The hull's part; the cabin is "ytg_sush_02_kabina_00".
    EXPECT_EQ(hit, "ytg_korpus_bolsh_dvig_01") << "the parts the torpedo struck";
}

struct Case
{
    int mission;
    const char* name;
    float step;
    float limit; // seconds: the mission's own time limit
    Foe foe;
    Reacts reacts;
};

class MissionWin : public MissionWinTest, public testing::WithParamInterface<Case>
{};

TEST_P(MissionWin, IsWonThroughThePlayersInputsWithinItsTimeLimit)
{
    const Case& test = GetParam();
    ASSERT_NO_FATAL_FAILURE(Fly(test.mission));
    std::unique_ptr<Pilot> pilot;
    if (test.reacts == Reacts::Slowly)
        pilot = std::make_unique<SlowPilot>(*_script, test.foe);
    else
        pilot = std::make_unique<FramePilot>(*_script, test.foe);
    if (test.foe.torpedoes)
    {
        _script->Key(PilotKeys::G, true);
        Frame(test.step);
        _script->Key(PilotKeys::G, false);
    }
    while (Level().IsExist() && Status() == LEVEL_RUNNING && Level().GetTime() < test.limit)
    {
        pilot->Act(test.step);
        Frame(test.step);
    }
    EXPECT_EQ(Status(), LEVEL_WON) << "at " << Level().GetTime() << " s";
    EXPECT_LT(Level().GetTime(), test.limit);
    EXPECT_FALSE(Level().GetLogic()->GetTriggerSystem().GetTrigger("time_up")->IsTriggered());
    EXPECT_FALSE(Level().GetPlayer()->GetShip()->IsDead());
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

const Case Cases[] = {
    {SpaceCleaner, "lvl00_60", 1.0f / 60, 600, Fighters, Reacts::EveryFrame},
    {SpaceCleaner, "lvl00_20", 1.0f / 20, 600, Fighters, Reacts::EveryFrame},
    {CargoAnnihilation, "lvl12_60", 1.0f / 60, 600, CargoShips, Reacts::EveryFrame},
    {CargoAnnihilation, "lvl12_20", 1.0f / 20, 600, CargoShips, Reacts::EveryFrame},
    {SpaceCleaner, "lvl00_60_slow", 1.0f / 60, 600, Fighters, Reacts::Slowly},
    {SpaceCleaner, "lvl00_20_slow", 1.0f / 20, 600, Fighters, Reacts::Slowly},
    {CargoAnnihilation, "lvl12_60_slow", 1.0f / 60, 600, CargoShips, Reacts::Slowly},
    {CargoAnnihilation, "lvl12_20_slow", 1.0f / 20, 600, CargoShips, Reacts::Slowly},
};

INSTANTIATE_TEST_SUITE_P(ShippedMissions, MissionWin, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
