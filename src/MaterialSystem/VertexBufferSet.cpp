#include "MaterialSystem/VertexBufferSet.h"

#include "MaterialSystem/VertexDecl.h"
#include "foundation/base/Dumper.h"

#include <algorithm>

VertexBufferSet::VertexBufferSet(unsigned maxStreams, gfx::Device* device) : _device(device), _maxStreams(maxStreams)
{
    _streams.reserve(maxStreams);
}

VertexBufferSet::~VertexBufferSet() = default;

VertexBuffer* VertexBufferSet::QuerySuitableBuffer(eStreamUsage usage, uint32_t format, unsigned vertices,
                                                   unsigned indices)
{
    const unsigned vertexSize = VertexDecl::QueryFormatSize(format);
    for (const auto& stream : _streams)
    {
        if (stream->GetUsage() != usage || stream->GetVertexSize() != vertexSize)
            continue;
        const bool room = usage == SU_DYNAMIC
                              ? stream->HasEnoughVertexRoom(vertices) && stream->HasEnoughIndexRoom(indices)
                              : stream->HasRoomFor(vertices, indices);
        if (room)
            return stream.get();
    }
    if (_streams.size() >= _maxStreams)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Can't allocate new VertexBuffer, streams pool overflow (%u buffers)\n",
                                 _maxStreams);
        return nullptr;
    }
    _streams.push_back(std::make_unique<VertexBuffer>(usage, std::max(vertices, MinVertices),
                                                      std::max(indices, MinIndices), vertexSize, _device));
    return _streams.back().get();
}

void VertexBufferSet::FlushAll(eStreamUsage usage, bool now)
{
    for (const auto& stream : _streams)
    {
        if (stream->GetUsage() != usage)
            continue;
        stream->FlushVertices(now);
        stream->FlushIndices(now);
    }
}

void VertexBufferSet::Release(VertexBuffer* buffer, unsigned firstVertex, unsigned vertices, unsigned firstIndex,
                              unsigned indices)
{
    auto it = std::find_if(_streams.begin(), _streams.end(), [&](const auto& s) { return s.get() == buffer; });
    if (it == _streams.end())
        return;
    buffer->Release(firstVertex, vertices, firstIndex, indices);
    if (buffer->IsUnused())
        _streams.erase(it);
}

void VertexBufferSet::DestroyAll() { _streams.clear(); }
