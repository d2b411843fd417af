#include "game/world/effects/PhysSparks.h"

PhysSparks::PhysSparks(const Vec3& position, int count) : _position(position), _count(static_cast<float>(count)) {}

PhysSparks::~PhysSparks()
{
    for (PhysSparksPoint* point : _points)
        delete point;
}

void PhysSparks::UserInit() {}

void PhysSparks::UserProceed() {}

void PhysSparks::UserShutDown() {}
