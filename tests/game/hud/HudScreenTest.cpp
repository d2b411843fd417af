// The HUD's widgets on the screen with fixed values, drawn by the render device into a
// screenshot: every widget, the target panel scanning a ship ahead, the crosshair's box on it, the
// radar with its blips, and an enemy's message (which nothing in a mission sends yet).
#include "HudTestSupport.h"

#include "game/core/game/Game.h"
#include "game/world/actor/Actor.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "game/ai/LevelLogic.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/level/SingleLevel.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudCrosshair.h"
#include "game/hud/GuiShipHudEnemyMsg.h"
#include "game/hud/GuiShipHudEnergy.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/hud/GuiShipHudWeaponry.h"
#include "game/hud/HudServices.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"

#include <algorithm>
#include <string>

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

bool Cyanish(uint32_t rgb) { return (rgb & 0xFF) > 120 && (rgb >> 16 & 0xFF) < 100; }
// Red or yellow, as the target box is.
bool Reddish(uint32_t rgb) { return (rgb >> 16 & 0xFF) > 150 && (rgb & 0xFF) < 100; }

// Whether any pixel of the box (clipped to the screen) is of that colour.
bool AnyOf(const Screenshot& shot, int x0, int y0, int x1, int y1, bool (*colour)(uint32_t))
{
    for (int y = std::max(y0, 0); y < std::min(y1, shot.height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, shot.width); ++x)
            if (colour(shot.At(x, y)))
                return true;
    return false;
}

bool AnyCyan(const Screenshot& shot, int x0, int y0, int x1, int y1) { return AnyOf(shot, x0, y0, x1, y1, Cyanish); }

} // namespace

TEST_F(HudScreenTest, TheHudShowsOnTheScreen)
{
    // An enemy fighter ahead (with a ship model where it flies, while the world draws none), two
    // more around, a large ship behind, and a global target off to the left.
    const Vec3 places[4] = {Vec3(60.0f, 20.0f, 400.0f), Vec3(-2500.0f, 400.0f, 3000.0f),
                            Vec3(1800.0f, -300.0f, -2500.0f), Vec3(-1000.0f, -200.0f, -4000.0f)};
    std::string level;
    for (int i = 0; i < 3; ++i)
        level += ShipEntry("ytg_" + std::to_string(i), "ytg_fighter_02", places[i]);
    level += ShipEntry("large", "ytg_sush_02", places[3]);
    ASSERT_TRUE(HudGame::StartMission(_clock, level));
    SingleLevel* mission = game.GetLevel();
    Actor* ships[4] = {
        mission->GetActorByClassname("ShipYtgFighter02", 0), mission->GetActorByClassname("ShipYtgFighter02", 1),
        mission->GetActorByClassname("ShipYtgFighter02", 2), mission->GetActorByClassname("ShipYtgSush02", 0)};
    for (Actor* ship : ships)
        ASSERT_NE(ship, nullptr);
    auto* target = static_cast<Ship*>(ships[0]);
    LookAlongZ();

    GuiShipHudRadar radar;
    radar.Load();
    GuiShipHudTargetInfo panel;
    panel.Load();
    GuiShipHudCrosshair crosshair;
    crosshair.Load();
    crosshair.LoadCursorTexture("gui_hud_crosshair_01.dds");
    GuiShipHudTextMessage strip;
    strip.Load();
    strip.Show("Fly with your gang to YTG Transport!", 30.0f, true, 6);
    GuiShipHudStats stats;
    stats.Load();
    GuiShipHudEnergy energy;
    energy.Load();
    GuiShipHudSpeed speed;
    speed.Load();
    GuiShipHudUser user;
    user.Load();
    user.SetPartHealth(1, 0.4f);
    user.SetPartHealth(4, 0.05f);
    GuiShipHudWeaponry weaponry;
    weaponry.Load();
    weaponry.SetCount1(-1);
    weaponry.SetCount2(-1);
    weaponry.SetCount3(8);
    weaponry.SetCount4(2);
    GuiShipHudEnemyMsg enemy;
    enemy.Load();
    enemy.ShowMessage("Turn back, pilot. This sector is ours.", 20.0f);
    GuiShipHudSpeed::Flight flight;
    flight.mode = 1;
    flight.current = 80.0f;
    flight.desired = 70.0f;
    flight.energy = 1.0f;
    flight.speedPerc = 70.0f;
    stats.SetEntry("2", "Cargoship", "YTG", "gui//icons//icon2.mat", 2, 2);
    stats.SetEntry("5", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 6);

    target->SetMaximumShield(100.0f);
    target->SetCurrentShield(70.0f);
    target->SetMaximumArmor(100.0f);
    target->SetCurrentArmor(40.0f);
    target->SetMaximumStructure(100.0f);
    target->SetCurrentStructure(100.0f);
    LevelLogic logic;
    std::unique_ptr<Ship> player = ShipAt(Vec3(0.0f, 0.0f, 0.0f));
    player->SetMaximumShield(100.0f);
    player->SetCurrentShield(60.0f);
    player->SetMaximumArmor(100.0f);
    player->SetCurrentArmor(90.0f);
    player->SetMaximumStructure(100.0f);
    player->SetCurrentStructure(100.0f);
    player->SetTarget(target);
    RenderScene* scene = game.GetRenderScene();
    Model* model = scene->CreateModel("demo_ship.mod", SL_STAGE);
    ASSERT_NE(model, nullptr);
    model->SetPosition(places[0]);
    model->SetScale(3.0f, 3.0f, 3.0f);
    scene->SetSunDirection(0, Vec3(-0.3f, -0.6f, 1.0f));
    scene->SetSunDiffuse(0, Color(1.0f, 0.95f, 0.9f, 1.0f), 1.2f);
    scene->SetSunAmbient(0, Color(0.3f, 0.35f, 0.45f, 1.0f), 1.0f);

    // Into the scan, with the message typed out; the mission's clock is the game's.
    Screenshot shot;
    for (int frame = 0; frame < 36; ++frame)
    {
        GlobalLevelTarget* global = logic.AddGlobalTarget();
        global->position = Vec3(-900.0f, 50.0f, 600.0f);
        global->arrow = true;
        global->color = Color(0.2f, 1.0f, 0.3f, 1.0f);
        for (int i = 0; i < 4; ++i) // where the test wants them, whatever the mission did
            ships[i]->GetRoot().Pos() = places[i];
        Tick(0.05f);
        // In the HUD's order.
        radar.Proceed();
        speed.Proceed(flight);
        user.Proceed(player.get());
        panel.Proceed(target);
        crosshair.Proceed(player.get(), &logic);
        weaponry.SendState();
        energy.ShowLevel(0.7f);
        strip.Proceed();
        enemy.Proceed();
        stats.Proceed();
        logic.RemoveAllGlobalTargets();
        if (frame < 35)
            game.Proceed();
    }
    ASSERT_TRUE(HudGame::TakeScreenshot("hud_screen", shot));
    scene->DestroyModel(model);
    HudGame::EndMission(_clock);
    ASSERT_EQ(shot.width, 1024);
    const float s = Hud::Scale();
    const Vec2 centre(Hud::ScreenWidth() / 2, Hud::ScreenHeight() / 2);
    // The strip's frame under the screen's middle, the statistics at the top right, the target
    // panel at the bottom left, the reticle in the middle and the radar at the bottom centre.
    EXPECT_TRUE(AnyCyan(shot, 300, int(650 * s), 724, int(700 * s))) << "message strip";
    EXPECT_TRUE(AnyCyan(shot, 850, 0, 1024, 140)) << "statistics";
    EXPECT_TRUE(AnyCyan(shot, 0, int(730 * s), int(380 * s), 768)) << "target panel";
    EXPECT_TRUE(AnyCyan(shot, int(centre.x) - 40, int(centre.y) - 40, int(centre.x) + 40, int(centre.y) + 40))
        << "reticle";
    EXPECT_TRUE(AnyCyan(shot, int(560 * s), int(760 * s), int(720 * s), int(920 * s))) << "radar";
    EXPECT_TRUE(AnyCyan(shot, int(900 * s), int(720 * s), 1024, 768)) << "own ship";
    EXPECT_TRUE(AnyCyan(shot, int(350 * s), int(870 * s), int(580 * s), int(930 * s))) << "speed";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// The demo mission with the HUD its player owns: the radar tracks the mission's Ytg fighters, the
// strip shows the briefing line, and the target the player picks gets its panel and its box.
TEST_F(HudScreenTest, TheDemoMissionShowsTheHud)
{
    SingleLevel* level = game.GetLevel();
    ASSERT_NE(level, nullptr);
    level->LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
    for (int frame = 0; frame < 40 && !level->IsLoaded(); ++frame)
    {
        Tick(0.1f);
        game.Proceed();
    }
    ASSERT_TRUE(level->IsLoaded());
    Player* player = level->GetPlayer();
    ASSERT_NE(player, nullptr);
    PlayerShip* ship = player->GetShip();
    GuiShipHud* hud = player->GetHUD();
    ASSERT_NE(ship, nullptr);
    ASSERT_NE(hud, nullptr);

    hud->GetTextMsg()->Show("Clear the rock field of Ytg fighters", 30.0f, true, 4);
    hud->GetStatsHud()->SetEntry("5", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1,
                                 level->GetActorCountByClassname("ShipYtgFighter02"));
    for (int frame = 0; frame < 30; ++frame)
    {
        Tick(0.1f);
        game.Proceed();
    }
    EXPECT_EQ(hud->GetRadar()->GetContacts().size(), 3u) << "the three Ytg fighters of the normal difficulty";
    const Ship* target = ship->GetTarget();
    ASSERT_NE(target, nullptr) << "the player picks a visible enemy";
    Tick(0.1f);
    Screenshot shot;
    ASSERT_TRUE(HudGame::TakeScreenshot("hud_demo_mission", shot));
    const float s = Hud::Scale();
    const Vec2 centre(Hud::ScreenWidth() / 2, Hud::ScreenHeight() / 2);
    EXPECT_TRUE(AnyCyan(shot, 300, int(650 * s), 724, int(700 * s))) << "message strip";
    EXPECT_TRUE(AnyCyan(shot, int(560 * s), int(760 * s), int(720 * s), int(920 * s))) << "radar";
    EXPECT_TRUE(AnyCyan(shot, int(900 * s), int(720 * s), 1024, 768)) << "own ship";
    EXPECT_TRUE(AnyCyan(shot, 0, int(730 * s), int(380 * s), 768)) << "target panel";
    EXPECT_TRUE(AnyCyan(shot, int(centre.x) - 40, int(centre.y) - 40, int(centre.x) + 40, int(centre.y) + 40))
        << "reticle";
    // The box turns about the target, yellow while it is scanned and red after.
    const Vec2 box = hud->GetCrosshairsHud()->GetTargetScreenPos();
    EXPECT_TRUE(AnyOf(shot, int(box.x) - 40, int(box.y) - 40, int(box.x) + 40, int(box.y) + 40, Reddish))
        << "target box at " << box.x << "," << box.y;

    HudGame::EndMission(_clock);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
