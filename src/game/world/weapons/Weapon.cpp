#include "game/world/weapons/Weapon.h"

#include <cstdio>

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/messages/Telegram.h"
#include "game/core/states/StateMachine.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/objects/Object.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/EnergySystem.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/nodes/Model.h"

Weapon::Weapon(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : _model(model), _firePointsOverride(firePoints), _parent(parent), _firstBoneIndex(firstBoneIndex)
{
    SetName("Weapon");
    SetClassname("Weapon");
    RaiseFlag(ACTOR_FLAG_WEAPON);
}

Weapon::~Weapon() = default;

void Weapon::InitializeData(WeaponType* type)
{
    _prototype = type;
    if (!type)
        return;
    // The record is shared: every weapon of the type reads the override from now on.
    if (_firePointsOverride > 0)
        type->firePoints = static_cast<float>(_firePointsOverride);
    _damage = type->damage;
    _damageShieldKoef = type->damageShieldKoef;
    _damageArmorKoef = type->damageArmorKoef;
    _damageStructureKoef = type->damageStructureKoef;
    // The first shot is ready at once.
    _delay = _delayCurrent = type->delay;
    _bulletLifetime = type->lifetime;
    _bulletSpeed = type->speed;
    _burstDelay = _burstTimer = type->delayBurst;
    _burstSize = _burstCounter = static_cast<int>(type->amountBurst);
}

void Weapon::UserInit()
{
    CreateStateMachine();
    GetStateMachine()->ChangeState(WeaponStateIdle::Instance());
    if (_prototype)
    {
        // A turret's weapon has no model of its own and may sit on an owner without one.
        Model* model = _model ? _model : (_parent ? _parent->GetMainModelEx() : nullptr);
        const int count = static_cast<int>(_prototype->firePoints);
        for (int i = 0; i < count; ++i)
        {
            char boneName[16];
            std::snprintf(boneName, sizeof boneName, "weapon_%.2d", i + _firstBoneIndex);
            // A missing bone would leave shots without a place to start from: it is skipped.
            if (Bone* bone = model ? model->FindBone(Name(boneName)) : nullptr)
                _bones.push_back(bone);
            else
                Dumper::Instance().Print(DUMP_WARNING, "Weapon \"%s\": no mount bone \"%s\" on \"%s\"\n",
                                         _prototype->name, boneName, _parent ? _parent->GetName() : "");
        }
        _bulletAmount = static_cast<int>(_prototype->amount);
    }
    _energy = std::make_unique<EnergySystem>();
    _energy->Initialize();
}

void Weapon::UserProceed()
{
    if (_target && _target->IsDeleted())
        _target = nullptr;
    _burstTimer += game.GetSPF();
    if (_energy)
        _energy->Proceed();
}

void Weapon::UserShutDown()
{
    DestroyStateMachine();
    if (_energy)
        _energy->ShutDown();
    _energy.reset();
}

void Weapon::OnMessage(Telegram* telegram)
{
    // The owner removes its weapons with the delete telegram, which the actor handles.
    if (telegram->type != MESSAGE_FIRE)
    {
        Actor::OnMessage(telegram);
        return;
    }
    // A fire order already on its way when the weapon was removed is not carried out.
    if (IsDeleted())
        return;
    if (_parent && _parent->HasFlag(ACTOR_FLAG_OBJECT))
    {
        if (!static_cast<Object*>(_parent)->IsDead())
            Fire();
        return;
    }
    if (_parent && _parent->HasFlag(ACTOR_FLAG_SHIP) && static_cast<Ship*>(_parent)->IsDead())
        return;
    Fire();
}

void Weapon::Fire()
{
    if (_burstSize != -1)
    {
        // The shot that completes a burst starts the pause and uses no ammunition.
        if (++_burstCounter >= _burstSize)
        {
            _burstTimer = 0;
            _burstCounter = 0;
            return;
        }
    }
    if (_burstDelay > _burstTimer || !_prototype)
        return;
    switch (static_cast<int>(_prototype->regime))
    {
    case 0: _bulletAmount = static_cast<int>(static_cast<float>(_bulletAmount) - _prototype->firePoints); break;
    case 1: --_bulletAmount; break;
    default: break;
    }
}
