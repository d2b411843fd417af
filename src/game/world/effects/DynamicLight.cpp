#include "game/world/effects/DynamicLight.h"

DynamicLight::DynamicLight(const Vec3& position, const Color& color, float range, float intensity, float lifetime)
    : _position(position), _color(color), _range(range), _intensity(intensity), _startLifetime(lifetime)
{
    SetName("DynamicLight");
    SetClassname("DynamicLight");
}

void DynamicLight::UserInit() {}

void DynamicLight::UserProceed() {}

void DynamicLight::UserShutDown() {}
