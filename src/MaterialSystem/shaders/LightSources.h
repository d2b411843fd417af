#pragma once

#include "foundation/math/Color.h"
#include "foundation/math/Vec3.h"

// The sun as the shaders see it (72 bytes).
struct SunSource
{
    Vec3 direction{-1.0f / 3.0f, -1.0f / 3.0f, 1.0f / 3.0f};
    Color diffuse{1.0f, 1.0f, 1.0f, 1.0f};
    Color ambient{0.2f, 0.2f, 0.2f, 1.0f};
    Color specular{1.0f, 1.0f, 1.0f, 1.0f};
    float diffusePower = 1.0f;
    float ambientPower = 1.0f;
    float specularPower = 1.0f;
};

// One omni light as the shaders see it.
struct OmniSource
{
    Vec3 position{0.0f, 0.0f, 0.0f};
    Color attenuation{1.0f, 1.0f, 1.0f, 1.0f};
    Color diffuse{1.0f, 1.0f, 1.0f, 1.0f};
    Color specular{1.0f, 1.0f, 1.0f, 1.0f};
    float range = 100.0f;
    float intensity = 1.0f;
};
