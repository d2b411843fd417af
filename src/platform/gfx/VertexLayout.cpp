#include "platform/gfx/VertexLayout.h"

#include "platform/gfx/Device.h"

#include <epoxy/gl.h>

namespace gfx {

int AttributeLocation(VertexUsage usage, unsigned usageIndex)
{
    switch (usage)
    {
    case VertexUsage::Position: return usageIndex == 0 ? 0 : -1;
    case VertexUsage::Color: return usageIndex < 2 ? 1 + static_cast<int>(usageIndex) : -1;
    case VertexUsage::Normal: return usageIndex == 0 ? 3 : -1;
    case VertexUsage::Tangent: return usageIndex == 0 ? 4 : -1;
    case VertexUsage::Binormal: return usageIndex == 0 ? 5 : -1;
    case VertexUsage::BlendWeight: return usageIndex == 0 ? 6 : -1;
    case VertexUsage::TexCoord: return usageIndex < kMaxTexCoordSets ? 7 + static_cast<int>(usageIndex) : -1;
    }
    return -1;
}

unsigned VertexTypeBytes(VertexType type)
{
    switch (type)
    {
    case VertexType::Float1: return 4;
    case VertexType::Float2: return 8;
    case VertexType::Float3: return 12;
    case VertexType::Float4: return 16;
    case VertexType::Color: return 4;
    }
    return 0;
}

std::unique_ptr<VertexLayout> VertexLayout::Create(Device& device, const std::vector<VertexElement>& elements)
{
    for (const VertexElement& e : elements)
    {
        if (AttributeLocation(e.usage, e.usageIndex) < 0)
            return nullptr;
    }
    GLuint vao = 0;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    for (const VertexElement& e : elements)
    {
        glEnableVertexAttribArray(AttributeLocation(e.usage, e.usageIndex));
    }
    glBindVertexArray(0);
    device.ForgetLayout(nullptr);
    return std::unique_ptr<VertexLayout>(new VertexLayout(device, elements, vao));
}

VertexLayout::VertexLayout(Device& device, std::vector<VertexElement> elements, unsigned vao)
    : _link(device), _elements(std::move(elements)), _vao(vao)
{}

VertexLayout::~VertexLayout()
{
    if (!_link.HasContext())
        return;
    if (Device* device = _link.GetDevice())
        device->ForgetLayout(this);
    GLuint vao = _vao;
    glDeleteVertexArrays(1, &vao);
}

} // namespace gfx
