// Render meshes: materials per sub-mesh and level, the table's limits, and culling flipped by a
// mirroring scale.
#include "../SceneFixture.h"

#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MaterialSystem/meshes/MeshShapes.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/RenderMesh.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class RenderMeshTest : public DeviceTest
{
protected:
    // Level 0 of four sub-meshes, level 1 of two.
    Mesh* TwoLevelMesh()
    {
        MeshDesc desc;
        desc.format = MeshShapes::Format;
        desc.radius = 1.0f;
        desc.materialCount = 4;
        desc.lodCount = 2;
        desc.lods[0] = {12, 4, {1, 1, 1, 1}};
        desc.lods[1] = {6, 2, {1, 1}};
        desc.totalVertices = 18;
        desc.totalIndices = 18;
        for (unsigned i = 0; i < 4; ++i)
            desc.SetMaterialName(i, "plain.mat");
        Mesh* mesh = _system->GetMeshMgr()->CreateMesh("two_levels", desc);
        EXPECT_NE(mesh, nullptr);
        return mesh;
    }

    Material* MaterialNamed(const char* name) { return _system->GetMaterialMgr()->CreateMaterial(name); }

    // `lods` levels of `subMeshes` one-triangle sub-meshes each, over `materials` materials.
    static MeshDesc WideDesc(unsigned lods, unsigned subMeshes, unsigned materials)
    {
        MeshDesc desc;
        desc.format = MeshShapes::Format;
        desc.radius = 1.0f;
        desc.materialCount = materials;
        desc.lodCount = lods;
        for (unsigned l = 0; l < std::min(lods, MeshDesc::MaxLods); ++l)
        {
            desc.lods[l].vertexCount = 3;
            desc.lods[l].subMeshCount = subMeshes;
            for (unsigned i = 0; i < std::min(subMeshes, 16u); ++i)
                desc.lods[l].primCounts[i] = 1;
            desc.totalVertices += 3;
            desc.totalIndices += 3 * subMeshes;
        }
        for (unsigned i = 0; i < std::min(materials, MeshDesc::MaxMaterials); ++i)
            desc.SetMaterialName(i, "plain.mat");
        return desc;
    }
};

TEST_F(RenderMeshTest, MaterialsFollowTheLevelsAndTheCommonMaterial)
{
    Mesh* mesh = TwoLevelMesh();
    ASSERT_NE(mesh, nullptr);
    RenderMesh* node = _scene->CreateMesh(SL_STAGE);
    EXPECT_EQ(node->GetMaterialCount(), 0u);
    node->BindMesh(mesh, false);
    EXPECT_EQ(node->GetMaterialCount(), 4u);
    EXPECT_EQ(node->GetSubMeshCount(0), 4u);
    EXPECT_EQ(node->GetSubMeshCount(1), 2u);
    EXPECT_EQ(node->GetMaterial(3), mesh->GetDefaultMaterial(3));

    Material* other = MaterialNamed("$other");
    node->SetMaterial(3, other);
    EXPECT_EQ(node->GetSubMesh(0, 3)->material, other);
    EXPECT_EQ(node->GetSubMesh(1, 1)->material, mesh->GetDefaultMaterial(1));
    EXPECT_EQ(node->GetSubMesh(1, 3)->material, nullptr);
    node->SetMaterial(1, other);
    EXPECT_EQ(node->GetSubMesh(1, 1)->material, other);
    node->ResetMaterials();
    EXPECT_EQ(node->GetMaterial(1), mesh->GetDefaultMaterial(1));

    Material* common = MaterialNamed("$common");
    node->SetCommonMaterial(common);
    node->BindMesh(mesh, true);
    for (unsigned lod = 0; lod < 2; ++lod)
        for (unsigned i = 0; i < node->GetSubMeshCount(lod); ++i)
            EXPECT_EQ(node->GetSubMesh(lod, i)->material, common) << lod << " " << i;
    node->BindMesh(mesh, false);
    EXPECT_EQ(node->GetMaterial(0), mesh->GetDefaultMaterial(0));
    node->BindMesh(mesh, true);
    EXPECT_EQ(node->GetMaterial(0), mesh->GetDefaultMaterial(0));

    node->UnbindMesh();
    EXPECT_EQ(node->GetBindedMesh(), nullptr);
    EXPECT_EQ(node->GetSubMesh(0, 0)->renderable, nullptr);
}

// The widest mesh there can be fills the node's table; a wider one is refused with a logged
// line, so no node ever binds more levels or sub-meshes than its table holds.
TEST_F(RenderMeshTest, TheTableHoldsTheWidestMeshAndWiderOnesAreRefused)
{
    Mesh* widest = _system->GetMeshMgr()->CreateMesh("widest", WideDesc(3, 16, 16));
    ASSERT_NE(widest, nullptr);
    Bone* holder = _scene->CreateBone(SL_STAGE);
    holder->SetPosition(0, 0, 5);
    RenderMesh* node = _scene->CreateMesh(SL_STAGE);
    holder->Attach(node);
    node->BindMesh(widest, false);
    ASSERT_EQ(node->GetLodCount(), 3u);
    for (unsigned lod = 0; lod < 3; ++lod)
    {
        ASSERT_EQ(node->GetSubMeshCount(lod), 16u);
        for (unsigned i = 0; i < 16; ++i)
            EXPECT_NE(node->GetSubMesh(lod, i)->renderable, nullptr) << lod << " " << i;
    }
    EXPECT_EQ(node->GetSubMesh(3, 0), nullptr);
    EXPECT_EQ(node->GetSubMesh(0, 16), nullptr);
    Frame(FrontCamera());
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();

    struct Case
    {
        const char* name;
        MeshDesc desc;
        const char* error;
    };
    const Case cases[] = {{"four_levels", WideDesc(4, 1, 1), "4 LODs"},
                          {"seventeen_materials", WideDesc(1, 1, 17), "17 materials"},
                          {"seventeen_sub_meshes", WideDesc(2, 17, 16), "17 sub-meshes"}};
    for (const Case& c : cases)
    {
        SceneLog::Clear();
        Mesh* wide = _system->GetMeshMgr()->CreateMesh(c.name, c.desc);
        EXPECT_EQ(wide, nullptr) << c.name;
        EXPECT_TRUE(SceneLog::Has(c.error)) << c.name;
        node->BindMesh(wide, false);
        EXPECT_EQ(node->GetLodCount(), 0u) << c.name;
        EXPECT_EQ(node->GetBindedMesh(), nullptr) << c.name;
    }
}

TEST_F(RenderMeshTest, AMirroringScaleFlipsTheCulling)
{
    Bone* holder = _scene->CreateBone(SL_STAGE);
    RenderMesh* node = _scene->CreateMesh(SL_STAGE);
    holder->Attach(node);
    node->BindMesh(_system->GetMeshMgr()->CreateMeshFromFile("sphere.sms"), false);
    Camera* camera = _scene->CreateCamera();
    struct Case
    {
        Vec3 scale;
        bool flipped;
    };
    for (const Case& c : {Case{{-1, 1, 1}, true}, Case{{-1, -1, 1}, false}, Case{{1, 1, 1}, false}})
    {
        holder->SetScale(c.scale);
        node->UpdateCameraBasedParams(camera, 2);
        for (unsigned lod = 0; lod < node->GetLodCount(); ++lod)
            EXPECT_EQ(node->GetSubMesh(lod, 0)->renderable->IsFlipped(), c.flipped) << c.scale.x << c.scale.y;
    }
}

} // namespace
