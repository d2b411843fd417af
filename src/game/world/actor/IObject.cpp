#include "game/world/actor/IObject.h"

#include "services/physics/PhysicsActor.h"

void IObject::AddForce(const Vec3& force, NxForceMode mode)
{
    if (_physEntity)
        _physEntity->addForce(force, mode, true);
}

void IObject::AddLocalForce(const Vec3& force, NxForceMode mode)
{
    if (_physEntity)
        _physEntity->addLocalForce(force, mode, true);
}

void IObject::AddForceAtPos(const Vec3& force, const Vec3& position, NxForceMode mode)
{
    if (_physEntity)
        _physEntity->addForceAtPos(force, position, mode, true);
}

void IObject::AddTorque(const Vec3& torque, NxForceMode mode)
{
    if (_physEntity)
        _physEntity->addTorque(torque, mode, true);
}

void IObject::AddTorqueForce(const Vec3& torque, NxForceMode)
{
    if (_physEntity)
        _physEntity->addTorque(torque, NX_FORCE, true);
}
