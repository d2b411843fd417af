#pragma once

#include "foundation/math/Color.h"
#include "foundation/math/Vec3.h"

#include <cstdint>

// One particle of a set's pool: where it is and how it is drawn, and the state its emitter
// moves it by. A reused particle keeps the values of its previous life but those the set
// resets (size, length, atlas cell).
struct Particle
{
    Vec3 position{0.0f, 0.0f, 0.0f};
    Vec3 direction{0.0f, 0.0f, 1.0f};
    Color color{1.0f, 1.0f, 1.0f, 1.0f};
    float intensity = 1.0f; // multiplies the colour when drawn
    float size = 0.0f;
    float angle = 0.0f; // degrees about the view axis
    float lengthAdjust = 1.0f;
    uint16_t texU = 0, texV = 0; // atlas cell
    uint32_t frameCount = 1;
    uint32_t frame = 0;
    float frameDelay = 0.0f, frameTimer = 0.0f;
    float atlasColumn = 0.0f, atlasRow = 0.0f;
    float lifetime = 0.0f, age = 0.0f;
    float velocity = 1.0f;
    float spinRate = 0.0f;
    float velocityVariance = 0.0f, spinVariance = 0.0f, sizeVariance = 0.0f;
    uint32_t reserved = 0;
    uint32_t poolIndex = 0;
};
