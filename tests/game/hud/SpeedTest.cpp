// The speed gauges: the pointers' fade at low speeds, the bars with and without the booster, the
// duplex gear display, the boost's flames and slide, the energy lamps, and the booster energy's
// frames.
#include "HudTestSupport.h"

#include "game/hud/GuiShipHudEnergy.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <cmath>

namespace {

class SpeedTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        _speed.Load();
    }
    void Frame(const GuiShipHudSpeed::Flight& flight, float seconds = 0.1f)
    {
        Tick(seconds);
        _painted.Clear();
        _speed.Proceed(flight);
    }
    static GuiShipHudSpeed::Flight Direct(float current, float desired)
    {
        GuiShipHudSpeed::Flight flight;
        flight.mode = 1;
        flight.current = current;
        flight.desired = desired;
        return flight;
    }
    std::vector<PaintRecorder::QuadRecord> Quads(const char* material) const
    {
        return _painted.QuadsOf(GuiGame::LoadMaterial(material));
    }

    GuiShipHudSpeed _speed;
};

} // namespace

TEST_F(SpeedTest, PointersFadeInBetweenTenAndThirtyFivePerCent)
{
    struct Case
    {
        float desired, alpha;
    };
    for (const Case& test :
         {Case{0.0f, 0.0f}, Case{10.0f, 0.0f}, Case{20.0f, 0.4f}, Case{35.0f, 1.0f}, Case{100.0f, 1.0f}})
    {
        Frame(Direct(50.0f, test.desired));
        EXPECT_NEAR(_speed.GetSpeedLayer(3)->GetColor().a, test.alpha, 1e-5f) << test.desired;
        EXPECT_NEAR(_speed.GetSpeedLayer(4)->GetColor().a, test.alpha, 1e-5f) << test.desired;
    }
    // At the top of the scale the left pointer stands at its last key.
    Frame(Direct(50.0f, 100.0f));
    EXPECT_NEAR(_speed.GetSpeedLayer(3)->GetPos().x, Gui::ScreenPos(Vec2(380.0f + 30.0f, 0.0f), GA_CENTER).x, 1e-3f);
}

TEST_F(SpeedTest, BarsReachThreeQuartersAtFullSpeedAndTheWholeWayWithTheBooster)
{
    const float s = Hud::Scale();
    Frame(Direct(100.0f, 100.0f));
    const FlashLayer* left = _speed.GetSpeedLayer(1);
    const FlashLayer* right = _speed.GetSpeedLayer(2);
    EXPECT_NEAR(left->GetSize().x, 0.75f * 229.0f * s, 1e-3f);
    EXPECT_NEAR(right->GetSize().x, 0.75f * 229.0f * s, 1e-3f);
    // The left bar grows leftwards from its right end, showing the movie's right part.
    EXPECT_NEAR(left->GetPos().x + left->GetSize().x, Gui::ScreenPos(Vec2(580.0f, 0.0f), GA_CENTER).x, 1e-3f);
    EXPECT_FLOAT_EQ(left->GetUV2(0).x, 0.25f);
    EXPECT_FLOAT_EQ(right->GetUV2(2).x, 0.75f);
    GuiShipHudSpeed::Flight boost = Direct(100.0f, 100.0f);
    boost.boosting = true;
    Frame(boost);
    EXPECT_NEAR(left->GetSize().x, 229.0f * s, 1e-3f);
    EXPECT_FLOAT_EQ(right->GetUV2(2).x, 1.0f);
    ASSERT_EQ(Quads("gui//fm_direct.mat").size(), 1u);
}

TEST_F(SpeedTest, TheDuplexModelShowsTheGearDisplayInsteadOfTheBars)
{
    GuiShipHudSpeed::Flight flight;
    flight.mode = 3;
    flight.current = 60.0f;
    flight.gear = 1.0f;
    Frame(flight);
    for (int i = 0; i < GuiShipHudSpeed::SpeedLayers; ++i)
        EXPECT_FALSE(_speed.GetSpeedLayer(i)->GetVisible()) << i;
    // Forward: the right display's bar to the right, the left display's bar to the left.
    const std::vector<PaintRecorder::QuadRecord> right = Quads("gui//speed_duplex_lvl_r.mat");
    const std::vector<PaintRecorder::QuadRecord> left = Quads("gui//speed_duplex_lvl_l.mat");
    ASSERT_EQ(right.size(), 2u);
    ASSERT_EQ(left.size(), 2u);
    const float s = Hud::Scale();
    EXPECT_FLOAT_EQ(right[0].size.x, 0.0f) << "left display, reverse";
    EXPECT_NEAR(right[1].size.x, 0.6f * 90.0f * s, 1e-3f) << "right display, forward";
    EXPECT_NEAR(left[0].size.x, 0.6f * 90.0f * s, 1e-3f) << "left display, forward";
    EXPECT_FLOAT_EQ(left[1].size.x, 0.0f);
    EXPECT_EQ(Quads("gui//fm_duplex.mat").size(), 1u);

    flight.gear = -1.0f; // reverse
    Frame(flight);
    EXPECT_NEAR(Quads("gui//speed_duplex_lvl_r.mat")[0].size.x, 0.6f * 90.0f * s, 1e-3f);
    Frame(Direct(10.0f, 10.0f));
    EXPECT_TRUE(_speed.GetSpeedLayer(0)->GetVisible());
}

TEST_F(SpeedTest, ABoostFlamesForAQuarterOverASecondThenThePanelsSlideBackInFive)
{
    GuiShipHudSpeed::Flight flight = Direct(50.0f, 50.0f);
    const float restX = Gui::ScreenPos(Vec2(771.0f - 1.0f, 0.0f), GA_CENTER).x;
    const float outX = Gui::ScreenPos(Vec2(1085.0f - 1.0f, 0.0f), GA_CENTER).x;
    Frame(flight);
    EXPECT_NEAR(_speed.GetBoostLayer(true)->GetPos().x, restX, 1e-3f);
    EXPECT_TRUE(Quads("gui_hud_speed_busterF1R.mat").empty());

    _speed.RestartBoost();
    Frame(flight, 0.25f);
    ASSERT_EQ(Quads("gui_hud_speed_busterF1R.mat").size(), 1u);
    EXPECT_FLOAT_EQ(Quads("gui_hud_speed_busterF1R.mat")[0].color.a, 0.5f) << "2.5 x at x = 0.2";
    EXPECT_FLOAT_EQ(Quads("gui_hud_speed_busterF2L.mat")[0].color.a, 0.0f);
    EXPECT_FLOAT_EQ(_speed.GetBoostProgress(), 0.2f);
    // 1.25 seconds of flames.
    for (int i = 0; i < 4; ++i)
        Frame(flight, 0.25f);
    EXPECT_FLOAT_EQ(_speed.GetBoostProgress(), 1.0f);
    Frame(flight, 0.25f);
    EXPECT_TRUE(Quads("gui_hud_speed_busterF1R.mat").empty());
    EXPECT_NEAR(_speed.GetBoostLayer(true)->GetPos().x, restX + (outX - restX) * 0.95f, 1e-2f);
    // Then back in at 0.2 a second.
    for (int i = 0; i < 19; ++i)
        Frame(flight, 0.25f);
    EXPECT_NEAR(_speed.GetBoostSlide(), 0.0f, 1e-5f);
    EXPECT_NEAR(_speed.GetBoostLayer(true)->GetPos().x, restX, 1e-2f);
}

TEST_F(SpeedTest, LampsAreRedUntilTheEnergyIsFullThenGreenAndTurning)
{
    GuiShipHudSpeed::Flight flight = Direct(50.0f, 50.0f);
    flight.energy = 0.5f;
    Frame(flight, 0.5f);
    EXPECT_TRUE(_speed.GetLamp(1)->GetVisible());
    EXPECT_FALSE(_speed.GetLamp(0)->GetVisible());
    flight.energy = 1.0f;
    Frame(flight, 0.1f);
    EXPECT_TRUE(_speed.GetLamp(0)->GetVisible());
    EXPECT_TRUE(_speed.GetLamp(1)->GetVisible()) << "cross-fading";
    EXPECT_NEAR(_speed.GetLamp(1)->GetColor().a, 0.5f, 1e-4f);
    EXPECT_NEAR(_speed.GetLamp(0)->GetAngle(), 9.0f, 1e-4f);
    Frame(flight, 0.1f);
    EXPECT_FALSE(_speed.GetLamp(1)->GetVisible());
    // Outside a single-player game the energy counts as none.
    flight.single = false;
    Frame(flight, 0.5f);
    EXPECT_TRUE(_speed.GetLamp(3)->GetVisible());
    EXPECT_FALSE(_speed.GetLamp(2)->GetVisible());
}

TEST_F(SpeedTest, FlameAlphasFollowTheirThreeCurves)
{
    struct Case
    {
        float x, a1, a2, a3;
    };
    for (const Case& test :
         {Case{0.0f, 0.0f, 0.0f, 0.0f}, Case{0.2f, 0.5f, 0.0f, 0.4f}, Case{0.5f, 1.0f, 0.4444f, 1.0f},
          Case{0.78f, 0.55f, 1.0f, 0.55f}, Case{0.9f, 0.25f, 0.5f, 0.25f}, Case{1.0f, 0.0f, 0.0f, 0.0f},
          Case{1.5f, 0.0f, 0.0f, 0.0f}})
    {
        EXPECT_NEAR(_speed.FlameAlpha1(test.x), test.a1, 1e-3f) << test.x;
        EXPECT_NEAR(_speed.FlameAlpha2(test.x), test.a2, 1e-3f) << test.x;
        EXPECT_NEAR(_speed.FlameAlpha3(test.x), test.a3, 1e-3f) << test.x;
    }
}

TEST_F(SpeedTest, BoosterEnergyCrossFadesTwelveFrames)
{
    GuiShipHudEnergy energy;
    energy.Load();
    struct Case
    {
        float level;
        int lower, upper;
        float fraction;
    };
    for (const Case& test : {Case{0.0f, 0, 1, 0.0f}, Case{0.5f, 5, 6, 0.5f}, Case{1.0f, 11, 11, 0.0f},
                             Case{-2.0f, 0, 1, 0.0f}, Case{7.0f, 11, 11, 0.0f}, Case{std::nanf(""), 0, 1, 0.0f}})
    {
        int lower, upper;
        float fraction;
        energy.SplitLevel(test.level, lower, upper, fraction);
        EXPECT_EQ(lower, test.lower) << test.level;
        EXPECT_EQ(upper, test.upper) << test.level;
        EXPECT_NEAR(fraction, test.fraction, 1e-4f) << test.level;
    }
    auto visible = [&] {
        std::vector<int> frames;
        for (int i = 0; i < GuiShipHudEnergy::FrameCount; ++i)
            if (energy.GetFrame(i)->GetVisible())
                frames.push_back(i);
        return frames;
    };
    EXPECT_TRUE(visible().empty()) << "hidden after loading";
    energy.ShowLevel(0.5f);
    EXPECT_EQ(visible(), (std::vector<int>{5, 6}));
    EXPECT_FLOAT_EQ(energy.GetFrame(5)->GetColor().a, 0.5f);
    energy.ShowLevel(0.0f);
    EXPECT_EQ(visible(), (std::vector<int>{0, 1}));
    EXPECT_FLOAT_EQ(energy.GetFrame(0)->GetColor().a, 1.0f);
    EXPECT_FLOAT_EQ(energy.GetFrame(1)->GetColor().a, 0.0f);
    energy.ShowLevel(1.0f);
    EXPECT_EQ(visible(), (std::vector<int>{11}));
}
