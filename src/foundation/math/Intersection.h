#pragma once
// Result codes of the volume tests: intersection results are bits so they can be or-ed together.

enum eIntersection
{
    INSIDE = 1,
    PARTIAL = 2,
    OUTSIDE = 4,
};

enum ePlaneSide
{
    FRONT = 0,
    BACK = 1,
    ON = 2,
    BOTH = 3,
};
