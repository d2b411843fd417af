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

} // namespace

void StartedMissionTest::SetUp()
{
    if (!GameEnvironment::started || !GameEnvironment::started->Started())
        GTEST_SKIP() << "no display: " << (GameEnvironment::started ? GameEnvironment::started->Error() : "");
    EngineSeed(7);
    GameSettings& settings = *game.GetGameSettings();
    settings.DynLighting = true;
    // Computer bolts fly true above the easiest difficulty.
    settings.Difficulty = 2;
    CopyFixedText(settings.Language, "en");
    *game.GetLimiter() = Limiter();
    PlaceCamera(Vec3(0, 0, 0));
    _mission = std::make_unique<TestMission>();
}

void StartedMissionTest::TearDown() { _mission.reset(); }

void StartedMissionTest::Run(float seconds, float frame)
{
    for (int frames = static_cast<int>(seconds / frame + 0.5f); frames > 0; --frames)
        Frame(frame);
}

unsigned StartedMissionTest::Count(const char* classname) const
{
    return _mission->Level().GetActorCountByClassname(classname);
}

void StartedMissionTest::PlaceCamera(const Vec3& position) { game.GetCamera()->SetPosition(position); }
