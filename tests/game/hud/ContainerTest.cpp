// The HUD container: its boxes at two screen sizes, and loading, unloading and loading again.
#include "HudTestSupport.h"

#include "foundation/config/VideoSettings.h"
#include "game/core/game/Game.h"
#include "game/hud/GuiMissionObjectives.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudBigMb.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTextMessage.h"
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
