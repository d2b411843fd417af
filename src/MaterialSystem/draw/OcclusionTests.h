#pragma once

#include <memory>
#include <vector>

class FixedPrograms;
struct Matrix;
struct Vec3;
namespace gfx {
class Buffer;
class Device;
class Query;
class VertexLayout;
} // namespace gfx

// Point visibility tests: a point drawn against the depth buffer under an occlusion query;
// the caller's flag learns, when the tests are performed, whether the point was hidden.
class OcclusionTests
{
public:
    static constexpr unsigned MaxTests = 32;

    OcclusionTests(gfx::Device& device, FixedPrograms& programs);
    ~OcclusionTests();

    // Makes the queries; false (and none made) when the driver has none.
    bool Prepare();
    void Destroy();
    // Ignored when MaxTests are pending or there are no queries.
    void Request(const Vec3& point, bool* hidden, const Matrix& view, const Matrix& projection);
    // Waits for each pending query in order and stores true in its flag when no sample passed.
    void Perform();
    unsigned GetPendingCount() const { return _pending; }

private:
    gfx::Device& _device;
    FixedPrograms& _programs;
    std::vector<std::unique_ptr<gfx::Query>> _queries;
    bool* _results[MaxTests] = {};
    unsigned _pending = 0;
    std::unique_ptr<gfx::Buffer> _points;
};
