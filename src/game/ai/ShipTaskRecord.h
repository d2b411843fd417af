#pragma once
// A ship's AI task as a level file gives it: its kind, the name of its target (an actor or a
// track), three parameters and a box.
#include <cstddef>

#include "foundation/math/Bounds.h"
#include "foundation/math/Vec3.h"

namespace Pelloris {

enum eTaskKind : int
{
    TASK_NONE = 0,
    TASK_REACH_THE_POINT = 1, // params: the point
    TASK_ATTACK_THE_TARGET = 2,
    TASK_FOLLOW_THE_LEADER = 5,
    TASK_PATROL_THE_AREA = 6,    // the box
    TASK_STAY_ON_TRACK = 7,      // params: 1 when looped else 0, radius
    TASK_PATROL_THE_TRACK = 8,   // params: radius, disengage distance
    TASK_ESCORT_THE_TARGET = 10, // params: radius
};

struct ShipTaskRecord
{
    static constexpr size_t TargetSize = 64;

    eTaskKind kind = TASK_NONE;
    char target[TargetSize] = {};
    Vec3 params{0, 0, 0};
    Bounds box;
};

} // namespace Pelloris
