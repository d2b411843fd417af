#include "MaterialSystem/VertexDecl.h"

#include "foundation/base/Assert.h"

#include <algorithm>

std::map<uint32_t, std::unique_ptr<gfx::VertexLayout>> VertexDecl::_declarations;

namespace {

// Weight counts above 4 have no element type; they are read as 4.
unsigned WeightCount(uint32_t format) { return std::min((format & VF_WEIGHTS_MASK) >> VF_WEIGHTS_SHIFT, 4u); }

unsigned TexCoordCount(uint32_t format) { return (format & VF_TEXCOORDS_MASK) >> VF_TEXCOORDS_SHIFT; }

} // namespace

unsigned VertexDecl::ComputeVertexDesc(uint32_t format, gfx::VertexElement* out)
{
    using gfx::VertexType;
    using gfx::VertexUsage;
    unsigned count = 0, offset = 0;
    auto add = [&](VertexType type, VertexUsage usage, unsigned index) {
        out[count++] = gfx::VertexElement{offset, type, usage, index};
        offset += gfx::VertexTypeBytes(type);
    };
    if (format & VF_POSITION)
        add(VertexType::Float3, VertexUsage::Position, 0);
    if (format & VF_COLOR0)
        add(VertexType::Color, VertexUsage::Color, 0);
    if (format & VF_COLOR1)
        add(VertexType::Color, VertexUsage::Color, 1);
    if (format & VF_PACKED_FRAME)
    {
        add(VertexType::Color, VertexUsage::Normal, 0);
        add(VertexType::Color, VertexUsage::Tangent, 0);
        add(VertexType::Color, VertexUsage::Binormal, 0);
    }
    else
    {
        if (format & VF_NORMAL)
            add(VertexType::Float3, VertexUsage::Normal, 0);
        if (format & VF_TANGENT)
            add(VertexType::Float3, VertexUsage::Tangent, 0);
        if (format & VF_BINORMAL)
            add(VertexType::Float3, VertexUsage::Binormal, 0);
    }
    if (const unsigned weights = WeightCount(format))
    {
        add(static_cast<VertexType>(static_cast<unsigned>(VertexType::Float1) + weights - 1), VertexUsage::BlendWeight,
            0);
    }
    const unsigned sets = TexCoordCount(format);
    for (unsigned i = 0; i < sets; ++i)
        add(VertexType::Float2, VertexUsage::TexCoord, i);
    if (format & VF_INSTANCE)
        add(VertexType::Float1, VertexUsage::TexCoord, sets);
    return count;
}

unsigned VertexDecl::QueryFormatSize(uint32_t format)
{
    unsigned size = 0;
    if (format & VF_POSITION)
        size += 12;
    if (format & VF_COLOR0)
        size += 4;
    if (format & VF_COLOR1)
        size += 4;
    if (format & VF_INSTANCE)
        size += 4;
    if (format & VF_PACKED_FRAME)
    {
        size += 12;
    }
    else
    {
        if (format & VF_NORMAL)
            size += 12;
        if (format & VF_TANGENT)
            size += 12;
        if (format & VF_BINORMAL)
            size += 12;
    }
    return size + 4 * WeightCount(format) + 8 * TexCoordCount(format);
}

gfx::VertexLayout* VertexDecl::QueryFormatDecl(uint32_t format, gfx::Device* device)
{
    auto found = _declarations.find(format);
    if (found != _declarations.end())
        return found->second.get();
    gfx::VertexElement elements[MaxElements];
    const unsigned count = ComputeVertexDesc(format, elements);
    std::unique_ptr<gfx::VertexLayout> layout;
    if (device)
        layout = gfx::VertexLayout::Create(*device, {elements, elements + count});
    if (!layout)
    {
        ExecRuntimeAssert("hr == D3D_OK", nullptr, __FILE__, __LINE__, "Unable to create ID3DVertexDecl object");
    }
    return _declarations.emplace(format, std::move(layout)).first->second.get();
}

void VertexDecl::ReleaseAll() { _declarations.clear(); }
