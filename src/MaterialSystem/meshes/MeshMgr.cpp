#include "MaterialSystem/meshes/MeshMgr.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/VertexBufferSet.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshShapes.h"
#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Format.h"

#include <cstring>
#include <strings.h>
#include <vector>

namespace {

constexpr int32_t LocationMadeInCode = 3;

// Copies the file's one set of vertices `copies` times, each vertex followed by its copy
// number as a float (the instance index).
void WriteInstancedVertices(uint8_t* out, const uint8_t* in, uint32_t perCopy, uint32_t size, uint32_t copies)
{
    for (uint32_t i = 0; i < copies; ++i)
    {
        const float index = static_cast<float>(i);
        for (uint32_t v = 0; v < perCopy; ++v)
        {
            std::memcpy(out, in + size_t(v) * size, size);
            std::memcpy(out + size, &index, sizeof(index));
            out += size + sizeof(index);
        }
    }
}

void WriteInstancedIndices(uint16_t* out, const uint8_t* in, uint64_t perCopy, uint32_t verticesPerCopy,
                           uint32_t copies)
{
    for (uint32_t i = 0; i < copies; ++i)
    {
        for (uint64_t n = 0; n < perCopy; ++n)
        {
            uint16_t index;
            std::memcpy(&index, in + n * 2, 2);
            *out++ = static_cast<uint16_t>(index + i * verticesPerCopy);
        }
    }
}

// Writes code-made geometry into one LOD of a fresh mesh.
void FillLod(Mesh* mesh, unsigned lod, const MeshGeometry& geometry)
{
    if (void* vertices = mesh->LockVertices(lod, static_cast<unsigned>(geometry.vertices.size())))
    {
        std::memcpy(vertices, geometry.vertices.data(), geometry.vertices.size() * sizeof(MeshVertex));
        mesh->UnlockVertices(lod);
    }
    if (uint16_t* indices = mesh->LockIndices(lod, Mesh::All, static_cast<unsigned>(geometry.indices.size())))
    {
        std::memcpy(indices, geometry.indices.data(), geometry.indices.size() * sizeof(uint16_t));
        mesh->UnlockIndices(lod);
    }
}

} // namespace

MeshMgr::MeshMgr(MaterialSystem* system, gfx::Device* device)
    : _system(system), _device(device), _materialMgr(system ? system->GetMaterialMgr() : nullptr),
      _pool(std::make_unique<VertexBufferSet>(MaxBuffers, device))
{
    if (ResourceSystem* resources = system ? system->GetResourceSystem() : nullptr)
        resources->RegisterResMgr("sms", this);
    else
        InitDefaultResources(); // code-made meshes still need their proxy
}

MeshMgr::~MeshMgr()
{
    RemoveAllResources(true);
    if (GetMaster())
        GetMaster()->UnregisterResMgr(this);
}

Mesh* MeshMgr::FindMesh(const char* name) const
{
    IResource* resource = GetResource(name);
    return resource == INVALID_RES_HANDLE ? nullptr : static_cast<Mesh*>(resource);
}

Mesh* MeshMgr::CreateMeshFromFile(const char* path)
{
    ResourceSystem* resources = GetMaster();
    if (!resources || !path)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\" cannot be loaded: no resource system\n", path ? path : "");
        return _proxy;
    }
    IResource* resource = resources->LoadResource(path, this, 0, 0);
    if (resource == INVALID_RES_HANDLE)
        return _proxy;
    auto* mesh = static_cast<Mesh*>(resource);
    if (!mesh->IsInitialized())
        AssignMaterials(mesh);
    return mesh;
}

Mesh* MeshMgr::CreateMesh(const char* name, const MeshDesc& desc)
{
    std::string lowerName =
        name && *name ? ToLowerCase(name) : ToLowerCase(*Format("UnnamedMesh%.2d", _unnamedCount++));
    if (Mesh* existing = FindMesh(lowerName.c_str()))
        return existing;

    std::string error;
    MeshLayout layout;
    if (!ValidateMeshDesc(desc, error) || !LayoutMeshLods(desc, InstancingRules::From(_system), layout, error))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\" cannot be built: %s\n", lowerName.c_str(), error.c_str());
        return nullptr;
    }
    ResourceInfo info;
    info.location = LocationMadeInCode;
    info.size = static_cast<uint32_t>(uint64_t(desc.totalVertices) * VertexDecl::QueryFormatSize(desc.format) +
                                      uint64_t(desc.totalIndices) * 2 + sizeof(Mesh));
    info.SetName(lowerName.c_str());
    auto* mesh = new Mesh(info, desc, layout, SU_STATIC, _pool.get(), _device);
    if (!mesh->IsPlaced())
    {
        delete mesh;
        Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\" cannot be built: no room left for its geometry\n",
                                 lowerName.c_str());
        return nullptr;
    }
    AddResource(mesh);
    AssignMaterials(mesh);
    return mesh;
}

Mesh* MeshMgr::CreateBoxMesh(const char* name, const Bounds& bounds)
{
    if (Mesh* existing = name && *name ? FindMesh(name) : nullptr)
        return existing;
    Mesh* mesh = CreateMesh(name, MeshShapes::BoxDesc(bounds));
    if (!mesh)
        return _proxy;
    FillLod(mesh, 0, MeshShapes::BoxGeometry(bounds));
    return mesh;
}

Mesh* MeshMgr::CreateSphereMesh(const char* name, unsigned rings, unsigned segments, float radius, unsigned lods)
{
    if (Mesh* existing = name && *name ? FindMesh(name) : nullptr)
        return existing;
    MeshDesc desc;
    if (!MeshShapes::SphereDesc(rings, segments, radius, lods, desc))
    {
        Dumper::Instance().Print(DUMP_ERROR,
                                 "Sphere mesh \"%s\" of %u rings, %u segments and %u LODs cannot be built\n",
                                 name ? name : "", rings, segments, lods);
        return _proxy;
    }
    Mesh* mesh = CreateMesh(name, desc);
    if (!mesh)
        return _proxy;
    for (unsigned i = 0; i < lods; ++i)
        FillLod(mesh, i, MeshShapes::SphereGeometry(rings / (i + 1), segments / (i + 1), radius));
    return mesh;
}

Mesh* MeshMgr::CreatePatchMesh(const char* name)
{
    Dumper::Instance().Print(DUMP_WARNING, "Patch mesh \"%s\" cannot be built: patch meshes are not provided\n",
                             name ? name : "");
    return nullptr;
}

Mesh* MeshMgr::CreatePlaneMesh(const char* name)
{
    Dumper::Instance().Print(DUMP_WARNING, "Plane mesh \"%s\" cannot be built: plane meshes are not provided\n",
                             name ? name : "");
    return nullptr;
}

void MeshMgr::DestroyMesh(Mesh* mesh)
{
    // The proxy stands in for every failed load; it lives as long as the manager.
    if (!mesh || mesh == _proxy)
        return;
    RemoveResource(mesh);
}

void MeshMgr::Cleanup()
{
    // The meshes give their geometry back as they go, and buffers left empty are freed; the
    // built-in meshes keep theirs.
    _unnamedCount = 0;
    RemoveAllResources(false);
}

unsigned MeshMgr::GetBufferCount() const { return _pool->GetCount(); }

void* MeshMgr::OnQueryHeader(unsigned long& headerSize, const char* extension)
{
    // Only an ".sms" file is built from the buffer; anything else must not meet an old header.
    _headerRead = extension && strcasecmp(extension, "sms") == 0;
    if (!_headerRead)
    {
        headerSize = 0;
        return nullptr;
    }
    headerSize = sizeof(_header);
    return _header;
}

IResource* MeshMgr::OnCreateProxyResource(const ResourceInfo& info)
{
    if (!_proxy)
        return INVALID_RES_HANDLE;
    // Names the resource system cannot keep arrive empty: they share one stand-in.
    if (IResource* existing = GetResource(info.name); existing != INVALID_RES_HANDLE)
        return existing;
    // A copy of its own for each name, so every name is deleted once.
    auto* alias = new Mesh(*_proxy, info);
    AddResource(alias);
    return alias;
}

IResource* MeshMgr::Refuse(const ResourceInfo& info, const char* reason)
{
    Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\" is malformed: %s\n", info.name, reason);
    return INVALID_RES_HANDLE;
}

IResource* MeshMgr::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    if (!_headerRead)
        return Refuse(info, "it is not an .sms file");
    _headerRead = false;
    MeshDesc desc;
    MeshLayout layout;
    std::string error;
    if (!ReadMeshHeader(_header, sizeof(_header), desc, error) ||
        !LayoutMeshLods(desc, InstancingRules::From(_system), layout, error))
        return Refuse(info, error.c_str());

    uint64_t expected = 0;
    for (unsigned l = 0; l < desc.lodCount; ++l)
        expected += layout[l].FileBytes();
    if (expected > dataSize)
        return Refuse(info, Format("its header asks for %llu bytes of data, the file holds %lu",
                                   static_cast<unsigned long long>(expected), dataSize));
    std::vector<uint8_t> data(expected);
    if (expected && ReadNextChunk(0, data.data(), static_cast<unsigned long>(expected)) != expected)
        return Refuse(info, "the data cannot be read");

    // Vertices of every LOD, then indices of every LOD; each index must name a vertex of its LOD.
    size_t vertexOffset[MeshDesc::MaxLods] = {};
    size_t indexOffset[MeshDesc::MaxLods] = {};
    size_t offset = 0;
    for (unsigned l = 0; l < desc.lodCount; ++l)
    {
        vertexOffset[l] = offset;
        offset += layout[l].fileVertexCount * layout[l].fileVertexSize;
    }
    for (unsigned l = 0; l < desc.lodCount; ++l)
    {
        indexOffset[l] = offset;
        const uint64_t limit = layout[l].fileVertexCount;
        for (uint64_t n = 0; n < layout[l].fileIndexCount; ++n)
        {
            uint16_t index;
            std::memcpy(&index, data.data() + offset + n * 2, 2);
            if (index >= limit)
                return Refuse(info, Format("index %u of LOD %u names vertex %u of %llu", unsigned(n), l, index,
                                           static_cast<unsigned long long>(limit)));
        }
        offset += layout[l].fileIndexCount * 2;
    }

    auto* mesh = new Mesh(info, desc, layout, SU_STATIC, _pool.get(), _device);
    if (!mesh->IsPlaced())
    {
        delete mesh;
        Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\" cannot be loaded: no room is left for its geometry\n",
                                 info.name);
        return INVALID_RES_HANDLE;
    }
    for (unsigned l = 0; l < desc.lodCount; ++l)
    {
        const MeshLodLayout& lod = layout[l];
        const uint8_t* vertices = data.data() + vertexOffset[l];
        const uint8_t* indices = data.data() + indexOffset[l];
        if (lod.vertexCount)
        {
            auto* out = static_cast<uint8_t*>(mesh->LockVertices(l, Mesh::All));
            if (!out)
            {
                delete mesh;
                return Refuse(info, Format("LOD %u cannot be written to its buffer", l));
            }
            if (lod.batched)
                WriteInstancedVertices(out, vertices, desc.lods[l].vertexCount, lod.fileVertexSize, lod.instances);
            else
                std::memcpy(out, vertices, lod.fileVertexCount * lod.fileVertexSize);
            mesh->UnlockVertices(l);
        }
        if (lod.indexCount)
        {
            uint16_t* out = mesh->LockIndices(l, Mesh::All, Mesh::All);
            if (!out)
            {
                delete mesh;
                return Refuse(info, Format("LOD %u cannot be written to its buffer", l));
            }
            if (lod.batched)
                WriteInstancedIndices(out, indices, lod.fileIndexCount, desc.lods[l].vertexCount, lod.instances);
            else
                std::memcpy(out, indices, lod.fileIndexCount * 2);
            mesh->UnlockIndices(l);
        }
    }
    AddResource(mesh);
    return mesh;
}

void MeshMgr::InitDefaultResources() { _proxy = CreateSphereMesh("$proxy", 16, 16, 5.0f, 3); }

void MeshMgr::AssignMaterials(Mesh* mesh)
{
    if (_materialMgr)
    {
        for (unsigned i = 0; i < mesh->GetTotalMaterials(); ++i)
            mesh->SetDefaultMaterial(i, _materialMgr->CreateMaterialFromFile(mesh->GetMaterialName(i)));
    }
    mesh->_initialized = true;
}
