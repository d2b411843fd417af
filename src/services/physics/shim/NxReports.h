#pragma once
// The report interfaces through which the scene hands contacts, triggers, joint breaks and
// raycast hits to the game, and the data they carry.
#include <vector>

#include "services/physics/shim/NxTypes.h"

class NxActor;
class NxShape;
class NxJoint;

// The touching shapes of one actor pair in one step.
struct NxContactShapePair
{
    NxShape* shapes[2] = {nullptr, nullptr}; // shapes[i] belongs to the pair's actors[i]
    NxVec3 normal{0, 0, 0};                  // world normal, pointing from actors[1] to actors[0]
    std::vector<NxVec3> points;
};
using NxContactStream = std::vector<NxContactShapePair>;

struct NxContactPair
{
    NxActor* actors[2] = {nullptr, nullptr};
    NxVec3 sumNormalForce{0, 0, 0};
    NxVec3 sumFrictionForce{0, 0, 0};
    const NxContactStream* stream = nullptr; // empty for an end-touch report
    bool isDeletedActor[2] = {false, false}; // set when the report's receiver releases one
};

// Walks the shape pairs of a contact stream: call goNextPair before the first pair, then
// goNextPatch and goNextPoint within it. `ownActor` picks the side the reader stands on:
// getShape(0) is then the other actor's shape and getShape(1) the reader's own.
class NxContactStreamIterator
{
public:
    NxContactStreamIterator(const NxContactPair& pair, const NxActor* ownActor);

    bool goNextPair();
    NxShape* getShape(NxU32 index) const;
    bool goNextPatch();
    NxVec3 getPatchNormal() const; // pointing towards the reader's own actor
    bool goNextPoint();
    const NxVec3& getPoint() const;

private:
    const NxContactStream* _stream;
    bool _ownIsFirst;
    int _pair = -1;
    int _patch = -1; // one patch per shape pair
    int _point = -1;
};

struct NxRaycastHit
{
    NxShape* shape = nullptr;
    NxVec3 worldImpact{0, 0, 0};
    NxVec3 worldNormal{0, 0, 0};
    NxReal distance = 0;
};

class NxUserRaycastReport
{
public:
    virtual ~NxUserRaycastReport() = default;
    // True to go on with the next hit (hits come nearest first).
    virtual bool onHit(const NxRaycastHit& hit) = 0;
};

class NxUserNotify
{
public:
    virtual ~NxUserNotify() = default;
    // True when the scene shall release the broken joint itself.
    virtual bool onJointBreak(NxReal breakingImpulse, NxJoint& joint) = 0;
};

class NxUserTriggerReport
{
public:
    virtual ~NxUserTriggerReport() = default;
    // status is one of NX_TRIGGER_ON_ENTER, NX_TRIGGER_ON_STAY, NX_TRIGGER_ON_LEAVE.
    virtual void onTrigger(NxShape& triggerShape, NxShape& otherShape, NxTriggerFlag status) = 0;
};

class NxUserContactReport
{
public:
    virtual ~NxUserContactReport() = default;
    virtual void onContactNotify(NxContactPair& pair, NxU32 events) = 0;
};
