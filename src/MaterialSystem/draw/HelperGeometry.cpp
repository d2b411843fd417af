#include "MaterialSystem/draw/HelperGeometry.h"

#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/draw/FixedPrograms.h"
#include "foundation/base/Dumper.h"
#include "foundation/math/Matrix.h"
#include "platform/gfx/Device.h"

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned PerItem[] = {1, 2, 3};
constexpr gfx::PrimitiveType Types[] = {gfx::PrimitiveType::PointList, gfx::PrimitiveType::LineList,
                                        gfx::PrimitiveType::TriangleList};

} // namespace

HelperGeometry::HelperGeometry(gfx::Device& device) : _device(device)
{
    for (Stream& stream : _streams)
    {
        stream.buffer = std::make_unique<VertexBuffer>(SU_DYNAMIC, MaxVertices, MaxIndices,
                                                       VertexDecl::QueryFormatSize(VertexFormat), &device);
    }
}

HelperGeometry::~HelperGeometry() { Unlock(); }

void HelperGeometry::Lock()
{
    for (Stream& stream : _streams)
    {
        if (stream.locked)
            continue;
        stream.buffer->FlushVertices(false);
        stream.buffer->FlushIndices(false);
        const unsigned vertices = stream.buffer->FreeVertexRoom() - 1;
        const unsigned indices = stream.buffer->FreeIndexRoom() - 1;
        const bool ok = stream.buffer->LockVertices(vertices, stream.builder);
        if (ok && stream.buffer->LockIndices(indices, stream.builder))
        {
            stream.room = std::min(vertices, indices);
            stream.locked = true;
        }
        else if (ok)
        {
            stream.buffer->UnlockVertices(stream.builder);
        }
        stream.count = 0;
    }
    _overflowReported = false;
}

void HelperGeometry::Unlock()
{
    for (Stream& stream : _streams)
    {
        if (!stream.locked)
            continue;
        stream.buffer->UnlockVertices(stream.builder);
        stream.buffer->UnlockIndices(stream.builder);
        stream.locked = false;
    }
}

unsigned HelperGeometry::Reserve(eStream index, unsigned count, unsigned perItem)
{
    Stream& stream = _streams[index];
    if (!stream.locked)
        return 0;
    const unsigned used = stream.count * perItem;
    const unsigned fit = std::min(count, (stream.room - used) / perItem);
    if (fit < count && !_overflowReported)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Helper geometry: %u primitives over the frame's room are dropped\n",
                                 count - fit);
        _overflowReported = true;
    }
    return fit;
}

void HelperGeometry::Write(eStream index, const Vertex* vertices, unsigned count)
{
    Stream& stream = _streams[index];
    unsigned short base = 0;
    stream.builder.StartBuild(count, count, base);
    stream.builder.ProcessVertices(vertices, count, nullptr);
    std::vector<unsigned short> indices(count);
    for (unsigned i = 0; i < count; ++i)
        indices[i] = static_cast<unsigned short>(i);
    stream.builder.ProcessIndices(indices.data(), count, base);
    stream.builder.StopBuild();
    stream.count += count / PerItem[index];
}

void HelperGeometry::DrawTriangles(const HelperTriangle* triangles, unsigned count)
{
    count = Reserve(Triangles, count, 3);
    if (!count)
        return;
    std::vector<Vertex> vertices;
    vertices.reserve(count * 3);
    for (unsigned i = 0; i < count; ++i)
    {
        for (const Vec3& v : triangles[i].v)
            vertices.push_back({v.x, v.y, v.z, triangles[i].color});
    }
    Write(Triangles, vertices.data(), count * 3);
}

void HelperGeometry::DrawLines(const HelperLine* lines, unsigned count)
{
    count = Reserve(Lines, count, 2);
    if (!count)
        return;
    std::vector<Vertex> vertices;
    vertices.reserve(count * 2);
    for (unsigned i = 0; i < count; ++i)
    {
        // Lines are drawn a step more transparent; a transparent one stays transparent.
        const uint32_t alpha = lines[i].color >> 24;
        const uint32_t color = (lines[i].color & 0x00FFFFFFu) | ((alpha ? alpha - 1 : 0) << 24);
        for (const Vec3& v : lines[i].v)
            vertices.push_back({v.x, v.y, v.z, color});
    }
    Write(Lines, vertices.data(), count * 2);
}

void HelperGeometry::DrawPoints(const HelperPoint* points, unsigned count)
{
    count = Reserve(Points, count, 1);
    if (!count)
        return;
    std::vector<Vertex> vertices;
    vertices.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        vertices.push_back({points[i].v.x, points[i].v.y, points[i].v.z, points[i].color});
    Write(Points, vertices.data(), count);
}

void HelperGeometry::Flush(FixedPrograms& programs, const Matrix& view, const Matrix& projection)
{
    Unlock();
    _device.SetDepthWrite(false);
    _device.SetDepthTest(true);
    _device.SetFillMode(gfx::FillMode::Solid);
    _device.SetCullMode(gfx::CullMode::None);
    gfx::BlendState blend;
    blend.enable = true;
    blend.source = gfx::BlendFactor::SrcAlpha;
    blend.destination = gfx::BlendFactor::InvSrcAlpha;
    _device.SetBlend(blend);
    for (unsigned unit = 0; unit < 2; ++unit)
        _device.SetTexture(unit, nullptr);
    programs.UseColor(Matrix::Ident(), view, projection);
    _device.SetVertexLayout(VertexDecl::QueryFormatDecl(VertexFormat, &_device));
    for (unsigned i = 0; i < StreamCount; ++i)
    {
        Stream& stream = _streams[i];
        if (stream.count == 0)
            continue;
        _device.SetStreamSource(stream.buffer->GetVBHandle(), 0, stream.buffer->GetVertexSize());
        _device.SetIndices(stream.buffer->GetIBHandle());
        _device.DrawIndexedPrimitive(Types[i], 0, 0, stream.count);
        stream.count = 0;
    }
    _device.SetBlend(gfx::BlendState());
    _device.SetCullMode(gfx::CullMode::Ccw);
}
