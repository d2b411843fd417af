// The per-frame math paths measured against the same operations written with glm, in one run.
// Each pair is named "<path>/ours" and "<path>/glm"; a table of time ratios is printed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include "foundation/math/Math.h"

namespace {
constexpr int kCount = 10000;
constexpr int kMatrices = 1000;

std::mt19937& Rng()
{
    static std::mt19937 rng(12345);
    return rng;
}

float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(Rng()); }

glm::mat4 ToGlm(const Matrix& m)
{
    // glm is column-major with column vectors: the same floats describe the same transform.
    glm::mat4 g;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            g[r][c] = m(r, c);
    return g;
}

Matrix RandomTransform()
{
    Matrix r, t;
    r.FromRotationYPR(Uniform(-3, 3), Uniform(-1.5f, 1.5f), Uniform(-3, 3));
    t.FromTranslation(Uniform(-100, 100), Uniform(-100, 100), Uniform(-100, 100));
    return r * t;
}

Matrix ViewProjection()
{
    Matrix view = Matrix::Ident();
    view.FromOrientation(Vec3(0.3f, 0.1f, 1.0f).operator*(_invsqrt(1.1f)), Vec3(0, 1, 0));
    view.Pos().Set(0, 0, 0);
    view.Inverse();
    Matrix proj;
    proj.FromPerspective(1.0f, 4.0f / 3.0f, 1.0f, 500.0f);
    return view * proj;
}

struct Data
{
    std::vector<Matrix> a, b, out;
    std::vector<glm::mat4> ga, gb, gout;
    Matrix xf;
    glm::mat4 gxf;
    std::vector<Vec3> points, pointsOut;
    std::vector<glm::vec3> gpoints, gpointsOut;
    Frustum frustum;
    glm::vec4 gplanes[6];
    std::vector<Sphere> spheres;
    std::vector<glm::vec4> gspheres;
    std::vector<Bounds> boxes;
    std::vector<glm::vec3> gmins, gmaxs;
    std::vector<Quaternion> qp, qq, qout;
    std::vector<glm::quat> gqp, gqq, gqout;
    std::vector<float> ts;

    Data()
    {
        for (int i = 0; i < kMatrices; ++i)
        {
            a.push_back(RandomTransform());
            b.push_back(RandomTransform());
            ga.push_back(ToGlm(a.back()));
            gb.push_back(ToGlm(b.back()));
        }
        out.resize(kMatrices);
        gout.resize(kMatrices);
        xf = ViewProjection();
        gxf = ToGlm(xf);
        for (int i = 0; i < kCount; ++i)
            points.emplace_back(Uniform(-300, 300), Uniform(-300, 300), Uniform(1, 600));
        // Sorted across the view, as a scene walk meets neighbours together; random order would
        // measure how much of a 10,000-long branch pattern the predictor happens to learn.
        std::sort(points.begin(), points.end(), [](const Vec3& l, const Vec3& r) { return l.x < r.x; });
        for (int i = 0; i < kCount; ++i)
        {
            const Vec3 p = points[size_t(i)];
            gpoints.emplace_back(p.x, p.y, p.z);
            const float r = Uniform(0.5f, 20);
            spheres.emplace_back(p, r);
            gspheres.emplace_back(p.x, p.y, p.z, r);
            const Vec3 e(Uniform(0.5f, 20), Uniform(0.5f, 20), Uniform(0.5f, 20));
            boxes.emplace_back(p - e, p + e);
            gmins.emplace_back(p.x - e.x, p.y - e.y, p.z - e.z);
            gmaxs.emplace_back(p.x + e.x, p.y + e.y, p.z + e.z);

            Quaternion q1(Vec3(Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1)), Uniform(-3, 3));
            q1.Normalize();
            Quaternion q2(Vec3(Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1)), Uniform(-3, 3));
            q2.Normalize();
            if (q1.Dot(q2) < 0)
                q2 = -q2; // both sides interpolate the same short arc
            qp.push_back(q1);
            qq.push_back(q2);
            gqp.emplace_back(q1.w, q1.x, q1.y, q1.z);
            gqq.emplace_back(q2.w, q2.x, q2.y, q2.z);
            ts.push_back(Uniform(0, 1));
        }
        pointsOut.resize(kCount);
        gpointsOut.resize(kCount);
        qout.resize(kCount);
        gqout.resize(kCount);
        frustum.FromMatrix(xf);
        for (int i = 0; i < 6; ++i)
        {
            const Plane& p = frustum.GetPlane(i);
            gplanes[i] = glm::vec4(p.a, p.b, p.c, p.d);
        }
    }
};

const Data& D()
{
    static const Data data;
    return data;
}

Data& MutableD() { return const_cast<Data&>(D()); }

void MatMulOurs(benchmark::State& state)
{
    Data& d = MutableD();
    const Matrix* a = d.a.data();
    const Matrix* b = d.b.data();
    Matrix* out = d.out.data();
    for (auto _ : state)
    {
        for (int i = 0; i < kMatrices; ++i)
            a[i].Multiply(b[i], out[i]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kMatrices);
}

void MatMulGlm(benchmark::State& state)
{
    Data& d = MutableD();
    const glm::mat4* a = d.ga.data();
    const glm::mat4* b = d.gb.data();
    glm::mat4* out = d.gout.data();
    for (auto _ : state)
    {
        // Column vectors: b * a applies a first, as a * b does for row vectors.
        for (int i = 0; i < kMatrices; ++i)
            out[i] = b[i] * a[i];
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kMatrices);
}

void TransformOurs(benchmark::State& state)
{
    Data& d = MutableD();
    const Matrix xf = d.xf;
    const Vec3* in = d.points.data();
    Vec3* out = d.pointsOut.data();
    for (auto _ : state)
    {
        for (int i = 0; i < kCount; ++i)
            xf.Transform(in[i], out[i]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void TransformGlm(benchmark::State& state)
{
    Data& d = MutableD();
    const glm::mat4 xf = d.gxf;
    const glm::vec3* in = d.gpoints.data();
    glm::vec3* out = d.gpointsOut.data();
    for (auto _ : state)
    {
        for (int i = 0; i < kCount; ++i)
        {
            const glm::vec4 v = xf * glm::vec4(in[i], 1.0f);
            out[i] = glm::vec3(v) / v.w;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void CullSphereOurs(benchmark::State& state)
{
    const Data& d = D();
    for (auto _ : state)
    {
        int visible = 0;
        for (const Sphere& s : d.spheres)
            visible += d.frustum.Intersects(s) != OUTSIDE;
        benchmark::DoNotOptimize(visible);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void CullSphereGlm(benchmark::State& state)
{
    const Data& d = D();
    for (auto _ : state)
    {
        int visible = 0;
        for (const glm::vec4& s : d.gspheres)
        {
            bool outside = false;
            for (const glm::vec4& p : d.gplanes)
                if (glm::dot(glm::vec3(p), glm::vec3(s)) + p.w <= -s.w)
                {
                    outside = true;
                    break;
                }
            visible += !outside;
        }
        benchmark::DoNotOptimize(visible);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void CullBoxOurs(benchmark::State& state)
{
    const Data& d = D();
    for (auto _ : state)
    {
        int visible = 0;
        for (const Bounds& b : d.boxes)
            visible += d.frustum.Intersects(b) != OUTSIDE;
        benchmark::DoNotOptimize(visible);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void CullBoxGlm(benchmark::State& state)
{
    const Data& d = D();
    for (auto _ : state)
    {
        int visible = 0;
        for (int i = 0; i < kCount; ++i)
        {
            const glm::vec3& mn = d.gmins[size_t(i)];
            const glm::vec3& mx = d.gmaxs[size_t(i)];
            bool outside = false, inside = true;
            for (const glm::vec4& p : d.gplanes)
            {
                const glm::vec3 n(p);
                const glm::bvec3 pos = glm::greaterThanEqual(n, glm::vec3(0.0f));
                const glm::vec3 nearC = glm::mix(mx, mn, glm::vec3(pos));
                const glm::vec3 farC = glm::mix(mn, mx, glm::vec3(pos));
                if (glm::dot(n, nearC) + p.w >= 0.0f)
                    continue;
                inside = false;
                if (glm::dot(n, farC) + p.w < 0.0f)
                {
                    outside = true;
                    break;
                }
            }
            visible += !outside;
            benchmark::DoNotOptimize(inside);
        }
        benchmark::DoNotOptimize(visible);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void SlerpOurs(benchmark::State& state)
{
    Data& d = MutableD();
    for (auto _ : state)
    {
        for (int i = 0; i < kCount; ++i)
            Quaternion::Slerp(d.qout[size_t(i)], d.qp[size_t(i)], d.qq[size_t(i)], d.ts[size_t(i)], false);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void SlerpGlm(benchmark::State& state)
{
    Data& d = MutableD();
    for (auto _ : state)
    {
        for (int i = 0; i < kCount; ++i)
            d.gqout[size_t(i)] = glm::slerp(d.gqp[size_t(i)], d.gqq[size_t(i)], d.ts[size_t(i)]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

// Console output as usual, plus the time per iteration of every path kept for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            if (run.error_occurred)
                continue;
            const std::string& name = run.run_name.function_name;
            // The median of the repetitions when there are several, else the single run.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                _times[name] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                _times[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        std::printf("\n%-22s %14s %14s %8s\n", "path", "ours", "glm", "ratio");
        for (const auto& [name, ours] : _times)
        {
            const auto slash = name.rfind("/ours");
            if (slash == std::string::npos)
                continue;
            const std::string path = name.substr(0, slash);
            const auto glm = _times.find(path + "/glm");
            if (glm == _times.end() || glm->second <= 0)
                continue;
            std::printf("%-22s %14.0f %14.0f %8.2f\n", path.c_str(), ours, glm->second, ours / glm->second);
        }
    }

private:
    std::map<std::string, double> _times;
};
} // namespace

BENCHMARK(MatMulOurs)->Name("MatMul1000/ours")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(MatMulGlm)->Name("MatMul1000/glm")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(TransformOurs)->Name("TransformPoints/ours")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(TransformGlm)->Name("TransformPoints/glm")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(CullSphereOurs)->Name("CullSpheres/ours")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(CullSphereGlm)->Name("CullSpheres/glm")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(CullBoxOurs)->Name("CullBoxes/ours")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(CullBoxGlm)->Name("CullBoxes/glm")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(SlerpOurs)->Name("Slerp/ours")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(SlerpGlm)->Name("Slerp/glm")->Repetitions(5)->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    D(); // build the inputs before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
