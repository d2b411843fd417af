#pragma once

#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "MaterialSystem/draw/DrawTypes.h"
#include "platform/gfx/GfxTypes.h"

#include <memory>

class FixedPrograms;
struct Matrix;
namespace gfx {
class Device;
}

// World-space debug geometry of a frame (points, lines, triangles), written into three
// dynamic streams locked once per frame and drawn in one call each. What does not fit the
// locked room is dropped with one logged warning a frame.
class HelperGeometry
{
public:
    static constexpr unsigned MaxVertices = 32768;
    static constexpr unsigned MaxIndices = 65536;
    static constexpr uint32_t VertexFormat = 0x03; // position, colour

    explicit HelperGeometry(gfx::Device& device);
    ~HelperGeometry();

    void Lock();
    void Unlock();
    void DrawTriangles(const HelperTriangle* triangles, unsigned count);
    void DrawLines(const HelperLine* lines, unsigned count);
    void DrawPoints(const HelperPoint* points, unsigned count);
    // Draws what the frame collected with the given camera and forgets it (the streams are
    // unlocked; Lock opens the next frame).
    void Flush(FixedPrograms& programs, const Matrix& view, const Matrix& projection);

    unsigned GetPointCount() const { return _streams[Points].count; }
    unsigned GetLineCount() const { return _streams[Lines].count; }
    unsigned GetTriangleCount() const { return _streams[Triangles].count; }

private:
    enum eStream
    {
        Points = 0,
        Lines = 1,
        Triangles = 2,
        StreamCount = 3
    };
    struct Vertex
    {
        float x, y, z;
        uint32_t color;
    };
    struct Stream
    {
        std::unique_ptr<VertexBuffer> buffer;
        VertexIndexBuilder builder;
        unsigned count = 0; // primitives this frame
        unsigned room = 0;  // vertices locked
        bool locked = false;
    };

    // Reserves `count` items of `perItem` vertices; answers how many fit.
    unsigned Reserve(eStream stream, unsigned count, unsigned perItem);
    void Write(eStream stream, const Vertex* vertices, unsigned count);

    gfx::Device& _device;
    Stream _streams[StreamCount];
    bool _overflowReported = false;
};
