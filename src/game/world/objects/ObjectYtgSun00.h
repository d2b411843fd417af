#pragma once
// A sun whose glow bone turns, with its own particle system.
#include "game/world/objects/Object.h"

class ObjectYtgSun00 : public Object
{
public:
    ObjectYtgSun00();

    void UserInit() override;
    void UserProceed() override;
};
