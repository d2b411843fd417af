#include "platform/gfx/Graphics.h"

#include "platform/gfx/GlFormats.h"
#include "platform/window/Window.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>

namespace gfx {

namespace {

std::string GlString(GLenum name)
{
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : std::string();
}

uint32_t Hash(const std::string& text)
{
    uint32_t h = 2166136261u;
    for (unsigned char c : text)
        h = (h ^ c) * 16777619u;
    return h;
}

} // namespace

bool AdapterCaps::CanRenderTo(Format format) const
{
    return std::find(renderTargetFormats.begin(), renderTargetFormats.end(), format) != renderTargetFormats.end();
}

bool AdapterCaps::CanDepth(Format format) const
{
    return std::find(depthFormats.begin(), depthFormats.end(), format) != depthFormats.end();
}

std::unique_ptr<Graphics> Graphics::Create(Window& window, std::string* error)
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The scene is drawn into textures; the window needs colour only.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GLContext context = SDL_GL_CreateContext(window.GetSdlWindow());
    if (!context)
    {
        if (error)
            *error = SDL_GetError();
        return nullptr;
    }
    if (epoxy_gl_version() < 33)
    {
        if (error)
            *error = "OpenGL 3.3 is not available";
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    return std::unique_ptr<Graphics>(new Graphics(window, context));
}

Graphics::Graphics(Window& window, void* context) : _window(window), _context(context)
{
    _vendor = GlString(GL_VENDOR);
    _renderer = GlString(GL_RENDERER);
    _version = GlString(GL_VERSION);
    _clipControl = epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_ARB_clip_control");
}

Graphics::~Graphics() { SDL_GL_DeleteContext(static_cast<SDL_GLContext>(_context)); }

int Graphics::GetAdapterCount() const { return std::max(_displays.GetCount(), 1); }

std::string Graphics::GetAdapterName(int adapter) const { return _displays.GetName(adapter); }

bool Graphics::GetAdapterCaps(int adapter, AdapterCaps& caps) const
{
    if (adapter < 0 || adapter >= GetAdapterCount())
        return false;
    caps = AdapterCaps{};
    caps.driverName = _vendor;
    caps.description = _renderer;
    caps.version = _version;
    caps.identifier = Hash(_renderer);
    GLint value = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &value);
    caps.maxTextureWidth = caps.maxTextureHeight = value;
    glGetIntegerv(GL_MAX_TEXTURE_IMAGE_UNITS, &value);
    caps.maxTextureUnits = caps.maxTextureStages = std::min(value, 16);
    glGetIntegerv(GL_MAX_DRAW_BUFFERS, &value);
    caps.maxRenderTargets = std::min<unsigned>(value, Device::kMaxRenderTargets);
    caps.anisotropic = epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
                       epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic");
    if (caps.anisotropic)
    {
        GLfloat anisotropy = 1.0f;
        glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &anisotropy);
        caps.maxAnisotropy = static_cast<unsigned>(anisotropy);
    }
    // Fixed values where OpenGL has no counterpart or no limit worth reporting.
    caps.maxActiveLights = 8;
    caps.maxUserClipPlanes = 6;
    caps.maxPrimitiveCount = 0xFFFFF;
    caps.maxVertexIndex = 0xFFFFFF;
    caps.maxStreams = 16;
    caps.pixelShaderInstructions = caps.vertexShaderInstructions = 65535;
    caps.pixelShaderVersion = caps.vertexShaderVersion = 3.0f;
    caps.pureDevice = caps.hardwareTnL = true;
    caps.gammaRamp = caps.dynamicTextures = caps.autoMipGeneration = true;
    caps.mipCubeMaps = caps.cubeMaps = caps.nonPow2Textures = caps.textureCopying = true;
    caps.linearToSrgbPresentation = caps.separateAlphaBlend = caps.mrtIndependentBitDepths = true;
    caps.srgbTextures = true;
    for (unsigned f = 1; f <= static_cast<unsigned>(Format::D32F); ++f)
    {
        const Format format = static_cast<Format>(f);
        const GlFormat* gl = ToGl(format);
        if (!gl || !gl->renderable)
            continue;
        (IsDepthFormat(format) ? caps.depthFormats : caps.renderTargetFormats).push_back(format);
    }
    caps.desktopFormat = Format::X8R8G8B8;
    return true;
}

std::vector<DisplayMode> Graphics::GetDisplayModes(int adapter) const { return _displays.GetModes(adapter); }

bool Graphics::GetDesktopMode(int adapter, DisplayMode& mode) const { return _displays.GetDesktopMode(adapter, mode); }

std::unique_ptr<Device> Graphics::CreateDevice(const DeviceParams& params, std::string* error)
{
    if (_faults.failDeviceCreations > 0)
    {
        --_faults.failDeviceCreations;
        if (error)
            *error = "device creation failed (injected)";
        return nullptr;
    }
    SDL_GL_SetSwapInterval(params.vsync ? 1 : 0);
    std::unique_ptr<Device> device(new Device(*this, params, _clipControl && !_faults.noClipControl));
    if (!device->CreateBackBuffer())
    {
        if (error)
            *error = "the back buffer could not be created";
        return nullptr;
    }
    return device;
}

} // namespace gfx
