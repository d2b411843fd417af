#include "services/physics/shim/NxScene.h"

#include <BulletCollision/CollisionShapes/btTriangleMesh.h>

#include <algorithm>
#include <cmath>

#include "foundation/base/Dumper.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxJoint.h"
#include "services/physics/shim/NxShape.h"
#include "services/physics/shim/SceneWorld.h"

namespace {

constexpr float Pi = 3.14159265358979f;
// Rays cast "without limit" stop here, far beyond any mission.
constexpr float LongestRay = 1.0e7f;
// Below both of these (units and radians per second) a body counts as at rest.
constexpr float SleepLinearVelocity = 0.15f;
constexpr float SleepAngularVelocity = 0.14f;

bool ValidTriangles(const std::vector<NxVec3>& points, const std::vector<NxU32>& triangles)
{
    if (triangles.empty() || triangles.size() % 3 != 0)
        return false;
    return std::all_of(triangles.begin(), triangles.end(), [&](NxU32 i) { return i < points.size(); });
}

// Volume enclosed by a closed triangle list (divergence theorem); the bounding box's when
// there is no usable list.
float MeshVolume(const std::vector<NxVec3>& points, const std::vector<NxU32>& triangles)
{
    double sum = 0;
    if (ValidTriangles(points, triangles))
        for (size_t i = 0; i < triangles.size(); i += 3)
        {
            const NxVec3& a = points[triangles[i]];
            const NxVec3& b = points[triangles[i + 1]];
            const NxVec3& c = points[triangles[i + 2]];
            sum += double(a.Dot(b ^ c));
        }
    if (sum != 0)
        return float(std::fabs(sum) / 6.0);
    NxVec3 lo = points.front(), hi = points.front();
    for (const NxVec3& p : points)
        for (int k = 0; k < 3; ++k)
        {
            lo[k] = std::min(lo[k], p[k]);
            hi[k] = std::max(hi[k], p[k]);
        }
    const NxVec3 size = hi - lo;
    return size.x * size.y * size.z;
}

// The Bullet shape of a description and its volume; null (logged) when it cannot be built.
std::unique_ptr<btCollisionShape> BuildShape(const NxShapeDesc& desc, std::unique_ptr<btTriangleMesh>& mesh,
                                             float& volume)
{
    switch (desc.type)
    {
    case NX_SHAPE_SPHERE:
    {
        const float r = static_cast<const NxSphereShapeDesc&>(desc).radius;
        if (!(r > 0))
            break;
        volume = 4.0f / 3.0f * Pi * r * r * r;
        return std::make_unique<btSphereShape>(r);
    }
    case NX_SHAPE_BOX:
    {
        const NxVec3& d = static_cast<const NxBoxShapeDesc&>(desc).dimensions;
        if (!(d.x > 0 && d.y > 0 && d.z > 0))
            break;
        volume = 8.0f * d.x * d.y * d.z;
        return std::make_unique<btBoxShape>(ToBt(d));
    }
    case NX_SHAPE_CONVEX:
    {
        const auto& convex = static_cast<const NxConvexShapeDesc&>(desc);
        if (convex.points.size() < 4)
            break;
        auto hull = std::make_unique<btConvexHullShape>();
        for (const NxVec3& p : convex.points)
            hull->addPoint(ToBt(p), false);
        hull->recalcLocalAabb();
        volume = MeshVolume(convex.points, convex.triangles);
        return hull;
    }
    case NX_SHAPE_MESH:
    {
        const auto& trimesh = static_cast<const NxTriangleMeshShapeDesc&>(desc);
        if (!ValidTriangles(trimesh.points, trimesh.triangles))
            break;
        mesh = std::make_unique<btTriangleMesh>();
        const auto& p = trimesh.points;
        const auto& t = trimesh.triangles;
        for (size_t i = 0; i < t.size(); i += 3)
            mesh->addTriangle(ToBt(p[t[i]]), ToBt(p[t[i + 1]]), ToBt(p[t[i + 2]]));
        volume = 0;
        return std::make_unique<btBvhTriangleMeshShape>(mesh.get(), true);
    }
    }
    const char* name = desc.name.c_str();
    if (desc.type == NX_SHAPE_CONVEX)
        Dumper::Instance().Print(DUMP_ERROR, "Cannot load convex shape \"%s\"\n", name);
    else if (desc.type == NX_SHAPE_MESH)
        Dumper::Instance().Print(DUMP_ERROR, "Cannot load trimesh shape \"%s\"\n", name);
    else
        Dumper::Instance().Print(DUMP_ERROR, "Physics: shape \"%s\" of type %u cannot be built\n", name,
                                 unsigned(desc.type));
    return nullptr;
}

// A frame at `anchor` whose x axis (the twist axis) is `axis`.
btTransform JointFrame(const NxVec3& anchor, NxVec3 axis)
{
    btVector3 x = ToBt(axis);
    if (x.length2() < 1e-12f)
        x.setValue(0, 0, 1);
    x.normalize();
    btVector3 y, z;
    btPlaneSpace1(x, y, z);
    btMatrix3x3 basis(x.x(), y.x(), z.x(), x.y(), y.y(), z.y(), x.z(), y.z(), z.z());
    return btTransform(basis, ToBt(anchor));
}

} // namespace

NxScene::NxScene(const NxSceneDesc& desc) : _maxSteps(std::max<NxU32>(desc.maxIter, 1))
{
    for (auto& row : _collide)
        for (bool& cell : row)
            cell = true;
    _world = std::make_unique<SceneWorld>(*this);
    _world->Dynamics().setGravity(ToBt(desc.gravity));
}

NxScene::~NxScene()
{
    while (!_joints.empty())
        releaseJoint(*_joints.back());
    while (!_actors.empty())
        releaseActor(*_actors.back());
}

NxActor* NxScene::createActor(const NxActorDesc& desc)
{
    const bool hasMesh =
        std::any_of(desc.shapes.begin(), desc.shapes.end(), [](const auto& s) { return s->type == NX_SHAPE_MESH; });
    if (hasMesh && desc.body)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics: a triangle mesh needs a static actor\n");
        return nullptr;
    }

    std::unique_ptr<NxActor> actor(new PhysicsActor());
    actor->_scene = this;
    actor->_dynamic = desc.body != nullptr;
    actor->_group = desc.group;
    actor->_serial = _nextSerial++;
    actor->_compound = std::make_unique<btCompoundShape>(true, int(desc.shapes.size()));

    float mass = 0;
    bool bodyGroupSet = false;
    for (const auto& shapeDesc : desc.shapes)
    {
        std::unique_ptr<NxShape> shape(new NxShape());
        float volume = 0;
        shape->_shape = BuildShape(*shapeDesc, shape->_mesh, volume);
        if (!shape->_shape)
            continue;
        shape->_actor = actor.get();
        shape->_type = shapeDesc->type;
        shape->_group = NxCollisionGroup(shapeDesc->group % NX_MAX_GROUPS);
        shape->_flags = shapeDesc->shapeFlags & NX_TRIGGER_ENABLE;
        shape->_name = shapeDesc->name;
        shape->_localPose = shapeDesc->localPose;
        shape->userData = shapeDesc->userData;
        shape->_shape->setUserPointer(shape.get());
        if (shape->isTrigger())
        {
            auto object = std::make_unique<btCollisionObject>();
            object->setCollisionShape(shape->_shape.get());
            object->setCollisionFlags(btCollisionObject::CF_NO_CONTACT_RESPONSE |
                                      btCollisionObject::CF_KINEMATIC_OBJECT);
            object->setActivationState(DISABLE_DEACTIVATION);
            object->setUserPointer(shape.get());
            object->setUserIndex(OBJECT_TRIGGER);
            shape->_trigger = std::move(object);
        }
        else
        {
            shape->_mass = shapeDesc->density * volume;
            mass += shape->_mass;
            actor->_compound->addChildShape(ToBt(shape->_localPose), shape->_shape.get());
            if (!bodyGroupSet)
                actor->_bodyGroup = shape->_group;
            else if (shape->_group != actor->_bodyGroup)
                actor->_mixedGroups = true;
            bodyGroupSet = true;
        }
        actor->_shapeList.push_back(shape.get());
        actor->_shapes.push_back(std::move(shape));
    }
    if (actor->_shapes.empty())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics: an actor without shapes cannot be made\n");
        return nullptr;
    }

    btVector3 inertia(0, 0, 0);
    if (actor->_dynamic)
    {
        if (!(mass > 0) || actor->_compound->getNumChildShapes() == 0)
        {
            // Only triggers: a unit mass keeps the body movable.
            mass = 1;
            inertia.setValue(1, 1, 1);
        }
        else
            actor->_compound->calculateLocalInertia(mass, inertia);
    }
    else
        mass = 0;
    btRigidBody::btRigidBodyConstructionInfo info(mass, nullptr, actor->_compound.get(), inertia);
    info.m_startWorldTransform = ToBt(desc.globalPose);
    if (desc.body)
    {
        info.m_linearDamping = desc.body->linearDamping;
        info.m_angularDamping = desc.body->angularDamping;
        // As low as the design's engine: a slowly drifting or spinning body keeps moving.
        info.m_linearSleepingThreshold = SleepLinearVelocity;
        info.m_angularSleepingThreshold = SleepAngularVelocity;
        actor->_wakeUpCounter = desc.body->wakeUpCounter;
    }
    actor->_body = std::make_unique<btRigidBody>(info);
    actor->_body->setUserPointer(actor.get());
    actor->_body->setUserIndex(OBJECT_BODY);

    _world->Add(*actor->_body, actor->FilterWord(nullptr), actor->_serial);
    actor->SyncTriggers();
    for (const auto& shape : actor->_shapes)
        if (shape->_trigger)
            _world->Add(*shape->_trigger, actor->FilterWord(shape.get()), actor->_serial);
    _actors.push_back(std::move(actor));
    return _actors.back().get();
}

void NxScene::releaseActor(NxActor& actor)
{
    auto it = std::find_if(_actors.begin(), _actors.end(),
                           [&](const std::unique_ptr<NxActor>& a) { return a.get() == &actor; });
    if (it == _actors.end())
        return;
    for (size_t i = _joints.size(); i-- > 0;)
        if (_joints[i]->_actors[0] == &actor || _joints[i]->_actors[1] == &actor)
            releaseJoint(*_joints[i]);
    ForgetActor(actor);
    btDiscreteDynamicsWorld& world = _world->Dynamics();
    for (const auto& shape : actor._shapes)
    {
        ForgetShape(*shape);
        if (shape->_trigger)
            world.removeCollisionObject(shape->_trigger.get());
    }
    world.removeRigidBody(actor._body.get());
    std::swap(*it, _actors.back());
    _actors.pop_back();
}

std::vector<NxActor*> NxScene::getActors() const
{
    std::vector<NxActor*> actors;
    for (const auto& actor : _actors)
        actors.push_back(actor.get());
    return actors;
}

NxJoint* NxScene::createJoint(const NxSphericalJointDesc& desc)
{
    NxActor* a = desc.actor[0];
    NxActor* b = desc.actor[1];
    if (!a)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics: joint \"%s\" has no first actor\n", desc.name.c_str());
        return nullptr;
    }
    const btTransform global = JointFrame(desc.globalAnchor, desc.globalAxis);
    const btTransform frameA = a->_body->getWorldTransform().inverse() * global;
    std::unique_ptr<btConeTwistConstraint> cone;
    if (b)
        cone = std::make_unique<btConeTwistConstraint>(*a->_body, *b->_body, frameA,
                                                       b->_body->getWorldTransform().inverse() * global);
    else
        cone = std::make_unique<btConeTwistConstraint>(*a->_body, frameA);

    const float open = Pi; // an unlimited axis
    const float swing = (desc.flags & NX_SJF_SWING_LIMIT_ENABLED) ? desc.swingLimit : open;
    const float twist = (desc.flags & NX_SJF_TWIST_LIMIT_ENABLED) ? 0.0f : open;
    cone->setLimit(swing, swing, twist);
    if ((desc.flags & NX_SJF_SWING_SPRING_ENABLED) && desc.swingSpringDamper != 0)
        cone->setDamping(desc.swingSpringDamper);
    const float limit = std::min(desc.maxForce, desc.maxTorque);
    if (limit < NX_MAX_REAL)
        cone->setBreakingImpulseThreshold(limit * NX_FIXED_STEP);

    std::unique_ptr<NxJoint> joint(new NxJoint());
    joint->_actors[0] = a;
    joint->_actors[1] = b;
    joint->_name = desc.name;
    joint->_constraint = std::move(cone);
    _world->Dynamics().addConstraint(joint->_constraint.get(), !(desc.jointFlags & NX_JF_COLLISION_ENABLED));
    _joints.push_back(std::move(joint));
    return _joints.back().get();
}

void NxScene::releaseJoint(NxJoint& joint)
{
    auto it = std::find_if(_joints.begin(), _joints.end(),
                           [&](const std::unique_ptr<NxJoint>& j) { return j.get() == &joint; });
    if (it == _joints.end())
        return;
    _world->Dynamics().removeConstraint(joint._constraint.get());
    _joints.erase(it);
}

void NxScene::setGroupCollisionFlag(NxCollisionGroup a, NxCollisionGroup b, bool collide)
{
    _collide[a % NX_MAX_GROUPS][b % NX_MAX_GROUPS] = collide;
    _collide[b % NX_MAX_GROUPS][a % NX_MAX_GROUPS] = collide;
}

bool NxScene::getGroupCollisionFlag(NxCollisionGroup a, NxCollisionGroup b) const
{
    return _collide[a % NX_MAX_GROUPS][b % NX_MAX_GROUPS];
}

void NxScene::setActorGroupPairFlags(NxActorGroup a, NxActorGroup b, NxU32 flags)
{
    _pairFlags[NxU32(a) << 16 | b] = flags;
    _pairFlags[NxU32(b) << 16 | a] = flags;
}

NxU32 NxScene::getActorGroupPairFlags(NxActorGroup a, NxActorGroup b) const
{
    auto it = _pairFlags.find(NxU32(a) << 16 | b);
    return it == _pairFlags.end() ? 0 : it->second;
}

bool NxScene::ShouldCollide(const btBroadphaseProxy& a, const btBroadphaseProxy& b) const
{
    const int wa = a.m_collisionFilterGroup;
    const int wb = b.m_collisionFilterGroup;
    if ((wa & wb & FILTER_TRIGGER) || ((wa | wb) & FILTER_DISABLED) || !((wa | wb) & FILTER_DYNAMIC))
        return false;
    if (!((wa | wb) & FILTER_MIXED) && !_collide[wa & FILTER_GROUP][wb & FILTER_GROUP])
        return false;
    // A trigger never reports its own actor.
    return !((wa ^ wb) & FILTER_TRIGGER) || a.m_collisionFilterMask != b.m_collisionFilterMask;
}

void NxScene::simulate(NxReal elapsedTime)
{
    if (elapsedTime > 0)
        _pendingTime += elapsedTime;
    // A frame that is a hair shorter than a step still takes it: the clock's rounding must not
    // make a frame of 1/60 s skip its step now and then.
    constexpr NxReal Tolerance = 1.0e-3f;
    NxU32 steps = NxU32(std::floor(_pendingTime / NX_FIXED_STEP + Tolerance));
    if (steps > _maxSteps)
    {
        // A stall is not made up for: the rest of the time is dropped.
        steps = _maxSteps;
        _pendingTime = steps * NX_FIXED_STEP;
    }
    if (steps == 0)
        return;
    _pendingTime = std::max(0.0f, _pendingTime - steps * NX_FIXED_STEP);
    if (!_stepped)
        StartGathering();
    _stepped = true;
    for (NxU32 i = 0; i < steps; ++i)
        _world->Dynamics().stepSimulation(NX_FIXED_STEP, 0);
}

void NxScene::BeforeStep(NxReal step)
{
    // Trigger volumes go where their bodies went in the step before.
    for (const auto& actor : _actors)
        if (actor->_dynamic)
            actor->SyncTriggers();
    for (const auto& actor : _actors)
        actor->BeforeStep(step);
}

void NxScene::AfterStep(NxReal step)
{
    for (const auto& actor : _actors)
        actor->AfterStep(step);
    ++_step;
    GatherContacts();
}

NxU32 NxScene::raycastAllShapes(const NxRay& ray, NxUserRaycastReport& report, NxShapesType types, NxU32 groups,
                                NxReal maxDist) const
{
    // The broadphase only gathers the objects whose boxes the ray crosses; each shape is
    // then tested on its own so that a hit names the child shape.
    struct Gather : btCollisionWorld::RayResultCallback
    {
        std::vector<const btCollisionObject*>* objects;
        bool needsCollision(btBroadphaseProxy* proxy) const override
        {
            objects->push_back(static_cast<const btCollisionObject*>(proxy->m_clientObject));
            return false;
        }
        btScalar addSingleResult(btCollisionWorld::LocalRayResult&, bool) override { return 1; }
    };
    const float length = std::min(maxDist, LongestRay);
    if (!(length > 0))
        return 0;
    const btVector3 from = ToBt(ray.orig);
    const btVector3 to = from + ToBt(ray.dir) * length;
    std::vector<const btCollisionObject*> objects;
    Gather gather;
    gather.objects = &objects;
    _world->Dynamics().rayTest(from, to, gather);

    const btTransform fromT(btMatrix3x3::getIdentity(), from);
    const btTransform toT(btMatrix3x3::getIdentity(), to);
    std::vector<NxRaycastHit> hits;
    auto test = [&](const btCollisionObject* object, NxShape* shape, const btTransform& pose) {
        if (!(groups & (1u << shape->getGroup())))
            return;
        btCollisionWorld::ClosestRayResultCallback closest(from, to);
        btCollisionWorld::rayTestSingle(fromT, toT, const_cast<btCollisionObject*>(object), shape->_shape.get(), pose,
                                        closest);
        if (!closest.hasHit())
            return;
        NxRaycastHit hit;
        hit.shape = shape;
        hit.worldImpact = FromBt(closest.m_hitPointWorld);
        hit.worldNormal = FromBt(closest.m_hitNormalWorld.safeNormalize());
        hit.distance = closest.m_closestHitFraction * length;
        hits.push_back(hit);
    };
    for (const btCollisionObject* object : objects)
    {
        NxShape* trigger = TriggerShape(object);
        const NxActor* actor = trigger ? &trigger->getActor() : BodyActor(object);
        if (!actor || actor->readActorFlag(NX_AF_DISABLE_COLLISION))
            continue;
        if (!(types & (actor->isDynamic() ? NX_DYNAMIC_SHAPES : NX_STATIC_SHAPES)))
            continue;
        if (trigger)
        {
            test(object, trigger, object->getWorldTransform());
            continue;
        }
        const btCompoundShape& compound = *actor->_compound;
        for (int i = 0; i < compound.getNumChildShapes(); ++i)
            test(object, static_cast<NxShape*>(compound.getChildShape(i)->getUserPointer()),
                 object->getWorldTransform() * compound.getChildTransform(i));
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const NxRaycastHit& a, const NxRaycastHit& b) { return a.distance < b.distance; });
    NxU32 count = 0;
    for (const NxRaycastHit& hit : hits)
    {
        ++count;
        if (!report.onHit(hit))
            break;
    }
    return count;
}
