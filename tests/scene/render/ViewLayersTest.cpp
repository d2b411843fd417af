// The layers of a view besides the stage: the background and the two foregrounds drawn around
// the camera wherever it stands, the first foreground with its widened aspect, the background
// left out when the settings say so and never hidden by what the last frame drew.
#include "../ExpectNear.h"
#include "../SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "scene/nodes/RenderMesh.h"

#include <gtest/gtest.h>

namespace {

class ViewLayersTest : public DeviceTest
{
protected:
    // A white sphere of the layer drawn as it is by the forward pass, the only one these layers
    // have.
    void ForwardSphere(const Vec3& at, float radius, eSceneLayerType layer)
    {
        if (!_white)
        {
            _white = _system->GetMaterialMgr()->CreateMaterial("$white_forward");
            _white->MaterialFlags() = Flags(MF_UNLIT);
            ShaderUsageFlags unlit;
            unlit.Add("USE_UNLIT");
            _white->BindShaderEx("MAT_Diffuse.fx", &unlit);
            _white->AddTexture("BASE_MAP", _system->GetTextureMgr()->GetWhiteTexture());
        }
        Bone* holder = WhiteSphere(at, radius, true, layer);
        static_cast<RenderMesh*>(holder->GetChild(0))->SetCommonMaterial(_white);
    }

    static bool White(uint32_t rgb) { return (rgb >> 8 & 0xFF) > 128; }

    Material* _white = nullptr;
};

TEST_F(ViewLayersTest, BackgroundAndForegroundsAreDrawnAroundTheCamera)
{
    _render->EnablePostEffects = false;
    Camera* camera = FrontCamera();
    camera->SetPosition(100, 0, 0);
    // Above the view's centre, about 7 pixels across: row 120 - (5 / 30) / tan 30° x 120.
    ForwardSphere(Vec3(0, 5, 30), 1, SL_BACKGROUND);
    // Mirror images, left and right of the centre.
    ForwardSphere(Vec3(-4, 0, 10), 2, SL_FOREGROUND);
    ForwardSphere(Vec3(4, 0, 10), 2, SL_FOREGROUND2);

    for (bool background : {true, false})
    {
        SCOPED_TRACE(background ? "with the background" : "without the background");
        _render->RenderBackground = background;
        Frame(camera);
        EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
        const std::vector<uint32_t> pixels = ReadBackBuffer();
        const int cx = _width / 2, cy = _height / 2;
        EXPECT_EQ(White(Pixel(pixels, cx, 85)), background);
        EXPECT_FALSE(White(Pixel(pixels, cx, cy)));

        // The first foreground is drawn with the aspect times 1.2 / 1.3333, so it comes out
        // wider than its twin in the second by the inverse.
        int left = 0, right = 0;
        for (int x = 0; x < _width; ++x)
            (x < cx ? left : right) += White(Pixel(pixels, x, cy));
        ASSERT_GT(right, 60);
        EXPECT_NEAR(float(left) / float(right), 1.3333f / 1.2f, 0.03f) << left << " " << right;

        // The camera is back where it was, with the screen's proportions.
        ExpectNear(camera->GetGlobalPos(), Vec3(100, 0, 0));
        EXPECT_FLOAT_EQ(camera->GetAspectRatio(), float(_width) / float(_height));
    }
}

// A model turning before the hangar's hall: where it stood a frame ago the hall is drawn all
// the same.
TEST_F(ViewLayersTest, TheBackgroundIsNotHiddenByTheLastFrame)
{
    _render->EnablePostEffects = false;
    Camera* camera = FrontCamera();
    ForwardSphere(Vec3(0, 0, 20), 6, SL_BACKGROUND);
    Material* black = _system->GetMaterialMgr()->CreateMaterial("$black_forward");
    black->MaterialFlags() = Flags(MF_UNLIT);
    ShaderUsageFlags unlit;
    unlit.Add("USE_UNLIT");
    black->BindShaderEx("MAT_Diffuse.fx", &unlit);
    black->AddTexture("BASE_MAP", _system->GetTextureMgr()->GetBlackTexture());
    Bone* model = WhiteSphere(Vec3(0, 0, 5), 1, true);
    static_cast<RenderMesh*>(model->GetChild(0))->SetCommonMaterial(black);
    const int cx = _width / 2, cy = _height / 2;

    Frame(camera);
    EXPECT_FALSE(White(Pixel(ReadBackBuffer(), cx, cy)));
    model->Enable(false);
    Frame(camera);
    EXPECT_TRUE(White(Pixel(ReadBackBuffer(), cx, cy)));
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}

} // namespace
