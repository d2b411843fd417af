#include "game/world/weapons/Burst.h"

#include <algorithm>

#include "foundation/base/Random.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/BurstPoint.h"
#include "game/world/weapons/Shooter.h"
#include "game/world/weapons/Weapon.h"
#include "scene/nodes/Bone.h"

namespace {
// At the easiest difficulty computer bolts scatter by up to this much per axis.
constexpr float Spread = 0.0003f;
} // namespace

Burst::Burst(Actor* shooter, Weapon* weapon) : _shooter(shooter), _weapon(weapon) {}

Burst::~Burst() { ShutDown(); }

void Burst::Fire(Bone* bone)
{
    if (!bone)
        return;
    const Vec3 origin = bone->GetGlobalPos();
    Vec3 direction = bone->GetGlobalOrientation().Dir();
    const float speed = _weapon->GetBulletSpeed();
    if (!IsPlayerShip(_shooter))
    {
        // Computer bolts lead their target by its speed over the flight time.
        if (const Actor* target = _weapon->GetTarget())
        {
            const Vec3& targetPosition = target->GetRoot().Pos();
            const float flightTime = speed > 0 ? origin.Distance(targetPosition) / speed : 0;
            const float targetSpeed =
                target->HasFlag(ACTOR_FLAG_SHIP) ? static_cast<const Ship*>(target)->GetCurrentSpeed() : 0;
            const Vec3 aim = targetPosition + target->GetRoot().Dir() * (targetSpeed * flightTime);
            if (aim.DistanceSquared(origin) > 0)
            {
                direction = aim - origin;
                direction.Normalize();
            }
        }
        if (GetWorldDifficulty() == 1)
        {
            direction.x += static_cast<float>(100 - EngineRandom() % 200) * Spread;
            direction.y += static_cast<float>(100 - EngineRandom() % 200) * Spread;
            direction.z += static_cast<float>(100 - EngineRandom() % 200) * Spread;
        }
    }
    auto* bolt = new BurstPoint(_weapon->GetBulletLifetime(), _shooter, _weapon, bone);
    bolt->Initialize(direction * speed, origin);
    _bolts.push_back(bolt);
}

void Burst::Proceed()
{
    for (BurstPoint* bolt : _bolts)
    {
        bolt->Proceed();
        if (bolt->GetLifetime() <= 0)
            _spent.push_back(bolt);
    }
    // The last bolt takes each spent one's place.
    for (BurstPoint* bolt : _spent)
    {
        bolt->ShutDown();
        delete bolt;
        auto found = std::find(_bolts.begin(), _bolts.end(), bolt);
        *found = _bolts.back();
        _bolts.pop_back();
    }
    _spent.clear();
}

void Burst::ShutDown()
{
    for (BurstPoint* bolt : _bolts)
    {
        bolt->ShutDown();
        delete bolt;
    }
    _bolts.clear();
    _spent.clear();
}
