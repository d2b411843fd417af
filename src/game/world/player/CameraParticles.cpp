#include "game/world/player/CameraParticles.h"

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"

namespace {

constexpr float Reach = 128; // streaks farther from the ship than this are put back around it
constexpr float ReachSquared = Reach * Reach;

// Each coordinate 128 - rand() % 256: anywhere in the cube around the camera.
Vec3 StartOffset()
{
    const auto coordinate = [] { return 128.0f - static_cast<float>(EngineRandom() % 256); };
    const float x = coordinate(), y = coordinate(), z = coordinate();
    return {x, y, z};
}

// Each coordinate (rand() % 2) * 128 - rand() % 128.
Vec3 RespawnOffset()
{
    const auto coordinate = [] {
        const float side = static_cast<float>(EngineRandom() % 2) * Reach;
        return side - static_cast<float>(EngineRandom() % 128);
    };
    const float x = coordinate(), y = coordinate(), z = coordinate();
    return {x, y, z};
}

} // namespace

void CameraParticles::Initialize(Material* material, eParticleShape shape, float tint, int count, float size)
{
    RenderScene* scene = game.GetRenderScene();
    Camera* camera = game.GetCamera();
    if (!scene || !camera || count < 0)
        return;
    _set = scene->CreateParticleSet(SL_STAGE);
    camera->Attach(_set);
    _set->SetParticleShape(shape);
    _set->SetDefaultSize(size);
    _set->SetMaterial(material);
    _set->SetMaxParticles(static_cast<unsigned>(count));
    _set->SetTintStrength(tint);
    _set->SetDefaultLengthAdjust(0.35f);
    for (int i = 0; i < count; ++i)
    {
        if (Particle* particle = _set->CreateParticle())
        {
            particle->position = StartOffset();
            particle->state = 1;
        }
    }
}

void CameraParticles::Proceed(const Vec3& position, const Vec3& velocity)
{
    if (!_set)
        return;
    // Streaks trail the ship's motion.
    const Vec3 drift = velocity * (-game.GetFPS() * 0.03f);
    const float speed = drift.Length();
    for (ParticleIterator it = _set->Begin(); it != _set->End(); it.Next())
    {
        Particle* particle = it.Current();
        const float distanceSquared = particle->position.DistanceSquared(position);
        if (distanceSquared > ReachSquared)
            particle->position = position + RespawnOffset();
        // Faded by the distance before any move.
        const float alpha = 1 - distanceSquared / ReachSquared;
        particle->color = Color(alpha, alpha, alpha, alpha);
        if (speed > 0)
            particle->direction = drift * (1.0f / speed);
        particle->velocity = speed;
        particle->state = 2;
    }
}

void CameraParticles::ShutDown()
{
    if (RenderScene* scene = game.GetRenderScene(); scene && _set)
        scene->DestroyNode(_set);
    _set = nullptr;
}
