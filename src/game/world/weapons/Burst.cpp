#include "game/world/weapons/Burst.h"

#include "game/world/weapons/BurstPoint.h"

Burst::Burst(Actor* shooter, Weapon* weapon) : _shooter(shooter), _weapon(weapon) {}

Burst::~Burst() { ShutDown(); }

void Burst::Fire(Bone*) {}

void Burst::Proceed() {}

void Burst::ShutDown()
{
    for (BurstPoint* bolt : _bolts)
        delete bolt;
    _bolts.clear();
    _spent.clear();
}
