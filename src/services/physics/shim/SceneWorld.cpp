#include "services/physics/shim/SceneWorld.h"

#include <BulletCollision/CollisionDispatch/btCompoundCompoundCollisionAlgorithm.h>

#include "services/physics/shim/NxActor.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"

bool SceneFilter::needBroadphaseCollision(btBroadphaseProxy* a, btBroadphaseProxy* b) const
{
    return _scene.ShouldCollide(*a, *b);
}

namespace {

// Shape pairs inside compound bodies follow the scene's group table, shape by shape.
bool ShapesCollide(const btCollisionShape* a, const btCollisionShape* b)
{
    const auto* sa = static_cast<const NxShape*>(a->getUserPointer());
    const auto* sb = static_cast<const NxShape*>(b->getUserPointer());
    if (!sa || !sb)
        return true;
    return sa->getActor().getScene().getGroupCollisionFlag(sa->getGroup(), sb->getGroup());
}

void BeforeStep(btDynamicsWorld* world, btScalar step)
{
    static_cast<NxScene*>(world->getWorldUserInfo())->BeforeStep(step);
}

void AfterStep(btDynamicsWorld* world, btScalar step)
{
    static_cast<NxScene*>(world->getWorldUserInfo())->AfterStep(step);
}

} // namespace

SceneWorld::SceneWorld(NxScene& scene) : _dispatcher(&_configuration), _filter(scene)
{
    _dynamics = std::make_unique<btDiscreteDynamicsWorld>(&_dispatcher, &_broadphase, &_solver, &_configuration);
    _dynamics->getPairCache()->setOverlapFilterCallback(&_filter);
    _dynamics->setInternalTickCallback(BeforeStep, &scene, true);
    _dynamics->setInternalTickCallback(AfterStep, &scene, false);
    gCompoundChildShapePairCallback = ShapesCollide;
    gCompoundCompoundChildShapePairCallback = ShapesCollide;
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
