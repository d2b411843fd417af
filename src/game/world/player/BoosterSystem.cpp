#include "game/world/player/BoosterSystem.h"

BoosterSystem::BoosterSystem(PlayerShip* ship) : _ship(ship), _maxBoostSpeed(0) {}

void BoosterSystem::Proceed() {}

void BoosterSystem::StartBooster() {}

void BoosterSystem::StopBooster() {}
