#include "game/ai/EntityManager.h"

#include <algorithm>
#include <cstring>

#include "foundation/base/Dumper.h"
#include "foundation/base/Singletons.h"
#include "game/ai/ShipEntity.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "services/physics/PhysicsActor.h"

namespace Pelloris {

EntityManager::EntityManager() = default;

EntityManager::~EntityManager() = default;

EntityManager* EntityManager::GetInstance()
{
    static EntityManager* const instance = Singletons::Adopt(std::unique_ptr<EntityManager>(new EntityManager()));
    return instance;
}

void EntityManager::Initialize()
{
    _allShips.clear();
    _entities.clear();
    _playerEntity = nullptr;
    _player = nullptr;
    _tracks = nullptr;
    for (auto& row : _relations)
        std::fill(std::begin(row), std::end(row), Hostile);
    for (Fraction& fraction : _fractions)
        fraction.Clear();
    _fractionCount = 0;
    for (const char* name : {"default", "player", "ytg", "blg"})
        AddFraction(name);
    SetFractionRelation("player", "blg", Allied);
}

bool EntityManager::AddFraction(const char* name)
{
    if (_fractionCount >= MaxFractions)
    {
        Dumper::Instance().Print(DUMP_ERROR, "EntityManager: no room for the fraction \"%s\"; %u are in use\n",
                                 name ? name : "", MaxFractions);
        return false;
    }
    _fractions[_fractionCount++].SetName(name);
    return true;
}

int EntityManager::GetFractionIndex(const char* name) const
{
    if (!name)
        return -1;
    for (unsigned i = 0; i < _fractionCount; ++i)
    {
        if (std::strcmp(_fractions[i].GetName(), name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

Fraction* EntityManager::GetFractionByName(const char* name)
{
    const int index = GetFractionIndex(name);
    return index < 0 ? nullptr : &_fractions[index];
}

void EntityManager::SetFractionRelation(const char* a, const char* b, int value)
{
    const int i = GetFractionIndex(a);
    const int j = GetFractionIndex(b);
    if (i < 0 || j < 0)
        return;
    _relations[i][j] = _relations[j][i] = value;
}

unsigned EntityManager::FractionOrDefault(const char* name) const
{
    const int index = GetFractionIndex(name);
    return index < 0 ? 0 : static_cast<unsigned>(index);
}

ShipEntity* EntityManager::Register(std::unique_ptr<ShipEntity> entity)
{
    ShipEntity* registered = entity.get();
    _entities.push_back(std::move(entity));
    _allShips.push_back(registered);
    return registered;
}

void EntityManager::AddShip(Ship* ship, const char* fraction)
{
    if (!ship)
        return;
    auto entity = std::make_unique<ShipEntity>(this, ship);
    const Matrix& root = ship->GetRoot();
    entity->SetPosition(SteerVec3(root.Pos()));
    // The whole frame from the ship's pose, so that the first pose written back is the ship's.
    entity->RegenerateBasisFromForwardAndUp(SteerVec3(root.Dir()), SteerVec3(root.Up()));
    entity->ApplyShipType();
    entity->SetSpeed(0);
    entity->SetShipName(ship->GetName());
    entity->SetFraction(fraction);
    _fractions[FractionOrDefault(fraction)].AddShip(ship);
    if (PhysicsActor* body = ship->GetPhysEntity())
        body->raiseBodyFlag(NX_BF_KINEMATIC);
    ship->SetEntity(Register(std::move(entity)));
}

void EntityManager::RemoveShip(Ship* ship)
{
    if (!ship)
        return;
    _fractions[OwnFraction(ship)].DestroyShip(ship);
    auto owned = std::find_if(_entities.begin(), _entities.end(),
                              [&](const std::unique_ptr<ShipEntity>& e) { return e->GetShip() == ship; });
    if (owned == _entities.end())
        return;
    ShipEntity* entity = owned->get();
    auto listed = std::find(_allShips.begin(), _allShips.end(), entity);
    *listed = _allShips.back();
    _allShips.pop_back();
    if (ship->GetEntity() == entity)
        ship->SetEntity(nullptr);
    if (_playerEntity == entity)
        _playerEntity = nullptr;
    for (const auto& other : _entities)
    {
        other->RemoveFollower(entity);
        other->ForgetShip(ship);
    }
    _entities.erase(owned);
}

void EntityManager::SetPlayer(Player* player)
{
    _player = player;
    Ship* ship = PlayerShip();
    // Without a ship there is nothing to steer around or to fly to.
    if (!ship)
        return;
    // The entity refers to the player's ship, so that tasks naming it (attack, follow, escort)
    // find a ship to fly to.
    auto entity = std::make_unique<ShipEntity>(this, ship);
    entity->SetFraction("player");
    entity->SetShipName(ship->GetName());
    entity->SetRadius(30);
    entity->MarkAsPlayer();
    const Matrix& root = ship->GetRoot();
    entity->SetPosition(SteerVec3(root.Pos()));
    entity->RegenerateBasisFromForwardAndUp(SteerVec3(root.Dir()), SteerVec3(root.Up()));
    _fractions[FractionOrDefault("player")].AddShip(ship);
    _playerEntity = Register(std::move(entity));
    ship->SetEntity(_playerEntity);
}

Ship* EntityManager::PlayerShip() const { return _player ? _player->GetShip() : nullptr; }

ShipEntity* EntityManager::GetEntityByName(const char* name) const
{
    if (!name)
        return nullptr;
    for (AbstractEntity* entity : _allShips)
    {
        auto* ship = static_cast<ShipEntity*>(entity);
        if (std::strcmp(ship->GetShipName(), name) == 0)
            return ship;
    }
    return nullptr;
}

void EntityManager::ActivateInitialTasks(const std::vector<Track*>& tracks)
{
    _tracks = &tracks;
    for (AbstractEntity* entity : _allShips)
    {
        auto* ship = static_cast<ShipEntity*>(entity);
        if (!ship->GetTask().isPlayer)
            ship->ActivateInitialTask();
    }
}

void EntityManager::Trigger(float seconds)
{
    Ship* ship = PlayerShip();
    if (_playerEntity && ship && ship->GetPhysEntity())
    {
        const Vec3 velocity = ship->GetPhysEntity()->GetGlobalLinearVelocity();
        _playerEntity->SetPosition(SteerVec3(ship->GetPosition()));
        _playerEntity->SetSpeed(velocity.Length());
        _playerEntity->RegenerateLocalSpace(SteerVec3(velocity), seconds);
    }
    _neighbours.Build(_allShips, seconds, ShipEntity::NeighbourTime, ShipEntity::OrderedSpeed);
    _triggering = true;
    for (AbstractEntity* entity : _allShips)
        static_cast<ShipEntity*>(entity)->Update(seconds);
    _triggering = false;
}

const std::vector<AbstractEntity*>& EntityManager::NeighboursOf(const AbstractEntity& entity)
{
    return _triggering ? _neighbours.Near(entity) : _allShips;
}

} // namespace Pelloris
