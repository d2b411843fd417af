#pragma once
// A protection complex with a red flare on its beacon bone.
#include "game/world/objects/Object.h"

class ObjectYtgProtectionComplex00 : public Object
{
public:
    ObjectYtgProtectionComplex00();

    void UserInit() override;
};
