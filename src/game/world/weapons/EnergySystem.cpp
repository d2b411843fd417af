#include "game/world/weapons/EnergySystem.h"

void EnergySystem::Proceed() {}

bool EnergySystem::UseEnergy(float) { return false; }
