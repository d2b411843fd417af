// The render scene's bookkeeping without a device: models by name, suns, user objects, the
// update pass and what the selection pass culls.
#include "SceneFixture.h"

#include "DemoModels.h"
#include "foundation/base/Dumper.h"
#include "scene/Updater.h"
#include "scene/model/ModelMgr.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/IDebugRenderable.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/visitors/SelectionVisitor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A scene whose model manager reads the demo ship from a scratch folder.
class SceneModelsTest : public SceneTest
{
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        _folder = fs::temp_directory_path() / ("bm_scene_models_" + std::to_string(getpid()));
        fs::create_directories(_folder);
        const std::vector<uint8_t> bytes = WriteMod(DemoModels::NodeTypes()[0].records);
        std::ofstream(_folder / "bone.mod", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
        _models = std::make_unique<RenderScene>(nullptr, _resources.get(), nullptr, nullptr);
        _models->GetModelMgr()->SetRootDir((_folder.string() + "/").c_str());
    }
    void TearDown() override
    {
        _models.reset();
        _resources.reset();
        fs::remove_all(_folder);
    }

    fs::path _folder;
    std::unique_ptr<ResourceSystem> _resources;
    std::unique_ptr<RenderScene> _models;
};

TEST_F(SceneModelsTest, ModelsAreFoundByNameUntilTheyGo)
{
    Model* first = _models->CreateModel(Name("ship"), "bone.mod", SL_STAGE);
    Model* second = _models->CreateModel(Name("ship"), "bone.mod", SL_BACKGROUND);
    Model* anonymous = _models->CreateModel("bone.mod", SL_FOREGROUND);
    EXPECT_EQ(first->GetParentNode(), _models->GetStageRoot());
    EXPECT_EQ(second->GetParentNode(), _models->GetBackRoot());
    EXPECT_EQ(anonymous->GetParentNode(), _models->GetForeRoot());
    EXPECT_EQ(_models->FindModel(Name("ship")), first);
    EXPECT_EQ(first->GetName(), Name("ship"));
    // Each instance is a tree of its own.
    ASSERT_EQ(first->GetNumChildren(), 1u);
    EXPECT_NE(first->GetChild(0), second->GetChild(0));
    EXPECT_EQ(first->GetChild(0)->GetName(), second->GetChild(0)->GetName());

    // The second of a name goes without taking the first's entry along.
    _models->DestroyModel(second);
    EXPECT_EQ(_models->FindModel(Name("ship")), first);

    // A model deleted with the group it hangs on is forgotten too.
    Group* holder = _models->CreateGroup(SL_STAGE);
    holder->Attach(first);
    _models->DestroyNode(holder);
    EXPECT_EQ(_models->FindModel(Name("ship")), nullptr);
    _models->DestroyNode(nullptr);
    _models->DestroyModel(anonymous);
    EXPECT_EQ(_models->GetForeRoot()->GetNumChildren(), 0u);
}

TEST_F(SceneTest, SunsUpToTheHighestSet)
{
    EXPECT_EQ(_scene.GetSunCount(), 0u);
    _scene.SetSunDiffuse(2, Color(1, 0, 0, 1), 3);
    EXPECT_EQ(_scene.GetSunCount(), 3u);
    EXPECT_EQ(_scene.GetSunDiffuse(2), Color(1, 0, 0, 1));
    EXPECT_EQ(_scene.GetSunDiffusePower(2), 3.0f);
    EXPECT_EQ(_scene.GetSunAmbient(0), Color(0.2f, 0.2f, 0.2f, 1));
    EXPECT_FLOAT_EQ(_scene.GetSunDirection(1).x, -1.0f / 3.0f);
    _scene.SetSunDirection(1, Vec3(0, -2, 0));
    EXPECT_EQ(_scene.GetSunDirection(1), Vec3(0, -1, 0));
    // There are three suns: a fourth is refused.
    _scene.SetSunAmbient(3, Color(0, 1, 0, 1), 1);
    EXPECT_EQ(_scene.GetSunCount(), 3u);
    EXPECT_TRUE(SceneLog::Has("Sun 3 does not exist"));
}

class Counter : public IDebugRenderable, public Updater
{
public:
    void OnRender(eSceneLayerType layer, Camera*, MaterialSystem*) override { layers.push_back(layer); }
    void Update() override { ++updates; }
    std::vector<eSceneLayerType> layers;
    int updates = 0;
};

TEST_F(SceneTest, UserObjectsRegisterOnceAndUnregister)
{
    Counter object;
    _scene.AddUserObject(&object);
    _scene.AddUserObject(&object);
    EXPECT_TRUE(object.IsRegistered());
    _scene.RemoveUserObject(&object);
    EXPECT_FALSE(object.IsRegistered());
    _scene.RemoveUserObject(&object);
    _scene.AddUserObject(&object);
    _scene.RemoveAllUserObjects();
    EXPECT_FALSE(object.IsRegistered());
}

// Nothing in the game captures a webcam picture: the scene's slot for one stays empty.
TEST_F(SceneTest, TheWebcamSlotStaysEmpty)
{
    EXPECT_EQ(_scene.GetWebcamView(), nullptr);
    _scene.InitializeWebcamView();
    EXPECT_EQ(_scene.GetWebcamView(), nullptr);
}

TEST_F(SceneTest, TheUpdatePassMovesEveryLayerAndCallsTheSoundUpdater)
{
    Counter updater;
    _scene.SetSoundMgr(&updater);
    Bone* back = _scene.CreateBone(SL_BACKGROUND);
    Bone* front = _scene.CreateBone(SL_FOREGROUND2);
    back->SetPosition(1, 0, 0);
    front->SetPosition(0, 1, 0);
    _scene.UpdateScene(0.1f);
    EXPECT_EQ(updater.updates, 1);
    EXPECT_FALSE(back->HasFlag(NF_MOVED | NF_POSE_STALE));
    EXPECT_FALSE(front->HasFlag(NF_MOVED | NF_POSE_STALE));
    EXPECT_EQ(front->GetWorldMatrix().GetRow3(3), Vec3(0, 1, 0));
    _scene.SetSoundMgr(nullptr);
    _scene.UpdateScene(0.1f);
    EXPECT_EQ(updater.updates, 1);
}

// Lights stand for anything drawn: the selection pass collects those it did not cull.
TEST_F(SceneTest, TheSelectionPassCullsGroupsOutsideTheFrustum)
{
    Camera* camera = _scene.CreateCamera();
    const auto lightIn = [&](const Vec3& at) {
        Group* group = _scene.CreateGroup(SL_STAGE);
        Bone* bone = _scene.CreateBone(SL_STAGE);
        group->Attach(bone);
        bone->SetPosition(at);
        Omni* light = _scene.CreateOmni(SL_STAGE);
        light->SetRange(1);
        bone->Attach(light);
        return group;
    };
    lightIn(Vec3(0, 0, 50));
    lightIn(Vec3(0, 0, -50));
    lightIn(Vec3(200, 0, 50));
    lightIn(Vec3(3, 0, 20));
    Group* empty = _scene.CreateGroup(SL_STAGE);
    empty->Attach(_scene.CreateMesh(SL_STAGE)); // no mesh bound: nothing to draw, nothing to break
    _scene.UpdateScene(0.0f);

    SelectionVisitor selection(camera, nullptr, nullptr, nullptr, nullptr, nullptr);
    _scene.GetStageRoot()->Traverse(selection, TM_DEPTH_FIRST);
    EXPECT_EQ(selection.GetOmniList().GetSize(), 2u);
}

TEST_F(SceneTest, TheLightListStopsAtItsLastSlot)
{
    OmniList list;
    Omni light(nullptr, nullptr);
    for (unsigned i = 0; i < OmniList::MaxLights + 10; ++i)
        list.Add(&light);
    EXPECT_EQ(list.GetSize(), OmniList::MaxLights);
    unsigned walked = 0;
    for (list.Begin(); list.End(); list.Next())
        walked += list.Current() == &light;
    EXPECT_EQ(walked, OmniList::MaxLights);
    EXPECT_EQ(SceneLog::Lines().size(), 1u);
}

TEST_F(SceneTest, AnOmniLightKnowsWhetherTheCameraIsInside)
{
    Bone* holder = _scene.CreateBone(SL_STAGE);
    Omni* light = _scene.CreateOmni(SL_STAGE);
    holder->Attach(light);
    Camera* camera = _scene.CreateCamera();
    _scene.UpdateScene(0.0f);
    for (const auto& [z, inside] : {std::pair{50.0f, true}, std::pair{150.0f, false}})
    {
        camera->SetPosition(0, 0, z);
        light->UpdateCameraBasedParams(camera, 2);
        EXPECT_EQ(light->IsInside(), inside) << z;
    }
}

} // namespace
