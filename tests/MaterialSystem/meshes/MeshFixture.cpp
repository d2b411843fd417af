#include "MeshFixture.h"

#include <cstring>
#include <fstream>
#include <unistd.h>

void MeshTest::SetUp()
{
    RenderTest::SetUp();
    if (IsSkipped())
        return;
    _root = std::filesystem::temp_directory_path() / ("bm_meshes_" + std::to_string(getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(_root);
    std::filesystem::create_directories(_root);
    _system.reset();
    _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 0);
    _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), _resources.get(),
                                               _video.get(), false);
    _system->SetSleepFunction([](unsigned) {});
    // The game's shader library: the proxy material needs its shared include.
    const auto shaders = (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "data" / "shaderlib").lexically_normal();
    _system->InitSystem((shaders.string() + "/").c_str());
    ASSERT_TRUE(_system->GetDevice());
    ASSERT_TRUE(Mgr());
    Mgr()->SetRootDir((_root.string() + "/").c_str());
}

void MeshTest::TearDown()
{
    RenderTest::TearDown();
    _resources.reset();
    if (!_root.empty())
        std::filesystem::remove_all(_root);
}

void MeshTest::WriteMeshFile(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    std::ofstream file(_root / name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> MeshTest::LodVertices(Mesh* mesh, unsigned lod) const
{
    const Mesh::LodBindingDesc& binding = mesh->GetLodDesc(lod);
    const unsigned size = binding.buffer->GetVertexSize();
    std::vector<uint8_t> bytes(size_t(binding.vertexCount) * size);
    EXPECT_TRUE(binding.buffer->GetVBHandle()->Read(binding.firstVertex * size, unsigned(bytes.size()), bytes.data()));
    return bytes;
}

std::vector<uint16_t> MeshTest::LodIndices(Mesh* mesh, unsigned lod) const
{
    const Mesh::LodBindingDesc& binding = mesh->GetLodDesc(lod);
    std::vector<uint16_t> indices(binding.indexCount);
    EXPECT_TRUE(
        binding.buffer->GetIBHandle()->Read(binding.firstIndex * 2, unsigned(indices.size() * 2), indices.data()));
    return indices;
}

SmsMesh TriangleMesh(const std::vector<uint32_t>& prims)
{
    SmsMesh mesh;
    mesh.desc.format = MeshShapes::Format;
    mesh.desc.materialCount = 1;
    mesh.desc.SetMaterialName(0, "$proxy");
    for (size_t l = 0; l < prims.size(); ++l)
    {
        SmsLod lod;
        for (uint32_t v = 0; v < prims[l] * 3; ++v)
        {
            lod.indices.push_back(static_cast<uint16_t>(v));
            lod.vertices.push_back({{float(v), float(l), 0}, {0, 0, 1}, {0, 0}});
        }
        mesh.desc.lods[l].subMeshCount = 1;
        mesh.desc.lods[l].primCounts[0] = prims[l];
        mesh.lods.push_back(lod);
    }
    FinishSmsMesh(mesh);
    return mesh;
}

void Patch(std::vector<uint8_t>& bytes, size_t offset, uint32_t value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof(value));
}
