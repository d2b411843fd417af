#include "game/world/objects/ObjectYtgPortal03.h"

ObjectYtgPortal03::ObjectYtgPortal03()
{
    SetName("YtgPortal03");
    SetClassname("YtgPortal03");
}

void ObjectYtgPortal03::UserInit() { Object::UserInit(); }

void ObjectYtgPortal03::UserProceed() { Object::UserProceed(); }
