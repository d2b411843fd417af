#pragma once

// The render device over an OpenGL 3.3 core context. Conventions, fixed here for everything
// drawn:
// - Origin top-left. Row 0 of every texture and render target is the top of the image; the
//   scene is rendered into a back-buffer texture in that orientation and turned over once
//   when it is presented. Viewports, scissor rectangles and read-backs count rows from the top.
// - Depth 0..1 in clip space (glClipControl when the driver has it, else the vertex stage's
//   epilogue maps it), cleared to 1 by default, smaller is nearer.
// - Matrices are the engine's row-vector form (p' = p * M, translation in the last row) and
//   are uploaded unchanged; GLSL then computes `M * v` (see Program::SetMatrix).
// - Half pixel: 3D geometry rasterises by OpenGL's rules; pre-transformed screen positions go
//   through gfx_PixelToClip, which puts pixel centres at whole coordinates, so a quad whose
//   corners are shifted by -0.5 covers exactly its pixels with texels matching pixels.
// - Culling is named by the winding seen on screen: CullMode::Ccw (the default) drops
//   triangles whose corners run counter-clockwise as displayed.
// Only the thread that created the context may call into a device or its resources.

#include "platform/gfx/GfxTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gfx {

class Buffer;
class Graphics;
class Program;
class Query;
class Texture;
class VertexLayout;
struct FaultInjection;

// Told when a texture is destroyed, so whoever keeps a plain pointer to it lets go of it.
class TextureWatcher
{
public:
    virtual void OnTextureDestroyed(const Texture* texture) = 0;

protected:
    ~TextureWatcher() = default;
};

struct DeviceParams
{
    unsigned width = 800;
    unsigned height = 600;
    bool vsync = false;
    Format backBufferFormat = Format::A8R8G8B8;
    Format depthFormat = Format::D24S8;
};

enum class CooperativeLevel
{
    Ok,
    Lost,
    NotReset
};

struct SamplerState
{
    TextureAddress addressU = TextureAddress::Wrap;
    TextureAddress addressV = TextureAddress::Wrap;
    TextureFilter minFilter = TextureFilter::Linear;
    TextureFilter magFilter = TextureFilter::Linear;
    TextureFilter mipFilter = TextureFilter::Point;
    unsigned maxAnisotropy = 1;
    bool operator==(const SamplerState&) const = default;
};

struct BlendState
{
    bool enable = false;
    BlendFactor source = BlendFactor::One;
    BlendFactor destination = BlendFactor::Zero;
    BlendOp op = BlendOp::Add;
    bool operator==(const BlendState&) const = default;
};

struct StencilState
{
    bool enable = false;
    CmpFunc func = CmpFunc::Always;
    StencilOp fail = StencilOp::Keep;
    StencilOp depthFail = StencilOp::Keep;
    StencilOp pass = StencilOp::Keep;
    int reference = 0;
    unsigned mask = 0xFFFFFFFFu;
    unsigned writeMask = 0xFFFFFFFFu;
    bool operator==(const StencilState&) const = default;
};

class Device
{
public:
    static constexpr unsigned kTargetBlockBinding = 0;
    static constexpr unsigned kMaxRenderTargets = 8;
    static constexpr unsigned kMaxTextureUnits = 16;

    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Life cycle. Reset rebuilds the back buffer for new parameters; every other resource
    // survives it (the engine still releases and restores its own around it).
    const DeviceParams& GetParams() const { return _params; }
    bool Reset(const DeviceParams& params);
    // Shows the back buffer; false when the device is lost.
    bool Present();
    CooperativeLevel TestCooperativeLevel();
    // Returns once the driver has carried out everything asked of it (for timing).
    void Finish();
    bool UsesClipControl() const { return _clipControl; }
    unsigned GetMaxTextureSize() const { return _maxTextureSize; }
    bool SupportsCompressedTextures() const { return _compressedTextures; }
    // A rasterizer that runs on the processor, which decodes a compressed texel at every fetch.
    bool IsSoftware() const { return _software; }

    // Targets. Render target 0 set to null means the back buffer; other slots unbind.
    // Changing target 0 resets the viewport to the whole of the new target.
    Texture* GetBackBuffer() const { return _backBuffer.get(); }
    Texture* GetDepthBuffer() const { return _depthBuffer.get(); }
    void SetRenderTarget(unsigned index, Texture* texture);
    Texture* GetRenderTarget(unsigned index) const;
    void SetDepthTarget(Texture* texture); // null: no depth buffer
    Texture* GetDepthTarget() const { return _depthTarget; }
    void GetTargetSize(unsigned& width, unsigned& height) const;
    void SetViewport(const Rect& rect, float minZ = 0.0f, float maxZ = 1.0f);
    const Viewport& GetViewport() const { return _viewport; }
    void SetScissor(bool enable, const Rect* rect = nullptr);
    // Clears the whole of the bound targets whatever the write masks say (the scissor applies).
    void Clear(unsigned clearFlags, uint32_t argb, float z = 1.0f, int stencil = 0);
    // Stretches the whole of `source` over the whole of `destination` (colour only).
    bool CopySurface(Texture* source, Texture* destination, bool linear);
    // Pixels of a colour target as A8R8G8B8 words, top row first, `rect.width` words a row. The
    // read-backs wait until the driver has drawn everything asked of it.
    bool ReadPixels(Texture* source, const Rect& rect, void* out);
    // The red channel of a colour target as floats, top row first, `rect.width` floats a row.
    bool ReadFloatPixels(Texture* source, const Rect& rect, float* out);

    // Render states, each sent to OpenGL only when it changes.
    void SetDepthTest(bool enable);
    void SetDepthWrite(bool enable);
    void SetDepthFunc(CmpFunc func);
    void SetCullMode(CullMode mode);
    void SetFillMode(FillMode mode);
    void SetBlend(const BlendState& blend);
    const BlendState& GetBlend() const { return _blend; }
    void SetColorWrite(unsigned colorWriteFlags);
    void SetStencil(const StencilState& stencil);
    // Multisample rasterisation of multisampled targets (on by default).
    void SetMultisample(bool enable);
    void SetTexture(unsigned unit, Texture* texture);
    void SetSamplerState(unsigned unit, const SamplerState& state);
    void SetProgram(Program* program);
    Program* GetProgram() const { return _program; }
    // Puts every state above to its default (depth test and writes on, less-equal, Ccw
    // culling, solid, no blending, all colours written, no stencil, no textures, no program).
    void ResetStates();

    // Geometry and drawing.
    void SetVertexLayout(VertexLayout* layout);
    void SetStreamSource(Buffer* buffer, unsigned offset, unsigned stride);
    void SetIndices(Buffer* buffer);
    // Draws that would read past the end of the bound vertex or index buffer are refused with
    // a logged error.
    void DrawPrimitive(PrimitiveType type, unsigned startVertex, unsigned primitiveCount);
    void DrawIndexedPrimitive(PrimitiveType type, int baseVertex, unsigned startIndex, unsigned primitiveCount);

    // Null when occlusion queries are unavailable.
    std::unique_ptr<Query> CreateOcclusionQuery();

    // Bookkeeping for the resources: a destroyed resource leaves every cache.
    void ForgetBuffer(const Buffer* buffer);
    void ForgetTexture(const Texture* texture);
    void ForgetLayout(const VertexLayout* layout);
    void ForgetProgram(const Program* program);
    // A watcher stays registered until it is removed or the device is destroyed.
    void AddTextureWatcher(TextureWatcher* watcher);
    void RemoveTextureWatcher(TextureWatcher* watcher);
    // Binds a texture name on unit 0 for an upload, leaving the cache consistent.
    void BindTextureForUpdate(unsigned name);
    // Expire with the device and with its context (see DeviceLink).
    std::weak_ptr<const void> GetLifeToken() const { return _life; }
    std::weak_ptr<const void> GetContextToken() const { return _context; }

private:
    friend class Graphics;
    Device(Graphics& graphics, const DeviceParams& params, bool clipControl);
    bool CreateBackBuffer();
    void ApplyTargets();
    void ApplyGeometry();
    void ApplyCull();
    void WriteTargetBlock(unsigned width, unsigned height);
    bool BeginDraw();
    bool StreamHolds(unsigned first, unsigned count) const;

    Graphics& _graphics;
    std::shared_ptr<const void> _life = std::make_shared<int>(0);
    std::shared_ptr<const void> _context;
    FaultInjection& _faults;
    DeviceParams _params;
    bool _clipControl;
    bool _lost = false;
    unsigned _maxTextureSize = 0;
    bool _compressedTextures = false;
    bool _software = false;
    bool _anisotropy = false;

    std::unique_ptr<Texture> _backBuffer;
    std::unique_ptr<Texture> _depthBuffer;
    unsigned _drawFbo = 0;
    unsigned _blitFbos[2] = {};
    unsigned _targetBlock = 0;
    unsigned _samplers[kMaxTextureUnits] = {};

    Texture* _targets[kMaxRenderTargets] = {};
    Texture* _depthTarget = nullptr;
    bool _targetsDirty = true;
    unsigned _blockWidth = 0, _blockHeight = 0;

    bool _depthTest = true, _depthWrite = true;
    CmpFunc _depthFunc = CmpFunc::LessEqual;
    CullMode _cull = CullMode::Ccw;
    FillMode _fill = FillMode::Solid;
    BlendState _blend;
    unsigned _colorWrite = WriteAll;
    StencilState _stencil;
    bool _multisample = true;
    bool _scissor = false;
    Viewport _viewport;
    unsigned _textureNames[kMaxTextureUnits] = {};
    SamplerState _samplerStates[kMaxTextureUnits];
    Program* _program = nullptr;

    VertexLayout* _layout = nullptr;
    Buffer* _stream = nullptr;
    unsigned _streamOffset = 0, _streamStride = 0;
    Buffer* _indices = nullptr;

    std::vector<TextureWatcher*> _textureWatchers;
};

} // namespace gfx
