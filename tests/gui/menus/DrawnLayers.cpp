#include "DrawnLayers.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/textures/Texture.h"
#include "layers/FlashLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/flash/FlashControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>

namespace {

// A pixel counts from this opacity up (of 255): the faint end of a glow is not the element.
constexpr uint32_t Opaque = 40;

} // namespace

std::ostream& operator<<(std::ostream& out, const ScreenBox& box)
{
    return out << "(" << box.x0 << ", " << box.y0 << ") - (" << box.x1 << ", " << box.y1 << ")";
}

DrawnLayers::DrawnLayers() { LayerManager::SetDrawTarget(this); }

DrawnLayers::~DrawnLayers() { LayerManager::SetDrawTarget(nullptr); }

void DrawnLayers::RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                             const Color& color)
{
    _quads.push_back({material, pos, size, {uv[0], uv[1], uv[2], uv[3]}});
    if (MaterialSystem* render = LayerManager::GetMaterialSystem())
    {
        Vec2 corners[4] = {uv[0], uv[1], uv[2], uv[3]};
        render->RenderQuadAdvanced(material, pos, size, corners[0], corners[1], corners[2], corners[3], angle, color,
                                   0);
    }
}

void DrawnLayers::RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo)
{
    if (MaterialSystem* render = LayerManager::GetMaterialSystem())
        render->DrawLine2D(from, to, colorFrom, colorTo);
}

std::vector<ScreenBox> DrawnLayers::Boxes(const char* name) const
{
    std::vector<ScreenBox> boxes;
    if (const Layer* root = LayerManager::GetRoot())
        Collect(*root, name, boxes);
    return boxes;
}

ScreenBox DrawnLayers::Box(const char* name) const
{
    const std::vector<ScreenBox> boxes = Boxes(name);
    if (boxes.size() != 1)
    {
        ADD_FAILURE() << boxes.size() << " layers \"" << name << "\" drawn, not one";
        return {};
    }
    return boxes.front();
}

// The layer's quad is the one that samples its movie's texture, or its material.
void DrawnLayers::Collect(const Layer& layer, const char* name, std::vector<ScreenBox>& boxes) const
{
    if (std::strcmp(layer.GetName(), name) == 0)
    {
        for (const Quad& quad : _quads)
        {
            bool mine = false;
            if (layer.GetType() == LT_FLASH)
            {
                const FlashHost::FlashControl* control = static_cast<const FlashLayer&>(layer).GetFC();
                mine = control && quad.material && quad.material->GetTextureByIndex(0) == control->getTexture();
            }
            else if (layer.GetType() == LT_SPRITE)
            {
                mine = quad.material == static_cast<const SpriteLayer&>(layer).GetMaterial();
            }
            const ScreenBox box = mine ? Drawn(quad) : ScreenBox{};
            if (!box.Empty())
                boxes.push_back(box);
            if (mine)
                break;
        }
    }
    for (const std::unique_ptr<Layer>& child : layer.GetChilds())
    {
        if (child->GetVisible())
            Collect(*child, name, boxes);
    }
}

// The texels of the quad's part of the texture that are opaque enough, placed on the screen. The
// quad's colour is left out: a blinking or fading layer is where it is at any alpha.
ScreenBox DrawnLayers::Drawn(const Quad& quad) const
{
    ScreenBox box;
    Texture* texture = quad.material ? quad.material->GetTextureByIndex(0) : nullptr;
    if (!texture || texture->GetFormat() != TEXFMT_A8R8G8B8)
        return box;
    int pitch = 0;
    const auto* bytes = static_cast<const uint8_t*>(texture->LockPixels(0, pitch));
    if (!bytes)
        return box;
    const int width = int(texture->GetWidth()), height = int(texture->GetHeight());
    // Corners bottom-left, top-left, bottom-right, top-right.
    const Vec2 topLeft = quad.uv[1], bottomRight = quad.uv[2];
    const float du = bottomRight.x - topLeft.x, dv = bottomRight.y - topLeft.y;
    for (int y = 0; y < height; ++y)
    {
        const float v = (float(y) + 0.5f) / float(height);
        const float fy = (v - topLeft.y) / dv;
        if (fy < 0.0f || fy > 1.0f)
            continue;
        for (int x = 0; x < width; ++x)
        {
            const float u = (float(x) + 0.5f) / float(width);
            const float fx = (u - topLeft.x) / du;
            uint32_t texel;
            std::memcpy(&texel, bytes + size_t(y) * size_t(pitch) + size_t(x) * 4, 4);
            if (fx < 0.0f || fx > 1.0f || (texel >> 24) < Opaque)
                continue;
            // The texel's own square on the screen.
            const float sx = quad.size.x / (du * float(width)), sy = quad.size.y / (dv * float(height));
            const float px = quad.pos.x + fx * quad.size.x, py = quad.pos.y + fy * quad.size.y;
            box.x0 = std::min(box.x0, px - 0.5f * std::fabs(sx));
            box.x1 = std::max(box.x1, px + 0.5f * std::fabs(sx));
            box.y0 = std::min(box.y0, py - 0.5f * std::fabs(sy));
            box.y1 = std::max(box.y1, py + 0.5f * std::fabs(sy));
        }
    }
    texture->UnlockPixels(0);
    return box;
}
