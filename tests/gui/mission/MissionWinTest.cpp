// Each shipped mission flown to a win by a scripted pilot with the default ship, its flight model
// and the shipped key bindings, the AI on, as the README tells a newcomer to fly it: the pilot sets
// the throttle with the mouse wheel, rolls and pitches with the mouse towards the red mark that
// the HUD shows (or the way its arrow points), slides onto it with the strafe keys and fires while
// the mark sits in the sights: torpedoes at cargo ships, rockets at the fighter that the target
// key picks, the blasters at either; it breaks away before it rams a cargo ship. The pilot sees
// only what the HUD shows; nothing is drawn. Both frame lengths a player meets: 1/60 s and 1/20 s.
#include "MissionFixture.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "MaterialSystem/MaterialSystem.h"
#include "ScriptedInput.h"
#include "WorldTestSupport.h"
#include "foundation/config/VideoSettings.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/UserProfile.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/LayerManager.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

namespace {

constexpr int SpaceCleaner = 0;      // lvl00
constexpr int CargoAnnihilation = 1; // lvl12

// Scan codes of the shipped bindings.
constexpr uint32_t KeySpace = 57, KeyCtrl = 29, KeyT = 20, KeyG = 34, KeyQ = 16, KeyE = 18;

// What the pilot makes of the mission's marks: how wide the marked ships are, how near it comes
// before it breaks away, and its secondary weapon.
struct Foe
{
    float halfWidth;
    float breakAway;
    bool torpedoes; // else rockets at the target
};
constexpr Foe CargoShips{20, 350, true};
constexpr Foe Fighters{10, 60, false};

// Where the HUD shows a point: its offset from the screen's centre in pixels (y down), whether it
// lies behind the pilot (the crosshair turns its arrow round then), and how far it is (the HUD
// writes it beside the arrow; on the screen a pilot judges it by the size of the ship).
struct Sight
{
    float x = 0, y = 0;
    bool behind = false;
    float distance = 0;
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

    // A point as the crosshair projects it.
    static void Project(const Vec3& point, Sight& sight)
    {
        const VideoSettings* video = game.GetRender()->GetSettings();
        Vec3 screen(0, 0, 0);
        game.GetCamera()->WorldToScreenNoScissor(point, game.GetRender(), screen, sight.behind);
        sight.x = screen.x - video->ScrWidth * 0.5f;
        sight.y = screen.y - video->ScrHeight * 0.5f;
    }
    // The nearest red mark of the mission; false when there is none.
    static bool Look(Sight& sight)
    {
        const LevelLogic* logic = Level().GetLogic();
        const PlayerShip* ship = Level().GetPlayer()->GetShip();
        bool found = false;
        for (unsigned i = 0; ship && i < logic->GetGlobalTargetCount(); ++i)
        {
            const GlobalLevelTarget* mark = logic->GetGlobalTarget(i);
            const float distance = ship->GetPosition().Distance(mark->position);
            if (mark->color.g > 0 || (found && distance >= sight.distance))
                continue;
            Project(mark->position, sight);
            sight.distance = distance;
            found = true;
        }
        return found;
    }

    void Hold(uint32_t key, bool down, bool& held)
    {
        if (down != held)
            _script->Key(key, down);
        held = down;
    }

    // The pilot's hands for one frame.
    void Steer(const Sight& sight, const Foe& foe)
    {
        // An attack run: in close, away before ramming, and round again.
        if (_breaking && sight.distance > foe.breakAway + 400)
            _breaking = false;
        else if (!_breaking && sight.distance < foe.breakAway)
            _breaking = true;

        // The throttle by the wheel, a notch a frame, as the HUD's speed bars show it: full while
        // the mark is far, less near it.
        const float wanted = sight.distance > 1400 ? 100.0f : 40.0f;
        const float desired = Level().GetPlayer()->GetFlightModel()->GetSpeedDes();
        const int wheel = desired < wanted - 5 ? 120 : desired > wanted + 5 ? -120 : 0;

        float x = sight.x, y = sight.y;
        const float radius = std::sqrt(x * x + y * y);
        if (sight.behind || !std::isfinite(radius))
        {
            // The arrow points the other way round: turn hard.
            const float scale = radius > 0 && std::isfinite(radius) ? -1000 / radius : 0;
            x *= scale;
            y = scale != 0 ? y * scale : -1000;
        }
        int dx = 0, dy = 0;
        if (_breaking)
        {
            dy = 150; // nose up, over the mark
        }
        else
        {
            // The mark's angle from straight up, clockwise: rolled to the top or the bottom, then
            // pitched onto.
            const float angle = std::atan2(x, -y) * 57.29578f;
            float roll = std::fabs(angle) <= 90 ? angle : angle - std::copysign(180.0f, angle);
            if (std::sqrt(x * x + y * y) < 60)
                roll = 0;
            const float aligned = std::clamp(1 - std::fabs(roll) / 30, 0.0f, 1.0f);
            dx = static_cast<int>(std::clamp(roll * 3.0f, -150.0f, 150.0f));
            dy = static_cast<int>(std::clamp(-y * 0.8f * aligned, -150.0f, 150.0f));
        }
        _script->MouseMove(dx, dy, wheel);
        const bool near = !_breaking && !sight.behind && radius < 60;
        Hold(KeyE, near && sight.x > 3, _right);
        Hold(KeyQ, near && sight.x < -3, _left);

        const float half = std::max(6.0f, foe.halfWidth * 560 / std::max(sight.distance, 1.0f));
        const bool inSights = !_breaking && !sight.behind && std::fabs(sight.x) < half &&
                              std::fabs(sight.y) < half && sight.distance < 1050;
        Hold(KeySpace, inSights, _blasters);
        if (foe.torpedoes)
        {
            Hold(KeyCtrl, inSights, _secondary);
            return;
        }
        // Rockets follow the target that the crosshair's box shows: the target key picks the
        // enemy nearest the nose when the box is not on the mark ahead.
        const bool ahead = !_breaking && !sight.behind && radius < 100 && sight.distance < 1400;
        const Ship* target = Level().GetPlayer()->GetShip()->GetTarget();
        Sight box;
        if (target)
            Project(target->GetPosition(), box);
        const bool boxed =
            target && !box.behind && std::fabs(box.x - sight.x) < 30 && std::fabs(box.y - sight.y) < 30;
        Hold(KeyT, ahead && !boxed && !_picking, _picking);
        Hold(KeyCtrl, ahead && boxed, _secondary);
    }

    std::unique_ptr<FrameClock> _clock;
    InputConfig _bindings;
    std::unique_ptr<InputSystem> _input;
    ScriptedInput* _script = nullptr;
    bool _blasters = false, _secondary = false, _picking = false, _left = false, _right = false;
    bool _breaking = false;
};

struct Case
{
    int mission;
    const char* name;
    float step;
    float limit; // seconds: the mission's own time limit
    Foe foe;
};

class MissionWin : public MissionWinTest, public testing::WithParamInterface<Case>
{};

TEST_P(MissionWin, IsWonThroughThePlayersInputsWithinItsTimeLimit)
{
    const Case& test = GetParam();
    ASSERT_NO_FATAL_FAILURE(Fly(test.mission));
    if (test.foe.torpedoes)
    {
        _script->Key(KeyG, true);
        Frame(test.step);
        _script->Key(KeyG, false);
    }
    while (Level().IsExist() && Status() == LEVEL_RUNNING && Level().GetTime() < test.limit)
    {
        Sight sight;
        if (Look(sight))
            Steer(sight, test.foe);
        Frame(test.step);
    }
    EXPECT_EQ(Status(), LEVEL_WON) << "at " << Level().GetTime() << " s";
    EXPECT_LT(Level().GetTime(), test.limit);
    EXPECT_FALSE(Level().GetLogic()->GetTriggerSystem().GetTrigger("time_up")->IsTriggered());
    EXPECT_FALSE(Level().GetPlayer()->GetShip()->IsDead());
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

const Case Cases[] = {
    {SpaceCleaner, "lvl00_60", 1.0f / 60, 600, Fighters},
    {SpaceCleaner, "lvl00_20", 1.0f / 20, 600, Fighters},
    {CargoAnnihilation, "lvl12_60", 1.0f / 60, 600, CargoShips},
    {CargoAnnihilation, "lvl12_20", 1.0f / 20, 600, CargoShips},
};

INSTANTIATE_TEST_SUITE_P(ShippedMissions, MissionWin, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
