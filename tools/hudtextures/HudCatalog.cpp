#include "HudCatalog.h"

#include "HudArt.h"
#include "textures/Image.h"

#include <algorithm>
#include <cctype>
#include <cmath>

using namespace HudArt;

namespace {

// The material's name without folders and extension, lower case.
std::string Stem(const std::string& material)
{
    std::string stem = material.substr(material.find_last_of('/') + 1);
    stem = stem.substr(0, stem.rfind('.'));
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return stem;
}

const Rgba BlueFill{0.02f, 0.10f, 0.22f, 0.78f};
const Rgba RedFill{0.22f, 0.03f, 0.03f, 0.78f};

// One piece of the message strip: a band between rows 34 and 68 from x0 to x1, capped at the
// sides given.
void StripPiece(Canvas& c, float x0, float x1, bool capLeft, bool capRight, Rgba fill, Rgba edge)
{
    c.Fill([&](float px, float py) { return px >= x0 && px < x1 && py >= 34.0f && py < 68.0f ? 1.0f : 0.0f; },
           [&](float, float) { return fill; });
    Line(c, x0, 35.0f, x1, 35.0f, 2.0f, edge);
    Line(c, x0, 67.0f, x1, 67.0f, 2.0f, edge);
    if (capLeft)
    {
        Line(c, x0 + 1.0f, 30.0f, x0 + 1.0f, 72.0f, 3.0f, edge);
        Line(c, x0 - 8.0f, 51.0f, x0 + 1.0f, 40.0f, 2.0f, edge);
        Line(c, x0 - 8.0f, 51.0f, x0 + 1.0f, 62.0f, 2.0f, edge);
    }
    if (capRight)
    {
        Line(c, x1 - 1.0f, 30.0f, x1 - 1.0f, 72.0f, 3.0f, edge);
        Line(c, x1 + 8.0f, 51.0f, x1 - 1.0f, 40.0f, 2.0f, edge);
        Line(c, x1 + 8.0f, 51.0f, x1 - 1.0f, 62.0f, 2.0f, edge);
    }
}

// The statistics row plate of one size: the card from `left` down to `bottom`, under the row's
// count and name, with a dark inset behind the count's box (from `countX`, rows 32 to 47). The
// count's digits come within a few pixels of the card's top at the smaller screen heights, and
// the names, drawn at a fixed pixel size, reach its foot: the inset has no border, and the
// card's bottom edge is drawn at the corners only.
void StatsPlate(Canvas& c, float left, float bottom, float countX, bool light)
{
    const float top = 25.0f;
    if (light)
    {
        Panel(c, left, top, 250.0f - left, bottom - top, 8.0f, Rgba{1.0f, 1.0f, 1.0f, 0.9f}, White, 2.0f);
        return;
    }
    Card(c, left, top, 250.0f - left, bottom - top, 8.0f, Rgba{0.02f, 0.10f, 0.22f, 0.72f}, WithAlpha(Cyan, 0.8f), 1.5f,
         12.0f);
    Panel(c, countX - 2.0f, 28.0f, 39.0f, 21.0f, 4.0f, Rgba{0.0f, 0.0f, 0.0f, 0.6f}, Rgba{0.0f, 0.0f, 0.0f, 0.0f},
          0.0f);
}

// A small race emblem under the race's code, both within the plates of every row size and above
// the rows where a small or medium row's name reaches under the emblem (37 to 49).
void RaceSmall(Canvas& c, uint32_t color, unsigned spokes, const std::string& code)
{
    const Image emblem = MakeEmblem(24, color, spokes);
    for (unsigned y = 0; y < 24; ++y)
    {
        for (unsigned x = 0; x < 24; ++x)
        {
            const uint32_t p = emblem.At(x, y);
            const Rgba rgba{float(p >> 16 & 0xFF) / 255.0f, float(p >> 8 & 0xFF) / 255.0f, float(p & 0xFF) / 255.0f,
                            1.0f};
            c.Blend(x + 4, y + 12, rgba, float(p >> 24) / 255.0f);
        }
    }
    Caption(c, code, 16.0f, 5.0f, 9, true, White);
}

// A group picture: a silhouette right of the row's count and left of its emblem, between rows
// 45 and 70, which keep 3 units under the card's top and above the row's name for every row
// size (at screen heights down to 720). Across, a big row leaves it columns 49 to 119, a medium
// one 57 to 98.
void GroupIcon(Canvas& c, bool cargo, float size)
{
    const Rgba fill = WithAlpha(Cyan, 0.35f);
    if (cargo)
        Cargo(c, 72.0f, 57.5f, size, fill, Cyan);
    else
        Fighter(c, 78.0f, 58.0f, size, fill, Cyan);
}

// A level bar of the target panel: the filled part from `from` to `to`. The bar's right end
// stands under its label's box, so the picture leaves its last columns empty.
void LevelBar(Canvas& c, float from, float to)
{
    Bar(c, from, 3.0f, to - from, 10.0f, Rgba{0.1f, 0.3f, 0.8f, 0.9f}, Rgba{0.0f, 0.84f, 1.0f, 1.0f});
    for (float x = from + 8.0f; x < to; x += 8.0f)
        Line(c, x, 3.0f, x, 13.0f, 1.0f, Rgba{0.0f, 0.05f, 0.15f, 0.6f});
}

void Label(Canvas& c, const std::string& text, unsigned height, Rgba color)
{
    Caption(c, text, float(c.Width()) * 0.5f, float(c.Height()) * 0.5f, height, true, color);
}

std::vector<HudPicture> StripPictures()
{
    std::vector<HudPicture> pictures;
    for (int red = 0; red < 2; ++red)
    {
        const Rgba fill = red ? RedFill : BlueFill;
        const Rgba edge = red ? Red : Cyan;
        const char* side = red ? "_r" : "_b";
        const std::string colour = red ? "red" : "blue";
        // Ends 130 design units apart, centre pieces every 60: the band runs from x = 40 of the
        // left end to x = 90 of the right end, centred on the screen for any piece count.
        pictures.push_back(Picture(
            std::string("gui_hud_message_left") + side + ".mat", 256, 256,
            [=](Canvas& c) { StripPiece(c, 40.0f, 131.0f, true, false, fill, edge); },
            "The message strip's left end, " + colour + "."));
        pictures.push_back(Picture(
            std::string("gui_hud_message_center") + side + ".mat", 128, 128,
            [=](Canvas& c) { StripPiece(c, 0.0f, 61.0f, false, false, fill, edge); },
            "A centre piece of the message strip, " + colour + "."));
        pictures.push_back(Picture(
            std::string("gui_hud_message_right") + side + ".mat", 256, 256,
            [=](Canvas& c) { StripPiece(c, 0.0f, 90.0f, false, true, fill, edge); },
            "The message strip's right end, " + colour + "."));
    }
    return pictures;
}

std::vector<HudPicture> StatsPictures()
{
    std::vector<HudPicture> pictures;
    struct Size
    {
        const char* name;
        float left, bottom, countX;
    };
    // A big row has 82 rows of the column and a smaller one 60, from 8 above its count.
    for (const Size& size : {Size{"big", 82.0f, 103.0f, 89.0f}, Size{"medium", 110.0f, 82.0f, 118.0f},
                             Size{"small", 130.0f, 82.0f, 145.0f}})
    {
        pictures.push_back(Picture(
            std::string("gui_hud_stats_") + size.name + ".mat", 256, 128,
            [=](Canvas& c) { StatsPlate(c, size.left, size.bottom, size.countX, false); },
            std::string("The plate of a ") + size.name + " row of the statistics panel."));
        pictures.push_back(Picture(
            std::string("gui_hud_stats_") + size.name + "_light.mat", 256, 128,
            [=](Canvas& c) { StatsPlate(c, size.left, size.bottom, size.countX, true); },
            std::string("The blink over a ") + size.name + " row of the statistics panel."));
    }
    struct Race
    {
        const char* code;
        uint32_t color;
        unsigned spokes;
    };
    // The colours and rays of the races' large emblems.
    for (const Race& race : {Race{"ASP", 0xFF2060C0, 3}, Race{"BLG", 0xFFC03020, 4}, Race{"FSLK", 0xFF20A060, 5},
                             Race{"RTB", 0xFFC08020, 6}, Race{"SHA", 0xFF8040C0, 7}, Race{"SMKT", 0xFF20A0B0, 8},
                             Race{"TLD", 0xFF909090, 9}, Race{"YTG", 0xFF60A020, 10}})
    {
        const std::string code = race.code;
        const std::string file = Stem(code) + "_small";
        HudPicture picture = Picture(
            "races//" + file + ".mat", 32, 64, [=](Canvas& c) { RaceSmall(c, race.color, race.spokes, code); },
            "The small emblem of the race " + code + " on the statistics panel.");
        picture.texture = "races/" + file + ".dds";
        pictures.push_back(picture);
    }
    struct Group
    {
        const char* file;
        bool cargo;
        float size;
        const char* caption;
    };
    for (const Group& group :
         {Group{"icon2", true, 29.0f, "Cargoship"}, Group{"icon3", true, 26.0f, "Small Cargo"},
          Group{"ytg_brrk_00", false, 24.0f, "Runner"}, Group{"ytg_fighter_02", false, 26.0f, "Fighter"}})
    {
        HudPicture picture = Picture(
            std::string("gui//icons//") + group.file + ".mat", 128, 128,
            [=](Canvas& c) { GroupIcon(c, group.cargo, group.size); },
            std::string("The picture of the target group ") + group.caption + ".");
        picture.texture = std::string("gui/icons/") + group.file + ".dds";
        pictures.push_back(picture);
    }
    return pictures;
}

std::vector<HudPicture> TargetPanelPictures()
{
    std::vector<HudPicture> pictures;
    pictures.push_back(Picture(
        "gui_hud_enemy1.mat", 512, 256,
        [](Canvas& c) {
            Panel(c, 4, 4, 504, 248, 12, WithAlpha(DeepBlue, 0.7f), Cyan, 2);
            Label(c, "ENEMY", 24, Cyan);
        },
        "The target panel's backdrop."));
    pictures.push_back(Picture(
        "gui//worning_0.mat", 128, 128,
        [](Canvas& c) {
            ArrowUp(c, 64, 10, 110, 100, WithAlpha(Amber, 0.85f));
            Caption(c, "!", 64, 76, 48, true, DeepBlue);
        },
        "A warning sign."));
    pictures.push_back(Picture(
        "gui_hud_enemy_levelLine.mat", 16, 16, [](Canvas& c) { Line(c, 8, 0, 8, 16, 2, Cyan); },
        "The tick at a target bar's end."));
    // One texel a design unit: a long bar's end (211) stands 7 under its label (from 204), a
    // short one's (202) 6 (from 196); both stop 2 short of the label's box.
    pictures.push_back(Picture(
        "gui_hud_enemy_line1.mat", 128, 16, [](Canvas& c) { LevelBar(c, 5.0f, 118.0f); },
        "A long target bar, full from 0.039 of its width to 0.92."));
    pictures.push_back(Picture(
        "gui_hud_enemy_line2.mat", 128, 16, [](Canvas& c) { LevelBar(c, 14.0f, 119.0f); },
        "A short target bar, full from 0.109 of its width to 0.93."));
    // The rings stand unscaled on the panel, 285 units from its left: at the smallest scale
    // (0.75, at 1280 x 720) the outer one keeps 2 pixels from the labels (51 units from its
    // centre), and the innermost one holds the panel's fighter (12 units out) at the largest
    // (1.125 at 1920 x 1080; 1.5 at 2560 x 1440).
    pictures.push_back(Picture(
        "gui_hud_enemy_circle1.mat", 128, 128, [](Canvas& c) { Ring(c, 64, 64, 34, 3, Cyan, 24, 0); },
        "A scanner ring with ticks."));
    pictures.push_back(Picture(
        "gui_hud_enemy_circle2.mat", 128, 128, [](Canvas& c) { Ring(c, 64, 64, 28, 3, WithAlpha(Cyan, 0.8f), 0, 12); },
        "A scanner ring broken at the diagonals."));
    pictures.push_back(Picture(
        "gui_hud_enemy_circle3.mat", 128, 128, [](Canvas& c) { Ring(c, 64, 64, 22, 2, White, 0, 0); },
        "A thin scanner ring, white so that its tint shows."));
    pictures.push_back(Picture(
        "gui_hud_enemy_circle4.mat", 128, 128, [](Canvas& c) { Ring(c, 64, 64, 16, 2, Cyan, 8, 8); },
        "A small scanner ring."));
    pictures.push_back(Picture(
        "gui_hud_scanner_line.mat", 128, 128,
        [](Canvas& c) {
            Line(c, 4, 18, 126, 18, 2, Cyan);
            for (float x = 8; x < 120; x += 16)
                Line(c, x, 14, x, 22, 1, Cyan);
            Line(c, 4, 18, 4, 110, 1, WithAlpha(Cyan, 0.6f));
        },
        "The scanner's leader line to the target."));
    pictures.push_back(Picture(
        "gui_hud_scanner_arrow.mat", 128, 128,
        [](Canvas& c) {
            ArrowUp(c, 64, 2, 22, 18, White);
            ArrowUp(c, 64, 108, 22, 18, WithAlpha(White, 0.5f));
        },
        "The scanner's turning arrow heads, white so that their tint shows."));
    pictures.push_back(Picture(
        "gui_hud_scanner_white.mat", 128, 128,
        [](Canvas& c) {
            c.Fill([](float x, float y) { return CircleCover(x, y, 64, 64, 36); },
                   [](float x, float y) {
                       const float d = std::hypot(x - 64, y - 64) / 36.0f;
                       return Rgba{1, 1, 1, std::clamp(1.0f - d * d, 0.0f, 1.0f)};
                   });
        },
        "The flash of a finished scan, added to what is behind."));
    pictures.back().additive = true;
    return pictures;
}

std::vector<HudPicture> BoxPictures()
{
    std::vector<HudPicture> pictures;
    for (int i = 1; i <= 4; ++i)
    {
        pictures.push_back(Picture(
            "gui_hud_bigmb_" + std::to_string(i) + ".mat", 128, 128,
            [](Canvas& c) { Panel(c, 2, 2, 124, 124, 6, WithAlpha(DeepBlue, 0.8f), Cyan, 2); },
            "A side of the big message box."));
    }
    for (const char* corner : {"c1", "c2"})
    {
        pictures.push_back(Picture(
            std::string("gui_hud_bigmb_") + corner + ".mat", 64, 64,
            [](Canvas& c) { Brackets(c, 4, 4, 56, 20, 3, Cyan); }, "A corner of the big message box."));
    }
    HudPicture back = Picture(
        "gui_mission_objectives//mo_back.mat", 512, 512,
        [](Canvas& c) {
            Panel(c, 205, 236, 300, 270, 10, WithAlpha(DeepBlue, 0.75f), Cyan, 2);
            Caption(c, "OBJECTIVES", 355, 256, 16, true, Cyan);
        },
        "The mission objectives panel; its top-left quarter lies off the screen.");
    back.texture = "gui/mission_objectives/mo_back.dds";
    pictures.push_back(back);
    HudPicture field = Picture(
        "gui_mission_objectives//mo_text_field.mat", 256, 64,
        [](Canvas& c) {
            Panel(c, 2, 2, 252, 60, 6, Rgba{0, 0, 0, 0.5f}, WithAlpha(Cyan, 0.6f), 1);
        },
        "The field behind an objective's sliding text.");
    field.texture = "gui/mission_objectives/mo_text_field.dds";
    pictures.push_back(field);
    return pictures;
}

std::vector<HudPicture> ContainerPictures()
{
    std::vector<HudPicture> pictures;
    pictures.push_back(Picture(
        "gui_hud_glass.mat", 256, 256,
        [](Canvas& c) {
            Line(c, 20, 236, 236, 20, 14, Rgba{1, 1, 1, 0.05f});
            Line(c, 60, 236, 236, 60, 6, Rgba{1, 1, 1, 0.04f});
        },
        "A faint reflection on the cockpit glass."));
    pictures.push_back(Picture(
        "gui_hud_crosshair_00.mat", 64, 64, [](Canvas& c) { Brackets(c, 4, 4, 56, 14, 2, Cyan); },
        "A small aiming box."));
    pictures.push_back(Picture(
        "gui_hud_ship.mat", 256, 256, [](Canvas& c) { Fighter(c, 128, 128, 200, WithAlpha(Cyan, 0.25f), Cyan); },
        "The own ship's outline."));
    pictures.push_back(Picture(
        "gui_hud_radar.mat", 128, 128,
        [](Canvas& c) {
            Ring(c, 64, 64, 60, 2, Cyan, 16, 0);
            Ring(c, 64, 64, 40, 1, WithAlpha(Cyan, 0.6f), 0, 0);
        },
        "The radar's disc."));
    return pictures;
}

} // namespace

HudPicture Picture(const std::string& material, unsigned width, unsigned height, std::function<void(Canvas&)> paint,
                   const std::string& about)
{
    HudPicture picture;
    picture.material = material;
    picture.texture = "gui/hud/" + Stem(material) + ".dds";
    picture.width = width;
    picture.height = height;
    picture.paint = std::move(paint);
    picture.about = about;
    return picture;
}

std::vector<HudPicture> PanelPictures()
{
    std::vector<HudPicture> pictures;
    for (std::vector<HudPicture> part :
         {ContainerPictures(), StripPictures(), StatsPictures(), TargetPanelPictures(), BoxPictures()})
        pictures.insert(pictures.end(), part.begin(), part.end());
    return pictures;
}

std::vector<HudPicture> AllHudPictures(const HudWords& english)
{
    std::vector<HudPicture> pictures = PanelPictures();
    for (std::vector<HudPicture> part :
         {CrosshairAndRadarPictures(), GaugePictures(), MissionLogicPictures(), WordPictures(english)})
        pictures.insert(pictures.end(), part.begin(), part.end());
    return pictures;
}
