#pragma once
// The AI manager of a mission: one process-wide instance that the mission frame initialises for
// every level. It keeps the sides of the battle (fractions), one steering entity per ship of the
// level and the player, starts the ships' first tasks after loading and runs the AI once a
// frame. Ships, the player and weapons ask it for targets. Target choice and steering come with
// the ship AI; until then no ship has an enemy.
#include <memory>
#include <string>
#include <vector>

class Player;
class Ship;
class Track;

namespace Pelloris {

class ShipEntity;

class EntityManager
{
public:
    static EntityManager* GetInstance();

    // A new mission: no ships, the fractions "default", "player", "ytg" and "blg".
    void Initialize();
    void SetPlayer(Player* player) { _player = player; }
    Player* GetPlayer() const { return _player; }
    // Makes the ship's entity in the fraction ("default" when no fraction has that name).
    void AddShip(Ship* ship, const char* fraction);
    unsigned GetShipCount() const { return static_cast<unsigned>(_entities.size()); }
    void ActivateInitialTasks(const std::vector<Track*>& tracks);
    void Trigger(float seconds);

    Ship* GetBestNearestTarget(Ship*, bool) { return nullptr; }
    int GetEnemyCount(Ship*) { return 0; }
    Ship* GetRandomTarget(Ship*) { return nullptr; }
    // Hostile for every pair.
    int GetRelation(Ship*, Ship*) { return 0; }

private:
    EntityManager();

    Player* _player = nullptr;
    std::vector<std::unique_ptr<ShipEntity>> _entities;
    std::vector<std::string> _fractions;
    const std::vector<Track*>* _tracks = nullptr;
};

} // namespace Pelloris
