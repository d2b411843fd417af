#include "game/world/effects/Rays.h"

Rays::Rays(const Vec3& position, float startSize, float endSize, float duration)
    : _position(position), _startSize(startSize), _duration(duration),
      _growth(duration > 0 ? (endSize - startSize) / duration : 0), _fade(duration > 0 ? 1 / duration : 0)
{}

void Rays::UserInit() {}

void Rays::UserProceed() {}

void Rays::UserShutDown() {}
