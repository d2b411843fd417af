#include "game/world/weapons/RaycastReport.h"

#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "game/ai/EntityManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/BurstPoint.h"
#include "game/world/weapons/Shooter.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxShape.h"

namespace {

// The actor that owns the shape's body; null for a body that no actor listens to.
Actor* OwnerOf(const NxShape* shape)
{
    if (!shape)
        return nullptr;
    const auto& body = static_cast<const PhysicsActor&>(shape->getActor());
    return dynamic_cast<Actor*>(body.GetListener());
}

Ship* AsShip(Actor* actor) { return actor && actor->HasFlag(ACTOR_FLAG_SHIP) ? static_cast<Ship*>(actor) : nullptr; }

// One of the Blg pilots' radio lines, when no other is on air.
void TransmitBlg(const char* format, bool withVoiceTwice)
{
    Limiter* limiter = game.GetLimiter();
    if (!limiter || !limiter->CanTransmitionBlg())
        return;
    const int voice = 1 + EngineRandom() % 4;
    const int line = 1 + EngineRandom() % 7;
    char path[256];
    if (withVoiceTwice)
        std::snprintf(path, sizeof path, format, GetWorldLanguage(), voice, line, voice);
    else
        std::snprintf(path, sizeof path, format, GetWorldLanguage(), voice, line);
    limiter->TransmitionBlg(path);
}

} // namespace

bool RaycastReport::onHit(const NxRaycastHit& hit)
{
    if (!_parent || _parent->GetDead())
        return false;
    Actor* actor = OwnerOf(hit.shape);
    Actor* shooter = _parent->GetShooter();
    if (!actor || actor == shooter)
        return true;
    if (hit.shape->isTrigger())
    {
        // A ship's sensor sphere only notes the shot; the bolt flies on.
        if (Ship* ship = AsShip(actor))
        {
            Ship::IncomingFire& record = ship->GetIncomingFire();
            record.direction = _direction;
            record.point = hit.worldImpact;
            record.shooter = shooter;
        }
        return true;
    }
    Vec3 normal = hit.worldNormal;
    if (normal.LengthSquared() > 0)
        normal.Normalize();
    SingleLevel* level = game.GetLevel();
    auto send = [&] {
        if (level)
            level->SendMessage(shooter, actor, MESSAGE_DO_DAMAGE_TO_PART,
                               new MessageDoDamageToPart(hit.shape, _parent->GetWeapon(), 0, false), 0);
    };
    if (Ship* ship = AsShip(actor))
    {
        send();
        if (IsPlayerShip(ship) && Pelloris::EntityManager::GetInstance()->GetRelation(ship, AsShip(shooter)) == 0)
            TransmitBlg("localization\\%s\\blg\\player_is_under_attack\\V%d\\bos_atk_bk_%d_v%d.wav", true);
        if (IsPlayerShip(shooter) && std::strncmp(ship->GetClassname(), "ShipBlgFighter", 14) == 0)
            TransmitBlg("localization\\%s\\blg\\player_shoots_allies\\V%d\\man_whereu_shoot_s%d.wav", false);
    }
    else if (actor->HasFlag(ACTOR_FLAG_OBJECT))
    {
        send();
        // Pushed away from the side it was hit on.
        actor->AddForceAtPos(-normal * static_cast<float>(32 + EngineRandom() % 16), hit.worldImpact,
                             NX_SMOOTH_VELOCITY_CHANGE);
        actor->AddTorque(-normal * 0.5f, NX_SMOOTH_VELOCITY_CHANGE);
    }
    _parent->SetDeathPos(hit.worldImpact);
    _parent->SetLifetime(-1);
    _parent->SetDead(true);
    _parent->SetHitTo(actor);
    return false;
}
