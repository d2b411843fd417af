// World objects: set-up, the per-frame step, the distance level of detail and shut-down.
#include "game/world/objects/Object.h"

#include <cstring>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/Emitter.h"
#include "services/physics/PhysicsSpace.h"

namespace {

PhysicsSpace* Space()
{
    SingleLevel* level = game.GetLevel();
    return level ? level->GetSpace() : nullptr;
}

} // namespace

Object::Object()
{
    SetName("Object");
    SetClassname("Object");
    RaiseFlag(ACTOR_FLAG_OBJECT);
}

Object::~Object() = default;

void Object::InitializeData(ObjectType* type)
{
    _prototype = type;
    _hpCurrent = _hpMaximum = type ? type->hp : 0.0f;
}

void Object::UserInit()
{
    RenderScene* scene = game.GetRenderScene();
    if (!_prototype || !scene)
        return;
    if (_prototype->render[0])
        _mainModel = scene->CreateModel(_prototype->render, SL_STAGE);
    else
    {
        _mesh = CreateMeshNode(_prototype->mesh);
        Group* group = scene->CreateGroup(SL_STAGE);
        group->Attach(_mesh);
        _mainModel = group;
    }
    // The parts' body is the object's body: a second one from "phys" would overlap it.
    if (_prototype->isDestructable != 0.0f)
    {
        _parts = std::make_unique<DestructableObject>(GetMainModelEx(), this);
        _physEntity = _parts->Initialize(nullptr);
    }
    if (!_physEntity)
        CreateBody();
    _deleteDistanceSquared = _prototype->deleteDistance * _prototype->deleteDistance;
    if (IsWreck(_prototype->name))
    {
        _mainModel->SetScale(_prototype->scale, _prototype->scale, _prototype->scale);
        SetLifetime(static_cast<float>(EngineRandom() % 30) * 0.1f + 0.5f);
        _fireEmitter = CreateEmitterNode("fireSmall.pse");
        _mainModel->Attach(_fireEmitter);
    }
}

void Object::CreateBody()
{
    if (PhysicsSpace* space = Space())
        _physEntity = space->CreatePhysicsActor(this, _prototype->phys);
}

bool Object::IsWreck(const char* name)
{
    return StartsWith(name, "ytg_fighter_02_") || StartsWith(name, "ytg_debris_");
}

bool Object::HasPartSetBody() const { return _parts && _physEntity && _parts->GetPhysActor() == _physEntity; }

void Object::UserProceed()
{
    if (!_prototype || !_mainModel)
        return;
    const float spf = game.GetSPF();
    if (_physEntity)
    {
        const Matrix pose = _physEntity->GetGlobalPose();
        _mainModel->SetPosition(pose.Pos());
        _mainModel->SetOrientation(_physEntity->GetGlobalOrientationQuat());
        GetRoot() = pose;
    }
    _contactTimer -= spf;
    if (std::strcmp(_prototype->name, "ast_ice_small_2_00") == 0)
        _mainModel->Rotate(_mainModel->GetGlobalOrientation().Dir(), 16.0f * spf, CS_LOCAL);
    if (StartsWith(_prototype->name, "ytg_fighter_02_"))
    {
        const float push = static_cast<float>(EngineRandom() % 32 + 128) * spf;
        AddForce(GetRoot().Right() * push, NX_SMOOTH_VELOCITY_CHANGE);
    }
    if (_prototype->deleteDistance > -1.0f)
    {
        const float distance = DistanceToCameraSquared();
        if (distance > _deleteDistanceSquared && !_far)
        {
            _far = true;
            OnDistancLodOn();
        }
        else if (distance <= _deleteDistanceSquared && _far)
        {
            _far = false;
            OnDistancLodOff();
        }
    }
}

void Object::OnDistancLodOn()
{
    if (!_physEntity || HasPartSetBody())
        return;
    if (PhysicsSpace* space = Space())
        space->ReleasePhysicsActor(_physEntity);
    _physEntity = nullptr;
}

void Object::OnDistancLodOff()
{
    if (_physEntity || !_prototype)
        return;
    CreateBody();
    if (_mainModel)
        SetPose(_mainModel->GetWorldMatrix());
}

// The node is placed at once, too, so that an object is where it was put before its first
// step; its scale stays its own.
void Object::SetPose(Matrix pose)
{
    GetRoot() = pose;
    const Matrix rigid = RigidPose(pose);
    if (_physEntity)
        _physEntity->SetGlobalPose(rigid);
    if (_mainModel)
    {
        _mainModel->SetPosition(rigid.Pos());
        _mainModel->SetOrientation(Quaternion(rigid));
    }
}

void Object::UserShutDown()
{
    if (_parts)
    {
        _parts->ShutDown();
        if (HasPartSetBody())
            _physEntity = nullptr;
        _parts->ReleasePhysActor();
        _parts.reset();
    }
    if (_physEntity)
    {
        if (PhysicsSpace* space = Space())
            space->ReleasePhysicsActor(_physEntity);
        _physEntity = nullptr;
    }
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_mainModel);
    _mainModel = nullptr;
    _mesh = nullptr;
    _fireEmitter = nullptr;
}
