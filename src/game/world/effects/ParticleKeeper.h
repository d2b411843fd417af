#pragma once
// Takes over an emitter whose owner goes away (an exploding ship's fire, a bullet's trail) and
// keeps it until it has played out.
#include "game/world/actor/Actor.h"

class Emitter;

class ParticleKeeper : public Actor
{
public:
    // The keeper owns the emitter node from now on; it leaves its parent and keeps its world
    // pose, so it outlives the owner's nodes.
    explicit ParticleKeeper(Emitter* emitter);

    void UserInit() override;
    void UserProceed() override {}
    void UserShutDown() override;
    const Emitter* GetEmitter() const { return _emitter; }

private:
    Emitter* _emitter;
};
