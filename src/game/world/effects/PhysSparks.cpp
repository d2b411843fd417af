#include "game/world/effects/PhysSparks.h"

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/particles/ParticleSet.h"
#include "services/physics/PhysicsSpace.h"

namespace {

PhysicsSpace* Space()
{
    const SingleLevel* level = game.GetLevel();
    return level ? level->GetSpace() : nullptr;
}

// Within a unit of the centre, in tenths.
float Scatter() { return static_cast<float>(EngineRandom() % 20 - 10) * 0.1f; }

} // namespace

PhysSparks::PhysSparks(const Vec3& position, int count) : _position(position), _count(static_cast<float>(count)) {}

PhysSparks::~PhysSparks() = default;

void PhysSparks::UserInit()
{
    SetLifetime(Duration);
    RenderScene* scene = GetWorldScene();
    if (!scene)
        return;
    _node = scene->CreateBone(SL_STAGE);
    _node->SetPosition(_position);
    _set = scene->CreateParticleSet(SL_STAGE);
    _node->Attach(_set);
    _material = LoadWorldMaterial("phys_sparks.mat");
    _set->SetMaterial(_material);
    _set->SetParticleShape(PS_BILLBOARD);
    _set->SetDefaultSize(1);
    const int count = _count > 0 ? static_cast<int>(_count) : 0;
    _set->SetMaxParticles(static_cast<unsigned>(count));
    _set->SetTintStrength(1);
    PhysicsSpace* space = Space();
    for (int i = 0; i < count; ++i)
    {
        Particle* particle = _set->CreateParticle();
        const float x = Scatter();
        const float y = Scatter();
        const float z = Scatter();
        particle->position = _position + Vec3(x, y, z);
        particle->color = Color(1, 1, 1, 1);
        particle->angle = static_cast<float>(EngineRandom() % 360);
        auto point = std::make_unique<PhysSparksPoint>();
        point->Init(particle);
        if (space)
        {
            if (PhysicsActor* body = space->CreatePhysicsActor(point.get(), "sphere1.mdl"))
            {
                body->SetGlobalPosition(particle->position);
                point->SetBody(body);
            }
        }
        _points.push_back(std::move(point));
    }
}

void PhysSparks::UserProceed()
{
    // 1 at the start, 0 at the end.
    const float x = GetLifetime() * 0.333333f;
    if (_set)
        _set->SetTintStrength(x);
    for (const std::unique_ptr<PhysSparksPoint>& point : _points)
    {
        Particle* particle = point->GetParticle();
        if (point->GetBody())
            particle->position = point->GetBody()->GetGlobalPosition();
        particle->color.a = x;
    }
}

void PhysSparks::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_node);
    _node = nullptr;
    _set = nullptr;
    PhysicsSpace* space = Space();
    for (const std::unique_ptr<PhysSparksPoint>& point : _points)
    {
        if (space && point->GetBody())
            space->ReleasePhysicsActor(point->GetBody());
    }
    _points.clear();
}
