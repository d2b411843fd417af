#include "HudArt.h"
#include "HudCatalog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace HudArt;

namespace {

constexpr float Pi = 3.14159265f;

// A quarter ring of the fly-in box, starting at `from` radians.
void Arc(Canvas& c, float from, Rgba color)
{
    c.Fill(
        [&](float x, float y) {
            float a = std::atan2(y - 64.0f, x - 64.0f) - from;
            while (a < 0.0f)
                a += 2.0f * Pi;
            return a < Pi / 2.0f ? RingCover(x, y, 64.0f, 64.0f, 46.0f, 3.0f) : 0.0f;
        },
        [&](float, float) { return color; });
    Line(c, 64.0f + std::cos(from) * 38.0f, 64.0f + std::sin(from) * 38.0f, 64.0f + std::cos(from) * 54.0f,
         64.0f + std::sin(from) * 54.0f, 3.0f, color);
}

// A level bar's ground: dark with a thin frame.
void LevelGround(Canvas& c, float w, float h)
{
    Panel(c, 0.5f, 0.5f, w - 1.0f, h - 1.0f, std::min(3.0f, h / 3.0f), Rgba{0.0f, 0.0f, 0.0f, 0.7f},
          WithAlpha(Cyan, 0.7f), 1.0f);
}

// A chevron pointing left (side -1) or right (side 1) at (x, y).
void Chevron(Canvas& c, float x, float y, float side, Rgba color)
{
    Line(c, x, y, x - side * 8.0f, y - 8.0f, 3.0f, color);
    Line(c, x, y, x - side * 8.0f, y + 8.0f, 3.0f, color);
}

std::vector<HudPicture> BoxAndArrowPictures()
{
    const Rgba light = Rgba{0.75f, 0.95f, 1.0f, 1.0f};
    std::vector<HudPicture> pictures;
    pictures.push_back(Picture(
        "gui_hud_crosshair.mat", 128, 128,
        [](Canvas& c) {
            Line(c, 64, 44, 64, 84, 2, Cyan);
            Line(c, 44, 64, 84, 64, 2, Cyan);
        },
        "A plain cross."));
    pictures.push_back(Picture(
        "gui_arrow.mat", 256, 256,
        [](Canvas& c) {
            // The screen turns quads upside down as it rotates them: the arrow is drawn pointing right.
            c.Fill(
                [](float x, float y) {
                    return PolygonCover(x, y, {240, 206, 214, 206}, {128, 142, 128, 114});
                },
                [](float, float) { return WithAlpha(Amber, 0.9f); });
        },
        "The arrow about the screen's centre; drawn turned, its right side points to the target."));
    pictures.push_back(Picture(
        "gui_hud_target.mat", 128, 128, [=](Canvas& c) { Brackets(c, 28, 28, 72, 18, 3, light); },
        "The settled box on the target."));
    for (int i = 1; i <= 3; ++i)
    {
        const float from = float(i - 1) * 2.0f * Pi / 3.0f;
        pictures.push_back(Picture(
            "gui_hud_target" + std::to_string(i) + ".mat", 128, 128, [=](Canvas& c) { Arc(c, from, light); },
            "A piece of the box flying in."));
    }
    pictures.push_back(Picture(
        "gui_target.mat", 128, 128,
        [](Canvas& c) {
            c.Fill(
                [](float x, float y) { return EdgeCover(std::fabs(std::fabs(x - 64) + std::fabs(y - 64) - 44) - 2); },
                [](float, float) { return White; });
            Brackets(c, 34, 34, 60, 10, 2, White);
        },
        "The badge on a global target, white so that the target's colour shows."));
    for (int i = 1; i <= 3; ++i)
    {
        pictures.push_back(Picture(
            "gui_target" + std::to_string(i) + ".mat", 128, 128,
            [=](Canvas& c) { Ring(c, 64, 64, 30.0f + 8.0f * float(i), 2, White, 4 * i, 0); },
            "A spare global-target ring."));
    }
    pictures.push_back(Picture(
        "gui_target_lvl_bg.mat", 256, 16, [](Canvas& c) { LevelGround(c, 256, 16); },
        "The ground of a global target's level bar."));
    pictures.push_back(Picture(
        "gui_target_lvl.mat", 256, 8,
        [](Canvas& c) {
            Bar(c, 0, 1, 256, 6, Rgba{0.9f, 0.2f, 0.1f, 1}, Green);
        },
        "A global target's level bar, cut at its value."));
    pictures.push_back(Picture(
        "gui_target_small_lvl_bg.mat", 128, 8, [](Canvas& c) { LevelGround(c, 128, 8); },
        "The ground of the target's damage bar."));
    pictures.push_back(Picture(
        "gui_target_small_lvl.mat", 128, 4, [](Canvas& c) { Bar(c, 0, 0, 128, 4, Amber, Green); },
        "The target's damage bar, cut at its value."));
    pictures.push_back(Picture(
        "gui_hud_global_target.mat", 64, 64,
        [](Canvas& c) {
            c.Fill(
                [](float x, float y) {
                    return PolygonCover(x, y, {60, 20, 30, 20}, {32, 52, 32, 12});
                },
                [](float, float) { return White; });
        },
        "The arrow toward a global target off the screen; drawn turned, its right side points to it."));
    return pictures;
}

std::vector<HudPicture> IndicatorPictures()
{
    std::vector<HudPicture> pictures;
    pictures.push_back(Picture(
        "gui_hud_wingR.mat", 128, 128,
        [](Canvas& c) {
            Chevron(c, 22, 70, -1, Red);
            Chevron(c, 106, 70, 1, Red);
        },
        "The wing guns' sign, red: the second secondary weapon."));
    pictures.push_back(Picture(
        "gui_hud_wingG.mat", 128, 128,
        [](Canvas& c) {
            Chevron(c, 22, 64, -1, Green);
            Chevron(c, 106, 64, 1, Green);
        },
        "The wing guns' sign, green: the first secondary weapon."));
    pictures.push_back(Picture(
        "gui_hud_sgun.mat", 128, 128,
        [](Canvas& c) {
            Line(c, 52, 100, 52, 110, 2, Amber);
            Line(c, 76, 100, 76, 110, 2, Amber);
        },
        "The side gun's sign."));
    pictures.push_back(Picture(
        "gui_hud_fgun.mat", 128, 128,
        [](Canvas& c) {
            Line(c, 58, 104, 70, 104, 2, Cyan);
            Line(c, 64, 98, 64, 110, 2, Cyan);
        },
        "The front gun's sign."));
    return pictures;
}

std::vector<HudPicture> DecalAndRadarPictures()
{
    std::vector<HudPicture> pictures;
    for (int i = 0; i <= 10; ++i)
    {
        char name[64];
        std::snprintf(name, sizeof name, "gui_hud_glass_decal_%.2d.mat", i);
        pictures.push_back(Picture(
            name, 128, 128, [=](Canvas& c) { Crack(c, 64, 64, 60, unsigned(i + 1)); },
            "A crack in the cockpit glass."));
    }
    pictures.push_back(Picture(
        "gui_hud_radar_target.mat", 32, 32,
        [](Canvas& c) {
            c.Fill([](float x, float y) { return CircleCover(x, y, 16, 16, 9); },
                   [](float x, float y) {
                       const float d = std::hypot(x - 16, y - 16) / 9.0f;
                       return Rgba{1, 1, 1, 1.0f - d * 0.5f};
                   });
            Ring(c, 16, 16, 12, 1.5f, WithAlpha(White, 0.6f), 0, 0);
        },
        "A radar blip, white so that its colour shows."));
    HudPicture cursor = Picture(
        "", 64, 64,
        [](Canvas& c) {
            Ring(c, 32, 32, 20, 2, Cyan, 4, 0);
            c.Fill([](float x, float y) { return CircleCover(x, y, 32, 32, 2); }, [](float, float) { return Cyan; });
        },
        "The crosshair's cursor picture.");
    cursor.texture = "gui_hud_crosshair_01.dds";
    pictures.push_back(cursor);
    return pictures;
}

} // namespace

std::vector<HudPicture> CrosshairAndRadarPictures()
{
    std::vector<HudPicture> pictures;
    for (std::vector<HudPicture> part : {BoxAndArrowPictures(), IndicatorPictures(), DecalAndRadarPictures()})
        pictures.insert(pictures.end(), part.begin(), part.end());
    return pictures;
}
