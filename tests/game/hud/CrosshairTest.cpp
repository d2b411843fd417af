// The crosshair: the target box's fly-in and colour, the target arrow's fade and its turn for a
// target behind, the global targets' badges and arrows, the indicators, and the glass cracks.
#include "HudTestSupport.h"

#include "game/ai/LevelLogic.h"
#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHudCrosshair.h"
#include "game/hud/GuiShipHudGlassDecals.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/widgets/GuiGame.h"

#include <cmath>
#include <limits>

namespace {

class CrosshairTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        LookAlongZ();
        _crosshair.Load();
        _crosshair.LoadCursorTexture("gui_hud_crosshair_01.dds");
        _player = ShipAt(Vec3(0.0f, 0.0f, 0.0f));
        _target = ShipAt(Vec3(0.0f, 0.0f, 500.0f));
    }
    void Frame(float seconds, const LevelLogic* logic = nullptr)
    {
        Tick(seconds);
        _painted.Clear();
        _crosshair.Proceed(_player.get(), logic);
    }
    std::vector<PaintRecorder::QuadRecord> Quads(const char* material) const
    {
        return _painted.QuadsOf(GuiGame::LoadMaterial(material));
    }
    Vec2 Centre() const { return Vec2(Hud::ScreenWidth() / 2, Hud::ScreenHeight() / 2); }

    GuiShipHudCrosshair _crosshair;
    std::unique_ptr<Ship> _player, _target;
};

float Length(const Vec2& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

} // namespace

TEST_F(CrosshairTest, TheBoxFliesInFromAbout354PixelsInAQuarterSecond)
{
    _player->SetTarget(_target.get());
    Frame(0.0625f);
    // Three pieces around the target, none of the settled box.
    ASSERT_EQ(Quads("gui_hud_target1.mat").size(), 1u);
    ASSERT_EQ(Quads("gui_hud_target3.mat").size(), 1u);
    EXPECT_TRUE(Quads("gui_hud_target.mat").empty());
    const Vec2 target = _crosshair.GetTargetScreenPos();
    EXPECT_NEAR(target.x, Centre().x, 0.5f);
    EXPECT_NEAR(Length(Quads("gui_hud_target1.mat")[0].pos - target), std::sqrt(2.0f) * 250.0f, 0.01f);
    EXPECT_FLOAT_EQ(_crosshair.GetFlyIn(), 0.25f);
    Frame(0.0625f);
    // Half way: d = 250 (and a trace), r = d / sqrt 2.
    Frame(0.0625f);
    EXPECT_NEAR(Length(Quads("gui_hud_target2.mat")[0].pos - target), std::sqrt(2.0f) * 125.0f, 0.01f);
    Frame(0.0625f);
    EXPECT_FLOAT_EQ(_crosshair.GetFlyIn(), 1.0f);
    Frame(0.0625f);
    ASSERT_EQ(Quads("gui_hud_target.mat").size(), 1u);
    EXPECT_TRUE(Quads("gui_hud_target1.mat").empty());
    EXPECT_EQ(Quads("gui_hud_target.mat")[0].angle, _crosshair.GetBoxAngle());
    EXPECT_FLOAT_EQ(_crosshair.GetBoxAngle(), 5 * 0.0625f * 120.0f) << "120 degrees a second";

    // A new target, and no target and the same one again, both fly in anew.
    std::unique_ptr<Ship> other = ShipAt(Vec3(30.0f, 0.0f, 500.0f));
    _player->SetTarget(other.get());
    Frame(0.0625f);
    EXPECT_EQ(Quads("gui_hud_target1.mat").size(), 1u);
    for (int i = 0; i < 4; ++i)
        Frame(0.0625f);
    _player->SetTarget(nullptr);
    Frame(0.0625f);
    _player->SetTarget(other.get());
    Frame(0.0625f);
    EXPECT_EQ(Quads("gui_hud_target1.mat").size(), 1u);
}

TEST_F(CrosshairTest, TheBoxIsYellowWhileTheTargetIsScannedAndRedOnceItIs)
{
    GuiShipHudTargetInfo panel;
    panel.Load();
    _player->SetTarget(_target.get());
    // Like the HUD: the panel first, then the crosshair.
    auto frame = [&] {
        Tick(0.1f);
        panel.Proceed(_target.get());
        _painted.Clear();
        _crosshair.Proceed(_player.get(), nullptr);
    };
    frame();
    FlashLayer* box = _crosshair.GetBoxLayer();
    ASSERT_TRUE(box->GetVisible());
    EXPECT_EQ(box->GetColor().g, 1.0f);
    EXPECT_EQ(box->GetColor().r, 1.0f);
    for (int i = 0; i < 27; ++i)
        frame();
    ASSERT_TRUE(GuiShipHudTargetInfo::IsTargetScanDone());
    EXPECT_EQ(box->GetColor().r, 1.0f);
    EXPECT_EQ(box->GetColor().g, 0.0f);
    EXPECT_NEAR(box->GetPos().x, Centre().x, 0.5f);
    EXPECT_FLOAT_EQ(box->GetAngle(), _crosshair.GetBoxAngle());
}

TEST_F(CrosshairTest, TheArrowFadesOutOverASecondWhileTheTargetIsAhead)
{
    _player->SetTarget(_target.get());
    Frame(0.25f);
    ASSERT_EQ(Quads("gui_arrow.mat").size(), 1u);
    EXPECT_FLOAT_EQ(Quads("gui_arrow.mat")[0].color.a, 0.75f);
    EXPECT_FLOAT_EQ(_painted.texts[0].color.a, 0.75f) << "the distance fades with it";
    EXPECT_EQ(_painted.texts[0].text, "500");
    for (int i = 0; i < 4; ++i)
        Frame(0.25f);
    EXPECT_FLOAT_EQ(Quads("gui_arrow.mat")[0].color.a, 0.0f);
    // Out of the middle it comes back at the same rate.
    _target->GetRoot().Pos() = Vec3(300.0f, 0.0f, 500.0f);
    Frame(0.5f);
    EXPECT_FLOAT_EQ(Quads("gui_arrow.mat")[0].color.a, 0.5f);
}

TEST_F(CrosshairTest, TheArrowPointsToTheTargetAndTurnsRoundForOneBehind)
{
    _player->SetTarget(_target.get());
    struct Case
    {
        Vec3 position;
        float angle;
        bool behind;
    };
    // At no rotation the arrow points down; the quad turns clockwise on the screen.
    for (const Case& test :
         {Case{Vec3(400.0f, 0.0f, 500.0f), 270.0f, false}, Case{Vec3(0.0f, 400.0f, 500.0f), -180.0f, false},
          Case{Vec3(0.0f, -400.0f, 500.0f), 360.0f, false}, Case{Vec3(-400.0f, 0.0f, -500.0f), 450.0f, true}})
    {
        _target->GetRoot().Pos() = test.position;
        Frame(0.1f);
        ASSERT_EQ(Quads("gui_arrow.mat").size(), 1u);
        const PaintRecorder::QuadRecord arrow = Quads("gui_arrow.mat")[0];
        EXPECT_NEAR(arrow.angle, test.angle, 0.01f) << test.position.x << ", " << test.position.y;
        EXPECT_EQ(arrow.pos.x, Centre().x);
        EXPECT_EQ(arrow.size.x, 256.0f);
        // The distance 70 pixels out toward the arrow, or the other way for a target behind.
        const PaintRecorder::TextRecord& distance = _painted.texts[0];
        const float side = test.behind ? -1.0f : 1.0f;
        const Vec2 dir =
            (_crosshair.GetTargetScreenPos() - Centre()) / Length(_crosshair.GetTargetScreenPos() - Centre());
        EXPECT_NEAR(distance.rect.x, Centre().x + dir.x * 70.0f * side, 0.01f);
        EXPECT_NEAR(distance.rect.y, Centre().y + 20.0f + dir.y * 70.0f * side, 0.01f);
    }
    // Behind on the left: the raw projection lands on the right.
    EXPECT_GT(_crosshair.GetTargetScreenPos().x, Centre().x);
}

TEST_F(CrosshairTest, GlobalTargetsGetBadgesBarsAndOffScreenArrows)
{
    LevelLogic logic;
    GlobalLevelTarget* big = logic.AddGlobalTarget();
    big->position = Vec3(0.0f, 0.0f, 800.0f);
    big->color = Color(0.0f, 1.0f, 0.0f, 1.0f);
    big->values[0] = 200.0f;
    big->values[1] = 50.0f;
    GlobalLevelTarget* small = logic.AddGlobalTarget();
    small->position = Vec3(-200.0f, 0.0f, 800.0f);
    small->big = false;
    small->arrow = true; // on the screen: no arrow
    GlobalLevelTarget* away = logic.AddGlobalTarget();
    away->position = Vec3(30.0f, 0.0f, -900.0f);
    away->arrow = true;
    GlobalLevelTarget* hidden = logic.AddGlobalTarget();
    hidden->position = Vec3(5000.0f, 0.0f, 10.0f); // off the screen, no arrow flag

    Frame(0.5f, &logic);
    const float s = Hud::Scale();
    const std::vector<PaintRecorder::QuadRecord> badges = Quads("gui_target.mat");
    ASSERT_EQ(badges.size(), 2u) << "the two targets on the screen";
    EXPECT_NEAR(badges[0].pos.x, Centre().x, 0.5f);
    EXPECT_FLOAT_EQ(badges[0].size.x, 128.0f * s);
    EXPECT_FLOAT_EQ(badges[1].size.x, 64.0f * s);
    EXPECT_FLOAT_EQ(badges[0].color.g, 1.0f);
    EXPECT_FLOAT_EQ(badges[0].angle, 60.0f);
    // Only the first has a level: a quarter of the bar.
    const std::vector<PaintRecorder::QuadRecord> bars = Quads("gui_target_lvl.mat");
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_FLOAT_EQ(bars[0].size.x, 0.25f * 194.0f);
    EXPECT_FLOAT_EQ(bars[0].uv[2].x, 0.25f);
    // The one behind gets its arrow, pointing away from the centre, with its distance.
    const std::vector<PaintRecorder::QuadRecord> arrows = Quads("gui_hud_global_target.mat");
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_FLOAT_EQ(Length(arrows[0].pos - Centre()), 120.0f);
    const std::vector<PaintRecorder::TextRecord> distances = _painted.TextsReading("900");
    ASSERT_EQ(distances.size(), 1u);
    // The distance stands just under its arrow, at any screen size.
    EXPECT_NEAR(distances[0].rect.x, arrows[0].pos.x, 1.0f);
    EXPECT_NEAR(distances[0].rect.y, arrows[0].pos.y + 20.0f * s, 1.0f);

    _crosshair.ShowGlobalLevels(false);
    Frame(0.1f, &logic);
    EXPECT_TRUE(Quads("gui_target_lvl.mat").empty());
}

TEST_F(CrosshairTest, NothingIsDrawnAtInfinityForATargetOffTheScreen)
{
    _target->GetRoot().Pos() = Vec3(0.0f, 0.0f, -500.0f);
    _player->SetTarget(_target.get());
    Frame(0.1f);
    for (const PaintRecorder::QuadRecord& quad : _painted.quads)
        EXPECT_TRUE(HudPaint::IsDrawable(quad.pos)) << quad.pos.x;
    EXPECT_TRUE(Quads("gui_hud_target1.mat").empty());
    EXPECT_FALSE(_crosshair.GetBoxLayer()->GetVisible());
    EXPECT_EQ(Quads("gui_arrow.mat").size(), 1u) << "the arrow still points at it";
}

TEST_F(CrosshairTest, IndicatorsAloneWithoutAShipAndNothingBeforeTheCursorTexture)
{
    Frame(0.1f);
    EXPECT_EQ(Quads("gui_hud_wingG.mat").size(), 1u);
    EXPECT_EQ(Quads("gui_hud_fgun.mat").size(), 1u);
    EXPECT_TRUE(Quads("gui_hud_wingR.mat").empty());
    _crosshair.ShowWingG(false);
    _crosshair.ShowWingR(true);
    _player->SetTarget(_target.get());
    _painted.Clear();
    _crosshair.Proceed(nullptr, nullptr); // a network game: no ship to aim from
    ASSERT_EQ(_painted.quads.size(), 2u);
    EXPECT_EQ(Quads("gui_hud_wingR.mat")[0].pos.y, 423.0f * Hud::Scale());
    EXPECT_TRUE(_painted.texts.empty());

    GuiShipHudCrosshair bare;
    bare.Load();
    _painted.Clear();
    bare.Proceed(_player.get(), nullptr);
    EXPECT_TRUE(_painted.quads.empty());
}

TEST(CrosshairAngle, AngleBetweenIsFiniteForEveryPair)
{
    struct Case
    {
        Vec2 a, b;
        float degrees;
    };
    const float tiny = std::numeric_limits<float>::denorm_min();
    for (const Case& test : {Case{{1, 0}, {0, 1}, 90.0f}, Case{{1, 0}, {-1, 0}, 180.0f}, Case{{1, 0}, {1, 0}, 0.0f},
                             Case{{0.6f, 0.8f}, {0.6f, 0.8f}, 0.0f}, Case{{1, 0}, {0, 0}, 0.0f},
                             Case{{3, 0}, {0, -2}, 90.0f}, Case{{tiny, 0}, {1, 0}, 0.0f}})
    {
        const float angle = GuiShipHudCrosshair::AngleBetween(test.a, test.b);
        EXPECT_FALSE(std::isnan(angle));
        EXPECT_NEAR(angle, test.degrees, 0.01f) << test.a.x << "," << test.a.y << " " << test.b.x << "," << test.b.y;
    }
}

TEST_F(CrosshairTest, GlassCracksOnlyWhileTheShieldIsDownAndAtMost128)
{
    GuiShipHudGlassDecals decals;
    decals.Load();
    _player->SetCurrentShield(10.0f);
    decals.AddDecal(_player.get());
    decals.AddDecal(nullptr);
    EXPECT_TRUE(decals.GetDecals().empty());
    _player->SetCurrentShield(0.0f);
    for (int i = 0; i < 200; ++i)
        decals.AddDecal(_player.get());
    ASSERT_EQ(decals.GetDecals().size(), GuiShipHudGlassDecals::MaxDecals);
    for (const GuiShipHudGlassDecals::Decal& decal : decals.GetDecals())
    {
        EXPECT_GE(decal.pos.x, -32.0f);
        EXPECT_LT(decal.pos.x, Hud::ScreenWidth() - 32.0f);
        EXPECT_GE(decal.index, 0);
        EXPECT_LT(decal.index, GuiShipHudGlassDecals::DecalKinds);
    }
    decals.Unload();
    EXPECT_TRUE(decals.GetDecals().empty());
    AddGlassDecalOnDebrisHit(); // no mission: nothing to crack
}
