#include "services/physics/shim/SceneWorld.h"

#include "services/physics/shim/NxActor.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"

bool SceneFilter::needBroadphaseCollision(btBroadphaseProxy* a, btBroadphaseProxy* b) const
{
    return _scene.ShouldCollide(*a, *b);
}

SceneWorld::SceneWorld(const NxScene& scene) : _dispatcher(&_configuration), _filter(scene)
{
    _dynamics = std::make_unique<btDiscreteDynamicsWorld>(&_dispatcher, &_broadphase, &_solver, &_configuration);
    _dynamics->getPairCache()->setOverlapFilterCallback(&_filter);
}

SceneWorld::~SceneWorld() = default;

void SceneWorld::Add(btCollisionObject& object, int filter, int owner)
{
    if (btRigidBody* body = btRigidBody::upcast(&object))
        _dynamics->addRigidBody(body, filter, owner);
    else
        _dynamics->addCollisionObject(&object, filter, owner);
}

void SceneWorld::Reinsert(btCollisionObject& object, int filter, int owner)
{
    _dynamics->removeCollisionObject(&object);
    Add(object, filter, owner);
}
