#pragma once
#include "foundation/math/Vec3.h"

// The pose of a 3D sound emitter or of the listener, in world space.
struct SOUND3D_POSE
{
    Vec3 forward{0, 0, 1};
    Vec3 up{0, 1, 0};
    Vec3 position{0, 0, 0};
    Vec3 velocity{0, 0, 0};
};
