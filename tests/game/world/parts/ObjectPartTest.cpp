// One part's life on the demo cargo pod: hit points by the difficulty, the damage thresholds
// and their results, the damaged look and dirt, and what destroying a part does to its parent,
// its shapes and the sub-trees below it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ObjectMission.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/ships/ShipPart.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "services/physics/PhysicsActor.h"

namespace {

class ObjectPartTest : public ObjectMission
{
protected:
    Object* Pod() { return Spawn("cargo_pod", Vec3(0, 0, 300)); }
};

float Dirt(RenderMesh* mesh)
{
    RenderSubMesh* sub = mesh ? mesh->GetSubMesh(0, 0) : nullptr;
    return sub && sub->renderable ? sub->renderable->GetParams().GetAnimation() : -1.0f;
}

} // namespace

TEST_F(ObjectPartTest, HitPointsFollowThePrototypeAndTheDifficulty)
{
    struct Case
    {
        int difficulty;
        float hull, claw;
    } cases[] = {{1, 1000, 250}, {2, 1500, 375}, {3, 2000, 500}};
    GameSettings* settings = game.GetGameSettings();
    const int saved = settings->Difficulty;
    for (const Case& c : cases)
    {
        settings->Difficulty = c.difficulty;
        Object* pod = Pod();
        EXPECT_FLOAT_EQ(c.hull, PartNamed(pod, "pod_hull_00")->GetMaxHp()) << c.difficulty;
        EXPECT_FLOAT_EQ(c.hull, PartNamed(pod, "pod_hull_00")->GetCurHp()) << c.difficulty;
        EXPECT_FLOAT_EQ(c.claw, PartNamed(pod, "pod_claw_00")->GetMaxHp()) << c.difficulty;
    }
    settings->Difficulty = saved;
}

TEST_F(ObjectPartTest, DamageTurnsAPartDamagedBelowHalfAndDestroyedBelowZero)
{
    struct Case
    {
        const char* what;
        std::vector<float> hits;
        std::vector<int> results;
        float left;
        bool damaged, destroyed;
    } cases[] = {
        {"a light hit", {100}, {0}, 900, false, false},
        {"below half, then below zero", {600, 500}, {1, 2}, -100, true, true},
        {"a hit beyond the hit points loses a tenth of them first", {1050}, {1}, 50, true, false},
        {"a destroyed part takes no more", {600, 500, 300}, {1, 2, 0}, -100, true, true},
    };
    for (const Case& c : cases)
    {
        ObjectPart* finger = PartNamed(Pod(), "pod_finger_00");
        finger->SetMaxHp(1000);
        std::vector<int> results;
        for (float hit : c.hits)
            results.push_back(finger->DoDamage(hit));
        EXPECT_EQ(c.results, results) << c.what;
        EXPECT_FLOAT_EQ(c.left, finger->GetCurHp()) << c.what;
        EXPECT_EQ(c.damaged, finger->IsDamaged()) << c.what;
        EXPECT_EQ(c.destroyed, finger->IsDestroyed()) << c.what;
    }
}

TEST_F(ObjectPartTest, ForcedDamageCutsThePartToHalfItsHitPoints)
{
    ObjectPart* finger = PartNamed(Pod(), "pod_finger_00");
    finger->SetMaxHp(1000);
    finger->SetCurHp(800);
    finger->SwitchToDamaged(false);
    EXPECT_TRUE(finger->IsDamaged());
    EXPECT_FLOAT_EQ(500, finger->GetCurHp());
    finger->SetCurHp(300);
    finger->SwitchToDamaged(false);
    EXPECT_FLOAT_EQ(300, finger->GetCurHp());
}

TEST_F(ObjectPartTest, DirtGrowsWithDamageAndStaysAsItWasOnceDestroyed)
{
    ObjectPart* finger = PartNamed(Pod(), "pod_finger_00");
    finger->SetMaxHp(1000);
    finger->DoDamage(300);
    EXPECT_FLOAT_EQ(0.3f, Dirt(finger->GetMesh()));
    finger->DoDamage(300);
    EXPECT_FLOAT_EQ(0.6f, Dirt(finger->GetMesh()));
    finger->DoDamage(500);
    finger->DoDamage(200);
    EXPECT_TRUE(finger->IsDestroyed());
    EXPECT_FLOAT_EQ(0.6f, Dirt(finger->GetMesh()));
}

TEST_F(ObjectPartTest, ADamagedPartWithADamagedLookShowsItInPlaceOfItsMesh)
{
    ObjectPart* hull = PartNamed(Pod(), "pod_hull_00");
    ASSERT_NE(nullptr, hull->GetMesh());
    EXPECT_EQ(1, hull->DoDamage(600));
    EXPECT_EQ(nullptr, hull->GetMesh());
    Model* damaged = hull->GetDirtModel();
    ASSERT_NE(nullptr, damaged);
    EXPECT_EQ(hull->GetNode(), damaged->GetParent());
    ASSERT_NE(nullptr, damaged->FindMesh(Name("pod_hull_damaged_mesh")));
    EXPECT_FLOAT_EQ(0.6f, Dirt(damaged->FindMesh(Name("pod_hull_damaged_mesh"))));
}

TEST_F(ObjectPartTest, DestroyingAPartHidesItTakesItsShapesAndDamagesItsParent)
{
    Object* pod = Pod();
    ObjectPart* claw = PartNamed(pod, "pod_claw_00");
    ObjectPart* arm = PartNamed(pod, "pod_arm_00");
    ObjectPart* finger = PartNamed(pod, "pod_finger_00");
    const unsigned shapes = pod->GetPhysEntity()->getNbShapes();

    finger->SwitchToDestroyed(false);
    EXPECT_TRUE(finger->IsDestroyed());
    EXPECT_FALSE(finger->GetNode()->IsEnabled());
    EXPECT_EQ(0, finger->GetShapeCount());
    EXPECT_TRUE(claw->IsDamaged());
    EXPECT_FLOAT_EQ(claw->GetMaxHp() * 0.5f, claw->GetCurHp());
    EXPECT_FALSE(arm->IsDamaged()) << "only the parent part";
    Frame();
    EXPECT_EQ(shapes - 1, pod->GetPhysEntity()->getNbShapes());
}

// The hull's lamp flies off alone, its arm with the claw and the finger: three part bones that
// share one push.
TEST_F(ObjectPartTest, SubTreesFlyOffAsShipPartsPushedByTheirShare)
{
    Object* pod = Pod();
    ObjectPart* hull = PartNamed(pod, "pod_hull_00");
    Bone* lamp = PartNamed(pod, "pod_lamp_00")->GetNode();
    Bone* arm = PartNamed(pod, "pod_arm_00")->GetNode();
    hull->SwitchToDestroyed(false);
    EXPECT_FALSE(hull->GetNode()->IsEnabled());

    float lampPush = -1, armPush = -1;
    const std::vector<ShipPart*> parts = ActorsOf<ShipPart>();
    ASSERT_EQ(2u, parts.size());
    if (!parts[0]->GetPhysEntity())
        GTEST_SKIP() << "ship parts have no body of their own in this build";
    for (ShipPart* part : parts)
    {
        ASSERT_NE(nullptr, part->GetPhysEntity());
        const Bone* root = part->GetDestructableObject()->GetRootPart()->GetNode();
        const float speed = part->GetPhysEntity()->GetGlobalLinearVelocity().Length();
        if (root == lamp)
            lampPush = speed;
        if (root == arm)
            armPush = speed;
    }
    EXPECT_GE(lampPush, 256.0f);
    EXPECT_LT(lampPush, 384.0f);
    EXPECT_GE(armPush, 85.0f);
    EXPECT_LT(armPush, 128.0f);
}
