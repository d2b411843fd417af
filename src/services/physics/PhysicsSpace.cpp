#include "services/physics/PhysicsSpace.h"

#include <algorithm>
#include <memory>

#include "foundation/base/Dumper.h"
#include "services/physics/PhysicsActorData.h"
#include "services/physics/PhysicsActorEventListener.h"
#include "services/physics/PhysicsLoader.h"
#include "services/physics/shim/NxJoint.h"
#include "services/physics/shim/NxPhysicsSDK.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"

NxPhysicsSDK* nxSdk = nullptr;

namespace {

PhysicsSpace* currentSpace = nullptr;

constexpr float PlayerRadius = 15;
constexpr float SensorRadius = 100;
constexpr NxCollisionGroup HullGroup = 1;
constexpr NxCollisionGroup SensorGroup = 4;

NxActorDesc HullDesc()
{
    NxActorDesc desc;
    desc.body = std::make_unique<NxBodyDesc>();
    desc.group = HullGroup;
    auto hull = std::make_unique<NxSphereShapeDesc>();
    hull->radius = PlayerRadius;
    hull->group = HullGroup;
    desc.shapes.push_back(std::move(hull));
    return desc;
}

PhysicsActorData* DataOf(NxActor* actor) { return actor ? static_cast<PhysicsActorData*>(actor->userData) : nullptr; }

PhysicsActorEventListener* ListenerOf(NxActor& actor)
{
    PhysicsActorData* data = DataOf(&actor);
    return data ? data->listener : nullptr;
}

} // namespace

PhysicsSpace* CreatePhysicsSpace(ResourceSystem* resources)
{
    if (currentSpace)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Physics: the previous space was still live\n");
        delete currentSpace;
        currentSpace = nullptr;
    }
    if (!nxSdk)
        nxSdk = NxCreatePhysicsSDK();
    // Zero gravity; the scene runs fixed 1/60 s steps, as many as the frame's time covers, so
    // that bodies move as far in a second at any frame rate. Below 10 frames a second the
    // world slows down rather than taking ever longer frames.
    NxSceneDesc desc;
    desc.maxIter = 6;
    NxScene* scene = nxSdk->createScene(desc);
    if (!scene)
        return nullptr;
    currentSpace = new PhysicsSpace(scene, resources);
    return currentSpace;
}

void ReleasePhysicsSpace()
{
    delete currentSpace;
    currentSpace = nullptr;
    NxReleasePhysicsSDK(nxSdk);
    nxSdk = nullptr;
}

PhysicsSpace::PhysicsSpace(NxScene* scene, ResourceSystem* resources)
    : _scene(scene), _loader(resources ? &PhysicsLoader::Attach(*resources) : nullptr)
{
    _scene->setActorGroupPairFlags(0, 0, NX_NOTIFY_ALL);
    _scene->setUserNotify(this);
    _scene->setUserTriggerReport(this);
    _scene->setUserContactReport(this);
}

PhysicsSpace::~PhysicsSpace()
{
    BreakAllJoints();
    for (NxActor* actor : _scene->getActors())
    {
        delete DataOf(actor);
        actor->userData = nullptr;
    }
    nxSdk->releaseScene(*_scene);
}

PhysicsActor* PhysicsSpace::Adopt(NxActor* actor, PhysicsActorEventListener* listener)
{
    if (!actor)
        return nullptr;
    auto* data = new PhysicsActorData();
    data->listener = listener;
    actor->userData = data;
    return static_cast<PhysicsActor*>(actor);
}

PhysicsActor* PhysicsSpace::CreatePhysicsActorForPlayer(PhysicsActorEventListener* listener)
{
    return Adopt(_scene->createActor(HullDesc()), listener);
}

PhysicsActor* PhysicsSpace::CreatePhysicsActorForFighter(PhysicsActorEventListener* listener, const char*)
{
    NxActorDesc desc = HullDesc();
    auto sensor = std::make_unique<NxSphereShapeDesc>();
    sensor->radius = SensorRadius;
    sensor->group = SensorGroup;
    sensor->shapeFlags = NX_TRIGGER_ENABLE;
    desc.shapes.push_back(std::move(sensor));
    return Adopt(_scene->createActor(desc), listener);
}

PhysicsActor* PhysicsSpace::CreatePhysicsActor(PhysicsActorEventListener* listener, const char* assetName)
{
    if (!_loader)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics: no loader for \"%s\"\n", assetName);
        return nullptr;
    }
    return Adopt(_loader->CreateActor(*_scene, assetName), listener);
}

PhysicsActor* PhysicsSpace::CreatePhysicsMultiModelActor(PhysicsActorEventListener* listener, int count,
                                                         char** assetNames, NxMat34* poses, Vec3* scales, const char*,
                                                         void** parts, bool)
{
    if (!_loader)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics: no loader for a multi-model actor\n");
        return nullptr;
    }
    return Adopt(_loader->CreateMultiModelActor(*_scene, count, assetNames, poses, scales, parts), listener);
}

void PhysicsSpace::ReleasePhysicsActor(PhysicsActor* actor)
{
    if (!actor)
        return;
    std::erase_if(_graveyard, [&](const GraveRecord& r) { return r.actor == actor; });
    std::erase_if(_joints, [&](const auto& entry) {
        NxActor* a = nullptr;
        NxActor* b = nullptr;
        entry.second->getActors(&a, &b);
        return a == actor || b == actor;
    });
    delete DataOf(actor);
    actor->userData = nullptr;
    _scene->releaseActor(*actor);
}

void PhysicsSpace::AddShapeToGraveyard(PhysicsActor* actor, NxShape* shape)
{
    if (!actor || !shape)
        return;
    // A shape that several parts share is handed in by each of them; it goes once.
    if (std::any_of(_graveyard.begin(), _graveyard.end(),
                    [&](const GraveRecord& r) { return r.actor == actor && r.shape == shape; }))
        return;
    _graveyard.push_back({actor, shape});
}

void PhysicsSpace::UpdateShapeGraveyard()
{
    for (const GraveRecord& record : _graveyard)
    {
        NxShape* const* shapes = record.actor->getShapes();
        const NxU32 count = record.actor->getNbShapes();
        // A shape already gone is left alone, and a body keeps its last shape: a body of none
        // has no mass to move by.
        if (count <= 1 || std::find(shapes, shapes + count, record.shape) == shapes + count)
            continue;
        record.actor->releaseShape(*record.shape);
    }
    _graveyard.clear();
}

void PhysicsSpace::AddSphericalJoint(JointDesc& desc)
{
    NxSphericalJointDesc joint;
    joint.actor[0] = desc.actor0;
    joint.actor[1] = desc.actor1;
    joint.globalAnchor = desc.globalAnchor;
    joint.globalAxis = desc.globalAxis;
    if (joint.globalAxis.LengthSquared() > 0)
        joint.globalAxis.Normalize();
    joint.maxForce = desc.maxForce;
    joint.maxTorque = desc.maxTorque;
    joint.name = desc.name.Str();
    if (desc.collide)
        joint.jointFlags |= NX_JF_COLLISION_ENABLED;
    joint.flags = NX_SJF_TWIST_LIMIT_ENABLED | NX_SJF_SWING_LIMIT_ENABLED;
    joint.swingLimit = desc.swingLimit;
    if (desc.swingSpringDamper != 0)
    {
        joint.swingSpringDamper = desc.swingSpringDamper;
        joint.flags |= NX_SJF_SWING_SPRING_ENABLED;
    }
    if (NxJoint* made = _scene->createJoint(joint))
        _joints[int(desc.name)] = made;
}

void PhysicsSpace::BreakJoint(Name name, bool release)
{
    auto it = _joints.find(int(name));
    if (it == _joints.end())
        return;
    if (release)
        _scene->releaseJoint(*it->second);
    _joints.erase(it);
}

void PhysicsSpace::BreakAllJoints()
{
    for (const auto& entry : _joints)
        _scene->releaseJoint(*entry.second);
    _joints.clear();
}

void PhysicsSpace::SetActorGroupCollisionFlag(uint16_t a, uint16_t b, bool collide)
{
    _scene->setGroupCollisionFlag(a, b, collide);
}

bool PhysicsSpace::onJointBreak(float breakingImpulse, NxJoint& joint)
{
    NxActor* a = nullptr;
    NxActor* b = nullptr;
    joint.getActors(&a, &b);
    const Name name(joint.getName());
    if (PhysicsActorEventListener* listener = a ? ListenerOf(*a) : nullptr)
        listener->OnJointBreak(breakingImpulse, name, static_cast<PhysicsActor*>(b));
    // The scene releases the broken joint itself.
    BreakJoint(name, false);
    return true;
}

void PhysicsSpace::onTrigger(NxShape& triggerShape, NxShape& otherShape, NxTriggerFlag status)
{
    PhysicsActorEventListener* owner = ListenerOf(triggerShape.getActor());
    PhysicsActorEventListener* other = ListenerOf(otherShape.getActor());
    if (!owner || !other)
        return;
    switch (status)
    {
    case NX_TRIGGER_ON_ENTER: owner->OnTriggerEnter(*other, triggerShape, otherShape); break;
    case NX_TRIGGER_ON_STAY: owner->OnTriggerStay(*other, triggerShape, otherShape); break;
    case NX_TRIGGER_ON_LEAVE: owner->OnTriggerLeave(*other, triggerShape, otherShape); break;
    default: break;
    }
}

void PhysicsSpace::onContactNotify(NxContactPair& pair, NxU32 events)
{
    NxActor* first = pair.actors[0];
    NxActor* second = pair.actors[1];
    if (!first || !second || pair.isDeletedActor[0] || pair.isDeletedActor[1])
        return;
    PhysicsActorEventListener* l0 = ListenerOf(*first);
    PhysicsActorEventListener* l1 = ListenerOf(*second);
    if (!l0 || !l1)
        return;
    auto* p0 = static_cast<PhysicsActor*>(first);
    auto* p1 = static_cast<PhysicsActor*>(second);
    // Each listener reads the stream from its start, standing on its own side.
    NxContactStreamIterator s0(pair, first);
    NxContactStreamIterator s1(pair, second);
    Vec3 n0 = pair.sumNormalForce, f0 = pair.sumFrictionForce;
    Vec3 n1 = pair.sumNormalForce, f1 = pair.sumFrictionForce;
    using Hook = void (PhysicsActorEventListener::*)(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&,
                                                     Vec3&, NxContactStreamIterator&);
    Hook hook = nullptr;
    switch (events)
    {
    case NX_NOTIFY_ON_START_TOUCH: hook = &PhysicsActorEventListener::OnStartTouch; break;
    case NX_NOTIFY_ON_END_TOUCH: hook = &PhysicsActorEventListener::OnEndTouch; break;
    case NX_NOTIFY_ON_TOUCH: hook = &PhysicsActorEventListener::OnTouch; break;
    default: return;
    }
    (l0->*hook)(*l1, *p0, *p1, n0, f0, s0);
    // The first listener may have released an actor of the pair; the second then hears nothing.
    if (pair.isDeletedActor[0] || pair.isDeletedActor[1])
        return;
    (l1->*hook)(*l0, *p1, *p0, n1, f1, s1);
}
