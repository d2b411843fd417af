// What can be aimed at and what aims: attack bones, the targeting record, target icons, and the
// turrets' list of the enemies near their mounts.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <vector>

#include "ObjectMission.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/objects/StationModules.h"
#include "game/world/objects/Target.h"
#include "game/world/objects/Turret.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"

namespace {

using TargetTurretTest = ObjectMission;

class Aimed : public Target
{
public:
    using Target::SetAttackBone;
    using Target::SetPrototype;
};

std::set<Bone*> Picks(const Target& target, int tries)
{
    std::set<Bone*> picks;
    for (int i = 0; i < tries; ++i)
        picks.insert(target.GetAttackBone());
    return picks;
}

} // namespace

TEST_F(TargetTurretTest, ATargetOffersItsOneAttackBoneOrAnyOfSeveral)
{
    RenderScene* scene = game.GetRenderScene();
    Bone* bones[3] = {scene->CreateBone(SL_STAGE), scene->CreateBone(SL_STAGE), scene->CreateBone(SL_STAGE)};
    Aimed target;
    TargetingSystem aim;
    EXPECT_EQ(nullptr, target.GetAttackBone());
    aim.SetTarget(&target);
    EXPECT_EQ(&target, aim.GetTarget());
    EXPECT_EQ(nullptr, aim.GetAttackBone());

    target.SetAttackBone(bones[0]);
    EXPECT_EQ((std::set<Bone*>{bones[0]}), Picks(target, 20));
    target.SetAttackBone(bones[1]);
    EXPECT_EQ((std::set<Bone*>{bones[0], bones[1]}), Picks(target, 50));
    target.SetAttackBone(bones[2]);
    EXPECT_EQ((std::set<Bone*>{bones[0], bones[1], bones[2]}), Picks(target, 80));

    aim.SetTarget(&target);
    EXPECT_EQ(1u, std::set<Bone*>(bones, bones + 3).count(aim.GetAttackBone()));
    aim.RemoveTarget();
    EXPECT_EQ(nullptr, aim.GetTarget());
    EXPECT_EQ(nullptr, aim.GetAttackBone());
}

TEST_F(TargetTurretTest, ATargetNamesTheIconsOfItsPrototype)
{
    Aimed target;
    EXPECT_STREQ("", target.GetTargetIcon());
    EXPECT_STREQ("", target.GetStatIcon());
    ObjectType type;
    std::snprintf(type.icon, sizeof(type.icon), "target_capsule");
    std::snprintf(type.statIcon, sizeof(type.statIcon), "stat_capsule");
    target.SetPrototype(&type);
    EXPECT_STREQ("target_capsule", target.GetTargetIcon());
    EXPECT_STREQ("stat_capsule", target.GetStatIcon());
}

// Within 8192 units of the mount, the first fighter of each watched class, after the player's
// own ship when it has one.
TEST_F(TargetTurretTest, ATurretListsTheWatchedFightersWithinReachOfItsMount)
{
    auto* module = static_cast<StationModule*>(Spawn("ytg_sush_02_nos", Vec3(0, 0, 0)));
    Turret* turret = module->GetTurrets().at(0);
    const Vec3 mount = module->GetMainModelEx()->FindBone(Name("weapon_00"))->GetGlobalPos();
    std::vector<Actor*> own;
    if (Ship* ship = level.GetPlayer() ? level.GetPlayer()->GetShip() : nullptr)
        own.push_back(ship);
    auto listed = [&] {
        turret->UpdateTargetList();
        std::vector<Actor*> actors;
        for (const TurretTarget* target : turret->GetTargets())
            actors.push_back(target->actor);
        return actors;
    };
    EXPECT_EQ(own, listed()) << "nobody near";

    Ship* near = level.CreateShip("blg_fighter_00", "default", "near");
    Ship* edge = level.CreateShip("blg_fighter_01", "default", "edge");
    Ship* second = level.CreateShip("blg_fighter_00", "default", "second");
    ASSERT_TRUE(near && edge && second);
    near->SetPosition(mount + Vec3(8000, 0, 0));
    edge->SetPosition(mount + Vec3(0, 8192, 0));
    second->SetPosition(mount + Vec3(0, 0, 100));
    std::vector<Actor*> expected = own;
    expected.push_back(near);
    EXPECT_EQ(expected, listed()) << "only the first of a class, and not at 8192";

    near->SetPosition(mount + Vec3(9000, 0, 0));
    edge->SetPosition(mount + Vec3(0, 8191, 0));
    expected = own;
    expected.push_back(edge);
    EXPECT_EQ(expected, listed());
}
