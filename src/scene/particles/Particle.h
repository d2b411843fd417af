#pragma once

#include "foundation/math/Color.h"
#include "foundation/math/Vec3.h"

#include <cstdint>

// One particle of a set's pool: a plain record of 30 words. The set hands out pooled records
// without resetting them, so whoever creates a particle sets what it needs.
struct Particle
{
    Vec3 position{0.0f, 0.0f, 0.0f};
    Vec3 direction{0.0f, 0.0f, 1.0f}; // unit direction of motion
    Color color{1.0f, 1.0f, 1.0f, 1.0f};
    float intensity = 1.0f; // multiplies the colour when drawn
    float size = 0.0f;      // width in world units
    float angle = 0.0f;     // degrees about the view axis
    float lengthAdjust = 1.0f;
    uint16_t texU = 0; // atlas cell
    uint16_t texV = 0;
    uint32_t frameCount = 1;
    uint32_t frame = 0;
    float frameDelay = 0.0f; // seconds per frame
    float frameTimer = 0.0f;
    float atlasColumn = 0.0f; // cell offset of the current frame
    float atlasRow = 0.0f;
    float lifetime = 0.0f; // seconds
    float age = 0.0f;
    float velocity = 1.0f; // speed along the direction
    float spinRate = 0.0f; // degrees per second
    float velocityVariance = 0.0f;
    float spinVariance = 0.0f;
    float sizeVariance = 0.0f;
    uint32_t state = 0;     // free for the game world
    uint32_t poolIndex = 0; // place in the set's pool
};

static_assert(sizeof(Particle) == 30 * 4, "a particle is 30 words");
