// Fractions, relations and the target choice of AI ships; registering and removing ships.
#include <gtest/gtest.h>

#include <string>

#include "AiTestSupport.h"
#include "CoreTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"

using namespace Pelloris;

namespace {
using EntityManagerTest = AiMission;
}

TEST_F(EntityManagerTest, FractionsOfANewMission)
{
    EntityManager& manager = Manager();
    ASSERT_EQ(4u, manager.GetFractionCount());
    const char* names[] = {"default", "player", "ytg", "blg"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i, manager.GetFractionIndex(names[i]));
    EXPECT_EQ(-1, manager.GetFractionIndex("Ytg"));
    EXPECT_EQ(nullptr, manager.GetFractionByName("pirates"));
    EXPECT_STREQ("player", manager.GetPlayerFraction()->GetName());
    manager.SetFractionRelation("pirates", "ytg", EntityManager::Allied); // no such fraction: nothing

    // Sixteen at most.
    LogWatch log;
    for (int i = 4; i < 16; ++i)
        EXPECT_TRUE(manager.AddFraction(("side" + std::to_string(i)).c_str()));
    EXPECT_FALSE(manager.AddFraction("one too many"));
    EXPECT_EQ(16u, manager.GetFractionCount());
    EXPECT_EQ(1, log.Errors());

    // The next mission starts over.
    manager.Initialize();
    EXPECT_EQ(4u, manager.GetFractionCount());
    EXPECT_EQ(-1, manager.GetFractionIndex("side4"));
}

TEST_F(EntityManagerTest, EnemiesAreTheLivingShipsOfHostileFractions)
{
    Ship* blg = AddShip("blg", "blg", {0, 0, 0});
    Ship* ytg = AddShip("ytg", "ytg", {100, 0, 0});
    Ship* stranger = AddShip("stranger", "pirates", {200, 0, 0}); // no such fraction: "default"
    Ship* other = AddShip("other", "default", {300, 0, 0});
    Ship* deleted = AddShip("deleted", "ytg", {400, 0, 0});
    Ship* dead = AddShip("dead", "ytg", {500, 0, 0});
    deleted->SetDeleted(true);
    dead->Explode();
    EXPECT_STREQ("pirates", EntityOf(stranger).GetFraction());
    EXPECT_TRUE(Manager().GetFractionByName("default")->HasShip(stranger));

    EXPECT_EQ(4u, Manager().GetEnemyCount(blg));      // both default ships, ytg and the deleted one
    EXPECT_EQ(3u, Manager().GetEnemyCount(ytg));      // blg and both default ships
    EXPECT_EQ(3u, Manager().GetEnemyCount(stranger)); // never the other default ship
    EXPECT_EQ(0, Manager().GetRelation(blg, ytg));
    (void)other;
}

TEST_F(EntityManagerTest, AnAiShipSeesEnemiesWithinItsRange)
{
    ShipType shortSighted = fighter;
    shortSighted.visibilityRange = 1000;
    Ship* hunter = AddShip("hunter", "ytg", {0, 0, 0}, {0, 0, 1}, &shortSighted);
    Ship* beyond = AddShip("beyond", "blg", {0, 0, 1000}); // the range is strict
    EXPECT_EQ(nullptr, Manager().GetBestNearestTarget(hunter, false));
    EXPECT_EQ(nullptr, Manager().GetRandomTarget(hunter));
    EXPECT_EQ(nullptr, Manager().GetBestVisibleTarget(hunter));
    EXPECT_EQ(beyond, Manager().GetBestNearestTarget(hunter, true)); // anywhere in the level

    Ship* within = AddShip("within", "blg", {0, 999, 0});
    EXPECT_EQ(within, Manager().GetBestNearestTarget(hunter, false));
    EXPECT_EQ(within, Manager().GetRandomTarget(hunter));
    EXPECT_EQ(within, Manager().GetBestVisibleTarget(hunter));

    // A target stays visible up to a tenth more than the squared range.
    struct Case
    {
        float distance; // in ranges
        bool visible;
    };
    for (const Case test : {Case{1.04f, true}, Case{1.05f, false}})
    {
        beyond->GetRoot().Translate(Vec3(0, 0, 1000 * test.distance));
        hunter->SetTarget(beyond);
        EXPECT_EQ(test.visible, Manager().IsTargetVisible(hunter)) << test.distance;
    }
    hunter->SetTarget(nullptr);
    EXPECT_FALSE(Manager().IsTargetVisible(hunter));
}

TEST_F(EntityManagerTest, RandomChoiceCoversEveryCandidate)
{
    Ship* hunter = AddShip("hunter", "blg", {0, 0, 0});
    std::vector<Ship*> enemies{AddShip("a", "ytg", {0, 0, 100}), AddShip("b", "ytg", {0, 0, 200}),
                               AddShip("c", "default", {0, 0, 300})};
    std::vector<int> picked(enemies.size());
    for (int i = 0; i < 300; ++i)
    {
        Ship* target = Manager().GetBestNearestTarget(hunter, false);
        picked[std::find(enemies.begin(), enemies.end(), target) - enemies.begin()]++;
    }
    for (int count : picked)
        EXPECT_GT(count, 50);
}

TEST_F(EntityManagerTest, RemovedShipLeavesItsFractionAndFormation)
{
    Ship* leader = AddShip("leader", "ytg", {0, 0, 0});
    Ship* first = AddShip("first", "ytg", {0, 0, -100});
    Ship* second = AddShip("second", "ytg", {0, 0, -200});
    EntityOf(first).SetFollowLeader(&EntityOf(leader));
    EntityOf(second).SetFollowLeader(&EntityOf(leader));
    ShipEntity& lead = EntityOf(leader);
    const size_t registered = Manager().allShips().size();

    Manager().RemoveShip(first);
    EXPECT_EQ(nullptr, first->GetEntity());
    EXPECT_FALSE(Manager().GetFractionByName("ytg")->HasShip(first));
    EXPECT_EQ(registered - 1, Manager().allShips().size());
    EXPECT_EQ(nullptr, Manager().GetEntityByName("first"));
    ASSERT_EQ(1u, lead.GetFollowers().size());
    EXPECT_EQ(0, EntityOf(second).GetFormationSlot());
    Manager().RemoveShip(first); // again: nothing
    for (int i = 0; i < 3; ++i)
        Frame();
}

TEST_F(EntityManagerTest, AShipFreedAtOnceIsDroppedByEveryEntityThatHeldIt)
{
    TestShip* gone = AddShip("gone", "ytg", {0, 0, 0});
    Ship* hunter = AddShip("hunter", "blg", {0, 0, 300});
    Ship* wingman = AddShip("wingman", "ytg", {0, 0, -100});
    Ship* guard = AddShip("guard", "ytg", {0, 0, -200});
    EntityOf(hunter).SetTarget(gone);
    EntityOf(wingman).SetFollowLeader(&EntityOf(gone));
    EntityOf(guard).SetEscort(&EntityOf(gone), 500);
    ShipEntity& hunting = EntityOf(hunter);
    ShipEntity& following = EntityOf(wingman);
    ShipEntity& guarding = EntityOf(guard);

    std::erase(ships, gone);
    game.GetLevel()->DestroyActor(gone, true);
    EXPECT_EQ(nullptr, Manager().GetEntityByName("gone"));
    EXPECT_EQ(nullptr, hunting.GetTarget());
    EXPECT_EQ(nullptr, following.GetLeader());
    EXPECT_EQ(nullptr, guarding.GetEscortTarget());
    for (int i = 0; i < 3; ++i)
        Frame(); // nothing reads the freed ship
}

TEST(Fraction, DestroyShipMovesTheLastIntoItsPlace)
{
    Ship a, b, c, absent;
    Fraction fraction;
    fraction.SetName("a name longer than sixty-three characters is cut where the record ends!!");
    EXPECT_EQ(63u, std::string(fraction.GetName()).size());
    for (Ship* ship : {&a, &b, &c})
        fraction.AddShip(ship);
    fraction.DestroyShip(&absent);
    fraction.DestroyShip(&a);
    ASSERT_EQ(2u, fraction.GetShipCount());
    EXPECT_EQ(&c, fraction.GetShip(0));
    EXPECT_EQ(&b, fraction.GetShip(1));
    fraction.Clear();
    EXPECT_EQ(0u, fraction.GetShipCount());
    EXPECT_EQ(63u, std::string(fraction.GetName()).size());
}
