#include "game/world/player/CameraGarbage.h"

void CameraGarbage::Initialize(const Vec3&, eDebrisType) {}

void CameraGarbage::Proceed(const Vec3&) {}

void CameraGarbage::ShutDown() {}
