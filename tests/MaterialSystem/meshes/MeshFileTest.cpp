#include "DemoMeshes.h"
#include "MaterialSystem/materials/Material.h"
#include "MeshFixture.h"

#include <cstring>
#include <functional>

namespace {

// File offsets of header fields.
constexpr size_t FormatAt = 36, MaterialCountAt = 48, LodCountAt = 52, NamesAt = 60, LodsAt = 572;
size_t LodAt(unsigned lod) { return LodsAt + 72 * lod; }

// The proxy sphere has LODs of 544, 144 and 60 vertices.
void ExpectProxyGeometry(Mesh* mesh)
{
    ASSERT_NE(mesh, nullptr);
    ASSERT_EQ(mesh->GetLodLevels(), 3u);
    EXPECT_EQ(mesh->GetLodDesc(0).vertexCount, 544u);
    EXPECT_EQ(mesh->GetLodDesc(1).vertexCount, 144u);
    EXPECT_EQ(mesh->GetLodDesc(2).vertexCount, 60u);
}

std::vector<uint8_t> VertexBytes(const SmsLod& lod)
{
    std::vector<uint8_t> bytes(lod.vertices.size() * sizeof(MeshVertex));
    std::memcpy(bytes.data(), lod.vertices.data(), bytes.size());
    return bytes;
}

} // namespace

TEST_F(MeshTest, DemoMeshesLoadWithTheirLodsAndSubMeshes)
{
    struct Expect
    {
        const char* file;
        unsigned lods;
        unsigned subMeshes;
    };
    const Expect table[] = {{"box.sms", 1, 1}, {"sphere.sms", 3, 1}, {"asteroid.sms", 2, 1}, {"hull.sms", 1, 2}};
    for (const DemoMesh& demo : DemoMeshes::All())
        WriteMeshFile(demo.file, WriteSms(demo.mesh));

    for (const DemoMesh& demo : DemoMeshes::All())
    {
        SCOPED_TRACE(demo.file);
        const Expect* expect = nullptr;
        for (const Expect& e : table)
            if (demo.file == e.file)
                expect = &e;
        ASSERT_NE(expect, nullptr);

        Mesh* mesh = Mgr()->CreateMeshFromFile(demo.file.c_str());
        ASSERT_NE(mesh, nullptr);
        EXPECT_NE(mesh, Mgr()->GetProxyMesh());
        EXPECT_TRUE(mesh->IsInitialized());
        EXPECT_STREQ(mesh->GetInfo().name, demo.file.c_str());
        ASSERT_EQ(mesh->GetLodLevels(), expect->lods);
        EXPECT_EQ(mesh->GetMaterialCount(0), expect->subMeshes);
        // Default materials come from the names the file stores (missing files give stand-ins).
        for (unsigned m = 0; m < demo.mesh.desc.materialCount; ++m)
        {
            ASSERT_NE(mesh->GetDefaultMaterial(m), nullptr);
            EXPECT_STREQ(mesh->GetDefaultMaterial(m)->GetInfo().name, demo.mesh.desc.materials[m]);
        }
        // Every LOD's data lands in its range of the shared buffers as the file holds it.
        for (unsigned l = 0; l < expect->lods; ++l)
        {
            EXPECT_EQ(LodVertices(mesh, l), VertexBytes(demo.mesh.lods[l])) << "LOD " << l;
            EXPECT_EQ(LodIndices(mesh, l), demo.mesh.lods[l].indices) << "LOD " << l;
        }
        // Loaded once: the second request answers the same mesh.
        EXPECT_EQ(Mgr()->CreateMeshFromFile(demo.file.c_str()), mesh);
    }
}

TEST_F(MeshTest, MalformedFilesGiveTheProxyAndALoggedLine)
{
    const std::vector<uint8_t> good = WriteSms(TriangleMesh({4, 2}));
    struct Case
    {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> spoil;
        bool headerRead = true; // false: too short for the manager to see its header
    };
    const Case cases[] = {
        {"four_lods.sms", [](auto& b) { Patch(b, LodCountAt, 4); }},
        {"no_lods.sms", [](auto& b) { Patch(b, LodCountAt, 0); }},
        {"many_materials.sms", [](auto& b) { Patch(b, MaterialCountAt, 17); }},
        {"many_submeshes.sms", [](auto& b) { Patch(b, LodAt(1) + 4, 17); }},
        {"submesh_without_material.sms", [](auto& b) { Patch(b, LodAt(0) + 4, 2); }},
        {"unterminated_name.sms", [](auto& b) { std::memset(b.data() + NamesAt, 'a', 32); }},
        {"unknown_format.sms", [](auto& b) { Patch(b, FormatAt, 0x8); }},
        {"vertices_past_end.sms", [](auto& b) { Patch(b, LodAt(0), 1000); }},
        {"primitives_past_end.sms", [](auto& b) { Patch(b, LodAt(1) + 8, 0x40000000); }},
        {"truncated_data.sms", [](auto& b) { b.resize(b.size() - 2); }},
        {"truncated_header.sms", [](auto& b) { b.resize(500); }, false},
        {"index_past_lod.sms", [](auto& b) { b[b.size() - 2] = 200; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = good;
        c.spoil(bytes);
        WriteMeshFile(c.name, bytes);
        LogLines().clear();
        Mesh* mesh = Mgr()->CreateMeshFromFile(c.name);
        ExpectProxyGeometry(mesh);
        EXPECT_STREQ(mesh->GetInfo().name, c.name);
        EXPECT_TRUE(LogHas(c.name));
        if (c.headerRead)
        {
            EXPECT_TRUE(LogHas(std::string("Mesh \"") + c.name + "\" is malformed"));
        }
    }
    // The untouched file loads, so every refusal above came from its one fault.
    WriteMeshFile("good.sms", good);
    Mesh* mesh = Mgr()->CreateMeshFromFile("good.sms");
    EXPECT_EQ(mesh->GetLodLevels(), 2u);
    EXPECT_EQ(mesh->GetLodDesc(0).vertexCount, 12u);

    // A file of another type is not read against the header the last mesh left behind.
    WriteMeshFile("good_bytes.dds", good);
    LogLines().clear();
    ExpectProxyGeometry(Mgr()->CreateMeshFromFile("good_bytes.dds"));
    EXPECT_TRUE(LogHas("Mesh \"good_bytes.dds\" is malformed"));
}

TEST_F(MeshTest, ProxyStandInsAreDeletedOnceAndTheProxySurvives)
{
    Mesh* missing = Mgr()->CreateMeshFromFile("missing.sms");
    Mesh* other = Mgr()->CreateMeshFromFile("other_missing.sms");
    ExpectProxyGeometry(missing);
    EXPECT_NE(missing, other);
    EXPECT_TRUE(LogHas("missing.sms"));

    Mgr()->DestroyMesh(missing);
    Mgr()->DestroyMesh(Mgr()->GetProxyMesh()); // refused: it stands in for every failed load
    Mgr()->RemoveAllResources(false);          // drops the other stand-in, keeps "$proxy"
    ExpectProxyGeometry(Mgr()->GetProxyMesh());
    EXPECT_EQ(Mgr()->GetResource("$proxy"), Mgr()->GetProxyMesh());
    ExpectProxyGeometry(Mgr()->CreateMeshFromFile("missing.sms"));

    // Names too long to keep share one stand-in, so destroying it frees it once.
    const std::string longName = std::string(300, 'x') + ".sms";
    Mesh* stand = Mgr()->CreateMeshFromFile(longName.c_str());
    ExpectProxyGeometry(stand);
    EXPECT_EQ(Mgr()->CreateMeshFromFile((std::string(280, 'y') + ".sms").c_str()), stand);
    Mgr()->DestroyMesh(stand);
}
