// The demo mission flown by its AI with nobody at the controls: the Ytg fighters go for the
// player, its Blg wingmen escort it and engage them. Every AI mode change is printed as it
// happens, and every frame checks that no ship's pose is other than a number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "MissionFixture.h"
#include "foundation/base/Random.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "services/physics/PhysicsActor.h"

using namespace Pelloris;

namespace {

struct ModeChange
{
    float time;
    std::string ship;
    eShipMode from, to;
};

bool PoseIsFinite(const Ship& ship)
{
    const PhysicsActor* body = ship.GetPhysEntity();
    if (!body)
        return true;
    const Matrix pose = body->GetGlobalPose();
    for (float value : pose.m)
    {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

class DemoMissionAiTest : public MissionFixture
{};

} // namespace

TEST_F(DemoMissionAiTest, EnemyFightersEngageThePlayerAndItsWingmen)
{
    LogWatch log;
    EngineSeed(1);
    level.LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
    level.Initialize();
    ASSERT_TRUE(FinishLoading());
    const Ship* player = level.GetPlayer() ? level.GetPlayer()->GetShip() : nullptr;
    if (!player)
        GTEST_SKIP() << "the mission has no player's ship";

    const EntityManager& manager = *EntityManager::GetInstance();
    std::map<const ShipEntity*, eShipMode> modes;
    std::vector<ModeChange> changes;
    std::map<std::string, int> attacksOnPlayer, attacksOnYtg;
    const float frame = 1.0f / 30;
    for (int i = 0; i < 30 * 40; ++i)
    {
        Frame(frame);
        for (AbstractEntity* listed : manager.allShips())
        {
            const auto* entity = static_cast<const ShipEntity*>(listed);
            const Ship* ship = entity->GetShip();
            if (entity == manager.GetPlayerEntity() || ship->IsDeleted())
                continue;
            ASSERT_TRUE(PoseIsFinite(*ship)) << entity->GetShipName();
            auto known = modes.find(entity);
            if (known != modes.end() && known->second != entity->GetMode())
            {
                changes.push_back({level.GetTime(), entity->GetShipName(), known->second, entity->GetMode()});
                std::printf("%6.2f s  %-20s mode %2d -> %2d\n", level.GetTime(), entity->GetShipName(), known->second,
                            entity->GetMode());
            }
            modes[entity] = entity->GetMode();
            if (entity->GetMode() == MODE_ATTACK && entity->GetTarget() == player)
                attacksOnPlayer[entity->GetShipName()]++;
            if (entity->GetMode() == MODE_ATTACK && entity->GetTarget() && std::string(entity->GetFraction()) == "blg")
                attacksOnYtg[entity->GetShipName()]++;
        }
    }
    auto changed = [&](const char* ship, eShipMode from, eShipMode to) {
        return std::any_of(changes.begin(), changes.end(), [&](const ModeChange& change) {
            return change.ship == ship && change.from == from && change.to == to;
        });
    };
    EXPECT_TRUE(attacksOnPlayer.count("ytg_fighter_02_00")) << "the Ytg attacker goes for the player";
    // It passes the player, breaks away and comes round again.
    EXPECT_TRUE(changed("ytg_fighter_02_00", MODE_ATTACK, MODE_EVADE));
    EXPECT_TRUE(changed("ytg_fighter_02_00", MODE_EVADE, MODE_BACK_ON_TARGET));
    EXPECT_TRUE(changed("ytg_fighter_02_00", MODE_BACK_ON_TARGET, MODE_ATTACK));
    // The wingmen leave their escort for the Ytg fighters, and the patrol finds the player.
    EXPECT_TRUE(changed("blg_fighter_00", MODE_ESCORT, MODE_ATTACK));
    EXPECT_FALSE(attacksOnYtg.empty());
    EXPECT_TRUE(changed("ytg_fighter_02_02", MODE_PATROL_AREA, MODE_ATTACK));
    EXPECT_EQ(0, log.Errors()) << log.All();
}
