#pragma once

#include "platform/gfx/VertexLayout.h"

#include <cstdint>
#include <map>
#include <memory>

namespace gfx {
class Device;
}

// Vertex-format word bits: elements appear in the vertex in this order, packed.
enum eVertexFormat : uint32_t
{
    VF_POSITION = 0x01,      // float3
    VF_COLOR0 = 0x02,        // 32-bit ARGB
    VF_COLOR1 = 0x04,        // 32-bit ARGB
    VF_NORMAL = 0x08,        // float3
    VF_TANGENT = 0x10,       // float3
    VF_BINORMAL = 0x20,      // float3
    VF_PACKED_FRAME = 0x40,  // normal, tangent, binormal as three ARGB words; replaces the three above
    VF_INSTANCE = 0x80,      // float1 instance index, read as the texture coordinate after the last set
    VF_WEIGHTS_MASK = 0x700, // bits 8-10: blend weights 1-4
    VF_WEIGHTS_SHIFT = 8,
    VF_TEXCOORDS_MASK = 0x7000, // bits 12-14: sets of float2 texture coordinates
    VF_TEXCOORDS_SHIFT = 12,
};

// Turns vertex-format words into vertex declarations and keeps one declaration per word.
class VertexDecl
{
public:
    static constexpr unsigned MaxElements = 15;

    VertexDecl() = delete;

    // Writes the element list (at most MaxElements) and returns how many were written.
    static unsigned ComputeVertexDesc(uint32_t format, gfx::VertexElement* out);
    static unsigned QueryFormatSize(uint32_t format);
    // The cached declaration of the word, made on the device on first use.
    static gfx::VertexLayout* QueryFormatDecl(uint32_t format, gfx::Device* device);
    static void ReleaseAll();

private:
    static std::map<uint32_t, std::unique_ptr<gfx::VertexLayout>> _declarations;
};
