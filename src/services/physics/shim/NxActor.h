#pragma once
// A rigid body of the scene: one Bullet body on a compound of its solid shapes, plus one
// object per trigger shape that follows the body. An actor without a body desc is static.
#include <memory>
#include <vector>

#include "services/physics/shim/NxTypes.h"

class NxScene;
class NxShape;
class btRigidBody;
class btCompoundShape;

class NxActor
{
public:
    NxActor(const NxActor&) = delete;
    NxActor& operator=(const NxActor&) = delete;
    virtual ~NxActor();

    NxScene& getScene() const { return *_scene; }
    NxU32 getNbShapes() const { return NxU32(_shapes.size()); }
    NxShape* const* getShapes() const { return _shapeList.data(); }
    bool isDynamic() const { return _dynamic; }
    NxActorGroup getGroup() const { return _group; }
    void setGroup(NxActorGroup group) { _group = group; }
    NxReal getMass() const;

    NxMat34 getGlobalPose() const;
    void setGlobalPose(const NxMat34& pose);
    void moveGlobalPose(const NxMat34& pose) { setGlobalPose(pose); }
    NxVec3 getGlobalPosition() const;
    void setGlobalPosition(const NxVec3& position);
    NxQuat getGlobalOrientationQuat() const;
    void setGlobalOrientationQuat(const NxQuat& orientation);

    NxVec3 getLinearVelocity() const;
    NxVec3 getAngularVelocity() const;
    void setLinearVelocity(const NxVec3& velocity);
    void setAngularVelocity(const NxVec3& velocity);

    // Forces act on dynamic actors only. The smooth and velocity modes change the velocity at
    // once, so nothing is lost on a frame that runs no step.
    void addForce(const NxVec3& force, NxForceMode mode = NX_FORCE, bool wakeup = true);
    void addLocalForce(const NxVec3& force, NxForceMode mode = NX_FORCE, bool wakeup = true);
    void addForceAtPos(const NxVec3& force, const NxVec3& position, NxForceMode mode = NX_FORCE, bool wakeup = true);
    void addTorque(const NxVec3& torque, NxForceMode mode = NX_FORCE, bool wakeup = true);
    void wakeUp();

    void raiseActorFlag(NxActorFlag flag);
    void clearActorFlag(NxActorFlag flag);
    bool readActorFlag(NxActorFlag flag) const { return (_flags & flag) != 0; }

    // Removes the shape at once; callers inside a report use the space's graveyard instead.
    void releaseShape(NxShape& shape);

    void* userData = nullptr;

protected:
    NxActor() = default;

private:
    friend class NxScene;

    void ApplyImpulse(const NxVec3& impulse, const NxVec3* relativePos, NxForceMode mode);
    void SyncTriggers();
    void ReinsertBody();
    int FilterWord(const NxShape* trigger) const;

    NxScene* _scene = nullptr;
    bool _dynamic = false;
    NxActorGroup _group = 0;
    int _serial = 0; // unique in the scene; marks the actor's objects for the filter
    NxU32 _flags = 0;
    NxCollisionGroup _bodyGroup = 0; // the group of the first solid shape
    std::vector<std::unique_ptr<NxShape>> _shapes;
    std::vector<NxShape*> _shapeList; // what getShapes hands out
    std::unique_ptr<btCompoundShape> _compound;
    std::unique_ptr<btRigidBody> _body;
};
