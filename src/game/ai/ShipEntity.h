#pragma once
// The AI's steering entity of one ship: its fraction and its first task. The steering itself
// comes with the ship AI.
#include <cstddef>

#include "foundation/math/Sphere.h"
#include "game/ai/ShipTaskRecord.h"

class Ship;

namespace Pelloris {

class ShipEntity
{
public:
    static constexpr size_t FractionSize = 64;

    ShipEntity(Ship* ship, const char* fraction);

    Ship* GetShip() const { return _ship; }
    const char* GetFraction() const { return _fraction; }
    void SetTask(const ShipTaskRecord& task) { _task = task; }
    const ShipTaskRecord& GetTask() const { return _task; }

    // The steering limits from the ship's type.
    void ApplyShipType() {}
    // An obstacle to steer around this frame.
    void AddObstacle(const Sphere&) {}

private:
    Ship* _ship; // not owned
    char _fraction[FractionSize] = {};
    ShipTaskRecord _task;
};

} // namespace Pelloris
