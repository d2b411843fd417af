// Walks over the node tree: the traversal modes, the transform pass with its bounds, the level
// of detail by distance, and a model's markers.
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/visitors/TransformVisitor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <class T = Bone>
T* Under(Node& parent, const char* name)
{
    auto* node = new T(parent.GetRoot(), nullptr);
    node->SetName(Name(name));
    if (Bone* bone = parent.AsBone())
        bone->Attach(node);
    else
        parent.AddChild(node);
    return node;
}

// Writes "V name" and "P name" for every visit and post-visit; refuses the named node.
class Recorder : public NodeVisitor
{
public:
    explicit Recorder(const char* refused = "") : _refused(refused) {}
    using NodeVisitor::PostVisit;
    using NodeVisitor::Visit;
    bool Visit(Node& node) override
    {
        trace += " V" + std::string(node.GetName().Str());
        return _refused != node.GetName().Str();
    }
    bool PostVisit(Node& node) override
    {
        trace += " P" + std::string(node.GetName().Str());
        return true;
    }
    std::string trace;

private:
    std::string _refused;
};

TEST(Traversal, EachModeWalksItsWay)
{
    Group root(nullptr, nullptr);
    root.SetName(Name("r"));
    Bone* a = Under(root, "a");
    Bone* b = Under(*a, "b");
    Bone* c = Under(*a, "c");
    Under(*c, "d");
    Under(root, "e");
    c->Enable(false);

    struct Case
    {
        const char* name;
        Node* start;
        eTraverseMode mode;
        const char* refused;
        const char* trace;
    };
    const Case cases[] = {
        {"depth first, disabled subtree skipped", &root, TM_DEPTH_FIRST, "", " Vr Va Vb Pb Pa Ve Pe Pr"},
        {"refused node: no children, no post-visit", &root, TM_DEPTH_FIRST, "a", " Vr Va Ve Pe Pr"},
        {"no walk", &root, TM_NONE, "", ""},
        {"up the parents, ancestors' post-visits first", b, TM_PARENTS, "", " Vb Va Vr Pr Pa Pb"},
        {"up the parents, stopped by a refusal", b, TM_PARENTS, "a", " Vb Va Pb"},
        {"up from a disabled node", c, TM_PARENTS, "", ""},
    };
    for (const Case& test : cases)
    {
        Recorder recorder(test.refused);
        test.start->Traverse(recorder, test.mode);
        EXPECT_EQ(recorder.trace, test.trace) << test.name;
    }
}

void RunTransformPass(Group& root)
{
    TransformVisitor pass;
    root.Traverse(pass, TM_DEPTH_FIRST);
}

TEST(Traversal, TheTransformPassRebuildsWhatMovedAndMergesTheRest)
{
    Group root(nullptr, nullptr);
    Group* ship = Under<Group>(root, "ship");
    Bone* mover = Under(*ship, "mover");
    Bone* follower = Under(*mover, "follower");
    Omni* moving = Under<Omni>(*follower, "moving");
    moving->SetRange(1);
    Group* still = Under<Group>(*ship, "still");
    Bone* holder = Under(*still, "holder");
    holder->SetPosition(100, 0, 0);
    Omni* fixed = Under<Omni>(*holder, "fixed");
    fixed->SetRange(1);
    RunTransformPass(root);
    EXPECT_EQ(ship->GetWorldBounds(), Bounds(Vec3(-1, -1, -1), Vec3(101, 1, 1)));
    EXPECT_EQ(root.GetWorldBounds(), ship->GetWorldBounds());

    // A silent change: only a pass that walks the still group would see it.
    fixed->SetRange(50);
    mover->SetPosition(0, 20, 0);
    EXPECT_TRUE(ship->HasFlag(NF_SUBTREE_MOVED));
    EXPECT_FALSE(still->HasFlag(NF_SUBTREE_MOVED));
    RunTransformPass(root);

    EXPECT_EQ(follower->GetPrevWorldMatrix().GetRow3(3), Vec3(0, 0, 0));
    EXPECT_FALSE(follower->HasFlag(NF_POSE_STALE | NF_MATRIX_STALE | NF_MOVED | NF_SUBTREE_MOVED));
    EXPECT_EQ(follower->GetWorldMatrix().GetRow3(3), Vec3(0, 20, 0));
    EXPECT_EQ(moving->GetWorldBounds(), Bounds(Vec3(-1, 19, -1), Vec3(1, 21, 1)));
    EXPECT_EQ(fixed->GetWorldBounds(), Bounds(Vec3(99, -1, -1), Vec3(101, 1, 1)));
    EXPECT_EQ(ship->GetWorldBounds(), Bounds(Vec3(-1, -1, -1), Vec3(101, 21, 1)));
    EXPECT_EQ(root.GetWorldBounds(), ship->GetWorldBounds());
    EXPECT_FALSE(ship->HasFlag(NF_SUBTREE_MOVED | NF_MOVED));
    EXPECT_FALSE(root.HasFlag(NF_SUBTREE_MOVED));
}

TEST(Traversal, AGroupWithNothingDrawnBelowKeepsUndefinedBounds)
{
    Group root(nullptr, nullptr);
    Group* empty = Under<Group>(root, "empty");
    Under(*empty, "bone");
    RunTransformPass(root);
    Bounds undefined;
    undefined.SetUndefined();
    EXPECT_EQ(empty->GetWorldBounds(), undefined);
}

TEST(Traversal, TheLevelOfDetailFollowsTheDistance)
{
    Group root(nullptr, nullptr);
    Bone* holder = Under(root, "holder");
    Omni* light = Under<Omni>(*holder, "light");
    light->SetRange(1); // bounds 2 wide: each level reaches 2 x 10 further
    Camera* camera = Under<Camera>(root, "camera");
    RunTransformPass(root);

    struct Case
    {
        float distance;
        unsigned maxLod;
        unsigned level;
    };
    const Case cases[] = {{10, 3, 0}, {20, 3, 0}, {30, 3, 1}, {50, 3, 2}, {70, 3, 3}, {1000, 3, 3}, {1000, 0, 0}};
    for (const Case& c : cases)
    {
        camera->SetPosition(0, 0, c.distance);
        light->UpdateCameraBasedParams(camera, c.maxLod);
        EXPECT_EQ(light->GetCurrentLod(), c.level) << c.distance << " " << c.maxLod;
        EXPECT_FLOAT_EQ(light->GetCameraDistance(), c.distance * c.distance);
    }
}

TEST(Traversal, AModelFindsItsMarkersByNameAndKind)
{
    Group root(nullptr, nullptr);
    auto* model = Under<Model>(root, "model");
    Bone* engine = Under(*model, "engine");
    Group* body = Under<Group>(*model, "body");
    RenderMesh* hull = Under<RenderMesh>(*body, "hull");
    Omni* lamp = Under<Omni>(*engine, "lamp");
    Under(*body, "engine"); // a later node of the same name
    Group* hidden = Under<Group>(*model, "hidden");
    Under(*hidden, "secret");
    hidden->Enable(false);
    model->RebuildIdMarkers();

    EXPECT_EQ(model->FindBone(Name("engine")), engine);
    EXPECT_EQ(model->FindBone(Name("body")), body);
    EXPECT_EQ(model->FindMesh(Name("hull")), hull);
    EXPECT_EQ(model->FindOmni(Name("lamp")), lamp);
    EXPECT_EQ(model->FindBone(Name("hull")), nullptr);
    EXPECT_EQ(model->FindMesh(Name("engine")), nullptr);
    EXPECT_EQ(model->FindMesh(Name("nowhere")), nullptr);
    EXPECT_EQ(model->FindBone(Name("secret")), nullptr);
    EXPECT_EQ(model->FindLensFlare(Name("lamp")), nullptr);

    // model, engine, body, hull, lamp: ordered by the names' interned indices.
    ASSERT_EQ(model->GetNodesCount(), 5u);
    int previous = -1;
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_GT(int(model->GetNodeById(i)->GetName()), previous);
        previous = int(model->GetNodeById(i)->GetName());
    }
    EXPECT_EQ(model->GetNodeById(5), nullptr);
}

} // namespace
