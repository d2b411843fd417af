// Bolts and rockets in the demo mission as the game draws them, crossing the view from left to
// right; the shots are kept under "weapon_shots" for people to look at.
#include <gtest/gtest.h>

#include <vector>

#include "DemoOnScreen.h"
#include "MountSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/weapons/WeaponBurst.h"
#include "game/world/weapons/WeaponRocket.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"

namespace {

class WeaponsOnScreenTest : public DemoOnScreenTest
{
protected:
    WeaponsOnScreenTest() : DemoOnScreenTest("weapon_shots") {}

    // A weapon of the record on a mount left of the view's centre, shooting to the right.
    template <class Kind>
    Kind* Mount(SingleLevel& level, WeaponType& type, const Vec3& along, float height)
    {
        const Camera* camera = game.GetCamera();
        Vec3 right = camera->GetWorldMatrix().Right(), up = camera->GetWorldMatrix().Up();
        right.Normalize();
        up.Normalize();
        Model* model = MakeMountModel(camera->GetGlobalPos() + along * 300 - right * 200 + up * height, {0});
        model->SetOrientation(up ^ right, up, right);
        shooter.GetRoot().FromOrientation(right, up);
        auto* weapon = new Kind(&shooter, 0, model, 0);
        weapon->InitializeData(&type);
        level.CreateActor(weapon, nullptr);
        weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance());
        return weapon;
    }

    Owner shooter;
    // The weapons keep their records until the mission's end, after the test's body.
    WeaponType blaster, rocket;
};

} // namespace

TEST_F(WeaponsOnScreenTest, BoltsGlowAndRocketsLeaveTrails)
{
    SingleLevel* level = StartDemo();
    ASSERT_NE(nullptr, level);
    Vec3 ahead = game.GetCamera()->GetGlobalOrientation().Dir();
    ahead.Normalize();
    const std::vector<uint32_t> before = Shot("weapons_0");

    blaster = MakeWeaponType("Burst", "BlgBlaster00", 0.15f);
    std::strncpy(blaster.material, "burst_blg.mat", sizeof blaster.material - 1);
    blaster.speed = 400;
    Mount<WeaponBurst>(*level, blaster, ahead, 40);
    rocket = MakeWeaponType("Rocket", "Rocket00", 0.4f);
    std::strncpy(rocket.physAsset, "rocket_00.mdl", sizeof rocket.physAsset - 1);
    std::strncpy(rocket.renderAsset, "rocket_00.mod", sizeof rocket.renderAsset - 1);
    std::strncpy(rocket.stripMaterial, "rocket_strip_00.mat", sizeof rocket.stripMaterial - 1);
    std::strncpy(rocket.particles, "rocket_00.pse", sizeof rocket.particles - 1);
    rocket.speed = 150;
    rocket.lifetime = 3;
    Mount<WeaponRocket>(*level, rocket, ahead, -40);

    Run(0.8f);
    const Look flying = Compare(Shot("weapons_1"), before);
    EXPECT_GT(flying.lit, 500u);
    EXPECT_GT(flying.reach, 100.0f);
}
