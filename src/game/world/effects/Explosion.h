#pragma once
// A short-lived actor that stages one explosion: particle effects, flash sprites, flying debris,
// a flickering light, an optional expanding shock wave, a sound chosen by distance, and the
// blast's effect on the player (damage, camera shake, a debris sound, cracks on the glass). It
// lives 2 seconds.
#include "game/world/actor/Actor.h"
#include "game/world/effects/ExplosionType.h"

class Group;
class Omni;
class RenderMesh;

class Explosion : public Actor
{
public:
    static constexpr float Duration = 2;

    // The pose's position is the explosion's; the second float is not kept.
    Explosion(const Matrix& pose, float radius, float unused, eExplosionType type, bool wave);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    eExplosionType GetType() const { return _type; }
    bool HasWave() const { return _wave; }

private:
    void CreateLight();
    void CreateSound();
    void CreateExplosionWave();

    float _duration = Duration;
    float _radius;
    float _radiusSquared;
    bool _wave;
    Omni* _light = nullptr;
    Group* _node = nullptr; // layer 3, at the explosion
    Group* _waveNode = nullptr;
    RenderMesh* _waveMesh = nullptr;
    eExplosionType _type;
};
