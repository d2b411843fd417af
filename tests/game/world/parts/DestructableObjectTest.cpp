// Gathering part bones into parts and one body, the tree of parts, the operations by name,
// shape and chance, the AI-off sphere and the bounds of what is gathered.
#include <gtest/gtest.h>

#include <string>

#include "CoreTestSupport.h"
#include "ObjectMission.h"
#include "game/core/game/Game.h"
#include "game/world/actor/Actor.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxShape.h"

namespace {
using DestructableObjectTest = ObjectMission;
} // namespace

TEST_F(DestructableObjectTest, PartBonesBecomePartsInOneBodyLinkedToTheirNearestPartAncestor)
{
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 300));
    const DestructableObject* parts = pod->GetDestructableObject();
    ASSERT_NE(nullptr, parts);
    EXPECT_EQ(5, parts->GetPartCount());
    EXPECT_EQ(nullptr, parts->GetRootPart());
    // Bones whose names name no prototype stay bones.
    EXPECT_EQ(nullptr, PartNamed(parts, "cargo_pod"));
    EXPECT_EQ(nullptr, PartNamed(parts, "pod_wrist"));

    ObjectPart* hull = PartNamed(parts, "pod_hull_00");
    ObjectPart* arm = PartNamed(parts, "pod_arm_00");
    ObjectPart* claw = PartNamed(parts, "pod_claw_00");
    ASSERT_TRUE(hull && arm && claw);
    EXPECT_EQ(nullptr, hull->GetParent());
    EXPECT_EQ(hull, arm->GetParent());
    EXPECT_EQ(arm, claw->GetParent()) << "through the wrist, which is no part";
    EXPECT_EQ(hull, hull->GetNode()->GetObjectPart());
    EXPECT_EQ(hull, parts->GetPartByBone(hull->GetNode()));

    PhysicsActor* body = pod->GetPhysEntity();
    ASSERT_NE(nullptr, body);
    EXPECT_EQ(parts->GetPhysActor(), body) << "the object's body is its parts' body";
    ASSERT_EQ(5u, body->getNbShapes());
    for (int i = 0; i < parts->GetPartCount(); ++i)
    {
        ObjectPart* part = parts->GetPart(i);
        ASSERT_EQ(1, part->GetShapeCount()) << part->GetName();
        EXPECT_EQ(part, part->GetShape(0)->userData);
        EXPECT_TRUE(parts->IsShape(part->GetShape(0)));
    }
    // The hull's box stands at the hull, the arm's 14 units ahead of it.
    const Vec3 armShape = PhysicsActor::ToMatrix(arm->GetShape(0)->getGlobalPose()).Pos();
    EXPECT_NEAR(314.0f, armShape.z, 0.01f);
}

TEST_F(DestructableObjectTest, OperationsByNameAndShapeReachTheirPartAndIgnoreOthers)
{
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 300));
    Object* other = Spawn("cargo_pod", Vec3(0, 100, 300));
    DestructableObject* parts = pod->GetDestructableObject();
    ObjectPart* lamp = PartNamed(parts, "pod_lamp_00");
    ObjectPart* arm = PartNamed(parts, "pod_arm_00");

    parts->DoDamageToPart("pod_lamp_00", 100);
    EXPECT_FLOAT_EQ(150, lamp->GetCurHp());
    parts->DoDamage(arm->GetShape(0), 100);
    EXPECT_FLOAT_EQ(400, arm->GetCurHp());
    // Names and shapes of no part of this object change nothing.
    parts->DoDamageToPart("pod_lamp", 100);
    parts->DoDamage(PartNamed(other, "pod_arm_00")->GetShape(0), 100);
    parts->DestroyPartByName("no_such_part_00", false);
    EXPECT_FLOAT_EQ(150, lamp->GetCurHp());
    EXPECT_FLOAT_EQ(400, arm->GetCurHp());
    EXPECT_FLOAT_EQ(500, PartNamed(other, "pod_arm_00")->GetCurHp());

    parts->DamagePartByShape(lamp->GetShape(0), false);
    EXPECT_TRUE(lamp->IsDamaged());
    EXPECT_FLOAT_EQ(20.0f, parts->FloatDamagedPercent());
    NxShape* lampShape = lamp->GetShape(0);
    parts->DestroyPartByName("pod_lamp_00", false);
    EXPECT_FALSE(parts->IsShape(lampShape)) << "a destroyed part holds no shape";
    EXPECT_FLOAT_EQ(20.0f, parts->FloatDestroyedPercent());
    parts->DestroyAll();
    EXPECT_FLOAT_EQ(100.0f, parts->FloatDestroyedPercent());
    EXPECT_FLOAT_EQ(100.0f, parts->FloatDamagedPercent());
}

TEST_F(DestructableObjectTest, RandomDamageNeverPicksADestroyedPart)
{
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 300));
    DestructableObject* parts = pod->GetDestructableObject();
    PartNamed(parts, "pod_lamp_00")->SwitchToDestroyed(false);
    PartNamed(parts, "pod_finger_00")->SwitchToDestroyed(false);
    float before = 0;
    for (int i = 0; i < parts->GetPartCount(); ++i)
        before += parts->GetPart(i)->GetCurHp();
    for (int i = 0; i < 40; ++i)
        parts->DoDamageRandom(1.0f);
    float after = 0;
    for (int i = 0; i < parts->GetPartCount(); ++i)
        after += parts->GetPart(i)->GetCurHp();
    EXPECT_FLOAT_EQ(before - 40.0f, after);
    for (const char* name : {"pod_lamp_00", "pod_finger_00"})
        EXPECT_FLOAT_EQ(PartNamed(parts, name)->GetMaxHp() * 0.5f, PartNamed(parts, name)->GetCurHp()) << name;
}

// Every part shares the one sphere, which names the last part: hits by shape reach that part,
// and the sphere handed in by several destroyed parts goes once, and never as the last shape.
TEST_F(DestructableObjectTest, WithTheAiOffEveryPartSharesOneSphereThatNamesTheLastPart)
{
    level.SetDisableAI(true);
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 300));
    DestructableObject* parts = pod->GetDestructableObject();
    PhysicsActor* body = pod->GetPhysEntity();
    ASSERT_EQ(1u, body->getNbShapes());
    NxShape* sphere = body->getShapes()[0];
    for (int i = 0; i < parts->GetPartCount(); ++i)
        EXPECT_EQ(sphere, parts->GetPart(i)->GetShape(0));
    ObjectPart* last = parts->GetPart(parts->GetPartCount() - 1);
    EXPECT_EQ(last, sphere->userData);

    parts->DoDamage(sphere, 10);
    EXPECT_FLOAT_EQ(last->GetMaxHp() - 10, last->GetCurHp());
    PartNamed(parts, "pod_lamp_00")->SwitchToDestroyed(false);
    PartNamed(parts, "pod_finger_00")->SwitchToDestroyed(false);
    Frame();
    Frame();
    EXPECT_EQ(1u, body->getNbShapes());
}

TEST_F(DestructableObjectTest, AModelWithoutPartBonesMakesNoPartsAndNoBody)
{
    DestructableObject none(nullptr, nullptr);
    EXPECT_EQ(nullptr, none.Initialize(nullptr));
    EXPECT_EQ(0, none.GetPartCount());
    EXPECT_FLOAT_EQ(0.0f, none.FloatDamagedPercent());
    EXPECT_FLOAT_EQ(0.0f, none.FloatDestroyedPercent());
    none.DoDamageRandom(10);

    Object* rock = Spawn("ast_m_b", Vec3(0, 0, 500));
    DestructableObject plain(rock->GetMainModelEx(), rock);
    EXPECT_EQ(nullptr, plain.Initialize(nullptr));
}

// The body takes at most 1024 parts: the rest of the bones stay whole, with one warning.
TEST_F(DestructableObjectTest, GatheringStopsAtTheLimitOfOneBody)
{
    RenderScene* scene = game.GetRenderScene();
    auto* model = new Model(scene->GetStageRoot(), scene);
    scene->GetStageRoot()->Attach(model);
    const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int i = 0; i < 1100; ++i)
    {
        // Each bone carries "pod_claw" under a suffix of its own.
        const char name[] = {
            'p', 'o', 'd', '_', 'c', 'l', 'a', 'w', digits[i / 36 / 36], digits[i / 36 % 36], digits[i % 36], '\0'};
        Bone* bone = scene->CreateBone(SL_STAGE);
        bone->SetName(Name(name));
        bone->SetPosition(static_cast<float>(i % 40) * 8.0f, static_cast<float>(i / 40) * 8.0f, 0.0f);
        model->Attach(bone);
    }
    model->RebuildIdMarkers();
    Actor owner;
    LogWatch log;
    DestructableObject parts(model, &owner);
    ASSERT_NE(nullptr, parts.Initialize(nullptr));
    EXPECT_EQ(static_cast<int>(DestructableObject::MaxSubModels), parts.GetPartCount());
    EXPECT_EQ(1024u, parts.GetPhysActor()->getNbShapes());
    EXPECT_EQ(1, log.Warnings()) << log.All();
    parts.ShutDown();
    parts.ReleasePhysActor();
    scene->DestroyNode(model);
}

TEST_F(DestructableObjectTest, LongNamesAreCutAndLookedUpWithinTheirBounds)
{
    const std::string longName(300, 'x');
    ObjectPart part(longName.c_str(), nullptr, nullptr, nullptr, nullptr, true, nullptr, nullptr);
    EXPECT_EQ(ObjectPart::NameSize - 1, std::string(part.GetName()).size());
    EXPECT_EQ(nullptr, ObjectPart::FindPrototype(longName.c_str()));
    EXPECT_EQ(nullptr, ObjectPart::FindPrototype("ab"));
    EXPECT_NE(nullptr, ObjectPart::FindPrototype("pod_hull_00"));
    EXPECT_NE(nullptr, ObjectPart::FindPrototype("pod_hullXYZ"));
}
