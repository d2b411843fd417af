#pragma once

#include "platform/gfx/DeviceLink.h"
#include "platform/gfx/GfxTypes.h"

#include <memory>
#include <vector>

namespace gfx {

class Device;

// What a vertex element means. Each meaning has a fixed attribute location, so a shader
// reads it with `layout(location = GFX_LOC_...)` whatever buffer feeds it.
enum class VertexUsage
{
    Position,
    Color,
    Normal,
    Tangent,
    Binormal,
    BlendWeight,
    TexCoord
};

enum class VertexType
{
    Float1,
    Float2,
    Float3,
    Float4,
    Color /* 32-bit ARGB word, read as normalised rgba */
};

struct VertexElement
{
    unsigned offset = 0;
    VertexType type = VertexType::Float3;
    VertexUsage usage = VertexUsage::Position;
    unsigned usageIndex = 0;
};

constexpr unsigned kMaxVertexAttributes = 16;
constexpr unsigned kMaxTexCoordSets = 8;

// The attribute location of a meaning: position 0, colours 1-2, normal 3, tangent 4,
// binormal 5, blend weights 6, texture coordinates 7-14. -1 for an index outside these.
int AttributeLocation(VertexUsage usage, unsigned usageIndex);
unsigned VertexTypeBytes(VertexType type);

// A vertex declaration: the element list and the vertex array that reads it.
class VertexLayout
{
public:
    // Null when an element has no attribute location.
    static std::unique_ptr<VertexLayout> Create(Device& device, const std::vector<VertexElement>& elements);
    ~VertexLayout();
    VertexLayout(const VertexLayout&) = delete;
    VertexLayout& operator=(const VertexLayout&) = delete;

    const std::vector<VertexElement>& GetElements() const { return _elements; }

private:
    friend class Device;
    VertexLayout(Device& device, std::vector<VertexElement> elements, unsigned vao);

    DeviceLink _link;
    std::vector<VertexElement> _elements;
    unsigned _vao;
    // What the vertex array's attribute pointers were last pointed at.
    unsigned _boundBuffer = 0;
    unsigned _boundOffset = 0;
    unsigned _boundStride = 0;
    unsigned _boundIndices = 0;
};

} // namespace gfx
