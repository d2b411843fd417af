#include "MaterialSystem/DriverInfo.h"
#include "MaterialSystem/IDeviceResource.h"
#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "foundation/base/Console.h"
#include "RenderFixture.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "platform/effect/EffectPool.h"
#include "platform/gfx/Texture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

struct Vertex
{
    float x, y, z;
    uint32_t color;
};

// Records the walk as it reaches it, and what the buffer before it looked like then.
class WatchedResource : public IDeviceResource
{
public:
    explicit WatchedResource(VertexBuffer* watched = nullptr) : _watched(watched) {}
    void OnDeviceReset(gfx::Device*) override
    {
        events.push_back("reset");
        if (_watched)
            bufferAtReset = _watched->GetVBHandle();
    }
    void OnDeviceRestore(gfx::Device*) override
    {
        events.push_back("restore");
        if (_watched)
            bufferAtRestore = _watched->GetVBHandle();
    }
    unsigned GetWastedMemory() override { return 0; }

    std::vector<std::string> events;
    gfx::Buffer* bufferAtReset = reinterpret_cast<gfx::Buffer*>(1);
    gfx::Buffer* bufferAtRestore = nullptr;

private:
    VertexBuffer* _watched;
};

// Writes triangles through a builder and draws them from the buffer.
void Draw(MaterialSystem& system, gfx::Program* program, VertexBuffer& buffer, const std::vector<Vertex>& vertices)
{
    VertexIndexBuilder builder;
    const unsigned count = unsigned(vertices.size());
    ASSERT_TRUE(buffer.LockVertices(count, builder));
    ASSERT_TRUE(buffer.LockIndices(count, builder));
    const unsigned firstIndex = builder.GetIndexPos();
    unsigned short base = 0;
    builder.StartBuild(count, count, base);
    builder.ProcessVertices(vertices.data(), count, nullptr);
    std::vector<unsigned short> indices(count);
    for (unsigned i = 0; i < count; ++i)
        indices[i] = static_cast<unsigned short>(i);
    builder.ProcessIndices(indices.data(), count, base);
    builder.StopBuild();
    buffer.UnlockVertices(builder);
    buffer.UnlockIndices(builder);

    gfx::Device* device = system.GetDevice();
    device->SetProgram(program);
    device->SetVertexLayout(VertexDecl::QueryFormatDecl(0x03, device));
    device->SetStreamSource(buffer.GetVBHandle(), 0, buffer.GetVertexSize());
    device->SetIndices(buffer.GetIBHandle());
    device->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, firstIndex, count / 3);
}

std::vector<uint32_t> BackBufferPixels(MaterialSystem& system)
{
    gfx::Texture* back = system.GetBackBuffer();
    std::vector<uint32_t> pixels(back->GetWidth() * back->GetHeight());
    EXPECT_TRUE(system.GetDevice()->ReadPixels(back, gfx::Rect{0, 0, int(back->GetWidth()), int(back->GetHeight())},
                                               pixels.data()));
    return pixels;
}

uint32_t Rgb(const std::vector<uint32_t>& pixels, unsigned width, unsigned x, unsigned y)
{
    return pixels[y * width + x] & 0xFFFFFF;
}

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<Vertex> kTopLeftRed = {
    {-1, 1, 0.5f, 0xFFFF0000}, {0, 1, 0.5f, 0xFFFF0000}, {-1, 0, 0.5f, 0xFFFF0000}};

} // namespace

// The device from the video settings draws from a static and a dynamic buffer where a
// top-left, depth 0..1 renderer puts things; the screenshot holds the presented pixels; a
// mode change walks the resources and the static geometry survives it.
TEST_F(RenderTest, DrawsScreenshotsAndSurvivesAModeChange)
{
    std::filesystem::remove_all("screenshots");
    Init();
    EXPECT_TRUE(LogHas("OpenGL vendor:"));
    EXPECT_TRUE(LogHas("Display mode: 320x240"));
    EXPECT_EQ(_system->GetPresentParameters().depthFormat, gfx::Format::D24S8);
    gfx::Device* device = _system->GetDevice();
    VertexBuffer staticBuffer(SU_STATIC, 64, 64, VertexDecl::QueryFormatSize(0x03), device);
    VertexBuffer dynamicBuffer(SU_DYNAMIC, 64, 64, VertexDecl::QueryFormatSize(0x03), device);
    WatchedResource watcher(&dynamicBuffer);

    _system->Present(nullptr); // opens the first frame
    device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    device->SetDepthWrite(true);
    Draw(*_system, ColorProgram(), staticBuffer, kTopLeftRed);
    // Lower right: a near green triangle, then a far blue one over it that the depth test hides.
    Draw(*_system, ColorProgram(), dynamicBuffer,
         {{1, -1, 0.2f, 0xFF00FF00},
          {0, -1, 0.2f, 0xFF00FF00},
          {1, 0, 0.2f, 0xFF00FF00},
          {1, -1, 0.7f, 0xFF0000FF},
          {0, -1, 0.7f, 0xFF0000FF},
          {1, 0, 0.7f, 0xFF0000FF}});
    auto pixels = BackBufferPixels(*_system);
    EXPECT_EQ(Rgb(pixels, 320, 3, 3), 0xFF0000u);
    EXPECT_EQ(Rgb(pixels, 320, 316, 236), 0x00FF00u);
    EXPECT_EQ(Rgb(pixels, 320, 3, 236), 0u);

    _system->TakeScreenShot();
    _system->TakeScreenShot();
    _system->Present(nullptr);
    EXPECT_TRUE(LogHas("Screenshot taken: screenshots/screen0000.bmp"));
    EXPECT_FALSE(std::filesystem::exists("screenshots/screen0001.bmp"));
    const auto bmp = ReadFile("screenshots/screen0000.bmp");
    ASSERT_EQ(bmp.size(), 54u + 320 * 240 * 3);
    for (unsigned y : {3u, 120u, 236u})
    {
        for (unsigned x : {3u, 160u, 316u})
        {
            const size_t at = 54 + size_t(239 - y) * 320 * 3 + x * 3; // rows stored bottom-up
            const uint32_t stored = bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16;
            EXPECT_EQ(stored, Rgb(pixels, 320, x, y)) << x << "," << y;
        }
    }

    _video->ScrWidth = 400;
    _video->ScrHeight = 300;
    ASSERT_TRUE(_system->RestartSystem());
    EXPECT_EQ(watcher.events, (std::vector<std::string>{"reset", "restore"}));
    EXPECT_EQ(watcher.bufferAtReset, nullptr) << "the dynamic buffer is released before later resources";
    EXPECT_NE(watcher.bufferAtRestore, nullptr) << "and recreated before them";
    EXPECT_EQ(_system->GetBackBuffer()->GetWidth(), 400u);
    EXPECT_EQ(_system->GetBackBuffer()->GetHeight(), 300u);

    // The static geometry kept its contents: drawn again without rewriting it.
    device->SetViewport(gfx::Rect{0, 0, 400, 300});
    device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    device->SetProgram(ColorProgram());
    device->SetVertexLayout(VertexDecl::QueryFormatDecl(0x03, device));
    device->SetStreamSource(staticBuffer.GetVBHandle(), 0, 16);
    device->SetIndices(staticBuffer.GetIBHandle());
    device->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 0, 1);
    pixels = BackBufferPixels(*_system);
    EXPECT_EQ(Rgb(pixels, 400, 3, 3), 0xFF0000u);
    EXPECT_EQ(Rgb(pixels, 400, 396, 296), 0u);
    std::filesystem::remove_all("screenshots");
}

// Quads queued while the device stays lost belong to frames that are never shown: each
// skipped frame drops them, so they neither reach the first frame after the restore nor use
// up its room (two skipped frames of 300 quads would overflow the 512 a frame holds).
TEST_F(RenderTest, LostDeviceSkipsFramesUntilRestored)
{
    Init();
    WatchedResource watcher;
    gfx::FaultInjection& faults = _system->GetDE()->GetFaults();
    _system->Present(nullptr);

    faults.lostPresents = 1;
    _system->Present(nullptr);
    EXPECT_FALSE(_system->IsActivated());
    EXPECT_EQ(watcher.events, std::vector<std::string>{"reset"});

    faults.cooperativeLevels = {gfx::CooperativeLevel::Lost, gfx::CooperativeLevel::Lost};
    for (int frame = 0; frame < 3; ++frame)
    {
        for (int i = 0; i < 300; ++i)
        {
            _system->RenderQuad(nullptr, Vec2(0, 0), Vec2(40, 40), 0.0f, Color(1.0f, 0.0f, 0.0f, 1.0f), 0);
        }
        // Lost, lost, then not reset: the restart restores (without a second release).
        _system->Present(nullptr);
        EXPECT_EQ(_system->IsActivated(), frame == 2) << frame;
    }
    EXPECT_EQ(watcher.events, (std::vector<std::string>{"reset", "restore"}));

    _system->ClearTarget(gfx::ClearTarget, 0xFF000000u, 1.0f);
    _system->RenderQuad(nullptr, Vec2(100, 100), Vec2(40, 40), 0.0f, Color(0.0f, 1.0f, 0.0f, 1.0f), 0);
    _system->Present(nullptr);
    const auto pixels = BackBufferPixels(*_system);
    EXPECT_EQ(Rgb(pixels, 320, 120, 120), 0x00FF00u);
    EXPECT_EQ(Rgb(pixels, 320, 20, 20), 0u);
    EXPECT_FALSE(LogHas("screen quads in one frame"));
}

// Whatever a frame leaves set, the next starts from the default states: no depth writes,
// no blending, counter-clockwise culling, no alpha test.
TEST_F(RenderTest, EveryFrameStartsFromTheDefaultStates)
{
    Init();
    gfx::Device* device = _system->GetDevice();
    VertexBuffer buffer(SU_DYNAMIC, 64, 64, VertexDecl::QueryFormatSize(0x03), device);
    _system->Present(nullptr);
    gfx::BlendState add;
    add.enable = true;
    add.destination = gfx::BlendFactor::One;
    device->SetBlend(add);
    device->SetDepthWrite(true);
    device->SetCullMode(gfx::CullMode::None);
    fx::EffectPool* pool = ShaderLib::GetInstance()->GetEffectPool();
    ASSERT_TRUE(pool);
    fx::AlphaTest alpha;
    alpha.enable = true;
    pool->SetAlphaTest(alpha);
    _system->Present(nullptr);

    EXPECT_FALSE(pool->GetAlphaTest().enable);
    device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    // Top left: a near triangle, then a far one over it that wins without depth writes, then
    // a half-transparent one that replaces it without blending.
    Draw(*_system, ColorProgram(), buffer,
         {{-1, 1, 0.2f, 0xFF00FF00},
          {0, 1, 0.2f, 0xFF00FF00},
          {-1, 0, 0.2f, 0xFF00FF00},
          {-1, 1, 0.7f, 0xFF0000FF},
          {0, 1, 0.7f, 0xFF0000FF},
          {-1, 0, 0.7f, 0xFF0000FF},
          {-1, 1, 0.7f, 0x80FF0000},
          {0, 1, 0.7f, 0x80FF0000},
          {-1, 0, 0.7f, 0x80FF0000},
          // Bottom right, counter-clockwise on screen: culled.
          {1, -1, 0.5f, 0xFFFFFFFF},
          {1, 0, 0.5f, 0xFFFFFFFF},
          {0, -1, 0.5f, 0xFFFFFFFF}});
    const auto pixels = BackBufferPixels(*_system);
    EXPECT_EQ(Rgb(pixels, 320, 3, 3), 0xFF0000u);
    EXPECT_EQ(Rgb(pixels, 320, 316, 236), 0u);
}

TEST_F(RenderTest, FailedRestartIsRetriedEachFrame)
{
    Init();
    WatchedResource watcher;
    _system->GetDE()->GetFaults().failResets = 1;
    EXPECT_FALSE(_system->RestartSystem());
    EXPECT_TRUE(LogHas("MaterialSystem failed to restart"));
    EXPECT_FALSE(_system->IsActivated());
    _system->Present(nullptr);
    EXPECT_TRUE(_system->IsActivated());
    EXPECT_EQ(watcher.events, (std::vector<std::string>{"reset", "restore"}));
}

TEST_F(RenderTest, CreationRetriesWithoutWaitingInTests)
{
    _system->GetDE()->GetFaults().failDeviceCreations = 2;
    Init();
    EXPECT_EQ(_sleeps, (std::vector<unsigned>{1000, 1000}));
    EXPECT_TRUE(LogHas("Creation retried in one second\n"));
    EXPECT_TRUE(LogHas("with some internal settings brought down"));
}

TEST_F(RenderTest, NoOcclusionQueriesMeansASecondCreationWithLockableBackBuffer)
{
    _system->GetDE()->GetFaults().noOcclusionQueries = true;
    _video->Antialias = 4;
    Init();
    EXPECT_TRUE(LogHas("OcclusionQuery is not supported by the hardware"));
    EXPECT_TRUE(LogHas("Using lockable back buffer. Antialiasing disabled"));
    EXPECT_EQ(_system->GetDriverInfo().GetOcclusionQuerySupport(), 0);
    EXPECT_TRUE(_system->GetPresentParameters().lockableBackBuffer);
    EXPECT_EQ(_system->GetPresentParameters().multisampleType, 0);
}

TEST_F(RenderTest, ResourcesDestroyedAfterTheDeviceLeaveTheList)
{
    Init();
    auto late = std::make_unique<VertexBuffer>(SU_DYNAMIC, 8, 8, 16, _system->GetDevice());
    WatchedResource watcher;
    _system->ShutDownSystem();
    late.reset();
    _system->InitSystem(nullptr);
    EXPECT_TRUE(_system->RestartSystem());
    EXPECT_EQ(watcher.events, (std::vector<std::string>{"reset", "reset", "restore"}));
}

// The shader library is a static object: a process that ends without a full shut-down frees
// its shaders during static destruction, after or before the device-resource list.
TEST(DeviceResourceListDeathTest, ShadersOfTheStaticLibraryLeaveTheListAtExit)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ResourceInfo info;
            info.SetName("late.fx");
            ShaderLib::GetInstance()->AddResource(new Shader(info));
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

namespace {

gfx::AdapterCaps Caps(const char* description)
{
    gfx::AdapterCaps caps;
    caps.description = description;
    caps.renderTargetFormats = {gfx::Format::X8R8G8B8};
    return caps;
}

} // namespace

TEST_F(RenderTest, AdapterChoice)
{
    std::vector<DriverInfo> one = {DriverInfo(Caps("only"), 0)};
    std::vector<DriverInfo> two = {DriverInfo(Caps("plain"), 0), DriverInfo(Caps("NVIDIA PerfHUD"), 1)};
    _video->DefaultDriver = 1;
    EXPECT_EQ(MaterialSystem::ChooseAdapter(one, *_video, &Dumper::Instance()), 0);
    EXPECT_EQ(MaterialSystem::ChooseAdapter(two, *_video, &Dumper::Instance()), 1);
    _video->DefaultDriver = 5;
    EXPECT_EQ(MaterialSystem::ChooseAdapter(two, *_video, &Dumper::Instance()), 0);
    _video->DefaultDriver = -1;
    _video->UsePerfHUD = true;
    EXPECT_EQ(MaterialSystem::ChooseAdapter(two, *_video, &Dumper::Instance()), 1);
    EXPECT_TRUE(LogHas("Found PerfHUD adapter. GPU profiling enabled"));
    _video->UsePerfHUD = false;
    EXPECT_EQ(MaterialSystem::ChooseAdapter(two, *_video, &Dumper::Instance()), 0);
    EXPECT_EQ(_video->DefaultDriver, -1);
}

TEST(DriverInfoTest, FormatFallbacksFromACapsTable)
{
    gfx::AdapterCaps caps;
    caps.renderTargetFormats = {gfx::Format::X8R8G8B8};
    DriverInfo info(caps, 0);
    EXPECT_EQ(info.ColorDepthToD3DFormat(24, true), gfx::Format::X8R8G8B8);
    EXPECT_EQ(DriverInfo::D3DFormatToColorDepth(gfx::Format::X8R8G8B8), 32);
    EXPECT_EQ(info.ColorDepthToD3DFormat(16, false), gfx::Format::X8R8G8B8); // the desktop format
    // No depth format at all still gets D16; a preferred format outside the list too.
    EXPECT_EQ(info.FindSupportedDepthFormat(gfx::Format::D32, gfx::Format::X8R8G8B8), gfx::Format::D16);
    caps.depthFormats = {gfx::Format::D24X8, gfx::Format::D24S8};
    DriverInfo withDepth(caps, 0);
    EXPECT_EQ(withDepth.FindSupportedDepthFormat(gfx::Format::D32, gfx::Format::X8R8G8B8), gfx::Format::D24S8);
    EXPECT_EQ(withDepth.FindSupportedDepthFormat(gfx::Format::D24X8, gfx::Format::X8R8G8B8), gfx::Format::D24X8);
    EXPECT_EQ(withDepth.FindSupportedDepthFormat(gfx::Format::A8R8G8B8, gfx::Format::X8R8G8B8), gfx::Format::D16);
    EXPECT_EQ(DriverInfo::ComputeMultisampleType(1), 0);
    EXPECT_EQ(DriverInfo::ComputeMultisampleType(8), 8);
    EXPECT_EQ(DriverInfo::ComputeMultisampleType(17), 0);
}

// The console command outlives any one material system and only reaches a live one.
TEST_F(RenderTest, ScreenshotConsoleCommand)
{
    std::filesystem::remove_all("screenshots");
    Init();
    ASSERT_TRUE(MainConsole->ExecuteCommand("takescreenshot"));
    _system->Present(nullptr);
    EXPECT_TRUE(std::filesystem::exists("screenshots/screen0000.bmp"));
    _system.reset();
    EXPECT_TRUE(MainConsole->ExecuteCommand("takescreenshot"));
    std::filesystem::remove_all("screenshots");
}
