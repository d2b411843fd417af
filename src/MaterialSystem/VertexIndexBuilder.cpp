#include "MaterialSystem/VertexIndexBuilder.h"

#include "foundation/math/Matrix.h"

#include <algorithm>
#include <cstring>

void VertexIndexBuilder::LockVertices(unsigned char* data, unsigned count, unsigned position, unsigned stride,
                                      VertexBuffer* buffer)
{
    _buffer = buffer;
    _vertexPtr = data;
    _stride = stride;
    _verticesLocked = count;
    _verticesReserved = 0;
    _vertexPos = position;
    _vertexEnd = position + count;
}

void VertexIndexBuilder::LockIndices(unsigned short* data, unsigned count, unsigned position, VertexBuffer* buffer)
{
    _buffer = buffer;
    _indexPtr = data;
    _indicesLocked = count;
    _indicesReserved = 0;
    _indexPos = position;
    _indexEnd = position + count;
}

void VertexIndexBuilder::UnlockVertices()
{
    _vertexPtr = nullptr;
    _verticesLocked = _verticesReserved = 0;
    _vertexBuildOpen = false;
}

void VertexIndexBuilder::UnlockIndices()
{
    _indexPtr = nullptr;
    _indicesLocked = _indicesReserved = 0;
    _indexBuildOpen = false;
}

void VertexIndexBuilder::StartBuild(unsigned vertices, unsigned indices, unsigned short& baseIndex)
{
    if (vertices && _vertexPtr)
    {
        _verticesReserved = std::min(vertices, _verticesLocked);
        _vertexBuildOpen = true;
    }
    if (indices && _indexPtr)
    {
        _indicesReserved = std::min(indices, _indicesLocked);
        _indexBuildOpen = true;
    }
    baseIndex = static_cast<unsigned short>(_vertexPos);
}

void VertexIndexBuilder::ProcessVertices(const void* source, unsigned count, const Matrix* transform)
{
    if (!_vertexBuildOpen)
        return;
    count = std::min(count, _verticesReserved);
    std::memcpy(_vertexPtr, source, size_t(count) * _stride);
    if (transform)
    {
        for (unsigned i = 0; i < count; ++i)
        {
            float* position = reinterpret_cast<float*>(_vertexPtr + size_t(i) * _stride);
            Vec3 p(position[0], position[1], position[2]);
            Vec3 moved = transform->Transform(p);
            position[0] = moved.x;
            position[1] = moved.y;
            position[2] = moved.z;
        }
    }
    _vertexPtr += size_t(count) * _stride;
    _vertexPos += count;
    _verticesReserved -= count;
    _verticesLocked -= count;
}

void VertexIndexBuilder::ProcessIndices(const void* source, unsigned count, unsigned short baseIndex)
{
    if (!_indexBuildOpen)
        return;
    count = std::min(count, _indicesReserved);
    const auto* from = static_cast<const unsigned short*>(source);
    for (unsigned i = 0; i < count; ++i)
        _indexPtr[i] = static_cast<unsigned short>(from[i] + baseIndex);
    _indexPtr += count;
    _indexPos += count;
    _indicesReserved -= count;
    _indicesLocked -= count;
}

void VertexIndexBuilder::StopBuild()
{
    if (_vertexBuildOpen)
    {
        _vertexPtr += size_t(_verticesReserved) * _stride;
        _vertexPos += _verticesReserved;
        _verticesLocked -= _verticesReserved;
        _verticesReserved = 0;
        _vertexBuildOpen = false;
    }
    if (_indexBuildOpen)
    {
        _indexPtr += _indicesReserved;
        _indexPos += _indicesReserved;
        _indicesLocked -= _indicesReserved;
        _indicesReserved = 0;
        _indexBuildOpen = false;
    }
}
