// World objects: damage from telegrams, contacts and parts, the explosion, dirt and dust.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Telegram.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/PartVisuals.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "services/physics/shim/NxReports.h"

namespace {

// The explosion of each material; -1 for none.
int ExplosionOfMaterial(float material)
{
    switch (static_cast<int>(material))
    {
    case 0: return EXPLOSION_ASTEROID;
    case 1: return EXPLOSION_BLAST;
    case 2: return EXPLOSION_ENERGY;
    case 3: return EXPLOSION_ICE;
    case 4: return EXPLOSION_LAVA;
    default: return -1;
    }
}

// The asteroids that show their cracks once exploded.
const char* const CrackedAsteroids[] = {"ast_m_a", "ast_m_b", "ast_m_c", "ast_m_d"};

} // namespace

void Object::OnMessage(Telegram* telegram)
{
    Actor::OnMessage(telegram);
    if (!telegram->payload)
        return;
    switch (telegram->type)
    {
    case MESSAGE_DO_DAMAGE: DoDamage(static_cast<MessageDoDamage*>(telegram->payload)->damage); break;
    case MESSAGE_DO_DAMAGE_TO_PART:
    {
        const auto* hit = static_cast<MessageDoDamageToPart*>(telegram->payload);
        DoDamageToPart(hit->shape, hit->weapon, hit->damage);
        break;
    }
    default: break;
    }
}

void Object::DoDamage(float amount)
{
    if (_dead)
        return;
    _hpCurrent -= amount;
    if (_hpCurrent <= 0.0f)
        Explode();
    else if (_prototype && StartsWith(_prototype->name, "ast_m_a") && _hpMaximum > 0.0f)
        SetDirtLevel(1.0f - _hpCurrent / _hpMaximum);
}

void Object::DoDamageRandom(float amount)
{
    if (_parts)
        _parts->DoDamageRandom(amount);
    else
        DoDamage(amount);
}

void Object::DoDamageToPart(const char* partName, float amount)
{
    if (_parts)
        _parts->DoDamageToPart(partName, amount);
}

void Object::DoDamageToPart(NxShape* shape, Weapon* weapon, float amount)
{
    if (weapon)
    {
        if (_parts && _prototype && _prototype->isDestructable == 1.0f)
            _parts->DoDamage(shape, weapon->GetDamage() * weapon->GetDamageArmorKoef() * 0.01f);
        else
            DoDamage(weapon->GetDamage());
    }
    else if (amount > 0.0f)
        DoDamage(amount);
}

void Object::SwitchPartToDamaged(const char* partName, bool flag)
{
    if (_parts)
        _parts->DamagePartByName(partName, flag);
}

void Object::SwitchPartToDestroyed(const char* partName, bool flag)
{
    if (_parts)
        _parts->DestroyPartByName(partName, flag);
}

// Shape 0 of a contact pair is the other actor's shape, the one that takes the part damage.
void Object::OnTouch(PhysicsActorEventListener& other, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                     NxContactStreamIterator& contacts)
{
    auto* actor = dynamic_cast<Actor*>(&other);
    if (!actor)
        return;
    if (actor->HasFlag(ACTOR_FLAG_SHIP_PART) || actor->HasFlag(ACTOR_FLAG_LARGE_CRAFT))
    {
        _contactTimer = 0.1f;
        NxShape* shape = contacts.goNextPair() ? contacts.getShape(0) : nullptr;
        if (shape)
        {
            SendMessage(MESSAGE_DO_DAMAGE_TO_PART, actor, 0.0f,
                        new MessageDoDamageToPart(shape, nullptr, 250.0f, true));
            SendMessage(MESSAGE_DO_DAMAGE, this, 0.0f, new MessageDoDamage(300.0f));
        }
    }
    if (actor->HasFlag(ACTOR_FLAG_OBJECT))
    {
        const ObjectType* type = static_cast<Object*>(actor)->GetPrototype();
        if (type && !StartsWith(type->name, "ast_m_a_"))
        {
            _contactTimer = 0.1f;
            SendMessage(MESSAGE_DO_DAMAGE, this, 0.0f, new MessageDoDamage(200.0f));
        }
    }
}

void Object::Explode()
{
    if (_dead || !_prototype)
        return;
    SingleLevel* level = game.GetLevel();
    const int type = ExplosionOfMaterial(_prototype->materialType);
    if (level && type >= 0)
    {
        // The central station module goes with a shock wave.
        const bool wave = std::strcmp(_prototype->classname, "YtgSushCentr") == 0;
        level->CreateExplosion(GetRoot(), 192, 10, static_cast<eExplosionType>(type), wave);
    }
    _dead = true;
    RenderScene* scene = game.GetRenderScene();
    for (const char* name : CrackedAsteroids)
    {
        if (!scene || std::strcmp(_prototype->name, name) != 0)
            continue;
        const Vec3 position = _mainModel ? _mainModel->GetGlobalPos() : GetPosition();
        const Quaternion orientation = _mainModel ? _mainModel->GetGlobalOrientation() : Quaternion::identity;
        scene->DestroyNode(_mainModel);
        _mesh = nullptr;
        char file[64];
        std::snprintf(file, sizeof(file), "%s_damaged.mod", name);
        _mainModel = scene->CreateModel(file, SL_STAGE);
        _mainModel->SetPosition(position);
        _mainModel->SetOrientation(orientation);
        break;
    }
    SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, this, 0.0f, new MessageDeleteActor(this));
}

void Object::SetDirtLevel(float level) { SetMeshAnimation(_mesh, std::clamp(level, 0.0f, 1.0f)); }

void Object::SpawnDust(const Vec3& point, const Quaternion& orientation)
{
    SingleLevel* level = game.GetLevel();
    if (!level || !_prototype || DistanceToCameraSquared() >= 4194304.0f)
        return;
    const char* file = nullptr;
    if (_prototype->materialType == 0.0f)
        file = "dustRock.pse";
    else if (_prototype->materialType == 1.0f)
        file = "dustMetal.pse";
    if (file)
        level->CreateParticleEffect(file, point, orientation, false, nullptr, Vec3(0.0f));
}
