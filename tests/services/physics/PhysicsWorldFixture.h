#pragma once
// One small world for the physics tests: a resource system rooted in a fresh folder, a space
// with the mission's group table, and listeners that record what they hear.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ResourceSystem/ResourceSystem.h"
#include "services/physics/PhysicsActorEventListener.h"
#include "services/physics/PhysicsAssetFormat.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"

struct Recorder : PhysicsActorEventListener
{
    struct Event
    {
        Event(std::string what_, PhysicsActorEventListener* other_ = nullptr, NxShape* shape_ = nullptr,
              NxShape* otherShape_ = nullptr)
            : what(std::move(what_)), other(other_), shape(shape_), otherShape(otherShape_)
        {}
        std::string what;
        PhysicsActorEventListener* other;
        NxShape* shape; // trigger shape, or the stream's shape 0
        NxShape* otherShape;
        PhysicsActor* otherActor = nullptr;
        std::string joint;
    };
    std::vector<Event> events;

    void Contact(const char* what, PhysicsActorEventListener& other, PhysicsActor& otherActor,
                 NxContactStreamIterator& stream)
    {
        Event e(what, &other);
        e.otherActor = &otherActor;
        if (stream.goNextPair())
            e.shape = stream.getShape(0), e.otherShape = stream.getShape(1);
        events.push_back(e);
    }
    void OnStartTouch(PhysicsActorEventListener& o, PhysicsActor&, PhysicsActor& a, Vec3&, Vec3&,
                      NxContactStreamIterator& s) override
    {
        Contact("start", o, a, s);
    }
    void OnTouch(PhysicsActorEventListener& o, PhysicsActor&, PhysicsActor& a, Vec3&, Vec3&,
                 NxContactStreamIterator& s) override
    {
        Contact("touch", o, a, s);
    }
    void OnEndTouch(PhysicsActorEventListener& o, PhysicsActor&, PhysicsActor& a, Vec3&, Vec3&,
                    NxContactStreamIterator& s) override
    {
        Contact("end", o, a, s);
    }
    void OnTriggerEnter(PhysicsActorEventListener& o, NxShape& t, NxShape& s) override
    {
        events.emplace_back("enter", &o, &t, &s);
    }
    void OnTriggerStay(PhysicsActorEventListener& o, NxShape& t, NxShape& s) override
    {
        events.emplace_back("stay", &o, &t, &s);
    }
    void OnTriggerLeave(PhysicsActorEventListener& o, NxShape& t, NxShape& s) override
    {
        events.emplace_back("leave", &o, &t, &s);
    }
    void OnJointBreak(float, Name name, PhysicsActor* const other) override
    {
        Event e("break");
        e.otherActor = other;
        e.joint = name.Str();
        events.push_back(e);
    }

    // The distinct event kinds in order, repeats collapsed.
    std::string Story() const
    {
        std::string story;
        std::string last;
        for (const Event& e : events)
            if (e.what != last)
            {
                story += (story.empty() ? "" : " ") + e.what;
                last = e.what;
            }
        return story;
    }
    int Count(const std::string& what) const
    {
        int n = 0;
        for (const Event& e : events)
            n += e.what == what;
        return n;
    }
};

// Every log line, for checks that a failure was reported.
std::vector<std::string>& LoggedLines();
bool Logged(const std::string& fragment);

class PhysicsWorld : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    NxScene& Scene() { return *space->GetScene(); }
    void Step(int frames = 1);
    void WriteAsset(const std::string& name, const std::vector<uint8_t>& bytes);
    static void Place(PhysicsActor* actor, const Vec3& position, const Vec3& velocity);

    std::filesystem::path oldDir;
    std::filesystem::path dir;
    std::unique_ptr<ResourceSystem> resources;
    PhysicsSpace* space = nullptr;
};
