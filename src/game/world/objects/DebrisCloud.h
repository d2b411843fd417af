#pragma once
// The clouds of debris chunks that destroyed objects throw.
#include "foundation/math/Vec3.h"
#include "game/world/environment/DebrisType.h"

// `count` chunks around the centre (up to 20 units off on each axis), each flying at up to
// `speedRange` units per second on each axis, and never crawling.
void ThrowDebrisCloud(const Vec3& centre, int count, eDebrisType kind, int speedRange);

// A chunk's velocity: each component up to `speedRange` in steps of 0.1, then the first
// component (x, y, z) that lies strictly within 256 of 0 and is not 0 is raised to 128..191
// away from 0; the others stay.
Vec3 ChunkVelocity(int speedRange);
void SpeedUpFirstSlowAxis(Vec3& velocity);
