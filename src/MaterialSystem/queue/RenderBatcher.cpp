#include "MaterialSystem/queue/RenderBatcher.h"

#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/shaders/ShaderParamsInstance.h"
#include "foundation/base/Dumper.h"

#include <algorithm>

RenderBatcher::RenderBatcher(gfx::Device* device) : _streams(MaxStreams, device), _batches(InitialBatches) {}

// Slots are kept per vertex size rather than per format, and there are as many as the
// frame needs: formats of one size share a buffer (which cannot be locked twice), and no
// dynamic renderable is ever left without a stream.
int RenderBatcher::FindSlot(uint32_t format) const
{
    const unsigned size = VertexDecl::QueryFormatSize(format);
    for (size_t i = 0; i < _slots.size(); ++i)
    {
        if (_slots[i].vertexSize == size)
            return static_cast<int>(i);
    }
    return -1;
}

void RenderBatcher::Count(IRenderable* renderable)
{
    if (renderable->IsDynamic())
    {
        const RenderableDesc& desc = renderable->GetDescription();
        int slot = FindSlot(desc.format);
        if (slot < 0)
        {
            _slots.emplace_back();
            _slots.back().vertexSize = VertexDecl::QueryFormatSize(desc.format);
            _slots.back().format = desc.format;
            slot = static_cast<int>(_slots.size()) - 1;
        }
        _slots[slot].vertices += desc.GetVertexCount();
        _slots[slot].indices += desc.GetIndexCount();
        ++_batchable;
    }
    else if (renderable->IsInstanced())
    {
        ++_batchable;
    }
    renderable->SetUserdata(nullptr);
}

void RenderBatcher::Reset()
{
    _batchCount = 0;
    _batchable = 0;
    _mode = BatchDesc::None;
    _slots.clear();
    _overflowReported = false;
    _streams.FlushAll(SU_DYNAMIC, false);
}

void RenderBatcher::ResetBatchPool()
{
    _batchCount = 0;
    _mode = BatchDesc::None;
    if (_batchable > _batches.size())
        _batches.assign(_batchable, BatchDesc());
}

void RenderBatcher::LockSlots()
{
    for (Slot& slot : _slots)
    {
        slot.buffer = _streams.QuerySuitableBuffer(SU_DYNAMIC, slot.format, slot.vertices, slot.indices);
        if (!slot.buffer)
            continue;
        slot.buffer->FlushVertices(false);
        slot.buffer->FlushIndices(false);
        if (slot.buffer->FreeVertexRoom() > 1)
            slot.buffer->LockVertices(slot.buffer->FreeVertexRoom() - 1, slot.builder);
        if (slot.buffer->FreeIndexRoom() > 1)
            slot.buffer->LockIndices(slot.buffer->FreeIndexRoom() - 1, slot.builder);
    }
}

void RenderBatcher::UnlockSlots()
{
    for (Slot& slot : _slots)
    {
        if (!slot.buffer)
            continue;
        slot.buffer->UnlockVertices(slot.builder);
        slot.buffer->UnlockIndices(slot.builder);
    }
}

void RenderBatcher::Preprocess(const QueueEntry* entries, size_t count)
{
    if (count == 0)
        return;
    ResetBatchPool();
    LockSlots();
    BatchDesc* open = nullptr;
    for (size_t i = 0; i < count; ++i)
    {
        IRenderable* renderable = entries[i].renderable;
        if (open)
        {
            if ((_mode == BatchDesc::Dynamic && !renderable->IsDynamic()) ||
                (_mode == BatchDesc::Instanced && !renderable->IsInstanced()))
            {
                StopBatch();
                open = nullptr;
            }
        }
        if (open && entries[i].material == entries[i - 1].material && AppendBatch(renderable, *open))
            continue;
        if (open)
            StopBatch();
        // Every batch starts with a batchable entry, so the pool sized to their count is enough.
        open = nullptr;
        if (_batchCount < _batches.size() && StartBatch(renderable, _batches[_batchCount]))
        {
            open = &_batches[_batchCount];
            open->first = i;
        }
    }
    if (open)
        StopBatch();
    UnlockSlots();
}

// Locks leave the last element of a buffer free, and builders clamp what they are given:
// geometry that does not fit is refused rather than drawn with counts it does not have.
bool RenderBatcher::HasRoom(const Slot& slot, const RenderableDesc& desc)
{
    if (!slot.buffer || !slot.builder.GetBaseVertex() || !slot.builder.GetBaseIndex())
        return false;
    const uint64_t vertexEnd = slot.buffer->GetTotalVertices() - 1;
    const uint64_t indexEnd = slot.buffer->GetTotalIndices() - 1;
    // 16-bit indices address the first 65,536 vertices of the buffer only.
    const uint64_t vertices = uint64_t(slot.builder.GetVertexPos()) + desc.GetVertexCount();
    const uint64_t indices = uint64_t(slot.builder.GetIndexPos()) + desc.GetIndexCount();
    if (vertices <= vertexEnd && vertices <= 65536 && indices <= indexEnd)
        return true;
    if (!_overflowReported)
    {
        Dumper::Instance().Print(DUMP_ERROR,
                                 "RenderQueue: dynamic geometry of vertex size %u overflows its stream; "
                                 "the rest of it is not drawn this frame\n",
                                 slot.vertexSize);
        _overflowReported = true;
    }
    return false;
}

bool RenderBatcher::StartBatch(IRenderable* renderable, BatchDesc& batch)
{
    const RenderableDesc& desc = renderable->GetDescription();
    if (renderable->IsDynamic())
    {
        const int slot = FindSlot(desc.format);
        if (slot < 0)
            return false;
        Slot& s = _slots[slot];
        if (!HasRoom(s, desc))
            return false;
        batch = BatchDesc();
        batch.mode = BatchDesc::Dynamic;
        batch.slot = static_cast<unsigned>(slot);
        batch.desc = desc;
        batch.desc.instances = 1;
        batch.binding.baseVertex = 0;
        batch.binding.startIndex = s.builder.GetIndexPos();
        batch.binding.minVertexIndex = s.builder.GetVertexPos();
        batch.binding.buffer = s.buffer;
        renderable->BatchBuild(s.builder);
    }
    else if (renderable->IsInstanced())
    {
        batch = BatchDesc();
        batch.mode = BatchDesc::Instanced;
        batch.desc = desc;
        batch.binding = renderable->GetStreamBinding();
    }
    else
    {
        return false;
    }
    _mode = batch.mode;
    renderable->SetUserdata(&batch);
    return true;
}

bool RenderBatcher::AppendBatch(IRenderable* renderable, BatchDesc& batch)
{
    const RenderableDesc& desc = renderable->GetDescription();
    if (desc.format != batch.desc.format || desc.primType != batch.desc.primType)
        return false;
    if (batch.mode == BatchDesc::Instanced)
    {
        const StreamBinding& binding = renderable->GetStreamBinding();
        // A batch never holds more matrices than the instance array takes.
        const unsigned limit = std::min<unsigned>(batch.desc.instances, ShaderParamsBatch::MaxInstances);
        if (batch.appended + 1 >= limit || binding.baseVertex != batch.binding.baseVertex ||
            binding.startIndex != batch.binding.startIndex || binding.buffer != batch.binding.buffer)
        {
            return false;
        }
        ++batch.appended;
        return true;
    }
    if (!HasRoom(_slots[batch.slot], desc))
        return false;
    ++batch.appended;
    renderable->BatchBuild(_slots[batch.slot].builder);
    batch.desc.vertexCount += desc.vertexCount;
    batch.desc.primCount += desc.primCount;
    return true;
}

unsigned RenderBatcher::FirstBatchFrom(size_t entry) const
{
    const auto end = _batches.begin() + _batchCount;
    const auto found = std::lower_bound(_batches.begin(), end, entry,
                                        [](const BatchDesc& batch, size_t e) { return batch.first < e; });
    return static_cast<unsigned>(found - _batches.begin());
}

BatchDesc* RenderBatcher::BatchStartingAt(size_t entry, unsigned& cursor)
{
    while (cursor < _batchCount && _batches[cursor].first < entry)
        ++cursor;
    return cursor < _batchCount && _batches[cursor].first == entry ? &_batches[cursor] : nullptr;
}

void RenderBatcher::StopBatch()
{
    ++_batchCount;
    _mode = BatchDesc::None;
}
