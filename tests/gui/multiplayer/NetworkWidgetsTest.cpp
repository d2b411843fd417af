// The network overlays drawn over a blank screen: which picture is highlighted, and nothing at
// all while hidden.
#include "MenuFixture.h"

#include "gui/multiplayer/GuiNetworkWidgets.h"

#include <algorithm>

namespace {

class NetworkWidgetsTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Open("empty"));
    }

    // The brightness of a rectangle of the screenshot: the sum of every pixel's brightest channel.
    static long Brightness(const Picture& picture, int x, int y, int w, int h)
    {
        long sum = 0;
        for (int py = y; py < y + h; ++py)
        {
            for (int px = x; px < x + w; ++px)
            {
                const uint32_t rgb = picture.At(px, py);
                sum += std::max({int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)});
            }
        }
        return sum;
    }

    // The screen with the widget drawn over it this frame.
    Picture Draw(GuiBase& widget, const std::string& name)
    {
        widget.Proceed();
        return Shoot(name);
    }
};

} // namespace

TEST(NetworkWidgets, PickersStayWithinTheirChoices)
{
    GuiNetworkPickSide side;
    EXPECT_FALSE(side.IsVisible());
    side.Left();
    EXPECT_EQ(side.GetSide(), 0);
    side.Right();
    side.Right();
    EXPECT_EQ(side.GetSide(), 1);
    side.Left();
    EXPECT_EQ(side.GetSide(), 0);

    GuiNetworkPickShip ship;
    ship.Left();
    EXPECT_EQ(ship.GetSelection(), 1);
    for (int i = 0; i < 8; ++i)
        ship.Right();
    EXPECT_EQ(ship.GetSelection(), 6);
    ship.Left();
    EXPECT_EQ(ship.GetSelection(), 5);
}

TEST_F(NetworkWidgetsTest, TheChosenSideIsHighlighted)
{
    GuiNetworkPickSide side;
    side.Load();
    // 1024 x 768: k = 0.8, pictures of 153 pixels at x 307 and 563, y 307.
    const Picture hidden = Draw(side, "network_side_hidden");
    EXPECT_EQ(Brightness(hidden, 307, 307, 153, 153) + Brightness(hidden, 563, 307, 153, 153), 0);
    side.Show();
    const Picture left = Draw(side, "network_side_left");
    side.Right();
    const Picture right = Draw(side, "network_side_right");
    EXPECT_GT(Brightness(left, 307, 307, 153, 153), Brightness(right, 307, 307, 153, 153) * 11 / 10);
    EXPECT_GT(Brightness(right, 563, 307, 153, 153), Brightness(left, 563, 307, 153, 153) * 11 / 10);
}

TEST_F(NetworkWidgetsTest, TheChosenShipIsHighlightedAmongTheFirstTeamsSix)
{
    GuiNetworkPickShip ship;
    ship.Load();
    ship.Show();
    // 1024 x 768: the six pictures of 153 pixels from x = 170 - 96, 160 pixels apart.
    auto shipX = [](int p) { return 74 + 160 * p; };
    const Picture first = Draw(ship, "network_ship_1");
    for (int i = 0; i < 3; ++i)
        ship.Right();
    const Picture fourth = Draw(ship, "network_ship_4");
    for (int p = 0; p < GuiNetworkPickShip::ShipCount; ++p)
    {
        const long before = Brightness(first, shipX(p), 307, 153, 153);
        const long after = Brightness(fourth, shipX(p), 307, 153, 153);
        EXPECT_GT(before, 0) << p;
        if (p == 0)
        {
            EXPECT_GT(before, after * 11 / 10);
        }
        else if (p == 3)
        {
            EXPECT_GT(after, before * 11 / 10);
        }
        else
        {
            EXPECT_NEAR(double(before), double(after), before * 0.02) << p;
        }
    }
}

TEST_F(NetworkWidgetsTest, TheScoreTableIsDrawnOnlyWhileShown)
{
    GuiNetworkStat stat;
    stat.Load();
    const Picture hidden = Draw(stat, "network_stat_hidden");
    stat.Show();
    const Picture shown = Draw(stat, "network_stat");
    // The line between the two teams' halves, down the middle of the screen.
    auto cyan = [](uint32_t rgb) { return (rgb & 0xFF) > 0x40 && (rgb >> 16 & 0xFF) < (rgb & 0xFF); };
    EXPECT_EQ(hidden.Count(511, 200, 3, 400, cyan), 0);
    EXPECT_GT(shown.Count(511, 200, 3, 400, cyan), 300);
}
