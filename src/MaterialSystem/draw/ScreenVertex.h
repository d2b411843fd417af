#pragma once

#include <cstdint>
#include <memory>

namespace gfx {
class Buffer;
class Device;
class VertexLayout;
enum class PrimitiveType;
} // namespace gfx

// A pre-transformed screen vertex: pixel position, depth and reciprocal w, colour, one set
// of texture coordinates (28 bytes).
struct ScreenVertex
{
    float x, y, z, rhw;
    uint32_t color;
    float u, v;
};
static_assert(sizeof(ScreenVertex) == 28);

// A dynamic buffer of screen vertices that small draws append to (restarting with a discard
// when full), and the declaration that reads them.
class ScreenVertexStream
{
public:
    static constexpr unsigned Capacity = 6 * 1024;

    explicit ScreenVertexStream(gfx::Device& device);
    ~ScreenVertexStream();

    // Binds the declaration and the buffer for vertices laid out as ScreenVertex.
    void Bind(gfx::Buffer* buffer);
    // Copies `count` vertices (at most Capacity) in and draws them.
    void Draw(const ScreenVertex* vertices, unsigned count, gfx::PrimitiveType type, unsigned primitives);
    gfx::VertexLayout* GetLayout() const { return _layout.get(); }

private:
    gfx::Device& _device;
    std::unique_ptr<gfx::VertexLayout> _layout;
    std::unique_ptr<gfx::Buffer> _buffer;
    unsigned _cursor = 0;
};
