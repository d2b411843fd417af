// Lens flares: where the sprites go for the camera, the fade and shrink timing, the slot table,
// and a flare fading out behind a sphere in the frames' pixels.
#include "../ExpectNear.h"
#include "../SceneFixture.h"

#include "MaterialSystem/materials/MaterialMgr.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/LensFlare.h"

#include <gtest/gtest.h>

namespace {

// A light on a bone, its flare, and a camera at the origin looking along +z; no scene, so
// nothing is hidden but by distance or by being behind the camera.
struct Rig
{
    Group root{nullptr, nullptr};
    Bone* light = new Bone(&root, nullptr);
    LensFlare* flare = new LensFlare(&root, nullptr);
    Camera* camera = new Camera(&root, nullptr);
    Rig()
    {
        root.Attach(light);
        light->Attach(flare);
        root.Attach(camera);
    }
    void Place(const Vec3& at)
    {
        light->SetPosition(at);
        flare->UpdateCameraBasedParams(camera, 0);
    }
};

TEST(LensFlare, SpritesLieOnTheLineThroughTheViewCentre)
{
    Rig rig;
    rig.flare->SetGlow(10, 1, 1, Color(1, 1, 1, 1));
    rig.flare->AddFlare(0.0f, 5, 0, 0, Color(1, 0, 0, 1));
    rig.flare->AddFlare(0.5f, 5, 0, 0, Color(0, 1, 0, 1));
    rig.flare->AddFlare(2.0f, 5, 0, 0, Color(0, 0, 1, 1));

    // Straight ahead: everything at the light.
    rig.Place(Vec3(0, 0, 100));
    for (unsigned i = 0; i < 3; ++i)
        ExpectNear(rig.flare->GetFlare(i)->position, Vec3(0, 0, 100), 1e-3f);
    ExpectNear(rig.flare->GetGlow()->position, Vec3(0, 0, 100), 1e-3f);

    // Off the axis: the light is carried onto the plane through the view's centre at its
    // distance; elements go from there through the centre.
    const Vec3 at(30, 0, 100);
    rig.Place(at);
    const float d = at.Length();
    const Vec3 centre(0, 0, d);
    Vec3 direction = at;
    direction.Normalize();
    const Vec3 onPlane = direction * (d / direction.z);
    ExpectNear(rig.flare->GetFlare(0)->position, onPlane, 1e-3f);
    ExpectNear(rig.flare->GetFlare(1)->position, (onPlane + centre) * 0.5f, 1e-3f);
    ExpectNear(rig.flare->GetFlare(2)->position, centre * 2.0f - onPlane, 1e-3f);
    ExpectNear(rig.flare->GetGlow()->position, onPlane, 1e-3f);

    // Behind the camera: no place on the view plane; the sprites stay and the flare fades.
    rig.Place(Vec3(0, 0, -100));
    ExpectNear(rig.flare->GetFlare(0)->position, onPlane, 1e-3f);
    rig.flare->Update(0.05f);
    EXPECT_NEAR(rig.flare->GetOpacity(), 0.6f, 1e-5f);
}

TEST(LensFlare, FadesAndShrinksAtItsSpeeds)
{
    Rig rig;
    rig.flare->SetGlow(10, 1, 1, Color(1, 1, 1, 1));
    rig.flare->AddFlare(1.0f, 5, 0, 0, Color(1, 1, 1, 1));

    // Beyond the far distance (1000): gone after an eighth of a second and a step more.
    rig.Place(Vec3(0, 0, 2000));
    for (float expected : {0.5f, 0.0f, 0.0f, 0.0f})
    {
        rig.flare->Update(1.0f / 16.0f);
        EXPECT_FLOAT_EQ(rig.flare->GetOpacity(), expected);
    }
    EXPECT_FALSE(rig.flare->IsDrawNeeded());
    EXPECT_FLOAT_EQ(rig.flare->GetFlare(0)->intensity, 0.0f);
    EXPECT_FLOAT_EQ(rig.flare->GetGlow()->size, 0.0f);

    // Back in reach: whole again after an eighth of a second; the glow after a fifth.
    rig.Place(Vec3(0, 0, 100));
    rig.flare->Update(1.0f / 16.0f);
    EXPECT_TRUE(rig.flare->IsDrawNeeded());
    EXPECT_FLOAT_EQ(rig.flare->GetOpacity(), 0.5f);
    rig.flare->Update(1.0f / 16.0f);
    EXPECT_FLOAT_EQ(rig.flare->GetOpacity(), 1.0f);
    EXPECT_FLOAT_EQ(rig.flare->GetFlare(0)->intensity, 1.0f);
    EXPECT_LT(rig.flare->GetGlow()->size, 10.0f);
    rig.flare->Update(0.2f - 1.0f / 8.0f);
    EXPECT_NEAR(rig.flare->GetGlow()->size, 10.0f, 1e-4f);
}

// The slots hold 32 elements; a freed slot is taken again before any other.
TEST(LensFlare, ElementsStayInTheirSlots)
{
    SceneLog::Clear();
    Rig rig;
    for (unsigned i = 0; i < LensFlare::MaxFlares; ++i)
        EXPECT_TRUE(rig.flare->AddFlare(float(i), 1, 0, 0, Color()));
    EXPECT_FALSE(rig.flare->AddFlare(99, 1, 0, 0, Color()));
    EXPECT_TRUE(SceneLog::Has("no more are added"));
    EXPECT_EQ(rig.flare->GetFlareCount(), LensFlare::MaxFlares);
    Particle* last = rig.flare->GetFlare(LensFlare::MaxFlares - 1);
    rig.flare->RemoveFlare(3);
    EXPECT_EQ(rig.flare->GetFlare(3), nullptr);
    EXPECT_TRUE(rig.flare->AddFlare(7, 1, 0, 0, Color()));
    EXPECT_NE(rig.flare->GetFlare(3), nullptr);
    EXPECT_FLOAT_EQ(rig.flare->GetFlare(3)->lengthAdjust, -7.0f);
    EXPECT_EQ(rig.flare->GetFlare(LensFlare::MaxFlares - 1), last);
    EXPECT_EQ(rig.flare->GetTotalParticles(), LensFlare::MaxFlares);
}

class LensFlareFrameTest : public DeviceTest
{};

// A light behind a sphere's edge, its element drawn well clear of the sphere: once the sphere
// is shown, the element fades out a quarter a frame, a frame after the sphere was drawn.
TEST_F(LensFlareFrameTest, AFlareFadesOutBehindTheSphere)
{
    _render->EnablePostEffects = false;
    Camera* camera = FrontCamera();
    Bone* sphere = WhiteSphere(Vec3(0, 0, 10), 2);
    sphere->Enable(false);

    Bone* light = _scene->CreateBone(SL_STAGE);
    light->SetPosition(1, 0, 30);
    LensFlare* flare = _scene->CreateLensFlare(SL_STAGE);
    light->Attach(flare);
    flare->SetMaterial(_system->GetMaterialMgr()->CreateMaterialFromFile("lensflare.mat"));
    flare->SetAtlasParams(2, 2);
    flare->AddFlare(8.0f, 4, 0, 0, Color(1, 1, 1, 1)); // mirrored far to the left, on black
    Vec3 element;
    const float step = 1.0f / 32.0f;
    const auto frame = [&] {
        _scene->UpdateScene(step);
        _scene->RenderView(camera, _timer);
        camera->WorldToScreen(flare->GetFlare(0)->position, _system.get(), element);
        return Pixel(ReadBackBuffer(), int(element.x), int(element.y)) & 0xFF;
    };
    for (int i = 0; i < 10; ++i)
        frame();
    ASSERT_EQ(flare->GetOpacity(), 1.0f);
    ASSERT_GT(element.x, 0.0f);
    EXPECT_GT(frame(), 200u);
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();

    sphere->Enable(true);
    std::vector<float> opacity;
    std::vector<uint32_t> brightness;
    for (int i = 0; i < 7; ++i)
    {
        brightness.push_back(frame());
        opacity.push_back(flare->GetOpacity());
    }
    // Drawn in one frame, tested in the next, faded from the one after.
    EXPECT_EQ(opacity, (std::vector<float>{1.0f, 1.0f, 0.75f, 0.5f, 0.25f, 0.0f, 0.0f}));
    for (size_t i = 2; i < 5; ++i)
        EXPECT_LT(brightness[i], brightness[i - 1]) << i;
    EXPECT_EQ(brightness[6], 0u);
    EXPECT_FALSE(flare->IsDrawNeeded());
}

} // namespace
