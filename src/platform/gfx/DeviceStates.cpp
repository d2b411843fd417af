#include "platform/gfx/Device.h"

#include "platform/gfx/GlFormats.h"
#include "platform/gfx/Program.h"
#include "platform/gfx/Texture.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace gfx {

namespace {

GLint ToGl(TextureAddress address)
{
    switch (address)
    {
    case TextureAddress::Wrap: return GL_REPEAT;
    case TextureAddress::Mirror: return GL_MIRRORED_REPEAT;
    case TextureAddress::Clamp: return GL_CLAMP_TO_EDGE;
    case TextureAddress::Border: return GL_CLAMP_TO_BORDER;
    }
    return GL_REPEAT;
}

GLint MinFilter(const SamplerState& s)
{
    const bool linear = s.minFilter == TextureFilter::Linear || s.minFilter == TextureFilter::Anisotropic;
    switch (s.mipFilter)
    {
    case TextureFilter::None: return linear ? GL_LINEAR : GL_NEAREST;
    case TextureFilter::Point: return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    default: return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
    }
}

void Toggle(GLenum cap, bool enable) { enable ? glEnable(cap) : glDisable(cap); }

} // namespace

void Device::ResetStates()
{
    _depthTest = true;
    _depthWrite = true;
    _depthFunc = CmpFunc::LessEqual;
    _cull = CullMode::Ccw;
    _fill = FillMode::Solid;
    _blend = BlendState{};
    _colorWrite = WriteAll;
    _stencil = StencilState{};
    Toggle(GL_DEPTH_TEST, true);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
    ApplyCull();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    glBlendEquation(GL_FUNC_ADD);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 0, 0xFFFFFFFFu);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glStencilMask(0xFFFFFFFFu);
    for (unsigned unit = 0; unit < kMaxTextureUnits; ++unit)
    {
        SetTexture(unit, nullptr);
        _samplerStates[unit] = SamplerState{};
        const GLuint sampler = _samplers[unit];
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, MinFilter(_samplerStates[unit]));
        glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        if (_anisotropy)
            glSamplerParameterf(sampler, GL_TEXTURE_MAX_ANISOTROPY_EXT, 1.0f);
    }
    SetProgram(nullptr);
}

void Device::SetDepthTest(bool enable)
{
    if (_depthTest == enable)
        return;
    _depthTest = enable;
    Toggle(GL_DEPTH_TEST, enable);
}

void Device::SetDepthWrite(bool enable)
{
    if (_depthWrite == enable)
        return;
    _depthWrite = enable;
    glDepthMask(enable ? GL_TRUE : GL_FALSE);
}

void Device::SetDepthFunc(CmpFunc func)
{
    if (_depthFunc == func)
        return;
    _depthFunc = func;
    glDepthFunc(ToGl(func));
}

void Device::ApplyCull()
{
    if (_cull == CullMode::None)
    {
        glDisable(GL_CULL_FACE);
        return;
    }
    // Rows count from the top of the target, so a triangle running clockwise on screen has
    // a positive area in window coordinates: OpenGL calls it counter-clockwise. An upper-left
    // clip origin negates that area once more.
    glEnable(GL_CULL_FACE);
    glFrontFace(_clipControl ? GL_CW : GL_CCW);
    glCullFace(_cull == CullMode::Ccw ? GL_BACK : GL_FRONT);
}

void Device::SetCullMode(CullMode mode)
{
    if (_cull == mode)
        return;
    _cull = mode;
    ApplyCull();
}

void Device::SetFillMode(FillMode mode)
{
    if (_fill == mode)
        return;
    _fill = mode;
    glPolygonMode(GL_FRONT_AND_BACK, mode == FillMode::Point       ? GL_POINT
                                     : mode == FillMode::Wireframe ? GL_LINE
                                                                   : GL_FILL);
}

void Device::SetBlend(const BlendState& blend)
{
    if (_blend == blend)
        return;
    if (_blend.enable != blend.enable)
        Toggle(GL_BLEND, blend.enable);
    glBlendFunc(ToGl(blend.source), ToGl(blend.destination));
    glBlendEquation(ToGl(blend.op));
    _blend = blend;
}

void Device::SetColorWrite(unsigned flags)
{
    flags &= WriteAll;
    if (_colorWrite == flags)
        return;
    _colorWrite = flags;
    glColorMask(flags & WriteRed, flags & WriteGreen, flags & WriteBlue, flags & WriteAlpha);
}

void Device::SetStencil(const StencilState& stencil)
{
    if (_stencil == stencil)
        return;
    if (_stencil.enable != stencil.enable)
        Toggle(GL_STENCIL_TEST, stencil.enable);
    glStencilFunc(ToGl(stencil.func), stencil.reference, stencil.mask);
    glStencilOp(ToGl(stencil.fail), ToGl(stencil.depthFail), ToGl(stencil.pass));
    glStencilMask(stencil.writeMask);
    _stencil = stencil;
}

void Device::SetMultisample(bool enable)
{
    if (_multisample == enable)
        return;
    _multisample = enable;
    Toggle(GL_MULTISAMPLE, enable);
}

void Device::SetTexture(unsigned unit, Texture* texture)
{
    if (unit >= kMaxTextureUnits)
        return;
    const unsigned name = texture ? texture->GetName() : 0;
    if (_textureNames[unit] == name)
        return;
    _textureNames[unit] = name;
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, name);
}

void Device::SetSamplerState(unsigned unit, const SamplerState& state)
{
    if (unit >= kMaxTextureUnits || _samplerStates[unit] == state)
        return;
    _samplerStates[unit] = state;
    const GLuint sampler = _samplers[unit];
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, ToGl(state.addressU));
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, ToGl(state.addressV));
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, MinFilter(state));
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER,
                        state.magFilter == TextureFilter::Point || state.magFilter == TextureFilter::None ? GL_NEAREST
                                                                                                          : GL_LINEAR);
    if (_anisotropy)
    {
        glSamplerParameterf(sampler, GL_TEXTURE_MAX_ANISOTROPY_EXT, float(std::max(state.maxAnisotropy, 1u)));
    }
}

void Device::SetProgram(Program* program)
{
    if (_program == program)
        return;
    _program = program;
    glUseProgram(program ? program->GetName() : 0);
}

} // namespace gfx
