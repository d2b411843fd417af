#pragma once
// An old ship's wreck, sixteen times its model's size.
#include "game/world/objects/Object.h"

class ObjectOldShip : public Object
{
public:
    ObjectOldShip();

    void UserInit() override;
};
