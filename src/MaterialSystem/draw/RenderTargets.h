#pragma once

#include "MaterialSystem/draw/DrawTypes.h"

#include <cstdint>
#include <optional>

class Texture;
namespace gfx {
class Device;
class Texture;
} // namespace gfx

// Render-target and depth-target binding with caches that skip redundant changes, surface
// copies, clears, and the rectangle states (scissor, viewport) in pixels from the top-left
// corner of the bound target.
class RenderTargets
{
public:
    static constexpr unsigned MaxTargets = 32;

    RenderTargets(gfx::Device& device, unsigned driverTargets);

    // Forgets the caches (after a device reset): no target known, the depth target unknown.
    void ResetCaches();
    void SetBackBuffer();
    void SetRenderTarget(Texture* texture, unsigned index);
    void SetDepthTarget(Texture* texture);
    // Whole surfaces, no filtering; null stands for the back buffer.
    bool CopyTexture(Texture* source, Texture* destination);
    // The target's size less half a pixel, as screen-space callers want it.
    void GetCurrentRenderTargetDimensions(float& width, float& height) const;
    void ClearTarget(uint32_t flags, uint32_t color, float z);

    void SetDepthFunc(eCmpFunc func);
    void SetColorWrite(uint32_t flags);
    void SetStencilTest(bool enable, const StencilTestDesc* desc);
    // Null switches the scissor test off; `percent` reads the rectangle in percent of the
    // target size.
    void SetScissors(bool percent, const Rect* rect);
    // In percent of the target size; null for the whole target.
    void SetViewport(const Rect* rect);

private:
    gfx::Texture* Surface(Texture* texture) const;

    gfx::Device& _device;
    unsigned _driverTargets;
    Texture* _targets[MaxTargets] = {};
    std::optional<Texture*> _depthTarget; // empty: not known
};
