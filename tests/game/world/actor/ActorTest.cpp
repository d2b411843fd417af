// Actors in a running mission: their lifetime, their timers, their removal and the telegrams
// that outlive them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "WorldTestSupport.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Telegram.h"
#include "game/world/actor/Actor.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"

namespace {
// What the actors did, in order; outlives them.
using Journal = std::vector<std::string>;

class Probe : public Actor
{
public:
    Probe(const char* name, Journal& journal) : _journal(journal) { SetName(name); }
    ~Probe() override { Note("freed"); }

    void UserInit() override { Note("init"); }
    void UserProceed() override { Note("proceed"); }
    void UserShutDown() override { Note("shutdown"); }
    void UserPreDeleteEffect() override { Note("pre"); }
    void UserPostDeleteEffect() override { Note("post"); }
    void OnTimer(unsigned int id) override { Note("timer" + std::to_string(id)); }
    void OnMessage(Telegram* telegram) override
    {
        if (telegram->type == MESSAGE_DO_DAMAGE)
            Note(std::string("damage") + (telegram->sender ? "" : " from nobody"));
        Actor::OnMessage(telegram);
    }
    void SetBody(PhysicsActor* body) { _physEntity = body; }

private:
    void Note(const std::string& what) { _journal.push_back(std::string(GetName()) + ":" + what); }
    Journal& _journal;
};

class ActorTest : public testing::Test
{
protected:
    Probe* Add(const char* name)
    {
        auto* probe = new Probe(name, journal);
        mission.Level().CreateActor(probe, nullptr);
        return probe;
    }
    // What happened during one frame of the given length.
    Journal Frame(float seconds)
    {
        journal.clear();
        mission.Frame(seconds);
        return journal;
    }
    int Count(const std::string& entry) const
    {
        return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
    }

    Journal journal;
    TestMission mission;
};
} // namespace

TEST_F(ActorTest, LifetimeRunsTheUpdateWhilePositiveAndFreesTheActorInTheFrameItRunsOut)
{
    Probe* brief = Add("brief");
    brief->SetLifetime(0.5f);
    Add("lasting");
    EXPECT_EQ(Journal({"brief:init", "lasting:init"}), journal);

    EXPECT_EQ(Journal({"brief:proceed", "lasting:proceed"}), Frame(0.25f));
    // The last actor moves into the freed place and skips this frame's update.
    EXPECT_EQ(Journal({"brief:proceed", "brief:pre", "brief:shutdown", "brief:post", "brief:freed"}), Frame(0.25f));
    EXPECT_EQ(1u, mission.Level().GetActorsCount());
    for (int i = 0; i < 100; ++i)
        Frame(1.0f);
    EXPECT_EQ(Journal({"lasting:proceed"}), Frame(1.0f));
}

TEST_F(ActorTest, TimerFiresTheFrameAfterItsPeriodIsReachedAndRepeats)
{
    Probe* probe = Add("p");
    probe->StartTimer(7, 1000);
    std::vector<int> fired;
    for (int frame = 1; frame <= 9; ++frame)
    {
        Frame(0.25f);
        if (Count("p:timer7"))
            fired.push_back(frame);
    }
    EXPECT_EQ(std::vector<int>({5, 9}), fired);
}

TEST_F(ActorTest, RestartingARunningTimerTakesTheNewPeriodFromZero)
{
    Probe* probe = Add("p");
    probe->StartTimer(1, 1000);
    Frame(0.25f);
    Frame(0.25f);
    probe->StartTimer(1, 500);
    Frame(0.25f);
    EXPECT_EQ(0, Count("p:timer1"));
    Frame(0.25f); // 0.5 s since the restart: sent now
    EXPECT_EQ(0, Count("p:timer1"));
    Frame(0.25f);
    EXPECT_EQ(1, Count("p:timer1"));
}

// Stopping a timer moves the last one into its place, which is the order they next fire in.
TEST_F(ActorTest, StoppedTimerGivesItsPlaceToTheLast)
{
    Probe* probe = Add("p");
    for (unsigned id : {1u, 2u, 3u})
        probe->StartTimer(id, 250);
    probe->StopTimer(1);
    probe->StopTimer(9);
    Frame(0.25f);
    EXPECT_EQ(Journal({"p:timer3", "p:timer2", "p:proceed"}), Frame(0.25f));
}

TEST_F(ActorTest, RemovalWhileTheMissionEndsRunsOnlyTheShutDown)
{
    Add("p");
    journal.clear();
    mission.End();
    EXPECT_EQ(Journal({"p:shutdown", "p:freed"}), journal);
}

// A hit sent to an actor that is freed before delivery is dropped; what a freed actor sent
// still arrives, without a sender.
TEST_F(ActorTest, TelegramsOfAnActorFreedAtOnceNeverReachFreedMemory)
{
    Probe* target = Add("target");
    Probe* rocket = Add("rocket");
    Probe* ship = Add("ship");
    rocket->SendMessage(MESSAGE_DO_DAMAGE, target, 0.3f, new MessageDoDamage(10));
    rocket->SendMessage(MESSAGE_DO_DAMAGE, ship, 0.3f, new MessageDoDamage(10));
    target->SetLifetime(0.1f);
    rocket->SetLifetime(0.1f);
    Frame(0.25f);
    EXPECT_EQ(1, Count("target:freed"));
    EXPECT_EQ(1, Count("rocket:freed"));
    EXPECT_EQ(Journal({"ship:damage from nobody", "ship:proceed"}), Frame(0.25f));
}

TEST_F(ActorTest, DestroyingTwiceShutsDownOnceAndFreesOnceAtTheEnd)
{
    Probe* probe = Add("p");
    probe->DestroySelf();
    probe->SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, probe, 0.0f, new MessageDeleteActor(probe));
    probe->SendMessage(MESSAGE_DELETE_ACTOR_NOW, probe, 0.0f, new MessageDeleteActor(probe));
    Frame(0.25f);
    EXPECT_TRUE(probe->IsDeleted());
    EXPECT_EQ(0u, mission.Level().GetActorsCount());
    journal.clear();
    mission.End();
    EXPECT_EQ(Journal({"p:freed"}), journal);
}

TEST_F(ActorTest, TimerTelegramArrivesAsOnTimerAndDeleteTelegramRemovesTheNamedActor)
{
    Probe* a = Add("a");
    Probe* b = Add("b");
    a->SendMessage(MESSAGE_ON_TIMER, a, 0.0f, new MessageOnTimer(4));
    a->SendMessage(MESSAGE_DELETE_ACTOR_NOW, a, 0.5f, new MessageDeleteActor(b));
    EXPECT_EQ(Journal({"a:timer4", "a:proceed", "b:proceed"}), Frame(0.25f));
    EXPECT_EQ(Journal({"b:pre", "b:shutdown", "b:post", "b:freed", "a:proceed"}), Frame(0.25f));
}

// The torque "force" is always a plain force, which acts only in the next step; a velocity
// change acts at once.
TEST_F(ActorTest, TorqueForceIgnoresTheModeItIsGiven)
{
    PhysicsSpace* space = mission.Level().GetSpace();
    ASSERT_NE(space, nullptr);
    Probe* probe = Add("p");
    PhysicsActor* body = space->CreatePhysicsActorForPlayer(probe);
    ASSERT_NE(body, nullptr);
    probe->SetBody(body);

    probe->AddTorqueForce(Vec3(0, 0, 5), NX_VELOCITY_CHANGE);
    EXPECT_FLOAT_EQ(0.0f, body->GetGlobalAngularVelocity().LengthSquared());
    probe->AddTorque(Vec3(0, 0, 5), NX_VELOCITY_CHANGE);
    EXPECT_GT(body->GetGlobalAngularVelocity().LengthSquared(), 0.0f);

    space->ReleasePhysicsActor(body);
    probe->SetBody(nullptr);
}
