#include "ModWriter.h"

#include "foundation/base/BinaryWriter.h"
#include "scene/nodes/NodeDesc.h"

namespace {

// The description size of a record's type; types the engine does not read keep the node part.
unsigned DescSize(unsigned type)
{
    const unsigned size = NodeDesc::SizeOf(type);
    return size ? size : NodeDesc::NodeSize;
}

void WriteRecord(BinaryWriter& out, const ModRecord& record, uint32_t& id)
{
    NodeDesc desc;
    const unsigned size = DescSize(record.type);
    desc.SetSize(size);
    desc.SetU32(NodeDesc::Enabled, record.enabled ? 1 : 0);
    desc.SetText(NodeDesc::NameField, record.name.c_str());
    desc.SetU32(NodeDesc::ChildCount, static_cast<uint32_t>(record.children.size()));
    if (size == NodeDesc::BoneSize || size == NodeDesc::CameraSize)
    {
        desc.SetVec3(NodeDesc::Position, record.position);
        desc.SetVec3(NodeDesc::Scale, record.scale);
        desc.SetQuaternion(NodeDesc::Orientation, record.orientation);
    }
    if (size == NodeDesc::CameraSize)
    {
        desc.SetU32(NodeDesc::CameraMode, record.cameraMode);
        desc.SetFloat(NodeDesc::Fov, record.fov);
        desc.SetFloat(NodeDesc::Aspect, record.aspect);
        desc.SetFloat(NodeDesc::NearClip, record.nearClip);
        desc.SetFloat(NodeDesc::FarClip, record.farClip);
        for (unsigned i = 0; i < 4; ++i)
            desc.SetFloat(NodeDesc::Viewport + 4 * i, record.viewport[i]);
    }
    if (size == NodeDesc::RenderMeshSize)
        desc.SetText(NodeDesc::MeshName, record.mesh.c_str());
    if (size == NodeDesc::OmniSize)
    {
        desc.SetFloat(NodeDesc::OmniRange, record.range);
        desc.SetFloat(NodeDesc::OmniIntensity, record.intensity);
        desc.SetU32(NodeDesc::OmniAttenuation, record.attenuation);
        desc.SetU32(NodeDesc::OmniDiffuse, record.diffuse);
        desc.SetU32(NodeDesc::OmniSpecular, record.specular);
    }
    out.Write(static_cast<uint32_t>(record.type));
    out.Write(id++);
    out.WriteBytes(desc.Data(), size);
    for (const ModRecord& child : record.children)
        WriteRecord(out, child, id);
}

} // namespace

std::vector<uint8_t> WriteMod(const std::vector<ModRecord>& topLevel)
{
    BinaryWriter out;
    out.Write(ModMagic);
    out.Write(ModVersion);
    uint32_t id = 0;
    for (const ModRecord& record : topLevel)
        WriteRecord(out, record, id);
    return out.Data();
}

ModRecord NodeRecord(unsigned type, const std::string& name, const Vec3& position)
{
    ModRecord record;
    record.type = type;
    record.name = name;
    record.position = position;
    return record;
}
