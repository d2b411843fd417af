// Ships of hostile fractions hurt each other by their own fire, in the game's own mission frame
// run frame by frame: the demo's wingmen fight the Ytg fighters that come for the player, and
// Blg fighters destroy a Ytg fighter within a minute. Nobody is at the player's controls, and
// nobody looks at the picture: the frames are not drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "CoreTestSupport.h"
#include "WorldTestSupport.h"
#include "foundation/base/Random.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/ships/Ship.h"

using namespace Pelloris;

namespace {

class AiFireTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!started.Started())
            GTEST_SKIP() << "no display: " << started.Error();
        EngineSeed(1);
    }

    bool Load(const std::string& name)
    {
        SingleLevel& level = *game.GetLevel();
        level.LoadLevel((name + ".lua").c_str(), (name + "_desc.lua").c_str(), (name + "_logic.lua").c_str());
        for (int i = 0; i < 400 && !level.IsLoaded(); ++i)
            Frame();
        return level.IsLoaded();
    }

    void Frame()
    {
        clock.Tick(1.0f / 30);
        game.ProceedUndrawn();
    }

    // The AI ships of the mission, the player's left out.
    template <class Visit>
    void ForEachAiShip(Visit visit)
    {
        const EntityManager& manager = *EntityManager::GetInstance();
        for (AbstractEntity* listed : manager.allShips())
        {
            const auto* entity = static_cast<const ShipEntity*>(listed);
            if (entity != manager.GetPlayerEntity() && entity->GetShip())
                visit(*entity, *entity->GetShip());
        }
    }

    StartedGame started;
    FrameClock clock;
};

std::string Attacker(const char* name, int x)
{
    return "Level.obj_" + std::string(name) + " = { classname = \"ship\"; prototype = \"blg_fighter_00\"; name = \"" +
           name + "\"; fraction = \"blg\"; position = { x = " + std::to_string(x) +
           "; y = 0; z = 0 }; task = { type = \"attack_the_target\"; target = \"ytg\" } };\n";
}

} // namespace

TEST_F(AiFireTest, TheDemoWingmenFightTheYtgFighters)
{
    ASSERT_TRUE(Load("demo"));
    std::map<std::string, int> firing;
    float ytgShieldLost = 0;
    for (int i = 0; i < 30 * 40; ++i)
    {
        Frame();
        ForEachAiShip([&](const ShipEntity& entity, const Ship& ship) {
            if (ship.IsShooting())
                firing[entity.GetShipName()]++;
            if (std::string(entity.GetFraction()) == "ytg")
                ytgShieldLost = std::max(ytgShieldLost, ship.GetMaximumShield() - ship.GetCurrentShield());
        });
    }
    // Each wingman stays on an enemy long enough to fire for seconds, and the fire tells.
    EXPECT_GT(firing["blg_fighter_00"], 90);
    EXPECT_GT(firing["blg_fighter_01"], 90);
    EXPECT_GT(ytgShieldLost, 50);
}

TEST_F(AiFireTest, BlgFightersDestroyAYtgFighterWithinAMinute)
{
    // The player far off; the Ytg fighter flies its patrol track and answers nobody.
    started.Data().WriteLevel(
        "duel.lua",
        "Level.obj_player = { classname = \"player\"; position = { x = 0; y = 0; z = -6000 } };\n" +
            Attacker("blg_a", -60) + Attacker("blg_b", 0) + Attacker("blg_c", 60) +
            "Level.obj_ytg = { classname = \"ship\"; prototype = \"ytg_fighter_02\"; name = \"ytg\"; fraction = "
            "\"ytg\"; position = { x = 0; y = 0; z = 800 }; task = { type = \"stay_on_track\"; target = \"ring\"; "
            "looped = \"1\"; radius = \"100\" } };\n"
            "Level.obj_ring = { classname = \"track\"; name = \"ring\"; speed = \"150\"; "
            "Point00 = { i = 0; x = 0; y = 0; z = 800 }; Point01 = { i = 1; x = 800; y = 0; z = 1600 }; "
            "Point02 = { i = 2; x = 0; y = 0; z = 2400 }; Point03 = { i = 3; x = -800; y = 0; z = 1600 } };\n");
    started.Data().WriteLevel("duel_desc.lua", "");
    started.Data().WriteLevel("duel_logic.lua", "");
    ASSERT_TRUE(Load("duel"));
    const ShipEntity* entity = EntityManager::GetInstance()->GetEntityByName("ytg");
    ASSERT_NE(nullptr, entity);
    const Ship& ytg = *entity->GetShip();

    int frames = 0;
    for (; !ytg.IsDead() && frames < 30 * 60; ++frames)
        Frame();
    EXPECT_TRUE(ytg.IsDead()) << "after a minute: shield " << ytg.GetCurrentShield() << ", armour "
                              << ytg.GetCurrentArmor() << ", structure " << ytg.GetCurrentStructure();
    std::printf("the Ytg fighter is destroyed after %.1f s\n", static_cast<float>(frames) / 30);
}
