#include "game/world/actor/Limiter.h"

void Limiter::Proceed() {}

void Limiter::TransmitionBlg(const char*) {}

void Limiter::TransmitionRobot(const char*, float) {}

float Limiter::Transmit(const char*) { return 0; }
