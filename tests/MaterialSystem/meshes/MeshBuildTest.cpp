#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MeshFixture.h"

#include <cstring>
#include <fstream>
#include <string>

namespace {

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

float InstanceIndexOf(const std::vector<uint8_t>& vertices, unsigned vertex, unsigned size)
{
    float value;
    std::memcpy(&value, vertices.data() + size_t(vertex) * size + size - 4, 4);
    return value;
}

float XOf(const std::vector<uint8_t>& vertices, unsigned vertex, unsigned size)
{
    float value;
    std::memcpy(&value, vertices.data() + size_t(vertex) * size, 4);
    return value;
}

} // namespace

TEST_F(MeshTest, SmallSingleSubMeshLodsBecomeInstancedBatches)
{
    struct Case
    {
        bool useInstancing;
        uint32_t prims;
        unsigned copies; // 1: not batched
    };
    // Defaults: batches of at most 4000 triangles and 100 copies, up to 200 primitives.
    const Case cases[] = {{true, 50, 1}, {true, 51, 78}, {true, 200, 20}, {true, 201, 1}, {false, 51, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "instancing " << c.useInstancing << ", " << c.prims << " primitives");
        _video->UseInstancing = c.useInstancing;
        const std::string name = "tri" + std::to_string(c.prims) + (c.useInstancing ? "i" : "") + ".sms";
        WriteMeshFile(name, WriteSms(TriangleMesh({c.prims})));
        Mesh* mesh = Mgr()->CreateMeshFromFile(name.c_str());
        ASSERT_NE(mesh, Mgr()->GetProxyMesh());

        const unsigned perCopy = c.prims * 3;
        const Mesh::LodBindingDesc& lod = mesh->GetLodDesc(0);
        EXPECT_EQ(mesh->IsLodInstanced(0), c.copies > 1);
        EXPECT_EQ(lod.vertexCount, perCopy * c.copies);
        EXPECT_EQ(lod.indexCount, perCopy * c.copies);
        const Mesh::MeshMaterial* sub = mesh->GetSubMesh(0, 0);
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->desc.instances, c.copies);
        EXPECT_EQ(sub->desc.vertexCount, perCopy);
        if (c.copies == 1)
            continue;

        // Each copy repeats the file's vertices followed by its number, and its indices are
        // moved to its own vertices.
        const unsigned size = lod.buffer->GetVertexSize();
        EXPECT_EQ(size, 36u);
        const auto vertices = LodVertices(mesh, 0);
        const auto indices = LodIndices(mesh, 0);
        for (unsigned copy : {0u, 1u, c.copies - 1})
        {
            EXPECT_EQ(InstanceIndexOf(vertices, copy * perCopy + 5, size), float(copy));
            EXPECT_EQ(XOf(vertices, copy * perCopy + 5, size), 5.0f);
            EXPECT_EQ(indices[copy * perCopy + 5], copy * perCopy + 5);
        }
    }
}

TEST_F(MeshTest, LodsOfOneFormatShareARangeAndOthersGetTheirOwn)
{
    _video->UseInstancing = true;
    // LODs 0 and 2 become batches (format with the instance index), LOD 1 stays plain.
    WriteMeshFile("mixed.sms", WriteSms(TriangleMesh({60, 300, 70})));
    Mesh* mesh = Mgr()->CreateMeshFromFile("mixed.sms");
    ASSERT_EQ(mesh->GetLodLevels(), 3u);
    const auto& lod0 = mesh->GetLodDesc(0);
    const auto& lod1 = mesh->GetLodDesc(1);
    const auto& lod2 = mesh->GetLodDesc(2);
    EXPECT_EQ(lod0.format, lod2.format);
    EXPECT_NE(lod0.format, lod1.format);
    EXPECT_EQ(lod2.buffer, lod0.buffer);
    EXPECT_NE(lod1.buffer, lod0.buffer);
    EXPECT_EQ(lod2.firstVertex, lod0.firstVertex + lod0.vertexCount);
    EXPECT_EQ(lod2.firstIndex, lod0.firstIndex + lod0.indexCount);

    // Sub-mesh bindings point at their LOD's range.
    const Mesh::MeshMaterial* sub = mesh->GetSubMesh(2, 0);
    EXPECT_EQ(sub->binding.baseVertex, int32_t(lod2.firstVertex));
    EXPECT_EQ(sub->binding.startIndex, lod2.firstIndex);
    EXPECT_NE(sub->binding.declaration, nullptr);

    // The next mesh is placed after every range this one reserved.
    Mesh* next = Mgr()->CreateMesh("after", TriangleMesh({300}).desc);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetLodDesc(0).buffer, lod1.buffer);
    EXPECT_EQ(next->GetLodDesc(0).firstVertex, lod1.firstVertex + lod1.vertexCount);
    EXPECT_EQ(next->GetLodDesc(0).firstIndex, lod1.firstIndex + lod1.indexCount);
}

TEST_F(MeshTest, LocksClampTheLodAndRenderablesCheckTheSubMesh)
{
    WriteMeshFile("two.sms", WriteSms(TriangleMesh({2, 1})));
    Mesh* mesh = Mgr()->CreateMeshFromFile("two.sms");
    ASSERT_EQ(mesh->GetLodLevels(), 2u);

    // LOD 5 of a two-LOD mesh is LOD 1.
    uint16_t* indices = mesh->LockIndices(5, Mesh::All, Mesh::All);
    ASSERT_NE(indices, nullptr);
    indices[0] = 2;
    indices[1] = 1;
    indices[2] = 0;
    mesh->UnlockIndices(5);
    EXPECT_EQ(LodIndices(mesh, 1), (std::vector<uint16_t>{2, 1, 0}));
    EXPECT_EQ(LodIndices(mesh, 0), (std::vector<uint16_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(mesh->LockIndices(0, 1, Mesh::All), nullptr);

    MeshRenderable* renderable = mesh->CreateRenderable(9, 0);
    ASSERT_NE(renderable, nullptr);
    EXPECT_EQ(renderable->GetDescription().primCount, 1u);
    EXPECT_EQ(renderable->GetStreamBinding().startIndex, mesh->GetLodDesc(1).firstIndex);
    EXPECT_FALSE(renderable->IsDynamic());
    renderable->SetFlipped(true);
    EXPECT_TRUE(renderable->IsFlipped());
    mesh->DestroyRenderable(renderable);

    LogLines().clear();
    EXPECT_EQ(mesh->CreateRenderable(0, 1), nullptr);
    EXPECT_TRUE(LogHas("no sub-mesh 1"));
}

TEST_F(MeshTest, BoxAndSphereAreBuiltInCode)
{
    {
        Mesh* proxy = Mgr()->GetProxyMesh();
        ASSERT_NE(proxy, nullptr);
        EXPECT_STREQ(proxy->GetInfo().name, "$proxy");
        EXPECT_EQ(proxy->GetLodDesc(0).vertexCount, 544u);
        EXPECT_EQ(proxy->GetLodDesc(1).vertexCount, 144u);
        EXPECT_EQ(proxy->GetLodDesc(2).vertexCount, 60u);
        EXPECT_EQ(proxy->GetSubMesh(2, 0)->desc.primCount, 58u);
        EXPECT_EQ(proxy->GetSubMesh(0, 0)->desc.primType, gfx::PrimitiveType::TriangleStrip);
    }

    const Bounds bounds(Vec3(-1, -2, -3), Vec3(4, 5, 6));
    Mesh* box = Mgr()->CreateBoxMesh("Crate", bounds);
    ASSERT_NE(box, Mgr()->GetProxyMesh());
    EXPECT_EQ(box->GetInfo().location, 3);
    EXPECT_EQ(Mgr()->CreateBoxMesh("crate", bounds), box);
    const auto vertices = LodVertices(box, 0);
    ASSERT_EQ(vertices.size(), 24u * sizeof(MeshVertex));
    MeshVertex v[24];
    std::memcpy(v, vertices.data(), sizeof(v));
    // Face 0 faces -z: its second vertex is (min.x, max.y, min.z) at texture (0, 0).
    EXPECT_EQ(v[1].position[0], -1.0f);
    EXPECT_EQ(v[1].position[1], 5.0f);
    EXPECT_EQ(v[1].position[2], -3.0f);
    EXPECT_EQ(v[1].normal[2], -1.0f);
    EXPECT_EQ(v[1].uv[0], 0.0f);
    EXPECT_EQ(v[1].uv[1], 0.0f);
    // Face 4 faces +y.
    EXPECT_EQ(v[17].normal[1], 1.0f);
    const auto indices = LodIndices(box, 0);
    EXPECT_EQ(std::vector<uint16_t>(indices.begin() + 6, indices.begin() + 12),
              (std::vector<uint16_t>{6, 5, 7, 7, 5, 4}));

    Mesh* sphere = Mgr()->CreateSphereMesh("$back", 32, 32, 10000, 1);
    ASSERT_EQ(sphere->GetLodLevels(), 1u);
    EXPECT_EQ(sphere->GetLodDesc(0).vertexCount, 32u * 33u * 2u);
    EXPECT_FLOAT_EQ(sphere->GetRadius(), 10000.0f);

    // Tessellations the sphere cannot have give the proxy, logged.
    LogLines().clear();
    EXPECT_EQ(Mgr()->CreateSphereMesh("flat", 0, 8, 1, 1), Mgr()->GetProxyMesh());
    EXPECT_EQ(Mgr()->CreateSphereMesh("dense", 300, 300, 1, 1), Mgr()->GetProxyMesh());
    EXPECT_TRUE(LogHas("flat"));
    EXPECT_TRUE(LogHas("dense"));

    // Patches and planes are not built; unlike the shapes above they give no stand-in.
    EXPECT_EQ(Mgr()->CreatePatchMesh("patch"), nullptr);
    EXPECT_EQ(Mgr()->CreatePlaneMesh("plane"), nullptr);

    Mesh* unnamed = Mgr()->CreateMesh(nullptr, MeshShapes::BoxDesc(bounds));
    ASSERT_NE(unnamed, nullptr);
    EXPECT_STREQ(unnamed->GetInfo().name, "unnamedmesh00");

    // Cleanup keeps the built-in meshes, with their geometry, and drops the rest.
    const std::vector<uint8_t> proxyVertices = LodVertices(Mgr()->GetProxyMesh(), 2);
    const std::vector<uint8_t> backVertices = LodVertices(sphere, 0);
    Mgr()->Cleanup();
    EXPECT_EQ(Mgr()->GetResource("crate"), INVALID_RES_HANDLE);
    EXPECT_EQ(Mgr()->GetResource("$back"), sphere);
    ASSERT_NE(Mgr()->GetProxyMesh()->GetLodDesc(2).buffer, nullptr);
    EXPECT_EQ(LodVertices(Mgr()->GetProxyMesh(), 2), proxyVertices);
    EXPECT_EQ(LodVertices(sphere, 0), backVertices);
    // A stand-in made after the cleanup still has the proxy's geometry.
    Mesh* standIn = Mgr()->CreateMeshFromFile("gone.sms");
    ASSERT_NE(standIn->GetLodDesc(0).buffer, nullptr);
    EXPECT_EQ(LodVertices(standIn, 2), proxyVertices);
}

TEST_F(MeshTest, DestroyedMeshesGiveTheirRoomBack)
{
    // Each of these takes most of a buffer: kept room would need a new buffer every time.
    MeshDesc desc;
    ASSERT_TRUE(MeshShapes::SphereDesc(100, 98, 1.0f, 1, desc));
    const unsigned buffers = Mgr()->GetBufferCount();
    const long before = ResidentKilobytes();
    for (int i = 0; i < 3000; ++i)
    {
        Mesh* mesh = Mgr()->CreateMesh("big", desc);
        ASSERT_NE(mesh, nullptr) << "cycle " << i;
        Mgr()->DestroyMesh(mesh);
    }
    EXPECT_EQ(Mgr()->GetBufferCount(), buffers);
    EXPECT_LT(ResidentKilobytes() - before, 8 * 1024);

    // Loaded from a file, again and again: the same room, and the data of the last load.
    WriteMeshFile("tri.sms", WriteSms(TriangleMesh({60, 20})));
    Mesh* first = Mgr()->CreateMeshFromFile("tri.sms");
    const unsigned withFile = Mgr()->GetBufferCount();
    const Mesh::LodBindingDesc place = first->GetLodDesc(0);
    const std::vector<uint8_t> data = LodVertices(first, 1);
    Mgr()->DestroyMesh(first);
    for (int i = 0; i < 300; ++i)
        Mgr()->DestroyMesh(Mgr()->CreateMeshFromFile("tri.sms"));
    Mesh* last = Mgr()->CreateMeshFromFile("tri.sms");
    EXPECT_EQ(last->GetLodDesc(0).buffer, place.buffer);
    EXPECT_EQ(last->GetLodDesc(0).firstVertex, place.firstVertex);
    EXPECT_EQ(LodVertices(last, 1), data);
    EXPECT_EQ(Mgr()->GetBufferCount(), withFile);
}
