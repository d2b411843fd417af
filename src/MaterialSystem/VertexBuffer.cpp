#include "MaterialSystem/VertexBuffer.h"

#include "MaterialSystem/VertexIndexBuilder.h"
#include "foundation/base/Assert.h"
#include "foundation/base/Dumper.h"

#include <algorithm>

namespace {

gfx::BufferUsage ToBufferUsage(eStreamUsage usage)
{
    return usage == SU_STATIC ? gfx::BufferUsage::Static : gfx::BufferUsage::Dynamic;
}

} // namespace

VertexBuffer::VertexBuffer(eStreamUsage usage, unsigned maxVertices, unsigned maxIndices, unsigned vertexSize,
                           gfx::Device* device)
    : _usage(usage), _vertexSize(vertexSize)
{
    _vertices.type = gfx::BufferType::Vertex;
    _vertices.capacity = maxVertices;
    _vertices.stride = vertexSize;
    _indices.type = gfx::BufferType::Index16;
    _indices.capacity = maxIndices;
    _indices.stride = 2;
    if (device)
    {
        CreateStream(*device, _vertices);
        CreateStream(*device, _indices);
    }
}

VertexBuffer::~VertexBuffer() = default;

bool VertexBuffer::CreateStream(gfx::Device& device, Stream& stream)
{
    stream.buffer = gfx::Buffer::Create(device, stream.type, ToBufferUsage(_usage), stream.capacity * stream.stride);
    return stream.buffer != nullptr;
}

void* VertexBuffer::LockStream(Stream& stream, unsigned count)
{
    if (!stream.buffer || stream.locked || count == 0)
        return nullptr;
    unsigned flags = gfx::LockNone;
    if (_usage == SU_DYNAMIC)
    {
        if (stream.discardPending || stream.capacity < stream.cursor + uint64_t(count))
        {
            stream.discardPending = false;
            stream.cursor = 0;
            flags = gfx::LockDiscard;
        }
        else
        {
            flags = gfx::LockNoOverwrite;
        }
    }
    if (stream.capacity < stream.cursor + uint64_t(count))
    {
        Dumper::Instance().Print(DUMP_ERROR, "VertexBuffer: lock of %u elements at %u exceeds the capacity of %u\n",
                                 count, stream.cursor, stream.capacity);
        return nullptr;
    }
    void* data = stream.buffer->Lock(stream.cursor * stream.stride, count * stream.stride, flags);
    if (!data)
        return nullptr;
    stream.locked = true;
    stream.lockedCount = count;
    return data;
}

void* VertexBuffer::ModifyStream(Stream& stream, unsigned start, unsigned count)
{
    if (!stream.buffer || stream.locked || count == 0)
        return nullptr;
    void* data = stream.buffer->Lock(start * stream.stride, count * stream.stride, gfx::LockNone);
    if (!data)
        return nullptr;
    stream.locked = true;
    stream.lockedCount = start + count > stream.cursor ? start + count - stream.cursor : 0;
    return data;
}

void VertexBuffer::UnlockStream(Stream& stream)
{
    if (!stream.locked)
        return;
    stream.cursor += stream.lockedCount;
    stream.locked = false;
    stream.lockedCount = 0;
    stream.buffer->Unlock();
}

void VertexBuffer::FlushStream(Stream& stream, bool now)
{
    if (now && stream.buffer && !stream.locked)
    {
        if (stream.buffer->Lock(0, stream.buffer->GetSize(), gfx::LockDiscard))
            stream.buffer->Unlock();
        stream.discardPending = false;
    }
    else
    {
        stream.discardPending = true;
    }
    stream.cursor = 0;
    stream.given.clear();
}

bool VertexBuffer::LockVertices(unsigned count, VertexIndexBuilder& builder)
{
    auto* data = static_cast<unsigned char*>(LockStream(_vertices, count));
    if (!data)
        return false;
    builder.LockVertices(data, count, _vertices.cursor, _vertexSize, this);
    return true;
}

bool VertexBuffer::LockIndices(unsigned count, VertexIndexBuilder& builder)
{
    auto* data = static_cast<unsigned short*>(LockStream(_indices, count));
    if (!data)
        return false;
    builder.LockIndices(data, count, _indices.cursor, this);
    return true;
}

bool VertexBuffer::ModifyVertices(unsigned start, unsigned count, VertexIndexBuilder& builder)
{
    auto* data = static_cast<unsigned char*>(ModifyStream(_vertices, start, count));
    if (!data)
        return false;
    builder.LockVertices(data, count, start, _vertexSize, this);
    return true;
}

bool VertexBuffer::ModifyIndices(unsigned start, unsigned count, VertexIndexBuilder& builder)
{
    auto* data = static_cast<unsigned short*>(ModifyStream(_indices, start, count));
    if (!data)
        return false;
    builder.LockIndices(data, count, start, this);
    return true;
}

void VertexBuffer::UnlockVertices(VertexIndexBuilder& builder)
{
    builder.UnlockVertices();
    UnlockStream(_vertices);
}

void VertexBuffer::UnlockIndices(VertexIndexBuilder& builder)
{
    builder.UnlockIndices();
    UnlockStream(_indices);
}

void VertexBuffer::FlushVertices(bool now) { FlushStream(_vertices, now); }
void VertexBuffer::FlushIndices(bool now) { FlushStream(_indices, now); }

void VertexBuffer::OnDeviceReset(gfx::Device*)
{
    if (_usage != SU_DYNAMIC)
        return;
    _vertices.locked = _indices.locked = false;
    _vertices.buffer.reset();
    _indices.buffer.reset();
}

void VertexBuffer::OnDeviceRestore(gfx::Device* device)
{
    if (_usage != SU_DYNAMIC)
        return;
    if (!device || !CreateStream(*device, _vertices))
    {
        ExecRuntimeAssert("hr == D3D_OK", nullptr, __FILE__, __LINE__,
                          "Hardware vertex buffer recreation failed at unknown reason:\npossibly out of memory");
    }
    if (!CreateStream(*device, _indices))
    {
        ExecRuntimeAssert("hr == D3D_OK", nullptr, __FILE__, __LINE__,
                          "Hardware index buffer recreation failed at unknown reason:\npossibly out of memory");
    }
}

bool VertexBuffer::Stream::CanPlace(unsigned n) const
{
    if (n == 0 || capacity >= cursor + uint64_t(n))
        return true;
    for (const Range& range : given)
        if (range.count >= n)
            return true;
    return false;
}

unsigned VertexBuffer::Stream::Place(unsigned n)
{
    if (n == 0)
        return cursor;
    for (auto it = given.begin(); it != given.end(); ++it)
    {
        if (it->count < n)
            continue;
        const unsigned first = it->first;
        it->first += n;
        it->count -= n;
        if (it->count == 0)
            given.erase(it);
        return first;
    }
    const unsigned first = cursor;
    cursor += n;
    return first;
}

void VertexBuffer::Stream::Give(unsigned first, unsigned n)
{
    if (n == 0)
        return;
    auto it = std::lower_bound(given.begin(), given.end(), first,
                               [](const Range& range, unsigned at) { return range.first < at; });
    it = given.insert(it, Range{first, n});
    // Join the neighbours that touch it.
    if (it + 1 != given.end() && it->first + it->count == (it + 1)->first)
    {
        it->count += (it + 1)->count;
        given.erase(it + 1);
    }
    if (it != given.begin() && (it - 1)->first + (it - 1)->count == it->first)
    {
        (it - 1)->count += it->count;
        it = given.erase(it) - 1;
    }
    // Room that reaches the cursor goes back to it.
    if (!given.empty() && given.back().first + given.back().count == cursor)
    {
        cursor = given.back().first;
        given.pop_back();
    }
}

bool VertexBuffer::HasRoomFor(unsigned vertices, unsigned indices) const
{
    return _vertices.CanPlace(vertices) && _indices.CanPlace(indices);
}

bool VertexBuffer::Reserve(unsigned vertices, unsigned indices, unsigned& firstVertex, unsigned& firstIndex)
{
    if (!HasRoomFor(vertices, indices))
        return false;
    firstVertex = _vertices.Place(vertices);
    firstIndex = _indices.Place(indices);
    return true;
}

void VertexBuffer::Release(unsigned firstVertex, unsigned vertices, unsigned firstIndex, unsigned indices)
{
    _vertices.Give(firstVertex, vertices);
    _indices.Give(firstIndex, indices);
}

unsigned VertexBuffer::GetWastedMemory()
{
    return static_cast<unsigned>((uint64_t(_vertices.capacity) * _vertexSize + uint64_t(_indices.capacity) * 2) >> 20);
}
