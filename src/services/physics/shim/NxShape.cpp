#include "services/physics/shim/NxShape.h"

#include <btBulletDynamicsCommon.h>

#include "services/physics/shim/NxActor.h"

NxShape::~NxShape() = default;

NxMat34 NxShape::getGlobalPose() const { return _actor->getGlobalPose() * _localPose; }
