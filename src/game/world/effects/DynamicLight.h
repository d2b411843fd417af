#pragma once
// A point light that shrinks to nothing over its lifetime; with dynamic lighting off it lives
// its lifetime but lights nothing.
#include "foundation/math/Color.h"
#include "game/world/actor/Actor.h"

class Group;
class Omni;

class DynamicLight : public Actor
{
public:
    DynamicLight(const Vec3& position, const Color& color, float range, float intensity, float lifetime);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    // Null with dynamic lighting off or without a scene.
    const Omni* GetLight() const { return _light; }

private:
    Vec3 _position;
    Color _color;
    float _range;
    float _intensity;
    float _startLifetime;
    Group* _node = nullptr;
    Omni* _light = nullptr;
};
