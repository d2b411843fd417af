// The menu screens on a wide and on a 4:3 window, read back from what their layers really draw
// (the opaque pixels of each layer's texture where its quad puts them): every column header
// stands over its panel, the team list's arrows and focus brackets keep inside the list's frame,
// and the carousels keep clear of the tips strip.
#include "DrawnLayers.h"
#include "MenuFixture.h"

#include "game/core/catalogue/LevelDesc.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/core/game/Game.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/hangar/GuiTopButtons.h"
#include "gui/menus/GuiMainMenu.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct WindowSize
{
    int width, height;
};

std::string Name(const testing::TestParamInfo<WindowSize>& info)
{
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
}

// A pixel either way is the same place.
constexpr float Slack = 1.0f;

} // namespace

class ScreensFitTest : public MenuTest, public testing::WithParamInterface<WindowSize>
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        if (IsSkipped())
            return;
        const WindowSize size = GetParam();
        if (size.width != LayerManager::GetWidth() || size.height != LayerManager::GetHeight())
        {
            TearDownGame();
            SetWindowSize(size);
            StartGame();
        }
        ASSERT_EQ(LayerManager::GetWidth(), size.width);
        _pilot = game.GetProfileManager()->CreateProfile("Vera");
        ASSERT_NE(_pilot, nullptr);
        _pilot->SetCash(4200);
        // The team mission, eight seats dearer than the pilot's cash.
        _pilot->SetCurrentLevel(_pilot->GetLevelsList()->GetFreeDesc(1));
        _pilot->GetCurrentLevel()->SetPrice(8000);
    }

    void TearDown() override
    {
        MenuTest::TearDown();
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
        GuiTopButtons::ResetState();
    }

    // The game's window size, in the configuration the game reads at its start.
    void SetWindowSize(const WindowSize& size)
    {
        const std::filesystem::path config = _data->GetPath() / "config.cfg";
        std::stringstream text;
        text << std::ifstream(config).rdbuf();
        std::string lines = text.str();
        lines = std::regex_replace(lines, std::regex("Video\\.ScrWidth = [0-9.]+;"),
                                   "Video.ScrWidth = " + std::to_string(size.width) + ";");
        lines = std::regex_replace(lines, std::regex("Video\\.ScrHeight = [0-9.]+;"),
                                   "Video.ScrHeight = " + std::to_string(size.height) + ";");
        std::ofstream(config) << lines;
    }

    // Runs the screen until its fades, slides and pulses are over, and notes what the next frame
    // draws.
    void Draw(int frames = 15)
    {
        Frames(frames);
        _drawn.Clear();
        Frames();
    }

    // Design units on this window.
    static float Units(float design) { return design * LayerManager::GetScaleFactor(); }

    static void ExpectTabOverPanel(const ScreenBox& tab, const ScreenBox& panel, const std::string& what)
    {
        EXPECT_TRUE(tab.x0 >= panel.x0 - Slack && tab.x1 <= panel.x1 + Slack && tab.y0 < panel.y0)
            << what << ": the tab draws " << tab << ", its panel " << panel;
    }

    // In the frame and at least `margin` design units in from its outer edge.
    static void ExpectInside(const ScreenBox& inner, const ScreenBox& frame, float margin, const std::string& what)
    {
        const float m = Units(margin) - Slack;
        EXPECT_TRUE(inner.x0 >= frame.x0 + m && inner.x1 <= frame.x1 - m && inner.y0 >= frame.y0 + m &&
                    inner.y1 <= frame.y1 - m)
            << what << " draws " << inner << ", its frame " << frame;
    }

    DrawnLayers _drawn;
    UserProfile* _pilot = nullptr;
};

TEST_P(ScreensFitTest, EveryColumnHeaderStandsOverItsPanel)
{
    struct Tab
    {
        const char* frame;
        size_t header; // the screen's column headers in the order they are drawn
        const char* panel;
    };
    const Tab tabs[] = {
        {"mission_desc", 0, "mission_map"},     {"mission_desc", 1, "mission_desc"},
        {"mission_score", 0, "left_column"},    {"mission_score", 1, "center_column"},
        {"mission_score", 2, "right_column"},   {"team_gathering", 0, "left_column"},
        {"team_gathering", 1, "right_column"},  {"stock_ex", 0, "races_column"},
        {"stock_ex", 1, "pirates_column_back"}, {"create_game", 0, "mission_map2"},
        {"create_game", 1, "mission_desc2"},
    };
    const char* open = "";
    for (const Tab& tab : tabs)
    {
        if (std::string(open) != tab.frame)
        {
            open = tab.frame;
            ASSERT_TRUE(Open(open));
            Draw();
        }
        const std::vector<ScreenBox> headers = _drawn.Boxes("buttonTitle");
        ASSERT_LT(tab.header, headers.size()) << tab.frame;
        ExpectTabOverPanel(headers[tab.header], _drawn.Box(tab.panel), std::string(tab.frame) + " " + tab.panel);
    }
    // The multiplayer menu's games, under the middle header.
    ASSERT_TRUE(Open("multiplayer_menu"));
    Press("R");
    Draw();
    const std::vector<ScreenBox> headers = _drawn.Boxes("buttonTitle");
    ASSERT_EQ(headers.size(), 3u);
    ExpectTabOverPanel(headers[1], _drawn.Box("multiplayer_table"), "multiplayer_menu games");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// The brackets around the chosen row and the arrows below the last one stand inside the list's
// frame, 6 units in from its edge, clear of its border.
TEST_P(ScreensFitTest, TeamListsKeepTheirArrowsAndBracketsInsideTheirFrames)
{
    ASSERT_TRUE(Open("team_gathering"));
    Press("AAA"); // three pirates hired: the five left fill the list, and both arrows show
    Press("D");
    Draw();
    const ScreenBox pirates = _drawn.Box("right_column");
    for (const char* arrow : {"arrowUp", "arrowDown"})
        ExpectInside(_drawn.Box(arrow), pirates, 6.0f, arrow);
    for (const char* corner : {"ugolk1", "ugolk2", "ugolk3", "ugolk4"})
        ExpectInside(_drawn.Box(corner), pirates, 6.0f, std::string("pirates' ") + corner);

    Press("LL"); // to the hired gang
    Draw();
    const ScreenBox gang = _drawn.Box("left_column");
    for (const char* corner : {"ugolk1", "ugolk2", "ugolk3", "ugolk4"})
        ExpectInside(_drawn.Box(corner), gang, 6.0f, std::string("gang's ") + corner);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// Each carousel (the pilots', the ships', the hangar's devices and the maps') ends 10 units or
// more above the tips strip.
TEST_P(ScreensFitTest, CarouselsKeepClearOfTheTipsStrip)
{
    auto expectClear = [this](const char* layer, const std::string& what) {
        const ScreenBox tips = _drawn.Box("remarks");
        const std::vector<ScreenBox> boxes = _drawn.Boxes(layer);
        EXPECT_FALSE(boxes.empty()) << what;
        for (const ScreenBox& box : boxes)
        {
            // Slots waiting off the screen for their turn.
            if (box.y0 >= float(LayerManager::GetHeight()))
                continue;
            EXPECT_LE(box.y1, tips.y0 - Units(10.0f) + Slack) << what << " draws " << box << ", the tips " << tips;
        }
    };
    ASSERT_TRUE(Open("main_menu"));
    Draw(30);
    expectClear("ramka", "the pilots' carousel");
    ASSERT_TRUE(Open("angar"));
    Draw(30);
    expectClear("ramka", "the ships' carousel");
    Press("DDA"); // back to fitting
    Press("DA");  // the devices of a slot
    Draw(30);
    expectClear("title", "the devices' carousel");
    ASSERT_TRUE(Open("create_game"));
    Draw(30);
    expectClear("slot", "the maps' carousel");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreensFitTest,
                         testing::Values(WindowSize{1920, 1080}, WindowSize{1280, 720}, WindowSize{1024, 768}), Name);
