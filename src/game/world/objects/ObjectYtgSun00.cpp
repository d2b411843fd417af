#include "game/world/objects/ObjectYtgSun00.h"

ObjectYtgSun00::ObjectYtgSun00()
{
    SetName("YtgSun00");
    SetClassname("YtgSun00");
}

void ObjectYtgSun00::UserInit() { Object::UserInit(); }

void ObjectYtgSun00::UserProceed() { Object::UserProceed(); }
