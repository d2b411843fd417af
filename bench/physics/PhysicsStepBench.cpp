// Steps 200 fighters (hull and sensor trigger) through PhysicsSpace, and the same scene in
// plain Bullet, and reports how much the layer costs on top.
// The two scenes step in turns, a block of steps each, in alternating order, and each block is
// timed in thread CPU time, so that a busy machine slows both alike; the ratio printed is the
// median over whole runs of (our time / Bullet's time).
#include <benchmark/benchmark.h>
#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "../common/PairedTiming.h"
#include "services/physics/PhysicsActorEventListener.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

namespace {

constexpr int Bodies = 200;
constexpr int Steps = 60;
constexpr int Block = 10; // steps run by one scene before the other takes its turn
constexpr int Pairs = 9;
constexpr float Hull = 15, Sensor = 100, Spacing = 34;

struct Start
{
    Vec3 position, velocity;
};

// A loose cube of bodies drifting at random, so that hulls collide and sensors overlap.
std::vector<Start> Starts()
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
    long contacts = 0, triggers = 0;
    void OnStartTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                      NxContactStreamIterator&) override
    {
        ++contacts;
    }
    void OnTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                 NxContactStreamIterator&) override
    {
        ++contacts;
    }
    void OnEndTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                    NxContactStreamIterator&) override
    {
        ++contacts;
    }
    void OnTriggerEnter(PhysicsActorEventListener&, NxShape&, NxShape&) override { ++triggers; }
    void OnTriggerStay(PhysicsActorEventListener&, NxShape&, NxShape&) override { ++triggers; }
    void OnTriggerLeave(PhysicsActorEventListener&, NxShape&, NxShape&) override { ++triggers; }
};

// The scene as the mission frame runs it: fighters with sensors, all contact reports on.
class SpaceScene
{
public:
    explicit SpaceScene(Listener& listener) : _space(CreatePhysicsSpace(nullptr))
    {
        NxScene& scene = *_space->GetScene();
        for (NxActorGroup a = 1; a <= 8; ++a)
            for (NxActorGroup b = 1; b <= 8; ++b)
                scene.setActorGroupPairFlags(a, b, 0x7FE);
        for (const Start& s : Starts())
        {
            PhysicsActor* actor = _space->CreatePhysicsActorForFighter(&listener, "bench");
            Vec3 position = s.position;
            actor->SetGlobalPosition(position);
            actor->SetGlobalLinearVelocity(s.velocity);
        }
    }
    SpaceScene(const SpaceScene&) = delete;
    SpaceScene& operator=(const SpaceScene&) = delete;
    ~SpaceScene() { ReleasePhysicsSpace(); }

    // CPU seconds of the next `steps` steps.
    double Run(int steps)
    {
        NxScene& scene = *_space->GetScene();
        const double begin = ThreadSeconds();
        for (int i = 0; i < steps; ++i)
        {
            scene.simulate(1.0f / 60.0f);
            scene.flushStream();
            scene.fetchResults(NX_RIGID_BODY_FINISHED, true);
            _space->UpdateShapeGraveyard();
        }
        return ThreadSeconds() - begin;
    }

private:
    PhysicsSpace* _space;
};

// The same bodies and triggers in Bullet alone, reading the manifolds once per step.
class PlainScene
{
public:
    PlainScene()
        : _dispatcher(&_configuration), _world(&_dispatcher, &_broadphase, &_solver, &_configuration), _hull(Hull),
          _sensor(Sensor)
    {
        _world.setGravity(btVector3(0, 0, 0));
        const float mass = 4.0f / 3.0f * SIMD_PI * Hull * Hull * Hull;
        for (const Start& s : Starts())
        {
            auto compound = std::make_unique<btCompoundShape>(true, 1);
            compound->addChildShape(btTransform::getIdentity(), &_hull);
            btVector3 inertia;
            compound->calculateLocalInertia(mass, inertia);
            btRigidBody::btRigidBodyConstructionInfo info(mass, nullptr, compound.get(), inertia);
            info.m_startWorldTransform.setIdentity();
            info.m_startWorldTransform.setOrigin(btVector3(s.position.x, s.position.y, s.position.z));
            info.m_angularDamping = 0.05f;
            auto body = std::make_unique<btRigidBody>(info);
            body->setLinearVelocity(btVector3(s.velocity.x, s.velocity.y, s.velocity.z));
            auto trigger = std::make_unique<btCollisionObject>();
            trigger->setCollisionShape(&_sensor);
            trigger->setCollisionFlags(btCollisionObject::CF_NO_CONTACT_RESPONSE |
                                       btCollisionObject::CF_KINEMATIC_OBJECT);
            trigger->setActivationState(DISABLE_DEACTIVATION);
            trigger->setIgnoreCollisionCheck(body.get(), true);
            body->setIgnoreCollisionCheck(trigger.get(), true);
            _world.addRigidBody(body.get(), 1, 1 | 2);
            _world.addCollisionObject(trigger.get(), 2, 1);
            _compounds.push_back(std::move(compound));
            _bodies.push_back(std::move(body));
            _triggers.push_back(std::move(trigger));
        }
    }
    PlainScene(const PlainScene&) = delete;
    PlainScene& operator=(const PlainScene&) = delete;
    ~PlainScene()
    {
        for (auto& trigger : _triggers)
            _world.removeCollisionObject(trigger.get());
        for (auto& body : _bodies)
            _world.removeRigidBody(body.get());
    }

    double Run(int steps)
    {
        const double begin = ThreadSeconds();
        for (int i = 0; i < steps; ++i)
        {
            for (size_t b = 0; b < _bodies.size(); ++b)
                _triggers[b]->setWorldTransform(_bodies[b]->getWorldTransform());
            _world.stepSimulation(1.0f / 60.0f, 1, 1.0f / 60.0f);
            for (int m = 0; m < _dispatcher.getNumManifolds(); ++m)
                _touching += _dispatcher.getManifoldByIndexInternal(m)->getNumContacts() > 0;
        }
        benchmark::DoNotOptimize(_touching);
        return ThreadSeconds() - begin;
    }

private:
    btDefaultCollisionConfiguration _configuration;
    btCollisionDispatcher _dispatcher;
    btDbvtBroadphase _broadphase;
    btSequentialImpulseConstraintSolver _solver;
    btDiscreteDynamicsWorld _world;
    btSphereShape _hull, _sensor;
    std::vector<std::unique_ptr<btCompoundShape>> _compounds;
    std::vector<std::unique_ptr<btRigidBody>> _bodies;
    std::vector<std::unique_ptr<btCollisionObject>> _triggers;
    long _touching = 0;
};

void StepSideBySide(benchmark::State& state)
{
    std::vector<double> ours, plain, ratios;
    Listener listener;
    bool oursFirst = true;
    for (auto _ : state)
    {
        SpaceScene space(listener);
        PlainScene bullet;
        double o = 0, p = 0;
        for (int step = 0; step < Steps; step += Block)
        {
            if (oursFirst)
                o += space.Run(Block), p += bullet.Run(Block);
            else
                p += bullet.Run(Block), o += space.Run(Block);
            oursFirst = !oursFirst;
        }
        ours.push_back(o);
        plain.push_back(p);
        ratios.push_back(o / p);
    }
    const double ratio = Median(ratios);
    state.counters["ours_ms"] = Median(ours) * 1e3;
    state.counters["bullet_ms"] = Median(plain) * 1e3;
    state.counters["ratio"] = ratio;
    state.counters["reports"] = double(listener.contacts + listener.triggers) / double(state.iterations());
    std::printf("PhysicsSpace / plain Bullet, %d steps of %d bodies: ratio %.3f (median of %zu "
                "paired runs; ours %.1f ms, Bullet %.1f ms; goal at most 1.2)\n",
                Steps, Bodies, ratio, ratios.size(), Median(ours) * 1e3, Median(plain) * 1e3);
}

} // namespace

BENCHMARK(StepSideBySide)->Iterations(Pairs)->Unit(benchmark::kMillisecond);
