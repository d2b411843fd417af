#include "layers/SpriteLayer.h"

#include "layers/LayerManager.h"

SpriteLayer::SpriteLayer(const char* name, Material* material) : Layer(name, LT_SPRITE), _material(material) {}

SpriteLayer::SpriteLayer(const char* name, Material* material, const Vec2& pos, const Vec2& size, float angle,
                         const Color& color)
    : Layer(name, LT_SPRITE, pos, size, angle, color), _material(material)
{}

void SpriteLayer::Draw()
{
    if (_material)
        LayerManager::RenderQuad(_material, _pos, _size * _scale, _uv, _angle, _color);
}
