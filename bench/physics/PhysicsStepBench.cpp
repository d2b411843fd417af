// Steps 200 fighters (hull and sensor trigger) through PhysicsSpace, and the same scene in
// plain Bullet, and reports how much the layer costs on top.
#include <benchmark/benchmark.h>
#include <btBulletDynamicsCommon.h>

#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "services/physics/PhysicsActorEventListener.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

namespace {

constexpr int Bodies = 200;
constexpr int Steps = 60;
constexpr float Hull = 15, Sensor = 100, Spacing = 34;

struct Start
{
    Vec3 position, velocity;
};

// A loose cube of bodies drifting at random, so that hulls collide and sensors overlap.
std::vector<Start> Scene()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> speed(-40, 40);
    std::vector<Start> starts;
    for (int i = 0; i < Bodies; ++i)
    {
        const Vec3 cell(float(i % 6), float(i / 6 % 6), float(i / 36));
        starts.push_back({cell * Spacing, {speed(random), speed(random), speed(random)}});
    }
    return starts;
}

struct Listener : PhysicsActorEventListener
{
    int contacts = 0, triggers = 0;
    void OnStartTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                      NxContactStreamIterator&) override { ++contacts; }
    void OnTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                 NxContactStreamIterator&) override { ++contacts; }
    void OnEndTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                    NxContactStreamIterator&) override { ++contacts; }
    void OnTriggerEnter(PhysicsActorEventListener&, NxShape&, NxShape&) override { ++triggers; }
    void OnTriggerStay(PhysicsActorEventListener&, NxShape&, NxShape&) override { ++triggers; }
    void OnTriggerLeave(PhysicsActorEventListener&, NxShape&, NxShape&) override { ++triggers; }
};

double plainSeconds = 0;   // mean episode time of the plain Bullet run

int RunSpace(Listener& listener)
{
    PhysicsSpace* space = CreatePhysicsSpace(nullptr);
    NxScene& scene = *space->GetScene();
    for (NxActorGroup a = 1; a <= 8; ++a)
        for (NxActorGroup b = 1; b <= 8; ++b)
            scene.setActorGroupPairFlags(a, b, 0x7FE);
    for (const Start& s : Scene())
    {
        PhysicsActor* actor = space->CreatePhysicsActorForFighter(&listener, "bench");
        Vec3 position = s.position;
        actor->SetGlobalPosition(position);
        actor->SetGlobalLinearVelocity(s.velocity);
    }
    for (int i = 0; i < Steps; ++i)
    {
        scene.simulate(1.0f / 60.0f);
        scene.flushStream();
        scene.fetchResults(NX_RIGID_BODY_FINISHED, true);
        space->UpdateShapeGraveyard();
    }
    ReleasePhysicsSpace();
    return listener.contacts + listener.triggers;
}

// The same bodies and triggers in Bullet alone, reading the manifolds once per step.
int RunPlain()
{
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher(&configuration);
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world(&dispatcher, &broadphase, &solver, &configuration);
    world.setGravity(btVector3(0, 0, 0));

    btSphereShape hull(Hull), sensor(Sensor);
    std::vector<std::unique_ptr<btCompoundShape>> compounds;
    std::vector<std::unique_ptr<btRigidBody>> bodies;
    std::vector<std::unique_ptr<btCollisionObject>> triggers;
    const float mass = 4.0f / 3.0f * SIMD_PI * Hull * Hull * Hull;
    for (const Start& s : Scene())
    {
        auto compound = std::make_unique<btCompoundShape>(true, 1);
        compound->addChildShape(btTransform::getIdentity(), &hull);
        btVector3 inertia;
        compound->calculateLocalInertia(mass, inertia);
        btRigidBody::btRigidBodyConstructionInfo info(mass, nullptr, compound.get(), inertia);
        info.m_startWorldTransform.setIdentity();
        info.m_startWorldTransform.setOrigin(btVector3(s.position.x, s.position.y, s.position.z));
        info.m_angularDamping = 0.05f;
        auto body = std::make_unique<btRigidBody>(info);
        body->setLinearVelocity(btVector3(s.velocity.x, s.velocity.y, s.velocity.z));
        auto trigger = std::make_unique<btCollisionObject>();
        trigger->setCollisionShape(&sensor);
        trigger->setCollisionFlags(btCollisionObject::CF_NO_CONTACT_RESPONSE |
                                   btCollisionObject::CF_KINEMATIC_OBJECT);
        trigger->setActivationState(DISABLE_DEACTIVATION);
        trigger->setIgnoreCollisionCheck(body.get(), true);
        body->setIgnoreCollisionCheck(trigger.get(), true);
        world.addRigidBody(body.get(), 1, 1 | 2);
        world.addCollisionObject(trigger.get(), 2, 1);
        compounds.push_back(std::move(compound));
        bodies.push_back(std::move(body));
        triggers.push_back(std::move(trigger));
    }
    int touching = 0;
    for (int i = 0; i < Steps; ++i)
    {
        for (size_t b = 0; b < bodies.size(); ++b)
            triggers[b]->setWorldTransform(bodies[b]->getWorldTransform());
        world.stepSimulation(1.0f / 60.0f, 1, 1.0f / 60.0f);
        for (int m = 0; m < dispatcher.getNumManifolds(); ++m)
            touching += dispatcher.getManifoldByIndexInternal(m)->getNumContacts() > 0;
    }
    for (auto& trigger : triggers)
        world.removeCollisionObject(trigger.get());
    for (auto& body : bodies)
        world.removeRigidBody(body.get());
    return touching;
}

void PlainBullet(benchmark::State& state)
{
    double total = 0;
    for (auto _ : state)
    {
        const auto begin = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(RunPlain());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    plainSeconds = total / double(state.iterations());
}

void ThroughPhysicsSpace(benchmark::State& state)
{
    double total = 0;
    Listener listener;
    for (auto _ : state)
    {
        const auto begin = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(RunSpace(listener));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    const double ours = total / double(state.iterations());
    if (plainSeconds > 0)
        state.counters["ratio_to_bullet"] = ours / plainSeconds;
    state.counters["reports"] = double(listener.contacts + listener.triggers) /
                                double(state.iterations());
}

} // namespace

BENCHMARK(PlainBullet)->Unit(benchmark::kMillisecond);
BENCHMARK(ThroughPhysicsSpace)->Unit(benchmark::kMillisecond);
