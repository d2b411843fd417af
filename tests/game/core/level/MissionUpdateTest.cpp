// The running mission: the registry and its lookups, removal now and at the end of the
// mission, the order of the frame's update, and the white fade after loading.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CoreTestSupport.h"
#include "MissionFixture.h"
#include "game/core/game/Game.h"
#include "game/core/level/LevelProgress.h"
#include "game/core/messages/Message.h"
#include "game/world/actor/Actor.h"
#include "layers/Layer.h"
#include "layers/LayerManager.h"

namespace {
using Journal = std::vector<std::string>;

class Named : public Actor
{
public:
    Named(const char* name, const char* classname, Journal& journal) : _journal(journal)
    {
        SetName(name);
        SetClassname(classname);
    }
    ~Named() override { _journal.push_back(std::string(GetName()) + ":freed"); }
    void UserProceed() override
    {
        _journal.push_back(GetName());
        if (onProceed)
            onProceed();
    }
    void OnLevelStart() override { _journal.push_back(std::string(GetName()) + ":start"); }
    void OnTimer(unsigned int id) override
    {
        _journal.push_back(std::string(GetName()) + ":timer" + std::to_string(id));
    }
    std::function<void()> onProceed;

private:
    Journal& _journal;
};

class MissionUpdateTest : public testing::Test
{
protected:
    Named* Add(const char* name, const char* classname = "Named")
    {
        auto* actor = new Named(name, classname, journal);
        mission.Level().CreateActor(actor, nullptr);
        return actor;
    }
    std::vector<std::string> Registry()
    {
        std::vector<std::string> names;
        for (unsigned i = 0; i < mission.Level().GetActorsCount(); ++i)
            names.push_back(mission.Level().GetActor(i)->GetName());
        return names;
    }

    Journal journal;
    TestMission mission;
};

class MissionFadeTest : public MissionFixture
{
protected:
    Journal journal; // outlives the mission's actors, which are freed in TearDown
};
} // namespace

TEST_F(MissionUpdateTest, RemovalMovesTheLastActorIntoTheFreedPlace)
{
    Named* first = Add("first");
    Add("second");
    Add("third");
    mission.Level().DestroyActor(first, true);
    EXPECT_EQ(std::vector<std::string>({"third", "second"}), Registry());
    mission.Level().DestroyActor(mission.Level().GetActor(0u), true);
    mission.Level().DestroyActor(mission.Level().GetActor(0u), true);
    EXPECT_TRUE(Registry().empty());
}

// An actor that is not registered leaves the registry alone, even one with a single entry.
TEST_F(MissionUpdateTest, RemovingAnUnregisteredActorRemovesNothing)
{
    Add("only");
    Named stranger("stranger", "Named", journal);
    mission.Level().DestroyActor(&stranger, false);
    EXPECT_EQ(std::vector<std::string>({"only"}), Registry());
    EXPECT_FALSE(stranger.IsDeleted());
}

TEST_F(MissionUpdateTest, LookupsByNameAreExactAndByClassNameIgnoreCase)
{
    Add("a", "ShipBlgFighter00");
    Add("b", "Other");
    Add("c", "ShipBlgFighter00");
    const SingleLevel& level = mission.Level();
    ASSERT_NE(level.GetActorByClassname("shipblgfighter00", 1), nullptr);
    EXPECT_STREQ("c", level.GetActorByClassname("shipblgfighter00", 1)->GetName());
    EXPECT_EQ(nullptr, level.GetActorByClassname("shipblgfighter00", 2));
    EXPECT_EQ(2u, level.GetActorCountByClassname("SHIPBLGFIGHTER00"));
    EXPECT_NE(nullptr, level.GetActor("b"));
    EXPECT_EQ(nullptr, level.GetActor("B"));
}

TEST_F(MissionUpdateTest, DeferredRemovalStopsUpdatesAndFreesOnceAtTheEnd)
{
    Named* gone = Add("gone", "Gone");
    Add("kept");
    mission.Level().DestroyActor(gone, false);
    EXPECT_TRUE(gone->IsDeleted());
    EXPECT_EQ(nullptr, mission.Level().GetActor("gone"));
    EXPECT_EQ(0u, mission.Level().GetActorCountByClassname("Gone"));
    journal.clear();
    mission.Frame(0.1f);
    EXPECT_EQ(Journal({"kept"}), journal);
    journal.clear();
    mission.End();
    EXPECT_EQ(Journal({"kept:freed", "gone:freed"}), journal);
}

// Destroying again, at once or later, as a pending removal telegram does after DestroySelf,
// neither shuts down nor frees a second time.
TEST_F(MissionUpdateTest, AnActorDestroyedAgainIsLeftAlone)
{
    Named* gone = Add("gone");
    mission.Level().DestroyActor(gone, false);
    mission.Level().DestroyActor(gone, false);
    mission.Level().DestroyActor(gone, true);
    journal.clear();
    mission.End();
    EXPECT_EQ(Journal({"gone:freed"}), journal);
}

// A telegram sent during the actors' pass arrives in the next frame, before the actors run; one
// to an actor freed in the meantime is dropped.
TEST_F(MissionUpdateTest, TelegramsArriveBeforeTheActorsRunAndNeverAtAFreedActor)
{
    Named* sender = Add("sender");
    Named* receiver = Add("receiver");
    Named* doomed = Add("doomed");
    bool sent = false;
    sender->onProceed = [&] {
        if (std::exchange(sent, true))
            return;
        mission.Level().SendMessage(sender, receiver, MESSAGE_ON_TIMER, new MessageOnTimer(7), 0.0f);
        mission.Level().SendMessage(sender, doomed, MESSAGE_ON_TIMER, new MessageOnTimer(8), 0.0f);
        mission.Level().DestroyActor(doomed, true);
    };
    journal.clear();
    mission.Frame(0.1f);
    EXPECT_EQ(Journal({"sender", "doomed:freed", "receiver"}), journal);
    journal.clear();
    mission.Frame(0.1f);
    EXPECT_EQ(Journal({"receiver:timer7", "sender", "receiver"}), journal);
}

TEST_F(MissionUpdateTest, ActorMadeDuringTheUpdateRunsInTheSamePass)
{
    Named* parent = Add("parent");
    parent->onProceed = [&] {
        if (mission.Level().GetActor("child") == nullptr)
            Add("child");
    };
    journal.clear();
    mission.Frame(0.1f);
    EXPECT_EQ(Journal({"parent", "child"}), journal);
}

TEST_F(MissionFadeTest, WhiteCoverFadesOutOverTwoSecondsAfterLoading)
{
    Start("");
    EXPECT_FLOAT_EQ(0, level.GetFadeAlpha());
    Frame(1.0f); // ends the loading
    ASSERT_TRUE(level.IsLoaded());
    const float alphas[] = {1.0f, 0.5f, 0.0f, 0.0f};
    for (float alpha : alphas)
    {
        EXPECT_FLOAT_EQ(alpha, level.GetFadeAlpha());
        Frame(1.0f);
    }
}

// The loading screen shows a tip of the game's while the level is read and goes on the first
// running frame.
TEST_F(MissionFadeTest, LoadingScreenLastsUntilTheFirstRunningFrame)
{
    LogWatch log;
    Start(Entry("obj_t", "{ classname = \"track\" }"));
    Layer* root = LayerManager::GetRoot();
    ASSERT_NE(root->GetChildByName("preloader"), nullptr);
    const std::string tip = level.GetProgressScreen()->GetTip();
    EXPECT_FALSE(tip.empty());
    EXPECT_NE(_game->Data().Read("texts/en/tips.txt").find(tip + "\n"), std::string::npos) << tip;
    EXPECT_EQ(log.Errors(), 0) << log.All();
    // The player's HUD lies on the root too; the screen is the movie and its backdrop.
    const int loading = root->GetChildsCount(false);
    Frame(0.1f);
    EXPECT_TRUE(level.IsLoaded());
    EXPECT_NE(root->GetChildByName("preloader"), nullptr);
    Frame(0.1f);
    EXPECT_EQ(root->GetChildByName("preloader"), nullptr);
    EXPECT_EQ(root->GetChildsCount(false), loading - 2);
}

TEST_F(MissionFadeTest, LoadingEndsWithLevelStartForEveryActorAndTheTimeAtZero)
{
    Start(Entry("obj_t", "{ classname = \"track\" }"));
    level.CreateActor(new Named("early", "Named", journal), nullptr);
    Frame(0.5f);
    EXPECT_EQ(Journal({"early:start"}), journal);
    EXPECT_FLOAT_EQ(0, level.GetTime());
    Frame(0.5f);
    EXPECT_FLOAT_EQ(0.5f, level.GetTime());
}
