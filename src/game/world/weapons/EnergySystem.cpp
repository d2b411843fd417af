#include "game/world/weapons/EnergySystem.h"

#include <algorithm>

#include "game/core/game/Game.h"

namespace {
constexpr float RegenerationPerSecond = 10;
}

void EnergySystem::Proceed() { _current = std::min(_current + RegenerationPerSecond * game.GetSPF(), _maximum); }

bool EnergySystem::UseEnergy(float amount)
{
    if (_current < amount)
        return false;
    _current -= amount;
    return true;
}
