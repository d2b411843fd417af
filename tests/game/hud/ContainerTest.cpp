// The HUD container: its boxes at two screen sizes, loading, unloading and loading again, and the
// order it proceeds its widgets in.
#include "HudTestSupport.h"

#include <functional>
#include <map>

#include "foundation/config/VideoSettings.h"
#include "game/core/game/Game.h"
#include "game/hud/GuiMissionObjectives.h"
#include "game/hud/GuiShipHud.h"
#include "game/core/level/SingleLevel.h"
#include "game/hud/GuiShipHudBigMb.h"
#include "game/hud/GuiShipHudCrosshair.h"
#include "game/hud/GuiShipHudEnemyMsg.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/Layer.h"
#include "layers/LayerManager.h"

namespace {

using ContainerTest = HudTest;

// The video settings' screen size while the object lives.
class ScreenSize
{
public:
    ScreenSize(int width, int height) : _video(game.GetVideoSettings())
    {
        _width = _video->ScrWidth;
        _height = _video->ScrHeight;
        _video->ScrWidth = width;
        _video->ScrHeight = height;
    }
    ~ScreenSize()
    {
        _video->ScrWidth = _width;
        _video->ScrHeight = _height;
    }

private:
    VideoSettings* _video;
    int _width, _height;
};

} // namespace

TEST_F(ContainerTest, BoxesStandAtTheCentreTheLowerRightCornerAndTheBottomEdge)
{
    struct Case
    {
        int width, height;
        GuiShipHud::Position crosshair, ship, radar;
    };
    for (const Case& test :
         {Case{1024, 768, {480, 352}, {768, 512}, {448, 600}}, Case{1280, 1024, {608, 480}, {1024, 768}, {576, 856}},
          Case{1023, 767, {479, 351}, {767, 511}, {447, 599}}})
    {
        ScreenSize size(test.width, test.height);
        GuiShipHud hud;
        hud.Load();
        EXPECT_EQ(hud.GetLoadScreenWidth(), test.width);
        auto expect = [&](const GuiShipHud::Position& got, const GuiShipHud::Position& want, const char* box) {
            EXPECT_EQ(got.x, want.x) << box << " at " << test.width << "x" << test.height;
            EXPECT_EQ(got.y, want.y) << box << " at " << test.width << "x" << test.height;
        };
        expect(hud.GetCrosshairPos(), test.crosshair, "crosshair");
        expect(hud.GetShipPos(), test.ship, "ship");
        expect(hud.GetRadarPos(), test.radar, "radar");
        hud.Unload();
    }
}

TEST_F(ContainerTest, UnloadFreesTheWidgetsAndTheirLayersButKeepsTheObjectivesForTheNextLoad)
{
    Layer* root = LayerManager::GetRoot();
    const int before = root->GetChildsCount();
    GuiShipHud hud;
    EXPECT_EQ(hud.GetTextMsg(), nullptr);
    EXPECT_EQ(hud.GetMissionObjectives(), nullptr);

    hud.Load();
    ASSERT_NE(hud.GetTextMsg(), nullptr);
    ASSERT_NE(hud.GetBigMBHud(), nullptr);
    ASSERT_NE(hud.GetStatsHud(), nullptr);
    GuiMissionObjectives* objectives = hud.GetMissionObjectives();
    ASSERT_NE(objectives, nullptr);
    objectives->AddObjective("Reach the portal", -1.0f);
    const int loaded = root->GetChildsCount();
    EXPECT_GT(loaded, before);
    hud.Proceed();

    hud.Unload();
    EXPECT_EQ(hud.GetTextMsg(), nullptr);
    EXPECT_EQ(hud.GetBigMBHud(), nullptr);
    EXPECT_EQ(hud.GetStatsHud(), nullptr);
    EXPECT_EQ(hud.GetMissionObjectives(), objectives);
    EXPECT_EQ(root->GetChildsCount(), before) << "every layer of the HUD leaves the tree";

    hud.Load();
    EXPECT_EQ(hud.GetMissionObjectives(), objectives) << "one panel across loads";
    EXPECT_EQ(objectives->GetObjectiveCount(), 1u);
    EXPECT_EQ(root->GetChildsCount(), loaded) << "a second load builds the same layers again";
    hud.Proceed();
    hud.Unload();
    EXPECT_EQ(root->GetChildsCount(), before);
}

TEST_F(ContainerTest, LoadingTwiceInARowLeavesOneSetOfLayers)
{
    Layer* root = LayerManager::GetRoot();
    const int before = root->GetChildsCount();
    GuiShipHud hud;
    hud.Load();
    const int loaded = root->GetChildsCount();
    hud.Load();
    EXPECT_EQ(root->GetChildsCount(), loaded);
    hud.Unload();
    EXPECT_EQ(root->GetChildsCount(), before);
}

TEST_F(ContainerTest, AHudFreedWhileLoadedTakesItsLayersWithIt)
{
    Layer* root = LayerManager::GetRoot();
    const int before = root->GetChildsCount();
    {
        GuiShipHud hud;
        hud.Load();
    }
    EXPECT_EQ(root->GetChildsCount(), before);
}

TEST_F(ContainerTest, ProceedBeforeLoadAndUnloadBeforeLoadDoNothing)
{
    GuiShipHud hud;
    hud.Unload();
#ifdef NDEBUG
    hud.Proceed(); // asserts in a debug build
#endif
    EXPECT_TRUE(_painted.quads.empty());
    EXPECT_FALSE(hud.IsLoaded());
}

// In a mission with every painting widget busy (fighters on the radar, a target being scanned, a
// message in the strip, an enemy talking, a row of statistics), what the container paints in a
// frame comes widget by widget in its order: radar, speed, own ship, target panel, crosshair,
// (weaponry, energy: layers only), text message, enemy message, statistics. Each widget's paint
// is told by what it paints when proceeded alone; paint that two widgets share tells nothing.
TEST_F(ContainerTest, TheWidgetsAreProceededInTheContainersOrder)
{
    std::string level = "Level.obj_player = { classname = \"player\"; position = { x = 0; y = 0; z = 0 }; "
                        "dir = { x = 0; y = 0; z = 1 }; up = { x = 0; y = 1; z = 0 } };\n";
    for (int i = 0; i < 3; ++i)
        level += ShipEntry("ytg_" + std::to_string(i), "ytg_fighter_02", Vec3(200.0f * float(i) - 200, 0, 900));
    ASSERT_TRUE(HudGame::StartMission(_clock, level));
    SingleLevel* mission = game.GetLevel();
    Player* player = mission->GetPlayer();
    ASSERT_TRUE(player && player->GetShip() && player->GetHUD());
    GuiShipHud& hud = *player->GetHUD();
    player->GetShip()->SetTarget(static_cast<Ship*>(mission->GetActorByClassname("ShipYtgFighter02", 0)));
    hud.GetTextMsg()->Show("Clear the rock field of Ytg fighters", 30.0f, true, 4);
    hud.GetEnemyMessage()->ShowMessage("Turn back, pilot.", 20.0f);
    hud.GetStatsHud()->SetEntry("5", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 3);
    for (int frame = 0; frame < 40; ++frame)
    {
        Tick(0.1f);
        game.Proceed();
    }

    const std::vector<std::pair<const char*, std::function<void()>>> widgets = {
        {"radar", [&] { hud.GetRadar()->Proceed(); }},
        {"speed", [&] { hud.GetSpeedHud()->Proceed(); }},
        {"own ship", [&] { hud.GetUserShip()->Proceed(); }},
        {"target panel", [&] { hud.GetTargetInfo()->Proceed(); }},
        {"crosshair", [&] { hud.GetCrosshairsHud()->Proceed(); }},
        {"text message", [&] { hud.GetTextMsg()->Proceed(); }},
        {"enemy message", [&] { hud.GetEnemyMessage()->Proceed(); }},
        {"statistics", [&] { hud.GetStatsHud()->Proceed(); }},
    };
    std::map<std::string, int> owner; // -1: painted by more than one
    for (int i = 0; i < int(widgets.size()); ++i)
    {
        _painted.Clear();
        widgets[size_t(i)].second();
        EXPECT_FALSE(_painted.order.empty()) << widgets[size_t(i)].first << " paints nothing to tell it by";
        for (const std::string& key : _painted.order)
        {
            auto [it, added] = owner.emplace(key, i);
            if (!added && it->second != i)
                it->second = -1;
        }
    }

    _painted.Clear();
    hud.Proceed();
    std::vector<int> seen;
    for (const std::string& key : _painted.order)
    {
        const auto it = owner.find(key);
        if (it != owner.end() && it->second >= 0 && (seen.empty() || seen.back() != it->second))
            seen.push_back(it->second);
    }
    std::string names;
    for (int i : seen)
        names += std::string(widgets[size_t(i)].first) + "; ";
    std::vector<int> expected(widgets.size());
    for (int i = 0; i < int(widgets.size()); ++i)
        expected[size_t(i)] = i;
    EXPECT_EQ(seen, expected) << names;
    HudGame::EndMission(_clock);
}
