#include "scene/nodes/NodeDesc.h"

#include "foundation/base/Dumper.h"

#include <cstring>

namespace {

// Room left in the name table for the names the game interns itself.
constexpr unsigned kNameReserve = 512;

} // namespace

unsigned NodeDesc::SizeOf(unsigned type)
{
    switch (type)
    {
    case NT_BONE:
    case NT_GROUP:
    case NT_MODEL:
    case NT_EMITTER:
    case NT_SOUNDBONE: return BoneSize;
    case NT_CAMERA: return CameraSize;
    case NT_RENDERMESH: return RenderMeshSize;
    case NT_PARTICLESET:
    case NT_PARTICLEEMITTER:
    case NT_LENSFLARE: return NodeSize;
    case NT_OMNI: return OmniSize;
    default: return 0;
    }
}

uint32_t NodeDesc::GetU32(unsigned offset) const
{
    if (offset + 4 > MaxSize)
        return 0;
    const uint8_t* b = _bytes + offset;
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void NodeDesc::SetU32(unsigned offset, uint32_t value)
{
    if (offset + 4 > MaxSize)
        return;
    for (unsigned i = 0; i < 4; ++i)
        _bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

float NodeDesc::GetFloat(unsigned offset) const
{
    const uint32_t bits = GetU32(offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void NodeDesc::SetFloat(unsigned offset, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    SetU32(offset, bits);
}

Vec3 NodeDesc::GetVec3(unsigned offset) const
{
    return Vec3(GetFloat(offset), GetFloat(offset + 4), GetFloat(offset + 8));
}

void NodeDesc::SetVec3(unsigned offset, const Vec3& value)
{
    SetFloat(offset, value.x);
    SetFloat(offset + 4, value.y);
    SetFloat(offset + 8, value.z);
}

Quaternion NodeDesc::GetQuaternion(unsigned offset) const
{
    return Quaternion(GetFloat(offset), GetFloat(offset + 4), GetFloat(offset + 8), GetFloat(offset + 12));
}

void NodeDesc::SetQuaternion(unsigned offset, const Quaternion& value)
{
    for (unsigned i = 0; i < 4; ++i)
        SetFloat(offset + 4 * i, value[int(i)]);
}

void NodeDesc::SetText(unsigned offset, const char* text)
{
    if (offset + TextSize > MaxSize)
        return;
    std::memset(_bytes + offset, 0, TextSize);
    if (text)
        std::strncpy(reinterpret_cast<char*>(_bytes + offset), text, TextSize - 1);
}

const char* NodeDesc::GetText(unsigned offset) const
{
    _text[0] = 0;
    if (offset + TextSize > MaxSize)
        return _text;
    std::memcpy(_text, _bytes + offset, TextSize - 1);
    _text[TextSize - 1] = 0;
    return _text;
}

Name NodeDesc::GetName(unsigned offset) const
{
    const char* text = GetText(offset);
    if (!*text)
        return Name();
    if (Name::GetHashSize() + kNameReserve >= Name::MaxNames)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Node name \"%s\" dropped: the name table is nearly full\n", text);
        return Name();
    }
    return Name(text);
}
