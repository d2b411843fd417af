#include "game/world/environment/Field.h"

#include <algorithm>
#include <cstdio>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/ParticleSet.h"

namespace {
constexpr float ShownWithin = 4194304; // 2048 units, squared
}

Field::Field(const Vec3& centre, int count, float, float extent) : _centre(centre), _count(count), _extent(extent)
{
    SetName("Field");
    SetClassname("Field");
}

void Field::UserInit()
{
    RenderScene* scene = GetWorldScene();
    if (!scene)
        return;
    _group = scene->CreateGroup(SL_STAGE);
    _group->SetPosition(_centre);
    _dust = scene->CreateParticleSet(SL_STAGE);
    _dust->SetParticleShape(PS_BILLBOARD);
    _dust->SetDefaultSize(32);
    _dust->SetMaterial(LoadWorldMaterial("prt_particles01_alp.mat"));
    _dust->SetMaxParticles(5);
    _dust->SetTintStrength(1);
    _dust->SetAtlasParams(8, 8);
    const int span = std::max(1, static_cast<int>(2 * _extent));
    auto offset = [this, span] { return _extent - static_cast<float>(EngineRandom() % span); };
    for (int i = 0; i < _count; ++i)
    {
        char file[64];
        std::snprintf(file, sizeof file, "env//asteroids//rock000//debris_%.2d.sms", EngineRandom() % 12);
        Bone* rock = scene->CreateBone(SL_STAGE);
        _group->Attach(rock);
        const float x = offset(), y = offset(), z = offset();
        rock->SetPosition(Vec3(x, y, z));
        RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
        mesh->BindMesh(LoadWorldMesh(file), false);
        rock->Attach(mesh);
        Particle* glow = _dust->CreateParticle();
        glow->position = rock->GetGlobalPos();
        glow->size = static_cast<float>(64 + EngineRandom() % 64);
        glow->angle = static_cast<float>(EngineRandom() % 360);
        glow->color = Color(0xAD / 255.0f, 0x8A / 255.0f, 0x67 / 255.0f, 1);
    }
}

void Field::UserProceed()
{
    const SingleLevel* level = game.GetLevel();
    if (!_group || !level)
        return;
    const float distanceSquared = std::max(level->DistanceToCameraSquared(_centre), 1.0f);
    _dust->SetTintStrength(std::min(1.0f, ShownWithin / distanceSquared));
    _group->Enable(distanceSquared <= ShownWithin);
}
