// The radar: contacts of the two tracked classes, the range fade, blip sizes and their order
// about the own blip, the network game's empty radar, the log, and the frame's place in the tree.
#include "HudTestSupport.h"

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Actor.h"
#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/HudServices.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"

#include <cmath>
#include <string>

namespace {

// A mission of three Ytg fighters, a large Ytg ship and a Blg fighter; each test puts them where
// it wants them (the mission is not run while it does) and proceeds the radar alone.
class RadarTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        if (IsSkipped())
            return;
        std::string level;
        for (int i = 0; i < 3; ++i)
            level += ShipEntry("ytg_" + std::to_string(i), "ytg_fighter_02", Vec3(0.0f, 0.0f, 30000.0f + 100.0f * i));
        level += ShipEntry("large", "ytg_sush_02", Vec3(0.0f, 0.0f, 31000.0f));
        level += ShipEntry("blg", "blg_fighter_00", Vec3(0.0f, 0.0f, 500.0f));
        ASSERT_TRUE(HudGame::StartMission(_clock, level));
        _level = game.GetLevel();
        ASSERT_EQ(_level->GetActorCountByClassname("ShipYtgFighter02"), 3u);
        ASSERT_EQ(_level->GetActorCountByClassname("ShipYtgSush02"), 1u);
        for (int i = 0; i < 3; ++i)
            Place(Fighter(i), Vec3(0.0f, 0.0f, 30000.0f)); // out of range until a test moves them
        Place(Large(), Vec3(0.0f, 0.0f, 30000.0f));
        LookAlongZ();
        _radar = std::make_unique<GuiShipHudRadar>();
        _radar->Load();
    }
    void TearDown() override
    {
        _radar.reset();
        if (_level)
            HudGame::EndMission(_clock);
        HudTest::TearDown();
    }
    Actor* Fighter(int i) const { return _level->GetActorByClassname("ShipYtgFighter02", unsigned(i)); }
    Actor* Large() const { return _level->GetActorByClassname("ShipYtgSush02", 0); }
    static void Place(Actor* actor, const Vec3& position) { actor->GetRoot().Pos() = position; }
    void Frame(float seconds)
    {
        Tick(seconds);
        _painted.Clear();
        _radar->Proceed();
    }
    std::vector<PaintRecorder::QuadRecord> Blips() const
    {
        return _painted.QuadsOf(GuiGame::LoadMaterial("gui_hud_radar_target.mat"));
    }
    static bool IsOwn(const PaintRecorder::QuadRecord& blip) { return blip.color.g == 1.0f; }

    SingleLevel* _level = nullptr;
    std::unique_ptr<GuiShipHudRadar> _radar;
};

} // namespace

TEST_F(RadarTest, TracksFightersAndLargeShipsOfTheTwoClassesOnly)
{
    for (int i = 0; i < 3; ++i)
        Place(Fighter(i), Vec3(100.0f * i, 0.0f, 1000.0f));
    Place(Large(), Vec3(0.0f, 0.0f, 3000.0f));
    Frame(0.1f);
    ASSERT_EQ(_radar->GetContacts().size(), 4u);
    EXPECT_EQ(_radar->GetContacts()[3].size, 48.0f);
    const float s = Hud::Scale();
    const std::vector<PaintRecorder::QuadRecord> blips = Blips();
    ASSERT_EQ(blips.size(), 5u) << "four contacts and the own ship";
    int large = 0;
    for (const PaintRecorder::QuadRecord& blip : blips)
    {
        if (IsOwn(blip))
            EXPECT_FLOAT_EQ(blip.size.x, 24.0f * s);
        else
            large += blip.size.x == 48.0f * s;
    }
    EXPECT_EQ(large, 1);
    EXPECT_EQ(_painted.lines.size() >= 4u, true) << "a height stem for each contact";
}

TEST_F(RadarTest, BlipsFadeOverTheLastTenthOfTheRangeAndVanishBeyond)
{
    struct Case
    {
        float t, alpha;
    };
    for (const Case& test : {Case{0.0f, 1.0f}, Case{0.5f, 1.0f}, Case{0.9f, 1.0f}, Case{0.95f, 0.5f}, Case{1.0f, 0.0f}})
        EXPECT_NEAR(GuiShipHudRadar::RangeAlpha(test.t), test.alpha, 1e-5f) << test.t;

    Place(Fighter(0), Vec3(0.0f, 0.0f, 0.95f * GuiShipHudRadar::Range));
    Place(Fighter(1), Vec3(0.0f, 0.0f, 1.01f * GuiShipHudRadar::Range));
    Frame(0.1f);
    ASSERT_EQ(_radar->GetContacts().size(), 4u);
    const std::vector<PaintRecorder::QuadRecord> blips = Blips();
    ASSERT_EQ(blips.size(), 2u) << "the one beyond the range is not drawn";
    EXPECT_NEAR(blips.back().color.a, 0.5f, 1e-3f);
    EXPECT_EQ(blips.back().color.r, 1.0f);
}

TEST_F(RadarTest, ContactsAheadLieOverTheOwnBlipAndThoseBehindUnderIt)
{
    Place(Fighter(0), Vec3(0.0f, 0.0f, -2000.0f));    // behind
    Place(Fighter(1), Vec3(500.0f, 300.0f, 2000.0f)); // ahead, above and to the right
    Place(Fighter(2), Vec3(0.0f, 0.0f, -1000.0f));    // behind
    Frame(0.1f);
    const std::vector<PaintRecorder::QuadRecord> blips = Blips();
    ASSERT_EQ(blips.size(), 4u);
    EXPECT_FALSE(IsOwn(blips[0]));
    EXPECT_FALSE(IsOwn(blips[1]));
    EXPECT_TRUE(IsOwn(blips[2]));
    EXPECT_FALSE(IsOwn(blips[3]));
    // On the disc: ahead is up the screen, right is right, height lifts the blip off its foot.
    const Vec2 own = blips[2].pos + blips[2].size * 0.5f;
    const Vec2 ahead = blips[3].pos + blips[3].size * 0.5f;
    const Vec2 behind = blips[0].pos + blips[0].size * 0.5f;
    EXPECT_LT(ahead.y, own.y);
    EXPECT_GT(ahead.x, own.x);
    EXPECT_GT(behind.y, own.y);
}

TEST_F(RadarTest, ContactsThatGoAreSkippedUntilTheNextRefresh)
{
    Place(Fighter(0), Vec3(0.0f, 0.0f, 1000.0f));
    Frame(0.1f);
    EXPECT_EQ(Blips().size(), 2u);
    Fighter(0)->SetDeleted(true);
    Frame(0.1f);
    Fighter(0)->SetDeleted(false);
    EXPECT_EQ(Blips().size(), 1u) << "only the own blip";
    EXPECT_EQ(_radar->GetContacts().size(), 4u) << "kept until the list is rebuilt";
}

TEST_F(RadarTest, AContactFreedBeforeTheRefreshIsNeverRead)
{
    Place(Fighter(0), Vec3(0.0f, 0.0f, 1000.0f));
    Place(Fighter(1), Vec3(0.0f, 0.0f, 1200.0f));
    Frame(0.1f);
    EXPECT_EQ(Blips().size(), 3u);
    // An expired ship is freed at once; the radar still lists it until its next refresh.
    _level->DestroyActor(Fighter(0), true);
    Frame(0.1f);
    EXPECT_EQ(Blips().size(), 2u) << "the own blip and the fighter left";
    EXPECT_EQ(_radar->GetContacts().size(), 4u);
}

TEST_F(RadarTest, ANetworkGameShowsOnlyTheOwnBlip)
{
    Place(Fighter(0), Vec3(0.0f, 0.0f, 1000.0f));
    // The switch to the network frame leaves the mission, as the game would.
    HudGame::SetNetworkGame(true);
    Frame(0.1f);
    HudGame::SetNetworkGame(false);
    _level = nullptr;
    EXPECT_TRUE(_radar->GetContacts().empty());
    ASSERT_EQ(Blips().size(), 1u);
    EXPECT_TRUE(IsOwn(Blips()[0]));
}

TEST_F(RadarTest, TheLogStaysEmptyForHalfASecondThenTypesItsLines)
{
    for (int i = 0; i < 4; ++i)
    {
        Frame(0.1f);
        EXPECT_TRUE(_painted.texts.empty()) << i;
    }
    Frame(0.11f);
    ASSERT_FALSE(_painted.texts.empty());
    const std::string first = _painted.texts[0].text;
    EXPECT_EQ(first.rfind("0 Fighter id", 0), 0u) << first;
    EXPECT_GE(_painted.texts.size(), 2u);
    EXPECT_LE(_painted.texts.size(), 4u);
}

TEST_F(RadarTest, ModelsFloatBeforeTheCameraAndTheHeadingStaysFinite)
{
    for (int i = 0; i < GuiShipHudRadar::ModelCount; ++i)
        ASSERT_NE(_radar->GetModel(i), nullptr) << i;
    Camera* camera = game.GetCamera();
    for (int frame = 0; frame < 20; ++frame)
    {
        // Yaw in steps, past a half turn.
        const float a = 0.4f * float(frame);
        camera->SetOrientation(Vec3(std::cos(a), 0.0f, -std::sin(a)), Vec3(0.0f, 1.0f, 0.0f),
                               Vec3(std::sin(a), 0.0f, std::cos(a)));
        camera->ForceUpdate();
        Frame(0.05f);
        EXPECT_TRUE(std::isfinite(GuiShipHudRadar::GetHeading()));
        EXPECT_LE(std::fabs(GuiShipHudRadar::GetHeading()), 3.1416f);
        const Vec3 place = _radar->GetModel(0)->GetLocalPos();
        EXPECT_NEAR(place.Length(), std::sqrt(6.5f * 6.5f + 2.75f * 2.75f + 0.01f * 0.01f), 1e-3f);
        EXPECT_NEAR(place.y, -2.75f, 1e-3f);
    }
    _radar->EnableModels(false);
    EXPECT_FALSE(_radar->GetModel(2)->IsEnabled());
}

TEST_F(RadarTest, TheFrameLeavesTheLayerTreeWithTheRadar)
{
    Layer* root = LayerManager::GetRoot();
    const int before = root->GetChildsCount();
    for (int mission = 0; mission < 3; ++mission)
    {
        GuiShipHudRadar radar;
        radar.Load();
        EXPECT_EQ(root->GetChildsCount(), before + 2) << "the layer and its movie";
        radar.Unload();
        EXPECT_FALSE(radar.GetRadarLayer()->GetVisible());
    }
    EXPECT_EQ(root->GetChildsCount(), before);
}
