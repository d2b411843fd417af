#pragma once

#include "../RenderFixture.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "ResourceSystem/ResourceSystem.h"
#include "SmsWriter.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A material system with a resource system whose mesh root is a fresh folder of its own.
class MeshTest : public RenderTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    MeshMgr* Mgr() const { return _system->GetMeshMgr(); }
    void WriteMeshFile(const std::string& name, const std::vector<uint8_t>& bytes) const;
    // What the device holds of a LOD: its vertex bytes and its indices.
    std::vector<uint8_t> LodVertices(Mesh* mesh, unsigned lod) const;
    std::vector<uint16_t> LodIndices(Mesh* mesh, unsigned lod) const;

    std::unique_ptr<ResourceSystem> _resources;
    std::filesystem::path _root;
};

// A list mesh of one sub-mesh per LOD, LOD l holding prims[l] separate triangles whose
// vertex positions count up from 0 (so every vertex can be told apart).
SmsMesh TriangleMesh(const std::vector<uint32_t>& prims);
// Overwrites a 32-bit little-endian word of a file.
void Patch(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
