#include "game/world/environment/Comet.h"

#include <algorithm>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/ExplosionType.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"

namespace {
constexpr float Life = 20; // seconds
}

Comet::Comet()
{
    SetName("Comet");
    SetClassname("Comet");
}

void Comet::UserInit()
{
    SingleLevel* level = game.GetLevel();
    PhysicsSpace* space = level ? level->GetSpace() : nullptr;
    if (space)
        _physEntity = space->CreatePhysicsActor(this, "comet.pea");
    if (_physEntity)
    {
        const float x = static_cast<float>(200 + EngineRandom() % 25);
        const float y = static_cast<float>(200 + EngineRandom() % 25);
        const float z = static_cast<float>(200 + EngineRandom() % 25);
        _physEntity->SetGlobalLinearVelocity(Vec3(-x, -y, -z));
        _physEntity->SetGlobalAngularVelocity(Vec3(1.7453f, 1.7453f, 1.7453f));
        auto spread = [] { return static_cast<float>(2048 - EngineRandom() % 4096); };
        Vec3 position(2048 + spread(), 2048 + spread(), 2048 + spread());
        _physEntity->SetGlobalPosition(position);
    }
    if (RenderScene* scene = GetWorldScene())
    {
        _group = scene->CreateGroup(SL_STAGE);
        _group->SetScale(0.1f, 0.1f, 0.1f);
        RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
        mesh->BindMesh(LoadWorldMesh("ast_m_a.sms"), false);
        mesh->SetMaterial(0, LoadWorldMaterial("comet.mat"));
        _group->Attach(mesh);
        _emitter = scene->CreateEmitter(SL_STAGE);
        if (EmitterMgr* emitters = GetWorldEmitterMgr())
            emitters->Load("comet.pse", _emitter);
        _group->Attach(_emitter);
    }
    _mainModel = _group;
    SetLifetime(Life);
}

void Comet::UserProceed()
{
    if (_physEntity)
    {
        GetRoot() = _physEntity->GetGlobalPose();
        if (_group)
        {
            _group->SetPosition(_physEntity->GetGlobalPosition());
            _group->SetOrientation(_physEntity->GetGlobalOrientationQuat());
        }
    }
    if (!_emitter)
        return;
    const float left = GetLifetime();
    const float tint = left <= 2 ? std::max(0.0f, left * 0.5f) : 1.0f;
    for (unsigned i = 0; i < 2 && i < _emitter->GetNumParticleEmitters(); ++i)
        _emitter->GetParticleEmitter(i)->SetTintStrength(tint);
}

void Comet::OnStartTouch(PhysicsActorEventListener& other, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                         NxContactStreamIterator&)
{
    SetLifetime(1);
    if (_exploded)
        return;
    _exploded = true;
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    level->CreateExplosion(GetRoot(), 192, 10, EXPLOSION_ASTEROID, false);
    auto* actor = dynamic_cast<Actor*>(&other);
    if (actor && actor->HasFlag(ACTOR_FLAG_OBJECT))
        SendMessage(MESSAGE_DO_DAMAGE, actor, 0, new MessageDoDamage(100));
}

void Comet::UserShutDown()
{
    SingleLevel* level = game.GetLevel();
    if (_physEntity && level && level->GetSpace())
        level->GetSpace()->ReleasePhysicsActor(_physEntity);
    _physEntity = nullptr;
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_group);
    _group = nullptr;
    _emitter = nullptr;
    _mainModel = nullptr;
}
