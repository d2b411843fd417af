#include "MaterialSystem/draw/ScreenVertex.h"

#include "platform/gfx/Buffer.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/VertexLayout.h"

#include <cstring>

ScreenVertexStream::ScreenVertexStream(gfx::Device& device) : _device(device)
{
    const std::vector<gfx::VertexElement> elements = {
        {0, gfx::VertexType::Float4, gfx::VertexUsage::Position, 0},
        {16, gfx::VertexType::Color, gfx::VertexUsage::Color, 0},
        {20, gfx::VertexType::Float2, gfx::VertexUsage::TexCoord, 0},
    };
    _layout = gfx::VertexLayout::Create(device, elements);
    _buffer = gfx::Buffer::Create(device, gfx::BufferType::Vertex, gfx::BufferUsage::Dynamic,
                                  Capacity * sizeof(ScreenVertex));
}

ScreenVertexStream::~ScreenVertexStream() = default;

void ScreenVertexStream::Bind(gfx::Buffer* buffer)
{
    _device.SetVertexLayout(_layout.get());
    _device.SetStreamSource(buffer, 0, sizeof(ScreenVertex));
}

void ScreenVertexStream::Draw(const ScreenVertex* vertices, unsigned count, gfx::PrimitiveType type,
                              unsigned primitives)
{
    if (!_buffer || !_layout || count == 0 || count > Capacity)
        return;
    unsigned flags = gfx::LockNoOverwrite;
    if (_cursor + count > Capacity)
    {
        _cursor = 0;
        flags = gfx::LockDiscard;
    }
    void* data = _buffer->Lock(_cursor * sizeof(ScreenVertex), count * sizeof(ScreenVertex), flags);
    if (!data)
        return;
    std::memcpy(data, vertices, count * sizeof(ScreenVertex));
    _buffer->Unlock();
    Bind(_buffer.get());
    _device.DrawPrimitive(type, _cursor, primitives);
    _cursor += count;
}
