#pragma once
// The entities that one entity's neighbour avoidance can pick during a frame, found through a
// grid of where every entity stood when the frame began instead of by visiting them all: with a
// hundred ships and more, every ship visiting every other each frame costs the square of their
// number. The grid's reach covers how far any entity can have moved since, and how near two
// must come within the avoidance's look-ahead for either to count, so the avoidance picks from
// the shorter list exactly what it would from the whole one, kept in list order.
#include <cstdint>
#include <utility>
#include <vector>

#include "game/ai/steering/SteerVec3.h"

namespace Pelloris {

class AbstractEntity;

class NeighbourGrid
{
public:
    // At the start of a frame of the seconds: the entities in list order, the look-ahead of the
    // avoidance, and the speed that an entity may be ordered to during the frame besides its
    // own limit.
    void Build(const std::vector<AbstractEntity*>& entities, float seconds, float lookAhead, float orderedSpeed);
    // Every entity, in list order, that the entity's neighbour avoidance could pick now; the
    // entity itself may be among them.
    const std::vector<AbstractEntity*>& Near(const AbstractEntity& entity);

private:
    using CellKey = uint64_t;
    CellKey KeyOf(const SteerVec3& position) const;
    static CellKey Key(int64_t x, int64_t y, int64_t z);

    std::vector<AbstractEntity*> _entities;
    std::vector<SteerVec3> _start;
    std::vector<std::pair<CellKey, int>> _cells; // sorted: the entities of each cell together
    std::vector<int> _anywhere;                  // with no finite place: always near
    float _cell = 1;
    float _maxRadius = 0;
    float _maxSpeed = 0;
    float _maxMove = 0; // since the frame began
    float _lookAhead = 0;
    std::vector<int> _found;
    std::vector<AbstractEntity*> _near;
};

} // namespace Pelloris
