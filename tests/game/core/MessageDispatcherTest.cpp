// The telegram queue: when telegrams arrive, in which order, and that nothing reaches an actor
// that is gone.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "game/core/messages/IMessageReceiver.h"
#include "game/core/messages/MessageDispatcher.h"

namespace {
// Every delivery as "receiver:tag", in order.
using Journal = std::vector<std::string>;

// A payload that counts its destruction and names itself in the journal.
struct Tagged : Message
{
    Tagged(std::string tag_, int& freed_) : tag(std::move(tag_)), freed(freed_) {}
    ~Tagged() override { ++freed; }
    std::string tag;
    int& freed;
};

class Receiver : public IMessageReceiver
{
public:
    Receiver(std::string name, Journal& journal) : _name(std::move(name)), _journal(journal) {}
    void OnMessage(Telegram* telegram) override
    {
        _journal.push_back(_name + ":" + static_cast<Tagged*>(telegram->payload)->tag);
        if (onMessage)
            onMessage(telegram);
    }
    std::function<void(Telegram*)> onMessage;

private:
    std::string _name;
    Journal& _journal;
};

class DispatcherTest : public testing::Test
{
protected:
    void Send(Receiver* from, Receiver* to, const std::string& tag, float delay)
    {
        dispatcher.DispatchMessage(from, to, MESSAGE_DO_DAMAGE, new Tagged(tag, freed), delay);
    }
    Journal Dispatch(float spf = 0.5f)
    {
        journal.clear();
        dispatcher.DispatchDelayedMessages(spf);
        return journal;
    }

    Journal journal;
    int freed = 0;
    Receiver a{"a", journal}, b{"b", journal}, c{"c", journal};
    MessageDispatcher dispatcher;
};
} // namespace

TEST_F(DispatcherTest, DelayZeroArrivesOnTheNextDispatchAndIsThenFreed)
{
    Send(&a, &b, "hit", 0);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(Journal({"b:hit"}), Dispatch());
    EXPECT_EQ(1, freed);
    EXPECT_EQ(Journal(), Dispatch());
}

TEST_F(DispatcherTest, TelegramSentDuringADeliveryWaitsForTheNextDispatch)
{
    a.onMessage = [&](Telegram*) { Send(&a, &b, "reply", 0); };
    Send(&b, &a, "ask", 0);
    EXPECT_EQ(Journal({"a:ask"}), Dispatch());
    EXPECT_EQ(Journal({"b:reply"}), Dispatch());
}

TEST_F(DispatcherTest, DelayIsCountedDownByEachFrameTime)
{
    struct Case
    {
        float delay;
        int frame; // the dispatch that delivers it, counting from 1
    };
    const Case cases[] = {{0, 1}, {0.25f, 1}, {0.3f, 2}, {1.0f, 4}, {1.1f, 5}};
    for (const Case& test : cases)
        Send(&a, &b, std::to_string(test.delay), test.delay);
    std::vector<int> arrived(std::size(cases), 0);
    for (int frame = 1; frame <= 6; ++frame)
        for (const std::string& entry : Dispatch(0.25f))
            for (size_t i = 0; i < std::size(cases); ++i)
                if (entry == "b:" + std::to_string(cases[i].delay))
                    arrived[i] = frame;
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].frame, arrived[i]) << "delay " << cases[i].delay;
}

// Removing a delivered telegram moves the last pending one into its place, which decides the
// order of the next dispatch.
TEST_F(DispatcherTest, DueTelegramsArriveInPendingOrderReshuffledByRemovals)
{
    Send(&a, &b, "1", 0);
    Send(&a, &b, "2", 1);
    Send(&a, &b, "3", 1);
    Send(&a, &b, "4", 1);
    EXPECT_EQ(Journal({"b:1"}), Dispatch(0.5f));
    EXPECT_EQ(Journal({"b:4", "b:2", "b:3"}), Dispatch(0.5f));
}

// What a freed actor sent still arrives, without a sender: a rocket's hit outlives the rocket.
TEST_F(DispatcherTest, PurgedActorGetsNothingAndWhatItSentArrivesWithoutSender)
{
    Send(&a, &b, "to-b", 0);
    Send(&b, &c, "from-b", 1);
    Dispatch(0); // "from-b" pending, "to-b" delivered
    Send(&c, &b, "late", 0);
    Send(&b, &a, "sent", 0);
    std::vector<IMessageReceiver*> senders;
    a.onMessage = [&](Telegram* t) { senders.push_back(t->sender); };
    c.onMessage = [&](Telegram* t) { senders.push_back(t->sender); };
    dispatcher.PurgeActor(&b);
    EXPECT_EQ(Journal({"c:from-b", "a:sent"}), Dispatch(1));
    EXPECT_EQ(std::vector<IMessageReceiver*>({nullptr, nullptr}), senders);
    EXPECT_EQ(Journal(), Dispatch(1));
    EXPECT_EQ(4, freed);
}

// The mission frame frees an actor at once while a telegram to another actor is being
// delivered; the freed actor's telegrams of the same dispatch must not reach it.
TEST_F(DispatcherTest, ActorPurgedInsideADeliveryGetsNothingMore)
{
    a.onMessage = [&](Telegram*) { dispatcher.PurgeActor(&b); };
    Send(&c, &a, "kill-b", 0);
    Send(&c, &b, "for-b", 0);
    Send(&b, &c, "from-b", 0);
    Send(&c, &c, "other", 0);
    EXPECT_EQ(Journal({"a:kill-b", "c:from-b", "c:other"}), Dispatch());
    EXPECT_EQ(4, freed);
    EXPECT_EQ(Journal(), Dispatch());
}

TEST_F(DispatcherTest, ShutDownFreesPendingAndIncomingUndelivered)
{
    Send(&a, &b, "pending", 5);
    Dispatch();
    Send(&a, &b, "incoming", 0);
    dispatcher.ShutDown();
    EXPECT_EQ(2, freed);
    EXPECT_EQ(Journal(), Dispatch(10));
}

TEST_F(DispatcherTest, ShutDownInsideADeliveryDeliversNothingMore)
{
    a.onMessage = [&](Telegram*) { dispatcher.ShutDown(); };
    Send(&c, &a, "end", 0);
    Send(&c, &b, "never", 0);
    EXPECT_EQ(Journal({"a:end"}), Dispatch());
    EXPECT_EQ(2, freed);
}

TEST_F(DispatcherTest, TelegramWithoutReceiverIsDroppedWithAWarning)
{
    LogWatch log;
    Send(&a, nullptr, "lost", 0);
    EXPECT_EQ(1, freed);
    EXPECT_EQ(1, log.Warnings());
    EXPECT_EQ(Journal(), Dispatch());
}

TEST(MessageRecords, NamesAreCutToTheirArrays)
{
    std::string longName(300, 'x');
    MessagePlay2DSound sound(longName.c_str());
    EXPECT_EQ(std::string(255, 'x'), sound.name);
    MessageLoadSubLevel level(nullptr);
    EXPECT_STREQ("", level.name);
}
