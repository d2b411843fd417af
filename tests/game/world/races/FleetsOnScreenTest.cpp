// The fleets level on screen: one ship of every race class under the nebula sky among debris
// fields, run by the whole game for 600 frames without an error. The view after the fade-in,
// before the fighters fly off to fight, is kept as "races_shots/fleets.bmp" in the build folder.
#include <gtest/gtest.h>

#include <string>

#include "CoreTestSupport.h"
#include "DemoOnScreen.h"
#include "StartedMission.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/environment/DebrisField.h"

namespace {

class FleetsOnScreenTest : public DemoOnScreenTest
{
protected:
    FleetsOnScreenTest() : DemoOnScreenTest("races_shots") {}
};

} // namespace

TEST_F(FleetsOnScreenTest, EveryRaceClassUnderTheSkyAmongDebris)
{
    LogWatch log;
    SingleLevel* level = game.GetLevel();
    ASSERT_NE(nullptr, level);
    level->LoadLevel("fleets.lua", "fleets_desc.lua", "fleets_logic.lua");
    // 600 frames of a thirtieth of a second: loading and the fade-in, then the fleets at war.
    Run(3);
    ASSERT_TRUE(level->IsLoaded());
    EXPECT_STREQ("level", game.GetGameFrameManager()->GetCurrent()->GetName());

    for (const char* classname :
         {"ShipYtgSush02", "ShipYtgDrTr02", "ShipYtgBrrk00", "ShipYtgScStation00", "ShipYtgFighter02",
          "ShipBlgFighter00", "ShipBlgFighter01", "ShipBlgFighter02", "ShipBlgFighter03", "ShipBlgCruiser02",
          "ShipRtbCruiser00", "ShipRtbFighter02", "ShipRtbFighter03"})
        EXPECT_EQ(1u, level->GetActorCountByClassname(classname)) << classname;
    EXPECT_EQ(1u, level->GetActorCountByClassname("Background"));
    ASSERT_EQ(2u, level->GetActorCountByClassname("DebrisField"));
    for (unsigned i = 0; i < 2; ++i)
        EXPECT_TRUE(static_cast<DebrisField*>(level->GetActorByClassname("DebrisField", i))->IsPopulated());

    const std::vector<uint32_t> shot = Shot("fleets");
    // The sky fills the frame: hardly a pixel stays black.
    unsigned black = 0;
    for (uint32_t pixel : shot)
        black += (pixel & 0xFFFFFF) == 0;
    EXPECT_LT(black, shot.size() / 20);
    // The war drawn every tenth frame: no assertion looks at it, but its drawing logs no error.
    Run(17, 10);
    EXPECT_STREQ("level", game.GetGameFrameManager()->GetCurrent()->GetName());

    EXPECT_EQ(0, log.Errors()) << log.All();
    EXPECT_EQ(std::string::npos, GetStartedGame()->Data().Read("game.log").find("ERROR"));
}
