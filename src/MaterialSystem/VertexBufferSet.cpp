#include "MaterialSystem/VertexBufferSet.h"

#include "MaterialSystem/VertexDecl.h"
#include "foundation/base/Assert.h"

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
        if (stream->GetUsage() == usage && stream->GetVertexSize() == vertexSize &&
            stream->HasEnoughVertexRoom(vertices) && stream->HasEnoughIndexRoom(indices))
        {
            return stream.get();
        }
    }
    if (_streams.size() >= _maxStreams)
    {
        ExecRuntimeAssert("_streamsCount < _maxStreams", nullptr, __FILE__, __LINE__,
                          "Can't allocate new VertexBuffer, streams pool overflow");
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

void VertexBufferSet::DestroyAll() { _streams.clear(); }
