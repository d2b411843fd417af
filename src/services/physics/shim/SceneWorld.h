#pragma once
// The Bullet objects behind one NxScene; included by the shim's sources only.
#include <btBulletDynamicsCommon.h>

#include <memory>

#include "services/physics/shim/NxTypes.h"

class NxScene;
class NxActor;
class NxShape;

// Object user data: a body points to its NxActor, a trigger object to its NxShape.
enum ObjectKind : int
{
    OBJECT_BODY = 0,
    OBJECT_TRIGGER = 1,
};

inline NxActor* BodyActor(const btCollisionObject* object)
{
    return object->getUserIndex() == OBJECT_BODY ? static_cast<NxActor*>(object->getUserPointer()) : nullptr;
}

inline NxShape* TriggerShape(const btCollisionObject* object)
{
    return object->getUserIndex() == OBJECT_TRIGGER ? static_cast<NxShape*>(object->getUserPointer()) : nullptr;
}

// What the broadphase filter needs of an object, kept in its proxy so that the filter reads no
// further memory: the filter group holds the shape group and three flags, the filter mask the
// serial number of the owning actor (which Bullet's own filter would read, but ours replaces).
enum FilterBits : int
{
    FILTER_GROUP = 31,
    FILTER_TRIGGER = 1 << 5,
    FILTER_DYNAMIC = 1 << 6,
    FILTER_DISABLED = 1 << 7,
    FILTER_MIXED = 1 << 8, // a body whose solid shapes are of several groups
};

// Lets the scene's group table and actor flags decide which broadphase pairs exist; a body of
// mixed groups passes, and its shapes are then filtered pair by pair.
class SceneFilter : public btOverlapFilterCallback
{
public:
    explicit SceneFilter(const NxScene& scene) : _scene(scene) {}
    bool needBroadphaseCollision(btBroadphaseProxy* a, btBroadphaseProxy* b) const override;

private:
    const NxScene& _scene;
};

class SceneWorld
{
public:
    // Runs the scene's work before and after every fixed step.
    explicit SceneWorld(NxScene& scene);
    ~SceneWorld();

    btDiscreteDynamicsWorld& Dynamics() { return *_dynamics; }
    void Add(btCollisionObject& object, int filter, int owner);
    // Drops the object's broadphase pairs and adds it again with a new filter word, so that a
    // changed filter input (actor flags, shapes) takes effect at once.
    void Reinsert(btCollisionObject& object, int filter, int owner);

private:
    btDefaultCollisionConfiguration _configuration;
    btCollisionDispatcher _dispatcher;
    btDbvtBroadphase _broadphase;
    btSequentialImpulseConstraintSolver _solver;
    SceneFilter _filter;
    std::unique_ptr<btDiscreteDynamicsWorld> _dynamics;
};

inline btVector3 ToBt(const NxVec3& v) { return {v.x, v.y, v.z}; }
inline NxVec3 FromBt(const btVector3& v) { return {v.x(), v.y(), v.z()}; }

inline btTransform ToBt(const NxMat34& m)
{
    btMatrix3x3 basis(m.M[0][0], m.M[0][1], m.M[0][2], m.M[1][0], m.M[1][1], m.M[1][2], m.M[2][0], m.M[2][1],
                      m.M[2][2]);
    return btTransform(basis, ToBt(m.t));
}

inline NxMat34 FromBt(const btTransform& t)
{
    NxMat34 m;
    const btMatrix3x3& b = t.getBasis();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m.M[r][c] = b[r][c];
    m.t = FromBt(t.getOrigin());
    return m;
}
