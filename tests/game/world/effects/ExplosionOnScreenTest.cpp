// An explosion in the demo mission as the game draws it: a sequence of screenshots, kept under
// "explosion_shots" for people to look at, shows it flare up, spread and die away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoOnScreen.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "scene/nodes/Camera.h"

namespace {
class ExplosionOnScreenTest : public DemoOnScreenTest
{
protected:
    ExplosionOnScreenTest() : DemoOnScreenTest("explosion_shots") {}
};
} // namespace

TEST_F(ExplosionOnScreenTest, BlastFlaresUpSpreadsAndDiesAway)
{
    SingleLevel* level = StartDemo();
    ASSERT_NE(nullptr, level);
    const Camera* camera = game.GetCamera();
    Vec3 ahead = camera->GetGlobalOrientation().Dir();
    ahead.Normalize();
    Matrix pose = Matrix::Ident();
    pose.Translate(camera->GetGlobalPos() + ahead * 300);
    Run(1.0f / 30);
    const std::vector<uint32_t> before = Shot("explosion_0");
    level->CreateExplosion(pose, 150, 0, EXPLOSION_BLAST, true);

    const float times[] = {0.1f, 0.3f, 0.6f, 1.0f, 1.6f, 4.0f};
    std::vector<Look> looks;
    float now = 0;
    for (float at : times)
    {
        Run(at - now);
        now = at;
        // The flying debris lives on for seconds more: it is taken away before the last look,
        // and its flashes play out.
        if (at == times[5])
        {
            while (Actor* chunk = level->GetActorByClassname("Debris", 0))
                level->DestroyActor(chunk, true);
            Run(1);
        }
        looks.push_back(Compare(Shot("explosion_" + std::to_string(looks.size() + 1)), before));
    }
    // A flash at once...
    EXPECT_GT(looks[0].lit, 1000u);
    // ...whose shock wave spreads and fades out by 1.6 s, while the fire dies down...
    EXPECT_GT(looks[3].reach, looks[1].reach + 30);
    EXPECT_LT(looks[3].light, looks[1].light);
    EXPECT_LT(looks[4].light, looks[3].light / 10);
    // ...and next to nothing is left once everything it made has played out.
    EXPECT_LT(looks[5].lit, looks[0].lit / 100);
}
