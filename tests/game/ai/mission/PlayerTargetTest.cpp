// The entity manager's target choice for the player's ship and for the Ytg fighters that hunt
// it, and the player's entity, in missions of the started game.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "MissionFixture.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "services/physics/PhysicsActor.h"

using namespace Pelloris;

namespace {

// A fighter entry at the position, in the fraction, with an optional task.
std::string FighterEntry(const std::string& name, const char* fraction, float x, float y, float z,
                         const std::string& task = "")
{
    char text[512];
    std::snprintf(text, sizeof text,
                  "{ classname = \"ship\"; prototype = \"ytg_fighter_02\"; name = \"%s\"; fraction = \"%s\"; "
                  "position = { x = %g; y = %g; z = %g }; %s }",
                  name.c_str(), fraction, x, y, z, task.c_str());
    return Entry("obj_" + name, text);
}

// At the distance, the angle off the player's nose (which points along +z).
std::string OffTheNose(const std::string& name, float degrees, float distance)
{
    const float radians = degrees * 3.14159265f / 180;
    return FighterEntry(name, "ytg", distance * std::sin(radians), 0, distance * std::cos(radians));
}

class PlayerTargetTest : public MissionFixture
{
protected:
    // Starts the mission with the player at the origin facing +z and runs it past loading;
    // false without a player's ship.
    bool Run(const std::string& ships)
    {
        Start(Entry("obj_player", "{ classname = \"player\" }") + ships);
        player = FinishLoading() && level.GetPlayer() ? level.GetPlayer()->GetShip() : nullptr;
        return player != nullptr;
    }
    Ship* ShipNamed(const char* name) const { return static_cast<Ship*>(level.GetActor(name)); }
    static EntityManager& Manager() { return *EntityManager::GetInstance(); }

    Ship* player = nullptr;
};

} // namespace

TEST_F(PlayerTargetTest, TheNearestTargetIsTheOneNearestTheCrosshair)
{
    if (!Run(OffTheNose("ten", 10, 3000) + OffTheNose("forty", 40, 400) + OffTheNose("behind", 180, 100) +
             OffTheNose("station", 1, 2000)))
        GTEST_SKIP() << "the mission has no player's ship";
    ShipNamed("station")->RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    EXPECT_EQ(ShipNamed("ten"), Manager().GetBestNearestTarget(player, false));
    EXPECT_NEAR(-std::cos(10 * 3.14159265f / 180), ShipNamed("ten")->GetAimKey(), 1e-3f);
    EXPECT_NEAR(1, ShipNamed("behind")->GetAimKey(), 1e-3f);
    EXPECT_EQ(4u, Manager().GetEnemyCount(player)); // the station counts as an enemy
}

TEST_F(PlayerTargetTest, VisibleTargetsCycle)
{
    if (!Run(OffTheNose("a", 5, 1000) + OffTheNose("b", 15, 1000) + OffTheNose("c", 25, 1000)))
        GTEST_SKIP() << "the mission has no player's ship";
    const Fraction* ytg = Manager().GetFractionByName("ytg");
    ASSERT_EQ(3u, ytg->GetShipCount());
    Ship* first = ytg->GetShip(0);
    Ship* second = ytg->GetShip(1);
    Ship* third = ytg->GetShip(2);
    player->SetTarget(nullptr);
    EXPECT_EQ(first, Manager().GetBestVisibleTarget(player));
    player->SetTarget(third);
    EXPECT_EQ(first, Manager().GetBestVisibleTarget(player));
    player->SetTarget(second);
    EXPECT_EQ(third, Manager().GetBestVisibleTarget(player));
}

TEST_F(PlayerTargetTest, YtgFightersHuntThePlayerWhileItIsInRange)
{
    // The Blg fighter is nearer the hunter, but the player is within its 4000.
    if (!Run(FighterEntry("hunter", "ytg", 0, 0, 3000) + FighterEntry("escort", "blg", 0, 0, 2900)))
        GTEST_SKIP() << "the mission has no player's ship";
    Ship* hunter = ShipNamed("hunter");
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(player, Manager().GetBestNearestTarget(hunter, false));
    player->GetRoot().Translate(Vec3(0, 0, -1001));
    EXPECT_EQ(ShipNamed("escort"), Manager().GetBestNearestTarget(hunter, false));
}

TEST_F(PlayerTargetTest, ThePlayersEntityFollowsItsShipAndCanBeEscorted)
{
    if (!Run(FighterEntry("wingman", "blg", 300, 0, 0,
                          "task = { type = \"escort_the_target\"; target = \"PlayerShip\"; radius = 200 };") +
             FighterEntry("hunter", "ytg", 0, 0, 3000,
                          "task = { type = \"attack_the_target\"; target = \"PlayerShip\" };")))
        GTEST_SKIP() << "the mission has no player's ship";
    ShipEntity* own = Manager().GetPlayerEntity();
    ASSERT_NE(nullptr, own);
    EXPECT_EQ(player, own->GetShip());
    EXPECT_EQ(own, player->GetEntity());
    EXPECT_STREQ("player", own->GetFraction());
    EXPECT_EQ(own, Manager().GetEntityByName("PlayerShip"));
    EXPECT_EQ(player, ShipNamed("wingman")->GetEntity()->GetEscortTarget());
    EXPECT_EQ(player, ShipNamed("hunter")->GetEntity()->GetTarget());

    // Placed each frame from the ship as the frame before left it.
    Vec3 raised(0, 50, 0);
    player->GetPhysEntity()->SetGlobalPosition(raised);
    Frame(0.1f);
    Frame(0.1f);
    EXPECT_NEAR(0, Distance(own->GetPosition(), SteerVec3(player->GetPosition())), 1.0f);
    EXPECT_NEAR(50, own->GetPosition().y, 1.0f);
    EXPECT_EQ(MODE_IDLE, own->GetMode()); // the player's entity is never steered
}

TEST_F(PlayerTargetTest, WithTheAiOffShipsKeepTheirOwnBodies)
{
    level.SetDisableAI(true);
    if (!Run(FighterEntry("idle", "ytg", 0, 0, 3000,
                          "task = { type = \"attack_the_target\"; target = \"PlayerShip\" };")))
        GTEST_SKIP() << "the mission has no player's ship";
    Ship* idle = ShipNamed("idle");
    EXPECT_EQ(nullptr, idle->GetEntity());
    ASSERT_NE(nullptr, idle->GetPhysEntity());
    EXPECT_FALSE(idle->GetPhysEntity()->readBodyFlag(NX_BF_KINEMATIC));
    EXPECT_EQ(0u, Manager().GetEnemyCount(player)); // nobody put it in a fraction
    for (int i = 0; i < 10; ++i)
        Frame(0.1f);
    EXPECT_EQ(nullptr, player->GetTarget());
}
