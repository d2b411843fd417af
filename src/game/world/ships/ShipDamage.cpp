// A ship's damage rules: the three defence layers and their regeneration, hits by telegram and
// by contact.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "foundation/config/GameSettings.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Telegram.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/player/Player.h"
#include "game/world/ships/Ship.h"
#include "game/world/player/HudCalls.h"
#include "game/world/ships/ShipSounds.h"
#include "game/world/weapons/Weapon.h"
#include "services/physics/shim/NxShape.h"

namespace {

constexpr float ContactPause = 1;          // seconds between two contacts that damage
constexpr float ContactDamageShare = 0.3f; // of the outermost layer's maximum, at most

int Difficulty()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings ? settings->Difficulty : 1;
}

Player* MissionPlayer()
{
    SingleLevel* level = game.GetLevel();
    return level ? level->GetPlayer() : nullptr;
}

// The listener of a physics report as an actor of the mission.
Actor* AsActor(PhysicsActorEventListener& listener) { return dynamic_cast<Actor*>(&listener); }

// Adds the regeneration to a layer that is still up, capped at its maximum.
void Regenerate(float& current, float maximum, float rate, float factor, float spf)
{
    if (current > 0 && rate != 0)
        current = std::min(current + spf * rate * factor, maximum);
}

} // namespace

void Ship::DoDamageByWeapon(Weapon* weapon)
{
    if (!weapon)
        return;
    DoDamage(weapon->GetDamage(), weapon->GetDamageShieldKoef() * 0.01f, weapon->GetDamageArmorKoef() * 0.01f,
             weapon->GetDamageStructureKoef() * 0.01f);
}

void Ship::DoDamage(float damage, float shieldFactor, float armorFactor, float structureFactor)
{
    if (_protectionTimer > 0)
        return;
    if (IsPlayerShip())
    {
        const bool shield = _currentShield > 0;
        Limiter* limiter = game.GetLimiter();
        if (limiter && limiter->CanPlayerHitSound())
        {
            char name[64];
            if (shield)
                std::snprintf(name, sizeof(name), "hit_in_player_shield_%.2d.wav", EngineRandom() % 3);
            else
                std::snprintf(name, sizeof(name), "hit_in_player_%.2d.wav", EngineRandom() % 4);
            PlayShipSound(name);
            limiter->PlayerHitSound();
        }
        if (Player* player = MissionPlayer())
        {
            player->ShakeCamera(1);
            player->HitEffect(shield);
        }
        if (const Base* base = game.GetBase())
            damage *= base->GetPlayerDamageFactor(Difficulty());
    }
    // Only the outermost layer that is up takes the hit; nothing carries over.
    if (_currentShield > 0)
    {
        _currentShield -= damage * shieldFactor;
    }
    else if (_currentArmor > 0)
    {
        _currentArmor -= damage * armorFactor;
        if (_currentArmor < _maxArmor * 0.5f && !_burning)
            StartBurning();
    }
    else if (_currentStructure > 0)
    {
        _currentStructure -= damage * structureFactor;
    }
    else
    {
        Explode();
    }
}

void Ship::DoDamageToPart(NxShape* shape, Weapon* weapon, float amount, bool ownShape)
{
    if (_protectionTimer > 0)
        return;
    if (_parts)
    {
        if (ownShape && !_parts->IsShape(shape))
            return;
        if (weapon)
            amount = weapon->GetDamage() * weapon->GetDamageArmorKoef() * 0.01f;
        _parts->DoDamage(shape, amount);
        return;
    }
    // A rocket's fragment carries no weapon but its share of the damage.
    if (weapon)
        DoDamageByWeapon(weapon);
    else if (amount > 0)
        DoDamage(amount, 1, 1, 1);
}

void Ship::DoRegeneration()
{
    for (float* layer : {&_currentShield, &_currentArmor, &_currentStructure})
        *layer = std::max(*layer, 0.0f);
    const bool player = IsPlayerShip();
    float factor = 1;
    if (player)
    {
        if (const Base* base = game.GetBase())
            factor = base->GetPlayerRegenerationFactor(Difficulty());
    }
    if (_dead)
        return;
    const float spf = game.GetSPF();
    // A layer at 0 stays down.
    Regenerate(_currentShield, _maxShield, _shieldRegen, factor, spf);
    if (player && !_shieldLostReported && _currentShield <= 0)
    {
        _shieldLostReported = true;
        PlayShipSound("alert_shield_down.wav");
        PlayShipSound(VoiceLine("robot\\05_warnings\\shld_dwn.wav").c_str());
        if (Player* owner = MissionPlayer())
            HudShowText(owner->GetHUD(), "Energy shield is lost! ", 2);
    }
    Regenerate(_currentArmor, _maxArmor, _armorRegen, factor, spf);
    Regenerate(_currentStructure, _maxStructure, _structureRegen, factor, spf);
}

void Ship::OnTouch(PhysicsActorEventListener& other, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                   NxContactStreamIterator&)
{
    Actor* actor = AsActor(other);
    if (!actor || !(actor->HasFlag(ACTOR_FLAG_OBJECT) || actor->HasFlag(ACTOR_FLAG_SHIP)))
        return;
    // A fighter flying into a large asteroid is lost at once.
    if (actor->HasFlag(ACTOR_FLAG_OBJECT) && HasFlag(ACTOR_FLAG_SMALL_CRAFT) && !HasFlag(ACTOR_FLAG_PLAYER_SHIP) &&
        !HasFlag(ACTOR_FLAG_LARGE_CRAFT))
    {
        const auto* object = dynamic_cast<const Object*>(actor);
        const ObjectType* type = object ? object->GetPrototype() : nullptr;
        if (type && std::strncmp(type->name, "ast_l_", 6) == 0)
            Explode();
    }
    if (_contactTimer > 0)
        return;
    _contactTimer = ContactPause;
    if (actor->HasFlag(ACTOR_FLAG_DEBRIS) || HasFlag(ACTOR_FLAG_LARGE_CRAFT))
        return;

    float outermost = _maxStructure;
    if (_currentShield > 0)
        outermost = _maxShield;
    else if (_currentArmor > 0)
        outermost = _maxArmor;
    // A ship flying backwards does not heal by hitting things.
    const float damage = std::max(0.0f, std::min(_orderedSpeed, outermost * ContactDamageShare));
    SendMessage(MESSAGE_DO_DAMAGE, this, 0, new MessageDoDamage(damage));

    if (IsPlayerShip())
    {
        char name[32];
        std::snprintf(name, sizeof(name), "collision_%.2d.wav", EngineRandom() % 2);
        PlayShipSound(name);
        if (Player* player = MissionPlayer())
            player->ShakeCamera(30);
    }
}

void Ship::OnTriggerStay(PhysicsActorEventListener& other, NxShape&, NxShape& otherShape)
{
    const SingleLevel* level = game.GetLevel();
    if (!_entity || !level || level->IsDisableAI())
        return;
    const Actor* actor = AsActor(other);
    if (!actor || !(actor->HasFlag(ACTOR_FLAG_OBJECT) || actor->HasFlag(ACTOR_FLAG_SHIP)))
        return;
    const Vec3 centre = otherShape.getGlobalPose().t;
    _entity->AddObstacle(Sphere(centre, centre.Distance(GetPosition())));
}

void Ship::OnMessage(Telegram* telegram)
{
    Actor::OnMessage(telegram);
    if (_dead || !telegram->payload)
        return;
    switch (telegram->type)
    {
    case MESSAGE_DO_DAMAGE: DoDamage(static_cast<MessageDoDamage*>(telegram->payload)->damage, 1, 1, 1); break;
    case MESSAGE_DO_DAMAGE_BY_WEAPON:
        DoDamageByWeapon(static_cast<MessageDoDamageByWeapon*>(telegram->payload)->weapon);
        break;
    case MESSAGE_DO_DAMAGE_TO_PART:
    {
        const auto* hit = static_cast<MessageDoDamageToPart*>(telegram->payload);
        DoDamageToPart(hit->shape, hit->weapon, hit->damage, hit->flag);
        break;
    }
    case MESSAGE_DO_DAMAGE_TO_OBJECT_PART:
    {
        const auto* hit = static_cast<MessageDoDamageToObjectPart*>(telegram->payload);
        if (hit->part && _protectionTimer <= 0)
            hit->part->DoDamage(hit->damage);
        break;
    }
    default: break;
    }
}
