#pragma once

#include "MaterialSystem/VertexBufferSet.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "MaterialSystem/queue/BatchDesc.h"

#include <cstdint>
#include <vector>

class IRenderable;
class Material;
namespace gfx {
class Device;
}

// A render queue's entry: neither pointer is owned.
struct QueueEntry
{
    IRenderable* renderable = nullptr;
    Material* material = nullptr;
};

// Merges runs of a sorted queue into batches: neighbouring dynamic entries of one material
// and format share one stream and one draw; neighbouring instanced entries of one material
// and geometry are drawn as instances of one draw. Dynamic geometry of one vertex size goes
// into one shared buffer, locked once per fill.
class RenderBatcher
{
public:
    static constexpr unsigned InitialBatches = 512;
    static constexpr unsigned MaxStreams = 128;

    explicit RenderBatcher(gfx::Device* device);

    // Counts an enqueued renderable: its dynamic geometry is summed per vertex size.
    void Count(IRenderable* renderable);
    // Forgets the fill: the slots, the counts and the batches; dynamic buffers restart at
    // their next lock.
    void Reset();
    // Builds the batches of the entries in their order and writes their dynamic geometry.
    void Preprocess(const QueueEntry* entries, size_t count);

    unsigned GetBatchCount() const { return _batchCount; }
    const BatchDesc& GetBatch(unsigned index) const { return _batches[index]; }
    // Batches in entry order: the index of the first one starting at `entry` or later, and
    // the batch starting exactly at `entry` (null for none), advancing `cursor` past those
    // before it. The queue draws by these rather than by user data, which a renderable
    // queued twice carries for its latest queue only.
    unsigned FirstBatchFrom(size_t entry) const;
    BatchDesc* BatchStartingAt(size_t entry, unsigned& cursor);
    unsigned GetBatchableCount() const { return _batchable; }
    unsigned GetSlotCount() const { return static_cast<unsigned>(_slots.size()); }
    size_t GetBatchPoolSize() const { return _batches.size(); }

private:
    // Dynamic geometry of one vertex size, written through one builder.
    struct Slot
    {
        unsigned vertexSize = 0;
        uint32_t format = 0; // the first format seen; buffers are chosen by its size
        unsigned vertices = 0, indices = 0;
        VertexBuffer* buffer = nullptr;
        VertexIndexBuilder builder;
    };

    int FindSlot(uint32_t format) const;
    void ResetBatchPool();
    void LockSlots();
    void UnlockSlots();
    bool StartBatch(IRenderable* renderable, BatchDesc& batch);
    bool AppendBatch(IRenderable* renderable, BatchDesc& batch);
    void StopBatch();
    bool HasRoom(const Slot& slot, const RenderableDesc& desc);

    VertexBufferSet _streams;
    std::vector<Slot> _slots;
    std::vector<BatchDesc> _batches;
    unsigned _batchCount = 0;
    unsigned _batchable = 0;
    uint32_t _mode = BatchDesc::None;
    bool _overflowReported = false;
};
