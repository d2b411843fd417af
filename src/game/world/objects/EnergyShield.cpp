#include "game/world/objects/EnergyShield.h"

#include <algorithm>

#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Telegram.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/parts/PartVisuals.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "services/physics/PhysicsSpace.h"

namespace {

PhysicsSpace* Space()
{
    SingleLevel* level = game.GetLevel();
    return level ? level->GetSpace() : nullptr;
}

} // namespace

EnergyShield::EnergyShield(Actor* owner, const char* modelName, const char* physicsAsset, bool glowOnHit)
    : _glowOnHit(glowOnHit), _owner(owner)
{
    SetName("EnergyShield");
    SetClassname("EnergyShield");
    RaiseFlag(ACTOR_FLAG_ENERGY_SHIELD);
    CopyFixedText(_modelName, modelName);
    CopyFixedText(_physicsAsset, physicsAsset);
}

void EnergyShield::SetShield(float power)
{
    _maxPower = power;
    _power = power;
}

void EnergyShield::SetPower(float) { _hitPending = true; }

void EnergyShield::On() { Switch(true); }

void EnergyShield::Off() { Switch(false); }

void EnergyShield::Switch(bool on)
{
    if (!_physEntity)
        return;
    PhysicsActor* owner = _owner ? _owner->GetPhysEntity() : nullptr;
    if (on)
    {
        if (owner)
            owner->raiseActorFlag(NX_AF_DISABLE_COLLISION);
        _physEntity->clearActorFlag(NX_AF_DISABLE_COLLISION);
    }
    else
    {
        if (owner)
            owner->clearActorFlag(NX_AF_DISABLE_COLLISION);
        _physEntity->raiseActorFlag(NX_AF_DISABLE_COLLISION);
    }
    if (_mainModel)
        _mainModel->Enable(on);
}

void EnergyShield::UserInit()
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene)
        return;
    if (!_modelName[0])
    {
        _mesh = CreateMeshNode("ytg_fighter_02_shield.sms");
        Group* group = scene->CreateGroup(SL_STAGE);
        group->Attach(_mesh);
        _mainModel = group;
    }
    else
    {
        _mainModel = scene->CreateModel(_modelName, SL_STAGE);
        _mainModel->SetScale(0.1f, 0.1f, 0.1f);
    }
    PhysicsSpace* space = Space();
    if (_physicsAsset[0] && space)
        _physEntity = space->CreatePhysicsActor(this, _physicsAsset);
    if (Bone* ownerModel = _owner ? _owner->GetMainModel() : nullptr)
        ownerModel->Attach(_mainModel);
}

void EnergyShield::UserProceed()
{
    if (_physEntity && _mainModel)
    {
        Vec3 position = _mainModel->GetGlobalPos();
        Quaternion orientation = _mainModel->GetGlobalOrientation();
        _physEntity->SetGlobalPosition(position);
        _physEntity->SetGlobalOrientationQuat(orientation);
    }
    if (!_glowOnHit || !_mesh)
        return;
    const float spf = game.GetSPF();
    if (_hitPending)
    {
        _glow += 4.0f * spf;
        if (_glow >= 1.0f)
        {
            _glow = 1.0f;
            _hitPending = false;
        }
    }
    else
        _glow = std::max(_glow - spf, 0.0f);
    SetMeshAnimation(_mesh, _glow);
}

// The node hangs under the owner's model and goes with it: when the owner went first, or when
// the mission ends and the owner may have gone in any order, it is left to the owner. The body
// is the shield's alone, and its listener goes now.
void EnergyShield::UserShutDown()
{
    _mesh = nullptr;
    const SingleLevel* level = game.GetLevel();
    const bool missionRuns = level && level->IsExist();
    const bool nodeWithOwner = _owner && (_owner->IsDeleted() || !missionRuns);
    if (!nodeWithOwner)
    {
        if (RenderScene* scene = game.GetRenderScene())
            scene->DestroyNode(_mainModel);
    }
    _mainModel = nullptr;
    if (_physEntity)
    {
        if (PhysicsSpace* space = Space())
            space->ReleasePhysicsActor(_physEntity);
        _physEntity = nullptr;
    }
}

void EnergyShield::OnMessage(Telegram* telegram)
{
    Actor::OnMessage(telegram);
    if (telegram->type != MESSAGE_DO_DAMAGE_BY_WEAPON || !telegram->payload)
        return;
    if (const Weapon* weapon = static_cast<MessageDoDamageByWeapon*>(telegram->payload)->weapon)
        DoDamage(weapon->GetDamage(), weapon->GetDamageShieldKoef() * 0.01f);
}

void EnergyShield::DoDamage(float damage, float factor)
{
    _power -= damage * factor;
    if (_power <= 0.0f)
        Off();
}
