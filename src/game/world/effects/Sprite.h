#pragma once
// An animated sprite: one particle stepping through the cells of an 8 by 8 atlas, for frame
// count times frame time seconds.
#include "foundation/math/Vec2.h"
#include "game/world/actor/Actor.h"

class Material;
class ParticleSet;
struct Particle;

class Sprite : public Actor
{
public:
    Sprite(Material* material, const Vec3& position, float size, const Vec2& firstCell, unsigned frameCount,
           float frameTime);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    // The drawn particle; null without a scene.
    const Particle* GetParticle() const { return _particle; }
    int GetFrame() const { return _frame; }

private:
    Material* _material;
    Vec3 _position;
    float _size;
    Vec2 _firstCell;
    unsigned _frameCount;
    float _frameTime; // seconds
    Bone* _node = nullptr;
    ParticleSet* _set = nullptr;
    Particle* _particle = nullptr;
    int _frame = 0;
    float _frameTimer = 0;
};
