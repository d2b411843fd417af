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
class btTransform;

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
    // A kinematic move: the body travels to the pose during the next step, pushing what it
    // meets, and keeps the velocity it had. A static actor is set there at once.
    void moveGlobalPose(const NxMat34& pose);
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
    bool isSleeping() const;
    NxReal getLinearDamping() const;
    NxReal getAngularDamping() const;
    NxReal getWakeUpCounter() const { return _wakeUpCounter; }

    void raiseActorFlag(NxActorFlag flag);
    void clearActorFlag(NxActorFlag flag);
    bool readActorFlag(NxActorFlag flag) const { return (_flags & flag) != 0; }
    // Of a dynamic actor only; a kinematic body stops where it is and keeps its pose until set.
    void raiseBodyFlag(NxBodyFlag flag);
    // A kinematic body becomes dynamic again with the mass it had, at rest until pushed.
    void clearBodyFlag(NxBodyFlag flag);
    bool readBodyFlag(NxBodyFlag flag) const { return (_bodyFlags & flag) != 0; }

    // Removes the shape at once; callers inside a report use the space's graveyard instead.
    void releaseShape(NxShape& shape);

    void* userData = nullptr;

protected:
    NxActor() = default;

    // The pose as the engine holds it, for wrappers that convert it to their own types in one step.
    const btTransform& WorldTransform() const;
    void SetWorldTransform(const btTransform& transform);

private:
    friend class NxScene;

    void ApplyImpulse(const NxVec3& impulse, const NxVec3* relativePos, NxForceMode mode);
    // Around each fixed step: a pending move sets the velocities that reach its pose, then puts
    // the body exactly there and gives the old velocities back; the sleep clock runs.
    void BeforeStep(NxReal step);
    void AfterStep(NxReal step);
    void SyncTriggers();
    void ReinsertBody();
    int FilterWord(const NxShape* trigger) const;

    NxScene* _scene = nullptr;
    bool _dynamic = false;
    NxActorGroup _group = 0;
    int _serial = 0; // unique in the scene; marks the actor's objects for the filter
    NxU32 _flags = 0;
    NxU32 _bodyFlags = 0;
    NxCollisionGroup _bodyGroup = 0; // the group of the first solid shape
    bool _mixedGroups = false;       // solid shapes of more than one group: each is filtered
    std::vector<std::unique_ptr<NxShape>> _shapes;
    std::vector<NxShape*> _shapeList; // what getShapes hands out
    std::unique_ptr<btCompoundShape> _compound;
    std::unique_ptr<btRigidBody> _body;
    NxReal _wakeUpCounter = 0.4f;
    NxReal _slowTime = 0; // seconds below the sleep thresholds
    bool _moving = false;
    NxMat34 _moveTarget;
    NxReal _heldMass = 0;             // the mass and inertia of a body made kinematic, for when it is
    NxVec3 _heldInertia;              // made dynamic again
    NxVec3 _heldLinear, _heldAngular; // the velocities before a move
};
