#include "SmsWriter.h"

#include "ContentFile.h"
#include "foundation/base/BinaryWriter.h"

namespace {

void WriteVec3(BinaryWriter& out, const Vec3& v)
{
    out.Write(v.x);
    out.Write(v.y);
    out.Write(v.z);
}

} // namespace

void FinishSmsMesh(SmsMesh& mesh)
{
    MeshDesc& desc = mesh.desc;
    desc.lodCount = static_cast<uint32_t>(mesh.lods.size());
    desc.totalVertices = desc.totalIndices = 0;
    for (size_t l = 0; l < mesh.lods.size() && l < MeshDesc::MaxLods; ++l)
    {
        desc.lods[l].vertexCount = static_cast<uint32_t>(mesh.lods[l].vertices.size());
        desc.totalVertices += desc.lods[l].vertexCount;
        desc.totalIndices += static_cast<uint32_t>(mesh.lods[l].indices.size());
    }
}

std::vector<uint8_t> WriteSms(const SmsMesh& mesh)
{
    const MeshDesc& desc = mesh.desc;
    BinaryWriter out;
    out.Write(SmsMagic);
    out.Write(SmsVersion);
    out.Write(desc.radius);
    WriteVec3(out, desc.bounds.min);
    WriteVec3(out, desc.bounds.max);
    out.Write(desc.format);
    out.Write(desc.totalVertices);
    out.Write(desc.totalIndices);
    out.Write(desc.materialCount);
    out.Write(desc.lodCount);
    out.Write(desc.strip);
    for (const auto& name : desc.materials)
        out.WriteBytes(name, MeshDesc::NameSize);
    for (const MeshLodDesc& lod : desc.lods)
    {
        out.Write(lod.vertexCount);
        out.Write(lod.subMeshCount);
        for (uint32_t count : lod.primCounts)
            out.Write(count);
    }
    for (const SmsLod& lod : mesh.lods)
    {
        for (const MeshVertex& v : lod.vertices)
        {
            for (float f : v.position)
                out.Write(f);
            for (float f : v.normal)
                out.Write(f);
            for (float f : v.uv)
                out.Write(f);
        }
    }
    for (const SmsLod& lod : mesh.lods)
        for (uint16_t index : lod.indices)
            out.Write(index);
    return out.Data();
}

bool SaveSms(const std::string& path, const SmsMesh& mesh) { return WriteContentFile(path, WriteSms(mesh)); }
