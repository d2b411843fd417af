// The own-ship panel: the health colours of its parts, the shield column and its pointers, the
// level indicators, and indices and values out of range.
#include "HudTestSupport.h"

#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/hud/HudServices.h"
#include "layers/LayerManager.h"
#include "layers/LineLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <cmath>

namespace {

class OwnShipTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        _panel.Load();
    }
    std::vector<PaintRecorder::QuadRecord> Quads(const char* material) const
    {
        return _painted.QuadsOf(GuiGame::LoadMaterial(material));
    }
    void Frame(const Ship* ship)
    {
        Tick(0.1f);
        _painted.Clear();
        _panel.Proceed(ship);
    }

    GuiShipHudUser _panel;
};

void ExpectColor(const Color& got, const Color& want, const std::string& what)
{
    EXPECT_NEAR(got.r, want.r, 1e-4f) << what;
    EXPECT_NEAR(got.g, want.g, 1e-4f) << what;
    EXPECT_NEAR(got.b, want.b, 1e-4f) << what;
    EXPECT_NEAR(got.a, want.a, 1e-4f) << what;
}

} // namespace

TEST_F(OwnShipTest, HealthRunsFromTransparentThroughRedAndYellowToGreen)
{
    struct Case
    {
        float health;
        Color color;
    };
    for (const Case& test :
         {Case{0.0f, Color(0, 0, 0, 0)}, Case{0.01f, Color(1, 0, 0, 1)}, Case{0.5f, Color(1, 1, 0, 1)},
          Case{1.0f, Color(0, 1, 0, 1)}, Case{0.75f, Color(0.5f, 1, 0, 1)}, Case{-3.0f, Color(0, 0, 0, 0)},
          Case{7.0f, Color(0, 1, 0, 1)}})
        ExpectColor(_panel.HealthColor(test.health), test.color, std::to_string(test.health));

    // Part pictures take their part's health: picture 3 shows part 0.
    _panel.SetPartHealth(0, 0.5f);
    _panel.SetPartHealth(3, 0.0f);
    Frame(nullptr);
    ExpectColor(Quads("gui//armor_lvl_3.mat")[0].color, Color(1, 1, 0, 1), "part 0");
    ExpectColor(Quads("gui//armor_lvl_0.mat")[0].color, Color(0, 0, 0, 0), "part 3");
    EXPECT_NEAR(Quads("gui//armor_lvl_3.mat")[0].pos.x, 951.0f * Hud::Scale() + LayerManager::GetCAShift(true), 1e-3f);
}

TEST_F(OwnShipTest, AnEmptyShieldLeavesAFlatColumnAndPointersAtHalfLight)
{
    std::unique_ptr<Ship> ship = ShipAt(Vec3(0.0f, 0.0f, 0.0f));
    ship->SetMaximumShield(100.0f);
    ship->SetCurrentShield(0.0f);
    ship->SetMaximumArmor(100.0f);
    ship->SetCurrentArmor(50.0f);
    ship->SetMaximumStructure(100.0f);
    ship->SetCurrentStructure(100.0f);
    Frame(ship.get());
    const float s = Hud::Scale();
    const PaintRecorder::QuadRecord column = Quads("gui//energy_shield_lvl.mat")[0];
    EXPECT_EQ(column.size.y, 0.0f);
    EXPECT_FLOAT_EQ(column.color.a, 0.5f);
    EXPECT_FLOAT_EQ(column.uv[0].y, 0.5f) << "both ends pulled to the middle";
    EXPECT_FLOAT_EQ(column.uv[1].y, 0.5f);
    const PaintRecorder::QuadRecord top = Quads("gui//energy_shield_pointer_t.mat")[0];
    const PaintRecorder::QuadRecord bottom = Quads("gui//energy_shield_pointer_b.mat")[0];
    EXPECT_FLOAT_EQ(top.color.a, 0.5f);
    EXPECT_NEAR(top.pos.y, (468.0f + 1.0f) * s, 1e-3f);
    EXPECT_NEAR(bottom.pos.y, (484.0f - 9.0f) * s, 1e-3f);
    EXPECT_FLOAT_EQ(_panel.GetLevelValue(1), 0.75f);

    // A full shield: the whole column, green, opaque.
    ship->SetCurrentShield(100.0f);
    Frame(ship.get());
    const PaintRecorder::QuadRecord full = Quads("gui//energy_shield_lvl.mat")[0];
    EXPECT_NEAR(full.size.y, 174.0f * s, 1e-3f);
    EXPECT_FLOAT_EQ(full.uv[0].y, 0.84f);
    ExpectColor(full.color, Color(0, 1, 0, 1), "full shield");
}

TEST_F(OwnShipTest, LevelsTwoAndThreeReadFixedValuesAndOutOfRangeValuesAreKeptOut)
{
    _panel.SetLevelValue(0, 0.3f);
    for (float bad : {1.2f, -0.1f, std::nanf("")})
        _panel.SetLevelValue(0, bad);
    EXPECT_FLOAT_EQ(_panel.GetLevelValue(0), 0.3f);
    std::unique_ptr<Ship> ship = ShipAt(Vec3(0.0f, 0.0f, 0.0f)); // all maxima 0: no numbers
    Frame(ship.get());
    EXPECT_FLOAT_EQ(_panel.GetLevelValue(0), 0.3f);
    EXPECT_FLOAT_EQ(_panel.GetLevelValue(2), 0.75f);
    EXPECT_FLOAT_EQ(_panel.GetLevelValue(3), 0.4f);
    const SpriteLayer* bar = _panel.GetLevelBar(2);
    EXPECT_TRUE(bar->GetVisible());
    EXPECT_NEAR(bar->GetSize().x, 112.0f * 0.75f * Hud::Scale(), 1e-3f);
    EXPECT_NEAR(bar->GetUV(2).x, 0.078125f + 0.875f * 0.75f, 1e-5f);
    _panel.SetLevelShown(2, false);
    Frame(nullptr);
    EXPECT_FALSE(_panel.GetLevelBar(2)->GetVisible());
}

// The level bars' fixed left ends stand under their badges (to 1077 for the long rows, 1086 for
// the short ones): an end tick comes no nearer than 4 units to its badge.
TEST_F(OwnShipTest, ALevelsEndTickStaysRightOfItsBadge)
{
    std::unique_ptr<Ship> ship = ShipAt(Vec3(0.0f, 0.0f, 0.0f));
    ship->SetMaximumShield(100.0f);
    ship->SetMaximumArmor(100.0f);
    ship->SetMaximumStructure(100.0f);
    ship->SetCurrentStructure(100.0f);
    ship->SetCurrentArmor(100.0f);
    struct Case
    {
        float shield;
        float tick; // design x of the shield level's tick
    };
    for (const Case& test : {Case{0.0f, 1081.0f}, Case{5.0f, 1081.0f}, Case{50.0f, 1070.0f + 61.0f}})
    {
        ship->SetCurrentShield(test.shield);
        Frame(ship.get());
        LayerManager::SetDrawTarget(&_painted);
        _painted.Clear();
        _panel.GetLevelLine(0)->Draw();
        LayerManager::SetDrawTarget(nullptr);
        ASSERT_EQ(_painted.lines.size(), 1u);
        EXPECT_NEAR(_painted.lines[0].from.x, Gui::ScreenPos(Vec2(test.tick, 796.0f), GA_RIGHT).x, 1e-3f)
            << test.shield << " %";
    }
    // The fixed levels: 0.75 of a short row, 0.4 of a long one.
    _painted.Clear();
    LayerManager::SetDrawTarget(&_painted);
    _panel.GetLevelLine(2)->Draw();
    _panel.GetLevelLine(3)->Draw();
    LayerManager::SetDrawTarget(nullptr);
    ASSERT_EQ(_painted.lines.size(), 2u);
    EXPECT_NEAR(_painted.lines[0].from.x, Gui::ScreenPos(Vec2(1080.0f + 84.0f, 842.0f), GA_RIGHT).x, 1e-3f);
    EXPECT_NEAR(_painted.lines[1].from.x, Gui::ScreenPos(Vec2(1070.0f + 48.8f, 865.0f), GA_RIGHT).x, 1e-3f);
}

TEST_F(OwnShipTest, PartIndicesOutsideTheSevenAreIgnored)
{
    _panel.SetPartHealth(7, 0.2f);
    _panel.SetPartHealth(-1, 0.2f);
    _panel.SetPartColor(100, Color(1, 0, 0, 1));
    _panel.SetWeaponColor(-5, Color(1, 0, 0, 1));
    for (int i = 0; i < GuiShipHudUser::PartCount; ++i)
        EXPECT_EQ(_panel.GetPartHealth(i), 1.0f) << i;
    _panel.SetPartHealth(6, 2.5f); // kept as it is
    EXPECT_EQ(_panel.GetPartHealth(6), 2.5f);
    // After loading, weapon lights 1, 2, 4 and 5 are cyan and the others yellow.
    ExpectColor(_panel.GetWeaponColor(1), Color(0, 0.85f, 1, 1), "light 1");
    ExpectColor(_panel.GetWeaponColor(3), Color(1, 1, 0, 1), "light 3");
}
