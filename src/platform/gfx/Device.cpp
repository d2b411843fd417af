#include "platform/gfx/Device.h"

#include "foundation/base/Dumper.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/GlFormats.h"
#include "platform/gfx/Graphics.h"
#include "platform/gfx/Program.h"
#include "platform/gfx/Query.h"
#include "platform/gfx/Texture.h"
#include "platform/gfx/VertexLayout.h"
#include "platform/window/Window.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstring>

namespace gfx {

Device::Device(Graphics& graphics, const DeviceParams& params, bool clipControl)
    : _graphics(graphics), _context(graphics.GetContextToken()), _faults(graphics.GetFaults()), _params(params),
      _clipControl(clipControl)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    _maxTextureSize = static_cast<unsigned>(maxSize);
    _compressedTextures = epoxy_has_gl_extension("GL_EXT_texture_compression_s3tc");
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    _software = renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe"));
    _anisotropy = epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
                  epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic");

    if (_clipControl)
        glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE);
    glGenFramebuffers(1, &_drawFbo);
    glGenFramebuffers(2, _blitFbos);
    glGenBuffers(1, &_targetBlock);
    glBindBuffer(GL_UNIFORM_BUFFER, _targetBlock);
    glBufferData(GL_UNIFORM_BUFFER, 4 * sizeof(float), nullptr, GL_DYNAMIC_DRAW);
    glBindBufferBase(GL_UNIFORM_BUFFER, kTargetBlockBinding, _targetBlock);
    glGenSamplers(kMaxTextureUnits, _samplers);
    for (unsigned unit = 0; unit < kMaxTextureUnits; ++unit)
        glBindSampler(unit, _samplers[unit]);
    glEnable(GL_TEXTURE_CUBE_MAP_SEAMLESS);
    ResetStates();
}

Device::~Device()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindVertexArray(0);
    glUseProgram(0);
    _backBuffer.reset();
    _depthBuffer.reset();
    glDeleteSamplers(kMaxTextureUnits, _samplers);
    glDeleteBuffers(1, &_targetBlock);
    glDeleteFramebuffers(2, _blitFbos);
    glDeleteFramebuffers(1, &_drawFbo);
}

bool Device::CreateBackBuffer()
{
    TextureDesc color;
    color.format = _params.backBufferFormat;
    color.width = _params.width;
    color.height = _params.height;
    color.renderTarget = true;
    TextureDesc depth = color;
    depth.format = _params.depthFormat;
    // Drop the old pair first: a target being replaced must leave the caches.
    _backBuffer.reset();
    _depthBuffer.reset();
    _backBuffer = Texture::Create(*this, color);
    _depthBuffer = Texture::Create(*this, depth);
    if (!_backBuffer || !_depthBuffer)
        return false;
    _targets[0] = nullptr;
    _depthTarget = _depthBuffer.get();
    _targetsDirty = true;
    SetViewport(Rect{0, 0, static_cast<int>(_params.width), static_cast<int>(_params.height)});
    return true;
}

bool Device::Reset(const DeviceParams& params)
{
    // A failed reset leaves the device waiting for another one.
    if (_faults.failResets > 0)
    {
        --_faults.failResets;
        _lost = true;
        return false;
    }
    _params = params;
    SDL_GL_SetSwapInterval(params.vsync ? 1 : 0);
    if (!CreateBackBuffer())
    {
        _lost = true;
        return false;
    }
    _lost = false;
    return true;
}

bool Device::Present()
{
    if (_lost)
        return false;
    if (_faults.lostPresents > 0)
    {
        --_faults.lostPresents;
        _lost = true;
        return false;
    }
    int width = 0, height = 0;
    _graphics.GetWindow().GetDrawableSize(width, height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _blitFbos[0]);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, _backBuffer->GetName(), 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    if (_scissor)
        glDisable(GL_SCISSOR_TEST);
    // The window's rows run bottom-up: turn the top-left image over on the way.
    const bool sameSize = width == static_cast<int>(_params.width) && height == static_cast<int>(_params.height);
    glBlitFramebuffer(0, 0, _params.width, _params.height, 0, height, width, 0, GL_COLOR_BUFFER_BIT,
                      sameSize ? GL_NEAREST : GL_LINEAR);
    if (_scissor)
        glEnable(GL_SCISSOR_TEST);
    SDL_GL_SwapWindow(_graphics.GetWindow().GetSdlWindow());
    _targetsDirty = true;
    return true;
}

void Device::Finish() { glFinish(); }

CooperativeLevel Device::TestCooperativeLevel()
{
    if (!_faults.cooperativeLevels.empty())
    {
        CooperativeLevel level = _faults.cooperativeLevels.front();
        _faults.cooperativeLevels.pop_front();
        return level;
    }
    return _lost ? CooperativeLevel::NotReset : CooperativeLevel::Ok;
}

// --- targets ---------------------------------------------------------------------------

void Device::SetRenderTarget(unsigned index, Texture* texture)
{
    if (index >= kMaxRenderTargets || _targets[index] == texture)
        return;
    _targets[index] = texture;
    _targetsDirty = true;
    // A new first target brings a viewport covering all of it.
    if (index == 0)
    {
        unsigned width = 0, height = 0;
        GetTargetSize(width, height);
        SetViewport(Rect{0, 0, static_cast<int>(width), static_cast<int>(height)});
    }
}

Texture* Device::GetRenderTarget(unsigned index) const
{
    if (index >= kMaxRenderTargets)
        return nullptr;
    return index == 0 && !_targets[0] ? _backBuffer.get() : _targets[index];
}

void Device::SetDepthTarget(Texture* texture)
{
    if (_depthTarget == texture)
        return;
    _depthTarget = texture;
    _targetsDirty = true;
}

void Device::GetTargetSize(unsigned& width, unsigned& height) const
{
    const Texture* target = GetRenderTarget(0);
    width = target ? target->GetWidth() : 0;
    height = target ? target->GetHeight() : 0;
}

void Device::WriteTargetBlock(unsigned width, unsigned height)
{
    if (width == _blockWidth && height == _blockHeight)
        return;
    const float block[4] = {float(width), float(height), width ? 1.0f / width : 0.0f, height ? 1.0f / height : 0.0f};
    glBindBuffer(GL_UNIFORM_BUFFER, _targetBlock);
    glBufferSubData(GL_UNIFORM_BUFFER, 0, sizeof(block), block);
    _blockWidth = width;
    _blockHeight = height;
}

void Device::ApplyTargets()
{
    if (!_targetsDirty)
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, _drawFbo);
    GLenum drawBuffers[kMaxRenderTargets];
    unsigned count = 0;
    for (unsigned i = 0; i < kMaxRenderTargets; ++i)
    {
        Texture* target = GetRenderTarget(i);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + i, GL_TEXTURE_2D, target ? target->GetName() : 0,
                               0);
        if (target)
            target->ForgetCoverage();
        drawBuffers[i] = target ? GL_COLOR_ATTACHMENT0 + i : GL_NONE;
        if (target)
            count = i + 1;
    }
    glDrawBuffers(count, drawBuffers);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_TEXTURE_2D, 0, 0);
    if (_depthTarget)
    {
        const GLenum attachment =
            HasStencil(_depthTarget->GetFormat()) ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT;
        glFramebufferTexture2D(GL_FRAMEBUFFER, attachment, GL_TEXTURE_2D, _depthTarget->GetName(), 0);
    }
    unsigned width = 0, height = 0;
    GetTargetSize(width, height);
    WriteTargetBlock(width, height);
    _targetsDirty = false;
}

void Device::SetViewport(const Rect& rect, float minZ, float maxZ)
{
    glViewport(rect.x, rect.y, rect.width, rect.height);
    glDepthRange(minZ, maxZ);
    _viewport = Viewport{rect.x, rect.y, rect.width, rect.height, minZ, maxZ};
}

void Device::SetScissor(bool enable, const Rect* rect)
{
    if (enable && rect)
        glScissor(rect->x, rect->y, rect->width, rect->height);
    if (enable == _scissor)
        return;
    _scissor = enable;
    enable ? glEnable(GL_SCISSOR_TEST) : glDisable(GL_SCISSOR_TEST);
}

void Device::Clear(unsigned clearFlags, uint32_t argb, float z, int stencil)
{
    if (!clearFlags)
        return;
    ApplyTargets();
    GLbitfield mask = 0;
    if (clearFlags & ClearTarget)
    {
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glClearColor(((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
                     ((argb >> 24) & 0xFF) / 255.0f);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if ((clearFlags & ClearDepth) && _depthTarget)
    {
        glDepthMask(GL_TRUE);
        glClearDepth(z);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if ((clearFlags & ClearStencil) && _depthTarget && HasStencil(_depthTarget->GetFormat()))
    {
        glStencilMask(0xFF);
        glClearStencil(stencil);
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    glClear(mask);
    glColorMask(_colorWrite & WriteRed, _colorWrite & WriteGreen, _colorWrite & WriteBlue, _colorWrite & WriteAlpha);
    glDepthMask(_depthWrite);
    glStencilMask(_stencil.writeMask);
}

bool Device::CopySurface(Texture* source, Texture* destination, bool linear)
{
    if (!source || !destination || IsDepthFormat(source->GetFormat()) || IsDepthFormat(destination->GetFormat()))
    {
        return false;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _blitFbos[0]);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, source->GetName(), 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _blitFbos[1]);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, destination->GetName(), 0);
    destination->ForgetCoverage();
    if (_scissor)
        glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(0, 0, source->GetWidth(), source->GetHeight(), 0, 0, destination->GetWidth(),
                      destination->GetHeight(), GL_COLOR_BUFFER_BIT, linear ? GL_LINEAR : GL_NEAREST);
    if (_scissor)
        glEnable(GL_SCISSOR_TEST);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    _targetsDirty = true;
    return glGetError() == GL_NO_ERROR;
}

bool Device::ReadPixels(Texture* source, const Rect& rect, void* out)
{
    if (!source || !out || IsDepthFormat(source->GetFormat()) || rect.x < 0 || rect.y < 0 || rect.width <= 0 ||
        rect.height <= 0 || unsigned(rect.x + rect.width) > source->GetWidth() ||
        unsigned(rect.y + rect.height) > source->GetHeight())
    {
        return false;
    }
    // A software rasterizer may still be drawing into the texture from its own threads.
    glFinish();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _blitFbos[0]);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, source->GetName(), 0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(rect.x, rect.y, rect.width, rect.height, GL_BGRA, GL_UNSIGNED_BYTE, out);
    _targetsDirty = true;
    return glGetError() == GL_NO_ERROR;
}

bool Device::ReadFloatPixels(Texture* source, const Rect& rect, float* out)
{
    if (!source || !out || IsDepthFormat(source->GetFormat()) || rect.x < 0 || rect.y < 0 || rect.width <= 0 ||
        rect.height <= 0 || unsigned(rect.x + rect.width) > source->GetWidth() ||
        unsigned(rect.y + rect.height) > source->GetHeight())
    {
        return false;
    }
    glFinish();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _blitFbos[0]);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, source->GetName(), 0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(rect.x, rect.y, rect.width, rect.height, GL_RED, GL_FLOAT, out);
    _targetsDirty = true;
    return glGetError() == GL_NO_ERROR;
}

// --- drawing ---------------------------------------------------------------------------

void Device::SetVertexLayout(VertexLayout* layout) { _layout = layout; }

void Device::SetStreamSource(Buffer* buffer, unsigned offset, unsigned stride)
{
    _stream = buffer;
    _streamOffset = offset;
    _streamStride = stride;
}

void Device::SetIndices(Buffer* buffer) { _indices = buffer; }

void Device::ApplyGeometry()
{
    glBindVertexArray(_layout->_vao);
    const unsigned buffer = _stream->GetName();
    const unsigned indices = _indices ? _indices->GetName() : 0;
    if (_layout->_boundBuffer != buffer || _layout->_boundOffset != _streamOffset ||
        _layout->_boundStride != _streamStride)
    {
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        for (const VertexElement& e : _layout->GetElements())
        {
            const GLuint location = AttributeLocation(e.usage, e.usageIndex);
            const auto pointer = reinterpret_cast<const void*>(static_cast<uintptr_t>(_streamOffset + e.offset));
            if (e.type == VertexType::Color)
            {
                glVertexAttribPointer(location, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, _streamStride, pointer);
            }
            else
            {
                glVertexAttribPointer(location, 1 + static_cast<int>(e.type), GL_FLOAT, GL_FALSE, _streamStride,
                                      pointer);
            }
        }
        _layout->_boundBuffer = buffer;
        _layout->_boundOffset = _streamOffset;
        _layout->_boundStride = _streamStride;
    }
    if (_layout->_boundIndices != indices)
    {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
        _layout->_boundIndices = indices;
    }
}

bool Device::BeginDraw()
{
    if (!_layout || !_stream || !_program || _stream->IsLocked())
        return false;
    ApplyTargets();
    ApplyGeometry();
    return true;
}

// Whether vertices first .. first + count - 1 of the stream lie inside its buffer.
bool Device::StreamHolds(unsigned first, unsigned count) const
{
    unsigned vertexBytes = 0;
    for (const VertexElement& e : _layout->GetElements())
    {
        vertexBytes = std::max(vertexBytes, e.offset + VertexTypeBytes(e.type));
    }
    const uint64_t end = uint64_t(_streamOffset) + (uint64_t(first) + count - 1) * _streamStride + vertexBytes;
    return end <= _stream->GetSize();
}

void Device::DrawPrimitive(PrimitiveType type, unsigned startVertex, unsigned primitiveCount)
{
    const unsigned count = PrimitiveVertexCount(type, primitiveCount);
    if (!count || !BeginDraw())
        return;
    if (!StreamHolds(startVertex, count))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Draw refused: %u vertices from %u exceed the vertex buffer\n", count,
                                 startVertex);
        return;
    }
    glDrawArrays(ToGl(type), startVertex, count);
}

void Device::DrawIndexedPrimitive(PrimitiveType type, int baseVertex, unsigned startIndex, unsigned primitiveCount)
{
    const unsigned count = PrimitiveVertexCount(type, primitiveCount);
    if (!count || !_indices || _indices->IsLocked() || !BeginDraw())
        return;
    if ((uint64_t(startIndex) + count) * 2 > _indices->GetSize())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Draw refused: %u indices from %u exceed the index buffer\n", count,
                                 startIndex);
        return;
    }
    glDrawElementsBaseVertex(ToGl(type), count, GL_UNSIGNED_SHORT,
                             reinterpret_cast<const void*>(static_cast<uintptr_t>(startIndex) * 2), baseVertex);
}

std::unique_ptr<Query> Device::CreateOcclusionQuery()
{
    if (_faults.noOcclusionQueries)
        return nullptr;
    GLuint name = 0;
    glGenQueries(1, &name);
    return name ? std::unique_ptr<Query>(new Query(*this, name)) : nullptr;
}

// --- bookkeeping -------------------------------------------------------------------------

void Device::ForgetBuffer(const Buffer* buffer)
{
    if (_stream == buffer)
        _stream = nullptr;
    if (_indices == buffer)
        _indices = nullptr;
}

void Device::ForgetTexture(const Texture* texture)
{
    for (Texture*& target : _targets)
    {
        if (target == texture)
        {
            target = nullptr;
            _targetsDirty = true;
        }
    }
    if (_depthTarget == texture)
    {
        _depthTarget = nullptr;
        _targetsDirty = true;
    }
    // OpenGL unbinds a deleted texture and may hand its name out again.
    for (unsigned& name : _textureNames)
    {
        if (name == texture->GetName())
            name = 0;
    }
    for (TextureWatcher* watcher : _textureWatchers)
        watcher->OnTextureDestroyed(texture);
}

void Device::AddTextureWatcher(TextureWatcher* watcher) { _textureWatchers.push_back(watcher); }

void Device::RemoveTextureWatcher(TextureWatcher* watcher) { std::erase(_textureWatchers, watcher); }

void Device::ForgetLayout(const VertexLayout* layout)
{
    if (_layout == layout)
        _layout = nullptr;
    // A vertex array was created or deleted: nothing is bound any more.
    glBindVertexArray(0);
}

void Device::ForgetProgram(const Program* program)
{
    if (_program == program)
    {
        _program = nullptr;
        glUseProgram(0);
    }
}

void Device::BindTextureForUpdate(unsigned name)
{
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, name);
    _textureNames[0] = name;
}

} // namespace gfx
