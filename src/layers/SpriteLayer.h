#pragma once

#include "layers/Layer.h"

class Material;

// A layer drawing one material on its quad. The material is not owned.
class SpriteLayer : public Layer
{
public:
    SpriteLayer(const char* name, Material* material);
    SpriteLayer(const char* name, Material* material, const Vec2& pos, const Vec2& size, float angle,
                const Color& color);

    void SetMaterial(Material* material) { _material = material; }
    Material* GetMaterial() const { return _material; }

    // Nothing without a material. The position is taken as it is, never auto-scaled.
    void Draw() override;

private:
    Material* _material;
};
