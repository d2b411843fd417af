// The target panel: its bars from the target's defences, the scan of a target on the screen,
// and the big message box's line count.
#include "HudTestSupport.h"

#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHudBigMb.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"
#include "layers/FlashLayer.h"
#include "layers/LineLayer.h"
#include "layers/SpriteLayer.h"

#include <cmath>
#include <string>

namespace {

class TargetInfoTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        LookAlongZ();
        _panel.Load();
        _ship = ShipAt(Vec3(0.0f, 0.0f, 500.0f));
        _ship->SetMaximumShield(100.0f);
        _ship->SetCurrentShield(50.0f);
        _ship->SetMaximumArmor(200.0f);
        _ship->SetCurrentArmor(100.0f);
        _ship->SetMaximumStructure(80.0f);
        _ship->SetCurrentStructure(80.0f);
    }
    // Frames of a tenth of a second for that long, the panel looking at `target`.
    void Run(float seconds, Ship* target)
    {
        for (int i = 0; i < int(seconds * 10.0f + 0.5f); ++i)
        {
            Tick(0.1f);
            _painted.Clear();
            _panel.Proceed(target);
        }
    }
    Material* Arrow() const { return GuiGame::LoadMaterial("gui_hud_scanner_arrow.mat"); }

    GuiShipHudTargetInfo _panel;
    std::unique_ptr<Ship> _ship;
};

} // namespace

TEST_F(TargetInfoTest, WithoutATargetTheBarsAreEmptyAndThePictureHalfSeen)
{
    Run(0.1f, nullptr);
    for (int i = 0; i < GuiShipHudTargetInfo::LevelCount; ++i)
    {
        EXPECT_EQ(_panel.GetLevel(i), 0.0f);
        EXPECT_EQ(_panel.GetLevelBar(i)->GetSize().x, 0.0f) << i;
    }
    EXPECT_FLOAT_EQ(_panel.GetShipMovie()->GetColor().a, 0.5f);
    EXPECT_STREQ(_panel.GetName(), "");
    EXPECT_FALSE(GuiShipHudTargetInfo::IsTargetScanDone());
    EXPECT_TRUE(_painted.quads.empty());
}

// The bars' fixed right ends stand under their labels: an end tick comes no nearer than 4 units
// to its label (at 204 for the long bars, 196 for the short ones), where the bar's picture ends.
TEST_F(TargetInfoTest, ABarsEndTickStaysLeftOfItsLabel)
{
    const float s = Hud::Scale();
    const float labels[4] = {204.0f, 196.0f, 196.0f, 204.0f};
    struct Case
    {
        Ship* target;
        float ticks[4]; // design x of the ticks
    };
    _ship->SetCurrentShield(2.0f); // 2 %: the tick would stand under the label
    const Case cases[] = {
        {nullptr, {200.0f, 192.0f, 192.0f, 200.0f}},
        {_ship.get(), {200.0f, 201.0f - 0.75f * 114.0f, 201.0f - 0.6f * 114.0f, 210.0f - 0.35f * 123.0f}},
    };
    for (const Case& test : cases)
    {
        Run(0.1f, test.target);
        LayerManager::SetDrawTarget(&_painted);
        for (int i = 0; i < GuiShipHudTargetInfo::LevelCount; ++i)
        {
            _painted.Clear();
            _panel.GetLevelLine(i)->Draw();
            ASSERT_EQ(_painted.lines.size(), 1u);
            EXPECT_NEAR(_painted.lines[0].from.x / s, test.ticks[i], 1e-3f) << "bar " << i;
            EXPECT_LE(_painted.lines[0].from.x / s, labels[i] - 4.0f) << "bar " << i;
        }
        LayerManager::SetDrawTarget(nullptr);
    }
}

TEST_F(TargetInfoTest, BarsGrowLeftFromAFixedRightEndWithTheTargetsDefences)
{
    Run(0.1f, _ship.get());
    const float s = Hud::Scale();
    struct Row
    {
        float level, width, u0, k, y;
    };
    const Row rows[4] = {{0.5f, 123.0f, 0.0390625f, 0.9609375f, 795.0f},
                         {0.75f, 114.0f, 0.109375f, 0.890625f, 818.0f},
                         {0.6f, 114.0f, 0.109375f, 0.890625f, 841.0f},
                         {0.35f, 123.0f, 0.0390625f, 0.9609375f, 864.0f}};
    for (int i = 0; i < 4; ++i)
    {
        const Row& row = rows[i];
        EXPECT_FLOAT_EQ(_panel.GetLevel(i), row.level) << i;
        const SpriteLayer* bar = _panel.GetLevelBar(i);
        EXPECT_NEAR(bar->GetPos().x + bar->GetSize().x, (row.width + 88.0f) * s, 1e-3f) << "right end of bar " << i;
        EXPECT_NEAR(bar->GetSize().x, row.level * row.width * s, 1e-3f);
        EXPECT_NEAR(bar->GetPos().y, row.y * s, 1e-3f);
        EXPECT_NEAR(bar->GetUV(0).x, (1.0f - row.level) * row.k + row.u0, 1e-5f);
        EXPECT_EQ(bar->GetUV(3).x, 1.0f);
    }
    const Color half = GuiShipHudTargetInfo::LevelColor(0.5f);
    EXPECT_NEAR(half.r, (0.333f + 1.0f) / 2, 1e-4f);
    EXPECT_NEAR(half.b, 0.8666f / 2, 1e-4f);
}

TEST_F(TargetInfoTest, LevelsOutsideZeroToOneAreIgnored)
{
    _panel.SetLevel(1, 0.3f);
    for (float bad : {1.5f, -0.1f, std::nanf("")})
    {
        _panel.SetLevel(1, bad);
        EXPECT_FLOAT_EQ(_panel.GetLevel(1), 0.3f) << bad;
    }
    _panel.SetLevel(7, 0.5f); // no such bar
    _panel.SetLevel(1, 1.0f);
    EXPECT_FLOAT_EQ(_panel.GetLevel(1), 1.0f);
}

TEST_F(TargetInfoTest, AScanRunsOverTheTargetThenSettlesOnThePanelWithAFlash)
{
    const Vec2 centre(Hud::ScreenWidth() / 2, Hud::ScreenHeight() / 2);
    // The first second: nothing of the scanner.
    Run(0.9f, _ship.get());
    EXPECT_TRUE(_painted.QuadsOf(Arrow()).empty());
    EXPECT_FALSE(GuiShipHudTargetInfo::IsTargetScanDone());
    EXPECT_FLOAT_EQ(_panel.GetShipMovie()->GetColor().a, 0.5f);

    // Scanning: the rings on the target, the code typing out.
    Run(0.6f, _ship.get());
    ASSERT_EQ(_painted.QuadsOf(Arrow()).size(), 1u);
    EXPECT_NEAR(_painted.QuadsOf(Arrow())[0].pos.x, centre.x, 0.5f);
    EXPECT_NEAR(_panel.GetRingPos().y, centre.y, 0.5f);
    ASSERT_EQ(_painted.texts.size(), 3u);
    EXPECT_EQ(_painted.texts[0].face, "OCRA");
    const size_t typed = _painted.texts[0].text.size();
    EXPECT_GT(typed, 0u);
    EXPECT_LT(typed, _panel.GetCodeText(0).size());
    EXPECT_FALSE(GuiShipHudTargetInfo::IsTargetScanDone());

    // Settling: half way from the target to the panel.
    Run(1.0f, _ship.get());
    Tick(0.15f);
    _panel.Proceed(_ship.get());
    EXPECT_NEAR(_panel.GetScanDone(), 0.5f, 0.01f);
    const Vec2 halfway = (centre + _panel.GetPanelAnchor()) * 0.5f;
    EXPECT_NEAR(_panel.GetRingPos().x, halfway.x, 1.0f);
    EXPECT_FALSE(GuiShipHudTargetInfo::IsTargetScanDone());

    // Done: the flag, the panel's place, the flash, the name.
    Run(0.1f, _ship.get());
    EXPECT_TRUE(GuiShipHudTargetInfo::IsTargetScanDone());
    EXPECT_EQ(_panel.GetRingPos().x, _panel.GetPanelAnchor().x);
    EXPECT_TRUE(_panel.GetScanFlash()->GetVisible());
    Run(0.1f, _ship.get());
    EXPECT_FLOAT_EQ(_panel.GetShipMovie()->GetColor().a, 1.0f);
    EXPECT_STREQ(_panel.GetName(), _ship->GetPublicName());
    Run(0.5f, _ship.get());
    EXPECT_FALSE(_panel.GetScanFlash()->GetVisible()) << "the flash lasts 0.45 s";
    EXPECT_TRUE(GuiShipHudTargetInfo::IsTargetScanDone());

    // Another target starts over.
    std::unique_ptr<Ship> other = ShipAt(Vec3(10.0f, 0.0f, 400.0f));
    Run(0.1f, other.get());
    EXPECT_FALSE(GuiShipHudTargetInfo::IsTargetScanDone());
    EXPECT_FLOAT_EQ(_panel.GetScanTime(), 0.0f);
}

TEST_F(TargetInfoTest, ATargetOffTheScreenIsNotScanned)
{
    for (const Vec3& where : {Vec3(0.0f, 0.0f, -500.0f), Vec3(50000.0f, 0.0f, 500.0f)})
    {
        std::unique_ptr<Ship> hidden = ShipAt(where);
        Run(4.0f, hidden.get());
        EXPECT_EQ(_panel.GetScanTime(), 0.0f);
        EXPECT_FALSE(GuiShipHudTargetInfo::IsTargetScanDone());
        EXPECT_TRUE(_painted.quads.empty());
    }
}

TEST_F(TargetInfoTest, BigMessageBoxCountsTheLinesItsTitleAndTextNeed)
{
    struct Case
    {
        size_t title, text;
        int lines;
    };
    for (const Case& test : {Case{0, 0, 0}, Case{0, 700, 1}, Case{30, 0, 1}, Case{27, 600, 0}, Case{28, 0, 1},
                             Case{0, 769, 2}, Case{60, 10, 5}, Case{10, 2047, 9}})
    {
        EXPECT_EQ(GuiShipHudBigMb::LinesFor(test.title, test.text), test.lines) << test.title << " and " << test.text;
    }
    GuiShipHudBigMb box;
    box.Load();
    EXPECT_TRUE(box.IsClosed());
    EXPECT_EQ(box.GetLineCount(), 3);
    box.SetMessage(std::string(30, 't').c_str(), "", -1);
    EXPECT_FALSE(box.IsClosed());
    EXPECT_EQ(box.GetLineCount(), 1);
    box.SetMessage(std::string(500, 't').c_str(), std::string(5000, 'x').c_str(), 4);
    EXPECT_EQ(box.GetLineCount(), 4);
    EXPECT_EQ(std::string(box.GetTitle()).size(), 127u);
    EXPECT_EQ(std::string(box.GetText()).size(), 2047u);
}
