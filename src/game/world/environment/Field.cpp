#include "game/world/environment/Field.h"

Field::Field(const Vec3& centre, int count, float, float extent) : _centre(centre), _count(count), _extent(extent)
{
    SetName("Field");
    SetClassname("Field");
}

void Field::UserInit() {}

void Field::UserProceed() {}
