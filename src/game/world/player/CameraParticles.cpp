#include "game/world/player/CameraParticles.h"

void CameraParticles::Initialize(Material*, eParticleShape, float, int, float) {}

void CameraParticles::Proceed(const Vec3&, const Vec3&) {}

void CameraParticles::ShutDown() {}
