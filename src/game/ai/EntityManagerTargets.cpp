// The entity manager's target choice and enemy count.
#include <algorithm>
#include <cstring>

#include "foundation/base/Random.h"
#include "game/ai/EntityManager.h"
#include "game/ai/steering/SteerVec3.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/ships/Ship.h"

namespace Pelloris {

namespace {

float RangeSquared(const Ship* ship)
{
    const ShipType* type = ship->GetPrototype();
    return type ? type->visibilityRange * type->visibilityRange : 0;
}

float DistanceSquared(const Ship* a, const Ship* b) { return a->GetRoot().Pos().DistanceSquared(b->GetRoot().Pos()); }

bool InRange(const Ship* ship, const Ship* other) { return DistanceSquared(ship, other) < RangeSquared(ship); }

// -1 for a ship straight ahead of the player's, +1 straight behind.
float AimKey(const Ship* player, const Ship* candidate)
{
    const SteerVec3 toPlayer(player->GetRoot().Pos() - candidate->GetRoot().Pos());
    return SteerVec3(player->GetRoot().Dir()).Dot(toPlayer.Normalize());
}

} // namespace

unsigned EntityManager::OwnFraction(const Ship* ship) const
{
    for (unsigned i = 0; i < _fractionCount; ++i)
    {
        if (_fractions[i].HasShip(ship))
            return i;
    }
    return 0;
}

const std::vector<Ship*>& EntityManager::Candidates(Ship* ship, bool anyRange, bool aimKeys)
{
    _candidates.clear();
    Ship* player = PlayerShip();
    const unsigned own = OwnFraction(ship);
    for (unsigned j = 0; j < _fractionCount; ++j)
    {
        if (j == own || _relations[own][j] != Hostile)
            continue;
        const Fraction& fraction = _fractions[j];
        for (unsigned i = 0; i < fraction.GetShipCount(); ++i)
        {
            Ship* candidate = fraction.GetShip(i);
            if (candidate->IsDead() || candidate->IsDeleted())
                continue;
            if (ship == player)
            {
                if (candidate->HasFlag(ACTOR_FLAG_LARGE_CRAFT))
                    continue;
                if (aimKeys)
                    candidate->SetAimKey(AimKey(player, candidate));
            }
            else if (!anyRange && !InRange(ship, candidate))
                continue;
            _candidates.push_back(candidate);
        }
    }
    return _candidates;
}

Ship* EntityManager::GetRandomTarget(Ship* ship)
{
    if (!ship)
        return nullptr;
    const std::vector<Ship*>& candidates = Candidates(ship, false, true);
    return candidates.empty() ? nullptr : candidates[EngineRandom() % candidates.size()];
}

Ship* EntityManager::GetBestNearestTarget(Ship* ship, bool anyRange)
{
    if (!ship)
        return nullptr;
    Ship* player = PlayerShip();
    if (ship != player && player && !player->IsDead() &&
        std::strcmp(_fractions[OwnFraction(ship)].GetName(), "ytg") == 0 && InRange(ship, player))
        return player;
    const std::vector<Ship*>& candidates = Candidates(ship, anyRange, true);
    if (candidates.empty())
        return nullptr;
    if (ship != player)
        return candidates[EngineRandom() % candidates.size()];
    return *std::min_element(candidates.begin(), candidates.end(),
                             [](const Ship* a, const Ship* b) { return a->GetAimKey() < b->GetAimKey(); });
}

Ship* EntityManager::GetBestVisibleTarget(Ship* ship)
{
    if (!ship)
        return nullptr;
    if (ship != PlayerShip())
    {
        const std::vector<Ship*>& candidates = Candidates(ship, false, false);
        return candidates.empty() ? nullptr : candidates.front();
    }
    const std::vector<Ship*>& candidates = Candidates(ship, true, false);
    if (candidates.empty())
        return nullptr;
    auto current = std::find(candidates.begin(), candidates.end(), ship->GetTarget());
    if (current == candidates.end() || ++current == candidates.end())
        return candidates.front();
    return *current;
}

bool EntityManager::IsTargetVisible(Ship* ship) const
{
    const Ship* target = ship ? ship->GetTarget() : nullptr;
    return target && DistanceSquared(ship, target) < 1.1f * RangeSquared(ship);
}

unsigned EntityManager::GetEnemyCount(Ship* ship) const
{
    if (!ship)
        return 0;
    const unsigned own = OwnFraction(ship);
    unsigned count = 0;
    for (unsigned j = 0; j < _fractionCount; ++j)
    {
        if (j == own || _relations[own][j] != Hostile)
            continue;
        for (unsigned i = 0; i < _fractions[j].GetShipCount(); ++i)
            count += _fractions[j].GetShip(i)->IsDead() ? 0 : 1;
    }
    return count;
}

} // namespace Pelloris
