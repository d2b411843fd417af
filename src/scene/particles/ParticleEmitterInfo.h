#pragma once

#include "foundation/math/Lerper.h"

class Material;

// One particle emitter as a particle set file describes it: a plain record, copied whole.
// Curves the file leaves out have no keys, so the emitter that takes the record keeps its
// own default value for them.
struct ParticleEmitterInfo
{
    static constexpr unsigned MaterialNameSize = 64;

    char materialName[MaterialNameSize] = {};
    Material* materialPtr = nullptr; // used instead of the name when set
    unsigned au = 0;                 // default atlas cell
    unsigned av = 0;
    unsigned ASize = 1; // atlas cells per side
    float speed = 1.0f; // the play speed of the whole effect
    float StartDelay = 0.0f;
    float Duration = 0.0f;
    float RepeatDelay = 0.0f;
    unsigned EmissionMode = 0;
    unsigned ScatterMode = 2;
    float DefaultLengthAdjust = 1.0f;
    unsigned ParticleShape = 0;
    unsigned LodLevels = 0;
    unsigned AnimLength = 0;
    float AnimDelay = 0.0f;
    float ParticleLifetimeVar = 0.0f;
    float ParticleVelocityVar = 0.0f;
    float ParticleSizeVar = 0.0f;
    float ParticleSpinVar = 0.0f;
    Lerper<float> Rate;
    Lerper<float> Scattering;
    Lerper<float> InnerRadius;
    Lerper<float> OuterRadius;
    Lerper<float> Lifetime;
    Lerper<float> Velocity;
    Lerper<float> Size;
    Lerper<float> Spin;
    Lerper<::Color> Color;
};
