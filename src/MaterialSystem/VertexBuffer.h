#pragma once

#include "MaterialSystem/IDeviceResource.h"
#include "platform/gfx/Buffer.h"

#include <cstdint>
#include <memory>
#include <vector>

class VertexIndexBuilder;

enum eStreamUsage : uint32_t
{
    SU_STATIC = 0,    // filled once, kept through resets
    SU_DYNAMIC = 1,   // refilled every frame; released and recreated around a reset
    SU_STREAMED = 2,  // counted by the statistics; nothing creates one
    SU_SYSTEMMEM = 3, // kept through resets
};

// A vertex buffer and a 16-bit index buffer, each with a fill cursor. Producers lock a range
// into a VertexIndexBuilder and write through it; locks never reach past a buffer's end.
class VertexBuffer : public IDeviceResource
{
public:
    VertexBuffer(eStreamUsage usage, unsigned maxVertices, unsigned maxIndices, unsigned vertexSize,
                 gfx::Device* device);
    ~VertexBuffer() override;

    // Lock `count` elements at the cursor into the builder. Dynamic buffers restart with a
    // discard when a flush is pending or the room is short; otherwise they append without
    // waiting. False (with a logged error) when the lock does not fit.
    bool LockVertices(unsigned count, VertexIndexBuilder& builder);
    bool LockIndices(unsigned count, VertexIndexBuilder& builder);
    // Lock elements at `start` for rewriting; the cursor moves only past what reaches beyond it.
    bool ModifyVertices(unsigned start, unsigned count, VertexIndexBuilder& builder);
    bool ModifyIndices(unsigned start, unsigned count, VertexIndexBuilder& builder);
    void UnlockVertices(VertexIndexBuilder& builder);
    void UnlockIndices(VertexIndexBuilder& builder);
    // Restart the buffer: at once (discarding now) or at the next lock.
    void FlushVertices(bool now);
    void FlushIndices(bool now);

    void OnDeviceReset(gfx::Device* device) override;
    void OnDeviceRestore(gfx::Device* device) override;
    unsigned GetWastedMemory() override;

    eStreamUsage GetUsage() const { return _usage; }
    gfx::Buffer* GetVBHandle() const { return _vertices.buffer.get(); }
    gfx::Buffer* GetIBHandle() const { return _indices.buffer.get(); }
    unsigned GetVertexSize() const { return _vertexSize; }
    unsigned GetIndexSize() const { return 2; }
    unsigned GetTotalVertices() const { return _vertices.capacity; }
    unsigned GetTotalIndices() const { return _indices.capacity; }
    unsigned GetVertexPos() const { return _vertices.cursor; }
    unsigned GetIndexPos() const { return _indices.cursor; }
    unsigned FreeVertexRoom() const { return _vertices.capacity - _vertices.cursor; }
    unsigned FreeIndexRoom() const { return _indices.capacity - _indices.cursor; }
    bool HasEnoughVertexRoom(unsigned n) const { return _vertices.capacity >= _vertices.cursor + uint64_t(n); }
    bool HasEnoughIndexRoom(unsigned n) const { return _indices.capacity >= _indices.cursor + uint64_t(n); }

    // Ranges that their holders keep (meshes): taken from the ranges given back first, else at
    // the cursor; given back when the holder goes, so that the room is used again.
    bool HasRoomFor(unsigned vertices, unsigned indices) const;
    // False, taking nothing, when either range does not fit.
    bool Reserve(unsigned vertices, unsigned indices, unsigned& firstVertex, unsigned& firstIndex);
    void Release(unsigned firstVertex, unsigned vertices, unsigned firstIndex, unsigned indices);
    // Nothing reserved or written.
    bool IsUnused() const { return _vertices.cursor == 0 && _indices.cursor == 0; }

private:
    // One side (vertices or indices) of the pair.
    struct Stream
    {
        std::unique_ptr<gfx::Buffer> buffer;
        gfx::BufferType type;
        unsigned capacity = 0;
        unsigned stride = 0;
        unsigned cursor = 0;
        bool locked = false;
        unsigned lockedCount = 0;
        bool discardPending = false;
        struct Range
        {
            unsigned first, count;
        };
        std::vector<Range> given; // ranges below the cursor given back, in order, never touching

        bool CanPlace(unsigned n) const;
        unsigned Place(unsigned n); // CanPlace must hold
        void Give(unsigned first, unsigned n);
    };

    bool CreateStream(gfx::Device& device, Stream& stream);
    void* LockStream(Stream& stream, unsigned count);
    void* ModifyStream(Stream& stream, unsigned start, unsigned count);
    void UnlockStream(Stream& stream);
    void FlushStream(Stream& stream, bool now);

    eStreamUsage _usage;
    unsigned _vertexSize;
    Stream _vertices, _indices;
};
