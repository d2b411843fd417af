#pragma once

#include "MaterialSystem/meshes/Mesh.h"
#include "ResourceSystem/IResourceMgr.h"

#include <cstdint>
#include <memory>

class MaterialSystem;
class MaterialMgr;
class VertexBufferSet;
namespace gfx {
class Device;
}

// The manager of static meshes: ".sms" files and meshes built in code, packed into a pool of
// shared static buffers. A file that is missing or malformed yields the proxy sphere under
// the requested name, with a logged line naming the file and the fault.
class MeshMgr : public IResourceMgr
{
public:
    static constexpr unsigned MaxBuffers = 2048;

    MeshMgr(MaterialSystem* system, gfx::Device* device);
    ~MeshMgr() override;

    // The mesh of a file under the root, loaded once; its default materials come from the
    // names it stores.
    Mesh* CreateMeshFromFile(const char* path);
    // A mesh with reserved, unfilled geometry; a name in use returns that mesh. Null (and a
    // logged error) for a description the buffers cannot hold.
    Mesh* CreateMesh(const char* name, const MeshDesc& desc);
    Mesh* CreateBoxMesh(const char* name, const Bounds& bounds);
    Mesh* CreateSphereMesh(const char* name, unsigned rings, unsigned segments, float radius, unsigned lods);
    // Patches and planes are not built: both answer null.
    Mesh* CreatePatchMesh(const char* name);
    Mesh* CreatePlaneMesh(const char* name);
    void DestroyMesh(Mesh* mesh);
    // Drops every mesh but the built-in "$" ones, which keep their geometry; buffers left empty
    // are freed.
    void Cleanup();

    Mesh* GetProxyMesh() const { return _proxy; }
    // The shared buffers the meshes' geometry takes now.
    unsigned GetBufferCount() const;

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;
    void InitDefaultResources() override;

private:
    IResource* Refuse(const ResourceInfo& info, const char* reason);
    void AssignMaterials(Mesh* mesh);
    Mesh* FindMesh(const char* name) const;

    MaterialSystem* _system;
    gfx::Device* _device;
    MaterialMgr* _materialMgr = nullptr;
    unsigned _unnamedCount = 0;
    Mesh* _proxy = nullptr;
    uint8_t _header[MeshDesc::FileHeaderSize] = {};
    bool _headerRead = false; // the buffer holds the header of the file being built
    std::unique_ptr<VertexBufferSet> _pool;
};
