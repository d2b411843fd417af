#pragma once
// A portal whose glow bone turns, lit by a light in front of it when dynamic lighting is on.
#include "game/world/objects/Object.h"

class ObjectYtgPortal03 : public Object
{
public:
    ObjectYtgPortal03();

    void UserInit() override;
    void UserProceed() override;
};
