#include "MaterialSystem/draw/RenderTargets.h"

#include "MaterialSystem/textures/Texture.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"

#include <algorithm>

namespace {

gfx::CmpFunc ToCmp(uint32_t func)
{
    return static_cast<gfx::CmpFunc>(std::clamp<uint32_t>(func, CMP_NEVER, CMP_ALWAYS) - 1);
}

gfx::StencilOp ToStencilOp(uint32_t op) { return static_cast<gfx::StencilOp>(std::clamp<uint32_t>(op, 1, 8) - 1); }

} // namespace

RenderTargets::RenderTargets(gfx::Device& device, unsigned driverTargets)
    : _device(device), _driverTargets(std::min(driverTargets, std::min(MaxTargets, gfx::Device::kMaxRenderTargets)))
{}

void RenderTargets::ResetCaches()
{
    std::fill(std::begin(_targets), std::end(_targets), nullptr);
    _depthTarget.reset();
}

gfx::Texture* RenderTargets::Surface(Texture* texture) const
{
    return texture ? texture->GetTexHandle() : _device.GetBackBuffer();
}

void RenderTargets::SetBackBuffer()
{
    _device.SetRenderTarget(0, nullptr);
    _targets[0] = nullptr;
    for (unsigned i = 1; i < _driverTargets; ++i)
    {
        if (!_targets[i])
            continue;
        _device.SetRenderTarget(i, nullptr);
        _targets[i] = nullptr;
    }
}

void RenderTargets::SetRenderTarget(Texture* texture, unsigned index)
{
    if (index >= MaxTargets || index >= gfx::Device::kMaxRenderTargets || _targets[index] == texture)
        return;
    _targets[index] = texture;
    _device.SetRenderTarget(index, texture ? texture->GetTexHandle() : nullptr);
}

void RenderTargets::SetDepthTarget(Texture* texture)
{
    if (_depthTarget && *_depthTarget == texture)
        return;
    _depthTarget = texture;
    _device.SetDepthTarget(texture ? texture->GetTexHandle() : _device.GetDepthBuffer());
}

bool RenderTargets::CopyTexture(Texture* source, Texture* destination)
{
    return _device.CopySurface(Surface(source), Surface(destination), false);
}

void RenderTargets::GetCurrentRenderTargetDimensions(float& width, float& height) const
{
    unsigned w = 0, h = 0;
    _device.GetTargetSize(w, h);
    width = w - 0.5f;
    height = h - 0.5f;
}

void RenderTargets::ClearTarget(uint32_t flags, uint32_t color, float z)
{
    if (flags == 0)
        return;
    _device.Clear(flags, color, z, 0);
}

void RenderTargets::SetDepthFunc(eCmpFunc func) { _device.SetDepthFunc(ToCmp(func)); }

void RenderTargets::SetColorWrite(uint32_t flags) { _device.SetColorWrite(flags & gfx::WriteAll); }

void RenderTargets::SetStencilTest(bool enable, const StencilTestDesc* desc)
{
    gfx::StencilState state;
    state.enable = enable;
    if (enable && desc)
    {
        state.func = ToCmp(desc->func);
        state.depthFail = ToStencilOp(desc->depthFailOp);
        state.fail = ToStencilOp(desc->failOp);
        state.pass = ToStencilOp(desc->passOp);
        state.reference = static_cast<int>(desc->reference);
        state.mask = desc->mask;
        state.writeMask = desc->writeMask;
    }
    _device.SetStencil(state);
}

void RenderTargets::SetScissors(bool percent, const Rect* rect)
{
    if (!rect)
    {
        _device.SetScissor(false);
        return;
    }
    unsigned w = 0, h = 0;
    _device.GetTargetSize(w, h);
    int left, top, right, bottom;
    if (percent)
    {
        const float l = rect->left * 0.01f * w, t = rect->top * 0.01f * h;
        left = int(l);
        top = int(t);
        right = int(l + rect->width * 0.01f * w);
        bottom = int(t + rect->height * 0.01f * h);
    }
    else
    {
        left = int(rect->left);
        top = int(rect->top);
        right = left + int(rect->width);
        bottom = top + int(rect->height);
    }
    const gfx::Rect scissor{left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
    _device.SetScissor(true, &scissor);
}

void RenderTargets::SetViewport(const Rect* rect)
{
    unsigned w = 0, h = 0;
    _device.GetTargetSize(w, h);
    gfx::Rect viewport{0, 0, int(w), int(h)};
    if (rect)
    {
        viewport.x = int(rect->left * 0.01f * w);
        viewport.y = int(rect->top * 0.01f * h);
        viewport.width = int(rect->width * 0.01f * w);
        viewport.height = int(rect->height * 0.01f * h);
    }
    _device.SetViewport(viewport, 0.0f, 1.0f);
}
