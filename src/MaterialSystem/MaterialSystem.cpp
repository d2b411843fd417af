#include "MaterialSystem/MaterialSystem.h"

#include "MaterialSystem/DriverInfo.h"
#include "MaterialSystem/IDeviceResource.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/draw/DrawServices.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Assert.h"
#include "foundation/base/Console.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/base/Profiler.h"
#include "foundation/config/VideoSettings.h"
#include "platform/effect/EffectPool.h"
#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/Texture.h"
#include "platform/window/Window.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

MaterialSystem::MaterialSystem(WindowHandle window, Dumper* log, ResourceSystem* resources, VideoSettings* settings,
                               bool keepClientArea)
    : _window(window), _log(log ? log : &Dumper::Instance()), _settings(settings), _keepClientArea(keepClientArea),
      _resourceSystem(resources),
      _sleep([](unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); })
{
    Window* renderWindow = Window::FromHandle(window);
    std::string error;
    if (renderWindow)
        _graphics = gfx::Graphics::Create(*renderWindow, &error);
    if (!_graphics)
    {
        _log->Print(DUMP_ERROR, "OpenGL 3.3 core context: %s\n", error.c_str());
        ExecRuntimeAssert("_d3d", nullptr, __FILE__, __LINE__,
                          "Direct3D9 couldn't be spawned. Check if you have DirectX 9.0c installed.");
    }
    const int adapters = _graphics->GetAdapterCount();
    if (adapters == 0)
    {
        ExecRuntimeAssert("_d3d->GetAdapterCount()", nullptr, __FILE__, __LINE__, "No hardware 3D adapters detected!");
    }
    _log->Print(DUMP_STARTUP, "Direct3D9 initialized\n");

    if (adapters > 1)
    {
        if (_settings->DefaultDriver != -1)
        {
            _adapter = _settings->DefaultDriver;
        }
        else
        {
            std::vector<DriverInfo> infos;
            for (int i = 0; i < adapters; ++i)
            {
                gfx::AdapterCaps caps;
                _graphics->GetAdapterCaps(i, caps);
                infos.emplace_back(caps, i);
            }
            _adapter = ChooseAdapter(infos, *_settings, _log);
        }
        if (_adapter < 0 || _adapter >= adapters)
            _adapter = 0;
    }
    gfx::AdapterCaps caps;
    _graphics->GetAdapterCaps(_adapter, caps);
    _driverInfo = std::make_unique<DriverInfo>(caps, _adapter);
    _driverInfo->DumpCaps(_log);
    _log->Print(DUMP_STARTUP, "MaterialSystem created\n");
}

MaterialSystem::~MaterialSystem()
{
    SetVMR9(nullptr);
    if (_initialized)
        ShutDownSystem();
    _driverInfo.reset();
    _device.reset();
    _graphics.reset();
    _log->Print(DUMP_SHUTDOWN, "MaterialSystem destroyed\n");
}

namespace {

// The console keeps its commands for the life of the process, longer than a material
// system may live: the command reaches whichever system is initialised, if any.
MaterialSystem* ScreenshotTarget = nullptr;

void TakeScreenShotCommand(void* target)
{
    if (MaterialSystem* system = *static_cast<MaterialSystem**>(target))
        system->TakeScreenShot();
}

} // namespace

// Managers are created after the device, in the order textures, materials (with the shader
// library, precached from `shaderLibPath` when given), meshes.
void MaterialSystem::InitSystem(const char* shaderLibPath)
{
    _log->Print(DUMP_STARTUP, "Direct3DDevice initialization started...\n");
    if (!CreateD3DDevice())
    {
        ExecRuntimeAssert("CreateD3DDevice()", nullptr, __FILE__, __LINE__,
                          "MaterialSystem couldn't be restarted without device.");
    }
    _log->Print(DUMP_STARTUP, "Direct3DDevice successfully created\n");
    _textureMgr = std::make_unique<TextureMgr>(this, _device.get());
    _materialMgr = std::make_unique<MaterialMgr>(this, _device.get(), shaderLibPath);
    _meshMgr = std::make_unique<MeshMgr>(this, _device.get());
    if (shaderLibPath)
    {
        _log->Print(DUMP_STARTUP, "Precaching render shaders...\n");
        _materialMgr->GetShaderLib()->PrecacheShaders();
        _log->Print(DUMP_STARTUP, "Validating render shaders...\n");
        _materialMgr->GetShaderLib()->ValidateShaders(_log);
    }

    _initialized = true;
    AcquireRenderTargets();
    _device->SetRenderTarget(0, nullptr);
    _device->SetDepthTarget(_depthBuffer);
    SyncWithGPU(false);
    ResetRenderStates();
    PrepareDrawServices();

    std::string command = "takescreenshot";
    if (MainConsole)
        MainConsole->AddCommand(command, CMD_FUNCTION, nullptr, TakeScreenShotCommand, &ScreenshotTarget);
    ScreenshotTarget = this;
    _log->Print(DUMP_STARTUP, "MaterialSystem successfully initialized\n");
}

void MaterialSystem::ShutDownSystem()
{
    DestroyD3DDevice();
    _meshMgr.reset();
    _materialMgr.reset();
    _textureMgr.reset();
    _initialized = false;
    if (ScreenshotTarget == this)
        ScreenshotTarget = nullptr;
}

void MaterialSystem::AcquireRenderTargets()
{
    if (!_backBuffer)
        _backBuffer = _device->GetBackBuffer();
    if (!_depthBuffer)
        _depthBuffer = _device->GetDepthBuffer();
    if (!_backBuffer)
        ExecRuntimeAssert("_backBuffer", nullptr, __FILE__, __LINE__, nullptr);
    if (!_depthBuffer)
        ExecRuntimeAssert("_depthBuffer", nullptr, __FILE__, __LINE__, nullptr);
}

// The scene bracket: OpenGL has none, the state only keeps begin and end paired.
void MaterialSystem::SyncWithGPU(bool end)
{
    if (_sceneEnded == end)
        return;
    _sceneEnded = end;
}

// The engine's default state: depth test on without writes, solid, counter-clockwise
// culling, no blending, alpha test or stencil, linear wrapping samplers without textures,
// no program. The fixed-function states OpenGL core lacks (material, lights, transforms,
// texture-stage operations, fog, vertex blending) have nothing to reset: the effects carry
// them as their own uniforms.
void MaterialSystem::ResetRenderStates()
{
    _device->ResetStates();
    _device->SetDepthWrite(false);
    _device->SetMultisample(_settings->Antialias != 0);
    if (_materialMgr)
    {
        if (fx::EffectPool* pool = _materialMgr->GetShaderLib()->GetEffectPool())
        {
            // The emulated states too: no alpha test, lighting off, Gouraud shading.
            pool->SetAlphaTest(fx::AlphaTest());
            pool->SetShading({false, false});
        }
    }
}

// A frame that is not presented keeps nothing: its screen records and vertices are dropped,
// so a run of skipped frames never piles them up for the next one.
void MaterialSystem::DropFrame()
{
    _frameOpen = false;
    DropDrawing();
}

void MaterialSystem::Present(ShaderParamsGlobal* globalParams)
{
    if (!_device)
        return;
    {
        AutoScopeProfile scope(Name("Check device lost"));
        CheckDeviceLost();
    }
    if (_lost)
    {
        DropFrame();
        return;
    }
    // What was queued outside an open frame (before the first one, or while the device was
    // being restored) belongs to no shown frame.
    if (_frameOpen)
    {
        RenderFrameDrawing(globalParams);
    }
    else
    {
        DropDrawing();
    }
    if (_frameOpen)
    {
        AutoScopeProfile scope(Name("GPU Sync Start"));
        SyncWithGPU(true);
    }
    WaitForVideoFrame();
    bool presented = false;
    {
        AutoScopeProfile scope(Name("D3D Present"));
        presented = _device->Present();
    }
    if (!presented)
    {
        ResetDeviceResources();
        _lost = true;
        DropFrame();
        return;
    }
    {
        AutoScopeProfile scope(Name("VRAM statistics"));
        ProfileDeviceResources();
    }
    {
        AutoScopeProfile scope(Name("GPU Sync End"));
        SyncWithGPU(false);
    }
    {
        AutoScopeProfile scope(Name("Release video"));
        ReleaseVideos();
    }
    if (_screenshotRequest)
    {
        TakeScreenShotSys();
        _screenshotRequest = false;
    }
    LockHelperResources();
    _frameOpen = true;
}

void MaterialSystem::CheckDeviceLost()
{
    if (!_lost)
        return;
    switch (_device->TestCooperativeLevel())
    {
    case gfx::CooperativeLevel::Lost: break;
    case gfx::CooperativeLevel::NotReset:
        if (RestartSystem())
            _lost = false;
        break;
    case gfx::CooperativeLevel::Ok: _lost = false; break;
    }
}

bool MaterialSystem::RestartSystem()
{
    Window* window = Window::FromHandle(_window);
    if (window && window->IsMinimized())
        return false;
    _log->Print(DUMP_SYSTEM, "MaterialSystem restarts...\n");
    if (!_device)
    {
        // Without a device only the device is made again; the managers already exist when
        // the system was initialised once.
        if (!_initialized)
        {
            InitSystem(nullptr);
        }
        else if (!CreateD3DDevice())
        {
            _log->Print(DUMP_ERROR, "MaterialSystem failed to restart\n");
            return false;
        }
    }
    else
    {
        PreparePresentParameters(_driverInfo.get(), _presentParams);
    }
    if (!_lost)
        ResetDeviceResources();
    if (!_device->Reset(ToDeviceParams()))
    {
        _log->Print(DUMP_ERROR, "MaterialSystem failed to restart\n");
        // The resources are released: stay lost so that every frame retries the restart.
        _lost = true;
        return false;
    }
    RestoreDeviceResources();
    _log->Print(DUMP_SYSTEM, "MaterialSystem have been restarted\n");
    return true;
}

// Releases what a reset destroys: device resources in registration order (then occlusion
// queries, fonts and materials once they exist).
void MaterialSystem::ResetDeviceResources()
{
    ResetRenderStates();
    ResetDrawServices();
    SyncWithGPU(true);
    _backBuffer = nullptr;
    _depthBuffer = nullptr;
    for (IDeviceResource::Begin(); IDeviceResource::End(); IDeviceResource::Next())
    {
        IDeviceResource::Current()->OnDeviceReset(_device.get());
    }
    if (_materialMgr)
        _materialMgr->ResetMaterials();
}

void MaterialSystem::RestoreDeviceResources()
{
    AcquireRenderTargets();
    _device->SetRenderTarget(0, nullptr);
    _device->SetDepthTarget(_depthBuffer);
    for (IDeviceResource::Begin(); IDeviceResource::End(); IDeviceResource::Next())
    {
        IDeviceResource::Current()->OnDeviceRestore(_device.get());
    }
    if (_materialMgr)
        _materialMgr->RestoreMaterials();
    ResetRenderStates();
    SyncWithGPU(false);
    RestoreDrawServices();
}

void MaterialSystem::ResourcesCleanup()
{
    if (_materialMgr)
        _materialMgr->Cleanup();
    if (_textureMgr)
        _textureMgr->Cleanup();
    if (_meshMgr)
        _meshMgr->Cleanup();
}

void MaterialSystem::DestroyD3DDevice()
{
    if (!_device)
        return;
    ResetDeviceResources();
    ResourcesCleanup();
    DestroyDrawServices();
    VertexDecl::ReleaseAll();
    _frameOpen = false;
    _device.reset();
}

bool MaterialSystem::TakeScreenShotSys()
{
    if (!_backBuffer)
        return false;
    char name[64];
    for (int i = 0; i < 10000; ++i)
    {
        std::snprintf(name, sizeof(name), "screenshots\\screen%.4d.bmp", i);
        if (!std::filesystem::exists(NormalizePath(name)))
            break;
    }
    const std::string path = NormalizePath(name);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const unsigned width = _backBuffer->GetWidth(), height = _backBuffer->GetHeight();
    std::vector<uint32_t> pixels(size_t(width) * height);
    const bool ok = _device->ReadPixels(_backBuffer, gfx::Rect{0, 0, int(width), int(height)}, pixels.data()) &&
                    WriteBmp(path.c_str(), width, height, pixels.data());
    if (ok)
    {
        _log->Print(DUMP_SYSTEM, "Screenshot taken: %s\n", path.c_str());
    }
    else
    {
        _log->Print(DUMP_SYSTEM, "Failed to take screenshot\n");
    }
    return ok;
}
