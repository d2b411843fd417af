// The statistics panel: rows in the order of their ids as text, hidden rows, emblems.
#include "HudTestSupport.h"

#include "game/hud/GuiShipHudStats.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

class StatsTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        _stats.Load();
    }
    // The y of each plate drawn, in design units.
    std::vector<float> PlateRows()
    {
        _painted.Clear();
        _stats.Proceed();
        std::vector<float> rows;
        for (const char* plate : {"gui_hud_stats_big.mat", "gui_hud_stats_medium.mat", "gui_hud_stats_small.mat"})
        {
            for (const PaintRecorder::QuadRecord& quad : _painted.QuadsOf(GuiGame::LoadMaterial(plate)))
                rows.push_back(std::round(quad.pos.y / (Hud::ScreenHeight() / 960.0f)));
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // The texts drawn, in order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const PaintRecorder::TextRecord& text : _painted.texts)
            texts.push_back(text.text);
        return texts;
    }

    GuiShipHudStats _stats;
};

} // namespace

TEST_F(StatsTest, RowsFollowTheirIdsAsTextAndBigRowsTakeMoreRoom)
{
    _stats.SetEntry("2", "Cargoship", "YTG", "gui//icons//icon2.mat", 2, 3);
    _stats.SetEntry("10", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 12);
    _stats.SetEntry("3", "Small Cargo", "YTG", "gui//icons//icon3.mat", 0, 1);
    // Plates stand at y - 39 + 32 of their row: rows at 4, 64 (after the medium "10") and 146.
    EXPECT_EQ(PlateRows(), (std::vector<float>{-3.0f, 57.0f, 139.0f}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"12", "Fighter", "3", "Cargoship", "1", "Small Cargo"}));
    // The big row's count at its own place: q = 1249 - 1045 - 148.
    const PaintRecorder::TextRecord& count = _painted.texts[2];
    const float sx = Hud::ScreenWidth() / 1280.0f, sy = Hud::ScreenHeight() / 960.0f;
    EXPECT_NEAR(count.rect.x, (56.0f + 1048.0f) * sx, 1e-3f);
    EXPECT_NEAR(count.rect.y, (64.0f - 39.0f + 64.0f) * sy, 1e-3f);
    EXPECT_NEAR(count.rect.z - count.rect.x, 35.0f * sx, 1e-3f);
    EXPECT_EQ(count.height, 16u);
    EXPECT_EQ(count.weight, 700u);
}

TEST_F(StatsTest, ARowWithNoShipsLeftIsHiddenAndTheRowsBelowMoveUp)
{
    _stats.SetEntry("2", "Cargoship", "YTG", "gui//icons//icon2.mat", 2, 1);
    _stats.SetEntry("3", "Small Cargo", "YTG", "gui//icons//icon3.mat", 2, 4);
    _stats.SetEntry("4", "Runner", "YTG", "gui//icons//ytg_brrk_00.mat", 2, 2);
    EXPECT_EQ(PlateRows(), (std::vector<float>{-3.0f, 79.0f, 161.0f}));
    _stats.SetEntry("3", "Small Cargo", "YTG", "gui//icons//icon3.mat", 2, 0);
    EXPECT_EQ(PlateRows(), (std::vector<float>{-3.0f, 79.0f}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1", "Cargoship", "2", "Runner"}));
    EXPECT_EQ(_stats.GetRowCount(), 3u) << "the row stays, only hidden";
}

TEST_F(StatsTest, AnUpdateKeepsTheFirstPictureAndChangesTheRest)
{
    _stats.SetEntry("5", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 8);
    _stats.SetEntry("5", "Fighters", "BLG", "gui//icons//icon3.mat", 2, 7);
    const GuiShipHudStatsRow* row = _stats.GetRow("5");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->icon, GuiGame::LoadMaterial("gui//icons//ytg_fighter_02.mat"));
    EXPECT_STREQ(row->name, "Fighters");
    EXPECT_STREQ(row->raceTag, "BLG");
    EXPECT_EQ(row->count, 7u);
    EXPECT_EQ(row->style, 2);
}

TEST_F(StatsTest, OnlyTheEightRaceCodesShowAnEmblem)
{
    Material* ytg = GuiGame::LoadMaterial("races//ytg_small.mat");
    Material* sha = GuiGame::LoadMaterial("races//sha_small.mat");
    _stats.SetEntry("1", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 1);
    _stats.SetEntry("2", "Ghost", "ytg", "gui//icons//ytg_fighter_02.mat", 1, 1);
    _stats.SetEntry("3", "Drone", "SHA", "gui//icons//ytg_fighter_02.mat", 1, 1);
    _painted.Clear();
    _stats.Proceed();
    ASSERT_EQ(_painted.QuadsOf(ytg).size(), 1u) << "codes are upper case";
    ASSERT_EQ(_painted.QuadsOf(sha).size(), 1u);
    const float sx = Hud::ScreenWidth() / 1280.0f;
    EXPECT_NEAR(_painted.QuadsOf(ytg)[0].pos.x, (1249.0f - 1045.0f - 148.0f + 1155.0f) * sx, 1e-3f);
}

TEST_F(StatsTest, LongNamesAreCutToTheRowsWidth)
{
    const std::string name(1023, 'n');
    _stats.SetEntry(name.c_str(), name.c_str(), name.c_str(), "gui//icons//icon2.mat", 2, 1);
    const GuiShipHudStatsRow* row = _stats.GetRow(name.c_str());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(std::string(row->name), std::string(63, 'n'));
    EXPECT_EQ(std::string(row->raceTag), std::string(63, 'n'));
}
