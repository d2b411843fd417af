// The HUD's panels on the screen: the target panel scanning a ship ahead, the message strip and
// the statistics column, drawn by the render device into a screenshot.
#include "HudTestSupport.h"

#include "game/core/game/Game.h"
#include "game/world/ships/Ship.h"
#include "gui/hud/GuiShipHudStats.h"
#include "gui/hud/GuiShipHudTargetInfo.h"
#include "gui/hud/GuiShipHudTextMessage.h"
#include "gui/hud/HudServices.h"

#include <algorithm>

namespace {

class HudScreenTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        HudPaint::SetTarget(nullptr); // drawn for real
        LookAlongZ();
    }
};

int Brightest(uint32_t rgb) { return std::max({int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)}); }
bool Cyanish(uint32_t rgb) { return (rgb & 0xFF) > 120 && (rgb >> 16 & 0xFF) < 100; }

// Whether any pixel of the box is cyan.
bool AnyCyan(const Screenshot& shot, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Cyanish(shot.At(x, y)))
                return true;
    return false;
}

} // namespace

TEST_F(HudScreenTest, TargetPanelStripAndStatisticsShowOnTheScreen)
{
    GuiShipHudTargetInfo panel;
    panel.Load();
    GuiShipHudTextMessage strip;
    strip.Load();
    strip.Show("Fly with your gang to YTG Transport!", 30.0f, true, 6);
    GuiShipHudStats stats;
    stats.Load();
    stats.SetEntry("2", "Cargoship", "YTG", "gui//icons//icon2.mat", 2, 2);
    stats.SetEntry("5", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 6);
    std::unique_ptr<Ship> target = ShipAt(Vec3(60.0f, 20.0f, 400.0f));
    target->SetMaximumShield(100.0f);
    target->SetCurrentShield(70.0f);
    target->SetMaximumArmor(100.0f);
    target->SetCurrentArmor(40.0f);
    target->SetMaximumStructure(100.0f);
    target->SetCurrentStructure(100.0f);

    // Into the scan, with the message typed out.
    Screenshot shot;
    for (int frame = 0; frame < 36; ++frame)
    {
        Tick(0.05f);
        panel.Proceed(target.get());
        strip.Proceed();
        stats.Proceed();
        if (frame < 35)
            game.Proceed();
    }
    ASSERT_TRUE(HudGame::TakeScreenshot("hud_panels", shot));
    ASSERT_EQ(shot.width, 1024);
    const float s = Hud::Scale();
    // The strip's frame under the screen's middle, the statistics at the top right, the target
    // panel at the bottom left, and the scanner over the target.
    EXPECT_TRUE(AnyCyan(shot, 300, int(650 * s), 724, int(700 * s))) << "message strip";
    EXPECT_TRUE(AnyCyan(shot, 850, 0, 1024, 140)) << "statistics";
    EXPECT_TRUE(AnyCyan(shot, 0, int(730 * s), int(380 * s), 768)) << "target panel";
    EXPECT_GT(Brightest(shot.At(20, 20)), -1);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
