// The screens' movies and pictures drawn at the size they get in the default 1024 x 768 window:
// what each draws stays inside the part of its place that its neighbours leave it (the tips strip
// at the foot of the menus, the screen's right edge, the weaponry panel beside the own ship, the
// statistics rows above and below), and covers what the game writes over it.
#include "FlashFixture.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using FlashHost::Args;

namespace {

constexpr float Scale = 0.8f; // 1024 / 1280 and 768 / 960

// A rectangle in design units of the 1280 x 960 screen.
struct Box
{
    float x0, y0, x1, y1;
};

std::ostream& operator<<(std::ostream& out, const Box& b)
{
    return out << "(" << b.x0 << ", " << b.y0 << ") - (" << b.x1 << ", " << b.y1 << ")";
}

// Above the tips strip (at 911) of the menus, and inside the screen.
constexpr Box AboveTips{0, 0, 1280, 908};

struct Case
{
    const char* what;
    const char* movie;   // a movie of the game, or null for a picture
    const char* picture; // a texture of the game, drawn as the game draws its quad
    std::vector<std::pair<const wchar_t*, Args>> calls;
    Box placed;      // the design place the game gives it
    Box inside;      // what it draws stays inside this
    Box covers;      // and covers this (empty: nothing)
    Box avoids = {}; // and leaves this clear (empty: nothing)
};

// What a case draws: the design box of its opaque pixels, and how many of them lie in its
// `avoids` box.
struct Extent
{
    Box box;
    int inAvoided = 0;
};

class LayoutTest : public FlashTest
{
protected:
    void SetUp() override
    {
        FlashTest::SetUp();
        if (IsSkipped())
            return;
        for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DATA_DIR) + "/swf"))
        {
            if (entry.path().extension() == ".lua" && entry.path().stem() != "console")
                std::filesystem::copy_file(entry.path(), _scratch / "swf" / entry.path().filename());
        }
    }

    // The design box of what the case draws: the pixels of some opacity, mapped back through the
    // place the game gives it. Empty (x0 > x1) when it draws nothing.
    Extent Drawn(const Case& test)
    {
        const float w = test.placed.x1 - test.placed.x0, h = test.placed.y1 - test.placed.y0;
        std::string movie = test.movie ? test.movie : "picture";
        if (!test.movie)
        {
            std::ostringstream script;
            script << "movie.design(" << w << ", " << h << ")\nfunction Draw(c) c:image(\"" << test.picture
                   << "\", 0, 0, " << w << ", " << h << ") end\n";
            WriteMovie(movie, script.str());
        }
        const int pw = int(std::lround(w * Scale)), ph = int(std::lround(h * Scale));
        auto control = Control(movie, pw, ph);
        for (const auto& [function, args] : test.calls)
            control->callFunction(function, args);
        for (int frame = 0; frame < 20; ++frame)
        {
            Elapse(1.0 / 30.0);
            control->update("", false, false);
        }
        const std::vector<uint32_t> pixels = ReadTexture(*control);
        const float k = 1.0f / Scale;
        int x0 = pw, y0 = ph, x1 = -1, y1 = -1;
        Extent extent;
        for (int y = 0; y < ph; ++y)
        {
            for (int x = 0; x < pw; ++x)
            {
                if ((At(*control, pixels, x, y) >> 24) < 40)
                    continue;
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x + 1);
                y1 = std::max(y1, y + 1);
                const float dx = test.placed.x0 + (x + 0.5f) * k, dy = test.placed.y0 + (y + 0.5f) * k;
                const Box& a = test.avoids;
                extent.inAvoided += dx > a.x0 && dx < a.x1 && dy > a.y0 && dy < a.y1;
            }
        }
        extent.box = {test.placed.x0 + x0 * k, test.placed.y0 + y0 * k, test.placed.x0 + x1 * k,
                      test.placed.y0 + y1 * k};
        return extent;
    }
};

Box Place(float x, float y, float w, float h) { return {x, y, x + w, y + h}; }

// Half a pixel of the window either way is the same place.
constexpr float Slack = 1.0f / Scale;

bool Inside(const Box& in, const Box& out)
{
    return in.x0 >= out.x0 - Slack && in.y0 >= out.y0 - Slack && in.x1 <= out.x1 + Slack && in.y1 <= out.y1 + Slack;
}

} // namespace

TEST_F(LayoutTest, EveryElementStaysInItsPlaceAtTheDefaultWindowSize)
{
    const Args card = Args("/games/vantrel//textures//devices/weapons.swf");
    // A statistics row's plate is laid 7 above the row; a big row has 82 of the column, the
    // others 60, from 8 above its count down to the next row.
    const Box bigRow{0, 24, 256, 106}, smallRow{0, 24, 256, 84};
    const Case cases[] = {
        // The pilots' and the ships' carousel above the tips strip.
        {"carousel frame", "profiles_ramka", nullptr, {}, Place(522, 732, 230, 200), AboveTips, {}},
        {"carousel centre", nullptr, "gui_profiles/slot3_back1.dds", {}, Place(510, 706, 256, 256), AboveTips, {}},
        {"carousel middle plate",
         nullptr,
         "gui_profiles/slot2_back1.dds",
         {},
         Place(330, 788, 256, 128),
         AboveTips,
         {}},
        {"carousel middle frame",
         nullptr,
         "gui_profiles/slot2_back2.dds",
         {},
         Place(330, 724, 256, 256),
         AboveTips,
         {}},
        {"carousel side plate", nullptr, "gui_profiles/slot1_back1.dds", {}, Place(262, 806, 128, 128), AboveTips, {}},
        {"carousel side frame", nullptr, "gui_profiles/slot1_back2.dds", {}, Place(198, 806, 256, 128), AboveTips, {}},
        // The hangar's device cards and parameters, above the tips and inside the screen.
        {"centre device card",
         "frame_b",
         nullptr,
         {{L"Create", card}, {L"SetCaption", Args("Asp rotary cannon")}},
         Place(378, 693, 316, 256),
         {0, 0, 621, 908}, // and left of the next card, at 621
         {}},
        {"device card beside the centre",
         "frame_m",
         nullptr,
         {{L"Create", card}, {L"SetCaption", Args("Asp rotary cannon")}},
         Place(262, 762, 200, 170),
         AboveTips,
         {}},
        {"outer device card",
         "frame_m",
         nullptr,
         {{L"Create", card}, {L"SetCaption", Args("Asp rotary cannon")}},
         Place(157, 803, 140, 119),
         AboveTips,
         {}},
        {"device parameters",
         "devicesParameters",
         nullptr,
         {{L"SetTitle", Args("Parameters")}, {L"SetTxt1", Args("Damage")}, {L"SetLvl1", Args(1.0f)}},
         Place(882, 630, 400, 300),
         {0, 0, 1270, 908},
         {}},
        {"ship's flight model", nullptr, "angar/fm_b_strafe.dds", {}, Place(788, 658, 128, 128), {0, 0, 894, 908}, {}},
        // The team list's arrows.
        {"list arrow up", nullptr, "angar/scroll_arrow_up.dds", {}, Place(1015, 800, 128, 128), AboveTips, {}},
        {"list arrow down", nullptr, "angar/scroll_arrow_down.dds", {}, Place(1015, 800, 128, 128), AboveTips, {}},
        // The pilot header: under the title, above the screens' column headers (at 211), with
        // the ship's picture inside it.
        {"pilot header",
         "personal_info",
         nullptr,
         {{L"SetName", Args("Vera")}, {L"SetSName", Args("Default")}, {L"Set1", Args("Status")}},
         Place(0, 18, 1280, 256),
         {0, 74, 1280, 210},
         {1107, 86, 1235, 198}},
        {"pilot header's ship",
         nullptr,
         "angar/default_ship.dds",
         {},
         Place(1107, 80, 128, 128),
         {1107, 80, 1235, 200},
         {}},
        // The own ship's panel right of the weaponry (which ends at 921) and left of the edge.
        {"weaponry",
         "weaponry",
         nullptr,
         {{L"SetCnt1", Args("+")}},
         Place(761, 759, 160, 120),
         {761, 759, 921, 879},
         {}},
        {"own ship", "user_ship", nullptr, {}, Place(886, 715, 400, 230), {923, 715, 1280, 945}, {}},
        // A statistics row's plate holds its count and its name, and each row's picture keeps
        // clear of the rows above and below.
        {"big statistics row",
         nullptr,
         "gui/hud/gui_hud_stats_big.dds",
         {},
         Place(0, 0, 256, 128),
         bigRow,
         {87, 32, 203, 101}},
        {"medium statistics row",
         nullptr,
         "gui/hud/gui_hud_stats_medium.dds",
         {},
         Place(0, 0, 256, 128),
         smallRow,
         {118, 32, 201, 77}},
        {"small statistics row",
         nullptr,
         "gui/hud/gui_hud_stats_small.dds",
         {},
         Place(0, 0, 256, 128),
         smallRow,
         {138, 32, 215, 78}},
        {"cargo ship group", nullptr, "gui/icons/icon2.dds", {}, Place(0, 0, 128, 128), {0, 38, 128, 76}, {}},
        {"small cargo group", nullptr, "gui/icons/icon3.dds", {}, Place(0, 0, 128, 128), {0, 38, 128, 76}, {}},
        {"runner group", nullptr, "gui/icons/ytg_brrk_00.dds", {}, Place(0, 0, 128, 128), {0, 38, 128, 76}, {}},
        {"fighter group", nullptr, "gui/icons/ytg_fighter_02.dds", {}, Place(0, 0, 128, 128), {0, 38, 128, 76}, {}},
        {"portal group", nullptr, "gui/icons/ytg_portal_03.dds", {}, Place(0, 0, 128, 128), {0, 38, 128, 76}, {}},
        // The race's emblem and code on a row's plate (which ends 53 below the emblem's top for
        // a small row) beside its name: a small row's name (such as "Exit portal") reaches under
        // the emblem, 37 to 49 below its top.
        {"race emblem beside a small row's name",
         nullptr,
         "races/ytg_small.dds",
         {},
         Place(0, 0, 32, 64),
         {0, 0, 32, 53},
         {},
         {0, 37, 19, 49}},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.what);
        const Extent extent = Drawn(test);
        const Box& drawn = extent.box;
        ASSERT_LT(drawn.x0, drawn.x1) << "draws nothing";
        EXPECT_EQ(extent.inAvoided, 0) << test.what << " draws over " << test.avoids;
        EXPECT_TRUE(Inside(drawn, test.inside)) << test.what << " draws " << drawn << ", outside " << test.inside;
        if (test.covers.x0 < test.covers.x1)
        {
            EXPECT_TRUE(Inside(test.covers, drawn)) << test.what << " draws " << drawn << ", not over " << test.covers;
        }
    }
    EXPECT_FALSE(LogHas("ERROR")) << "every movie and picture is there";
}

namespace {

// The pixel boxes of a column header's white text and of its amber (active) tab and badge.
struct HeaderPixels
{
    Box white{1e9f, 1e9f, -1, -1};
    std::vector<std::pair<int, int>> whites;
};

bool White(uint32_t p)
{
    return (p >> 24) > 200 && (p >> 16 & 0xFF) > 230 && (p >> 8 & 0xFF) > 230 && (p & 0xFF) > 230;
}
bool Amber(uint32_t p)
{
    return (p >> 24) > 200 && (p >> 16 & 0xFF) > 180 && (p >> 8 & 0xFF) > 110 && (p >> 8 & 0xFF) < 190 &&
           (p & 0xFF) < 90;
}

} // namespace

// "Your team 8 / 8": the count stays on its badge, and the caption keeps left of the badge.
TEST_F(LayoutTest, AColumnHeadersCountStaysOnItsBadge)
{
    const int w = 256, h = 112; // 320 x 140 at the default window's scale
    for (const char* count : {"0 / 8", "8 / 8", "12 / 16"})
    {
        SCOPED_TRACE(count);
        // The count alone: its white glyphs lie on the amber badge.
        auto alone = Control("buttonTitle", w, h);
        alone->callFunction(L"SetCaption2", Args(count));
        alone->callFunction(L"SetState", Args(1));
        auto named = Control("buttonTitle", w, h);
        named->callFunction(L"SetCaption", Args("Your whole team"));
        named->callFunction(L"SetCaption2", Args(count));
        named->callFunction(L"SetState", Args(1));
        for (int frame = 0; frame < 20; ++frame)
        {
            Elapse(1.0 / 30.0);
            alone->update("", false, false);
            named->update("", false, false);
        }
        const std::vector<uint32_t> a = ReadTexture(*alone), b = ReadTexture(*named);
        // The badge: the amber run of the count's middle row, right of the caption's room.
        const int row = int(53 * Scale);
        int badge0 = w, badge1 = -1;
        for (int x = w / 2; x < w; ++x)
        {
            if (Amber(At(*alone, a, x, row)))
            {
                badge0 = std::min(badge0, x);
                badge1 = std::max(badge1, x);
            }
        }
        ASSERT_LT(badge0, badge1) << "a badge";
        int glyphs = 0;
        for (int y = 0; y < h; ++y)
        {
            for (int x = 0; x < w; ++x)
            {
                const bool count = White(At(*alone, a, x, y));
                if (count)
                {
                    ++glyphs;
                    EXPECT_TRUE(x > badge0 && x < badge1) << "a glyph of the count at " << x << " off its badge";
                }
                else if (White(At(*named, b, x, y)))
                {
                    EXPECT_LT(x, badge0) << "a glyph of the caption at " << x << " on the badge";
                }
            }
        }
        EXPECT_GT(glyphs, 20) << "the count is written";
    }
}
