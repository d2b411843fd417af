#include "StartedMission.h"

#include "foundation/base/Random.h"
#include "foundation/config/GameSettings.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Limiter.h"
#include "scene/nodes/Camera.h"

namespace {

class GameEnvironment : public testing::Environment
{
public:
    void SetUp() override { started = std::make_unique<StartedGame>(); }
    void TearDown() override { started.reset(); }

    static std::unique_ptr<StartedGame> started;
};

std::unique_ptr<StartedGame> GameEnvironment::started;

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GameEnvironment);

const char* const MissionLevel = R"(
Level.obj_player = {
    classname = "player";
    position = { x = 0; y = 0; z = 0 };
    dir = { x = 0; y = 0; z = 1 };
    up = { x = 0; y = 1; z = 0 };
};
)";

} // namespace

const StartedGame* GetStartedGame() { return GameEnvironment::started.get(); }

void StartedMissionTest::SetUp()
{
    const StartedGame* started = GetStartedGame();
    if (!started || !started->Started())
        GTEST_SKIP() << "no display: " << (started ? started->Error() : "");
    EngineSeed(7);
    GameSettings& settings = *game.GetGameSettings();
    settings.DynLighting = true;
    // Computer bolts fly true above the easiest difficulty.
    settings.Difficulty = 2;
    CopyFixedText(settings.Language, "en");
    *game.GetLimiter() = Limiter();
    PlaceCamera(Vec3(0, 0, 0));

    started->Data().WriteLevel("combat.lua", MissionLevel);
    started->Data().WriteLevel("combat_desc.lua", "");
    started->Data().WriteLevel("combat_logic.lua", "");
    _clock = std::make_unique<FrameClock>();
    _level = std::make_unique<SingleLevel>(nullptr, "level");
    _gameLevel = game.GetLevel();
    game.SetLevel(_level.get());
    _level->LoadLevel("combat.lua", "combat_desc.lua", "combat_logic.lua");
    _level->Initialize();
    for (int frame = 0; frame < 100 && !_level->IsLoaded(); ++frame)
        Frame(0);
    ASSERT_TRUE(_level->IsLoaded());
}

void StartedMissionTest::TearDown()
{
    if (!_level)
        return;
    _level->ShutDown();
    game.SetLevel(_gameLevel);
    _level.reset();
    _clock.reset();
}

void StartedMissionTest::Frame(float seconds)
{
    _clock->Tick(seconds);
    _level->Proceed(seconds);
}

void StartedMissionTest::Run(float seconds, float frame)
{
    for (int frames = static_cast<int>(seconds / frame + 0.5f); frames > 0; --frames)
        Frame(frame);
}

unsigned StartedMissionTest::Count(const char* classname) const { return _level->GetActorCountByClassname(classname); }

void StartedMissionTest::PlaceCamera(const Vec3& position) { game.GetCamera()->SetPosition(position); }
