#include "game/ai/NeighbourGrid.h"

#include <algorithm>
#include <cmath>

#include "game/ai/steering/AbstractEntity.h"

namespace Pelloris {

namespace {

constexpr int64_t CellBias = int64_t(1) << 20; // cell coordinates are kept within 21 bits

int64_t CellCoordinate(float value, float cell)
{
    const double index = std::floor(double(value) / double(cell));
    return static_cast<int64_t>(std::clamp(index, double(-CellBias + 1), double(CellBias - 2)));
}

} // namespace

NeighbourGrid::CellKey NeighbourGrid::Key(int64_t x, int64_t y, int64_t z)
{
    return CellKey(x + CellBias) << 42 | CellKey(y + CellBias) << 21 | CellKey(z + CellBias);
}

NeighbourGrid::CellKey NeighbourGrid::KeyOf(const SteerVec3& p) const
{
    return Key(CellCoordinate(p.x, _cell), CellCoordinate(p.y, _cell), CellCoordinate(p.z, _cell));
}

void NeighbourGrid::Build(const std::vector<AbstractEntity*>& entities, float seconds, float lookAhead,
                          float orderedSpeed)
{
    _entities = entities;
    _lookAhead = lookAhead;
    _maxRadius = 0;
    // An entity goes no faster during the frame than its speed now, its limit (its motion is
    // cut to it) or the speed it may be ordered to; it moves no further than its limit allows.
    _maxSpeed = std::fabs(orderedSpeed);
    float fastestLimit = 0;
    for (const AbstractEntity* entity : entities)
    {
        _maxRadius = std::max(_maxRadius, entity->GetRadius());
        fastestLimit = std::max(fastestLimit, std::fabs(entity->GetMaxSpeed()));
        _maxSpeed = std::max(_maxSpeed, std::fabs(entity->GetSpeed()));
    }
    _maxSpeed = std::max(_maxSpeed, fastestLimit);
    _maxMove = fastestLimit * std::max(0.0f, seconds);
    // A cell as wide as the reach of an entity at the fastest speed.
    _cell = std::max(2 * _maxRadius + 2 * _maxSpeed * lookAhead + _maxMove, 1.0f);
    if (!std::isfinite(_cell))
        _cell = 3.4e38f;

    _start.clear();
    _cells.clear();
    _anywhere.clear();
    for (int i = 0; i < static_cast<int>(entities.size()); ++i)
    {
        _start.push_back(entities[i]->GetPosition());
        if (_start.back().IsFinite())
            _cells.emplace_back(KeyOf(_start.back()), i);
        else
            _anywhere.push_back(i);
    }
    std::sort(_cells.begin(), _cells.end());
}

const std::vector<AbstractEntity*>& NeighbourGrid::Near(const AbstractEntity& entity)
{
    // A close neighbour touches; a threat comes within twice the radius inside the look-ahead,
    // closing at most at the sum of the two speeds.
    const SteerVec3 position = entity.GetPosition();
    const float radius = entity.GetRadius();
    const float reach =
        std::max(radius + _maxRadius, 2 * radius + (std::fabs(entity.GetSpeed()) + _maxSpeed) * _lookAhead) + _maxMove;
    _found = _anywhere;
    if (!position.IsFinite() || !std::isfinite(reach) || reach / _cell > 64)
    {
        for (const auto& cell : _cells)
            _found.push_back(cell.second);
    }
    else
    {
        const float reachSquared = reach * reach;
        const int span = static_cast<int>(std::ceil(reach / _cell));
        const int64_t cx = CellCoordinate(position.x, _cell);
        const int64_t cy = CellCoordinate(position.y, _cell);
        const int64_t cz = CellCoordinate(position.z, _cell);
        for (int64_t x = cx - span; x <= cx + span; ++x)
        {
            for (int64_t y = cy - span; y <= cy + span; ++y)
            {
                for (int64_t z = cz - span; z <= cz + span; ++z)
                {
                    const CellKey key = Key(x, y, z);
                    auto it = std::lower_bound(_cells.begin(), _cells.end(), std::make_pair(key, -1));
                    for (; it != _cells.end() && it->first == key; ++it)
                    {
                        if ((_start[it->second] - position).LengthSquared() < reachSquared)
                            _found.push_back(it->second);
                    }
                }
            }
        }
    }
    std::sort(_found.begin(), _found.end());
    _near.clear();
    for (int index : _found)
        _near.push_back(_entities[index]);
    return _near;
}

} // namespace Pelloris
