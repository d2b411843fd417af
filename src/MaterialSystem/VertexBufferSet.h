#pragma once

#include "MaterialSystem/VertexBuffer.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gfx {
class Device;
}

// A bounded pool of shared buffers, handed out by usage, vertex size and free room.
class VertexBufferSet
{
public:
    static constexpr unsigned MinVertices = 32768;
    static constexpr unsigned MinIndices = 65536;

    VertexBufferSet(unsigned maxStreams, gfx::Device* device);
    ~VertexBufferSet();

    // The first pooled buffer of the usage and the format's vertex size with room for both
    // counts; else a new one of at least MinVertices and MinIndices. A full pool is fatal.
    VertexBuffer* QuerySuitableBuffer(eStreamUsage usage, uint32_t format, unsigned vertices, unsigned indices);
    void FlushAll(eStreamUsage usage, bool now);
    void DestroyAll();

    unsigned GetCount() const { return static_cast<unsigned>(_streams.size()); }

private:
    gfx::Device* _device;
    unsigned _maxStreams;
    std::vector<std::unique_ptr<VertexBuffer>> _streams;
};
