#pragma once

#include <cstdint>

class VertexBuffer;
struct Matrix;

// Writes objects' vertices and indices into the ranges a VertexBuffer has locked into it:
// StartBuild reserves room for one object, Process* copy into it, StopBuild closes it.
// Writes never go past the locked range.
class VertexIndexBuilder
{
public:
    static constexpr unsigned All = 0xFFFFFFFFu;

    VertexIndexBuilder() = default;

    // Reserves up to the requested counts (clamped to what is locked); `baseIndex` receives
    // the absolute position of the object's first vertex, to add to its 0-based indices.
    void StartBuild(unsigned vertices, unsigned indices, unsigned short& baseIndex);
    // Copies `count` vertices (All: every reserved one); with a transform, the leading three
    // floats of each vertex are transformed as a position.
    void ProcessVertices(const void* source, unsigned count, const Matrix* transform);
    // Copies `count` indices (All: every reserved one), adding `baseIndex` when it is not 0.
    void ProcessIndices(const void* source, unsigned count, unsigned short baseIndex);
    void StopBuild();

    unsigned char* GetBaseVertex() const { return _vertexPtr; }
    unsigned short* GetBaseIndex() const { return _indexPtr; }
    unsigned GetVertexPos() const { return _vertexPos; }
    unsigned GetIndexPos() const { return _indexPos; }
    // The room StartBuild reserved and no Process* has filled yet, for writing in place.
    unsigned GetVerticesReserved() const { return _vertexBuildOpen ? _verticesReserved : 0; }
    unsigned GetIndicesReserved() const { return _indexBuildOpen ? _indicesReserved : 0; }
    VertexBuffer* GetBuffer() const { return _buffer; }

private:
    friend class VertexBuffer;
    // `position` is the absolute index of the first locked element.
    void LockVertices(unsigned char* data, unsigned count, unsigned position, unsigned stride, VertexBuffer* buffer);
    void LockIndices(unsigned short* data, unsigned count, unsigned position, VertexBuffer* buffer);
    void UnlockVertices();
    void UnlockIndices();

    VertexBuffer* _buffer = nullptr;
    bool _vertexBuildOpen = false;
    bool _indexBuildOpen = false;
    unsigned char* _vertexPtr = nullptr;
    unsigned short* _indexPtr = nullptr;
    unsigned _stride = 0;
    unsigned _verticesLocked = 0;
    unsigned _verticesReserved = 0;
    unsigned _indicesLocked = 0;
    unsigned _indicesReserved = 0;
    unsigned _vertexEnd = 0;
    unsigned _vertexPos = 0;
    unsigned _indexEnd = 0;
    unsigned _indexPos = 0;
};
