#pragma once
// The AI manager of a mission: one process-wide instance that the mission frame initialises for
// every level. It holds the sides of the battle (fractions) with the relations between them,
// one steering entity for every ship of the level and one for the player's ship, and the
// level's tracks; it starts the ships' first tasks after loading and runs every entity once a
// frame. Ships, the player and weapons ask it for targets and enemy counts.
#include <memory>
#include <vector>

#include "game/ai/Fraction.h"
#include "game/ai/NeighbourGrid.h"

class Player;
class Ship;
class Track;

namespace Pelloris {

class AbstractEntity;
class ShipEntity;

class EntityManager
{
public:
    static constexpr unsigned MaxFractions = 16;
    // Relation values; only hostility (0) is read.
    static constexpr int Hostile = 0;
    static constexpr int Allied = 2;

    // Made on first use; it lives to the end of the process.
    static EntityManager* GetInstance();
    ~EntityManager();
    EntityManager(const EntityManager&) = delete;
    EntityManager& operator=(const EntityManager&) = delete;

    // A new mission: the entities, the player and the tracks of the last one are released; the
    // fractions are "default", "player", "ytg" and "blg", all hostile to each other but for
    // "player" and "blg".
    void Initialize();

    // False, and logged, once all sixteen are named.
    bool AddFraction(const char* name);
    unsigned GetFractionCount() const { return _fractionCount; }
    // -1 when no fraction has the name (compared exactly).
    int GetFractionIndex(const char* name) const;
    // Null when no fraction has the name.
    Fraction* GetFractionByName(const char* name);
    Fraction* GetPlayerFraction() { return GetFractionByName("player"); }
    // Both ways; nothing when either name is unknown.
    void SetFractionRelation(const char* a, const char* b, int value);
    // Hostile for every pair of ships, allies too: the laser hit's radio line plays for any
    // ship the player hits.
    int GetRelation(Ship*, Ship*) const { return Hostile; }

    // Makes the ship's entity at the ship's pose with the ship type's limits, in the fraction of
    // that name ("default" when no fraction has it). The AI flies the ship's body kinematically.
    void AddShip(Ship* ship, const char* fraction);
    // Takes the ship out of its fraction and frees its entity.
    void RemoveShip(Ship* ship);
    // The player's ship (when there is one) gets an entity in "player", placed each frame from
    // the ship's body.
    void SetPlayer(Player* player);
    Player* GetPlayer() const { return _player; }
    ShipEntity* GetPlayerEntity() const { return _playerEntity; }
    // Every entity, the player's too, in order of registration.
    const std::vector<AbstractEntity*>& allShips() const { return _allShips; }
    // The entities that the entity's neighbour avoidance can pick, in list order: during
    // Trigger those near it, else all.
    const std::vector<AbstractEntity*>& NeighboursOf(const AbstractEntity& entity);
    // Null until ActivateInitialTasks.
    const std::vector<Track*>* GetAllTracks() const { return _tracks; }
    // Null when no entity's ship has the name.
    ShipEntity* GetEntityByName(const char* name) const;
    // Keeps the level's tracks and starts every AI ship's first task.
    void ActivateInitialTasks(const std::vector<Track*>& tracks);
    // The player's entity from its ship, then every entity's update.
    void Trigger(float seconds);

    // Target choice. Candidates are the living, not deleted ships of the fractions hostile to
    // the asking ship's; the player's ship sees every candidate but stations and cruisers, at
    // any range, while an AI ship sees those within its type's "visibilityRange".
    // A random candidate.
    Ship* GetRandomTarget(Ship* ship);
    // For the player's ship the candidate nearest the crosshair line; for a Ytg ship the
    // player's ship while in range; else a random candidate, of the whole level with anyRange.
    Ship* GetBestNearestTarget(Ship* ship, bool anyRange);
    // For the player's ship the candidate after its present target, round the list; for an AI
    // ship the first candidate.
    Ship* GetBestVisibleTarget(Ship* ship);
    // The ship's target is within 1.1 times the squared range.
    bool IsTargetVisible(Ship* ship) const;
    // The living ships of the hostile fractions (deleted ones count while alive).
    unsigned GetEnemyCount(Ship* ship) const;

private:
    EntityManager();

    ShipEntity* Register(std::unique_ptr<ShipEntity> entity);
    Ship* PlayerShip() const;
    // The first fraction that has the ship; 0 when none does.
    unsigned OwnFraction(const Ship* ship) const;
    unsigned FractionOrDefault(const char* name) const;
    // The candidates of the hostile fractions: for the player's ship those without the large-
    // craft flag, each with its aim key written; for others those in range unless anyRange.
    const std::vector<Ship*>& Candidates(Ship* ship, bool anyRange, bool aimKeys);

    Player* _player = nullptr;
    ShipEntity* _playerEntity = nullptr;
    std::vector<AbstractEntity*> _allShips;
    std::vector<std::unique_ptr<ShipEntity>> _entities; // owns what _allShips lists
    const std::vector<Track*>* _tracks = nullptr;
    unsigned _fractionCount = 0;
    Fraction _fractions[MaxFractions];
    int _relations[MaxFractions][MaxFractions] = {};
    std::vector<Ship*> _candidates; // scratch of the target choice
    NeighbourGrid _neighbours;      // of the frame that Trigger runs
    bool _triggering = false;
};

} // namespace Pelloris
