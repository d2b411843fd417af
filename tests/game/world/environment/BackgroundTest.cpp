// The background: the sky of the level description (a model or the shared sphere) and the sun
// with its lens flare.
#include <gtest/gtest.h>

#include <string>

#include "CoreTestSupport.h"
#include "StartedMission.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/meshes/Mesh.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/environment/Background.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/RenderMesh.h"

namespace {

class BackgroundTest : public StartedMissionTest
{
protected:
    // The running mission ends; one with this level description takes its place.
    Background* Restart(const std::string& desc)
    {
        Level().ShutDown();
        GetStartedGame()->Data().WriteLevel("sky_desc.lua", desc);
        Level().LoadLevel("combat.lua", "sky_desc.lua", "combat_logic.lua");
        Level().Initialize();
        for (int frame = 0; frame < 100 && !Level().IsLoaded(); ++frame)
            Frame(0);
        return static_cast<Background*>(Level().GetActorByClassname("Background", 0));
    }
};

// The render mesh hung under the sphere sky's group.
const RenderMesh* SkySphere(Background& background)
{
    Bone* sky = background.GetMainModel();
    if (!sky || sky->GetType() != NT_GROUP || sky->GetNumChildren() != 1 ||
        sky->GetChild(0)->GetType() != NT_RENDERMESH)
        return nullptr;
    return static_cast<const RenderMesh*>(sky->GetChild(0));
}

} // namespace

TEST_F(BackgroundTest, SkyModelOrSphereByTheDescription)
{
    struct Case
    {
        const char* background;
        bool model;
        const char* sky;
    };
    const Case cases[] = {
        {R"(env = "sky/arrdra.mat"; sky_model = "ast_l_a.mod")", true, "ast_l_a.mod"},
        {R"(env = "sky/arrdra.mat"; sky_model = "")", false, "sky/arrdra.mat"},
        {R"(env = "sky/aldaron.mat")", false, "sky/aldaron.mat"},
    };
    RenderScene* scene = game.GetRenderScene();
    for (const Case& c : cases)
    {
        LogWatch log;
        Background* background = Restart(std::string("LevelDesc.Background = { ") + c.background + " };");
        ASSERT_NE(nullptr, background) << c.background;
        EXPECT_STREQ(c.sky, background->GetSky());
        Bone* sky = background->GetMainModel();
        ASSERT_NE(nullptr, sky);
        EXPECT_EQ(scene->GetBackRoot(), sky->GetParent()) << c.background;
        if (c.model)
            EXPECT_EQ(NT_MODEL, sky->GetType());
        else
        {
            const RenderMesh* sphere = SkySphere(*background);
            ASSERT_NE(nullptr, sphere) << c.background;
            const Mesh* mesh = sphere->GetBindedMesh();
            ASSERT_NE(nullptr, mesh);
            EXPECT_STREQ("$back", mesh->GetInfo().name);
            ASSERT_NE(nullptr, mesh->GetDefaultMaterial(0));
            EXPECT_STREQ(c.sky, mesh->GetDefaultMaterial(0)->GetInfo().name);
        }
        EXPECT_EQ(0, log.Errors()) << log.All();
    }
}

// The sun starts at its default place; "sunDir" moves the flare, the sun particle and the
// scene's light. Two missions in a row draw their spheres with one mesh.
TEST_F(BackgroundTest, SunDirectionDefaultsAndTheSphereIsShared)
{
    Background* background = Restart(R"(LevelDesc.Background = { env = "sky/arrdra.mat" };)");
    ASSERT_NE(nullptr, background);
    const LensFlare* flare = background->GetFlare();
    ASSERT_NE(nullptr, flare);
    EXPECT_EQ(Vec3(128, 128, 64), static_cast<const Bone*>(flare->GetParent())->GetLocalPos());
    EXPECT_TRUE(flare->GetSunMode());
    EXPECT_EQ(11u, flare->GetFlareCount());
    ASSERT_NE(nullptr, SkySphere(*background));
    const Mesh* first = SkySphere(*background)->GetBindedMesh();

    background =
        Restart(R"(LevelDesc.Background = { env = "sky/aldaron.mat"; sunDir = { x = 0; y = 300; z = 400 } };)");
    ASSERT_NE(nullptr, background);
    EXPECT_EQ(Vec3(0, 300, 400), static_cast<const Bone*>(background->GetFlare()->GetParent())->GetLocalPos());
    const Vec3 sun = game.GetRenderScene()->GetSunDirection(0);
    EXPECT_NEAR(0.6f, sun.y, 1e-5f);
    EXPECT_NEAR(0.8f, sun.z, 1e-5f);
    ASSERT_NE(nullptr, SkySphere(*background));
    EXPECT_EQ(first, SkySphere(*background)->GetBindedMesh());
}

// The name is kept in a fixed field: a longer one is cut, with a warning, and the sky is still
// made of the whole name.
TEST_F(BackgroundTest, SkyNameIsEmptyBeforeTheSkyAndKeptWithinItsField)
{
    auto* background = new Background();
    Level().CreateActor(background, nullptr);
    EXPECT_STREQ("", background->GetSky());
    EXPECT_EQ(nullptr, background->GetMainModel());

    LogWatch log;
    const std::string name = "sky/" + std::string(Background::SkySize + 10, 'x') + ".mat";
    background->SetSky(name.c_str(), false);
    EXPECT_EQ(name.substr(0, Background::SkySize - 1), background->GetSky());
    EXPECT_EQ(1, log.Count("cut to"));
    EXPECT_NE(nullptr, SkySphere(*background));
}
