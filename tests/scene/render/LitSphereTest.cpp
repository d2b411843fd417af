// A sphere lit by an omni light through the deferred stage, checked in the frame's pixels, and
// the depth check points tested against it a frame later.
#include "../SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/IDebugRenderable.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"

#include <gtest/gtest.h>

namespace {

int Red(uint32_t rgb) { return int(rgb >> 16 & 0xFF); }
int Green(uint32_t rgb) { return int(rgb >> 8 & 0xFF); }
int Blue(uint32_t rgb) { return int(rgb & 0xFF); }

// Whether the lights are masked by their shapes in the stencil buffer.
class LitSphereTest : public DeviceTest, public ::testing::WithParamInterface<bool>
{
protected:
    // A white deferred-lit sphere of radius 2 at (0, 0, 10) before a camera at the origin, a
    // dim grey sun and a red omni light on its left.
    void Build()
    {
        _camera = FrontCamera();
        _sphere = WhiteSphere(Vec3(0, 0, 10), 2);

        Bone* lamp = _scene->CreateBone(SL_STAGE);
        lamp->SetPosition(-3.5f, 0, 8);
        Omni* light = _scene->CreateOmni(SL_STAGE);
        lamp->Attach(light);
        light->SetDiffuse(Color(1, 0, 0, 1));
        light->SetRange(6);
        light->SetIntensity(1);

        _render->UseStencilShading = GetParam();
        _scene->SetSunAmbient(0, Color(0.25f, 0.25f, 0.25f, 1), 1);
        _scene->SetSunDiffuse(0, Color(0, 0, 0, 1), 0);
    }

    // The sphere is about 80 pixels across, around the centre: red where the light reaches it,
    // the sun's ambient grey on the far side, and nothing drawn leaves the cleared black.
    void ExpectLitNearSide() const
    {
        const std::vector<uint32_t> pixels = ReadBackBuffer();
        const int cx = _width / 2, cy = _height / 2;
        const uint32_t lit = Pixel(pixels, cx - 36, cy), far = Pixel(pixels, cx + 30, cy);
        EXPECT_GT(Red(lit), Red(far) + 80) << std::hex << lit << " " << far;
        EXPECT_GT(Red(lit), Green(lit) + 80) << std::hex << lit;
        EXPECT_NEAR(Green(lit), Blue(lit), 2);
        EXPECT_NEAR(Red(far), 64, 4) << std::hex << far;
        EXPECT_NEAR(Green(far), 64, 4) << std::hex << far;
        EXPECT_EQ(Pixel(pixels, 3, 3), 0u);
        EXPECT_EQ(Pixel(pixels, _width - 3, _height - 3), 0u);
    }

    Camera* _camera = nullptr;
    Bone* _sphere = nullptr;
};

TEST_P(LitSphereTest, TheOmniLightsTheNearSideInItsColour)
{
    Build();
    Frame(_camera, GetParam() ? "lit_sphere_stencil.bmp" : "lit_sphere.bmp");
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
    ExpectLitNearSide();
}

// The sun and the lights shade only the pixels whose depth the lit prims wrote; a lit prim
// that writes no depth has every pixel shaded, and so is lit all the same.
TEST_P(LitSphereTest, ALitSphereThatWritesNoDepthIsLitAllTheSame)
{
    Build();
    auto* mesh = static_cast<RenderMesh*>(_sphere->GetChild(0));
    ASSERT_NE(mesh->GetMaterial(0), nullptr);
    mesh->GetMaterial(0)->MaterialFlags() = Flags(MF_NOZWRITE);
    Frame(_camera);
    ExpectLitNearSide();
}

TEST_P(LitSphereTest, DepthCheckPointsReadTheLastFrame)
{
    Build();
    const int behind = _scene->AddDepthCkeckPoint(Vec3(0, 0, 20));
    const int before = _scene->AddDepthCkeckPoint(Vec3(0, 0, 5));
    const int aside = _scene->AddDepthCkeckPoint(Vec3(6, 0, 10));
    const int back = _scene->AddDepthCkeckPoint(Vec3(0, 0, -5));
    EXPECT_TRUE(_scene->GetDepthCheckResult(before));
    EXPECT_TRUE(_scene->GetDepthCheckResult(-1));
    Frame(_camera);
    Frame(_camera);
    EXPECT_TRUE(_scene->GetDepthCheckResult(behind));
    EXPECT_FALSE(_scene->GetDepthCheckResult(before));
    EXPECT_FALSE(_scene->GetDepthCheckResult(aside));
    EXPECT_TRUE(_scene->GetDepthCheckResult(back));
    // A point updated reads occluded until the next frame has tested it.
    _scene->UpdateDepthCheckPoint(aside, Vec3(6, 0, 11));
    EXPECT_TRUE(_scene->GetDepthCheckResult(aside));
    // Nothing lit drawn: the depth target is cleared, and nothing on the screen is occluded.
    _sphere->Enable(false);
    Frame(_camera);
    Frame(_camera);
    EXPECT_FALSE(_scene->GetDepthCheckResult(behind));
    EXPECT_TRUE(_scene->GetDepthCheckResult(back));
}

// The read-back follows each change of resolution: the depth target takes the new size and the
// points are read in it, up to its corners; points off the screen read hidden.
TEST_P(LitSphereTest, DepthCheckPointsFollowAChangeOfResolution)
{
    Build();
    struct Point
    {
        Vec3 position;
        bool occluded;
    };
    const Point points[] = {{{0, 0, 20}, true},    // behind the sphere
                            {{0, 0, 5}, false},    // before it
                            {{7, -5, 10}, false},  // near the lower right corner
                            {{-7, 5, 10}, false},  // near the upper left corner
                            {{9, 0.3f, 10}, true}, // just off the right edge
                            {{0, 7, 10}, true}};   // just off the top
    std::vector<int> indices;
    for (const Point& point : points)
        indices.push_back(_scene->AddDepthCkeckPoint(point.position));
    for (const auto& [width, height] : {std::pair{320, 240}, std::pair{480, 360}, std::pair{160, 120}})
    {
        _video->ScrWidth = width;
        _video->ScrHeight = height;
        ASSERT_TRUE(_system->RestartSystem());
        Frame(_camera);
        Frame(_camera);
        for (size_t i = 0; i < indices.size(); ++i)
            EXPECT_EQ(_scene->GetDepthCheckResult(indices[i]), points[i].occluded) << width << " point " << i;
    }
}

class Hook : public IDebugRenderable
{
public:
    void OnRender(eSceneLayerType layer, Camera*, MaterialSystem*) override { layers.push_back(layer); }
    std::vector<eSceneLayerType> layers;
};

// The debug hooks run with the stage, while the video settings allow helpers.
TEST_P(LitSphereTest, UserObjectsDrawWithTheStage)
{
    Build();
    Hook hook;
    _scene->AddUserObject(&hook);
    _scene->AddUserObject(&hook);
    Frame(_camera);
    EXPECT_EQ(hook.layers, std::vector<eSceneLayerType>{SL_STAGE});
    _scene->RemoveUserObject(&hook);
    Frame(_camera);
    EXPECT_EQ(hook.layers.size(), 1u);
}

// The render settings' debug switches draw the skeleton as helper lines over the frame: the
// lamp's axes, the bounds of the sphere and of the light.
TEST_P(LitSphereTest, DebugSwitchesDrawAxesAndBounds)
{
    Build();
    struct Case
    {
        bool axes, bounds;
        bool red, green;
    };
    for (const Case& c :
         {Case{false, false, false, false}, Case{true, false, true, false}, Case{false, true, false, true}})
    {
        _render->ShowAxes = c.axes;
        _render->ShowBounds = c.bounds;
        Frame(_camera, "debug.bmp");
        int green = 0, red = 0;
        for (uint32_t p : ReadBackBuffer())
        {
            green += Green(p) > 200 && Red(p) < 60 && Blue(p) < 60;
            red += Red(p) > 200 && Green(p) < 60 && Blue(p) < 60;
        }
        EXPECT_EQ(red > 10, c.red) << red;
        EXPECT_EQ(green > 100, c.green) << green;
    }
}

INSTANTIATE_TEST_SUITE_P(Stencil, LitSphereTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return info.param ? std::string("Masked") : std::string("Scissored");
});

} // namespace
