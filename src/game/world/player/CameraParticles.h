#pragma once
// Streaks of space dust around the camera that show the ship's speed.
#include "foundation/math/Vec3.h"
#include "scene/particles/ParticleSet.h"

class Material;

class CameraParticles
{
public:
    CameraParticles() = default;

    void Initialize(Material* material, eParticleShape shape, float tint, int count, float size);
    void Proceed(const Vec3& position, const Vec3& velocity);
    void ShutDown();
    ParticleSet* GetParticleSet() const { return _set; }

private:
    ParticleSet* _set = nullptr; // under the camera; the scene owns it
};
