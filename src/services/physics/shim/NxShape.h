#pragma once
// One shape of an actor: a child of the actor's compound body, or a trigger volume of its own.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "services/physics/shim/NxTypes.h"

class NxActor;
class btCollisionShape;
class btCollisionObject;
class btTriangleMesh;

class NxShape
{
public:
    NxShape(const NxShape&) = delete;
    NxShape& operator=(const NxShape&) = delete;
    ~NxShape();

    NxActor& getActor() const { return *_actor; }
    NxShapeType getType() const { return _type; }
    NxCollisionGroup getGroup() const { return _group; }
    const char* getName() const { return _name.c_str(); }
    // The NX_TRIGGER_* bits of `flag` that are set.
    NxU32 getFlag(NxShapeFlag flag) const { return _flags & flag; }
    bool isTrigger() const { return (_flags & NX_TRIGGER_ENABLE) != 0; }
    const NxMat34& getLocalPose() const { return _localPose; }
    NxMat34 getGlobalPose() const;

    void* userData = nullptr;

private:
    friend class NxActor;
    friend class NxScene;
    NxShape() = default;

    NxActor* _actor = nullptr;
    NxShapeType _type = NX_SHAPE_SPHERE;
    NxCollisionGroup _group = 0;
    NxU32 _flags = 0;
    std::string _name;
    NxMat34 _localPose;
    NxReal _mass = 0; // density x volume, 0 for triggers
    std::unique_ptr<btTriangleMesh> _mesh;
    std::unique_ptr<btCollisionShape> _shape;
    std::unique_ptr<btCollisionObject> _trigger; // the trigger's own object
    // The scene's trigger bookkeeping: the shapes inside this trigger this step and the last,
    // and a mark the scene sets on other shapes while it compares the two lists.
    std::vector<NxShape*> _inside, _wasInside;
    uint64_t _mark = 0;
};
