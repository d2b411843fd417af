#include "services/physics/shim/SceneWorld.h"

#include "services/physics/shim/NxActor.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"

bool SceneFilter::needBroadphaseCollision(btBroadphaseProxy* a, btBroadphaseProxy* b) const
{
    return _scene.ShouldCollide(static_cast<const btCollisionObject*>(a->m_clientObject),
                                static_cast<const btCollisionObject*>(b->m_clientObject));
}

SceneWorld::SceneWorld(const NxScene& scene)
    : _dispatcher(&_configuration), _filter(scene)
{
    _dynamics = std::make_unique<btDiscreteDynamicsWorld>(&_dispatcher, &_broadphase, &_solver,
                                                          &_configuration);
    _dynamics->getPairCache()->setOverlapFilterCallback(&_filter);
}

SceneWorld::~SceneWorld() = default;

void SceneWorld::Reinsert(btCollisionObject& object)
{
    if (btRigidBody* body = btRigidBody::upcast(&object))
    {
        _dynamics->removeRigidBody(body);
        _dynamics->addRigidBody(body);
    }
    else
    {
        _dynamics->removeCollisionObject(&object);
        _dynamics->addCollisionObject(&object);
    }
}
