// The weaponry panel: the movie told every slot's state and count each frame, "+" for unlimited
// ammunition, and no calls outside a single-player game.
#include "HudTestSupport.h"

#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHudWeaponry.h"

#include <string>

namespace {

class WeaponryTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        HudGame::ReplaceMovie("weaponry",
                              RecordingMovie("weaponry", {"SetGunState", "SetCnt1", "SetCnt2", "SetCnt3", "SetCnt4"}));
        _panel.Load();
    }
    // The calls the movie logged since the watch began, in order.
    std::vector<std::string> Calls(const LogWatch& since) const
    {
        std::vector<std::string> calls;
        std::string all = since.All();
        const std::string mark = "weaponry call ";
        for (size_t at = all.find(mark); at != std::string::npos; at = all.find(mark, at + 1))
            calls.push_back(all.substr(at + mark.size(), all.find('\n', at) - at - mark.size()));
        return calls;
    }

    GuiShipHudWeaponry _panel;
};

} // namespace

TEST_F(WeaponryTest, EachFrameTellsEverySlotsStateThenItsCount)
{
    _panel.SetCount1(-1);
    _panel.SetCount2(0);
    _panel.SetCount3(12);
    _panel.SetCount4(-5);
    _panel.SetSelected1(false);
    _panel.SetSelected2(true);
    for (int frame = 0; frame < 2; ++frame)
    {
        LogWatch watch;
        _panel.Proceed();
        EXPECT_EQ(Calls(watch),
                  (std::vector<std::string>{"SetGunState 1 0", "SetCnt1 +", "SetGunState 2 1", "SetCnt2 0",
                                            "SetGunState 3 1", "SetCnt3 12", "SetGunState 4 0", "SetCnt4 +"}))
            << "frame " << frame;
    }
    _panel.SetPresent3(false);
    LogWatch watch;
    _panel.Proceed();
    EXPECT_EQ(Calls(watch).size(), 6u) << "a slot that is not there is not told";
}

TEST_F(WeaponryTest, AShipWithFewerWeaponsLeavesTheOtherCountsAndANetworkGameSendsNothing)
{
    _panel.SetCount2(7);
    std::unique_ptr<Ship> ship = ShipAt(Vec3(0.0f, 0.0f, 0.0f)); // no weapons at all
    _panel.TakeCounts(ship.get());
    _panel.TakeCounts(nullptr);
    EXPECT_EQ(_panel.GetCount(2), 7);

    HudGame::SetNetworkGame(true);
    LogWatch watch;
    _panel.Proceed();
    HudGame::SetNetworkGame(false);
    EXPECT_TRUE(Calls(watch).empty());
}

TEST(WeaponryCount, UnlimitedIsAPlus)
{
    struct Case
    {
        int count;
        const char* text;
    };
    for (const Case& test : {Case{0, "0"}, Case{-1, "+"}, Case{-2147483647 - 1, "+"}, Case{2147483647, "2147483647"}})
    {
        char text[16];
        GuiShipHudWeaponry::CountText(test.count, text);
        EXPECT_STREQ(text, test.text) << test.count;
    }
}
