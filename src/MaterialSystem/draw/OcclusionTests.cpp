#include "MaterialSystem/draw/OcclusionTests.h"

#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/draw/FixedPrograms.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec3.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Query.h"

#include <cstring>

namespace {

struct PointVertex
{
    float x, y, z;
    uint32_t color;
};

} // namespace

OcclusionTests::OcclusionTests(gfx::Device& device, FixedPrograms& programs) : _device(device), _programs(programs) {}

OcclusionTests::~OcclusionTests() = default;

bool OcclusionTests::Prepare()
{
    Destroy();
    for (unsigned i = 0; i < MaxTests; ++i)
    {
        auto query = _device.CreateOcclusionQuery();
        if (!query)
        {
            _queries.clear();
            return false;
        }
        _queries.push_back(std::move(query));
    }
    // One vertex per pending test, so that no point overwrites one a query still reads.
    _points = gfx::Buffer::Create(_device, gfx::BufferType::Vertex, gfx::BufferUsage::Dynamic,
                                  MaxTests * sizeof(PointVertex));
    return _points != nullptr;
}

void OcclusionTests::Destroy()
{
    _queries.clear();
    _points.reset();
    _pending = 0;
}

void OcclusionTests::Request(const Vec3& point, bool* hidden, const Matrix& view, const Matrix& projection)
{
    if (_pending >= _queries.size() || !_points || !hidden)
        return;
    const PointVertex vertex{point.x, point.y, point.z, 0xFFFFFFFFu};
    void* data = _points->Lock(_pending * sizeof(PointVertex), sizeof(PointVertex),
                               _pending == 0 ? gfx::LockDiscard : gfx::LockNoOverwrite);
    if (!data)
        return;
    std::memcpy(data, &vertex, sizeof(vertex));
    _points->Unlock();

    _device.SetDepthTest(true);
    _device.SetDepthWrite(false);
    _device.SetColorWrite(0);
    _device.SetTexture(0, nullptr);
    _programs.UseColor(Matrix::Ident(), view, projection);
    _device.SetVertexLayout(VertexDecl::QueryFormatDecl(0x03, &_device));
    _device.SetStreamSource(_points.get(), 0, sizeof(PointVertex));
    gfx::Query& query = *_queries[_pending];
    query.Begin();
    _device.DrawPrimitive(gfx::PrimitiveType::PointList, _pending, 1);
    _device.SetColorWrite(gfx::WriteAll);
    query.End();
    _results[_pending] = hidden;
    ++_pending;
}

void OcclusionTests::Perform()
{
    for (unsigned i = 0; i < _pending; ++i)
    {
        unsigned samples = 0;
        _queries[i]->GetResult(samples, true);
        *_results[i] = samples == 0;
        _results[i] = nullptr;
    }
    _pending = 0;
}
