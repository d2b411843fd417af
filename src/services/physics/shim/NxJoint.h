#pragma once
// A ball joint between two actors (or an actor and the world); breakable.
#include <memory>
#include <string>

#include "services/physics/shim/NxTypes.h"

class NxActor;
class btTypedConstraint;

class NxJoint
{
public:
    NxJoint(const NxJoint&) = delete;
    NxJoint& operator=(const NxJoint&) = delete;
    ~NxJoint();

    void getActors(NxActor** actor0, NxActor** actor1) const
    {
        *actor0 = _actors[0];
        *actor1 = _actors[1];
    }
    const char* getName() const { return _name.c_str(); }
    bool isBroken() const { return _broken; }

private:
    friend class NxScene;
    NxJoint() = default;

    NxActor* _actors[2] = {nullptr, nullptr};
    std::string _name;
    bool _broken = false;
    std::unique_ptr<btTypedConstraint> _constraint;
};
