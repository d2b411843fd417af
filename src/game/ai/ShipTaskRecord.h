#pragma once
// One AI task of a ship, as a level file or the mission logic gives it: the AI mode it asks
// for, the name of its target (a ship or a track), three parameters and a box.
#include <cstddef>

#include "foundation/math/Bounds.h"
#include "foundation/math/Vec3.h"

namespace Pelloris {

enum eTaskKind : int
{
    TASK_NONE = 0,
    TASK_REACH_THE_POINT = 1,    // params: the point
    TASK_ATTACK_THE_TARGET = 2,  // the ship named
    TASK_FOLLOW_THE_LEADER = 5,  // the ship named
    TASK_PATROL_THE_AREA = 6,    // the area
    TASK_STAY_ON_TRACK = 7,      // the track named; params: 1 when looped else 0, radius
    TASK_PATROL_THE_TRACK = 8,   // the track named; params: radius, disengage distance
    TASK_ESCORT_THE_TARGET = 10, // the ship named; params: radius (0: the ship type's support range)
};

struct ShipTaskRecord
{
    static constexpr size_t TargetNameSize = 64;

    eTaskKind kind = TASK_NONE;
    char targetName[TargetNameSize] = {};
    Vec3 params{0, 0, 0};
    Bounds area;
    // Set on the player's entity, whose task is never started.
    bool isPlayer = false;
};

} // namespace Pelloris
