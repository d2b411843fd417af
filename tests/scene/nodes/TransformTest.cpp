// Poses through the bone hierarchy: the global pose from the local ones, relative moves in
// each space, re-parenting, and pose matrices.
#include "../ExpectNear.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Omni.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

// The same rotation: q and -q both qualify.
void ExpectSameRotation(const Quaternion& actual, const Quaternion& expected)
{
    EXPECT_NEAR(std::fabs(actual.Dot(expected)), 1.0f, 1e-4f)
        << actual.x << " " << actual.y << " " << actual.z << " " << actual.w;
}

Quaternion AxisAngle(const Vec3& axis, float radians)
{
    Quaternion q;
    q.FromAxisAngle(axis, radians);
    return q;
}

template <class T = Bone>
T* Under(Bone& parent)
{
    auto* node = new T(parent.GetRoot(), nullptr);
    parent.Attach(node);
    return node;
}

TEST(Transform, ThreeLevelsGiveThePosesOfTheTable)
{
    struct Case
    {
        const char* name;
        bool inheritScale;
        Vec3 middlePos, middleScale, leafPos, leafScale;
    };
    // Top: at (10, 0, 0), turned a quarter about y (+z to +x), scale 2. Middle: 1 forward.
    // Leaf: 1 right, so it lands behind (-z) once turned.
    const Case cases[] = {
        {"inherited scale", true, {12, 0, 0}, {2, 2, 2}, {12, 0, -2}, {2, 2, 2}},
        {"own scale", false, {12, 0, 0}, {1, 1, 1}, {12, 0, -1}, {1, 1, 1}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Group root(nullptr, nullptr);
        Bone* top = Under(root);
        top->SetPosition(10, 0, 0);
        top->Yaw(90, CS_PARENT);
        top->SetScale(2, 2, 2);
        Bone* middle = Under(*top);
        middle->SetPosition(0, 0, 1);
        middle->InheritScale(c.inheritScale);
        Bone* leaf = Under(*middle);
        leaf->SetPosition(1, 0, 0);

        ExpectNear(middle->GetGlobalPos(), c.middlePos);
        ExpectNear(middle->GetGlobalScale(), c.middleScale);
        ExpectNear(leaf->GetGlobalPos(), c.leafPos);
        ExpectNear(leaf->GetGlobalScale(), c.leafScale);
        ExpectSameRotation(leaf->GetGlobalOrientation(), AxisAngle(Vec3::UnitY(), kPi / 2));
        // The world matrix: the axes turned and scaled, the position in row 3.
        const Matrix& world = leaf->GetWorldMatrix();
        ExpectNear(world.GetRow3(0), Vec3(0, 0, -1) * c.leafScale.x);
        ExpectNear(world.GetRow3(2), Vec3(1, 0, 0) * c.leafScale.z);
        ExpectNear(world.GetRow3(3), c.leafPos);
        EXPECT_EQ(world(3, 3), 1.0f);
    }
}

TEST(Transform, UnderTheLayerRootTheGlobalPoseIsTheLocalOne)
{
    Group root(nullptr, nullptr);
    root.SetPosition(100, 100, 100);
    root.SetScale(5, 5, 5);
    Bone* bone = Under(root);
    bone->SetPosition(1, 2, 3);
    ExpectNear(bone->GetGlobalPos(), Vec3(1, 2, 3));
    ExpectNear(bone->GetGlobalScale(), Vec3(1, 1, 1));
}

TEST(Transform, RelativeMovesInEachSpace)
{
    Group root(nullptr, nullptr);
    Bone* parent = Under(root);
    parent->Yaw(90, CS_PARENT);
    Bone* bone = Under(*parent);
    const Quaternion quarterX = AxisAngle(Vec3::UnitX(), kPi / 2);

    bone->Scale(1, 1, 1);
    ExpectNear(bone->GetLocalScale(), Vec3(2, 2, 2));

    bone->Rotate(quarterX, CS_PARENT);
    bone->Rotate(quarterX, CS_PARENT);
    ExpectSameRotation(bone->GetLocalOrientation(), quarterX);

    bone->Rotate(quarterX, CS_LOCAL);
    ExpectSameRotation(bone->GetLocalOrientation(), AxisAngle(Vec3::UnitX(), kPi));

    bone->Rotate(quarterX, CS_WORLD);
    ExpectSameRotation(bone->GetGlobalOrientation(), quarterX);

    // World space ignores the parent's turn; the bone's own space follows its orientation.
    bone->SetOrientation(AxisAngle(Vec3::UnitY(), kPi / 2));
    bone->SetPosition(0, 0, 0);
    bone->Translate(1, 0, 0, CS_WORLD);
    ExpectNear(bone->GetGlobalPos(), Vec3(1, 0, 0));
    bone->SetPosition(0, 0, 0);
    bone->Translate(0, 0, 1, CS_LOCAL);
    ExpectNear(bone->GetLocalPos(), Vec3(1, 0, 0));
    bone->Translate(0, 0, 1, CS_PARENT);
    ExpectNear(bone->GetLocalPos(), Vec3(1, 0, 1));
}

TEST(Transform, AttachMovesTheNodeAndDetachKeepsTheWorldPose)
{
    Group root(nullptr, nullptr);
    Bone* first = Under(root);
    first->SetPosition(10, 0, 0);
    Bone* second = Under(root);
    second->SetPosition(0, 10, 0);
    second->Roll(90, CS_PARENT);
    second->SetScale(3, 3, 3);
    Bone* bone = Under(*first);
    bone->SetPosition(1, 0, 0);
    ExpectNear(bone->GetGlobalPos(), Vec3(11, 0, 0));

    second->Attach(bone);
    EXPECT_EQ(first->GetNumChildren(), 0u);
    ASSERT_EQ(second->GetNumChildren(), 1u);
    EXPECT_EQ(bone->GetParent(), second);
    // Only the new parent is flagged: the cached pose is the old one until the next pass.
    ExpectNear(bone->GetGlobalPos(), Vec3(11, 0, 0));
    bone->ForceUpdate();
    ExpectNear(bone->GetGlobalPos(), Vec3(0, 13, 0));

    const Matrix before = bone->GetWorldMatrix();
    bone->Detach();
    EXPECT_EQ(bone->GetParentNode(), &root);
    EXPECT_EQ(second->GetNumChildren(), 0u);
    const Matrix& after = bone->GetWorldMatrix();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(after.m[i], before.m[i], 1e-4f) << i;

    // Under the root already: nothing changes.
    bone->Detach();
    EXPECT_EQ(bone->GetParentNode(), &root);
}

TEST(Transform, ALocalPoseMatrixComesBackAsTheWorldMatrix)
{
    Group root(nullptr, nullptr);
    Bone* bone = Under(root);
    Matrix pose;
    pose.FromRotationYPR(0.3f, -0.7f, 1.1f);
    Matrix scaling;
    scaling.FromScaling(2, 3, 0.5f);
    pose = scaling * pose;
    pose.SetRow(3, Vec3(4, -5, 6));
    bone->SetLocalPose(pose);
    ExpectNear(bone->GetLocalScale(), Vec3(2, 3, 0.5f));
    const Matrix& world = bone->GetWorldMatrix();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(world.m[i], pose.m[i], 1e-4f) << i;
}

// A model file may hang a bone under a light, which has no pose: the bone is placed as if it
// hung under the layer root.
TEST(Transform, ABoneUnderANodeWithoutAPoseTakesItsLocalPose)
{
    Group root(nullptr, nullptr);
    Bone* holder = Under(root);
    holder->SetPosition(50, 0, 0);
    Omni* light = Under<Omni>(*holder);
    auto* bone = new Bone(&root, nullptr);
    light->AddChild(bone);
    bone->SetPosition(1, 2, 3);
    EXPECT_EQ(bone->GetParent(), nullptr);
    ExpectNear(bone->GetGlobalPos(), Vec3(1, 2, 3));
    bone->Translate(1, 0, 0, CS_WORLD);
    ExpectNear(bone->GetGlobalPos(), Vec3(2, 2, 3));
}

} // namespace
