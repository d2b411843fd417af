#include "QueueFixture.h"

#include "MaterialSystem/VertexDecl.h"

#include <cstring>
#include <vector>

namespace {

// Corners: bit 0 x, bit 1 y, bit 2 z (0 = -0.5, 1 = +0.5).
// Each face counter-clockwise as seen on screen from outside (y down): the winding the render
// queue keeps for ordinary materials.
const unsigned short kIndices[BoxRenderable::Indices] = {
    0, 1, 2, 1, 3, 2, // front (z-)
    4, 6, 5, 5, 6, 7, // back
    0, 4, 1, 1, 4, 5, // bottom
    2, 3, 6, 3, 7, 6, // top
    0, 2, 4, 2, 6, 4, // left
    1, 5, 3, 3, 5, 7, // right
};

} // namespace

const unsigned short* BoxRenderable::BoxIndices() { return kIndices; }

BoxRenderable::BoxRenderable(bool dynamic, uint32_t format, unsigned instances) : _dynamic(dynamic)
{
    _description.format = format;
    _description.primType = gfx::PrimitiveType::TriangleList;
    _description.primCount = Indices / 3;
    _description.vertexCount = Vertices;
    _description.instances = instances;
}

void BoxRenderable::BatchBuild(VertexIndexBuilder& builder)
{
    ++_builds;
    const unsigned stride = VertexDecl::QueryFormatSize(_description.format);
    std::vector<unsigned char> vertices(stride * Vertices, 0);
    for (unsigned i = 0; i < Vertices; ++i)
    {
        const float position[3] = {(i & 1) ? 0.5f : -0.5f, (i & 2) ? 0.5f : -0.5f, (i & 4) ? 0.5f : -0.5f};
        std::memcpy(&vertices[i * stride], position, sizeof(position));
        if (_description.format & VF_COLOR0)
            std::memcpy(&vertices[i * stride + 12], &color, 4);
    }
    unsigned short base = 0;
    builder.StartBuild(Vertices, Indices, base);
    builder.ProcessVertices(vertices.data(), Vertices, &placement);
    builder.ProcessIndices(kIndices, Indices, base);
    builder.StopBuild();
}
