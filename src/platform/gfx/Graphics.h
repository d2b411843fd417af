#pragma once

#include "platform/gfx/Device.h"
#include "platform/gfx/GfxTypes.h"
#include "platform/window/Displays.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class Window;

namespace gfx {

// What an adapter can do, in the renderer's terms. Filled from OpenGL queries; tests may
// build one by hand.
struct AdapterCaps
{
    std::string driverName;  // GL_VENDOR
    std::string description; // GL_RENDERER
    std::string version;     // GL_VERSION
    uint32_t identifier = 0;
    unsigned maxTextureWidth = 0, maxTextureHeight = 0, maxAnisotropy = 1;
    unsigned maxTextureUnits = 0, maxTextureStages = 0, maxActiveLights = 0, maxUserClipPlanes = 0;
    unsigned maxPrimitiveCount = 0, maxVertexIndex = 0, maxStreams = 0, maxRenderTargets = 0;
    unsigned maxSamples = 0; // multisampled back buffers: 0, the layer renders single-sampled
    unsigned pixelShaderInstructions = 0, vertexShaderInstructions = 0;
    float pixelShaderVersion = 0.0f, vertexShaderVersion = 0.0f;
    bool pureDevice = false, hardwareTnL = false, gammaRamp = false, dynamicTextures = false;
    bool autoMipGeneration = false, mipCubeMaps = false, cubeMaps = false, nonPow2Textures = false;
    bool anisotropic = false, textureCopying = false, linearToSrgbPresentation = false;
    bool separateAlphaBlend = false, mrtIndependentBitDepths = false, srgbTextures = false;
    std::vector<Format> renderTargetFormats; // colour formats a texture target may have
    std::vector<Format> depthFormats;        // depth-stencil formats a target may have
    Format desktopFormat = Format::X8R8G8B8;

    bool CanRenderTo(Format format) const;
    bool CanDepth(Format format) const;
};

// Switches that make the layer fail on purpose, so that the engine's recovery paths run
// under test. Each count is used up one failure at a time.
struct FaultInjection
{
    int failDeviceCreations = 0;
    int failResets = 0;
    int lostPresents = 0;                           // presents that report the device lost
    std::deque<CooperativeLevel> cooperativeLevels; // answers before the real one
    bool noOcclusionQueries = false;
    bool noClipControl = false; // run the vertex-stage fallback instead
};

// The graphics system of one window: the OpenGL context, the adapters (displays) and their
// modes, and device creation. Outlives every device and resource made from it.
class Graphics
{
public:
    // Null (with the reason in `error`) when no OpenGL 3.3 core context can be made.
    static std::unique_ptr<Graphics> Create(Window& window, std::string* error = nullptr);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    int GetAdapterCount() const;
    std::string GetAdapterName(int adapter) const;
    bool GetAdapterCaps(int adapter, AdapterCaps& caps) const;
    std::vector<DisplayMode> GetDisplayModes(int adapter) const;
    bool GetDesktopMode(int adapter, DisplayMode& mode) const;

    const std::string& GetVendor() const { return _vendor; }
    const std::string& GetRenderer() const { return _renderer; }
    const std::string& GetVersion() const { return _version; }
    bool HasClipControl() const { return _clipControl; }

    // Null when the back buffer cannot be made (or a creation failure is injected).
    std::unique_ptr<Device> CreateDevice(const DeviceParams& params, std::string* error = nullptr);

    FaultInjection& GetFaults() { return _faults; }
    // Held by devices; resources watch it to know whether the context still exists.
    const std::shared_ptr<const void>& GetContextToken() const { return _contextAlive; }
    Window& GetWindow() { return _window; }

private:
    Graphics(Window& window, void* context);

    Window& _window;
    void* _context;
    Displays _displays;
    FaultInjection _faults;
    std::shared_ptr<const void> _contextAlive = std::make_shared<int>(0);
    std::string _vendor, _renderer, _version;
    bool _clipControl = false;
};

} // namespace gfx
