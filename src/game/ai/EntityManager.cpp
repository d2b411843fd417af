#include "game/ai/EntityManager.h"

#include <algorithm>

#include "game/ai/ShipEntity.h"
#include "game/world/ships/Ship.h"

namespace Pelloris {

EntityManager::EntityManager() = default;

EntityManager* EntityManager::GetInstance()
{
    static EntityManager instance;
    return &instance;
}

void EntityManager::Initialize()
{
    _player = nullptr;
    _entities.clear();
    _tracks = nullptr;
    _fractions = {"default", "player", "ytg", "blg"};
}

void EntityManager::AddShip(Ship* ship, const char* fraction)
{
    if (!ship)
        return;
    const bool known = fraction && std::find(_fractions.begin(), _fractions.end(), fraction) != _fractions.end();
    _entities.push_back(std::make_unique<ShipEntity>(ship, known ? fraction : "default"));
    ship->SetEntity(_entities.back().get());
}

void EntityManager::ActivateInitialTasks(const std::vector<Track*>& tracks) { _tracks = &tracks; }

void EntityManager::Trigger(float) {}

} // namespace Pelloris
