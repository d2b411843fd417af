// One frame of the demo scene at 1024 x 768: about a hundred demo meshes, eight omni lights and
// the sun through the render scene (update pass, selection, deferred lighting, post chain,
// presentation), measured against the same meshes drawn straight through one render queue lit
// by the sun alone. The ratio of the two and the post chain's share of the frame are printed at
// the end.
#include "../common/ForwardTwins.h"
#include "../common/RatioReporter.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Timer.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/VideoSettings.h"
#include "platform/gfx/Device.h"
#include "platform/window/Window.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr int kGrid = 10; // meshes a row and a column
constexpr int kLights = 8;
const char* const kMeshes[] = {"box.sms", "sphere.sms", "asteroid.sms", "hull.sms"};

std::string Data(const char* folder) { return std::string(GAME_DATA_DIR) + "/" + folder + "/"; }

// The device, the demo scene in the render scene, and the same meshes as renderables of one
// queue with forward-lit twins of their materials.
struct Stage
{
    std::unique_ptr<Window> window;
    std::unique_ptr<ConfigSystem> config;
    std::unique_ptr<VideoSettings> video;
    std::unique_ptr<RenderSettings> render;
    std::unique_ptr<ResourceSystem> resources;
    std::unique_ptr<MaterialSystem> system;
    std::unique_ptr<RenderScene> scene;
    Camera* camera = nullptr;
    Timer timer;

    RenderQueue* queue = nullptr;
    std::unique_ptr<ShaderParamsGlobal> globals;
    std::vector<std::pair<MeshRenderable*, Material*>> prims;

    bool Open();
    void BuildScene();
    void BuildReference();
    std::unique_ptr<ForwardTwins> twins;

    ~Stage()
    {
        for (auto& [renderable, material] : prims)
            renderable->GetMesh()->DestroyRenderable(renderable);
        if (queue)
            system->DestroyRenderQueue(queue);
        globals.reset();
        scene.reset();
        system.reset();
    }
};

bool Stage::Open()
{
    Window::Style style;
    style.hidden = true;
    std::string error;
    window = Window::Create("frame bench", kWidth, kHeight, style, &error);
    if (!window)
    {
        std::fprintf(stderr, "no display: %s\n", error.c_str());
        return false;
    }
    config = std::make_unique<ConfigSystem>(&Dumper::Instance(), nullptr);
    video = std::make_unique<VideoSettings>(config.get());
    video->ScrWidth = kWidth;
    video->ScrHeight = kHeight;
    render = std::make_unique<RenderSettings>(config.get());
    resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
    system =
        std::make_unique<MaterialSystem>(window->GetHandle(), &Dumper::Instance(), resources.get(), video.get(), false);
    system->InitSystem(Data("ShaderLib").c_str());
    system->GetMaterialMgr()->SetRootDir(Data("materials").c_str());
    system->GetMeshMgr()->SetRootDir(Data("meshes").c_str());
    system->GetTextureMgr()->SetRootDir(Data("textures").c_str());
    scene = std::make_unique<RenderScene>(system.get(), resources.get(), &Dumper::Instance(), render.get());
    timer.Start(60.0f);
    BuildScene();
    BuildReference();
    return true;
}

// A field of meshes in front of the camera, lights among them.
void Stage::BuildScene()
{
    camera = scene->CreateCamera();
    camera->SetAspectRatio(float(kWidth) / float(kHeight));
    camera->SetFov(70);
    camera->SetFarClip(1000);
    camera->SetPosition(0, 18, -18);
    camera->Pitch(30, CS_PARENT);
    for (int row = 0; row < kGrid; ++row)
    {
        for (int column = 0; column < kGrid; ++column)
        {
            Bone* bone = scene->CreateBone(SL_STAGE);
            bone->SetPosition(float(column - kGrid / 2) * 6.0f, 0.0f, float(row) * 6.0f);
            bone->Yaw(float(row * 37 + column * 11), CS_PARENT);
            RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
            bone->Attach(mesh);
            mesh->BindMesh(system->GetMeshMgr()->CreateMeshFromFile(kMeshes[(row + column) % 4]), false);
            // Each about 4 units across.
            const float scale = 2.0f / std::max(mesh->GetBindedMesh()->GetRadius(), 0.01f);
            bone->SetScale(scale, scale, scale);
        }
    }
    for (int i = 0; i < kLights; ++i)
    {
        Bone* bone = scene->CreateBone(SL_STAGE);
        bone->SetPosition(float((i % 4) * 12 - 18), 3.0f, float((i / 4) * 25 + 10));
        Omni* light = scene->CreateOmni(SL_STAGE);
        bone->Attach(light);
        light->SetRange(15);
        light->SetIntensity(2);
        light->SetDiffuse(Color(i & 1 ? 1.0f : 0.3f, i & 2 ? 1.0f : 0.3f, i & 4 ? 1.0f : 0.3f, 1.0f));
    }
    scene->SetSunDirection(0, Vec3(-1, -2, 1));
    scene->SetSunDiffuse(0, Color(0.8f, 0.8f, 0.7f, 1), 1);
    scene->SetSunAmbient(0, Color(0.2f, 0.2f, 0.25f, 1), 1);
    scene->UpdateScene(0.0f);
}

// Every mesh's level 0 at its bone's world matrix, as the scene would draw it up close.
void Stage::BuildReference()
{
    queue = system->CreateRenderQueue();
    globals = std::make_unique<ShaderParamsGlobal>();
    twins = std::make_unique<ForwardTwins>(system.get());
    SunSource sun;
    sun.direction = scene->GetSunDirection(0);
    sun.diffuse = scene->GetSunDiffuse(0);
    sun.ambient = scene->GetSunAmbient(0);
    globals->SetSunLighting(sun);
    globals->SetScreenParams(float(kWidth), float(kHeight));
    for (unsigned i = 0; i < scene->GetStageRoot()->GetNumChildren(); ++i)
    {
        Bone* bone = scene->GetStageRoot()->GetChild(i)->AsBone();
        if (!bone || bone->GetNumChildren() == 0 || bone->GetChild(0)->GetType() != NT_RENDERMESH)
            continue;
        auto* node = static_cast<RenderMesh*>(bone->GetChild(0));
        Mesh* mesh = node->GetBindedMesh();
        for (unsigned j = 0; j < mesh->GetMaterialCount(0); ++j)
        {
            MeshRenderable* renderable = mesh->CreateRenderable(0, j);
            renderable->GetParams().QueryWorldTransform() = bone->GetWorldMatrix();
            prims.emplace_back(renderable, twins->Of(node->GetMaterial(j)));
        }
    }
}

Stage& S()
{
    static Stage stage;
    return stage;
}

void SceneFrame(Stage& s, bool post)
{
    s.render->EnablePostEffects = post;
    s.timer.Tick();
    s.scene->UpdateScene(s.timer);
    s.scene->RenderView(s.camera, s.timer);
}

void QueueFrame(Stage& s)
{
    s.globals->SetViewTransform(&s.camera->GetViewMatrix());
    s.globals->SetProjectionTransform(&s.camera->GetProjMatrix());
    s.system->Present(s.globals.get());
    s.system->ClearTarget(3, 0, 1.0f);
    s.queue->FlushContent();
    for (const auto& [renderable, material] : s.prims)
        s.queue->EnqueuePrim(renderable, material);
    s.queue->SortPrims(3);
    s.queue->PreprocessPrims();
    s.queue->RenderPrims(s.globals.get());
}

void DeferredFrame(benchmark::State& state)
{
    Stage& s = S();
    for (auto _ : state)
        SceneFrame(s, state.range(0) != 0);
}

void QueueFrames(benchmark::State& state)
{
    Stage& s = S();
    for (auto _ : state)
        QueueFrame(s);
}

// Milliseconds of one frame drawn to the end: a pixel read back waits for the renderer.
double Timed(const std::function<void()>& frame)
{
    Stage& s = S();
    const auto start = std::chrono::steady_clock::now();
    frame();
    uint32_t pixel = 0;
    s.system->GetDevice()->ReadPixels(s.system->GetBackBuffer(), gfx::Rect{0, 0, 1, 1}, &pixel);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The three frames back to back, in a rotating order, so that a load on the machine hits them
// alike; the medians over the rounds, and the medians of each round's ratios.
void PrintPairedRounds(int rounds)
{
    Stage& s = S();
    const std::function<void()> frames[3] = {[&] { SceneFrame(s, true); }, [&] { SceneFrame(s, false); },
                                             [&] { QueueFrame(s); }};
    std::vector<double> times[3], ratios, shares;
    for (int round = 0; round < rounds; ++round)
    {
        double t[3];
        for (int k = 0; k < 3; ++k)
        {
            const int which = (round + k) % 3;
            t[which] = Timed(frames[which]);
        }
        for (int k = 0; k < 3; ++k)
            times[k].push_back(t[k]);
        ratios.push_back(t[0] / t[2]);
        shares.push_back((t[0] - t[1]) / t[0]);
    }
    std::printf("paired rounds (median of %d): render scene %.2f ms, without post chain %.2f ms, queue %.2f ms; "
                "render scene / queue %.2f, post chain share %.0f %%\n",
                rounds, Median(times[0]), Median(times[1]), Median(times[2]), Median(ratios), 100.0 * Median(shares));
}

// The render scene's frame beside the plain queue's, and the post chain's share of it.
void PrintFrameRatio(const RatioReporter& reporter)
{
    const double full = reporter.TimeOf("Frame1024x768/render_scene");
    const double bare = reporter.TimeOf("Frame1024x768/render_scene_no_post");
    const double plain = reporter.TimeOf("Frame1024x768/queue_one_light");
    if (full <= 0 || bare <= 0 || plain <= 0)
        return;
    std::printf("\nframe through the render scene / straight through a queue: %.2f ms / %.2f ms = %.2f "
                "(goal: the render scene's frame at most 16.7 ms)\n",
                full, plain, full / plain);
    std::printf("post chain: %.2f ms of the frame's %.2f ms = %.0f %%\n", full - bare, full,
                100.0 * (full - bare) / full);
}

} // namespace

BENCHMARK(DeferredFrame)
    ->Name("Frame1024x768/render_scene")
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->DisplayAggregatesOnly(true);
BENCHMARK(DeferredFrame)
    ->Name("Frame1024x768/render_scene_no_post")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->DisplayAggregatesOnly(true);
BENCHMARK(QueueFrames)
    ->Name("Frame1024x768/queue_one_light")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!S().Open())
        return 0;
    RatioReporter reporter("Frame1024x768/render_scene", "Frame1024x768/queue_one_light",
                           "frame through the render scene / straight through a queue", 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintFrameRatio(reporter);
    PrintPairedRounds(31);
    benchmark::Shutdown();
    return 0;
}
