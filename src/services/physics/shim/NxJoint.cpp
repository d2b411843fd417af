#include "services/physics/shim/NxJoint.h"

#include <btBulletDynamicsCommon.h>

NxJoint::~NxJoint() = default;
