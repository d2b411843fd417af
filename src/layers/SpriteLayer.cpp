#include "layers/SpriteLayer.h"

#include "layers/LayerManager.h"

SpriteLayer::SpriteLayer(const char* name, Material* material) : Layer(name, LT_SPRITE), _material(material) {}

SpriteLayer::SpriteLayer(const char* name, Material* material, const Vec2& pos, const Vec2& size, float angle,
                         const Color& color)
    : SpriteLayer(name, material)
{
    _pos = pos;
    _size = size;
    _angle = angle;
    _color = color;
}

void SpriteLayer::Draw()
{
    if (_material)
        LayerManager::RenderQuad(_material, _pos, _size * _scale, _uv, _angle, _color);
}
