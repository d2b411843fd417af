// The ambient occlusion effect, which the game's chain leaves out: added to a chain, it shades
// the crease where two walls meet and leaves their open parts as they were.
#include "../SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/post/PPEffectSSAO.h"
#include "scene/post/PostProcessingStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

class AmbientOcclusionTest : public DeviceTest
{
protected:
    // An open book seen from its spine's side: two white unlit walls, 12 wide and 12 high,
    // meeting at a right angle along a vertical line 20 ahead of the camera.
    void BuildCrease()
    {
        _camera = FrontCamera();
        _white = _system->GetMaterialMgr()->CreateMaterial("$white_wall");
        _white->MaterialFlags() = Flags(unsigned(MF_UNLIT));
        ShaderUsageFlags deferred;
        deferred.Add("USE_DEFERRED");
        _white->BindShaderEx("MAT_Diffuse.fx", &deferred);
        _white->AddTexture("BASE_MAP", _system->GetTextureMgr()->GetWhiteTexture());
        const float s = std::sqrt(0.5f);
        const Vec3 crease(0, 0, 20);
        Wall(crease + Vec3(-s, 0, -s) * 6.0f, Vec3(s, 0, s));
        Wall(crease + Vec3(s, 0, -s) * 6.0f, Vec3(s, 0, -s));
    }

    void Wall(const Vec3& centre, const Vec3& along)
    {
        const Vec3 up(0, 1, 0);
        Bone* holder = _scene->CreateBone(SL_STAGE);
        holder->SetPosition(centre);
        holder->SetOrientation(along, up, along ^ up);
        holder->SetScale(6.0f, 6.0f, 0.2f);
        RenderMesh* mesh = _scene->CreateMesh(SL_STAGE);
        holder->Attach(mesh);
        mesh->BindMesh(_system->GetMeshMgr()->CreateMeshFromFile("box.sms"), false);
        mesh->SetCommonMaterial(_white);
    }

    std::vector<uint32_t> Render()
    {
        Frame(_camera);
        return ReadBackBuffer();
    }

    // The mean green of a column of pixels around the middle row.
    float Column(const std::vector<uint32_t>& pixels, int x) const
    {
        float sum = 0;
        for (int y = _height / 2 - 10; y < _height / 2 + 10; ++y)
            sum += float((Pixel(pixels, x, y) >> 8) & 0xFF);
        return sum / 20.0f;
    }

    Camera* _camera = nullptr;
    Material* _white = nullptr;
};

TEST_F(AmbientOcclusionTest, AddedToAChainItDarkensTheCreaseBetweenTwoWalls)
{
    BuildCrease();
    PostProcessingStage& chain = *_scene->GetPostProcessingStage();
    chain.Clear();
    const std::vector<uint32_t> plain = Render();
    const int cx = _width / 2;
    ASSERT_GT(Column(plain, cx), 250.0f) << "the walls are white, the crease too";
    ASSERT_GT(Column(plain, cx - 80), 250.0f);

    ASSERT_TRUE(chain.Add(std::make_unique<PPEffect_SSAO>(_scene.get())));
    const PPEffect& ssao = *chain.GetEffect(0);
    ASSERT_EQ(ssao.GetPassCount(), 3u);
    EXPECT_STREQ(ssao.GetPass(0).target->GetInfo().name, "$downsampled_db");
    EXPECT_EQ(ssao.GetPass(0).target->GetFormat(), unsigned(TEXFMT_R32F));
    EXPECT_EQ(ssao.GetPass(0).target->GetWidth(0), unsigned(_width / 2));
    EXPECT_STREQ(ssao.GetPass(1).target->GetInfo().name, "$ssao_without_blur");
    EXPECT_EQ(ssao.GetPass(1).target->GetWidth(0), unsigned(_width));
    EXPECT_EQ(ssao.GetPass(2).target, nullptr) << "the last pass draws the back buffer";
    const ShaderVar* noise = ssao.GetPass(1).material->FindValue("RANDNORMALS4X4_MAP");
    ASSERT_TRUE(noise && noise->texture);
    EXPECT_EQ(noise->texture->GetWidth(0), 4u);

    const std::vector<uint32_t> shaded = Render();
    const float crease = Column(shaded, cx);
    for (int x : {cx - 100, cx - 80, cx + 80, cx + 100})
        EXPECT_GT(Column(shaded, x), 240.0f) << "the open wall at " << x;
    EXPECT_LT(crease, 200.0f) << "the crease";
    EXPECT_LT(crease, Column(shaded, cx - 40)) << "darkest in the crease itself";
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}

} // namespace
