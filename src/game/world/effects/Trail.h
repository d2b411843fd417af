#pragma once
// The ribbon trails behind engines and rockets: a particle emitter that draws one strip through
// what it emits at a point, with no spin or speed of its own.
class Material;
class ParticleEmitter;

// The shape, material, timing and emission of a trail; its size and colour curves are the
// caller's.
void SetUpTrail(ParticleEmitter* trail, Material* material, unsigned lodLevels, float rate, float lifetime);
