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
    // counts (static buffers count the ranges given back); else a new one of at least
    // MinVertices and MinIndices. Null, with a logged error, when the pool is full.
    VertexBuffer* QuerySuitableBuffer(eStreamUsage usage, uint32_t format, unsigned vertices, unsigned indices);
    // Gives a reserved range back to its buffer and frees the buffer once nothing is left in it.
    void Release(VertexBuffer* buffer, unsigned firstVertex, unsigned vertices, unsigned firstIndex, unsigned indices);
    void FlushAll(eStreamUsage usage, bool now);
    void DestroyAll();

    unsigned GetCount() const { return static_cast<unsigned>(_streams.size()); }

private:
    gfx::Device* _device;
    unsigned _maxStreams;
    std::vector<std::unique_ptr<VertexBuffer>> _streams;
};
