#pragma once

#include "MaterialSystem/queue/RenderBatcher.h"
#include "MaterialSystem/queue/SortKey.h"
#include "MaterialSystem/shaders/ShaderParamsInstance.h"
#include "platform/gfx/GfxTypes.h"

#include <cstdint>
#include <vector>

class IRenderable;
class Material;
class MaterialSystem;
class ShaderParamsGlobal;
namespace gfx {
class Device;
class VertexLayout;
} // namespace gfx

// Walks the entries of a queue: compare, advance, dereference.
class RenderQueueIterator
{
public:
    explicit RenderQueueIterator(QueueEntry* entry) : _entry(entry) {}
    bool operator!=(const RenderQueueIterator& other) const { return _entry != other._entry; }
    RenderQueueIterator& operator+=(size_t n)
    {
        _entry += n;
        return *this;
    }
    RenderQueueIterator& operator++() { return *this += 1; }
    QueueEntry& operator*() const { return *_entry; }
    QueueEntry* operator->() const { return _entry; }

private:
    QueueEntry* _entry;
};

// The primitives of one render pass as (renderable, material) pairs: sorted by one of the
// orders of eSortOptions, merged into batches, and drawn with as few shader, declaration and
// stream changes as possible. Per frame: FlushContent, EnqueuePrim..., SortPrims,
// PreprocessPrims, RenderPrims. Made and destroyed by the material system.
class RenderQueue
{
public:
    static constexpr unsigned BlockEntries = 1024;

    // One indexed draw as the queue issued it (for checks of the queue's work).
    struct DrawCall
    {
        gfx::PrimitiveType type;
        int baseVertex;
        unsigned startIndex;
        unsigned primitives; // primitives per instance
        unsigned instances;
        const VertexBuffer* buffer;
        gfx::CullMode cull;
        Material* material;
    };

    RenderQueue(const RenderQueue&) = delete;
    RenderQueue& operator=(const RenderQueue&) = delete;

    // Null renderables or materials are refused with a logged error.
    void EnqueuePrim(IRenderable* renderable, Material* material);
    void FlushContent();
    // A word without any order bit is a fatal error.
    void SortPrims(uint32_t options);
    // The sort of SortPrims on any entries; `keys` is scratch room kept between calls.
    static void SortEntries(QueueEntry* entries, size_t count, std::vector<SortKey>& keys, uint32_t options);
    void PreprocessPrims();
    void RenderPrims(ShaderParamsGlobal* global);
    void RenderSinglePrim(IRenderable* renderable, Material* material, ShaderParamsGlobal* global);

    bool IsEmpty() const { return _entries.empty(); }
    size_t GetCount() const { return _entries.size(); }
    size_t GetCapacity() const { return _entries.capacity(); }
    RenderQueueIterator Begin() { return RenderQueueIterator(_entries.data()); }
    RenderQueueIterator End() { return RenderQueueIterator(_entries.data() + _entries.size()); }
    const RenderBatcher& GetBatcher() const { return _batcher; }
    // Every draw from now on is also appended to `calls` (null: stop recording).
    void SetDrawRecorder(std::vector<DrawCall>* calls) { _recorder = calls; }

private:
    friend class MaterialSystem;
    RenderQueue(MaterialSystem* system, gfx::Device* device);
    ~RenderQueue();

    void ReallocQueue();
    void AdjustCullMode(IRenderable* renderable, Material* material);
    void PerformSingleDIP(const RenderableDesc& desc, StreamBinding& binding, Material* material);
    unsigned DetermineShaderFlags() const;

    MaterialSystem* _system;
    gfx::Device* _device;
    gfx::VertexLayout* _lastDeclaration = nullptr;
    const VertexBuffer* _lastBuffer = nullptr;
    gfx::CullMode _cull = gfx::CullMode::Ccw;
    std::vector<QueueEntry> _entries;
    std::vector<SortKey> _keys;
    RenderBatcher _batcher;
    ShaderParamsBatch _batchParams;
    std::vector<DrawCall>* _recorder = nullptr;
};
