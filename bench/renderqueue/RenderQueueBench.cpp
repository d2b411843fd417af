// A render queue's per-frame sort and batching of 10,000 entries, measured against a plain
// std::sort of the same keys in one run; the ratio of the two is printed at the end.
#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/queue/RenderBatcher.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/queue/SortKey.h"
#include "ResourceSystem/ResourceInfo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t kEntries = 10000;
constexpr size_t kMaterials = 64;
constexpr uint32_t kOptions = SO_GROUP_BY_STATE | SO_FRONT_TO_BACK;

// A mesh part: its geometry already lives in a buffer; one in four is an instanced mesh.
class MeshPart : public IRenderable
{
public:
    explicit MeshPart(unsigned instances)
    {
        _description.format = instances > 1 ? (VF_POSITION | VF_INSTANCE) : VF_POSITION;
        _description.primCount = 12;
        _description.vertexCount = 8;
        _description.instances = instances;
    }
    void BatchBuild(VertexIndexBuilder&) override {}
    bool IsDynamic() override { return false; }
};

struct Frame
{
    std::vector<std::unique_ptr<Material>> materials;
    std::vector<std::unique_ptr<MeshPart>> parts;
    std::vector<QueueEntry> entries; // in the order they are queued
    std::vector<SortKey> keys;       // the same entries' keys, for the reference
};

const Frame& F()
{
    static const Frame frame = [] {
        Frame f;
        std::mt19937 random(7);
        for (size_t i = 0; i < kMaterials; ++i)
        {
            ResourceInfo info;
            info.SetName(("$bench" + std::to_string(i)).c_str());
            f.materials.push_back(std::make_unique<Material>(nullptr, info));
        }
        std::uniform_real_distribution<float> depth(1.0f, 5000.0f);
        std::uniform_int_distribution<size_t> material(0, kMaterials - 1);
        for (size_t i = 0; i < kEntries; ++i)
        {
            f.parts.push_back(std::make_unique<MeshPart>(i % 4 == 0 ? 16 : 1));
            f.parts.back()->GetParams().SetViewDepth(depth(random));
            f.entries.push_back({f.parts.back().get(), f.materials[material(random)].get()});
        }
        for (const QueueEntry& e : f.entries)
        {
            f.keys.push_back(
                {e.material->GetBindedShader(), e.material, e.renderable, e.renderable->GetParams().GetViewDepth(), 0});
        }
        return f;
    }();
    return frame;
}

void SortAndBatch(benchmark::State& state)
{
    const Frame& f = F();
    RenderBatcher batcher(nullptr);
    std::vector<QueueEntry> entries;
    std::vector<SortKey> scratch;
    for (auto _ : state)
    {
        entries = f.entries;
        batcher.Reset();
        for (const QueueEntry& e : entries)
            batcher.Count(e.renderable);
        RenderQueue::SortEntries(entries.data(), entries.size(), scratch, kOptions);
        batcher.Preprocess(entries.data(), entries.size());
        benchmark::DoNotOptimize(batcher.GetBatchCount());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void PlainSort(benchmark::State& state)
{
    const Frame& f = F();
    std::vector<SortKey> keys;
    const std::less<const void*> before;
    for (auto _ : state)
    {
        keys = f.keys;
        std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
            if (a.shader != b.shader)
                return before(a.shader, b.shader);
            if (a.material != b.material)
                return before(a.material, b.material);
            return a.depth < b.depth;
        });
        benchmark::DoNotOptimize(keys.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

// Console output as usual, plus the median time of each path for the ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            {
                _times[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
            {
                _times[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio() const
    {
        const auto ours = _times.find("RenderQueue10000/ours");
        const auto plain = _times.find("RenderQueue10000/std_sort");
        if (ours == _times.end() || plain == _times.end() || plain->second <= 0)
            return;
        std::printf("\nsort and batch / plain sort of 10,000 entries: %.0f / %.0f = %.2f (goal: at most 2)\n",
                    ours->second, plain->second, ours->second / plain->second);
    }

private:
    std::map<std::string, double> _times;
};

} // namespace

BENCHMARK(SortAndBatch)->Name("RenderQueue10000/ours")->Repetitions(5)->DisplayAggregatesOnly(true);
BENCHMARK(PlainSort)->Name("RenderQueue10000/std_sort")->Repetitions(5)->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    F(); // build the inputs before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
