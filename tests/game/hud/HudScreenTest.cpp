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
#include "layers/widgets/GuiWidget.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"

#include <algorithm>
#include <cmath>
#include <map>
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

// Red or yellow, as the target box is.
bool Reddish(uint32_t rgb) { return (rgb >> 16 & 0xFF) > 150 && (rgb & 0xFF) < 100; }
// The HUD's own colours: its cyan lines and its green bars.
bool HudColour(uint32_t rgb)
{
    const int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    return (b > 150 && g > 110 && r < 120) || (g > 150 && r < 100 && b < 100);
}
// The booster's orange ring.
bool Orange(uint32_t rgb)
{
    const int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    return r > 200 && g > 100 && g < 200 && b < 90;
}

// Plain red, as the box about a scanned target is.
bool Red(uint32_t rgb) { return (rgb >> 16 & 0xFF) > 150 && (rgb >> 8 & 0xFF) < 90 && (rgb & 0xFF) < 90; }
bool HudOrRed(uint32_t rgb) { return HudColour(rgb) || Reddish(rgb); }

struct Box
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // x1, y1 past the last pixel
    int Width() const { return x1 - x0; }
    int Height() const { return y1 - y0; }
    float CentreX() const { return 0.5f * float(x0 + x1); }
};

// A design rectangle (1280 x 960 units, placed by its alignment) on the screen, rounded outwards.
Box OnScreen(float x, float y, float width, float height, int align)
{
    const Vec2 a = Gui::ScreenPos(Vec2(x, y), align), b = Gui::ScreenPos(Vec2(x + width, y + height), align);
    return {int(std::floor(a.x)), int(std::floor(a.y)), int(std::ceil(b.x)), int(std::ceil(b.y))};
}

// The bounding box of the pixels of that colour within the area (clipped to the screen); empty
// (all zero) when there are none.
Box Drawn(const Screenshot& shot, const Box& area, bool (*colour)(uint32_t))
{
    Box box{shot.width, shot.height, 0, 0};
    for (int y = std::max(area.y0, 0); y < std::min(area.y1, shot.height); ++y)
        for (int x = std::max(area.x0, 0); x < std::min(area.x1, shot.width); ++x)
            if (colour(shot.At(x, y)))
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1), std::max(box.y1, y + 1)};
    return box.x1 > box.x0 ? box : Box();
}

// An element of the HUD: where its frame stands by design, and the box its drawing fills within
// it, in design units.
struct Element
{
    const char* name;
    float x, y, width, height;
    int align;
    float drawnX, drawnY, drawnWidth, drawnHeight;
    bool (*colour)(uint32_t) = HudColour;
    int slack = 3; // pixels
};

// Looks for the element's colour within its frame: the box it fills must be where the design
// puts the drawing, at its size, to within `slack` pixels.
Box ExpectInPlace(const Screenshot& shot, const Element& e)
{
    const int slack = e.slack;
    const Box found = Drawn(shot, OnScreen(e.x, e.y, e.width, e.height, e.align), e.colour);
    const Box want = OnScreen(e.drawnX, e.drawnY, e.drawnWidth, e.drawnHeight, e.align);
    EXPECT_NEAR(found.x0, std::max(want.x0, 0), slack) << e.name << " left";
    EXPECT_NEAR(found.y0, std::max(want.y0, 0), slack) << e.name << " top";
    EXPECT_NEAR(found.x1, std::min(want.x1, shot.width), slack) << e.name << " right";
    EXPECT_NEAR(found.y1, std::min(want.y1, shot.height), slack) << e.name << " bottom";
    return found;
}

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
    // Each element drawn where its design frame puts it, at its size: the frame and the box its
    // colours fill, in design units. The message strip's ends are tall pictures with the strip
    // across their middle: its frame is that band.
    const Element elements[] = {
        {"target panel", 0, 725, 385, 220, GA_LEFT, 18, 741, 368, 188},
        {"own ship", 886, 715, 400, 230, GA_RIGHT, 885, 754, 391, 180},
        {"weaponry", 761, 759, 160, 120, GA_CENTER, 760, 764, 145, 116},
        {"radar", 545, 742, 188, 188, GA_CENTER, 545, 750, 189, 180},
        {"speed", 340, 864, 600, 90, GA_CENTER, 350, 864, 590, 86},
        {"energy", 433, 776, 128, 128, GA_CENTER, 484, 789, 62, 62, Orange},
        {"message strip", 330, 645, 746, 65, GA_CENTER, 361, 658, 558, 45},
        {"statistics", 1015, 0, 256, 250, GA_LEFT, 1096, 21, 170, 140},
        {"enemy message", 8, 520, 224, 196, GA_LEFT, 9, 521, 222, 192, HudOrRed},
    };
    std::map<std::string, Box> drawn;
    for (const Element& element : elements)
        drawn[element.name] = ExpectInPlace(shot, element);
    // Six pieces of 60 design units between the ends, centred under the screen's middle.
    EXPECT_NEAR(drawn["message strip"].CentreX(), 512, 2);
    // The statistics stand against the top right corner, the enemy's box over the target panel.
    EXPECT_GT(drawn["statistics"].x1, 1000);
    EXPECT_LT(drawn["enemy message"].y1, drawn["target panel"].y0);
    EXPECT_LT(drawn["radar"].x1, drawn["weaponry"].x0);
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
    // As in the test above; the strip has four pieces.
    const Element elements[] = {
        {"target panel", 0, 725, 385, 220, GA_LEFT, 4, 729, 381, 205},
        {"own ship", 886, 715, 400, 230, GA_RIGHT, 885, 766, 309, 114},
        {"weaponry", 761, 759, 160, 120, GA_CENTER, 764, 764, 141, 100},
        {"radar", 545, 742, 188, 188, GA_CENTER, 551, 798, 174, 125},
        {"speed", 340, 864, 600, 90, GA_CENTER, 399, 864, 481, 86},
        {"energy", 433, 776, 128, 128, GA_CENTER, 485, 790, 60, 61, Orange},
        {"message strip", 390, 645, 626, 65, GA_CENTER, 421, 658, 438, 45},
        {"statistics", 1015, 0, 256, 250, GA_LEFT, 1125, 21, 140, 59},
        {"left shield arc", 235, 316, 450, 330, GA_CENTER, 284, 324, 401, 305},
        // The first fighter's axes and engine glow stand at the arc's right end in this opening,
        // and the glow's faint rim decides that edge: it is read less closely.
        {"right shield arc", 874, 373, 150, 215, GA_CENTER, 908, 382, 111, 176, HudColour, 6},
        {"reticle", 576, 415, 128, 128, GA_CENTER, 596.25f, 449, 91.75f, 78},
    };
    std::map<std::string, Box> drawn;
    for (const Element& element : elements)
        drawn[element.name] = ExpectInPlace(shot, element);
    // The strip, the radar and the reticle stand on the screen's middle; the energy ring, the
    // radar, the weaponry and the own-ship panel follow each other from left to right.
    for (const char* middle : {"message strip", "radar", "reticle"})
        EXPECT_NEAR(drawn[middle].CentreX(), 512, 2) << middle;
    EXPECT_LT(drawn["energy"].x1, drawn["radar"].x0);
    EXPECT_LT(drawn["radar"].x1, drawn["weaponry"].x0);
    EXPECT_LT(drawn["reticle"].y1, drawn["message strip"].y0);
    EXPECT_LT(drawn["message strip"].y1, drawn["radar"].y0);
    // The box turns about the target, yellow while it is scanned and red after.
    const Vec2 box = hud->GetCrosshairsHud()->GetTargetScreenPos();
    const Box corners = Drawn(shot, Box{int(box.x) - 48, int(box.y) - 48, int(box.x) + 48, int(box.y) + 48}, Red);
    EXPECT_NEAR(corners.CentreX(), box.x, 2) << "the box about the target";
    EXPECT_NEAR(0.5f * float(corners.y0 + corners.y1), box.y, 2) << "the box about the target";
    EXPECT_NEAR(corners.Width(), 49, 3);
    EXPECT_NEAR(corners.Height(), 42, 3);

    HudGame::EndMission(_clock);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
