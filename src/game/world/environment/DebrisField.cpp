#include "game/world/environment/DebrisField.h"

DebrisField::DebrisField(const Vec3& centre, float radius, eDebrisType kind, int number)
    : _kind(kind), _centre(centre), _radius(radius), _number(number)
{
    SetName("DebrisField");
    SetClassname("DebrisField");
}

void DebrisField::UserInit() {}

void DebrisField::UserProceed() {}

void DebrisField::UserShutDown() {}
