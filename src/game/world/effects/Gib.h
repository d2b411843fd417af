#pragma once
// A piece of a wreck with no behaviour of its own.
#include "game/world/actor/Actor.h"

class Gib : public Actor
{
public:
    Gib();
};
