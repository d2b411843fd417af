#pragma once
// A short-lived actor that stages one explosion: particle effects, flash sprites, flying debris,
// a flickering light, an optional expanding shock wave, a sound chosen by distance, and the
// blast's effect on the player (damage, camera shake, a debris sound). It lives 2 seconds.
#include <cstddef>

#include "foundation/math/Vec2.h"
#include "game/world/actor/Actor.h"
#include "game/world/effects/ExplosionType.h"

class Group;
class Omni;
class RenderMesh;

class Explosion : public Actor
{
public:
    static constexpr float Duration = 2;
    static constexpr size_t SoundNameSize = 32;

    // The pose's position is the explosion's; the second float is not kept.
    Explosion(const Matrix& pose, float radius, float unused, eExplosionType type, bool wave);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    // The sound of an explosion of the type heard from the distance: nearer ones pick lower
    // numbers, from 1024 to 2048 units every kind sounds like a ship. False, with no name, from
    // 3000 units on.
    static bool SoundName(eExplosionType type, float distance, char (&name)[SoundNameSize]);

    // Null without dynamic lighting, for types without a light, or without a scene.
    const Omni* GetLight() const { return _light; }
    // Null without the shock wave.
    const Group* GetWaveNode() const { return _waveNode; }
    RenderMesh* GetWaveMesh() const { return _waveMesh; }
    eExplosionType GetType() const { return _type; }
    bool HasWave() const { return _wave; }

private:
    void Stage(float distanceSquared);
    void CreateEffect(const char* file);
    void CreateSprite(const Vec3& position, float size, const Vec2& cell, unsigned frames, float frameTime);
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
