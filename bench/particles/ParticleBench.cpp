// One emitter of 10,000 live particles: a frame's update (ageing, curves, motion, expiry and the
// particles that replace the expired ones) and its billboard geometry, measured against a plain
// loop over an array of the same particle records doing the same arithmetic. The ratio of the
// two is printed at the end.
#include "../common/RatioReporter.h"
#include "foundation/base/Random.h"
#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleEmitter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr unsigned Live = 10000;
constexpr float Step = 1.0f / 60.0f;
constexpr float Lifetime = 1.0f;

using Vertex = ParticleSet::ParticleVertex;

struct Curves
{
    Lerper<float> velocity{20.0f}, size{2.0f}, spin{45.0f};
    Lerper<Color> color{Color(1.0f, 1.0f, 1.0f, 1.0f)};

    Curves()
    {
        velocity.AddKey(1.0f, 5.0f);
        size.AddKey(1.0f, 8.0f);
        color.AddKey(0.5f, Color(1.0f, 0.5f, 0.1f, 0.8f));
        color.AddKey(1.0f, Color(0.2f, 0.0f, 0.0f, 0.0f));
    }
};

// The emitter in a small tree, running steadily with about 10,000 particles alive.
struct EmitterFrame
{
    Group root{nullptr, nullptr};
    Emitter* effect = new Emitter(&root, nullptr);
    Camera* camera = new Camera(&root, nullptr);
    ParticleEmitter* emitter;
    std::vector<Vertex> vertices = std::vector<Vertex>(4 * ParticleSet::MaxPoolSize);
    std::vector<uint16_t> indices = std::vector<uint16_t>(6 * ParticleSet::MaxPoolSize);

    EmitterFrame()
    {
        EngineSeed(1);
        root.Attach(effect);
        root.Attach(camera);
        camera->SetPosition(0.0f, 0.0f, -100.0f);
        emitter = effect->AddParticleEmitter();
        const Curves curves;
        emitter->GetEmissionRate() = Lerper<float>(float(Live) / Lifetime);
        emitter->GetEmissionLifetime() = Lerper<float>(Lifetime);
        emitter->GetEmissionScattering() = Lerper<float>(360.0f);
        emitter->GetParticleVelocity() = curves.velocity;
        emitter->GetParticleSize() = curves.size;
        emitter->GetParticleSpin() = curves.spin;
        emitter->GetParticleColor() = curves.color;
        emitter->SetParticleSizeVar(0.2f);
        emitter->SetParticleVelocityVar(0.2f);
        effect->Play(1.0f);
        effect->Ffwd(1.5f, Step);
    }

    void Run()
    {
        effect->Update(Step);
        emitter->UpdateCameraBasedParams(camera, 0);
        const RenderableDesc& desc = emitter->GetDescription();
        emitter->WriteGeometry(vertices.data(), desc.vertexCount, indices.data(), desc.GetIndexCount(), 0);
    }
};

float Draw() { return float(EngineRandom() % 100) * 0.01f; }

// The same records in a plain array: each frame every particle ages and moves along the same
// curves, an expired one starts again as a new particle would, and every one becomes a
// camera-facing quad.
struct PlainFrame
{
    Curves curves;
    std::vector<Particle> particles = std::vector<Particle>(Live);
    std::vector<Vertex> vertices = std::vector<Vertex>(4 * Live);
    std::vector<uint16_t> indices = std::vector<uint16_t>(6 * Live);
    Matrix camera = Matrix::Ident();

    PlainFrame()
    {
        EngineSeed(1);
        camera.SetRow(3, Vec3(0.0f, 0.0f, -100.0f));
        for (unsigned i = 0; i < Live; ++i)
        {
            Start(particles[i]);
            particles[i].age = Lifetime * float(i) / float(Live);
        }
    }

    void Start(Particle& p)
    {
        p.color = curves.color.GetKeyValue(0);
        p.size = curves.size.GetKeyValue(0);
        p.velocity = curves.velocity.GetKeyValue(0);
        p.spinRate = p.angle = curves.spin.GetKeyValue(0);
        p.sizeVariance = Draw() * 0.4f - 0.2f;
        p.velocityVariance = Draw() * 0.4f - 0.2f;
        p.spinVariance = Draw() * 0.0f;
        p.lifetime = Draw() * 0.0f + Lifetime;
        p.age = 0.0f;
        p.position = Vec3(0.0f);
        p.direction = Vec3::UnitZ();
        p.direction.RandomDeviant((Draw() * 360.0f - 180.0f) * 0.017453f, Vec3::UnitY());
    }

    void Move(Particle& p, float seconds) const
    {
        const float x = p.age / p.lifetime;
        p.size = curves.size.GetValue(x) * (1.0f + p.sizeVariance);
        p.spinRate = curves.spin.GetValue(x) * (1.0f + p.spinVariance);
        p.velocity = curves.velocity.GetValue(x) * (1.0f + p.velocityVariance);
        p.color = curves.color.GetValue(x);
        p.position += p.direction * (p.velocity * seconds);
        p.angle += seconds * p.spinRate;
    }

    void Run()
    {
        for (Particle& p : particles)
        {
            if (p.lifetime < p.age)
            {
                Start(p);
                Move(p, 0.0f);
                continue;
            }
            p.age += Step;
            Move(p, Step);
        }
        const Vec3 &right = camera.GetRow3(0), &up = camera.GetRow3(1), &forward = camera.GetRow3(2);
        for (unsigned j = 0; j < Live; ++j)
        {
            const Particle& p = particles[j];
            Vec3 h = right * (p.size * 0.5f), w = up * (p.size * 0.5f);
            if (p.angle != 0.0f)
            {
                const float c = std::cos(p.angle * 0.017453f), s = std::sin(p.angle * 0.017453f);
                h = h * c + (forward ^ h) * s +
                    forward * ((forward.x * h.x + forward.y * h.y + forward.z * h.z) * (1 - c));
                w = w * c + (forward ^ w) * s +
                    forward * ((forward.x * w.x + forward.y * w.y + forward.z * w.z) * (1 - c));
            }
            const uint32_t color = (p.color * p.intensity).ARGB();
            Vertex* q = &vertices[4 * j];
            q[0] = {p.position - h - w, color, Vec2(0.0f, 1.0f)};
            q[1] = {p.position - h + w, color, Vec2(0.0f, 0.0f)};
            q[2] = {p.position + h - w, color, Vec2(1.0f, 1.0f)};
            q[3] = {p.position + h + w, color, Vec2(1.0f, 0.0f)};
            uint16_t* index = &indices[6 * j];
            const unsigned b = 4 * j;
            index[0] = uint16_t(b), index[1] = uint16_t(b + 1), index[2] = uint16_t(b + 2);
            index[3] = uint16_t(b + 2), index[4] = uint16_t(b + 1), index[5] = uint16_t(b + 3);
        }
    }
};

void Emitting(benchmark::State& state)
{
    auto frame = std::make_unique<EmitterFrame>();
    for (auto _ : state)
    {
        frame->Run();
        benchmark::DoNotOptimize(frame->vertices.data());
    }
    state.counters["live"] = float(frame->emitter->GetTotalParticles());
    state.SetItemsProcessed(state.iterations() * Live);
}

void PlainLoop(benchmark::State& state)
{
    auto frame = std::make_unique<PlainFrame>();
    for (auto _ : state)
    {
        frame->Run();
        benchmark::DoNotOptimize(frame->vertices.data());
    }
    state.SetItemsProcessed(state.iterations() * Live);
}

} // namespace

BENCHMARK(Emitting)
    ->Name("Particles10000/ours")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);
BENCHMARK(PlainLoop)
    ->Name("Particles10000/plain")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter("Particles10000/ours", "Particles10000/plain",
                           "emitter update and geometry / plain loop, 10,000 particles", 1.5);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
