#include "services/physics/shim/NxActor.h"

#include <algorithm>

#include <LinearMath/btTransformUtil.h>

#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"
#include "services/physics/shim/SceneWorld.h"

NxActor::~NxActor() = default;

NxReal NxActor::getMass() const
{
    const btScalar inverse = _body->getInvMass();
    return inverse > 0 ? 1.0f / inverse : 0.0f;
}

NxMat34 NxActor::getGlobalPose() const { return FromBt(_body->getWorldTransform()); }

void NxActor::setGlobalPose(const NxMat34& pose) { SetWorldTransform(ToBt(pose)); }

const btTransform& NxActor::WorldTransform() const { return _body->getWorldTransform(); }

void NxActor::SetWorldTransform(const btTransform& transform)
{
    _body->setWorldTransform(transform);
    _body->setInterpolationWorldTransform(transform);
    wakeUp();
    SyncTriggers();
}

void NxActor::moveGlobalPose(const NxMat34& pose)
{
    if (!_dynamic)
    {
        setGlobalPose(pose);
        return;
    }
    _moveTarget = pose;
    _moving = true;
    wakeUp();
}

void NxActor::BeforeStep(NxReal step)
{
    if (!_moving)
        return;
    _heldLinear = getLinearVelocity();
    _heldAngular = getAngularVelocity();
    btVector3 linear, angular;
    btTransformUtil::calculateVelocity(_body->getWorldTransform(), ToBt(_moveTarget), step, linear, angular);
    _body->setLinearVelocity(linear);
    _body->setAngularVelocity(angular);
}

void NxActor::AfterStep(NxReal step)
{
    if (_moving)
    {
        _moving = false;
        const btTransform target = ToBt(_moveTarget);
        _body->setWorldTransform(target);
        _body->setInterpolationWorldTransform(target);
        _body->setLinearVelocity(ToBt(_heldLinear));
        _body->setAngularVelocity(ToBt(_heldAngular));
        SyncTriggers();
    }
    if (!_dynamic)
        return;
    // Bullet sleeps a body after a fixed time below its thresholds; the body's own wake-up
    // counter decides instead: the time it has spent slow is kept here, and Bullet's is held
    // at zero until the counter has run out.
    if (_body->getActivationState() == ISLAND_SLEEPING || _body->getDeactivationTime() == 0)
        _slowTime = 0;
    else
        _slowTime += step;
    _body->setDeactivationTime(_slowTime >= _wakeUpCounter ? 2 * gDeactivationTime + 1 : 0);
}

NxVec3 NxActor::getGlobalPosition() const { return FromBt(_body->getWorldTransform().getOrigin()); }

void NxActor::setGlobalPosition(const NxVec3& position)
{
    NxMat34 pose = getGlobalPose();
    pose.t = position;
    setGlobalPose(pose);
}

NxQuat NxActor::getGlobalOrientationQuat() const
{
    const btQuaternion q = _body->getWorldTransform().getRotation();
    return {q.x(), q.y(), q.z(), q.w()};
}

void NxActor::setGlobalOrientationQuat(const NxQuat& q)
{
    btTransform transform = _body->getWorldTransform();
    transform.setRotation(btQuaternion(q.x, q.y, q.z, q.w));
    setGlobalPose(FromBt(transform));
}

NxVec3 NxActor::getLinearVelocity() const { return FromBt(_body->getLinearVelocity()); }

NxVec3 NxActor::getAngularVelocity() const { return FromBt(_body->getAngularVelocity()); }

void NxActor::setLinearVelocity(const NxVec3& velocity)
{
    if (!_dynamic)
        return;
    _body->setLinearVelocity(ToBt(velocity));
    wakeUp();
}

void NxActor::setAngularVelocity(const NxVec3& velocity)
{
    if (!_dynamic)
        return;
    _body->setAngularVelocity(ToBt(velocity));
    wakeUp();
}

void NxActor::ApplyImpulse(const NxVec3& value, const NxVec3* relativePos, NxForceMode mode)
{
    const btVector3 v = ToBt(value);
    const btVector3 rel = relativePos ? ToBt(*relativePos) : btVector3(0, 0, 0);
    const btScalar mass = getMass();
    switch (mode)
    {
    case NX_FORCE: _body->applyForce(v, rel); break;
    case NX_IMPULSE:
    case NX_SMOOTH_IMPULSE: _body->applyImpulse(v, rel); break;
    case NX_VELOCITY_CHANGE:
    case NX_SMOOTH_VELOCITY_CHANGE: _body->applyImpulse(v * mass, rel); break;
    case NX_ACCELERATION: _body->applyImpulse(v * (mass * NX_FIXED_STEP), rel); break;
    }
}

void NxActor::addForce(const NxVec3& force, NxForceMode mode, bool wakeup)
{
    if (!_dynamic)
        return;
    ApplyImpulse(force, nullptr, mode);
    if (wakeup)
        wakeUp();
}

void NxActor::addLocalForce(const NxVec3& force, NxForceMode mode, bool wakeup)
{
    if (!_dynamic)
        return;
    addForce(FromBt(_body->getWorldTransform().getBasis() * ToBt(force)), mode, wakeup);
}

void NxActor::addForceAtPos(const NxVec3& force, const NxVec3& position, NxForceMode mode, bool wakeup)
{
    if (!_dynamic)
        return;
    const NxVec3 relative = position - getGlobalPosition();
    ApplyImpulse(force, &relative, mode);
    if (wakeup)
        wakeUp();
}

void NxActor::addTorque(const NxVec3& torque, NxForceMode mode, bool wakeup)
{
    if (!_dynamic)
        return;
    const btVector3 t = ToBt(torque);
    switch (mode)
    {
    case NX_FORCE: _body->applyTorque(t); break;
    case NX_IMPULSE:
    case NX_SMOOTH_IMPULSE: _body->applyTorqueImpulse(t); break;
    case NX_VELOCITY_CHANGE:
    case NX_SMOOTH_VELOCITY_CHANGE: _body->setAngularVelocity(_body->getAngularVelocity() + t); break;
    case NX_ACCELERATION: _body->setAngularVelocity(_body->getAngularVelocity() + t * NX_FIXED_STEP); break;
    }
    if (wakeup)
        wakeUp();
}

void NxActor::wakeUp()
{
    // Poses and velocities are written several times a frame; an awake body needs no call.
    if (_body->getActivationState() != ACTIVE_TAG || _body->getDeactivationTime() != 0)
        _body->activate(true);
    _slowTime = 0;
}

bool NxActor::isSleeping() const { return _dynamic && _body->getActivationState() == ISLAND_SLEEPING; }

NxReal NxActor::getLinearDamping() const { return _body->getLinearDamping(); }

NxReal NxActor::getAngularDamping() const { return _body->getAngularDamping(); }

void NxActor::raiseActorFlag(NxActorFlag flag)
{
    const NxU32 old = _flags;
    _flags |= flag;
    if (old != _flags)
        ReinsertBody();
}

void NxActor::clearActorFlag(NxActorFlag flag)
{
    const NxU32 old = _flags;
    _flags &= ~NxU32(flag);
    if (old != _flags)
        ReinsertBody();
}

void NxActor::raiseBodyFlag(NxBodyFlag flag)
{
    if (!_dynamic || readBodyFlag(flag))
        return;
    _bodyFlags |= flag;
    _heldMass = getMass();
    _heldInertia = FromBt(_body->getLocalInertia());
    // Bullet's kinematic body: no mass, never asleep, never integrated; a zero mass also marks
    // a body static, which this one is not.
    _body->setLinearVelocity(btVector3(0, 0, 0));
    _body->setAngularVelocity(btVector3(0, 0, 0));
    _body->setMassProps(0, btVector3(0, 0, 0));
    _body->setCollisionFlags((_body->getCollisionFlags() & ~btCollisionObject::CF_STATIC_OBJECT) |
                             btCollisionObject::CF_KINEMATIC_OBJECT);
    _body->setActivationState(DISABLE_DEACTIVATION);
    ReinsertBody();
}

void NxActor::clearBodyFlag(NxBodyFlag flag)
{
    if (!_dynamic || !readBodyFlag(flag))
        return;
    _bodyFlags &= ~NxU32(flag);
    _body->setMassProps(_heldMass, ToBt(_heldInertia));
    _body->updateInertiaTensor();
    _body->setCollisionFlags(_body->getCollisionFlags() & ~btCollisionObject::CF_KINEMATIC_OBJECT);
    _body->forceActivationState(ACTIVE_TAG);
    _body->setLinearVelocity(btVector3(0, 0, 0));
    _body->setAngularVelocity(btVector3(0, 0, 0));
    _slowTime = 0;
    ReinsertBody();
}

void NxActor::releaseShape(NxShape& shape)
{
    auto it = std::find_if(_shapes.begin(), _shapes.end(),
                           [&](const std::unique_ptr<NxShape>& s) { return s.get() == &shape; });
    if (it == _shapes.end())
        return;
    _scene->ForgetShape(shape);
    if (shape._trigger)
        _scene->World().Dynamics().removeCollisionObject(shape._trigger.get());
    else
    {
        _compound->removeChildShape(shape._shape.get());
        // Child indices moved: drop the body's pairs so that no manifold keeps an old index.
        _scene->World().Reinsert(*_body, FilterWord(nullptr), _serial);
    }
    _shapeList.erase(std::find(_shapeList.begin(), _shapeList.end(), &shape));
    _shapes.erase(it);
}

void NxActor::SyncTriggers()
{
    for (const auto& shape : _shapes)
        if (shape->_trigger)
            shape->_trigger->setWorldTransform(_body->getWorldTransform() * ToBt(shape->_localPose));
}

void NxActor::ReinsertBody()
{
    SceneWorld& world = _scene->World();
    world.Reinsert(*_body, FilterWord(nullptr), _serial);
    for (const auto& shape : _shapes)
        if (shape->_trigger)
            world.Reinsert(*shape->_trigger, FilterWord(shape.get()), _serial);
}

int NxActor::FilterWord(const NxShape* trigger) const
{
    int word = trigger ? trigger->getGroup() | FILTER_TRIGGER : _bodyGroup;
    if (!trigger && _mixedGroups)
        word |= FILTER_MIXED;
    if (_dynamic)
        word |= FILTER_DYNAMIC;
    if (_flags & NX_AF_DISABLE_COLLISION)
        word |= FILTER_DISABLED;
    return word;
}
