#pragma once

#include "MaterialSystem/IVideoSource.h"
#include "MaterialSystem/draw/DrawTypes.h"
#include "foundation/base/Handles.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Graphics.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class Dumper;
class DriverInfo;
struct DrawServices;
class Material;
class RenderQueue;
struct RenderText;
struct Color;
struct Matrix;
struct Vec2;
struct Vec4;
class Texture;
class Timer;
class MeshMgr;
class ResourceSystem;
class ShaderParamsGlobal;
class TextureMgr;
class MaterialMgr;
class VideoSettings;

// The one owner of the render device: creates it on the render window from the video
// settings, brackets and presents every frame, walks the device resources around a reset
// (a mode change or a lost device) and takes screenshots. The resource managers (textures,
// materials with the shader library, meshes) and the drawing services ride on it.
class MaterialSystem
{
public:
    enum eCreationFlags
    {
        CF_HARDWARE_VERTEXPROCESSING = 0x01,
        CF_SOFTWARE_VERTEXPROCESSING = 0x02,
        CF_PUREDEVICE = 0x04,
        CF_MULTITHREADED = 0x08,
        CF_FPU_PRESERVE = 0x10,
    };

    // What the device is created and reset with.
    struct PresentParameters
    {
        bool windowed = true;
        unsigned width = 0, height = 0;
        int refreshHz = 0;
        bool vsync = false;
        bool lockableBackBuffer = false;
        gfx::Format backBufferFormat = gfx::Format::Unknown;
        gfx::Format depthFormat = gfx::Format::Unknown;
        int multisampleType = 0;
        int multisampleQuality = 0;
    };

    MaterialSystem(WindowHandle window, Dumper* log, ResourceSystem* resources, VideoSettings* settings,
                   bool keepClientArea);
    ~MaterialSystem();
    MaterialSystem(const MaterialSystem&) = delete;
    MaterialSystem& operator=(const MaterialSystem&) = delete;

    void InitSystem(const char* shaderLibPath);
    void ShutDownSystem();
    // Rebuilds the device for the current settings (also the full-screen toggle).
    bool RestartSystem();
    void Present(ShaderParamsGlobal* globalParams);
    void CheckDeviceLost();
    void ResourcesCleanup();

    void TakeScreenShot() { _screenshotRequest = true; }
    void SetRenderSleep(int sleep) { _renderSleep = sleep; }
    void ResetCriticalSection() {}

    bool IsInitialized() const { return _initialized; }
    bool IsActivated() const { return !_lost; }
    const DriverInfo& GetDriverInfo() const { return *_driverInfo; }
    VideoSettings* GetSettings() const { return _settings; }
    ResourceSystem* GetResourceSystem() const { return _resourceSystem; }
    TextureMgr* GetTextureMgr() const { return _textureMgr.get(); }
    MaterialMgr* GetMaterialMgr() const { return _materialMgr.get(); }
    MeshMgr* GetMeshMgr() const { return _meshMgr.get(); }
    gfx::Device* GetDevice() const { return _device.get(); }
    gfx::Graphics* GetDE() const { return _graphics.get(); }
    std::recursive_mutex* GetCriticalSection() { return &_criticalSection; }
    gfx::Texture* GetBackBuffer() const { return _backBuffer; }
    gfx::Texture* GetDepthBuffer() const { return _depthBuffer; }
    WindowHandle GetRenderWindow() const { return _window; }
    const PresentParameters& GetPresentParameters() const { return _presentParams; }
    int GetRenderSleep() const { return _renderSleep; }

    // The adapter to use among several: `DefaultDriver` when set, else the last PerfHUD
    // adapter with `UsePerfHUD`, else the configuration system's selection dialog.
    static int ChooseAdapter(const std::vector<DriverInfo>& adapters, VideoSettings& settings, Dumper* log);
    // Replaces the pause between creation attempts (tests do not wait).
    void SetSleepFunction(std::function<void(unsigned milliseconds)> sleep) { _sleep = std::move(sleep); }

    // The video whose pictures Present waits for (at most about 100 ms a frame, and not again
    // until one comes) and copies into its texture; null unregisters it.
    void SetVMR9(IVideoSource* video);
    IVideoSource* GetVMR9() const { return _currentVideo; }
    // Takes a video no longer used; it is deleted after a present once it can be.
    void DeleteVMR9(std::unique_ptr<IVideoSource> video);

    // Drawing services, collected during a frame and drawn by Present.
    void DrawTriangles(const HelperTriangle* triangles, unsigned count);
    void DrawLines(const HelperLine* lines, unsigned count);
    void DrawPoints(const HelperPoint* points, unsigned count);
    void DrawLine2D(const Vec2& a, const Vec2& b, Color colorA, Color colorB);
    void DrawTriangle2D(const Vec2& a, const Vec2& b, const Vec2& c, const Color& color);
    void DrawPoint2D(const Vec2& p, const Color& color);
    // The record stays valid until the frame is drawn; its layer and clip rectangle may be set.
    RenderText* DrawD3DText(const char* face, unsigned height, unsigned width, unsigned long weight, bool italic,
                            const char* text, const Vec4& rect, TextAlign align, bool wordBreak, const Color& color);
    RenderText* DrawD3DText(const char* face, unsigned height, unsigned width, bool italic, const char* text,
                            const Vec4& rect, TextAlign align, bool wordBreak, const Color& color);
    // The width in pixels of the text's widest line in that font, as DrawD3DText would lay it
    // out unwrapped; 0 without a font.
    float MeasureD3DText(const char* face, unsigned height, unsigned width, unsigned long weight, bool italic,
                         const char* text);
    // Screen quads: uv0..uv3 at the corners bottom-left, top-left, bottom-right, top-right;
    // the angle in degrees; layer 0 or 1.
    void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, float angle, const Color& color, int layer);
    void RenderQuadAdvanced(Material* material, const Vec2& pos, const Vec2& size, Vec2& uv0, Vec2& uv1, Vec2& uv2,
                            Vec2& uv3, float angle, const Color& color, int layer);
    void RenderScreenAlignedQuad(Material* material);
    void FlushTextPrims() {}
    void RenderQuadPool() {}
    unsigned GetFontCount() const;

    // Targets and states.
    void SetBackBuffer();
    void SetRenderTarget(Texture* texture, unsigned index);
    void SetDepthTarget(Texture* texture);
    void CopyTexture(Texture* source, Texture* destination);
    void GetCurrentRenderTargetDimensions(float& width, float& height);
    void ClearTarget(unsigned flags, uint32_t color, float z);
    void SetDepthFunc(eCmpFunc func);
    void SetColorWrite(uint32_t flags);
    void SetStencilTest(bool enable, const StencilTestDesc* desc);
    void SetScissors(bool percent, const Rect* rect);
    void SetViewport(const Rect* rect);
    void SyncWithGPU(bool end);

    void RequestOcclusionTest(const Vec3& point, bool* result, const Matrix& view, const Matrix& projection);
    void RenderStats(Timer* timer);
    // Forgets the screen drawing collected so far without drawing it: a frame that is not shown.
    void DropDrawing();

    // Render queues live until destroyed here, and never past the device.
    RenderQueue* CreateRenderQueue();
    void DestroyRenderQueue(RenderQueue* queue);
    // Instances an instanced mesh of this format is built with (1 without the instance bit).
    unsigned CalculateInstanceCount(unsigned primitivesPerInstance, uint32_t vertexFormat) const;

private:
    bool CreateD3DDevice();
    unsigned DetermineDevCreationFlags(const DriverInfo* info);
    void PreparePresentParameters(const DriverInfo* info, PresentParameters& params);
    void AdjustWindowForStyle(bool fullscreen);
    void ResetDeviceResources();
    void RestoreDeviceResources();
    void DestroyD3DDevice();
    bool TakeScreenShotSys();
    void AcquireRenderTargets();
    void ResetRenderStates();
    void DropFrame();
    gfx::DeviceParams ToDeviceParams() const;
    void PrepareDrawServices();
    void ResetDrawServices();
    void RestoreDrawServices();
    void DestroyDrawServices();
    void RenderFrameDrawing(ShaderParamsGlobal* globalParams);
    void PrepareHelperResources();
    void LockHelperResources();
    void UnlockHelperResources();
    void FlushHelperPrims(ShaderParamsGlobal* globalParams);
    void DestroyHelperResources();
    void FlushScreenPrims();
    void InitScreenAlignedQuad();
    void PrepareOcclusionQueries();
    void PerformOcclusionTests();
    void DestroyOcclusionQueries();
    void ProfileDeviceResources();
    void WaitForVideoFrame();
    void ReleaseVideos();

    IVideoSource* _currentVideo = nullptr;
    WindowHandle _window;
    PresentParameters _presentParams;
    Dumper* _log;
    VideoSettings* _settings;
    bool _keepClientArea;
    std::unique_ptr<gfx::Graphics> _graphics;
    std::unique_ptr<gfx::Device> _device;
    std::unique_ptr<DriverInfo> _driverInfo;
    int _adapter = 0;
    bool _lost = false;
    bool _initialized = false;
    bool _frameOpen = false;
    bool _sceneEnded = true;
    gfx::Texture* _backBuffer = nullptr;
    gfx::Texture* _depthBuffer = nullptr;
    ResourceSystem* _resourceSystem;
    std::unique_ptr<DrawServices> _draw;
    std::unique_ptr<TextureMgr> _textureMgr;
    std::unique_ptr<MaterialMgr> _materialMgr;
    std::unique_ptr<MeshMgr> _meshMgr;
    bool _screenshotRequest = false;
    int _renderSleep = 0;
    std::recursive_mutex _criticalSection;
    std::function<void(unsigned)> _sleep;
    std::vector<std::unique_ptr<IVideoSource>> _videosToRelease;
};
