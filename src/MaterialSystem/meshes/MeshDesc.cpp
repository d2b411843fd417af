#include "MaterialSystem/meshes/MeshDesc.h"

#include "MaterialSystem/VertexDecl.h"
#include "foundation/base/BinaryReader.h"
#include "foundation/base/Format.h"

#include <cstring>

namespace {

constexpr uint32_t KnownFormatBits = VF_POSITION | VF_COLOR0 | VF_COLOR1 | VF_NORMAL | VF_TANGENT | VF_BINORMAL |
                                     VF_PACKED_FRAME | VF_INSTANCE | VF_WEIGHTS_MASK | VF_TEXCOORDS_MASK;

bool ReadVec3(BinaryReader& reader, Vec3& v) { return reader.Read(v.x) && reader.Read(v.y) && reader.Read(v.z); }

} // namespace

void MeshDesc::SetMaterialName(unsigned index, const char* name)
{
    if (index >= MaxMaterials)
        return;
    std::memset(materials[index], 0, NameSize);
    if (name)
        std::strncpy(materials[index], name, NameSize - 1);
}

bool ValidateMeshDesc(const MeshDesc& desc, std::string& error)
{
    if (!(desc.format & VF_POSITION) || (desc.format & ~KnownFormatBits))
    {
        error = Format("unsupported vertex format 0x%x", desc.format);
        return false;
    }
    if (desc.lodCount < 1 || desc.lodCount > MeshDesc::MaxLods)
    {
        error = Format("%u LODs (1 to %u allowed)", desc.lodCount, MeshDesc::MaxLods);
        return false;
    }
    if (desc.materialCount > MeshDesc::MaxMaterials)
    {
        error = Format("%u materials (at most %u allowed)", desc.materialCount, MeshDesc::MaxMaterials);
        return false;
    }
    for (unsigned i = 0; i < desc.materialCount; ++i)
    {
        if (!std::memchr(desc.materials[i], 0, MeshDesc::NameSize))
        {
            error = Format("material name %u is not terminated within %u bytes", i, MeshDesc::NameSize);
            return false;
        }
    }
    for (unsigned l = 0; l < desc.lodCount; ++l)
    {
        const MeshLodDesc& lod = desc.lods[l];
        if (lod.subMeshCount < 1 || lod.subMeshCount > MeshDesc::MaxMaterials)
        {
            error = Format("LOD %u has %u sub-meshes (1 to %u allowed)", l, lod.subMeshCount, MeshDesc::MaxMaterials);
            return false;
        }
        // Sub-mesh i draws with material i.
        if (lod.subMeshCount > desc.materialCount)
        {
            error = Format("LOD %u has %u sub-meshes but the mesh only %u materials", l, lod.subMeshCount,
                           desc.materialCount);
            return false;
        }
    }
    return true;
}

bool ReadMeshHeader(const void* header, size_t size, MeshDesc& out, std::string& error)
{
    BinaryReader reader(header, size, "mesh header");
    out = MeshDesc();
    reader.Skip(8);
    reader.Read(out.radius);
    ReadVec3(reader, out.bounds.min);
    ReadVec3(reader, out.bounds.max);
    reader.Read(out.format);
    reader.Read(out.totalVertices);
    reader.Read(out.totalIndices);
    reader.Read(out.materialCount);
    reader.Read(out.lodCount);
    reader.Read(out.strip);
    for (auto& name : out.materials)
        reader.ReadBytes(name, MeshDesc::NameSize);
    for (MeshLodDesc& lod : out.lods)
    {
        reader.Read(lod.vertexCount);
        reader.Read(lod.subMeshCount);
        for (uint32_t& count : lod.primCounts)
            reader.Read(count);
    }
    if (reader.Failed())
    {
        error = reader.Error();
        return false;
    }
    return ValidateMeshDesc(out, error);
}
