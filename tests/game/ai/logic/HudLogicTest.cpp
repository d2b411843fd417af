// What the logic shows on the player's HUD and reads of the player's ship: messages, the
// statistics rows, the big message box, areas and tasks of "PlayerShip", and the player's death.
#include "LogicMission.h"

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/Condition.h"
#include "game/ai/logic/ShipActions.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudBigMb.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTextMessage.h"

namespace {

class HudLogic : public LogicMission
{
protected:
    GuiShipHud& Hud() const { return *level.GetPlayer()->GetHUD(); }
    PlayerShip* PlayersShip() const { return level.GetPlayer()->GetShip(); }
};

TEST_F(HudLogic, AMessageGoesToTheStripCutToWhatItHolds)
{
    const std::string text(1000, 'm');
    StartLogic("", TriggerEntry("00", "say",
                                R"(Action00 = { type = "actionTextMessage"; isEnable = 1; message = ")" + text +
                                    R"("; timeout = 4; isBlue = 0; parts = 5 })"));
    ASSERT_NE(level.GetPlayer()->GetHUD(), nullptr);
    Frame();
    const GuiShipHudTextMessage& strip = *Hud().GetTextMsg();
    EXPECT_EQ(std::string(strip.GetText()), text.substr(0, 511));
    EXPECT_FALSE(strip.IsBlue());
    EXPECT_EQ(strip.GetPieces(), 5);
    EXPECT_GT(strip.GetTimeLeft(), 3.0f);
}

TEST_F(HudLogic, EveryFrameWritesTheYtgRowsAndADestroyTaskItsOwnRow)
{
    const std::string longName(100, 'n');
    StartLogic(FighterEntry("f0", Vec3(0, 0, 300)) + FighterEntry("f1", Vec3(0, 0, 600)),
               TriggerEntry("00", "row",
                            R"(isOnce = 0; Action00 = { type = "actionShowDestroyTask"; isEnable = 1;
                   index = 7; name = ")" +
                                longName +
                                R"("; shortname = "YTG"; icon = "gui//icons//ytg_portal_03.mat"; size = 0;
                   classname = "ShipYtgFighter02" })") +
                   TriggerEntry("01", "no row", R"(Action00 = { type = "actionShowDestroyTask"; isEnable = 1;
                   index = -1; name = "hidden"; classname = "ShipYtgFighter02" })"));
    Frame();
    const GuiShipHudStats& stats = *Hud().GetStatsHud();
    struct Row
    {
        const char* id;
        const char* name;
        unsigned count;
        int style;
    } rows[] = {{"2", "Cargoship", 0, 2}, {"3", "Small Cargo", 0, 2}, {"4", "Runner", 0, 2}, {"5", "Fighter", 2, 1}};
    for (const Row& expected : rows)
    {
        const GuiShipHudStatsRow* row = stats.GetRow(expected.id);
        ASSERT_NE(row, nullptr) << expected.id;
        EXPECT_STREQ(row->name, expected.name);
        EXPECT_STREQ(row->raceTag, "YTG");
        EXPECT_EQ(row->count, expected.count) << expected.id;
        EXPECT_EQ(row->style, expected.style) << expected.id;
    }
    const GuiShipHudStatsRow* own = stats.GetRow("7");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(std::string(own->name), longName.substr(0, 63));
    EXPECT_EQ(own->count, 2u);
    EXPECT_EQ(stats.GetRow("-1"), nullptr);
    EXPECT_EQ(stats.GetRowCount(), 5u);

    level.DestroyActor(Named("f0"), false);
    Frame();
    EXPECT_EQ(stats.GetRow("5")->count, 1u);
    EXPECT_EQ(stats.GetRow("7")->count, 1u);
}

TEST_F(HudLogic, AGlobalMessageFillsTheBigBox)
{
    StartLogic("", "");
    Logic().PrintGlobalMessage("Order", std::string(3000, 't').c_str());
    const GuiShipHudBigMb& box = *Hud().GetBigMBHud();
    EXPECT_STREQ(box.GetTitle(), "Order");
    EXPECT_EQ(std::string(box.GetText()), std::string(2047, 't'));
    EXPECT_GT(box.GetLineCount(), 0);
}

TEST_F(HudLogic, PlayerShipNamesThePlayersShip)
{
    StartLogic(Entry("obj_player", "{ classname = \"player\"; position = { x = 10; y = 0; z = 0 } }"),
               TriggerEntry("00", "exact", R"(Condition00 = { type = "conditionShipInArea"; shipName = "PlayerShip";
                                               areaType = "sphere"; x = 0; y = 0; z = 0; radius = 10 };
                                               Action00 = { type = "actionShipChangeTask"; isEnable = 1;
                                               shipName = "pLaYeRsHiP"; taskType = "idle" })") +
                   TriggerEntry("01", "case", R"(Condition00 = { type = "conditionShipInArea"; shipName = "playership";
                                               areaType = "sphere"; x = 0; y = 0; z = 0; radius = 10 })"));
    ASSERT_NE(PlayersShip(), nullptr);
    const auto& area = dynamic_cast<ConditionShipInArea&>(*TriggerAt(0).GetCondition(0));
    EXPECT_EQ(area.GetShip(), PlayersShip());
    EXPECT_TRUE(TriggerAt(0).GetCondition(0)->Is());
    EXPECT_EQ(dynamic_cast<const ConditionShipInArea&>(*TriggerAt(1).GetCondition(0)).GetShip(), nullptr)
        << "an area's ship name counts its letter case";
    EXPECT_EQ(dynamic_cast<const ActionShipChangeTask&>(*TriggerAt(0).GetAction(0)).GetShip(), PlayersShip())
        << "a task's does not";
}

TEST_F(HudLogic, ThePlayersDeathComesBeforeAWinInTheSameFrame)
{
    StartLogic("", TriggerEntry("00", "win", R"(Action00 = { type = "actionMissionWin"; isEnable = 1 })"));
    PlayersShip()->Explode();
    Frame();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_LOST);
    EXPECT_TRUE(TriggerAt(0).IsTriggered());
    EXPECT_EQ(log.Count("LevelLogic: the mission is"), 1);
}

} // namespace
