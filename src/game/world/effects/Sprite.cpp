#include "game/world/effects/Sprite.h"

Sprite::Sprite(Material* material, const Vec3& position, float size, const Vec2& firstCell, unsigned frameCount,
               float frameTime)
    : _material(material), _position(position), _size(size), _firstCell(firstCell), _frameCount(frameCount),
      _frameTime(frameTime)
{}

void Sprite::UserInit() {}

void Sprite::UserProceed() {}

void Sprite::UserShutDown() {}
